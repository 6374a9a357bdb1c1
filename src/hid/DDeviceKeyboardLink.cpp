// SPDX-License-Identifier: GPL-3.0-or-later
#include "DDeviceKeyboardLink.h"

#include "DDeviceHidCmdSend.h"
#include "DesktopPcActions.h"
#include "KeyActionTables.h"
#include "KeyboardLightInterface.h"
#include "KeyButtonInterface.h"
#include "LogCategories.h"
#include "MainHidInterFace.h"
#include "MouseLightInterface.h"
#include "playMacroThread.h"
#include "RecordNumber.h"
#include "RecordText.h"
#include "xmlInterface.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int kReportSize = MainHidInterFace::kReportSize;
constexpr int kPayload = 6;
constexpr int kSerialLength = 32;

constexpr int kDeviceKeyboard = 0;
constexpr int kDeviceMouse = 1;

constexpr int kCommandKeys = 0x04;
constexpr int kCommandMedia = 0x06;
constexpr int kCommandMouseButtons = 0x40;

// Bytes of the mouse's button report.
constexpr int kMouseButtonByte = 6;
constexpr int kMouseWheelByte = 11;
constexpr int kMouseButtonBits = 6;

// What an assignment's operateType asks for.
enum OperateType {
    NoAssignment = -1,
    RemapKey = 0,
    PlayMacro = 1,
    KeyCombination = 2,
    Multimedia = 3,
    MouseFunction = 4,
    Disabled = 5,
    PasteText = 6,
    SwitchProfile = 7,
    LaunchProgram = 8,
    SystemShortcut = 9,
};

// Holds in the link's mouse report are kept per key (the media keys apart from the others,
// by their group) and per mouse button.
constexpr int kMouseButtonSource = 0x100000;

int keySource(int group, int keyCode)
{
    return group > 0 ? (group << 16) | (keyCode & 0xFFFF) : keyCode & 0xFFFF;
}

// Key codes under which the assignment of each bit of the Media, Browser and Tools bytes is
// stored, bit 0 first.
constexpr int kMediaCodes[3][8] = {
    {128, 129, 127, 153, 154, 155, 64, 128},
    {1, 2, 4, 8, 16, 32, 64, 128},
    {1, 2, 215, 8, 16, 32, 64, 128},
};

constexpr unsigned char kLeftGui = 0x08;
constexpr unsigned char kRightGui = 0x80;
constexpr unsigned char kAlt = 0x04 | 0x40;
constexpr unsigned char kShift = 0x02 | 0x20;
constexpr int kUsageTab = 43;
constexpr int kUsageF4 = 61;

// The report as 64 bytes: a shorter one is zero-filled, a longer one cut.
QByteArray fullReport(const QByteArray &data)
{
    QByteArray report = data.left(kReportSize);
    if (report.size() < kReportSize)
        report.append(QByteArray(kReportSize - report.size(), '\0'));
    return report;
}

unsigned char byteAt(const QByteArray &report, int position)
{
    return static_cast<unsigned char>(report.at(position));
}

bool isSwitchOn(const char *value)
{
    return std::strcmp(value, "1") == 0;
}

bool containsUsage(const unsigned char *state, unsigned char usage)
{
    for (int slot = 2; slot < 8; ++slot) {
        if (state[slot] == usage)
            return true;
    }
    return false;
}

}  // namespace

DDeviceKeyboardLink::DDeviceKeyboardLink(int threadIndex, QObject *parent)
    : QObject(parent)
    , m_threadIndex(threadIndex)
{
}

DDeviceKeyboardLink::~DDeviceKeyboardLink()
{
    // Plays end at their next wait; their last steps are not sent any more.
    const QList<playMacroThread *> threads = findChildren<playMacroThread *>(QString(), Qt::FindDirectChildrenOnly);
    for (playMacroThread *thread : threads) {
        thread->disconnect(this);
        thread->stopAndWait();
        delete thread;
    }
    m_hidCmdSend.reset();
    if (m_hidInterface)
        m_hidInterface->closeHidDevice();
}

void DDeviceKeyboardLink::openHidDevice(const hidStructInfo &info)
{
    if (m_hidInterface) {
        qCDebug(lcLink) << "------------------------- *** Hid device already opened *** --------------------------";
        return;
    }
    m_hidStructInfo = info;
    const QString hidName = QString::fromUtf8(m_hidStructInfo.hidName);
    const QString hidPath = QString::fromLatin1(m_hidStructInfo.hidPath);

    m_hidInterface = std::make_unique<MainHidInterFace>(m_threadIndex, hidName);
    MainHidInterFace *transport = m_hidInterface.get();
    connect(transport, &MainHidInterFace::sigOpenHidSuccessful, this, &DDeviceKeyboardLink::onOpenHidSuccessful);
    connect(transport, &MainHidInterFace::sigHidDataArrived, this, &DDeviceKeyboardLink::onHidDataArrived);
    connect(transport, &MainHidInterFace::sigHidSnGetOver, this, &DDeviceKeyboardLink::onHidSNDataArrived);
    connect(transport, &MainHidInterFace::sigHidWriteErrorInfo, this, &DDeviceKeyboardLink::onHidWriteErrorInfo);

    if (transport->hidOpenPath(m_hidStructInfo.vid, m_hidStructInfo.pid, hidPath) == 0) {
        qCDebug(lcLink).noquote()
            << "------------------------- *** Open hid device successful *** --------------------------hidInfo.hidPath:"
            << hidPath;
        transport->start();
    } else {
        qCDebug(lcLink).noquote()
            << "------------------------- *** Open hid device failed *** --------------------------";
    }

    m_hidCmdSend = std::make_unique<DDeviceHidCmdSend>();
    m_hidCmdSend->setHidInterface(transport);
}

