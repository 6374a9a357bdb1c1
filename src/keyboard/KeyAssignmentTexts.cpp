// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeyAssignmentTexts.h"

#include <QStringList>

QString KeyAssignmentTexts::playModeText(int mode)
{
    switch (mode) {
    case 1:
        return tr("Play once");
    case 2:
        return tr("Play multiple times");
    case 3:
        return tr("Continous playback on/off");
    case 4:
        return tr("Play while assigned key is pressed");
    default:
        return QString();
    }
}

QString KeyAssignmentTexts::combinationText(const QString &value, const QMap<int, QString> &keyNames)
{
    static const char *const kModifiers[] = {"L_CTRL", "L_SHIFT", "L_ALT", "L_WIN",
                                             "R_CTRL", "R_SHIFT", "R_ALT", "R_WIN"};
    const QStringList parts = value.split(QLatin1Char(','));
    const int bits = parts.value(0).trimmed().toInt();
    QStringList names;
    for (int bit = 0; bit < 8; ++bit) {
        if (bits & (1 << bit))
            names.append(QLatin1String(kModifiers[bit]));
    }
    bool isNumber = false;
    const int code = parts.value(1).trimmed().toInt(&isNumber);
    if (parts.size() > 1 && isNumber && keyNames.contains(code))
        names.append(keyNames.value(code));
    return names.join(QLatin1Char('+'));
}

QString KeyAssignmentTexts::multimediaText(int value)
{
    switch (value) {
    case 0:
        return tr("Volume Up");
    case 1:
        return tr("Volume Down");
    case 2:
        return tr("Mute");
    case 3:
        return tr("Play/Pause");
    case 4:
        return tr("Next track");
    case 5:
        return tr("Prev track");
    case 6:
        return tr("Stop");
    case 8:
        return tr("Player");
    case 9:
        return tr("Calculator");
    case 10:
        return tr("Computer");
    case 11:
        return tr("Browser");
    case 12:
        return tr("Email");
    default:
        return QString();
    }
}

QString KeyAssignmentTexts::mouseText(int value)
{
    switch (value) {
    case 0:
        return tr("Mouse Left");
    case 1:
        return tr("Mouse Center");
    case 2:
        return tr("Mouse Right");
    case 3:
        return tr("Wheel Up");
    case 4:
        return tr("Wheel Down");
    case 5:
        return tr("Mouse left side key-Go");
    case 6:
        return tr("Mouse left side key-Back");
    default:
        return QString();
    }
}

QString KeyAssignmentTexts::shortcutText(int value)
{
    switch (value) {
    case 0:
        return tr("Close window");
    case 1:
        // No longer offered: shown empty.
        return QString();
    case 2:
        return tr("Show desktop");
    case 3:
        return tr("Open my computer");
    case 4:
        return tr("Lock computer");
    case 5:
        return tr("Copy");
    case 6:
        return tr("Cut");
    case 7:
        return tr("Stick");
    case 8:
        return tr("Find");
    case 9:
        return tr("New");
    case 10:
        return tr("Print");
    case 11:
        return tr("Save");
    default:
        return QString();
    }
}
