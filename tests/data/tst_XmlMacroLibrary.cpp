// SPDX-License-Identifier: GPL-3.0-or-later
// The macro library: macros and their steps, editing, moving and deleting steps by mark.

#include "xmlInterface.h"
#include "XmlTestSupport.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace xmltest;

namespace {

MacroEventInfo step(const QByteArray &mark, const QByteArray &delay, const QByteArray &code, const QByteArray &upDown)
{
    MacroEventInfo s;
    qstrcpy(s.mark, mark.constData());
    qstrcpy(s.delay, delay.constData());
    qstrcpy(s.type, "key");
    qstrcpy(s.keyCode, code.constData());
    qstrcpy(s.codeName, "K" + code);
    qstrcpy(s.operateExplain, upDown.constData());
    return s;
}

// "mark/operateExplain" of each step: the order of steps in a macro.
QStringList order(const QList<MacroEventInfo> &steps)
{
    QStringList list;
    for (const MacroEventInfo &s : steps)
        list << QString::fromUtf8(s.mark) + '/' + QString::fromUtf8(s.operateExplain);
    return list;
}

}  // namespace

class tst_XmlMacroLibrary : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void macrosAndSteps_roundTrip();
    void modifyMacroItem_data();
    void modifyMacroItem();
    void moveMacroItem_data();
    void moveMacroItem();
    void deleteMacroItemsContaining_data();
    void deleteMacroItemsContaining();
    void duplicateIndexes_actOnTheFirst();

private:
    QByteArray library(const QList<MacroEventInfo> &steps);
    QList<MacroEventInfo> stepsOf(const QByteArray &path, const char *key);
    std::unique_ptr<QTemporaryDir> m_dir;
    xmlInterface m_xml;
};

void tst_XmlMacroLibrary::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

QByteArray tst_XmlMacroLibrary::library(const QList<MacroEventInfo> &steps)
{
    const QByteArray path = pathIn(*m_dir, "brivexMacro.xml");
    m_xml.createXmlFile(path);
    m_xml.addMacroNode(path, "1", "Other");
    m_xml.addMacroItems(path, {step("0000000000000001", "0", "4", "down")}, "1");
    m_xml.addMacroNode(path, "2", "Combo");
    m_xml.addMacroItems(path, steps, "2");
    return path;
}

QList<MacroEventInfo> tst_XmlMacroLibrary::stepsOf(const QByteArray &path, const char *key)
{
    QList<MacroEventInfo> steps;
    m_xml.getMacroItems(path, key, &steps);
    return steps;
}

void tst_XmlMacroLibrary::macrosAndSteps_roundTrip()
{
    const QList<MacroEventInfo> steps{step("a1b2c3d4e5f60718", "0", "4", "down"),
                                      step("a1b2c3d4e5f60718", "120", "4", "up"),
                                      step("ffffffffffffffff", "65535", "513", "down")};
    const QByteArray path = library(steps);
    m_xml.addMacroNode(path, "10", "Ten");

    const QList<MacroEventInfo> read = stepsOf(path, "2");
    QCOMPARE(read.size(), 3);
    for (int i = 0; i < 3; ++i)
        QVERIFY2(memcmp(&read[i], &steps[i], sizeof(MacroEventInfo)) == 0, qPrintable(QString::number(i)));

    QList<IndexNameInfo> list;
    m_xml.getMacroList(path, &list);
    QCOMPARE(list.size(), 3);
    QCOMPARE(list[1].name, "Combo");
    QCOMPARE(list[2].index, "10");

    QList<MacroEventInfo> kept{step("x", "1", "1", "up")};
    m_xml.getMacroItems(path, "7", &kept);  // no such macro: the list stays
    QCOMPARE(kept.size(), 1);
    m_xml.addMacroItems(path, steps, "7");
    QVERIFY(stepsOf(path, "7").isEmpty());
    QCOMPARE(stepsOf(path, "1").size(), 1);

    m_xml.renameNode(path, "2", "Renamed");
    m_xml.deleteNodeByValue(path, "1");
    m_xml.getMacroList(path, &list);
    QCOMPARE(list.size(), 2);
    QCOMPARE(list[0].name, "Renamed");
}

void tst_XmlMacroLibrary::modifyMacroItem_data()
{
    QTest::addColumn<QByteArray>("mark");
    QTest::addColumn<int>("skipFirst");
    QTest::addColumn<int>("changed");  // position of the changed step, -1 none

    QTest::newRow("first of the pair") << QByteArray("aaaa") << 0 << 0;
    QTest::newRow("second of the pair") << QByteArray("aaaa") << 1 << 1;
    QTest::newRow("single step, skip first") << QByteArray("bbbb") << 1 << -1;
    QTest::newRow("single step") << QByteArray("bbbb") << 0 << 2;
    QTest::newRow("unknown mark") << QByteArray("cccc") << 0 << -1;
}

