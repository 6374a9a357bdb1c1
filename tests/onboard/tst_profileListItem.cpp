// SPDX-License-Identifier: GPL-3.0-or-later
// A row of the PC profile list: its name, its click, its looks, and the Export and Delete entries
// of its operation popup.

#include "ArrowWidget.h"
#include "DDataManager.h"
#include "profileListItem.h"
#include "StyleSheetWarnings.h"
#include "ThemeStyleSheets.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

namespace {

// What a real double click delivers: a press and a release, then the double-click event.
void doubleClick(QWidget *widget, Qt::MouseButton button)
{
    QTest::mousePress(widget, button, Qt::NoModifier, QPoint(3, 3));
    QTest::mouseRelease(widget, button, Qt::NoModifier, QPoint(3, 3));
    QTest::mouseDClick(widget, button, Qt::NoModifier, QPoint(3, 3));
}

}  // namespace

class tst_profileListItem : public QObject
{
    Q_OBJECT

private slots:
    void showsNameAndReportsClick_data();
    void showsNameAndReportsClick();
    void doubleClickSelectsOnce();
    void rowWithoutInfo();
    void menuEntries_data();
    void menuEntries();
    void secondPopupReplacesFirst();
    void selectedLook();
    void coloursWithAlphaAreRgba();
};

void tst_profileListItem::showsNameAndReportsClick_data()
{
    QTest::addColumn<int>("buttonValue");
    QTest::newRow("left") << int(Qt::LeftButton);
    QTest::newRow("right") << int(Qt::RightButton);
}

void tst_profileListItem::showsNameAndReportsClick()
{
    QFETCH(int, buttonValue);
    const auto button = Qt::MouseButton(buttonValue);
    profileListItem item;
    item.setProfileInfo({QStringLiteral("3"), QStringLiteral("Games")});
    QCOMPARE(item.findChild<QLabel *>(QStringLiteral("label_ProfileName"))->text(), QStringLiteral("Games"));
    QSignalSpy clicked(&item, &profileListItem::sigProfileItemMouseClicked);
    QTest::mousePress(&item, button, Qt::NoModifier, QPoint(5, 5));
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.at(0).at(0).toString(), QStringLiteral("3"));
    QCOMPARE(clicked.at(0).at(1).toString(), QStringLiteral("Games"));
}

void tst_profileListItem::doubleClickSelectsOnce()
{
    profileListItem item;
    QSignalSpy clicked(&item, &profileListItem::sigProfileItemMouseClicked);
    doubleClick(&item, Qt::LeftButton);
    QCOMPARE(clicked.count(), 1);
}

void tst_profileListItem::rowWithoutInfo()
{
    profileListItem item;
    QSignalSpy clicked(&item, &profileListItem::sigProfileItemMouseClicked);
    QTest::mousePress(&item, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QCOMPARE(clicked.at(0), (QVariantList{"-1", ""}));
}

void tst_profileListItem::menuEntries_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("Export") << QStringLiteral("label_Export") << QStringList{"hidden", "export 2 Work"};
    QTest::newRow("Delete") << QStringLiteral("label_Delete") << QStringList{"hidden", "delete 2 Work"};
    QTest::newRow("Modify Name does nothing") << QStringLiteral("label_ModifyNanme") << QStringList();
}

void tst_profileListItem::menuEntries()
{
    QFETCH(QString, entry);
    QFETCH(QStringList, expected);
    profileListItem item;
    item.setProfileInfo({QStringLiteral("2"), QStringLiteral("Work")});
    item.show();

    auto *operate = item.findChild<QPushButton *>(QStringLiteral("pushButton_ProfileOperate"));
    operate->click();
    ArrowWidget *popup = item.operationPopup();
    QVERIFY(popup);
    QCOMPARE(popup->size(), QSize(200, 120));
    const QPoint anchor = operate->mapToGlobal(QPoint(operate->width() / 2, operate->height() - 15));
    QCOMPARE(popup->pos(), anchor - QPoint(100, 10));

    // The popup is hidden before the action reaches the device page.
    QStringList log;
    auto *menu = popup->findChild<QWidget *>(QStringLiteral("proFileOperateMenuToolWidget"));
    QVERIFY(menu);
    connect(&item, &profileListItem::sigExportProfileChildList, this, [&](const QString &i, const QString &n) {
        log << (popup->isVisible() ? "open" : "hidden") << "export " + i + " " + n;
    });
    connect(&item, &profileListItem::sigDeleteProfile, this, [&](const QString &i, const QString &n) {
        log << (popup->isVisible() ? "open" : "hidden") << "delete " + i + " " + n;
    });
    auto *row = menu->findChild<QWidget *>(entry);
    QVERIFY2(row, qPrintable(entry));
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(2, 2), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(row, &release);
    QCOMPARE(log, expected);
    QVERIFY(!popup->isVisible());
}

