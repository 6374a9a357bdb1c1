// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's one frameless main window. Its constructor is the program's start-up: the data
// manager, the macro library, the device lists, the first-run settings and auto start, the tray
// icon, device notifications, the home, device, macro and linkage pages and their wiring. The
// first enumeration runs in the enumeration thread: the window shows at once, and the connected
// devices are opened, and their cards shown, when its result arrives.
//
// Devices that arrive or leave later are matched against the supported-device list; the events
// of one device settle for 300 ms (each event restarts the wait), then an enumeration thread
// finds what changed and the device page follows. Only one enumeration runs at a time: an event
// that comes meanwhile is remembered and its enumeration runs once the current result has been
// handled. A device in its bootloader starts the firmware hand-over 1000 ms after it arrived.

#include "HidRecords.h"
#include "ReplugWatch.h"
#include "ThreadEnd.h"

#include <QByteArray>
#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QSystemTrayIcon>
#include <QWidget>

#include <functional>
#include <memory>

class DDevicePage;
class DHomePage;
class DLinkagePage;
class DMacroPage;
class CbNotice;
class DSettingsDia;
class DUpdateFirmwareDia;
class BootloaderWriter;
class FirmwareUpdateJob;
class FirstShowAction;
class DeviceNotifier;
class FirmwareImageCatalog;
class FramelessWindowHelper;
class MainHidInterFace;
class QAction;
class QMenu;
class QPropertyAnimation;
class UserSettings;
class QThread;
class QTimer;
class ReportDescriptorReader;
class xmlInterface;

namespace Ui {
class DMainWidget;
}

class DMainWidget : public QWidget
{
    Q_OBJECT
    // Read by the application object: whether a window hidden at start can come back from the tray.
    Q_PROPERTY(bool trayAvailable READ isTrayAvailable)
public:
    // What differs between the program, the demo and the tests.
    struct StartOptions {
        // Creates the device notifier (a child of the window); empty: the system's notifier.
        std::function<DeviceNotifier *(QObject *parent)> createNotifier;
        // Where the enumerator reads report descriptors; empty: sysfs.
        std::shared_ptr<const ReportDescriptorReader> descriptorReader;
        // Whether the first run registers auto start.
        bool registerAutoStart = true;
        // The default configuration read for the title, the fonts and the theme.
        QString defaultConfigPath = QStringLiteral(":/images/configDir/BrivexDefaultConfig.ini");
        // Whether a tray host shows the tray icon; empty: ask the system each time.
        std::function<bool()> trayAvailable;
        // The folder of the firmware images offered for update, one "<model>.hex" per model.
        QString firmwareImageFolder = QStringLiteral(":/images/UpdateHex/");
        // The waits of a firmware update, in milliseconds. They bound only failures: a device
        // that does what it should never waits for one to pass.
        struct FirmwareWaits {
            int handOver = 1000;       // from a bootloader's arrival to writing
            int reply = 2000;          // for a bootloader's reply to one packet
            int retry = 500;           // before the next attempt
            int bootloader = 15000;    // from 0x0B until a bootloader has been found
            int deviceReturn = 20000;  // from the end packet until the unit is back with the new version
        };
        FirmwareWaits firmwareWaits;
        // Runs one enumeration of the given type on the enumerator, in the calling thread (the GUI
        // thread at start, an enumeration thread later); empty: enumerator.getHidList(listType).
        std::function<void(MainHidInterFace &enumerator, int listType)> enumerate;
    };

    explicit DMainWidget(QWidget *parent = nullptr);
    explicit DMainWidget(const StartOptions &options, QWidget *parent = nullptr);
    ~DMainWidget() override;

    void createPages();
    void registerDeviceNotifications();
    // Runs in the enumeration thread: one enumeration of the given type (10 the first, full one;
    // 11 arrival, 12 removal).
    void runPendingEnumeration(int listType);

