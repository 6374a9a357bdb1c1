// The Default page: the key's item goes, a macro's copy with the last key bound to it, and the
// page names the key.

#include "KeyAssignTestSupport.h"

#include "DResetDefaultPage.h"

#include <QLabel>
#include <QLoggingCategory>

using namespace keytest;

class tst_DResetDefaultPage : public QObject
{
    Q_OBJECT

private slots:
    void macroCopyGoesWithItsLastKey();
    void sameValueOfAnotherKindKeepsTheCopy();
    void keyWithoutItem();
    void beforeAnyKey();
    void keyNameShownPlainAndAfterRetranslation();
};

void tst_DResetDefaultPage::macroCopyGoesWithItsLastKey()
{
    Fixture f;
    QVERIFY(f.xml.addBindMacro(f.profile, "1", {step("4", 7, "down", 0)}, "5", "Macro5"));
    f.store(1, "4:1:5");
    f.store(1, "6:1:5:2:3");
    DResetDefaultPage page;
    f.prepare(&page, 4);
    click(&page, "pushButton_OK");
    QCOMPARE(f.record(4), QStringList());
    QVERIFY(f.hasCopy(5));

    page.setCurrentKey({6, "C"});
    Signals s(&page);
    click(&page, "pushButton_OK");
    QCOMPARE(f.keyCodes(), QStringList());
    QVERIFY(!f.hasCopy(5));
    QCOMPARE(s.update.count(), 1);
    QCOMPARE(s.update.first().first().toInt(), 6);
    QCOMPARE(s.saved.count(), 1);
}

void tst_DResetDefaultPage::sameValueOfAnotherKindKeepsTheCopy()
{
    Fixture f;
    QVERIFY(f.xml.addBindMacro(f.profile, "1", {step("4", 7, "down", 0)}, "5", "Macro5"));
    f.store(1, "4:3:5");
    f.store(1, "6:1:5");
    DResetDefaultPage page;
    f.prepare(&page, 4);
    click(&page, "pushButton_OK");
    QCOMPARE(f.keyCodes(), QStringList({"6"}));
    QVERIFY(f.hasCopy(5));

    // An unused copy is not the business of an unrelated key.
    f.store(1, "6:4:0");
    f.store(1, "7:3:5");
    page.setCurrentKey({7, "D"});
    click(&page, "pushButton_OK");
    QVERIFY(f.hasCopy(5));
}

void tst_DResetDefaultPage::keyWithoutItem()
{
    Fixture f;
    f.store(1, "6:1:5");
    DResetDefaultPage page;
    f.prepare(&page, 4);
    const QByteArray before = f.readAll();
    Signals s(&page);
    click(&page, "pushButton_OK");
    QCOMPARE(f.readAll(), before);
    QCOMPARE(s.update.count(), 1);
    QCOMPARE(s.saved.count(), 1);
    QCOMPARE(s.failed.count(), 0);
}

void tst_DResetDefaultPage::beforeAnyKey()
{
    Fixture f;
    f.store(1, "4:1:5");
    DResetDefaultPage page;
    page.setInterfaces(nullptr, &f.xml);
    page.setFilePaths(f.library, f.profile);
    const QByteArray before = f.readAll();
    Signals s(&page);
    QLoggingCategory::setFilterRules(QStringLiteral("zelka.ui.debug=true"));
    QTest::ignoreMessage(QtDebugMsg, "--------------- keyDefault -----------------");
    click(&page, "pushButton_OK");
    QCOMPARE(f.readAll(), before);
    QCOMPARE(s.total(), 0);
    QCOMPARE(child<QLabel>(&page, "label_KeyChar")->text(), "A");
}

void tst_DResetDefaultPage::keyNameShownPlainAndAfterRetranslation()
{
    DResetDefaultPage page;
    auto *label = child<QLabel>(&page, "label_KeyChar");
    page.setCurrentKey({41, "<b>Esc</b>"});
    QCOMPARE(label->text(), "<b>Esc</b>");
    QCOMPARE(label->textFormat(), Qt::PlainText);
    page.retranslate();
    QCOMPARE(label->text(), "<b>Esc</b>");
}

QTEST_MAIN(tst_DResetDefaultPage)
#include "tst_DResetDefaultPage.moc"
