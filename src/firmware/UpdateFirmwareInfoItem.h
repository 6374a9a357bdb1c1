// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One device of the firmware update window: its names, current and new version, the Upgrade
// button, the progress and, once done, "Complete". A press asks the window to start; only when
// the start is accepted does the row send the device into its bootloader, on the transport the
// start found for the row's path (a row never trusts a transport it was given earlier).

#include "HidRecords.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <memory>

class MainHidInterFace;

namespace Ui {
class UpdateFirmwareInfoItem;
}

class UpdateFirmwareInfoItem : public QWidget
{
    Q_OBJECT
public:
    explicit UpdateFirmwareInfoItem(QWidget *parent = nullptr);
    ~UpdateFirmwareInfoItem() override;

    // transport may be null: a device that waits in its bootloader.
    void setDeviceInfo(const HidDeviceInfo &record, MainHidInterFace *transport, QString serialNumber);
    void setUpdateEnabled(bool enabled);
    void setProgress(int percent);
    void showComplete();
    // "Current version": what the device reports (after an update, once it is back).
    void setCurrentVersion(const QString &version);
    QString currentVersionText() const;
    // After a failure the next press starts the row's update again.
    void setRestartAllowed(bool allowed);
    // The start the press asked for goes ahead: with the device's transport the row sends it
    // into its bootloader; without one (already in its bootloader) nothing is sent.
    void acceptStart(MainHidInterFace *transport);

    MainHidInterFace *getHidInterface() const;
    QString getHidPath() const { return hidPath; }
    QString getSerialNumber() const { return serialNumber; }
    QString getHidName() const { return hidName; }
    QString getNewVersion() const { return newVersion; }
    HidDeviceInfo getDeviceInfo() const { return record; }
    bool isUpgradeStarted() const { return upgradeStarted; }
    bool isUpdateEnabled() const;
    bool isComplete() const;
    QString progressText() const;
    QString likeNameText() const;

    void applyTheme();

signals:
    void sigStartUpgradeing();

private slots:
    void on_pushButton_Update_clicked();

private:
    std::unique_ptr<Ui::UpdateFirmwareInfoItem> ui;
    QPointer<MainHidInterFace> hidInterface;
    HidDeviceInfo record;
    QString hidPath;
    QString serialNumber;
    QString hidName;
    QString newVersion;
    bool upgradeStarted = false;
    bool restartAllowed = false;
    bool startAccepted = false;
    MainHidInterFace *acceptedTransport = nullptr;
};
