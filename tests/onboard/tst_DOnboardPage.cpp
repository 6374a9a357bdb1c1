// SPDX-License-Identifier: GPL-3.0-or-later
// The on-board keyboard view (page size, keys and fillers, clicks, right clicks, the hover card),
// the on-board profile menu and the explanation panel.

#include "ArrowWidget.h"
#include "DDataManager.h"
#include "DOnboardPage.h"
#include "onboardExplainDia.h"
#include "onboardKeyboardKeyTool.h"
#include "onboardProfileMenuToolWidget.h"
#include "SoftKeyboardButCustom.h"

#include <QApplication>
#include <QLabel>
#include <QStackedWidget>
#include <QtTest>

class tst_DOnboardPage : public QObject
{
    Q_OBJECT

private slots:
    void pageSize_data();
    void pageSize();
    void keysAndFillers();
    void clicks_data();
    void clicks();
    void rightClicks();
    void hoverCard_data();
    void hoverCard();
    void oneHoverCardAtATime();
    void functionTypeName_data();
    void functionTypeName();
    void missingLayout();
    void menuVariants_data();
    void menuVariants();
    void menuRelease();
    void explainPanel();

private:
    static SoftKeyboardButCustom *key(const DOnboardPage &page, int code) { return page.getKeyButtonMap().value(code); }
    static void enter(SoftKeyboardButCustom *button) { emit button->sigCustomButMouseEnter(); }
};

void tst_DOnboardPage::pageSize_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QSize>("size");
    QTest::newRow("ZK87A") << QStringLiteral("ZK87A") << QSize(587, 210);
    QTest::newRow("ZK87R") << QStringLiteral("ZK87R") << QSize(587, 210);
    QTest::newRow("ZK104S") << QStringLiteral("ZK104S") << QSize(700, 210);
    QTest::newRow("unknown") << QStringLiteral("XYZ") << QSize(700, 210);
}

void tst_DOnboardPage::pageSize()
{
    QFETCH(QString, model);
    QFETCH(QSize, size);
    DOnboardPage page;
    QCOMPARE(page.size(), QSize(700, 210));
    page.setKeyboardModel(model);
    QCOMPARE(page.minimumSize(), size);
    QCOMPARE(page.maximumSize(), size);
}

void tst_DOnboardPage::keysAndFillers()
{
    DOnboardPage page;
    QSignalSpy loaded(&page, &DOnboardPage::sigOnboardLayoutUIAlreadyLoad);
    page.setKeyboardModel(QStringLiteral("ZK87A"));
    QCOMPARE(loaded.count(), 1);
    const QList<SoftKeyboardButCustom *> list = page.getKeyButtonList();
    QCOMPARE(list.size(), 132);
    int fillers = 0;
    for (SoftKeyboardButCustom *button : list) {
        if (button->getKeyDec() != 0)
            continue;
        ++fillers;
        QCOMPARE(button->size(), QSize(0, 0));
    }
    QCOMPARE(fillers, 132 - 87);
    QCOMPARE(page.getKeyButtonMap().keys().count(0), 1);
    QCOMPARE(page.getKeyButtonMap().size(), 87 + 1);  // every key and one filler entry
    QCOMPARE(key(page, 52)->getCaption(), QStringLiteral("' \""));
    QCOMPARE(key(page, 49)->getCaption(), QStringLiteral("\\|"));
}

void tst_DOnboardPage::clicks_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("selects");
    QTest::newRow("A") << QStringLiteral("ZK87A") << 4 << true;
    QTest::newRow("Fn") << QStringLiteral("ZK87A") << -10 << false;
    QTest::newRow("Esc") << QStringLiteral("ZK87A") << 41 << true;
    QTest::newRow("Esc of ZK87R") << QStringLiteral("ZK87R") << 41 << false;
    QTest::newRow("FN1 key of ZK87R") << QStringLiteral("ZK87R") << 251 << true;
}

void tst_DOnboardPage::clicks()
{
    QFETCH(QString, model);
    QFETCH(int, code);
    QFETCH(bool, selects);
    DOnboardPage page;
    page.setKeyboardModel(model);
    QSignalSpy clicked(&page, &DOnboardPage::sigKeyboardClicked);
    SoftKeyboardButCustom *b = key(page, 5);
    b->click();
    QCOMPARE(page.selectedButton(), b);
    SoftKeyboardButCustom *target = key(page, code);
    QVERIFY(target);
    target->click();
    QCOMPARE(clicked.count(), selects ? 2 : 1);
    QCOMPARE(page.selectedButton(), selects ? target : b);
    QCOMPARE(b->isSelected(), !selects);
    if (selects)
        QCOMPARE(clicked.last().at(0).toInt(), code);
    page.clearKeySelection();
    QVERIFY(!page.selectedButton());
}

