// SPDX-License-Identifier: GPL-3.0-or-later
#include "DDevicePage.h"
#include "ui_DDevicePage.h"

#include "ArrowWidget.h"
#include "CbNotice.h"
#include "ColorWheelTool.h"
#include "CustomButton.h"
#include "DCustomLightListItem.h"
#include "DDataManager.h"
#include "DDeviceKeyboardLink.h"
#include "DDeviceListItem.h"
#include "DevicePageApply.h"
#include "DevicePageCustomLights.h"
#include "DevicePageDevices.h"
#include "DevicePageDpiPresses.h"
#include "DevicePageKeys.h"
#include "DevicePageLighting.h"
#include "DevicePageLoad.h"
#include "DevicePageModes.h"
#include "DevicePageMouse.h"
#include "DevicePageOnboard.h"
#include "DevicePageOnboardConfigs.h"
#include "DevicePageProfiles.h"
#include "DevicePagePrompts.h"
#include "DevicePageTables.h"
#include "DevicePageTheme.h"
#include "DialogStartFolder.h"
#include "DmouseConfigView.h"
#include "DMouseLightPage.h"
#include "DMousePage.h"
#include "DMousePerformanceView.h"
#include "DOnboardPage.h"
#include "DSoftKeyboardPage.h"
#include "DTipInfoDia.h"
#include "keyboardPage.h"
#include "lightDealMain.h"
#include "LightingCommands.h"
#include "LogCategories.h"
#include "MainHidInterFace.h"
#include "MouseDpiCommand.h"
#include "mouseLightDealMain.h"
#include "onboardExplainDia.h"
#include "ProfileFiles.h"
#include "profileListItem.h"
#include "xmlInterface.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QStandardPaths>
#include <QTimer>

#include <algorithm>
#include <cstring>

namespace {

constexpr int kNoticeY = 125;

// A group of CustomButtons named in a table, in button-id order.
template <size_t N>
QList<CustomButton *> tableButtons(const QWidget *page, const DevicePageTables::ButtonEntry (&table)[N])
{
    QList<CustomButton *> buttons;
    for (const DevicePageTables::ButtonEntry &entry : table)
        buttons.append(page->findChild<CustomButton *>(QLatin1String(entry.objectName)));
    return buttons;
}

template <size_t N>
void resetTableButtons(const QWidget *page, const DevicePageTables::ButtonEntry (&table)[N])
{
    for (const DevicePageTables::ButtonEntry &entry : table) {
        if (auto *button = page->findChild<CustomButton *>(QLatin1String(entry.objectName))) {
            button->setIconAndText(QLatin1String(entry.icon), DDevicePage::tr(entry.caption));
            button->setSelected(false);
        }
    }
}

QButtonGroup *makeGroup(QWidget *owner, const QList<QAbstractButton *> &buttons)
{
    auto *group = new QButtonGroup(owner);
    for (int id = 0; id < buttons.size(); ++id)
        group->addButton(buttons.at(id), id);
    return group;
}

template <typename T>
QList<QAbstractButton *> asButtons(const QList<T *> &buttons)
{
    QList<QAbstractButton *> result;
    for (T *button : buttons)
        result.append(button);
    return result;
}

}  // namespace

DDevicePage::DDevicePage(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::DDevicePage>())
    , m_mapDpiCode()
{
    ui->setupUi(this);
    m_devices = new DevicePageDevices(this);
    m_modes = new DevicePageModes(this);
    m_lighting = new DevicePageLighting(this);
    m_customLights = new DevicePageCustomLights(this);
    m_onboard = new DevicePageOnboard(this);
    m_onboardConfigs = new DevicePageOnboardConfigs(this, m_onboard);
    m_profiles = new DevicePageProfiles(this);
    m_prompts = std::make_unique<DevicePagePrompts>();
    m_profileListLayout = ui->verticalLayout_30;
    m_keys = new DevicePageKeys(this);
    m_apply = new DevicePageApply(this, m_keys);
    m_mouse = new DevicePageMouse(this);
    m_dpiPresses = new DevicePageDpiPresses(
        [this](DDeviceKeyboardLink *link, int presses) { serveDpiPresses(link, presses); }, this);

    ui->pushButton_MoreOperate->hide();
    ui->pushButton_PerformanceChang->hide();
    ui->checkBox_LightSynchronize->setChecked(false);
    ui->frame_24->hide();

    // Profile names are shown and edited as typed, never read as markup.
    ui->label_currentProfileName->setTextFormat(Qt::PlainText);
    ui->textEdit_profileName->setAcceptRichText(false);
    ui->textEdit_profileLinkProgram->setAcceptRichText(false);
    ui->label_currentProfileName->installEventFilter(this);
    installEventFilter(this);

    m_strDesktopPath = dialogStartFolder();

    m_notice = new CbNotice(this);
    m_notice->setTextPixelSize(14);

    QFont font = DDataManager::getInstance()->getFont(0);
    font.setPointSize(14);
    ui->label_ProductName->setFont(font);
    ui->label_DeviceName->setFont(font);

    m_keys->createKeyPages();

    initDpiCodeMap();

    m_mouseConfigView = new DmouseConfigView(ui->page_MouseDpiConfig);
    connect(m_mouseConfigView, &DmouseConfigView::sigDpiConfigChanged, this, &DDevicePage::onMouseDpiInfoSet);
    ui->horizontalLayout_28->addWidget(m_mouseConfigView);
    m_mousePerformanceView = new DMousePerformanceView(ui->page_MousePerformance);
    connect(m_mousePerformanceView, &DMousePerformanceView::sigResetoreMouseCurrentProfile, this,
            &DDevicePage::onResetoreMouseCurrentProfile);
    connect(m_mousePerformanceView, &DMousePerformanceView::sigCurIndexChanged_MouseRateNumIndex, this,
            &DDevicePage::onCurIndexChanged_MouseRateNumIndex);
    ui->horizontalLayout_27->addWidget(m_mousePerformanceView);

    QButtonGroup *mainPageGroup = makeGroup(
        this, QList<QAbstractButton *>{ui->pushButton_Custom, ui->pushButton_Led, ui->pushButton_PerformanceChang});
    connect(mainPageGroup, &QButtonGroup::idClicked, m_modes, &DevicePageModes::onMainPageButtonClicked);
    ui->pushButton_Custom->setChecked(true);

    m_lightDealMain = std::make_unique<lightDealMain>();
    connect(m_lightDealMain.get(), &lightDealMain::sigAudioCaptureUnavailable, m_lighting,
            &DevicePageLighting::noticeAudioUnavailable);
    m_mouseLightDealMain = std::make_unique<mouseLightDealMain>();

    ui->frame_Custom->hide();
    ui->stackedWidget_Onboard->hide();
    ui->frame_OnboardProfile->hide();
    ui->frame_OnboardDownload->hide();
    ui->pushButton_FN->hide();

    ui->toolButton_Explain->installEventFilter(this);
    // The configurations go by index (item data): two may share a name.
    connect(ui->comboBox_OnboardProfile, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this](int row) {
        if (row >= 0)
            m_onboardConfigs->selectIndex(ui->comboBox_OnboardProfile->itemData(row).toInt());
    });

    initMenusAndToolTips();

    m_tipInfoDia = new DTipInfoDia(this);
    connect(m_tipInfoDia, &DTipInfoDia::sigTipInfoDiaClose, this, &DDevicePage::onTipInfoDiaClose);

    buildButtonGroups();
    createLightingEditor();

    m_isLightOn = true;

    m_light0x17Timer = new QTimer(this);
    connect(m_light0x17Timer, &QTimer::timeout, this, &DDevicePage::onSendLight0x17Cmd);

    ui->pushButton_Test->hide();

    // The main window feeds these from the home page and the macro page.
    connect(this, &DDevicePage::sigHomePageDeviceItemClicked, this, &DDevicePage::onHomePageDeviceItemClicked);
    connect(this, &DDevicePage::sigMacroListHaveChangedSendToDevice, this,
            &DDevicePage::onMacroListHaveChangedSendToDevice);
    connect(this, &DDevicePage::sigHookKeyboardRecviveStreamToDevice, this,
            &DDevicePage::onHookKeyboardRecviveStreamToDevice);
}

