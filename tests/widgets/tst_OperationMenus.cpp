// SPDX-License-Identifier: GPL-3.0-or-later
#include "ArrowWidget.h"
#include "DDataManager.h"
#include "macroMenuToolWidget.h"
#include "proFileOperateMenuToolWidget.h"
#include "ThemeStyleSheets.h"

#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QMouseEvent>
#include <QTest>

namespace {

// Builds either menu and logs its signals, in the order they arrive, with names common to both.
QWidget *makeMenu(const QString &kind, QStringList &log, QWidget *parent = nullptr)
{
    if (kind == QLatin1String("macro")) {
        auto *menu = new macroMenuToolWidget(parent);
        QObject::connect(menu, &macroMenuToolWidget::sigCloseMenuWidow, [&log] { log << "close"; });
        QObject::connect(menu, &macroMenuToolWidget::sigMacroExport, [&log] { log << "export"; });
        QObject::connect(menu, &macroMenuToolWidget::sigMacroDelete, [&log] { log << "delete"; });
        QObject::connect(menu, &macroMenuToolWidget::sigMacroModifyNanme, [&log] { log << "rename"; });
        return menu;
    }
    auto *menu = new proFileOperateMenuToolWidget(parent);
    QObject::connect(menu, &proFileOperateMenuToolWidget::sigCloseMenuWidow, [&log] { log << "close"; });
    QObject::connect(menu, &proFileOperateMenuToolWidget::sigProfileExport, [&log] { log << "export"; });
    QObject::connect(menu, &proFileOperateMenuToolWidget::sigProfileDelete, [&log] { log << "delete"; });
    QObject::connect(menu, &proFileOperateMenuToolWidget::sigProfileModifyNanme, [&log] { log << "rename"; });
    return menu;
}

QPoint centreInWindow(QWidget *widget)
{
    return widget->mapTo(widget->window(), widget->rect().center());
}

QColor rgbText(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    return QColor(parts.value(0).toInt(), parts.value(1).toInt(), parts.value(2).toInt());
}

}  // namespace

class TestOperationMenus : public QObject
{
    Q_OBJECT

private slots:
    void rowsAndTexts_data();
    void rowsAndTexts();
    void releaseOnRowEmits_data();
    void releaseOnRowEmits();
    void ownerHidesPopupBeforeTheAction();
    void themedRows_data();
    void themedRows();
    void fourComponentColoursKeepTheirAlpha();
};

void TestOperationMenus::rowsAndTexts_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("renameShown");
    QTest::newRow("macro") << "macro" << true;
    QTest::newRow("profile") << "profile" << false;
}

void TestOperationMenus::rowsAndTexts()
{
    QFETCH(QString, kind);
    QFETCH(bool, renameShown);
    QStringList log;
    QScopedPointer<QWidget> menu(makeMenu(kind, log));
    const QList<QLabel *> labels = menu->findChildren<QLabel *>();
    QCOMPARE(labels.size(), 3);
    QCOMPARE(menu->findChild<QLabel *>("label_Export")->text(), QStringLiteral("Export"));
    QCOMPARE(menu->findChild<QLabel *>("label_Delete")->text(), QStringLiteral("Delete"));
    QCOMPARE(menu->findChild<QLabel *>("label_ModifyNanme")->text(), QStringLiteral("Modify Name"));

    // Top to bottom in that order.
    menu->resize(200, 120);
    menu->layout()->activate();
    QVERIFY(menu->findChild<QLabel *>("label_Export")->y() < menu->findChild<QLabel *>("label_Delete")->y());
    // The profile menu keeps "Modify Name" hidden: a profile is renamed in the profile panel.
    QCOMPARE(!menu->findChild<QLabel *>("label_ModifyNanme")->isHidden(), renameShown);
    if (renameShown)
        QVERIFY(menu->findChild<QLabel *>("label_Delete")->y() < menu->findChild<QLabel *>("label_ModifyNanme")->y());
    // Its signal stays: a release that reaches the label still reports it.
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(2, 2), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(menu->findChild<QLabel *>("label_ModifyNanme"), &release);
    QCOMPARE(log, (QStringList{"close", "rename"}));
}

void TestOperationMenus::releaseOnRowEmits_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("pressOn");
    QTest::addColumn<QString>("releaseOn");
    QTest::addColumn<int>("button");
    QTest::addColumn<QStringList>("expected");

    for (const QString &kind : {QStringLiteral("macro"), QStringLiteral("profile")}) {
        const QByteArray k = kind.toLatin1();
        QTest::newRow(k + ": export") << kind << "label_Export"
                                      << "label_Export" << int(Qt::LeftButton) << QStringList{"close", "export"};
        QTest::newRow(k + ": delete") << kind << "label_Delete"
                                      << "label_Delete" << int(Qt::LeftButton) << QStringList{"close", "delete"};
        if (kind == QLatin1String("macro")) {
            QTest::newRow(k + ": modify name")
                << kind << "label_ModifyNanme"
                << "label_ModifyNanme" << int(Qt::LeftButton) << QStringList{"close", "rename"};
        }
        QTest::newRow(k + ": right button") << kind << "label_Delete"
                                            << "label_Delete" << int(Qt::RightButton) << QStringList{"close", "delete"};
        QTest::newRow(k + ": released on another row")
            << kind << "label_Delete"
            << "label_Export" << int(Qt::LeftButton) << QStringList{"close", "delete"};
    }
}

