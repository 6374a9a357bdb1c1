// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The colour theme and the language of the device page: its own style sheets and fonts, the
// colours of the toast, the custom tool buttons and the list rows, then each hosted page's own
// theme; and, after a language change, the texts the page computes at run time, the restored
// button marks and each hosted page's own retranslation.

#include <QColor>
#include <QString>

class DDevicePage;
struct ThemeColorConfig;

class DevicePageTheme
{
public:
    explicit DevicePageTheme(DDevicePage *page);

    void applyTheme();
    void retranslate();

    // A theme colour text ("r,g,b" or "r,g,b,a") as a colour; missing parts read as 0. When
    // withAlpha is false the alpha is fixedAlpha.
    static QColor themeColor(const QString &text, bool withAlpha, int fixedAlpha = 255);

private:
    void applySheets(const ThemeColorConfig &theme);
    void applyCustomButtonColors(const ThemeColorConfig &theme);
    void applySubPageThemes();
    // Reads the mouse buttons' assignments of the current profile back onto the mouse picture.
    void reloadMouseButtons();

    DDevicePage *p;
};
