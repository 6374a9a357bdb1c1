// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The on-board editor's bodies on the device page: the layer files of the current configuration
// (through OnboardConfigFiles), the layout templates, the layer switch and the texts of the
// on-board view's keys. The page keeps the names and forwards here.

#include "OnboardConfigFiles.h"

#include <QObject>

class DDevicePage;

class DevicePageOnboard : public QObject
{
    Q_OBJECT
public:
    explicit DevicePageOnboard(DDevicePage *page);

    // The files of the current device, its model and the store, as the page holds them now.
    OnboardConfigFiles &files();

    bool createOnboardConfig(int index);
    bool deleteOnboardConfig(int index);
    void applyOnboardLayoutTemplate(int layout);
    void updateOnboardKeyboard();
    void onCurIndexChangedOn_board(int selIndex);

private:
    DDevicePage *p;
    OnboardConfigFiles m_files;
};
