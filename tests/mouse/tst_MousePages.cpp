// SPDX-License-Identifier: GPL-3.0-or-later
// The mouse pages the device page drives: the DPI key's walk over the selected levels, the
// button page's eight buttons and the report-rate slider.

#include "DDataManager.h"
#include "DesktopSettings.h"
#include "DmouseConfigView.h"
#include "DMousePage.h"
#include "DMousePerformanceView.h"
#include "xmlInterface.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QTextDocument>

#include <QFile>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTemporaryDir>
#include <QtTest>

class tst_MousePages : public QObject
{
    Q_OBJECT

private slots:
    void dpiKeyWalk_data();
    void dpiKeyWalk();
    void dpiKeyWithoutProfile();
    void buttonsReportTheirIndex();
    void captionsBeside_data();
    void captionsBeside();
    void showKeyInfo_data();
    void showKeyInfo();
    void longTextElided();
    void rateSliderSteps();
    void storedRateStep_data();
    void storedRateStep();
    void mouseSettingsButton();
    void mouseSettingsToolRunsDetached();
};

void tst_MousePages::dpiKeyWalk_data()
{
    QTest::addColumn<QString>("selected");  // selectStatus of levels 1 to 6
    QTest::addColumn<int>("usingIndex");
    QTest::addColumn<int>("expected");
    QTest::addColumn<bool>("changed");
    QTest::newRow("next level") << "111111" << 3 << 4 << true;
    QTest::newRow("unselected levels skipped") << "110011" << 2 << 5 << true;
    QTest::newRow("after 5 back to 1, level 6 never") << "111111" << 5 << 1 << true;
    QTest::newRow("only the level in use") << "001000" << 3 << 3 << true;
    QTest::newRow("none selected: no change") << "000001" << 2 << 2 << false;
}

void tst_MousePages::dpiKeyWalk()
{
    QFETCH(QString, selected);
    QFETCH(int, usingIndex);
    QFETCH(int, expected);
    QFETCH(bool, changed);

    QTemporaryDir dir;
    const QByteArray path = QFile::encodeName(dir.filePath(QStringLiteral("brivexProFile.xml")));
    xmlInterface xml;
    xml.createXmlFile(path.constData());
    xml.addProfileConfig(path.constData(), "1", "Profile 1", "", "", 1);
    for (int level = 1; level <= 6; ++level) {
        DpiItemInfo item;
        item.index = level;
        item.selectStatus = selected.at(level - 1) == QLatin1Char('1') ? 1 : 0;
        item.dpiX = item.dpiY = 400 * level;
        xml.addDpiItem(path.constData(), "1", item);
    }
    xml.setDpiUsingIndex(path.constData(), "1", usingIndex);

    DmouseConfigView view;
    view.setProfileXml(path.constData(), &xml);
    view.setProfileIndex(1);
    view.loadProfileConfig();  // the walk goes over the levels on screen
    QSignalSpy spy(&view, &DmouseConfigView::sigDpiConfigChanged);
    view.switchToNextDpi();
    QCOMPARE(spy.count(), changed ? 1 : 0);
    QCOMPARE(xml.getDpiUsingIndex(path.constData(), "1"), expected);
    QCOMPARE(view.usingIndex(), expected);
}

void tst_MousePages::dpiKeyWithoutProfile()
{
    DmouseConfigView view;
    QSignalSpy spy(&view, &DmouseConfigView::sigDpiConfigChanged);
    view.switchToNextDpi();
    view.setProfileXml("/nonexistent/brivexProFile.xml", nullptr);
    view.switchToNextDpi();
    QCOMPARE(spy.count(), 0);
}

void tst_MousePages::buttonsReportTheirIndex()
{
    DMousePage page(QStringLiteral("ZM1"));
    QSignalSpy loaded(&page, &DMousePage::sigMouseInfoAlreadyLoad);
    page.loadMouseInfo(QStringLiteral("ZM1"));
    QCOMPARE(loaded.count(), 1);
    QVERIFY(page.isLoaded());

    // Left Click and the right-hand forward/backward buttons cannot be assigned.
    QVERIFY(!page.button(0)->isEnabled());
    QVERIFY(!page.button(6)->isEnabled());
    QVERIFY(!page.button(7)->isEnabled());
    QSignalSpy spy(&page, &DMousePage::sigMouseButtonClicked);
    for (int i = 1; i <= 5; ++i)
        page.button(i)->click();
    page.button(1)->click();
    QCOMPARE(spy.count(), 6);
    for (int i = 1; i <= 5; ++i)
        QCOMPARE(spy.at(i - 1).at(0).toInt(), i);
    // A second click on Dpi Loop reports it again and keeps it selected.
    QCOMPARE(spy.at(5).at(0).toInt(), 1);
    QVERIFY(page.button(1)->isChecked());
    QVERIFY(!page.button(5)->isChecked());
    QCOMPARE(page.selectedIndex(), 1);

    QCOMPARE(page.button(0)->text(), QStringLiteral("Left Click"));
    // Key code 16 is the left forward button only.
    page.setKeyText({16, QStringLiteral("Copy")});
    QCOMPARE(page.button(2)->text(), QStringLiteral("Copy"));
    QCOMPARE(page.button(2)->toolTip(), QStringLiteral("Copy"));
    QCOMPARE(page.button(6)->text(), QStringLiteral("Forward_R"));
    page.resetKeyText(16);
    QCOMPARE(page.button(2)->text(), QStringLiteral("Forward_L"));
    QCOMPARE(page.button(2)->toolTip(), QStringLiteral("Forward_L"));
    page.setKeyText({99, QStringLiteral("none")});
    for (int i = 0; i < DMousePage::kButtonCount; ++i)
        QVERIFY(page.button(i)->text() != QStringLiteral("none"));
}

