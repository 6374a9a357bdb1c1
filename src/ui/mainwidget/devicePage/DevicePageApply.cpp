// SPDX-License-Identifier: GPL-3.0-or-later
#include "DevicePageApply.h"

#include "ColorWheelTool.h"
#include "DDevicePage.h"
#include "DevicePageKeys.h"
#include "DKeyAssignPage.h"
#include "DmouseConfigView.h"
#include "DMousePage.h"
#include "DMousePerformanceView.h"
#include "DPerformancePage.h"
#include "DResetDefaultPage.h"
#include "lightDealMain.h"
#include "RecordText.h"
#include "ui_DDevicePage.h"
#include "xmlInterface.h"

#include <QFileInfo>
#include <QSignalBlocker>

namespace {

constexpr int kKeyAssignPage = 0;
constexpr int kMusicalRhythmEffect = 100;
constexpr int kCustomLightEffect = 10;
constexpr int kMusicalRhythmButton = 14;

}  // namespace

DevicePageApply::DevicePageApply(DDevicePage *page, DevicePageKeys *keys)
    : QObject(page)
    , p(page)
    , m_keys(keys)
{
}

void DevicePageApply::applyKeyboardProfile(int profileIndex)
{
    Ui::DDevicePage *ui = p->ui.get();
    p->m_curProfileIndex = profileIndex;
    // The marks of the profile (or device) shown before go first, even when this profile's file
    // cannot be read: its keys are then unknown, not those of another.
    m_keys->setAllKeysCustomFlag(false);
    p->m_listCustomKeyCode.clear();
    xmlInterface *xml = p->m_xml;
    if (!xml || !QFileInfo::exists(QString::fromLocal8Bit(p->m_profileXmlPath)))
        return;
    const char *file = p->m_profileXmlPath.constData();
    const QByteArray key = QByteArray::number(profileIndex);

    QStringList codes;
    xml->getKeyMapCodes(file, key.constData(), &codes);
    const bool marking = p->m_mainPageIndex == 0 || p->m_mainPageIndex == 2;
    for (const QString &code : qAsConst(codes)) {
        if (p->m_listCustomKeyCode.contains(code))
            continue;
        p->m_listCustomKeyCode.append(code);
        if (marking)
            m_keys->markKey(code.toInt(), true);
    }
    ProfileConfigInfo profile;
    xml->getProfileInfo(file, key.constData(), &profile);
    p->m_strCurProfileName = QString::fromUtf8(recordText(profile.name));
    ui->label_currentProfileName->setText(p->m_strCurProfileName);
    m_keys->refreshCustomEventList();

    for (DKeyAssignPage *page : m_keys->keyPages())
        page->setProfileIndex(profileIndex);
    p->m_performancePage->setProfileIndex(profileIndex);
    for (DKeyAssignPage *page : m_keys->keyPages()) {
        if (page != p->m_resetDefaultPage)
            page->loadCustomKeyInfo();
    }
    p->m_performancePage->loadFunctionSetting();

    // The keys' lighting.
    p->m_keyboardLedType = xml->getLightUsingIndex(file, key.constData(), 0);
    colorInfoData light;
    if (xml->getLightItem(file, key.constData(), 0, p->m_keyboardLedType, &light)) {
        p->m_colorWheelTool->setColorInfoData(light);
        if (p->m_keyboardLedType == kMusicalRhythmEffect) {
            if (p->m_mainPageIndex != 2) {
                p->onCurIndexChangedMainPage(DDevicePage::kLightingPage);
                p->onCurIndexChangedMainPage(kKeyAssignPage);
            }
            ui->checkBox_LightSynchronize->setChecked(true);
            p->onCurIndexChanged_Led(kMusicalRhythmButton);
            p->on_checkBox_LightSynchronize_clicked();
            ui->toolButton_MusicalRhythm->setSelected(true);
        } else {
            if (p->m_keyboardLedType == kCustomLightEffect)
                p->reloadCustomLightList();
            p->m_lightDealMain->setAudioCaptureRunning(false);
            p->onSendSetKeyboardColorData();
            p->m_synchronizeStatus = xml->getSynchronizeStatus(file, key.constData());
            ui->checkBox_LightSynchronize->setChecked(p->m_synchronizeStatus == 1);
            p->on_checkBox_LightSynchronize_clicked();
        }
        p->updateKeyboardLayers(p->m_keyboardLedType);
    }
    // The side strip.
    p->m_sideLedType = xml->getLightUsingIndex(file, key.constData(), 1);
    if (xml->getLightItem(file, key.constData(), 1, p->m_sideLedType, &light)) {
        p->m_colorWheelTool->setColorInfoData(light);
        p->onSendSetSideColorData();
    }
    p->m_colorWheelTool->clearCustomColors();
}

