// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Device page: the hub of the connected devices. It keeps the enumerated device list and
// one device link per device (each link opens its device and runs its I/O), follows arrivals
// and removals, and shows the current device, which a click on a home-page card changes.
//
// Still to be built on it: the device rows, the keyboard and mouse views, the profile file of
// the current device, the key-assignment, lighting, on-board and mouse pages, and the lighting
// engines that a removal stops.

#include "HidRecords.h"

#include <QList>
#include <QMap>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <memory>

class DDeviceKeyboardLink;
class xmlInterface;

namespace Ui {
class DDevicePage;
}

class DDevicePage : public QWidget
{
    Q_OBJECT
public:
    explicit DDevicePage(QWidget *parent = nullptr);
    ~DDevicePage() override;

    // Keeps the macro library's path (8-bit, local encoding) and the XML store (not owned).
    void setMacroXml(const char *macroXmlPath, xmlInterface *xml);
    // The window that the save prompt covers.
    void setMainWindow(QWidget *window);

    // Takes an enumeration result. Until the page has devices, a list builds one link per
    // device, makes the first device current and returns true (an empty list leaves the page
    // without devices and also returns true). Afterwards it only takes the list and returns
    // false: the caller then reports the arrival or removal with onDeviceListChanged.
    // Always ends by emitting sigHidDeviceListUpdate with the list.
    bool setHidStructInfoList(QList<hidStructInfo> list);
    QList<hidStructInfo> getHidStructInfoList() const;
    // After an arrival or removal: links every device of the last list that has none, closes
    // the link of every device that left it, and picks another current device when the
    // current one left. hidPath is not used.
    void onDeviceListChanged(bool inserted, QString hidPath);
    // Makes the first device current when devices exist and none has been shown yet.
    void loadFirstDevice();
    // Closes every device's transport (its I/O thread ends before this returns); the links stay
    // until the page goes. For quitting.
    void closeAllDevices();

    bool isLightChanged() const;
    void clearLightChanged();
    // The save prompt for an unsaved lighting change: 0 closed, 1 save, 2 discard.
    int showTipInfoDia();
    void applyLightSettings();
    void updataAllUI();
    void applyTheme();

    // The current device's path (empty without one) and the devices that have a link.
    QString currentHidPath() const;
    QStringList linkedHidPaths() const;
    DDeviceKeyboardLink *deviceLink(const QString &hidPath) const;

signals:
    void sigHidDeviceListUpdate(QList<hidStructInfo> hidStructInfoList);
    void sigHomePageDeviceItemClicked(QString hidPath);
    void sigMacroListHaveChangedSendToDevice(QString macroIndex, QString macroName);
    void sigHookKeyboardRecviveStreamToDevice(int dataFrom, int keyCode, int flag);
    void sigCloseWindowForThis_DevicePage();

public slots:
    void onHomePageDeviceItemClicked(QString hidPath);
    void onMacroListHaveChangedSendToDevice(QString strMacroIndex, QString strMacroName);
    void onHookKeyboardRecviveStreamToDevice(int dataFrom, int keyCode, int flag);
    void onCustomEventChangProfile(int changeProfileIndex);
    void onMouseTriggeredDPIkey();
    void onMouseActivatesSniperKey(bool set);
    void onRuningOnboard0x19Cmd();
    void onRuningOnboard0x18Cmd();
    void onRuningMouse0x47Cmd();

private:
    void openDeviceLink(const hidStructInfo &info);
    void removeDevice(const QString &hidPath);
    // switching: another device was current before (the links go back to PC mode).
    void makeCurrent(const QString &hidPath, bool switching);
    static void waitForInquiry(DDeviceKeyboardLink *link);
    void showCurrentDevice();

    std::unique_ptr<Ui::DDevicePage> ui;
    QPointer<QWidget> m_mainWindow;
    char m_macroXmlPath[256] = {};
    char m_profileXmlPath[256] = {};
    xmlInterface *m_xml = nullptr;

    QList<hidStructInfo> m_hidStructInfoList;         // the last enumeration result
    QMap<QString, hidStructInfo> m_mapHidStructInfo;  // of the last result, by path
    QStringList m_listHidPath;                        // paths of the last result, in its order
    QStringList m_listOldHidPath;                     // paths that have a link, in link order
    QMap<QString, hidStructInfo> m_mapLinkedInfo;     // the record each link was opened with
    QMap<QString, DDeviceKeyboardLink *> m_mapDeviceLink;
    QString m_curHidPath;
    int m_linkThreadIndex = 0;
    bool m_isDeviceListInit = false;
    bool m_isDeviceViewLoaded = false;
    bool m_isLightChanged = false;
    bool m_mouseSniperActive = false;
    bool m_onboardMacroAcknowledged = false;
    bool m_onboardKeyAcknowledged = false;
    bool m_mouseKeyAcknowledged = false;
    int m_onboardMacroAckCount = 0;
};
