// What the simulated keyboard and mouse answer, what they record, their input and reply faults.

#include "EmulatorTestSupport.h"

#include <QElapsedTimer>
#include <QtTest>

#include <thread>

using namespace emutest;
using emu::PathStyle;
using emu::ReplyFault;
using std::chrono::milliseconds;

Q_DECLARE_METATYPE(emu::PathStyle)
Q_DECLARE_METATYPE(emu::ReplyFault)

namespace {

// A plugged device and an open handle on its configuration interface.
struct Plugged {
    explicit Plugged(const emu::DeviceSpec &spec)
        : id(emu::plug(spec))
        , handle(openPath(emu::configurationPath(id)))
        , reportId(spec.pathStyle == PathStyle::WindowsCol06 || spec.pathStyle == PathStyle::LinuxCol06 ? 6 : 1)
    {
    }
    ~Plugged() { hid_close(handle); }
    QVector<QByteArray> ask(uint8_t cmd, const QByteArray &payload = QByteArray())
    {
        drain(handle);
        write(handle, command(cmd, reportId, payload));
        return drain(handle);
    }
    emu::DeviceId id;
    hid_device *handle;
    int reportId;
};

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

}  // namespace

class TestEmulatorDevice : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { emu::reset(); }

    void defaultInformationParses_data();
    void defaultInformationParses();
    void answers_data();
    void answers();
    void recordedCommandsAndComputerVisible();
    void serialIsStoredLikeFlash();
    void serialFaults_data();
    void serialFaults();
    void handshakeRecordsMode();
    void replyFaults_data();
    void replyFaults();
    void informationWithColon();
    void acknowledgementFaults();
    void replyOverride();
    void writeFaultsAndLatency();
    void spontaneousInput();
    void waitForCommand();
    void bootloaderRecordsOnly();
};

void TestEmulatorDevice::defaultInformationParses_data()
{
    QTest::addColumn<QString>("model");
    for (const char *m : {"ZK87A", "ZK87B", "ZK87C", "ZK87R", "ZK87S", "ZK87W", "ZK104A", "ZK104B", "ZK104C", "ZK104R",
                          "ZK104S", "ZK104W", "ZM1"})
        QTest::newRow(m) << QString::fromLatin1(m);
}

void TestEmulatorDevice::defaultInformationParses()
{
    // The program takes the model from between the last two commas of the information text
    // and repeats the query while the text holds ':'.
    QFETCH(QString, model);
    const bool mouse = model == QLatin1String("ZM1");
    Plugged d(mouse ? emu::mouseSpec(model) : emu::keyboardSpec(model));
    const QVector<QByteArray> answer = d.ask(0x0D);
    QCOMPARE(answer.size(), 2);
    const QByteArray info = payloadText(answer[0]);
    QVERIFY(info.size() <= 58);
    QVERIFY(!info.contains(':'));
    const QList<QByteArray> fields = info.split(',');
    QCOMPARE(fields.size(), 6);
    QCOMPARE(QString::fromLatin1(fields[4]), model);
    QCOMPARE(fields[2], mouse ? QByteArray("MS") : QByteArray("KB"));
    QCOMPARE(int(uint8_t(answer[0][5])), info.size());

    const QByteArray build = payloadText(answer[1]);
    QCOMPARE(answer[1][1], char(0x0D));
    QVERIFY(QDateTime::fromString(QString::fromLatin1(build), QStringLiteral("MMM dd yyyy,hh:mm:ss")).isValid());
    QCOMPARE(payloadText(d.ask(0x15).value(0)).size(), 32);  // a valid factory serial
}

