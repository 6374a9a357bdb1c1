// SPDX-License-Identifier: GPL-3.0-or-later
#include "AutoStartEntry.h"
#include "DDataManager.h"
#include "DDeviceKeyboardLink.h"
#include "DDevicePage.h"
#include "DeviceNotifier.h"
#include "DHomeDeviceListItem.h"
#include "DHomePage.h"
#include "DMacroPage.h"
#include "DMainWidget.h"
#include "Emulator.h"
#include "EmulatorDeviceNotifier.h"
#include "EmulatorReportDescriptorReader.h"
#include "FirstEnumeration.h"
#include "MainHidInterFace.h"
#include "ThreadEnd.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QSettings>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>

using namespace std::chrono_literals;

namespace {

// Counts the debug lines that contain a text, for effects that only show there.
class DebugLineCounter
{
public:
    explicit DebugLineCounter(const char *text)
    {
        s_text = text;
        s_count = 0;
        s_previous = qInstallMessageHandler(&DebugLineCounter::handle);
    }
    ~DebugLineCounter() { qInstallMessageHandler(s_previous); }
    int count() const { return s_count; }

private:
    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &message)
    {
        if (message.contains(QLatin1String(s_text)))
            ++s_count;
        if (s_previous)
            s_previous(type, context, message);
    }
    static const char *s_text;
    static int s_count;
    static QtMessageHandler s_previous;
};
const char *DebugLineCounter::s_text = "";
int DebugLineCounter::s_count = 0;
QtMessageHandler DebugLineCounter::s_previous = nullptr;

const char kHandOverLine[] = "Bootloader arrived: firmware hand-over";

// Generous: on a loaded machine an enumeration or a device's opening can take seconds; a wait
// ends as soon as its condition holds.
constexpr int kWaitMs = 20000;

}  // namespace

class tst_MainWindowStartup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startUpLogAndFirstEnumeration();
    void firstRunWritesSettingsAndAutoStartOnce();
    void usersOwnAutoStartEntryIsLeftAlone_data();
    void usersOwnAutoStartEntryIsLeftAlone();
    void titleFromDefaultConfiguration_data();
    void titleFromDefaultConfiguration();
    void devicesAtStartUp_data();
    void devicesAtStartUp();
    void windowShowsBeforeASlowDeviceAnswers();
    void windowClosedWhileTheFirstEnumerationRuns();
    void macroPageThemedWhenFirstShown();
    void cardClickMakesDeviceCurrent();
    void unplugAndReplugOneOfTwo();
    void quickReplugOpensAgain_data();
    void quickReplugOpensAgain();
    void twoArrivalsInsideOneEnumeration();
    void closedDuringAnEnumerationLetsItEnd();
    void allDevicesLeaveAtOnce();
    void unsupportedDeviceIgnored();
    void bootloaderStartsHandOverOnce_data();
    void bootloaderStartsHandOverOnce();

private:
    // The window once its first enumeration has been applied.
    std::unique_ptr<DMainWidget>
    makeWindow(const QString &defaultConfig = QString(),
               std::function<void(MainHidInterFace &, int)> enumerate = std::function<void(MainHidInterFace &, int)>());
    // The window as its constructor leaves it.
    static std::unique_ptr<DMainWidget> buildWindow(const QString &defaultConfig = QString(),
                                                    std::function<void(MainHidInterFace &, int)> enumerate = {});
    static int cardCount(const DMainWidget &window);
    static QStringList cardPaths(const DMainWidget &window);
    static DDevicePage *devicePage(const DMainWidget &window);
    QString userIniPath() const;
};

void tst_MainWindowStartup::initTestCase()
{
    // Every worker here ends before its owner enters wait(): the order in which only ThreadEnd's
    // steps order the two for the race detector, so a missing step is reported on every run.
    ThreadEnd::setWorkerEndsFirst(true);
    // The data manager exists before the first window, as it does in the program.
    DDataManager::getInstance();
}

void tst_MainWindowStartup::init()
{
    emu::reset();
    QFile::remove(userIniPath());
    AutoStartEntry::disable(QCoreApplication::applicationName());
}

void tst_MainWindowStartup::cleanup()
{
    emu::reset();
}