void tst_XmlMacroLibrary::modifyMacroItem()
{
    QFETCH(QByteArray, mark);
    QFETCH(int, skipFirst);
    QFETCH(int, changed);
    const QList<MacroEventInfo> before{step("aaaa", "10", "4", "down"), step("aaaa", "20", "4", "up"),
                                       step("bbbb", "30", "5", "down")};
    const QByteArray path = library(before);

    MacroEventInfo edit = step("zzzz", "999", "513", "sideways");
    qstrcpy(edit.type, "mouse");
    qstrcpy(edit.codeName, "Left Click Down");
    m_xml.modifyMacroItem(path, "2", mark, skipFirst, edit);

    const QList<MacroEventInfo> after = stepsOf(path, "2");
    QCOMPARE(after.size(), 3);
    for (int i = 0; i < 3; ++i) {
        if (i != changed) {
            QVERIFY(memcmp(&after[i], &before[i], sizeof(MacroEventInfo)) == 0);
            continue;
        }
        QCOMPARE(after[i].mark, before[i].mark);
        QCOMPARE(after[i].operateExplain, before[i].operateExplain);
        QCOMPARE(after[i].delay, "999");
        QCOMPARE(after[i].type, "mouse");
        QCOMPARE(after[i].keyCode, "513");
        QCOMPARE(after[i].codeName, "Left Click Down");
    }
    QCOMPARE(stepsOf(path, "1").size(), 1);
}

void tst_XmlMacroLibrary::moveMacroItem_data()
{
    // Steps: a/down b/down a/up b/up (marks a and b).
    QTest::addColumn<QByteArray>("mark");
    QTest::addColumn<int>("up");
    QTest::addColumn<int>("second");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("down, first of three places")
        << QByteArray("a") << 0 << 0 << QStringList{"b/down", "a/down", "a/up", "b/up"};
    QTest::newRow("up, second bearing the mark")
        << QByteArray("a") << 1 << 1 << QStringList{"a/down", "a/up", "b/down", "b/up"};
    QTest::newRow("up, first step passes to the next bearing the mark")
        << QByteArray("a") << 1 << 0 << QStringList{"a/down", "a/up", "b/down", "b/up"};
    QTest::newRow("down, last step passes over")
        << QByteArray("b") << 0 << 1 << QStringList{"a/down", "b/down", "a/up", "b/up"};
    QTest::newRow("down, second") << QByteArray("a") << 0 << 1 << QStringList{"a/down", "b/down", "b/up", "a/up"};
    QTest::newRow("unknown mark") << QByteArray("c") << 1 << 0 << QStringList{"a/down", "b/down", "a/up", "b/up"};
}

void tst_XmlMacroLibrary::moveMacroItem()
{
    QFETCH(QByteArray, mark);
    QFETCH(int, up);
    QFETCH(int, second);
    QFETCH(QStringList, expected);
    const QByteArray path = library({step("a", "1", "4", "down"), step("b", "2", "5", "down"),
                                     step("a", "3", "4", "up"), step("b", "4", "5", "up")});
    m_xml.moveMacroItem(path, "2", mark, up, second);
    const QList<MacroEventInfo> after = stepsOf(path, "2");
    QCOMPARE(order(after), expected);
    // A moved step keeps all its values.
    for (const MacroEventInfo &s : after)
        QCOMPARE(s.keyCode, s.mark[0] == 'a' ? "4" : "5");
}

void tst_XmlMacroLibrary::deleteMacroItemsContaining_data()
{
    QTest::addColumn<QByteArray>("pattern");
    QTest::addColumn<QStringList>("remaining");
    QTest::newRow("a mark removes its pair") << QByteArray("5e6f") << QStringList{"ffff0000aaaa1111/down"};
    QTest::newRow("any value holding it") << QByteArray("5") << QStringList{};  // marks, a delay, a code
    QTest::newRow("found nowhere") << QByteArray(
        "zz") << QStringList{"1234abcd5e6f7890/down", "ffff0000aaaa1111/down", "1234abcd5e6f7890/up"};
    QTest::newRow("empty pattern removes every step") << QByteArray() << QStringList{};
}

void tst_XmlMacroLibrary::deleteMacroItemsContaining()
{
    QFETCH(QByteArray, pattern);
    QFETCH(QStringList, remaining);
    const QByteArray path =
        library({step("1234abcd5e6f7890", "5", "4", "down"), step("ffff0000aaaa1111", "6", "5", "down"),
                 step("1234abcd5e6f7890", "7", "4", "up")});
    m_xml.deleteMacroItemsContaining(path, "2", pattern);
    QCOMPARE(order(stepsOf(path, "2")), remaining);
    QCOMPARE(stepsOf(path, "1").size(), 1);
}

void tst_XmlMacroLibrary::duplicateIndexes_actOnTheFirst()
{
    const QByteArray path =
        writeFile(*m_dir, "dup.xml",
                  profileFile("<macro index=\"4\" name=\"first\"><item mark=\"m\" delay=\"1\" /></macro>"
                              "<macro index=\"4\" name=\"second\"><item mark=\"m\" delay=\"2\" /></macro>"));
    QList<IndexNameInfo> list;
    m_xml.getMacroList(path, &list);
    QCOMPARE(list.size(), 1);
    QCOMPARE(list[0].name, "first");

    m_xml.renameNode(path, "4", "renamed");
    m_xml.deleteMacroItemsContaining(path, "4", "m");
    QCOMPARE(stepsOf(path, "4").size(), 0);
    m_xml.deleteNodeByValue(path, "4");
    m_xml.getMacroList(path, &list);
    QCOMPARE(list.size(), 1);
    QCOMPARE(list[0].name, "second");
    QCOMPARE(stepsOf(path, "4").size(), 1);
}

QTEST_GUILESS_MAIN(tst_XmlMacroLibrary)
#include "tst_XmlMacroLibrary.moc"
