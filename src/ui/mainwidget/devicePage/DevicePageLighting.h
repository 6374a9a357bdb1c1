// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The lighting part of the device page: which effect and zone the user picks, the preview in the
// lighting engines while the user edits, the reports that set an effect on the keyboard (0x07,
// 0x08, 0x09), the light switch and the light synchronisation. The page forwards its slots here.

#include "XmlRecords.h"

#include <QColor>
#include <QList>
#include <QObject>

class DDevicePage;

class DevicePageLighting : public QObject
{
    Q_OBJECT
public:
    explicit DevicePageLighting(DDevicePage *page);

    // Effect and zone selection.
    void onCurIndexChangedLed(int selIndex);
    void onCurIndexChangedSideLed(int selIndex);
    void onCurIndexChangedScrollAndLogoLed(int selIndex);
    void keyBoardLedType(int ledType);
    void keyBoardSideLedType(int ledType);
    void mouseScrollOrLogoLedType(int ledType);
    void onSelectKeyboardLightType(int ledType);
    void onSelectSideLightType(int ledType);
    void onSelectMouseAroundLightType(int ledType);
    void onSelectScrollOrLogoLightType(int ledType);
    void onLightCancelSettings(int ledSelMode);
    void onCurIndexChangedLedSelect(int selIndex);
    void onSelectMouseLightType(int zone);
    void updateKeyboardLayers(int ledType);
    void showKeyboardLightPage();

    // Reports and page-level controls.
    void onSendSetKeyboardColorData();
    void onSendSetSideColorData();
    void send0x07Cmd(const colorInfoData &colorData);
    void sendCustomLedColors(int slot);
    bool writeKeyboardCustomLed(int slot, int packet, const QList<unsigned char> &colors);
    void onSetLightEffectSuccessful();
    void onLightConfigHaveChanged(int lightConfigChangedFrom, int ledSelMode);
    void onLightOpenOrCloseType(int ledOpenOrClose);
    void onLightOnOffClicked();
    void onLightSynchronizeClicked();
    // Musical Rhythm without sound: says so on screen, once, while the lighting page shows.
    void noticeAudioUnavailable();

private:
    void setLightSwitchLook(bool on);
    void setKeyButtonsToEngine();
    void showCustomLightFrame(bool on);

    DDevicePage *p;
    bool m_audioNoticeShown = false;
};
