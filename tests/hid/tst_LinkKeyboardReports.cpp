// SPDX-License-Identifier: GPL-3.0-or-later
// A keyboard's input reports through its link, against the emulator: what the computer is
// given for the key state (0x04), the function switches, the media keys (0x06), the full-key
// report (0x05), the acknowledgements, on-board mode, and the reactive lighting's input.

#include "LinkTestSupport.h"

#include <QSignalSpy>
#include <QtTest>

using namespace linktest;

namespace {

const QString kNoKeys = QStringLiteral("00 00 00 00 00 00 00 00");
constexpr uint8_t kMarker = 0x7D;  // a command the keyboard ignores; marks the end of the output

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

// The payload of a 0x01 answer per pair of bytes: byte 5, byte 6.
QByteArray answers(std::initializer_list<int> bytes)
{
    QByteArray out;
    for (int b : bytes)
        out.append(char(b));
    return out;
}

}  // namespace

class LinkKeyboardReportsTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void keyComparison_data();
    void keyComparison();
    void functionSwitches_data();
    void functionSwitches();
    void switchesFollowTheDeviceHandshake();
    void media_data();
    void media();
    void mediaAssignmentChangedWhileHeld_data();
    void mediaAssignmentChangedWhileHeld();
    void reactiveLighting_data();
    void reactiveLighting();
    void onboardModeSendsNothingBack();
    void fullKeysAndAcknowledgements();
    void mouseTakesOnlyItsReports();

private:
    void sync(emu::DeviceId id, DDeviceKeyboardLink &link);
    void injectAll(const QVector<QByteArray> &reports);

    emu::DeviceId m_kb = 0;
    std::unique_ptr<Profile> m_profile;
    std::unique_ptr<DDeviceKeyboardLink> m_link;
};

void LinkKeyboardReportsTest::init()
{
    emu::reset();
    m_kb = emu::plug(emu::keyboardSpec());
    m_profile = std::make_unique<Profile>();
    m_profile->setSwitches("0000");
    m_link = std::make_unique<DDeviceKeyboardLink>(1);
    m_link->openHidDevice(deviceRecord(m_kb, QStringLiteral("ZK87A"), 0));
    QVERIFY(waitLikeDevicePage(*m_link));
    m_link->setProfileXml(&m_profile->xml, m_profile->path.constData());
    m_link->setProfileIndex(1);
    emu::clearWritten(m_kb);
}

void LinkKeyboardReportsTest::cleanup()
{
    m_link.reset();
    m_profile.reset();
    emu::reset();
}

// Returns once the link has handled every report injected so far and everything it queued
// in answer has reached the device: an acknowledgement goes through the same input queue,
// a marker through the same command queue.
void LinkKeyboardReportsTest::sync(emu::DeviceId id, DDeviceKeyboardLink &link)
{
    QSignalSpy acknowledged(&link, &DDeviceKeyboardLink::sigRuningOnboard0x19Cmd);
    QSignalSpy mouseAcknowledged(&link, &DDeviceKeyboardLink::sigRuningMouse0x47Cmd);
    const bool mouse = emu::spec(id).kind == emu::Kind::Mouse;
    emu::injectRaw(id, frame(mouse ? 0x47 : 0x19));
    QTRY_COMPARE((mouse ? mouseAcknowledged : acknowledged).count(), 1);
    const int markers = emu::writtenCommand(id, kMarker).size();
    QByteArray marker = frame(kMarker);
    QCOMPARE(link.getHidInterface()->writeCommand(reinterpret_cast<unsigned char *>(marker.data()), marker.size()), 0);
    QTRY_COMPARE(emu::writtenCommand(id, kMarker).size(), markers + 1);
}

void LinkKeyboardReportsTest::injectAll(const QVector<QByteArray> &reports)
{
    for (const QByteArray &report : reports)
        emu::injectRaw(m_kb, report);
}

