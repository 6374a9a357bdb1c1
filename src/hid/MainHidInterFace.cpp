// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainHidInterFace.h"

#include "DDataManager.h"
#include "DeviceModels.h"
#include "HidInterfaceClassifier.h"
#include "HidLibrary.h"
#include "LogCategories.h"
#include "RecordText.h"
#include "SupportedIdMatch.h"
#include "SysfsReportDescriptorReader.h"
#include "ThreadEnd.h"
#include "Timer.h"

#include <QHash>
#include <QSet>
#include <QTimer>

#include <hidapi.h>

#include <pthread.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <thread>
#include <utility>

namespace {

const QString kEnumeratorName = QStringLiteral("mainThread");

constexpr int kShakeHandsIntervalMs = 700;
// The reader waits this long in one read when nothing arrives. A report is taken the moment
// it arrives; the bound only decides how often an idle device costs a wake-up and how long
// closing may wait for the reader to come back.
constexpr int kReadBoundMs = 300;
// Only when the reader and the writer must share one handle: the reader then holds it for
// this long at most per read, so a write waits no longer than that.
constexpr int kSharedReadBoundMs = 4;

QString errorText(hid_device *handle)
{
    const wchar_t *error = hid_error(handle);
    return error ? QString::fromWCharArray(error) : QString();
}

std::mutex g_reportIdMutex;
QHash<QString, int> g_reportIds;

}  // namespace

MainHidInterFace::MainHidInterFace(int threadIndex, const QString &hidName, QObject *parent)
    : QThread(parent)
{
    m_hidLibraryHeld = HidLibrary::acquire();
    if (!m_hidLibraryHeld) {
        qCDebug(lcHid) << "hid_init failed";
        return;
    }
    m_threadIndex = threadIndex;
    m_strHidName = hidName;
    m_keyboardBatchFrames = models::framesPerBatch(hidName);
    if (hidName == kEnumeratorName)
        return;

    m_shakeHandsTimer = new QTimer(this);
    connect(m_shakeHandsTimer, &QTimer::timeout, this, &MainHidInterFace::onShakeHandsRuning);

    // The 1 ms timer runs from here until closing, but onTimeout does no work that anything
    // observes, so it is not connected: a Timer without a receiver keeps its flag and costs
    // no tick.
    m_timer = new Timer(this);
    m_timer->start(1);
}

MainHidInterFace::~MainHidInterFace()
{
    closeHidDevice();
    if (m_hidLibraryHeld) {
        HidLibrary::release();
        m_hidLibraryHeld = false;
    }
}

void MainHidInterFace::setInterfaceReportId(const QString &path, int reportId)
{
    std::lock_guard<std::mutex> lock(g_reportIdMutex);
    g_reportIds.insert(path, reportId);
}

int MainHidInterFace::reportIdForPath(const QString &path)
{
    if (path.contains(QLatin1String("col06")))
        return 6;
    std::lock_guard<std::mutex> lock(g_reportIdMutex);
    return g_reportIds.value(path, 1);
}

int MainHidInterFace::hidOpenPath(int vendorId, int productId, const QString &path)
{
    Q_UNUSED(vendorId)
    Q_UNUSED(productId)
    // A transport is opened once: not after a failed hidapi start, not while open, not after
    // closing; the enumerator, which has no handshake timer, never.
    if (!m_hidLibraryHeld || !m_shakeHandsTimer || m_isOpen || m_hidHandle) {
        qCDebug(lcHid) << "hidOpenPath refused:" << path;
        return -1;
    }
    m_strHidPath = path;
    qCDebug(lcHid) << "________________________ MainHidInterFace hidOpenPath:" << path;

    hid_device *handle = hid_open_path(path.toLatin1().constData());
    if (!handle) {
        qCDebug(lcHid) << "Unable to open device\n";
        return -1;
    }
    qCDebug(lcHid) << "Open device success\n";
    m_hidHandle = handle;
    m_reportId = reportIdForPath(path);
    m_isOpen = true;

    Report inquiry{};
    inquiry[0] = 1;
    inquiry[1] = 0x15;
    if (writeCommand(inquiry.data(), kReportSize) < 0)
        qCDebug(lcHid) << "---------- *** Inquire [Device SN] Failed *** ----------";

    m_shakeHandsCount = 0;
    m_shakeHandsTimer->start(kShakeHandsIntervalMs);
    hid_set_nonblocking(handle, 1);
    emit sigOpenHidSuccessful();
    return 0;
}

