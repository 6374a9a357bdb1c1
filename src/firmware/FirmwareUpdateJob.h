// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One firmware update: which unit (model and serial number), its chip family and image, the
// versions before and after, and the ids of the bootloader it starts. Made when the user
// presses Upgrade; kept in the user settings after a failed update until the unit is back with
// working firmware, so that a unit left in its bootloader can be updated at the next start.

#include "BootloaderWriter.h"
#include "DeviceModels.h"
#include "HidRecords.h"

#include <QByteArray>
#include <QString>
#include <QVector>

class UserSettings;

class FirmwareUpdateJob
{
public:
    QString hidPath;  // where the device was when the update started (not kept)
    QString serial;
    QString model;
    QString chipFamily;
    QString imageName;  // "<model>.hex"
    QString oldVersion;
    QString newVersion;
    int imageLength = 0;
    QVector<models::UsbId> bootloaderIds;
    QByteArray image;  // read from the image folder when the update starts (not kept)

    bool isValid() const;

    // The bootloaders a device with this vendor id may start: the model table's of that vendor,
    // all of them when the table names none.
    static QVector<models::UsbId> bootloaderIdsForVendor(int vendorId);

    // Reads the image from the folder and checks it: it reads, has the job's length and its
    // version block names the device (record) with the job's new version. False with the reason.
    bool loadImage(const QString &folder, const HidDeviceInfo &record, const QString &mouseChipName, QString *reason);

    void store(UserSettings &settings) const;
    // The kept job; an invalid one when none is kept or what is kept does not make sense.
    static FirmwareUpdateJob stored(const UserSettings &settings);
    static void forget(UserSettings &settings);

    // The record a row of the update window shows for a unit in its bootloader.
    HidDeviceInfo deviceInfo() const;
    BootloaderWriter::Job writerJob() const;
};
