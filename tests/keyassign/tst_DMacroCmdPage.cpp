// SPDX-License-Identifier: GPL-3.0-or-later
// The macro binding page: play modes and counts, the profile's copy of a bound macro, on-board
// saving, and the cases where nothing or a failure is the right answer.

#include "KeyAssignTestSupport.h"

#include "DDataManager.h"
#include "DKeyWithAppPage.h"
#include "DMacroCmdPage.h"
#include "StyleSheetWarnings.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

using namespace keytest;

namespace {

void writeAll(const QByteArray &path, const QByteArray &content)
{
    QFile file(QFile::decodeName(path));
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qFatal("cannot write %s", path.constData());
}

QComboBox *combo(QWidget *page)
{
    return child<QComboBox>(page, "comboBox_Macro");
}

QLineEdit *repeatField(QWidget *page)
{
    return child<QLineEdit>(page, "lineEdit_playMany");
}

}  // namespace

class tst_DMacroCmdPage : public QObject
{
    Q_OBJECT

private slots:
    void modesAndCounts_data();
    void modesAndCounts();
    void firstKeyMakesTheCopySecondKeepsIt();
    void keyWithoutBindingTakesTheMacroShown();
    void macroGoneFromTheLibraryKeepsItsIndex();
    void copyThatCannotBeMadeFailsTheSave();
    void onboardSavesAtOnce();
    void loadAndRetranslateNeverWrite();
    void sheetsParse();
};

void tst_DMacroCmdPage::modesAndCounts_data()
{
    QTest::addColumn<QByteArray>("mode");
    QTest::addColumn<QString>("repeat");
    QTest::addColumn<QStringList>("saved");  // repeatNum, mode; empty: nothing saved
    QTest::newRow("once") << QByteArray("radioButton_playOne") << "7" << QStringList{"1", "1"};
    QTest::newRow("multiple 7") << QByteArray("radioButton_playMany") << "7" << QStringList{"7", "2"};
    QTest::newRow("multiple 255") << QByteArray("radioButton_playMany") << "255" << QStringList{"255", "2"};
    QTest::newRow("toggle") << QByteArray("radioButton_playKeyPressRelStop") << "7" << QStringList{"1", "3"};
    QTest::newRow("while held") << QByteArray("radioButton_playWhellKeyPress") << "7" << QStringList{"1", "4"};
    QTest::newRow("multiple, empty count") << QByteArray("radioButton_playMany") << "" << QStringList();
    QTest::newRow("multiple, count 0") << QByteArray("radioButton_playMany") << "0" << QStringList();
}

void tst_DMacroCmdPage::modesAndCounts()
{
    QFETCH(QByteArray, mode);
    QFETCH(QString, repeat);
    QFETCH(QStringList, saved);

    Fixture f;
    DMacroCmdPage page;
    f.prepare(&page, 4);
    click(&page, "radioButton_playMany");
    QVERIFY(!child<QWidget>(&page, "frame_5")->isHidden());
    repeatField(&page)->setText(repeat);
    click(&page, mode);
    Signals s(&page);
    click(&page, "pushButton_OK");

    if (saved.isEmpty()) {
        QCOMPARE(f.record(4), QStringList());
        QCOMPARE(f.hasCopy(1), false);
        QCOMPARE(s.total(), 0);
        return;
    }
    QCOMPARE(f.record(4), QStringList({"4", "A", "1", saved.at(0), saved.at(1), "1"}));
    QCOMPARE(s.saved.count(), 1);
    // Shown again as saved.
    f.prepare(&page, 4);
    QVERIFY(child<QRadioButton>(&page, mode)->isChecked());
    QCOMPARE(child<QWidget>(&page, "frame_5")->isHidden(), saved.at(1) != "2");
    if (saved.at(1) == "2")
        QCOMPARE(repeatField(&page)->text(), repeat);
}

void tst_DMacroCmdPage::firstKeyMakesTheCopySecondKeepsIt()
{
    Fixture f;
    DMacroCmdPage page;
    f.prepare(&page, 4);
    combo(&page)->setCurrentIndex(combo(&page)->findText("Four"));
    click(&page, "pushButton_OK");
    const QStringList steps{"5/down/0", "5/up/10", "6/down/20"};
    QCOMPARE(f.copy(4), steps);
    QCOMPARE(f.readAll().count("name=\"Macro4\""), 1);

    // The library's macro changes; binding a second key keeps the copy the first one made.
    QVERIFY(f.xml.deleteMacroItemsContaining(f.library, "4", "down"));
    f.prepare(&page, 5, "B");
    combo(&page)->setCurrentIndex(combo(&page)->findText("Four"));
    click(&page, "pushButton_OK");
    QCOMPARE(f.record(5), QStringList({"5", "B", "1", "1", "1", "4"}));
    QCOMPARE(f.copy(4), steps);
    QCOMPARE(f.readAll().count("name=\"Macro4\""), 1);
    QCOMPARE(f.copy(4, 2), QStringList());
}

