// SPDX-License-Identifier: GPL-3.0-or-later
#include "ListRowLook.h"

QString ListRowLook::normalFrame(const QString &frameName, const QString &border, const QString &hover)
{
    const QString selector = QStringLiteral("QFrame#") + frameName;
    return QStringLiteral(
               "%1{ border: none; border-bottom: 1px solid rgb(%2);} %1:hover{\tbackground-color: rgb(%3); }")
        .arg(selector, border, hover);
}

QString ListRowLook::selectedFrame(const QString &frameName, const QString &border, const QString &selected)
{
    const QString selector = QStringLiteral("QFrame#") + frameName;
    return QStringLiteral("%1{ border: none; border-bottom: 1px solid rgb(%2);} %1{background-color: rgb(%3); }")
        .arg(selector, border, selected);
}

QString ListRowLook::nameLabel(const QString &labelName, const QString &colour, const QString &family)
{
    return QStringLiteral("QLabel#%1{ color: rgb(%2); font: 75 10pt \"%3\"; }").arg(labelName, colour, family);
}
