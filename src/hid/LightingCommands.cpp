// SPDX-License-Identifier: GPL-3.0-or-later
#include "LightingCommands.h"

#include <algorithm>
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

}  // namespace

MainHidInterFace::Report colorFrame(uint8_t zone, uint8_t packetIndex, const uint8_t *bytes, int count)
{
    return colorReport(kColorFrameCommand, zone, packetIndex, bytes, count);
}

MainHidInterFace::Report mouseColorFrame(uint8_t zone, uint8_t packetIndex, const uint8_t *bytes, int count)
{
    return colorReport(kMouseColorFrameCommand, zone, packetIndex, bytes, count);
}

}  // namespace LightingCommands
