// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's partner of one opened device, keyboard or mouse: it owns the device's
// transport and report builder, runs the opening inquiries (serial number, lighting-mode
// lists) and handles every input report. In PC mode a keyboard's key state is answered with
// the key report the computer is to see; in on-board mode key presses only feed the reactive
// lighting. A mouse's button reports are answered the same way.
//
// Each key's assignment is carried out on the computer's side: another key, a combination, a
// multimedia or mouse function, nothing, a text pasted through the clipboard, a profile switch,
// a program launch, a system shortcut, or a macro whose steps a playback thread hands back as
// key (0x04) and mouse (0x13) reports.

#include "HidRecords.h"
#include "LightTypeInfo.h"
#include "XmlRecords.h"

#include <QByteArray>
#include <QMap>
#include <QObject>
#include <QString>

#include <memory>
#include <mutex>

class DDeviceHidCmdSend;
class KeyButtonInterface;
class KeyboardLightInterface;
class MainHidInterFace;
class MouseLightInterface;
class PcActions;
class playMacroThread;
class xmlInterface;

class DDeviceKeyboardLink : public QObject
{
    Q_OBJECT
public:
    explicit DDeviceKeyboardLink(int threadIndex, QObject *parent = nullptr);
    ~DDeviceKeyboardLink() override;

    // Creates the transport and the builder, opens the device and starts its I/O thread.
    // A failed open is only logged: the link then stays without a running transport.
    void openHidDevice(const hidStructInfo &info);

    void setProfileXml(xmlInterface *xml, const char *profileXmlPath);
    void setProfileIndex(int profileIndex);
    // The profile file this link looks key assignments up in (local 8-bit), empty before one is set.
    QByteArray profileXmlPath() const { return QByteArray(m_profileXmlPath); }
    int profileIndex() const { return m_profileIndex; }
    void setSerialNumberToWrite(const QString &serialNumber);  // before openHidDevice
    void setOnboardMode(int mode);                             // 1 on-board, else PC mode
    // The keyboard view's buttons by key code, and the lighting engines; none of them owned.
    void setKeyButtonMap(const QMap<int, KeyButtonInterface *> &keyButtonMap);
    void setLightDealMain(KeyboardLightInterface *lightDealMain);
    void setMouseLightDealMain(MouseLightInterface *mouseLightDealMain);
    void setKeyboardLightType(int lightType);
    void setMouseAroundLightType(int lightType);
    void setMouseScrollLightType(int lightType);
    void setMouseLogoLightType(int lightType);
    // Launching, the own-window test and the clipboard; not owned. Without one the link
    // uses the desktop's.
    void setPcActions(PcActions *pcActions);

    MainHidInterFace *getHidInterface() const;
    // The device page's road to the device: one 64-byte command report for the command queue.
    // -1 (and a log line) when the link has no transport or its device is not open, else 0.
    int sendCommand(const unsigned char *report);
    bool isDeviceOpen() const;
    // The transport's switches, for the device page; each does nothing without a transport.
    void setShakeHandsMode(bool pcMode);
    void setLightDataMode(int deviceType);
    void setLightDataEnabled(bool enabled);
    void clearQueuedLightData();  // the queued frames go at the next lighting write
    void dropQueuedLightData();   // the queued frames go now
    QString getSerialNumber() const;
    LightTypeInfo getKeyboardLightTypeList() const;
    LightTypeInfo getSideLightTypeList() const;
    LightTypeInfo getMouseLightTypeList() const;
    LightTypeInfo getScrollLightTypeList() const;
    LightTypeInfo getLogoLightTypeList() const;
    bool isLightTypeListReceived() const;
    bool isInquiryFinished() const;

signals:
    void sigCustomEventChangProfile(int changeProfileIndex);
    void sigMouseTriggeredDPIkey();
    void sigMouseActivatesSniperKey(bool activated);
    void sigRuningOnboard0x19Cmd();
    void sigRuningOnboard0x18Cmd();
    void sigRuningMouse0x47Cmd();
    void sigCloseWindowForThis();

public slots:
    void onOpenHidSuccessful();
    void onHidWriteErrorInfo(QString errorInfo);
    void onHidDataArrived(QByteArray data, int length, int threadIndex);
    void onHidSNDataArrived(MainHidInterFace *handle, QByteArray data, QString strHidName);
    // A step of a playing macro: sendType 0 a key (keyDec its usage), else a mouse button
    // (keyDec its bit); keyFlags 1 down, 0 up.
    void onPlayMacroKeyDecSend(int sendType, int keyDec, int keyFlags);
    // Releases every key of the key report and sends it.
    void onClearnSixkeySendBuf();
    // A playback thread ended: its keys and mouse buttons are released.
    void onThreadFinished();

private:
    // One byte of the device's media report: its previous value and the bits of held keys
    // that have an assignment (taken out of the byte that goes back).
    struct MediaGroup {
        unsigned char previous = 0;
        unsigned char temporaryNum = 0;
    };

