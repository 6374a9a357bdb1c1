// SPDX-License-Identifier: GPL-3.0-or-later
#include "EmulatorState.h"

#include "HidHandle.h"

#include <hidapi.h>
#include <sys/prctl.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <QDebug>
#include <QLoggingCategory>

namespace {
Q_LOGGING_CATEGORY(lcEmulator, "zelka.emulator")
}  // namespace

namespace emu {

namespace {

thread_local std::wstring t_globalError;

QString flashKey(const DeviceSpec &spec, int unit)
{
    return QStringLiteral("%1:%2:%3").arg(spec.vendorId).arg(spec.productId).arg(unit);
}

wchar_t *copyWide(const QString &text)
{
    const std::wstring w = text.toStdWString();
    auto *out = static_cast<wchar_t *>(std::calloc(w.size() + 1, sizeof(wchar_t)));
    if (out)
        std::wmemcpy(out, w.c_str(), w.size());
    return out;
}

struct EntryData {
    QByteArray path;
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    QString manufacturer;
    QString product;
    uint16_t usagePage = 0;
    uint16_t usage = 0;
    int interfaceNumber = 0;
};

EntryData entryOf(const SimulatedDevice &device, int endpointIndex)
{
    const SimulatedDevice::Endpoint &e = device.endpoints()[endpointIndex];
    EntryData d;
    d.path = e.path.toLatin1();
    d.vendorId = device.spec().vendorId;
    d.productId = device.spec().productId;
    d.manufacturer = device.spec().manufacturer;
    d.product = device.spec().product;
    d.usagePage = e.usagePage;
    d.usage = e.usage;
    d.interfaceNumber = device.interfaces()[e.interfaceIndex].spec.interfaceNumber;
    return d;
}

hid_device_info *makeInfoList(const QVector<EntryData> &entries)
{
    hid_device_info *head = nullptr;
    hid_device_info **tail = &head;
    for (const EntryData &d : entries) {
        auto *info = static_cast<hid_device_info *>(std::calloc(1, sizeof(hid_device_info)));
        if (!info)
            break;
        info->path = static_cast<char *>(std::calloc(size_t(d.path.size()) + 1, 1));
        if (info->path)
            std::memcpy(info->path, d.path.constData(), size_t(d.path.size()));
        info->vendor_id = d.vendorId;
        info->product_id = d.productId;
        info->serial_number = copyWide(QString());  // these devices have no USB serial string
        info->release_number = 0x0100;
        info->manufacturer_string = copyWide(d.manufacturer);
        info->product_string = copyWide(d.product);
        info->usage_page = d.usagePage;
        info->usage = d.usage;
        info->interface_number = d.interfaceNumber;
        info->bus_type = HID_API_BUS_USB;
        *tail = info;
        tail = &info->next;
    }
    return head;
}

}  // namespace

EmulatorState &EmulatorState::instance()
{
    // Never destroyed: a transport closed by another static's destructor at exit still finds
    // the emulator, and the delivery thread never outlives what it reads.
    static EmulatorState *state = new EmulatorState;
    return *state;
}

// ---------------------------------------------------------------------------------------
// hidapi side

void EmulatorState::setGlobalError(const std::wstring &text)
{
    t_globalError = text;
}

const wchar_t *EmulatorState::globalError()
{
    return t_globalError.empty() ? L"Success" : t_globalError.c_str();
}

int EmulatorState::setError(hid_device_ *handle, const QString &text)
{
    handle->lastError = text.toStdWString();
    return -1;
}

int EmulatorState::init()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_failInit) {
        setGlobalError(L"hid_init failed (simulated fault)");
        return -1;
    }
    m_initialised = true;
    setGlobalError(std::wstring());
    return 0;
}

int EmulatorState::exit()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_initialised = false;
    return 0;
}

bool EmulatorState::initialised()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_initialised;
}

