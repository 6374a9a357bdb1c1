// SPDX-License-Identifier: GPL-3.0-or-later
#include "DevicePageLoad.h"

#include "ColorWheelTool.h"
#include "DDataManager.h"
#include "DDeviceKeyboardLink.h"
#include "DDevicePage.h"
#include "DevicePageDevices.h"
#include "DevicePageTables.h"
#include "DmouseConfigView.h"
#include "DMouseLightPage.h"
#include "DMousePage.h"
#include "DMousePerformanceView.h"
#include "DOnboardPage.h"
#include "DPerformancePage.h"
#include "keyboardButCustom.h"
#include "keyboardPage.h"
#include "lightDealMain.h"
#include "LogCategories.h"
#include "MainHidInterFace.h"
#include "mouseLightDealMain.h"
#include "ProfileFiles.h"
#include "ui_DDevicePage.h"
#include "xmlInterface.h"

#include <QFileInfo>

namespace {

constexpr int kHiddenAppIndexNum = 789;

void setEffectButtons(const QList<QWidget *> &all, const QMap<int, QWidget *> &byId, const QList<int> &ids)
{
    for (QWidget *button : all)
        button->hide();
    for (int id : ids) {
        if (QWidget *button = byId.value(id, nullptr))
            button->show();
    }
}

}  // namespace

DevicePageLoad::DevicePageLoad(DDevicePage *page)
    : p(page)
{
}

