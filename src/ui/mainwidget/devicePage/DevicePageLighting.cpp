// SPDX-License-Identifier: GPL-3.0-or-later
#include "DevicePageLighting.h"

#include "CbNotice.h"
#include "ColorWheelTool.h"
#include "CustomButton.h"
#include "DDataManager.h"
#include "DDeviceKeyboardLink.h"
#include "DDeviceListItem.h"
#include "DDevicePage.h"
#include "DevicePageTables.h"
#include "DMouseLightPage.h"
#include "keyboardButCustom.h"
#include "keyboardImagePage.h"
#include "keyboardPage.h"
#include "lightDealMain.h"
#include "LightingCommands.h"
#include "LogCategories.h"
#include "mouseLightDealMain.h"
#include "sideLightButtonCustom.h"
#include "ui_DDevicePage.h"
#include "xmlInterface.h"

#include <QThread>
#include <QVector>

namespace {

constexpr int kCustomLightEffect = 10;
constexpr int kMusicalRhythmEffect = 100;
constexpr int kMouseAroundDpiEffect = 7;
constexpr int kScrollLogoDpiEffect = 3;
// The custom-light button of the key-effect group.
constexpr int kCustomLightButton = 11;

const QString kLedOffSheet = QStringLiteral("QPushButton{border-image:url(:/images/deviceLed/ledOff.png);}");
const QString kLedOnSheet = QStringLiteral("QPushButton{border-image:url(:/images/deviceLed/ledOn.png);}");

QByteArray toBytes(const MainHidInterFace::Report &report)
{
    return QByteArray(reinterpret_cast<const char *>(report.data()), int(report.size()));
}

void selectButton(QWidget *page, const char *objectName)
{
    if (auto *button = page->findChild<CustomButton *>(QLatin1String(objectName)))
        button->setSelected(true);
}

bool isLightOnly(int lightConfigChangedFrom)
{
    return lightConfigChangedFrom == 2 || lightConfigChangedFrom == 3;
}

}  // namespace

DevicePageLighting::DevicePageLighting(DDevicePage *page)
    : QObject(page)
    , p(page)
{
}

// ---- Effect and zone selection ----

void DevicePageLighting::onCurIndexChangedLed(int selIndex)
{
    if (selIndex < 0 || selIndex >= 18)
        return;
    if (p->m_mainPageIndex == DDevicePage::kLightingPage)
        p->m_isLightChanged = true;
    p->m_curKeyboardLedIndex = selIndex;
    p->resetKeyboardEffectButtons();
    const DevicePageTables::KeyEffectIds ids = DevicePageTables::keyEffectIds[selIndex];
    const int ledType = p->m_curHidStructInfo.deviceType == 1 ? ids.mouseAround : ids.keyboard;
    if (ledType < 0)
        return;
    keyBoardLedType(ledType);
    selectButton(p, DevicePageTables::keyboardEffectButtons[selIndex].objectName);
}

void DevicePageLighting::onCurIndexChangedSideLed(int selIndex)
{
    if (selIndex < 0 || selIndex >= 5)
        return;
    if (p->m_mainPageIndex == DDevicePage::kLightingPage)
        p->m_isLightChanged = true;
    p->m_curSideLedIndex = selIndex;
    p->resetSideEffectButtons();
    keyBoardSideLedType(DevicePageTables::sideEffectIds[selIndex]);
    selectButton(p, DevicePageTables::sideEffectButtons[selIndex].objectName);
}

void DevicePageLighting::onCurIndexChangedScrollAndLogoLed(int selIndex)
{
    if (selIndex < 0 || selIndex >= 4)
        return;
    if (p->m_mainPageIndex == DDevicePage::kLightingPage)
        p->m_isLightChanged = true;
    p->m_curScrollLogoLedIndex = selIndex;
    p->resetScrollLogoEffectButtons();
    mouseScrollOrLogoLedType(selIndex);
    selectButton(p, DevicePageTables::scrollLogoEffectButtons[selIndex].objectName);
}