QString tst_MainWindowStartup::userIniPath() const
{
    return DDataManager::getInstance()->getUserConfigDir() + QStringLiteral("/BrivexConfig.ini");
}

std::unique_ptr<DMainWidget> tst_MainWindowStartup::makeWindow(const QString &defaultConfig,
                                                               std::function<void(MainHidInterFace &, int)> enumerate)
{
    auto window = buildWindow(defaultConfig, std::move(enumerate));
    if (!firstEnumeration::applied(*window))
        QTest::qFail("the first enumeration was not applied", __FILE__, __LINE__);
    return window;
}

std::unique_ptr<DMainWidget> tst_MainWindowStartup::buildWindow(const QString &defaultConfig,
                                                                std::function<void(MainHidInterFace &, int)> enumerate)
{
    DMainWidget::StartOptions options;
    options.enumerate = std::move(enumerate);
    options.createNotifier = [](QObject *parent) { return new EmulatorDeviceNotifier(parent); };
    options.descriptorReader = std::make_shared<EmulatorReportDescriptorReader>();
    if (!defaultConfig.isEmpty())
        options.defaultConfigPath = defaultConfig;
    return std::make_unique<DMainWidget>(options);
}

QStringList tst_MainWindowStartup::cardPaths(const DMainWidget &window)
{
    QStringList paths;
    // Without devices the home page shows its "not connected" page over the last cards.
    const auto *home = window.findChild<DHomePage *>();
    const auto *shown = home->findChild<QStackedWidget *>(QStringLiteral("stackedWidget"));
    if (shown->currentWidget()->objectName() == QLatin1String("page_TipShow"))
        return paths;
    for (const DHomeDeviceListItem *card : home->findChildren<DHomeDeviceListItem *>())
        paths << card->hidPath();
    paths.sort();
    return paths;
}

int tst_MainWindowStartup::cardCount(const DMainWidget &window)
{
    return cardPaths(window).size();
}

DDevicePage *tst_MainWindowStartup::devicePage(const DMainWidget &window)
{
    return window.findChild<DDevicePage *>();
}

void tst_MainWindowStartup::startUpLogAndFirstEnumeration()
{
    const emu::DeviceId keyboard = emu::plug(emu::keyboardSpec());
    // The log's name, taken before the start: a run across midnight must not look for tomorrow's.
    const QDate today = QDate::currentDate();
    const auto window = makeWindow();

    // The device was opened and asked for its serial number when the first enumeration's result came.
    QVERIFY(!emu::writtenCommand(keyboard, 0x15).isEmpty());
    QCOMPARE(cardCount(*window), 1);

    const QString log = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                        + QStringLiteral("/LogCollect/")
                        + QStringLiteral("%1-%2-%3_Log.txt").arg(today.year()).arg(today.month()).arg(today.day());
    QFile file(log);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(log));
    const QByteArray text = file.readAll();
    const int into = text.lastIndexOf("Into DMainWidget INIT:");
    const int end = text.lastIndexOf("END DMainWidget INIT:");
    QVERIFY(into >= 0);
    QVERIFY(end > into);
}

void tst_MainWindowStartup::firstRunWritesSettingsAndAutoStartOnce()
{
    const QString entry = AutoStartEntry::entryPath(QCoreApplication::applicationName());
    {
        const auto window = makeWindow();
        QSettings settings(userIniPath(), QSettings::IniFormat);
        QCOMPARE(settings.value(QStringLiteral("AutoStart/isAutoStart")).toBool(), true);
        QCOMPARE(settings.value(QStringLiteral("MinimizeToTray/isMinimizeToTray")).toBool(), true);
        QCOMPARE(settings.value(QStringLiteral("CloseToTray/isCloseToTray")).toBool(), true);
        QVERIFY(QFile::exists(entry));
        QFile file(entry);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains(AutoStartEntry::execLine(QCoreApplication::applicationFilePath()).toUtf8()));
    }

    // The user turned it all off; the next start keeps that and writes no entry.
    QVERIFY(AutoStartEntry::disable(QCoreApplication::applicationName()));
    {
        QSettings settings(userIniPath(), QSettings::IniFormat);
        settings.setValue(QStringLiteral("AutoStart/isAutoStart"), false);
        settings.setValue(QStringLiteral("CloseToTray/isCloseToTray"), false);
    }
    {
        const auto window = makeWindow();
        QSettings settings(userIniPath(), QSettings::IniFormat);
        QCOMPARE(settings.value(QStringLiteral("AutoStart/isAutoStart")).toBool(), false);
        QCOMPARE(settings.value(QStringLiteral("CloseToTray/isCloseToTray")).toBool(), false);
        QVERIFY(!QFile::exists(entry));
    }
}