void LinkKeyboardReportsTest::keyComparison_data()
{
    QTest::addColumn<QVector<QByteArray>>("states");  // bytes 6 to 13 of each 0x04 report
    QTest::addColumn<QStringList>("echoes");          // the key report sent back after each
    QTest::addColumn<QVector<int>>("presses");        // key codes in the order they went down

    QTest::newRow("Shift and A together, then released together")
        << QVector<QByteArray>{hex("0200040000000000"), hex("0000000000000000")}
        << QStringList{"02 00 04 00 00 00 00 00", kNoKeys} << QVector<int>{225, 4};
    QTest::newRow("modifiers by bit, then keys by slot")
        << QVector<QByteArray>{hex("8100050400000000")} << QStringList{"81 00 05 04 00 00 00 00"}
        << QVector<int>{224, 231, 5, 4};
    QTest::newRow("a key changing slots is no event")
        << QVector<QByteArray>{hex("0000040500000000"), hex("0000050400000000")}
        << QStringList{"00 00 04 05 00 00 00 00", "00 00 04 05 00 00 00 00"} << QVector<int>{4, 5};
    QTest::newRow("unchanged state is echoed every time")
        << QVector<QByteArray>{hex("0000040000000000"), hex("0000040000000000"), hex("0000040000000000")}
        << QStringList{"00 00 04 00 00 00 00 00", "00 00 04 00 00 00 00 00", "00 00 04 00 00 00 00 00"}
        << QVector<int>{4};
    // The new key goes down while all six slots are still taken, so it is dropped.
    QTest::newRow("presses before releases")
        << QVector<QByteArray>{hex("0000040506070809"), hex("000005060708090a")}
        << QStringList{"00 00 04 05 06 07 08 09", "00 00 05 06 07 08 09 00"} << QVector<int>{4, 5, 6, 7, 8, 9, 10};
    QTest::newRow("modifier released, key held")
        << QVector<QByteArray>{hex("0200040000000000"), hex("0000040000000000")}
        << QStringList{"02 00 04 00 00 00 00 00", "00 00 04 00 00 00 00 00"} << QVector<int>{225, 4};
}

void LinkKeyboardReportsTest::keyComparison()
{
    QFETCH(QVector<QByteArray>, states);
    QFETCH(QStringList, echoes);
    QFETCH(QVector<int>, presses);

    RecordingKeyboardLight light;
    ButtonMap buttons({4, 5, 6, 7, 8, 9, 10, 224, 225, 231});
    m_link->setLightDealMain(&light);
    m_link->setKeyButtonMap(buttons.map);
    m_link->setKeyboardLightType(6);

    for (const QByteArray &state : states)
        emu::injectRaw(m_kb, frame(0x04, state));
    sync(m_kb, *m_link);
    QCOMPARE(visible(m_kb, 0x04, 8), echoes);
    QCOMPARE(light.presses, presses);
}

void LinkKeyboardReportsTest::functionSwitches_data()
{
    QTest::addColumn<QByteArray>("handshakeAnswers");  // bytes 5 and 6 of each 0x01 answer
    QTest::addColumn<QByteArray>("switches");          // feature1 to feature4
    QTest::addColumn<int>("profileIndex");
    QTest::addColumn<QByteArray>("state");  // bytes 6 to 13 of the 0x04 report
    QTest::addColumn<QString>("echo");

    const QByteArray on = answers({1, 1});
    const QByteArray altTab = hex("04002b0000000000");
    const QString altNoTab = QStringLiteral("04 00 00 00 00 00 00 00");
    const QString altTabEcho = QStringLiteral("04 00 2b 00 00 00 00 00");

    QTest::newRow("flag off: Alt+Tab passes") << QByteArray() << QByteArray("1111") << 1 << altTab << altTabEcho;
    QTest::newRow("Alt+Tab") << on << QByteArray("1000") << 1 << altTab << altNoTab;
    QTest::newRow("right Alt+Tab") << on << QByteArray("1000") << 1 << hex("40002b0000000000")
                                   << "40 00 00 00 00 00 00 00";
    QTest::newRow("only Tab leaves") << on << QByteArray("1000") << 1 << hex("0400042b05000000")
                                     << "04 00 04 05 00 00 00 00";
    QTest::newRow("Alt+F4") << on << QByteArray("0100") << 1 << hex("04003d0000000000") << altNoTab;
    QTest::newRow("Alt+F4 without its switch")
        << on << QByteArray("1000") << 1 << hex("04003d0000000000") << "04 00 3d 00 00 00 00 00";
    QTest::newRow("Shift+Tab") << on << QByteArray("0010") << 1 << hex("02002b0000000000") << "02 00 00 00 00 00 00 00";
    QTest::newRow("right Shift+Tab") << on << QByteArray("0010") << 1 << hex("20002b0000000000")
                                     << "20 00 00 00 00 00 00 00";
    QTest::newRow("Alt+Tab with the Shift switch only") << on << QByteArray("0010") << 1 << altTab << altTabEcho;
    QTest::newRow("GUI keys") << on << QByteArray("0001") << 1 << hex("8800040000000000") << "00 00 04 00 00 00 00 00";
    QTest::newRow("GUI first: Alt+Tab kept") << on << QByteArray("1001") << 1 << hex("0c002b0000000000") << altTabEcho;
    QTest::newRow("GUI held, its switch off: nothing applies")
        << on << QByteArray("1000") << 1 << hex("0c002b0000000000") << "0c 00 2b 00 00 00 00 00";
    QTest::newRow("answer without payload keeps the flag")
        << answers({1, 1, 0, 0}) << QByteArray("1000") << 1 << altTab << altNoTab;
    QTest::newRow("answer 2 clears the flag")
        << answers({1, 1, 1, 2}) << QByteArray("1000") << 1 << altTab << altTabEcho;
    QTest::newRow("profile without settings") << on << QByteArray("1111") << 7 << altTab << altTabEcho;
}

