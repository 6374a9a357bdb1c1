// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A main window over simulated devices with an image folder of its own, for firmware updates
// end to end: open the update window, press a row, follow the bootloader's packets.

#include "DMainWidget.h"
#include "DUpdateFirmwareDia.h"
#include "Emulator.h"
#include "EmulatorDeviceNotifier.h"
#include "EmulatorReportDescriptorReader.h"
#include "FirmwareImageMaker.h"
#include "FirstEnumeration.h"
#include "UpdateFirmwareInfoItem.h"

#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <mutex>

namespace fwtest {

// Counts the log lines that contain a text, from any thread; several counters may run at once.
class LogLines
{
public:
    explicit LogLines(const QString &text)
        : m_text(text)
    {
        std::lock_guard<std::mutex> lock(mutex());
        if (counters().isEmpty())
            previous() = qInstallMessageHandler(&LogLines::handle);
        counters().append(this);
    }
    ~LogLines()
    {
        std::lock_guard<std::mutex> lock(mutex());
        counters().removeAll(this);
        if (counters().isEmpty())
            qInstallMessageHandler(previous());
    }
    int count() const
    {
        std::lock_guard<std::mutex> lock(mutex());
        return m_count;
    }

private:
    static std::mutex &mutex()
    {
        static std::mutex m;
        return m;
    }
    static QList<LogLines *> &counters()
    {
        static QList<LogLines *> list;
        return list;
    }
    static QtMessageHandler &previous()
    {
        static QtMessageHandler handler = nullptr;
        return handler;
    }
    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &message)
    {
        QtMessageHandler next = nullptr;
        {
            std::lock_guard<std::mutex> lock(mutex());
            for (LogLines *counter : counters()) {
                if (message.contains(counter->m_text))
                    ++counter->m_count;
            }
            next = previous();
        }
        if (next)
            next(type, context, message);
    }
    QString m_text;
    int m_count = 0;
};

// Every bootloader that arrives, remembered with its id (its written reports stay readable).
class BootloaderWatch
{
public:
    BootloaderWatch()
    {
        token = emu::addHotplugListener([this](emu::DeviceId id, bool arrived) {
            if (arrived && emu::spec(id).kind == emu::Kind::Bootloader) {
                std::lock_guard<std::mutex> lock(m);
                ids.append(id);
            }
        });
    }
    ~BootloaderWatch() { emu::removeHotplugListener(token); }
    QVector<emu::DeviceId> arrived() const
    {
        std::lock_guard<std::mutex> lock(m);
        return ids;
    }
    // Packet indexes (bytes 3 and 4) of the 0x0C reports every bootloader got, in order.
    QVector<int> packets() const
    {
        QVector<int> result;
        for (const emu::DeviceId id : arrived()) {
            for (const emu::WrittenReport &r : emu::writtenCommand(id, 0x0C))
                result.append((uint8_t(r.data[3]) << 8) | uint8_t(r.data[4]));
        }
        return result;
    }

private:
    int token = 0;
    mutable std::mutex m;
    QVector<emu::DeviceId> ids;
};

inline emu::DeviceSpec keyboard(const QString &infoText, const QByteArray &serial, int unit)
{
    emu::DeviceSpec spec = emu::keyboardSpec(QStringLiteral("ZK87A"));
    spec.infoText = infoText;
    spec.serial = serial;
    spec.unit = unit;
    return spec;
}

inline QByteArray serialOf(char c)
{
    return QByteArray(32, c);
}

inline std::unique_ptr<DMainWidget> makeWindow(const QString &imageFolder,
                                               const DMainWidget::StartOptions::FirmwareWaits &waits = {})
{
    DMainWidget::StartOptions options;
    options.createNotifier = [](QObject *parent) { return new EmulatorDeviceNotifier(parent); };
    options.descriptorReader = std::make_shared<EmulatorReportDescriptorReader>();
    options.registerAutoStart = false;
    options.firmwareImageFolder = imageFolder;
    options.firmwareWaits = waits;
    auto window = std::make_unique<DMainWidget>(options);
    if (!firstEnumeration::applied(*window))
        QTest::qFail("the first enumeration was not applied", __FILE__, __LINE__);
    return window;
}

// Short waits for the failures, which they bound.
inline DMainWidget::StartOptions::FirmwareWaits shortWaits()
{
    DMainWidget::StartOptions::FirmwareWaits waits;
    waits.handOver = 200;
    waits.reply = 300;
    waits.retry = 50;
    waits.bootloader = 4000;
    waits.deviceReturn = 4000;
    return waits;
}

inline void press(UpdateFirmwareInfoItem *row)
{
    row->findChild<QPushButton *>(QStringLiteral("pushButton_Update"))->click();
}

// The row of the unit with this serial number.
inline UpdateFirmwareInfoItem *rowOf(DUpdateFirmwareDia *dialog, const QByteArray &serial)
{
    for (UpdateFirmwareInfoItem *row : dialog->getRows()) {
        if (row->getSerialNumber() == QString::fromLatin1(serial))
            return row;
    }
    return nullptr;
}

}  // namespace fwtest