void DevicePageLighting::keyBoardLedType(int ledType)
{
    p->m_colorWheelTool->setLedType(ledType, p->m_ledOpenOrClose);
    const colorInfoData record = p->m_colorWheelTool->getColorInfoData();
    if (p->m_curHidStructInfo.deviceType == 1) {
        if (ledType == kMouseAroundDpiEffect)
            p->updateMouseDpiColors();
        if (p->m_curDeviceLink) {
            p->m_curDeviceLink->setMouseAroundLightType(ledType);
            p->m_curDeviceLink->clearQueuedLightData();
        }
        p->m_mouseLightDealMain->setAroundLightConfig(p->m_colorWheelTool->getColorInfoData());
        return;
    }
    if (p->m_curDeviceLink) {
        p->m_curDeviceLink->setKeyboardLightType(ledType);
        p->m_curDeviceLink->clearQueuedLightData();
    }
    p->m_lightDealMain->setKeyboardLightConfig(record);
    if (ledType == kMusicalRhythmEffect) {
        p->m_lightDealMain->setAudioCaptureRunning(true);
    } else {
        p->m_lightDealMain->setAudioCaptureRunning(false);
        showCustomLightFrame(ledType == kCustomLightEffect);
    }
    updateKeyboardLayers(ledType);
}

void DevicePageLighting::keyBoardSideLedType(int ledType)
{
    p->m_colorWheelTool->setLedType(ledType, p->m_ledOpenOrClose);
    p->m_lightDealMain->setSideLightConfig(p->m_colorWheelTool->getColorInfoData());
}

void DevicePageLighting::mouseScrollOrLogoLedType(int ledType)
{
    if (ledType == kScrollLogoDpiEffect)
        p->updateMouseDpiColors();
    p->m_colorWheelTool->setLedType(ledType, p->m_ledOpenOrClose);
    if (p->m_curDeviceLink)
        p->m_curDeviceLink->clearQueuedLightData();
    const colorInfoData record = p->m_colorWheelTool->getColorInfoData();
    if (p->m_curMouseLightZone == 1) {
        if (p->m_curDeviceLink)
            p->m_curDeviceLink->setMouseScrollLightType(ledType);
        p->m_mouseLightDealMain->setScrollLightConfig(record);
    } else if (p->m_curMouseLightZone == 2) {
        if (p->m_curDeviceLink)
            p->m_curDeviceLink->setMouseLogoLightType(ledType);
        p->m_mouseLightDealMain->setLogoLightConfig(record);
    }
}

void DevicePageLighting::showCustomLightFrame(bool on)
{
    if (p->m_keyboardPage)
        p->m_keyboardPage->setCustomLightMode(on);
    if (on) {
        p->reloadCustomLightList();
        p->ui->frame_CustomLight->show();
    } else {
        p->ui->frame_CustomLight->hide();
    }
}

void DevicePageLighting::onSelectKeyboardLightType(int ledType)
{
    showCustomLightFrame(ledType == kCustomLightEffect);
    p->resetKeyboardEffectButtons();
    const int button = DevicePageTables::keyboardEffectButton(ledType);
    if (button < 0)
        return;
    p->m_curKeyboardLedIndex = button;
    selectButton(p, DevicePageTables::keyboardEffectButtons[button].objectName);
}

void DevicePageLighting::onSelectSideLightType(int ledType)
{
    p->resetSideEffectButtons();
    const int button = DevicePageTables::sideEffectButton(ledType);
    if (button < 0)
        return;
    p->m_curSideLedIndex = button;
    selectButton(p, DevicePageTables::sideEffectButtons[button].objectName);
}