DDevicePage::~DDevicePage()
{
    delete m_menuPopup.data();
    delete m_explainPopup.data();
    // The engines stop streaming before the transports they stream through go.
    m_lightDealMain->stopAllLightThreads();
    m_lightDealMain->setHidInterface(nullptr);
    m_mouseLightDealMain->stopAllLightThreads();
    m_mouseLightDealMain->setHidInterface(nullptr);
    m_curHidInterface = nullptr;
    m_curDeviceLink = nullptr;
    closeAllDevices();
    qDeleteAll(m_mapDeviceLink);
    m_mapDeviceLink.clear();
}

void DDevicePage::initDpiCodeMap()
{
    m_mapDpiCode = DevicePageTables::dpiCodeMap();
}

void DDevicePage::buildButtonGroups()
{
    QButtonGroup *keyGroup = makeGroup(this, asButtons(tableButtons(this, DevicePageTables::keyOperationButtons)));
    connect(keyGroup, &QButtonGroup::idClicked, this, &DDevicePage::onCurIndexChanged_Key);
    ui->stackedWidget_Customize->setCurrentWidget(ui->page_Default);

    QButtonGroup *zoneGroup =
        makeGroup(this, QList<QAbstractButton *>{ui->pushButton_KeyboardLed, ui->pushButton_SideLed});
    connect(zoneGroup, &QButtonGroup::idClicked, this, &DDevicePage::onCurIndexChanged_LedSelect);
    QButtonGroup *keyboardGroup =
        makeGroup(this, asButtons(tableButtons(this, DevicePageTables::keyboardEffectButtons)));
    connect(keyboardGroup, &QButtonGroup::idClicked, this, &DDevicePage::onCurIndexChanged_Led);
    QButtonGroup *sideGroup = makeGroup(this, asButtons(tableButtons(this, DevicePageTables::sideEffectButtons)));
    connect(sideGroup, &QButtonGroup::idClicked, this, &DDevicePage::onCurIndexChanged_SideLed);
    QButtonGroup *scrollLogoGroup =
        makeGroup(this, asButtons(tableButtons(this, DevicePageTables::scrollLogoEffectButtons)));
    connect(scrollLogoGroup, &QButtonGroup::idClicked, this, &DDevicePage::onCurIndexChanged_ScrollAndLogoLed);
    QButtonGroup *toolGroup =
        makeGroup(this, QList<QAbstractButton *>{ui->pushButton_Performance, ui->pushButton_CustomList,
                                                 ui->pushButton_SoftKeyboard, ui->pushButton_MousePerformance,
                                                 ui->pushButton_MouseDpiConfig});
    connect(toolGroup, &QButtonGroup::idClicked, this, &DDevicePage::onCurIndexChangedOperate);
    QButtonGroup *modeGroup =
        makeGroup(this, QList<QAbstractButton *>{ui->pushButton_AppMode, ui->pushButton_OnboardMode});
    connect(modeGroup, &QButtonGroup::idClicked, this, &DDevicePage::onCurIndexChangedSelMode);
    QButtonGroup *layerGroup = makeGroup(this, QList<QAbstractButton *>{ui->pushButton_Default, ui->pushButton_FN1});
    connect(layerGroup, &QButtonGroup::idClicked, this, &DDevicePage::onCurIndexChangedOn_board);
}