void tst_MainWindowStartup::usersOwnAutoStartEntryIsLeftAlone_data()
{
    QTest::addColumn<QByteArray>("entry");
    QTest::addColumn<bool>("autoStart");
    const QByteArray head = "[Desktop Entry]\nType=Application\nName=mine\nExec=/usr/bin/true\n";
    QTest::newRow("hidden") << head + "Hidden=true\n" << false;
    QTest::newRow("GNOME switch off") << head + "X-GNOME-Autostart-enabled=false\n" << false;
    QTest::newRow("another desktop's switch off") << head + "X-MATE-Autostart-enabled=false\n" << false;
    QTest::newRow("switched on") << head + "X-GNOME-Autostart-enabled=true\n" << true;
    QTest::newRow("switch in another group") << head + "[Other]\nHidden=true\n" << true;
}

void tst_MainWindowStartup::usersOwnAutoStartEntryIsLeftAlone()
{
    QFETCH(QByteArray, entry);
    QFETCH(bool, autoStart);
    const QString path = AutoStartEntry::entryPath(QCoreApplication::applicationName());
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(entry);
    }
    // Two starts: the first run's defaults, then a run with them in place.
    for (int run = 0; run < 2; ++run) {
        const auto window = makeWindow();
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), entry);
        QCOMPARE(QSettings(userIniPath(), QSettings::IniFormat).value(QStringLiteral("AutoStart/isAutoStart")).toBool(),
                 autoStart);
    }
}

void tst_MainWindowStartup::titleFromDefaultConfiguration_data()
{
    QTest::addColumn<QByteArray>("config");
    QTest::addColumn<QString>("title");
    QTest::newRow("program's configuration") << QByteArray() << "ZELKA";
    QTest::newRow("name given") << QByteArray("[CompanyName]\nComName=Other Co\n") << "Other Co";
    QTest::newRow("name missing") << QByteArray("[UseLocalFont]\nuseFontStatus=false\n") << "CompanyName";
}

void tst_MainWindowStartup::titleFromDefaultConfiguration()
{
    QFETCH(QByteArray, config);
    QFETCH(QString, title);

    QTemporaryDir folder;
    QString path;
    if (!config.isNull()) {
        path = folder.path() + QStringLiteral("/default.ini");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(config);
    }
    const auto window = makeWindow(path);
    QCOMPARE(window->windowTitle(), title);
    QCOMPARE(window->getCompanyName(), title);
    QCOMPARE(window->findChild<QLabel *>(QStringLiteral("label_AppName"))->text(), title);
}

void tst_MainWindowStartup::devicesAtStartUp_data()
{
    QTest::addColumn<bool>("keyboard");
    QTest::addColumn<bool>("mouse");
    QTest::newRow("no device") << false << false;
    QTest::newRow("one keyboard") << true << false;
    QTest::newRow("keyboard and mouse") << true << true;
}

void tst_MainWindowStartup::devicesAtStartUp()
{
    QFETCH(bool, keyboard);
    QFETCH(bool, mouse);

    QStringList expected;
    if (keyboard)
        expected << emu::configurationPath(emu::plug(emu::keyboardSpec()));
    if (mouse)
        expected << emu::configurationPath(emu::plug(emu::mouseSpec()));
    expected.sort();

    const auto window = makeWindow();
    QCOMPARE(cardPaths(*window), expected);
    DDevicePage *page = devicePage(*window);
    QStringList linked = page->linkedHidPaths();
    linked.sort();
    QCOMPARE(linked, expected);
    // Which device becomes current is the device lifecycle's rule (tested there); here only that one is.
    if (expected.isEmpty())
        QVERIFY(page->currentHidPath().isEmpty());
    else
        QVERIFY(expected.contains(page->currentHidPath()));
    for (const QString &path : expected) {
        QVERIFY(page->deviceLink(path));
        QVERIFY(page->deviceLink(path)->getHidInterface()->isHidOpen());
    }
    QVERIFY(!window->isEnumerationBusy());
}