void DevicePageLoad::loadDevice(DDeviceKeyboardLink *link, const QString &hidName)
{
    Ui::DDevicePage *ui = p->ui.get();

    const int type = p->m_curHidStructInfo.deviceType;
    ui->frame_CustomLight->hide();
    ui->stackedWidget_DeviceChang->setCurrentWidget(ui->page_deviceShow);
    p->m_colorWheelTool->setDeviceType(type);
    ui->stackedWidget_Onboard->hide();
    ui->frame_OnboardProfile->hide();
    ui->frame_OnboardDownload->hide();
    ui->pushButton_AppMode->setChecked(true);
    for (QWidget *w :
         {static_cast<QWidget *>(ui->toolButton_Text), static_cast<QWidget *>(ui->toolButton_Disable),
          static_cast<QWidget *>(ui->toolButton_Shortcuts), static_cast<QWidget *>(ui->toolButton_SwitchProfile),
          static_cast<QWidget *>(ui->toolButton_OpenApp)})
        w->show();
    p->m_curKeyDec = -1;
    // Every load starts in PC mode: an on-board view of the device shown before goes.
    delete p->m_onboardPage;
    p->m_onboardPage = nullptr;

    if (type == 0) {
        p->m_isSupportOnboard = p->m_keyboardPage && p->m_keyboardPage->isSupportOnboard();
        p->m_workMode = 0;
        link->setOnboardMode(0);
        ui->pushButton_Performance->show();
        ui->pushButton_CustomList->show();
        ui->pushButton_Performance->setChecked(true);
        ui->pushButton_MousePerformance->hide();
        ui->pushButton_MouseDpiConfig->hide();
        ui->stackedWidget_Tool->setCurrentWidget(ui->page_Performance);
        p->loadKeyboardLightModes();
        link->setLightDealMain(p->m_lightDealMain.get());
        QMap<int, KeyButtonInterface *> buttons;
        if (p->m_keyboardPage) {
            const QMap<int, keyboardButCustom *> map = p->m_keyboardPage->getKeyButtonMap();
            for (auto it = map.cbegin(); it != map.cend(); ++it)
                buttons.insert(it.key(), it.value());
        }
        link->setKeyButtonMap(buttons);
        const LightTypeInfo keys = link->getKeyboardLightTypeList();
        const LightTypeInfo side = link->getSideLightTypeList();
        p->onSendKeyboardAndSideLightSpeedAndBrightness(keys.speedMax, keys.brightnessMax, side.speedMax,
                                                        side.brightnessMax);
    } else if (type == 1) {
        if (p->m_mouseLightPage)
            p->m_mouseLightPage->applyTheme();
        p->m_isSupportOnboard = false;
        p->m_workMode = 0;
        link->setOnboardMode(0);
        p->m_isMouseLightLoaded = false;
        p->m_curMouseButtonIndex = 0;
        ui->pushButton_MousePerformance->show();
        ui->pushButton_MouseDpiConfig->show();
        ui->pushButton_Performance->hide();
        ui->pushButton_CustomList->hide();
        ui->stackedWidget_Tool->setCurrentWidget(ui->page_MouseDpiConfig);
        p->loadMouseEffectList();
        link->setMouseLightDealMain(p->m_mouseLightDealMain.get());
    }

    // The profile file: made with its defaults when missing, set aside and replaced when unreadable,
    // left alone when the user may not read it.
    if (!p->m_xml)
        return;
    DDataManager *data = DDataManager::getInstance();
    const QString profilePath = ProfileFiles::profilePath(data->getUserConfigDir(), hidName, p->m_currentDeviceSnInfo);
    QString aside;
    const ProfileFiles::Outcome outcome =
        ProfileFiles::prepare(p->m_xml, profilePath, type, hidName, data->getLightSynchronize(), &aside);
    if (outcome == ProfileFiles::Outcome::Replaced)
        p->showNotice(DDevicePage::tr("The profile file could not be read; it was kept as %1 and a new one was made.")
                          .arg(QFileInfo(aside).fileName()));
    else if (outcome == ProfileFiles::Outcome::Denied)
        p->showNotice(DDevicePage::tr("The profile file cannot be read for lack of permission; it was left as it is."));
    else if (outcome == ProfileFiles::Outcome::Failed)
        p->showNotice(DDevicePage::tr("The profile file could not be written."));
    p->m_profileXmlPath = profilePath.toLocal8Bit();
    link->setProfileXml(p->m_xml, p->m_profileXmlPath.constData());
    link->setProperty("zelkaProfileBound", true);

    p->m_curProfileIndex = ProfileFiles::currentProfileIndex(p->m_xml, profilePath, type, hidName);
    link->setProfileIndex(p->m_curProfileIndex);
    const QByteArray key = QByteArray::number(p->m_curProfileIndex);
    const char *file = p->m_profileXmlPath.constData();
    xmlInterface *xml = p->m_xml;
    const auto showLightSwitch = [&]() {
        p->m_ledOpenOrClose = xml->getLightSwitch(file, key.constData());
        ui->pushButton_LightOnOff->setStyleSheet(
            p->m_ledOpenOrClose ? QStringLiteral("QPushButton{border-image:url(:/images/deviceLed/ledOff.png);}")
                                : QStringLiteral("QPushButton{border-image:url(:/images/deviceLed/ledOn.png);}"));
        p->m_synchronizeStatus = xml->getSynchronizeStatus(file, key.constData());
        ui->checkBox_LightSynchronize->setChecked(p->m_synchronizeStatus == 1);
    };

    if (type == 0) {
        p->m_lightDealMain->setHidInterface(p->m_curHidInterface);
        p->m_keyboardLedType = xml->getLightUsingIndex(file, key.constData(), 0);
        p->m_sideLedType = xml->getLightUsingIndex(file, key.constData(), 1);
        link->setKeyboardLightType(p->m_keyboardLedType);
        showLightSwitch();
        // The keyboard switches are the profile's: shown from the file and stored into it.
        p->m_performancePage->setInterfaces(p->m_curHidInterface, xml);
        p->m_performancePage->setProfileIndex(p->m_curProfileIndex);
        p->m_performancePage->setFilePaths(p->m_macroXmlPath.constData(), file);
        p->m_performancePage->loadFunctionSetting();
        qCDebug(lcUi) << "------------------------------------------------------------ *** Light 01 *** "
                         "------------------------";
        p->onCurIndexChangedMainPage(1);
        qCDebug(lcUi) << "------------------------------------------------------------ *** Light 02 *** "
                         "------------------------";
        p->onCurIndexChangedMainPage(0);
        qCDebug(lcUi) << "------------------------------------------------------------ *** Light 03 *** "
                         "------------------------";
    } else if (type == 1) {
        p->m_mouseLightDealMain->setHidInterface(p->m_curHidInterface);
        if (p->m_mouseLightPage)
            p->m_mouseLightDealMain->setMouseLightButtons(p->m_mouseLightPage->ledButtons());
        p->m_mouseConfigView->setProfileXml(file, xml);
        p->m_mouseAroundLedType = xml->getLightUsingIndex(file, key.constData(), 0);
        p->m_mouseScrollLedType = xml->getLightUsingIndex(file, key.constData(), 1);
        p->m_mouseLogoLedType = xml->getLightUsingIndex(file, key.constData(), 2);
        link->setMouseAroundLightType(p->m_mouseAroundLedType);
        link->setMouseScrollLightType(p->m_mouseScrollLedType);
        link->setMouseLogoLightType(p->m_mouseLogoLedType);
        if (p->m_mousePage)
            p->m_mousePage->setProfilePath(file);
        p->m_mousePerformanceView->setProfileIndex(p->m_curProfileIndex);
        p->m_mouseConfigView->setProfileIndex(p->m_curProfileIndex);
        if (p->m_mouseLightPage) {
            p->m_mouseLightPage->setProfileXml(file, xml);
            p->m_mouseLightPage->setProfileIndex(p->m_curProfileIndex);
        }
        showLightSwitch();
        p->onCurIndexChangedMainPage(1);
        p->onCurIndexChangedMainPage(0);
        p->m_isMouseLightLoaded = true;
        if (p->m_mouseLightPage)
            p->m_mouseLightPage->loadLinkStatus();
    }

    p->m_strCurProfileIndex = QString::fromLatin1(key);
    ProfileConfigInfo profile;
    xml->getProfileInfo(file, key.constData(), &profile);
    p->m_strCurProfileName = QString::fromUtf8(profile.name);
    ui->label_currentProfileName->setText(p->m_strCurProfileName);

    if (type == 0)
        p->applyKeyboardProfile(p->m_curProfileIndex);
    else if (type == 1)
        p->applyMouseProfile(p->m_curProfileIndex);

    if (p->m_isSupportOnboard && data->getCurrentAppIndexNum() != kHiddenAppIndexNum) {
        ui->frame_HidDeviceTypeChang->show();
        const bool restoreOnly = DevicePageDevices::factoryRestoreOnlyModels().contains(hidName);
        ui->toolButton_RestoreFactorySettings->setVisible(restoreOnly);
        ui->pushButton_AppMode->setVisible(!restoreOnly);
        ui->pushButton_OnboardMode->setVisible(!restoreOnly);
    } else {
        ui->frame_HidDeviceTypeChang->hide();
    }
}

