#pragma once
// Synthetic firmware images for the demo and the tests: our own bytes, never real firmware.
// An image has its chip family's length (the first field of the version text), a
// deterministic body and the version block at the family's offsets.

#include <QByteArray>
#include <QString>

namespace emu {

// The flat image for a version text "chip,chipNum,kind,maker,model,version"; empty when the
// chip family has no image layout.
QByteArray firmwareImage(const QString &versionText, const QString &buildDate = QStringLiteral("Mar 14 2024"),
                         const QString &buildTime = QStringLiteral("10:22:33"));

// A flat image as Intel HEX text: an extended linear address record with upper address 0,
// 16-byte data records, a start linear address record and the end record; upper-case digits,
// CR LF line ends.
QByteArray intelHex(const QByteArray &image);

// firmwareImage() written as Intel HEX; empty for an unknown chip family.
QByteArray firmwareHex(const QString &versionText);

// Writes firmwareHex(versionText) to a file; false when the family is unknown or the write fails.
bool writeFirmwareHex(const QString &versionText, const QString &path);

}  // namespace emu
