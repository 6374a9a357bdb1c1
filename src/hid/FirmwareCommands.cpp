// SPDX-License-Identifier: GPL-3.0-or-later
#include "FirmwareCommands.h"

#include <QRandomGenerator>

namespace FirmwareCommands {

namespace {

Report header()
{
    Report r{};
    r[0] = 0x01;
    r[1] = kFirmwareDataCommand;
    return r;
}

}  // namespace

Report enterBootloader()
{
    Report r{};
    r[0] = 0x01;
    r[1] = kEnterBootloaderCommand;
    return r;
}

int packetCount(int imageLength)
{
    if (imageLength <= 0)
        return 0;
    return (imageLength + kPacketPayload - 1) / kPacketPayload;
}

int packetPayloadLength(int imageLength, int index)
{
    const int count = packetCount(imageLength);
    if (index < 0 || index >= count)
        return 0;
    if (index < count - 1)
        return kPacketPayload;
    return imageLength - kPacketPayload * (count - 1);
}

Report dataPacket(const QByteArray &image, int index, const std::function<uint8_t()> &filler)
{
    Report r = header();
    const int length = packetPayloadLength(image.size(), index);
    r[3] = uint8_t((index >> 8) & 0xFF);
    r[4] = uint8_t(index & 0xFF);
    r[5] = uint8_t(length + 2);
    const int offset = index * kPacketPayload;
    for (int i = 0; i < length; ++i)
        r[6 + i] = uint8_t(~uint8_t(image.at(offset + i)));
    // Filler in every packet but the last, which carries only what is left.
    if (index < packetCount(image.size()) - 1) {
        const auto next = [&filler] {
            return filler ? filler() : uint8_t(QRandomGenerator::global()->generate() & 0xFF);
        };
        r[6 + kPacketPayload] = next();
        r[7 + kPacketPayload] = next();
    }
    return r;
}

Report endPacket()
{
    Report r = header();
    r[3] = 0xFF;
    r[4] = 0xFF;
    return r;
}

int replyError(const unsigned char *reply, int length)
{
    if (!reply || length < 3)
        return 0;
    switch (reply[2]) {
    case 1:
        return kErrorRefused;
    case 2:
        return kErrorFlash;
    default:
        return 0;
    }
}

int progressPercent(int total, int done)
{
    if (total <= 0)
        return 0;
    return int(float(done) / float(total) * 100.0f);
}

}  // namespace FirmwareCommands