hid_device_info *EmulatorState::enumerate(uint16_t vendorId, uint16_t productId)
{
    QVector<EntryData> entries;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_failInit && !m_initialised) {
            setGlobalError(L"hid_init failed (simulated fault)");
            return nullptr;
        }
        m_initialised = true;
        for (const auto &pair : m_devices) {
            const SimulatedDevice &d = *pair.second;
            if (d.removed)
                continue;
            if ((vendorId && vendorId != d.spec().vendorId) || (productId && productId != d.spec().productId))
                continue;
            for (int e = 0; e < d.endpoints().size(); ++e)
                entries.append(entryOf(d, e));
        }
    }
    if (entries.isEmpty()) {
        setGlobalError(L"No HID devices found in the system.");
        return nullptr;
    }
    setGlobalError(std::wstring());
    return makeInfoList(entries);
}

hid_device_ *EmulatorState::open(const char *path)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_failInit && !m_initialised) {
        setGlobalError(L"hid_init failed (simulated fault)");
        return nullptr;
    }
    m_initialised = true;
    if (m_failAllOpens || m_failNextOpens > 0) {
        if (m_failNextOpens > 0)
            --m_failNextOpens;
        setGlobalError(L"Failed to open a device with path (simulated fault)");
        return nullptr;
    }
    const QString key = path ? QString::fromLatin1(path) : QString();
    auto it = m_paths.constFind(key);
    if (it == m_paths.constEnd()) {
        setGlobalError(L"Failed to open a device with path: no such device");
        return nullptr;
    }
    const std::shared_ptr<SimulatedDevice> &device = it.value().first;
    auto *handle = new hid_device_;
    handle->device = device;
    handle->endpointIndex = it.value().second;
    handle->interfaceIndex = device->endpoints()[handle->endpointIndex].interfaceIndex;
    device->interfaces()[handle->interfaceIndex].handles.append(handle);
    setGlobalError(std::wstring());
    return handle;
}

hid_device_ *EmulatorState::open(uint16_t vendorId, uint16_t productId, const wchar_t *serial)
{
    QByteArray path;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        for (const auto &pair : m_devices) {
            const SimulatedDevice &d = *pair.second;
            if (d.removed || d.spec().vendorId != vendorId || d.spec().productId != productId
                || d.endpoints().isEmpty())
                continue;
            if (serial && *serial)
                continue;  // no simulated device has a USB serial string
            path = d.endpoints().first().path.toLatin1();
            break;
        }
    }
    if (path.isEmpty()) {
        setGlobalError(L"Device with requested VID/PID/(SerialNumber) not found");
        return nullptr;
    }
    return open(path.constData());
}

void EmulatorState::close(hid_device_ *handle)
{
    if (!handle)
        return;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        auto &handles = handle->device->interfaces()[handle->interfaceIndex].handles;
        handles.removeAll(handle);
    }
    hid_free_enumeration(handle->info);
    delete handle;
}

int EmulatorState::read(hid_device_ *handle, unsigned char *data, size_t length, int timeoutMs)
{
    if (!handle) {
        setGlobalError(L"hid_read: no device");
        return -1;
    }
    handle->lastError.clear();
    if (!data)
        return setError(handle, QStringLiteral("hid_read: no buffer"));
    std::unique_lock<std::mutex> lock(m_mutex);
    ++handle->readCalls;
    ++handle->device->readCalls;
    if (timeoutMs == INT_MIN)
        timeoutMs = handle->nonBlocking ? 0 : -1;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(std::max(timeoutMs, 0));
    for (;;) {
        // Like hidapi over hidraw, whose poll reports the hang-up before any queued report.
        if (handle->device->removed)
            return setError(handle, QStringLiteral("hid_read: the device has been disconnected"));
        if (!handle->queue.empty()) {
            const QByteArray report = handle->queue.front();
            handle->queue.pop_front();
            const size_t n = std::min(length, size_t(report.size()));
            std::memcpy(data, report.constData(), n);
            return int(n);
        }
        if (timeoutMs == 0)
            return 0;
        if (timeoutMs < 0) {
            handle->arrived.wait(lock);
        } else if (handle->arrived.wait_until(lock, deadline) == std::cv_status::timeout) {
            if (handle->queue.empty() && !handle->device->removed)
                return 0;
        }
    }
}

