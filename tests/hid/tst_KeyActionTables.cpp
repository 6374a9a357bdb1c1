// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeyActionTables.h"

#include <QtTest>

using namespace keyactions;

class tst_KeyActionTables : public QObject
{
    Q_OBJECT
private slots:
    void media_data();
    void media();
    void mouse_data();
    void mouse();
    void shortcuts_data();
    void shortcuts();
};

void tst_KeyActionTables::media_data()
{
    QTest::addColumn<int>("function");
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("bit");
    QTest::newRow("volume up") << 0 << int(MediaGroup) << 0x01;
    QTest::newRow("volume down") << 1 << int(MediaGroup) << 0x02;
    QTest::newRow("mute") << 2 << int(MediaGroup) << 0x04;
    QTest::newRow("play/pause") << 3 << int(MediaGroup) << 0x08;
    QTest::newRow("next") << 4 << int(MediaGroup) << 0x10;
    QTest::newRow("previous") << 5 << int(MediaGroup) << 0x20;
    QTest::newRow("stop") << 6 << int(MediaGroup) << 0x40;
    QTest::newRow("spare media bit") << 7 << int(MediaGroup) << 0x80;
    QTest::newRow("media player") << 8 << int(ToolsGroup) << 0x01;
    QTest::newRow("calculator") << 9 << int(ToolsGroup) << 0x04;
    QTest::newRow("computer") << 10 << int(ToolsGroup) << 0x10;
    QTest::newRow("browser") << 11 << int(BrowserGroup) << 0x08;
    QTest::newRow("e-mail") << 12 << int(BrowserGroup) << 0x01;
    QTest::newRow("past the table") << 13 << int(BrowserGroup) << 0x00;
    QTest::newRow("negative") << -1 << int(BrowserGroup) << 0x00;
}

void tst_KeyActionTables::media()
{
    QFETCH(int, function);
    const MediaBit m = mediaFunction(function);
    QTEST(m.byte, "byte");
    QTEST(int(m.bit), "bit");
}

void tst_KeyActionTables::mouse_data()
{
    QTest::addColumn<int>("function");
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("wheel");
    QTest::addColumn<bool>("sniper");
    QTest::newRow("left") << 0 << 1 << 0 << false;
    QTest::newRow("middle") << 1 << 4 << 0 << false;
    QTest::newRow("right") << 2 << 2 << 0 << false;
    QTest::newRow("wheel up") << 3 << 0 << 1 << false;
    QTest::newRow("wheel down") << 4 << 0 << -1 << false;
    QTest::newRow("forward") << 5 << 16 << 0 << false;
    QTest::newRow("back") << 6 << 8 << 0 << false;
    QTest::newRow("sniper") << 7 << 0 << 0 << true;
    QTest::newRow("past the table") << 8 << 0 << 0 << false;
    QTest::newRow("negative") << -3 << 0 << 0 << false;
}

void tst_KeyActionTables::mouse()
{
    QFETCH(int, function);
    const MouseChange c = mouseFunction(function);
    QTEST(int(c.buttons), "buttons");
    QTEST(c.wheel, "wheel");
    QTEST(c.sniper, "sniper");
}

void tst_KeyActionTables::shortcuts_data()
{
    QTest::addColumn<int>("shortcut");
    QTest::addColumn<int>("modifier");
    QTest::addColumn<int>("key");
    QTest::newRow("Alt+F4") << 0 << 226 << 61;
    QTest::newRow("Alt+Tab") << 1 << 226 << 43;
    QTest::newRow("Win+D") << 2 << 227 << 7;
    QTest::newRow("Win+E") << 3 << 227 << 8;
    QTest::newRow("Win+L") << 4 << 227 << 15;
    QTest::newRow("Ctrl+C") << 5 << 224 << 6;
    QTest::newRow("Ctrl+X") << 6 << 224 << 27;
    QTest::newRow("Ctrl+V") << 7 << 224 << 25;
    QTest::newRow("Ctrl+F") << 8 << 224 << 9;
    QTest::newRow("Ctrl+N") << 9 << 224 << 17;
    QTest::newRow("Ctrl+P") << 10 << 224 << 19;
    QTest::newRow("Ctrl+S") << 11 << 224 << 22;
    QTest::newRow("past the table") << 12 << 0 << 0;
    QTest::newRow("negative") << -1 << 0 << 0;
}

void tst_KeyActionTables::shortcuts()
{
    QFETCH(int, shortcut);
    const ShortcutKeys s = windowsShortcut(shortcut);
    QTEST(s.modifier, "modifier");
    QTEST(s.key, "key");
}

QTEST_APPLESS_MAIN(tst_KeyActionTables)
#include "tst_KeyActionTables.moc"
