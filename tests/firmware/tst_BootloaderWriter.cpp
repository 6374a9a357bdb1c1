// SPDX-License-Identifier: GPL-3.0-or-later
// The firmware writer on its own, against the simulated bootloader: what happens when its owner
// goes while an attempt runs.

#include "BootloaderWriter.h"
#include "Emulator.h"
#include "FirmwareCommands.h"
#include "FirmwareImageMaker.h"
#include "ThreadEnd.h"

#include <QtTest>

#include <memory>

class tst_BootloaderWriter : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void destroyedDuringAnAttemptLetsItEnd();
};

void tst_BootloaderWriter::initTestCase()
{
    // Every worker here ends before its owner enters wait(): the order in which only ThreadEnd's
    // steps order the two for the race detector, so a missing step is reported on every run.
    ThreadEnd::setWorkerEndsFirst(true);
}

void tst_BootloaderWriter::cleanup()
{
    emu::reset();
}

void tst_BootloaderWriter::destroyedDuringAnAttemptLetsItEnd()
{
    // A bare bootloader takes the first packet and never answers it: the attempt ends by itself
    // once the reply's time is up.
    const emu::DeviceSpec spec = emu::bootloaderSpec();
    const emu::DeviceId id = emu::plug(spec);
    BootloaderWriter::Job job;
    job.model = QStringLiteral("ZK87A");
    job.image = emu::firmwareImage(QStringLiteral("NUC121,01,KB,ZK,ZK87A,V1.03"));
    job.bootloaderIds = {models::UsbId{spec.vendorId, spec.productId}};

    auto writer = std::make_unique<BootloaderWriter>();
    writer->setReplyTimeout(50);
    QSignalSpy ended(writer.get(), &BootloaderWriter::attemptEnded);
    QTest::ignoreMessage(QtWarningMsg, "Upgrade failed ! ErrorCode[101]");
    QTest::ignoreMessage(QtWarningMsg, "The firmware writer was closed during an attempt; it ended with 101");
    QVERIFY(writer->start(job));
    writer.reset();  // waits for the attempt, which was not told to stop

    QCOMPARE(emu::writtenCommand(id, 0x0C).size(), 1);
    QCOMPARE(emu::openHandleCount(id), 0);
    QCOMPARE(ended.size(), 0);  // nobody is left to tell
}

QTEST_GUILESS_MAIN(tst_BootloaderWriter)
#include "tst_BootloaderWriter.moc"
