// SPDX-License-Identifier: GPL-3.0-or-later
// The recorded keys' names and usages: every key of the layout the page reads comes from some
// key the hook reports, and the page's code for it gives the key's usage.

#include "InputKeyTable.h"
#include "KeyLayoutFile.h"
#include "MacroKeyMap.h"

#include <QtTest>

class tst_MacroKeyMap : public QObject
{
    Q_OBJECT

private slots:
    void layoutAndHookAgree();
    void pageCodes_data();
    void pageCodes();
    void fixedKeys();
};

void tst_MacroKeyMap::layoutAndHookAgree()
{
    MacroKeyMap map;
    QVERIFY(map.load());
    KeyLayoutFile layout;
    QVERIFY(layout.load(KeyLayoutFile::filePath(MacroKeyMap::layoutModel(), false, QString())));

    // The page's code of every key the hook's table knows.
    QMultiHash<int, int> linuxCodesByPageCode;
    for (int code = 1; code <= 255; ++code) {
        if (!InputKeyTable::contains(code))
            continue;
        const InputKey key = InputKeyTable::lookup(code);
        const int hookFlag = key.extended ? 0x01 : 0;
        linuxCodesByPageCode.insert(MacroKeyMap::pageCode(key.virtualKey, key.scanCode, hookFlag), code);
    }
    int keys = 0;
    for (const KeyLayoutKey &key : layout.keys()) {
        if (key.dec <= 0)
            continue;  // fillers and Fn
        ++keys;
        const QString where = QStringLiteral("%1 (qtDec %2, usage %3)").arg(key.caption).arg(key.qtDec).arg(key.dec);
        QVERIFY2(linuxCodesByPageCode.contains(key.qtDec), qPrintable("no hooked key gives " + where));
        // The map gives the usage the layout's last entry for that code has.
        int expected = key.dec;
        for (const KeyLayoutKey &later : layout.keys()) {
            if (later.dec > 0 && later.qtDec == key.qtDec)
                expected = later.dec;
        }
        QCOMPARE(map.usage(key.qtDec), expected);
    }
    QCOMPARE(keys, 103);  // 104 places, one of them the Fn key
}

void tst_MacroKeyMap::pageCodes_data()
{
    QTest::addColumn<int>("virtualKey");
    QTest::addColumn<int>("scanCode");
    QTest::addColumn<int>("hookFlag");
    QTest::addColumn<int>("code");
    QTest::newRow("Enter down") << 13 << 28 << 0x00 << 999;
    QTest::newRow("Enter up") << 13 << 28 << 0x80 << 999;
    QTest::newRow("Enter, other flag bits") << 13 << 28 << 0x20 << 999;
    QTest::newRow("pad Enter down") << 13 << 28 << 0x01 << 998;
    QTest::newRow("pad Enter up, other bits") << 13 << 28 << 0xA1 << 998;
    QTest::newRow("yen") << 255 << 125 << 0x00 << 981;
    QTest::newRow("henkan") << 255 << 121 << 0x80 << 987;
    QTest::newRow("katakana") << 255 << 112 << 0x00 << 988;
    QTest::newRow("other 255") << 255 << 1 << 0x00 << 255;
    QTest::newRow("ro") << 193 << 115 << 0x00 << 984;
    QTest::newRow("muhenkan") << 235 << 123 << 0x00 << 986;
    QTest::newRow("A") << 65 << 30 << 0x00 << 65;
}

void tst_MacroKeyMap::pageCodes()
{
    QFETCH(int, virtualKey);
    QFETCH(int, scanCode);
    QFETCH(int, hookFlag);
    QFETCH(int, code);
    QCOMPARE(MacroKeyMap::pageCode(virtualKey, scanCode, hookFlag), code);
}

void tst_MacroKeyMap::fixedKeys()
{
    MacroKeyMap map;
    QVERIFY(map.load());
    QCOMPARE(map.usage(999), 40);
    QCOMPARE(map.usage(998), 88);
    QCOMPARE(map.name(226), QStringLiteral("\\|"));
    QCOMPARE(map.usage(226), 100);
    QCOMPARE(map.usage(981), 137);
    QCOMPARE(map.name(988), QString::fromUtf8("カタカナ/ひらかな"));
    QCOMPARE(map.usage(0), -1);
    QVERIFY(map.name(0).isEmpty());
}

QTEST_MAIN(tst_MacroKeyMap)
#include "tst_MacroKeyMap.moc"
