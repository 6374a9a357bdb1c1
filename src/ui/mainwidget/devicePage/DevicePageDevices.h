// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The device side of the device page: one row and one link per connected device, the view of
// the current device (keyboard picture and key view, or the two mouse pages), the switch of the
// current device, and the bootstrap of its profile file. The page forwards its slots here.

#include "HidRecords.h"

#include <QMap>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QStringList>

class DDevicePage;
class DDeviceKeyboardLink;
class DDeviceListItem;
class QTimer;

class DevicePageDevices : public QObject
{
    Q_OBJECT
public:
    explicit DevicePageDevices(DDevicePage *page);

    bool setHidStructInfoList(const QList<hidStructInfo> &list);
    void onDeviceListChanged(bool inserted);
    void loadFirstDevice();
    void openDeviceLink(const hidStructInfo &info);
    void openDeviceView(const hidStructInfo &info);
    void onDeviceItemPressed(DDeviceListItem *row);
    void onHomePageDeviceItemClicked(const QString &hidPath);
    void stopDeviceLighting();
    void onInitLoadHid(const QString &hidName, int connectFrom);
    void closeAllDevices();
    // These paths left and came back: the next result closes their links and opens them again.
    void reopenOnNextResult(const QStringList &hidPaths);
    // The opened devices' links by path.
    QMap<QString, DDeviceKeyboardLink *> deviceLinkMap() const;
    // The serial hand-over of a firmware update (see DDevicePage::setHidUpgradeInfo).
    void setUpgradeMark(bool pending, const QString &hidPath, const QString &serialNumber, const QString &model);

    // Models that show only the factory-restore button in place of the work-mode buttons.
    static QStringList &factoryRestoreOnlyModels();

private:
    // A wait for a device processes events; what asks to change the device list or the current
    // device meanwhile is kept and done once the outermost wait is over.
    struct BusyScope {
        explicit BusyScope(DevicePageDevices *d);
        ~BusyScope();
        DevicePageDevices *devices;
    };

    DDeviceListItem *addRow(const hidStructInfo &info);
    void removeRow(const QString &hidPath);
    void reconcile();
    void removeDevice(const QString &hidPath);
    void switchTo(const QString &hidPath, int connectFrom);
    // The key view reads the hover cards' assignments from the file the load settled on.
    void handKeyViewProfile();
    void releaseViews(bool keyboardViews, bool mouseViews);
    void clearCurrentDevice();
    void showNoDevice();
    bool waitForInquiry(DDeviceKeyboardLink *link);
    void bindLinkProfile(DDeviceKeyboardLink *link, const hidStructInfo &info);
    void checkLateLinks();
    void runPending();
    static bool sameDevice(const hidStructInfo &a, const hidStructInfo &b);

    DDevicePage *p;
    int m_busy = 0;
    bool m_pendingReconcile = false;
    QString m_pendingSwitchPath;
    int m_pendingSwitchFrom = 1;
    QString m_lateLoadPath;  // current device whose serial number has not come yet
    QTimer *m_lateTimer = nullptr;
    QSet<QString> m_replugged;  // paths whose devices left and came back
};
