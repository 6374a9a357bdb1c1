// SPDX-License-Identifier: GPL-3.0-or-later
#include "Emulator.h"

#include "DeviceModels.h"
#include "EmulatorState.h"

#include <QCryptographicHash>

namespace emu {

namespace {

EmulatorState &state()
{
    return EmulatorState::instance();
}

QString productName(const QString &model)
{
    const models::DeviceModel *entry = models::findDeviceModel(model);
    return entry ? QString::fromLatin1(entry->productName) : QString();
}

// Simulated devices carry the first supported ids of their kind.
models::UsbId firstSupportedId(models::DeviceKind kind)
{
    for (const models::SupportedId &entry : models::supportedIds()) {
        if (entry.kind == kind)
            return entry.id;
    }
    return {};
}

// A factory serial: 32 lower-case hex digits, fixed per model.
QByteArray factorySerial(const QString &model)
{
    return QCryptographicHash::hash(model.toUtf8(), QCryptographicHash::Md5).toHex();
}

DeviceSpec::LightList lightList(std::initializer_list<uint8_t> effects, uint8_t speedMax, uint8_t brightnessMax)
{
    DeviceSpec::LightList l;
    l.effects = QVector<uint8_t>(effects);
    l.speedMax = speedMax;
    l.brightnessMax = brightnessMax;
    return l;
}

QVector<WrittenReport> filtered(DeviceId id, const std::function<bool(uint8_t)> &keep)
{
    return state().withDevice(id, QVector<WrittenReport>(), [&](SimulatedDevice &d) {
        QVector<WrittenReport> out;
        for (const WrittenReport &w : d.log) {
            if (d.isConfigurationReport(w) && keep(uint8_t(w.data[1])))
                out.append(w);
        }
        return out;
    });
}

// Sends a configuration-frame report from the device's configuration interface.
void injectFrame(DeviceId id, uint8_t command, const QByteArray &payload)
{
    int index = -1;
    const QByteArray report = state().withDevice(id, QByteArray(), [&](SimulatedDevice &d) {
        index = d.configurationIndex();
        return d.frame(command, payload);
    });
    if (index >= 0)
        state().inject(id, index, report);
}

}  // namespace

DeviceSpec keyboardSpec(const QString &model, PathStyle style)
{
    DeviceSpec s;
    s.kind = Kind::Keyboard;
    const models::UsbId id = firstSupportedId(models::DeviceKind::Keyboard);
    s.vendorId = id.vendorId;
    s.productId = id.productId;
    const QString name = productName(model);
    if (!name.isEmpty())
        s.product = name;
    s.pathStyle = style;
    s.infoText = QStringLiteral("NUC121,01,KB,ZK,%1,V1.02").arg(model);
    s.serial = factorySerial(model);
    s.keyLights = lightList({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 14, 15, 16}, 4, 4);
    s.keyCount = models::keyCount(model);
    if (models::hasSideLights(model))
        s.sideLights = lightList({0, 1, 2, 3, 4}, 4, 4);
    else
        s.sideLights = lightList({}, 0, 0);
    s.interfaces = SimulatedDevice::defaultInterfaces(s.kind, style);
    return s;
}

DeviceSpec mouseSpec(const QString &model, PathStyle style)
{
    DeviceSpec s;
    s.kind = Kind::Mouse;
    const models::UsbId id = firstSupportedId(models::DeviceKind::Mouse);
    s.vendorId = id.vendorId;
    s.productId = id.productId;
    s.keyCount = 0;
    const QString name = productName(model);
    s.product = name.isEmpty() ? QStringLiteral("ZELKA Gaming Mouse") : name;
    s.pathStyle = style;
    s.infoText = QStringLiteral("SN,01,MS,ZK,%1,V1.05").arg(model);
    s.serial = factorySerial(model);
    s.aroundLights = lightList({0, 1, 2, 3, 4, 5, 6, 7, 8}, 4, 4);
    s.scrollLights = lightList({0, 1, 2, 3}, 4, 4);
    s.logoLights = lightList({0, 1, 2, 3}, 4, 4);
    s.interfaces = SimulatedDevice::defaultInterfaces(s.kind, style);
    return s;
}

DeviceSpec bootloaderSpec(uint16_t vendorId, uint16_t productId)
{
    DeviceSpec s;
    s.kind = Kind::Bootloader;
    s.vendorId = vendorId;
    s.productId = productId;
    s.product = QStringLiteral("ZELKA Bootloader");
    s.infoText.clear();
    s.interfaces = SimulatedDevice::defaultInterfaces(s.kind, s.pathStyle);
    return s;
}

DeviceSpec bootloaderSpecFor(const DeviceSpec &owner)
{
    // The model table's first bootloader of the device's vendor: 0416:3F00 for the keyboards,
    // 0C45:6565 for the mouse.
    models::UsbId ids = models::bootloaderIds()[0].id;
    for (const models::BootloaderId &entry : models::bootloaderIds()) {
        if (entry.id.vendorId == owner.vendorId) {
            ids = entry.id;
            break;
        }
    }
    DeviceSpec s = bootloaderSpec(ids.vendorId, ids.productId);
    s.pathStyle = owner.pathStyle == PathStyle::WindowsMi02 || owner.pathStyle == PathStyle::WindowsCol06
                      ? PathStyle::WindowsMi02
                      : PathStyle::Linux;
    s.owner = std::make_shared<const DeviceSpec>(owner);
    return s;
}

// --- plugging -------------------------------------------------------------

DeviceId plug(const DeviceSpec &spec)
{
    return state().plug(spec);
}
void unplug(DeviceId id)
{
    state().unplug(id);
}
void unplugAll()
{
    state().unplugAll();
}
void reset()
{
    state().reset();
}
QVector<DeviceId> devices()
{
    return state().pluggedDevices();
}

QString path(DeviceId id, int interfaceNumber)
{
    return state().withDevice(id, QString(), [&](SimulatedDevice &d) {
        const int index = d.interfaceIndexOf(interfaceNumber);
        for (const SimulatedDevice::Endpoint &e : d.endpoints()) {
            if (e.interfaceIndex == index)
                return e.path;
        }
        return QString();
    });
}

QString configurationPath(DeviceId id)
{
    return state().withDevice(id, QString(), [](SimulatedDevice &d) {
        const int index = d.configurationIndex();
        return index >= 0 ? d.interfaces()[index].configurationPath : QString();
    });
}

QByteArray reportDescriptorForPath(const QString &path)
{
    return state().descriptorForPath(path);
}

DeviceSpec spec(DeviceId id)
{
    return state().withDevice(id, DeviceSpec(), [](SimulatedDevice &d) { return d.spec(); });
}

QByteArray storedSerial(DeviceId id)
{
    return state().withDevice(id, QByteArray(), [](SimulatedDevice &d) { return d.storedSerial(); });
}

void setStoredSerial(DeviceId id, const QByteArray &serial)
{
    state().withDevice(id, [&](SimulatedDevice &d) { d.setStoredSerial(serial); });
}

// --- input -----------------------------------------------------------------

void injectKeys(DeviceId id, uint8_t modifiers, const QVector<uint8_t> &usages)
{
    QByteArray payload(8, '\0');
    payload[0] = char(modifiers);
    if (usages.size() > 6) {
        for (int i = 0; i < 6; ++i)
            payload[2 + i] = char(0x01);  // ErrorRollOver: too many keys at once
    } else {
        for (int i = 0; i < usages.size(); ++i)
            payload[2 + i] = char(usages[i]);
    }
    injectFrame(id, 0x04, payload);
}

void injectFullKeys(DeviceId id, const QByteArray &payload)
{
    injectFrame(id, 0x05, payload);
}
void injectMedia(DeviceId id, const QByteArray &payload)
{
    injectFrame(id, 0x06, payload);
}

void injectMouse(DeviceId id, uint8_t buttons, int8_t wheel)
{
    QByteArray payload(6, '\0');
    payload[0] = char(buttons);
    payload[5] = char(wheel);
    injectFrame(id, 0x40, payload);
}

void injectRaw(DeviceId id, const QByteArray &report, int interfaceNumber)
{
    const int index = state().withDevice(id, -1, [&](SimulatedDevice &d) {
        return interfaceNumber < 0 ? d.configurationIndex() : d.interfaceIndexOf(interfaceNumber);
    });
    if (index >= 0 && !report.isEmpty())
        state().inject(id, index, report);
}

// --- what the program wrote ------------------------------------------------

QVector<WrittenReport> written(DeviceId id)
{
    return state().withDevice(id, QVector<WrittenReport>(), [](SimulatedDevice &d) { return d.log; });
}

QVector<WrittenReport> writtenCommand(DeviceId id, uint8_t command)
{
    return filtered(id, [command](uint8_t c) { return c == command; });
}

QVector<WrittenReport> computerVisible(DeviceId id)
{
    return filtered(id, [](uint8_t c) { return c == 0x04 || c == 0x05 || c == 0x06 || c == 0x13 || c == 0x40; });
}

void clearWritten(DeviceId id)
{
    state().withDevice(id, [](SimulatedDevice &d) { d.log.clear(); });
}

bool waitForCommand(DeviceId id, uint8_t command, std::chrono::milliseconds timeout, int count)
{
    return state().waitForCommand(id, command, timeout, count);
}

int hostMode(DeviceId id)
{
    return state().withDevice(id, -1, [](SimulatedDevice &d) { return d.hostMode; });
}

void setHandshakeByte6(DeviceId id, uint8_t value)
{
    state().withDevice(id, [&](SimulatedDevice &d) { d.handshakeByte6 = value; });
}

int openHandleCount(DeviceId id)
{
    return state().withDevice(id, 0, [](SimulatedDevice &d) {
        int n = 0;
        for (const SimulatedDevice::Interface &itf : d.interfaces())
            n += itf.handles.size();
        return n;
    });
}

int droppedInputReports(DeviceId id)
{
    return state().withDevice(id, 0, [](SimulatedDevice &d) { return d.droppedInput; });
}

int readCallCount(DeviceId id)
{
    return state().withDevice(id, 0, [](SimulatedDevice &d) { return d.readCalls; });
}

bool hidapiInitialised()
{
    return state().initialised();
}

// --- faults ----------------------------------------------------------------

void failInit(bool on)
{
    state().setFailInit(on);
}
void failNextOpens(int count)
{
    state().setFailNextOpens(count);
}
void failAllOpens(bool on)
{
    state().setFailAllOpens(on);
}

void failWritesOfCommand(DeviceId id, uint8_t command, bool on)
{
    state().withDevice(id, [&](SimulatedDevice &d) {
        if (on)
            d.failingWrites.insert(command);
        else
            d.failingWrites.remove(command);
    });
}

void setWriteLatency(DeviceId id, std::chrono::microseconds perReport)
{
    state().withDevice(id, [&](SimulatedDevice &d) { d.writeLatency = perReport; });
}

void setReplyFault(DeviceId id, uint8_t command, ReplyFault fault, std::chrono::milliseconds lateBy)
{
    state().withDevice(id, [&](SimulatedDevice &d) {
        if (fault == ReplyFault::None)
            d.replyFaults.remove(command);
        else
            d.replyFaults.insert(command, {fault, lateBy});
    });
}

void setInfoColonAnswers(DeviceId id, int count)
{
    state().withDevice(id, [&](SimulatedDevice &d) { d.colonAnswers = count; });
}

void setReplyOverride(DeviceId id, uint8_t command, const QVector<QByteArray> &reports)
{
    state().withDevice(id, [&](SimulatedDevice &d) { d.replyOverrides.insert(command, reports); });
}

void clearReplyOverride(DeviceId id, uint8_t command)
{
    state().withDevice(id, [&](SimulatedDevice &d) { d.replyOverrides.remove(command); });
}

void dropAcknowledgements(DeviceId id, bool on)
{
    state().withDevice(id, [&](SimulatedDevice &d) { d.dropAcks = on; });
}

void delayAcknowledgements(DeviceId id, std::chrono::milliseconds by)
{
    state().withDevice(id, [&](SimulatedDevice &d) { d.ackDelay = by; });
}

// --- firmware update ---------------------------------------------------------

void setBootloaderFault(DeviceId id, BootloaderFault fault, int packet, bool always)
{
    state().withDevice(id, [&](SimulatedDevice &d) {
        d.firmware->fault = fault;
        d.firmware->faultPacket = packet;
        d.firmware->faultAlways = always;
    });
}

void setBootloaderDelay(DeviceId id, std::chrono::milliseconds delay)
{
    state().withDevice(id, [&](SimulatedDevice &d) { d.firmware->delay = delay; });
}

void setUpdateErasesSerial(DeviceId id, bool on)
{
    state().withDevice(id, [&](SimulatedDevice &d) { d.firmware->eraseSerial = on; });
}

QByteArray onboardKeyReport(DeviceId id, int layer, int packet)
{
    return state().withDevice(id, QByteArray(), [&](SimulatedDevice &d) {
        return d.firmware ? d.firmware->onboardKeys.value(layer * 256 + packet) : QByteArray();
    });
}

QByteArray onboardMacroReport(DeviceId id, int number, int part)
{
    return state().withDevice(id, QByteArray(), [&](SimulatedDevice &d) {
        return d.firmware ? d.firmware->onboardMacros.value(number * 8 + part) : QByteArray();
    });
}

void clearOnboardMemory(DeviceId id)
{
    state().withDevice(id, [](SimulatedDevice &d) {
        if (d.firmware) {
            d.firmware->onboardKeys.clear();
            d.firmware->onboardMacros.clear();
        }
    });
}

QByteArray firmwareFlash(DeviceId id)
{
    return state().withDevice(id, QByteArray(), [](SimulatedDevice &d) { return d.firmware->flash; });
}

int addHotplugListener(HotplugListener listener)
{
    return state().addListener(std::move(listener));
}
void removeHotplugListener(int token)
{
    state().removeListener(token);
}

}  // namespace emu
