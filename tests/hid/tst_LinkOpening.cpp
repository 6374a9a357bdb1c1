// SPDX-License-Identifier: GPL-3.0-or-later
// Opening a device through its link, against the emulator: the serial-number inquiry and its
// repair, the lighting-mode inquiries and lists, readiness within the device page's wait.

#include "LinkTestSupport.h"

#include <QtTest>

using namespace linktest;

namespace {

enum DeviceKind { Keyboard, Mouse };

QString describe(const LightTypeInfo &info)
{
    QStringList ids;
    for (int id : info.lightTypeList)
        ids << QString::number(id);
    return QStringLiteral("%1|%2|%3").arg(ids.join(QLatin1Char(','))).arg(info.speedMax).arg(info.brightnessMax);
}

QString describe(const emu::DeviceSpec::LightList &list)
{
    QStringList ids;
    for (uint8_t id : list.effects)
        ids << QString::number(id);
    return QStringLiteral("%1|%2|%3").arg(ids.join(QLatin1Char(','))).arg(list.speedMax).arg(list.brightnessMax);
}

QByteArray run(int from, int count)
{
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes.append(char(from + i));
    return bytes;
}

QString idList(int from, int count)
{
    QStringList ids;
    for (int i = 0; i < count; ++i)
        ids << QString::number(from + i);
    return ids.join(QLatin1Char(','));
}

}  // namespace

class LinkOpeningTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { emu::reset(); }
    void cleanup() { emu::reset(); }

    void openingConversation_data();
    void openingConversation();
    void lightModeLists_data();
    void lightModeLists();
    void keyboardWithoutSideAnswerNeverReady();
    void failedOpenIsNeverReady();
    void reportsBeforeOpeningAreHarmless();

private:
    std::unique_ptr<DDeviceKeyboardLink> open(emu::DeviceId id, const QString &model, int type,
                                              const QString &serialToWrite = QString());
};

std::unique_ptr<DDeviceKeyboardLink> LinkOpeningTest::open(emu::DeviceId id, const QString &model, int type,
                                                           const QString &serialToWrite)
{
    auto link = std::make_unique<DDeviceKeyboardLink>(0);
    if (!serialToWrite.isNull())
        link->setSerialNumberToWrite(serialToWrite);
    link->openHidDevice(deviceRecord(id, model, type));
    return link;
}

void LinkOpeningTest::openingConversation_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QByteArray>("storedSerial");  // "factory": the device's own
    QTest::addColumn<QString>("serialToWrite");
    QTest::addColumn<bool>("kept");
    QTest::addColumn<QVector<int>>("commands");

    const QVector<int> keyboard = {0x15, 0x0A, 0x02};
    const QVector<int> keyboardRepaired = {0x15, 0x16, 0x0A, 0x02};
    const QVector<int> mouse = {0x15, 0x43};
    const QVector<int> mouseRepaired = {0x15, 0x16, 0x43};
    const QByteArray odd("../..//\t\x7f \xe9x:*?<>|\"%$~`\\ABCDEFGH", 32);
    const QString pending = QStringLiteral("0123456789abcdef0123456789ABCDEF");

    QTest::newRow("keyboard, factory serial")
        << int(Keyboard) << QByteArray("factory") << QString() << true << keyboard;
    QTest::newRow("keyboard, odd 32 characters kept") << int(Keyboard) << odd << QString() << true << keyboard;
    QTest::newRow("keyboard, no serial") << int(Keyboard) << QByteArray() << QString() << false << keyboardRepaired;
    QTest::newRow("keyboard, 31 characters")
        << int(Keyboard) << QByteArray(31, 'a') << QString() << false << keyboardRepaired;
    QTest::newRow("keyboard, pending serial written")
        << int(Keyboard) << QByteArray() << pending << false << keyboardRepaired;
    QTest::newRow("mouse, factory serial") << int(Mouse) << QByteArray("factory") << QString() << true << mouse;
    QTest::newRow("mouse, zero inside the serial")
        << int(Mouse) << QByteArray("abcdefgh\0ijklmnopqrstuvwxyz012345", 33) << QString() << false << mouseRepaired;
}

