// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Helpers shared by the settings and main-window tests.

#include "DDataManager.h"

#include <QObject>
#include <QString>

inline QString userIniPath()
{
    return DDataManager::getInstance()->getUserConfigDir() + QStringLiteral("/BrivexConfig.ini");
}

// A named child that must exist; the test stops at once when it does not.
template <typename T>
T *child(QObject *parent, const char *name)
{
    T *found = parent->findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no child %s", name);
    return found;
}