    void parseKeyboardReport(const QByteArray &report);
    void parseMouseReport(const QByteArray &report);
    void compareKeys(const QByteArray &report);
    void applyFunctionSwitches();
    void compareMedia(const QByteArray &report);
    void readLightModeList(const QByteArray &report);
    void readMouseLightModeLists(const QByteArray &report);
    // One key going down (pressed 1) or up (0): command 4 for a key of the key state, 6 for a
    // media key of group 1 to 3, whose bit in the group's byte is mediaBit.
    void dispatchKey(int command, int group, int keyCode, int pressed, int mediaBit = 0);
    void pressSixKey(int keyCode, int pressed);
    void sendSixKey();
    QByteArray profileKey() const;
    // The key's assignment; operateType "-1" when it has none.
    CustomKeyInfo readAssignment(int keyCode) const;

    // Carries out an assignment (anything but NoAssignment) for a key or, fromMouseButton, for a
    // mouse button; source names the key or button for the mouse report.
    void runAssignment(const CustomKeyInfo &info, int operateType, int source, int pressed, bool fromMouseButton);
    // Actions of an assignment; source names the key or button for the mouse report.
    void startMacro(int mode, int repeatNum, int macroIndex, int keyCode, int pressed);
    // Ends the held play of the key or button, if one runs.
    void endHeldMacro(int source);
    void sendKeyCombination(const char *value, int pressed);
    void sendMultimedia(int function, int pressed);
    void sendMouseFunction(int source, int function, int pressed);
    void pasteText(const char *value, int pressed);
    void switchProfile(int profileIndex, int pressed);
    void launchProgram(const char *value, int pressed);
    void sendWindowsShortcut(int shortcut, int pressed);
    PcActions *pcActions();

    // The mouse: its button report (0x40), the dispatcher of its buttons and their mouse
    // functions, which the answer to its next report carries.
    void parseMouseButtons(const QByteArray &report);
    void dispatchMouseButton(int buttonCode, int pressed);
    void setMouseFunction(int source, int function, int pressed);

    // The link's mouse report: buttons and wheel held by each key, button or macro.
    struct MouseHold {
        unsigned char buttons = 0;
        int wheel = 0;
    };
    void setMouseHold(int source, const MouseHold &hold);
    void updateMouseReport();
    void sendMouseKey(int wheel);

    int m_threadIndex;
    hidStructInfo m_hidStructInfo;
    std::unique_ptr<MainHidInterFace> m_hidInterface;
    std::unique_ptr<DDeviceHidCmdSend> m_hidCmdSend;
    xmlInterface *m_xml = nullptr;
    QByteArray m_profileXmlPath;  // local 8-bit encoding, whole
    int m_profileIndex = 1;
    QString m_serialNumber;
    QString m_serialNumberToWrite;
    bool m_handshakeFlag = false;
    bool m_lightTypeListReceived = false;
    bool m_inquiryFinished = false;
    LightTypeInfo m_keyboardLightTypeInfo;
    LightTypeInfo m_sideLightTypeInfo;
    LightTypeInfo m_mouseLightTypeInfo;
    LightTypeInfo m_scrollLightTypeInfo;
    LightTypeInfo m_logoLightTypeInfo;
    int m_onboardMode = 0;
    unsigned char m_lastKeyReport[8] = {};
    unsigned char m_sixKeyBuffer[8] = {};
    int m_sixKeyCount = 2;
    std::mutex m_sixKeyMutex;
    unsigned char m_mediaSendBuf[3] = {};
    MediaGroup m_mediaGroups[3];  // Media, Browser, Tools
    QMap<int, KeyButtonInterface *> m_keyButtonMap;
    int m_keyboardLightType = -1;
    KeyboardLightInterface *m_lightDealMain = nullptr;
    MouseLightInterface *m_mouseLightDealMain = nullptr;
    int m_mouseAroundLightType = 2;
    int m_mouseScrollLightType = 2;
    int m_mouseLogoLightType = 2;

    PcActions *m_pcActions = nullptr;
    std::unique_ptr<PcActions> m_desktopActions;
    QMap<int, playMacroThread *> m_runningMacros;              // toggled and held macros by key code
    QMap<int, MouseHold> m_mouseHolds;                         // by key or button
    QMap<const QObject *, unsigned char> m_macroMouseButtons;  // by playback thread
    unsigned char m_mouseButtons = 0;
    qint8 m_mouseWheel = 0;
    bool m_mouseOverride = false;      // a mouse button's mouse function is held
    unsigned char m_temporaryNum = 0;  // held mouse buttons that have an assignment
};