void LinkKeyboardReportsTest::functionSwitches()
{
    QFETCH(QByteArray, handshakeAnswers);
    QFETCH(QByteArray, switches);
    QFETCH(int, profileIndex);
    QFETCH(QByteArray, state);
    QFETCH(QString, echo);

    m_profile->setSwitches(switches);
    m_link->setProfileIndex(profileIndex);
    bool flag = false;
    for (int i = 0; i + 1 < handshakeAnswers.size(); i += 2) {
        const int length = handshakeAnswers.at(i);
        const int value = handshakeAnswers.at(i + 1);
        if (length != 0)
            flag = value == 1;
        emu::injectRaw(m_kb, frame(0x01, QByteArray(1, char(value))).replace(5, 1, QByteArray(1, char(length))));
    }
    // The periodic handshake's own answers agree with the injected ones.
    emu::setHandshakeByte6(m_kb, flag ? 1 : 0);

    emu::injectRaw(m_kb, frame(0x04, state));
    sync(m_kb, *m_link);
    QCOMPARE(visible(m_kb, 0x04, 8), QStringList{echo});
}

void LinkKeyboardReportsTest::switchesFollowTheDeviceHandshake()
{
    m_profile->setSwitches("1000");
    const QByteArray altTab = hex("04002b0000000000");
    for (int byte6 : {1, 0}) {
        emu::setHandshakeByte6(m_kb, uint8_t(byte6));
        const int handshakes = emu::writtenCommand(m_kb, 0x01).size();
        QTRY_VERIFY_WITH_TIMEOUT(emu::writtenCommand(m_kb, 0x01).size() > handshakes, 3000);
        emu::clearWritten(m_kb);
        emu::injectRaw(m_kb, frame(0x04, altTab));
        emu::injectRaw(m_kb, frame(0x04, QByteArray(8, '\0')));
        sync(m_kb, *m_link);
        QCOMPARE(visible(m_kb, 0x04, 8).value(0),
                 byte6 == 1 ? QStringLiteral("04 00 00 00 00 00 00 00") : QStringLiteral("04 00 2b 00 00 00 00 00"));
    }
}

void LinkKeyboardReportsTest::media_data()
{
    QTest::addColumn<QStringList>("bindings");        // "code:operateType:value"
    QTest::addColumn<QVector<QByteArray>>("states");  // the three media bytes of each 0x06 report
    QTest::addColumn<QStringList>("echoes");
    QTest::addColumn<QStringList>("keys");  // key reports sent on the way

    QTest::newRow("unbound keys pass, echoed every time")
        << QStringList() << QVector<QByteArray>{hex("010000"), hex("010000"), hex("000000")}
        << QStringList{"01 00 00", "01 00 00", "00 00 00"} << QStringList();
    QTest::newRow("bound Mute taken out while held")
        << QStringList{"127:0:4"} << QVector<QByteArray>{hex("040000"), hex("000000")}
        << QStringList{"00 00 00", "00 00 00"} << QStringList{"00 00 04 00 00 00 00 00", kNoKeys};
    QTest::newRow("0x01, then 0x05, then nothing")
        << QStringList{"128:0:5", "127:0:4"} << QVector<QByteArray>{hex("010000"), hex("050000"), hex("000000")}
        << QStringList{"00 00 00", "00 00 00", "00 00 00"}
        << QStringList{"00 00 05 00 00 00 00 00", "00 00 05 04 00 00 00 00", "00 00 04 00 00 00 00 00", kNoKeys};
    QTest::newRow("bound and unbound held together")
        << QStringList{"127:0:4"} << QVector<QByteArray>{hex("050000"), hex("000000")}
        << QStringList{"01 00 00", "00 00 00"} << QStringList{"00 00 04 00 00 00 00 00", kNoKeys};
    QTest::newRow("Browser and Tools bytes")
        << QStringList{"8:0:7", "215:0:6"} << QVector<QByteArray>{hex("000804"), hex("000000")}
        << QStringList{"00 00 00", "00 00 00"}
        << QStringList{"00 00 07 00 00 00 00 00", "00 00 07 06 00 00 00 00", "00 00 06 00 00 00 00 00", kNoKeys};
    QTest::newRow("disabled media key") << QStringList{"127:5:"} << QVector<QByteArray>{hex("040000"), hex("000000")}
                                        << QStringList{"00 00 00", "00 00 00"} << QStringList{kNoKeys, kNoKeys};
    // Bit 7 shares its code with bit 0; only bit 7 is held, so only bit 7 is taken out.
    QTest::newRow("bit 7 of the Media byte")
        << QStringList{"128:0:5"} << QVector<QByteArray>{hex("800000"), hex("000000")}
        << QStringList{"00 00 00", "00 00 00"} << QStringList{"00 00 05 00 00 00 00 00", kNoKeys};
}

