// SPDX-License-Identifier: GPL-3.0-or-later
#include "OperationMenuStyle.h"

#include "ThemeStyleSheets.h"

QString operationMenuStyleSheet(const QString &text, const QString &background, const QString &hover,
                                const QString &pressed, const QString &fontFamily)
{
    return QStringLiteral("QLabel{\n\tcolor: %1;\n\tfont: 75 12pt \"%5\";\n"
                          "\tbackground-color: %2;\n}\n"
                          "QLabel:hover{\n\tbackground-color: %3;\n}\n"
                          "QLabel:pressed{\n\tbackground-color: %4;\n}")
        .arg(stylesheets::colour(text), stylesheets::colour(background), stylesheets::colour(hover),
             stylesheets::colour(pressed), fontFamily);
}
