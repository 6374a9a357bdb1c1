// SPDX-License-Identifier: GPL-3.0-or-later
#include "DialogStartFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString dialogStartFolder()
{
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    if (!desktop.isEmpty() && QFileInfo(desktop).isDir())
        return desktop;
    return QDir::homePath();
}
