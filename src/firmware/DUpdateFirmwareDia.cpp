// SPDX-License-Identifier: GPL-3.0-or-later
#include "DUpdateFirmwareDia.h"
#include "ui_DUpdateFirmwareDia.h"

#include "CbNotice.h"
#include "DDataManager.h"
#include "DDeviceKeyboardLink.h"
#include "FirmwareCommands.h"
#include "MainHidInterFace.h"
#include "ThemeStyleSheets.h"
#include "UpdateFirmwareInfoItem.h"

#include <QCloseEvent>

DUpdateFirmwareDia::DUpdateFirmwareDia(QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::DUpdateFirmwareDia>())
{
    ui->setupUi(this);
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    setFixedSize(730, 460);

    const ThemeColorConfig theme = DDataManager::getInstance()->getThemeColor();
    notice = new CbNotice(this);
    notice->setTextPixelSize(16);
    QColor background(0, 0, 0, 200);
    const QStringList bg = theme.AllBgColor.split(QLatin1Char(','));
    const QStringList fg = stylesheets::popupAccent(theme, theme.TextCheckedColor).split(QLatin1Char(','));
    if (bg.size() >= 3)
        background = QColor(bg[0].trimmed().toInt(), bg[1].trimmed().toInt(), bg[2].trimmed().toInt(), 200);
    notice->setBackgroundColor(background);
    if (fg.size() >= 3)
        notice->setTextColor(QColor(fg[0].trimmed().toInt(), fg[1].trimmed().toInt(), fg[2].trimmed().toInt(), 255));
    QFont font(theme.TextFont);
    font.setPixelSize(14);
    notice->setTextFont(font);

    applyTheme();
    ui->widget_Tip->setTextFont(QStringLiteral("Microsoft Yahei"), 14);
    ui->widget_Tip->setBackground(QColor(0, 0, 0, 1));
    ui->widget_Tip->setForeground(QColor(255, 200, 0, 255));
    ui->widget_Tip->setText(tr("If the firmware is being upgraded, do not unplug the device!"));

    connect(this, &DUpdateFirmwareDia::sigUpgradeFirmwareSuc, this, &DUpdateFirmwareDia::onUpgradeFirmwareSuc);
    connect(this, &DUpdateFirmwareDia::sigUpgradeFirmwareFailed, this, &DUpdateFirmwareDia::onUpgradeFirmwareFailed);
    connect(this, &DUpdateFirmwareDia::sigUpgradeProgress, this, &DUpdateFirmwareDia::onUpgradeProgress);
}

DUpdateFirmwareDia::~DUpdateFirmwareDia() = default;

void DUpdateFirmwareDia::applyTheme()
{
    const ThemeColorConfig theme = DDataManager::getInstance()->getThemeColor();
    using stylesheets::colour;
    ui->frame_Bg->setStyleSheet(QStringLiteral("QFrame#frame_Bg{background-color: %1; border: 1px solid %2;}")
                                    .arg(colour(theme.UpgradeBgColor), colour(theme.MainWidgetBorderColor)));
    ui->frame_Title->setStyleSheet(
        QStringLiteral("QFrame#frame_Title{background-color: %1; border: none; border-bottom: 2px solid %2;}"
                       "QLabel#label_Title{color: %3; font-weight: 75; font-size: 13pt; font-family: \"%4\";}")
            .arg(colour(theme.UpgradeBgColor), colour(theme.UpgradeBorderColor), colour(theme.TextCheckedColor),
                 theme.TextFont));
    ui->widget_4->setStyleSheet(
        QStringLiteral("QScrollBar:vertical{width: 3px; background: transparent; margin: 3px 0px 3px 0px;}"
                       "QScrollBar::handle:vertical{background: rgba(0,0,0,51); min-height: 20px; border-radius: 1px;}"
                       "QScrollBar::handle:vertical:hover{background: rgba(0,0,0,77);}"
                       "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical{height: 0px;}"
                       "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical{background: %1;"
                       " border-radius: 3px;}")
            .arg(colour(theme.HomeScrollBarBgColor)));
    ui->scrollArea_2->setStyleSheet(QStringLiteral("QScrollArea#scrollArea_2{background-color: %1;}")
                                        .arg(stylesheets::colour(QStringLiteral("0,0,0,1"))));
    ui->scrollAreaWidgetContents_2->setStyleSheet(
        QStringLiteral("QWidget#scrollAreaWidgetContents_2{background-color: %1;}")
            .arg(stylesheets::colour(QStringLiteral("0,0,0,1"))));
}

void DUpdateFirmwareDia::clearRows()
{
    QVBoxLayout *layout = ui->verticalLayout_17;
    const int rowCount = layout->count() - 1;  // every item but the trailing spacer
    for (int i = 0; i < rowCount; ++i) {
        QLayoutItem *item = layout->takeAt(0);
        if (!item)
            break;
        if (QWidget *widget = item->widget()) {
            widget->hide();
            widget->deleteLater();
        }
        delete item;
    }
    rows.clear();
}

