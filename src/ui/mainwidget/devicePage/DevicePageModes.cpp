// SPDX-License-Identifier: GPL-3.0-or-later
#include "DevicePageModes.h"

#include "ArrowWidget.h"
#include "ColorWheelTool.h"
#include "CustomButton.h"
#include "DDataManager.h"
#include "DDeviceKeyboardLink.h"
#include "DDeviceListItem.h"
#include "DDevicePage.h"
#include "DevicePageKeys.h"
#include "DevicePageOnboardConfigs.h"
#include "DKeyAssignPage.h"
#include "DMouseLightPage.h"
#include "DOnboardPage.h"
#include "DResetDefaultPage.h"
#include "DSoftKeyboardPage.h"
#include "keyboardButCustom.h"
#include "keyboardImagePage.h"
#include "keyboardPage.h"
#include "LogCategories.h"
#include "mouseLightDealMain.h"
#include "proFileOperateMenuToolWidget.h"
#include "ui_DDevicePage.h"
#include "xmlInterface.h"

#include <QFileInfo>

namespace {

constexpr int kHiddenAppIndexNum = 789;
const char kOnboardFileName[] = "/brivexOnboardProFile.xml";
const char kOnboardDefaultFileName[] = "/OnboardDefaultProFile.xml";
const char kOnboardFn1FileName[] = "/OnboardFN1ProFile.xml";

}  // namespace

DevicePageModes::DevicePageModes(DDevicePage *page)
    : QObject(page)
    , p(page)
{
}

void DevicePageModes::showWorkModeRow()
{
    const bool show =
        p->m_isSupportOnboard && DDataManager::getInstance()->getCurrentAppIndexNum() != kHiddenAppIndexNum;
    p->ui->frame_HidDeviceTypeChang->setVisible(show);
}

// ---- Main page

void DevicePageModes::onCurIndexChangedMainPage(int selIndex)
{
    if (!p->hasOpenDevice()) {
        p->showNotice(DDevicePage::tr("Please open hid first!"));
        return;
    }
    Ui::DDevicePage *ui = p->ui.get();
    ui->frame_6->show();
    ui->frame_Custom->show();
    const int type = p->m_curHidStructInfo.deviceType;
    if (type == 0) {
        if (selIndex == 0)
            showKeyboardKeyPage();
        else if (selIndex == 1 || selIndex == 2)
            showKeyboardLightPage();
    } else if (type == 1) {
        showMousePage(selIndex);
    }
}

void DevicePageModes::onMainPageButtonClicked(int selIndex)
{
    // Even a click on the lighting panel's own button reloads it from the file.
    if (p->m_mainPageIndex == DDevicePage::kLightingPage && !p->mayLeaveLighting()) {
        p->ui->pushButton_Led->setChecked(true);
        return;
    }
    onCurIndexChangedMainPage(selIndex);
}

void DevicePageModes::showKeyboardKeyPage()
{
    Ui::DDevicePage *ui = p->ui.get();
    p->m_isCustomLightEditing = false;
    if (p->m_keyboardPage) {
        for (keyboardButCustom *button : p->m_keyboardPage->getKeyButtons())
            button->setStateValue(0);
    }
    ui->lightOperateFrame->hide();
    ui->stackedWidget_CustomAll->setCurrentWidget(ui->page_CustomKey);
    if (p->m_keyboardPage) {
        p->m_keyboardPage->setLightMode(false);
        p->m_keyboardPage->showSideLights(false);
    }
    ui->stackedWidget_Tool->setCurrentWidget(ui->page_Performance);
    ui->pushButton_Performance->setChecked(true);
    ui->frame_7->show();
    ui->frame_6->setMaximumHeight(200);
    p->m_mainPageIndex = 0;
    if (p->m_keyboardPage) {
        p->m_keyboardPage->setCustomLightMode(false);
        p->m_keyboardPage->clearLightSelection();
        p->m_keyboardPage->setKeyCustomView(true, true);
    }
    if (p->m_workMode == 1) {
        showWorkModeRow();
        ui->frame_OnboardProfile->show();
        ui->frame_OnboardDownload->show();
        p->updateKeyboardAreaMargins();
        ui->stackedWidget_DeviceChang->setCurrentWidget(ui->page_Onboard);
        ui->pushButton_SoftKeyboard->setChecked(true);
        onCurIndexChangedOperate(2);
    } else {
        if (p->m_keyboardPage) {
            const QMap<int, keyboardButCustom *> buttons = p->m_keyboardPage->getKeyButtonMap();
            for (const QString &code : qAsConst(p->m_listCustomKeyCode)) {
                if (keyboardButCustom *button = buttons.value(code.toInt(), nullptr))
                    button->setCustomFlag(true);
            }
        }
        showWorkModeRow();
        ui->stackedWidget_Onboard->hide();
        ui->stackedWidget_DeviceChang->setCurrentWidget(ui->page_deviceShow);
        onCurIndexChangedOperate(1);
        ui->pushButton_CustomList->setChecked(true);
    }
    // The key view lies over the picture in one stacked layout.
    if (p->m_keyboardPage)
        p->m_keyboardPage->raise();
    if (p->m_keyboardImagePage)
        p->m_keyboardImagePage->lower();
}

