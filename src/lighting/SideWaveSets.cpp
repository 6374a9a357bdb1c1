// SPDX-License-Identifier: GPL-3.0-or-later
#include "SideWaveSets.h"

#include <cstring>
#include <iterator>

using namespace LightTables;

namespace {

// Entry i is the start level of the i-th lit LED.
constexpr uint8_t sideWaveRamp6[] = {245, 200, 155, 110, 55, 10};
constexpr uint8_t sideWaveRamp8[] = {10, 35, 70, 105, 140, 175, 210, 245};
constexpr uint8_t sideWaveRamp14a[] = {245, 225, 205, 185, 165, 145, 120, 100, 80, 60, 45, 30, 20, 10};
constexpr uint8_t sideWaveRamp14b[] = {10, 45, 80, 120, 165, 205, 245, 245, 205, 165, 120, 80, 45, 10};
constexpr uint8_t sideWaveRamp16[] = {10, 45, 80, 115, 150, 185, 215, 245, 245, 215, 185, 150, 115, 80, 45, 10};
constexpr uint8_t sideWaveRamp27[] = {5,   10,  30,  50,  70,  90,  110, 130, 150, 170, 190, 210, 230, 250,
                                      230, 210, 190, 170, 150, 130, 110, 90,  70,  50,  30,  10,  5};
constexpr uint8_t sideWaveRamp33a[] = {10,  24,  40,  55,  70,  85,  100, 115, 130, 145, 160,
                                       175, 190, 205, 220, 235, 240, 247, 232, 217, 202, 187,
                                       172, 157, 142, 127, 112, 97,  82,  67,  52,  37,  22};
constexpr uint8_t sideWaveRamp33b[] = {10,  25,  40,  55,  70,  85,  100, 115, 130, 145, 160,
                                       175, 190, 205, 220, 235, 250, 230, 215, 200, 185, 170,
                                       155, 140, 125, 110, 95,  80,  65,  50,  35,  20,  5};
constexpr uint8_t sideWaveRamp41[] = {10,  22,  34,  46,  58,  70,  82,  94,  106, 118, 130, 142, 154, 166,
                                      178, 190, 202, 214, 226, 238, 250, 250, 238, 226, 214, 202, 190, 178,
                                      166, 154, 142, 130, 118, 106, 94,  82,  70,  58,  46,  34,  22};
constexpr uint8_t sideWaveRamp45[] = {10,  20,  30,  40,  50,  60,  70,  80,  90,  100, 110, 120, 130, 140, 150,
                                      160, 170, 180, 190, 200, 210, 220, 230, 240, 250, 252, 242, 232, 222, 212,
                                      202, 192, 182, 172, 162, 152, 142, 132, 122, 112, 102, 92,  82,  72,  62};
constexpr uint8_t sideWaveRamp49[] = {10,  20,  30,  40,  50,  60,  70,  80,  90,  100, 110, 120, 130,
                                      140, 150, 160, 170, 180, 190, 200, 210, 220, 230, 240, 250, 252,
                                      242, 232, 222, 212, 202, 192, 182, 172, 162, 152, 142, 132, 122,
                                      112, 102, 92,  82,  72,  62,  52,  42,  32,  22};

const char *const sideWaveSet41Models[] = {"ZK87S"};
const char *const sideWaveSet49Models[] = {"ZK104S"};

#define ZELKA_SIDE_WAVE_TABLES(palette, ramp) palette, int(std::size(palette)), ramp, int(std::size(ramp))

const SideWaveSet kSets[SideWaveSets::kSetCount] = {
    {"sideWaveSet6", nullptr, 0, ZELKA_SIDE_WAVE_TABLES(sideWaveColors6, sideWaveRamp6), 4},
    {"sideWaveSet8", nullptr, 0, ZELKA_SIDE_WAVE_TABLES(sideWaveColors8, sideWaveRamp8), 15},
    {"sideWaveSet14a", nullptr, 0, ZELKA_SIDE_WAVE_TABLES(sideWaveColors14a, sideWaveRamp14a), 6},
    {"sideWaveSet14b", nullptr, 0, ZELKA_SIDE_WAVE_TABLES(sideWaveColors14b, sideWaveRamp14b), 6},
    {"sideWaveSet16", nullptr, 0, ZELKA_SIDE_WAVE_TABLES(sideWaveColors16, sideWaveRamp16), 6},
    {"sideWaveSet27", nullptr, 0, ZELKA_SIDE_WAVE_TABLES(sideWaveColors27, sideWaveRamp27), 14},
    {"sideWaveSet33a", nullptr, 0, ZELKA_SIDE_WAVE_TABLES(sideWaveColors33a, sideWaveRamp33a), 13},
    {"sideWaveSet33b", nullptr, 0, ZELKA_SIDE_WAVE_TABLES(sideWaveColors33b, sideWaveRamp33b), 18},
    {"sideWaveSet33c", nullptr, 0, ZELKA_SIDE_WAVE_TABLES(sideWaveColors33b, sideWaveRamp33b), 13},
    {"sideWaveSet41", sideWaveSet41Models, int(std::size(sideWaveSet41Models)),
     ZELKA_SIDE_WAVE_TABLES(sideWaveColors41, sideWaveRamp41), 22},
    {"sideWaveSet45", nullptr, 0, ZELKA_SIDE_WAVE_TABLES(sideWaveColors45, sideWaveRamp45), 24},
    {"sideWaveSet49", sideWaveSet49Models, int(std::size(sideWaveSet49Models)),
     ZELKA_SIDE_WAVE_TABLES(sideWaveColors49, sideWaveRamp49), 26},
};

#undef ZELKA_SIDE_WAVE_TABLES

}  // namespace

namespace SideWaveSets {

const SideWaveSet *sets()
{
    return kSets;
}

const SideWaveSet *find(const char *name)
{
    for (const SideWaveSet &set : kSets)
        if (std::strcmp(set.name, name) == 0)
            return &set;
    return nullptr;
}

const SideWaveSet *forModel(const QString &modelCode)
{
    for (const SideWaveSet &set : kSets)
        for (int i = 0; i < set.modelCount; ++i)
            if (modelCode == QLatin1String(set.modelCodes[i]))
                return &set;
    return nullptr;
}

}  // namespace SideWaveSets
