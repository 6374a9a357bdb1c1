// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// A number stored as decimal text in a record field or an XML attribute: leading blanks, a sign
// and the leading digits count, the rest is ignored, text without digits (or no text) reads as 0,
// and values beyond 32 bits are held at the limits.
int32_t recordNumber(const char *text);
