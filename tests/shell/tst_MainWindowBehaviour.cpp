// SPDX-License-Identifier: GPL-3.0-or-later
// The main window after start-up, with emulated devices: the settings dialog and its mask,
// theme and language changes across the pages, closing to the tray and quitting.

#include "DDataManager.h"
#include "DDeviceKeyboardLink.h"
#include "DDevicePage.h"
#include "DHomePage.h"
#include "DMainWidget.h"
#include "DSettingsDia.h"
#include "Emulator.h"
#include "EmulatorDeviceNotifier.h"
#include "EmulatorReportDescriptorReader.h"
#include "FirstEnumeration.h"
#include "MainHidInterFace.h"
#include "QtLinguist.h"
#include "SettingsTestSupport.h"
#include "ThreadEnd.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QStackedWidget>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

using namespace std::chrono_literals;

namespace {

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

}  // namespace

class tst_MainWindowBehaviour : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void settingsDialogEndsWithoutMask_data();
    void settingsDialogEndsWithoutMask();
    void themeFromDialogRestylesWindowAndPages();
    void storedThemeIndexPicksLogo_data();
    void storedThemeIndexPicksLogo();
    void languageFromDialogRetranslatesWindowAndPages();
    void noAutoStartBoxWhereAutoStartIsNeverRegistered();
    void closeButton_data();
    void closeButton();
    void quitClosesDevicesCleanly();
    void trayActivationRestores();

private:
    std::unique_ptr<DMainWidget> makeWindow(bool trayHost = true);
    // Opens the settings dialog and runs the step while it is shown; returns when it has ended.
    void withSettingsDialog(DMainWidget &window, const std::function<void(DSettingsDia *)> &step);

    std::unique_ptr<QtLinguist> linguist;
};

void tst_MainWindowBehaviour::initTestCase()
{
    // Every worker here ends before its owner enters wait(): the order in which only ThreadEnd's
    // steps order the two for the race detector, so a missing step is reported on every run.
    ThreadEnd::setWorkerEndsFirst(true);
    DDataManager::getInstance();
    linguist = std::make_unique<QtLinguist>(QStringLiteral(ZELKA_TRANSLATION_DIR));
}

void tst_MainWindowBehaviour::init()
{
    emu::reset();
    QFile::remove(userIniPath());
    DDataManager::getInstance()->loadThemeConfig(0);
}

void tst_MainWindowBehaviour::cleanup()
{
    DSettingsDia::setLanguageLoader({});
    linguist->loadLanguage(QtLinguist::English);
    emu::reset();
}

std::unique_ptr<DMainWidget> tst_MainWindowBehaviour::makeWindow(bool trayHost)
{
    DMainWidget::StartOptions options;
    options.createNotifier = [](QObject *parent) { return new EmulatorDeviceNotifier(parent); };
    options.descriptorReader = std::make_shared<EmulatorReportDescriptorReader>();
    options.registerAutoStart = false;
    options.trayAvailable = [trayHost] { return trayHost; };
    auto window = std::make_unique<DMainWidget>(options);
    if (!firstEnumeration::applied(*window))
        QTest::qFail("the first enumeration was not applied", __FILE__, __LINE__);
    window->resize(1280, 715);
    window->show();
    return window;
}

void tst_MainWindowBehaviour::withSettingsDialog(DMainWidget &window, const std::function<void(DSettingsDia *)> &step)
{
    bool ran = false;
    QTimer::singleShot(0, &window, [&] {
        DSettingsDia *dialog = window.settingsDialog();
        QVERIFY(dialog);
        QVERIFY(dialog->isVisible());
        // The mask covers the window while the dialog runs.
        const QPoint centre = window.rect().center();
        QCOMPARE(window.childAt(centre)->objectName(), QStringLiteral("widget"));
        ran = true;
        step(dialog);
        // A step that left the dialog open: end it here so the test goes on.
        if (window.settingsDialog() && window.settingsDialog()->isVisible())
            window.settingsDialog()->reject();
    });
    QMetaObject::invokeMethod(&window, "on_pushButton_Setting_clicked");
    QVERIFY(ran);
    flushDeletes();
}

void tst_MainWindowBehaviour::settingsDialogEndsWithoutMask_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Esc") << QStringLiteral("esc");
    QTest::newRow("close button") << QStringLiteral("button");
    QTest::newRow("window manager") << QStringLiteral("close");
}