void DDeviceKeyboardLink::setProfileXml(xmlInterface *xml, const char *profileXmlPath)
{
    m_xml = xml;
    m_profileXmlPath = QByteArray(profileXmlPath ? profileXmlPath : "");
}

void DDeviceKeyboardLink::setProfileIndex(int profileIndex)
{
    m_profileIndex = profileIndex;
}

void DDeviceKeyboardLink::setSerialNumberToWrite(const QString &serialNumber)
{
    m_serialNumberToWrite = serialNumber;
}

void DDeviceKeyboardLink::setOnboardMode(int mode)
{
    m_onboardMode = mode;
}

void DDeviceKeyboardLink::setKeyButtonMap(const QMap<int, KeyButtonInterface *> &keyButtonMap)
{
    m_keyButtonMap = keyButtonMap;
}

void DDeviceKeyboardLink::setLightDealMain(KeyboardLightInterface *lightDealMain)
{
    m_lightDealMain = lightDealMain;
}

void DDeviceKeyboardLink::setMouseLightDealMain(MouseLightInterface *mouseLightDealMain)
{
    m_mouseLightDealMain = mouseLightDealMain;
}

void DDeviceKeyboardLink::setKeyboardLightType(int lightType)
{
    m_keyboardLightType = lightType;
}

void DDeviceKeyboardLink::setMouseAroundLightType(int lightType)
{
    m_mouseAroundLightType = lightType;
}

void DDeviceKeyboardLink::setMouseScrollLightType(int lightType)
{
    m_mouseScrollLightType = lightType;
}

void DDeviceKeyboardLink::setMouseLogoLightType(int lightType)
{
    m_mouseLogoLightType = lightType;
}

void DDeviceKeyboardLink::setPcActions(PcActions *pcActions)
{
    m_pcActions = pcActions;
}

PcActions *DDeviceKeyboardLink::pcActions()
{
    if (m_pcActions)
        return m_pcActions;
    if (!m_desktopActions)
        m_desktopActions = std::make_unique<DesktopPcActions>();
    return m_desktopActions.get();
}

MainHidInterFace *DDeviceKeyboardLink::getHidInterface() const
{
    return m_hidInterface.get();
}

int DDeviceKeyboardLink::sendCommand(const unsigned char *report)
{
    if (!report)
        return -1;
    if (!m_hidInterface || !m_hidInterface->isHidOpen()) {
        qCDebug(lcLink) << "------------------------- *** Please open hid first! *** -------------------------- command"
                        << report[1];
        return -1;
    }
    // The transport may set the report id of the interface in the buffer it is given.
    unsigned char copy[MainHidInterFace::kReportSize];
    std::memcpy(copy, report, sizeof copy);
    return m_hidInterface->writeCommand(copy, MainHidInterFace::kReportSize) < 0 ? -1 : 0;
}

bool DDeviceKeyboardLink::isDeviceOpen() const
{
    return m_hidInterface && m_hidInterface->isHidOpen();
}

void DDeviceKeyboardLink::setShakeHandsMode(bool pcMode)
{
    if (m_hidInterface)
        m_hidInterface->setShakeHandsMode(pcMode);
}

void DDeviceKeyboardLink::setLightDataMode(int deviceType)
{
    if (m_hidInterface)
        m_hidInterface->setLightDataMode(deviceType);
}

void DDeviceKeyboardLink::setLightDataEnabled(bool enabled)
{
    if (m_hidInterface)
        m_hidInterface->setLightDataEnabled(enabled);
}

void DDeviceKeyboardLink::clearQueuedLightData()
{
    if (m_hidInterface)
        m_hidInterface->setClearLightDataFlag();
}

void DDeviceKeyboardLink::dropQueuedLightData()
{
    if (m_hidInterface)
        m_hidInterface->clearLightDataList();
}

QString DDeviceKeyboardLink::getSerialNumber() const
{
    return m_serialNumber;
}

LightTypeInfo DDeviceKeyboardLink::getKeyboardLightTypeList() const
{
    return m_keyboardLightTypeInfo;
}

LightTypeInfo DDeviceKeyboardLink::getSideLightTypeList() const
{
    return m_sideLightTypeInfo;
}