void tst_MainWindowStartup::windowShowsBeforeASlowDeviceAnswers()
{
    // The keyboard answers its information query late, yet within the query's wait.
    const emu::DeviceId keyboard = emu::plug(emu::keyboardSpec());
    emu::setReplyFault(keyboard, 0x0D, emu::ReplyFault::Late, 100ms);
    const QString path = emu::configurationPath(keyboard);

    const auto window = buildWindow();
    QSignalSpy applied(window.get(), &DMainWidget::sigFirstEnumerationApplied);
    window->show();
    QVERIFY(window->isVisible());
    // The window is up before the device's answer has been taken: no card, no link, the device
    // not opened.
    QVERIFY(!window->isFirstEnumerationApplied());
    QCOMPARE(cardCount(*window), 0);
    QVERIFY(devicePage(*window)->linkedHidPaths().isEmpty());
    QVERIFY(emu::writtenCommand(keyboard, 0x15).isEmpty());

    // Its card and its link follow.
    QVERIFY(firstEnumeration::applied(*window));
    QCOMPARE(applied.count(), 1);
    QCOMPARE(cardPaths(*window), QStringList{path});
    QCOMPARE(devicePage(*window)->currentHidPath(), path);
    QVERIFY(devicePage(*window)->deviceLink(path)->getHidInterface()->isHidOpen());
    QVERIFY(!emu::writtenCommand(keyboard, 0x15).isEmpty());
}

void tst_MainWindowStartup::windowClosedWhileTheFirstEnumerationRuns()
{
    const emu::DeviceId keyboard = emu::plug(emu::keyboardSpec());
    emu::setReplyFault(keyboard, 0x0D, emu::ReplyFault::Late, 100ms);
    {
        const auto window = buildWindow();
        window->show();
    }
    // The window waited for its enumeration; the result, left for a window that is gone, opens nothing.
    QCoreApplication::processEvents();
    QCOMPARE(emu::openHandleCount(keyboard), 0);
    QVERIFY(emu::writtenCommand(keyboard, 0x15).isEmpty());
}

void tst_MainWindowStartup::macroPageThemedWhenFirstShown()
{
    // Opened at once: themed as it shows.
    {
        const auto window = makeWindow();
        window->show();
        auto *line = window->findChild<QFrame *>(QStringLiteral("frame_8"));  // a rule of the macro page
        QVERIFY(line);
        QVERIFY(line->styleSheet().isEmpty());
        window->findChild<QPushButton *>(QStringLiteral("pushButton_Macro"))->click();
        QVERIFY(line->styleSheet().contains(QStringLiteral("QFrame#frame_8")));
    }
    // Not opened: themed once the window has been painted, before the page reads its list.
    const auto window = makeWindow();
    window->show();
    auto *line = window->findChild<QFrame *>(QStringLiteral("frame_8"));
    QVERIFY(line->styleSheet().isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(line->styleSheet().contains(QStringLiteral("QFrame#frame_8")), kWaitMs);
    QVERIFY(!window->findChild<DMacroPage *>()->isVisible());
}

void tst_MainWindowStartup::cardClickMakesDeviceCurrent()
{
    const QString keyboardPath = emu::configurationPath(emu::plug(emu::keyboardSpec()));
    const QString mousePath = emu::configurationPath(emu::plug(emu::mouseSpec()));
    const auto window = makeWindow();
    DDevicePage *page = devicePage(*window);
    const QString other = page->currentHidPath() == keyboardPath ? mousePath : keyboardPath;

    auto *home = window->findChild<DHomePage *>();
    emit home->sigHomePage(other);
    QCOMPARE(page->currentHidPath(), other);
    auto *pages = window->findChild<QStackedWidget *>(QStringLiteral("stackedWidget_Main"));
    QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("page_Device"));

    // A path that names no device changes nothing.
    emit home->sigHomePage(QStringLiteral("/dev/hidraw99"));
    QCOMPARE(page->currentHidPath(), other);
}

