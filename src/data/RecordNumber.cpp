// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecordNumber.h"

#include <algorithm>
#include <cstdlib>

int32_t recordNumber(const char *text)
{
    if (!text)
        return 0;
    const long long number = std::strtoll(text, nullptr, 10);  // saturates at the 64-bit limits
    return static_cast<int32_t>(std::clamp<long long>(number, INT32_MIN, INT32_MAX));
}