int MainHidInterFace::closeHidDevice()
{
    if (m_isOpen.exchange(false)) {
        {
            std::lock_guard<std::mutex> lock(m_wakeMutex);
        }
        m_writerWake.notify_all();
        m_readerRest.notify_all();
        // The reader comes back from its read within the read's bound, after it has stopped
        // the writer; only then does the handle go.
        ThreadEnd::aboutToWait(this);
        wait();
        hid_device *leftWriteHandle = nullptr;
        {
            // Pairs with the reader's last step: what it wrote is visible from here on.
            std::lock_guard<std::mutex> lock(m_wakeMutex);
            // The reader closes its write handle on its way out; one it left is closed here, so
            // no handle outlives the transport.
            leftWriteHandle = std::exchange(m_writeHandle, nullptr);
        }
        if (leftWriteHandle)
            hid_close(leftWriteHandle);
        hid_close(m_hidHandle);
        m_hidHandle = nullptr;
        if (m_hidLibraryHeld) {
            HidLibrary::release();
            m_hidLibraryHeld = false;
        }
        if (m_shakeHandsTimer && m_shakeHandsTimer->isActive())
            m_shakeHandsTimer->stop();
        m_shakeHandsCount = 0;
    }
    if (m_timer && m_timer->GetIsCreateFlag()) {
        m_timer->stop();
        delete m_timer;
        m_timer = nullptr;
    }
    return 0;
}

bool MainHidInterFace::isHidOpen() const
{
    return m_isOpen;
}

int MainHidInterFace::writeCommand(unsigned char *data, int length)
{
    Q_UNUSED(length)
    if (!m_isOpen || !data)
        return -1;
    if (m_reportId == 6)
        data[0] = 6;
    Report report;
    std::memcpy(report.data(), data, kReportSize);
    {
        std::lock_guard<std::mutex> lock(m_commandMutex);
        m_commandList.push_back(report);
    }
    wakeWriter();
    return 0;
}

void MainHidInterFace::wakeWriter()
{
    {
        std::lock_guard<std::mutex> lock(m_wakeMutex);
        m_writerPending = true;
    }
    m_writerWake.notify_one();
}

int MainHidInterFace::lightBatchLimit() const
{
    if (m_lightDataMode == 1)
        return 1;
    return m_keyboardBatchFrames - 1;
}

int MainHidInterFace::lightBatchFrames() const
{
    return lightBatchLimit() + 1;
}

int MainHidInterFace::writeLightData(unsigned char *data, int length)
{
    Q_UNUSED(length)
    if (!m_isOpen || !data)
        return -1;
    if (m_reportId == 6)
        data[0] = 6;
    bool batchComplete = false;
    {
        std::lock_guard<std::mutex> lock(m_lightMutex);
        if (m_lightDataList.empty())
            m_lightAccepting = true;
        if (!m_lightDataEnabled)
            return 0;
        if (!m_lightAccepting)
            return 1;
        if (static_cast<int>(m_lightDataList.size()) == lightBatchLimit()) {
            m_lightAccepting = false;
            batchComplete = true;
        }
        Report frame;
        std::memcpy(frame.data(), data, kReportSize);
        m_lightDataList.push_back(frame);
    }
    // Frames are written only from a complete batch: the one that completes it wakes the writer.
    if (batchComplete)
        wakeWriter();
    return 0;
}

