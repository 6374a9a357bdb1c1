// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The constant colour tables of the lighting effects, shared by the keyboard and the mouse
// engine: small palettes that single effects step through, the side strip's Wave palettes by
// model set, and the per-key pictures of the full-colour Wave and Radar set-ups, one set per
// keyboard layout family. Nothing here is ever written; readers copy an entry.

#include <QColor>

#include <cstdint>

namespace LightTables {

struct Rgb {
    uint8_t red;
    uint8_t green;
    uint8_t blue;

    QColor color() const { return QColor(red, green, blue); }
};

// Keyboard layout families, chosen by the layout code (the model's key count); a code no
// family lists takes Family104.
enum class LayoutFamily {
    Family108,
    Family104,
    Family98,
    Family83,
    Family82,
    Family61,
    Family63,
    Family34,
    Family21,
    Family68
};
LayoutFamily layoutFamily(int keyNum);

// Small palettes, index 0 first.
inline constexpr Rgb twinkleColorTable[] = {{255, 0, 0}, {255, 128, 0}, {255, 255, 0},   {0, 255, 0}, {0, 255, 255},
                                            {0, 0, 255}, {255, 0, 255}, {255, 255, 255}, {0, 0, 0}};
inline constexpr Rgb breathColorTable[] = {{255, 0, 0}, {255, 255, 0}, {0, 255, 0},     {0, 255, 255},
                                           {0, 0, 255}, {255, 0, 255}, {255, 255, 255}, {0, 0, 0}};
inline constexpr Rgb reactiveColorTable[] = {{255, 0, 255}, {191, 0, 255}, {150, 0, 255}, {127, 0, 255}, {0, 127, 255},
                                             {0, 255, 191}, {0, 255, 63},  {127, 255, 0}, {255, 255, 0}, {255, 127, 0}};
inline constexpr Rgb rhythmColorTable[] = {{255, 0, 0}, {255, 128, 0}, {255, 255, 0}, {128, 255, 0},
                                           {0, 255, 0}, {0, 255, 128}, {0, 255, 255}, {0, 128, 255},
                                           {0, 0, 255}, {128, 0, 255}, {255, 0, 255}};
inline constexpr Rgb rhythmColorTable34[] = {{255, 0, 0},   {255, 128, 0}, {255, 255, 0}, {0, 255, 0},
                                             {0, 255, 255}, {0, 0, 255},   {128, 0, 255}, {0, 0, 0},
                                             {0, 0, 0},     {0, 0, 0},     {0, 0, 0}};
inline constexpr Rgb rhythmColorTable21[] = {
    {0, 0, 0}, {0, 0, 0}, {0, 0, 0},   {0, 0, 0},     {0, 0, 0},     {0, 0, 0},    {0, 0, 0}, {0, 0, 0},
    {0, 0, 0}, {0, 0, 0}, {0, 0, 0},   {0, 0, 0},     {0, 0, 0},     {0, 0, 0},    {0, 0, 0}, {0, 0, 0},
    {0, 0, 0}, {0, 0, 0}, {255, 0, 0}, {255, 255, 0}, {0, 255, 255}, {128, 0, 255}};
inline constexpr Rgb speedRespondColorTable[] = {{255, 255, 0}, {0, 255, 0},   {0, 255, 255},
                                                 {0, 0, 255},   {255, 0, 255}, {255, 0, 0}};
inline constexpr Rgb collisionColorTable[] = {{255, 0, 255}, {127, 0, 255}, {0, 127, 255}, {0, 255, 191},
                                              {0, 255, 63},  {255, 255, 0}, {255, 127, 0}, {255, 63, 0}};
inline constexpr Rgb mouseAroundColorTable[] = {{255, 0, 0},   {255, 128, 0}, {255, 255, 0}, {0, 255, 0},
                                                {0, 255, 255}, {255, 0, 255}, {128, 0, 255}, {0, 0, 255}};
inline constexpr Rgb mouseReactiveColorTable[] = {{255, 128, 0}, {255, 255, 0}, {0, 255, 0},   {0, 255, 255},
                                                  {0, 0, 255},   {128, 0, 255}, {255, 0, 255}, {255, 0, 0}};

// The side strip's Wave palettes, one per model set; the n-th lit LED takes entry n.
inline constexpr Rgb sideWaveColors6[] = {{255, 0, 0},   {255, 255, 0}, {0, 255, 0},
                                          {0, 255, 255}, {0, 0, 255},   {128, 0, 255}};
inline constexpr Rgb sideWaveColors8[] = {{255, 0, 0},   {255, 128, 0}, {255, 255, 0}, {0, 255, 0},
                                          {0, 255, 255}, {0, 0, 255},   {128, 0, 255}, {255, 0, 255}};
inline constexpr Rgb sideWaveColors14a[] = {{255, 0, 0},  {255, 85, 0},  {255, 170, 0}, {255, 255, 0}, {127, 255, 0},
                                            {0, 255, 33}, {0, 255, 191}, {0, 255, 255}, {0, 127, 255}, {0, 0, 255},
                                            {85, 0, 255}, {171, 0, 255}, {255, 0, 191}, {255, 0, 85}};
inline constexpr Rgb sideWaveColors14b[] = {{128, 0, 255}, {0, 0, 255},   {0, 255, 255}, {0, 255, 0},   {255, 255, 0},
                                            {255, 128, 0}, {255, 0, 0},   {255, 0, 0},   {255, 128, 0}, {255, 255, 0},
                                            {0, 255, 0},   {0, 255, 255}, {0, 0, 255},   {128, 0, 255}};
inline constexpr Rgb sideWaveColors16[] = {{128, 0, 255}, {0, 0, 255},   {0, 128, 255}, {0, 255, 255},
                                           {0, 255, 0},   {255, 255, 0}, {255, 128, 0}, {255, 0, 0},
                                           {255, 0, 0},   {255, 128, 0}, {255, 255, 0}, {0, 255, 0},
                                           {0, 255, 255}, {0, 128, 255}, {0, 0, 255},   {128, 0, 255}};
inline constexpr Rgb sideWaveColors27[] = {
    {255, 0, 0},   {255, 64, 0},  {255, 128, 0}, {255, 192, 0}, {255, 255, 0}, {192, 255, 0}, {128, 255, 0},
    {64, 255, 0},  {0, 255, 0},   {0, 255, 51},  {0, 255, 102}, {0, 255, 153}, {0, 255, 204}, {0, 255, 255},
    {0, 204, 255}, {0, 153, 255}, {0, 102, 255}, {0, 51, 255},  {0, 0, 255},   {51, 0, 255},  {102, 0, 255},
    {153, 0, 255}, {204, 0, 255}, {255, 0, 255}, {255, 0, 192}, {255, 0, 128}, {255, 0, 64}};
inline constexpr Rgb sideWaveColors33a[] = {
    {255, 0, 0},   {255, 63, 0}, {255, 127, 0}, {255, 191, 0}, {255, 255, 0}, {191, 255, 0}, {127, 255, 0},
    {63, 255, 0},  {0, 255, 0},  {0, 255, 63},  {0, 255, 127}, {0, 255, 191}, {0, 255, 255}, {0, 191, 255},
    {0, 127, 255}, {0, 63, 255}, {0, 0, 255},   {63, 0, 255},  {127, 0, 255}, {191, 0, 255}, {255, 0, 191},
    {255, 0, 63},  {255, 0, 0},  {255, 63, 0},  {255, 127, 0}, {255, 191, 0}, {255, 255, 0}, {191, 255, 0},
    {127, 255, 0}, {63, 255, 0}, {0, 255, 0},   {0, 255, 63},  {0, 255, 127}};
inline constexpr Rgb sideWaveColors33b[] = {
    {255, 0, 0},   {255, 52, 0},  {255, 104, 0}, {255, 156, 0}, {255, 208, 0}, {252, 255, 0}, {200, 255, 0},
    {116, 255, 0}, {64, 255, 0},  {12, 255, 0},  {0, 255, 52},  {0, 255, 104}, {0, 255, 156}, {0, 255, 208},
    {0, 255, 252}, {0, 210, 255}, {0, 168, 255}, {0, 126, 255}, {0, 84, 255},  {0, 42, 255},  {0, 0, 255},
    {42, 0, 255},  {84, 0, 255},  {126, 0, 255}, {168, 0, 255}, {210, 0, 255}, {255, 0, 252}, {255, 0, 210},
    {255, 0, 168}, {255, 0, 126}, {255, 0, 84},  {255, 0, 42},  {255, 0, 0}};
inline constexpr Rgb sideWaveColors41[] = {
    {255, 0, 0},   {255, 38, 0},  {255, 76, 0},  {255, 114, 0}, {255, 152, 0}, {255, 190, 0}, {255, 228, 0},
    {246, 255, 0}, {208, 255, 0}, {170, 255, 0}, {132, 255, 0}, {94, 255, 0},  {56, 255, 0},  {18, 255, 0},
    {0, 255, 20},  {0, 255, 58},  {0, 255, 96},  {0, 255, 134}, {0, 255, 172}, {0, 255, 210}, {0, 255, 248},
    {0, 226, 255}, {0, 188, 255}, {0, 150, 255}, {0, 112, 255}, {0, 74, 255},  {0, 36, 255},  {2, 0, 255},
    {40, 0, 255},  {78, 0, 255},  {116, 0, 255}, {154, 0, 255}, {192, 0, 255}, {230, 0, 255}, {255, 0, 244},
    {255, 0, 206}, {255, 0, 168}, {255, 0, 130}, {255, 0, 92},  {255, 0, 54},  {255, 0, 16}};
inline constexpr Rgb sideWaveColors49[] = {
    {255, 0, 0},   {255, 31, 0},  {255, 62, 0},  {255, 93, 0},  {255, 124, 0}, {255, 155, 0}, {255, 186, 0},
    {255, 217, 0}, {255, 248, 0}, {233, 255, 0}, {202, 255, 0}, {171, 255, 0}, {140, 255, 0}, {109, 255, 0},
    {78, 255, 0},  {47, 255, 0},  {16, 255, 0},  {0, 255, 15},  {0, 255, 46},  {0, 255, 77},  {0, 255, 108},
    {0, 255, 139}, {0, 255, 170}, {0, 255, 201}, {0, 255, 232}, {0, 249, 255}, {0, 218, 255}, {0, 187, 255},
    {0, 156, 255}, {0, 125, 255}, {0, 94, 255},  {0, 63, 255},  {0, 32, 255},  {0, 1, 255},   {30, 0, 255},
    {61, 0, 255},  {92, 0, 255},  {123, 0, 255}, {154, 0, 255}, {185, 0, 255}, {216, 0, 255}, {247, 0, 255},
    {255, 0, 234}, {255, 0, 203}, {255, 0, 172}, {255, 0, 141}, {255, 0, 110}, {255, 0, 79},  {255, 0, 48}};
inline constexpr Rgb sideWaveColors45[] = {
    {255, 0, 0},   {255, 31, 0},  {255, 62, 0},  {255, 93, 0},  {255, 124, 0}, {255, 155, 0}, {255, 186, 0},
    {255, 217, 0}, {255, 248, 0}, {233, 255, 0}, {202, 255, 0}, {171, 255, 0}, {140, 255, 0}, {109, 255, 0},
    {78, 255, 0},  {47, 255, 0},  {16, 255, 0},  {0, 255, 15},  {0, 255, 46},  {0, 255, 77},  {0, 255, 108},
    {0, 255, 139}, {0, 255, 170}, {0, 255, 201}, {0, 255, 232}, {0, 249, 255}, {0, 218, 255}, {0, 187, 255},
    {0, 156, 255}, {0, 125, 255}, {0, 94, 255},  {0, 63, 255},  {0, 32, 255},  {0, 1, 255},   {30, 0, 255},
    {61, 0, 255},  {92, 0, 255},  {123, 0, 255}, {154, 0, 255}, {185, 0, 255}, {216, 0, 255}, {247, 0, 255},
    {255, 0, 234}, {255, 0, 203}, {255, 0, 172}};

// The first twinkleColorTable index of every key (entry i: row i mod 6, column i div 6), and the
// order in which the mouse's Around Twinkle starts its LEDs: one table, two readers.
extern const uint8_t twinkleStartColors[132];
// The order in which Twinkle starts the keys (entry v: row v mod 6, column v div 6).
extern const uint8_t twinkleOrder[132];

// The per-key pictures. A row or column outside the 6 by 22 matrix reads black, as does a
// position the layout has no key at.
// Wave ramp frame: a hue ramp from left to right (wide: 22 lit columns, narrow: 18).
QColor waveRampColor(int keyNum, int row, int column);
// Wave centre frame: a hue by the key's ring, counted from the middle of the layout outward.
QColor waveCenterColor(int keyNum, int row, int column);
// The ring of a key in its layout's centre frame (0 .. 11), or -1 where the layout has no key;
// a key whose colour lies off the ring palette takes the ring of the nearest palette colour.
int waveCenterRing(int keyNum, int row, int column);
// Radar frame: a hue that turns around a point in the lower middle of the keys.
QColor radarColor(int keyNum, int row, int column);

}  // namespace LightTables