void DDevicePage::createLightingEditor()
{
    m_colorWheelTool = new ColorWheelTool(ui->page);
    ColorWheelTool *tool = m_colorWheelTool;
    connect(tool, &ColorWheelTool::sigSendUpdataColorBuildUp, this, &DDevicePage::onSendUpdataColorBuildUp);
    connect(tool, &ColorWheelTool::sigInitColorOver, this, &DDevicePage::onInitColorOver);
    connect(tool, &ColorWheelTool::sigSendSetKeyboardColorData, this, &DDevicePage::onSendSetKeyboardColorData);
    connect(tool, &ColorWheelTool::sigSendSetSideColorData, this, &DDevicePage::onSendSetSideColorData);
    connect(tool, &ColorWheelTool::sigSelectKeyboardLightType, this, &DDevicePage::onSelectKeyboardLightType);
    connect(tool, &ColorWheelTool::sigSelectSideLightType, this, &DDevicePage::onSelectSideLightType);
    connect(tool, &ColorWheelTool::sigLightOpenOrCloseType, this, &DDevicePage::onLightOpenOrCloseType);
    connect(tool, &ColorWheelTool::sigSetLightEffectSuccessful, this, &DDevicePage::onSetLightEffectSuccessful);
    connect(tool, &ColorWheelTool::sigSetLightEffectFailed, this, &DDevicePage::onSetLightEffectFailed);
    connect(tool, &ColorWheelTool::sigLightCancelSettings, this, &DDevicePage::onLightCancelSettings);
    connect(tool, &ColorWheelTool::sigLightConfigHaveChanged, this, &DDevicePage::onLightConfigHaveChanged);
    connect(tool, &ColorWheelTool::sigSelectightTypeMouseAround, this, &DDevicePage::onSelectMouseAroundLightType);
    connect(tool, &ColorWheelTool::sigSelectightTypeMouseScroll, this, &DDevicePage::onSelectMouseScrollLightType);
    connect(tool, &ColorWheelTool::sigSelectightTypeMouseLogo, this, &DDevicePage::onSelectMouseLogoLightType);
    connect(tool, &ColorWheelTool::sigSendSetMouseColorData, this, &DDevicePage::onSendSetMouseColorData);
    ui->verticalLayout_26->addWidget(tool);
}

bool DDevicePage::eventFilter(QObject *obj, QEvent *event)
{
    if (obj == ui->label_currentProfileName) {
        if (event->type() != QEvent::MouseButtonPress)
            return false;
        if (static_cast<QMouseEvent *>(event)->button() != Qt::LeftButton)
            return false;
        if (!hasOpenDevice()) {
            showNotice(tr("Please open hid first!"));
            return false;
        }
        if (m_workMode == 1) {
            showNotice(tr("Currently in On-board mode, please exit first"));
            return false;
        }
        const int deviceType = m_curHidStructInfo.deviceType;
        if (deviceType == 0 || deviceType == 1) {
            ui->lightOperateFrame->hide();
            ui->stackedWidget_CustomAll->setCurrentWidget(ui->page_ProfileOperate);
            ui->stackedWidget_DeviceChang->setCurrentWidget(ui->page_deviceShow);
            m_mainPageIndex = 2;
            ui->frame_Custom->show();
            ui->pushButton_Custom->setChecked(false);
            ui->pushButton_Led->setChecked(false);
            ui->pushButton_PerformanceChang->setChecked(true);
            if (deviceType == 0) {
                // The key view leaves its lighting look: no rubber band, no side lights, hover
                // cards again, and no key drawn selected.
                if (m_keyboardPage) {
                    m_keyboardPage->setLightMode(false);
                    m_keyboardPage->showSideLights(false);
                    m_keyboardPage->setCustomLightMode(false);
                    m_keyboardPage->clearLightSelection();
                    m_keyboardPage->setKeyCustomView(false, true);
                }
                ui->stackedWidget_Tool->setCurrentWidget(ui->page_Performance);
                ui->pushButton_Performance->setChecked(true);
                ui->frame_6->setMaximumHeight(200);
            } else {
                ui->stackedWidget_Tool->setCurrentWidget(ui->page_MouseDpiConfig);
                ui->pushButton_MouseDpiConfig->setChecked(true);
                ui->frame_6->setMaximumHeight(240);
            }
            ui->frame_7->show();
        }
        refreshProfileList(0);
        return true;
    }
    if (obj == ui->toolButton_Explain) {
        if (event->type() == QEvent::Enter)
            showExplainPopup();
        else if (event->type() == QEvent::Leave && m_explainPopup)
            delete m_explainPopup.data();
    }
    return QWidget::eventFilter(obj, event);
}

void DDevicePage::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    updateKeyboardAreaMargins();
}

void DDevicePage::showExplainPopup()
{
    // One explanation at a time: the last one goes before the next is built.
    delete m_explainPopup.data();
    auto *explain = new onboardExplainDia(this);
    explain->setWindowOpacity(1);
    m_explainPopup = new ArrowWidget(0);
    m_explainPopup->setSize(460, 510);
    m_explainPopup->setArrowX(408);
    m_explainPopup->setContentWidget(explain);
    const QWidget *button = ui->toolButton_Explain;
    const QPoint anchor = button->mapToGlobal(QPoint(button->width() / 2, button->height()));
    m_explainPopup->move(anchor - QPoint(413, button->height() - 12));
    m_explainPopup->show();
}

ArrowWidget *DDevicePage::explainPopup() const
{
    return m_explainPopup;
}

QPoint DDevicePage::getNoticePos() const
{
    const int customWidth = ui->frame_Custom->isHidden() ? 0 : ui->frame_Custom->width();
    return QPoint(width() / 2 + ui->frame->width() / 2 + customWidth / 2, kNoticeY);
}

bool DDevicePage::isLightOn() const
{
    return m_isLightOn;
}