void MainHidInterFace::setLightDataEnabled(bool enabled)
{
    m_lightDataEnabled = enabled;
    if (enabled)
        wakeWriter();  // a batch completed while the output was off may now be written
}

void MainHidInterFace::setLightDataMode(int mode)
{
    m_lightDataMode = mode;
}

void MainHidInterFace::setClearLightDataFlag()
{
    m_clearLightData = true;
}

void MainHidInterFace::clearLightDataList()
{
    std::lock_guard<std::mutex> lock(m_lightMutex);
    m_lightDataList.clear();
}

void MainHidInterFace::setShakeHandsMode(bool pcMode)
{
    m_shakeHandsMode = pcMode;
}

void MainHidInterFace::setSerialNumber(const QString &serialNumber)
{
    m_strSerialNumber = serialNumber;
}

QString MainHidInterFace::getSerialNumber() const
{
    return m_strSerialNumber;
}

void MainHidInterFace::onShakeHandsRuning()
{
    Report handshake{};
    handshake[0] = 1;
    handshake[1] = 0x01;
    handshake[5] = 1;
    handshake[6] = m_shakeHandsMode ? 0x00 : 0x01;
    if (writeCommand(handshake.data(), kReportSize) < 0) {
        qCDebug(lcHid) << "---------- *** ShakeHands Failed [MainHidInterFace] *** ---------- m_strHidName:"
                       << m_strHidName << "  Stop_m_ShakeHandsRunNum:" << m_shakeHandsCount;
        return;
    }
    ++m_shakeHandsCount;
}

void MainHidInterFace::onTimeout() {}

// Writes the first command, else the next frame of a complete lighting batch. Returns true
// when a report was taken from a queue.
bool MainHidInterFace::writeOne(hid_device *handle)
{
    auto write = [&](const Report &report) {
        if (!m_sharedHandle)
            return hid_write(handle, report.data(), kReportSize);
        std::lock_guard<std::mutex> lock(m_sharedHandleMutex);
        return hid_write(handle, report.data(), kReportSize);
    };
    // hid_error is asked only right after this thread's own failed write on its own handle
    // (or under the shared handle's lock), so no read can change the text meanwhile.
    auto failure = [&](const QString &what, int written) {
        std::unique_lock<std::mutex> lock(m_sharedHandleMutex, std::defer_lock);
        if (m_sharedHandle)
            lock.lock();
        return what.arg(written).arg(errorText(handle));
    };

    Report report;
    bool haveCommand = false;
    {
        std::lock_guard<std::mutex> lock(m_commandMutex);
        if (!m_commandList.empty()) {
            report = m_commandList.front();
            m_commandList.pop_front();
            haveCommand = true;
        }
    }
    if (haveCommand) {
        const int written = write(report);
        if (written < 0)
            qCDebug(lcHid).noquote() << failure(QStringLiteral("hid_write command ERROR:[%1] %2"), written);
        return true;
    }

    {
        std::lock_guard<std::mutex> lock(m_lightMutex);
        if (m_lightDataList.empty() || !m_lightDataEnabled || m_lightAccepting)
            return false;
        report = m_lightDataList.front();
        m_lightDataList.pop_front();
    }
    const int written = write(report);
    if (m_clearLightData.exchange(false)) {
        std::lock_guard<std::mutex> lock(m_lightMutex);
        m_lightDataList.clear();
    }
    if (written < 0)
        emit sigHidWriteErrorInfo(failure(QStringLiteral("hid_write lightData ERROR:[%1] %2"), written));
    return true;
}

// The writer: writes while there is something to write, otherwise sleeps until woken.
// Each report is taken afresh, so a command queued during a batch goes before its next frame.
void MainHidInterFace::writerLoop(hid_device *handle)
{
    pthread_setname_np(pthread_self(), "zelka-hid-write");
    while (m_isOpen) {
        {
            std::lock_guard<std::mutex> lock(m_wakeMutex);
            m_writerPending = false;
        }
        if (writeOne(handle))
            continue;
        std::unique_lock<std::mutex> lock(m_wakeMutex);
        m_writerWake.wait(lock, [this] { return m_writerPending || !m_isOpen; });
    }
}

