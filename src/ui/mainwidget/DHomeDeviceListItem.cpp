// SPDX-License-Identifier: GPL-3.0-or-later
#include "DHomeDeviceListItem.h"
#include "ui_DHomeDeviceListItem.h"

#include "DDataManager.h"
#include "ThemeStyleSheets.h"

#include <QCoreApplication>
#include <QDir>
#include <QMouseEvent>

namespace {

// Picture widths of the models, by the shape of their picture: every keyboard's picture has the
// card frame's proportions.
struct ModelPictureWidth {
    const char *hidName;
    int width;
};

constexpr ModelPictureWidth kModelPictureWidths[] = {
    {"ZM1", 90},     {"ZK87A", 355},  {"ZK87B", 355},  {"ZK87C", 355},  {"ZK87R", 355},
    {"ZK87S", 355},  {"ZK87W", 355},  {"ZK104A", 355}, {"ZK104B", 355}, {"ZK104C", 355},
    {"ZK104R", 355}, {"ZK104S", 355}, {"ZK104W", 355},
};

constexpr int kMousePictureWidth = 80;

}  // namespace

DHomeDeviceListItem::DHomeDeviceListItem(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::DHomeDeviceListItem>())
{
    ui->setupUi(this);

    const ThemeColorConfig theme = DDataManager::getInstance()->getThemeColor();
    ui->frame->setStyleSheet(QStringLiteral("QFrame#frame{ background-color: %1; border-radius:15px;}\t\t\t\t\t\t"
                                            "QFrame#frame:hover{\tborder: 1px solid %2;\t}\t")
                                 .arg(stylesheets::colour(theme.HomeDeviceItemBgColor),
                                      stylesheets::colour(theme.HomeDeviceItemBorderColor)));
    ui->frame_3->setStyleSheet(QStringLiteral("QLabel#label_ProductName{ color: %1; }\t\t\t\t\t\t\t"
                                              "QLabel#label_DeviceName{  color: %2; }\t")
                                   .arg(stylesheets::colour(theme.HomeDeviceItemProductTextColor),
                                        stylesheets::colour(theme.HomeDeviceItemNameTextColor)));
}

DHomeDeviceListItem::~DHomeDeviceListItem() = default;

int DHomeDeviceListItem::pictureWidth(const QString &hidName, int deviceType)
{
    if (deviceType == 1)
        return kMousePictureWidth;
    if (deviceType != 0)
        return 0;
    for (const ModelPictureWidth &entry : kModelPictureWidths) {
        if (hidName == QLatin1String(entry.hidName))
            return entry.width;
    }
    return 0;
}

QString DHomeDeviceListItem::pictureStyleSheet(const QString &picturePath)
{
    return QStringLiteral("QFrame#frame_DeviceLogo{border-image: url(%1);}").arg(picturePath);
}

void DHomeDeviceListItem::setDeviceInfo(int vid, int pid, const QString &hidPath, const QString &manufacturer,
                                        const QString &product, const QString &hidName, int deviceType)
{
    m_vid = vid;
    m_pid = pid;
    m_hidPath = hidPath;
    m_manufacturer = manufacturer;
    m_product = product;
    m_hidName = hidName;
    m_deviceType = deviceType;

    const QString programDir = QDir::fromNativeSeparators(QCoreApplication::applicationDirPath());
    ui->frame_DeviceLogo->setStyleSheet(pictureStyleSheet(programDir + QStringLiteral("/images/hidImages/Keyboard_")
                                                          + hidName + QStringLiteral(".png")));

    const int width = pictureWidth(hidName, deviceType);
    if (width > 0)
        ui->frame_DeviceLogo->setFixedWidth(width);

    DDataManager *dataManager = DDataManager::getInstance();
    QFont nameFont = dataManager->getFont(1);
    nameFont.setPointSize(14);
    ui->label_DeviceName->setFont(nameFont);

    const QString productName = dataManager->getProductNameMap().value(hidName);
    if (productName.isEmpty()) {
        ui->label_ProductName->hide();
    } else {
        QFont productFont = dataManager->getFont(0);
        productFont.setPointSize(14);
        ui->label_ProductName->setFont(productFont);
        ui->label_ProductName->setText(productName);
    }

    const QString likeName = dataManager->getLikeNameMap().value(hidName);
    ui->label_DeviceName->setText(likeName.isEmpty() ? hidName : likeName);
}

void DHomeDeviceListItem::mousePressEvent(QMouseEvent *event)
{
    Q_UNUSED(event)
    emit sigHomeDeviceListItemMouseClicked(m_hidPath);
}
