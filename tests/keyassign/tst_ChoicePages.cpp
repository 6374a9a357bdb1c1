// The radio-button pages: which code each button stores, in the order the buttons stand, the
// default choice, stored codes without a button, the sniper key and on-board saving.

#include "KeyAssignTestSupport.h"

#include "DHotKeyPage.h"
#include "DMouseKeyPage.h"
#include "DMultimediaPage.h"

#include <QLayout>
#include <QRadioButton>

#include <functional>

using namespace keytest;

namespace {

using Make = std::function<DChoiceKeyPage *()>;

// Object names of the radio buttons in the page's column, top to bottom.
QStringList column(QWidget *page)
{
    QStringList names;
    QLayout *layout = page->findChild<QLayout *>("verticalLayout");
    for (int i = 0; layout && i < layout->count(); ++i) {
        if (QWidget *w = layout->itemAt(i)->widget())
            names << w->objectName();
    }
    return names;
}

QString checkedName(QWidget *page)
{
    for (QRadioButton *b : page->findChildren<QRadioButton *>()) {
        if (b->isChecked())
            return b->objectName();
    }
    return QString();
}

}  // namespace

Q_DECLARE_METATYPE(Make)

class tst_ChoicePages : public QObject
{
    Q_OBJECT

private slots:
    void codes_data();
    void codes();
    void buttonlessCodeClearsTheChoice_data();
    void buttonlessCodeClearsTheChoice();
    void sniperKeyOnlyForAMouse();
    void onboardSavesAtTheClick_data();
    void onboardSavesAtTheClick();
};

void tst_ChoicePages::codes_data()
{
    QTest::addColumn<Make>("make");
    QTest::addColumn<QString>("operateType");
    QTest::addColumn<QStringList>("order");  // top to bottom, "name=code"
    QTest::addColumn<QString>("defaultButton");

    QTest::newRow("shortcuts") << Make([] { return new DHotKeyPage; }) << "9"
                               << QStringList{"ShowDesktop=2",    "CloseWindow=0", "LockingComputer=4",
                                              "OpenMyComputer=3", "Copy=5",        "Paste=7",
                                              "Find=8",           "Cut=6",         "Save=11",
                                              "Print=10",         "CreateNew=9"}
                               << "ShowDesktop";
    QTest::newRow("mouse") << Make([] { return new DMouseKeyPage; }) << "4"
                           << QStringList{"mouseLeft=0", "mouseCenter=1",    "mouseRight=2",   "Return=6",
                                          "Going=5",     "mouseWheelDown=4", "mouseWheelUp=3", "SniperKey=7"}
                           << "mouseLeft";
    QTest::newRow("multimedia") << Make([] { return new DMultimediaPage; }) << "3"
                                << QStringList{"playOrPause=3", "videoStop=6", "next=4",   "previous=5",
                                               "volLower=1",    "volAdd=0",    "mute=2",   "Player=8",
                                               "Calculator=9",  "Computer=10", "Email=12", "Browser=11"}
                                << "playOrPause";
}

void tst_ChoicePages::codes()
{
    QFETCH(Make, make);
    QFETCH(QString, operateType);
    QFETCH(QStringList, order);
    QFETCH(QString, defaultButton);

    Fixture f;
    std::unique_ptr<DChoiceKeyPage> page(make());
    QStringList names;
    for (const QString &entry : order)
        names << "radioButton_" + entry.section('=', 0, 0);
    QCOMPARE(column(page.get()), names);

    // A key without an item shows the default choice.
    f.prepare(page.get(), 30);
    QCOMPARE(checkedName(page.get()), "radioButton_" + defaultButton);

    for (const QString &entry : order) {
        const QByteArray name = "radioButton_" + entry.section('=', 0, 0).toLatin1();
        const QString code = entry.section('=', 1);
        // The button stores its code...
        f.prepare(page.get(), 30);
        click(page.get(), name);
        click(page.get(), "pushButton_OK");
        QCOMPARE(f.record(30).value(2), operateType);
        QCOMPARE(f.record(30).value(5), code);
        // ...and a stored code checks its button.
        f.store(1, "31:" + operateType + ":" + code);
        f.prepare(page.get(), 31);
        QCOMPARE(checkedName(page.get()), QString::fromLatin1(name));
    }
}

