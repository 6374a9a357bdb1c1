#pragma once
// Milliseconds per effect tick for a lighting speed. Devices report either five speed levels
// (a maximum of 4 or less) or ten.

namespace LightSpeed {

// The key matrix takes the five-level table for every speed maximum up to 4.
int keyTickInterval(int speedMax, int speed);
// The side strip takes the five-level table only for a maximum of exactly 4.
int sideTickInterval(int speedMax, int speed);
// A speed outside its table takes the nearest entry.
int tickInterval(bool fiveLevels, int speed);

constexpr int kMusicalRhythmInterval = 14;

}  // namespace LightSpeed