// Waits up to the given time, or until the device closes.
void MainHidInterFace::rest(int milliseconds)
{
    std::unique_lock<std::mutex> lock(m_wakeMutex);
    m_readerRest.wait_for(lock, std::chrono::milliseconds(milliseconds), [this] { return !m_isOpen; });
}

// The thread body is the reader; it runs the writer beside it for as long as the device is open.
void MainHidInterFace::run()
{
    pthread_setname_np(pthread_self(), "zelka-hid-read");
    const QByteArray latinPath = m_strHidPath.toLatin1();
    m_writeHandle = hid_open_path(latinPath.constData());
    if (!m_writeHandle)
        qCDebug(lcHid) << "no second handle for writing; reads and writes share one:" << m_strHidPath;
    m_sharedHandle = m_writeHandle == nullptr;
    std::thread writer([this] { writerLoop(m_writeHandle ? m_writeHandle : m_hidHandle); });

    while (m_isOpen) {
        // Cleared every time: a short read must not leave bytes of the previous report behind.
        unsigned char buffer[kReportSize] = {};
        int count = 0;
        if (m_sharedHandle) {
            std::lock_guard<std::mutex> lock(m_sharedHandleMutex);
            count = hid_read_timeout(m_hidHandle, buffer, kReportSize, kSharedReadBoundMs);
        } else {
            count = hid_read_timeout(m_hidHandle, buffer, kReportSize, kReadBoundMs);
        }
        if (count > 0) {
            if (buffer[1] == 0x15)
                emit sigHidSnGetOver(this, QByteArray(reinterpret_cast<const char *>(buffer), kReportSize),
                                     m_strHidName);
            emit sigHidDataArrived(QByteArray(reinterpret_cast<const char *>(buffer), kReportSize), count,
                                   m_threadIndex);
        } else if (count < 0) {
            // A failing handle (a device pulled out) answers at once: rest as long as a read
            // would have waited instead of spinning until it is closed.
            rest(kReadBoundMs);
        } else if (m_sharedHandle) {
            rest(1);  // let the writer have the handle
        }
    }

    {
        std::lock_guard<std::mutex> lock(m_wakeMutex);
    }
    m_writerWake.notify_all();
    writer.join();
    // Cleared under the lock closeHidDevice takes after waiting, so the last write this thread
    // makes to the object is ordered before the object can be destroyed.
    hid_device *writeHandle = nullptr;
    {
        std::lock_guard<std::mutex> lock(m_wakeMutex);
        writeHandle = std::exchange(m_writeHandle, nullptr);
    }
    if (writeHandle)
        hid_close(writeHandle);
    ThreadEnd::workerEnding();
}

// ---------------------------------------------------------------------------------------
// Enumeration and the information query

