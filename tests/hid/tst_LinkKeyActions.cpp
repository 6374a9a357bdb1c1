// SPDX-License-Identifier: GPL-3.0-or-later
// What a keyboard in PC mode types for keys with an assignment: the key report (0x04), the
// media (0x06) and mouse (0x13) reports of the functions, and the PC-side actions.

#include "LinkActionTestSupport.h"

using namespace linktest;

namespace {

const QString kNoKeys = QStringLiteral("04: 00 00 00 00 00 00 00 00");

// A report for the keyboard: "04:" with the eight key bytes, or "06:" with the three media bytes.
QByteArray report(const QString &text)
{
    const QByteArray bytes = text.toLatin1();
    return frame(uint8_t(bytes.left(2).toInt(nullptr, 16)), QByteArray::fromHex(bytes.mid(3)));
}

}  // namespace

class tst_LinkKeyActions : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void assignments_data();
    void assignments();
    void textIsOnTheClipboardBeforeCtrlV();
    void closeWindowShortcut_data();
    void closeWindowShortcut();
    void profileSwitchOncePerPress();
    void launchOncePerPress();
    void mouseFunctionEndsWithItsKey();

private:
    void type(const QStringList &reports);

    std::unique_ptr<OpenedLink> m_kb;
};

void tst_LinkKeyActions::init()
{
    emu::reset();
    m_kb = std::make_unique<OpenedLink>();
    QVERIFY(m_kb->open(false));
}

void tst_LinkKeyActions::cleanup()
{
    m_kb.reset();
    emu::reset();
}

void tst_LinkKeyActions::type(const QStringList &reports)
{
    for (const QString &r : reports)
        emu::injectRaw(m_kb->id, report(r));
    QVERIFY(syncLink(m_kb->id, *m_kb->link));
}

