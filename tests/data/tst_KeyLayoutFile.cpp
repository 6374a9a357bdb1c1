// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeyLayoutFile.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray row1(const QByteArray &entries)
{
    return "{\"EveryKeyInfo_Row01\": [" + entries + "]}";
}

QByteArray key(int dec, const QByteArray &caption = "\"K\"", int width = 24)
{
    return "{\"PosX\": 10, \"PosY\": 20, \"Width\": " + QByteArray::number(width) + ", \"Height\": 24, \"Dec\": "
           + QByteArray::number(dec) + ", \"qtDec\": 1, \"Character\": " + caption + "}";
}

const QByteArray kDummy =
    "{\"PosX\": -1, \"PosY\": -1, \"Width\": 00, \"Height\": 00, \"Dec\": 00, \"qtDec\": 00, \"Character\": \"-\"}";

QByteArray repeated(const QByteArray &entry, int count)
{
    QByteArrayList list;
    for (int i = 0; i < count; ++i)
        list.append(entry);
    return list.join(",");
}

QByteArray led(int index)
{
    return "{\"PosX\": 1, \"PosY\": 2, \"Width\": 10, \"Height\": 6, \"Index\": " + QByteArray::number(index)
           + ", \"validStatus\": 1, \"SidePosition\": 0, \"Mark\": \"m\", \"isDrawRounded\": 1}";
}

}  // namespace

class tst_KeyLayoutFile : public QObject
{
    Q_OBJECT

private slots:
    void reads_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("keys");
        QTest::addColumn<int>("leds");
        QTest::addColumn<int>("probe");  // index into keys(), -1 for none
        QTest::addColumn<int>("dec");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");

