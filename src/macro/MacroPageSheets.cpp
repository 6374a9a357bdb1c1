// SPDX-License-Identifier: GPL-3.0-or-later
#include "MacroPageSheets.h"

#include "ThemeColorConfig.h"
#include "ThemeStyleSheets.h"

QString MacroPageSheets::background(const char *selector, const QString &value)
{
    return QStringLiteral("%1{background-color: %2;}").arg(QLatin1String(selector), stylesheets::colour(value));
}

QString MacroPageSheets::clearBackground(const char *selector)
{
    return QStringLiteral("%1{background-color: %2;}")
        .arg(QLatin1String(selector), stylesheets::colour(QStringLiteral("0,0,0,1")));
}

QString MacroPageSheets::colour(const char *selector, const QString &value)
{
    return QStringLiteral("%1{color: %2;}").arg(QLatin1String(selector), stylesheets::colour(value));
}

QString MacroPageSheets::line(const char *selector, const char *side, const QString &value)
{
    return QStringLiteral("%1{border: none; border-%2: 2px solid %3;}")
        .arg(QLatin1String(selector), QLatin1String(side), stylesheets::colour(value));
}

QString MacroPageSheets::panel(const char *frame, bool delaySettings, const ThemeColorConfig &t)
{
    QString sheet = QStringLiteral("%1{background-color: %2;}").arg(QLatin1String(frame), QStringLiteral("%1"));
    if (delaySettings)
        sheet += QStringLiteral("QLabel#label_10{color: %3;}");
    else
        sheet += QStringLiteral("QLabel{color: %2;}");
    sheet += QStringLiteral("QRadioButton, QRadioButton:unchecked{color: %2; font: 75 10pt \"%4\";}"
                            "QRadioButton:checked{color: %3; font: 75 10pt \"%4\";}"
                            "QRadioButton::indicator:checked{background-color: %3; border-radius: 6px; "
                            "border: 2px solid white;}");
    if (delaySettings)
        sheet += QStringLiteral("QLabel#label_11{color: %2; font: 75 11pt \"%4\";}");
    sheet += QStringLiteral("QLineEdit{color: %2; font: 75 8pt \"%4\"; background-color: %1; "
                            "border: 1px solid %2;}"
                            "QLineEdit:hover, QLineEdit:pressed{border: 1px solid %3;}");
    const QString background = delaySettings ? t.MacroLeftBgColor : t.MacroRightBgColor;
    return sheet.arg(stylesheets::colour(background), stylesheets::colour(t.TextDefaultColor),
                     stylesheets::colour(t.TextCheckedColor), t.TextFont);
}

QString MacroPageSheets::commandButton(const ThemeColorConfig &t)
{
    return QStringLiteral("QPushButton{border-radius: 8px; border: 1px solid %1; background-color: %2; "
                          "color: %3;}"
                          "QPushButton:hover{background-color: %4; border: 1px solid %6;}"
                          "QPushButton:pressed{color: %6; background-color: %5; border: 1px solid %6;}")
        .arg(stylesheets::colour(t.MacroBorderColor), stylesheets::colour(t.MacroRightBgColor),
             stylesheets::colour(t.TextDefaultColor), stylesheets::colour(t.MacroListItemSelectedColor),
             stylesheets::colour(t.MacroListItemHoverColor), stylesheets::colour(t.TextCheckedColor));
}

QString MacroPageSheets::keyField(const ThemeColorConfig &t)
{
    return QStringLiteral("QLineEdit{color: %2; font: 75 8pt \"%4\"; background-color: %1; "
                          "border: 1px solid %2;}"
                          "QLineEdit:hover, QLineEdit:pressed{border: 1px solid %3;}")
        .arg(stylesheets::colour(t.MacroRightBgColor), stylesheets::colour(t.TextDefaultColor),
             stylesheets::colour(t.TextCheckedColor), t.TextFont);
}

QString MacroPageSheets::scrollBar(const ThemeColorConfig &t)
{
    return QStringLiteral("QScrollBar:vertical{background: transparent; width: 3px; margin: 3px 0px 3px 0px;}"
                          "QScrollBar::handle:vertical{background: rgba(0, 0, 0, 51); min-height: 20px; "
                          "border-radius: 1px;}"
                          "QScrollBar::handle:vertical:hover{background: rgba(0, 0, 0, 77);}"
                          "QScrollBar::add-line:vertical{height: 0px; subcontrol-position: bottom; "
                          "subcontrol-origin: margin;}"
                          "QScrollBar::sub-line:vertical{height: 0px; subcontrol-position: top; "
                          "subcontrol-origin: margin;}"
                          "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical{background: %1; "
                          "border-radius: 3px;}")
        .arg(stylesheets::colour(t.HomeScrollBarBgColor));
}
