// SPDX-License-Identifier: GPL-3.0-or-later
// A DPI level row: what it shows for a record, and what it reports for the user's actions.

#include "DDpiConfigListItem.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QtTest>

class tst_DDpiConfigListItem : public QObject
{
    Q_OBJECT

private slots:
    void showsRecord_data();
    void showsRecord();
    void selectClickReportsOnce();
    void valueSetters();
    void colourWhileDragging();
    void pressReportsLevel();
};

namespace {

DpiItemInfo level(int index, int selectStatus, int isXY = 0)
{
    DpiItemInfo info;
    info.index = index;
    info.selectStatus = selectStatus;
    info.isXY = isXY;
    info.dpiX = 1600;
    info.dpiY = 800;
    info.dpiColorR = 10;
    info.dpiColorG = 20;
    info.dpiColorB = 30;
    return info;
}

}  // namespace

void tst_DDpiConfigListItem::showsRecord_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("selectStatus");
    QTest::addColumn<int>("usingIndex");
    QTest::addColumn<bool>("boxShown");
    QTest::addColumn<bool>("boxChecked");
    QTest::addColumn<bool>("markerEnabled");
    QTest::addColumn<bool>("markerChecked");
    QTest::newRow("unselected") << 2 << 0 << 3 << true << false << false << false;
    QTest::newRow("selected") << 2 << 1 << 3 << true << true << true << false;
    QTest::newRow("select status 2") << 2 << 2 << 3 << true << true << false << false;
    QTest::newRow("level in use") << 3 << 1 << 3 << false << true << true << true;
    QTest::newRow("sniper") << 6 << 1 << 3 << true << true << true << false;
}

void tst_DDpiConfigListItem::showsRecord()
{
    QFETCH(int, index);
    QFETCH(int, selectStatus);
    QFETCH(int, usingIndex);
    QFETCH(bool, boxShown);
    QFETCH(bool, boxChecked);
    QFETCH(bool, markerEnabled);
    QFETCH(bool, markerChecked);

    DDpiConfigListItem row(index);
    row.setDpiItemInfo(level(index, selectStatus), usingIndex);
    auto *box = row.findChild<QCheckBox *>(QStringLiteral("checkBox_Select"));
    auto *marker = row.findChild<QRadioButton *>(QStringLiteral("radioButton_hasSet"));
    auto *pages = row.findChild<QStackedWidget *>(QStringLiteral("stackedWidget_2"));
    QCOMPARE(!box->isHidden(), boxShown);
    QCOMPARE(box->isChecked(), boxChecked);
    QCOMPARE(marker->isEnabled(), markerEnabled);
    QCOMPARE(marker->isChecked(), markerChecked);
    // Level 6 shows "Sniper" in place of both controls, whatever its record says.
    QCOMPARE(pages->currentWidget()->objectName(),
             index == 6 ? QStringLiteral("page_Sniper") : QStringLiteral("page_Select"));
    QCOMPARE(row.findChild<QLabel *>(QStringLiteral("label_XandY"))->text(), QStringLiteral("1600"));
    QCOMPARE(row.getDpiColor(), QColor(10, 20, 30));
}

void tst_DDpiConfigListItem::selectClickReportsOnce()
{
    DDpiConfigListItem row(2);
    row.setDpiItemInfo(level(2, 0), 3);
    row.show();
    QSignalSpy changed(&row, &DDpiConfigListItem::sigDpiConfigHaveChanged);
    auto *box = row.findChild<QCheckBox *>(QStringLiteral("checkBox_Select"));
    auto *marker = row.findChild<QRadioButton *>(QStringLiteral("radioButton_hasSet"));
    box->click();
    QCOMPARE(changed.count(), 1);
    QCOMPARE(row.getDpiItemInfo().selectStatus, 1);
    QVERIFY(marker->isEnabled());
    box->click();
    QCOMPARE(changed.count(), 2);
    QCOMPARE(row.getDpiItemInfo().selectStatus, 0);
    QVERIFY(!marker->isEnabled());

    row.setHasSet(true);
    QVERIFY(box->isHidden());
    QVERIFY(marker->isChecked());
}

void tst_DDpiConfigListItem::valueSetters()
{
    DDpiConfigListItem single(1);
    single.setDpiItemInfo(level(1, 1, 0), 3);
    single.setValueXY(2400);
    QCOMPARE(single.getDpiX(), 2400);
    QCOMPARE(single.getDpiY(), 2400);

    DDpiConfigListItem separate(1);
    separate.setDpiItemInfo(level(1, 1, 1), 3);
    separate.setValueXY(2400);
    QCOMPARE(separate.getDpiX(), 2400);
    QCOMPARE(separate.getDpiY(), 800);
    separate.setValueY(1200);
    QCOMPARE(separate.findChild<QLabel *>(QStringLiteral("label_Y"))->text(), QStringLiteral("1200"));
    QCOMPARE(separate.getDpiItemInfo().dpiY, 1200);
}

void tst_DDpiConfigListItem::colourWhileDragging()
{
    DDpiConfigListItem row(2);
    row.setDpiItemInfo(level(2, 1), 3);
    QSignalSpy changed(&row, &DDpiConfigListItem::sigDpiConfigHaveChanged);
    row.setColorDragging(true);
    row.setDpiColor(QColor(200, 100, 50));
    QCOMPARE(changed.count(), 0);
    QCOMPARE(row.getDpiItemInfo().dpiColorR, 200);
    QCOMPARE(row.getDpiItemInfo().dpiColorB, 50);
    row.setColorDragging(false);
    row.setDpiColor(QColor(1, 2, 3));
    QCOMPARE(changed.count(), 1);
}

void tst_DDpiConfigListItem::pressReportsLevel()
{
    DDpiConfigListItem row(6);
    row.setDpiItemInfo(level(6, 1), 3);
    row.resize(681, 20);
    row.show();
    QSignalSpy clicked(&row, &DDpiConfigListItem::sigDpiConfigItemMouseClicked);
    QTest::mousePress(&row, Qt::LeftButton, Qt::NoModifier, QPoint(670, 10));
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.at(0).at(0).toInt(), 6);
    QTest::mouseDClick(&row, Qt::LeftButton, Qt::NoModifier, QPoint(670, 10));
    QVERIFY(clicked.count() <= 3);  // the double click adds nothing beyond its presses
}

QTEST_MAIN(tst_DDpiConfigListItem)
#include "tst_DDpiConfigListItem.moc"
