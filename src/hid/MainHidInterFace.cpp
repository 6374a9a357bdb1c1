#include "MainHidInterFace.h"

#include "HidLibrary.h"
#include "Timer.h"

#include <QDebug>
#include <QHash>
#include <QTimer>

#include <hidapi.h>

#include <chrono>
#include <cstring>
#include <thread>

namespace {

const QString kEnumeratorName = QStringLiteral("mainThread");

// Keyboards whose lighting frames go out in batches of 11 instead of 10.
const QStringList kElevenFrameModels = {
    QStringLiteral("ZK87S"),  QStringLiteral("ZK104A"), QStringLiteral("ZK104B"),
    QStringLiteral("ZK104C"), QStringLiteral("ZK104R"), QStringLiteral("ZK104S"),
    QStringLiteral("ZK104W"),
};

constexpr int kTurnWaitUs = 100;
constexpr int kShakeHandsIntervalMs = 700;
// With no report read or written for this long the loop stops spinning: each read turn
// then waits in the read itself for up to kIdleReadTimeoutMs, so input is still taken the
// moment it arrives and only a report queued meanwhile waits up to that timeout. The
// handshake's write and answer are traffic too, so the spinning after each one must stay
// short: 20 ms of it every 700 ms costs a few tenths of a percent of a core per device.
constexpr std::chrono::milliseconds kIdleAfter(20);
constexpr int kIdleReadTimeoutMs = 8;

QString errorText(hid_device *handle)
{
    const wchar_t *error = hid_error(handle);
    return error ? QString::fromWCharArray(error) : QString();
}

std::mutex g_reportIdMutex;
QHash<QString, int> g_reportIds;

} // namespace

MainHidInterFace::MainHidInterFace(int threadIndex, const QString &hidName, QObject *parent)
    : QThread(parent)
{
    m_hidLibraryHeld = HidLibrary::acquire();
    if (!m_hidLibraryHeld) {
        qDebug() << "hid_init failed";
        return;
    }
    m_threadIndex = threadIndex;
    m_strHidName = hidName;
    m_elevenFrameBatches = kElevenFrameModels.contains(hidName);
    if (hidName == kEnumeratorName)
        return;

    m_shakeHandsTimer = new QTimer(this);
    connect(m_shakeHandsTimer, &QTimer::timeout, this, &MainHidInterFace::onShakeHandsRuning);

    m_timer = new Timer(this);
    // The tick does no work that anything observes: take it on the ticker thread rather
    // than waking this object's thread a thousand times a second.
    connect(m_timer, &Timer::sigTimeout, this, &MainHidInterFace::onTimeout, Qt::DirectConnection);
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
    // A transport is opened once: not after a failed hidapi start, not while open, not after closing.
    if (!m_hidLibraryHeld || m_isOpen || m_hidHandle)
        return -1;
    m_strHidPath = path;
    qDebug() << "________________________ MainHidInterFace hidOpenPath:" << path;

    hid_device *handle = hid_open_path(path.toLatin1().constData());
    if (!handle) {
        qDebug() << "Unable to open device\n";
        return -1;
    }
    qDebug() << "Open device success\n";
    m_hidHandle = handle;
    m_reportId = reportIdForPath(path);
    m_isOpen = true;

    Report inquiry{};
    inquiry[0] = 1;
    inquiry[1] = 0x15;
    if (writeCommand(inquiry.data(), kReportSize) < 0)
        qDebug() << "---------- *** Inquire [Device SN] Failed *** ----------";

    m_shakeHandsCount = 0;
    m_shakeHandsTimer->start(kShakeHandsIntervalMs);
    hid_set_nonblocking(handle, 1);
    emit sigOpenHidSuccessful();
    return 0;
}

