// SPDX-License-Identifier: GPL-3.0-or-later
#include "DMainWidget.h"
#include "ui_DMainWidget.h"

#include "AutoStartEntry.h"
#include "BootloaderWriter.h"
#include "CbNotice.h"
#include "DDataManager.h"
#include "DDeviceKeyboardLink.h"
#include "DDevicePage.h"
#include "DeviceModels.h"
#include "DeviceNotifier.h"
#include "DHomePage.h"
#include "DLinkagePage.h"
#include "DMacroPage.h"
#include "DSettingsDia.h"
#include "DUpdateFirmwareDia.h"
#include "FirmwareImageCatalog.h"
#include "FirmwareImageLayout.h"
#include "FirmwareUpdateJob.h"
#include "FirstShowAction.h"
#include "FramelessWindowHelper.h"
#include "LogCategories.h"
#include "MainHidInterFace.h"
#include "ReportDescriptorReader.h"
#include "SupportedIdMatch.h"
#include "SystemDeviceNotifier.h"
#include "ThemeStyleSheets.h"
#include "UpdateFirmwareInfoItem.h"
#include "UserSettings.h"
#include "WorkerThread.h"
#include "xmlInterface.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QDateTime>
#include <QDesktopWidget>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QPropertyAnimation>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int kListFull = 10;
constexpr int kListArrival = 11;
constexpr int kListRemoval = 12;
constexpr int kSettleMs = 300;
constexpr int kUpgradeReturnPollMs = 100;
constexpr int kAutoUpgradeDelayMs = 1300;

QString timeStamp()
{
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyy/MM/dd hh:mm:ss ddd"));
}

// The picture name of a theme; an index without a theme shows the dark theme, as its colours do.
QString themeName(int index)
{
    switch (index) {
    case 1:
        return QStringLiteral("Light");
    case 2:
        return QStringLiteral("Blue");
    case 3:
        return QStringLiteral("Pink");
    case 4:
        return QStringLiteral("Other");
    default:
        return QStringLiteral("Black");
    }
}

// Where a device list file is read from: the "configDir" folder beside the program when the
// default configuration says so, otherwise a copy of the resource in a temporary folder (which
// lives as long as the returned folder object). When no copy can be made there, the resource
// itself, which the XML store reads from memory.
QString deviceListPath(const QString &name, QTemporaryDir *folder)
{
    if (DDataManager::getInstance()->getUserConfig())
        return QCoreApplication::applicationDirPath() + QStringLiteral("/configDir/") + name;
    const QString resource = QStringLiteral(":/images/configDir/") + name;
    const QString copy = folder->isValid() ? folder->path() + QLatin1Char('/') + name : QString();
    if (!copy.isEmpty() && QFile::copy(resource, copy))
        return copy;
    qCWarning(lcUi).noquote() << "DMainWidget: no copy of" << name << "in the temporary folder" << QDir::tempPath()
                              << "; the device list is read from the program's own copy";
    DDataManager::getInstance()->writeLog(
        QStringLiteral("-------------------- *** No temporary copy of %1; read from memory *** --------------------")
            .arg(name));
    return resource;
}

}  // namespace

DMainWidget::DMainWidget(QWidget *parent)
    : DMainWidget(StartOptions(), parent)
{
}

