// SPDX-License-Identifier: GPL-3.0-or-later
#include "DMainWidget.h"
#include "ui_DMainWidget.h"

#include "AutoStartEntry.h"
#include "DDataManager.h"
#include "DDevicePage.h"
#include "DeviceModels.h"
#include "DeviceNotifier.h"
#include "DHomePage.h"
#include "DLinkagePage.h"
#include "DMacroPage.h"
#include "DSettingsDia.h"
#include "FirmwareImageCatalog.h"
#include "FramelessWindowHelper.h"
#include "LogCategories.h"
#include "MainHidInterFace.h"
#include "ReportDescriptorReader.h"
#include "SupportedIdMatch.h"
#include "SystemDeviceNotifier.h"
#include "UserSettings.h"
#include "xmlInterface.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QDateTime>
#include <QDesktopWidget>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QPropertyAnimation>
#include <QScreen>
#include <QSettings>
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
constexpr int kBootloaderHandOverMs = 1000;
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
// lives as long as the returned folder object). An empty path when neither works.
QString deviceListPath(const QString &name, QTemporaryDir *folder)
{
    if (DDataManager::getInstance()->getUserConfig())
        return QCoreApplication::applicationDirPath() + QStringLiteral("/configDir/") + name;
    if (!folder->isValid())
        return QString();
    const QString copy = folder->path() + QLatin1Char('/') + name;
    if (!QFile::copy(QStringLiteral(":/images/configDir/") + name, copy))
        return QString();
    return copy;
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
    std::strncpy(macroXmlPath, macroPath.toLocal8Bit().constData(), sizeof(macroXmlPath) - 1);
    xmlStore = std::make_unique<xmlInterface>();
    if (!QFileInfo(macroPath).isFile())
        xmlStore->createXmlFile(macroXmlPath);

    readDeviceLists();

    userSettings = std::make_unique<UserSettings>();
    {
        const UserSettings existing;
        if (!existing.contains(UserSettingsKey::AutoStart)) {
            userSettings->setValue(UserSettingsKey::AutoStart, true);
            if (options.registerAutoStart
                && !AutoStartEntry::enable(QCoreApplication::applicationName(),
                                           QCoreApplication::applicationFilePath()))
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

    createPages();
    devicePage->setMainWindow(this);

    // The enumerator only lists devices; its own thread never runs.
    enumerator = std::make_unique<MainHidInterFace>(0, QStringLiteral("mainThread"));
    enumerator->setHidNameList(dataManager->getHidNameList());
    if (options.descriptorReader)
        enumerator->setReportDescriptorReader(options.descriptorReader);
    connect(enumerator.get(), &MainHidInterFace::sigGetHidListSuccessful, this, &DMainWidget::onGetHidListSuccessful);
    // In the GUI thread: the result arrives before getHidList returns, and the device page opens
    // the devices inside it.
    startupEnumeration = true;
    enumerate(kListFull);
    startupEnumeration = false;

    connect(this, &DMainWidget::sigHidDeviceConnectChanging_Into, this, &DMainWidget::onHidDeviceConnectChanging_Into);
    connect(this, &DMainWidget::sigHidDeviceConnectChanging_Remove, this,
            &DMainWidget::onHidDeviceConnectChanging_Remove);

    dataManager->writeLog(QStringLiteral("********************--------------------END DMainWidget INIT:")
                          + timeStamp());

    onChangAppTheme(userSettings->themeIndex());

    std::fputs("----------------------------------*** Brivex Runing ***--------------------------------\n", stdout);
    std::fflush(stdout);
    qCDebug(lcUi) << "---------------- *** Win *** ----------------";

    // Devices that came or went while the window was being built.
    runDeferredEnumeration();
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
    devicePage->setMacroXml(macroXmlPath, xmlStore.get());
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
    macroPage->setMacroXml(macroXmlPath, xmlStore.get());
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
    bootloaderTimer->setInterval(kBootloaderHandOverMs);
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
    if (supportedEntryFor(devicePath) >= 0)
        noteSettlingEvent(kListArrival, devicePath);
    if (isBootloaderPath(devicePath)) {
        // Every interface of the bootloader restarts the one timer.
        firmwareAttempts = 0;
        bootloaderTimer->start();
    }
}

void DMainWidget::onDeviceRemoved(const QString &devicePath)
{
    if (supportedEntryFor(devicePath) >= 0)
        noteSettlingEvent(kListRemoval, devicePath);
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
    return startupEnumeration || hotPlugThread != nullptr || pendingHotPlug || handlingResult;
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
    hotPlugThread = QThread::create([this, listType] { runPendingEnumeration(listType); });
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
    hotPlugThread->wait();
    hotPlugThread->deleteLater();
    hotPlugThread = nullptr;
    // The result is queued before the thread ends; if it has not come by now, it never will.
    if (pendingHotPlug && !handlingResult) {
        qCDebug(lcUi) << "---------------- *** Enumeration ended without a result *** ----------------";
        pendingHotPlug = false;
    }
    runDeferredEnumeration();
}

void DMainWidget::runDeferredEnumeration()
{
    if (startupEnumeration || hotPlugThread || pendingHotPlug || handlingResult || deferredListTypes.isEmpty())
        return;
    startHotPlugEnumeration(deferredListTypes.takeFirst());
}

void DMainWidget::onGetHidListSuccessful()
{
    handlingResult = true;
    const QList<hidStructInfo> list = enumerator->getHidStructInfoList();
    const bool built = devicePage->setHidStructInfoList(list);
    if (!built && pendingHotPlug)
        devicePage->onDeviceListChanged(pendingListType == kListArrival, QString());
    pendingHotPlug = false;
    handlingResult = false;

    if (DDataManager::getInstance()->getAppVersionChanged())
        checkFirmwareUpgrade(0);

    // Let the hot-plug thread end first when it has not yet; its end runs the next one.
    runDeferredEnumeration();
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
    if (!firmwareImages) {
        // The mouse's chip name comes from the supported-device list.
        QString mouseChip;
        for (const SupportHidInfo &entry : DDataManager::getInstance()->getHidSupportList()) {
            if (qstrcmp(entry.hidType, "mouse") == 0) {
                mouseChip = QString::fromLatin1(entry.nucName, int(qstrnlen(entry.nucName, sizeof(entry.nucName))));
                break;
            }
        }
        firmwareImages = std::make_unique<FirmwareImageCatalog>(options.firmwareImageFolder, mouseChip);
    }
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

void DMainWidget::onUpdateFirmwareWindowOpen()
{
    if (upgradeWindow)
        return;
    qCDebug(lcUi) << "---------------- *** Firmware update window: devices with a newer image:" << upgradeList.size()
                  << "*** ----------------";
}

void DMainWidget::onUpdateFirmwareWindowClose()
{
    upgradeWindow.clear();
}

void DMainWidget::ontheHidIntoFirmwareUpgrade()
{
    qCDebug(lcUi) << "---------------- *** Bootloader arrived: firmware hand-over, attempt" << firmwareAttempts
                  << "*** ----------------";
}

void DMainWidget::onStartHidUpgrade(QString strHidPath, QString strSN, QString strHidName)
{
    qCDebug(lcUi) << "---------------- *** Firmware upgrade of" << strHidName << strHidPath << strSN.size()
                  << "*** ----------------";
}

int DMainWidget::firmwareAttemptCount() const
{
    return firmwareAttempts;
}

QString DMainWidget::getCompanyName() const
{
    return companyName;
}

void DMainWidget::onCurIndexChanged(int selIndex)
{
    if (selIndex == currentPageId)
        return;
    if (devicePage->isLightChanged()) {
        const int answer = devicePage->showTipInfoDia();
        if (answer == 0) {
            ui->pushButton_Device->setChecked(true);
            return;
        }
        if (answer == 1) {
            ui->pushButton_Device->setChecked(true);
            devicePage->applyLightSettings();
            devicePage->clearLightChanged();
            return;
        }
        devicePage->clearLightChanged();
    }
    macroPage->setMacroPageShown(false);
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
        macroPage->setMacroPageShown(true);
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
        QStringLiteral("QLabel#label_AppName{color: rgb(%1);}").arg(theme.TextCheckedColor));

    ui->frame_ChangPage->setStyleSheet(
        QStringLiteral("QPushButton{\tbackground-color:transparent;\tcolor: rgb(%1);\tborder: none;}\n"
                       "QPushButton::unchecked{\tcolor: rgb(%1);\tborder: none;}\n"
                       "QPushButton::hover{\tcolor: rgb(%2);\tborder: none;}\n"
                       "QPushButton::pressed{\tcolor: rgb(%3);\tborder: none;}\n"
                       "QPushButton::checked{\tcolor: rgb(%3);\tborder-bottom: 3px solid rgb(%3);}")
            .arg(theme.TextDefaultColor, theme.TextHoverColor, theme.TextCheckedColor));

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
            QStringLiteral("QFrame#frame_Bg{border: none; border:1px solid rgb(%1);background-color: rgb(%2);}")
                .arg(theme.MainWidgetBorderColor, theme.MainWidgetBgColor));
        ui->frame_Main->setStyleSheet(
            QStringLiteral("QFrame#frame_Main{\tbackground-color:rgb(%1); }").arg(theme.MainWidgetBgColor));
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
    connect(quitAction, &QAction::triggered, this, &DMainWidget::onQuitApp);

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

void DMainWidget::shutDownDevices()
{
    if (devicesShutDown)
        return;
    devicesShutDown = true;
    if (settleTimer)
        settleTimer->stop();
    if (bootloaderTimer)
        bootloaderTimer->stop();
    if (deviceNotifier)
        deviceNotifier->disconnect(this);
    deferredListTypes.clear();
    if (hotPlugThread) {
        hotPlugThread->disconnect(this);
        hotPlugThread->wait();
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
        onQuitApp();
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
