#pragma once
// How many side LEDs a keyboard model's colour frame carries. A model with no longer strip
// (or no strip at all) still sends the 33 LEDs of the short one, unlit.

#include <QString>

namespace SideFrameSets {

constexpr int kDefaultLedCount = 33;

// Chosen by exact, case-sensitive comparison of the model code.
int ledCount(const QString &modelName);

} // namespace SideFrameSets