void DDevicePage::showNotice(const QString &text)
{
    m_notice->showTextAt(text, getNoticePos());
}

bool DDevicePage::hasOpenDevice() const
{
    return m_curHidInterface && m_curDeviceLink && m_curDeviceLink->isDeviceOpen();
}

bool DDevicePage::sendToCurrentDevice(const QByteArray &report, bool userStarted)
{
    unsigned char buffer[MainHidInterFace::kReportSize] = {};
    std::memcpy(buffer, report.constData(), std::min<size_t>(sizeof buffer, size_t(report.size())));
    if (!m_curDeviceLink || !m_curHidInterface) {
        qCDebug(lcUi) << "------------------------- *** Please open hid first! *** -------------------------- command"
                      << buffer[1];
        if (userStarted)
            showNotice(tr("Please open hid first!"));
        return false;
    }
    if (m_curDeviceLink->sendCommand(buffer) != 0) {
        if (userStarted)
            showNotice(tr("Please open hid first!"));
        return false;
    }
    return true;
}

void DDevicePage::initMenusAndToolTips()
{
    resetKeyOperationButtons();
    resetKeyboardEffectButtons();
    resetSideEffectButtons();
    resetScrollLogoEffectButtons();
    ui->pushButton_Import->setToolTip(tr("Import"));
    ui->pushButton_Add->setToolTip(tr("Add"));
}

void DDevicePage::resetKeyOperationButtons()
{
    resetTableButtons(this, DevicePageTables::keyOperationButtons);
}

void DDevicePage::resetKeyboardEffectButtons()
{
    resetTableButtons(this, DevicePageTables::keyboardEffectButtons);
}

void DDevicePage::resetSideEffectButtons()
{
    resetTableButtons(this, DevicePageTables::sideEffectButtons);
}

void DDevicePage::resetScrollLogoEffectButtons()
{
    resetTableButtons(this, DevicePageTables::scrollLogoEffectButtons);
}

void DDevicePage::clearListLayout(QBoxLayout *layout)
{
    if (!layout)
        return;
    // The trailing spacer stays.
    while (layout->count() > 1) {
        QLayoutItem *item = layout->takeAt(0);
        if (QWidget *widget = item->widget()) {
            widget->setParent(nullptr);
            widget->deleteLater();
        }
        delete item;
    }
}

void DDevicePage::clearDeviceList()
{
    m_deviceListLayout = ui->horizontalLayout_24;
    clearListLayout(m_deviceListLayout);
}

void DDevicePage::clearProfileList()
{
    m_profileListLayout = ui->verticalLayout_30;
    clearListLayout(m_profileListLayout);
}

void DDevicePage::setAllKeysCustomFlag(bool flag)
{
    m_keys->setAllKeysCustomFlag(flag);
}

void DDevicePage::updateMouseDpiColors()
{
    if (!m_xml || m_profileXmlPath.isEmpty())
        return;
    const QByteArray key = QByteArray::number(m_curProfileIndex);
    QList<DpiItemInfo> items;
    m_xml->getDpiItems(m_profileXmlPath.constData(), key.constData(), &items);
    const int usingIndex = m_xml->getDpiUsingIndex(m_profileXmlPath.constData(), key.constData());
    QList<QColor> colors;
    for (const DpiItemInfo &item : qAsConst(items))
        colors.append(QColor(item.dpiColorR & 0xFF, item.dpiColorG & 0xFF, item.dpiColorB & 0xFF, 255));
    m_mouseLightDealMain->setDpiColorList(colors, usingIndex);
}

void DDevicePage::updateKeyboardAreaMargins()
{
    // A narrow page keeps its left margin at 0 instead of pushing the bars out of sight.
    const int left = std::max(0, ui->stackedWidget_KeyboardArea->width() / 2 - 380);
    ui->horizontalLayout_32->setContentsMargins(left, 0, 9, 0);
    ui->horizontalLayout_35->setContentsMargins(left, 0, 36, 0);
}

void DDevicePage::loadKeyboardLightModes()
{
    DevicePageLoad(this).loadKeyboardEffectList();
    DevicePageLoad(this).loadSideEffectList();
}

void DDevicePage::loadMouseEffectList()
{
    DevicePageLoad(this).loadMouseEffectList();
}

void DDevicePage::reloadOnboardPage()
{
    if (!m_onboardPage)
        return;
    m_onboardPage->clearKeySelection();
    m_onboardPage->resetKeyText(1);
    updateOnboardKeyboard();
}

void DDevicePage::reloadOnboardPage2()
{
    reloadOnboardPage();
}

void DDevicePage::refreshProfileList(int mode)
{
    m_profiles->refreshProfileList(mode);
}

void DDevicePage::updateOnboardKeyboard()
{
    m_onboard->updateOnboardKeyboard();
}

void DDevicePage::applyOnboardLayoutTemplate(int layout)
{
    m_onboard->applyOnboardLayoutTemplate(layout);
}

bool DDevicePage::createOnboardConfig(int index)
{
    return m_onboard->createOnboardConfig(index);
}

bool DDevicePage::deleteOnboardConfig(int index)
{
    return m_onboard->deleteOnboardConfig(index);
}

QString DDevicePage::getMacroModeText() const
{
    return OnboardConfigFiles::macroModeText(m_curOnboardKeyInfo);
}

QString DDevicePage::getCombinationKeyText() const
{
    return OnboardConfigFiles::combinationKeyText(m_curOnboardKeyInfo, m_keyNameMap);
}

QString DDevicePage::getMouseKeyText() const
{
    return OnboardConfigFiles::mouseKeyText(m_curOnboardKeyInfo);
}

QString DDevicePage::getMultimediaText() const
{
    return OnboardConfigFiles::multimediaText(m_curOnboardKeyInfo);
}

