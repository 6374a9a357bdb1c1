// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Builders of the keyboard and mouse lighting reports that the program renders itself.

#include "MainHidInterFace.h"
#include "XmlRecords.h"

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

constexpr uint8_t kKeyEffectCommand = 0x07;
constexpr uint8_t kSideEffectCommand = 0x08;
constexpr uint8_t kCustomLedCommand = 0x09;
constexpr uint8_t kMouseZoneLightCommand = 0x42;

// Custom per-key lighting: 132 cells of the 6 x 22 key matrix, 18 cells per packet, 8 packets.
constexpr int kCustomLedCells = 132;
constexpr int kCustomLedCellsPerPacket = 18;
constexpr int kCustomLedPackets = 8;
// The slot of a custom light that is not in use; 0 and 1 are the device's two stored lights.
constexpr int kCustomLedSlotUnused = 2;

// 0x07: the effect of the key matrix. Values are the low bytes of the record's fields; the
// full-colour flag goes out as 0 for the static effect.
MainHidInterFace::Report keyEffect(const colorInfoData &record);
// 0x08: the effect of the side strip, the same bytes with its own length byte.
MainHidInterFace::Report sideEffect(const colorInfoData &record);
// The light switch of a keyboard: 0x07 built from the stored record of the effect in use, with
// its full-colour flag as stored and the new switch state (0 on, 1 off).
MainHidInterFace::Report keyboardLightSwitch(const colorInfoData &stored, int state);
// 0x42: the effect of a mouse zone (0 Around, 1 Scroll, 2 Logo). Direction and switch belong to
// the Around zone only; the Scroll and Logo zones say whether they follow the Around zone.
MainHidInterFace::Report mouseZoneLight(int zone, const colorInfoData &record, bool linked);
// The light switch of a mouse: 0x42 for the Around zone with the new switch state.
MainHidInterFace::Report mouseLightSwitch(const colorInfoData &stored, int state);
// The device slot a custom light goes out to: 0 or 1 when it is in use, otherwise 2.
int customLedSlot(int usingFlagIndex);
// 0x09: one packet of a custom light. rgb holds red, green, blue of the packet's cells (54 bytes
// for packets 0-6, 18 for packet 7); a longer list is cut, a slot other than 0 or 1 goes out as 2.
MainHidInterFace::Report customLedPacket(int slot, int packet, const uint8_t *rgb, int count);
// The eight 0x09 packets of a whole custom light; rgb holds 3 bytes per cell in matrix order
// (row x 22 + column), missing cells are dark.
std::array<MainHidInterFace::Report, kCustomLedPackets> customLedTransfer(int slot, const uint8_t *rgb, int count);
// 0x48: the mouse's colour frame, red, green, blue of its 18 LEDs in one report (zone and packet
// 0); bytes beyond 54 are not sent.
MainHidInterFace::Report mouseColorFrame(uint8_t zone, uint8_t packetIndex, const uint8_t *bytes, int count);

}  // namespace LightingCommands