    // Rebuilds the list of devices whose firmware is older than the image the program carries
    // and, when it is not empty, opens the firmware update window at once (flag not 0) or
    // 1300 ms later (flag 0). False only when a manual check found none.
    bool checkFirmwareUpgrade(int flag);
    // The image the program carries for the record's model is newer than the device's firmware.
    bool checkDeviceFirmware(const HidDeviceInfo &record);
    QList<HidDeviceInfo> getUpgradeList() const;
    // The firmware update window while it is open.
    DUpdateFirmwareDia *getUpgradeDialog() const;
    // Whether an update runs (from the press until its success or final failure).
    bool isUpgradeRunning() const;
    // Called after any failed attempt of the writer: the next attempt, or the final failure.
    void retryFirmwareUpgrade();

    void applyTheme(int index);
    void createTrayMenu();
    void createTrayIcon();
    void stopMacroRecording();

    // True from the start of an enumeration until its result has been handled.
    bool isEnumerationBusy() const;
    // The result of the first enumeration, which starts with the window, has been handed to the
    // pages (or the enumeration ended without one).
    bool isFirstEnumerationApplied() const;
    int firmwareAttemptCount() const;
    QString getCompanyName() const;
    // Whether a tray host shows the tray icon now.
    bool isTrayAvailable() const;
    // The settings dialog while it is open.
    DSettingsDia *settingsDialog() const;
    // Closes every device (their I/O threads end), stops device notifications and waits for a
    // running enumeration. Safe to call more than once.
    void shutDownDevices();

signals:
    void sigHidDeviceConnectChanging_Into(QString hidPath);
    void sigHidDeviceConnectChanging_Remove(QString hidPath);
    // Once, when the first enumeration's devices have been handed to the pages.
    void sigFirstEnumerationApplied();

public slots:
    void onGetHidListSuccessful();
    void onHidDeviceConnectChanging_Into(QString hidPath);
    void onHidDeviceConnectChanging_Remove(QString hidPath);
    void onCurIndexChanged(int selIndex);
    void onHomePageDeviceItemClick(QString hidPath);
    void onChangAppTheme(int index);
    void onMinApp();
    void onQuitApp();
    // The user's Quit (tray menu, or the title bar's close when it does not close to the tray):
    // asks first about unsaved lighting, then quits unless the user chose to stay.
    void onQuitRequested();
    void onCloseWindowForThis_Main();
    void iconActivated(QSystemTrayIcon::ActivationReason reason);
    void onUpdateFirmwareWindowOpen();
    void onUpdateFirmwareWindowClose();
    void ontheHidIntoFirmwareUpgrade();
    void onStartHidUpgrade(QString strHidPath, QString strSN, QString strHidName);
    void onFirmwareUpgradeCheck();
    void omUpdataAllUI();
    void onSettingsWindowClose();
    void onUpdateApp();
    void on_pushButton_Setting_clicked();
    void on_pushButton_Min_clicked();
    void on_pushButton_Max_clicked();
    void on_pushButton_Close_clicked();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void onDeviceArrived(const QString &devicePath);
    void onDeviceRemoved(const QString &devicePath);
    // The supported-device entry whose ids the path carries (first match); -1 without one.
    int supportedEntryFor(const QString &devicePath) const;
    static bool isBootloaderPath(const QString &devicePath);
    void noteSettlingEvent(int listType, const QString &devicePath);
    void onSettled();
    void requestHotPlugEnumeration(int listType);
    void startHotPlugEnumeration(int listType);
    void onHotPlugThreadFinished();
    void runDeferredEnumeration();
    void finishFirstEnumeration();
    void readDeviceLists();
    // One notice per file the XML store refused (or the profile bootstrap set aside), once per run,
    // shown one after another from the end of start-up on.
    void noticeRefusedFiles();
    void showNextFileNotice();

