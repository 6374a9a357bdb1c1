// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writes a firmware image into a device's bootloader. Each attempt runs in a worker thread of
// its own, which holds a copy of the job: it finds the bootloader among the HID devices by its
// vendor and product ids, opens the first that opens, sends the image packet by packet (one
// reply awaited per packet), sends the end packet and closes the handle on every path. The
// worker touches nothing but its copy; progress and the attempt's end reach the owner's
// thread as queued signals, the end only once the worker has finished. One attempt at a time.

#include "DeviceModels.h"
#include "ThreadEnd.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QVector>

class QThread;

class BootloaderWriter : public QObject
{
    Q_OBJECT
public:
    // Outcomes of an attempt besides the error codes of FirmwareCommands (100 to 104).
    static constexpr int kSucceeded = 0;     // every packet taken, the end packet written
    static constexpr int kNotFound = 1;      // no bootloader present
    static constexpr int kOpenFailed = 2;    // present, but none opened
    static constexpr int kNoHidLibrary = 3;  // hidapi could not be initialised

    struct Job {
        QString model;
        QString serial;
        QByteArray image;  // the flat image, exactly as long as the chip family's image
        QVector<models::UsbId> bootloaderIds;
    };

    explicit BootloaderWriter(QObject *parent = nullptr);
    ~BootloaderWriter() override;  // waits for a running attempt

    // How long a packet's reply may take (2 s unless set).
    void setReplyTimeout(int ms) { replyTimeoutMs = ms; }
    int replyTimeout() const { return replyTimeoutMs; }

    // Starts one attempt with a copy of the job; false while one runs.
    bool start(const Job &job);
    bool isRunning() const { return worker != nullptr; }

    // Whether a bootloader with one of these ids is present now.
    static bool isPresent(const QVector<models::UsbId> &ids);

signals:
    // After each written data packet whose percentage differs from the one reported before.
    void progress(int total, int done);
    // The attempt is over and its handle closed: kSucceeded, kNotFound, kOpenFailed,
    // kNoHidLibrary or an error code 100 to 104.
    void attemptEnded(int outcome);

private:
    int run(const Job &job, int timeoutMs);
    void onWorkerFinished();

    // wait() for the worker, and order its last steps before ours.
    void waitForWorker();

    QThread *worker = nullptr;
    int outcome = kSucceeded;  // written by the worker, read after waitForWorker()
    ThreadEnd workerEnd;
    int replyTimeoutMs = 2000;
};
