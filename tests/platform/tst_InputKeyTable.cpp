// The key table: a row per group of keys and one for each key that needs care.

#include "InputKeyTable.h"

#include <QSet>
#include <QtTest>

class tst_InputKeyTable : public QObject
{
    Q_OBJECT

private slots:
    void keys_data();
    void keys();
    void boardsAreComplete();
    void unknownCodes();
};

void tst_InputKeyTable::keys_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("virtualKey");
    QTest::addColumn<int>("scan");
    QTest::addColumn<bool>("extended");
    QTest::addColumn<int>("usage");
    // code, virtual-key, set-1 scan, E0, HID usage
    QTest::newRow("Esc") << 1 << 27 << 1 << false << 41;
    QTest::newRow("digit 1") << 2 << 49 << 2 << false << 30;
    QTest::newRow("digit 0") << 11 << 48 << 11 << false << 39;
    QTest::newRow("letter Q") << 16 << 81 << 16 << false << 20;
    QTest::newRow("letter A") << 30 << 65 << 30 << false << 4;
    QTest::newRow("letter M") << 50 << 77 << 50 << false << 16;
    QTest::newRow("minus") << 12 << 189 << 12 << false << 45;
    QTest::newRow("grave") << 41 << 192 << 41 << false << 53;
    QTest::newRow("backslash / ISO #") << 43 << 220 << 43 << false << 49;
    QTest::newRow("slash") << 53 << 191 << 53 << false << 56;
    QTest::newRow("F1") << 59 << 112 << 59 << false << 58;
    QTest::newRow("F10") << 68 << 121 << 68 << false << 67;
    QTest::newRow("F11") << 87 << 122 << 87 << false << 68;
    QTest::newRow("F12") << 88 << 123 << 88 << false << 69;
    QTest::newRow("Caps Lock") << 58 << 20 << 58 << false << 57;
    QTest::newRow("left Shift") << 42 << 160 << 42 << false << 225;
    QTest::newRow("right Shift") << 54 << 161 << 54 << false << 229;
    QTest::newRow("left Ctrl") << 29 << 162 << 29 << false << 224;
    QTest::newRow("right Ctrl") << 97 << 163 << 29 << true << 228;
    QTest::newRow("left Alt") << 56 << 164 << 56 << false << 226;
    QTest::newRow("right Alt") << 100 << 165 << 56 << true << 230;
    QTest::newRow("left Windows") << 125 << 91 << 91 << true << 227;
    QTest::newRow("right Windows") << 126 << 92 << 92 << true << 231;
    QTest::newRow("Menu") << 127 << 93 << 93 << true << 101;
    QTest::newRow("Enter") << 28 << 13 << 28 << false << 40;
    QTest::newRow("pad Enter") << 96 << 13 << 28 << true << 88;
    QTest::newRow("pad 0") << 82 << 96 << 82 << false << 98;
    QTest::newRow("pad 7") << 71 << 103 << 71 << false << 95;
    QTest::newRow("pad *") << 55 << 106 << 55 << false << 85;
    QTest::newRow("pad +") << 78 << 107 << 78 << false << 87;
    QTest::newRow("pad -") << 74 << 109 << 74 << false << 86;
    QTest::newRow("pad .") << 83 << 110 << 83 << false << 99;
    QTest::newRow("pad /") << 98 << 111 << 53 << true << 84;
    QTest::newRow("Num Lock") << 69 << 144 << 69 << true << 83;
    QTest::newRow("Scroll Lock") << 70 << 145 << 70 << false << 71;
    QTest::newRow("Print Screen") << 99 << 44 << 55 << true << 70;
    QTest::newRow("Pause") << 119 << 19 << 69 << false << 72;
    QTest::newRow("Insert") << 110 << 45 << 82 << true << 73;
    QTest::newRow("Delete") << 111 << 46 << 83 << true << 76;
    QTest::newRow("Home") << 102 << 36 << 71 << true << 74;
    QTest::newRow("End") << 107 << 35 << 79 << true << 77;
    QTest::newRow("Page Up") << 104 << 33 << 73 << true << 75;
    QTest::newRow("Page Down") << 109 << 34 << 81 << true << 78;
    QTest::newRow("Up") << 103 << 38 << 72 << true << 82;
    QTest::newRow("Left") << 105 << 37 << 75 << true << 80;
    QTest::newRow("Down") << 108 << 40 << 80 << true << 81;
    QTest::newRow("Right") << 106 << 39 << 77 << true << 79;
    QTest::newRow("ISO key left of Z") << 86 << 226 << 86 << false << 100;
    QTest::newRow("Yen") << 124 << 255 << 125 << false << 137;
    QTest::newRow("Henkan") << 92 << 255 << 121 << false << 138;
    QTest::newRow("Katakana/Hiragana") << 93 << 255 << 112 << false << 136;
    QTest::newRow("Muhenkan") << 94 << 235 << 123 << false << 139;
    QTest::newRow("Ro") << 89 << 193 << 115 << false << 135;
}

void tst_InputKeyTable::keys()
{
    QFETCH(int, code);
    QFETCH(int, virtualKey);
    QFETCH(int, scan);
    QFETCH(bool, extended);
    QFETCH(int, usage);
    const InputKey key = InputKeyTable::lookup(code);
    QCOMPARE(key.virtualKey, virtualKey);
    QCOMPARE(key.scanCode, scan);
    QCOMPARE(key.extended, extended);
    QCOMPARE(key.hidUsage, usage);
}

void tst_InputKeyTable::boardsAreComplete()
{
    // The US 104 board's keys, then what ISO 105 and Japanese 109 add.
    QList<int> us104;
    for (int code = 1; code <= 83; ++code)
        us104 << code;
    us104 << 87 << 88 << 96 << 97 << 98 << 99 << 100 << 119 << 125 << 126 << 127;
    for (int code = 102; code <= 111; ++code)
        us104 << code;
    QCOMPARE(us104.size(), 104);
    const QList<int> extra = {86, 124, 92, 93, 94, 89};

    QSet<int> usages;
    QSet<QPair<int, int>> places;  // virtual-key and scan code with its E0 bit
    for (int code : us104 + extra) {
        QVERIFY2(InputKeyTable::contains(code), qPrintable(QString::number(code)));
        const InputKey key = InputKeyTable::lookup(code);
        QVERIFY(key.virtualKey > 0 && key.virtualKey < 256);
        QVERIFY(key.hidUsage > 0);
        // Linux codes 1-83 and 86-88 are their own set-1 make codes.
        if ((code >= 1 && code <= 83) || (code >= 86 && code <= 88))
            QCOMPARE(key.scanCode, code);
        usages.insert(key.hidUsage);
        places.insert({key.virtualKey, key.scanCode | (key.extended ? 0x100 : 0)});
    }
    // Every key of the boards is one key of its own: no two share a usage or a place.
    QCOMPARE(usages.size(), us104.size() + extra.size());
    QCOMPARE(places.size(), us104.size() + extra.size());
}

void tst_InputKeyTable::unknownCodes()
{
    for (int code : {0, 84, 200, 255, -1, 100000}) {
        QVERIFY(!InputKeyTable::contains(code));
        const InputKey key = InputKeyTable::lookup(code);
        QCOMPARE(key.virtualKey, 0);
        QCOMPARE(key.scanCode, 0);
        QCOMPARE(key.hidUsage, 0);
    }
}

QTEST_GUILESS_MAIN(tst_InputKeyTable)
#include "tst_InputKeyTable.moc"
