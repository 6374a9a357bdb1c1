// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Loading the current device once its serial number is known: the tool pages and effect buttons
// of its kind, its profile file (made, or set aside and replaced when unreadable), the current
// profile's lighting state for the link, the engines and the pages, and the work-mode row.

#include <QString>

class DDevicePage;
class DDeviceKeyboardLink;

class DevicePageLoad
{
public:
    explicit DevicePageLoad(DDevicePage *page);

    void loadDevice(DDeviceKeyboardLink *link, const QString &hidName);
    void loadKeyboardEffectList();
    void loadSideEffectList();
    void loadMouseEffectList();

private:
    DDevicePage *p;
};