UpdateFirmwareInfoItem *DUpdateFirmwareDia::addRow(const HidDeviceInfo &record, MainHidInterFace *transport,
                                                   const QString &serial)
{
    auto *row = new UpdateFirmwareInfoItem(ui->scrollAreaWidgetContents_2);
    row->setDeviceInfo(record, transport, serial);
    connect(row, &UpdateFirmwareInfoItem::sigStartUpgradeing, this, &DUpdateFirmwareDia::onStartUpgradeing);
    QVBoxLayout *layout = ui->verticalLayout_17;
    layout->insertWidget(layout->count() - 1, row);
    rows.append(row);
    if (!idle)
        row->setUpdateEnabled(false);
    return row;
}

void DUpdateFirmwareDia::setUpgradeDevices(QList<HidDeviceInfo> records, QMap<QString, DDeviceKeyboardLink *> links)
{
    clearRows();
    for (const HidDeviceInfo &record : qAsConst(records)) {
        const QString path = QString::fromLatin1(record.hidPath, int(qstrnlen(record.hidPath, sizeof(record.hidPath))));
        DDeviceKeyboardLink *link = links.value(path, nullptr);
        if (!link)
            continue;  // gone between the check and the opening
        addRow(record, link->getHidInterface(), link->getSerialNumber());
    }
}

UpdateFirmwareInfoItem *DUpdateFirmwareDia::addWaitingDevice(const HidDeviceInfo &record, const QString &serialNumber)
{
    return addRow(record, nullptr, serialNumber);
}

UpdateFirmwareInfoItem *DUpdateFirmwareDia::getCurrentRow() const
{
    return currentRow.data();
}

MainHidInterFace *DUpdateFirmwareDia::getCurrentHidInterface() const
{
    return currentHidInterface.data();
}

void DUpdateFirmwareDia::emitUpgradeProgress(int total, int done)
{
    emit sigUpgradeProgress(FirmwareCommands::progressPercent(total, done));
}

void DUpdateFirmwareDia::emitUpgradeSucceeded()
{
    idle = true;
    emit sigUpgradeFirmwareSuc();
}

void DUpdateFirmwareDia::emitUpgradeFailed()
{
    idle = true;
    emit sigUpgradeFirmwareFailed();
}

void DUpdateFirmwareDia::acceptStart(MainHidInterFace *transport)
{
    currentHidInterface = transport;
    if (currentRow)
        currentRow->acceptStart(transport);
}

void DUpdateFirmwareDia::onStartUpgradeing()
{
    auto *row = qobject_cast<UpdateFirmwareInfoItem *>(sender());
    if (!row)
        return;
    idle = false;
    currentRow = row;
    currentHidInterface = nullptr;
    for (UpdateFirmwareInfoItem *other : qAsConst(rows))
        other->setUpdateEnabled(other == row);
    emit sigStartHidUpgrade(row->getHidPath(), row->getSerialNumber(), row->getHidName());
}

void DUpdateFirmwareDia::onUpgradeProgress(int ProgressNum)
{
    if (currentRow)
        currentRow->setProgress(ProgressNum);
}

void DUpdateFirmwareDia::showReportedVersion(const QString &version)
{
    if (currentRow)
        currentRow->setCurrentVersion(version);
}

void DUpdateFirmwareDia::onUpgradeFirmwareSuc()
{
    if (currentRow)
        currentRow->showComplete();
    for (UpdateFirmwareInfoItem *row : qAsConst(rows))
        row->setUpdateEnabled(true);
    showNotice(tr("Upgrade successful"));
}

void DUpdateFirmwareDia::onUpgradeFirmwareFailed()
{
    // The failed row may be started again (the device may sit in its bootloader); the others
    // stay off until it has succeeded.
    if (currentRow)
        currentRow->setRestartAllowed(true);
    showNotice(tr("Upgrade failed"));
}

void DUpdateFirmwareDia::showNotice(const QString &text)
{
    notice->showTextAt(text, rect().center());
}

QString DUpdateFirmwareDia::noticeText() const
{
    return notice->text();
}

void DUpdateFirmwareDia::on_pushButton_Close_clicked()
{
    if (!idle)
        return;
    closing = true;
    emit sigUpdateFirmwareWindowClose();
    close();
}

void DUpdateFirmwareDia::closeEvent(QCloseEvent *event)
{
    if (!idle) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void DUpdateFirmwareDia::reject()
{
    // Escape closes the window like its close button, and only when it may close.
    if (!idle)
        return;
    if (!closing) {
        on_pushButton_Close_clicked();
        return;
    }
    QDialog::reject();
}
