// SPDX-License-Identifier: GPL-3.0-or-later
// The mouse lighting page's zone and link buttons against a profile file: which buttons show
// checked, which zone is chosen, what is stored and what is announced, in which order.

#include "DMouseLightPage.h"
#include "xmlInterface.h"

#include <QAbstractButton>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// "A S L" of the three zone buttons and "s l" of the two link buttons, as 1 and 0: "110 10".
QString checkedState(const DMouseLightPage &page)
{
    auto on = [&](const char *name) {
        return page.findChild<QAbstractButton *>(QLatin1String(name))->isChecked() ? QLatin1Char('1')
                                                                                   : QLatin1Char('0');
    };
    return QString() + on("toolButton_AroundType") + on("toolButton_ScrollType") + on("toolButton_LogoType")
           + QLatin1Char(' ') + on("pushButton_LinkScroll") + on("pushButton_LinkLogo");
}

void click(DMouseLightPage &page, const char *name)
{
    QTest::mouseClick(page.findChild<QAbstractButton *>(QLatin1String(name)), Qt::LeftButton);
}

// The signals in order: "s1" scroll link 1, "l0" logo link 0, "z2" zone 2.
struct SignalLog {
    QStringList events;
    explicit SignalLog(DMouseLightPage &page)
    {
        QObject::connect(&page, &DMouseLightPage::sigScrollLinkStatus,
                         [this](int s) { events << QStringLiteral("s%1").arg(s); });
        QObject::connect(&page, &DMouseLightPage::sigLogoLinkStatus,
                         [this](int s) { events << QStringLiteral("l%1").arg(s); });
        QObject::connect(&page, &DMouseLightPage::sigSelectMouseLightType,
                         [this](int z) { events << QStringLiteral("z%1").arg(z); });
    }
};

struct MouseProfile {
    QTemporaryDir dir;
    xmlInterface xml;
    QByteArray path;

    MouseProfile()
    {
        path = QFile::encodeName(dir.filePath(QStringLiteral("brivexProFile.xml")));
        xml.createXmlFile(path.constData());
        xml.addProfileConfig(path.constData(), "1", "Profile 1", "", "", 1);
    }
    void setLinks(int scroll, int logo)
    {
        xml.setLinkStatus(path.constData(), "1", 1, scroll);
        xml.setLinkStatus(path.constData(), "1", 2, logo);
    }
    int link(int zone) { return xml.getLinkStatus(path.constData(), "1", zone); }
};

}  // namespace

class tst_DMouseLightPage : public QObject
{
    Q_OBJECT

private slots:
    void loadLinkStatus_data();
    void loadLinkStatus();
    void zoneButtons_data();
    void zoneButtons();
    void linkButtons_data();
    void linkButtons();
    void failedStoreKeepsTheFile();
    void ledRowFollowsTheLightSwitch();
    void definitionThatDoesNotParse();
};

void tst_DMouseLightPage::loadLinkStatus_data()
{
    QTest::addColumn<int>("scroll");
    QTest::addColumn<int>("logo");
    QTest::addColumn<QString>("checked");
    QTest::addColumn<QStringList>("signalsInOrder");
    QTest::newRow("unlinked") << 0 << 0 << "100 00" << QStringList{"s0", "l0"};
    QTest::newRow("scroll linked") << 1 << 0 << "110 10" << QStringList{"s1", "l0"};
    QTest::newRow("logo linked") << 0 << 1 << "101 01" << QStringList{"s0", "l1"};
    QTest::newRow("both linked") << 1 << 1 << "111 11" << QStringList{"s1", "l1"};
    QTest::newRow("odd value reads unlinked") << 7 << 0 << "100 00" << QStringList{"s0", "l0"};
}

void tst_DMouseLightPage::loadLinkStatus()
{
    QFETCH(int, scroll);
    QFETCH(int, logo);
    MouseProfile profile;
    profile.setLinks(scroll, logo);
    DMouseLightPage page(QStringLiteral("ZM1"));
    page.setProfileXml(profile.path.constData(), &profile.xml);
    page.setProfileIndex(1);
    SignalLog log(page);
    page.loadLinkStatus();
    QTEST(checkedState(page), "checked");
    QTEST(log.events, "signalsInOrder");
    QCOMPARE(page.selectedZone(), 0);

    // A profile without the zone entries reads as not linked.
    page.setProfileIndex(5);
    log.events.clear();
    page.loadLinkStatus();
    QCOMPARE(checkedState(page), QStringLiteral("100 00"));
    QCOMPARE(log.events, (QStringList{"s0", "l0"}));
}

