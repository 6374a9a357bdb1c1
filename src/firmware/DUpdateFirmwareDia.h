// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The firmware update window: one row per device with a newer image, upgraded one at a time.
// A row's press starts an update (the main window checks it and may refuse it at once); the
// update's progress and end come back through emitUpgradeProgress, emitUpgradeSucceeded and
// emitUpgradeFailed. While an update runs the window cannot be closed and the other rows'
// buttons are off; every update ends in a success or a failure, after which it closes again.

#include "HidRecords.h"

#include <QDialog>
#include <QList>
#include <QMap>
#include <QPointer>
#include <QString>

#include <memory>

class CbNotice;
class DDeviceKeyboardLink;
class MainHidInterFace;
class UpdateFirmwareInfoItem;

namespace Ui {
class DUpdateFirmwareDia;
}

class DUpdateFirmwareDia : public QDialog
{
    Q_OBJECT
public:
    explicit DUpdateFirmwareDia(QWidget *parent = nullptr);
    ~DUpdateFirmwareDia() override;

    // One row per record that has a link in the map (a device gone meanwhile is left out).
    void setUpgradeDevices(QList<HidDeviceInfo> records, QMap<QString, DDeviceKeyboardLink *> links);
    // A row for a device that waits in its bootloader: no transport, the kept serial number.
    UpdateFirmwareInfoItem *addWaitingDevice(const HidDeviceInfo &record, const QString &serialNumber);

    void emitUpgradeProgress(int total, int done);
    void emitUpgradeSucceeded();
    // The version the upgraded device reports now that it is back, for its row.
    void showReportedVersion(const QString &version);
    void emitUpgradeFailed();
    // The start of the current row goes ahead (transport: where the row sends 0x0B; null when
    // the device is in its bootloader already). Called while the row's press is handled.
    void acceptStart(MainHidInterFace *transport);

    QList<UpdateFirmwareInfoItem *> getRows() const { return rows; }
    UpdateFirmwareInfoItem *getCurrentRow() const;
    MainHidInterFace *getCurrentHidInterface() const;
    bool isIdle() const { return idle; }
    QString noticeText() const;

signals:
    void sigUpdateFirmwareWindowClose();
    void sigStartHidUpgrade(QString strHidPath, QString strSn, QString strHidName);
    void sigUpgradeFirmwareSuc();
    void sigUpgradeFirmwareFailed();
    void sigUpgradeProgress(int ProgressNum);

public slots:
    void onStartUpgradeing();
    void onUpgradeFirmwareSuc();
    void onUpgradeFirmwareFailed();
    void onUpgradeProgress(int ProgressNum);
    void on_pushButton_Close_clicked();

protected:
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    void clearRows();
    UpdateFirmwareInfoItem *addRow(const HidDeviceInfo &record, MainHidInterFace *transport, const QString &serial);
    void applyTheme();
    void showNotice(const QString &text);

    std::unique_ptr<Ui::DUpdateFirmwareDia> ui;
    QList<UpdateFirmwareInfoItem *> rows;
    QPointer<UpdateFirmwareInfoItem> currentRow;
    QPointer<MainHidInterFace> currentHidInterface;
    CbNotice *notice = nullptr;
    bool idle = true;
    bool closing = false;
};