LightTypeInfo DDeviceKeyboardLink::getMouseLightTypeList() const
{
    return m_mouseLightTypeInfo;
}

LightTypeInfo DDeviceKeyboardLink::getScrollLightTypeList() const
{
    return m_scrollLightTypeInfo;
}

LightTypeInfo DDeviceKeyboardLink::getLogoLightTypeList() const
{
    return m_logoLightTypeInfo;
}

bool DDeviceKeyboardLink::isLightTypeListReceived() const
{
    return m_lightTypeListReceived;
}

bool DDeviceKeyboardLink::isInquiryFinished() const
{
    return m_inquiryFinished;
}

void DDeviceKeyboardLink::onOpenHidSuccessful()
{
    qCDebug(lcLink) << "USB serial port [Open] successful ..."
                    << " Connect hidName:" << m_hidStructInfo.hidName;
}

void DDeviceKeyboardLink::onHidWriteErrorInfo(QString errorInfo)
{
    qCDebug(lcLink).noquote() << errorInfo;
}

void DDeviceKeyboardLink::onHidDataArrived(QByteArray data, int length, int threadIndex)
{
    Q_UNUSED(length)
    Q_UNUSED(threadIndex)
    const QByteArray report = fullReport(data);
    if (m_hidStructInfo.deviceType == kDeviceKeyboard)
        parseKeyboardReport(report);
    else if (m_hidStructInfo.deviceType == kDeviceMouse)
        parseMouseReport(report);
}

void DDeviceKeyboardLink::onHidSNDataArrived(MainHidInterFace *handle, QByteArray data, QString strHidName)
{
    Q_UNUSED(handle)
    Q_UNUSED(strHidName)
    if (!m_hidCmdSend)
        return;
    const QByteArray report = fullReport(data);
    QByteArray serial = report.mid(kPayload, kSerialLength);
    const int zero = serial.indexOf('\0');
    if (zero >= 0)
        serial.truncate(zero);

    // A valid serial is kept exactly as the device holds it; anything else is replaced.
    if (serial.size() == kSerialLength)
        m_serialNumber = QString::fromLatin1(serial);
    else
        m_serialNumber = m_hidCmdSend->writeSerialNumber(m_serialNumberToWrite);
    m_hidInterface->setSerialNumber(m_serialNumber);

    if (m_hidStructInfo.deviceType == kDeviceKeyboard)
        m_hidCmdSend->inquireLightMode();
    else if (m_hidStructInfo.deviceType == kDeviceMouse)
        m_hidCmdSend->checkMouseLightModeList();
}

void DDeviceKeyboardLink::parseKeyboardReport(const QByteArray &report)
{
    const unsigned char command = byteAt(report, 1);
    if (m_onboardMode == 1) {
        switch (command) {
        case kCommandKeys:
            compareKeys(report);
            break;
        case 0x19:
            emit sigRuningOnboard0x19Cmd();
            break;
        case 0x18:
            emit sigRuningOnboard0x18Cmd();
            break;
        default:
            break;
        }
        return;
    }

    switch (command) {
    case 0x01:
        if (byteAt(report, 5) != 0)
            m_handshakeFlag = byteAt(report, 6) == 1;
        break;
    case kCommandKeys:
        compareKeys(report);
        if (m_handshakeFlag)
            applyFunctionSwitches();
        sendSixKey();
        break;
    case 0x0A:
    case 0x02:
        readLightModeList(report);
        break;
    case 0x05:
        if (m_hidCmdSend)
            m_hidCmdSend->writeFullKey(reinterpret_cast<const unsigned char *>(report.constData()));
        break;
    case kCommandMedia:
        compareMedia(report);
        break;
    case 0x16:
        qCDebug(lcLink) << "-------------------------- *** 0x16 write Successful *** -----------------------";
        break;
    case 0x19:
        emit sigRuningOnboard0x19Cmd();
        break;
    case 0x18:
        emit sigRuningOnboard0x18Cmd();
        break;
    default:
        break;
    }
}

void DDeviceKeyboardLink::parseMouseReport(const QByteArray &report)
{
    switch (byteAt(report, 1)) {
    case kCommandMouseButtons:
        parseMouseButtons(report);
        break;
    case 0x43:
        readMouseLightModeLists(report);
        break;
    case 0x47:
        emit sigRuningMouse0x47Cmd();
        break;
    default:
        break;
    }
}

// Presses go before releases, modifiers before keys; a key that only changes its slot is
// no event.
void DDeviceKeyboardLink::compareKeys(const QByteArray &report)
{
    unsigned char now[8];
    std::memcpy(now, report.constData() + kPayload, sizeof now);
    unsigned char before[8];
    std::memcpy(before, m_lastKeyReport, sizeof before);

    for (int bit = 0; bit < 8; ++bit) {
        if ((now[0] & (1 << bit)) && !(before[0] & (1 << bit)))
            dispatchKey(kCommandKeys, -1, 224 + bit, 1);
    }
    for (int slot = 2; slot < 8; ++slot) {
        if (now[slot] != 0 && !containsUsage(before, now[slot]))
            dispatchKey(kCommandKeys, -1, now[slot], 1);
    }
    for (int bit = 0; bit < 8; ++bit) {
        if (!(now[0] & (1 << bit)) && (before[0] & (1 << bit)))
            dispatchKey(kCommandKeys, -1, 224 + bit, 0);
    }
    for (int slot = 2; slot < 8; ++slot) {
        if (before[slot] != 0 && !containsUsage(now, before[slot]))
            dispatchKey(kCommandKeys, -1, before[slot], 0);
    }
    std::memcpy(m_lastKeyReport, now, sizeof now);
}

