// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Control side of the device emulator. The emulator defines the hidapi C functions
// (hid_init, hid_enumerate, hid_open_path, hid_read, hid_write, ...) so the program's
// hid layer talks to simulated devices; tests, benchmarks and the demo drive those
// devices through this API. Every function is thread-safe.

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <QByteArray>
#include <QString>
#include <QVector>

namespace emu {

using DeviceId = int;  // handle of a plugged-in simulated device; <= 0 means none

enum class Kind { Keyboard, Mouse, Bootloader };
// How interfaces are laid out and named. Linux: hidraw paths ("/dev/hidrawN", numbers reused
// like the kernel does), configuration reports on interface 2 with report id 1.
// WindowsMi02: the same interfaces under Windows-style paths carrying "mi_00".."mi_02".
// WindowsCol06: configuration reports with report id 6 in the sixth top-level collection of a
// multi-collection interface 1, whose collections have their own paths ("...&mi_01&col06#...").
// LinuxCol06: that multi-collection layout under hidraw paths (one path per interface; hidapi
// then lists the interface once per top-level collection, all with the same path).
enum class PathStyle { Linux, WindowsMi02, WindowsCol06, LinuxCol06 };

// One HID interface of a simulated device.
struct InterfaceSpec {
    int interfaceNumber = 0;
    uint16_t usagePage = 0;
    uint16_t usage = 0;
    bool configuration = false;   // carries the configuration reports
    int reportId = 1;             // report id of the configuration reports (1, or 6 on a col06 interface)
    QByteArray reportDescriptor;  // what sysfs would give for this interface
};

struct DeviceSpec {
    Kind kind = Kind::Keyboard;
    uint16_t vendorId = 0x0416;
    uint16_t productId = 0xB23C;
    QString manufacturer = QStringLiteral("ZELKA");
    QString product = QStringLiteral("ZELKA Gaming Keyboard");
    PathStyle pathStyle = PathStyle::Linux;
    // Information text answered to 0x0D: "chip,chipNum,kind,maker,<model>,<version>"
    QString infoText;
    QString buildText = QStringLiteral("Mar 14 2024,10:22:33");  // "Mmm dd yyyy,hh:mm:ss"
    QByteArray serial;  // 32 characters as the device stores them; empty = no serial yet
    // Lighting-mode lists: effect ids, then speed and brightness maxima.
    struct LightList {
        QVector<uint8_t> effects;
        uint8_t speedMax = 4;
        uint8_t brightnessMax = 4;
    };
    int keyCount = 87;                                 // keys of the keyboard's model; 0 for the mouse
    LightList keyLights, sideLights;                   // keyboard: answered to 0x0A and 0x02
    LightList aroundLights, scrollLights, logoLights;  // mouse: answered to 0x43, back to back
    QVector<InterfaceSpec> interfaces;                 // empty: the kind's default set of interfaces for pathStyle
    // Which physical unit this is. Units with the same vendor and product id keep their own
    // flash memory (the serial written with 0x16) across unplug and plug. -1: the lowest unit
    // number that no plugged device with these ids uses.
    int unit = -1;
    // A bootloader: the device it belongs to (its ids and unit resolved), which it becomes again
    // after an update. Empty for a bare bootloader, which records what is written and answers nothing.
    std::shared_ptr<const DeviceSpec> owner;
};

// Ready-made devices: a keyboard or the mouse with default interfaces, info text and lists.
DeviceSpec keyboardSpec(const QString &model = QStringLiteral("ZK87A"), PathStyle style = PathStyle::Linux);
DeviceSpec mouseSpec(const QString &model = QStringLiteral("ZM1"), PathStyle style = PathStyle::Linux);
// A bare bootloader: one vendor interface; it records what is written and answers nothing.
DeviceSpec bootloaderSpec(uint16_t vendorId = 0x0416, uint16_t productId = 0x3F00);
// The bootloader a keyboard or mouse starts on 0x0B: the model list's bootloader ids for its
// kind, knowing the device (and unit) it belongs to.
DeviceSpec bootloaderSpecFor(const DeviceSpec &owner);

// One report the program wrote to a device.
struct WrittenReport {
    QByteArray data;  // as written, report id in byte 0
    int interfaceNumber = 0;
    std::chrono::steady_clock::time_point when;
};

// --- plugging -------------------------------------------------------------
DeviceId plug(const DeviceSpec &spec);
void unplug(DeviceId id);  // open handles then read and write -1; the log stays readable
void unplugAll();          // also forgets every device; call between tests
void reset();              // unplugAll() and every fault switch off
QVector<DeviceId> devices();
QString path(DeviceId id, int interfaceNumber);           // hidapi path of one interface
QString configurationPath(DeviceId id);                   // path of the configuration interface
QByteArray reportDescriptorForPath(const QString &path);  // empty for an unknown path
DeviceSpec spec(DeviceId id);
QByteArray storedSerial(DeviceId id);                         // kept across replug, like flash
void setStoredSerial(DeviceId id, const QByteArray &serial);  // any bytes: wrong length, '/', "..", ...

// --- input the device produces (delivered to every open handle of the interface) ---
// 0x04 with the keys held now, in press order; more than six: six ErrorRollOver (0x01) slots.
void injectKeys(DeviceId id, uint8_t modifiers, const QVector<uint8_t> &usages);
void injectFullKeys(DeviceId id, const QByteArray &payload);   // 0x05
void injectMedia(DeviceId id, const QByteArray &payload);      // 0x06
void injectMouse(DeviceId id, uint8_t buttons, int8_t wheel);  // 0x40
void injectRaw(DeviceId id, const QByteArray &report,
               int interfaceNumber = -1);  // any length; -1: configuration interface

// --- what the program wrote ------------------------------------------------
QVector<WrittenReport> written(DeviceId id);  // every report, in order
QVector<WrittenReport> writtenCommand(DeviceId id, uint8_t command);
// Reports the device passes on to the computer in PC mode (0x04, 0x05, 0x06, 0x13, 0x40 written by the host).
QVector<WrittenReport> computerVisible(DeviceId id);
void clearWritten(DeviceId id);
// Blocks until a report with this command has been written (or the timeout passes).
bool waitForCommand(DeviceId id, uint8_t command, std::chrono::milliseconds timeout, int count = 1);
int hostMode(DeviceId id);  // last mode asked by the handshake: 0 PC, 1 on-board, -1 none yet
void setHandshakeByte6(DeviceId id, uint8_t value);
int openHandleCount(DeviceId id);
// Each open handle buffers at most 64 input reports, as hidraw does; further reports are
// lost for that handle and counted here.
int droppedInputReports(DeviceId id);
// hid_read and hid_read_timeout calls made so far on the device's handles: each handle counts
// its own calls, this is their sum, closed handles included. A loop that spins shows here.
int readCallCount(DeviceId id);
bool hidapiInitialised();  // between hid_init() and hid_exit()

// --- faults ----------------------------------------------------------------
void failInit(bool on);         // hid_init() returns -1
void failNextOpens(int count);  // next N hid_open_path calls fail
void failAllOpens(bool on);
void failWritesOfCommand(DeviceId id, uint8_t command, bool on);
void setWriteLatency(DeviceId id, std::chrono::microseconds perReport);  // USB pacing
// NoReply: the device takes the command (and keeps what it stores) but answers nothing.
// Late: the answer arrives lateBy after the write. WrongCommand: the answer carries
// wrongReplyCommand in byte 1. Commands the device does not answer are not affected.
enum class ReplyFault { None, NoReply, Late, WrongCommand };
constexpr uint8_t wrongReplyCommand = 0x7E;
void setReplyFault(DeviceId id, uint8_t command, ReplyFault fault,
                   std::chrono::milliseconds lateBy = std::chrono::milliseconds(0));
// The next N 0x0D queries are answered with one stale build report (its text contains ':');
// a negative count: every query.
void setInfoColonAnswers(DeviceId id, int count);
// The device answers this command with exactly these reports (any length, any content),
// for lists without an end mark, short reports and the like. Reply faults still apply.
void setReplyOverride(DeviceId id, uint8_t command, const QVector<QByteArray> &reports);
void clearReplyOverride(DeviceId id, uint8_t command);
void dropAcknowledgements(DeviceId id, bool on);  // 0x18, 0x19, 0x47
// A keyboard's on-board memory, kept by the unit across unplug and plug: the last 0x18 report
// written for a layer and packet, the last 0x19 report for a macro number (0 to 9) and part;
// empty where nothing was written.
QByteArray onboardKeyReport(DeviceId id, int layer, int packet);
QByteArray onboardMacroReport(DeviceId id, int number, int part);
void clearOnboardMemory(DeviceId id);
void delayAcknowledgements(DeviceId id, std::chrono::milliseconds by);

// --- firmware update ---------------------------------------------------------
// A keyboard or the mouse that is sent 0x0B leaves; after the unit's bootloader delay its
// bootloader arrives. Packet 0 erases the flash; data packets must come in order with the
// right header and length and are answered 01 0C status (0 accepted, 1 refused, 2 flash
// fault); the end packet verifies the flash and the device returns with the flashed version.
// Switches belong to the unit, so they may be set on the device before it leaves, and hold
// for its bootloader too. `packet` counts from 0; once: the switch fires one time only.
enum class BootloaderFault {
    None,
    RefuseAt,      // status 1 at the packet
    FlashFaultAt,  // status 2 at the packet
    NoReplyAt,     // the packet is ignored and not answered
    WriteFailsAt,  // hid_write of the packet returns -1; the bootloader never sees it
    UnplugAt,      // the bootloader is pulled out as the packet arrives (the write fails)
    NoBootloader,  // after 0x0B the device leaves and nothing arrives
    VerifyFails,   // the end packet's check fails: the bootloader stays
    NoReturn,      // after a good end packet the bootloader leaves and nothing arrives
    OldVersion,    // after a good end packet the device returns with its old version
};
void setBootloaderFault(DeviceId id, BootloaderFault fault, int packet = 0, bool always = false);
void setBootloaderDelay(DeviceId id, std::chrono::milliseconds delay);  // 300 ms unless set
void setUpdateErasesSerial(DeviceId id, bool on);                       // the returning device has no serial
// The unit's flash as its bootloader wrote it (un-inverted); empty before any erase.
QByteArray firmwareFlash(DeviceId id);

// Plug and unplug events, for the hot-plug notifier's test double.
// Listeners run in the thread that plugs or unplugs, after the device is listed or gone,
// outside the emulator's lock (they may call the emulator).
using HotplugListener = std::function<void(DeviceId, bool arrived)>;
int addHotplugListener(HotplugListener listener);
void removeHotplugListener(int token);

}  // namespace emu
