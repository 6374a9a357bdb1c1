// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Applying a whole profile of the current device's file: the marks of the assigned keys (or the
// mouse picture's button texts), the profile's name, the key pages' profile, and the profile's
// lighting, report rate and synchronisation, sent to the device.

#include <QObject>

class DDevicePage;
class DevicePageKeys;

class DevicePageApply : public QObject
{
    Q_OBJECT
public:
    DevicePageApply(DDevicePage *page, DevicePageKeys *keys);

    void applyKeyboardProfile(int profileIndex);
    void applyMouseProfile(int profileIndex);

private:
    DDevicePage *p;
    DevicePageKeys *m_keys;
};