void LinkKeyboardReportsTest::media()
{
    QFETCH(QStringList, bindings);
    QFETCH(QVector<QByteArray>, states);
    QFETCH(QStringList, echoes);
    QFETCH(QStringList, keys);

    for (const QString &binding : bindings) {
        const QStringList parts = binding.split(QLatin1Char(':'));
        m_profile->assign(parts.at(0).toInt(), parts.at(1).toInt(), parts.at(2).toLatin1());
    }
    for (const QByteArray &state : states)
        emu::injectRaw(m_kb, frame(0x06, state));
    sync(m_kb, *m_link);
    QCOMPARE(visible(m_kb, 0x06, 3), echoes);
    QCOMPARE(visible(m_kb, 0x04, 8), keys);
}

// The bit of a held media key leaves the echo from its press to its release, also when its
// assignment is made or removed while it is held.
void LinkKeyboardReportsTest::mediaAssignmentChangedWhileHeld_data()
{
    QTest::addColumn<bool>("boundAtPress");
    QTest::addColumn<QStringList>("echoes");

    QTest::newRow("assigned while held") << false << QStringList{"04 00 00", "00 00 00", "00 00 00", "00 00 00"};
    QTest::newRow("unassigned while held") << true << QStringList{"00 00 00", "00 00 00", "04 00 00", "00 00 00"};
}

void LinkKeyboardReportsTest::mediaAssignmentChangedWhileHeld()
{
    QFETCH(bool, boundAtPress);
    QFETCH(QStringList, echoes);

    if (boundAtPress)
        m_profile->assign(127, 0, "4");
    emu::injectRaw(m_kb, frame(0x06, hex("040000")));
    sync(m_kb, *m_link);
    if (boundAtPress)
        m_profile->unassign(127);
    else
        m_profile->assign(127, 0, "4");
    emu::injectRaw(m_kb, frame(0x06, hex("000000")));
    emu::injectRaw(m_kb, frame(0x06, hex("040000")));
    emu::injectRaw(m_kb, frame(0x06, hex("000000")));
    sync(m_kb, *m_link);
    QCOMPARE(visible(m_kb, 0x06, 3), echoes);
}

void LinkKeyboardReportsTest::reactiveLighting_data()
{
    QTest::addColumn<int>("effect");
    QTest::addColumn<QVector<int>>("buttons");
    QTest::addColumn<QVector<QByteArray>>("reports");
    QTest::addColumn<QVector<int>>("presses");  // -1: the any-key place (0, 0)

    const QVector<QByteArray> typeAB = {frame(0x04, hex("0000040000000000")), frame(0x04, hex("0000040500000000")),
                                        frame(0x04, QByteArray(8, '\0'))};
    QTest::newRow("effect 6: the key's place, on press") << 6 << QVector<int>{4, 5} << typeAB << QVector<int>{4, 5};
    QTest::newRow("effect 8") << 8 << QVector<int>{4, 5} << typeAB << QVector<int>{4, 5};
    QTest::newRow("effect 11") << 11 << QVector<int>{4, 5} << typeAB << QVector<int>{4, 5};
    QTest::newRow("effect 12: every press with a button, every release")
        << 12 << QVector<int>{4} << typeAB << QVector<int>{-1, -1, -1};
    QTest::newRow("key without a button") << 16 << QVector<int>{5} << typeAB << QVector<int>{5};
    QTest::newRow("effect that does not react") << 5 << QVector<int>{4, 5} << typeAB << QVector<int>();
    QTest::newRow("media key at its code's place")
        << 7 << QVector<int>{127, 215} << QVector<QByteArray>{frame(0x06, hex("040004")), frame(0x06, hex("000000"))}
        << QVector<int>{127, 215};
}

