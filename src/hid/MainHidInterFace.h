// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one road to a device: a transport per opened device, a command queue and a
// lighting-frame queue, the handshake and the 1 ms timer. Its thread body is the reader, which
// waits in long reads; it runs a writer thread of its own that sleeps until a command, the
// frame that completes a batch, or closing wakes it. The instance named "mainThread" is the
// enumerator; it never opens a device and its thread never runs.

#include "HidRecords.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QThread>

#include <array>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>

class QTimer;
class ReportDescriptorReader;
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
    void setLightDataMode(int mode);  // the device type: 0 keyboard, 1 mouse
    int lightBatchFrames() const;     // frames a complete batch holds in the current mode
    void setClearLightDataFlag();     // drop the queued frames after the next lighting write
    void clearLightDataList();

    // The report id the open interface uses (1, or 6 on a "col06" interface).
    int reportId() const { return m_reportId; }

    void setShakeHandsMode(bool pcMode);  // handshake byte 6: 0x00 PC mode, 0x01 on-board mode
    void setSerialNumber(const QString &serialNumber);
    QString getSerialNumber() const;

    // The report id of an interface is decided once, when it is enumerated, and remembered
    // here by path. A path that carries "col06" always uses 6; an unknown path uses 1.
    static void setInterfaceReportId(const QString &path, int reportId);
    static int reportIdForPath(const QString &path);

    // --- enumeration (the enumerator only) ---------------------------------------------
    // getHidList modes: the full list, one arrival, one removal.
    static constexpr int kFullList = 10;
    static constexpr int kArrival = 11;
    static constexpr int kRemoval = 12;
    // A device that keeps answering the information query with a stale build report is
    // asked this many times, then taken as not answering.
    static constexpr int kInfoQueryTries = 3;
    static constexpr int kOpenAttempts = 4;

    // The model names a device must report to stay listed.
    void setHidNameList(const QStringList &list);
    // Runs one enumeration in the calling thread and emits sigGetHidListSuccessful at its end.
    // The full list queries every configuration interface; an arrival queries every interface
    // that is new since the last run; a removal drops every interface that has gone. One
    // enumeration runs at a time (the caller checks isGettingHidList).
    void getHidList(int type);
    // Copies of the published results, sorted by path; safe from any thread.
    QList<hidStructInfo> getHidStructInfoList() const;
    QList<HidDeviceInfo> getHidDeviceInfoList() const;
    QMap<QString, QString> getFirmwareInfoMap() const;
    bool isGettingHidList() const;
    // The information query of one interface, on a handle of its own: returns the model name,
    // "Open error" when the interface cannot be opened, "Keyboard Name" without an answer.
    QString getHidDeviceInfo(const QString &path);
    // Where the report descriptors of hidraw interfaces come from (sysfs unless replaced).
    void setReportDescriptorReader(std::shared_ptr<const ReportDescriptorReader> reader);

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
    void writerLoop(hid_device_ *handle);
    bool writeOne(hid_device_ *handle);
    void wakeWriter();
    void rest(int milliseconds);
    int lightBatchLimit() const;

    bool m_hidLibraryHeld = false;
    hid_device_ *m_hidHandle = nullptr;
    std::atomic<bool> m_isOpen{false};
    QString m_strHidPath;
    int m_reportId = 1;
    int m_threadIndex = 0;
    QString m_strHidName;
    int m_keyboardBatchFrames = 10;

    std::mutex m_commandMutex;
    std::deque<Report> m_commandList;
    std::mutex m_lightMutex;
    std::deque<Report> m_lightDataList;
    bool m_lightAccepting = false;  // guarded by m_lightMutex
    std::atomic<bool> m_lightDataEnabled{false};
    std::atomic<int> m_lightDataMode{0};
    std::atomic<bool> m_clearLightData{false};

    // The writer sleeps on m_writerWake until m_writerPending is set or the device closes;
    // the reader rests on m_readerRest after a failed read. Both under m_wakeMutex.
    std::mutex m_wakeMutex;
    std::condition_variable m_writerWake;
    std::condition_variable m_readerRest;
    bool m_writerPending = false;
    // hidapi keeps per-handle state (the last error text) that a read and a write on one
    // handle would both change, so the writer writes through a handle of its own. Only when
    // that second open fails do both threads share m_hidHandle, one call at a time.
    hid_device_ *m_writeHandle = nullptr;
    std::atomic<bool> m_sharedHandle{false};
    std::mutex m_sharedHandleMutex;

    QTimer *m_shakeHandsTimer = nullptr;
    int m_shakeHandsCount = 0;
    bool m_shakeHandsMode = true;
    QString m_strSerialNumber;
    Timer *m_timer = nullptr;

    // Enumeration. The maps and m_lastHidPathList belong to the running enumeration; the
    // published lists, m_firmwareInfoMap and m_hidNameList are guarded by m_listMutex.
    void keepOrDrop(const QString &path, const QString &name, const QStringList &nameList);
    mutable std::mutex m_listMutex;
    QStringList m_hidNameList;
    QStringList m_lastHidPathList;
    QMap<QString, hidStructInfo> m_hidStructInfoMap;
    QMap<QString, HidVersionInfo> m_hidVersionInfoMap;
    QMap<QString, HidDeviceInfo> m_hidDeviceInfoMap;
    QList<hidStructInfo> m_hidStructInfoList;
    QList<HidDeviceInfo> m_hidDeviceInfoList;
    QMap<QString, QString> m_firmwareInfoMap;
    int m_queryCount = 0;
    std::atomic<bool> m_gettingHidList{false};
    std::shared_ptr<const ReportDescriptorReader> m_descriptorReader;
};