DMainWidget::DMainWidget(const StartOptions &startOptions, QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::DMainWidget>())
    , options(startOptions)
{
    ui->setupUi(this);
    setWindowFlags(Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint | Qt::WindowSystemMenuHint);

    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        if (available.width() > 1920 || available.height() > 1080)
            setMinimumSize(1550, 850);
        else
            setMinimumSize(1280, 715);
    }

    // Moving and resizing the frameless window.
    framelessHelper = new FramelessWindowHelper(this);
    framelessHelper->setDragArea(ui->frame_4);
    framelessHelper->addTrackedFrame(ui->frame_Bg);
    framelessHelper->addTrackedFrame(ui->frame_Title);
    framelessHelper->addTrackedFrame(ui->frame_Main);
    framelessHelper->addTrackedFrame(ui->stackedWidget_Main);
    setMouseTracking(true);
    setCursor(Qt::ArrowCursor);

    // The data manager comes to life here: folders, daily log, settings, theme, fonts.
    DDataManager *dataManager = DDataManager::getInstance();
    dataManager->writeLog(QStringLiteral("********************--------------------Into DMainWidget INIT:")
                          + timeStamp());

    ui->pushButton_Linkage->hide();

    {
        QSettings defaultConfig(options.defaultConfigPath, QSettings::IniFormat);
        defaultConfig.setIniCodec("UTF-8");
        dataManager->setUseFontStatus(
            defaultConfig.value(QStringLiteral("UseLocalFont/useFontStatus"), false).toBool());
        if (defaultConfig.contains(QStringLiteral("CompanyName/ComName")))
            companyName = defaultConfig.value(QStringLiteral("CompanyName/ComName")).toString();
    }
    setWindowTitle(companyName);

    QFont nameFont = dataManager->getFont(0);
    nameFont.setPointSize(16);
    ui->label_AppName->setFont(nameFont);
    ui->label_AppName->setText(companyName);

    const QString logo = QStringLiteral(":/images/brivexLogo.png");
    ui->appLogo->setStyleSheet(QStringLiteral("QPushButton{border-image: url(%1);}").arg(logo));
    setWindowIcon(QIcon(logo));

    const QString macroPath = dataManager->getUserConfigDir() + QStringLiteral("/brivexMacro.xml");
    macroXmlPath = macroPath.toLocal8Bit();
    xmlStore = std::make_unique<xmlInterface>();
    xmlStore->setLogWriter([](const QString &line) { DDataManager::getInstance()->writeLog(line); });
    // Only a missing library is made anew; anything else at the path is the user's and stays.
    if (!QFileInfo::exists(macroPath) && !QFileInfo(macroPath).isSymLink())
        xmlStore->createXmlFile(macroXmlPath.constData());

    readDeviceLists();

    userSettings = std::make_unique<UserSettings>();
    {
        const UserSettings existing;
        if (!existing.contains(UserSettingsKey::AutoStart)) {
            // An entry the user keeps, switched off or not, is theirs: it is neither rewritten nor
            // turned back on, and the setting follows it.
            const QString name = QCoreApplication::applicationName();
            const bool switchedOff = options.registerAutoStart && AutoStartEntry::isDisabledByUser(name);
            userSettings->setValue(UserSettingsKey::AutoStart, !switchedOff);
            if (options.registerAutoStart && !AutoStartEntry::isEnabled(name)
                && !QFileInfo(AutoStartEntry::entryPath(name)).isSymLink()
                && !AutoStartEntry::enable(name, QCoreApplication::applicationFilePath()))
                qCDebug(lcUi) << "---------------- *** Auto start could not be registered *** ----------------";
        }
        if (!existing.contains(UserSettingsKey::MinimizeToTray))
            userSettings->setValue(UserSettingsKey::MinimizeToTray, true);
        if (!existing.contains(UserSettingsKey::CloseToTray))
            userSettings->setValue(UserSettingsKey::CloseToTray, true);
    }
    userSettings->setValue(UserSettingsKey::MainWindowId, int(winId()));
    if (!userSettings->sync())
        qCDebug(lcUi) << "---------------- *** User settings not written:" << userSettings->fileName()
                      << "*** ----------------";

    if (dataManager->getSupportAnimation()) {
        pageAnimation = new QPropertyAnimation(ui->stackedWidget_Main, "geometry", this);
        pageAnimation->setTargetObject(ui->stackedWidget_Main);
        pageAnimation->setDuration(500);
    }

    createTrayIcon();
    registerDeviceNotifications();

    auto *pageButtons = new QButtonGroup(this);
    pageButtons->addButton(ui->pushButton_Home, 10);
    pageButtons->addButton(ui->pushButton_Device, 11);
    pageButtons->addButton(ui->pushButton_Macro, 12);
    pageButtons->addButton(ui->pushButton_Linkage, 13);
    ui->pushButton_Home->setChecked(true);
    connect(pageButtons, &QButtonGroup::idClicked, this, &DMainWidget::onCurIndexChanged);

    // The firmware update: one writer, the wait before a retry, the bootloader's deadline after
    // 0x0B, and the watch for the unit's return after the end packet.
    upgradeWriter = new BootloaderWriter(this);
    connect(upgradeWriter, &BootloaderWriter::progress, this, &DMainWidget::onUpgradeProgress);
    connect(upgradeWriter, &BootloaderWriter::attemptEnded, this, &DMainWidget::onUpgradeAttemptEnded);
    upgradeRetryTimer = new QTimer(this);
    upgradeRetryTimer->setSingleShot(true);
    connect(upgradeRetryTimer, &QTimer::timeout, this, &DMainWidget::startUpgradeAttempt);
    upgradeBootloaderDeadline = new QTimer(this);
    upgradeBootloaderDeadline->setSingleShot(true);
    connect(upgradeBootloaderDeadline, &QTimer::timeout, this, [this] {
        if (upgradeRunning && !upgradeWriter->isRunning() && !upgradeWaitsForReturn)
            finishUpgrade(false, QStringLiteral("no bootloader came after the device was sent into it"));
    });
    upgradeReturnTimer = new QTimer(this);
    upgradeReturnTimer->setInterval(kUpgradeReturnPollMs);
    connect(upgradeReturnTimer, &QTimer::timeout, this, &DMainWidget::checkUpgradedDeviceReturn);

    createPages();
    devicePage->setMainWindow(this);

    // The enumerator only lists devices; its own thread never runs.
    enumerator = std::make_unique<MainHidInterFace>(0, QStringLiteral("mainThread"));
    enumerator->setHidNameList(dataManager->getHidNameList());
    if (options.descriptorReader)
        enumerator->setReportDescriptorReader(options.descriptorReader);
    connect(enumerator.get(), &MainHidInterFace::sigGetHidListSuccessful, this, &DMainWidget::onGetHidListSuccessful);
    // The first enumeration runs in the enumeration thread, so that the window shows while the
    // devices answer their information queries; the device page and the home page's cards
    // follow when the result arrives.
    startHotPlugEnumeration(kListFull);

    connect(this, &DMainWidget::sigHidDeviceConnectChanging_Into, this, &DMainWidget::onHidDeviceConnectChanging_Into);
    connect(this, &DMainWidget::sigHidDeviceConnectChanging_Remove, this,
            &DMainWidget::onHidDeviceConnectChanging_Remove);

    dataManager->writeLog(QStringLiteral("********************--------------------END DMainWidget INIT:")
                          + timeStamp());

    // The window and the home page, shown first, get their start-up theme now; the device page
    // when it is first shown, the macro page when it is first shown or else just after the
    // window's first paint (unless a theme change comes first).
    applyTheme(userSettings->themeIndex());
    homePage->applyTheme();
    macroPage->applyThemeLater();
    deviceThemeWhenShown = new FirstShowAction(devicePage, [this] { devicePage->applyTheme(); });

    std::fputs("----------------------------------*** Brivex Runing ***--------------------------------\n", stdout);
    std::fflush(stdout);
    qCDebug(lcUi) << "---------------- *** Win *** ----------------";

    // Devices that came or went while the window was being built.
    runDeferredEnumeration();

    // Files that could not be read are named once the window is up, and whenever another one is met.
    fileNotice = new CbNotice(this);
    fileNotice->setObjectName(QStringLiteral("fileNotice"));
    fileNotice->setTextPixelSize(16);
    connect(fileNotice, &CbNotice::sigFinished, this, &DMainWidget::showNextFileNotice);
    connect(xmlStore.get(), &xmlInterface::sigFileRefused, this, &DMainWidget::noticeRefusedFiles,
            Qt::QueuedConnection);
    QTimer::singleShot(0, this, [this] {
        fileNoticesReady = true;
        noticeRefusedFiles();
    });
}