void tst_MousePages::captionsBeside_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("left");
    QTest::newRow("Dpi Loop left") << 1 << true;
    QTest::newRow("Backward_L left") << 3 << true;
    QTest::newRow("Right Click right") << 4 << false;
    QTest::newRow("Center Click right") << 5 << false;
}

void tst_MousePages::captionsBeside()
{
    QFETCH(int, index);
    QFETCH(bool, left);
    const QByteArray definition = R"({"Mouse":{"showInfoTextWidth":100,"showInfoTextHeight":21,"supportEnableXY":0},
        "EveryKeyInfo_Row00":[{"posX01":300,"posY01":80,"posX02":250,"posY02":60,"posX03":200,"posY03":60,
        "Index":)" + QByteArray::number(index)
                                  + R"(,"Dec":1,"QtDec":1,"Character":"x"}]})";
    DMousePage page(QStringLiteral("ZM1"));
    QVERIFY(!page.button(index)->isVisibleTo(&page));
    QVERIFY(page.parseMouseInfo(definition));
    QVERIFY(page.button(index)->isVisibleTo(&page));
    QCOMPARE(page.supportEnableXY(), 0);
    const QRect expected = left ? QRect(200 - 100 - 4, 60 - 10, 100, 21) : QRect(200 + 6, 60 - 10, 100, 21);
    QCOMPARE(page.button(index)->geometry(), expected);

    QVERIFY(!page.parseMouseInfo("not json"));
    QVERIFY(!page.isLoaded());
}

void tst_MousePages::showKeyInfo_data()
{
    QTest::addColumn<int>("keyCode");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("caption");  // before it is shortened to fit beside the mouse

    QTest::newRow("remap") << 32 << "0"
                           << ""
                           << "4" << 1 << "A";
    QTest::newRow("remap to an unknown key") << 32 << "0"
                                             << ""
                                             << "250" << 1 << "Unknow";
    QTest::newRow("macro mode 2, no count") << 2 << "1"
                                            << "2"
                                            << "3" << 4 << "Burst:Play multiple times";
    QTest::newRow("macro not found") << 2 << "1"
                                     << "1"
                                     << "9" << 4 << ":Play once";
    QTest::newRow("combination") << 4 << "2"
                                 << ""
                                 << "5,4" << 5 << "L_CTRL+L_ALT+A";
    QTest::newRow("combination, unknown key") << 4 << "2"
                                              << ""
                                              << "0,250" << 5 << "";
    QTest::newRow("combination without usage") << 4 << "2"
                                               << ""
                                               << "2" << 5 << "L_SHIFT";
    QTest::newRow("combination, bits above 7") << 4 << "2"
                                               << ""
                                               << "257,4" << 5 << "L_CTRL+A";
    QTest::newRow("multimedia 3") << 8 << "3"
                                  << ""
                                  << "3" << 3 << "Play/Pause";
    QTest::newRow("multimedia 7") << 8 << "3"
                                  << ""
                                  << "7" << 3 << "Unknow";
    QTest::newRow("mouse key") << 16 << "4"
                               << ""
                               << "7" << 2 << "Sniper Key";
    QTest::newRow("disable") << 1 << "5"
                             << ""
                             << "" << 0 << "Disable";
    QTest::newRow("text") << 16 << "6"
                          << ""
                          << "hi" << 2 << "hi";
    QTest::newRow("markup text") << 16 << "6"
                                 << ""
                                 << "<b>x</b>" << 2 << "<b>x</b>";
    QTest::newRow("ampersand text") << 16 << "6"
                                    << ""
                                    << "a&b" << 2 << "a&b";
    QTest::newRow("profile switch") << 16 << "7"
                                    << ""
                                    << "2" << 2 << "Work";
    QTest::newRow("unknown profile") << 16 << "7"
                                     << ""
                                     << "5" << 2 << "";
    QTest::newRow("launch") << 16 << "8"
                            << ""
                            << "/usr/bin/gimp" << 2 << "gimp";
    QTest::newRow("launch without folder") << 16 << "8"
                                           << ""
                                           << "gimp" << 2 << "gimp";
    QTest::newRow("shortcut 1") << 16 << "9"
                                << ""
                                << "1" << 2 << "";
    QTest::newRow("shortcut 11") << 16 << "9"
                                 << ""
                                 << "11" << 2 << "Save";
    QTest::newRow("odd type") << 16 << "12"
                              << ""
                              << "1" << 2 << "Unknow";
}

void tst_MousePages::showKeyInfo()
{
    QFETCH(int, keyCode);
    QFETCH(QString, type);
    QFETCH(QString, mode);
    QFETCH(QString, value);
    QFETCH(int, button);
    QFETCH(QString, caption);

    QTemporaryDir dir;
    const QByteArray macros =
        QFile::encodeName(DDataManager::getInstance()->getUserConfigDir() + QStringLiteral("/brivexMacro.xml"));
    QDir().mkpath(DDataManager::getInstance()->getUserConfigDir());
    xmlInterface xml;
    xml.createXmlFile(macros.constData());
    xml.addMacroNode(macros.constData(), "3", "Burst");
    const QByteArray profiles = QFile::encodeName(dir.filePath(QStringLiteral("brivexProFile.xml")));
    xml.createXmlFile(profiles.constData());
    xml.addProfileConfig(profiles.constData(), "1", "Game", "", "", 1);
    xml.addProfileConfig(profiles.constData(), "2", "Work", "", "", 1);

    DMousePage page(QStringLiteral("ZM1"));
    page.setKeyNameMap({{4, QStringLiteral("A")}});
    page.setXmlInterface(&xml);
    page.setProfilePath(profiles.constData());
    CustomKeyInfo record;
    qstrncpy(record.operateType, type.toUtf8().constData(), sizeof record.operateType);
    qstrncpy(record.mode, mode.toUtf8().constData(), sizeof record.mode);
    qstrncpy(record.repeatNum, "5", sizeof record.repeatNum);
    qstrncpy(record.Value, value.toUtf8().constData(), sizeof record.Value);
    page.showKeyInfo(keyCode, record);
    QCOMPARE(page.keyInfoText(record), caption);
    // "&" is doubled so that it shows instead of marking a shortcut key.
    const QString escaped = QString(caption).replace(QLatin1Char('&'), QStringLiteral("&&"));
    const QString shown = page.button(button)->text();
    QVERIFY2(shown == escaped || (shown.endsWith(QChar(0x2026)) && escaped.startsWith(shown.chopped(1))),
             qPrintable(shown));
    if (button > 0) {
        // Tooltips show user text as it is, never as markup.
        QTextDocument tip;
        tip.setHtml(page.button(button)->toolTip());
        if (Qt::mightBeRichText(page.button(button)->toolTip()))
            QCOMPARE(tip.toPlainText(), page.keyInfoText(record));
        else
            QCOMPARE(page.button(button)->toolTip(), page.keyInfoText(record));
    }
}

void tst_MousePages::longTextElided()
{
    DMousePage page(QStringLiteral("ZM1"));
    const QString text = QStringLiteral("a very long text assignment that cannot fit beside the mouse");
    CustomKeyInfo record;
    qstrncpy(record.operateType, "6", sizeof record.operateType);
    qstrncpy(record.Value, text.toUtf8().constData(), sizeof record.Value);
    page.showKeyInfo(32, record);
    QCOMPARE(page.button(1)->toolTip(), text);
    const QString caption = page.button(1)->text();
    QVERIFY(caption != text);
    QVERIFY(caption.endsWith(QChar(0x2026)));
    QVERIFY(text.startsWith(caption.chopped(1)));
    page.resetAllKeyText();
    QCOMPARE(page.button(1)->text(), QStringLiteral("Dpi Loop"));
    QCOMPARE(page.button(1)->toolTip(), QStringLiteral("Dpi Loop"));
}

void tst_MousePages::rateSliderSteps()
{
    DMousePerformanceView view;
    QSignalSpy rate(&view, &DMousePerformanceView::sigCurIndexChanged_MouseRateNumIndex);
    QSignalSpy restore(&view, &DMousePerformanceView::sigResetoreMouseCurrentProfile);
    QCOMPARE(view.rateSlider()->minimum(), 0);
    QCOMPARE(view.rateSlider()->maximum(), 3);
    QVERIFY(!view.findChild<QWidget *>(QStringLiteral("frame_3"))->isVisibleTo(&view));

    // A step from the profile is reported like the user's move, the position shown is not.
    view.setRateIndex(0);
    QCOMPARE(rate.count(), 0);
    view.setRateIndex(2);
    QCOMPARE(rate.count(), 1);
    QCOMPARE(rate.at(0).at(0).toInt(), 2);
    view.setRateIndex(2);
    QCOMPARE(rate.count(), 1);

    // A drag reports every step it passes.
    rate.clear();
    view.setRateIndex(0);
    rate.clear();
    view.rateSlider()->setSliderDown(true);
    for (int step = 1; step <= 3; ++step)
        view.rateSlider()->setSliderPosition(step);
    view.rateSlider()->setSliderDown(false);
    QCOMPARE(rate.count(), 3);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(rate.at(i).at(0).toInt(), i + 1);

    view.restoreButton()->click();
    QCOMPARE(restore.count(), 1);
}

void tst_MousePages::storedRateStep_data()
{
    QTest::addColumn<QByteArray>("feature1");
    QTest::addColumn<int>("step");
    QTest::newRow("125 Hz") << QByteArray("0") << 0;
    QTest::newRow("1000 Hz") << QByteArray("3") << 3;
    QTest::newRow("hand-edited 9") << QByteArray("9") << 2;
    QTest::newRow("negative") << QByteArray("-1") << 2;
    QTest::newRow("empty") << QByteArray("") << 2;
    QTest::newRow("text") << QByteArray("fast") << 2;
}

void tst_MousePages::storedRateStep()
{
    QFETCH(QByteArray, feature1);
    QFETCH(int, step);
    QCOMPARE(DMousePerformanceView::rateStepFromSetting(feature1.constData()), step);
    DMousePerformanceView view;
    view.setRateIndex(DMousePerformanceView::rateStepFromSetting(feature1.constData()));
    QCOMPARE(view.rateSlider()->value(), step);
}

namespace {

class RecordingDesktop : public DesktopSettings
{
public:
    bool openKeyboardSettings() override { return false; }
    bool openMouseSettings() override
    {
        ++mouseCalls;
        return found;
    }
    int mouseCalls = 0;
    bool found = true;
};

}  // namespace

void tst_MousePages::mouseSettingsButton()
{
    DMousePerformanceView view;
    RecordingDesktop desktop;
    view.setDesktopSettings(&desktop);
    QCOMPARE(view.mouseSettingsButton()->text(), QStringLiteral("Mouse settings"));
    view.mouseSettingsButton()->click();
    QCOMPARE(desktop.mouseCalls, 1);
    QVERIFY(!view.noticeLabel()->isVisibleTo(&view));
    desktop.found = false;
    view.mouseSettingsButton()->click();
    QCOMPARE(desktop.mouseCalls, 2);
    QVERIFY(view.noticeLabel()->isVisibleTo(&view));
    QCOMPARE(view.noticeLabel()->text(), QStringLiteral("No mouse settings tool found"));
}

void tst_MousePages::mouseSettingsToolRunsDetached()
{
    // A desktop tool that runs until the test lets it go: the click must return while it runs.
    QTemporaryDir bin;
    const QString started = bin.filePath(QStringLiteral("started"));
    const QString release = bin.filePath(QStringLiteral("release"));
    QFile tool(bin.filePath(QStringLiteral("xfce4-mouse-settings")));
    QVERIFY(tool.open(QIODevice::WriteOnly));
    tool.write(QStringLiteral("#!/bin/sh\necho x >> '%1'\nwhile [ ! -e '%2' ]; do sleep 0.05; done\n")
                   .arg(started, release)
                   .toUtf8());
    tool.close();
    QVERIFY(tool.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    const QByteArray oldPath = qgetenv("PATH");
    const QByteArray oldDesktop = qgetenv("XDG_CURRENT_DESKTOP");
    qputenv("PATH", QFile::encodeName(bin.path()));
    qputenv("XDG_CURRENT_DESKTOP", "XFCE");

    DMousePerformanceView view;
    QElapsedTimer clock;
    clock.start();
    view.mouseSettingsButton()->click();
    const qint64 took = clock.elapsed();
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(started), 10000);
    QVERIFY2(took < 5000, "waited for the settings tool");
    QVERIFY(!view.noticeLabel()->isVisibleTo(&view));
    QFile(release).open(QIODevice::WriteOnly);
    QFile log(started);
    QVERIFY(log.open(QIODevice::ReadOnly));
    QCOMPARE(log.readAll().count('x'), 1);

    // With no tool on PATH the notice appears.
    QTemporaryDir empty;
    qputenv("PATH", QFile::encodeName(empty.path()));
    view.mouseSettingsButton()->click();
    QVERIFY(view.noticeLabel()->isVisibleTo(&view));
    qputenv("PATH", oldPath);
    qputenv("XDG_CURRENT_DESKTOP", oldDesktop);
}

QTEST_MAIN(tst_MousePages)
#include "tst_MousePages.moc"
