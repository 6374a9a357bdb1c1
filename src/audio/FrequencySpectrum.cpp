// SPDX-License-Identifier: GPL-3.0-or-later
#include "FrequencySpectrum.h"

FrequencySpectrum::FrequencySpectrum(int binCount)
    : m_bins(binCount > 0 ? binCount : 0)
{
}

void FrequencySpectrum::reset()
{
    for (Bin &bin : m_bins)
        bin = Bin();
}