void DMainWidget::noticeRefusedFiles()
{
    if (!fileNoticesReady || !xmlStore)
        return;
    const QDir appData(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    auto shortName = [&appData](const QString &path) {
        const QString relative = appData.relativeFilePath(path);
        return QDir::toNativeSeparators(relative.startsWith(QLatin1String("..")) ? path : relative);
    };
    for (const xmlInterface::RefusedFile &file : xmlStore->refusedFiles()) {
        const QString key = file.path + QLatin1Char('\n') + file.asidePath;
        if (noticedFiles.contains(key))
            continue;
        noticedFiles.append(key);
        // A profile set aside while its device page is in front: that page has said so itself.
        if (!file.asidePath.isEmpty() && isVisible() && ui->stackedWidget_Main->currentWidget() == ui->page_Device)
            continue;
        if (file.asidePath.isEmpty())
            pendingFileNotices.append(
                tr("The file %1 could not be read; it was left as it is.").arg(shortName(file.path)));
        else
            pendingFileNotices.append(tr("The file %1 could not be read; it was kept as %2 and a new one was made.")
                                          .arg(shortName(file.path), QFileInfo(file.asidePath).fileName()));
    }
    if (!fileNotice->isVisible())
        showNextFileNotice();
}

void DMainWidget::showNextFileNotice()
{
    if (pendingFileNotices.isEmpty())
        return;
    fileNotice->showTextAt(pendingFileNotices.takeFirst(), rect().center());
}

DMainWidget::~DMainWidget()
{
    shutDownDevices();
    if (trayIcon)
        trayIcon->hide();
    // The pages (and the device links) use the XML store, which goes with this object's members.
    delete devicePage;
    devicePage = nullptr;
    delete macroPage;
    macroPage = nullptr;
}

void DMainWidget::readDeviceLists()
{
    DDataManager *dataManager = DDataManager::getInstance();

    QList<HidListInfo> hidList;
    {
        QTemporaryDir folder;
        const QString path = deviceListPath(QStringLiteral("hidList.xml"), &folder);
        if (!path.isEmpty())
            xmlStore->readHidList(path.toLocal8Bit().constData(), &hidList);
    }
    QStringList names;
    QMap<QString, QString> likeNames;
    QMap<QString, QString> productNames;
    QMap<QString, int> keyNums;
    QMap<QString, HidListInfo> entries;
    for (const HidListInfo &entry : qAsConst(hidList)) {
        const QString name = QString::fromUtf8(entry.hidName);
        names.append(name);
        likeNames.insert(name, QString::fromUtf8(entry.likeName));
        productNames.insert(name, QString::fromUtf8(entry.productName));
        keyNums.insert(name, entry.keyNum);
        entries.insert(name, entry);
    }
    dataManager->setHidNameList(names);
    dataManager->setLikeNameMap(likeNames);
    dataManager->setProductNameMap(productNames);
    dataManager->setKeyNumMap(keyNums);
    dataManager->setHidListInfoMap(entries);

    QList<SupportHidInfo> supportList;
    {
        QTemporaryDir folder;
        const QString path = deviceListPath(QStringLiteral("hidListSupport.xml"), &folder);
        if (!path.isEmpty())
            xmlStore->readHidSupportList(path.toLocal8Bit().constData(), &supportList);
    }
    dataManager->setHidSupportList(supportList);
    qCDebug(lcUi) << "---------------------------- *** Get supportHid Over *** --------------------------------";
}

void DMainWidget::createPages()
{
    devicePage = new DDevicePage(ui->page_Device);
    ui->page_Device->layout()->addWidget(devicePage);
    devicePage->setMacroXml(macroXmlPath.constData(), xmlStore.get());
    connect(devicePage, &DDevicePage::sigCloseWindowForThis_DevicePage, this, &DMainWidget::onCloseWindowForThis_Main);

    homePage = new DHomePage(ui->page_Home);
    ui->page_Home->layout()->addWidget(homePage);
    connect(devicePage, &DDevicePage::sigHidDeviceListUpdate, homePage, &DHomePage::sigHidDeviceListUpdateHome);
    // The window switches to the Device page before the page switches to the device.
    connect(homePage, &DHomePage::sigHomePage, this, &DMainWidget::onHomePageDeviceItemClick);
    connect(homePage, &DHomePage::sigHomePage, devicePage, &DDevicePage::sigHomePageDeviceItemClicked);
    homePage->showDeviceList(devicePage->getHidStructInfoList());

    macroPage = new DMacroPage(ui->page_Macro);
    ui->page_Macro->layout()->addWidget(macroPage);
    macroPage->setMacroXml(macroXmlPath.constData(), xmlStore.get());
    connect(macroPage, &DMacroPage::sigMacroListHaveChanged, devicePage,
            &DDevicePage::sigMacroListHaveChangedSendToDevice);
    connect(macroPage, &DMacroPage::sigHookKeyboardRecviveStream, devicePage,
            &DDevicePage::sigHookKeyboardRecviveStreamToDevice);

    linkagePage = new DLinkagePage(ui->page_Linkage);
    ui->page_Linkage->layout()->addWidget(linkagePage);
}

void DMainWidget::registerDeviceNotifications()
{
    deviceNotifier = options.createNotifier ? options.createNotifier(this) : createSystemDeviceNotifier(this);
    if (!deviceNotifier || !deviceNotifier->isActive()) {
        qCDebug(lcUi) << "---------------- *** Device notification registration failed: devices that come or go"
                         " are not followed *** ----------------";
        if (!deviceNotifier)
            return;
    }
    connect(deviceNotifier, &DeviceNotifier::deviceArrived, this, &DMainWidget::onDeviceArrived);
    connect(deviceNotifier, &DeviceNotifier::deviceRemoved, this, &DMainWidget::onDeviceRemoved);

    settleTimer = new QTimer(this);
    settleTimer->setSingleShot(true);
    settleTimer->setInterval(kSettleMs);
    connect(settleTimer, &QTimer::timeout, this, &DMainWidget::onSettled);

    bootloaderTimer = new QTimer(this);
    bootloaderTimer->setSingleShot(true);
    bootloaderTimer->setInterval(options.firmwareWaits.handOver);
    connect(bootloaderTimer, &QTimer::timeout, this, &DMainWidget::ontheHidIntoFirmwareUpgrade);
}

int DMainWidget::supportedEntryFor(const QString &devicePath) const
{
    int vendorId = 0;
    int productId = 0;
    if (!DeviceNotifier::idsFromPath(devicePath, &vendorId, &productId))
        return -1;
    return supportedEntryIndex(DDataManager::getInstance()->getHidSupportList(), vendorId, productId);
}

bool DMainWidget::isBootloaderPath(const QString &devicePath)
{
    int vendorId = 0;
    int productId = 0;
    if (!DeviceNotifier::idsFromPath(devicePath, &vendorId, &productId))
        return false;
    return models::isBootloaderId(vendorId, productId);
}

void DMainWidget::onDeviceArrived(const QString &devicePath)
{
    qCDebug(lcUi) << "-------------------------- ******** Path:" << devicePath;
    if (supportedEntryFor(devicePath) >= 0) {
        replugs.noteArrival(devicePath);
        noteSettlingEvent(kListArrival, devicePath);
    }
    if (isBootloaderPath(devicePath)) {
        // Every interface of the bootloader restarts the one timer.
        upgradeRetryCount = 0;
        bootloaderTimer->start();
    }
}

void DMainWidget::onDeviceRemoved(const QString &devicePath)
{
    if (supportedEntryFor(devicePath) >= 0) {
        replugs.noteRemoval(devicePath);
        noteSettlingEvent(kListRemoval, devicePath);
    }
}

void DMainWidget::noteSettlingEvent(int listType, const QString &devicePath)
{
    if (!settlingListTypes.contains(listType))
        settlingListTypes.append(listType);
    if (listType == kListArrival)
        settlingArrivalPath = devicePath;
    else
        settlingRemovalPath = devicePath;
    settleTimer->start();
}

void DMainWidget::onSettled()
{
    const QList<int> types = settlingListTypes;
    settlingListTypes.clear();
    for (const int type : types) {
        if (type == kListArrival)
            emit sigHidDeviceConnectChanging_Into(settlingArrivalPath);
        else
            emit sigHidDeviceConnectChanging_Remove(settlingRemovalPath);
    }
}

void DMainWidget::onHidDeviceConnectChanging_Into(QString)
{
    requestHotPlugEnumeration(kListArrival);
}

void DMainWidget::onHidDeviceConnectChanging_Remove(QString)
{
    requestHotPlugEnumeration(kListRemoval);
}

bool DMainWidget::isEnumerationBusy() const
{
    return hotPlugThread != nullptr || pendingHotPlug || handlingResult;
}

void DMainWidget::requestHotPlugEnumeration(int listType)
{
    if (isEnumerationBusy() || !deferredListTypes.isEmpty()) {
        // An enumeration of the same kind that has not started yet will see this device too.
        if (!deferredListTypes.contains(listType))
            deferredListTypes.append(listType);
        return;
    }
    startHotPlugEnumeration(listType);
}

void DMainWidget::startHotPlugEnumeration(int listType)
{
    pendingListType = listType;
    pendingHotPlug = true;
    hotPlugThread = new WorkerThread([this, listType] {
        runPendingEnumeration(listType);
        hotPlugEnd.finished();
    });
    hotPlugThread->setObjectName(QStringLiteral("hotPlugEnumeration"));
    connect(hotPlugThread, &QThread::finished, this, &DMainWidget::onHotPlugThreadFinished);
    hotPlugThread->start();
}

void DMainWidget::runPendingEnumeration(int listType)
{
    // Its result signal reaches onGetHidListSuccessful in the GUI thread as a queued call.
    enumerate(listType);
}

void DMainWidget::enumerate(int listType)
{
    if (options.enumerate)
        options.enumerate(*enumerator, listType);
    else
        enumerator->getHidList(listType);
}

void DMainWidget::onHotPlugThreadFinished()
{
    if (!hotPlugThread)
        return;
    ThreadEnd::aboutToWait(hotPlugThread);
    hotPlugThread->wait();
    hotPlugEnd.waited();
    hotPlugThread->deleteLater();
    hotPlugThread = nullptr;
    // The result is queued before the thread ends; if it has not come by now, it never will.
    if (pendingHotPlug && !handlingResult) {
        qCDebug(lcUi) << "---------------- *** Enumeration ended without a result *** ----------------";
        pendingHotPlug = false;
        if (!firstEnumerationApplied)
            finishFirstEnumeration();
    }
    runDeferredEnumeration();
}

void DMainWidget::runDeferredEnumeration()
{
    if (hotPlugThread || pendingHotPlug || handlingResult || deferredListTypes.isEmpty())
        return;
    startHotPlugEnumeration(deferredListTypes.takeFirst());
}

void DMainWidget::onGetHidListSuccessful()
{
    handlingResult = true;
    const QList<hidStructInfo> list = enumerator->getHidStructInfoList();
    devicePage->reopenOnNextResult(replugs.takeReplugged());
    const bool built = devicePage->setHidStructInfoList(list);
    if (!built && pendingHotPlug && pendingListType != kListFull)
        devicePage->onDeviceListChanged(pendingListType == kListArrival, QString());
    pendingHotPlug = false;
    handlingResult = false;

    if (upgradeJob && !upgradeRunning && normalDeviceOf(*upgradeJob)) {
        // The unit of a kept update is back in normal mode: nothing is left to finish.
        qCInfo(lcFirmware).noquote() << "The device of a kept firmware update is back:" << upgradeJob->model;
        upgradeJob.reset();
        FirmwareUpdateJob::forget(*userSettings);
        userSettings->sync();
    }
    checkUpgradedDeviceReturn();

    if (DDataManager::getInstance()->getAppVersionChanged())
        checkFirmwareUpgrade(0);

    if (!firstEnumerationApplied)
        finishFirstEnumeration();

    // Let the hot-plug thread end first when it has not yet; its end runs the next one.
    runDeferredEnumeration();
}

void DMainWidget::finishFirstEnumeration()
{
    firstEnumerationApplied = true;
    // An update that failed in an earlier run, its unit perhaps still in its bootloader.
    FirmwareUpdateJob keptJob = FirmwareUpdateJob::stored(*userSettings);
    if (keptJob.isValid()) {
        if (normalDeviceOf(keptJob)) {
            FirmwareUpdateJob::forget(*userSettings);
            userSettings->sync();
        } else {
            upgradeJob = std::make_unique<FirmwareUpdateJob>(keptJob);
            QTimer::singleShot(0, this, &DMainWidget::offerStoredUpgradeJob);
        }
    } else {
        FirmwareUpdateJob::forget(*userSettings);  // nothing, or nothing usable
    }
    emit sigFirstEnumerationApplied();
}

bool DMainWidget::isFirstEnumerationApplied() const
{
    return firstEnumerationApplied;
}

bool DMainWidget::checkFirmwareUpgrade(int flag)
{
    upgradeList.clear();
    const QList<HidDeviceInfo> records = enumerator ? enumerator->getHidDeviceInfoList() : QList<HidDeviceInfo>();
    for (HidDeviceInfo record : records) {
        newVersionText.clear();
        if (checkDeviceFirmware(record)) {
            const QByteArray version = newVersionText.toLatin1();
            std::memset(record.newVersion, 0, sizeof(record.newVersion));
            std::strncpy(record.newVersion, version.constData(), sizeof(record.newVersion) - 1);
            upgradeList.append(record);
        }
    }
    if (upgradeList.isEmpty())
        return flag == 0;  // only a manual check reports that nothing was found
    upgradeWindowManual = flag;
    if (flag != 0)
        onUpdateFirmwareWindowOpen();
    else
        QTimer::singleShot(kAutoUpgradeDelayMs, this, &DMainWidget::onUpdateFirmwareWindowOpen);
    return true;
}

bool DMainWidget::checkDeviceFirmware(const HidDeviceInfo &record)
{
    if (!firmwareImages)
        firmwareImages = std::make_unique<FirmwareImageCatalog>(options.firmwareImageFolder, mouseChipName());
    const QString version = firmwareImages->newerVersionFor(record);
    if (version.isEmpty())
        return false;
    newVersionText = version;
    return true;
}

QList<HidDeviceInfo> DMainWidget::getUpgradeList() const
{
    return upgradeList;
}

void DMainWidget::onFirmwareUpgradeCheck()
{
    qCDebug(lcUi) << "----------------------------- *** Firmware Upgrade Check *** -----------------------------";
    if (checkFirmwareUpgrade(1))
        return;
    if (settingsDia)
        settingsDia->showNoUpgradeableNotice();
}

DUpdateFirmwareDia *DMainWidget::getUpgradeDialog() const
{
    return upgradeDialog.data();
}

bool DMainWidget::isUpgradeRunning() const
{
    return upgradeRunning;
}

QString DMainWidget::mouseChipName() const
{
    // The mouse's chip name comes from the supported-device list.
    for (const SupportHidInfo &entry : DDataManager::getInstance()->getHidSupportList()) {
        if (qstrcmp(entry.hidType, "mouse") == 0)
            return QString::fromLatin1(entry.nucName, int(qstrnlen(entry.nucName, sizeof(entry.nucName))));
    }
    return QString();
}

void DMainWidget::onUpdateFirmwareWindowOpen()
{
    if (upgradeDialog)
        return;
    ++m_testNum;
    qCInfo(lcFirmware) << "---------------------------------------(Upgrade Firmware)m_testNum:" << m_testNum;

    auto *mask = new QWidget(this);
    mask->setObjectName(QStringLiteral("widget"));
    mask->setWindowFlags(Qt::FramelessWindowHint);
    mask->setStyleSheet(QStringLiteral("#widget {background-color:rgba(10, 10, 10, 100);}"));
    mask->setGeometry(rect());
    mask->setVisible(upgradeWindowManual == 0);
    upgradeMask = mask;

    auto *dialog = new DUpdateFirmwareDia(this);
    upgradeDialog = dialog;
    dialog->setUpgradeDevices(upgradeList, devicePage->getDeviceLinkMap());
    connect(dialog, &DUpdateFirmwareDia::sigUpdateFirmwareWindowClose, this, &DMainWidget::onUpdateFirmwareWindowClose);
    connect(dialog, &DUpdateFirmwareDia::sigStartHidUpgrade, this, &DMainWidget::onStartHidUpgrade);
    dialog->move(pos() + QPoint((width() - dialog->width()) / 2, (height() - dialog->height()) / 2));
    // Window-modal, without a nested event loop: the update goes on behind it.
    dialog->setWindowModality(Qt::WindowModal);
    dialog->show();
}

void DMainWidget::onUpdateFirmwareWindowClose()
{
    if (upgradeMask) {
        upgradeMask->hide();
        upgradeMask->deleteLater();
    }
    if (upgradeDialog)
        upgradeDialog->deleteLater();  // it asked from its own slot
    upgradeDialog.clear();
}

MainHidInterFace *DMainWidget::normalDeviceOf(const FirmwareUpdateJob &job) const
{
    if (!devicePage)
        return nullptr;
    const QMap<QString, DDeviceKeyboardLink *> links = devicePage->getDeviceLinkMap();
    for (const hidStructInfo &info : devicePage->getHidStructInfoList()) {
        const QString path = QString::fromLatin1(info.hidPath, int(qstrnlen(info.hidPath, sizeof(info.hidPath))));
        DDeviceKeyboardLink *link = links.value(path, nullptr);
        if (!link || QString::fromLatin1(info.hidName) != job.model || link->getSerialNumber() != job.serial)
            continue;
        MainHidInterFace *transport = link->getHidInterface();
        if (transport && transport->isHidOpen())
            return transport;
    }
    return nullptr;
}

void DMainWidget::onStartHidUpgrade(QString strHidPath, QString strSN, QString strHidName)
{
    qCInfo(lcFirmware).noquote() << "----------------------------------------- strHidPath:" << strHidPath
                                 << " strSN:" << strSN << " strHidName:" << strHidName;
    DUpdateFirmwareDia *dialog = upgradeDialog.data();
    UpdateFirmwareInfoItem *row = dialog ? dialog->getCurrentRow() : nullptr;
    if (!row)
        return;
    const auto refuse = [dialog](const QString &why) {
        qCWarning(lcFirmware).noquote() << "Upgrade failed:" << why;
        dialog->emitUpgradeFailed();
    };
    if (upgradeRunning) {
        refuse(QStringLiteral("another update runs"));
        return;
    }
    const HidDeviceInfo record = row->getDeviceInfo();
    const bool rerun = upgradeJob && upgradeJob->model == strHidName && upgradeJob->serial == strSN;
    auto job = std::make_unique<FirmwareUpdateJob>(rerun ? *upgradeJob : FirmwareUpdateJob());
    if (!rerun) {
        if (strSN.isEmpty()) {
            refuse(QStringLiteral("the device's serial number is not known"));
            return;
        }
        job->hidPath = strHidPath;
        job->serial = strSN;
        job->model = strHidName;
        job->imageName = strHidName + QStringLiteral(".hex");
        job->chipFamily = QString::fromLatin1(record.chipName, int(qstrnlen(record.chipName, sizeof(record.chipName))));
        job->oldVersion = QString::fromLatin1(record.version, int(qstrnlen(record.version, sizeof(record.version))));
        job->newVersion =
            QString::fromLatin1(record.newVersion, int(qstrnlen(record.newVersion, sizeof(record.newVersion))));
        job->imageLength = FirmwareImageLayout::forChipFamily(job->chipFamily, mouseChipName()).imageLength;
        int vendorId = 0;
        for (const hidStructInfo &info : devicePage->getHidStructInfoList()) {
            if (QString::fromLatin1(info.hidPath) == strHidPath)
                vendorId = info.vid;
        }
        job->bootloaderIds = FirmwareUpdateJob::bootloaderIdsForVendor(vendorId);
    }
    // The device is looked up now, by its path and serial number: the row's transport may be gone.
    MainHidInterFace *transport = normalDeviceOf(*job);
    if (!transport && (!rerun || !BootloaderWriter::isPresent(job->bootloaderIds))) {
        refuse(QStringLiteral("the device is gone"));
        return;
    }
    QString reason;
    if (!job->isValid() || !job->loadImage(options.firmwareImageFolder, record, mouseChipName(), &reason)) {
        refuse(reason.isEmpty() ? QStringLiteral("the device has no image layout") : reason);
        return;
    }
    upgradeJob = std::move(job);
    upgradeFileName = upgradeJob->imageName;
    upgradeImageLength = upgradeJob->imageLength;
    upgradeRunning = true;
    upgradeWaitsForReturn = false;
    upgradeRetryCount = 0;
    // A unit back from its bootloader may have another path: every device of the model that
    // opens meanwhile is handed the serial number, which it writes only when it has none.
    devicePage->setHidUpgradeInfo(true, strHidPath, upgradeJob->serial, upgradeJob->model);
    dialog->acceptStart(transport);
    if (transport) {
        upgradeBootloaderDeadline->start(options.firmwareWaits.bootloader);  // 0x0B follows
    } else {
        startUpgradeAttempt();  // in its bootloader already
    }
}

void DMainWidget::ontheHidIntoFirmwareUpgrade()
{
    qCDebug(lcUi) << "---------------- *** Bootloader arrived: firmware hand-over, attempt" << upgradeRetryCount
                  << "*** ----------------";
    if (!upgradeJob) {
        qCInfo(lcFirmware) << "A bootloader arrived, but no firmware update waits for it; ignored";
        return;
    }
    if (!upgradeRunning) {
        // A kept update: its failed row runs it again, or the window offers it.
        if (upgradeDialog) {
            for (UpdateFirmwareInfoItem *row : upgradeDialog->getRows()) {
                if (row->getHidName() == upgradeJob->model && row->getSerialNumber() == upgradeJob->serial
                    && row->isUpgradeStarted()) {
                    QMetaObject::invokeMethod(row, "on_pushButton_Update_clicked");
                    return;
                }
            }
        }
        offerStoredUpgradeJob();
        return;
    }
    if (upgradeWaitsForReturn || upgradeWriter->isRunning() || upgradeRetryTimer->isActive()) {
        qCInfo(lcFirmware) << "A bootloader arrived while the update runs; its attempts count again";
        return;
    }
    startUpgradeAttempt();
}

void DMainWidget::startUpgradeAttempt()
{
    if (!upgradeRunning || !upgradeJob || upgradeWriter->isRunning())
        return;  // never two writers
    upgradeBootloaderDeadline->stop();
    if (upgradeDialog) {
        MainHidInterFace *transport = upgradeDialog->getCurrentHidInterface();
        if (transport && transport->isHidOpen())
            transport->closeHidDevice();
    }
    qCInfo(lcFirmware) << "-------------------------- ******** [ Hid into update firmware ] ******** "
                          "--------------------------";
    upgradeWriter->setReplyTimeout(options.firmwareWaits.reply);
    upgradeWriter->start(upgradeJob->writerJob());
}

void DMainWidget::onUpgradeProgress(int total, int done)
{
    if (upgradeDialog)
        upgradeDialog->emitUpgradeProgress(total, done);
}

void DMainWidget::onUpgradeAttemptEnded(int outcome)
{
    if (!upgradeRunning)
        return;
    if (outcome == BootloaderWriter::kSucceeded) {
        // Done only once the unit itself is back with the new firmware.
        upgradeWaitsForReturn = true;
        upgradeReturnDeadline = QDateTime::currentMSecsSinceEpoch() + options.firmwareWaits.deviceReturn;
        upgradeReturnTimer->start();
        return;
    }
    retryFirmwareUpgrade();
}

void DMainWidget::retryFirmwareUpgrade()
{
    if (upgradeRetryCount >= 4) {
        finishUpgrade(false, QStringLiteral("five attempts failed"));
        return;
    }
    ++upgradeRetryCount;
    upgradeRetryTimer->start(options.firmwareWaits.retry);
}

bool DMainWidget::upgradedUnitIsBack(QString *version) const
{
    if (!upgradeJob || !devicePage || !enumerator)
        return false;
    const QMap<QString, DDeviceKeyboardLink *> links = devicePage->getDeviceLinkMap();
    const QList<HidDeviceInfo> records = enumerator->getHidDeviceInfoList();
    for (auto it = links.cbegin(); it != links.cend(); ++it) {
        DDeviceKeyboardLink *link = it.value();
        if (!link || link->getSerialNumber() != upgradeJob->serial)
            continue;
        for (const HidDeviceInfo &record : records) {
            if (QString::fromLatin1(record.hidPath) != it.key()
                || QString::fromLatin1(record.hidName) != upgradeJob->model)
                continue;
            *version = QString::fromLatin1(record.version, int(qstrnlen(record.version, sizeof(record.version))));
            return true;
        }
    }
    return false;
}

void DMainWidget::checkUpgradedDeviceReturn()
{
    if (!upgradeWaitsForReturn)
        return;
    QString version;
    if (upgradedUnitIsBack(&version)) {
        if (version.compare(upgradeJob->newVersion, Qt::CaseInsensitive) == 0)
            finishUpgrade(true, QString(), version);
        else
            finishUpgrade(false,
                          QStringLiteral("the device came back with %1, not %2").arg(version, upgradeJob->newVersion));
        return;
    }
    if (QDateTime::currentMSecsSinceEpoch() < upgradeReturnDeadline)
        return;
    if (BootloaderWriter::isPresent(upgradeJob->bootloaderIds))
        finishUpgrade(false, QStringLiteral("the device stayed in its bootloader"));
    else
        finishUpgrade(false, QStringLiteral("the device did not come back"));
}

void DMainWidget::finishUpgrade(bool succeeded, const QString &why, const QString &reportedVersion)
{
    upgradeRunning = false;
    upgradeWaitsForReturn = false;
    upgradeRetryTimer->stop();
    upgradeBootloaderDeadline->stop();
    upgradeReturnTimer->stop();
    devicePage->setHidUpgradeInfo(false, QString(), QString());
    if (succeeded) {
        qCInfo(lcFirmware).noquote() << "Upgrade successful:" << upgradeJob->model << upgradeJob->newVersion;
        upgradeJob.reset();
        FirmwareUpdateJob::forget(*userSettings);
        if (!userSettings->sync())
            qCWarning(lcFirmware) << "The settings file could not be written:" << userSettings->fileName();
        if (upgradeDialog) {
            upgradeDialog->showReportedVersion(reportedVersion);
            upgradeDialog->emitUpgradeSucceeded();
        }
        return;
    }
    qCWarning(lcFirmware).noquote() << "Upgrade failed:" << why;
    // A unit that is not back in normal mode may sit in its bootloader: keep its update.
    if (!normalDeviceOf(*upgradeJob)) {
        upgradeJob->store(*userSettings);
        if (!userSettings->sync())
            qCWarning(lcFirmware) << "The settings file could not be written:" << userSettings->fileName();
    }
    if (upgradeDialog)
        upgradeDialog->emitUpgradeFailed();
}

void DMainWidget::offerStoredUpgradeJob()
{
    if (!upgradeJob || upgradeRunning)
        return;
    if (!BootloaderWriter::isPresent(upgradeJob->bootloaderIds)) {
        qCInfo(lcFirmware) << "A kept firmware update waits for its device's bootloader";
        return;
    }
    if (!upgradeDialog) {
        const QList<HidDeviceInfo> list = upgradeList;
        upgradeList.clear();
        upgradeWindowManual = 1;
        onUpdateFirmwareWindowOpen();
        upgradeList = list;
    }
    for (UpdateFirmwareInfoItem *row : upgradeDialog->getRows()) {
        if (row->getHidName() == upgradeJob->model && row->getSerialNumber() == upgradeJob->serial)
            return;
    }
    qCInfo(lcFirmware).noquote() << "A kept firmware update of" << upgradeJob->model << "is offered again";
    upgradeDialog->addWaitingDevice(upgradeJob->deviceInfo(), upgradeJob->serial);
}

int DMainWidget::firmwareAttemptCount() const
{
    return upgradeRetryCount;
}

QString DMainWidget::getCompanyName() const
{
    return companyName;
}

void DMainWidget::onCurIndexChanged(int selIndex)
{
    if (selIndex == currentPageId)
        return;
    if (!devicePage->mayLeaveLighting()) {
        ui->pushButton_Device->setChecked(true);
        return;
    }
    macroPage->setPageCurrent(false);
    stopMacroRecording();
    switch (selIndex) {
    case 10:
        ui->stackedWidget_Main->setCurrentWidget(ui->page_Home);
        break;
    case 11:
        ui->stackedWidget_Main->setCurrentWidget(ui->page_Device);
        devicePage->loadFirstDevice();
        break;
    case 12:
        macroPage->setPageCurrent(true);
        macroPage->loadKeyboardInfo();
        macroPage->loadMacroList();
        ui->stackedWidget_Main->setCurrentWidget(ui->page_Macro);
        break;
    case 13:
        ui->stackedWidget_Main->setCurrentWidget(ui->page_Linkage);
        break;
    default:
        break;
    }
    if (pageAnimation && DDataManager::getInstance()->getSupportAnimation()) {
        const int w = ui->stackedWidget_Main->width();
        const int h = ui->stackedWidget_Main->height();
        pageAnimation->stop();
        pageAnimation->setStartValue(selIndex > currentPageId ? QRect(w, 1, w, h) : QRect(-w, 1, w, h));
        pageAnimation->setEndValue(QRect(10, 1, w, h));
        pageAnimation->start();
    }
    currentPageId = selIndex;
}

void DMainWidget::onHomePageDeviceItemClick(QString)
{
    currentPageId = 11;
    ui->pushButton_Device->setChecked(true);
    ui->stackedWidget_Main->setCurrentWidget(ui->page_Device);
}

void DMainWidget::onChangAppTheme(int index)
{
    qCDebug(lcUi) << "------------------------selThemeIndex:" << index;
    applyTheme(index);
    delete deviceThemeWhenShown;
    homePage->applyTheme();
    macroPage->applyTheme();
    devicePage->applyTheme();
}

void DMainWidget::applyTheme(int index)
{
    DDataManager *dataManager = DDataManager::getInstance();
    const ThemeColorConfig theme = dataManager->getThemeColor();
    const QString name = themeName(index);

    QFont nameFont = dataManager->getFont(0);
    nameFont.setPointSize(16);
    ui->label_AppName->setFont(nameFont);
    ui->label_AppName->setStyleSheet(
        QStringLiteral("QLabel#label_AppName{color: %1;}").arg(stylesheets::colour(theme.TextCheckedColor)));

    ui->frame_ChangPage->setStyleSheet(
        QStringLiteral("QPushButton{\tbackground-color:transparent;\tcolor: %1;\tborder: none;}\n"
                       "QPushButton::unchecked{\tcolor: %1;\tborder: none;}\n"
                       "QPushButton::hover{\tcolor: %2;\tborder: none;}\n"
                       "QPushButton::pressed{\tcolor: %3;\tborder: none;}\n"
                       "QPushButton::checked{\tcolor: %3;\tborder-bottom: 3px solid %3;}")
            .arg(stylesheets::colour(theme.TextDefaultColor), stylesheets::colour(theme.TextHoverColor),
                 stylesheets::colour(theme.TextCheckedColor)));

    QFont buttonFont = dataManager->getFont(0);
    buttonFont.setPointSize(14);
    for (QPushButton *button :
         {ui->pushButton_Home, ui->pushButton_Device, ui->pushButton_Macro, ui->pushButton_Linkage})
        button->setFont(buttonFont);

    ui->pushButton->setStyleSheet(
        QStringLiteral("QPushButton{border-image: url(:/images/mainpage/leftTopLogo_%1.png);}").arg(name));

    if (dataManager->getBgImageIsUsing()) {
        const QString dir = QCoreApplication::applicationDirPath();
        ui->frame_Title->setStyleSheet(QStringLiteral("QFrame#frame_Title{border-image:url(%1);}")
                                           .arg(dir + QStringLiteral("/images/bgImageTitle_%1.png").arg(name)));
        ui->frame_Main->setStyleSheet(QStringLiteral("QFrame#frame_Main{border-image:url(%1);}")
                                          .arg(dir + QStringLiteral("/images/bgImageMain_%1.png").arg(name)));
    } else {
        ui->frame_Title->setStyleSheet(
            QStringLiteral("QFrame#frame_Title{background-color: qlineargradient(spread:pad, x1:0.388273, y1:1, "
                           "x2:0.446909, y2:0, stop:0 rgba(%1, 255), stop:1 rgba(%2, 255));}")
                .arg(theme.MainWidgetTitleColorStart, theme.MainWidgetTitleColorStop));
        ui->frame_Bg->setStyleSheet(
            QStringLiteral("QFrame#frame_Bg{border: none; border:1px solid %1;background-color: %2;}")
                .arg(stylesheets::colour(theme.MainWidgetBorderColor), stylesheets::colour(theme.MainWidgetBgColor)));
        ui->frame_Main->setStyleSheet(QStringLiteral("QFrame#frame_Main{\tbackground-color:%1; }")
                                          .arg(stylesheets::colour(theme.MainWidgetBgColor)));
    }
}

void DMainWidget::createTrayMenu()
{
    minimizeAction = new QAction(tr("Minimize(&N)"), this);
    connect(minimizeAction, &QAction::triggered, this, &DMainWidget::onMinApp);
    maximizeAction = new QAction(tr("Maximize(&X)"), this);
    connect(maximizeAction, &QAction::triggered, this, &QWidget::showMaximized);
    restoreAction = new QAction(tr("Revert(&R)"), this);
    connect(restoreAction, &QAction::triggered, this, &QWidget::showNormal);
    quitAction = new QAction(QIcon(QStringLiteral(":/images/mainpage/closeWindowSel.png")), tr("Quit(&Q)"), this);
    connect(quitAction, &QAction::triggered, this, &DMainWidget::onQuitRequested);

    trayMenu = std::make_unique<QMenu>(QApplication::desktop());
    trayMenu->addAction(minimizeAction);
    trayMenu->addAction(maximizeAction);
    trayMenu->addAction(restoreAction);
    trayMenu->addSeparator();
    trayMenu->addAction(quitAction);
}

void DMainWidget::createTrayIcon()
{
    createTrayMenu();
    // Made whether or not a tray host runs now: Qt shows it once one appears.
    trayIcon = new QSystemTrayIcon(this);
    trayIcon->setIcon(QIcon(QStringLiteral(":/images/trayLogo.ico")));
    trayIcon->setToolTip(companyName);
    trayIcon->setContextMenu(trayMenu.get());
    trayIcon->show();
    connect(trayIcon, &QSystemTrayIcon::activated, this, &DMainWidget::iconActivated);
}

void DMainWidget::stopMacroRecording()
{
    if (macroPage && macroPage->isRecording())
        macroPage->toggleRecording();
}

void DMainWidget::onMinApp()
{
    hide();
}

void DMainWidget::onQuitApp()
{
    // Devices and threads end before the log's last line; then the event loop ends with 0.
    shutDownDevices();
    DDataManager::getInstance()->writeLog(
        QStringLiteral("********************--------------------*** Stop collect log:") + timeStamp());
    close();
    // Outside an event loop (a window built without one) there is no loop to leave.
    if (QThread::currentThread()->loopLevel() > 0)
        QCoreApplication::exit(0);
}

void DMainWidget::onQuitRequested()
{
    if (devicePage->isLightChanged()) {
        // The question is about what the window shows: from the tray it comes back first.
        if (!isVisible() || isMinimized())
            showNormal();
        if (!devicePage->mayLeaveLighting(true))
            return;
    }
    onQuitApp();
}

void DMainWidget::shutDownDevices()
{
    if (devicesShutDown)
        return;
    devicesShutDown = true;
    if (settleTimer)
        settleTimer->stop();
    if (bootloaderTimer)
        bootloaderTimer->stop();
    if (upgradeRetryTimer)
        upgradeRetryTimer->stop();
    if (upgradeReturnTimer)
        upgradeReturnTimer->stop();
    if (upgradeBootloaderDeadline)
        upgradeBootloaderDeadline->stop();
    if (deviceNotifier)
        deviceNotifier->disconnect(this);
    deferredListTypes.clear();
    if (hotPlugThread) {
        hotPlugThread->disconnect(this);
        ThreadEnd::aboutToWait(hotPlugThread);
        hotPlugThread->wait();
        hotPlugEnd.waited();
        delete hotPlugThread;
        hotPlugThread = nullptr;
    }
    pendingHotPlug = false;
    if (enumerator) {
        enumerator->disconnect(this);
        enumerator->closeHidDevice();
    }
    if (devicePage)
        devicePage->closeAllDevices();
}

bool DMainWidget::isTrayAvailable() const
{
    return options.trayAvailable ? options.trayAvailable() : QSystemTrayIcon::isSystemTrayAvailable();
}

DSettingsDia *DMainWidget::settingsDialog() const
{
    return settingsDia;
}

void DMainWidget::omUpdataAllUI()
{
    ui->retranslateUi(this);
    ui->pushButton_Linkage->hide();
    setWindowTitle(companyName);
    ui->label_AppName->setText(companyName);
    minimizeAction->setText(tr("Minimize(&N)"));
    maximizeAction->setText(tr("Maximize(&X)"));
    restoreAction->setText(tr("Revert(&R)"));
    quitAction->setText(tr("Quit(&Q)"));
    devicePage->updataAllUI();
    macroPage->retranslate();
    homePage->retranslate();
}

void DMainWidget::onSettingsWindowClose()
{
    if (settingsMask)
        settingsMask->hide();
}

void DMainWidget::onUpdateApp() {}

void DMainWidget::on_pushButton_Setting_clicked()
{
    stopMacroRecording();

    // The dimming cover over the window while the dialog runs; it goes however the dialog ends.
    auto *mask = new QWidget(this, Qt::FramelessWindowHint);
    mask->setObjectName(QStringLiteral("widget"));
    mask->setAttribute(Qt::WA_StyledBackground);
    mask->setStyleSheet(QStringLiteral("#widget {background-color:rgba(10, 10, 10, 100);}"));
    mask->resize(size());
    mask->show();
    settingsMask = mask;

    auto *dialog = new DSettingsDia(options.defaultConfigPath, this);
    settingsDia = dialog;
    dialog->setAutoStartAllowed(options.registerAutoStart);
    if (enumerator)
        dialog->setFirmwareInfoMap(enumerator->getFirmwareInfoMap());
    connect(dialog, &DSettingsDia::sigSettingsWindowClose, this, &DMainWidget::onSettingsWindowClose);
    connect(dialog, &DSettingsDia::sigUpdataAllUI, this, &DMainWidget::omUpdataAllUI);
    connect(dialog, &DSettingsDia::sigUpdateApp, this, &DMainWidget::onUpdateApp);
    connect(dialog, &DSettingsDia::sigChangAppTheme, this, &DMainWidget::onChangAppTheme);
    connect(dialog, &DSettingsDia::sigFirmwareUpgradeCheck, this, &DMainWidget::onFirmwareUpgradeCheck);
    connect(dialog, &QDialog::finished, mask, [mask] {
        mask->hide();
        mask->deleteLater();
    });
    connect(dialog, &QObject::destroyed, mask, &QObject::deleteLater);

    dialog->move(x() + (width() - dialog->width()) / 2, y() + (height() - dialog->height()) / 2);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->exec();
    // Esc and the window manager end the dialog without closing it: it goes all the same.
    if (settingsDia)
        settingsDia->deleteLater();
    if (settingsMask) {
        settingsMask->hide();
        settingsMask->deleteLater();
    }
}

void DMainWidget::on_pushButton_Min_clicked()
{
    stopMacroRecording();
    showMinimized();
}

void DMainWidget::on_pushButton_Max_clicked()
{
    auto style = [](const QString &normal, const QString &active) {
        return QStringLiteral("QPushButton{\tborder-image:url(%1);}\n"
                              "QPushButton:hover{\tborder-image:url(%2);}\n"
                              "QPushButton:pressed{\tborder-image:url(%2);}")
            .arg(normal, active);
    };
    if (isMaximized() || isFullScreen()) {
        ui->pushButton_Max->setStyleSheet(style(QStringLiteral(":/images/mainpage/maxWindowDef.png"),
                                                QStringLiteral(":/images/mainpage/maxWindowSel.png")));
        showNormal();
        setCursor(Qt::ArrowCursor);
    } else {
        ui->pushButton_Max->setStyleSheet(style(QStringLiteral(":/images/mainpage/intoMaxWindowDef.png"),
                                                QStringLiteral(":/images/mainpage/intoMaxWindowSel.png")));
        showMaximized();
    }
}

void DMainWidget::on_pushButton_Close_clicked()
{
    stopMacroRecording();
    if (!UserSettings().closeToTray()) {
        onQuitRequested();
        return;
    }
    // Without a tray host a hidden window could not be brought back: minimise it instead.
    if (isTrayAvailable())
        hide();
    else
        showMinimized();
}

void DMainWidget::onCloseWindowForThis_Main()
{
    showMinimized();
}

void DMainWidget::iconActivated(QSystemTrayIcon::ActivationReason reason)
{
    if (reason == QSystemTrayIcon::DoubleClick || reason == QSystemTrayIcon::Trigger)
        showNormal();
}

void DMainWidget::closeEvent(QCloseEvent *event)
{
    if (trayIcon)
        trayIcon->hide();
    QWidget::closeEvent(event);
}

// Compiled here, so that a program that does not use the main window does not link its parts.
#include "moc_DMainWidget.cpp"
