// SPDX-License-Identifier: GPL-3.0-or-later
#include "DSoftKeyboardPage.h"
#include "KeyLayoutFile.h"
#include "SoftKeyboardButCustom.h"

#include <QDir>
#include <QFontDatabase>
#include <QSignalSpy>
#include <QtTest>

namespace {

using Key = QPair<int, QString>;

// The US keyboard: every key's HID usage beside its caption.
QList<Key> usKeyboard()
{
    QList<Key> keys = {{41, "Esc"},  {70, "PrtSc"},     {71, "ScrLk"},     {72, "Pause"},  {53, "~"},
                       {45, "-"},    {46, "="},         {42, "Backspace"}, {73, "Insert"}, {74, "Home"},
                       {75, "PgUp"}, {83, "Num Lock"},  {84, "/"},         {85, "*"},      {86, "-"},
                       {43, "Tab"},  {47, "["},         {48, "]"},         {49, "\\|"},    {76, "Delete"},
                       {77, "End"},  {78, "PgDn"},      {95, "7"},         {96, "8"},      {97, "9"},
                       {87, "+"},    {57, "Caps Lock"}, {51, ";"},         {52, "' \""},   {40, "Enter"},
                       {92, "4"},    {93, "5"},         {94, "6"},         {225, "Shift"}, {54, ","},
                       {55, "."},    {56, "/"},         {229, "Shift"},    {82, "Up"},     {89, "1"},
                       {90, "2"},    {91, "3"},         {88, "Enter"},     {224, "Ctrl"},  {227, "Win"},
                       {226, "Alt"}, {44, "Space"},     {230, "Alt"},      {101, "Menu"},  {228, "Ctrl"},
                       {80, "Left"}, {81, "Down"},      {79, "Right"},     {98, "0"},      {99, "."}};
    for (int i = 0; i < 12; ++i)
        keys.append({58 + i, QStringLiteral("F%1").arg(i + 1)});
    for (int i = 0; i < 10; ++i)
        keys.append({30 + i, QString::number((i + 1) % 10)});
    for (char c = 'A'; c <= 'Z'; ++c)
        keys.append({4 + c - 'A', QString(QLatin1Char(c))});
    return keys;
}

struct Loaded {
    DSoftKeyboardPage page;
    Loaded() { page.loadKeyboardInfo(); }
    SoftKeyboardButCustom *key(int code) const { return page.getKeyButtonMap().value(code); }
    void click(int code) const { QTest::mouseClick(key(code), Qt::LeftButton); }
};

}  // namespace