void DevicePageLighting::onSelectMouseAroundLightType(int ledType)
{
    p->resetKeyboardEffectButtons();
    const int button = DevicePageTables::mouseAroundEffectButton(ledType);
    if (button >= 0)
        selectButton(p, DevicePageTables::keyboardEffectButtons[button].objectName);
    if (p->m_curDeviceLink)
        p->m_curDeviceLink->setMouseAroundLightType(ledType);
}

void DevicePageLighting::onSelectScrollOrLogoLightType(int ledType)
{
    p->resetScrollLogoEffectButtons();
    if (ledType >= 0 && ledType < 4)
        selectButton(p, DevicePageTables::scrollLogoEffectButtons[ledType].objectName);
}

void DevicePageLighting::onLightCancelSettings(int ledSelMode)
{
    if (ledSelMode == 0)
        onCurIndexChangedLed(0);
    else
        onCurIndexChangedSideLed(0);
}

void DevicePageLighting::setKeyButtonsToEngine()
{
    QVector<KeyLightButtonInterface *> buttons;
    if (p->m_keyboardPage) {
        const QList<keyboardButCustom *> keys = p->m_keyboardPage->getKeyButtons();
        buttons.reserve(keys.size());
        for (keyboardButCustom *key : keys)
            buttons.append(key);
    }
    p->m_lightDealMain->setKeyButtons(buttons);
}

void DevicePageLighting::onCurIndexChangedLedSelect(int selIndex)
{
    qCDebug(lcUi) << "------------------------------------ *** onCurIndexChanged_LedSelect *** "
                     "-------------------------------------------";
    p->m_colorWheelTool->setSideLightSelected(selIndex != 0);
    if (p->m_curDeviceItem)
        p->m_lightDealMain->setModelName(p->m_curDeviceItem->getHidName());
    const QByteArray path = p->m_profileXmlPath;
    const QByteArray key = QByteArray::number(p->m_curProfileIndex);
    Ui::DDevicePage *ui = p->ui.get();
    if (selIndex == 0) {
        ui->stackedWidget->setCurrentWidget(ui->page_KeyboardLed);
        setKeyButtonsToEngine();
        if (p->m_xml)
            p->m_keyboardLedType = p->m_xml->getLightUsingIndex(path.constData(), key.constData(), 0);
        if (p->m_curDeviceLink)
            p->m_curDeviceLink->setKeyboardLightType(p->m_keyboardLedType);
        updateKeyboardLayers(p->m_keyboardLedType);
        if (p->m_curDeviceItem) {
            const int keyNum = DDataManager::getInstance()->getKeyNumMap().value(p->m_curDeviceItem->getHidName());
            p->m_lightDealMain->setKeyNum(keyNum);
            p->m_lightDealMain->setDeviceModel(p->m_curDeviceItem->getFirmwareId());
            p->m_lightDealMain->initMusicalRhythm(keyNum, 11, 30.0, 930.0);
        }
        p->m_lightDealMain->setSideLightPresent(false);
        QList<SideLightButtonInterface *> sideButtons;
        if (p->m_keyboardPage) {
            for (sideLightButtonCustom *button : p->m_keyboardPage->getSideLightButtons())
                sideButtons.append(button);
        }
        if (p->m_keyboardPage && p->m_keyboardPage->isSideLightHave()) {
            p->m_lightDealMain->setSideLightPresent(true);
            p->m_lightDealMain->setSideLightButtons(sideButtons);
            p->m_colorWheelTool->setLedSelMode(1, p->m_sideLedType, p->m_ledOpenOrClose);
            p->m_lightDealMain->setSideLightConfig(p->m_colorWheelTool->getColorInfoData());
        } else {
            p->m_lightDealMain->setSideLightButtons(sideButtons);
        }
        p->m_colorWheelTool->setLedSelMode(0, p->m_keyboardLedType, p->m_ledOpenOrClose);
        p->m_lightDealMain->setKeyboardLightConfig(p->m_colorWheelTool->getColorInfoData());
        p->m_lightDealMain->setAudioCaptureRunning(p->m_keyboardLedType == kMusicalRhythmEffect);
        return;
    }
    if (p->m_xml)
        p->m_sideLedType = p->m_xml->getLightUsingIndex(path.constData(), key.constData(), 1);
    p->m_lightDealMain->setSideLightPresent(true);
    ui->stackedWidget->setCurrentWidget(ui->page_SideLed);
    p->m_colorWheelTool->setLedSelMode(1, p->m_sideLedType, p->m_ledOpenOrClose);
    p->m_lightDealMain->setSideLightConfig(p->m_colorWheelTool->getColorInfoData());
}

