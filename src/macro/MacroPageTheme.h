// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The macro page's theme: its style sheets, the toast's colours and the fonts from the current
// colour theme, then the macro list again; the list's scroll bar follows by the page's timer.

class DMacroPage;

class MacroPageTheme
{
public:
    explicit MacroPageTheme(DMacroPage *page);

    void applyTheme();

private:
    DMacroPage *p;
};