void LinkOpeningTest::openingConversation()
{
    QFETCH(int, kind);
    QFETCH(QByteArray, storedSerial);
    QFETCH(QString, serialToWrite);
    QFETCH(bool, kept);
    QFETCH(QVector<int>, commands);

    emu::DeviceSpec spec = kind == Keyboard ? emu::keyboardSpec() : emu::mouseSpec();
    if (storedSerial != "factory")
        spec.serial = storedSerial;
    const QByteArray before = spec.serial;
    const emu::DeviceId id = emu::plug(spec);
    auto link = open(id, kind == Keyboard ? QStringLiteral("ZK87A") : QStringLiteral("ZM1"), kind, serialToWrite);

    QVERIFY(link->getHidInterface()->isHidOpen());
    QVERIFY2(waitLikeDevicePage(*link), "not ready within the device page's wait");
    QVERIFY(link->isLightTypeListReceived());
    QCOMPARE(hostCommands(id), commands);

    const QString serial = link->getSerialNumber();
    if (kept) {
        QCOMPARE(serial, QString::fromLatin1(before));
        QCOMPARE(emu::storedSerial(id), before);
    } else {
        QCOMPARE(serial.size(), 32);
        if (!serialToWrite.isEmpty())
            QCOMPARE(serial, serialToWrite);
        QCOMPARE(emu::storedSerial(id), serial.toLatin1());
    }
    QCOMPARE(link->getHidInterface()->getSerialNumber(), serial);

    if (kind == Keyboard) {
        QCOMPARE(describe(link->getKeyboardLightTypeList()), describe(spec.keyLights));
        QCOMPARE(describe(link->getSideLightTypeList()), describe(spec.sideLights));
        QCOMPARE(describe(link->getMouseLightTypeList()), QStringLiteral("|0|0"));
    } else {
        QCOMPARE(describe(link->getMouseLightTypeList()), describe(spec.aroundLights));
        QCOMPARE(describe(link->getScrollLightTypeList()), describe(spec.scrollLights));
        QCOMPARE(describe(link->getLogoLightTypeList()), describe(spec.logoLights));
        QCOMPARE(describe(link->getKeyboardLightTypeList()), QStringLiteral("|0|0"));
    }
}

void LinkOpeningTest::lightModeLists_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QByteArray>("answer");     // payload from byte 6 of the 0x0A or 0x43 answer
    QTest::addColumn<QStringList>("expected");  // keyboard: key list; mouse: Around, scroll, logo

    QTest::newRow("keyboard list") << int(Keyboard) << QByteArray::fromHex("010203a50506") << QStringList{"1,2,3|5|6"};
    QTest::newRow("repeated end marks") << int(Keyboard) << QByteArray::fromHex("07a55aa50302") << QStringList{"7|3|2"};
    QTest::newRow("empty list") << int(Keyboard) << QByteArray::fromHex("a50404") << QStringList{"|4|4"};
    QTest::newRow("no end mark: up to byte 63") << int(Keyboard) << run(1, 58) << QStringList{idList(1, 58) + "|0|0"};
    QTest::newRow("end mark on byte 63") << int(Keyboard) << run(1, 57) + QByteArray("\xa5")
                                         << QStringList{idList(1, 57) + "|0|0"};
    QTest::newRow("speed on byte 63") << int(Keyboard) << run(1, 56) + QByteArray("\xa5\x09")
                                      << QStringList{idList(1, 56) + "|9|0"};
    QTest::newRow("mouse lists") << int(Mouse) << QByteArray::fromHex("0001a50405005a030402a50405")
                                 << QStringList{"0,1|4|5", "0|3|4", "2|4|5"};
    QTest::newRow("mouse, first list without end mark")
        << int(Mouse) << run(1, 58) << QStringList{idList(1, 58) + "|0|0", "|0|0", "|0|0"};
    QTest::newRow("mouse, second list without end mark") << int(Mouse) << QByteArray::fromHex("01a50404") + run(10, 54)
                                                         << QStringList{"1|4|4", idList(10, 54) + "|0|0", "|0|0"};
}

