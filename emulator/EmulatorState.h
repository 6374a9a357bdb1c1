#pragma once
// The emulator's process-wide state: plugged devices, their paths and flash memory, open
// handles, fault switches, hot-plug listeners and the delivery of late answers. One lock
// guards all of it; blocking reads and waits use condition variables on that lock.

#include "Emulator.h"
#include "SimulatedDevice.h"

#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <QHash>
#include <QMap>
#include <set>
#include <string>
#include <thread>

struct hid_device_;
struct hid_device_info;

namespace emu {

class EmulatorState
{
public:
    static EmulatorState &instance();

    // --- hidapi side ---
    int init();
    int exit();
    hid_device_info *enumerate(uint16_t vendorId, uint16_t productId);
    hid_device_ *open(const char *path);
    hid_device_ *open(uint16_t vendorId, uint16_t productId, const wchar_t *serial);
    void close(hid_device_ *handle);
    int read(hid_device_ *handle, unsigned char *data, size_t length, int timeoutMs);  // -1: by the handle's mode
    int write(hid_device_ *handle, const unsigned char *data, size_t length);
    int setNonBlocking(hid_device_ *handle, bool on);
    int deviceString(hid_device_ *handle, int which, wchar_t *out, size_t maxlen);  // 0 maker, 1 product, 2 serial
    hid_device_info *deviceInfo(hid_device_ *handle);
    static void setGlobalError(const std::wstring &text);
    static const wchar_t *globalError();

    // --- control side ---
    DeviceId plug(const DeviceSpec &spec);
    void unplug(DeviceId id);
    void unplugAll();
    void reset();

    // Runs fn(device) under the lock when the device is known (plugged, or unplugged since the
    // last unplugAll); returns fallback otherwise.
    template <typename R, typename F>
    R withDevice(DeviceId id, R fallback, F fn)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        auto it = m_devices.find(id);
        if (it == m_devices.end())
            return fallback;
        return fn(*it->second);
    }
    template <typename F>
    void withDevice(DeviceId id, F fn)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        auto it = m_devices.find(id);
        if (it != m_devices.end())
            fn(*it->second);
    }

    QVector<DeviceId> pluggedDevices();
    QByteArray descriptorForPath(const QString &path);
    // Sends a report from a device's interface to every handle open on it.
    void inject(DeviceId id, int interfaceIndex, const QByteArray &report);
    bool waitForCommand(DeviceId id, uint8_t command, std::chrono::milliseconds timeout, int count);

    void setFailInit(bool on);
    void setFailNextOpens(int count);
    void setFailAllOpens(bool on);
    bool initialised();

    int addListener(HotplugListener listener);
    void removeListener(int token);

private:
    EmulatorState() = default;
    struct Pending {
        std::weak_ptr<SimulatedDevice> device;
        int interfaceIndex = 0;
        QByteArray report;
        // Or a device that arrives then (a bootloader, a device back from its bootloader),
        // unless everything was unplugged in the meantime.
        bool plug = false;
        DeviceSpec spec;
        quint64 generation = 0;
    };
    DeviceId plugLocked(const DeviceSpec &spec);
    int unitFor(const DeviceSpec &spec) const;
    void schedulePlugLocked(const DeviceSpec &spec, std::chrono::steady_clock::time_point at);
    // Carries out what a written report made the device do; true when it left.
    bool transitionLocked(SimulatedDevice &device, SimulatedDevice::Transition transition);
    void deliverLocked(SimulatedDevice &device, int interfaceIndex, const QByteArray &report);
    void scheduleLocked(const std::shared_ptr<SimulatedDevice> &device, int interfaceIndex, const QByteArray &report,
                        std::chrono::steady_clock::time_point at);
    void schedulerLoop();
    void unplugLocked(SimulatedDevice &device);
    void notifyListeners(DeviceId id, bool arrived);
    int setError(hid_device_ *handle, const QString &text);

    std::mutex m_mutex;
    std::condition_variable m_writtenChanged;
    std::map<DeviceId, std::shared_ptr<SimulatedDevice>> m_devices;            // plugged and unplugged, until unplugAll
    QHash<QString, std::pair<std::shared_ptr<SimulatedDevice>, int>> m_paths;  // path -> device, endpoint
    std::set<int> m_hidrawNumbers;
    QHash<QString, std::shared_ptr<QByteArray>> m_flash;         // "vid:pid:unit" -> serial
    QHash<QString, std::shared_ptr<FirmwareMemory>> m_firmware;  // "vid:pid:unit" of the device
    quint64 m_generation = 0;                                    // counts unplugAll calls
    DeviceId m_nextId = 1;
    bool m_initialised = false;
    bool m_failInit = false;
    int m_failNextOpens = 0;
    bool m_failAllOpens = false;
    QMap<int, HotplugListener> m_listeners;
    int m_nextListener = 1;

    std::multimap<std::chrono::steady_clock::time_point, Pending> m_pending;
    std::condition_variable m_pendingChanged;
    std::thread m_scheduler;  // delivers late answers; started with the first one
};

}  // namespace emu
