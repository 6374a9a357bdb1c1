// SPDX-License-Identifier: GPL-3.0-or-later
// The switch profile, disable and launch pages on a real profile file.

#include "DChangProfilePage.h"
#include "DKeyDisablePage.h"
#include "DKeyWithAppPage.h"
#include "KeyAssignTestSupport.h"

#include <QComboBox>
#include <QLabel>
#include <QTextEdit>

using namespace keytest;

class tst_SmallKeyPages : public QObject
{
    Q_OBJECT

private slots:
    void profileList_data();
    void profileList();
    void profileSavedByIndex();
    void disableSavesEveryTime();
    void disableShowsThePlainName();
    void launchChosenFileSavedAndShown();
    void launchTakesTheCurrentKeysChoice();
    void launchRefusesMissingFiles();
};

void tst_SmallKeyPages::profileList_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("selected");

    QTest::newRow("no item") << "" << 0;
    QTest::newRow("bound to 10") << "4:7:10" << 2;
    QTest::newRow("bound to the second of two names") << "4:7:12" << 4;
    QTest::newRow("index no longer in the file") << "4:7:7" << 0;
    QTest::newRow("another kind") << "4:0:5" << 0;
}

void tst_SmallKeyPages::profileList()
{
    QFETCH(QString, stored);
    QFETCH(int, selected);

    Fixture f;
    QVERIFY(f.xml.addProfileConfig(f.profile, "10", "Ten", "", "", 0));
    QVERIFY(f.xml.addProfileConfig(f.profile, "11", "Same", "", "", 0));
    QVERIFY(f.xml.addProfileConfig(f.profile, "12", "Same", "", "", 0));
    if (!stored.isEmpty())
        f.store(1, stored);

    DChangProfilePage page;
    QSignalSpy changes(child<QComboBox>(&page, "comboBox_Profile"), SIGNAL(currentIndexChanged(int)));
    f.prepare(&page, 4);
    auto *combo = child<QComboBox>(&page, "comboBox_Profile");
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i) + '=' + combo->itemData(i).toString();
    QCOMPARE(items, QStringList({"One=1", "Two=2", "Ten=10", "Same=11", "Same=12"}));
    QCOMPARE(combo->currentIndex(), selected);
    QCOMPARE(changes.count(), 0);

    // A second load lists the profiles once.
    page.loadCustomKeyInfo();
    QCOMPARE(combo->count(), 5);
}

void tst_SmallKeyPages::profileSavedByIndex()
{
    Fixture f;
    QVERIFY(f.xml.addProfileConfig(f.profile, "3", "Two", "", "", 0));
    DChangProfilePage page;
    f.prepare(&page, 4);
    child<QComboBox>(&page, "comboBox_Profile")->setCurrentIndex(2);
    Signals spy(&page);
    click(&page, "pushButton_OK");
    QCOMPARE(spy.saved.count(), 1);
    QCOMPARE(f.record(4), QStringList({"4", "A", "7", "1", "1", "3"}));

    page.loadCustomKeyInfo();
    QCOMPARE(child<QComboBox>(&page, "comboBox_Profile")->currentIndex(), 2);
}

void tst_SmallKeyPages::disableSavesEveryTime()
{
    Fixture f;
    f.store(1, "4:0:5");
    DKeyDisablePage page;
    f.prepare(&page, 4);
    Signals spy(&page);
    click(&page, "pushButton_OK");
    click(&page, "pushButton_OK");
    QCOMPARE(spy.saved.count(), 2);
    QCOMPARE(spy.update.count(), 2);
    QCOMPARE(f.record(4), QStringList({"4", "A", "5", "1", "1", "-1"}));
    QCOMPARE(f.keyCodes().count(QStringLiteral("4")), 1);

    QSignalSpy cancel(&page, &DKeyAssignPage::sigClickedCancel);
    f.prepare(&page, 5, QStringLiteral("B"));
    click(&page, "pushButton_Cancel");
    QCOMPARE(cancel.count(), 1);
    QCOMPARE(f.record(5), QStringList());
}