void TestEmulatorDevice::answers_data()
{
    QTest::addColumn<bool>("mouse");
    QTest::addColumn<PathStyle>("style");
    QTest::addColumn<int>("command");
    QTest::addColumn<QByteArray>("expected");  // answer from byte 1 to 5 ... as hex, then the payload

    // byte 1 command, bytes 2-4 zero, byte 5 length, payload
    QTest::newRow("key list") << false << PathStyle::Linux << 0x0A
                              << hex("0A00000013"
                                     "000102030405060708090A0B0C0E0F10A50404");
    QTest::newRow("side list, no side lights") << false << PathStyle::Linux << 0x02
                                               << hex("0200000003"
                                                      "A50000");
    QTest::newRow("key list on col06") << false << PathStyle::WindowsCol06 << 0x0A
                                       << hex("0A00000013"
                                              "000102030405060708090A0B0C0E0F10A50404");
    QTest::newRow("mouse lists") << true << PathStyle::Linux << 0x43
                                 << hex("430000001A"
                                        "000102030405060708A50404"
                                        "00010203A50404"
                                        "00010203A50404");
    QTest::newRow("keyboard key ack") << false << PathStyle::Linux << 0x18 << hex("1800000000");
    QTest::newRow("keyboard macro ack") << false << PathStyle::LinuxCol06 << 0x19 << hex("1900000000");
    QTest::newRow("mouse ack") << true << PathStyle::WindowsMi02 << 0x47 << hex("4700000000");
    QTest::newRow("keyboard ignores mouse lists") << false << PathStyle::Linux << 0x43 << QByteArray();
    QTest::newRow("mouse ignores keyboard lists") << true << PathStyle::Linux << 0x0A << QByteArray();
    QTest::newRow("lighting effect is not answered") << false << PathStyle::Linux << 0x07 << QByteArray();
}

void TestEmulatorDevice::answers()
{
    QFETCH(bool, mouse);
    QFETCH(PathStyle, style);
    QFETCH(int, command);
    QFETCH(QByteArray, expected);
    Plugged d(mouse ? emu::mouseSpec(QStringLiteral("ZM1"), style) : emu::keyboardSpec(QStringLiteral("ZK87A"), style));
    QVERIFY(d.handle);
    const QVector<QByteArray> answer = d.ask(uint8_t(command));
    if (expected.isEmpty()) {
        QCOMPARE(answer.size(), 0);
        return;
    }
    QCOMPARE(answer.size(), 1);
    QCOMPARE(answer[0].size(), 64);
    QCOMPARE(int(answer[0][0]), d.reportId);
    QCOMPARE(answer[0].mid(1, expected.size()).toHex(), expected.toHex());
    QCOMPARE(answer[0].mid(1 + expected.size()), QByteArray(63 - expected.size(), '\0'));
}

void TestEmulatorDevice::recordedCommandsAndComputerVisible()
{
    Plugged kb(emu::keyboardSpec());
    for (uint8_t cmd : {0x04, 0x07, 0x05, 0x0C, 0x06, 0x13, 0x40, 0x14, 0x0F})
        QCOMPARE(write(kb.handle, command(cmd)), 64);
    QCOMPARE(drain(kb.handle).size(), 0);  // none of these is answered
    QCOMPARE(emu::written(kb.id).size(), 9);
    QCOMPARE(emu::writtenCommand(kb.id, 0x0C).size(), 1);
    QString seen;
    for (const emu::WrittenReport &w : emu::computerVisible(kb.id))
        seen += QString::number(uint8_t(w.data[1]), 16) + QLatin1Char(' ');
    QCOMPARE(seen, QStringLiteral("4 5 6 13 40 "));

    // Byte 1 of another interface's report is no command: a Scroll Lock LED report is no key.
    hid_device *boot = openPath(emu::path(kb.id, 0));
    QCOMPARE(write(boot, hex("0004")), 2);
    QCOMPARE(emu::written(kb.id).size(), 10);
    QCOMPARE(emu::computerVisible(kb.id).size(), 5);
    QCOMPARE(emu::writtenCommand(kb.id, 0x04).size(), 1);
    hid_close(boot);
    emu::clearWritten(kb.id);
    QVERIFY(emu::written(kb.id).isEmpty());
}

void TestEmulatorDevice::serialIsStoredLikeFlash()
{
    emu::DeviceSpec spec = emu::keyboardSpec();
    spec.serial.clear();
    {
        Plugged d(spec);
        QCOMPARE(d.ask(0x15).value(0).mid(5, 33), QByteArray(1, char(0x20)) + QByteArray(32, '\0'));
        const QByteArray serial = "0123456789abcdef0123456789abcdef";
        const QVector<QByteArray> echo = d.ask(0x16, serial);
        QCOMPARE(echo.size(), 1);
        QCOMPARE(echo[0].left(2), hex("0116"));
        QCOMPARE(emu::storedSerial(d.id), serial);
        QCOMPARE(payloadText(d.ask(0x15).value(0)), serial);
        emu::unplug(d.id);
    }
    Plugged again(spec);
    QCOMPARE(payloadText(again.ask(0x15).value(0)), QByteArray("0123456789abcdef0123456789abcdef"));
}

