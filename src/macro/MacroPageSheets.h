// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The macro page's themed style sheets. Theme colours go into rgb() as they stand (an alpha part
// included); selectors name the form's widgets.

#include <QString>

struct ThemeColorConfig;

class MacroPageSheets
{
public:
    // selector{background-color: rgb(colour);}
    static QString background(const char *selector, const QString &value);
    // selector with the nearly transparent background "0,0,0,1" (an alpha of 1 in 255), so that
    // the column shows through.
    static QString clearBackground(const char *selector);
    // selector{color: rgb(colour);}
    static QString colour(const char *selector, const QString &value);
    // A frame with no border but a 2-pixel line on one side ("top" or "bottom").
    static QString line(const char *selector, const char *side, const QString &value);
    // The delay-settings frame (delaySettings: with its title and unit labels) or an insert or
    // property panel (with plain labels): background, radio buttons, line edits.
    static QString panel(const char *frame, bool delaySettings, const ThemeColorConfig &theme);
    // The Insert and Modify buttons.
    static QString commandButton(const ThemeColorConfig &theme);
    // The two key-entry fields.
    static QString keyField(const ThemeColorConfig &theme);
    // The lists' thin vertical scroll bar.
    static QString scrollBar(const ThemeColorConfig &theme);
};
