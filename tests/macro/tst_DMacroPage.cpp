// SPDX-License-Identifier: GPL-3.0-or-later
// The macro page's relay of captured keys to the device page, over a stand-in input hook:
// key codes are HID usages (-1 without one), and nothing is relayed while the page is shown.

#include "DMacroPage.h"
#include "FakeInputHook.h"
#include "InputHookFactory.h"
#include "WindowsHookInterface.h"

#include <QSignalSpy>
#include <QtTest>

class tst_DMacroPage : public QObject
{
    Q_OBJECT

private slots:
    void relaysWhileNotShown();
};

void tst_DMacroPage::relaysWhileNotShown()
{
    FakeInputHook *fake = nullptr;
    InputHookFactory::setMaker([&] { return fake = new FakeInputHook; });
    {
        WindowsHookInterface devicePageHook;  // built first, as the device page's
        DMacroPage page;
        QSignalSpy relay(&page, &DMacroPage::sigHookKeyboardRecviveStream);
        QCOMPARE(devicePageHook.startHook(2), 1);  // any handle starts the one capture
        QVERIFY(fake);

        // Kernel codes: Super 125, Alt 56, Tab 15, A 30, Right Ctrl 97, keypad Enter 96, 240 unknown.
        for (int code : {125, 56, 15, 30, 97, 96, 240}) {
            fake->press(code);
            fake->release(code);
        }
        QList<QVariantList> expected;
        for (int usage : {227, 226, 43, 4, 228, 88, -1})
            expected << QVariantList{0, usage, 1} << QVariantList{0, usage, 0};
        QCOMPARE(QList<QVariantList>(relay.begin(), relay.end()), expected);

        relay.clear();
        page.setPageCurrent(true);
        fake->press(30);
        fake->release(30);
        QCOMPARE(relay.count(), 0);
        page.setPageCurrent(false);
        fake->press(30);
        QCOMPARE(relay.count(), 1);
        devicePageHook.stopHook();
    }
    InputHookFactory::setMaker({});
}

QTEST_MAIN(tst_DMacroPage)
#include "tst_DMacroPage.moc"
