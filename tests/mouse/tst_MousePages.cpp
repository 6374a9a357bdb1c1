// SPDX-License-Identifier: GPL-3.0-or-later
// The mouse pages the device page drives: the DPI key's walk over the selected levels, the
// button page's eight buttons and the report-rate slider.

#include "DmouseConfigView.h"
#include "DMousePage.h"
#include "DMousePerformanceView.h"
#include "xmlInterface.h"

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
    void rateSliderSteps();
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
    QSignalSpy spy(&page, &DMousePage::sigMouseButtonClicked);
    for (int i = 0; i < DMousePage::kButtonCount; ++i)
        page.button(i)->click();
    QCOMPARE(spy.count(), DMousePage::kButtonCount);
    for (int i = 0; i < DMousePage::kButtonCount; ++i)
        QCOMPARE(spy.at(i).at(0).toInt(), i);

    QCOMPARE(page.button(0)->text(), QStringLiteral("Left Click"));
    // Both forward buttons share one code, so one caption change shows on both.
    page.setKeyText({16, QStringLiteral("Copy")});
    QCOMPARE(page.button(2)->text(), QStringLiteral("Copy"));
    QCOMPARE(page.button(6)->text(), QStringLiteral("Copy"));
    page.resetKeyText(16);
    QCOMPARE(page.button(6)->text(), QStringLiteral("Forward_R"));
    page.setKeyText({99, QStringLiteral("none")});
    QCOMPARE(page.button(0)->text(), QStringLiteral("Left Click"));

    QSignalSpy loaded(&page, &DMousePage::sigMouseInfoAlreadyLoad);
    page.loadMouseInfo(QStringLiteral("ZM1"));
    QCOMPARE(loaded.count(), 1);
}

void tst_MousePages::rateSliderSteps()
{
    DMousePerformanceView view;
    QSignalSpy rate(&view, &DMousePerformanceView::sigCurIndexChanged_MouseRateNumIndex);
    QSignalSpy restore(&view, &DMousePerformanceView::sigResetoreMouseCurrentProfile);
    QCOMPARE(view.rateSlider()->minimum(), 0);
    QCOMPARE(view.rateSlider()->maximum(), 3);

    // A step taken from the profile is shown, not reported.
    view.setRateIndex(2);
    QCOMPARE(view.rateSlider()->value(), 2);
    view.setRateIndex(9);
    QCOMPARE(view.rateSlider()->value(), 3);
    QCOMPARE(rate.count(), 0);

    view.rateSlider()->setValue(1);
    QCOMPARE(rate.count(), 1);
    QCOMPARE(rate.at(0).at(0).toInt(), 1);
    view.restoreButton()->click();
    QCOMPARE(restore.count(), 1);
}

QTEST_MAIN(tst_MousePages)
#include "tst_MousePages.moc"
