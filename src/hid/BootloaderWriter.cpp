// SPDX-License-Identifier: GPL-3.0-or-later
#include "BootloaderWriter.h"

#include "FirmwareCommands.h"
#include "HidLibrary.h"
#include "LogCategories.h"
#include "WorkerThread.h"

#include <QStringList>
#include <QThread>

#include <hidapi.h>

#include <cerrno>
#include <memory>

namespace {

bool matches(const QVector<models::UsbId> &ids, unsigned short vendorId, unsigned short productId)
{
    for (const models::UsbId &id : ids) {
        if (id.vendorId == vendorId && id.productId == productId)
            return true;
    }
    return false;
}

// The paths of the present bootloader interfaces, in enumeration order, each once.
QStringList bootloaderPaths(const QVector<models::UsbId> &ids)
{
    QStringList paths;
    hid_device_info *list = hid_enumerate(0, 0);
    for (const hid_device_info *cur = list; cur; cur = cur->next) {
        if (!cur->path || !matches(ids, cur->vendor_id, cur->product_id))
            continue;
        const QString path = QString::fromLocal8Bit(cur->path);
        if (!paths.contains(path))
            paths.append(path);
    }
    hid_free_enumeration(list);
    return paths;
}

struct HidLibraryUse {
    bool held = HidLibrary::acquire();
    ~HidLibraryUse()
    {
        if (held)
            HidLibrary::release();
    }
};

struct HandleCloser {
    void operator()(hid_device *handle) const { hid_close(handle); }
};

int fail(int code)
{
    if (code == FirmwareCommands::kErrorEnd)
        qCWarning(lcFirmware).noquote() << QStringLiteral("Upgrade failed !  ErrorCode[%1]").arg(code);
    else
        qCWarning(lcFirmware).noquote() << QStringLiteral("Upgrade failed ! ErrorCode[%1]").arg(code);
    return code;
}

}  // namespace

BootloaderWriter::BootloaderWriter(QObject *parent)
    : QObject(parent)
{
}

BootloaderWriter::~BootloaderWriter()
{
    if (worker) {
        // Destroyed during an attempt (the program quits mid-update): the attempt runs to its end
        // and closes its handle; nobody is told but the log.
        waitForWorker();
        const int ended = outcome;
        qCWarning(lcFirmware) << "The firmware writer was closed during an attempt; it ended with" << ended;
        delete worker;
    }
}

bool BootloaderWriter::isPresent(const QVector<models::UsbId> &ids)
{
    HidLibraryUse library;
    if (!library.held)
        return false;
    return !bootloaderPaths(ids).isEmpty();
}

bool BootloaderWriter::start(const Job &job)
{
    if (worker)
        return false;
    const int timeoutMs = replyTimeoutMs;
    worker = new WorkerThread([this, job, timeoutMs] {
        outcome = run(job, timeoutMs);
        workerEnd.finished();
    });
    worker->setObjectName(QStringLiteral("firmwareWriter"));
    connect(worker, &QThread::finished, this, &BootloaderWriter::onWorkerFinished);
    worker->start();
    return true;
}

void BootloaderWriter::onWorkerFinished()
{
    if (!worker)
        return;
    waitForWorker();
    worker->deleteLater();
    worker = nullptr;
    emit attemptEnded(outcome);
}

void BootloaderWriter::waitForWorker()
{
    ThreadEnd::aboutToWait(worker);
    worker->wait();
    workerEnd.waited();
}

int BootloaderWriter::run(const Job &job, int timeoutMs)
{
    HidLibraryUse library;
    if (!library.held) {
        qCWarning(lcFirmware) << "hidapi could not be initialised for the firmware update";
        return kNoHidLibrary;
    }
    const QStringList paths = bootloaderPaths(job.bootloaderIds);
    std::unique_ptr<hid_device, HandleCloser> handle;
    for (const QString &path : paths) {
        qCInfo(lcFirmware).noquote() << "-------------------------- ******** path:" << path;
        handle.reset(hid_open_path(path.toLocal8Bit().constData()));
        if (handle) {
            qCInfo(lcFirmware).noquote() << QString::fromUtf8(
                "------------- 查找到相应的vid设备信息 打开设备成功 --------------- ");
            break;
        }
        const int lastError = errno;
        qCWarning(lcFirmware).noquote()
            << QString::fromUtf8("------------- 查找到相应的vid设备信息 打开设备失败  LastError:%1 ").arg(lastError);
    }
    if (paths.isEmpty()) {
        qCWarning(lcFirmware) << "Not find the upgrade device !";
        return kNotFound;
    }
    if (!handle) {
        qCWarning(lcFirmware) << "Open device failed !";
        return kOpenFailed;
    }

    const int count = FirmwareCommands::packetCount(job.image.size());
    int shownPercent = -1;
    for (int i = 0; i < count; ++i) {
        const FirmwareCommands::Report packet = FirmwareCommands::dataPacket(job.image, i);
        if (hid_write(handle.get(), packet.data(), packet.size()) < int(packet.size()))
            return fail(FirmwareCommands::kErrorWrite);
        const int percent = FirmwareCommands::progressPercent(count, i + 1);
        if (percent != shownPercent) {
            shownPercent = percent;
            emit progress(count, i + 1);
        }
        unsigned char reply[FirmwareCommands::kReportSize] = {};
        const int read = hid_read_timeout(handle.get(), reply, sizeof reply, timeoutMs);
        if (read < 3)
            return fail(FirmwareCommands::kErrorRead);
        if (const int error = FirmwareCommands::replyError(reply, read))
            return fail(error);
    }
    const FirmwareCommands::Report end = FirmwareCommands::endPacket();
    if (hid_write(handle.get(), end.data(), end.size()) < int(end.size()))
        return fail(FirmwareCommands::kErrorEnd);
    qCInfo(lcFirmware).noquote() << "------------- *** WriteFile Stop succerssful *** --------------- ";
    return kSucceeded;
}
