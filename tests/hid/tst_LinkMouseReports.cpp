// SPDX-License-Identifier: GPL-3.0-or-later
// The mouse's button reports (0x40) through its link: what goes back to the computer for
// buttons with and without an assignment, the DPI button, the sniper button, the wheel, and
// the mouse lighting's input.

#include "LinkActionTestSupport.h"
#include "MouseLightInterface.h"

using namespace linktest;

namespace {

constexpr int kButtonByte = 6;
constexpr int kWheelByte = 11;

// A mouse report: "buttons wheel" in hex, e.g. "01 00"; every other byte after the command
// carries a value of its own, none zero, so that an echo that loses or moves one shows.
QByteArray mouseReport(const QString &text)
{
    const QByteArray bytes = QByteArray::fromHex(text.toLatin1());
    QByteArray r = frame(0x40);
    for (int i = 2; i < r.size(); ++i)
        r[i] = char(0x80 + i);
    r[kButtonByte] = bytes.at(0);
    r[kWheelByte] = bytes.at(1);
    return r;
}

// "buttons wheel" of each 0x40 report that went back, compared byte for byte: a report that
// differs from its input anywhere else is shown whole.
QStringList mouseEchoes(emu::DeviceId id)
{
    QStringList out;
    for (const emu::WrittenReport &w : emu::computerVisible(id)) {
        if (uint8_t(w.data.at(1)) != 0x40)
            continue;
        const QString echo = QString::fromLatin1((w.data.mid(kButtonByte, 1) + w.data.mid(kWheelByte, 1)).toHex(' '));
        if (w.data == mouseReport(echo))
            out << echo;
        else
            out << QStringLiteral("not the input: ") + QString::fromLatin1(w.data.toHex(' '));
    }
    return out;
}

// The other reports the computer was given.
QStringList otherReports(emu::DeviceId id)
{
    return computerReports(id);
}

class RecordingMouseLight : public MouseLightInterface
{
public:
    void keyPressLight() override { ++presses; }
    void nextDpiColor() override { ++dpiColors; }
    int presses = 0;
    int dpiColors = 0;
};

}  // namespace

class tst_LinkMouseReports : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void buttons_data();
    void buttons();
    void dpiButtonWithoutAnAssignment();
    void sniperButton();
    void releaseWithoutPressDoesNotWrap();
    void echoCarriesTheDevicesReportId();
    void mouseLighting_data();
    void mouseLighting();

private:
    void click(const QStringList &reports);

    std::unique_ptr<OpenedLink> m_mouse;
};

void tst_LinkMouseReports::init()
{
    emu::reset();
    m_mouse = std::make_unique<OpenedLink>();
    QVERIFY(m_mouse->open(true));
}

void tst_LinkMouseReports::cleanup()
{
    m_mouse.reset();
    emu::reset();
}

void tst_LinkMouseReports::click(const QStringList &reports)
{
    for (const QString &r : reports)
        emu::injectRaw(m_mouse->id, mouseReport(r));
    QVERIFY(syncLink(m_mouse->id, *m_mouse->link));
}

void tst_LinkMouseReports::buttons_data()
{
    QTest::addColumn<QStringList>("bindings");  // "button:operateType:value"
    QTest::addColumn<QStringList>("reports");   // "buttons wheel" of each 0x40 report
    QTest::addColumn<QStringList>("echoes");    // "buttons wheel" that went back
    QTest::addColumn<QStringList>("others");    // key, media and mouse reports on the way

    const QString none = QStringLiteral("00 00");
    const QString noKeys = QStringLiteral("04: 00 00 00 00 00 00 00 00");

    QTest::newRow("left without an assignment")
        << QStringList() << QStringList{"01 00", none} << QStringList{"01 00", none} << QStringList();
    QTest::newRow("right disabled") << QStringList{"2:5:0"} << QStringList{"03 00", "02 00", none}
                                    << QStringList{"01 00", none, none} << QStringList();
    QTest::newRow("back bound to a key") << QStringList{"8:0:30"} << QStringList{"08 00", none}
                                         << QStringList{none, none}
                                         << QStringList{"04: 00 00 1e 00 00 00 00 00", noKeys};
    QTest::newRow("left and right released in one report")
        << QStringList{"1:5:0", "2:5:0"} << QStringList{"03 00", "04 00", none} << QStringList{none, "04 00", none}
        << QStringList();
    QTest::newRow("wheel only") << QStringList() << QStringList{"00 01", "00 ff"} << QStringList{"00 01", "00 ff"}
                                << QStringList();
    QTest::newRow("wheel does not release a held button")
        << QStringList{"1:0:30"} << QStringList{"01 00", "00 01", none} << QStringList{none, "00 01", none}
        << QStringList{"04: 00 00 1e 00 00 00 00 00", noKeys};
    QTest::newRow("a button with a mouse function replaces the buttons")
        << QStringList{"8:4:0"} << QStringList{"08 00", "0a 01", "08 00", none}
        << QStringList{"01 00", "01 00", "01 00", none} << QStringList();
    QTest::newRow("a button with the wheel")
        << QStringList{"16:4:3"} << QStringList{"10 00", none} << QStringList{"00 01", none} << QStringList();
    QTest::newRow("a button with a combination")
        << QStringList{"16:2:1,6"} << QStringList{"10 00", none} << QStringList{none, none}
        << QStringList{"04: 01 00 06 00 00 00 00 00", noKeys};
    QTest::newRow("a button with a multimedia function")
        << QStringList{"4:3:2"} << QStringList{"04 00", none} << QStringList{none, none}
        << QStringList{"06: 04 00 00", "06: 00 00 00"};
    QTest::newRow("an unchanged report is answered") << QStringList() << QStringList{"01 00", "01 00", "01 00"}
                                                     << QStringList{"01 00", "01 00", "01 00"} << QStringList();
}