void tst_MainWindowStartup::unplugAndReplugOneOfTwo()
{
    const emu::DeviceId keyboard = emu::plug(emu::keyboardSpec());
    const emu::DeviceId mouse = emu::plug(emu::mouseSpec());
    const QString keyboardPath = emu::configurationPath(keyboard);
    const QString mousePath = emu::configurationPath(mouse);
    const auto window = makeWindow();
    DDevicePage *page = devicePage(*window);
    QCOMPARE(cardCount(*window), 2);
    QSignalSpy results(page, &DDevicePage::sigHidDeviceListUpdate);

    // The current device leaves: its card goes, its transport closes, the other takes over.
    const QString leaving = page->currentHidPath();
    const emu::DeviceId leavingId = leaving == keyboardPath ? keyboard : mouse;
    const QString staying = leaving == keyboardPath ? mousePath : keyboardPath;
    const emu::DeviceSpec leavingSpec = emu::spec(leavingId);
    emu::unplug(leavingId);
    QTRY_COMPARE_WITH_TIMEOUT(cardPaths(*window), QStringList{staying}, kWaitMs);
    // The cards follow the enumeration's result at once; the page lets the device go and makes
    // the other one current right after, in the same turn of the event loop or the next.
    QTRY_COMPARE_WITH_TIMEOUT(page->linkedHidPaths(), QStringList{staying}, kWaitMs);
    QTRY_COMPARE_WITH_TIMEOUT(page->currentHidPath(), staying, kWaitMs);
    QTRY_COMPARE_WITH_TIMEOUT(emu::openHandleCount(leavingId), 0, kWaitMs);
    // Three interfaces went, one enumeration followed.
    QTRY_VERIFY_WITH_TIMEOUT(!window->isEnumerationBusy(), kWaitMs);
    QTest::qWait(600);
    QCOMPARE(results.count(), 1);

    // It comes back without a long wait (the program waits 300 ms for the events to settle; the
    // bound leaves room for a loaded machine).
    QElapsedTimer replug;
    replug.start();
    const emu::DeviceId back = emu::plug(leavingSpec);
    const QString backPath = emu::configurationPath(back);
    QStringList both{staying, backPath};
    both.sort();
    QTRY_COMPARE_WITH_TIMEOUT(cardPaths(*window), both, kWaitMs);
    QVERIFY2(replug.elapsed() < 8000, qPrintable(QString::number(replug.elapsed())));
    QTRY_VERIFY_WITH_TIMEOUT(page->deviceLink(backPath) && page->deviceLink(backPath)->isInquiryFinished(), kWaitMs);
    QVERIFY(page->deviceLink(backPath)->getHidInterface()->isHidOpen());
    QTRY_VERIFY_WITH_TIMEOUT(!window->isEnumerationBusy(), kWaitMs);
    QTest::qWait(600);
    QCOMPARE(results.count(), 2);
}

void tst_MainWindowStartup::quickReplugOpensAgain_data()
{
    QTest::addColumn<bool>("mouse");
    QTest::newRow("keyboard") << false;
    QTest::newRow("mouse") << true;
}