void tst_ChoicePages::buttonlessCodeClearsTheChoice_data()
{
    QTest::addColumn<Make>("make");
    QTest::addColumn<QString>("stored");
    QTest::newRow("shortcut 1") << Make([] { return new DHotKeyPage; }) << "9:1";
    QTest::newRow("multimedia 7") << Make([] { return new DMultimediaPage; }) << "3:7";
    QTest::newRow("mouse 12") << Make([] { return new DMouseKeyPage; }) << "4:12";
    QTest::newRow("multimedia not a number") << Make([] { return new DMultimediaPage; }) << "3:x";
}

void tst_ChoicePages::buttonlessCodeClearsTheChoice()
{
    QFETCH(Make, make);
    QFETCH(QString, stored);
    Fixture f;
    f.store(1, "4:" + stored);
    std::unique_ptr<DChoiceKeyPage> page(make());
    f.prepare(page.get(), 5);  // another key first: its default choice is checked
    QVERIFY(!checkedName(page.get()).isEmpty());
    f.prepare(page.get(), 4);
    QCOMPARE(checkedName(page.get()), QString());
    QCOMPARE(page->checkedCode(), -1);

    const QByteArray before = f.readAll();
    Signals s(page.get());
    click(page.get(), "pushButton_OK");
    QCOMPARE(f.readAll(), before);
    QCOMPARE(s.total(), 0);
}

void tst_ChoicePages::sniperKeyOnlyForAMouse()
{
    Fixture f;
    DMouseKeyPage page;
    auto *sniper = child<QRadioButton>(&page, "radioButton_SniperKey");
    QVERIFY(sniper->isHidden());
    page.setDeviceType(1);
    QVERIFY(!sniper->isHidden());
    page.setDeviceType(0);
    QVERIFY(sniper->isHidden());

    // A stored sniper key is still checked, hidden, on a keyboard; OK keeps it.
    f.store(1, "4:4:7");
    f.prepare(&page, 4);
    QVERIFY(sniper->isChecked());
    click(&page, "pushButton_OK");
    QCOMPARE(f.record(4).value(5), "7");
}

void tst_ChoicePages::onboardSavesAtTheClick_data()
{
    QTest::addColumn<Make>("make");
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<QStringList>("saved");
    QTest::newRow("Volume Down") << Make([] { return new DMultimediaPage; }) << QByteArray("radioButton_volLower")
                                 << QStringList{"4", "A", "3", "1", "1", "1"};
    QTest::newRow("Wheel Up") << Make([] { return new DMouseKeyPage; }) << QByteArray("radioButton_mouseWheelUp")
                              << QStringList{"4", "A", "4", "1", "1", "3"};
}

void tst_ChoicePages::onboardSavesAtTheClick()
{
    QFETCH(Make, make);
    QFETCH(QByteArray, button);
    QFETCH(QStringList, saved);
    Fixture f;
    std::unique_ptr<DChoiceKeyPage> page(make());
    f.prepare(page.get(), 4);
    auto setOnboard = [&](int on) {
        if (auto *m = qobject_cast<DMultimediaPage *>(page.get()))
            m->setOnboardMode(on);
        else
            qobject_cast<DMouseKeyPage *>(page.get())->setOnboardMode(on);
    };
    setOnboard(1);
    QVERIFY(child<QWidget>(page.get(), "frame")->isHidden());
    QCOMPARE(f.record(4), QStringList());  // loading and the mode change never save

    Signals s(page.get());
    click(page.get(), button);
    QCOMPARE(f.record(4), saved);
    QCOMPARE(s.update.count(), 1);
    QCOMPARE(s.saved.count(), 1);

    // In PC mode a click only chooses.
    setOnboard(0);
    QVERIFY(!child<QWidget>(page.get(), "frame")->isHidden());
    f.xml.deleteKeyMapItem(f.profile, "1", "4");
    click(page.get(), button);
    QCOMPARE(f.record(4), QStringList());
}

QTEST_MAIN(tst_ChoicePages)
#include "tst_ChoicePages.moc"
