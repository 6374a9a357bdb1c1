// SPDX-License-Identifier: GPL-3.0-or-later
#include "OperationMenuStyle.h"

QString operationMenuStyleSheet(const QString &text, const QString &background, const QString &hover,
                                const QString &pressed, const QString &fontFamily)
{
    return QStringLiteral("QLabel{\n\tcolor: rgb(%1);\n\tfont: 75 12pt \"%5\";\n"
                          "\tbackground-color: rgb(%2);\n}\n"
                          "QLabel:hover{\n\tbackground-color: rgb(%3);\n}\n"
                          "QLabel:pressed{\n\tbackground-color: rgb(%4);\n}")
        .arg(text, background, hover, pressed, fontFamily);
}