void tst_LinkKeyActions::assignments_data()
{
    QTest::addColumn<QStringList>("bindings");  // "code:operateType:value"
    QTest::addColumn<QStringList>("reports");   // what the keyboard reports
    QTest::addColumn<QStringList>("computer");  // what the computer is given

    const QString a = QStringLiteral("04: 00 00 04 00 00 00 00 00");
    const QString up = QStringLiteral("04: 0000000000000000");
    const QString pressA = QStringLiteral("04: 0000040000000000");

    QTest::newRow("another key") << QStringList{"4:0:30"} << QStringList{pressA, up}
                                 << QStringList{"04: 00 00 1e 00 00 00 00 00", kNoKeys};
    QTest::newRow("another key that is a modifier")
        << QStringList{"4:0:224"} << QStringList{pressA, up} << QStringList{"04: 01 00 00 00 00 00 00 00", kNoKeys};
    QTest::newRow("an operateType that is no number reads as 0")
        << QStringList{"4:abc:30"} << QStringList{pressA, up} << QStringList{"04: 00 00 1e 00 00 00 00 00", kNoKeys};
    QTest::newRow("an unknown operateType does nothing")
        << QStringList{"4:12:30"} << QStringList{pressA, up} << QStringList{kNoKeys, kNoKeys};
    QTest::newRow("disabled") << QStringList{"5:5:0"} << QStringList{"04: 0000040500000000", up}
                              << QStringList{a, kNoKeys};
    QTest::newRow("two keys of one usage take two slots; a release frees one")
        << QStringList{"4:0:30", "5:0:30"} << QStringList{pressA, "04: 0000040500000000", "04: 0000050000000000", up}
        << QStringList{"04: 00 00 1e 00 00 00 00 00", "04: 00 00 1e 1e 00 00 00 00", "04: 00 00 1e 00 00 00 00 00",
                       kNoKeys};
    QTest::newRow("a release moves the later slots down")
        << QStringList() << QStringList{"04: 0000040506000000", "04: 0000040600000000"}
        << QStringList{"04: 00 00 04 05 06 00 00 00", "04: 00 00 04 06 00 00 00 00"};
    QTest::newRow("a seventh key is dropped and stays out when a slot frees")
        << QStringList{"127:0:30"}
        << QStringList{"04: 0000040506070809", "06: 040000", "04: 0000050607080900", "06: 000000"}
        << QStringList{"04: 00 00 04 05 06 07 08 09", "04: 00 00 04 05 06 07 08 09", "06: 00 00 00",
                       "04: 00 00 05 06 07 08 09 00", "04: 00 00 05 06 07 08 09 00", "06: 00 00 00"};
    QTest::newRow("combination") << QStringList{"4:2:5,4"} << QStringList{pressA, up}
                                 << QStringList{"04: 05 00 04 00 00 00 00 00", kNoKeys};
    QTest::newRow("combination without a comma: modifiers only")
        << QStringList{"4:2:2"} << QStringList{pressA, up} << QStringList{"04: 02 00 00 00 00 00 00 00", kNoKeys};
    QTest::newRow("combination with a missing key")
        << QStringList{"4:2:1,"} << QStringList{pressA, up} << QStringList{"04: 01 00 00 00 00 00 00 00", kNoKeys};
    QTest::newRow("empty combination") << QStringList{"4:2:"} << QStringList{pressA, up}
                                       << QStringList{kNoKeys, kNoKeys};
    QTest::newRow("multimedia: calculator") << QStringList{"4:3:9"} << QStringList{pressA, up}
                                            << QStringList{"06: 00 00 04", kNoKeys, "06: 00 00 00", kNoKeys};
    QTest::newRow("multimedia: volume up") << QStringList{"4:3:0"} << QStringList{pressA, up}
                                           << QStringList{"06: 01 00 00", kNoKeys, "06: 00 00 00", kNoKeys};
    QTest::newRow("multimedia: browser") << QStringList{"4:3:11"} << QStringList{pressA, up}
                                         << QStringList{"06: 00 08 00", kNoKeys, "06: 00 00 00", kNoKeys};
    QTest::newRow("multimedia: unknown function") << QStringList{"4:3:13"} << QStringList{pressA, up}
                                                  << QStringList{"06: 00 00 00", kNoKeys, "06: 00 00 00", kNoKeys};
    QTest::newRow("mouse: left") << QStringList{"4:4:0"} << QStringList{pressA, up}
                                 << QStringList{"13: 01 00", kNoKeys, "13: 00 00", kNoKeys};
    QTest::newRow("mouse: wheel down") << QStringList{"4:4:4"} << QStringList{pressA, up}
                                       << QStringList{"13: 00 ff", kNoKeys, "13: 00 00", kNoKeys};
    QTest::newRow("mouse: unknown function is still sent")
        << QStringList{"4:4:9"} << QStringList{pressA, up} << QStringList{"13: 00 00", kNoKeys, "13: 00 00", kNoKeys};
    QTest::newRow("mouse: two keys on the left button")
        << QStringList{"4:4:0", "5:4:0"} << QStringList{pressA, "04: 0000040500000000", "04: 0000050000000000", up}
        << QStringList{"13: 01 00", kNoKeys, "13: 01 00", kNoKeys, "13: 01 00", kNoKeys, "13: 00 00", kNoKeys};
    QTest::newRow("text: Ctrl+V while held")
        << QStringList{"4:6:hello"} << QStringList{pressA, up} << QStringList{"04: 01 00 19 00 00 00 00 00", kNoKeys};
    QTest::newRow("shortcut: Win+E") << QStringList{"4:9:3"} << QStringList{pressA, up}
                                     << QStringList{"04: 08 00 08 00 00 00 00 00", kNoKeys};
    QTest::newRow("shortcut: Ctrl+S") << QStringList{"4:9:11"} << QStringList{pressA, up}
                                      << QStringList{"04: 01 00 16 00 00 00 00 00", kNoKeys};
    QTest::newRow("shortcut: unknown") << QStringList{"4:9:12"} << QStringList{pressA, up}
                                       << QStringList{kNoKeys, kNoKeys};
    QTest::newRow("media key bound to a key")
        << QStringList{"127:0:30"} << QStringList{"06: 040000", "06: 000000"}
        << QStringList{"04: 00 00 1e 00 00 00 00 00", "06: 00 00 00", kNoKeys, "06: 00 00 00"};
    QTest::newRow("media key bound to a mouse button")
        << QStringList{"127:4:2"} << QStringList{"06: 050000", "06: 000000"}
        << QStringList{"13: 02 00",   "04: 00 00 00 00 00 00 00 00", "06: 01 00 00", "13: 00 00", kNoKeys,
                       "06: 00 00 00"};
}

