// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The looks that the macro list's rows and the PC profile rows share: a frame with a bottom line
// that lights up under the pointer, or stays lit while its row is selected, and the row's name
// label. Colours are theme texts ("r,g,b", or "r,g,b,a" while a background image is in use),
// written as rgb() or rgba() (Qt reads an alpha only in rgba()).

#include <QString>

class ListRowLook
{
public:
    // The normal look: the bottom line, and the hover background under the pointer.
    static QString normalFrame(const QString &frameName, const QString &border, const QString &hover);
    // The selected look: the bottom line and the selected background, with or without the pointer.
    static QString selectedFrame(const QString &frameName, const QString &border, const QString &selected);
    // The name label: its colour, bold 10 pt in the theme's font family.
    static QString nameLabel(const QString &labelName, const QString &colour, const QString &family);
};