void tst_DMacroCmdPage::keyWithoutBindingTakesTheMacroShown()
{
    Fixture f;
    // A library whose first macro is not macro 1.
    QVERIFY(f.xml.createXmlFile(f.library));
    f.addMacro("4", "Four", {step("2", 5, "down", 0)});
    f.addMacro("5", "Five", {step("4", 7, "down", 0)});
    DMacroCmdPage page;
    f.prepare(&page, 4);
    QCOMPARE(combo(&page)->currentText(), "Four");
    QCOMPARE(repeatField(&page)->text(), "1");
    QVERIFY(!repeatField(&page)->isEnabled());
    click(&page, "pushButton_OK");
    QCOMPARE(f.record(4).value(5), "4");
    QVERIFY(f.hasCopy(4));
    QVERIFY(!f.hasCopy(1));
}

void tst_DMacroCmdPage::macroGoneFromTheLibraryKeepsItsIndex()
{
    Fixture f;
    QVERIFY(f.xml.addBindMacro(f.profile, "1", {step("9", 9, "down", 0)}, "9", "Macro9"));
    f.store(1, "4:1:9:2:3");
    DMacroCmdPage page;
    f.prepare(&page, 4);
    QCOMPARE(combo(&page)->currentIndex(), -1);
    QVERIFY(child<QRadioButton>(&page, "radioButton_playMany")->isChecked());
    QCOMPARE(repeatField(&page)->text(), "3");

    click(&page, "pushButton_OK");
    QCOMPARE(f.record(4), QStringList({"4", "A", "1", "3", "2", "9"}));
    QCOMPARE(f.copy(9), QStringList({"9/down/0"}));

    // Choosing a macro of the library binds that one.
    combo(&page)->setCurrentIndex(combo(&page)->findText("Five"));
    click(&page, "pushButton_OK");
    QCOMPARE(f.record(4).value(5), "5");
    QCOMPARE(f.copy(5), QStringList({"7/down/0"}));
}

void tst_DMacroCmdPage::copyThatCannotBeMadeFailsTheSave()
{
    Fixture f;
    QByteArray content = f.readAll();
    QVERIFY(content.contains("<bindMacro />"));
    writeAll(f.profile, content.replace("<bindMacro />", ""));
    const QByteArray before = f.readAll();

    DMacroCmdPage page;
    f.prepare(&page, 4);
    Signals s(&page);
    click(&page, "pushButton_OK");
    QCOMPARE(f.readAll(), before);
    QCOMPARE(f.record(4), QStringList());
    QCOMPARE(s.update.count(), 0);
    QCOMPARE(s.saved.count(), 0);
    QCOMPARE(s.failed.count(), 1);
}

void tst_DMacroCmdPage::onboardSavesAtOnce()
{
    Fixture f;
    f.store(1, "4:1:1:2:5");
    DMacroCmdPage page;
    f.prepare(&page, 4);
    page.setOnboardMode(1);
    QVERIFY(child<QWidget>(&page, "frame")->isHidden());
    Signals s(&page);
    click(&page, "radioButton_playKeyPressRelStop");
    QCOMPARE(f.record(4), QStringList({"4", "A", "1", "1", "3", "1"}));
    QCOMPARE(s.update.count(), 1);
    QCOMPARE(s.saved.count(), 1);

    combo(&page)->setCurrentIndex(combo(&page)->findText("Five"));
    QCOMPARE(f.record(4).value(5), "5");
    QVERIFY(f.hasCopy(5));
}

void tst_DMacroCmdPage::loadAndRetranslateNeverWrite()
{
    Fixture f;
    f.store(1, "4:1:4:2:7");
    DMacroCmdPage page;
    f.prepare(&page, 4);
    page.setOnboardMode(1);
    const QByteArray before = f.readAll();
    Signals s(&page);

    page.loadCustomKeyInfo();
    page.retranslate();
    page.loadCustomKeyInfo();
    QCOMPARE(f.readAll(), before);
    QCOMPARE(s.total(), 0);
    QCOMPARE(repeatField(&page)->text(), "7");
    QCOMPARE(child<QRadioButton>(&page, "radioButton_playMany")->toolTip(), "Play multiple times");
}

void tst_DMacroCmdPage::sheetsParse()
{
    // An alpha goes into rgba() only: this page's clear frame, and the OK and Cancel buttons'
    // hover of the key pages (here the launch-program page's).
    DDataManager::getInstance()->loadThemeConfig(0);
    StyleSheetWarnings warnings;
    DMacroCmdPage page;
    DKeyWithAppPage appPage;
    page.show();
    appPage.show();
    QList<QWidget *> widgets = page.findChildren<QWidget *>();
    widgets << appPage.findChildren<QWidget *>();
    bool hoverSeen = false;
    for (QWidget *widget : qAsConst(widgets)) {
        widget->ensurePolished();
        QVERIFY2(!StyleSheetWarnings::hasFourPartRgb(widget->styleSheet()), qPrintable(widget->objectName()));
        hoverSeen =
            hoverSeen || widget->styleSheet().contains(QStringLiteral("QPushButton:hover{background-color:rgba("));
    }
    QVERIFY(hoverSeen);
    QCOMPARE(warnings.messages(), QStringList());
}

QTEST_MAIN(tst_DMacroCmdPage)
#include "tst_DMacroCmdPage.moc"