// The profile's function switches act on the key report about to be sent: the GUI keys
// first; without them Alt+Tab, Alt+F4 and Shift+Tab.
void DDeviceKeyboardLink::applyFunctionSwitches()
{
    if (!m_xml || m_profileXmlPath.isEmpty())
        return;
    FunctionSetting setting;
    m_xml->getFunctionSetting(m_profileXmlPath.constData(), profileKey().constData(), &setting);

    unsigned char &modifiers = m_sixKeyBuffer[0];
    if (modifiers & (kLeftGui | kRightGui)) {
        if (isSwitchOn(setting.feature4))
            modifiers &= static_cast<unsigned char>(~(kLeftGui | kRightGui));
        return;
    }
    if (modifiers & kAlt) {
        if (isSwitchOn(setting.feature1))
            pressSixKey(kUsageTab, 0);
        if (isSwitchOn(setting.feature2))
            pressSixKey(kUsageF4, 0);
    }
    if (modifiers & kShift) {
        if (isSwitchOn(setting.feature3))
            pressSixKey(kUsageTab, 0);
    }
}

void DDeviceKeyboardLink::compareMedia(const QByteArray &report)
{
    for (int g = 0; g < 3; ++g) {
        MediaGroup &group = m_mediaGroups[g];
        const unsigned char current = byteAt(report, kPayload + g);
        const unsigned char previous = group.previous;
        if (current != 0 && current != previous) {
            for (int bit = 0; bit < 8; ++bit) {
                if ((current & (1 << bit)) && !(previous & (1 << bit)))
                    dispatchKey(kCommandMedia, g + 1, kMediaCodes[g][bit], 1, 1 << bit);
            }
            for (int bit = 0; bit < 8; ++bit) {
                if (!(current & (1 << bit)) && (previous & (1 << bit)))
                    dispatchKey(kCommandMedia, g + 1, kMediaCodes[g][bit], 0, 1 << bit);
            }
        } else if (current == 0 && previous != 0) {
            for (int bit = 0; bit < 8; ++bit) {
                if (previous & (1 << bit))
                    dispatchKey(kCommandMedia, g + 1, kMediaCodes[g][bit], 0, 1 << bit);
            }
        }
        group.previous = current;
    }

    qCDebug(lcLinkReports) << "------------------------- [Media] TemporaryNum:" << m_mediaGroups[0].temporaryNum
                           << " [Browser]TemporaryNum:" << m_mediaGroups[1].temporaryNum
                           << " [Tools] TemporaryNum:" << m_mediaGroups[2].temporaryNum;
    for (int g = 0; g < 3; ++g)
        m_mediaSendBuf[g] = static_cast<unsigned char>(byteAt(report, kPayload + g) - m_mediaGroups[g].temporaryNum);
    if (m_hidCmdSend)
        m_hidCmdSend->writeMultimedia(m_mediaSendBuf);
}

void DDeviceKeyboardLink::readLightModeList(const QByteArray &report)
{
    qCDebug(lcLink) << "---------- *** Recvive [Light Mode Info] Successful *** ---------- ";
    LightTypeInfo list;
    LightTypeInfo::readFromReport(report, kPayload, &list);
    if (byteAt(report, 1) == 0x0A) {
        m_keyboardLightTypeInfo = list;
        qCDebug(lcLink) << "-------------[Keyboard] hidName:" << m_hidStructInfo.hidName
                        << " lightTypeList Num:" << list.lightTypeList.size() << "  SpeedMax:" << list.speedMax
                        << "  BrightnessMax:" << list.brightnessMax;
        if (m_hidCmdSend)
            m_hidCmdSend->inquireSideLightMode();
    } else {
        m_sideLightTypeInfo = list;
        qCDebug(lcLink) << "-------------[Side] hidName:" << m_hidStructInfo.hidName
                        << "lightTypeList Num:" << list.lightTypeList.size() << "  SpeedMax:" << list.speedMax
                        << "  BrightnessMax:" << list.brightnessMax;
        m_inquiryFinished = true;
        m_lightTypeListReceived = true;
    }
}