void DevicePageLoad::loadKeyboardEffectList()
{
    DDeviceKeyboardLink *link = p->m_curDeviceLink;
    const LightTypeInfo list = link ? link->getKeyboardLightTypeList() : LightTypeInfo{};
    static const char *const kButtons[] = {"Static",   "Neon",       "Breath",    "Wave",         "Twinkle", "Snack",
                                           "Radar",    "Aurora",     "Ripple",    "SpeedRespond", "Cross",   "MouseDPI",
                                           "Reactive", "AutoRipple", "Striation", "Fireworks"};
    QList<QWidget *> all;
    for (const char *name : kButtons) {
        if (QWidget *w = p->findChild<QWidget *>(QStringLiteral("toolButton_") + QLatin1String(name)))
            all.append(w);
    }
    const QMap<int, QWidget *> byId{
        {0, p->ui->toolButton_Static},        {1, p->ui->toolButton_Breath},      {2, p->ui->toolButton_Wave},
        {3, p->ui->toolButton_Neon},          {4, p->ui->toolButton_Radar},       {5, p->ui->toolButton_Snack},
        {6, p->ui->toolButton_Reactive},      {7, p->ui->toolButton_Aurora},      {8, p->ui->toolButton_Ripple},
        {9, p->ui->toolButton_Twinkle},       {10, p->ui->toolButton_CustomLed},  {11, p->ui->toolButton_Cross},
        {12, p->ui->toolButton_SpeedRespond}, {14, p->ui->toolButton_AutoRipple}, {15, p->ui->toolButton_Striation},
        {16, p->ui->toolButton_Fireworks}};
    setEffectButtons(all, byId, list.lightTypeList);
    p->ui->toolButton_CustomLed->show();
    p->ui->toolButton_MusicalRhythm->show();
    p->m_colorWheelTool->setSpeedAndBrightnessMaxNum(list.speedMax, list.brightnessMax);
}