namespace {

const QString kUnqueriedName = QStringLiteral("Hid Name");
const QString kNotAnsweringName = QStringLiteral("Keyboard Name");
const QString kOpenErrorName = QStringLiteral("Open error");
constexpr unsigned char kInfoCommand = 0x0D;
constexpr int kPayloadOffset = 6;
constexpr int kMaxPayload = MainHidInterFace::kReportSize - kPayloadOffset;  // 58
constexpr std::chrono::milliseconds kInfoAnswerWait(250);

QString wideText(const wchar_t *text)
{
    return text ? QString::fromWCharArray(text) : QString();
}

// The text of an answer's payload: from byte 6 up to the first zero byte or the end of
// what was read, at most 58 characters.
QString payloadText(const unsigned char *report, int count)
{
    const int end = std::min(count, MainHidInterFace::kReportSize);
    QByteArray text;
    for (int i = kPayloadOffset; i < end && text.size() < kMaxPayload && report[i] != 0; ++i)
        text.append(char(report[i]));
    return QString::fromLatin1(text);
}

QString monthNumber(const QString &abbreviation)
{
    static const QStringList months = {
        QStringLiteral("Jan"), QStringLiteral("Feb"), QStringLiteral("Mar"), QStringLiteral("Apr"),
        QStringLiteral("May"), QStringLiteral("Jun"), QStringLiteral("Jul"), QStringLiteral("Aug"),
        QStringLiteral("Sep"), QStringLiteral("Oct"), QStringLiteral("Nov"), QStringLiteral("Dec"),
    };
    const int index = months.indexOf(abbreviation);
    return QString::number(index < 0 ? 1 : index + 1);
}

// "Mmm dd yyyy,hh:mm:ss" as "yyyy/m/d hh:mm:ss". A text without a comma is all date and no
// time; a short one gives what it has.
QString buildDateTime(const QString &buildText)
{
    const int lastComma = buildText.lastIndexOf(QLatin1Char(','));
    const QString date = lastComma < 0 ? buildText : buildText.left(lastComma);
    const QString time = lastComma < 0 ? QString() : buildText.mid(lastComma + 1);
    const QString year = date.right(4);
    const QString day = date.mid(4, 2).remove(QLatin1Char(' '));
    return QStringLiteral("%1/%2/%3 %4").arg(year, monthNumber(buildText.left(3)), day, time);
}

}  // namespace

void MainHidInterFace::setHidNameList(const QStringList &list)
{
    std::lock_guard<std::mutex> lock(m_listMutex);
    m_hidNameList = list;
}

void MainHidInterFace::setReportDescriptorReader(std::shared_ptr<const ReportDescriptorReader> reader)
{
    m_descriptorReader = std::move(reader);
}

QList<hidStructInfo> MainHidInterFace::getHidStructInfoList() const
{
    std::lock_guard<std::mutex> lock(m_listMutex);
    return m_hidStructInfoList;
}

QList<HidDeviceInfo> MainHidInterFace::getHidDeviceInfoList() const
{
    std::lock_guard<std::mutex> lock(m_listMutex);
    return m_hidDeviceInfoList;
}

QMap<QString, QString> MainHidInterFace::getFirmwareInfoMap() const
{
    std::lock_guard<std::mutex> lock(m_listMutex);
    return m_firmwareInfoMap;
}

bool MainHidInterFace::isGettingHidList() const
{
    return m_gettingHidList;
}