void DevicePageModes::showKeyboardLightPage()
{
    Ui::DDevicePage *ui = p->ui.get();
    if (p->m_keyboardPage) {
        for (keyboardButCustom *button : p->m_keyboardPage->getKeyButtons())
            button->setStateValue(1);
    }
    p->m_isCustomLightEditing = true;
    ui->frame_HidDeviceTypeChang->hide();
    ui->frame_OnboardProfile->hide();
    ui->frame_OnboardDownload->hide();
    p->clearLightChanged();
    if (p->m_curDeviceLink) {
        const LightTypeInfo keys = p->m_curDeviceLink->getKeyboardLightTypeList();
        const LightTypeInfo side = p->m_curDeviceLink->getSideLightTypeList();
        p->onSendKeyboardAndSideLightSpeedAndBrightness(keys.speedMax, keys.brightnessMax, side.speedMax,
                                                        side.brightnessMax);
    }
    p->showKeyboardLightPage();
}

void DevicePageModes::showMousePage(int selIndex)
{
    Ui::DDevicePage *ui = p->ui.get();
    ui->frame_HidDeviceTypeChang->hide();
    ui->frame_OnboardProfile->hide();
    ui->frame_OnboardDownload->hide();
    if (selIndex == 0) {
        p->m_mainPageIndex = 0;
        ui->lightOperateFrame->hide();
        ui->stackedWidget_DeviceChang->setCurrentWidget(ui->page_deviceShow);
        ui->stackedWidget_CustomAll->setCurrentWidget(ui->page_CustomKey);
        ui->frame_Custom->show();
        ui->pushButton_Custom->setChecked(true);
        ui->pushButton_Led->setChecked(false);
        ui->pushButton_PerformanceChang->setChecked(false);
        ui->stackedWidget_Tool->setCurrentWidget(ui->page_MouseDpiConfig);
        ui->pushButton_MouseDpiConfig->setChecked(true);
        ui->frame_7->show();
        ui->frame_6->setMaximumHeight(240);
        return;
    }
    if (selIndex != 1 && selIndex != 2)
        return;
    p->clearLightChanged();
    ui->lightOperateFrame->show();
    ui->stackedWidget_DeviceChang->setCurrentWidget(ui->page_MouseLight);
    ui->stackedWidget_CustomAll->setCurrentWidget(ui->page_CustomLed);
    ui->frame_Custom->show();
    ui->pushButton_Led->setChecked(true);
    ui->pushButton_Custom->setChecked(false);
    ui->pushButton_PerformanceChang->setChecked(false);
    ui->stackedWidget->setCurrentWidget(ui->page_KeyboardLed);
    ui->stackedWidget_Tool->setCurrentWidget(ui->page_LightOffOrOpen);
    ui->frame_7->hide();
    ui->frame_6->setMaximumHeight(100);
    if (p->m_xml && !p->m_profileXmlPath.isEmpty()) {
        const char *file = p->m_profileXmlPath.constData();
        const QByteArray key = QByteArray::number(p->m_curProfileIndex);
        p->m_colorWheelTool->setCurrentProfile(file, p->m_xml, p->m_curProfileIndex);
        p->m_mouseAroundLedType = p->m_xml->getLightUsingIndex(file, key.constData(), 0);
        if (p->m_curDeviceLink)
            p->m_curDeviceLink->setMouseAroundLightType(p->m_mouseAroundLedType);
        p->updateMouseDpiColors();
        p->m_ledOpenOrClose = p->m_xml->getLightSwitch(file, key.constData());
    }
    ui->pushButton_LightOnOff->setStyleSheet(
        p->m_ledOpenOrClose == 0 ? QStringLiteral("QPushButton{border-image:url(:/images/deviceLed/ledOn.png);}")
                                 : QStringLiteral("QPushButton{border-image:url(:/images/deviceLed/ledOff.png);}"));
    const struct {
        int zone;
        int ledType;
    } zones[] = {{1, p->m_mouseScrollLedType}, {2, p->m_mouseLogoLedType}, {0, p->m_mouseAroundLedType}};
    // The preview runs what is stored from the first opening on, not only after an effect click.
    mouseLightDealMain *engine = p->m_mouseLightDealMain.get();
    for (const auto &zone : zones) {
        p->m_colorWheelTool->setLedSelMode(zone.zone, zone.ledType, p->m_ledOpenOrClose);
        const colorInfoData record = p->m_colorWheelTool->getColorInfoData();
        if (zone.zone == 0)
            engine->setAroundLightConfig(record);
        else if (zone.zone == 1)
            engine->setScrollLightConfig(record);
        else
            engine->setLogoLightConfig(record);
    }
    if (p->m_mouseLightPage)
        p->m_mouseLightPage->loadLinkStatus();
    p->m_mainPageIndex = 1;
    ui->frame_Custom->setVisible(p->m_ledOpenOrClose == 0);
    if (p->m_mouseLightPage)
        p->m_mouseLightPage->setLedDisabled(p->m_ledOpenOrClose);
}