void DevicePageApply::applyMouseProfile(int profileIndex)
{
    Ui::DDevicePage *ui = p->ui.get();
    p->m_curProfileIndex = profileIndex;
    if (p->m_mousePage)
        p->m_mousePage->resetAllKeyText();
    p->m_listCustomKeyCode.clear();
    xmlInterface *xml = p->m_xml;
    if (!xml || !QFileInfo::exists(QString::fromLocal8Bit(p->m_profileXmlPath)))
        return;
    const char *file = p->m_profileXmlPath.constData();
    const QByteArray key = QByteArray::number(profileIndex);

    QStringList codes;
    xml->getKeyMapCodes(file, key.constData(), &codes);
    for (const QString &code : qAsConst(codes)) {
        const CustomKeyInfo info = m_keys->readKey(p->m_profileXmlPath, profileIndex, code.toInt());
        if (!p->m_listCustomKeyCode.contains(code))
            p->m_listCustomKeyCode.append(code);
        if (recordText(info.keyCode) != "-1" && p->m_mousePage)
            p->m_mousePage->showKeyInfo(code.toInt(), info);
    }
    ProfileConfigInfo profile;
    xml->getProfileInfo(file, key.constData(), &profile);
    p->m_strCurProfileName = QString::fromUtf8(recordText(profile.name));
    ui->label_currentProfileName->setText(p->m_strCurProfileName);

    for (DKeyAssignPage *page : m_keys->keyPages())
        page->setProfileIndex(profileIndex);
    p->m_mousePerformanceView->setProfileIndex(profileIndex);
    p->m_mouseConfigView->setProfileIndex(profileIndex);
    p->m_mouseConfigView->loadProfileConfig();
    for (DKeyAssignPage *page : m_keys->keyPages()) {
        if (page != p->m_resetDefaultPage)
            page->loadCustomKeyInfo();
    }

    // A hand-edited step reads as the default; the slider follows without a report of its own,
    // and the mouse gets the step once.
    const QByteArray stored = QByteArray::number(xml->getFeature(file, key.constData(), 0));
    const int rate = DMousePerformanceView::rateStepFromSetting(stored.constData());
    {
        const QSignalBlocker quiet(p->m_mousePerformanceView);
        p->m_mousePerformanceView->setRateIndex(rate);
    }
    p->onCurIndexChanged_MouseRateNumIndex(rate);

    int *ledTypes[] = {&p->m_mouseAroundLedType, &p->m_mouseScrollLedType, &p->m_mouseLogoLedType};
    for (int zone = 0; zone < 3; ++zone) {
        *ledTypes[zone] = xml->getLightUsingIndex(file, key.constData(), zone);
        colorInfoData light;
        if (xml->getLightItem(file, key.constData(), zone, *ledTypes[zone], &light)) {
            p->m_colorWheelTool->setColorInfoData(light);
            p->setMouseLightConfig(zone);
        }
    }
    p->m_colorWheelTool->clearCustomColors();
    p->m_synchronizeStatus = xml->getSynchronizeStatus(file, key.constData());
    ui->checkBox_LightSynchronize->setChecked(p->m_synchronizeStatus == 1);
    p->on_checkBox_LightSynchronize_clicked();
}