void TestEmulatorDevice::serialFaults_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QByteArray>("answered");  // bytes 6 to 37 up to the first zero
    QTest::newRow("missing") << QByteArray() << QByteArray();
    QTest::newRow("31 characters") << QByteArray(31, 'x') << QByteArray(31, 'x');
    QTest::newRow("40 characters, cut") << QByteArray(40, 'y') << QByteArray(32, 'y');
    QTest::newRow("unsafe") << QByteArray("../../etc/passwd/0123456789abcdef")
                            << QByteArray("../../etc/passwd/0123456789abcde");
    QTest::newRow("zero inside") << QByteArray("abc\0def", 7) << QByteArray("abc");
}

void TestEmulatorDevice::serialFaults()
{
    QFETCH(QByteArray, stored);
    QFETCH(QByteArray, answered);
    emu::DeviceSpec spec = emu::keyboardSpec();
    spec.serial = stored;
    Plugged d(spec);
    const QByteArray answer = d.ask(0x15).value(0);
    QCOMPARE(answer.size(), 64);
    QCOMPARE(payloadText(answer.left(38)), answered);
    QCOMPARE(answer.mid(38), QByteArray(26, '\0'));
}

void TestEmulatorDevice::handshakeRecordsMode()
{
    Plugged d(emu::keyboardSpec());
    QCOMPARE(emu::hostMode(d.id), -1);
    QCOMPARE(d.ask(0x01, hex("00")).value(0).left(7), hex("01010000000100"));
    QCOMPARE(emu::hostMode(d.id), 0);
    emu::setHandshakeByte6(d.id, 1);
    QCOMPARE(d.ask(0x01, hex("01")).value(0).left(7), hex("01010000000101"));
    QCOMPARE(emu::hostMode(d.id), 1);
}

void TestEmulatorDevice::replyFaults_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<ReplyFault>("fault");
    QTest::addColumn<int>("immediate");  // answers read at once
    QTest::addColumn<int>("later");      // answers that follow within a generous wait
    QTest::newRow("serial not answered") << 0x15 << ReplyFault::NoReply << 0 << 0;
    QTest::newRow("serial late") << 0x15 << ReplyFault::Late << 0 << 1;
    QTest::newRow("serial wrong command") << 0x15 << ReplyFault::WrongCommand << 1 << 0;
    QTest::newRow("information late") << 0x0D << ReplyFault::Late << 0 << 2;
    QTest::newRow("information wrong command") << 0x0D << ReplyFault::WrongCommand << 2 << 0;
    QTest::newRow("handshake not answered") << 0x01 << ReplyFault::NoReply << 0 << 0;
}

void TestEmulatorDevice::replyFaults()
{
    QFETCH(int, command);
    QFETCH(ReplyFault, fault);
    QFETCH(int, immediate);
    QFETCH(int, later);
    Plugged d(emu::keyboardSpec());
    emu::setReplyFault(d.id, uint8_t(command), fault, milliseconds(80));
    QElapsedTimer t;
    t.start();
    const QVector<QByteArray> now = d.ask(uint8_t(command));
    QCOMPARE(now.size(), immediate);
    for (const QByteArray &r : now)
        QCOMPARE(uint8_t(r[1]), fault == ReplyFault::WrongCommand ? emu::wrongReplyCommand : uint8_t(command));
    int arrived = 0;
    unsigned char buf[64];
    while (arrived < later && hid_read_timeout(d.handle, buf, sizeof buf, 3000) > 0) {
        QCOMPARE(int(buf[1]), command);
        ++arrived;
    }
    QCOMPARE(arrived, later);
    if (later)
        QVERIFY(t.elapsed() >= 70);
    // The next command without a fault is answered normally.
    emu::setReplyFault(d.id, uint8_t(command), ReplyFault::None);
    QVERIFY(!d.ask(uint8_t(command)).isEmpty());
    // A late answer of a device that is gone never arrives.
    emu::setReplyFault(d.id, 0x15, ReplyFault::Late, milliseconds(30));
    write(d.handle, emutest::command(0x15));
    emu::unplug(d.id);
    std::this_thread::sleep_for(milliseconds(60));
    QCOMPARE(hid_read(d.handle, buf, sizeof buf), -1);
    // Nor one forgotten by reset() while it was due.
    Plugged e(emu::keyboardSpec());
    emu::setReplyFault(e.id, 0x15, ReplyFault::Late, milliseconds(30));
    write(e.handle, emutest::command(0x15));
    std::this_thread::sleep_for(milliseconds(5));
    emu::reset();
    std::this_thread::sleep_for(milliseconds(60));
    QCOMPARE(hid_read(e.handle, buf, sizeof buf), -1);
}

