// SPDX-License-Identifier: GPL-3.0-or-later
#include "JsonMembers.h"

#include <cJSON.h>

namespace JsonMembers {

void Deleter::operator()(cJSON *item) const
{
    cJSON_Delete(item);
}

Ptr parse(const QByteArray &text)
{
    return Ptr(cJSON_ParseWithLength(text.constData(), static_cast<size_t>(text.size())));
}

bool readInt(const cJSON *object, const char *name, int *value)
{
    const cJSON *item = cJSON_GetObjectItem(object, name);
    if (!cJSON_IsNumber(item))
        return false;
    const double number = item->valuedouble;
    if (number >= 2147483647.0)
        *value = 2147483647;
    else if (number <= -2147483648.0)
        *value = -2147483647 - 1;
    else
        *value = static_cast<int>(number);
    return true;
}

int intOr0(const cJSON *object, const char *name)
{
    int value = 0;
    return readInt(object, name, &value) ? value : 0;
}

bool readString(const cJSON *object, const char *name, QByteArray *value)
{
    const cJSON *item = cJSON_GetObjectItem(object, name);
    if (!cJSON_IsString(item) || !item->valuestring)
        return false;
    *value = QByteArray(item->valuestring);
    return true;
}

}  // namespace JsonMembers
