// SPDX-License-Identifier: GPL-3.0-or-later
#include "MouseEffectTable.h"

#include "MouseAroundEffects.h"
#include "MouseZoneEffects.h"

#include <iterator>

const MouseAroundEffect *MouseEffectTable::aroundEffect(int id) const
{
    for (int i = 0; i < aroundEffectCount; ++i)
        if (aroundEffects[i].id == id)
            return &aroundEffects[i];
    return nullptr;
}

const MouseZoneEffect *MouseEffectTable::zoneEffect(int id) const
{
    for (int i = 0; i < zoneEffectCount; ++i)
        if (zoneEffects[i].id == id)
            return &zoneEffects[i];
    return nullptr;
}

const MouseEffectTable &mouseEffectTable()
{
    using namespace MouseEffects;
    static const MouseAroundEffect around[] = {
        {0, initAroundStaticEffect, renderAroundStaticFrame, nullptr},
        {1, initAroundBreathEffect, renderAroundBreathFrame, nullptr},
        {2, initAroundWaveEffect, renderAroundWaveFrame, nullptr},
        {3, initAroundNeonEffect, renderAroundNeonFrame, nullptr},
        {4, initAroundSnackEffect, renderAroundSnackFrame, nullptr},
        {6, initAroundTwinkleEffect, renderAroundTwinkleFrame, nullptr},
        {7, initAroundDpiEffect, renderAroundDpiFrame, nullptr},
        {8, initAroundSpeedRespondEffect, renderAroundSpeedRespondFrame, speedRespondPress},
    };
    static const MouseZoneEffect zones[] = {
        {0, initZoneStaticEffect, renderZoneStaticFrame},
        {1, initZoneNeonEffect, renderZoneNeonFrame},
        {2, initZoneBreathEffect, renderZoneBreathFrame},
        {3, initZoneDpiEffect, renderZoneDpiFrame},
    };
    static const MouseEffectTable table{around, int(std::size(around)), zones, int(std::size(zones))};
    return table;
}
