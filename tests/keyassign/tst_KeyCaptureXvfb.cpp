// SPDX-License-Identifier: GPL-3.0-or-later
// Key entry on the remap page through the real global key capture, on a private X server
// (tests/platform/input-hook-xvfb.sh) typed into with xdotool. The macro page's relay goes
// straight to the page, as the device page passes it on.

#include "DChangeKeyPage.h"
#include "DMacroPage.h"
#include "KeyAssignTestSupport.h"

#include <QApplication>
#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QVBoxLayout>

using namespace keytest;

class tst_KeyCaptureXvfb : public QObject
{
    Q_OBJECT

private slots:
    void capturesEveryKeyWhileFocused();

private:
    static bool type(const QStringList &keys);
};

bool tst_KeyCaptureXvfb::type(const QStringList &keys)
{
    QProcess xdotool;
    xdotool.start(QStringLiteral("xdotool"),
                  QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("30")} + keys);
    return xdotool.waitForFinished(30000) && xdotool.exitCode() == 0;
}

void tst_KeyCaptureXvfb::capturesEveryKeyWhileFocused()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb")
        || QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty()) {
        if (!qEnvironmentVariableIsEmpty("CI"))
            QFAIL("needs an X server and xdotool (run through tests/platform/input-hook-xvfb.sh)");
        QSKIP("needs an X server and xdotool: run through tests/platform/input-hook-xvfb.sh");
    }
    Fixture f;
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *page = new DChangeKeyPage(&window);
    auto *other = new QLineEdit(&window);
    layout->addWidget(page);
    layout->addWidget(other);
    DMacroPage macroPage;  // after the key page, so that the capture's keys reach it

    QList<QVariantList> relayed;
    connect(&macroPage, &DMacroPage::sigHookKeyboardRecviveStream, page, [&](int from, int code, int flag) {
        relayed << QVariantList{from, code, flag};
        if (flag == 1)
            page->inputKeyDec(code);
    });

    page->setCurrentKey({30, QStringLiteral("1")});
    page->setFilePaths(f.library, f.profile);
    page->setKeyNameMap({{227, QStringLiteral("Key_WIN")},
                         {226, QStringLiteral("Key_ALT")},
                         {43, QStringLiteral("Key_TAB")},
                         {4, QStringLiteral("Key_A")}});
    page->setProfileIndex(1);
    page->loadCustomKeyInfo();
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window, 10000));
    auto *field = child<QLineEdit>(page, "lineEdit_changForKey");
    page->setInterfaces(nullptr, &f.xml);  // gives the field the focus
    QTRY_VERIFY(field->hasFocus());
    QVERIFY(page->isCapturing());

    QVERIFY(type({QStringLiteral("super"), QStringLiteral("alt+Tab"), QStringLiteral("a")}));
    QTRY_COMPARE_WITH_TIMEOUT(relayed.size(), 8, 10000);
    QCOMPARE(relayed.at(0), (QVariantList{0, 227, 1}));
    QCOMPARE(relayed.at(1), (QVariantList{0, 227, 0}));
    QCOMPARE(relayed.at(2), (QVariantList{0, 226, 1}));
    QCOMPARE(relayed.at(3), (QVariantList{0, 43, 1}));
    QCOMPARE(relayed.at(6), (QVariantList{0, 4, 1}));
    QCOMPARE(relayed.at(7), (QVariantList{0, 4, 0}));
    QTest::qWait(300);
    QVERIFY(window.isActiveWindow());
    QVERIFY(field->hasFocus());
    QCOMPARE(field->text(), QStringLiteral("Key_A"));  // the entered key's name, never typed text

    // Leaving the field gives the keyboard back.
    other->setFocus();
    QTRY_VERIFY(other->hasFocus());
    QVERIFY(!page->isCapturing());
    relayed.clear();
    QVERIFY(type({QStringLiteral("c")}));
    QTRY_COMPARE_WITH_TIMEOUT(other->text(), QStringLiteral("c"), 10000);
    QCOMPARE(relayed.size(), 0);

    // While the macro page is shown it keeps the keys.
    macroPage.setPageCurrent(true);
    field->setFocus();
    QTRY_VERIFY(page->isCapturing());
    QVERIFY(type({QStringLiteral("b")}));
    QTest::qWait(500);
    QCOMPARE(relayed.size(), 0);
    macroPage.setPageCurrent(false);
    QVERIFY(type({QStringLiteral("a")}));
    QTRY_COMPARE_WITH_TIMEOUT(relayed.size(), 2, 10000);
    other->setFocus();
    QTRY_VERIFY(!page->isCapturing());
}

QTEST_MAIN(tst_KeyCaptureXvfb)
#include "tst_KeyCaptureXvfb.moc"