void tst_DOnboardPage::rightClicks()
{
    // Every key but Fn reports a right click, Esc of ZK87R included; the selection stays.
    const struct {
        const char *model;
        QList<int> codes;
        QList<int> reported;
    } cases[] = {{"ZK87A", {4, -10, 41}, {4, 41}}, {"ZK87R", {41, 251}, {41, 251}}};
    for (const auto &c : cases) {
        DOnboardPage page;
        page.setKeyboardModel(QString::fromLatin1(c.model));
        QSignalSpy right(&page, &DOnboardPage::sigKeyboardMouseRightKeyClicked);
        key(page, 6)->click();
        for (int code : c.codes)
            QTest::mousePress(key(page, code), Qt::RightButton, Qt::NoModifier, QPoint(2, 2));
        QList<int> reported;
        for (const QList<QVariant> &args : qAsConst(right))
            reported.append(args.at(0).toInt());
        QCOMPARE(reported, c.reported);
        QCOMPARE(page.selectedButton(), key(page, 6));
    }
}

void tst_DOnboardPage::hoverCard_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("function");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("accent");
    QTest::newRow("remapped") << QStringLiteral("ZK87A") << 4 << 0 << QStringLiteral("\"B\"") << QStringLiteral("B")
                              << false;
    QTest::newRow("empty") << QStringLiteral("ZK87A") << 4 << -1 << QString() << QStringLiteral("Empty") << true;
    QTest::newRow("Fn") << QStringLiteral("ZK87A") << -10 << 0 << QString() << QStringLiteral("Cannot be remapped")
                        << true;
    QTest::newRow("Esc of ZK87R") << QStringLiteral("ZK87R") << 41 << 0 << QStringLiteral("Esc")
                                  << QStringLiteral("Cannot be remapped") << true;
}

void tst_DOnboardPage::hoverCard()
{
    QFETCH(QString, model);
    QFETCH(int, code);
    QFETCH(int, kind);
    QFETCH(QString, function);
    QFETCH(QString, value);
    QFETCH(bool, accent);
    DOnboardPage page;
    page.setKeyboardModel(model);
    SoftKeyboardButCustom *b = key(page, code);
    b->setFunctionText(qMakePair(kind, function));
    enter(b);
    QVERIFY(page.hoverPopup());
    auto *card = page.hoverPopup()->findChild<onboardKeyboardKeyTool *>();
    QVERIFY(card);
    QCOMPARE(card->captionText(), b->getCaption());
    QCOMPARE(card->kindText(), DOnboardPage::functionTypeName(kind));
    // The value as given, or its start with an ellipsis where it is 140 pixels wide or more.
    const QString shown = card->valueText();
    QVERIFY2(shown == value || (shown.endsWith(QChar(0x2026)) && value.startsWith(shown.chopped(1))),
             qPrintable(shown));
    const QString accentColour = DDataManager::getInstance()->getThemeColor().TextCheckedColor;
    QCOMPARE(card->valueStyle().contains(QStringLiteral("rgb(%1)").arg(accentColour)), accent);
    emit b->sigCustomButMouseLeave();
    QVERIFY(!page.hoverPopup());
}

void tst_DOnboardPage::oneHoverCardAtATime()
{
    QPointer<ArrowWidget> first;
    {
        DOnboardPage page;
        page.setKeyboardModel(QStringLiteral("ZK104A"));
        // A long value is cut at 140 pixels.
        key(page, 4)->setFunctionText(qMakePair(2, QStringLiteral("L_CTRL+L_SHIFT+L_ALT+L_WIN+R_CTRL+A")));
        enter(key(page, 4));
        first = page.hoverPopup();
        auto *card = first->findChild<onboardKeyboardKeyTool *>();
        QVERIFY(card->valueText().endsWith(QChar(0x2026)));
        QVERIFY(QFontMetrics(card->findChildren<QLabel *>().last()->font()).horizontalAdvance(card->valueText())
                <= onboardKeyboardKeyTool::kValueWidth);
        enter(key(page, 5));  // no leave in between
        QVERIFY(!first);
        first = page.hoverPopup();
        QVERIFY(first);
    }
    QVERIFY(!first);  // gone with the page
}

void tst_DOnboardPage::functionTypeName_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("name");
    const char *names[] = {"Remap key", "Macro",          "key combination",    "Multimedia", "Mouse", "Disable",
                           "Text",      "Switch profile", "Launch application", "Shortcuts",  "Unknow"};
    for (int kind = 0; kind <= 10; ++kind)
        QTest::newRow(names[kind]) << kind << QString::fromLatin1(names[kind]);
    QTest::newRow("11") << 11 << QStringLiteral("Default");
    QTest::newRow("-1") << -1 << QStringLiteral("Default");
}