void tst_SmallKeyPages::disableShowsThePlainName()
{
    Fixture f;
    DKeyDisablePage page;
    f.prepare(&page, 4, QStringLiteral("<b>A</b>"));
    auto *label = child<QLabel>(&page, "label_KeyChar");
    QCOMPARE(label->text(), QStringLiteral("<b>A</b>"));
    QCOMPARE(label->textFormat(), Qt::PlainText);
}

void tst_SmallKeyPages::launchChosenFileSavedAndShown()
{
    Fixture f;
    const QString program = f.dir.filePath(QStringLiteral("dir with spaces/ünïcode tool"));
    QVERIFY(QDir().mkpath(QFileInfo(program).path()));
    QFile file(program);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();

    DKeyWithAppPage page;
    QString askedDir;
    QString askedFilter;
    page.setFileChooser([&](QWidget *, const QString &, const QString &dir, const QString &filter) {
        askedDir = dir;
        askedFilter = filter;
        return program;
    });
    f.prepare(&page, 4);
    click(&page, "pushButton_selectAppPath");
    QCOMPARE(askedFilter, QStringLiteral("App(*)"));
    QCOMPARE(askedDir, QDir::homePath());  // no Desktop folder in the test's home
    QCOMPARE(child<QTextEdit>(&page, "textEdit_appPath")->toPlainText(), program);

    Signals spy(&page);
    click(&page, "pushButton_OK");
    QCOMPARE(spy.saved.count(), 1);
    QCOMPARE(f.record(4), QStringList({"4", "A", "8", "1", "1", program}));

    DKeyWithAppPage reopened;
    f.prepare(&reopened, 4);
    QCOMPARE(child<QTextEdit>(&reopened, "textEdit_appPath")->toPlainText(), program);
    QCOMPARE(reopened.chosenPath(), program);

    // A Desktop folder is where the dialog starts.
    QVERIFY(QDir::home().mkpath(QStringLiteral("Desktop")));
    click(&page, "pushButton_selectAppPath");
    QCOMPARE(askedDir, QDir::home().filePath(QStringLiteral("Desktop")));
}

void tst_SmallKeyPages::launchTakesTheCurrentKeysChoice()
{
    Fixture f;
    const QString program = f.dir.filePath(QStringLiteral("tool"));
    QFile file(program);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();

    DKeyWithAppPage page;
    page.setFileChooser([&](QWidget *, const QString &, const QString &, const QString &) { return program; });
    f.prepare(&page, 4);
    click(&page, "pushButton_selectAppPath");
    click(&page, "pushButton_OK");

    // Another key without a program: the field is empty and OK saves nothing.
    f.prepare(&page, 5, QStringLiteral("B"));
    QCOMPARE(child<QTextEdit>(&page, "textEdit_appPath")->toPlainText(), QString());
    QCOMPARE(page.chosenPath(), QString());
    Signals spy(&page);
    click(&page, "pushButton_OK");
    QCOMPARE(spy.total(), 0);
    QCOMPARE(f.record(5), QStringList());

    // Back on the first key, its own program is the choice.
    f.prepare(&page, 4);
    QCOMPARE(page.chosenPath(), program);
}

void tst_SmallKeyPages::launchRefusesMissingFiles()
{
    Fixture f;
    const QString program = f.dir.filePath(QStringLiteral("gone"));
    QFile file(program);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QString answer = program;

    DKeyWithAppPage page;
    page.setFileChooser([&](QWidget *, const QString &, const QString &, const QString &) { return answer; });
    f.prepare(&page, 4);
    click(&page, "pushButton_selectAppPath");
    QVERIFY(QFile::remove(program));
    Signals spy(&page);
    click(&page, "pushButton_OK");
    QCOMPARE(spy.total(), 0);
    QCOMPARE(f.record(4), QStringList());

    // A cancelled dialog, a missing file or a folder leave the choice as it was.
    const QString kept = page.chosenPath();
    for (const QString &next : {QString(), f.dir.filePath(QStringLiteral("missing")), f.dir.path()}) {
        answer = next;
        click(&page, "pushButton_selectAppPath");
        QCOMPARE(page.chosenPath(), kept);
    }
}

QTEST_MAIN(tst_SmallKeyPages)
#include "tst_SmallKeyPages.moc"