void tst_DMouseLightPage::zoneButtons_data()
{
    QTest::addColumn<int>("scroll");
    QTest::addColumn<int>("logo");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("checked");
    QTest::addColumn<int>("zone");
    QTest::newRow("Around, unlinked") << 0 << 0 << "toolButton_AroundType"
                                      << "100 00" << 0;
    QTest::newRow("Scroll, unlinked") << 0 << 0 << "toolButton_ScrollType"
                                      << "010 00" << 1;
    QTest::newRow("Logo, unlinked") << 0 << 0 << "toolButton_LogoType"
                                    << "001 00" << 2;
    QTest::newRow("Scroll, scroll linked") << 1 << 0 << "toolButton_ScrollType"
                                           << "110 10" << 1;
    QTest::newRow("Logo, scroll linked") << 1 << 0 << "toolButton_LogoType"
                                         << "001 10" << 2;
    QTest::newRow("Logo, both linked") << 1 << 1 << "toolButton_LogoType"
                                       << "111 11" << 2;
    QTest::newRow("Scroll, both linked") << 1 << 1 << "toolButton_ScrollType"
                                         << "111 11" << 1;
    QTest::newRow("Around, logo linked") << 0 << 1 << "toolButton_AroundType"
                                         << "101 01" << 0;
}

void tst_DMouseLightPage::zoneButtons()
{
    QFETCH(int, scroll);
    QFETCH(int, logo);
    QFETCH(QString, button);
    QFETCH(int, zone);
    MouseProfile profile;
    profile.setLinks(scroll, logo);
    DMouseLightPage page(QStringLiteral("ZM1"));
    page.setProfileXml(profile.path.constData(), &profile.xml);
    page.loadLinkStatus();
    SignalLog log(page);
    click(page, button.toLatin1().constData());
    QTEST(checkedState(page), "checked");
    QCOMPARE(page.selectedZone(), zone);
    QCOMPARE(log.events, QStringList{QStringLiteral("z%1").arg(zone)});
    // A click on the chosen button keeps it checked and announces the zone again.
    click(page, button.toLatin1().constData());
    QTEST(checkedState(page), "checked");
    QCOMPARE(log.events.size(), 2);
}

void tst_DMouseLightPage::linkButtons_data()
{
    QTest::addColumn<int>("scroll");
    QTest::addColumn<int>("logo");
    QTest::addColumn<QString>("zoneButton");  // clicked first to choose the zone
    QTest::addColumn<QString>("linkButton");
    QTest::addColumn<QString>("checked");
    QTest::addColumn<int>("zone");
    QTest::addColumn<QStringList>("signalsInOrder");
    QTest::addColumn<int>("storedScroll");
    QTest::addColumn<int>("storedLogo");
    QTest::newRow("link Scroll from Around") << 0 << 0 << "toolButton_AroundType"
                                             << "pushButton_LinkScroll"
                                             << "110 10" << 0 << QStringList{"s1", "z0"} << 1 << 0;
    QTest::newRow("link Scroll from Logo") << 0 << 0 << "toolButton_LogoType"
                                           << "pushButton_LinkScroll"
                                           << "001 10" << 2 << QStringList{"s1", "z2"} << 1 << 0;
    QTest::newRow("link Logo from Scroll") << 0 << 0 << "toolButton_ScrollType"
                                           << "pushButton_LinkLogo"
                                           << "010 01" << 1 << QStringList{"l1", "z1"} << 0 << 1;
    QTest::newRow("link Logo with Scroll linked") << 1 << 0 << "toolButton_AroundType"
                                                  << "pushButton_LinkLogo"
                                                  << "111 11" << 0 << QStringList{"l1", "z0"} << 1 << 1;
    QTest::newRow("unlink Scroll, Logo neither linked nor chosen") << 1 << 0 << "toolButton_ScrollType"
                                                                   << "pushButton_LinkScroll"
                                                                   << "100 00" << 0 << QStringList{"s0"} << 0 << 0;
    QTest::newRow("unlink Logo, Scroll chosen") << 0 << 1 << "toolButton_ScrollType"
                                                << "pushButton_LinkLogo"
                                                << "010 00" << 1 << QStringList{"l0"} << 0 << 0;
    QTest::newRow("unlink Scroll, Logo linked") << 1 << 1 << "toolButton_LogoType"
                                                << "pushButton_LinkScroll"
                                                << "101 01" << 2 << QStringList{"s0"} << 0 << 1;
}

