// SPDX-License-Identifier: GPL-3.0-or-later
// The writer's attempts against a bootloader that misbehaves: how many attempts run, which
// error codes are logged, and whether the update ends in success or failure. A success is
// only ever reported once the unit is back with the new version.

#include "DDataManager.h"
#include "FirmwareUpdateSupport.h"
#include "ThreadEnd.h"
#include "UserSettings.h"

using namespace fwtest;
using emu::BootloaderFault;

Q_DECLARE_METATYPE(emu::BootloaderFault)

namespace {

constexpr int kWait = 60000;  // generous: the machine is shared
constexpr int kTwoFailedOpens = -1;

}  // namespace

class tst_BootloaderFaults : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void attempts_data();
    void attempts();
    void arrivalWithoutAnUpdateIsIgnored();

private:
    std::unique_ptr<QTemporaryDir> folder;
};

void tst_BootloaderFaults::initTestCase()
{
    // Every worker here ends before its owner enters wait(): the order in which only ThreadEnd's
    // steps order the two for the race detector, so a missing step is reported on every run.
    ThreadEnd::setWorkerEndsFirst(true);
    DDataManager::getInstance();
}

void tst_BootloaderFaults::init()
{
    emu::reset();
    folder = std::make_unique<QTemporaryDir>();
    QVERIFY(folder->isValid());
    UserSettings settings;
    settings.remove(UserSettingsKey::FirmwareJobGroup);
    settings.sync();
}

void tst_BootloaderFaults::cleanup()
{
    emu::reset();
    folder.reset();
}

void tst_BootloaderFaults::attempts_data()
{
    QTest::addColumn<int>("fault");  // a BootloaderFault, or kTwoFailedOpens
    QTest::addColumn<int>("packet");
    QTest::addColumn<bool>("always");
    QTest::addColumn<int>("attempts");
    QTest::addColumn<QString>("logged");
    QTest::addColumn<int>("loggedCount");
    QTest::addColumn<bool>("succeeds");

    const auto f = [](BootloaderFault fault) { return int(fault); };
    QTest::newRow("status 1 at 700, once")
        << f(BootloaderFault::RefuseAt) << 700 << false << 2 << "ErrorCode[102]" << 1 << true;
    QTest::newRow("status 2 always") << f(BootloaderFault::FlashFaultAt) << 5 << true << 5 << "ErrorCode[103]" << 5
                                     << false;
    QTest::newRow("no reply") << f(BootloaderFault::NoReplyAt) << 10 << false << 2 << "ErrorCode[101]" << 1 << true;
    QTest::newRow("write fails") << f(BootloaderFault::WriteFailsAt) << 10 << false << 2 << "ErrorCode[100]" << 1
                                 << true;
    QTest::newRow("end packet fails") << f(BootloaderFault::WriteFailsAt) << 0xFFFF << false << 2
                                      << "Upgrade failed !  ErrorCode[104]" << 1 << true;
    QTest::newRow("two failed opens") << kTwoFailedOpens << 0 << false << 3 << "Open device failed !" << 2 << true;
    QTest::newRow("vanished at 300") << f(BootloaderFault::UnplugAt) << 300 << false << 5
                                     << "Not find the upgrade device !" << 4 << false;
    QTest::newRow("never arrives") << f(BootloaderFault::NoBootloader) << 0 << false << 0 << "ErrorCode[" << 0 << false;
    QTest::newRow("verify fails") << f(BootloaderFault::VerifyFails) << 0 << false << 1 << "ErrorCode[" << 0 << false;
    QTest::newRow("old version back") << f(BootloaderFault::OldVersion) << 0 << false << 1 << "ErrorCode[" << 0
                                      << false;
}

void tst_BootloaderFaults::attempts()
{
    QFETCH(int, fault);
    QFETCH(int, packet);
    QFETCH(bool, always);
    QFETCH(int, attempts);
    QFETCH(QString, logged);
    QFETCH(int, loggedCount);
    QFETCH(bool, succeeds);

    // A 64 KB chip family, so packet 700 exists.
    const emu::DeviceId kb = emu::plug(keyboard(QStringLiteral("M252,01,KB,ZK,ZK87A,V1.02"), serialOf('5'), 0));
    if (fault != kTwoFailedOpens)
        emu::setBootloaderFault(kb, BootloaderFault(fault), packet, always);
    QVERIFY(emu::writeFirmwareHex(QStringLiteral("M252,01,KB,ZK,ZK87A,V1.03"),
                                  folder->filePath(QStringLiteral("ZK87A.hex"))));
    auto waits = shortWaits();
    waits.deviceReturn = 8000;
    const auto window = makeWindow(folder->path(), waits);
    window->show();
    QVERIFY(window->checkFirmwareUpgrade(1));
    DUpdateFirmwareDia *dialog = window->getUpgradeDialog();
    QVERIFY(dialog);

    const BootloaderWatch watch;
    const LogLines attemptLines(QStringLiteral("[ Hid into update firmware ]"));
    int attemptCount = 0;
    int loggedLines = 0;
    {
        const LogLines codeLines(logged);
        press(dialog->getRows().first());
        if (fault == kTwoFailedOpens)
            emu::failNextOpens(2);
        QTRY_VERIFY_WITH_TIMEOUT(dialog->isIdle(), kWait);
        loggedLines = codeLines.count();
    }
    attemptCount = attemptLines.count();
    QCOMPARE(loggedLines, loggedCount);
    QCOMPARE(attemptCount, attempts);
    QCOMPARE(dialog->getRows().first()->isComplete(), succeeds);
    QCOMPARE(dialog->noticeText(), succeeds ? QStringLiteral("Upgrade successful") : QStringLiteral("Upgrade failed"));
    QCOMPARE(emu::writtenCommand(kb, 0x0B).size(), 1);
    if (succeeds) {
        // The attempt that succeeded sent the whole image from packet 0, in order, then the end.
        const QVector<int> packets = watch.packets();
        const QVector<int> last = packets.mid(packets.lastIndexOf(0));
        QCOMPARE(last.size(), 1366 + 1);
        for (int i = 0; i < 1366; ++i)
            QCOMPARE(last[i], i);
        QCOMPARE(last.last(), 0xFFFF);
    }
    // The window may be closed after either end.
    QMetaObject::invokeMethod(dialog, "on_pushButton_Close_clicked");
    QVERIFY(!window->getUpgradeDialog());
}

void tst_BootloaderFaults::arrivalWithoutAnUpdateIsIgnored()
{
    const auto window = makeWindow(folder->path(), shortWaits());
    const LogLines ignored(QStringLiteral("no firmware update waits for it; ignored"));
    const LogLines attempts(QStringLiteral("[ Hid into update firmware ]"));
    emu::plug(emu::bootloaderSpec());
    QTRY_COMPARE_WITH_TIMEOUT(ignored.count(), 1, kWait);
    QTest::qWait(300);
    QCOMPARE(attempts.count(), 0);
    QVERIFY(!window->getUpgradeDialog());
}

QTEST_MAIN(tst_BootloaderFaults)
#include "tst_BootloaderFaults.moc"
