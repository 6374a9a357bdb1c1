// SPDX-License-Identifier: GPL-3.0-or-later
// Recording into the selected macro through the stand-in hook: delays by the display server's
// clock and the delay modes, the row and key-down limits, the keys' codes and names, marks of
// keys and buttons, what is not recorded, saving, and the keys passed on while the page is not
// the current one.

#include "MacroPageFixture.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>

using namespace macrotest;

namespace {

// Linux key codes.
constexpr int kA = 30;
constexpr int kB = 48;
constexpr int kC = 46;
constexpr int kEnter = 28;
constexpr int kPadEnter = 96;
constexpr int kAlt = 56;
constexpr int kUnknown = 240;

// A key event: code, down, time.
struct KeyStep {
    int code;
    bool down;
    quint32 time;
};

// Focus entering or leaving the insert panel's key field, as the page's filter sees it.
void focusKeyField(Fixture &f, bool in)
{
    QWidget *field = f.page->findChild<QLineEdit *>(QStringLiteral("lineEdit_EnterKey"));
    QFocusEvent event(in ? QEvent::FocusIn : QEvent::FocusOut);
    QCoreApplication::sendEvent(field, &event);
}

}  // namespace

Q_DECLARE_METATYPE(QList<KeyStep>)

class tst_MacroRecording : public QObject
{
    Q_OBJECT

private slots:
    void delays_data();
    void delays();
    void rowAndDownLimits();
    void clicksUpToTheRowLimit();
    void keyCodesAndNames_data();
    void keyCodesAndNames();
    void upsWithoutRecordedDown();
    void mouseUpPairsWithItsButton();
    void whatIsNotRecorded();
    void stopAppendsAndSelectsAgain();
    void recordNeedsAMacroAndAHook();
    void forwardsWhileNotCurrent();
    void keyFieldsShowCapturedKeys();
};

void tst_MacroRecording::delays_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("defaultDelay");
    QTest::addColumn<QList<KeyStep>>("steps");
    QTest::addColumn<QStringList>("expected");
    const QList<KeyStep> typing = {{kA, true, 1000}, {kA, false, 1100}, {kB, true, 1250}, {kB, false, 1300}};
    QTest::newRow("recorded gaps") << 0 << "100" << typing << QStringList{"0", "100", "150", "50"};
    QTest::newRow("no delay") << 1 << "100" << typing << QStringList{"0", "0", "0", "0"};
    QTest::newRow("default delay") << 2 << "100" << typing << QStringList{"100", "100", "100", "100"};
    QTest::newRow("default delay, empty field") << 2 << "" << typing << QStringList{"0", "0", "0", "0"};
    QTest::newRow("pause capped") << 0 << "" << QList<KeyStep>{{kA, true, 5}, {kA, false, 90005}}
                                  << QStringList{"0", "65535"};
    QTest::newRow("clock wraps") << 0 << "" << QList<KeyStep>{{kA, true, 4294967290u}, {kA, false, 10}}
                                 << QStringList{"0", "16"};
    QTest::newRow("first event an up") << 0 << "" << QList<KeyStep>{{kA, true, 100}, {kA, false, 130}, {kB, true, 170}}
                                       << QStringList{"0", "30", "40"};
}

void tst_MacroRecording::delays()
{
    QFETCH(int, mode);
    QFETCH(QString, defaultDelay);
    QFETCH(QList<KeyStep>, steps);
    QFETCH(QStringList, expected);
    Fixture f;
    const char *const buttons[] = {"radioButton_RecordDelay", "radioButton_NoDelay", "radioButton_DefaultDelay"};
    f.page->findChild<QRadioButton *>(buttons[mode])->setChecked(true);
    f.page->findChild<QLineEdit *>(QStringLiteral("lineEdit_DefaultDelayNum"))->setText(defaultDelay);
    QVERIFY(f.record());
    for (const KeyStep &s : steps)
        f.hook->key(s.code, s.down, s.time);
    QCOMPARE(column(f.shown(), 1), expected);
    f.page->toggleRecording();
    QCOMPARE(column(f.stored(), 1), expected);
    int total = 0;
    for (const QString &d : expected)
        total += d.toInt();
    QCOMPARE(f.page->totalTime(), total);
    QCOMPARE(f.page->findChild<QLabel *>(QStringLiteral("label_TotalTime"))->text(), QString::number(total) + " MS");
}

void tst_MacroRecording::rowAndDownLimits()
{
    Fixture f;
    QVERIFY(f.record());
    const int codes[] = {30, 48, 46, 32, 18, 33, 34, 35, 23, 36, 37, 38, 50, 49, 24, 25, 16, 19, 31, 20, 22, 47};
    quint32 time = 1;
    for (int code : codes) {  // 22 keys: the last two are dropped, their ups with them
        f.hook->press(code, time += 10);
        f.hook->release(code, time += 10);
    }
    QCOMPARE(f.page->eventRows().size(), 40);
    f.page->toggleRecording();
    const QStringList saved = f.stored();
    QCOMPARE(saved.size(), 40);
    QCOMPARE(column(saved, 5).count("down"), 20);
    QCOMPARE(column(saved, 3).mid(38), (QStringList{"23", "23"}));  // the 20th key, T
}

