// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard options panel on a real profile file, with the desktop's settings replaced.

#include "DesktopSettings.h"
#include "DPerformancePage.h"
#include "KeyAssignTestSupport.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QRegularExpression>

using namespace keytest;

namespace {

class RecordingDesktop : public DesktopSettings
{
public:
    bool openKeyboardSettings() override
    {
        ++keyboard;
        return true;
    }
    bool openMouseSettings() override
    {
        ++mouse;
        return true;
    }
    int keyboard = 0;
    int mouse = 0;
};

// The switches in feature order: Alt+Tab, Alt+F4, Shift+Tab, Windows key.
const char *const kBoxes[] = {"checkBox_disableALT_TAB", "checkBox_disableALT_F4", "checkBox_disableSHIFT_TAB",
                              "checkBox_disableWindowsKey"};

QString shown(QWidget *page)
{
    QString text;
    for (const char *box : kBoxes)
        text += child<QCheckBox>(page, box)->isChecked() ? '1' : '0';
    return text;
}

QString stored(Fixture &f, int profile)
{
    FunctionSetting s;
    xmlInterface reader;
    reader.getFunctionSetting(f.profile, QByteArray::number(profile), &s);
    return QStringList({s.feature1, s.feature2, s.feature3, s.feature4}).join(',');
}

void prepare(Fixture &f, DPerformancePage *page, int profile)
{
    page->setInterfaces(nullptr, &f.xml);
    page->setProfileIndex(profile);
    page->setFilePaths(f.library, f.profile);
    page->loadFunctionSetting();
}

}  // namespace

class tst_DPerformancePage : public QObject
{
    Q_OBJECT

private slots:
    void load_data();
    void load();
    void clickWritesAllFour();
    void profilesKeepTheirOwn();
    void buttons();
};

void tst_DPerformancePage::load_data()
{
    QTest::addColumn<QStringList>("features");
    QTest::addColumn<QString>("checked");

    QTest::newRow("all off") << QStringList({"0", "0", "0", "0"}) << "0000";
    QTest::newRow("2 and -1") << QStringList({"0", "2", "0", "-1"}) << "0101";
    QTest::newRow("text and leading digits") << QStringList({"x", "1x", "", "0"}) << "0100";
    QTest::newRow("no Setting") << QStringList() << "0000";
}

void tst_DPerformancePage::load()
{
    QFETCH(QStringList, features);
    QFETCH(QString, checked);

    Fixture f;
    xmlInterface reader;
    if (features.isEmpty()) {
        // A profile file written without the switches.
        QString content = QString::fromUtf8(f.readAll());
        content.remove(QRegularExpression(QStringLiteral("<function>.*?</function>|<function\\s*/>"),
                                          QRegularExpression::DotMatchesEverythingOption));
        QVERIFY(!content.contains("Setting"));
        QFile file(QFile::decodeName(f.profile));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content.toUtf8());
        file.close();
    } else {
        QVERIFY(f.xml.setFunctionSetting(f.profile, "1", features[0].toLatin1(), features[1].toLatin1(),
                                         features[2].toLatin1(), features[3].toLatin1()));
    }
    DPerformancePage page;
    // What an earlier profile showed never stays.
    for (const char *box : kBoxes)
        child<QCheckBox>(&page, box)->setChecked(true);
    page.setInterfaces(nullptr, &reader);
    page.setProfileIndex(1);
    page.setFilePaths(f.library, f.profile);
    page.loadFunctionSetting();
    QCOMPARE(shown(&page), checked);
}

void tst_DPerformancePage::clickWritesAllFour()
{
    Fixture f;
    QVERIFY(f.xml.setFunctionSetting(f.profile, "1", "0", "2", "0", "0"));
    DPerformancePage page;
    prepare(f, &page, 1);
    click(&page, "checkBox_disableWindowsKey");
    QCOMPARE(stored(f, 1), QStringLiteral("0,1,0,1"));
    click(&page, "checkBox_disableALT_F4");
    QCOMPARE(stored(f, 1), QStringLiteral("0,0,0,1"));
    click(&page, "checkBox_disableALT_TAB");
    click(&page, "checkBox_disableSHIFT_TAB");
    QCOMPARE(stored(f, 1), QStringLiteral("1,0,1,1"));
}

void tst_DPerformancePage::profilesKeepTheirOwn()
{
    Fixture f;
    DPerformancePage page;
    prepare(f, &page, 1);
    click(&page, "checkBox_disableALT_TAB");
    prepare(f, &page, 2);
    QCOMPARE(shown(&page), QStringLiteral("0001"));  // a new profile disables the Windows keys
    click(&page, "checkBox_disableSHIFT_TAB");
    click(&page, "checkBox_disableWindowsKey");
    prepare(f, &page, 1);
    QCOMPARE(shown(&page), QStringLiteral("1001"));
    prepare(f, &page, 2);
    QCOMPARE(shown(&page), QStringLiteral("0010"));
    QCOMPARE(stored(f, 1), QStringLiteral("1,0,0,1"));
    QCOMPARE(stored(f, 2), QStringLiteral("0,0,1,0"));
}

void tst_DPerformancePage::buttons()
{
    Fixture f;
    DPerformancePage page;
    RecordingDesktop desktop;
    page.setDesktopSettings(&desktop);
    prepare(f, &page, 1);
    const QByteArray before = f.readAll();

    QSignalSpy restore(&page, &DPerformancePage::sigResetoreCurrentProfile);
    click(&page, "pushButton_Restore");
    QCOMPARE(restore.count(), 1);

    QElapsedTimer timer;
    timer.start();
    click(&page, "pushButton_keyboardProperties");
    QVERIFY(timer.elapsed() < 5000);
    QCOMPARE(desktop.keyboard, 1);
    QCOMPARE(desktop.mouse, 0);
    QCOMPARE(f.readAll(), before);
}

QTEST_MAIN(tst_DPerformancePage)
#include "tst_DPerformancePage.moc"