void DDevicePage::setMacroXml(const char *macroXmlPath, xmlInterface *xml)
{
    m_macroXmlPath = QByteArray(macroXmlPath ? macroXmlPath : "");
    m_xml = xml;
}

void DDevicePage::setMainWindow(QWidget *window)
{
    m_mainWindow = window;
}

void DDevicePage::setHidUpgradeInfo(bool pending, QString hidPath, QString serialNumber, QString model)
{
    m_devices->setUpgradeMark(pending, hidPath, serialNumber, model);
}

bool DDevicePage::setHidStructInfoList(QList<hidStructInfo> list)
{
    return m_devices->setHidStructInfoList(list);
}

QList<hidStructInfo> DDevicePage::getHidStructInfoList() const
{
    return m_hidStructInfoList;
}

QMap<QString, DDeviceKeyboardLink *> DDevicePage::getDeviceLinkMap() const
{
    return m_devices->deviceLinkMap();
}

void DDevicePage::onDeviceListChanged(bool inserted, QString)
{
    m_devices->onDeviceListChanged(inserted);
}

void DDevicePage::reopenOnNextResult(const QStringList &hidPaths)
{
    m_devices->reopenOnNextResult(hidPaths);
}

void DDevicePage::loadFirstDevice()
{
    m_devices->loadFirstDevice();
}

void DDevicePage::stopDeviceLighting()
{
    m_devices->stopDeviceLighting();
}

bool DDevicePage::isLightChanged() const
{
    return m_isLightChanged;
}

void DDevicePage::clearLightChanged()
{
    m_isLightChanged = false;
}

int DDevicePage::showTipInfoDia()
{
    return m_customLights->showTipInfoDia();
}

void DDevicePage::applyLightSettings()
{
    m_colorWheelTool->applyLightSettings();
    m_isLightChanged = false;
}

bool DDevicePage::mayLeaveLighting(bool leaveAfterSave)
{
    return m_customLights->mayLeaveLighting(leaveAfterSave);
}

void DDevicePage::updataAllUI()
{
    DevicePageTheme(this).retranslate();
}

void DDevicePage::applyTheme()
{
    DevicePageTheme(this).applyTheme();
}

QString DDevicePage::currentHidPath() const
{
    return m_curDeviceItem ? m_curDeviceItem->getHidPath() : QString();
}

QStringList DDevicePage::linkedHidPaths() const
{
    return m_listOldHidPath;
}

DDeviceKeyboardLink *DDevicePage::deviceLink(const QString &hidPath) const
{
    return m_mapDeviceLink.value(hidPath, nullptr);
}

void DDevicePage::openDeviceLink(const hidStructInfo &info)
{
    m_devices->openDeviceLink(info);
}

void DDevicePage::openDeviceView(const hidStructInfo &info)
{
    m_onboard->abortDownload();
    m_devices->openDeviceView(info);
}

void DDevicePage::closeAllDevices()
{
    m_devices->closeAllDevices();
}

void DDevicePage::loadKeyboardEffectList()
{
    DevicePageLoad(this).loadKeyboardEffectList();
}

void DDevicePage::loadSideEffectList()
{
    DevicePageLoad(this).loadSideEffectList();
}

void DDevicePage::addDefaultLightItems(int profileIndex)
{
    if (m_xml)
        ProfileFiles::addDefaultLightItems(m_xml, m_profileXmlPath, profileIndex,
                                           QString::fromLatin1(m_curHidStructInfo.hidName));
}

void DDevicePage::addDefaultMouseItems(int profileIndex)
{
    if (m_xml)
        ProfileFiles::addDefaultMouseItems(m_xml, m_profileXmlPath, profileIndex);
}

void DDevicePage::onDeviceItemPressed()
{
    m_devices->onDeviceItemPressed(qobject_cast<DDeviceListItem *>(sender()));
}

void DDevicePage::onHomePageDeviceItemClicked(QString hidPath)
{
    m_devices->onHomePageDeviceItemClicked(hidPath);
}

void DDevicePage::onInitLoadHid(QString strHidName, int connectFrom)
{
    m_devices->onInitLoadHid(strHidName, connectFrom);
}

void DDevicePage::onKeyboardAlreadyLoad_Over()
{
    m_isKeyboardLoaded = true;
    if (m_keyboardPage)
        m_keyboardPage->hideKeyToolTips();
}

void DDevicePage::onIntoOnboardDelay500MS()
{
    ui->pushButton_AppMode->hide();
    ui->pushButton_OnboardMode->setChecked(true);
    ui->pushButton_OnboardMode->setEnabled(false);
    onCurIndexChangedSelMode(1);
}

void DDevicePage::applyKeyboardProfile(int profileIndex)
{
    m_apply->applyKeyboardProfile(profileIndex);
}

void DDevicePage::applyMouseProfile(int profileIndex)
{
    m_apply->applyMouseProfile(profileIndex);
}

void DDevicePage::onMacroListHaveChangedSendToDevice(QString strMacroIndex, QString strMacroName)
{
    m_keys->onMacroChanged(strMacroIndex, strMacroName);
}

void DDevicePage::onHookKeyboardRecviveStreamToDevice(int, int keyCode, int flag)
{
    m_keys->onHookKey(keyCode, flag);
}

void DDevicePage::onKeyboardClicked(int keyDec, QString keyCharacter)
{
    m_keys->onKeyboardClicked(keyDec, keyCharacter);
}

void DDevicePage::onSoftKeyboardAlreadyLoad()
{
    if (m_softKeyboardPage)
        m_keyNameMap = m_softKeyboardPage->getKeyNameMap();
}

void DDevicePage::onSoftKeyboardClicked(int keyDec, QString)
{
    m_keys->relayEnteredKey(keyDec);
}

void DDevicePage::onMouseInfoAlreadyLoad()
{
    if (m_mousePage)
        m_mouseConfigView->setSupportEnableXY(m_mousePage->supportEnableXY() == 1);
}

