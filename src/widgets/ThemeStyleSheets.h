// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Style sheets that recur across the pages, built from the colour theme. A theme colour text
// ("35,35,35", or "35,35,35,90" with an alpha while a background image is in use) is written as
// rgb() or rgba() (Qt reads an alpha only in rgba(), and there 0 and 1 as fractions); a hover
// background gets a fixed alpha of 130.

#include <QSize>
#include <QString>

struct ThemeColorConfig;

namespace stylesheets {

// Tab-like push buttons of a button row: flat, the checked one in the hover colour.
QString tabButtons(const ThemeColorConfig &theme);

// A thin vertical scroll bar without arrows, its track in the theme's scroll-bar colour.
QString scrollBar(const ThemeColorConfig &theme);

// Framed push buttons, corners rounded by radius pixels (0 for square ones).
QString pushButtons(const ThemeColorConfig &theme, int radius);

// A combo box with the theme's arrow pictures and 40-pixel rows.
QString comboBox(const ThemeColorConfig &theme);

// Buttons with 6-pixel rounded corners; selector is "QPushButton" or "QToolButton".
QString roundedButtons(const ThemeColorConfig &theme, const QString &selector);

// A theme colour text as a style-sheet colour: "r,g,b" as rgb(r,g,b), "r,g,b,a" (alpha 0-255) as
// rgba() with the alpha as a fraction. Every sheet that takes a theme colour writes it through here.
QString colour(const QString &themeColour);
// The colour's red, green and blue with this alpha (0-255), as rgba().
QString translucent(const QString &themeColour, int alpha);

// Text on a background, both theme colour texts: the text colour itself where it reads (a
// contrast ratio of at least 4.5), else the same colour darkened or lightened, away from the
// background, until it does. Returns "r,g,b".
QString readableColour(const QString &text, const QString &background);
// The text and the highlighted text of the cards and popups drawn on the theme's popup background
// (AllBgColor): the theme's text colour and the given accent, each made readable there.
QString popupText(const ThemeColorConfig &theme);
QString popupAccent(const ThemeColorConfig &theme, const QString &accent);

// Check boxes: text colours unchecked and checked (theme colour texts), an optional font
// (e.g. "75 10pt \"Family\""; empty: none set) and the indicator drawn with the two check pictures.
QString checkBoxes(const QString &textColor, const QString &checkedColor, const QString &font = QString(),
                   QSize indicator = QSize(13, 13));

// "75 <points>pt \"<family>\"", the font value the sheets use.
QString boldFont(int points, const QString &family);

}  // namespace stylesheets