void tst_DOnboardPage::functionTypeName()
{
    QFETCH(int, kind);
    QFETCH(QString, name);
    QCOMPARE(DOnboardPage::functionTypeName(kind), name);
}

void tst_DOnboardPage::missingLayout()
{
    DOnboardPage page;
    QSignalSpy loaded(&page, &DOnboardPage::sigOnboardLayoutUIAlreadyLoad);
    page.setKeyboardModel(QStringLiteral("ZK999"));
    QCOMPARE(loaded.count(), 0);
    QVERIFY(page.getKeyButtonList().isEmpty());
    page.parseKeyboardInfo("{ not json");
    QCOMPARE(loaded.count(), 0);
    QVERIFY(page.getKeyButtonList().isEmpty());
    QCOMPARE(page.minimumSize(), QSize(700, 210));
}

void tst_DOnboardPage::menuVariants_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("type");
    QTest::addColumn<QStringList>("visible");
    const QStringList normal{"label_CreateNew", "label_Export",  "label_Import",
                             "label_Delete",    "label_Restore", "label_ModifyNanme"};
    const QStringList fast{"label_QWERTY", "label_Mac", "label_Dvorak", "label_CleanLayer"};
    QTest::newRow("configuration menu") << 1 << 1
                                        << QStringList{"label_CreateNew", "label_Export", "label_Import",
                                                       "label_Delete", "label_ModifyNanme"};
    QTest::newRow("layout menu") << 2 << 0 << fast;
    QTest::newRow("reduced layout menu") << 2 << 2 << QStringList{"label_QWERTY", "label_CleanLayer"};
    QTest::newRow("other type") << 1 << 7 << normal;
    QTest::newRow("kind 0") << 0 << 7
                            << QStringList{"label_CreateNew", "label_Export", "label_Import", "label_Restore"};
}

void tst_DOnboardPage::menuVariants()
{
    QFETCH(int, kind);
    QFETCH(int, type);
    QFETCH(QStringList, visible);
    onboardProfileMenuToolWidget menu(kind);
    menu.setMenuType(type);
    menu.show();
    QStringList shown;
    for (QLabel *label : menu.findChildren<QLabel *>()) {
        if (label->isVisible())
            shown.append(label->objectName());
    }
    shown.sort();
    visible.sort();
    QCOMPARE(shown, visible);
}

void tst_DOnboardPage::menuRelease()
{
    onboardProfileMenuToolWidget menu(1);
    QStringList order;
    connect(&menu, &onboardProfileMenuToolWidget::sigCloseMenuWidow, [&] { order << "close"; });
    connect(&menu, &onboardProfileMenuToolWidget::sigProfileDelete, [&] { order << "delete"; });
    connect(&menu, &onboardProfileMenuToolWidget::sigConfigDvorak, [&] { order << "dvorak"; });
    auto *remove = menu.findChild<QLabel *>(QStringLiteral("label_Delete"));
    QTest::mousePress(remove, Qt::LeftButton);
    QVERIFY(order.isEmpty());
    QTest::mouseRelease(remove, Qt::LeftButton);
    QCOMPARE(order, (QStringList{"close", "delete"}));
    QTest::mouseRelease(menu.findChild<QLabel *>(QStringLiteral("label_Dvorak")), Qt::RightButton);
    QCOMPARE(order, (QStringList{"close", "delete", "close", "dvorak"}));
}

void tst_DOnboardPage::explainPanel()
{
    onboardExplainDia panel;
    QCOMPARE(panel.size(), QSize(430, 470));
    auto *stack = panel.findChild<QStackedWidget *>(QStringLiteral("stackedWidget"));
    QVERIFY(stack);
    QCOMPARE(stack->currentWidget()->objectName(), QStringLiteral("page_2"));
    const ThemeColorConfig theme = DDataManager::getInstance()->getThemeColor();
    const QString accent = QStringLiteral("rgb(%1)").arg(theme.TextCheckedColor);
    const QString border = QStringLiteral("rgb(%1)").arg(theme.DeviceBorderColor);
    const struct {
        const char *name;
        QString colour;
    } sheets[] = {{"frame_Bg", accent}, {"label_Title02", accent}, {"frame", border}, {"frame_13", border}};
    for (const auto &sheet : sheets) {
        auto *w = panel.findChild<QWidget *>(QString::fromLatin1(sheet.name));
        QVERIFY(w);
        QVERIFY2(w->styleSheet().contains(sheet.colour), sheet.name);
        QVERIFY2(w->styleSheet().contains(theme.TextFont) || sheet.colour == border, sheet.name);
    }
    QVERIFY(panel.findChild<QLabel *>(QStringLiteral("label_Title03"))->styleSheet().contains(QStringLiteral("13pt")));
}

QTEST_MAIN(tst_DOnboardPage)
#include "tst_DOnboardPage.moc"