void DevicePageLoad::loadSideEffectList()
{
    DDeviceKeyboardLink *link = p->m_curDeviceLink;
    const LightTypeInfo list = link ? link->getSideLightTypeList() : LightTypeInfo{};
    Ui::DDevicePage *ui = p->ui.get();
    ui->frame_19->hide();
    const QList<QWidget *> all{ui->toolButton_SideStatic, ui->toolButton_SideBreath, ui->toolButton_SideWave,
                               ui->toolButton_SideCollision, ui->toolButton_SideNeon};
    const QMap<int, QWidget *> byId{{0, ui->toolButton_SideStatic},
                                    {1, ui->toolButton_SideBreath},
                                    {2, ui->toolButton_SideWave},
                                    {3, ui->toolButton_SideCollision},
                                    {4, ui->toolButton_SideNeon}};
    setEffectButtons(all, byId, list.lightTypeList);
    if (!list.lightTypeList.isEmpty())
        ui->frame_19->show();
    p->m_colorWheelTool->setSideLightSpeedAndBrightnessMaxNum(list.speedMax, list.brightnessMax);
}

void DevicePageLoad::loadMouseEffectList()
{
    Ui::DDevicePage *ui = p->ui.get();
    ui->frame_19->hide();
    DDeviceKeyboardLink *link = p->m_curDeviceLink;
    const LightTypeInfo around = link ? link->getMouseLightTypeList() : LightTypeInfo{};
    const LightTypeInfo scroll = link ? link->getScrollLightTypeList() : LightTypeInfo{};
    const LightTypeInfo logo = link ? link->getLogoLightTypeList() : LightTypeInfo{};
    p->m_mouseLightDealMain->setSpeedAndBrightnessMaxNum(around.speedMax, around.brightnessMax, scroll.speedMax,
                                                         scroll.brightnessMax, logo.speedMax, logo.brightnessMax);
    p->m_colorWheelTool->setMouseAroundSpeedAndBrightnessMaxNum(around.speedMax, around.brightnessMax);
    p->m_colorWheelTool->setMouseScrollSpeedAndBrightnessMaxNum(scroll.speedMax, scroll.brightnessMax);
    p->m_colorWheelTool->setMouseLogoSpeedAndBrightnessMaxNum(logo.speedMax, logo.brightnessMax);

    QList<QWidget *> keyboardButtons;
    for (const DevicePageTables::ButtonEntry &entry : DevicePageTables::keyboardEffectButtons) {
        if (QWidget *w = p->findChild<QWidget *>(QLatin1String(entry.objectName)))
            keyboardButtons.append(w);
    }
    const QMap<int, QWidget *> aroundById{
        {0, ui->toolButton_Static},  {1, ui->toolButton_Breath},   {2, ui->toolButton_Wave},
        {3, ui->toolButton_Neon},    {4, ui->toolButton_Snack},    {5, ui->toolButton_Reactive},
        {6, ui->toolButton_Twinkle}, {7, ui->toolButton_MouseDPI}, {8, ui->toolButton_SpeedRespond}};
    setEffectButtons(keyboardButtons, aroundById, around.lightTypeList);
    p->resetScrollLogoEffectButtons();
    const QList<QWidget *> scrollButtons{ui->toolButton_MouseScrollAndLogoStatic, ui->toolButton_MouseScrollAndLogoNeon,
                                         ui->toolButton_MouseScrollAndLogoBreath, ui->toolButton_MouseScrollAndLogoDPI};
    const QMap<int, QWidget *> scrollById{{0, ui->toolButton_MouseScrollAndLogoStatic},
                                          {1, ui->toolButton_MouseScrollAndLogoNeon},
                                          {2, ui->toolButton_MouseScrollAndLogoBreath},
                                          {3, ui->toolButton_MouseScrollAndLogoDPI}};
    setEffectButtons(scrollButtons, scrollById, scroll.lightTypeList);
}