void tst_MacroRecording::clicksUpToTheRowLimit()
{
    Fixture f;
    QVERIFY(f.record());
    const int codes[] = {30, 48, 46, 32, 18, 33, 34, 35, 23, 36, 37, 38, 50, 49, 24, 25, 16, 19, 31, 20, 22};
    quint32 time = 1;
    for (int code : codes)  // 21 keys held: the 21st is dropped
        f.hook->press(code, time += 10);
    QCOMPARE(f.page->eventRows().size(), 20);
    for (int i = 0; i < 12; ++i) {  // 24 click events, 20 of them fit
        f.hook->button(1, true, 0, 0, time += 10);
        f.hook->button(1, false, 0, 0, time += 10);
    }
    QCOMPARE(f.page->eventRows().size(), 40);
    f.page->toggleRecording();
    const QStringList saved = f.stored();
    QCOMPARE(saved.size(), 40);
    QCOMPARE(column(saved, 2).count("mouse"), 20);
}

void tst_MacroRecording::keyCodesAndNames_data()
{
    QTest::addColumn<QList<int>>("held");  // pressed first, released last
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("usage");
    QTest::addColumn<QString>("name");
    QTest::newRow("A") << QList<int>{} << kA << "4"
                       << "A";
    QTest::newRow("Enter") << QList<int>{} << kEnter << "40"
                           << "Enter";
    QTest::newRow("keypad Enter") << QList<int>{} << kPadEnter << "88"
                                  << "Enter";
    QTest::newRow("Enter with Alt held") << QList<int>{kAlt} << kEnter << "40"
                                         << "Enter";
    QTest::newRow("keypad Enter with Alt held") << QList<int>{kAlt} << kPadEnter << "88"
                                                << "Enter";
    QTest::newRow("unknown key") << QList<int>{} << kUnknown << "-1"
                                 << "";
}

void tst_MacroRecording::keyCodesAndNames()
{
    QFETCH(QList<int>, held);
    QFETCH(int, code);
    QFETCH(QString, usage);
    QFETCH(QString, name);
    Fixture f;
    QVERIFY(f.record());
    for (int h : held)
        f.hook->press(h);
    f.hook->press(code);
    f.hook->release(code);
    for (int h : held)
        f.hook->release(h);
    f.page->toggleRecording();
    const QStringList saved = f.stored().mid(held.size(), 2);
    QCOMPARE(column(saved, 3), (QStringList{usage, usage}));
    QCOMPARE(column(saved, 4), (QStringList{name, name}));
    QCOMPARE(column(saved, 5), (QStringList{"down", "up"}));
    QCOMPARE(column(saved, 0).at(0), column(saved, 0).at(1));
    QVERIFY(QRegularExpression("^[0-9a-f]{16}$").match(column(saved, 0).at(0)).hasMatch());
}

void tst_MacroRecording::upsWithoutRecordedDown()
{
    Fixture f;
    QVERIFY(f.record());
    f.hook->release(kA, 10);  // held before the start: its up is not recorded
    f.hook->press(kB, 20);
    f.hook->release(kB, 30);
    f.page->toggleRecording();
    QCOMPARE(column(f.stored(), 3), (QStringList{"5", "5"}));
    QCOMPARE(column(f.stored(), 1), (QStringList{"0", "10"}));
}

void tst_MacroRecording::mouseUpPairsWithItsButton()
{
    Fixture f;
    QVERIFY(f.record());
    f.hook->button(3, false, 0, 0, 5);  // an up whose down was not recorded
    f.hook->button(1, true, 0, 0, 10);
    f.hook->button(3, true, 0, 0, 20);
    f.hook->button(1, false, 0, 0, 30);
    f.hook->button(2, true, 0, 0, 40);
    f.hook->button(3, false, 0, 0, 50);
    f.hook->button(2, false, 0, 0, 60);
    f.page->toggleRecording();
    const QStringList saved = f.stored();
    QCOMPARE(column(saved, 3), (QStringList{"513", "516", "514", "519", "517", "520"}));
    QCOMPARE(column(saved, 4), (QStringList{"Left Click Down", "Right Click Down", "Left Click Up", "Center Click Down",
                                            "Right Click Up", "Center Click Up"}));
    const QStringList marks = column(saved, 0);
    QCOMPARE(marks.at(0), marks.at(2));
    QCOMPARE(marks.at(1), marks.at(4));
    QCOMPARE(marks.at(3), marks.at(5));
    QCOMPARE(QSet<QString>(marks.begin(), marks.end()).size(), 3);
    QCOMPARE(column(saved, 1), (QStringList{"0", "10", "10", "10", "10", "10"}));
}

