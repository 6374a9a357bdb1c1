// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Builders of the firmware update reports: the enter-bootloader report a device takes on its
// normal interface, and the data and end packets its bootloader takes, with the meaning of the
// bootloader's replies. An image goes out in packets of 48 bytes, each bitwise inverted; the
// last packet carries what is left (1 to 48 bytes), so no image byte is ever dropped.

#include <QByteArray>

#include <array>
#include <cstdint>
#include <functional>

namespace FirmwareCommands {

constexpr int kReportSize = 64;
using Report = std::array<unsigned char, kReportSize>;

constexpr uint8_t kEnterBootloaderCommand = 0x0B;
constexpr uint8_t kFirmwareDataCommand = 0x0C;
constexpr int kPacketPayload = 48;

// Error codes of an attempt, as the log names them.
constexpr int kErrorWrite = 100;    // a data packet could not be written
constexpr int kErrorRead = 101;     // no reply in time, or the read failed
constexpr int kErrorRefused = 102;  // reply status 1
constexpr int kErrorFlash = 103;    // reply status 2
constexpr int kErrorEnd = 104;      // the end packet could not be written

// 0x0B: the device leaves for its bootloader.
Report enterBootloader();

// Packets an image of this length takes: one per 48 bytes, a shorter last one for the rest.
int packetCount(int imageLength);
// Image bytes packet `index` carries (0 for an index outside the image).
int packetPayloadLength(int imageLength, int index);

// Data packet `index` of the image: 01 0C 00, index high and low, payload length + 2, the
// inverted image bytes, and in every packet but the last two filler bytes from `filler` (called twice;
// empty: a random byte).
Report dataPacket(const QByteArray &image, int index, const std::function<uint8_t()> &filler = {});
// 01 0C 00 FF FF: the image is complete.
Report endPacket();

// The error code of a bootloader reply (byte 2: 1 refused, 2 flash fault); 0 when it lets the
// writer go on.
int replyError(const unsigned char *reply, int length);

// What the progress bar shows after `done` of `total` packets: truncated percent.
int progressPercent(int total, int done);

}  // namespace FirmwareCommands
