// SPDX-License-Identifier: GPL-3.0-or-later
// Key remapping through the real global input hook, on a private X server (Xvfb, started by
// tests/platform/input-hook-xvfb.sh): in the main window with an emulated keyboard, a key is
// chosen on the device page, the remap page's entry field takes the focus, xdotool types the
// target key, which reaches the field through the hook and the device page's relay; OK saves it,
// and the keyboard's next press of the key reaches the computer as the target key.

#include "DChangeKeyPage.h"
#include "DDataManager.h"
#include "DDevicePage.h"
#include "DHomePage.h"
#include "DMainWidget.h"
#include "Emulator.h"
#include "EmulatorDeviceNotifier.h"
#include "EmulatorReportDescriptorReader.h"
#include "FirstEnumeration.h"
#include "keyboardButCustom.h"
#include "keyboardPage.h"
#include "RecordText.h"
#include "WindowsHookInterface.h"
#include "xmlInterface.h"

#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QtTest>
#include <QWindow>

#include <memory>

namespace {

constexpr int kTimeoutMs = 20000;
constexpr int kKeyA = 4;  // the key remapped (HID usage, the page's key code)
constexpr int kKeyB = 5;  // its new meaning

}  // namespace

class tst_KeyRemapXvfb : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup() { emu::reset(); }
    void typedKeyIsSavedAndSentForTheKey();
};

void tst_KeyRemapXvfb::initTestCase()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb") || qEnvironmentVariableIsEmpty("DISPLAY")) {
        if (!qEnvironmentVariableIsEmpty("CI"))
            QFAIL("needs an X server (run through tests/platform/input-hook-xvfb.sh)");
        QSKIP("needs an X server: run through tests/platform/input-hook-xvfb.sh");
    }
    if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty()) {
        if (!qEnvironmentVariableIsEmpty("CI"))
            QFAIL("xdotool is missing (scripts/install-deps.sh)");
        QSKIP("xdotool is missing (scripts/install-deps.sh)");
    }
    DDataManager::getInstance();
}

void tst_KeyRemapXvfb::typedKeyIsSavedAndSentForTheKey()
{
    emu::DeviceSpec spec = emu::keyboardSpec(QStringLiteral("ZK87A"));
    spec.serial = QByteArray(32, 'r');
    const emu::DeviceId keyboard = emu::plug(spec);

    DMainWidget::StartOptions options;
    options.createNotifier = [](QObject *parent) { return new EmulatorDeviceNotifier(parent); };
    options.descriptorReader = std::make_shared<EmulatorReportDescriptorReader>();
    options.registerAutoStart = false;
    options.trayAvailable = [] { return false; };
    auto window = std::make_unique<DMainWidget>(options);
    QVERIFY(firstEnumeration::applied(*window));
    window->resize(1280, 715);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get(), kTimeoutMs));
    window->windowHandle()->requestActivate();
    QVERIFY(QTest::qWaitForWindowActive(window.get(), kTimeoutMs));

    DDevicePage *page = window->findChild<DDevicePage *>();
    QVERIFY(page);
    const QString path = emu::configurationPath(keyboard);
    QTRY_VERIFY_WITH_TIMEOUT(page->linkedHidPaths().contains(path), kTimeoutMs);
    // The device's card on the home page, clicked.
    emit window->findChild<DHomePage *>()->sigHomePage(path);
    QTRY_VERIFY_WITH_TIMEOUT(page->currentHidPath() == path && !page->profileXmlPath().isEmpty(), kTimeoutMs);
    keyboardPage *keys = page->findChild<keyboardPage *>();
    QVERIFY(keys);
    QTRY_VERIFY_WITH_TIMEOUT(keys->getKeyButtonMap().contains(kKeyA), kTimeoutMs);
    QTest::qWait(500);  // the reports the load sends reach the keyboard first

    // A is chosen, then Remap Key: the entry field has the focus and the hook runs.
    keys->getKeyButtonMap().value(kKeyA)->click();
    QVERIFY(QMetaObject::invokeMethod(page, "onCurIndexChanged_Key", Q_ARG(int, 2)));
    auto *remap = page->findChild<DChangeKeyPage *>();
    auto *field = remap->findChild<QLineEdit *>(QStringLiteral("lineEdit_changForKey"));
    QTRY_VERIFY_WITH_TIMEOUT(field->isVisible() && field->hasFocus(), kTimeoutMs);
    QTRY_VERIFY_WITH_TIMEOUT(remap->isCapturing(), kTimeoutMs);
    QCOMPARE(WindowsHookInterface::startStatus(), WindowsHookInterface::StartStatus::Full);

    QProcess xdotool;
    xdotool.start(QStringLiteral("xdotool"),
                  {QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("50"), QStringLiteral("b")});
    QVERIFY(xdotool.waitForFinished(kTimeoutMs));
    QCOMPARE(xdotool.exitCode(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(field->text(), QStringLiteral("B"), kTimeoutMs);

    remap->findChild<QPushButton *>(QStringLiteral("pushButton_OK"))->click();
    xmlInterface xml;
    CustomKeyInfo info;
    setRecordText(info.operateType, "-1");
    xml.getKeyMapItems(page->profileXmlPath().constData(), "1", QByteArray::number(kKeyA).constData(), &info);
    QCOMPARE(recordText(info.operateType), QByteArray("0"));
    QCOMPARE(recordText(info.Value), QByteArray::number(kKeyB));

    // The keyboard presses and releases A; the computer is given B.
    emu::clearWritten(keyboard);
    emu::injectKeys(keyboard, 0, {kKeyA});
    emu::injectKeys(keyboard, 0, {});
    QTRY_VERIFY_WITH_TIMEOUT(emu::computerVisible(keyboard).size() >= 2, kTimeoutMs);
    const QVector<emu::WrittenReport> seen = emu::computerVisible(keyboard);
    QCOMPARE(uint8_t(seen.at(0).data.at(1)), uint8_t(0x04));
    QCOMPARE(uint8_t(seen.at(0).data.at(8)), uint8_t(kKeyB));
    QCOMPARE(uint8_t(seen.last().data.at(8)), uint8_t(0));
    for (const emu::WrittenReport &report : seen)
        QVERIFY2(!report.data.mid(8, 6).contains(char(kKeyA)), report.data.toHex(' ').constData());
}

QTEST_MAIN(tst_KeyRemapXvfb)
#include "tst_KeyRemapXvfb.moc"