void DevicePageLighting::onSelectMouseLightType(int zone)
{
    p->m_curMouseLightZone = zone;
    const QByteArray path = p->m_profileXmlPath;
    const QByteArray key = QByteArray::number(p->m_curProfileIndex);
    if (p->m_xml) {
        p->m_mouseAroundLedType = p->m_xml->getLightUsingIndex(path.constData(), key.constData(), 0);
        p->m_mouseScrollLedType = p->m_xml->getLightUsingIndex(path.constData(), key.constData(), 1);
        p->m_mouseLogoLedType = p->m_xml->getLightUsingIndex(path.constData(), key.constData(), 2);
    }
    Ui::DDevicePage *ui = p->ui.get();
    // A linked zone is edited through the Around zone.
    if (zone == 0 || (zone == 1 && p->m_isScrollLink) || (zone == 2 && p->m_isLogoLink)) {
        ui->stackedWidget->setCurrentWidget(ui->page_KeyboardLed);
        p->m_colorWheelTool->setLedSelMode(0, p->m_mouseAroundLedType, p->m_ledOpenOrClose);
        p->m_mouseLightDealMain->setAroundLightConfig(p->m_colorWheelTool->getColorInfoData());
    } else if (zone == 1) {
        ui->stackedWidget->setCurrentWidget(ui->page_MouseScrollAndLogo);
        p->m_colorWheelTool->setLedSelMode(1, p->m_mouseScrollLedType, p->m_ledOpenOrClose);
        p->m_mouseLightDealMain->setScrollLightConfig(p->m_colorWheelTool->getColorInfoData());
    } else if (zone == 2) {
        ui->stackedWidget->setCurrentWidget(ui->page_MouseScrollAndLogo);
        p->m_colorWheelTool->setLedSelMode(2, p->m_mouseLogoLedType, p->m_ledOpenOrClose);
        p->m_mouseLightDealMain->setLogoLightConfig(p->m_colorWheelTool->getColorInfoData());
    }
}

void DevicePageLighting::updateKeyboardLayers(int ledType)
{
    if (!p->m_keyboardPage || !p->m_keyboardImagePage)
        return;
    bool seeThrough = false;
    if (p->m_curDeviceItem) {
        const QMap<QString, HidListInfo> lists = DDataManager::getInstance()->getHidListInfoMap();
        const auto it = lists.constFind(p->m_curDeviceItem->getHidName());
        seeThrough = it != lists.constEnd() && it->transparentImg == 1;
    }
    // Both lie in one place; the one on top is raised, the other lowered.
    if (seeThrough && ledType != kCustomLightEffect) {
        p->m_keyboardImagePage->raise();
        p->m_keyboardPage->lower();
    } else {
        p->m_keyboardPage->raise();
        p->m_keyboardImagePage->lower();
    }
}