void tst_MainWindowBehaviour::settingsDialogEndsWithoutMask()
{
    QFETCH(QString, how);
    const auto window = makeWindow();
    for (int round = 0; round < 2; ++round) {
        withSettingsDialog(*window, [&](DSettingsDia *dialog) {
            if (how == QLatin1String("esc"))
                QTest::keyClick(dialog, Qt::Key_Escape);
            else if (how == QLatin1String("button"))
                child<QPushButton>(dialog, "pushButton_Close")->click();
            else
                dialog->close();
        });
        QVERIFY(!window->settingsDialog());
        QVERIFY(window->findChildren<DSettingsDia *>().isEmpty());
        QVERIFY(!window->findChild<QWidget *>(QStringLiteral("widget")));
    }
    // What a click lands on is the page button again, and it switches the page.
    QPushButton *macro = child<QPushButton>(window.get(), "pushButton_Macro");
    const QPoint at = macro->mapTo(window.get(), macro->rect().center());
    QCOMPARE(window->childAt(at), macro);
    QTest::mouseClick(macro, Qt::LeftButton);
    QCOMPARE(child<QStackedWidget>(window.get(), "stackedWidget_Main")->currentWidget()->objectName(),
             QStringLiteral("page_Macro"));
}

void tst_MainWindowBehaviour::themeFromDialogRestylesWindowAndPages()
{
    const auto window = makeWindow();
    QWidget *title = child<QWidget>(window.get(), "frame_Title");
    QWidget *main = child<QWidget>(window.get(), "frame_Main");
    DHomePage *home = window->findChild<DHomePage *>();
    const QImage titleDark = title->grab().toImage();
    const QImage mainDark = main->grab().toImage();
    const QImage homeDark = home->grab().toImage();

    withSettingsDialog(*window, [](DSettingsDia *dialog) {
        child<QComboBox>(dialog, "comboBox_Theme")->setCurrentIndex(1);
        dialog->reject();
    });
    const ThemeColorConfig light = DDataManager::getInstance()->getThemeColor();
    QVERIFY(main->styleSheet().contains(light.MainWidgetBgColor));
    QVERIFY(title->grab().toImage() != titleDark);
    QVERIFY(main->grab().toImage() != mainDark);
    QVERIFY(home->grab().toImage() != homeDark);
    QVERIFY(child<QPushButton>(window.get(), "pushButton")->styleSheet().contains(QStringLiteral("leftTopLogo_Light")));

    // A new window starts in the chosen theme.
    QCOMPARE(QSettings(userIniPath(), QSettings::IniFormat).value(QStringLiteral("Theme/selectThemeIndex")).toInt(), 1);
}

void tst_MainWindowBehaviour::storedThemeIndexPicksLogo_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QString>("logo");
    QTest::newRow("Blue") << QVariant(2) << QStringLiteral("leftTopLogo_Blue.png");
    // A hand-edited index without a theme shows the dark theme's logo, as its colours are the dark ones.
    QTest::newRow("too large") << QVariant(9) << QStringLiteral("leftTopLogo_Black.png");
    QTest::newRow("negative") << QVariant(-2) << QStringLiteral("leftTopLogo_Black.png");
    QTest::newRow("text") << QVariant(QStringLiteral("Pink")) << QStringLiteral("leftTopLogo_Black.png");
}

void tst_MainWindowBehaviour::storedThemeIndexPicksLogo()
{
    QFETCH(QVariant, stored);
    QFETCH(QString, logo);
    QSettings(userIniPath(), QSettings::IniFormat).setValue(QStringLiteral("Theme/selectThemeIndex"), stored);
    const auto window = makeWindow();
    QVERIFY2(child<QPushButton>(window.get(), "pushButton")->styleSheet().contains(logo),
             qPrintable(child<QPushButton>(window.get(), "pushButton")->styleSheet()));
}

void tst_MainWindowBehaviour::languageFromDialogRetranslatesWindowAndPages()
{
    const auto window = makeWindow();
    QPushButton *home = child<QPushButton>(window.get(), "pushButton_Home");
    QLabel *tip = child<QLabel>(window->findChild<DHomePage *>(), "label_Tip");
    const QString companyTitle = window->windowTitle();
    QCOMPARE(home->text(), QStringLiteral("HOME"));

    auto choose = [&](const QString &language) {
        withSettingsDialog(*window, [&](DSettingsDia *dialog) {
            QComboBox *box = child<QComboBox>(dialog, "comboBox_Language");
            box->setCurrentIndex(box->findText(language));
            dialog->reject();
        });
    };

    // A language that does not load changes nothing.
    DSettingsDia::setLanguageLoader([](int) { return false; });
    choose(QStringLiteral("Italiano"));
    QCOMPARE(home->text(), QStringLiteral("HOME"));

    DSettingsDia::setLanguageLoader(
        [this](int language) { return linguist->loadLanguage(QtLinguist::Language(language)); });
    choose(QStringLiteral("Deutsch"));
    QCOMPARE(home->text(), QStringLiteral("START"));
    QCOMPARE(tip->text(), QString::fromUtf8("Gerät nicht verbunden"));
    QCOMPARE(window->windowTitle(), companyTitle);
    QCOMPARE(child<QLabel>(window.get(), "label_AppName")->text(), companyTitle);
    QVERIFY(!child<QPushButton>(window.get(), "pushButton_Linkage")->isVisibleTo(window.get()));

    // Then a failed load keeps the German texts.
    DSettingsDia::setLanguageLoader([](int) { return false; });
    choose(QStringLiteral("Polski"));
    QCOMPARE(home->text(), QStringLiteral("START"));
}

