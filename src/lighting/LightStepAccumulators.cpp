// SPDX-License-Identifier: GPL-3.0-or-later
#include "LightStepAccumulators.h"

LightStepAccumulators &LightStepAccumulators::programWide()
{
    static LightStepAccumulators accumulators;
    return accumulators;
}