void tst_profileListItem::secondPopupReplacesFirst()
{
    profileListItem item;
    item.show();
    auto *operate = item.findChild<QPushButton *>(QStringLiteral("pushButton_ProfileOperate"));
    operate->click();
    QPointer<ArrowWidget> first = item.operationPopup();
    QVERIFY(first);
    operate->click();
    QVERIFY(first.isNull());
    QCOMPARE(item.findChildren<ArrowWidget *>().size(), 1);
}

void tst_profileListItem::selectedLook()
{
    DDataManager::getInstance()->loadThemeConfig(0);
    const ThemeColorConfig theme = DDataManager::getInstance()->getThemeColor();
    profileListItem item;
    auto *frame = item.findChild<QWidget *>(QStringLiteral("frame"));
    const QString border = "border-bottom: 1px solid rgb(" + theme.MacroBorderColor + ")";
    QVERIFY(frame->styleSheet().contains(QLatin1String("QFrame#frame:hover")));
    QVERIFY(frame->styleSheet().contains(border));

    item.setSelected(true);
    QVERIFY(item.isSelected());
    QCOMPARE(frame->styleSheet(), "QFrame#frame{ border: none; " + border + ";} QFrame#frame{background-color: rgb("
                                      + theme.MacroListItemSelectedColor + "); }");
    item.setSelected(false);
    QCOMPARE(frame->styleSheet(), "QFrame#frame{ border: none; " + border
                                      + ";} QFrame#frame:hover{\tbackground-color: rgb(" + theme.MacroListItemHoverColor
                                      + "); }");
    QVERIFY(item.findChild<QWidget *>(QStringLiteral("label_ProfileName"))
                ->styleSheet()
                .contains("rgb(" + theme.MacroListItemTextColor + ")"));
}

void tst_profileListItem::coloursWithAlphaAreRgba()
{
    // With a background image in use the theme's colours carry an alpha.
    DDataManager::getInstance()->setBgImageIsUsing(true);
    DDataManager::getInstance()->loadThemeConfig(0);
    const ThemeColorConfig theme = DDataManager::getInstance()->getThemeColor();
    QCOMPARE(theme.MacroListItemHoverColor.count(QLatin1Char(',')), 3);
    StyleSheetWarnings warnings;
    profileListItem item;
    item.setProfileInfo({QStringLiteral("1"), QStringLiteral("Profile1")});
    item.show();
    auto *frame = item.findChild<QWidget *>(QStringLiteral("frame"));
    auto *label = item.findChild<QWidget *>(QStringLiteral("label_ProfileName"));
    QStringList sheets{frame->styleSheet(), label->styleSheet()};
    QVERIFY(sheets.first().contains(stylesheets::colour(theme.MacroListItemHoverColor)));
    for (bool selected : {true, false}) {
        item.setSelected(selected);
        frame->ensurePolished();
        QCoreApplication::processEvents();
        sheets << frame->styleSheet();
    }
    QVERIFY(sheets.at(2).contains(stylesheets::colour(theme.MacroListItemSelectedColor)));
    DDataManager::getInstance()->setBgImageIsUsing(false);
    DDataManager::getInstance()->loadThemeConfig(0);
    for (const QString &sheet : qAsConst(sheets))
        QVERIFY2(!StyleSheetWarnings::hasFourPartRgb(sheet), qPrintable(sheet));
    QCOMPARE(warnings.messages(), QStringList());
}

QTEST_MAIN(tst_profileListItem)
#include "tst_profileListItem.moc"