    // Firmware update.
    QString mouseChipName() const;
    void startUpgradeAttempt();
    void onUpgradeAttemptEnded(int outcome);
    void onUpgradeProgress(int total, int done);
    void checkUpgradedDeviceReturn();
    // reportedVersion: what the device says now that it is back (on success).
    void finishUpgrade(bool succeeded, const QString &why, const QString &reportedVersion = QString());
    void offerStoredUpgradeJob();
    bool upgradedUnitIsBack(QString *version) const;
    MainHidInterFace *normalDeviceOf(const FirmwareUpdateJob &job) const;
    void enumerate(int listType);

    std::unique_ptr<Ui::DMainWidget> ui;
    StartOptions options;

    bool pendingHotPlug = false;
    int pendingListType = 10;
    FramelessWindowHelper *framelessHelper = nullptr;
    int currentPageId = 10;
    QPointer<QWidget> settingsMask;
    QPointer<DSettingsDia> settingsDia;
    // The device page's start-up theme, applied when the page is first shown.
    QPointer<FirstShowAction> deviceThemeWhenShown;
    bool devicesShutDown = false;
    std::unique_ptr<MainHidInterFace> enumerator;
    QByteArray macroXmlPath;  // local 8-bit encoding, whole
    std::unique_ptr<xmlInterface> xmlStore;
    QSystemTrayIcon *trayIcon = nullptr;
    std::unique_ptr<QMenu> trayMenu;
    QAction *minimizeAction = nullptr;
    QAction *maximizeAction = nullptr;
    QAction *restoreAction = nullptr;
    QAction *quitAction = nullptr;
    QString companyName = QStringLiteral("CompanyName");
    std::unique_ptr<UserSettings> userSettings;
    DHomePage *homePage = nullptr;
    DDevicePage *devicePage = nullptr;
    DMacroPage *macroPage = nullptr;
    DLinkagePage *linkagePage = nullptr;
    QPropertyAnimation *pageAnimation = nullptr;

    // Firmware update.
    QList<HidDeviceInfo> upgradeList;
    QPointer<DUpdateFirmwareDia> upgradeDialog;
    QPointer<QWidget> upgradeMask;
    int m_testNum = 0;
    QString newVersionText;
    std::unique_ptr<FirmwareImageCatalog> firmwareImages;  // read once per window, on the first check
    int upgradeWindowManual = 0;
    int upgradeRetryCount = 0;
    QString upgradeFileName;
    int upgradeImageLength = 0;
    // The update that runs, or that failed and may be run again; kept in the user settings
    // after a failure until its unit is back in normal mode.
    std::unique_ptr<FirmwareUpdateJob> upgradeJob;
    bool upgradeRunning = false;
    bool upgradeWaitsForReturn = false;
    BootloaderWriter *upgradeWriter = nullptr;
    QTimer *upgradeRetryTimer = nullptr;
    QTimer *upgradeBootloaderDeadline = nullptr;
    QTimer *upgradeReturnTimer = nullptr;
    qint64 upgradeReturnDeadline = 0;

    // Device arrival and removal; all of it belongs to the GUI thread.
    DeviceNotifier *deviceNotifier = nullptr;
    QTimer *settleTimer = nullptr;
    ReplugWatch replugs;  // devices that leave and come back under the same path
    QTimer *bootloaderTimer = nullptr;
    QList<int> settlingListTypes;  // 11 and 12 in the order their first event came
    QString settlingArrivalPath;
    QString settlingRemovalPath;
    QList<int> deferredListTypes;  // waiting for the running enumeration
    QThread *hotPlugThread = nullptr;
    ThreadEnd hotPlugEnd;  // orders the enumeration thread's last steps before what follows its wait()
    bool firstEnumerationApplied = false;
    bool handlingResult = false;

    // Notices of files that could not be read.
    CbNotice *fileNotice = nullptr;
    QStringList pendingFileNotices;
    QStringList noticedFiles;
    bool fileNoticesReady = false;
};