namespace {

// The endpoint's pace is the latency asked for: the kernel may end a sleep up to the thread's
// timer slack late (50 us by default, a twentieth of a 1 ms report), so the writer's thread
// sleeps with the least slack and gets its own back afterwards.
void sleepUntilPrecisely(std::chrono::steady_clock::time_point until)
{
    const int slack = prctl(PR_GET_TIMERSLACK, 0, 0, 0, 0);
    if (slack > 1)
        prctl(PR_SET_TIMERSLACK, 1UL, 0, 0, 0);
    std::this_thread::sleep_until(until);
    if (slack > 1)
        prctl(PR_SET_TIMERSLACK, static_cast<unsigned long>(slack), 0, 0, 0);
}

}  // namespace

int EmulatorState::write(hid_device_ *handle, const unsigned char *data, size_t length)
{
    if (!handle) {
        setGlobalError(L"hid_write: no device");
        return -1;
    }
    handle->lastError.clear();
    std::unique_lock<std::mutex> lock(m_mutex);
    SimulatedDevice &device = *handle->device;
    if (device.removed)
        return setError(handle, QStringLiteral("hid_write: the device has been disconnected"));
    if (!data || length == 0)
        return setError(handle, QStringLiteral("hid_write: empty report"));
    if (length > size_t(SimulatedDevice::reportSize))
        return setError(handle, QStringLiteral("hid_write: %1 bytes is longer than the interface's report of %2")
                                    .arg(length)
                                    .arg(SimulatedDevice::reportSize));
    const SimulatedDevice::Interface &itf = device.interfaces()[handle->interfaceIndex];
    if (data[0] != itf.spec.reportId)
        return setError(handle, QStringLiteral("hid_write: report id %1 is not an output report of this interface (%2)")
                                    .arg(data[0])
                                    .arg(itf.spec.reportId));
    const QByteArray report(reinterpret_cast<const char *>(data), int(length));
    const uint8_t command = length > 1 ? data[1] : 0;
    const bool configuration = handle->interfaceIndex == device.configurationIndex();

    if (configuration && device.failingWrites.contains(command))
        return setError(handle, QStringLiteral("hid_write: write of command 0x%1 failed (simulated fault)")
                                    .arg(command, 2, 16, QLatin1Char('0')));

    if (configuration && device.spec().kind == Kind::Bootloader && device.spec().owner && device.firmware) {
        const int packet = SimulatedDevice::packetIndex(report);
        if (packet >= 0 && device.firmware->fires(BootloaderFault::WriteFailsAt, packet))
            return setError(
                handle, QStringLiteral("hid_write: write of firmware packet %1 failed (simulated fault)").arg(packet));
    }

    // With a write latency each report occupies the endpoint for that long, whoever writes:
    // the report is taken in endpoint order now, its answers come when the endpoint is done
    // with it, and the writer returns then.
    const auto now = std::chrono::steady_clock::now();
    auto done = now;
    if (device.writeLatency.count() > 0) {
        device.busyUntil = std::max(now, device.busyUntil) + device.writeLatency;
        done = device.busyUntil;
    }
    WrittenReport written;
    written.data = report;
    written.interfaceNumber = itf.spec.interfaceNumber;
    written.when = done;
    device.log.append(written);

    QVector<QByteArray> answersWhenDone;
    SimulatedDevice::Transition transition = SimulatedDevice::Transition::None;
    if (configuration) {
        QByteArray padded = report;
        padded.append(QByteArray(SimulatedDevice::reportSize - padded.size(), '\0'));
        const QVector<SimulatedDevice::Reply> replies = device.respond(padded);
        for (const SimulatedDevice::Reply &r : replies) {
            if (r.delay.count() > 0)
                scheduleLocked(handle->device, handle->interfaceIndex, r.report, done + r.delay);
            else if (done != now)
                answersWhenDone.append(r.report);
            else
                deliverLocked(device, handle->interfaceIndex, r.report);
        }
        transition = device.takeTransition();
    }
    m_writtenChanged.notify_all();
    if (done != now) {
        lock.unlock();
        sleepUntilPrecisely(done);
        lock.lock();
        for (const QByteArray &a : answersWhenDone)
            deliverLocked(device, handle->interfaceIndex, a);
    }
    const bool pulledOut = transition == SimulatedDevice::Transition::PulledOut;
    const bool left = transitionLocked(device, transition);
    lock.unlock();
    if (left)
        notifyListeners(device.id(), false);
    if (pulledOut)
        return setError(handle, QStringLiteral("hid_write: the device has been disconnected"));
    return int(length);
}