void DevicePageLighting::showKeyboardLightPage()
{
    Ui::DDevicePage *ui = p->ui.get();
    ui->lightOperateFrame->show();
    ui->pushButton_KeyboardLed->setChecked(true);
    p->setAllKeysCustomFlag(false);
    p->m_colorWheelTool->setCurrentProfile(p->m_profileXmlPath.constData(), p->m_xml, p->m_curProfileIndex);
    ui->stackedWidget_DeviceChang->setCurrentWidget(ui->page_deviceShow);
    ui->stackedWidget_CustomAll->setCurrentWidget(ui->page_CustomLed);
    if (p->m_keyboardPage) {
        p->m_keyboardPage->setLightMode(true);
        p->m_keyboardPage->showSideLights(true);
    }
    onCurIndexChangedLedSelect(0);
    ui->stackedWidget_Tool->setCurrentWidget(ui->page_LightOffOrOpen);
    ui->frame_7->hide();
    ui->frame_6->setMaximumHeight(100);
    p->m_mainPageIndex = DDevicePage::kLightingPage;
    if (p->m_keyboardPage)
        p->m_keyboardPage->setKeyCustomView(false, false);
    if (p->m_curKeyButton)
        p->m_curKeyButton->setSelected(false, true);
    if (p->m_xml) {
        const QByteArray key = QByteArray::number(p->m_curProfileIndex);
        p->m_ledOpenOrClose = p->m_xml->getLightSwitch(p->m_profileXmlPath.constData(), key.constData());
    }
    if (p->m_ledOpenOrClose != 0) {
        ui->frame_Custom->hide();
        ui->pushButton_LightOnOff->setStyleSheet(kLedOffSheet);
    } else {
        ui->frame_Custom->show();
        ui->pushButton_LightOnOff->setStyleSheet(kLedOnSheet);
    }
    noticeAudioUnavailable();
}

void DevicePageLighting::noticeAudioUnavailable()
{
    if (m_audioNoticeShown || p->m_mainPageIndex != DDevicePage::kLightingPage
        || !p->m_lightDealMain->isAudioCaptureFailing())
        return;
    m_audioNoticeShown = true;
    p->showNotice(DDevicePage::tr("The sound cannot be captured: Musical Rhythm needs a running sound server."));
}

// ---- Reports ----

void DevicePageLighting::onSendSetKeyboardColorData()
{
    qCDebug(lcUi) << "------------------------ *** Keyboard onSendSetKeyboardColorData *** ------------------------";
    const colorInfoData record = p->m_colorWheelTool->getColorInfoData();
    p->m_keyboardLedType = record.ledType;
    if (record.ledType == kCustomLightEffect) {
        p->saveCustomLight();
        return;
    }
    if (p->m_isCustomLightEditing)
        p->m_lightDealMain->setKeyboardLightConfig(record);
    send0x07Cmd(record);
}

void DevicePageLighting::send0x07Cmd(const colorInfoData &colorData)
{
    if (!p->sendToCurrentDevice(toBytes(LightingCommands::keyEffect(colorData)), false)) {
        qCDebug(lcUi) << "USB serial port [Write Led] Failed ...";
        return;
    }
    qCDebug(lcUi).noquote()
        << QStringLiteral("USB serial port [Write Led] Successful ... ledType:%1").arg(colorData.ledType);
}

void DevicePageLighting::onSendSetSideColorData()
{
    qCDebug(lcUi) << "------------------------ *** Side onSendSetSideColorData *** ------------------------";
    const colorInfoData record = p->m_colorWheelTool->getColorInfoData();
    p->m_sideLedType = record.ledType;
    if (!p->sendToCurrentDevice(toBytes(LightingCommands::sideEffect(record)), false)) {
        qCDebug(lcUi) << "USB serial port [Write Side Led] Failed ...";
        return;
    }
    qCDebug(lcUi).noquote()
        << QStringLiteral("USB serial port [Write Side Led] Successful ... ledType:%1").arg(record.ledType);
}

bool DevicePageLighting::writeKeyboardCustomLed(int slot, int packet, const QList<unsigned char> &colors)
{
    QVector<unsigned char> bytes(colors.begin(), colors.end());
    const MainHidInterFace::Report report =
        LightingCommands::customLedPacket(slot, packet, bytes.constData(), bytes.size());
    if (!p->sendToCurrentDevice(toBytes(report), false)) {
        qCDebug(lcUi) << "USB serial port [Write custom-Led] Failed ...";
        return false;
    }
    return true;
}