void TestEmulatorDevice::informationWithColon()
{
    Plugged d(emu::keyboardSpec());
    emu::setInfoColonAnswers(d.id, 2);
    for (int i = 0; i < 2; ++i) {
        const QVector<QByteArray> stale = d.ask(0x0D);
        QCOMPARE(stale.size(), 1);
        QVERIFY(payloadText(stale[0]).contains(':'));
    }
    const QVector<QByteArray> fine = d.ask(0x0D);
    QCOMPARE(fine.size(), 2);
    QVERIFY(!payloadText(fine[0]).contains(':'));

    emu::setInfoColonAnswers(d.id, -1);
    for (int i = 0; i < 5; ++i)
        QVERIFY(payloadText(d.ask(0x0D).value(0)).contains(':'));
}

void TestEmulatorDevice::acknowledgementFaults()
{
    Plugged kb(emu::keyboardSpec());
    Plugged mouse(emu::mouseSpec());
    emu::dropAcknowledgements(kb.id, true);
    emu::dropAcknowledgements(mouse.id, true);
    QVERIFY(kb.ask(0x18).isEmpty());
    QVERIFY(kb.ask(0x19).isEmpty());
    QVERIFY(mouse.ask(0x47).isEmpty());
    QCOMPARE(kb.ask(0x15).size(), 1);  // other answers are not touched
    QCOMPARE(emu::writtenCommand(kb.id, 0x18).size(), 1);

    emu::dropAcknowledgements(kb.id, false);
    emu::delayAcknowledgements(kb.id, milliseconds(60));
    QElapsedTimer t;
    t.start();
    QVERIFY(kb.ask(0x19).isEmpty());
    unsigned char buf[64];
    QCOMPARE(hid_read_timeout(kb.handle, buf, sizeof buf, 3000), 64);
    QCOMPARE(buf[1], uint8_t(0x19));
    QVERIFY(t.elapsed() >= 50);
}

void TestEmulatorDevice::replyOverride()
{
    Plugged d(emu::keyboardSpec());
    const QByteArray noEndMark = hex("010A000000") + QByteArray(59, '\x03');
    emu::setReplyOverride(d.id, 0x0A, {noEndMark, hex("010A")});
    const QVector<QByteArray> got = d.ask(0x0A);
    QCOMPARE(got.size(), 2);
    QCOMPARE(got[0], noEndMark);
    QCOMPARE(got[1], hex("010A"));  // a short read
    emu::setReplyOverride(d.id, 0x0A, {});
    QVERIFY(d.ask(0x0A).isEmpty());
    emu::clearReplyOverride(d.id, 0x0A);
    QCOMPARE(d.ask(0x0A).size(), 1);

    // The device still acts on a command whose answer is replaced.
    emu::setReplyOverride(d.id, 0x16, {hex("0199")});
    QCOMPARE(d.ask(0x16, QByteArray(32, 'k')).value(0), hex("0199"));
    QCOMPARE(emu::storedSerial(d.id), QByteArray(32, 'k'));
}