int EmulatorState::setNonBlocking(hid_device_ *handle, bool on)
{
    if (!handle)
        return -1;
    std::lock_guard<std::mutex> lock(m_mutex);
    handle->nonBlocking = on;
    return 0;
}

int EmulatorState::deviceString(hid_device_ *handle, int which, wchar_t *out, size_t maxlen)
{
    if (!handle)
        return -1;
    if (!out || maxlen == 0)
        return setError(handle, QStringLiteral("no buffer"));
    QString text;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (handle->device->removed)
            return setError(handle, QStringLiteral("the device has been disconnected"));
        if (which == 0)
            text = handle->device->spec().manufacturer;
        else if (which == 1)
            text = handle->device->spec().product;
    }
    const std::wstring w = text.toStdWString();
    const size_t n = std::min(w.size(), maxlen - 1);
    std::wmemcpy(out, w.c_str(), n);
    out[n] = L'\0';
    return 0;
}

hid_device_info *EmulatorState::deviceInfo(hid_device_ *handle)
{
    if (!handle)
        return nullptr;
    if (!handle->info) {
        EntryData d;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            d = entryOf(*handle->device, handle->endpointIndex);
        }
        handle->info = makeInfoList({d});
    }
    return handle->info;
}

// ---------------------------------------------------------------------------------------
// control side

int EmulatorState::unitFor(const DeviceSpec &spec) const
{
    if (spec.unit >= 0)
        return spec.unit;
    std::set<int> used;
    for (const auto &pair : m_devices) {
        const SimulatedDevice &d = *pair.second;
        if (!d.removed && d.spec().vendorId == spec.vendorId && d.spec().productId == spec.productId)
            used.insert(d.unit());
    }
    int unit = 0;
    while (used.count(unit))
        ++unit;
    return unit;
}

DeviceId EmulatorState::plug(const DeviceSpec &spec)
{
    DeviceId id;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        id = plugLocked(spec);
    }
    notifyListeners(id, true);
    return id;
}

DeviceId EmulatorState::plugLocked(const DeviceSpec &requested)
{
    DeviceSpec spec = requested;
    int unit = unitFor(spec);
    if (spec.kind != Kind::Bootloader) {
        // A unit whose update was cut off starts in its bootloader.
        const std::shared_ptr<FirmwareMemory> memory = m_firmware.value(flashKey(spec, unit));
        if (memory && memory->inBootloader) {
            DeviceSpec owner = spec;
            owner.unit = unit;
            spec = bootloaderSpecFor(owner);
            unit = unitFor(spec);
        }
    }
    const QString key = flashKey(spec, unit);
    std::shared_ptr<QByteArray> flash = m_flash.value(key);
    if (!flash) {
        flash = std::make_shared<QByteArray>(spec.serial);
        m_flash.insert(key, flash);
    }
    const QString firmwareKey = spec.owner ? flashKey(*spec.owner, spec.owner->unit) : key;
    std::shared_ptr<FirmwareMemory> firmware = m_firmware.value(firmwareKey);
    if (!firmware) {
        firmware = std::make_shared<FirmwareMemory>();
        m_firmware.insert(firmwareKey, firmware);
    }
    const int interfaceCount = spec.interfaces.isEmpty()
                                   ? SimulatedDevice::defaultInterfaces(spec.kind, spec.pathStyle).size()
                                   : spec.interfaces.size();
    QVector<int> numbers;
    if (SimulatedDevice::linuxPaths(spec.pathStyle)) {
        int n = 0;
        for (int i = 0; i < interfaceCount; ++i) {
            while (m_hidrawNumbers.count(n))
                ++n;
            m_hidrawNumbers.insert(n);
            numbers.append(n);
        }
    }
    const DeviceId id = m_nextId++;
    auto device = std::make_shared<SimulatedDevice>(id, spec, unit, flash, numbers);
    device->firmware = firmware;
    for (int e = 0; e < device->endpoints().size(); ++e) {
        const QString &path = device->endpoints()[e].path;
        auto existing = m_paths.constFind(path);
        if (existing == m_paths.constEnd())
            m_paths.insert(path, {device, e});
        else if (existing.value().first != device)  // collections of one hidraw node share it
            qCWarning(lcEmulator) << "emulator: path" << path << "is already in use; give twin devices their own unit";
    }
    m_devices[id] = device;
    return id;
}