void DevicePageLighting::sendCustomLedColors(int slot)
{
    // The colours painted on the 132 cells of the key view, row by row: not the preview's frame of
    // them, which the effect's brightness dims (the device dims them itself by the 0x07 that follows).
    QList<keyboardButCustom *> keys;
    if (p->m_keyboardPage)
        keys = p->m_keyboardPage->getKeyButtons();
    QList<unsigned char> colors;
    int packet = 0;
    for (int cell = 0; cell < LightingCommands::kCustomLedCells; ++cell) {
        const QColor color = cell < keys.size() && keys.at(cell) ? keys.at(cell)->paintColor() : QColor(0, 0, 0);
        colors << uchar(color.red()) << uchar(color.green()) << uchar(color.blue());
        if ((cell + 1) % LightingCommands::kCustomLedCellsPerPacket == 0) {
            writeKeyboardCustomLed(slot, packet++, colors);
            colors.clear();
        }
    }
    writeKeyboardCustomLed(slot, packet, colors);
    // All 0x09 reports are queued before 0x07; the device needs a moment between them.
    QThread::msleep(5);
    const colorInfoData record = p->m_colorWheelTool->getColorInfoData();
    qCDebug(lcUi) << "--------------------------------------- ************ colorData info [colorData.ledType]:"
                  << record.ledType;
    send0x07Cmd(record);
    p->m_colorWheelTool->saveLightConfig();
    p->m_keyboardLedType = record.ledType;
}

void DevicePageLighting::onSetLightEffectSuccessful()
{
    p->m_isLightChanged = false;
    p->showNotice(DDevicePage::tr("Set light effect successfully"));
}

void DevicePageLighting::onLightConfigHaveChanged(int lightConfigChangedFrom, int ledSelMode)
{
    const colorInfoData record = p->m_colorWheelTool->getColorInfoData();
    const bool lightOnly = isLightOnly(lightConfigChangedFrom);
    if (p->m_curHidStructInfo.deviceType != 0) {
        mouseLightDealMain *engine = p->m_mouseLightDealMain.get();
        switch (ledSelMode) {
        case 0:
            lightOnly ? engine->setAroundSpeedAndBrightness(record) : engine->setAroundLightConfig(record);
            break;
        case 1:
            lightOnly ? engine->setScrollSpeedAndBrightness(record) : engine->setScrollLightConfig(record);
            break;
        case 2:
            lightOnly ? engine->setLogoSpeedAndBrightness(record) : engine->setLogoLightConfig(record);
            break;
        default:
            break;
        }
        return;
    }
    lightDealMain *engine = p->m_lightDealMain.get();
    if (ledSelMode != 0) {
        if (p->m_mainPageIndex != DDevicePage::kLightingPage)
            return;
        lightOnly ? engine->setSideSpeedAndBrightness(record) : engine->setSideLightConfig(record);
        return;
    }
    if (p->m_curKeyboardLedIndex == kCustomLightButton) {
        if (lightOnly)
            engine->setKeyboardSpeedAndBrightness(record);
        else if (p->m_keyboardPage)
            p->m_keyboardPage->setSelectedKeysColor(record.ledModeR, record.ledModeG, record.ledModeB);
        return;
    }
    if (p->m_mainPageIndex != DDevicePage::kLightingPage)
        return;
    lightOnly ? engine->setKeyboardSpeedAndBrightness(record) : engine->setKeyboardLightConfig(record);
}

void DevicePageLighting::setLightSwitchLook(bool on)
{
    p->m_isLightOn = on;
    p->ui->pushButton_LightOnOff->setStyleSheet(on ? kLedOnSheet : kLedOffSheet);
}

void DevicePageLighting::onLightOpenOrCloseType(int ledOpenOrClose)
{
    setLightSwitchLook(ledOpenOrClose != 1);
}