// Three lists back to back. Reading never goes past the report's end, so the lists that
// follow an unterminated one are empty.
void DDeviceKeyboardLink::readMouseLightModeLists(const QByteArray &report)
{
    int next = LightTypeInfo::readFromReport(report, kPayload, &m_mouseLightTypeInfo);
    qCDebug(lcLink) << "----------------------------------- 01 lightTypeList.size:"
                    << m_mouseLightTypeInfo.lightTypeList.size() << m_mouseLightTypeInfo.speedMax
                    << m_mouseLightTypeInfo.brightnessMax;
    next = LightTypeInfo::readFromReport(report, next, &m_scrollLightTypeInfo);
    qCDebug(lcLink) << "----------------------------------- 02 scrollLightTypeList.size:"
                    << m_scrollLightTypeInfo.lightTypeList.size() << m_scrollLightTypeInfo.speedMax
                    << m_scrollLightTypeInfo.brightnessMax;
    LightTypeInfo::readFromReport(report, next, &m_logoLightTypeInfo);
    qCDebug(lcLink) << "----------------------------------- 03 logoLightTypeList.size:"
                    << m_logoLightTypeInfo.lightTypeList.size() << m_logoLightTypeInfo.speedMax
                    << m_logoLightTypeInfo.brightnessMax;
    m_inquiryFinished = true;
    m_lightTypeListReceived = true;
}

void DDeviceKeyboardLink::dispatchKey(int command, int group, int keyCode, int pressed, int mediaBit)
{
    // Reactive lighting.
    if (m_lightDealMain && m_lightTypeListReceived) {
        static const int kReactiveEffects[] = {6, 7, 8, 11, 12, 16};
        const bool reactive = std::find(std::begin(kReactiveEffects), std::end(kReactiveEffects), m_keyboardLightType)
                              != std::end(kReactiveEffects);
        if (pressed && reactive) {
            const KeyButtonInterface *button = m_keyButtonMap.value(keyCode, nullptr);
            if (button) {
                if (m_keyboardLightType == 12)
                    m_lightDealMain->keyPressLight(0, 0);
                else
                    m_lightDealMain->keyPressLight(button->getRow(), button->getColumn());
            }
        } else if (!pressed && m_keyboardLightType == 12) {
            m_lightDealMain->keyPressLight(0, 0);
        }
    }
    if (m_onboardMode == 1)
        return;

    const CustomKeyInfo info = readAssignment(keyCode);
    const int operateType = recordNumber(info.operateType);
    const int source = keySource(group, keyCode);

    // A mouse function or a macro play held by the key ends with the key, whatever the
    // assignment is by then.
    if (!pressed && operateType != MouseFunction && m_mouseHolds.contains(source))
        sendMouseFunction(source, -1, 0);
    if (!pressed && operateType != PlayMacro)
        endHeldMacro(source);

    if (operateType == NoAssignment) {  // the key passes unchanged (a media key in the device's own report)
        if (command == kCommandKeys)
            pressSixKey(keyCode, pressed);
    } else {
        runAssignment(info, operateType, source, pressed, false);  // Disabled: neither in the report nor passed on
    }

    // A held media key with an assignment is taken out of the media report that goes back.
    // Its bit is counted from its press to its release, whatever the assignment is by then,
    // so the byte that goes back never keeps a bit of a key that is no longer held.
    if (command == kCommandMedia && group >= 1 && group <= 3 && mediaBit > 0 && mediaBit < 256) {
        MediaGroup &media = m_mediaGroups[group - 1];
        const unsigned char bit = static_cast<unsigned char>(mediaBit);
        const bool wasCounted = (media.temporaryNum & bit) != 0;
        if (pressed && operateType != -1)
            media.temporaryNum |= bit;
        else if (!pressed)
            media.temporaryNum &= static_cast<unsigned char>(~bit);
        if (operateType != -1 || wasCounted)
            sendSixKey();
    }
}

void DDeviceKeyboardLink::pressSixKey(int keyCode, int pressed)
{
    if (keyCode >= 224 && keyCode <= 231) {
        const unsigned char bit = static_cast<unsigned char>(1 << (keyCode - 224));
        if (pressed)
            m_sixKeyBuffer[0] |= bit;
        else
            m_sixKeyBuffer[0] &= static_cast<unsigned char>(~bit);
        return;
    }
    if (keyCode < 0 || keyCode > 255) {
        qCDebug(lcLink) << "---------- *** Key code out of range:" << keyCode;
        return;
    }
    if (pressed) {
        std::lock_guard<std::mutex> lock(m_sixKeyMutex);
        if (m_sixKeyCount < 8 && keyCode != 0) {
            m_sixKeyBuffer[m_sixKeyCount] = static_cast<unsigned char>(keyCode);
            ++m_sixKeyCount;
        }
        return;
    }
    if (m_sixKeyCount <= 2)
        return;
    for (int slot = 2; slot < m_sixKeyCount; ++slot) {
        if (m_sixKeyBuffer[slot] == static_cast<unsigned char>(keyCode)) {
            for (int i = slot; i < 7; ++i)
                m_sixKeyBuffer[i] = m_sixKeyBuffer[i + 1];
            m_sixKeyBuffer[7] = 0;
            --m_sixKeyCount;
        }
    }
}

