// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The switches of the device page: the main page (key assignment, lighting), the tool area under
// the keyboard, the keyboard's work mode (PC or on-board memory), the side panel's close buttons
// and the popup of further profile operations. The page forwards its slots here.

#include <QObject>
#include <QString>

class DDevicePage;

class DevicePageModes : public QObject
{
    Q_OBJECT
public:
    explicit DevicePageModes(DDevicePage *page);

    void onCurIndexChangedMainPage(int selIndex);
    // The user's click on a panel button; leaving the lighting panel asks about unsaved lighting.
    void onMainPageButtonClicked(int selIndex);
    void onCurIndexChangedOperate(int selIndex);
    void onCurIndexChangedSelMode(int selIndex);
    void closeKeyCustom();
    void closeSidePanel();
    void showMoreOperations();

private:
    void showKeyboardKeyPage();
    void showKeyboardLightPage();
    void showMousePage(int selIndex);
    void enterPcMode();
    void enterOnboardMode();
    void showWorkModeRow();
    void setKeyOperationsForOnboard(bool onboard);

    DDevicePage *p;
};
