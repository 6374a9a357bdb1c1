// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small helpers over cJSON shared by the readers of the program's JSON resources (key layouts,
// the mouse definition): an owning pointer and member lookups that never trust a value's type.

#include <QByteArray>

#include <memory>

struct cJSON;

namespace JsonMembers {

struct Deleter {
    void operator()(cJSON *item) const;
};
using Ptr = std::unique_ptr<cJSON, Deleter>;

// Parses text of the given length (no terminating zero needed); null when it is not JSON.
Ptr parse(const QByteArray &text);

// The member as a whole number, clamped to the int range; false when it is missing or no number.
bool readInt(const cJSON *object, const char *name, int *value);
// The member as a whole number: 0 when missing or not a number.
int intOr0(const cJSON *object, const char *name);
// The member's text; false when it is missing or no string.
bool readString(const cJSON *object, const char *name, QByteArray *value);

}  // namespace JsonMembers