void DDeviceKeyboardLink::sendSixKey()
{
    if (m_hidCmdSend)
        m_hidCmdSend->writeSixKey(m_sixKeyBuffer);
}

QByteArray DDeviceKeyboardLink::profileKey() const
{
    return QByteArray::number(m_profileIndex);
}

CustomKeyInfo DDeviceKeyboardLink::readAssignment(int keyCode) const
{
    CustomKeyInfo info;
    setRecordText(info.keyCode, "-1");
    setRecordText(info.keyChar, "-1");
    setRecordText(info.operateType, "-1");
    setRecordText(info.repeatNum, "-1");
    setRecordText(info.mode, "-1");
    setRecordText(info.Value, "-1");
    if (m_xml && !m_profileXmlPath.isEmpty())
        m_xml->getKeyMapItems(m_profileXmlPath.constData(), profileKey().constData(),
                              QByteArray::number(keyCode).constData(), &info);
    return info;
}

// ---- Actions ----

void DDeviceKeyboardLink::startMacro(int mode, int repeatNum, int macroIndex, int keyCode, int pressed)
{
    const auto newThread = [this] {
        auto *thread = new playMacroThread(this);
        connect(thread, &playMacroThread::sigPlayMacroKeyDecSend, this, &DDeviceKeyboardLink::onPlayMacroKeyDecSend);
        connect(thread, &playMacroThread::sigClearnSixkeySendBuf, this, &DDeviceKeyboardLink::onClearnSixkeySendBuf);
        connect(thread, &QThread::finished, this, &DDeviceKeyboardLink::onThreadFinished);
        thread->setProfileXml(m_xml, m_profileXmlPath.constData(), m_profileIndex);
        return thread;
    };

    if (pressed) {
        switch (mode) {
        case kMacroOnce:
        case kMacroRepeat:
            newThread()->playMacro(mode, repeatNum, macroIndex, 1);
            break;
        case kMacroToggle:
            // The play is ended whatever mode it was started in, so a key whose mode changed
            // meanwhile cannot leave it running for good.
            if (playMacroThread *running = m_runningMacros.take(keyCode)) {
                running->endPlay();
            } else {
                playMacroThread *thread = newThread();
                m_runningMacros.insert(keyCode, thread);
                thread->playMacro(mode, repeatNum, macroIndex, 1);
            }
            break;
        case kMacroHeld: {
            // A second press without a release (two keys with one code) ends the first play.
            if (playMacroThread *running = m_runningMacros.take(keyCode))
                running->endPlay();
            playMacroThread *thread = newThread();
            m_runningMacros.insert(keyCode, thread);
            thread->playMacro(mode, repeatNum, macroIndex, 1);
            break;
        }
        default:
            break;
        }
    } else {
        endHeldMacro(keyCode);
    }
}

void DDeviceKeyboardLink::endHeldMacro(int source)
{
    playMacroThread *running = m_runningMacros.value(source, nullptr);
    if (running && running->playMode() == kMacroHeld) {
        m_runningMacros.remove(source);
        running->endPlay();
    }
}

void DDeviceKeyboardLink::sendKeyCombination(const char *value, int pressed)
{
    // "modifier bits,usage"; a missing part adds nothing.
    const QList<QByteArray> parts = QByteArray(value).split(',');
    const int modifiers = recordNumber(parts.value(0).constData());
    const int usage = recordNumber(parts.value(1).constData());
    for (int bit = 0; bit < 8; ++bit) {
        if (modifiers & (1 << bit))
            pressSixKey(224 + bit, pressed);
    }
    if (usage != 0)
        pressSixKey(usage, pressed);
}

void DDeviceKeyboardLink::sendMultimedia(int function, int pressed)
{
    const keyactions::MediaBit media = keyactions::mediaFunction(function);
    m_mediaSendBuf[media.byte] = pressed ? media.bit : 0;
    if (m_hidCmdSend)
        m_hidCmdSend->writeMultimedia(m_mediaSendBuf);
}

void DDeviceKeyboardLink::sendMouseFunction(int source, int function, int pressed)
{
    keyactions::MouseChange change = keyactions::mouseFunction(function);
    MouseHold hold;
    if (pressed && !change.sniper) {
        hold.buttons = change.buttons;
        hold.wheel = change.wheel;
    }
    setMouseHold(source, hold);
    sendMouseKey(m_mouseWheel);
}

void DDeviceKeyboardLink::pasteText(const char *value, int pressed)
{
    if (pressed)
        pcActions()->setClipboardText(QString::fromUtf8(value));
    pressSixKey(keyactions::kUsageLeftCtrl, pressed);
    pressSixKey(keyactions::kUsageV, pressed);
}

void DDeviceKeyboardLink::switchProfile(int profileIndex, int pressed)
{
    if (pressed)
        emit sigCustomEventChangProfile(profileIndex);
}

void DDeviceKeyboardLink::launchProgram(const char *value, int pressed)
{
    if (pressed && value[0] != '\0')
        pcActions()->launchProgram(QString::fromUtf8(value));
}