void tst_MainWindowBehaviour::closeButton_data()
{
    QTest::addColumn<bool>("closeToTray");
    QTest::addColumn<bool>("trayHost");
    QTest::addColumn<QString>("outcome");
    QTest::newRow("to tray") << true << true << QStringLiteral("hidden");
    QTest::newRow("to tray, no tray host") << true << false << QStringLiteral("minimised");
    QTest::newRow("quit") << false << true << QStringLiteral("quit");
}

void tst_MainWindowBehaviour::closeButton()
{
    QFETCH(bool, closeToTray);
    QFETCH(bool, trayHost);
    QFETCH(QString, outcome);
    const emu::DeviceId keyboard = emu::plug(emu::keyboardSpec());
    const auto window = makeWindow(trayHost);
    {
        QSettings settings(userIniPath(), QSettings::IniFormat);
        settings.setValue(QStringLiteral("CloseToTray/isCloseToTray"), closeToTray);
    }
    QCOMPARE(emu::openHandleCount(keyboard) > 0, true);
    child<QPushButton>(window.get(), "pushButton_Close")->click();

    QCOMPARE(window->isVisible(), outcome != QLatin1String("hidden") && outcome != QLatin1String("quit"));
    QCOMPARE(window->isMinimized(), outcome == QLatin1String("minimised"));
    // Only quitting lets the device go.
    QCOMPARE(emu::openHandleCount(keyboard) == 0, outcome == QLatin1String("quit"));
}

void tst_MainWindowBehaviour::quitClosesDevicesCleanly()
{
    const emu::DeviceId keyboard = emu::plug(emu::keyboardSpec());
    const emu::DeviceId mouse = emu::plug(emu::mouseSpec());
    const auto window = makeWindow();
    DDevicePage *page = window->findChild<DDevicePage *>();
    QCOMPARE(page->linkedHidPaths().size(), 2);
    QList<MainHidInterFace *> transports;
    for (const QString &path : page->linkedHidPaths())
        transports << page->deviceLink(path)->getHidInterface();
    for (MainHidInterFace *transport : transports)
        QVERIFY(transport->isRunning());

    // The log's name, taken before the quit: a run across midnight must not look for tomorrow's.
    const QDate today = QDate::currentDate();
    bool loopEnded = false;
    QEventLoop loop;
    QTimer::singleShot(0, window.get(), [&] { window->onQuitApp(); });
    QTimer::singleShot(10000, &loop, [&] { loop.exit(1); });
    loopEnded = loop.exec() == 0;
    QVERIFY(loopEnded);

    // Every I/O thread ended and every handle was closed before the loop ended.
    for (MainHidInterFace *transport : transports)
        QVERIFY(transport->isFinished());
    QCOMPARE(emu::openHandleCount(keyboard), 0);
    QCOMPARE(emu::openHandleCount(mouse), 0);
    QVERIFY(!window->isVisible());

    // Nothing more reaches the devices.
    emu::clearWritten(keyboard);
    emu::clearWritten(mouse);
    QTest::qWait(300);
    QVERIFY(emu::written(keyboard).isEmpty());
    QVERIFY(emu::written(mouse).isEmpty());

    // The log's last line is the stop line.
    const QString log =
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
        + QStringLiteral("/LogCollect/%1-%2-%3_Log.txt").arg(today.year()).arg(today.month()).arg(today.day());
    QFile file(log);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(log));
    const QList<QByteArray> lines = file.readAll().trimmed().split('\n');
    QVERIFY(lines.last().contains("*** Stop collect log:"));
}

void tst_MainWindowBehaviour::noAutoStartBoxWhereAutoStartIsNeverRegistered()
{
    // The demo's windows are built this way: its settings dialog must not write an autostart entry.
    auto window = makeWindow(true);
    withSettingsDialog(*window, [](DSettingsDia *dialog) {
        QVERIFY(!dialog->findChild<QCheckBox *>(QStringLiteral("checkBox_AutoStart"))->isEnabled());
    });
}

void tst_MainWindowBehaviour::trayActivationRestores()
{
    const auto window = makeWindow();
    window->onMinApp();
    QVERIFY(!window->isVisible());
    window->iconActivated(QSystemTrayIcon::MiddleClick);
    QVERIFY(!window->isVisible());
    window->iconActivated(QSystemTrayIcon::DoubleClick);
    QVERIFY(window->isVisible());
    QVERIFY(!window->isMinimized());
}

QTEST_MAIN(tst_MainWindowBehaviour)
#include "tst_MainWindowBehaviour.moc"
