#pragma once
// The one road to a device: a transport with its own I/O thread per opened device, a
// command queue and a lighting-frame queue, the handshake and the 1 ms timer. The instance
// named "mainThread" is the enumerator; it never opens a device and its thread never runs.

#include <QByteArray>
#include <QString>
#include <QThread>

#include <array>
#include <atomic>
#include <deque>
#include <mutex>

class QTimer;
class Timer;
struct hid_device_;

class MainHidInterFace : public QThread
{
    Q_OBJECT
public:
    static constexpr int kReportSize = 64;
    using Report = std::array<unsigned char, kReportSize>;

    MainHidInterFace(int threadIndex, const QString &hidName, QObject *parent = nullptr);
    ~MainHidInterFace() override;

    // Opens the device at path (the ids are not used); 0 on success, -1 on failure.
    // Queues the serial-number inquiry and starts the handshake; the caller then starts the thread.
    int hidOpenPath(int vendorId, int productId, const QString &path);
    // Stops the I/O thread, then closes the device. Always 0; a second call does nothing.
    int closeHidDevice();
    bool isHidOpen() const;

    // Queue one 64-byte report (length is not used: 64 bytes are taken from data).
    // On an interface whose report id is 6, byte 0 of the caller's buffer is set to 6 first.
    // writeCommand: -1 when no device is open, else 0.
    // writeLightData: -1 when no device is open, 0 when queued or when lighting output is
    // off (nothing queued), 1 when the frame is refused because a batch is being written.
    int writeCommand(unsigned char *data, int length);
    int writeLightData(unsigned char *data, int length);

    void setLightDataEnabled(bool enabled);
    void setLightDataMode(int mode);      // the device type: 0 keyboard, 1 mouse
    void setClearLightDataFlag();         // drop the queued frames after the next lighting write
    void clearLightDataList();

    void setShakeHandsMode(bool pcMode);  // handshake byte 6: 0x00 PC mode, 0x01 on-board mode
    void setSerialNumber(const QString &serialNumber);
    QString getSerialNumber() const;

    // The report id of an interface is decided once, when it is enumerated, and remembered
    // here by path. A path that carries "col06" always uses 6; an unknown path uses 1.
    static void setInterfaceReportId(const QString &path, int reportId);
    static int reportIdForPath(const QString &path);

signals:
    void sigHidDataArrived(QByteArray data, int length, int threadIndex);
    void sigHidSnGetOver(MainHidInterFace *handle, QByteArray data, QString strHidName);
    void sigHidWriteErrorInfo(QString errorInfo);
    void sigOpenHidSuccessful();
    void sigGetHidListSuccessful();
    void sigClickButton();

public slots:
    void onShakeHandsRuning();
    void onTimeout();

protected:
    void run() override;

private:
    bool writeTurn();
    int readTurn(bool blocking);
    void waitMicroseconds(int microseconds);
    int lightBatchLimit() const;

    bool m_hidLibraryHeld = false;
    hid_device_ *m_hidHandle = nullptr;
    std::atomic<bool> m_isOpen{false};
    QString m_strHidPath;
    int m_reportId = 1;
    int m_threadIndex = 0;
    QString m_strHidName;
    bool m_elevenFrameBatches = false;

    std::mutex m_commandMutex;
    std::deque<Report> m_commandList;
    std::mutex m_lightMutex;
    std::deque<Report> m_lightDataList;
    bool m_lightAccepting = false;  // guarded by m_lightMutex
    std::atomic<bool> m_lightDataEnabled{false};
    std::atomic<int> m_lightDataMode{0};
    std::atomic<bool> m_clearLightData{false};
    bool m_readTurn = false;        // I/O thread only

    QTimer *m_shakeHandsTimer = nullptr;
    int m_shakeHandsCount = 0;
    bool m_shakeHandsMode = true;
    QString m_strSerialNumber;
    Timer *m_timer = nullptr;
};
