// SPDX-License-Identifier: GPL-3.0-or-later
#include "DDeviceListItem.h"
#include "ui_DDeviceListItem.h"

#include "DDataManager.h"
#include "LogCategories.h"
#include "ThemeStyleSheets.h"

#include <QFontMetrics>
#include <QMouseEvent>

namespace {
constexpr int kNameWidth = 150;
}

DDeviceListItem::DDeviceListItem(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::DDeviceListItem)
{
    ui->setupUi(this);
    setFocusPolicy(Qt::ClickFocus);
    setContextMenuPolicy(Qt::CustomContextMenu);
    ui->frame->hide();
    setFixedSize(195, 30);
}

DDeviceListItem::~DDeviceListItem() = default;

QString DDeviceListItem::elideText(const QFont &font, const QString &text, int width, bool *elided)
{
    const QFontMetrics metrics(font);
    const bool tooWide = metrics.horizontalAdvance(text) >= width;
    if (elided)
        *elided = tooWide;
    return tooWide ? metrics.elidedText(text, Qt::ElideRight, width) : text;
}

void DDeviceListItem::setDeviceInfo(int vid, int pid, QString hidPath, QString manufacturer, QString product,
                                    QString hidName, int deviceType, QString firmwareId)
{
    m_vid = vid;
    m_pid = pid;
    m_strHidPath = hidPath;
    m_strManufacturer = manufacturer;
    m_strProduct = product;
    m_strHidName = hidName;
    m_deviceType = deviceType;
    m_strFirmwareId = firmwareId;

    if (deviceType == 0)
        ui->pushButton_DeviceLogo->setStyleSheet(
            QStringLiteral("QPushButton{border-image:url(:/images/softKeyboardDef.png);}"));
    else if (deviceType == 1)
        ui->pushButton_DeviceLogo->setStyleSheet(
            QStringLiteral("QPushButton{border-image:url(:/images/MouseDef.png);}"));

    DDataManager *dataManager = DDataManager::getInstance();
    m_strProductName = dataManager->getProductNameMap().value(hidName);
    if (m_strProductName.isEmpty()) {
        ui->label_ProductName->hide();
    } else {
        QFont font = dataManager->getFont(0);
        font.setPointSize(12);
        ui->label_ProductName->setFont(font);
        ui->label_ProductName->setText(m_strProductName);
    }
    m_strLikeName = dataManager->getLikeNameMap().value(hidName);
    if (m_strLikeName.isEmpty())
        m_strLikeName = hidName;

    QFont nameFont = dataManager->getFont(1);
    nameFont.setPointSize(12);
    ui->label_DeviceName->setFont(nameFont);
    m_isNameElided = false;
    ui->label_DeviceName->setText(elideText(nameFont, m_strLikeName, kNameWidth, &m_isNameElided));

    const QString tip = m_strProductName + QLatin1Char(' ') + m_strLikeName;
    ui->label_ProductName->setToolTip(tip);
    ui->label_DeviceName->setToolTip(tip);
}

void DDeviceListItem::setSelected(bool selected)
{
    ui->frame->setVisible(selected);
}

bool DDeviceListItem::isSelected() const
{
    return !ui->frame->isHidden();
}

void DDeviceListItem::applyTheme()
{
    DDataManager *dataManager = DDataManager::getInstance();
    const ThemeColorConfig theme = dataManager->getThemeColor();
    ui->frame->setStyleSheet(
        QStringLiteral("QFrame#frame{ background-color: %1; }").arg(stylesheets::colour(QStringLiteral("18,18,18"))));
    // A theme colour with an alpha (background image in use) needs rgba().
    ui->frame_Device->setStyleSheet(QStringLiteral("QFrame#frame_Device:hover{ background-color: %1; }"
                                                   "QLabel{ color: %2; }")
                                        .arg(stylesheets::colour(theme.DeviceListItemHoverBgColor),
                                             stylesheets::colour(QStringLiteral("18,18,18"))));
    QFont productFont = dataManager->getFont(0);
    productFont.setPointSize(12);
    ui->label_ProductName->setFont(productFont);
    QFont nameFont = dataManager->getFont(1);
    nameFont.setPointSize(12);
    ui->label_DeviceName->setFont(nameFont);
}

void DDeviceListItem::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
}

void DDeviceListItem::enterEvent(QEvent *event)
{
    QWidget::enterEvent(event);
}

void DDeviceListItem::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
}

bool DDeviceListItem::eventFilter(QObject *watched, QEvent *event)
{
    return QWidget::eventFilter(watched, event);
}

void DDeviceListItem::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->ignore();
}

void DDeviceListItem::mousePressEvent(QMouseEvent *event)
{
    Q_UNUSED(event)
    qCDebug(lcUi) << "----------------- *** mousePressEvent *** --------------";
    emit sigDeviceItemPressed();
}

void DDeviceListItem::on_pushButton_DeviceLogo_clicked()
{
    emit sigDeviceItemPressed();
}