void LinkKeyboardReportsTest::reactiveLighting()
{
    QFETCH(int, effect);
    QFETCH(QVector<int>, buttons);
    QFETCH(QVector<QByteArray>, reports);
    QFETCH(QVector<int>, presses);

    RecordingKeyboardLight light;
    ButtonMap map(buttons);
    m_link->setLightDealMain(&light);
    m_link->setKeyButtonMap(map.map);
    m_link->setKeyboardLightType(effect);
    injectAll(reports);
    sync(m_kb, *m_link);
    QCOMPARE(light.presses, presses);
}

// On-board mode: the keyboard works from its own memory. Nothing goes back; key presses
// still reach the lighting and the acknowledgements are passed on. The key state carries
// over into PC mode.
void LinkKeyboardReportsTest::onboardModeSendsNothingBack()
{
    RecordingKeyboardLight light;
    ButtonMap buttons({4, 5});
    m_link->setLightDealMain(&light);
    m_link->setKeyButtonMap(buttons.map);
    m_link->setKeyboardLightType(6);
    m_profile->assign(4, 0, "5");
    m_link->setOnboardMode(1);
    QSignalSpy keyPacket(m_link.get(), &DDeviceKeyboardLink::sigRuningOnboard0x18Cmd);

    injectAll(
        {frame(0x04, hex("0000040000000000")), frame(0x06, hex("040000")), frame(0x05, hex("00000400")), frame(0x18)});
    sync(m_kb, *m_link);
    QCOMPARE(keyPacket.count(), 1);
    QCOMPARE(light.presses, QVector<int>{4});
    QVERIFY(emu::computerVisible(m_kb).isEmpty());

    m_link->setOnboardMode(0);
    injectAll({frame(0x04, hex("0000040500000000")), frame(0x04, QByteArray(8, '\0'))});
    sync(m_kb, *m_link);
    QCOMPARE(visible(m_kb, 0x04, 8), (QStringList{"00 00 05 00 00 00 00 00", kNoKeys}));
}

void LinkKeyboardReportsTest::fullKeysAndAcknowledgements()
{
    QSignalSpy keyPacket(m_link.get(), &DDeviceKeyboardLink::sigRuningOnboard0x18Cmd);
    QSignalSpy macroPacket(m_link.get(), &DDeviceKeyboardLink::sigRuningOnboard0x19Cmd);
    QSignalSpy mousePacket(m_link.get(), &DDeviceKeyboardLink::sigRuningMouse0x47Cmd);
    m_profile->assign(4, 5, "");  // the full-key report carries keys past any assignment

    const QByteArray fullKeys = hex("01020304050607080910111213") + hex("ffff");
    injectAll({frame(0x05, fullKeys), frame(0x18), frame(0x47), frame(0x33, hex("0102"))});
    sync(m_kb, *m_link);
    QCOMPARE(keyPacket.count(), 1);
    QCOMPARE(macroPacket.count(), 1);  // the one of sync()
    QCOMPARE(mousePacket.count(), 0);
    QCOMPARE(visible(m_kb, 0x05, 15), QStringList{"01 02 03 04 05 06 07 08 09 10 11 12 13 00 00"});
    QCOMPARE(emu::computerVisible(m_kb).size(), 1);
}

void LinkKeyboardReportsTest::mouseTakesOnlyItsReports()
{
    const emu::DeviceId mouse = emu::plug(emu::mouseSpec());
    DDeviceKeyboardLink link(2);
    link.openHidDevice(deviceRecord(mouse, QStringLiteral("ZM1"), 1));
    QVERIFY(waitLikeDevicePage(link));
    emu::clearWritten(mouse);
    QSignalSpy keyPacket(&link, &DDeviceKeyboardLink::sigRuningOnboard0x18Cmd);

    emu::injectRaw(mouse, frame(0x04, hex("0000040000000000")));
    emu::injectRaw(mouse, frame(0x06, hex("040000")));
    emu::injectRaw(mouse, frame(0x18));
    sync(mouse, link);
    QCOMPARE(keyPacket.count(), 0);
    QVERIFY(emu::computerVisible(mouse).isEmpty());
}

QTEST_GUILESS_MAIN(LinkKeyboardReportsTest)
#include "tst_LinkKeyboardReports.moc"