void tst_LinkKeyActions::assignments()
{
    QFETCH(QStringList, bindings);
    QFETCH(QStringList, reports);
    for (const QString &b : bindings)
        bind(m_kb->profile, b);
    type(reports);
    QTEST(computerReports(m_kb->id), "computer");
}

void tst_LinkKeyActions::textIsOnTheClipboardBeforeCtrlV()
{
    const QString text = QStringLiteral("Grüße, 你好; \"$HOME\"");
    bind(m_kb->profile, QStringLiteral("4:6:") + text);
    QStringList seenBefore;
    m_kb->actions.onClipboard = [&] { seenBefore = computerReports(m_kb->id); };

    type({"04: 0000040000000000", "04: 0000040000000000", "04: 0000000000000000"});
    QCOMPARE(m_kb->actions.clipboard, QStringList{text});
    QVERIFY(seenBefore.isEmpty());
    QCOMPARE(computerReports(m_kb->id),
             (QStringList{"04: 01 00 19 00 00 00 00 00", "04: 01 00 19 00 00 00 00 00", kNoKeys}));
}

void tst_LinkKeyActions::closeWindowShortcut_data()
{
    QTest::addColumn<bool>("ownWindow");
    QTest::addColumn<QStringList>("computer");
    QTest::addColumn<int>("closes");
    QTest::newRow("own window: closed by the program") << true << QStringList{kNoKeys, kNoKeys, kNoKeys} << 1;
    QTest::newRow("another window: Alt+F4")
        << false << QStringList{"04: 04 00 3d 00 00 00 00 00", "04: 04 00 3d 00 00 00 00 00", kNoKeys} << 0;
}

void tst_LinkKeyActions::closeWindowShortcut()
{
    QFETCH(bool, ownWindow);
    m_kb->actions.ownWindow = ownWindow;
    bind(m_kb->profile, QStringLiteral("4:9:0"));
    QSignalSpy closes(m_kb->link.get(), &DDeviceKeyboardLink::sigCloseWindowForThis);

    // Pressed, still held in the next report, released.
    type({"04: 0000040000000000", "04: 0000040000000000", "04: 0000000000000000"});
    QTEST(computerReports(m_kb->id), "computer");
    QTEST(int(closes.count()), "closes");
}

void tst_LinkKeyActions::profileSwitchOncePerPress()
{
    bind(m_kb->profile, QStringLiteral("4:7:3"));
    QSignalSpy switches(m_kb->link.get(), &DDeviceKeyboardLink::sigCustomEventChangProfile);
    type({"04: 0000040000000000", "04: 0000040000000000", "04: 0000000000000000", "04: 0000040000000000"});
    QCOMPARE(switches.count(), 2);
    QCOMPARE(switches.at(0).at(0).toInt(), 3);
    QCOMPARE(computerReports(m_kb->id), (QStringList{kNoKeys, kNoKeys, kNoKeys, kNoKeys}));
}

void tst_LinkKeyActions::launchOncePerPress()
{
    const QString program = QStringLiteral("/opt/My Tools/run me; rm -rf x");
    bind(m_kb->profile, QStringLiteral("4:8:") + program);
    bind(m_kb->profile, QStringLiteral("5:8:"));
    type({"04: 0000040000000000", "04: 0000040000000000", "04: 0000000000000000", "04: 0000050000000000",
          "04: 0000000000000000"});
    QCOMPARE(m_kb->actions.launched, QStringList{program});
    QCOMPARE(computerReports(m_kb->id).size(), 5);
    QVERIFY(!computerReports(m_kb->id).join(QString()).contains(QLatin1String("04: 00 00 04")));
}

void tst_LinkKeyActions::mouseFunctionEndsWithItsKey()
{
    // The assignment changes while the key is held: the button still goes up with the key.
    bind(m_kb->profile, QStringLiteral("4:4:2"));
    type({"04: 0000040000000000"});
    bind(m_kb->profile, QStringLiteral("4:0:30"));
    type({"04: 0000000000000000"});
    QCOMPARE(computerReports(m_kb->id), (QStringList{"13: 02 00", kNoKeys, "13: 00 00", kNoKeys}));
}

QTEST_GUILESS_MAIN(tst_LinkKeyActions)
#include "tst_LinkKeyActions.moc"