void TestEmulatorDevice::writeFaultsAndLatency()
{
    Plugged d(emu::keyboardSpec());
    emu::failWritesOfCommand(d.id, 0x07, true);
    QCOMPARE(write(d.handle, command(0x07)), -1);
    QVERIFY(errorText(d.handle).contains(QLatin1String("0x07")));
    QCOMPARE(write(d.handle, command(0x08)), 64);
    QCOMPARE(emu::written(d.id).size(), 1);  // the failed report never reached the device
    emu::failWritesOfCommand(d.id, 0x07, false);
    QCOMPARE(write(d.handle, command(0x07)), 64);

    // 1 ms per report: eight reports take at least 8 ms, whichever thread writes them.
    emu::setWriteLatency(d.id, std::chrono::microseconds(1000));
    QElapsedTimer t;
    t.start();
    hid_device *second = openPath(emu::configurationPath(d.id));
    std::thread other([&] {
        for (int i = 0; i < 4; ++i)
            write(second, command(0x0F));
    });
    for (int i = 0; i < 4; ++i)
        QCOMPARE(write(d.handle, command(0x0F)), 64);
    other.join();
    hid_close(second);
    QVERIFY(t.elapsed() >= 8);
    const QVector<emu::WrittenReport> frames = emu::writtenCommand(d.id, 0x0F);
    QCOMPARE(frames.size(), 8);
    // Each report is stamped with the moment the endpoint took it.
    QVERIFY(frames.last().when - frames.first().when >= std::chrono::microseconds(7000));
    // An answer comes when the endpoint is done with its command.
    emu::setWriteLatency(d.id, std::chrono::microseconds(50000));
    t.restart();
    QCOMPARE(write(d.handle, command(0x15)), 64);
    QVERIFY(t.elapsed() >= 40);
    QCOMPARE(drain(d.handle).size(), 1);
}

void TestEmulatorDevice::spontaneousInput()
{
    Plugged kb(emu::keyboardSpec(QStringLiteral("ZK87A"), PathStyle::WindowsCol06));
    Plugged mouse(emu::mouseSpec());
    emu::injectKeys(kb.id, 0x22, {0x04, 0x16, 0x07});
    emu::injectKeys(kb.id, 0, {4, 5, 6, 7, 8, 9, 10});
    emu::injectMedia(kb.id, hex("050000"));
    emu::injectFullKeys(kb.id, QByteArray(21, '\x11'));
    emu::injectRaw(kb.id, hex("06ee"));
    emu::injectMouse(mouse.id, 0x21, -1);

    const QVector<QByteArray> k = drain(kb.handle);
    QCOMPARE(k.size(), 5);
    QCOMPARE(k[0].left(14).toHex(), QByteArray("0604000000082200041607000000"));
    QCOMPARE(k[1].mid(8, 6), QByteArray(6, '\x01'));  // too many keys: rollover error
    QCOMPARE(k[2].left(9).toHex(), QByteArray("060600000003050000"));
    QCOMPARE(k[3].mid(5, 22), QByteArray(1, char(21)) + QByteArray(21, '\x11'));
    QCOMPARE(k[4], hex("06ee"));
    const QVector<QByteArray> m = drain(mouse.handle);
    QCOMPARE(m.size(), 1);
    QCOMPARE(m[0].left(12).toHex(), QByteArray("0140000000062100000000ff"));

    // Raw input on another interface reaches only that interface.
    hid_device *boot = openPath(emu::path(kb.id, 0));
    emu::injectRaw(kb.id, hex("0000040000000000"), 0);
    QCOMPARE(drain(boot).size(), 1);
    QCOMPARE(drain(kb.handle).size(), 0);
    hid_close(boot);
}

void TestEmulatorDevice::waitForCommand()
{
    Plugged d(emu::keyboardSpec());
    std::thread writer([&] {
        std::this_thread::sleep_for(milliseconds(20));
        write(d.handle, command(0x09));
    });
    QVERIFY(emu::waitForCommand(d.id, 0x09, milliseconds(5000)));
    writer.join();
    QElapsedTimer t;
    t.start();
    QVERIFY(!emu::waitForCommand(d.id, 0x09, milliseconds(40), 2));
    QVERIFY(t.elapsed() >= 30);
    QVERIFY(!emu::waitForCommand(12345, 0x09, milliseconds(1)));
}

void TestEmulatorDevice::bootloaderRecordsOnly()
{
    const emu::DeviceId id = emu::plug(emu::bootloaderSpec(0x0C45, 0x6565));
    hid_device_info *list = hid_enumerate(0x0C45, 0x6565);
    QVERIFY(list && !list->next);
    hid_free_enumeration(list);
    hid_device *h = openPath(emu::configurationPath(id));
    QVERIFY(h);
    for (uint8_t cmd : {0x0D, 0x15, 0x01, 0x0C})
        QCOMPARE(write(h, command(cmd)), 64);
    QCOMPARE(drain(h).size(), 0);
    QCOMPARE(emu::written(id).size(), 4);
    hid_close(h);
}

QTEST_GUILESS_MAIN(TestEmulatorDevice)
#include "tst_EmulatorDevice.moc"