void DDevicePage::onMouseButtonClicked(int selIndex)
{
    m_keys->onMouseButtonClicked(selIndex);
}

void DDevicePage::onSoftKeyboardClickedKeyReset()
{
    if (m_softKeyboardPage)
        m_softKeyboardPage->resetSelectedKeys();
}

void DDevicePage::onResetSoftKeyStatusToDefault(int keyDec)
{
    if (m_softKeyboardPage)
        m_softKeyboardPage->resetKeyStatusToDefault(keyDec);
}

void DDevicePage::onChangKeyOrCombinationKeyFocusIn(bool isFocus)
{
    m_isKeyEditFocused = isFocus;
    if (m_curKeyPageType == 2 && m_softKeyboardPage)
        m_softKeyboardPage->setCombinationKeyFocus(isFocus);
}

void DDevicePage::onClickedCancel()
{
    onCurIndexChanged_Key(0);
}

void DDevicePage::onCurIndexChanged_Key(int selIndex)
{
    m_keys->onCurIndexChangedKey(selIndex);
}

void DDevicePage::onCustomKeyInfoSaveSuccessful()
{
    m_mouse->onCustomKeyInfoSaveSuccessful();
}

void DDevicePage::onKeyboardAlreadyLoad(int keyDec)
{
    m_keys->onKeyboardAlreadyLoad(keyDec);
}

void DDevicePage::onShoudUpdateKeyboard(int keyDec)
{
    m_keys->onShoudUpdateKeyboard(keyDec);
}

void DDevicePage::onCurIndexChangedMainPage(int selIndex)
{
    m_modes->onCurIndexChangedMainPage(selIndex);
}

void DDevicePage::onCurIndexChangedOperate(int selIndex)
{
    m_modes->onCurIndexChangedOperate(selIndex);
}

void DDevicePage::onCurIndexChangedSelMode(int selIndex)
{
    m_modes->onCurIndexChangedSelMode(selIndex);
}

void DDevicePage::on_pushButton_CloseKeyCustom_clicked()
{
    m_modes->closeKeyCustom();
}

void DDevicePage::on_pushButton_CloseLedCustom_clicked()
{
    m_modes->closeSidePanel();
}

void DDevicePage::on_pushButton_CloseProfile_clicked()
{
    m_modes->closeSidePanel();
}

void DDevicePage::on_pushButton_MoreOperate_clicked()
{
    m_modes->showMoreOperations();
}

void DDevicePage::onSelectKeyboardLightType(int selLedType)
{
    m_lighting->onSelectKeyboardLightType(selLedType);
}

void DDevicePage::onSelectSideLightType(int selLedType)
{
    m_lighting->onSelectSideLightType(selLedType);
}

void DDevicePage::onLightCancelSettings(int ledSelMode)
{
    m_lighting->onLightCancelSettings(ledSelMode);
}

void DDevicePage::onSelectMouseAroundLightType(int selLedType)
{
    m_lighting->onSelectMouseAroundLightType(selLedType);
}

void DDevicePage::onSelectMouseScrollLightType(int selLedType)
{
    m_lighting->onSelectScrollOrLogoLightType(selLedType);
}

void DDevicePage::onSelectMouseLogoLightType(int selLedType)
{
    m_lighting->onSelectScrollOrLogoLightType(selLedType);
}

void DDevicePage::keyBoardLedType(int ledType)
{
    m_lighting->keyBoardLedType(ledType);
}

void DDevicePage::keyBoardSideLedType(int ledType)
{
    m_lighting->keyBoardSideLedType(ledType);
}

void DDevicePage::mouseScrollOrLogoLedType(int ledType)
{
    m_lighting->mouseScrollOrLogoLedType(ledType);
}

void DDevicePage::onSelectMouseLightType(int selLightType)
{
    m_lighting->onSelectMouseLightType(selLightType);
}

void DDevicePage::onCurIndexChanged_Led(int selIndex)
{
    m_lighting->onCurIndexChangedLed(selIndex);
}

void DDevicePage::onCurIndexChanged_SideLed(int selIndex)
{
    m_lighting->onCurIndexChangedSideLed(selIndex);
}

void DDevicePage::onCurIndexChanged_LedSelect(int selIndex)
{
    m_lighting->onCurIndexChangedLedSelect(selIndex);
}

void DDevicePage::onCurIndexChanged_ScrollAndLogoLed(int selIndex)
{
    m_lighting->onCurIndexChangedScrollAndLogoLed(selIndex);
}

void DDevicePage::updateKeyboardLayers(int ledType)
{
    m_lighting->updateKeyboardLayers(ledType);
}

void DDevicePage::showKeyboardLightPage()
{
    m_lighting->showKeyboardLightPage();
}

void DDevicePage::onSendSetKeyboardColorData()
{
    m_lighting->onSendSetKeyboardColorData();
}

void DDevicePage::onSendSetSideColorData()
{
    m_lighting->onSendSetSideColorData();
}

void DDevicePage::onSetLightEffectSuccessful()
{
    m_lighting->onSetLightEffectSuccessful();
}

void DDevicePage::onSetLightEffectFailed()
{
    showNotice(tr("Set light effect failed"));
}

void DDevicePage::onLightConfigHaveChanged(int lightConfigChangedFrom, int ledSelMode)
{
    m_lighting->onLightConfigHaveChanged(lightConfigChangedFrom, ledSelMode);
}

void DDevicePage::send0x07Cmd(colorInfoData colorData)
{
    m_lighting->send0x07Cmd(colorData);
}

void DDevicePage::sendCustomLedColors(int slot)
{
    m_lighting->sendCustomLedColors(slot);
}

bool DDevicePage::writeKeyboardCustomLed(int slot, int packet, const QList<unsigned char> &colors)
{
    return m_lighting->writeKeyboardCustomLed(slot, packet, colors);
}