void DevicePageLighting::onLightOnOffClicked()
{
    // Without a device the switch would only change the file, and the two would disagree.
    if (!p->hasOpenDevice() || !p->m_xml) {
        p->showNotice(DDevicePage::tr("Please open hid first!"));
        return;
    }
    const QByteArray path = p->m_profileXmlPath;
    const QByteArray key = QByteArray::number(p->m_curProfileIndex);
    const int usingIndex = p->m_xml->getLightUsingIndex(path.constData(), key.constData(), 0);
    colorInfoData stored{};
    if (!p->m_xml->getLightItem(path.constData(), key.constData(), 0, usingIndex, &stored))
        return;
    p->m_ledOpenOrClose = p->m_xml->getLightSwitch(path.constData(), key.constData());
    const int state = p->m_ledOpenOrClose == 0 ? 1 : 0;
    setLightSwitchLook(state == 0);
    p->ui->frame_Custom->setVisible(state == 0);
    p->m_ledOpenOrClose = state;
    p->m_xml->setLightItemSwitch(path.constData(), key.constData(), 0, usingIndex, state);
    p->m_xml->setLightSwitch(path.constData(), key.constData(), state);

    MainHidInterFace::Report report;
    if (p->m_curHidStructInfo.deviceType == 1) {
        report = LightingCommands::mouseLightSwitch(stored, state);
        if (p->m_mouseLightPage)
            p->m_mouseLightPage->setLedDisabled(state);
    } else {
        report = LightingCommands::keyboardLightSwitch(stored, state);
    }
    if (!p->sendToCurrentDevice(toBytes(report), false)) {
        qCDebug(lcUi) << "USB serial port [Write Led] Failed ...";
        return;
    }
    qCDebug(lcUi).noquote() << QStringLiteral("USB serial port [Write Led] Successful ... ledType:%1").arg(usingIndex);
    p->showNotice(state == 0 ? DDevicePage::tr("Open light successful") : DDevicePage::tr("Close light successful"));
}

void DevicePageLighting::onLightSynchronizeClicked()
{
    QCheckBox *box = p->ui->checkBox_LightSynchronize;
    if (!p->hasOpenDevice() || !p->m_xml) {
        // Nothing changes without a device: the box goes back to what the file says.
        box->setChecked(p->m_synchronizeStatus == 1);
        p->showNotice(DDevicePage::tr("Please open hid first!"));
        return;
    }
    const QByteArray key = QByteArray::number(p->m_curProfileIndex);
    const bool mouse = p->m_curHidStructInfo.deviceType == 1;
    DDeviceKeyboardLink *link = p->m_curDeviceLink;
    if (box->isChecked()) {
        p->m_synchronizeStatus = 1;
        p->m_xml->setSynchronizeStatus(p->m_profileXmlPath.constData(), key.constData(), 1);
        if (mouse)
            p->m_mouseLightDealMain->clearAllLed();
        else
            p->m_lightDealMain->clearLed_WaveFullColor_TabSaveUpdateAll();
        link->setLightDataEnabled(true);
        if (mouse) {
            p->m_mouseLightDealMain->setLightSynchronize(true);
            p->m_mouseLightDealMain->setHidSendThreadRunning(true);
        } else {
            p->m_lightDealMain->setLightSynchronize(true);
            p->m_lightDealMain->setHidSendThreadRunning(true);
        }
        return;
    }
    p->m_synchronizeStatus = 0;
    p->m_xml->setSynchronizeStatus(p->m_profileXmlPath.constData(), key.constData(), 0);
    link->setLightDataEnabled(false);
    if (mouse) {
        p->m_mouseLightDealMain->setHidSendThreadRunning(false);
        p->m_mouseLightDealMain->setLightSynchronize(false);
    } else {
        p->m_lightDealMain->setHidSendThreadRunning(false);
        p->m_lightDealMain->setLightSynchronize(false);
    }
    link->dropQueuedLightData();
}