// ---- Tool page

void DevicePageModes::onCurIndexChangedOperate(int selIndex)
{
    Ui::DDevicePage *ui = p->ui.get();
    switch (selIndex) {
    case 0:
        ui->stackedWidget_Tool->setCurrentWidget(ui->page_Performance);
        break;
    case 1:
        // Built anew each time it is opened: assignments saved while another tool page showed
        // did not reach it.
        ui->stackedWidget_Tool->setCurrentWidget(ui->page_CustomList);
        p->m_keys->refreshCustomEventList();
        break;
    case 2:
        // What a click on the on-screen keyboard enters: a remap target, a combination, or nothing.
        p->m_softKeyboardPage->setOperateMode(p->m_curKeyPageType == 1 ? 0 : p->m_curKeyPageType == 2 ? 1 : 2);
        ui->stackedWidget_Tool->setCurrentWidget(ui->page_SoftKeyboard);
        break;
    case 3:
        ui->stackedWidget_Tool->setCurrentWidget(ui->page_MousePerformance);
        break;
    case 4:
        ui->stackedWidget_Tool->setCurrentWidget(ui->page_MouseDpiConfig);
        break;
    default:
        break;
    }
}

// ---- Work mode

void DevicePageModes::setKeyOperationsForOnboard(bool onboard)
{
    Ui::DDevicePage *ui = p->ui.get();
    for (QWidget *w :
         {static_cast<QWidget *>(ui->toolButton_Text), static_cast<QWidget *>(ui->toolButton_Disable),
          static_cast<QWidget *>(ui->toolButton_Shortcuts), static_cast<QWidget *>(ui->toolButton_SwitchProfile),
          static_cast<QWidget *>(ui->toolButton_OpenApp), static_cast<QWidget *>(ui->pushButton_Performance),
          static_cast<QWidget *>(ui->pushButton_CustomList)})
        w->setVisible(!onboard);
}

