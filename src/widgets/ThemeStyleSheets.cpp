// SPDX-License-Identifier: GPL-3.0-or-later
#include "ThemeStyleSheets.h"

#include "ThemeColorConfig.h"

#include <QColor>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace stylesheets {

namespace {
// The alpha of a hover background over the control colour.
constexpr int kHoverAlpha = 130;
}  // namespace

QString colour(const QString &themeColour)
{
    const QStringList parts = themeColour.split(QLatin1Char(','));
    if (parts.size() != 4)
        return QStringLiteral("rgb(%1)").arg(themeColour);
    // Qt reads an alpha of 0 or 1 in rgba() as a fraction and anything larger as 0-255, so "0,0,0,1"
    // would paint opaque black; the alpha is always written as a fraction of 255.
    bool ok = false;
    const int alpha = qBound(0, parts.at(3).trimmed().toInt(&ok), 255);
    return QStringLiteral("rgba(%1,%2)")
        .arg(parts.mid(0, 3).join(QLatin1Char(',')), QString::number(ok ? alpha / 255.0 : 1.0, 'g', 4));
}

QString translucent(const QString &themeColour, int alpha)
{
    const QStringList parts = themeColour.split(QLatin1Char(','));
    return colour(QStringLiteral("%1,%2").arg(parts.mid(0, 3).join(QLatin1Char(','))).arg(alpha));
}

