// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The words and numbers a macro's events are written with, shared by the macro page and its
// helpers: the event kinds and directions, the mouse messages of the hooks, the longest delay.

#include "XmlRecords.h"

#include <QString>

namespace macrowords {

constexpr int kMaxDelay = 65535;
inline const QString kKey = QStringLiteral("key");
inline const QString kMouse = QStringLiteral("mouse");
inline const QString kDown = QStringLiteral("down");
inline const QString kUp = QStringLiteral("up");

// Mouse messages of the hooks.
constexpr int kLeftDown = 513;
constexpr int kLeftUp = 514;
constexpr int kRightDown = 516;
constexpr int kRightUp = 517;
constexpr int kMiddleDown = 519;
constexpr int kMiddleUp = 520;

MacroEventInfo eventOf(const QString &mark, int delay, const QString &type, int code, const QString &name,
                       const QString &operateExplain);
// The caption a mouse message's event carries.
QString mouseCaption(int message);

}  // namespace macrowords
