// SPDX-License-Identifier: GPL-3.0-or-later
// A macro file from elsewhere: which of its events a library may keep, the name the macro gets,
// and the index it takes.

#include "MacroImportFile.h"
#include "RecordText.h"
#include "xmlInterface.h"
#include "XmlTestSupport.h"

#include <QTest>

#include <climits>

using namespace xmltest;

namespace {

QByteArray item(const QByteArray &type, const QByteArray &code, const QByteArray &direction,
                const QByteArray &name = "K")
{
    return "<item mark=\"00000000000000f1\" delay=\"5\" type=\"" + type + "\" keyCode=\"" + code + "\" codeName=\""
           + name + "\" operateExplain=\"" + direction + "\"/>";
}

QString described(const MacroEventInfo &event)
{
    return QString::fromUtf8(recordText(event.type) + '/' + recordText(event.keyCode) + '/'
                             + recordText(event.operateExplain));
}

}  // namespace

class tst_MacroImportFile : public QObject
{
    Q_OBJECT

private slots:
    void unknownEvents_areDropped_data();
    void unknownEvents_areDropped();
    void nextIndex_data();
    void nextIndex();
    void macroName_data();
    void macroName();
};

void tst_MacroImportFile::unknownEvents_areDropped_data()
{
    QTest::addColumn<QByteArray>("items");
    QTest::addColumn<QStringList>("kept");
    QTest::newRow("known") << item("key", "4", "down") + item("key", "4", "up") + item("mouse", "513", "down")
                                  + item("mouse", "514", "up")
                           << QStringList{"key/4/down", "key/4/up", "mouse/513/down", "mouse/514/up"};
    QTest::newRow("empty type") << item("", "4", "down") + item("key", "4", "up") << QStringList{"key/4/up"};
    QTest::newRow("unknown type") << item("keymouse", "4", "down") << QStringList();
    QTest::newRow("empty code") << item("key", "", "down") << QStringList();
    QTest::newRow("code out of range") << item("key", "0", "down") + item("key", "256", "down")
                                              + item("key", "-4", "down") + item("key", "4x", "down")
                                       << QStringList();
    QTest::newRow("unknown mouse message")
        << item("mouse", "522", "down") + item("mouse", "513", "up") << QStringList();
    QTest::newRow("empty direction") << item("key", "4", "") + item("key", "4", "sideways") << QStringList();
    QTest::newRow("control character in the name")
        << item("key", "4", "down", "A&#10;B") + item("key", "4", "up") << QStringList{"key/4/up"};
    QTest::newRow("format character in the name") << item("key", "4", "down",
                                                          "A\xE2\x80\xAE"
                                                          "B")
                                                         + item("key", "4", "up")
                                                  << QStringList{"key/4/up"};
}

void tst_MacroImportFile::unknownEvents_areDropped()
{
    QFETCH(QByteArray, items);
    QFETCH(QStringList, kept);
    QTemporaryDir dir;
    const QByteArray path =
        writeFile(dir, "In.xml", profileFile("<macro index=\"1\" name=\"M\">" + items + "</macro>"));
    xmlInterface store;
    MacroImportFile file;
    QVERIFY(file.read(store, QFile::decodeName(path), 41, 1024 * 1024));
    int marks = 0;
    const QList<MacroEventInfo> cleaned = MacroImportFile::cleaned(
        file.events(), [&] { return QStringLiteral("%1").arg(++marks, 16, 16, QLatin1Char('0')); });
    QStringList seen;
    for (const MacroEventInfo &event : cleaned)
        seen << described(event);
    QCOMPARE(seen, kept);
}

void tst_MacroImportFile::nextIndex_data()
{
    QTest::addColumn<QStringList>("indexes");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("next");
    QTest::newRow("empty") << QStringList() << true << 1;
    QTest::newRow("highest + 1") << QStringList{"1", "7", "3"} << true << 8;
    QTest::newRow("just fits") << QStringList{"2147483646"} << true << INT_MAX;
    QTest::newRow("at the limit") << QStringList{"1", "2147483647"} << false << 0;
    QTest::newRow("beyond int") << QStringList{"4294967296"} << false << 0;
    QTest::newRow("beyond 64 bits") << QStringList{"99999999999999999999999"} << false << 0;
    QTest::newRow("not a number") << QStringList{"x", "2"} << true << 3;
}

void tst_MacroImportFile::nextIndex()
{
    QFETCH(QStringList, indexes);
    QFETCH(bool, ok);
    QFETCH(int, next);
    QList<IndexNameInfo> macros;
    for (const QString &index : indexes) {
        IndexNameInfo info;
        setRecordText(info.index, index.toUtf8());
        macros << info;
    }
    int index = 0;
    QCOMPARE(MacroImportFile::nextIndex(macros, &index), ok);
    if (ok)
        QCOMPARE(index, next);
}

void tst_MacroImportFile::macroName_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("name");
    QTest::newRow("plain") << "Jump.copy.xml"
                           << "Jump";
    QTest::newRow("right-to-left override") << QString::fromUtf8("Fire\xE2\x80\xAElmx.xml") << "Firelmx";
    QTest::newRow("zero width and tag characters") << QString::fromUtf8("A\xE2\x80\x8B\xF3\xA0\x80\x81"
                                                                        "B.xml")
                                                   << "AB";
    QTest::newRow("nothing left") << QString::fromUtf8("\xE2\x80\xAE.xml") << "Macro4";
}

void tst_MacroImportFile::macroName()
{
    QFETCH(QString, fileName);
    QFETCH(QString, name);
    QCOMPARE(MacroImportFile::macroName(fileName, 4), name);
}

QTEST_GUILESS_MAIN(tst_MacroImportFile)
#include "tst_MacroImportFile.moc"