void DDevicePage::onSendUpdataColorBuildUp(QList<double> listColorScale, QList<QColor> listColor)
{
    if (m_keyboardPage)
        m_keyboardPage->setColorBuildUp(listColorScale, listColor);
}

void DDevicePage::onInitColorOver()
{
    qCDebug(lcUi) << "------------------- onInitColorOver ------------------";
}

void DDevicePage::onLightOpenOrCloseType(int ledOpenOrClose)
{
    m_lighting->onLightOpenOrCloseType(ledOpenOrClose);
}

void DDevicePage::onSendLight0x17Cmd()
{
    // The engines repeat the synchronisation report themselves; this timer is never started.
    sendToCurrentDevice(QByteArray(reinterpret_cast<const char *>(LightingCommands::lightSynchronize(true).data()),
                                   MainHidInterFace::kReportSize),
                        false);
}

void DDevicePage::onSendKeyboardAndSideLightSpeedAndBrightness(int keyboardSpeedMax, int keyboardBrightnessMax,
                                                               int sideSpeedMax, int sideBrightnessMax)
{
    m_lightDealMain->setSpeedAndBrightnessMaxNum(keyboardSpeedMax, keyboardBrightnessMax, sideSpeedMax,
                                                 sideBrightnessMax);
}

void DDevicePage::on_pushButton_LightOnOff_clicked()
{
    m_lighting->onLightOnOffClicked();
}

void DDevicePage::on_checkBox_LightSynchronize_clicked()
{
    m_lighting->onLightSynchronizeClicked();
}

void DDevicePage::on_pushButton_Test_clicked() {}

void DDevicePage::onUpdateCustomLight()
{
    m_customLights->onUpdateCustomLight();
}

void DDevicePage::onCustomLightItemMouseClicked(QString, QString)
{
    m_customLights->onCustomLightItemMouseClicked(qobject_cast<DCustomLightListItem *>(sender()));
}

void DDevicePage::onCustomLightUsingStatus(bool isUsing)
{
    m_customLights->onCustomLightUsingStatus(qobject_cast<DCustomLightListItem *>(sender()), isUsing);
}

void DDevicePage::onModifyCustomLightItemNameIsEmpty()
{
    showNotice(tr("Custom light name can't be empty"));
}

void DDevicePage::onModifyCustomLightItemNameSuccess()
{
    showNotice(tr("Modify custom light name successful"));
}

void DDevicePage::onModifyCustomLightItemNameFailed()
{
    showNotice(tr("Modify custom light name failed"));
}

void DDevicePage::addDefaultCustomLights(int profileIndex)
{
    m_customLights->addDefaultCustomLights(profileIndex);
}

void DDevicePage::loadCustomLightDefaults(int profileIndex, int customLightIndex)
{
    m_customLights->loadCustomLightDefaults(profileIndex, customLightIndex);
}

void DDevicePage::clearCustomLightList()
{
    m_customLights->clearCustomLightList();
}

void DDevicePage::reloadCustomLightList()
{
    m_customLights->reloadCustomLightList();
}

void DDevicePage::sendCustomLight(QString index, int slot, bool clearOnly)
{
    m_customLights->sendCustomLight(index, slot, clearOnly);
}

void DDevicePage::saveCustomLight()
{
    m_customLights->saveCustomLight();
}

void DDevicePage::onSendSetMouse_AroundColorData() {}
void DDevicePage::onSendSetMouse_ScrollColorData() {}
void DDevicePage::onSendSetMouse_LogoColorData() {}
void DDevicePage::setMouseLightConfig(int ligetType)
{
    m_mouse->setMouseLightConfig(ligetType);
}

void DDevicePage::setMouseLightConfigLinkChanged(int ligetType, colorInfoData colorData)
{
    m_mouse->setMouseLightConfigLinkChanged(ligetType, colorData);
}

void DDevicePage::onSendSetMouseColorData(int ligetType)
{
    m_mouse->setMouseLightConfig(ligetType);
}

void DDevicePage::onMouseTriggeredDPIkey()
{
    auto *link = qobject_cast<DDeviceKeyboardLink *>(sender());
    if (link)
        m_dpiPresses->press(link);
    else
        serveDpiPresses(nullptr, 1);
}

void DDevicePage::serveDpiPresses(DDeviceKeyboardLink *link, int presses)
{
    // A mouse that is not shown keeps its own file and gets its own command.
    if (link && link != m_curDeviceLink) {
        m_mouse->onDpiKeyOf(link, presses);
        return;
    }
    if (m_curHidStructInfo.deviceType == 1)
        m_mouseConfigView->switchToNextDpi(presses);
}

void DDevicePage::onMouseActivatesSniperKey(bool set)
{
    auto *link = qobject_cast<DDeviceKeyboardLink *>(sender());
    if (link && link != m_curDeviceLink) {
        m_mouse->onSniperKeyOf(link, set);
        return;
    }
    m_isSniperSet = set;
    if (m_curHidStructInfo.deviceType == 1)
        onMouseDpiInfoSet();
}

void DDevicePage::onMouseDpiInfoSet()
{
    if (!m_xml || m_profileXmlPath.isEmpty() || m_curHidStructInfo.deviceType != 1)
        return;
    // The levels come from the file, not from the view: the mouse gets what the profile holds.
    const QByteArray key = QByteArray::number(m_curProfileIndex);
    QList<DpiItemInfo> items;
    m_xml->getDpiItems(m_profileXmlPath.constData(), key.constData(), &items);
    const int usingIndex = m_xml->getDpiUsingIndex(m_profileXmlPath.constData(), key.constData());
    const QByteArray report =
        MouseDpiCommand::buildReport(items, m_isSniperSet ? MouseDpiCommand::kLevels : usingIndex, m_mapDpiCode);
    if (report.isEmpty()) {
        qCWarning(lcUi) << "mouse DPI: the level in use" << usingIndex << "is not one of 1 to 6; nothing sent";
        return;
    }
    if (sendToCurrentDevice(report, false))
        qCDebug(lcUi) << "USB serial port [Write DPI] Successful ...";
}