void tst_DMouseLightPage::linkButtons()
{
    QFETCH(int, scroll);
    QFETCH(int, logo);
    QFETCH(QString, zoneButton);
    QFETCH(QString, linkButton);
    QFETCH(int, zone);
    MouseProfile profile;
    profile.setLinks(scroll, logo);
    DMouseLightPage page(QStringLiteral("ZM1"));
    page.setProfileXml(profile.path.constData(), &profile.xml);
    page.loadLinkStatus();
    click(page, zoneButton.toLatin1().constData());
    SignalLog log(page);
    // The link is in the file by the time it is announced.
    int storedWhenAnnounced = -1;
    connect(&page, &DMouseLightPage::sigScrollLinkStatus, [&] { storedWhenAnnounced = profile.link(1); });
    connect(&page, &DMouseLightPage::sigLogoLinkStatus, [&] { storedWhenAnnounced = profile.link(2); });
    click(page, linkButton.toLatin1().constData());
    QTEST(checkedState(page), "checked");
    QCOMPARE(page.selectedZone(), zone);
    QTEST(log.events, "signalsInOrder");
    QTEST(profile.link(1), "storedScroll");
    QTEST(profile.link(2), "storedLogo");
    QCOMPARE(storedWhenAnnounced, linkButton.endsWith(QLatin1String("Scroll")) ? profile.link(1) : profile.link(2));
}

void tst_DMouseLightPage::failedStoreKeepsTheFile()
{
    MouseProfile profile;
    DMouseLightPage page(QStringLiteral("ZM1"));
    page.setProfileXml(profile.path.constData(), &profile.xml);
    page.setProfileIndex(3);  // not in the file
    page.loadLinkStatus();
    SignalLog log(page);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("could not be stored"));
    click(page, "pushButton_LinkScroll");
    QCOMPARE(checkedState(page), QStringLiteral("100 00"));
    QVERIFY(log.events.isEmpty());
    QCOMPARE(page.scrollLinkStatus(), 0);

    DMouseLightPage noFile(QStringLiteral("ZM1"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("no profile file"));
    click(noFile, "pushButton_LinkLogo");
    QCOMPARE(checkedState(noFile), QStringLiteral("100 00"));
}

void tst_DMouseLightPage::ledRowFollowsTheLightSwitch()
{
    DMouseLightPage page(QStringLiteral("ZM1"));
    QWidget *row = page.findChild<QWidget *>(QStringLiteral("frame_4"));
    page.setLedDisabled(1);
    QVERIFY(!row->isEnabled());
    page.setLedDisabled(0);
    QVERIFY(row->isEnabled());
    page.setLedDisabled(1);
    page.setLedDisabled(7);
    QVERIFY(row->isEnabled());
    // The hidden parts of the form stay hidden.
    for (const char *name : {"line_1", "line_2", "checkBox_ScrollLink", "checkBox_LogoLink"})
        QVERIFY(page.findChild<QWidget *>(QLatin1String(name))->isHidden());
    QCOMPARE(page.findChild<QWidget *>(QStringLiteral("toolButton_AroundType"))->toolTip(),
             QStringLiteral("Light Around"));
}

void tst_DMouseLightPage::definitionThatDoesNotParse()
{
    DMouseLightPage page(QStringLiteral("ZM1"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("does not parse"));
    QVERIFY(!page.parseMouseInfo("{ not json"));
    QVERIFY(!page.isLoaded());
    QVERIFY(page.ledButtons().isEmpty());
    page.loadMouseInfo(QStringLiteral("ZM1"));
    QVERIFY(page.isLoaded());
    QCOMPARE(page.ledButtons().size(), 18);
}

QTEST_MAIN(tst_DMouseLightPage)
#include "tst_DMouseLightPage.moc"