void LinkOpeningTest::lightModeLists()
{
    QFETCH(int, kind);
    QFETCH(QByteArray, answer);
    QFETCH(QStringList, expected);

    const bool keyboard = kind == Keyboard;
    const emu::DeviceSpec spec = keyboard ? emu::keyboardSpec() : emu::mouseSpec();
    const emu::DeviceId id = emu::plug(spec);
    const uint8_t command = keyboard ? 0x0A : 0x43;
    emu::setReplyOverride(id, command, {frame(command, answer)});
    auto link = open(id, keyboard ? QStringLiteral("ZK87A") : QStringLiteral("ZM1"), kind);

    QVERIFY(waitLikeDevicePage(*link));
    if (keyboard) {
        QCOMPARE(describe(link->getKeyboardLightTypeList()), expected.at(0));
        QCOMPARE(describe(link->getSideLightTypeList()), describe(spec.sideLights));  // asked after the 0x0A answer
        QCOMPARE(hostCommands(id), (QVector<int>{0x15, 0x0A, 0x02}));
    } else {
        QCOMPARE(describe(link->getMouseLightTypeList()), expected.at(0));
        QCOMPARE(describe(link->getScrollLightTypeList()), expected.at(1));
        QCOMPARE(describe(link->getLogoLightTypeList()), expected.at(2));
    }
}

// Without the side-strip answer the keyboard never becomes ready, and key presses never
// reach the reactive lighting.
void LinkOpeningTest::keyboardWithoutSideAnswerNeverReady()
{
    const emu::DeviceId id = emu::plug(emu::keyboardSpec());
    emu::setReplyFault(id, 0x02, emu::ReplyFault::NoReply);
    auto link = open(id, QStringLiteral("ZK87A"), Keyboard);
    RecordingKeyboardLight light;
    ButtonMap buttons({4});
    link->setLightDealMain(&light);
    link->setKeyButtonMap(buttons.map);
    link->setKeyboardLightType(6);

    QVERIFY(!waitLikeDevicePage(*link));
    QVERIFY(!link->isLightTypeListReceived());
    QCOMPARE(describe(link->getKeyboardLightTypeList()), describe(emu::spec(id).keyLights));
    QCOMPARE(describe(link->getSideLightTypeList()), QStringLiteral("|0|0"));

    emu::injectKeys(id, 0, {4});
    QTRY_COMPARE(visible(id, 0x04, 8).size(), 1);
    QCOMPARE(visible(id, 0x04, 8).at(0), QStringLiteral("00 00 04 00 00 00 00 00"));
    QVERIFY(light.presses.isEmpty());
}

void LinkOpeningTest::failedOpenIsNeverReady()
{
    const emu::DeviceId id = emu::plug(emu::keyboardSpec());
    emu::failNextOpens(1);
    auto link = open(id, QStringLiteral("ZK87A"), Keyboard);

    QVERIFY(link->getHidInterface());
    QVERIFY(!link->getHidInterface()->isHidOpen());
    QVERIFY(!waitLikeDevicePage(*link));
    QVERIFY(link->getSerialNumber().isEmpty());
    QVERIFY(emu::written(id).isEmpty());
}

// A link that was never opened has nobody to answer: every report, in either mode, is taken
// without a crash and without a write.
void LinkOpeningTest::reportsBeforeOpeningAreHarmless()
{
    for (int onboardMode : {0, 1}) {
        DDeviceKeyboardLink link(0);
        link.setOnboardMode(onboardMode);
        for (int command = 0; command < 256; ++command) {
            QByteArray report = frame(uint8_t(command), QByteArray(58, '\x5A'));
            link.onHidDataArrived(report, report.size(), 0);
            link.onHidDataArrived(report.left(3), 3, 0);
        }
        QVERIFY(!link.getHidInterface());
    }
}

QTEST_GUILESS_MAIN(LinkOpeningTest)
#include "tst_LinkOpening.moc"