        QTest::newRow("leading zeros") << row1(
            "{\"PosX\": 05, \"PosY\": 00, \"Width\": 024, \"Height\": 24, \"Dec\": 041, \"qtDec\": 027, "
            "\"Character\": \"Esc\"}") << true
                                       << 1 << 0 << 0 << 41 << "Esc" << 24 << 0 << 0;
        QTest::newRow("CR LF, tabs, a blank before the brace")
            << QByteArray("{\r\n\t\"EveryKeyInfo_Row02\":\t[\r\n\t\t{\"Dec\":\t58,\t\"Width\":\t00,\t\"Character\":\t"
                          "\"F1\" }\r\n\t]\r\n}\r\n")
            << true << 1 << 0 << 0 << 58 << "F1" << 0 << 1 << 0;
        QTest::newRow("bytes that are not UTF-8") << row1(key(20, "\"Q\xb0\xa1\"")) << true << 1 << 0 << 0 << 20
                                                  << QString::fromUtf8("Q\xb0\xa1") << 24 << 0 << 0;
        QTest::newRow("member names in any case")
            << row1("{\"posx\": 1, \"WIDTH\": 30, \"dec\": 4, \"character\": \"A\"}") << true << 1 << 0 << 0 << 4 << "A"
            << 30 << 0 << 0;
        QTest::newRow("sideLightHave as the text 1 is off")
            << QByteArray("{\"Keyboard\": {\"sideLightHave\": \"1\"}, \"EveryKeyInfo_Row00\": [" + led(0) + "]}")
            << true << 0 << 0 << -1 << 0 << "" << 0 << 0 << 0;
        QTest::newRow("side lights on") << QByteArray("{\"Keyboard\": {\"sideLightHave\": 1}, \"EveryKeyInfo_Row00\": ["
                                                      + led(0) + "," + led(1) + "]}")
                                        << true << 0 << 2 << -1 << 0 << "" << 0 << 0 << 0;
        QTest::newRow("row 0 without the switch")
            << QByteArray("{\"Keyboard\": {\"sideLightHave\": 0}, \"EveryKeyInfo_Row00\": [" + led(0) + "]}") << true
            << 0 << 0 << -1 << 0 << "" << 0 << 0 << 0;
        QTest::newRow("side LEDs beyond 60 are dropped") << QByteArray(
            "{\"Keyboard\": {\"sideLightHave\": 1}, \"EveryKeyInfo_Row00\": [" + repeated(led(3), 64) + "]}")
                                                         << true << 0 << 60 << -1 << 0 << "" << 0 << 0 << 0;
        QTest::newRow("row 7 is never read") << QByteArray("{\"EveryKeyInfo_Row07\": [" + key(135) + "]}") << true << 0
                                             << 0 << -1 << 0 << "" << 0 << 0 << 0;
        QTest::newRow("a dummy holds its column")
            << row1(key(41) + "," + kDummy + "," + key(58)) << true << 3 << 0 << 2 << 58 << "K" << 24 << 0 << 2;
        QTest::newRow("the dummy reads as zero")
            << row1(key(41) + "," + kDummy) << true << 2 << 0 << 1 << 0 << "-" << 0 << 0 << 1;
        QTest::newRow("a repeated code keeps both cells")
            << row1(key(30) + "," + key(30, "\"again\"")) << true << 2 << 0 << 1 << 30 << "again" << 24 << 0 << 1;
        QTest::newRow("quote and bar gives backslash and bar")
            << row1(key(49, "\"\\\"|\"")) << true << 1 << 0 << 0 << 49 << "\\|" << 24 << 0 << 0;
        QTest::newRow("bar, blank, quote gives bar, blank, backslash")
            << row1(key(49, "\"| \\\"\"")) << true << 1 << 0 << 0 << 49 << "| \\" << 24 << 0 << 0;
        QTest::newRow("code 52 has a fixed caption")
            << row1(key(52, "\"x\"")) << true << 1 << 0 << 0 << 52 << "' \"" << 24 << 0 << 0;
        QTest::newRow("code 138 keeps its trailing blank")
            << row1(key(138, "\"x\"")) << true << 1 << 0 << 0 << 138 << QString::fromUtf8("変換 ") << 24 << 0 << 0;
        QTest::newRow("a long row is cut at 22")
            << row1(repeated(key(4), 25)) << true << 22 << 0 << 21 << 4 << "K" << 24 << 0 << 21;
        QTest::newRow("a short row") << row1(repeated(key(4), 3)) << true << 3 << 0 << 2 << 4 << "K" << 24 << 0 << 2;
        QTest::newRow("missing members read 0 or empty")
            << row1("{\"Character\": \"A\"}") << true << 1 << 0 << 0 << 0 << "A" << 0 << 0 << 0;
        QTest::newRow("no caption at all") << row1("{\"Dec\": 4}") << true << 1 << 0 << 0 << 4 << "" << 0 << 0 << 0;
        QTest::newRow("a negative size reads 0")
            << row1(key(4, "\"A\"", -30)) << true << 1 << 0 << 0 << 4 << "A" << 0 << 0 << 0;
        QTest::newRow("broken JSON") << QByteArray("{\"EveryKeyInfo_Row01\": [") << false << 0 << 0 << -1 << 0 << ""
                                     << 0 << 0 << 0;
        QTest::newRow("not an object") << QByteArray("[1, 2]") << false << 0 << 0 << -1 << 0 << "" << 0 << 0 << 0;
        QTest::newRow("empty") << QByteArray() << false << 0 << 0 << -1 << 0 << "" << 0 << 0 << 0;
    }

    void reads()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, ok);
        QFETCH(int, keys);
        QFETCH(int, leds);
        QFETCH(int, probe);

        KeyLayoutFile layout;
        QCOMPARE(layout.parse(text), ok);
        QCOMPARE(layout.isLoaded(), ok);
        QCOMPARE(layout.keys().size(), keys);
        QCOMPARE(layout.sideLeds().size(), leds);
        if (probe < 0)
            return;
        const KeyLayoutKey &entry = layout.keys().at(probe);
        QTEST(entry.dec, "dec");
        QTEST(entry.caption, "caption");
        QTEST(entry.width, "width");
        QTEST(entry.row, "row");
        QTEST(entry.column, "column");
    }

    void switches()
    {
        KeyLayoutFile layout;
        QVERIFY(layout.parse("{\"keyboard\": {\"SUPPORTONBOARD\": 1, \"specialEnterKey\": 1, "
                             "\"specialEnterKeyShape\": 2, \"showOnboardSelect\": 2, \"sideLightHave\": 1.5}}"));
        QVERIFY(layout.supportOnboard());
        QVERIFY(layout.specialEnterKey());
        QCOMPARE(layout.specialEnterKeyShape(), 2);
        QVERIFY(!layout.showOnboardSelect());
        QVERIFY(!layout.sideLightHave());

        QVERIFY(layout.parse("{\"EveryKeyInfo_Row01\": []}"));
        QVERIFY(!layout.supportOnboard());
        QVERIFY(!layout.specialEnterKey());
    }

    void sideLedFields()
    {
        KeyLayoutFile layout;
        QVERIFY(
            layout.parse("{\"Keyboard\": {\"sideLightHave\": 1}, \"EveryKeyInfo_Row00\": [{\"PosX\": 7, \"PosY\": "
                         "8, \"Width\": 12, \"Height\": 5, \"Index\": 3, \"validStatus\": 0, \"isDrawRounded\": 1}]}"));
        const KeyLayoutSideLed led = layout.sideLeds().value(0);
        QCOMPARE(led.posX, 7);
        QCOMPARE(led.posY, 8);
        QCOMPARE(led.width, 12);
        QCOMPARE(led.height, 5);
        QCOMPARE(led.index, 3);
        QCOMPARE(led.validStatus, 0);
        QVERIFY(led.drawRounded);
    }

    void reloadForgetsTheLastFile()
    {
        KeyLayoutFile layout;
        QVERIFY(layout.parse("{\"Keyboard\": {\"sideLightHave\": 1}, \"EveryKeyInfo_Row00\": [" + led(0) + "], "
                             + "\"EveryKeyInfo_Row01\": [" + key(4) + "]}"));
        QVERIFY(!layout.parse("garbage"));
        QVERIFY(layout.keys().isEmpty());
        QVERIFY(layout.sideLeds().isEmpty());
        QVERIFY(!layout.sideLightHave());
    }

    void missingFile()
    {
        QTemporaryDir dir;
        KeyLayoutFile layout;
        QVERIFY(!layout.load(dir.filePath("KeyInfo_NONE.config")));
        QVERIFY(!layout.isLoaded());
        QVERIFY(!layout.errorString().isEmpty());
    }

    void readsAFileAsItStands()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(KeyLayoutFile::fileName("ZKTEST"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(row1(key(41, "\"Esc\"")));
        file.close();

        KeyLayoutFile layout;
        QVERIFY(layout.load(path));
        QCOMPARE(layout.keys().size(), 1);
        QCOMPARE(layout.keys().at(0).caption, QStringLiteral("Esc"));
    }

    void filePaths()
    {
        QCOMPARE(KeyLayoutFile::fileName("ZK87A"), QStringLiteral("KeyInfo_ZK87A.config"));
        QCOMPARE(KeyLayoutFile::filePath("ZK87A", false, "/opt/zelka"),
                 QStringLiteral(":/images/configDir/KeyInfo_ZK87A.config"));
        QCOMPARE(KeyLayoutFile::filePath("ZK87A", true, "/opt/zelka"),
                 QStringLiteral("/opt/zelka/configDir/KeyInfo_ZK87A.config"));
    }
};

QTEST_GUILESS_MAIN(tst_KeyLayoutFile)
#include "tst_KeyLayoutFile.moc"
