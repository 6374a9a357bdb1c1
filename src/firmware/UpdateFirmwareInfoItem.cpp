// SPDX-License-Identifier: GPL-3.0-or-later
#include "UpdateFirmwareInfoItem.h"
#include "ui_UpdateFirmwareInfoItem.h"

#include "DDataManager.h"
#include "FirmwareCommands.h"
#include "LogCategories.h"
#include "MainHidInterFace.h"
#include "ThemeStyleSheets.h"

namespace {

QString fieldText(const char *field, size_t width)
{
    return QString::fromLatin1(field, int(qstrnlen(field, uint(width))));
}

}  // namespace

UpdateFirmwareInfoItem::UpdateFirmwareInfoItem(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::UpdateFirmwareInfoItem>())
{
    ui->setupUi(this);
    ui->stackedWidget->setCurrentWidget(ui->page_1);
    ui->progressBar->setValue(0);
    ui->label_ProgressNum->setText(QStringLiteral("0%"));
    applyTheme();
}

UpdateFirmwareInfoItem::~UpdateFirmwareInfoItem() = default;

void UpdateFirmwareInfoItem::applyTheme()
{
    const ThemeColorConfig theme = DDataManager::getInstance()->getThemeColor();
    using stylesheets::colour;
    // The bar's empty part in the row's faint line colour, its filled part in the accent colour: the
    // progress shows in every theme, and an empty bar never looks full.
    setStyleSheet(
        QStringLiteral("QFrame#frame_Bg{border: none; border-bottom: 2px solid %1;}"
                       "QLabel{color: %2; font-weight: 75; font-size: 12pt; font-family: \"%3\";}"
                       "QProgressBar#progressBar{background-color: %1; border: none; border-radius: 6px;}"
                       "QProgressBar#progressBar::chunk{background-color: %2; border-radius: 6px;}"
                       "QPushButton#pushButton_Update{border-radius: 8px; border: 1px solid %4; background-color: %5;"
                       " color: %6; font-weight: 75; font-size: 10pt; font-family: \"%3\";}"
                       "QPushButton#pushButton_Update:hover{background-color: %7; border: 1px solid %2;}"
                       "QPushButton#pushButton_Update:pressed{color: %2; border: 1px solid %2; background-color: %8;}")
            .arg(colour(theme.UpgradeItemBorderColor), colour(theme.TextCheckedColor), theme.TextFont,
                 colour(theme.DeviceBorderColor), colour(theme.DeviceControlDefaultColor),
                 colour(theme.TextDefaultColor), stylesheets::translucent(theme.DeviceControlHoverColor, 130),
                 colour(theme.DeviceControlHoverColor)));
}

void UpdateFirmwareInfoItem::setDeviceInfo(const HidDeviceInfo &info, MainHidInterFace *transport, QString serial)
{
    record = info;
    hidInterface = transport;
    hidPath = fieldText(info.hidPath, sizeof(info.hidPath));
    serialNumber = serial;
    hidName = fieldText(info.hidName, sizeof(info.hidName));
    newVersion = fieldText(info.newVersion, sizeof(info.newVersion));

    const DDataManager *manager = DDataManager::getInstance();
    const QString likeName = manager->getLikeNameMap().value(hidName, hidName);
    const QString productName = manager->getProductNameMap().value(hidName);
    // Device texts are shown as plain text, whatever they hold.
    ui->label_HidLikeName->setText(productName.isEmpty() ? likeName : productName + QLatin1Char(' ') + likeName);
    ui->label_OldVer->setText(fieldText(info.version, sizeof(info.version)));
    ui->label_NewVer->setText(newVersion);
}

void UpdateFirmwareInfoItem::setUpdateEnabled(bool enabled)
{
    ui->pushButton_Update->setEnabled(enabled);
}

bool UpdateFirmwareInfoItem::isUpdateEnabled() const
{
    return ui->pushButton_Update->isEnabled();
}

void UpdateFirmwareInfoItem::setProgress(int percent)
{
    const int value = qBound(0, percent, 100);
    ui->progressBar->setValue(value);
    ui->label_ProgressNum->setText(QString::number(value) + QLatin1Char('%'));
}

QString UpdateFirmwareInfoItem::progressText() const
{
    return ui->label_ProgressNum->text();
}

QString UpdateFirmwareInfoItem::likeNameText() const
{
    return ui->label_HidLikeName->text();
}

void UpdateFirmwareInfoItem::showComplete()
{
    ui->stackedWidget->setCurrentWidget(ui->page_2);
    upgradeStarted = false;
    restartAllowed = false;
}

void UpdateFirmwareInfoItem::setCurrentVersion(const QString &version)
{
    ui->label_OldVer->setText(version);
}

QString UpdateFirmwareInfoItem::currentVersionText() const
{
    return ui->label_OldVer->text();
}

bool UpdateFirmwareInfoItem::isComplete() const
{
    return ui->stackedWidget->currentWidget() == ui->page_2;
}

void UpdateFirmwareInfoItem::setRestartAllowed(bool allowed)
{
    restartAllowed = allowed;
}

void UpdateFirmwareInfoItem::acceptStart(MainHidInterFace *transport)
{
    startAccepted = true;
    acceptedTransport = transport;
}

MainHidInterFace *UpdateFirmwareInfoItem::getHidInterface() const
{
    return hidInterface.data();
}

void UpdateFirmwareInfoItem::on_pushButton_Update_clicked()
{
    if (upgradeStarted && !restartAllowed)
        return;  // each start at most once
    upgradeStarted = true;
    restartAllowed = false;
    startAccepted = false;
    acceptedTransport = nullptr;
    setProgress(0);
    emit sigStartUpgradeing();  // the window and the main window decide before this returns
    if (!startAccepted || !acceptedTransport)
        return;
    FirmwareCommands::Report report = FirmwareCommands::enterBootloader();
    if (acceptedTransport->writeCommand(report.data(), int(report.size())) < 0)
        qCWarning(lcFirmware) << "USB serial port [Into firmware] Failed ...";
    else
        qCInfo(lcFirmware) << "USB serial port [Into firmware] Successful ...";
    acceptedTransport = nullptr;
}
