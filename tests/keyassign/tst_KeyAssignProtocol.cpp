// What every key-assignment page shares: a stored item is shown, a choice saved by OK is the
// record read back, and the file changes only by a complete save that the file holds.

#include "KeyAssignTestSupport.h"

#include "DHotKeyPage.h"
#include "DKeyWithTextPage.h"
#include "DMacroCmdPage.h"
#include "DMouseKeyPage.h"
#include "DMultimediaPage.h"
#include "DResetDefaultPage.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTextEdit>

#include <functional>

using namespace keytest;

namespace {

using Make = std::function<DKeyAssignPage *()>;
using Act = std::function<void(QWidget *)>;
using Check = std::function<bool(QWidget *)>;

bool checked(QWidget *page, const char *name)
{
    return child<QRadioButton>(page, name)->isChecked();
}

QString text(QWidget *page)
{
    return child<QTextEdit>(page, "textEdit_keyText")->toPlainText();
}

void chooseMacro(QWidget *page, const char *name)
{
    auto *combo = child<QComboBox>(page, "comboBox_Macro");
    combo->setCurrentIndex(combo->findText(QLatin1String(name)));
}

// The page of every kind, with a choice that completes it and how its default looks.
struct PageKind {
    const char *name;
    Make make;
    Act choose;         // a complete choice other than the default
    QStringList saved;  // the record the choice saves (key 4 "A")
    Check isDefault;
};

QList<PageKind> pageKinds()
{
    return {
        {"shortcuts",
         [] { return new DHotKeyPage; },
         [](QWidget *p) { click(p, "radioButton_Save"); },
         {"4", "A", "9", "1", "1", "11"},
         [](QWidget *p) { return checked(p, "radioButton_ShowDesktop"); }},
        {"text",
         [] { return new DKeyWithTextPage; },
         [](QWidget *p) { child<QTextEdit>(p, "textEdit_keyText")->setPlainText("bye"); },
         {"4", "A", "6", "1", "1", "bye"},
         [](QWidget *p) { return text(p).isEmpty(); }},
        {"macro",
         [] { return new DMacroCmdPage; },
         [](QWidget *p) {
             click(p, "radioButton_playMany");
             child<QLineEdit>(p, "lineEdit_playMany")->setText("7");
             chooseMacro(p, "Four");
         },
         {"4", "A", "1", "7", "2", "4"},
         [](QWidget *p) {
             return checked(p, "radioButton_playOne")
                    && child<QComboBox>(p, "comboBox_Macro")->currentText() == "Alpha";
         }},
        {"mouse",
         [] { return new DMouseKeyPage; },
         [](QWidget *p) { click(p, "radioButton_mouseWheelDown"); },
         {"4", "A", "4", "1", "1", "4"},
         [](QWidget *p) { return checked(p, "radioButton_mouseLeft"); }},
        {"multimedia",
         [] { return new DMultimediaPage; },
         [](QWidget *p) { click(p, "radioButton_Email"); },
         {"4", "A", "3", "1", "1", "12"},
         [](QWidget *p) { return checked(p, "radioButton_playOrPause"); }},
        {"default", [] { return new DResetDefaultPage; }, [](QWidget *) {}, {}, [](QWidget *) { return true; }},
    };
}

void okOf(QWidget *page)
{
    click(page, "pushButton_OK");
}

}  // namespace

Q_DECLARE_METATYPE(Make)
Q_DECLARE_METATYPE(Act)
Q_DECLARE_METATYPE(Check)

class tst_KeyAssignProtocol : public QObject
{
    Q_OBJECT

private slots:
    void loadChooseSave_data();
    void loadChooseSave();
    void savingTwiceLeavesTheSecond_data() { everyPage(); }
    void savingTwiceLeavesTheSecond();
    void profileTwoLeavesProfileOne_data() { everyPage(); }
    void profileTwoLeavesProfileOne();
    void cancelAndIncompleteOkWriteNothing_data() { everyPage(); }
    void cancelAndIncompleteOkWriteNothing();
    void otherKindOpensTheDefault_data() { everyPage(); }
    void otherKindOpensTheDefault();
    void missingProfileFailsAndLeavesTheFile_data() { everyPage(); }
    void missingProfileFailsAndLeavesTheFile();

private:
    static void everyPage();
};

void tst_KeyAssignProtocol::loadChooseSave_data()
{
    QTest::addColumn<Make>("make");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<Check>("shown");
    QTest::addColumn<Act>("choose");
    QTest::addColumn<QStringList>("saved");

    const QList<PageKind> kinds = pageKinds();
    const QString stored[] = {"4:9:5", "4:6:hello", "4:1:5:3", "4:4:2", "4:3:0", "4:3:0"};
    const Check shown[] = {
        [](QWidget *p) { return checked(p, "radioButton_Copy"); },
        [](QWidget *p) { return text(p) == "hello"; },
        [](QWidget *p) {
            return checked(p, "radioButton_playKeyPressRelStop")
                   && child<QComboBox>(p, "comboBox_Macro")->currentText() == "Five";
        },
        [](QWidget *p) { return checked(p, "radioButton_mouseRight"); },
        [](QWidget *p) { return checked(p, "radioButton_volAdd"); },
        [](QWidget *p) { return child<QLabel>(p, "label_KeyChar")->text() == "A"; },
    };
    for (int i = 0; i < kinds.size(); ++i)
        QTest::newRow(kinds[i].name) << kinds[i].make << stored[i] << shown[i] << kinds[i].choose << kinds[i].saved;
}