void DevicePageModes::onCurIndexChangedSelMode(int selIndex)
{
    // Either way the key column starts over on Default, with no key.
    p->resetKeyOperationButtons();
    p->ui->stackedWidget_Customize->setCurrentWidget(p->ui->page_Default);
    p->ui->toolButton_Default->setSelected(true);
    p->m_resetDefaultPage->setCurrentKey(qMakePair(-1, DDevicePage::tr("Empty")));
    if (selIndex == 0)
        enterPcMode();
    else if (selIndex == 1)
        enterOnboardMode();
}

void DevicePageModes::enterPcMode()
{
    Ui::DDevicePage *ui = p->ui.get();
    p->m_curKeyDec = -1;
    delete p->m_onboardPage;
    p->m_onboardPage = nullptr;
    if (p->m_curDeviceLink)
        p->m_curDeviceLink->setShakeHandsMode(true);
    ui->stackedWidget_Onboard->hide();
    ui->frame_OnboardProfile->hide();
    ui->frame_OnboardDownload->hide();
    p->m_workMode = 0;
    if (p->m_curDeviceLink)
        p->m_curDeviceLink->setOnboardMode(0);
    ui->stackedWidget_DeviceChang->setCurrentWidget(ui->page_deviceShow);
    setKeyOperationsForOnboard(false);
    ui->pushButton_CustomList->setChecked(true);
    onCurIndexChangedOperate(1);
    // The on-board configuration's index goes: keys are saved into the PC profile again.
    for (DKeyAssignPage *page : p->m_keys->keyPages())
        page->setProfileIndex(p->m_curProfileIndex);
    if (p->m_keyboardPage)
        p->m_keyboardPage->clearKeySelection();
    onCurIndexChangedMainPage(0);
}