void TestOperationMenus::releaseOnRowEmits()
{
    QFETCH(QString, kind);
    QFETCH(QString, pressOn);
    QFETCH(QString, releaseOn);
    QFETCH(int, button);
    QFETCH(QStringList, expected);

    QStringList log;
    QScopedPointer<QWidget> menu(makeMenu(kind, log));
    menu->resize(200, 120);
    menu->show();
    QVERIFY(QTest::qWaitForWindowExposed(menu.data()));

    // Through the window, as a real click arrives: the row that took the press gets the release.
    QWindow *window = menu->windowHandle();
    const auto mouseButton = Qt::MouseButton(button);
    QTest::mousePress(window, mouseButton, {}, centreInWindow(menu->findChild<QLabel *>(pressOn)));
    QVERIFY(log.isEmpty());  // a press alone does nothing
    QTest::mouseRelease(window, mouseButton, {}, centreInWindow(menu->findChild<QLabel *>(releaseOn)));
    QCOMPARE(log, expected);
}

void TestOperationMenus::ownerHidesPopupBeforeTheAction()
{
    // The way a list item uses the menu: inside an arrow popup, hiding it on close.
    QWidget owner;
    owner.resize(300, 300);
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));

    QStringList log;
    auto *menu = new macroMenuToolWidget(&owner);
    menu->setWindowOpacity(1);
    auto *popup = new ArrowWidget(0, &owner);
    bool hiddenAtAction = false;
    connect(menu, &macroMenuToolWidget::sigCloseMenuWidow, popup, &QWidget::hide);
    connect(menu, &macroMenuToolWidget::sigMacroDelete, [&] {
        hiddenAtAction = popup->isHidden();
        log << "delete";
    });
    popup->setSize(200, 150);
    popup->setArrowX(93);
    popup->setContentWidget(menu);
    popup->move(owner.mapToGlobal(QPoint(10, 10)));
    popup->show();
    QVERIFY(QTest::qWaitForWindowExposed(popup));

    QLabel *row = menu->findChild<QLabel *>("label_Delete");
    QVERIFY(popup->rect().contains(row->mapTo(popup, row->rect().bottomRight())));
    QTest::mousePress(popup->windowHandle(), Qt::LeftButton, {}, centreInWindow(row));
    QTest::mouseRelease(popup->windowHandle(), Qt::LeftButton, {}, centreInWindow(row));
    QCOMPARE(log, QStringList{"delete"});
    QVERIFY(hiddenAtAction);
}

void TestOperationMenus::themedRows_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("hover");
    QTest::addColumn<QString>("pressed");

    const ThemeColorConfig theme = DDataManager::getInstance()->getThemeColor();
    QTest::newRow("macro") << "macro" << theme.MacroListItemTextColor << theme.MacroLeftBgColor
                           << theme.MacroListItemHoverColor << theme.MacroListItemSelectedColor;
    QTest::newRow("profile") << "profile" << theme.DeviceLeftAreaItemTextDefaultColor << theme.DeviceCenterBgColor
                             << theme.DeviceLeftAreaItemHoverColor << theme.DeviceLeftAreaItemSelectedColor;
}

void TestOperationMenus::themedRows()
{
    QFETCH(QString, kind);
    QFETCH(QString, text);
    QFETCH(QString, row);
    QFETCH(QString, hover);
    QFETCH(QString, pressed);
    QVERIFY2(!row.isEmpty(), "the theme did not load");

    QStringList log;
    QScopedPointer<QWidget> menu(makeMenu(kind, log));
    menu->resize(200, 120);
    menu->show();
    QVERIFY(QTest::qWaitForWindowExposed(menu.data()));

    // The row is painted in the theme's row colour, its caption in the theme's text colour.
    QLabel *label = menu->findChild<QLabel *>("label_Export");
    const QImage image = label->grab().toImage();
    QCOMPARE(QColor(image.pixel(1, 1)), rgbText(row));
    bool textSeen = false;
    for (int y = 0; y < image.height() && !textSeen; ++y)
        for (int x = 0; x < image.width() && !textSeen; ++x)
            textSeen = QColor(image.pixel(x, y)) == rgbText(text);
    QVERIFY(textSeen);

    const QString sheet = menu->styleSheet();
    QVERIFY(sheet.contains(QStringLiteral("QLabel:hover{\n\tbackground-color: %1;").arg(stylesheets::colour(hover))));
    QVERIFY(
        sheet.contains(QStringLiteral("QLabel:pressed{\n\tbackground-color: %1;").arg(stylesheets::colour(pressed))));
    QVERIFY(sheet.contains(QStringLiteral("\"%1\"").arg(DDataManager::getInstance()->getThemeColor().TextFont)));
}

void TestOperationMenus::fourComponentColoursKeepTheirAlpha()
{
    DDataManager *manager = DDataManager::getInstance();
    QStringList log;
    QScopedPointer<QWidget> before(makeMenu(QStringLiteral("macro"), log));
    const QString sheetBefore = before->styleSheet();

    // With a background image the theme keeps its alpha components (40,40,40,90 in the dark theme).
    manager->setBgImageIsUsing(true);
    manager->loadThemeConfig(0);
    const QString hover = manager->getThemeColor().MacroListItemHoverColor;
    QCOMPARE(hover.count(QLatin1Char(',')), 3);

    QScopedPointer<QWidget> after(makeMenu(QStringLiteral("macro"), log));
    QVERIFY(after->styleSheet().contains(QStringLiteral("background-color: %1;").arg(stylesheets::colour(hover))));
    // A menu built before the change keeps its look.
    QCOMPARE(before->styleSheet(), sheetBefore);
    QVERIFY(!sheetBefore.contains(hover));

    manager->setBgImageIsUsing(false);
    manager->loadThemeConfig(0);
}

QTEST_MAIN(TestOperationMenus)
#include "ThemeStyleSheets.h"
#include "tst_OperationMenus.moc"
