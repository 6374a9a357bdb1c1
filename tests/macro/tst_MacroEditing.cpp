// SPDX-License-Identifier: GPL-3.0-or-later
// Editing the events of the current macro by hand: insert, modify, delete and move, each checked
// on screen and in the library file, which must always list the events in the screen's order.

#include "MacroPageFixture.h"
#include "NoFileGrowth.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>

#include <csignal>
#include <sys/resource.h>

using namespace macrotest;

namespace {

const char *const kA = "000000000000000a";
const char *const kB = "000000000000000b";
const char *const kC = "000000000000000c";

QList<MacroEventInfo> keyPair(const char *mark, int usage, const char *name, int downDelay = 0, int upDelay = 30)
{
    return {step(mark, downDelay, "key", usage, name, "down"), step(mark, upDelay, "key", usage, name, "up")};
}

template <class T>
T *child(Fixture &f, const char *name)
{
    T *widget = f.page->findChild<T *>(QLatin1String(name));
    if (!widget)
        qFatal("no widget %s", name);
    return widget;
}

void focusKeyField(Fixture &f, bool in)
{
    QFocusEvent event(in ? QEvent::FocusIn : QEvent::FocusOut);
    QCoreApplication::sendEvent(child<QLineEdit>(f, "lineEdit_EnterKey"), &event);
}

// Runs the steps of a script: "click N", "delete N", "after", "before", "key <linux code>",
// "mouse left|center|right", "insert", "property key|left|center|right", "delay N", "modify",
// "up", "down".
void run(Fixture &f, const QStringList &script)
{
    for (const QString &command : script) {
        const QString verb = command.section(QLatin1Char(' '), 0, 0);
        const QString arg = command.section(QLatin1Char(' '), 1);
        if (verb == QLatin1String("click")) {
            QTest::mousePress(f.page->eventRows().at(arg.toInt()), Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
        } else if (verb == QLatin1String("delete")) {
            f.page->eventRows().at(arg.toInt())->findChild<QPushButton *>(QStringLiteral("pushButton_Delete"))->click();
        } else if (verb == QLatin1String("after")) {
            child<QRadioButton>(f, "radioButton_InsertAfter")->setChecked(true);
        } else if (verb == QLatin1String("before")) {
            child<QRadioButton>(f, "radioButton_InsertBefore")->setChecked(true);
        } else if (verb == QLatin1String("key")) {
            child<QRadioButton>(f, "radioButton_Key")->click();
            focusKeyField(f, true);
            f.hook->press(arg.toInt());
            f.hook->release(arg.toInt());
            focusKeyField(f, false);
        } else if (verb == QLatin1String("mouse")) {
            child<QRadioButton>(f, "radioButton_Mouse")->click();
            const char *button = arg == QLatin1String("left")     ? "radioButton_MouseLeft"
                                 : arg == QLatin1String("center") ? "radioButton_MouseCenter"
                                                                  : "radioButton_MouseRight";
            child<QRadioButton>(f, button)->setChecked(true);
        } else if (verb == QLatin1String("insert")) {
            child<QPushButton>(f, "pushButton_InsertMacro")->click();
        } else if (verb == QLatin1String("property")) {
            if (arg == QLatin1String("key")) {
                child<QRadioButton>(f, "radioButton_KeyboardEvent")->click();
            } else {
                child<QRadioButton>(f, "radioButton_MouseEvent")->click();
                const char *button = arg == QLatin1String("left")     ? "radioButton_1left"
                                     : arg == QLatin1String("center") ? "radioButton_2center"
                                                                      : "radioButton_3right";
                child<QRadioButton>(f, button)->setChecked(true);
            }
        } else if (verb == QLatin1String("delay")) {
            child<QLineEdit>(f, "lineEdit_DelayNum")->setText(arg);
        } else if (verb == QLatin1String("modify")) {
            child<QPushButton>(f, "pushButton_ModifyMacro")->click();
        } else if (verb == QLatin1String("up")) {
            child<QPushButton>(f, "pushButton_MoveUp")->click();
        } else if (verb == QLatin1String("down")) {
            child<QPushButton>(f, "pushButton_MoveDown")->click();
        } else {
            qFatal("unknown step %s", qPrintable(command));
        }
    }
}

// Each row as "code:direction:delay".
QStringList brief(const QStringList &lines)
{
    QStringList out;
    for (const QString &l : lines) {
        const QStringList f = l.split(QLatin1Char('|'));
        out << QStringLiteral("%1:%2:%3").arg(f.value(3), f.value(5), f.value(1));
    }
    return out;
}

}  // namespace

Q_DECLARE_METATYPE(QList<MacroEventInfo>)

class tst_MacroEditing : public QObject
{
    Q_OBJECT

private slots:
    void edits_data();
    void edits();
    void insertUpToTheLimit_data();
    void insertUpToTheLimit();
    void failedWriteShowsTheFileAgain();
};

void tst_MacroEditing::edits_data()
{
    QTest::addColumn<QList<MacroEventInfo>>("macro");
    QTest::addColumn<QStringList>("script");
    QTest::addColumn<QStringList>("expected");  // code:direction:delay, screen and file alike
    QTest::addColumn<QString>("notice");
    QTest::addColumn<int>("changes");  // sigMacroListHaveChanged

    const QList<MacroEventInfo> a = keyPair(kA, 4, "A");
    const QList<MacroEventInfo> ab = a + keyPair(kB, 5, "B");
    QList<MacroEventInfo> interleaved = {a.at(0), keyPair(kB, 5, "B").at(0), a.at(1), keyPair(kB, 5, "B").at(1)};

    // Linux codes: X 45 (usage 27), Y 21 (usage 28).
    QTest::newRow("insert after a press")
        << a << QStringList{"click 0", "after", "key 45", "insert"}
        << QStringList{"4:down:0", "27:down:0", "27:up:0", "4:up:30"} << "Insert successful" << 1;
    QTest::newRow("insert twice after a press")
        << a << QStringList{"click 0", "after", "key 45", "insert", "key 21", "insert"}
        << QStringList{"4:down:0", "27:down:0", "28:down:0", "28:up:0", "27:up:0", "4:up:30"} << "Insert successful"
        << 2;
    QTest::newRow("insert before the first row")
        << a << QStringList{"click 0", "before", "key 45", "insert"}
        << QStringList{"27:down:0", "27:up:0", "4:down:0", "4:up:30"} << "Insert successful" << 1;
    QTest::newRow("insert a right click after a release")
        << a << QStringList{"click 1", "after", "mouse right", "insert"}
        << QStringList{"4:down:0", "4:up:30", "516:down:0", "517:up:0"} << "Insert successful" << 1;
    QTest::newRow("insert without a selected row")
        << a << QStringList{"key 45", "insert"} << QStringList{"4:down:0", "4:up:30"}
        << "Please select a specific location first" << 0;
    QTest::newRow("insert a key without a key")
        << a << QStringList{"click 0", "insert"} << QStringList{"4:down:0", "4:up:30"} << "Please enter a key" << 0;
    QTest::newRow("modify a press's delay") << a << QStringList{"click 0", "delay 50", "modify"}
                                            << QStringList{"4:down:50", "4:up:30"} << "Modify successful" << 1;
    QTest::newRow("modify a key pair to another key")
        << a << QStringList{"click 1", "key 45", "delay 10", "modify"} << QStringList{"27:down:0", "27:up:10"}
        << "Modify successful" << 1;
    QTest::newRow("modify a left click's release to a right click")
        << QList<MacroEventInfo>{step(kC, 5, "mouse", 513, "Left Click Down", "down"),
                                 step(kC, 20, "mouse", 514, "Left Click Up", "up")}
        << QStringList{"click 1", "property right", "delay 20", "modify"} << QStringList{"516:down:5", "517:up:20"}
        << "Modify successful" << 1;
    QTest::newRow("modify a row without partner writes that row only")
        << QList<MacroEventInfo>{a.at(0), step(kB, 7, "key", 5, "B", "up")}
        << QStringList{"click 1", "delay 70", "modify"} << QStringList{"4:down:0", "5:up:70"} << "Modify successful"
        << 1;
    QTest::newRow("modify without a selected row")
        << a << QStringList{"delay 5", "modify"} << QStringList{"4:down:0", "4:up:30"}
        << "Please select a specific location first" << 0;
    QTest::newRow("delete a release takes its press")
        << ab << QStringList{"delete 1"} << QStringList{"5:down:0", "5:up:30"} << "" << 1;
    QTest::newRow("delete a row without a mark leaves the others")
        << QList<MacroEventInfo>{step("", 3, "key", 6, "C", "down")} + a << QStringList{"delete 0"}
        << QStringList{"4:down:0", "4:up:30"} << "" << 1;
    QTest::newRow("a release does not pass its press")
        << a << QStringList{"click 1", "up"} << QStringList{"4:down:0", "4:up:30"} << "" << 0;
    QTest::newRow("a press does not pass its release")
        << a << QStringList{"click 0", "down"} << QStringList{"4:down:0", "4:up:30"} << "" << 0;
    QTest::newRow("move the first row down") << interleaved << QStringList{"click 0", "down"}
                                             << QStringList{"5:down:0", "4:down:0", "4:up:30", "5:up:30"} << "" << 1;
    QTest::newRow("the selection follows a move")
        << ab + keyPair(kC, 6, "C") << QStringList{"click 4", "up", "up"}
        << QStringList{"4:down:0", "4:up:30", "6:down:0", "5:down:0", "5:up:30", "6:up:30"} << "" << 2;
    QTest::newRow("a move after an insert moves the highlighted row")
        << ab << QStringList{"click 3", "before", "key 45", "insert", "up"}
        << QStringList{"4:down:0", "4:up:30", "5:down:0", "27:down:0", "5:up:30", "27:up:0"} << "Insert successful"
        << 2;
    QTest::newRow("no move past the last row")
        << ab << QStringList{"click 3", "down"} << QStringList{"4:down:0", "4:up:30", "5:down:0", "5:up:30"} << "" << 0;
}

void tst_MacroEditing::edits()
{
    QFETCH(QList<MacroEventInfo>, macro);
    QFETCH(QStringList, script);
    QFETCH(QStringList, expected);
    QFETCH(QString, notice);
    QFETCH(int, changes);
    Fixture f(false);
    f.addMacro("1", "Jump", macro);
    f.page->loadMacroList();
    QCOMPARE(f.shown(), f.stored());
    QSignalSpy changed(f.page.get(), &DMacroPage::sigMacroListHaveChanged);
    run(f, script);
    QCOMPARE(brief(f.shown()), expected);
    QCOMPARE(f.stored(), f.shown());
    if (!notice.isEmpty())
        QCOMPARE(f.page->noticeText(), notice);
    QCOMPARE(changed.count(), changes);
    int total = 0;
    for (const QString &row : expected)
        total += row.section(QLatin1Char(':'), 2).toInt();
    QCOMPARE(f.page->totalTime(), total);
    // Pairs keep one mark each.
    for (DCatchKeyAndMouseItem *row : f.page->eventRows()) {
        if (row->getOperateExplain() == QLatin1String("down") && !row->getMark().isEmpty())
            QVERIFY(column(f.shown(), 0).count(row->getMark()) <= 2);
    }
}

void tst_MacroEditing::insertUpToTheLimit_data()
{
    QTest::addColumn<int>("rows");
    // A key goes in as a pair of rows while the macro has fewer than 40.
    QTest::newRow("39 rows") << 39;
    QTest::newRow("40 rows") << 40;
}

void tst_MacroEditing::insertUpToTheLimit()
{
    QFETCH(int, rows);
    Fixture f(false);
    QList<MacroEventInfo> many;
    for (int i = 0; i < rows; ++i)
        many << step(QByteArray::number(0x1000000000000000LL + i, 16).constData(), 0, "key", 4, "A", "down");
    f.addMacro("1", "Long", many);
    f.page->loadMacroList();
    run(f, {"click 0", "key 45", "insert"});
    if (rows < 40) {
        QCOMPARE(f.page->eventRows().size(), rows + 2);
        QCOMPARE(f.stored().size(), rows + 2);
        run(f, {"click 0", "insert"});
    }
    QCOMPARE(f.page->noticeText(), QStringLiteral("The record of events has reached the limit"));
    QCOMPARE(f.stored().size(), rows < 40 ? rows + 2 : rows);
}

void tst_MacroEditing::failedWriteShowsTheFileAgain()
{
    Fixture f(false);
    f.addMacro("1", "Jump", keyPair(kA, 4, "A"));
    f.page->loadMacroList();
    const QStringList before = f.stored();
    QSignalSpy changed(f.page.get(), &DMacroPage::sigMacroListHaveChanged);
    run(f, {"click 0", "key 45"});
    withFileSizeLimit(64, [&] { run(f, {"insert"}); });
    QCOMPARE(f.page->noticeText(), QStringLiteral("Insert failed"));
    QCOMPARE(f.stored(), before);
    QCOMPARE(f.shown(), before);
    withFileSizeLimit(64, [&] { run(f, {"delete 0"}); });
    QCOMPARE(f.page->noticeText(), QStringLiteral("Delete failed"));
    QCOMPARE(f.shown(), before);
    withFileSizeLimit(64, [&] { run(f, {"click 0", "delay 9", "modify"}); });
    QCOMPARE(f.page->noticeText(), QStringLiteral("Modify failed"));
    QCOMPARE(f.shown(), before);
    QCOMPARE(changed.count(), 0);
}

QTEST_MAIN(tst_MacroEditing)
#include "tst_MacroEditing.moc"