class tst_SoftKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void buildsTheUsKeyboardFromItsLayout()
    {
        DSoftKeyboardPage page;
        QSignalSpy loaded(&page, &DSoftKeyboardPage::sigSoftKeyboardAlreadyLoad);
        page.loadKeyboardInfo();
        QCOMPARE(loaded.count(), 1);
        QCOMPARE(page.size(), QSize(700, 150));

        const QList<SoftKeyboardButCustom *> keys = page.findChildren<SoftKeyboardButCustom *>();
        QCOMPARE(keys.size(), 103);
        QList<Key> shown;
        for (const SoftKeyboardButCustom *key : keys) {
            shown.append({key->getKeyDec(), key->getKeyCharacter()});
            QVERIFY2(QRect(0, 0, 700, 150).contains(key->geometry()), qPrintable(key->getKeyCharacter()));
        }
        QList<Key> expected = usKeyboard();
        std::sort(shown.begin(), shown.end());
        std::sort(expected.begin(), expected.end());
        QCOMPARE(shown, expected);

        // Rows of 16, 21, 21, 16, 17 and 12 keys, in the file.
        QFile file(QStringLiteral(":/images/configDir/softKeyInfoNormalUS.config"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        KeyLayoutFile layout;
        QVERIFY(layout.parse(file.readAll()));
        QVector<int> perRow(6);
        for (const KeyLayoutKey &key : layout.keys()) {
            QVERIFY(key.dec != 0);
            ++perRow[key.row];
        }
        QCOMPARE(perRow, (QVector<int>{16, 21, 21, 16, 17, 12}));
    }

    void keyNamesAddTheKeysTheKeyboardLacks()
    {
        Loaded soft;
        const QMap<int, QString> names = soft.page.getKeyNameMap();
        QCOMPARE(names.value(231), QStringLiteral("Win/Command"));
        QCOMPARE(names.value(-10), QStringLiteral("Fn"));
        QCOMPARE(names.value(-20), QStringLiteral("FN1"));
        QCOMPARE(names.value(100), QStringLiteral("\\|"));
        QCOMPARE(names.value(4), QStringLiteral("A"));
        QVERIFY(!soft.page.getKeyButtonMap().contains(-10));
        QVERIFY(!soft.page.getKeyButtonMap().contains(231));
        QCOMPARE(names.size(), 103 + 12);
    }

    // The remap and combination pages offer only named keys: every key of every model has a name.
    void everyModelKeyHasAName()
    {
        Loaded soft;
        const QMap<int, QString> names = soft.page.getKeyNameMap();
        const QStringList files =
            QDir(QStringLiteral(":/images/configDir")).entryList({QStringLiteral("KeyInfo_*.config")});
        QVERIFY(!files.isEmpty());
        for (const QString &name : files) {
            KeyLayoutFile layout;
            QVERIFY(layout.load(QStringLiteral(":/images/configDir/") + name));
            for (const KeyLayoutKey &key : layout.keys()) {
                if (key.dec != 0)
                    QVERIFY2(names.contains(key.dec), qPrintable(name + ": " + QString::number(key.dec)));
            }
        }
    }

    void combinationHighlightsAtMostTwoModifiers()
    {
        Loaded soft;
        soft.page.setOperateMode(1);
        soft.page.setCombinationKeyFocus(true);
        QSignalSpy clicked(&soft.page, &DSoftKeyboardPage::sigSoftKeyboardClicked);
        soft.click(224);
        soft.click(225);
        soft.click(226);
        soft.click(4);
        QCOMPARE(clicked.count(), 4);
        QCOMPARE(clicked.at(2).at(0).toInt(), 226);
        QCOMPARE(clicked.at(2).at(1).toString(), QStringLiteral("Alt"));
        QCOMPARE(soft.page.getSelectedKeys(),
                 (QList<SoftKeyboardButCustom *>{soft.key(224), soft.key(225), soft.key(4)}));
        QVERIFY(!soft.key(226)->isSelected());

        // The combination page refused A: only keys that are not highlighted go back.
        soft.page.resetKeyStatusToDefault(4);
        QVERIFY(soft.key(4)->isSelected());
        soft.key(41)->setState(1);
        soft.page.resetKeyStatusToDefault(41);
        QVERIFY(!soft.key(41)->isSelected());
        soft.page.resetKeyStatusToDefault(12345);  // no such key: nothing happens

        soft.page.resetSelectedKeys();
        QVERIFY(soft.page.getSelectedKeys().isEmpty());
        QVERIFY(!soft.key(224)->isSelected());
        QVERIFY(soft.key(224)->isLeaveReset());
        soft.click(227);
        soft.click(228);
        QCOMPARE(soft.page.getSelectedKeys().size(), 2);  // the count started again
    }

    void noHighlightWithoutCombinationFocus_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("focus");
        QTest::newRow("combination, no focus") << 1 << false;
        QTest::newRow("remap, focus") << 0 << true;
        QTest::newRow("other") << 2 << true;
    }

    void noHighlightWithoutCombinationFocus()
    {
        QFETCH(int, mode);
        QFETCH(bool, focus);
        Loaded soft;
        soft.page.setOperateMode(mode);
        soft.page.setCombinationKeyFocus(focus);
        QSignalSpy clicked(&soft.page, &DSoftKeyboardPage::sigSoftKeyboardClicked);
        soft.click(224);
        soft.click(4);
        QCOMPARE(clicked.count(), 2);
        QVERIFY(soft.page.getSelectedKeys().isEmpty());
        QVERIFY(!soft.key(224)->isSelected());

        // Only a combination with focus gives keys back.
        soft.key(41)->setState(1);
        soft.page.resetKeyStatusToDefault(41);
        QVERIFY(soft.key(41)->isSelected());
    }

    void highlightSurvivesThePointerLeaving()
    {
        Loaded soft;
        soft.page.setOperateMode(1);
        soft.page.setCombinationKeyFocus(true);
        SoftKeyboardButCustom *ctrl = soft.key(224);
        soft.click(224);
        const QString highlighted = ctrl->styleSheet();
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(ctrl, &leave);
        QCOMPARE(ctrl->styleSheet(), highlighted);

        soft.page.resetSelectedKeys();
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(ctrl, &enter);
        QCOMPARE(ctrl->styleSheet(), highlighted);  // hovering looks selected
        QApplication::sendEvent(ctrl, &leave);
        QVERIFY(ctrl->styleSheet() != highlighted);
        QVERIFY(ctrl->styleSheet().startsWith(QStringLiteral("color:rgb(")));
    }

    void keysShowTheirCaptions()
    {
        Loaded soft;
        QCOMPARE(soft.key(36)->text(), QStringLiteral("7&&"));
        QCOMPARE(soft.key(36)->getKeyCharacter(), QStringLiteral("7"));
        QCOMPARE(soft.key(52)->text(), QStringLiteral("' \""));
        QCOMPARE(soft.key(230)->text(), QStringLiteral("Alt"));

        const QStringList families = QFontDatabase::applicationFontFamilies(
            QFontDatabase::addApplicationFont(":/images/fontawesome-webfont.ttf"));
        QVERIFY2(!families.isEmpty(), "the icon font is not in the resources");
        QCOMPARE(soft.page.getIconFont().family(), families.first());
        QCOMPARE(soft.page.getIconFont().pointSize(), 12);
        QCOMPARE(soft.key(227)->text(), QString(QChar(0xF17A)));
        QCOMPARE(soft.key(101)->text(), QString(QChar(0xF15C)));
        soft.key(227)->ensurePolished();
        soft.key(101)->ensurePolished();
        QCOMPARE(soft.key(227)->font().family(), families.first());
        QCOMPARE(soft.key(101)->font().family(), families.first());
        QVERIFY(QFontMetrics(soft.key(227)->font()).inFont(QChar(0xF17A)));
    }

    void brokenLayoutBuildsNothing()
    {
        DSoftKeyboardPage page;
        QSignalSpy loaded(&page, &DSoftKeyboardPage::sigSoftKeyboardAlreadyLoad);
        QVERIFY(!page.parseKeyboardInfo("{\"EveryKeyInfo_Row01\": ["));
        QCOMPARE(loaded.count(), 0);
        QVERIFY(page.getKeyNameMap().isEmpty());
        QVERIFY(page.findChildren<SoftKeyboardButCustom *>().isEmpty());
    }

    void onboardKeyReportsItsPointerAndRightClicks()
    {
        SoftKeyboardButCustom key(1);
        key.setSize(40, 30);
        key.setKeyInfo(qMakePair(4, QStringLiteral("A")));
        QSignalSpy enter(&key, &SoftKeyboardButCustom::sigCustomButMouseEnter);
        QSignalSpy leave(&key, &SoftKeyboardButCustom::sigCustomButMouseLeave);
        QSignalSpy right(&key, &SoftKeyboardButCustom::sigButtonMouseRightKeyClicked);
        QEvent enterEvent(QEvent::Enter);
        QEvent leaveEvent(QEvent::Leave);
        QApplication::sendEvent(&key, &enterEvent);
        QApplication::sendEvent(&key, &leaveEvent);
        QTest::mouseClick(&key, Qt::RightButton);
        QCOMPARE(enter.count(), 1);
        QCOMPARE(leave.count(), 1);
        QCOMPARE(right.count(), 1);
        QCOMPARE(right.at(0).at(0).toInt(), 4);

        key.setFunctionText(qMakePair(2, QStringLiteral("L_CTRL+7&")));
        // Too long for one line of the small key: on two lines, broken after the '+'.
        QCOMPARE(key.text(), QStringLiteral("L_CTRL+\n7&&"));
        QCOMPARE(key.getOperateType(), 2);
        QCOMPARE(key.getFunctionText(), QStringLiteral("L_CTRL+7&"));
        key.setFunctionText(qMakePair(-1, QString()));
        QCOMPARE(key.text(), QString());
        key.setSpecialEnterKey(true);
        key.setEnterShape(1);
        QVERIFY(key.isSpecialEnterKey());
        QCOMPARE(key.getEnterShape(), 1);
        QCOMPARE(key.getCaption(), QStringLiteral("A"));
    }
};

QTEST_MAIN(tst_SoftKeyboard)
#include "tst_SoftKeyboard.moc"