void tst_MainWindowStartup::quickReplugOpensAgain()
{
    QFETCH(bool, mouse);
    const emu::DeviceSpec spec = mouse ? emu::mouseSpec() : emu::keyboardSpec();
    const emu::DeviceId first = emu::plug(spec);
    const QString path = emu::configurationPath(first);
    const auto window = makeWindow();
    DDevicePage *page = devicePage(*window);
    QTRY_VERIFY_WITH_TIMEOUT(page->deviceLink(path) && page->deviceLink(path)->isInquiryFinished(), kWaitMs);
    const QPointer<DDeviceKeyboardLink> old = page->deviceLink(path);

    // Out and in again at once (a USB reset): both events fall inside one settling wait, and
    // the kernel hands the device the same path.
    emu::unplug(first);
    const emu::DeviceId back = emu::plug(spec);
    QCOMPARE(emu::configurationPath(back), path);

    // The old link goes, a new one opens the device that came back and talks to it.
    QTRY_VERIFY_WITH_TIMEOUT(page->deviceLink(path) && page->deviceLink(path) != old, kWaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(page->deviceLink(path)->isInquiryFinished(), kWaitMs);
    QVERIFY(page->deviceLink(path)->getHidInterface()->isHidOpen());
    QTRY_VERIFY_WITH_TIMEOUT(!emu::writtenCommand(back, 0x15).isEmpty(), kWaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(old.isNull(), kWaitMs);
    QCOMPARE(emu::openHandleCount(first), 0);
    QTRY_VERIFY_WITH_TIMEOUT(!window->isEnumerationBusy(), kWaitMs);
    QCOMPARE(cardPaths(*window), QStringList{path});
    QCOMPARE(page->linkedHidPaths(), QStringList{path});
}

void tst_MainWindowStartup::twoArrivalsInsideOneEnumeration()
{
    // The window's enumerations, counted, each held before it starts while the test says so.
    struct Gate {
        std::mutex mutex;
        std::condition_variable changed;
        bool holding = false;
        int runs = 0;
    };
    const auto gate = std::make_shared<Gate>();
    auto enumerate = [gate](MainHidInterFace &enumerator, int listType) {
        {
            std::unique_lock<std::mutex> lock(gate->mutex);
            ++gate->runs;
            gate->changed.notify_all();
            gate->changed.wait(lock, [&] { return !gate->holding; });
        }
        enumerator.getHidList(listType);
    };
    auto runs = [gate] {
        std::lock_guard<std::mutex> lock(gate->mutex);
        return gate->runs;
    };
    auto hold = [gate](bool on) {
        std::lock_guard<std::mutex> lock(gate->mutex);
        gate->holding = on;
        gate->changed.notify_all();
    };

    const auto window = makeWindow(QString(), enumerate);
    const auto releaseAtTheEnd = qScopeGuard([&] { hold(false); });  // before the window goes
    QCOMPARE(cardCount(*window), 0);
    QCOMPARE(runs(), 1);  // the one at start

    // The first keyboard's enumeration is held; the second keyboard's events come and settle
    // (300 ms) while it is.
    hold(true);
    const emu::DeviceId first = emu::plug(emu::keyboardSpec(QStringLiteral("ZK87A")));
    QTRY_COMPARE_WITH_TIMEOUT(runs(), 2, kWaitMs);
    QVERIFY(window->isEnumerationBusy());
    const emu::DeviceId second = emu::plug(emu::keyboardSpec(QStringLiteral("ZK104A")));
    QTest::qWait(1500);
    QCOMPARE(runs(), 2);
    QVERIFY(window->isEnumerationBusy());

    // Released, the held enumeration ends and the remembered one runs after it.
    hold(false);
    QTRY_COMPARE_WITH_TIMEOUT(runs(), 3, kWaitMs);
    QStringList both{emu::configurationPath(first), emu::configurationPath(second)};
    both.sort();
    QTRY_COMPARE_WITH_TIMEOUT(cardPaths(*window), both, kWaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(!window->isEnumerationBusy(), kWaitMs);
    QStringList linked = devicePage(*window)->linkedHidPaths();
    linked.sort();
    QCOMPARE(linked, both);
    QTest::qWait(600);
    QCOMPARE(runs(), 3);
}

void tst_MainWindowStartup::closedDuringAnEnumerationLetsItEnd()
{
    // An arrival's enumeration, held until the window is on its way out: the window goes without
    // being told that the enumeration ended, and waits for it.
    struct Gate {
        std::mutex mutex;
        std::condition_variable changed;
        bool holding = true;
        int runs = 0;
    };
    const auto gate = std::make_shared<Gate>();
    auto enumerate = [gate](MainHidInterFace &enumerator, int listType) {
        {
            std::unique_lock<std::mutex> lock(gate->mutex);
            if (++gate->runs > 1)  // the one at start is not held
                gate->changed.wait(lock, [&] { return !gate->holding; });
        }
        enumerator.getHidList(listType);
    };
    auto runs = [gate] {
        std::lock_guard<std::mutex> lock(gate->mutex);
        return gate->runs;
    };

    auto window = makeWindow(QString(), enumerate);
    QCOMPARE(runs(), 1);
    const emu::DeviceId keyboard = emu::plug(emu::keyboardSpec());
    QTRY_COMPARE_WITH_TIMEOUT(runs(), 2, kWaitMs);
    QVERIFY(window->isEnumerationBusy());
    {
        std::lock_guard<std::mutex> lock(gate->mutex);
        gate->holding = false;
    }
    gate->changed.notify_all();
    window.reset();

    // The enumeration ran to its end, the new keyboard's query included, and left nothing open.
    QVERIFY(!emu::writtenCommand(keyboard, 0x0D).isEmpty());
    QCOMPARE(emu::openHandleCount(keyboard), 0);
}

void tst_MainWindowStartup::allDevicesLeaveAtOnce()
{
    const emu::DeviceId keyboard = emu::plug(emu::keyboardSpec());
    const emu::DeviceId mouse = emu::plug(emu::mouseSpec());
    const auto window = makeWindow();
    QCOMPARE(cardCount(*window), 2);

    // Both leave inside one settling wait: one enumeration, both devices gone.
    emu::unplug(keyboard);
    emu::unplug(mouse);
    QTRY_COMPARE_WITH_TIMEOUT(cardCount(*window), 0, kWaitMs);
    // The page follows the result right after the cards (see unplugAndReplugOneOfTwo).
    DDevicePage *page = devicePage(*window);
    QTRY_VERIFY_WITH_TIMEOUT(page->linkedHidPaths().isEmpty(), kWaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(page->currentHidPath().isEmpty(), kWaitMs);
    QTRY_COMPARE_WITH_TIMEOUT(emu::openHandleCount(keyboard), 0, kWaitMs);
    QTRY_COMPARE_WITH_TIMEOUT(emu::openHandleCount(mouse), 0, kWaitMs);

    // The page starts again from the next device.
    const QString path = emu::configurationPath(emu::plug(emu::mouseSpec()));
    QTRY_COMPARE_WITH_TIMEOUT(cardPaths(*window), QStringList{path}, kWaitMs);
    QTRY_COMPARE_WITH_TIMEOUT(page->currentHidPath(), path, kWaitMs);
}

void tst_MainWindowStartup::unsupportedDeviceIgnored()
{
    const auto window = makeWindow();
    QSignalSpy results(devicePage(*window), &DDevicePage::sigHidDeviceListUpdate);

    emu::DeviceSpec foreign = emu::keyboardSpec();
    foreign.vendorId = 0x1234;
    foreign.productId = 0x5678;
    emu::plug(foreign);
    QTest::qWait(1000);
    QCOMPARE(results.count(), 0);
    QVERIFY(!window->isEnumerationBusy());
    QCOMPARE(cardCount(*window), 0);
}

void tst_MainWindowStartup::bootloaderStartsHandOverOnce_data()
{
    QTest::addColumn<int>("vendorId");
    QTest::addColumn<int>("productId");
    QTest::addColumn<int>("handOvers");
    QTest::newRow("0416:3F00") << 0x0416 << 0x3F00 << 1;
    QTest::newRow("0416:3F02") << 0x0416 << 0x3F02 << 1;
    QTest::newRow("0C45:6565") << 0x0C45 << 0x6565 << 1;
    QTest::newRow("0C45:4560") << 0x0C45 << 0x4560 << 1;
    QTest::newRow("0416:3F01") << 0x0416 << 0x3F01 << 0;
    QTest::newRow("0C45:3F00") << 0x0C45 << 0x3F00 << 0;
}

void tst_MainWindowStartup::bootloaderStartsHandOverOnce()
{
    QFETCH(int, vendorId);
    QFETCH(int, productId);
    QFETCH(int, handOvers);

    const auto window = makeWindow();
    DebugLineCounter handOver(kHandOverLine);
    emu::DeviceSpec bootloader = emu::bootloaderSpec(uint16_t(vendorId), uint16_t(productId));
    // However many interfaces it shows, one hand-over.
    bootloader.interfaces = {emu::InterfaceSpec{}, emu::InterfaceSpec{}};
    bootloader.interfaces[1].interfaceNumber = 1;
    emu::plug(bootloader);

    QTest::qWait(500);
    QCOMPARE(handOver.count(), 0);  // not before its second
    if (handOvers > 0)
        QTRY_COMPARE_WITH_TIMEOUT(handOver.count(), handOvers, kWaitMs);
    // Time for a second hand-over, which must not come (nor one for an id that is not a bootloader's).
    QTest::qWait(1500);
    QCOMPARE(handOver.count(), handOvers);
    QCOMPARE(window->firmwareAttemptCount(), 0);
}

QTEST_MAIN(tst_MainWindowStartup)
#include "tst_MainWindowStartup.moc"