void MainHidInterFace::getHidList(int type)
{
    if (type != kFullList && type != kArrival && type != kRemoval) {
        qCDebug(lcHid) << "getHidList: unknown mode" << type;
        return;
    }
    m_gettingHidList = true;
    if (type == kFullList) {
        m_hidStructInfoMap.clear();
        m_hidVersionInfoMap.clear();
        m_hidDeviceInfoMap.clear();
    }
    if (!m_descriptorReader)
        m_descriptorReader = std::make_shared<SysfsReportDescriptorReader>();
    QStringList nameList;
    {
        std::lock_guard<std::mutex> lock(m_listMutex);
        nameList = m_hidNameList;
    }
    const QList<SupportHidInfo> supportList = DDataManager::getInstance()->getHidSupportList();

    if (!m_hidLibraryHeld) {
        // Without hidapi nothing can be seen: keep what is known rather than drop every device.
        qCDebug(lcHid) << "getHidList: hidapi is not available";
        emit sigGetHidListSuccessful();
        m_gettingHidList = false;
        return;
    }

    QStringList currentPaths;
    QStringList newPaths;  // to be queried: every path of a full list, the new ones of an arrival
    QSet<QString> seenPaths;
    hid_device_info *devices = hid_enumerate(0, 0);
    for (const hid_device_info *info = devices; info; info = info->next) {
        if (!info->path)
            continue;
        const QString path = QString::fromLatin1(info->path);
        // hidapi lists a hidraw interface once per top-level collection, all under one path.
        if (seenPaths.contains(path))
            continue;
        seenPaths.insert(path);

        const int entryIndex = supportedEntryIndex(supportList, info->vendor_id, info->product_id);
        if (entryIndex < 0)
            continue;
        const SupportHidInfo *entry = &supportList.at(entryIndex);
        const HidInterfaceClassifier::Result kind =
            HidInterfaceClassifier::classify(path, info->interface_number, *m_descriptorReader);
        if (!kind.configuration)
            continue;
        // Decided afresh every time: a path that the system gives to another device gets its id.
        setInterfaceReportId(path, kind.reportId);
        currentPaths.append(path);

        const bool isNew = type == kFullList || (type == kArrival && !m_lastHidPathList.contains(path));
        if (!isNew)
            continue;
        hidStructInfo record;
        record.vid = info->vendor_id;
        record.pid = info->product_id;
        setRecordText(record.hidPath, path.toLatin1());
        setRecordText(record.manufacturer, wideText(info->manufacturer_string).toUtf8());
        setRecordText(record.product, wideText(info->product_string).toUtf8());
        setRecordText(record.hidName, kUnqueriedName.toLatin1());
        record.deviceType = entry->type;
        m_hidStructInfoMap.insert(path, record);
        newPaths.append(path);
    }
    hid_free_enumeration(devices);

    if (type == kFullList || type == kArrival) {
        for (const QString &path : qAsConst(newPaths)) {
            ++m_queryCount;
            keepOrDrop(path, getHidDeviceInfo(path), nameList);
        }
    } else {
        for (const QString &path : qAsConst(m_lastHidPathList)) {
            if (currentPaths.contains(path))
                continue;
            m_hidStructInfoMap.remove(path);
            m_hidVersionInfoMap.remove(path);
            m_hidDeviceInfoMap.remove(path);
        }
    }

    {
        std::lock_guard<std::mutex> lock(m_listMutex);
        m_hidStructInfoList = m_hidStructInfoMap.values();
        m_hidDeviceInfoList = m_hidDeviceInfoMap.values();
        m_firmwareInfoMap.clear();
        for (const HidVersionInfo &version : qAsConst(m_hidVersionInfoMap))
            m_firmwareInfoMap.insert(QString::fromLatin1(version.idText), QString::fromLatin1(version.buildText));
    }
    m_lastHidPathList = currentPaths;

    emit sigGetHidListSuccessful();
    m_gettingHidList = false;
}

void MainHidInterFace::keepOrDrop(const QString &path, const QString &name, const QStringList &nameList)
{
    auto record = m_hidStructInfoMap.find(path);
    if (record == m_hidStructInfoMap.end())
        return;
    if (!nameList.contains(name)) {
        m_hidStructInfoMap.erase(record);
        return;
    }
    setRecordText(record->hidName, name.toLatin1());
    // The firmware id is the identification text between its first "-" and its first ",".
    QString firmwareId;
    const auto version = m_hidVersionInfoMap.constFind(path);
    if (version != m_hidVersionInfoMap.constEnd()) {
        const QString idText = QString::fromLatin1(version->idText);
        const int dash = idText.indexOf(QLatin1Char('-'));
        const int comma = idText.indexOf(QLatin1Char(','));
        if (dash >= 0 && comma > dash)
            firmwareId = idText.mid(dash + 1, comma - dash - 1);
    }
    setRecordText(record->firmwareId, firmwareId.toLatin1());
}