void DDeviceKeyboardLink::sendWindowsShortcut(int shortcut, int pressed)
{
    qCDebug(lcLinkReports)
        << "------------------------------------------ ***Start*** ------------------------------------------ flag:"
        << pressed;
    const keyactions::ShortcutKeys keys = keyactions::windowsShortcut(shortcut);
    if (keys.modifier == 0)
        return;
    if (shortcut == keyactions::kCloseWindowShortcut) {
        const bool ownWindow = pcActions()->isOwnWindowActive();
        qCDebug(lcLinkReports) << "---------------------------------- *** GetActiveWindow:" << ownWindow;
        // The program closes its own window itself rather than being sent Alt+F4.
        if (ownWindow && pressed) {
            pressSixKey(keys.modifier, 0);
            pressSixKey(keys.key, 0);
            emit sigCloseWindowForThis();
            return;
        }
    }
    pressSixKey(keys.modifier, pressed);
    pressSixKey(keys.key, pressed);
}

// ---- Macro output ----

void DDeviceKeyboardLink::onPlayMacroKeyDecSend(int sendType, int keyDec, int keyFlags)
{
    if (sendType == 0) {
        pressSixKey(keyDec, keyFlags);
        sendSixKey();
        return;
    }
    // Each macro sets and clears its own buttons, so a release without a press changes nothing.
    const QObject *thread = sender();
    unsigned char held = m_macroMouseButtons.value(thread, 0);
    const unsigned char bit = static_cast<unsigned char>(keyDec);
    if (keyFlags == 1)
        held |= bit;
    else
        held &= static_cast<unsigned char>(~bit);
    if (held)
        m_macroMouseButtons.insert(thread, held);
    else
        m_macroMouseButtons.remove(thread);
    updateMouseReport();
    sendMouseKey(0);
}

void DDeviceKeyboardLink::onClearnSixkeySendBuf()
{
    std::memset(m_sixKeyBuffer, 0, sizeof m_sixKeyBuffer);
    m_sixKeyCount = 2;
    sendSixKey();
}

void DDeviceKeyboardLink::onThreadFinished()
{
    QObject *thread = sender();
    onClearnSixkeySendBuf();
    if (m_macroMouseButtons.remove(thread) > 0) {
        updateMouseReport();
        sendMouseKey(0);
    }
    if (auto *finished = qobject_cast<playMacroThread *>(thread)) {
        for (auto it = m_runningMacros.begin(); it != m_runningMacros.end();) {
            if (it.value() == finished)
                it = m_runningMacros.erase(it);
            else
                ++it;
        }
        finished->deleteLater();
    }
}

// ---- The mouse ----

void DDeviceKeyboardLink::parseMouseButtons(const QByteArray &report)
{
    QByteArray answer = report;
    // The answer goes out under the interface's own report id, whatever byte 0 of a garbled report held.
    if (m_hidInterface)
        answer[0] = static_cast<char>(m_hidInterface->reportId());
    const unsigned char buttons = byteAt(report, kMouseButtonByte);
    const unsigned char wheel = byteAt(report, kMouseWheelByte);
    const unsigned char previous = m_lastKeyReport[0];

    if (buttons != 0) {
        if (buttons != previous) {
            for (int n = 0; n < kMouseButtonBits; ++n) {
                const int bit = 1 << n;
                if ((buttons & bit) && !(previous & bit)) {
                    qCDebug(lcLinkReports) << "-------- 1 Key Press:" << bit;
                    dispatchMouseButton(bit, 1);
                }
            }
            for (int n = 0; n < kMouseButtonBits; ++n) {
                const int bit = 1 << n;
                if (!(buttons & bit) && (previous & bit)) {
                    qCDebug(lcLinkReports) << "-------- 3 Key Release:" << bit;
                    dispatchMouseButton(bit, 0);
                }
            }
        }
        m_lastKeyReport[0] = buttons;
        qCDebug(lcLinkReports) << "------------------------- *** [MouseKey] m_temporaryNum:" << m_temporaryNum;
        answer[kMouseButtonByte] = static_cast<char>(buttons & ~m_temporaryNum);
        if (m_mouseOverride) {
            answer[kMouseButtonByte] = static_cast<char>(m_mouseButtons);
            answer[kMouseWheelByte] = static_cast<char>(m_mouseWheel);
        }
    } else if (wheel != 0) {
        if (wheel == 0x01)
            qCDebug(lcLinkReports) << "-------------- MouseKey_Scroll Up 0x01 ------------";
        else
            qCDebug(lcLinkReports) << "-------------- MouseKey_Scroll Down 0xff ------------";
    } else if (previous != 0) {
        qCDebug(lcLinkReports) << "-------- End Key release:" << previous << "  data[6]:" << buttons;
        for (int n = 0; n < kMouseButtonBits; ++n) {
            if (previous & (1 << n))
                dispatchMouseButton(1 << n, 0);
        }
        m_lastKeyReport[0] = 0;
    }
    if (m_hidInterface)
        m_hidInterface->writeCommand(reinterpret_cast<unsigned char *>(answer.data()), answer.size());
}

