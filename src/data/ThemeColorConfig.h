// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The colour theme: 67 colours and one font family, read from a theme INI file.
// Each colour is "r,g,b" or "r,g,b,a" (decimal, 0 to 255) once loaded; a new record holds empty texts.

#include <QString>

#include <array>

struct ThemeColorConfig {
    QString TextDefaultColor;
    QString TextHoverColor;
    QString TextCheckedColor;
    QString AllBgColor;
    QString AllThemeColor;
    QString MainWidgetBgColor;
    QString MainWidgetBorderColor;
    QString MainWidgetTitleColorStart;
    QString MainWidgetTitleColorStop;
    QString HomeBgColor;
    QString HomeScrollBarBgColor;
    QString HomeDeviceItemBgColor;
    QString HomeDeviceItemBorderColor;
    QString HomeDeviceItemProductTextColor;
    QString HomeDeviceItemNameTextColor;
    QString MacroBorderColor;
    QString MacroLeftBgColor;
    QString MacroCenterBgColor;
    QString MacroRightBgColor;
    QString MacroListItemTextColor;
    QString MacroListItemSelectedColor;
    QString MacroListItemHoverColor;
    QString DeviceBorderColor;
    QString DeviceLeftBgColor;
    QString DeviceCenterBgColor;
    QString DeviceRightBgColor;
    QString DeviceKeyClickedColor;
    QString DeviceKeyHaveCustomColor;
    QString DeviceLeftAreaItemHoverColor;
    QString DeviceLeftAreaItemSelectedColor;
    QString DeviceLeftAreaItemTextDefaultColor;
    QString DeviceLeftAreaItemTextSelectedColor;
    QString DeviceControlDefaultColor;
    QString DeviceControlHoverColor;
    QString DeviceListAreaDefaultBgColor;
    QString DeviceListItemHoverBgColor;
    QString DeviceListItemHorizontalBgColor;
    QString DeviceColorToolSliderTextColor;
    QString DeviceColorToolSliderTopColor;
    QString DeviceColorToolSliderBottomColor;
    QString DeviceBottomBgColor;
    QString DeviceOnboardBgColor;
    QString DeviceOnboardButColor;
    QString DeviceOnboardButDefaultTextColor;
    QString DeviceSoftkeyboardButColor;
    QString DeviceSoftkeyboardButDefaultTextColor;
    QString DeviceMouseBgColor;
    QString DeviceMouseDrawLineColor;
    QString DeviceMouseDrawEllipseColor;
    QString DeviceMouseLeftKeyTextColor;
    QString DeviceMouseDrawLineLeftKeyColor;
    QString DeviceMouseDrawEllipseLeftKeyColor;
    QString DeviceMouseDpiConfigItemHoverColor;
    QString DeviceMouseDpiConfigItemSelectedColor;
    QString SettingsTitleColorStart;
    QString SettingsTitleColorStop;
    QString SettingsBgColor;
    QString SettingsBorderColor;
    QString SettingsControlBorderColor;
    QString SettingsControlDefaultColor;
    QString SettingsControlHoverBgColor;
    QString SettingsControlSelectedBgColor;
    QString UpgradeBgColor;
    QString UpgradeBorderColor;
    QString UpgradeItemBorderColor;
    QString UpgradeProgressBarTopColor;
    QString UpgradeProgressBarBottomColor;
    QString TextFont;

    // The 67 colour keys of the theme file ("ThemeColor/<key>"), in record order, with their fields.
    struct ColorField {
        const char *key;
        QString ThemeColorConfig::*field;
    };
    static constexpr int ColorCount = 67;
    static const std::array<ColorField, ColorCount> &colorFields();
};
