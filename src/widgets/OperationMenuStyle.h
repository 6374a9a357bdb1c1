// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Style sheet of the rows of an operation menu: the row colours by state and the theme font.
// Theme colours go into rgb() as they stand, with or without an alpha component.
QString operationMenuStyleSheet(const QString &text, const QString &background, const QString &hover,
                                const QString &pressed, const QString &fontFamily);