void tst_LinkMouseReports::buttons()
{
    QFETCH(QStringList, bindings);
    QFETCH(QStringList, reports);
    for (const QString &b : bindings)
        bind(m_mouse->profile, b);
    click(reports);
    QTEST(mouseEchoes(m_mouse->id), "echoes");
    QTEST(otherReports(m_mouse->id), "others");
}

void tst_LinkMouseReports::dpiButtonWithoutAnAssignment()
{
    QSignalSpy dpi(m_mouse->link.get(), &DDeviceKeyboardLink::sigMouseTriggeredDPIkey);
    click({"20 00", "20 00", "00 00"});
    QCOMPARE(dpi.count(), 1);
    QCOMPARE(mouseEchoes(m_mouse->id), (QStringList{"20 00", "20 00", "00 00"}));

    // With an assignment the DPI button is an ordinary button.
    bind(m_mouse->profile, QStringLiteral("32:0:30"));
    click({"20 00", "00 00"});
    QCOMPARE(dpi.count(), 1);
}

void tst_LinkMouseReports::sniperButton()
{
    bind(m_mouse->profile, QStringLiteral("16:4:7"));
    QSignalSpy sniper(m_mouse->link.get(), &DDeviceKeyboardLink::sigMouseActivatesSniperKey);
    click({"10 00", "11 01", "10 00", "00 00", "01 00"});
    QCOMPARE(sniper.count(), 2);
    QCOMPARE(sniper.at(0).at(0).toBool(), true);
    QCOMPARE(sniper.at(1).at(0).toBool(), false);
    // While it is held nothing else of the mouse gets through; afterwards all does.
    QCOMPARE(mouseEchoes(m_mouse->id), (QStringList{"00 00", "00 00", "00 00", "00 00", "01 00"}));
}

void tst_LinkMouseReports::releaseWithoutPressDoesNotWrap()
{
    // Left goes down without an assignment and up with one.
    click({"01 00"});
    bind(m_mouse->profile, QStringLiteral("1:5:0"));
    click({"00 00"});
    m_mouse->profile.unassign(1);
    click({"02 00", "00 00"});
    QCOMPARE(mouseEchoes(m_mouse->id), (QStringList{"01 00", "00 00", "02 00", "00 00"}));
}

void tst_LinkMouseReports::echoCarriesTheDevicesReportId()
{
    // Garbled reports: byte 0 is not the interface's report id. Buttons, wheel and the release.
    for (const char *r : {"01 00", "00 01", "00 00"}) {
        QByteArray report = mouseReport(QString::fromLatin1(r));
        report[0] = char(0x07);
        emu::injectRaw(m_mouse->id, report);
    }
    QVERIFY(syncLink(m_mouse->id, *m_mouse->link));
    int echoes = 0;
    for (const emu::WrittenReport &w : emu::written(m_mouse->id)) {
        if (uint8_t(w.data.at(1)) != 0x40)
            continue;
        ++echoes;
        QCOMPARE(int(uint8_t(w.data.at(0))), 1);
    }
    QCOMPARE(echoes, 3);
}

void tst_LinkMouseReports::mouseLighting_data()
{
    QTest::addColumn<int>("around");
    QTest::addColumn<int>("scroll");
    QTest::addColumn<int>("logo");
    QTest::addColumn<int>("presses");
    QTest::addColumn<int>("dpiColors");
    // Two DPI clicks and one left click: six button events, two DPI presses.
    QTest::newRow("reactive around") << 8 << 2 << 2 << 6 << 0;
    QTest::newRow("DPI colour around") << 7 << 2 << 2 << 0 << 2;
    QTest::newRow("DPI colour on the scroll wheel") << 2 << 3 << 2 << 0 << 2;
    QTest::newRow("DPI colour on the logo") << 2 << 2 << 3 << 0 << 2;
    QTest::newRow("neither") << 2 << 2 << 2 << 0 << 0;
}

void tst_LinkMouseReports::mouseLighting()
{
    RecordingMouseLight light;
    QFETCH(int, around);
    QFETCH(int, scroll);
    QFETCH(int, logo);
    m_mouse->link->setMouseLightDealMain(&light);
    m_mouse->link->setMouseAroundLightType(around);
    m_mouse->link->setMouseScrollLightType(scroll);
    m_mouse->link->setMouseLogoLightType(logo);
    click({"20 00", "00 00", "20 00", "00 00", "01 00", "00 00"});
    QTEST(light.presses, "presses");
    QTEST(light.dpiColors, "dpiColors");
    m_mouse->link->setMouseLightDealMain(nullptr);
}

QTEST_GUILESS_MAIN(tst_LinkMouseReports)
#include "tst_LinkMouseReports.moc"