void EmulatorState::schedulePlugLocked(const DeviceSpec &spec, std::chrono::steady_clock::time_point at)
{
    Pending p;
    p.plug = true;
    p.spec = spec;
    p.generation = m_generation;
    m_pending.emplace(at, std::move(p));
    if (!m_scheduler.joinable())
        m_scheduler = std::thread([this] { schedulerLoop(); });
    m_pendingChanged.notify_all();
}

bool EmulatorState::transitionLocked(SimulatedDevice &device, SimulatedDevice::Transition transition)
{
    FirmwareMemory &memory = *device.firmware;
    const auto later = std::chrono::steady_clock::now() + memory.delay;
    switch (transition) {
    case SimulatedDevice::Transition::None:
        return false;
    case SimulatedDevice::Transition::EnterBootloader:
        unplugLocked(device);
        if (!memory.fires(BootloaderFault::NoBootloader))
            schedulePlugLocked(bootloaderSpecFor(device.spec()), later);
        return true;
    case SimulatedDevice::Transition::PulledOut:
        unplugLocked(device);
        return true;
    case SimulatedDevice::Transition::Reset: {
        unplugLocked(device);
        const DeviceSpec back = device.returningSpec();
        if (memory.eraseSerial) {
            if (const std::shared_ptr<QByteArray> serial = m_flash.value(flashKey(back, back.unit)))
                serial->clear();
        }
        if (!memory.fires(BootloaderFault::NoReturn))
            schedulePlugLocked(back, later);
        return true;
    }
    }
    return false;
}

void EmulatorState::unplugLocked(SimulatedDevice &device)
{
    if (device.removed)
        return;
    device.removed = true;
    for (SimulatedDevice::Interface &itf : device.interfaces()) {
        for (hid_device_ *h : itf.handles)
            h->arrived.notify_all();
        if (itf.hidrawNumber >= 0)
            m_hidrawNumbers.erase(itf.hidrawNumber);
    }
    for (auto it = m_paths.begin(); it != m_paths.end();) {
        if (it.value().first.get() == &device)
            it = m_paths.erase(it);
        else
            ++it;
    }
    m_writtenChanged.notify_all();
}

void EmulatorState::unplug(DeviceId id)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        auto it = m_devices.find(id);
        if (it == m_devices.end() || it->second->removed)
            return;
        unplugLocked(*it->second);
    }
    notifyListeners(id, false);
}

void EmulatorState::unplugAll()
{
    QVector<DeviceId> gone;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        for (auto &pair : m_devices) {
            if (!pair.second->removed) {
                unplugLocked(*pair.second);
                gone.append(pair.first);
            }
        }
        m_devices.clear();
        m_flash.clear();
        m_firmware.clear();
        m_pending.clear();
        ++m_generation;
    }
    for (DeviceId id : gone)
        notifyListeners(id, false);
}

void EmulatorState::reset()
{
    unplugAll();
    std::lock_guard<std::mutex> lock(m_mutex);
    m_failInit = false;
    m_failNextOpens = 0;
    m_failAllOpens = false;
}

