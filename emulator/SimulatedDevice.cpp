// SPDX-License-Identifier: GPL-3.0-or-later
#include "SimulatedDevice.h"

#include "FirmwareImageLayout.h"

#include <QLoggingCategory>
#include <QStringList>

#include <algorithm>

namespace {
Q_LOGGING_CATEGORY(lcEmulatorDevice, "zelka.emulator")
}  // namespace

namespace emu {

namespace {

// Commands of the configuration protocol that the emulator knows by name.
constexpr uint8_t cmdHandshake = 0x01;
constexpr uint8_t cmdSideLightList = 0x02;
constexpr uint8_t cmdKeyLightList = 0x0A;
constexpr uint8_t cmdEnterBootloader = 0x0B;
constexpr uint8_t cmdFirmwareData = 0x0C;
constexpr uint8_t cmdInformation = 0x0D;
constexpr uint8_t cmdReadSerial = 0x15;
constexpr uint8_t cmdWriteSerial = 0x16;
constexpr uint8_t cmdKeyPacketAck = 0x18;
constexpr uint8_t cmdMacroPacketAck = 0x19;
constexpr uint8_t cmdMouseLightLists = 0x43;
constexpr uint8_t cmdMouseKeyAck = 0x47;

constexpr int payloadOffset = 6;
constexpr int maxPayload = SimulatedDevice::reportSize - payloadOffset;  // 58
constexpr int serialLength = 32;
constexpr uint8_t listEndMark = 0xA5;
constexpr int packetPayload = 48;
constexpr int endPacket = 0xFFFF;

FirmwareImageLayout ownerLayout(const DeviceSpec &owner)
{
    return FirmwareImageLayout::forChipFamily(owner.infoText.section(QLatin1Char(','), 0, 0));
}

// The zero-terminated text of a fixed-width field of the flash.
QString flashText(const QByteArray &flash, int offset, int width)
{
    if (offset < 0 || offset + width > flash.size())
        return QString();
    const QByteArray bytes = flash.mid(offset, width);
    const int zero = bytes.indexOf('\0');
    return QString::fromLatin1(zero < 0 ? bytes : bytes.left(zero));
}

InterfaceSpec makeInterface(int number, uint16_t page, uint16_t usage, int reportId, bool configuration,
                            const QByteArray &descriptor)
{
    InterfaceSpec s;
    s.interfaceNumber = number;
    s.usagePage = page;
    s.usage = usage;
    s.reportId = reportId;
    s.configuration = configuration;
    s.reportDescriptor = descriptor;
    return s;
}

// A stable pseudo-random instance number for Windows-style paths.
uint32_t instanceHash(const DeviceSpec &spec, int unit, int interfaceNumber)
{
    uint32_t h = 2166136261u;
    for (uint32_t v : {uint32_t(spec.vendorId), uint32_t(spec.productId), uint32_t(unit), uint32_t(interfaceNumber)}) {
        for (int k = 0; k < 4; ++k) {
            h ^= (v >> (8 * k)) & 0xFF;
            h *= 16777619u;
        }
    }
    return h;
}

}  // namespace

SimulatedDevice::SimulatedDevice(DeviceId id, const DeviceSpec &spec, int unit, std::shared_ptr<QByteArray> flash,
                                 const QVector<int> &hidrawNumbers)
    : m_id(id)
    , m_spec(spec)
    , m_unit(unit)
    , m_flash(std::move(flash))
{
    m_spec.unit = unit;
    if (m_spec.interfaces.isEmpty())
        m_spec.interfaces = defaultInterfaces(m_spec.kind, m_spec.pathStyle);
    for (const InterfaceSpec &s : m_spec.interfaces) {
        Interface itf;
        itf.spec = s;
        m_interfaces.append(itf);
    }
    for (int i = 0; i < m_interfaces.size(); ++i) {
        if (m_interfaces[i].spec.configuration) {
            m_configurationIndex = i;
            break;
        }
    }
    buildPaths(hidrawNumbers);
}

QVector<InterfaceSpec> SimulatedDevice::defaultInterfaces(Kind kind, PathStyle style)
{
    const bool multi = style == PathStyle::WindowsCol06 || style == PathStyle::LinuxCol06;
    QVector<InterfaceSpec> out;
    switch (kind) {
    case Kind::Keyboard:
        out.append(makeInterface(0, 0x01, 0x06, 0, false, ReportDescriptor::bootKeyboard()));
        break;
    case Kind::Mouse:
        out.append(makeInterface(0, 0x01, 0x02, 0, false, ReportDescriptor::bootMouse()));
        break;
    case Kind::Bootloader:
        out.append(makeInterface(0, 0xFF00, 0x01, 1, true, ReportDescriptor::configuration(1)));
        return out;
    }
    if (multi) {
        out.append(makeInterface(1, 0x01, 0x06, 6, true, ReportDescriptor::multiCollection(6)));
    } else {
        out.append(makeInterface(1, 0x0C, 0x01, 2, false, ReportDescriptor::media()));
        out.append(makeInterface(2, 0xFF00, 0x01, 1, true, ReportDescriptor::configuration(1)));
    }
    return out;
}

void SimulatedDevice::buildPaths(const QVector<int> &hidrawNumbers)
{
    const bool linux = linuxPaths(m_spec.pathStyle);
    const bool composite = m_interfaces.size() > 1;
    for (int i = 0; i < m_interfaces.size(); ++i) {
        Interface &itf = m_interfaces[i];
        QVector<ReportDescriptor::Collection> collections =
            ReportDescriptor::topLevelCollections(itf.spec.reportDescriptor);
        if (collections.isEmpty()) {
            ReportDescriptor::Collection c;
            c.usagePage = itf.spec.usagePage;
            c.usage = itf.spec.usage;
            c.reportIds.append(itf.spec.reportId);
            collections.append(c);
        }
        int configurationCollection = 0;
        for (int c = 0; c < collections.size(); ++c) {
            if (collections[c].reportIds.contains(itf.spec.reportId)) {
                configurationCollection = c;
                break;
            }
        }
        itf.hidrawNumber = i < hidrawNumbers.size() ? hidrawNumbers[i] : -1;
        for (int c = 0; c < collections.size(); ++c) {
            QString path;
            if (linux) {
                path = QStringLiteral("/dev/hidraw%1").arg(itf.hidrawNumber);
            } else {
                QString name = QStringLiteral("vid_%1&pid_%2")
                                   .arg(m_spec.vendorId, 4, 16, QLatin1Char('0'))
                                   .arg(m_spec.productId, 4, 16, QLatin1Char('0'));
                if (composite)
                    name += QStringLiteral("&mi_%1").arg(itf.spec.interfaceNumber, 2, 10, QLatin1Char('0'));
                if (collections.size() > 1)
                    name += QStringLiteral("&col%1").arg(c + 1, 2, 10, QLatin1Char('0'));
                path = QStringLiteral("\\\\?\\hid#%1#7&%2&0&%3#{4d1e55b2-f16f-11cf-88cb-001111000030}")
                           .arg(name)
                           .arg(instanceHash(m_spec, m_unit, itf.spec.interfaceNumber), 8, 16, QLatin1Char('0'))
                           .arg(c, 4, 10, QLatin1Char('0'));
            }
            Endpoint e;
            e.path = path;
            e.usagePage = collections[c].usagePage;
            e.usage = collections[c].usage;
            e.interfaceIndex = i;
            m_endpoints.append(e);
            if (c == configurationCollection)
                itf.configurationPath = path;
        }
    }
}

int SimulatedDevice::interfaceIndexOf(int interfaceNumber) const
{
    for (int i = 0; i < m_interfaces.size(); ++i) {
        if (m_interfaces[i].spec.interfaceNumber == interfaceNumber)
            return i;
    }
    return -1;
}

QByteArray SimulatedDevice::frame(uint8_t command, const QByteArray &payload) const
{
    QByteArray r(reportSize, '\0');
    const int reportId = m_configurationIndex >= 0 ? m_interfaces[m_configurationIndex].spec.reportId : 1;
    r[0] = char(reportId);
    r[1] = char(command);
    const int n = std::min(int(payload.size()), maxPayload);
    r[5] = char(n);
    for (int i = 0; i < n; ++i)
        r[payloadOffset + i] = payload[i];
    return r;
}

bool SimulatedDevice::isAcknowledgement(uint8_t command) const
{
    switch (m_spec.kind) {
    case Kind::Keyboard:
        return command == cmdKeyPacketAck || command == cmdMacroPacketAck;
    case Kind::Mouse:
        return command == cmdMouseKeyAck;
    case Kind::Bootloader:
        return false;
    }
    return false;
}

bool SimulatedDevice::isConfigurationReport(const WrittenReport &report) const
{
    return m_configurationIndex >= 0 && report.data.size() > 1
           && report.interfaceNumber == m_interfaces[m_configurationIndex].spec.interfaceNumber;
}

QByteArray SimulatedDevice::lightListPayload(const QVector<const DeviceSpec::LightList *> &lists) const
{
    QByteArray payload;
    for (const DeviceSpec::LightList *list : lists) {
        for (uint8_t effect : list->effects)
            payload.append(char(effect));
        payload.append(char(listEndMark));
        payload.append(char(list->speedMax));
        payload.append(char(list->brightnessMax));
    }
    return payload;
}

QVector<QByteArray> SimulatedDevice::normalAnswers(const QByteArray &report)
{
    const uint8_t command = uint8_t(report[1]);
    if (m_spec.kind == Kind::Bootloader)
        return bootloaderAnswers(report);
    if (command == cmdEnterBootloader) {
        m_transition = Transition::EnterBootloader;
        return {};
    }

    switch (command) {
    case cmdInformation: {
        if (colonAnswers != 0) {
            if (colonAnswers > 0)
                --colonAnswers;
            return {frame(cmdInformation, m_spec.buildText.toLatin1())};  // a stale build report
        }
        return {frame(cmdInformation, m_spec.infoText.toLatin1()), frame(cmdInformation, m_spec.buildText.toLatin1())};
    }
    case cmdReadSerial: {
        QByteArray payload = m_flash->left(serialLength);
        payload.append(QByteArray(serialLength - payload.size(), '\0'));
        return {frame(cmdReadSerial, payload)};
    }
    case cmdWriteSerial: {
        QByteArray serial = report.mid(payloadOffset, serialLength);
        const int zero = serial.indexOf('\0');
        if (zero >= 0)
            serial.truncate(zero);
        *m_flash = serial;
        return {report};
    }
    case cmdHandshake: {
        hostMode = uint8_t(report[6]);
        QByteArray answer = frame(cmdHandshake, QByteArray(1, char(handshakeByte6)));
        return {answer};
    }
    default:
        break;
    }

    if (m_spec.kind == Kind::Keyboard) {
        if (command == cmdKeyLightList)
            return {frame(cmdKeyLightList, lightListPayload({&m_spec.keyLights}))};
        if (command == cmdSideLightList)
            return {frame(cmdSideLightList, lightListPayload({&m_spec.sideLights}))};
    } else if (m_spec.kind == Kind::Mouse) {
        if (command == cmdMouseLightLists)
            return {frame(cmdMouseLightLists,
                          lightListPayload({&m_spec.aroundLights, &m_spec.scrollLights, &m_spec.logoLights}))};
    }
    if (m_spec.kind == Kind::Keyboard && firmware) {
        if (command == cmdKeyPacketAck) {
            firmware->onboardKeys.insert(uint8_t(report[2]) * 256 + uint8_t(report[4]), report);
        } else if (command == cmdMacroPacketAck) {
            const int number = uint8_t(report[2]);
            if (number > 9)
                qCWarning(lcEmulatorDevice)
                    << "emulator: on-board macro" << number << "is beyond the ten slots; not stored";
            else
                firmware->onboardMacros.insert(number * 8 + uint8_t(report[4]), report);
        }
    }
    if (isAcknowledgement(command))
        return {report};
    return {};  // recorded only
}

int SimulatedDevice::packetIndex(const QByteArray &report)
{
    if (report.size() < 5 || uint8_t(report[1]) != cmdFirmwareData)
        return -1;
    return uint8_t(report[3]) * 256 + uint8_t(report[4]);
}

QByteArray SimulatedDevice::packetStatus(uint8_t status) const
{
    QByteArray r(reportSize, '\0');
    r[0] = char(m_interfaces.isEmpty() ? 1 : m_interfaces[0].spec.reportId);
    r[1] = char(cmdFirmwareData);
    r[2] = char(status);
    return r;
}

bool SimulatedDevice::flashNamesOwner() const
{
    const FirmwareImageLayout layout = ownerLayout(*m_spec.owner);
    const QStringList flashed =
        flashText(firmware->flash, layout.versionOffset, FirmwareImageLayout::versionLength).split(QLatin1Char(','));
    const QStringList own = m_spec.owner->infoText.split(QLatin1Char(','));
    for (int i = 0; i < 5; ++i) {
        if (QString::compare(flashed.value(i), own.value(i), Qt::CaseInsensitive) != 0)
            return false;
    }
    return true;
}

QVector<QByteArray> SimulatedDevice::bootloaderAnswers(const QByteArray &report)
{
    if (!m_spec.owner || !firmware)
        return {};  // a bare bootloader only records
    const int index = packetIndex(report);
    if (index < 0)
        return {};
    FirmwareMemory &memory = *firmware;
    if (memory.fires(BootloaderFault::UnplugAt, index)) {
        m_transition = Transition::PulledOut;
        return {};
    }
    const FirmwareImageLayout layout = ownerLayout(*m_spec.owner);
    const int imageLength = layout.imageLength;
    const int packetCount = (imageLength + packetPayload - 1) / packetPayload;

    if (index == endPacket) {
        const bool verified = !memory.fires(BootloaderFault::VerifyFails) && layout.isValid() && m_erased
                              && m_nextPacket == packetCount && flashNamesOwner();
        if (verified) {
            memory.inBootloader = false;
            m_transition = Transition::Reset;
        }
        return {};  // the end packet is not answered
    }
    if (memory.fires(BootloaderFault::NoReplyAt, index))
        return {};
    if (memory.fires(BootloaderFault::RefuseAt, index))
        return {packetStatus(1)};
    if (memory.fires(BootloaderFault::FlashFaultAt, index))
        return {packetStatus(2)};
    if (!layout.isValid())
        return {packetStatus(1)};

    if (index == 0) {
        memory.flash = QByteArray(imageLength, char(0xFF));
        memory.inBootloader = true;  // the old firmware is gone
        m_erased = true;
        m_nextPacket = 0;
    }
    if (!m_erased || index != m_nextPacket || index >= packetCount)
        return {packetStatus(1)};
    const int payload = std::min(packetPayload, imageLength - index * packetPayload);
    if (report[2] != 0 || uint8_t(report[5]) != payload + 2)
        return {packetStatus(1)};
    for (int i = 0; i < payload; ++i)
        memory.flash[index * packetPayload + i] = char(~uint8_t(report[payloadOffset + i]));
    ++m_nextPacket;
    return {packetStatus(0)};
}

DeviceSpec SimulatedDevice::returningSpec() const
{
    DeviceSpec s = *m_spec.owner;
    s.owner.reset();
    if (!firmware->fires(BootloaderFault::OldVersion)) {
        const FirmwareImageLayout layout = ownerLayout(s);
        s.infoText = flashText(firmware->flash, layout.versionOffset, FirmwareImageLayout::versionLength);
        s.buildText = flashText(firmware->flash, layout.dateOffset, FirmwareImageLayout::dateLength) + QLatin1Char(',')
                      + flashText(firmware->flash, layout.timeOffset, FirmwareImageLayout::timeLength);
    }
    return s;
}

QVector<SimulatedDevice::Reply> SimulatedDevice::respond(const QByteArray &report)
{
    const uint8_t command = uint8_t(report[1]);
    // The device acts on the command (stores a serial, notes the mode) even when an
    // override or a fault changes what it answers.
    QVector<QByteArray> answers = normalAnswers(report);
    auto override = replyOverrides.constFind(command);
    if (override != replyOverrides.constEnd())
        answers = override.value();

    std::chrono::milliseconds delay{0};
    if (isAcknowledgement(command)) {
        if (dropAcks)
            answers.clear();
        delay = ackDelay;
    }
    const FaultEntry fault = replyFaults.value(command);
    switch (fault.fault) {
    case ReplyFault::None:
        break;
    case ReplyFault::NoReply:
        answers.clear();
        break;
    case ReplyFault::Late:
        delay += fault.lateBy;
        break;
    case ReplyFault::WrongCommand:
        for (QByteArray &a : answers) {
            if (a.size() > 1)
                a[1] = char(wrongReplyCommand);
        }
        break;
    }
    QVector<Reply> out;
    for (const QByteArray &a : answers)
        out.append({a, delay});
    return out;
}

}  // namespace emu
