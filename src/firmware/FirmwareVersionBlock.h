#pragma once
// The version block a firmware image carries at its chip family's offsets: build date, build
// time and the version text "chip,chipNum,kind,maker,model,version".

#include <QString>
#include <QStringList>

struct FirmwareImageLayout;
struct HidDeviceInfo;

struct FirmwareVersionBlock {
    QString buildDate;
    QString buildTime;
    QString versionText;
    QStringList fields;  // always six; missing ones empty, the sixth without what follows another comma

    // The block of a flat image; empty texts when the layout has none or the image is too short.
    static FirmwareVersionBlock read(const QByteArray &image, const FirmwareImageLayout &layout);

    QString version() const { return fields.value(5); }
    // Chip family, chip number, kind, maker and model equal the device's, ignoring letter case.
    bool namesDevice(const HidDeviceInfo &record) const;
};
