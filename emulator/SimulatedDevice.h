// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One plugged-in simulated device: its interfaces and their hidapi paths, the reports the
// host wrote, its fault switches and its answers to the configuration commands. Not locked
// itself: the emulator's state calls it under its one lock.

#include "Emulator.h"
#include "ReportDescriptor.h"

#include <chrono>
#include <memory>
#include <QHash>
#include <QMap>
#include <QSet>
#include <QString>
#include <QVector>

struct hid_device_;

namespace emu {

// What a unit keeps across unplug and plug for its firmware: the flash its bootloader wrote,
// whether an update was cut off (the unit then starts in its bootloader) and the update switches.
struct FirmwareMemory {
    QByteArray flash;
    bool inBootloader = false;
    BootloaderFault fault = BootloaderFault::None;
    int faultPacket = 0;
    bool faultAlways = false;
    std::chrono::milliseconds delay{300};
    bool eraseSerial = false;
    // The keyboard's on-board memory: 0x18 reports by layer * 256 + packet, 0x19 reports by
    // macro number * 8 + part (numbers 0 to 9 only), each the last one written.
    QMap<int, QByteArray> onboardKeys;
    QMap<int, QByteArray> onboardMacros;

    // Whether the switch is set for this packet; a switch set once is used up.
    bool fires(BootloaderFault kind, int packet)
    {
        if (fault != kind || packet != faultPacket)
            return false;
        if (!faultAlways)
            fault = BootloaderFault::None;
        return true;
    }
    // The same for a switch that belongs to no packet.
    bool fires(BootloaderFault kind) { return fires(kind, faultPacket); }
};

class SimulatedDevice
{
public:
    // One entry of the enumeration: an interface, or one top-level collection of it.
    struct Endpoint {
        QString path;
        uint16_t usagePage = 0;
        uint16_t usage = 0;
        int interfaceIndex = 0;
    };
    struct Interface {
        InterfaceSpec spec;
        QString configurationPath;       // the endpoint that carries spec.reportId
        int hidrawNumber = -1;           // Linux-style paths only
        QVector<hid_device_ *> handles;  // open handles, each with its own input queue
    };
    struct Reply {
        QByteArray report;
        std::chrono::milliseconds delay{0};
    };
    struct FaultEntry {
        ReplyFault fault = ReplyFault::None;
        std::chrono::milliseconds lateBy{0};
    };

    static constexpr int reportSize = 64;
    static constexpr int handleQueueLimit = 64;

    // hidrawNumbers: one number per interface, used for Linux-style paths.
    SimulatedDevice(DeviceId id, const DeviceSpec &spec, int unit, std::shared_ptr<QByteArray> flash,
                    const QVector<int> &hidrawNumbers);

    // The kind's default interfaces for a path style.
    static QVector<InterfaceSpec> defaultInterfaces(Kind kind, PathStyle style);
    static bool linuxPaths(PathStyle style) { return style == PathStyle::Linux || style == PathStyle::LinuxCol06; }

    DeviceId id() const { return m_id; }
    const DeviceSpec &spec() const { return m_spec; }
    int unit() const { return m_unit; }
    QVector<Interface> &interfaces() { return m_interfaces; }
    const QVector<Interface> &interfaces() const { return m_interfaces; }
    const QVector<Endpoint> &endpoints() const { return m_endpoints; }
    int configurationIndex() const { return m_configurationIndex; }  // -1: none
    int interfaceIndexOf(int interfaceNumber) const;

    QByteArray storedSerial() const { return *m_flash; }
    void setStoredSerial(const QByteArray &serial) { *m_flash = serial; }

    // A report the device sends on its configuration interface: report id, command, byte 5
    // the payload length, payload from byte 6 (cut to 58 bytes).
    QByteArray frame(uint8_t command, const QByteArray &payload) const;

    // Takes one report written to the configuration interface (already padded to 64 bytes)
    // and returns the reports the device answers with, after the fault switches.
    QVector<Reply> respond(const QByteArray &report);

    // What the device does after answering a report: leave for its bootloader, be pulled out,
    // or (a bootloader) reset into the device it belongs to.
    enum class Transition { None, EnterBootloader, PulledOut, Reset };
    Transition takeTransition()
    {
        const Transition t = m_transition;
        m_transition = Transition::None;
        return t;
    }
    // The packet index of a bootloader data or end packet; -1 for anything else.
    static int packetIndex(const QByteArray &report);
    // The device the bootloader resets into: its owner, with the flashed version unless a
    // switch keeps the old one.
    DeviceSpec returningSpec() const;

    bool isAcknowledgement(uint8_t command) const;
    // A report written to the configuration interface, where byte 1 is a command.
    bool isConfigurationReport(const WrittenReport &report) const;

    // State, read and written by the emulator under its lock.
    bool removed = false;
    QVector<WrittenReport> log;
    int hostMode = -1;
    uint8_t handshakeByte6 = 0;
    int droppedInput = 0;
    int readCalls = 0;  // hid_read and hid_read_timeout calls on any handle of the device
    QSet<uint8_t> failingWrites;
    QHash<uint8_t, FaultEntry> replyFaults;
    QHash<uint8_t, QVector<QByteArray>> replyOverrides;
    int colonAnswers = 0;
    bool dropAcks = false;
    std::chrono::milliseconds ackDelay{0};
    std::chrono::microseconds writeLatency{0};
    std::chrono::steady_clock::time_point busyUntil{};
    std::shared_ptr<FirmwareMemory> firmware;  // the unit's (a bootloader: its owner's)

private:
    QVector<QByteArray> normalAnswers(const QByteArray &report);
    QByteArray lightListPayload(const QVector<const DeviceSpec::LightList *> &lists) const;
    void buildPaths(const QVector<int> &hidrawNumbers);
    QVector<QByteArray> bootloaderAnswers(const QByteArray &report);
    QByteArray packetStatus(uint8_t status) const;
    bool flashNamesOwner() const;

    DeviceId m_id;
    DeviceSpec m_spec;
    int m_unit;
    std::shared_ptr<QByteArray> m_flash;
    QVector<Interface> m_interfaces;
    QVector<Endpoint> m_endpoints;
    int m_configurationIndex = -1;
    Transition m_transition = Transition::None;
    // The bootloader's session: the next packet it takes, whether packet 0 erased the flash.
    int m_nextPacket = 0;
    bool m_erased = false;
};

}  // namespace emu