int MainHidInterFace::closeHidDevice()
{
    if (m_isOpen.exchange(false)) {
        wait();  // the I/O thread leaves its loop before the handle goes
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
    std::lock_guard<std::mutex> lock(m_commandMutex);
    m_commandList.push_back(report);
    return 0;
}

int MainHidInterFace::lightBatchLimit() const
{
    if (m_lightDataMode == 1)
        return 1;
    return m_elevenFrameBatches ? 10 : 9;
}

int MainHidInterFace::writeLightData(unsigned char *data, int length)
{
    Q_UNUSED(length)
    if (!m_isOpen || !data)
        return -1;
    if (m_reportId == 6)
        data[0] = 6;
    std::lock_guard<std::mutex> lock(m_lightMutex);
    if (m_lightDataList.empty())
        m_lightAccepting = true;
    if (!m_lightDataEnabled)
        return 0;
    if (!m_lightAccepting)
        return 1;
    if (static_cast<int>(m_lightDataList.size()) == lightBatchLimit())
        m_lightAccepting = false;
    Report frame;
    std::memcpy(frame.data(), data, kReportSize);
    m_lightDataList.push_back(frame);
    return 0;
}

void MainHidInterFace::setLightDataEnabled(bool enabled)
{
    m_lightDataEnabled = enabled;
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
        qDebug() << "---------- *** ShakeHands Failed [MainHidInterFace] *** ---------- m_strHidName:"
                 << m_strHidName << "  Stop_m_ShakeHandsRunNum:" << m_shakeHandsCount;
        return;
    }
    ++m_shakeHandsCount;
}

void MainHidInterFace::onTimeout()
{
}

// One write turn: the first command, else the next frame of a complete lighting batch.
// Returns true when a report was written.
bool MainHidInterFace::writeTurn()
{
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
        int written = hid_write(m_hidHandle, report.data(), kReportSize);
        if (written < 0)
            qDebug().noquote() << QStringLiteral("hid_write command ERROR:[%1] %2")
                                      .arg(written)
                                      .arg(errorText(m_hidHandle));
        return true;
    }

    {
        std::lock_guard<std::mutex> lock(m_lightMutex);
        if (m_lightDataList.empty() || !m_lightDataEnabled || m_lightAccepting)
            return false;
        report = m_lightDataList.front();
        m_lightDataList.pop_front();
    }
    int written = hid_write(m_hidHandle, report.data(), kReportSize);
    if (m_clearLightData.exchange(false)) {
        std::lock_guard<std::mutex> lock(m_lightMutex);
        m_lightDataList.clear();
    }
    if (written < 0)
        emit sigHidWriteErrorInfo(
            QStringLiteral("hid_write lightData ERROR:[%1] %2").arg(written).arg(errorText(m_hidHandle)));
    return true;
}

// One read turn; returns the byte count the read gave.
int MainHidInterFace::readTurn(bool blocking)
{
    // Cleared every time: a short read must not leave bytes of the previous report behind.
    unsigned char buffer[kReportSize] = {};
    int count = blocking ? hid_read_timeout(m_hidHandle, buffer, kReportSize, kIdleReadTimeoutMs)
                         : hid_read(m_hidHandle, buffer, kReportSize);
    if (count > 0) {
        if (buffer[1] == 0x15)
            emit sigHidSnGetOver(this, QByteArray(reinterpret_cast<const char *>(buffer), kReportSize),
                                 m_strHidName);
        emit sigHidDataArrived(QByteArray(reinterpret_cast<const char *>(buffer), kReportSize), count,
                               m_threadIndex);
    }
    return count;
}

void MainHidInterFace::waitMicroseconds(int microseconds)
{
    std::this_thread::sleep_for(std::chrono::microseconds(microseconds));
}

void MainHidInterFace::run()
{
    using Clock = std::chrono::steady_clock;
    Clock::time_point lastTraffic = Clock::now();
    while (m_isOpen) {
        bool idle = Clock::now() - lastTraffic > kIdleAfter;
        if (!m_readTurn) {
            if (writeTurn())
                lastTraffic = Clock::now();
            m_readTurn = true;
            if (idle)
                continue;  // the next read waits in the read itself
        } else {
            int count = readTurn(idle);
            m_readTurn = false;
            if (count > 0) {
                lastTraffic = Clock::now();
                idle = false;
            } else if (idle && count < 0) {
                // A failing handle (a device pulled out) answers at once: rest as long as
                // the read would have waited instead of spinning until it is closed.
                waitMicroseconds(kIdleReadTimeoutMs * 1000);
                continue;
            }
            if (idle)
                continue;
        }
        waitMicroseconds(kTurnWaitUs);
    }
}