void DDeviceKeyboardLink::dispatchMouseButton(int buttonCode, int pressed)
{
    if (m_mouseLightDealMain) {
        if (m_mouseAroundLightType == 8)
            m_mouseLightDealMain->keyPressLight();
        if ((m_mouseAroundLightType == 7 || m_mouseScrollLightType == 3 || m_mouseLogoLightType == 3)
            && buttonCode == keyactions::kDpiButton && pressed)
            m_mouseLightDealMain->nextDpiColor();
    }

    const CustomKeyInfo info = readAssignment(buttonCode);
    const int operateType = recordNumber(info.operateType);
    const int source = kMouseButtonSource | buttonCode;
    const unsigned char bit = static_cast<unsigned char>(buttonCode);

    if (!pressed) {
        // A button is taken out of the mouse's report from its press to its release, and a
        // mouse function or macro play it holds ends with it, whatever the assignment is by then.
        m_temporaryNum &= static_cast<unsigned char>(~bit);
        if (operateType != MouseFunction && m_mouseHolds.contains(source))
            setMouseFunction(source, -1, 0);
        if (operateType != PlayMacro)
            endHeldMacro(source);
    }
    if (operateType == NoAssignment) {
        if (buttonCode == keyactions::kDpiButton && pressed) {
            qCDebug(lcLinkReports) << "----------------------- *** [DPI is pressed] *** -----------------------";
            emit sigMouseTriggeredDPIkey();
        }
        return;
    }
    if (pressed)
        m_temporaryNum |= bit;
    runAssignment(info, operateType, source, pressed, true);  // Disabled: only taken out of the mouse's report
}

void DDeviceKeyboardLink::runAssignment(const CustomKeyInfo &info, int operateType, int source, int pressed,
                                        bool fromMouseButton)
{
    bool keyReport = false;  // the action changed the key report
    switch (operateType) {
    case RemapKey:
        pressSixKey(recordNumber(info.Value), pressed);
        keyReport = true;
        break;
    case PlayMacro:
        startMacro(recordNumber(info.mode), recordNumber(info.repeatNum), recordNumber(info.Value), source, pressed);
        break;
    case KeyCombination:
        sendKeyCombination(info.Value, pressed);
        keyReport = true;
        break;
    case Multimedia:
        sendMultimedia(recordNumber(info.Value), pressed);
        break;
    case MouseFunction:
        if (fromMouseButton)
            setMouseFunction(source, recordNumber(info.Value), pressed);
        else
            sendMouseFunction(source, recordNumber(info.Value), pressed);
        break;
    case PasteText:
        pasteText(info.Value, pressed);
        keyReport = true;
        break;
    case SwitchProfile:
        switchProfile(recordNumber(info.Value), pressed);
        break;
    case LaunchProgram:
        launchProgram(info.Value, pressed);
        break;
    case SystemShortcut:
        sendWindowsShortcut(recordNumber(info.Value), pressed);
        keyReport = true;
        break;
    case Disabled:
    default:
        break;
    }
    // A keyboard's own report sends the key report when its keys are compared; a mouse button's
    // key actions send it at once.
    if (fromMouseButton && keyReport)
        sendSixKey();
}

void DDeviceKeyboardLink::setMouseFunction(int source, int function, int pressed)
{
    if (pressed)
        m_mouseOverride = true;
    const keyactions::MouseChange change = keyactions::mouseFunction(function);
    if (change.sniper) {
        emit sigMouseActivatesSniperKey(pressed != 0);
    } else {
        MouseHold hold;
        if (pressed) {
            hold.buttons = change.buttons;
            hold.wheel = change.wheel;
        }
        setMouseHold(source, hold);
    }
    if (!pressed && m_mouseButtons == 0 && m_mouseWheel == 0)
        m_mouseOverride = false;
}

void DDeviceKeyboardLink::setMouseHold(int source, const MouseHold &hold)
{
    if (hold.buttons == 0 && hold.wheel == 0)
        m_mouseHolds.remove(source);
    else
        m_mouseHolds.insert(source, hold);
    updateMouseReport();
}

void DDeviceKeyboardLink::updateMouseReport()
{
    unsigned char buttons = 0;
    int wheel = 0;
    for (const MouseHold &hold : qAsConst(m_mouseHolds)) {
        buttons |= hold.buttons;
        wheel += hold.wheel;
    }
    for (unsigned char held : qAsConst(m_macroMouseButtons))
        buttons |= held;
    m_mouseButtons = buttons;
    m_mouseWheel = static_cast<qint8>(std::clamp(wheel, -128, 127));
}

void DDeviceKeyboardLink::sendMouseKey(int wheel)
{
    const unsigned char mouse[2] = {m_mouseButtons, static_cast<unsigned char>(static_cast<qint8>(wheel))};
    if (m_hidCmdSend)
        m_hidCmdSend->writeMouseKey(mouse);
}
