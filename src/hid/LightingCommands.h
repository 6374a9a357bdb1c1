// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Builders of the keyboard and mouse lighting reports that the program renders itself.

#include "MainHidInterFace.h"

#include <cstdint>

namespace LightingCommands {

constexpr uint8_t kColorFrameCommand = 0x0F;
constexpr uint8_t kLightSynchronizeCommand = 0x17;
constexpr uint8_t kMouseColorFrameCommand = 0x48;
constexpr int kColorPayloadMax = 54;  // 18 LEDs of 3 bytes

// 0x17: the device shows the colours the program streams (on) or its own effect (off).
MainHidInterFace::Report lightSynchronize(bool on);

// 0x0F: one packet of a zone's colour frame (zone 0 the key matrix, 1 the side strip) with
// up to 54 colour bytes, red, green, blue per LED; bytes beyond 54 are not sent.
MainHidInterFace::Report colorFrame(uint8_t zone, uint8_t packetIndex, const uint8_t *bytes, int count);

// 0x48: the mouse's colour frame, red, green, blue of its 18 LEDs in one report (zone and packet
// 0); bytes beyond 54 are not sent.
MainHidInterFace::Report mouseColorFrame(uint8_t zone, uint8_t packetIndex, const uint8_t *bytes, int count);

}  // namespace LightingCommands