QString MainHidInterFace::getHidDeviceInfo(const QString &path)
{
    // What was known of this path belonged to an earlier query, perhaps of another device.
    m_hidVersionInfoMap.remove(path);
    m_hidDeviceInfoMap.remove(path);

    const QByteArray latinPath = path.toLatin1();
    hid_device *handle = nullptr;
    for (int attempt = 0; attempt < kOpenAttempts && !handle; ++attempt)
        handle = hid_open_path(latinPath.constData());
    if (!handle) {
        qCDebug(lcHid) << "\nUnable to open Hid\n";
        DDataManager::getInstance()->writeLog(
            QStringLiteral("Get hid device info start: [Open_path - Unable to open Hid]"));
        return kOpenErrorName;
    }

    Report query{};
    query[0] = static_cast<unsigned char>(reportIdForPath(path));
    query[1] = kInfoCommand;
    unsigned char answer[kReportSize];
    QString infoText;
    QString numberedText;
    bool answered = false;
    // The device has kInfoAnswerWait to give both reports of its answer; each is taken as soon
    // as it is there, not after a fixed wait.
    std::chrono::steady_clock::time_point deadline;
    const auto readAnswer = [&] {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        std::memset(answer, 0, sizeof answer);
        return hid_read_timeout(handle, answer, kReportSize, int(std::max<qint64>(0, left.count())));
    };
    for (int attempt = 1; attempt <= kInfoQueryTries; ++attempt) {
        if (hid_write(handle, query.data(), kReportSize) < 0)
            qCDebug(lcHid) << "information query not written:" << errorText(handle);
        deadline = std::chrono::steady_clock::now() + kInfoAnswerWait;
        const int count = readAnswer();
        if (count <= 0 || answer[1] != kInfoCommand) {
            hid_close(handle);
            return kNotAnsweringName;
        }
        infoText = payloadText(answer, count);
        numberedText = QString::number(m_queryCount) + QLatin1Char('-') + infoText;
        if (!numberedText.contains(QLatin1Char(':'))) {
            answered = true;
            break;
        }
        // A build report left over from an earlier query: ask again, a bounded number of times.
        DDataManager::getInstance()->writeLog(
            attempt < kInfoQueryTries
                ? QStringLiteral("Get hid device info start: [ReadFile 0x0d - Read_InfoError goto Loop]")
                : QStringLiteral(
                      "Get hid device info start: [ReadFile 0x0d - Read_InfoError, no answer after %1 tries]")
                      .arg(kInfoQueryTries));
    }
    if (!answered) {
        hid_close(handle);
        return kNotAnsweringName;
    }

    // The model is the field between the last two commas; a text with no comma names none.
    const QStringList fields = numberedText.split(QLatin1Char(','));
    const QString name = fields.size() >= 2 ? fields.at(fields.size() - 2) : numberedText;

    const QStringList sections = infoText.split(QLatin1Char(','));
    auto section = [&sections](int i) { return i < sections.size() ? sections.at(i).toLatin1() : QByteArray(); };
    HidDeviceInfo deviceInfo;
    setRecordText(deviceInfo.chipName, section(0));
    setRecordText(deviceInfo.chipNum, section(1));
    setRecordText(deviceInfo.deviceKind, section(2));
    setRecordText(deviceInfo.makerTag, section(3));
    setRecordText(deviceInfo.hidName, section(4));
    setRecordText(deviceInfo.version, section(5));
    setRecordText(deviceInfo.hidPath, latinPath);
    m_hidDeviceInfoMap.insert(path, deviceInfo);

    // The build report follows at once.
    const int count = readAnswer();
    if (count > 0 && answer[1] == kInfoCommand) {
        const QString buildText = payloadText(answer, count);
        QString idText = fields.mid(0, std::max(0, int(fields.size()) - 2)).join(QString());
        idText += QLatin1Char(',') + name;
        const QString versionText = fields.last() + QStringLiteral("---") + buildDateTime(buildText);
        qCDebug(lcHid).noquote() << "------------------------------- Key:" << idText << "  Value:" << versionText;
        HidVersionInfo version;
        setRecordText(version.idText, idText.toLatin1());
        setRecordText(version.buildText, versionText.toLatin1());
        m_hidVersionInfoMap.insert(path, version);
    }
    hid_close(handle);
    return name;
}
