// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the device page hands one row of the custom lighting list: the profile it belongs to and
// the `customLed` element's own fields.

#include <QString>

struct CustomLightItemInfo {
    QString profileIndex = QStringLiteral("-1");
    QString index = QStringLiteral("-1");
    QString name;
    QString isUsing;  // "Using" or "UnUsing"
    int usingFlagIndex = -1;
};