QVector<DeviceId> EmulatorState::pluggedDevices()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    QVector<DeviceId> out;
    for (const auto &pair : m_devices) {
        if (!pair.second->removed)
            out.append(pair.first);
    }
    return out;
}

QByteArray EmulatorState::descriptorForPath(const QString &path)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    auto it = m_paths.constFind(path);
    if (it == m_paths.constEnd())
        return QByteArray();
    const SimulatedDevice &d = *it.value().first;
    return d.interfaces()[d.endpoints()[it.value().second].interfaceIndex].spec.reportDescriptor;
}

void EmulatorState::deliverLocked(SimulatedDevice &device, int interfaceIndex, const QByteArray &report)
{
    if (device.removed || interfaceIndex < 0 || interfaceIndex >= device.interfaces().size())
        return;
    for (hid_device_ *h : device.interfaces()[interfaceIndex].handles) {
        if (int(h->queue.size()) >= SimulatedDevice::handleQueueLimit) {
            ++device.droppedInput;
            continue;
        }
        h->queue.push_back(report);
        h->arrived.notify_all();
    }
}

void EmulatorState::inject(DeviceId id, int interfaceIndex, const QByteArray &report)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    auto it = m_devices.find(id);
    if (it != m_devices.end())
        deliverLocked(*it->second, interfaceIndex, report);
}

void EmulatorState::scheduleLocked(const std::shared_ptr<SimulatedDevice> &device, int interfaceIndex,
                                   const QByteArray &report, std::chrono::steady_clock::time_point at)
{
    Pending p;
    p.device = device;
    p.interfaceIndex = interfaceIndex;
    p.report = report;
    m_pending.emplace(at, std::move(p));
    if (!m_scheduler.joinable())
        m_scheduler = std::thread([this] { schedulerLoop(); });
    m_pendingChanged.notify_all();
}

void EmulatorState::schedulerLoop()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        if (m_pending.empty()) {
            m_pendingChanged.wait(lock);
            continue;
        }
        auto first = m_pending.begin();
        if (first->first <= std::chrono::steady_clock::now()) {
            Pending p = std::move(first->second);
            m_pending.erase(first);
            if (p.plug) {
                if (p.generation != m_generation)
                    continue;
                const DeviceId id = plugLocked(p.spec);
                lock.unlock();
                notifyListeners(id, true);
                lock.lock();
                continue;
            }
            if (std::shared_ptr<SimulatedDevice> device = p.device.lock())
                deliverLocked(*device, p.interfaceIndex, p.report);
            continue;
        }
        const auto due = first->first;  // a copy: reset() may empty the map while we wait
        m_pendingChanged.wait_until(lock, due);
    }
}

bool EmulatorState::waitForCommand(DeviceId id, uint8_t command, std::chrono::milliseconds timeout, int count)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    auto reached = [&] {
        auto it = m_devices.find(id);
        if (it == m_devices.end())
            return false;
        int n = 0;
        for (const WrittenReport &w : it->second->log) {
            if (it->second->isConfigurationReport(w) && uint8_t(w.data[1]) == command)
                ++n;
        }
        return n >= count;
    };
    return m_writtenChanged.wait_for(lock, timeout, reached);
}

void EmulatorState::setFailInit(bool on)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_failInit = on;
}

void EmulatorState::setFailNextOpens(int count)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_failNextOpens = std::max(count, 0);
}

void EmulatorState::setFailAllOpens(bool on)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_failAllOpens = on;
}

int EmulatorState::addListener(HotplugListener listener)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const int token = m_nextListener++;
    m_listeners.insert(token, std::move(listener));
    return token;
}

void EmulatorState::removeListener(int token)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_listeners.remove(token);
}

void EmulatorState::notifyListeners(DeviceId id, bool arrived)
{
    QList<HotplugListener> listeners;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        listeners = m_listeners.values();
    }
    for (const HotplugListener &l : listeners) {
        if (l)
            l(id, arrived);
    }
}

}  // namespace emu