void tst_KeyAssignProtocol::loadChooseSave()
{
    QFETCH(Make, make);
    QFETCH(QString, stored);
    QFETCH(Check, shown);
    QFETCH(Act, choose);
    QFETCH(QStringList, saved);

    Fixture f;
    f.store(1, stored);
    f.store(1, "9:5:-1");
    std::unique_ptr<DKeyAssignPage> page(make());
    f.prepare(page.get(), 4);
    QVERIFY(shown(page.get()));

    Signals s(page.get());
    choose(page.get());
    okOf(page.get());
    QCOMPARE(f.record(4), saved);
    QCOMPARE(s.update.count(), 1);
    QCOMPARE(s.update.first().first().toInt(), 4);
    QCOMPARE(s.saved.count(), 1);
    QCOMPARE(s.failed.count(), 0);
    QCOMPARE(f.record(9), QStringList({"9", "key", "5", "1", "1", "-1"}));
}

void tst_KeyAssignProtocol::everyPage()
{
    QTest::addColumn<int>("kind");
    const QList<PageKind> kinds = pageKinds();
    for (int i = 0; i < kinds.size(); ++i)
        QTest::newRow(kinds[i].name) << i;
}

void tst_KeyAssignProtocol::savingTwiceLeavesTheSecond()
{
    QFETCH(int, kind);
    const PageKind k = pageKinds().at(kind);
    if (k.saved.isEmpty())
        QSKIP("the Default page saves no item");
    Fixture f;
    std::unique_ptr<DKeyAssignPage> page(k.make());
    f.prepare(page.get(), 4);
    okOf(page.get());  // the default choice
    f.prepare(page.get(), 4);
    k.choose(page.get());
    okOf(page.get());
    QCOMPARE(f.keyCodes(), QStringList({"4"}));
    QCOMPARE(f.record(4), k.saved);
}

void tst_KeyAssignProtocol::profileTwoLeavesProfileOne()
{
    QFETCH(int, kind);
    const PageKind k = pageKinds().at(kind);
    Fixture f;
    f.store(1, "4:5:-1");
    f.store(2, "4:5:-1");
    std::unique_ptr<DKeyAssignPage> page(k.make());
    f.prepare(page.get(), 4, "A", 2);
    k.choose(page.get());
    okOf(page.get());
    QCOMPARE(f.record(4, 1), QStringList({"4", "key", "5", "1", "1", "-1"}));
    QCOMPARE(f.record(4, 2), k.saved);
}

void tst_KeyAssignProtocol::cancelAndIncompleteOkWriteNothing()
{
    QFETCH(int, kind);
    const PageKind k = pageKinds().at(kind);
    Fixture f;
    f.store(1, "4:5:-1");
    std::unique_ptr<DKeyAssignPage> page(k.make());
    f.prepare(page.get(), 4);
    const QByteArray before = f.readAll();
    Signals s(page.get());
    QSignalSpy cancelled(page.get(), &DKeyAssignPage::sigClickedCancel);

    k.choose(page.get());
    click(page.get(), "pushButton_Cancel");
    QCOMPARE(cancelled.count(), 1);
    QCOMPARE(f.readAll(), before);

    // Incomplete: the text page with an empty box, the radio pages with no choice, the macro page
    // with an empty library.
    if (auto *text = qobject_cast<DKeyWithTextPage *>(page.get())) {
        text->findChild<QTextEdit *>("textEdit_keyText")->clear();
    } else if (qobject_cast<DMacroCmdPage *>(page.get())) {
        QVERIFY(f.xml.createXmlFile(f.library));
        f.prepare(page.get(), 4);
    } else if (qobject_cast<DResetDefaultPage *>(page.get())) {
        page->setCurrentKey({-1, QString()});
    } else {
        // A stored code without a button leaves no choice.
        f.store(1, "4:" + k.saved.at(2) + ":77");
        f.prepare(page.get(), 4);
    }
    const QByteArray incomplete = f.readAll();
    okOf(page.get());
    QCOMPARE(f.readAll(), incomplete);
    QCOMPARE(s.total(), 0);
}

void tst_KeyAssignProtocol::otherKindOpensTheDefault()
{
    QFETCH(int, kind);
    const PageKind k = pageKinds().at(kind);
    Fixture f;
    std::unique_ptr<DKeyAssignPage> page(k.make());
    // The page shows another key's choice first, then a key that holds a shortcut.
    f.store(1, "5:9:5");
    f.store(1, "4:" + k.saved.value(2, "0") + ":" + k.saved.value(5, "1"));
    f.prepare(page.get(), 4);
    f.prepare(page.get(), 5);
    if (qobject_cast<DHotKeyPage *>(page.get()))
        QVERIFY(checked(page.get(), "radioButton_Copy"));
    else
        QVERIFY(k.isDefault(page.get()));
}

void tst_KeyAssignProtocol::missingProfileFailsAndLeavesTheFile()
{
    QFETCH(int, kind);
    const PageKind k = pageKinds().at(kind);
    Fixture f;
    std::unique_ptr<DKeyAssignPage> page(k.make());
    f.prepare(page.get(), 4, "A", 7);
    k.choose(page.get());
    const QByteArray before = f.readAll();
    Signals s(page.get());
    okOf(page.get());
    QCOMPARE(f.readAll(), before);
    QCOMPARE(s.update.count(), 0);
    QCOMPARE(s.saved.count(), 0);
    QCOMPARE(s.failed.count(), 1);
}

QTEST_MAIN(tst_KeyAssignProtocol)
#include "tst_KeyAssignProtocol.moc"