namespace {

QColor rgbOf(const QString &themeColour)
{
    const QStringList parts = themeColour.split(QLatin1Char(','));
    const auto part = [&](int i) { return qBound(0, parts.value(i).trimmed().toInt(), 255); };
    return QColor(part(0), part(1), part(2));
}

double luminance(const QColor &c)
{
    const auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

constexpr double kReadableContrast = 4.5;

}  // namespace

QString readableColour(const QString &text, const QString &background)
{
    const QColor bg = rgbOf(background);
    const QColor start = rgbOf(text);
    // Towards black on a light background, towards white on a dark one: the side with more room.
    const QColor end = contrast(Qt::black, bg) >= contrast(Qt::white, bg) ? QColor(Qt::black) : QColor(Qt::white);
    QColor colour = start;
    for (int step = 1; step <= 20 && contrast(colour, bg) < kReadableContrast; ++step) {
        const double t = step / 20.0;
        colour = QColor::fromRgbF(start.redF() + (end.redF() - start.redF()) * t,
                                  start.greenF() + (end.greenF() - start.greenF()) * t,
                                  start.blueF() + (end.blueF() - start.blueF()) * t);
    }
    return QStringLiteral("%1,%2,%3").arg(colour.red()).arg(colour.green()).arg(colour.blue());
}

QString popupText(const ThemeColorConfig &theme)
{
    return readableColour(theme.TextDefaultColor, theme.AllBgColor);
}

QString popupAccent(const ThemeColorConfig &theme, const QString &accent)
{
    return readableColour(accent, theme.AllBgColor);
}

QString boldFont(int points, const QString &family)
{
    return QStringLiteral("75 %1pt \"%2\"").arg(points).arg(family);
}

QString tabButtons(const ThemeColorConfig &theme)
{
    return QStringLiteral("QPushButton{border-radius: 0px; border: 0px solid rgb(195, 160, 129);"
                          " background-color: %1; color: %3; font: %5;}\n"
                          "QPushButton:hover{background-color: %6;}\n"
                          "QPushButton:pressed{color: %4; background-color: %2;}\n"
                          "QPushButton::unchecked{color: %3; font: %5;}\n"
                          "QPushButton::checked{color: %4; background-color: %2;}")
        .arg(colour(theme.DeviceControlDefaultColor), colour(theme.DeviceControlHoverColor),
             colour(theme.TextDefaultColor), colour(theme.TextCheckedColor), boldFont(12, theme.TextFont),
             translucent(theme.DeviceControlHoverColor, kHoverAlpha));
}

QString scrollBar(const ThemeColorConfig &theme)
{
    return QStringLiteral("QScrollBar:vertical{background: transparent; width: 3px; margin: 3px 0px 3px 0px;}\n"
                          "QScrollBar::handle:vertical{background: rgba(0, 0, 0, 20%); min-height: 20px;"
                          " border-radius: 1px;}\n"
                          "QScrollBar::handle:vertical:hover{background: rgba(0, 0, 0, 30%);}\n"
                          "QScrollBar::add-line:vertical{height: 0px; subcontrol-position: bottom;"
                          " subcontrol-origin: margin;}\n"
                          "QScrollBar::sub-line:vertical{height: 0px; subcontrol-position: top;"
                          " subcontrol-origin: margin;}\n"
                          "QScrollBar::add-page:vertical, QScrollBar:sub-page:vertical{background: %1;"
                          " border-radius: 3px;}")
        .arg(colour(theme.HomeScrollBarBgColor));
}

QString pushButtons(const ThemeColorConfig &theme, int radius)
{
    return QStringLiteral("QPushButton{border-radius: %7px; border: 1px solid %1; background-color: %2;"
                          " color: %4; font: %6;}\n"
                          "QPushButton:hover{background-color: %8; border: 1px solid %5;}\n"
                          "QPushButton:pressed{color: %5; background-color: %3; border: 1px solid %5;}")
        .arg(colour(theme.DeviceBorderColor), colour(theme.DeviceControlDefaultColor),
             colour(theme.DeviceControlHoverColor), colour(theme.TextDefaultColor), colour(theme.TextCheckedColor),
             boldFont(10, theme.TextFont), QString::number(radius),
             translucent(theme.DeviceControlHoverColor, kHoverAlpha));
}

QString comboBox(const ThemeColorConfig &theme)
{
    return QStringLiteral("QComboBox{background-color: %1; padding-left: 5px; border: 1px solid %2;"
                          " font: %5; color: %3;}\n"
                          "QComboBox:hover{border: 1px solid %4;}\n"
                          "QComboBox QAbstractItemView::item{height: 40px; left: 10px;}\n"
                          "QComboBox::down-arrow{border-image: url(:/images/publicIco/comboxDef.png);"
                          " width: 10px; height: 10px;}\n"
                          "QComboBox::down-arrow:hover{border-image: url(:/images/publicIco/comboxDef.png);}\n"
                          "QComboBox::down-arrow:on{border-image: url(:/images/publicIco/comboxSel.png);"
                          " selection-background-color: rgb(255, 35, 76);}\n"
                          "QComboBox::drop-down{width: 20px; padding-right: 3px; background: transparent;"
                          " position: relative; top: 0px; right: 0px;}\n"
                          "QComboBox QAbstractItemView{outline: 0px;}")
        .arg(colour(theme.DeviceControlDefaultColor), colour(theme.TextDefaultColor), colour(theme.TextDefaultColor),
             colour(theme.TextCheckedColor), boldFont(10, theme.TextFont));
}

QString roundedButtons(const ThemeColorConfig &theme, const QString &selector)
{
    return QStringLiteral("%7{border-radius: 6px; border: 1px solid %2; background-color: %1;"
                          " color: %3; font: %6;}\n"
                          "%7:hover{background-color: %8; border: 1px solid %5;}\n"
                          "%7:pressed{color: %5; background-color: %4; border: 1px solid %5;}")
        .arg(colour(theme.DeviceControlDefaultColor), colour(theme.DeviceBorderColor), colour(theme.TextDefaultColor),
             colour(theme.DeviceControlHoverColor), colour(theme.TextCheckedColor), boldFont(10, theme.TextFont),
             selector, translucent(theme.DeviceControlHoverColor, kHoverAlpha));
}

QString checkBoxes(const QString &textColor, const QString &checkedColor, const QString &font, QSize indicator)
{
    const QString fontRule = font.isEmpty() ? QString() : QStringLiteral(" font: %1;").arg(font);
    return QStringLiteral("QCheckBox, QCheckBox:unchecked{color: %1;%3}\n"
                          "QCheckBox:checked{color: %2;}\n"
                          "QCheckBox::indicator{width: %4px; height: %5px;}\n"
                          "QCheckBox::indicator:unchecked{image: url(:/images/publicIco/checkBoxDef.png);}\n"
                          "QCheckBox::indicator:checked{image: url(:/images/publicIco/checkBoxSel.png);}")
        .arg(colour(textColor), colour(checkedColor), fontRule, QString::number(indicator.width()),
             QString::number(indicator.height()));
}

}  // namespace stylesheets
