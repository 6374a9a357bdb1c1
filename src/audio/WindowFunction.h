// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The weighting the spectrum analyser puts on a block of samples before the transform.

#include <QMetaType>

enum WindowFunction {
    NoWindow = 0,
    HannWindow = 1,
};

Q_DECLARE_METATYPE(WindowFunction)
