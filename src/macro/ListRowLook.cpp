// SPDX-License-Identifier: GPL-3.0-or-later
#include "ListRowLook.h"

#include "ThemeStyleSheets.h"

QString ListRowLook::normalFrame(const QString &frameName, const QString &border, const QString &hover)
{
    const QString selector = QStringLiteral("QFrame#") + frameName;
    return QStringLiteral("%1{ border: none; border-bottom: 1px solid %2;} %1:hover{\tbackground-color: %3; }")
        .arg(selector, stylesheets::colour(border), stylesheets::colour(hover));
}

QString ListRowLook::selectedFrame(const QString &frameName, const QString &border, const QString &selected)
{
    const QString selector = QStringLiteral("QFrame#") + frameName;
    return QStringLiteral("%1{ border: none; border-bottom: 1px solid %2;} %1{background-color: %3; }")
        .arg(selector, stylesheets::colour(border), stylesheets::colour(selected));
}

QString ListRowLook::nameLabel(const QString &labelName, const QString &colour, const QString &family)
{
    return QStringLiteral("QLabel#%1{ color: %2; font: 75 10pt \"%3\"; }")
        .arg(labelName, stylesheets::colour(colour), family);
}