void DevicePageModes::enterOnboardMode()
{
    Ui::DDevicePage *ui = p->ui.get();
    if (!p->m_isSupportOnboard) {
        ui->pushButton_AppMode->setChecked(true);
        p->showNotice(DDevicePage::tr("The device is not support On-board"));
        return;
    }
    ui->label_LogMsg->hide();
    if (p->m_curDeviceLink)
        p->m_curDeviceLink->setShakeHandsMode(false);
    p->m_curKeyPageType = 10;
    p->m_workMode = 1;
    if (p->m_curDeviceLink)
        p->m_curDeviceLink->setOnboardMode(1);
    p->m_onboardLayer = 0;

    const QString model = QString::fromLatin1(p->m_curHidStructInfo.hidName);
    if (!p->m_onboardPage) {
        p->m_onboardPage = new DOnboardPage(ui->onboardFrame);
        if (ui->onboardFrame->layout())
            ui->onboardFrame->layout()->addWidget(p->m_onboardPage);
        p->m_onboardPage->setKeyboardModel(model);
        QObject::connect(p->m_onboardPage, &DOnboardPage::sigKeyboardMouseRightKeyClicked, p,
                         &DDevicePage::onKeyboardMouseRightKeyClicked);
        QObject::connect(p->m_onboardPage, &DOnboardPage::sigKeyboardClicked, p,
                         &DDevicePage::onOnboardKeyboardClicked);
    }
    p->m_onboardPage->clearKeySelection();

    // The on-board files live in the device's own folder, the same one as its profile file.
    const QString folder = QFileInfo(QString::fromLocal8Bit(p->m_profileXmlPath)).absolutePath();
    p->m_onboardXmlPath = (folder + QLatin1String(kOnboardFileName)).toLocal8Bit();
    p->m_onboardDefaultXmlPath = (folder + QLatin1String(kOnboardDefaultFileName)).toLocal8Bit();
    p->m_onboardFn1XmlPath = (folder + QLatin1String(kOnboardFn1FileName)).toLocal8Bit();

    xmlInterface *xml = p->m_xml;
    if (xml && !QFileInfo::exists(QString::fromLocal8Bit(p->m_onboardXmlPath))) {
        xml->createXmlFile(p->m_onboardXmlPath.constData());
        xml->createXmlFile(p->m_onboardDefaultXmlPath.constData());
        xml->createXmlFile(p->m_onboardFn1XmlPath.constData());
        p->m_onboardFlag = false;
        p->onProfileCreateNew();
        p->applyOnboardLayoutTemplate(1);
    }
    p->m_onboardFlag = true;

    QList<IndexNameInfo> configs;
    if (xml)
        xml->getMacroList(p->m_onboardXmlPath.constData(), &configs);
    const int current = xml ? xml->getProfileIndex(p->m_onboardXmlPath.constData()) : 1;
    int currentRow = 0;
    {
        const QSignalBlocker blocker(ui->comboBox_OnboardProfile);
        ui->comboBox_OnboardProfile->clear();
        p->m_mapOnboardConfig.clear();
        for (const IndexNameInfo &config : qAsConst(configs)) {
            const QString name = QString::fromUtf8(config.name);
            const QString index = QString::fromLatin1(config.index);
            ui->comboBox_OnboardProfile->addItem(name, index.toInt());
            p->m_mapOnboardConfig.insert(name, index);
            if (index.toInt() == current)
                currentRow = ui->comboBox_OnboardProfile->count() - 1;
        }
        ui->comboBox_OnboardProfile->setCurrentIndex(currentRow);
    }
    if (ui->comboBox_OnboardProfile->count() > 0)
        p->m_onboardConfigs->selectIndex(ui->comboBox_OnboardProfile->itemData(currentRow).toInt());

    if ((ui->frame_Custom->isHidden() || p->m_mainPageIndex != 0) && p->hasOpenDevice()) {
        ui->stackedWidget_CustomAll->setCurrentWidget(ui->page_CustomKey);
        ui->frame_Custom->show();
        ui->pushButton_Custom->setChecked(true);
        ui->pushButton_Led->setChecked(false);
        ui->pushButton_PerformanceChang->setChecked(false);
    }
    ui->stackedWidget_Onboard->show();
    ui->frame_OnboardProfile->show();
    ui->frame_OnboardDownload->show();
    p->updateKeyboardAreaMargins();
    ui->stackedWidget_Onboard->setCurrentWidget(ui->page_OnboardOperate);
    ui->stackedWidget_DeviceChang->setCurrentWidget(ui->page_Onboard);
    ui->pushButton_Default->setChecked(true);
    setKeyOperationsForOnboard(true);
    ui->pushButton_SoftKeyboard->setChecked(true);
    onCurIndexChangedOperate(2);
}

// ---- Side panel and popup

void DevicePageModes::closeKeyCustom()
{
    Ui::DDevicePage *ui = p->ui.get();
    ui->frame_Custom->hide();
    if (p->m_curHidStructInfo.deviceType == 1) {
        ui->stackedWidget_Tool->setCurrentWidget(ui->page_MouseDpiConfig);
        ui->pushButton_MouseDpiConfig->setChecked(true);
    } else {
        ui->stackedWidget_Tool->setCurrentWidget(ui->page_Performance);
        ui->pushButton_Performance->setChecked(true);
    }
    if (p->m_workMode == 1)
        p->updateKeyboardAreaMargins();
}

void DevicePageModes::closeSidePanel()
{
    p->ui->frame_Custom->hide();
    if (p->m_workMode == 1)
        p->updateKeyboardAreaMargins();
}

void DevicePageModes::showMoreOperations()
{
    delete p->m_menuPopup.data();
    auto *menu = new proFileOperateMenuToolWidget;
    menu->setWindowOpacity(1);
    p->m_menuPopup = new ArrowWidget(ArrowWidget::ArrowUp);
    p->m_menuPopup->setSize(240, 220);
    p->m_menuPopup->setArrowX(113);
    p->m_menuPopup->setContentWidget(menu);
    const QWidget *button = p->ui->pushButton_MoreOperate;
    const QPoint anchor = button->mapToGlobal(QPoint(button->width() / 2, button->height() - 10));
    p->m_menuPopup->move(anchor - QPoint(120, 10));
    p->m_menuPopup->show();
    p->m_menuPopup->activateWindow();
}
