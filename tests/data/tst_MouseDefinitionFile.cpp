// SPDX-License-Identifier: GPL-3.0-or-later
// The mouse definition reader: the carried file, line ends, and files with faulty members.

#include "MouseDefinitionFile.h"

#include <QFile>
#include <QtTest>

class tst_MouseDefinitionFile : public QObject
{
    Q_OBJECT

private slots:
    void files_data();
    void files();
    void carriedRowsAndSlots();
    void missingFile();

private:
    static QByteArray carried();
};

QByteArray tst_MouseDefinitionFile::carried()
{
    QFile file(MouseDefinitionFile::resourcePath(QStringLiteral("ZM1")));
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

void tst_MouseDefinitionFile::files_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("parsed");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("supportXY");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("ledCount");
    QTest::addColumn<int>("visibleSlots");  // 10 x 10 slots

    const QByteArray file = carried();
    QVERIFY(file.contains("\r\n"));
    QByteArray lf = file;
    lf.replace("\r\n", "\n");
    QByteArray noMouse = file;
    noMouse.replace("\"Mouse\":", "\"Mice\":");
    QByteArray noWidth = file;
    noWidth.replace("\"PosX\": 302, \"PosY\": 182, \"Width\": 10,", "\"PosX\": 302, \"PosY\": 182,");
    QByteArray textIndex = file;
    textIndex.replace("\"Index\": 2, \"Dec\": 16,", "\"Index\": \"2\", \"Dec\": 16,");
    QByteArray manySlots = file;
    const QByteArray slot =
        "\t\t{\"PosX\": 1, \"PosY\": 1, \"Width\": 10, \"Height\": 10, \"Index\": 19, \"validStatus\": 1, "
        "\"SidePosition\": 0, \"Mark\": \"0x19\"},\r\n";
    manySlots.replace("\"EveryKeyInfo_MouseLight0\":\t[\r\n",
                      "\"EveryKeyInfo_MouseLight0\":\t[\r\n" + slot.repeated(7));
    QByteArray bigCaption = file;
    bigCaption.replace("\"showInfoTextWidth\":\t125", "\"showInfoTextWidth\":\t900");

    QTest::newRow("carried") << file << true << 125 << 20 << 1 << 8 << 18 << 8;
    QTest::newRow("LF line ends") << lf << true << 125 << 20 << 1 << 8 << 18 << 8;
    QTest::newRow("not JSON") << QByteArray("{\"Mouse\": {") << false << 110 << 20 << 1 << 0 << 0 << 0;
    QTest::newRow("no Mouse") << noMouse << true << 110 << 20 << 1 << 8 << 18 << 8;
    QTest::newRow("slot without Width") << noWidth << true << 125 << 20 << 1 << 8 << 18 << 7;
    QTest::newRow("text Index skips the row") << textIndex << true << 125 << 20 << 1 << 7 << 18 << 8;
    QTest::newRow("25 slots: 18 taken") << manySlots << true << 125 << 20 << 1 << 8 << 18 << 15;
    QTest::newRow("caption wider than the page") << bigCaption << true << 110 << 20 << 1 << 8 << 18 << 8;
}

void tst_MouseDefinitionFile::files()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, parsed);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, supportXY);
    QFETCH(int, rows);
    QFETCH(int, ledCount);
    QFETCH(int, visibleSlots);

    MouseDefinitionFile definition;
    QCOMPARE(definition.parse(text), parsed);
    QCOMPARE(definition.showInfoTextWidth(), width);
    QCOMPARE(definition.showInfoTextHeight(), height);
    QCOMPARE(definition.supportEnableXY(), supportXY);
    QCOMPARE(definition.buttonRows().size(), rows);
    QCOMPARE(definition.ledSlots().size(), ledCount);
    int visible = 0;
    for (const MouseLedSlot &slot : definition.ledSlots())
        visible += slot.width == 10 && slot.height == 10 ? 1 : 0;
    QCOMPARE(visible, visibleSlots);
    if (ledCount == 0)
        return;
    // Whatever else is wrong, the logo and scroll LEDs keep their places when 18 slots are read
    // from the carried order.
    if (!QByteArray(QTest::currentDataTag()).startsWith("25")) {
        QCOMPARE(definition.ledSlots().at(5).sidePosition, 2);
        QCOMPARE(definition.ledSlots().at(7).sidePosition, 1);
        QCOMPARE(definition.ledSlots().at(7).posY, 47);
    }
}

void tst_MouseDefinitionFile::carriedRowsAndSlots()
{
    MouseDefinitionFile definition;
    QVERIFY(definition.load(MouseDefinitionFile::resourcePath(QStringLiteral("ZM1"))));
    const QVector<MouseButtonRow> rows = definition.buttonRows();
    QCOMPARE(rows.size(), 8);
    QCOMPARE(rows.at(1).dec, 32);
    QCOMPARE(rows.at(1).character, QByteArray("Dpi Loop"));
    QCOMPARE(rows.at(7).posX01, 392);
    QCOMPARE(rows.at(7).posY03, 170);
    const MouseLedSlot empty = definition.ledSlots().at(17);
    QCOMPARE(empty.posX, -1);
    QCOMPARE(empty.validStatus, 0);
    QCOMPARE(empty.sidePosition, 3);

    // A faulty slot is an empty one, so the slots after it keep their numbers.
    QByteArray text = carried();
    text.replace("\"PosX\": 302, \"PosY\": 182, \"Width\": 10,", "\"PosX\": 302, \"PosY\": 182,");
    QVERIFY(definition.parse(text));
    QCOMPARE(definition.ledSlots().at(1).width, 0);
    QCOMPARE(definition.ledSlots().at(1).posX, -1);
    QCOMPARE(definition.ledSlots().at(1).validStatus, 0);
    QCOMPARE(definition.ledSlots().at(2).posX, 329);

    // A long caption is cut to 63 bytes, never inside a character.
    text = carried();
    text.replace("\"Left Click\"", "\"" + QString(QChar(0x00e9)).toUtf8().repeated(50) + "\"");
    QVERIFY(definition.parse(text));
    const QByteArray caption = definition.buttonRows().at(0).character;
    QVERIFY(caption.size() <= MouseDefinitionFile::kMaxCharacterBytes);
    QCOMPARE(caption.size(), 62);
    QCOMPARE(QString::fromUtf8(caption).toUtf8(), caption);
}

void tst_MouseDefinitionFile::missingFile()
{
    MouseDefinitionFile definition;
    QVERIFY(!definition.load(MouseDefinitionFile::resourcePath(QStringLiteral("ZM9"))));
    QVERIFY(!definition.isLoaded());
    QVERIFY(definition.ledSlots().isEmpty());
    QCOMPARE(definition.supportEnableXY(), 1);
}

QTEST_GUILESS_MAIN(tst_MouseDefinitionFile)
#include "tst_MouseDefinitionFile.moc"