void tst_MacroRecording::whatIsNotRecorded()
{
    Fixture f;
    QVERIFY(f.record());
    f.hook->button(4, true);  // wheel
    f.hook->button(5, true);
    f.hook->button(8, true);  // side buttons
    f.hook->button(8, false);
    f.hook->button(9, true);
    f.hook->button(9, false);
    // Clicks over the Record button: the one that stops the recording leaves no event.
    QWidget *record = f.page->findChild<QWidget *>(QStringLiteral("frame_Record"));
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(record, &enter);
    f.hook->button(1, true);
    f.hook->button(1, false);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(record, &leave);
    // A click at the button's place whose Enter has not arrived yet is not recorded either.
    f.page->show();
    const QPoint onRecord = record->mapToGlobal(record->rect().center());
    f.hook->button(1, true, onRecord.x(), onRecord.y());
    f.hook->button(1, false, onRecord.x(), onRecord.y());
    f.hook->button(1, true);
    f.hook->button(1, false);
    f.page->toggleRecording();
    QCOMPARE(column(f.stored(), 3), (QStringList{"513", "514"}));

    // No recording (the hooks run for a key field): nothing is recorded.
    focusKeyField(f, true);
    QVERIFY(f.hook->running);
    f.hook->button(1, true);
    f.hook->button(1, false);
    f.hook->press(kA);
    f.hook->release(kA);
    focusKeyField(f, false);
    QCOMPARE(f.stored().size(), 2);
}

void tst_MacroRecording::stopAppendsAndSelectsAgain()
{
    Fixture f(false);
    f.addMacro("1", "Jump",
               {step("00000000000000aa", 0, "key", 4, "A", "down"), step("00000000000000aa", 40, "key", 4, "A", "up")});
    f.page->loadMacroList();
    QSignalSpy changed(f.page.get(), &DMacroPage::sigMacroListHaveChanged);
    QVERIFY(f.record());
    f.hook->press(kC, 100);
    f.hook->release(kC, 160);
    f.page->toggleRecording();
    QCOMPARE(column(f.stored(), 3), (QStringList{"4", "4", "6", "6"}));
    QCOMPARE(f.shown(), f.stored());
    QCOMPARE(f.page->totalTime(), 100);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0), (QVariantList{"1", "Jump"}));
    QVERIFY(!f.hook->running);
}

void tst_MacroRecording::recordNeedsAMacroAndAHook()
{
    {
        Fixture f(false);  // an empty library: nothing is selected
        f.page->toggleRecording();
        QVERIFY(!f.page->isRecording());
    }
    {
        Fixture f;
        f.page->toggleRecording();  // makes the hook
        f.page->toggleRecording();
        f.hook->failStarts = 1;
        f.page->toggleRecording();
        QVERIFY(!f.page->isRecording());
        QCOMPARE(f.page->noticeText(), QStringLiteral("Recording could not start"));
    }
    {
        Fixture f;
        f.page->toggleRecording();
        f.page->toggleRecording();
        f.hook->status = InputHook::Status::Limited;
        f.page->toggleRecording();
        QVERIFY(f.page->isRecording());
        QCOMPARE(f.page->noticeText(), QStringLiteral("Keys and clicks are recorded only in this program's windows"));
        f.page->toggleRecording();
        f.page->toggleRecording();  // only the first recording of a run says so
        QCOMPARE(f.page->noticeText(), QStringLiteral("Start record macro"));
        f.page->toggleRecording();
    }
}

void tst_MacroRecording::forwardsWhileNotCurrent()
{
    Fixture f;
    f.page->setPageCurrent(false);
    QSignalSpy forwarded(f.page.get(), &DMacroPage::sigHookKeyboardRecviveStream);
    focusKeyField(f, true);  // any page's key field starts the one capture
    for (int code : {kA, kPadEnter, kUnknown}) {
        f.hook->press(code);
        f.hook->release(code);
    }
    QList<QVariantList> expected;
    for (int usage : {4, 88, -1})
        expected << QVariantList{0, usage, 1} << QVariantList{0, usage, 0};
    QCOMPARE(QList<QVariantList>(forwarded.begin(), forwarded.end()), expected);
    QVERIFY(f.page->findChild<QLineEdit *>(QStringLiteral("lineEdit_EnterKey"))->text().isEmpty());
    focusKeyField(f, false);
    QVERIFY(f.stored().isEmpty());
}

void tst_MacroRecording::keyFieldsShowCapturedKeys()
{
    Fixture f;
    auto *enterKey = f.page->findChild<QLineEdit *>(QStringLiteral("lineEdit_EnterKey"));
    QVERIFY(enterKey->isReadOnly());
    QVERIFY(f.page->findChild<QLineEdit *>(QStringLiteral("lineEdit_PressKey"))->isReadOnly());
    focusKeyField(f, true);
    QVERIFY(f.hook->running);
    f.hook->press(kPadEnter);
    f.hook->release(kPadEnter);
    // Without focus on the insert panel's field, the property panel's field shows the key.
    QCOMPARE(f.page->findChild<QLineEdit *>(QStringLiteral("lineEdit_PressKey"))->text(), QStringLiteral("Enter"));
    focusKeyField(f, false);
    QVERIFY(!f.hook->running);
}

QTEST_MAIN(tst_MacroRecording)
#include "tst_MacroRecording.moc"
