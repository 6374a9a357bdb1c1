// A key field capturing through the hook handle on a real X server (Xvfb, started by
// tests/platform/input-hook-xvfb.sh): while capturing, the focused line edit keeps its focus and
// gets no key, the keys arrive as signals with their codes; after stopHook it types again.

#include "WindowsHookInterface.h"

#include <QApplication>
#include <QLineEdit>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QtTest>
#include <QVBoxLayout>

namespace {

class FocusCounter : public QObject
{
public:
    int focusOuts = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::FocusOut)
            ++focusOuts;
        return false;
    }
};

}  // namespace

class tst_HookKeyField : public QObject
{
    Q_OBJECT

private slots:
    void fieldKeepsFocusAndGetsNoKey();
};

void tst_HookKeyField::fieldKeepsFocusAndGetsNoKey()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb")
        || QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty()) {
        if (!qEnvironmentVariableIsEmpty("CI"))
            QFAIL("needs an X server and xdotool (run through tests/platform/input-hook-xvfb.sh)");
        QSKIP("needs an X server and xdotool: run through tests/platform/input-hook-xvfb.sh");
    }
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *field = new QLineEdit(&window);
    layout->addWidget(field);
    FocusCounter counter;
    field->installEventFilter(&counter);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window, 10000));
    field->setFocus();
    QTRY_VERIFY(field->hasFocus());

    WindowsHookInterface hook;
    QSignalSpy keys(&hook, &WindowsHookInterface::sigKeyboardRecviveStreamEX);
    QCOMPARE(hook.startHook(1), 1);
    QCOMPARE(WindowsHookInterface::startStatus(), WindowsHookInterface::StartStatus::Full);

    QProcess typing;
    typing.start(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("20"),
                                             QStringLiteral("a"), QStringLiteral("KP_Enter")});
    QVERIFY(typing.waitForFinished(30000));
    QTRY_COMPARE_WITH_TIMEOUT(keys.count(), 4, 10000);
    QCOMPARE(keys.at(0), (QVariantList{65, 30, 1, 0}));
    QCOMPARE(keys.at(1), (QVariantList{65, 30, 0, 128}));
    QCOMPARE(keys.at(2), (QVariantList{13, 28, 1, 1}));
    QCOMPARE(keys.at(3), (QVariantList{13, 28, 0, 129}));
    QVERIFY(WindowsHookInterface::eventTime() != 0);
    QTest::qWait(300);
    QCOMPARE(field->text(), QString());
    QVERIFY(field->hasFocus());
    QCOMPARE(counter.focusOuts, 0);

    QCOMPARE(hook.stopHook(), 1);
    typing.start(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("c")});
    QVERIFY(typing.waitForFinished(30000));
    QTRY_COMPARE_WITH_TIMEOUT(field->text(), QStringLiteral("c"), 10000);
    QCOMPARE(keys.count(), 4);
}

QTEST_MAIN(tst_HookKeyField)
#include "tst_HookKeyField.moc"
