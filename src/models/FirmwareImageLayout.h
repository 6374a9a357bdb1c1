#pragma once
// Where a firmware image of each chip family keeps its version block and how long the image
// is. Read by the version check, the firmware writer and the emulator's image maker and
// bootloader alike.

#include <QString>

struct FirmwareImageLayout {
    // The largest image of any family; images are read into a buffer of this size at most.
    static constexpr int maxImageLength = 0x10000;
    // The version block: build date, build time, then the version text, each zero-padded.
    static constexpr int dateLength = 12;
    static constexpr int timeLength = 16;
    static constexpr int versionLength = 50;

    int imageLength = 0;  // 0: the family has no image layout
    int dateOffset = -1;
    int timeOffset = -1;
    int versionOffset = -1;

    bool isValid() const { return imageLength > 0; }

    // The layout of a chip family, compared exactly (letter case matters). mouseChipName is
    // the chip name the supported-device list gives the mouse; it shares the mouse's layout.
    static FirmwareImageLayout forChipFamily(const QString &chipName, const QString &mouseChipName = QString());
};
