// SPDX-License-Identifier: GPL-3.0-or-later
#include "LightingCommands.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace LightingCommands {

MainHidInterFace::Report lightSynchronize(bool on)
{
    MainHidInterFace::Report report{};
    report[0] = 0x01;
    report[1] = kLightSynchronizeCommand;
    report[5] = 1;
    report[6] = on ? 1 : 0;
    return report;
}

namespace {

MainHidInterFace::Report colorReport(uint8_t command, uint8_t zone, uint8_t packetIndex, const uint8_t *bytes,
                                     int count)
{
    MainHidInterFace::Report report{};
    count = bytes ? std::clamp(count, 0, kColorPayloadMax) : 0;
    report[0] = 0x01;
    report[1] = command;
    report[2] = zone;
    report[4] = packetIndex;
    report[5] = uint8_t(count);
    if (count > 0)
        std::memcpy(report.data() + 6, bytes, size_t(count));
    return report;
}

MainHidInterFace::Report effectReport(uint8_t command, uint8_t length, const colorInfoData &r)
{
    MainHidInterFace::Report report{};
    report[0] = 0x01;
    report[1] = command;
    report[5] = length;
    report[6] = uint8_t(r.ledType);
    report[7] = uint8_t(r.ledBrightness);
    report[8] = uint8_t(r.ledSpeed);
    report[9] = uint8_t(r.ledModeR);
    report[10] = uint8_t(r.ledModeG);
    report[11] = uint8_t(r.ledModeB);
    report[12] = uint8_t(r.ledBgR);
    report[13] = uint8_t(r.ledBgG);
    report[14] = uint8_t(r.ledBgB);
    report[15] = uint8_t(r.ledDirection);
    report[16] = uint8_t(r.ledModeType);
    report[17] = uint8_t(r.ledOpenOrClose);
    return report;
}

MainHidInterFace::Report effectWithoutStaticFullColour(uint8_t command, uint8_t length, const colorInfoData &r)
{
    MainHidInterFace::Report report = effectReport(command, length, r);
    if (r.ledType == 0)
        report[16] = 0;
    return report;
}

}  // namespace

MainHidInterFace::Report keyEffect(const colorInfoData &record)
{
    return effectWithoutStaticFullColour(kKeyEffectCommand, 0x0E, record);
}

MainHidInterFace::Report sideEffect(const colorInfoData &record)
{
    return effectWithoutStaticFullColour(kSideEffectCommand, 0x0D, record);
}

MainHidInterFace::Report keyboardLightSwitch(const colorInfoData &stored, int state)
{
    colorInfoData record = stored;
    record.ledOpenOrClose = state;
    return effectReport(kKeyEffectCommand, 0x0E, record);
}

MainHidInterFace::Report mouseZoneLight(int zone, const colorInfoData &record, bool linked)
{
    MainHidInterFace::Report report = effectReport(kMouseZoneLightCommand, 0x0E, record);
    report[2] = uint8_t(zone);
    if (zone != 0) {
        report[15] = 0;
        report[17] = 0;
        report[18] = linked ? 0 : 1;
    }
    return report;
}

MainHidInterFace::Report mouseLightSwitch(const colorInfoData &stored, int state)
{
    colorInfoData record = stored;
    record.ledOpenOrClose = state;
    return mouseZoneLight(0, record, true);
}

int customLedSlot(int usingFlagIndex)
{
    return usingFlagIndex == 0 || usingFlagIndex == 1 ? usingFlagIndex : kCustomLedSlotUnused;
}

MainHidInterFace::Report customLedPacket(int slot, int packet, const uint8_t *rgb, int count)
{
    MainHidInterFace::Report report{};
    const int cells = packet == kCustomLedPackets - 1
                          ? kCustomLedCells - (kCustomLedPackets - 1) * kCustomLedCellsPerPacket
                          : kCustomLedCellsPerPacket;
    const int length = cells * 3;
    report[0] = 0x01;
    report[1] = kCustomLedCommand;
    report[2] = uint8_t(customLedSlot(slot));
    report[4] = uint8_t(std::clamp(packet, 0, kCustomLedPackets - 1));
    report[5] = uint8_t(length);
    if (rgb && count > 0)
        std::memcpy(report.data() + 6, rgb, size_t(std::min(count, length)));
    return report;
}

std::array<MainHidInterFace::Report, kCustomLedPackets> customLedTransfer(int slot, const uint8_t *rgb, int count)
{
    std::array<uint8_t, kCustomLedCells * 3> cells{};
    if (rgb && count > 0)
        std::memcpy(cells.data(), rgb, size_t(std::min<int>(count, int(cells.size()))));
    std::array<MainHidInterFace::Report, kCustomLedPackets> packets;
    for (int p = 0; p < kCustomLedPackets; ++p) {
        const int offset = p * kCustomLedCellsPerPacket * 3;
        packets[size_t(p)] = customLedPacket(slot, p, cells.data() + offset, int(cells.size()) - offset);
    }
    return packets;
}

MainHidInterFace::Report colorFrame(uint8_t zone, uint8_t packetIndex, const uint8_t *bytes, int count)
{
    return colorReport(kColorFrameCommand, zone, packetIndex, bytes, count);
}

MainHidInterFace::Report mouseColorFrame(uint8_t zone, uint8_t packetIndex, const uint8_t *bytes, int count)
{
    return colorReport(kMouseColorFrameCommand, zone, packetIndex, bytes, count);
}

}  // namespace LightingCommands