void DDevicePage::onResetoreMouseCurrentProfile()
{
    m_mouse->onResetCurrentProfile();
}

void DDevicePage::onCurIndexChanged_MouseRateNumIndex(int selIndex)
{
    m_mouse->onRateIndexChanged(selIndex);
}

void DDevicePage::onScrollLinkStatus(int status)
{
    m_mouse->onScrollLinkStatus(status);
}

void DDevicePage::onLogoLinkStatus(int status)
{
    m_mouse->onLogoLinkStatus(status);
}

void DDevicePage::onExportProfileChildList(QString strProfileIndex, QString strProfileName)
{
    m_profiles->exportProfile(strProfileIndex, strProfileName);
}

void DDevicePage::onDeleteProfile(QString strProfileIndex, QString)
{
    m_profiles->deleteProfile(qobject_cast<profileListItem *>(sender()), strProfileIndex);
}

void DDevicePage::on_pushButton_Import_clicked()
{
    m_profiles->importProfile();
}

void DDevicePage::on_pushButton_Add_clicked()
{
    m_profiles->addProfile();
}

void DDevicePage::on_pushButton_selectAppPath_clicked()
{
    m_profiles->selectAppPath();
}

void DDevicePage::on_pushButton_OK_clicked()
{
    m_profiles->storeNameAndProgram();
}

void DDevicePage::onProfileItemMouseClicked(QString, QString)
{
    m_profiles->selectProfile(qobject_cast<profileListItem *>(sender()));
}

void DDevicePage::onResetoreCurrentProfile()
{
    m_profiles->resetCurrentProfile();
}

void DDevicePage::onCustomEventChangProfile(int changeProfileIndex)
{
    // The link of the device whose key was pressed; a direct call means the current device.
    auto *link = qobject_cast<DDeviceKeyboardLink *>(sender());
    m_profiles->switchByKey(link ? link : m_curDeviceLink, changeProfileIndex);
}

DevicePagePrompts &DDevicePage::prompts()
{
    return *m_prompts;
}

void DDevicePage::onProfileCreateNew()
{
    m_onboardConfigs->createNew();
}

void DDevicePage::onProfileExport()
{
    m_onboardConfigs->exportConfig();
}

void DDevicePage::onProfileImport()
{
    m_onboardConfigs->importConfig();
}

void DDevicePage::onProfileDelete()
{
    m_onboardConfigs->deleteConfig();
}

void DDevicePage::onProfileRestore()
{
    m_onboardConfigs->restoreConfig();
}

void DDevicePage::onProfileModifyName()
{
    m_onboardConfigs->modifyName();
}

void DDevicePage::onConfigQWERTY()
{
    applyOnboardLayoutTemplate(1);
}

void DDevicePage::onConfigMac()
{
    applyOnboardLayoutTemplate(2);
}

void DDevicePage::onConfigDvorak()
{
    applyOnboardLayoutTemplate(3);
}

void DDevicePage::onConfigCleanLayer()
{
    m_onboardConfigs->cleanLayer();
}

void DDevicePage::onOnboardProfileComboxCurrentIndexChanged(QString strCurrentText)
{
    const int row = ui->comboBox_OnboardProfile->findText(strCurrentText);
    if (row >= 0)
        m_onboardConfigs->selectIndex(ui->comboBox_OnboardProfile->itemData(row).toInt());
}

void DDevicePage::onOnboardKeyboardClicked(int keyDec, QString keyCharacter)
{
    m_onboardConfigs->keyClicked(keyDec, keyCharacter);
}

void DDevicePage::onKeyboardMouseRightKeyClicked(int keyDec, QString keyCharacter)
{
    m_onboardConfigs->keyRightClicked(keyDec, keyCharacter);
}

void DDevicePage::onEmptyForKey()
{
    m_onboardConfigs->emptyKey();
}

void DDevicePage::onRuningOnboard0x19Cmd()
{
    // The running on-board download takes the answers of its own device's link; the page has
    // nothing to wait for.
}

void DDevicePage::onRuningOnboard0x18Cmd()
{
    // Nothing waits for it: the key tables are not paced.
}

void DDevicePage::onRuningMouse0x47Cmd()
{
    m_is0x47Acked = true;
    m_mouse->onAcknowledged();
}

void DDevicePage::onCurIndexChangedOn_board(int selIndex)
{
    m_onboard->onCurIndexChangedOn_board(selIndex);
}

void DDevicePage::on_pushButton_OnboardMoreOperate_clicked()
{
    m_onboard->openMenu(false);
}

void DDevicePage::on_pushButton_OnboardConfigMoreOperate_clicked()
{
    m_onboard->openMenu(true);
}

void DDevicePage::on_pushButton_OnboardSave_clicked()
{
    m_onboard->saveName();
}

void DDevicePage::on_pushButton_OnboardCancel_clicked()
{
    m_onboard->cancelName();
}

void DDevicePage::on_pushButton_Fn1Key_clicked()
{
    m_onboard->setFn1Key();
}

void DDevicePage::on_toolButton_OnboardDownload_clicked()
{
    m_onboard->startDownload();
}

void DDevicePage::on_toolButton_RestoreFactorySettings_clicked()
{
    m_onboard->restoreFactorySettings();
}

void DDevicePage::onTipInfoDiaClose()
{
    if (m_maskWidget)
        m_maskWidget->hide();
}

void DDevicePage::onCloseMenuWidow()
{
    if (m_menuPopup)
        m_menuPopup->hide();
}
