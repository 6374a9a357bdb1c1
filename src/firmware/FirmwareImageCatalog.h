#pragma once
// The firmware images the program offers, one Intel HEX file per model in an image folder
// (":/images/UpdateHex/" in the program). Each image is read once and remembered by model,
// a refused one too, so that repeated checks cost nothing and log nothing new.

#include "FirmwareVersionBlock.h"

#include <QHash>
#include <QString>

struct FirmwareImageLayout;
struct HidDeviceInfo;

class FirmwareImageCatalog
{
public:
    // mouseChipName: the chip name the supported-device list gives the mouse.
    FirmwareImageCatalog(const QString &folder, const QString &mouseChipName);

    // The version of the image carried for the record's model when it is firmware for that very
    // device (same chip family, chip number, kind, maker and model) and newer than what the
    // device runs; empty otherwise.
    QString newerVersionFor(const HidDeviceInfo &record);

    // Reads the model's image afresh into a flat image of the layout's length. False, with one
    // log line for an image that exists but cannot be read, or silently when there is none.
    static bool loadImage(const QString &folder, const QString &model, const FirmwareImageLayout &layout,
                          QByteArray *image);

    QString folder() const { return imageFolder; }
    // How many image files were read so far.
    int readCount() const { return reads; }

private:
    struct Entry {
        bool usable = false;
        FirmwareVersionBlock block;
    };

    QString imageFolder;
    QString mouseChip;
    QHash<QString, Entry> entries;  // by model and chip family
    int reads = 0;
};
