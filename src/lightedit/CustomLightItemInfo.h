#pragma once
// What the device page hands one row of the custom lighting list: the profile it belongs to and
// the `customLed` element's own fields.

#include <QString>

struct CustomLightItemInfo {
    QString profileIndex;
    QString index;
    QString name;
    QString isUsing;  // "Using" or "UnUsing"
    int usingFlagIndex = -1;
};
