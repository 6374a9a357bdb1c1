#pragma once
// What the keyboard view needs to know of each keyboard model beyond its layout file: the layout
// family whose file the model uses, its side light LEDs, the shape of its Enter key and the keys
// that cannot be chosen for assignment.

#include <QString>
#include <QVector>

struct KeyboardModelFacts
{
    const char *model;
    const char *layoutFamily;  // "87", "87S", "104" or "104S": resources/configDir/KeyLayout_<family>.config
    int sideLeds;              // side light LEDs, 0 without side lights
    bool roundedSideLeds;      // the side LEDs are drawn with rounded ends
    int enterNotchWidth;       // the tall Enter key's notch, when the layout has one
    int enterUpperHeight;
    QVector<int> lockedKeys;   // key codes that cannot be chosen for assignment

    // The facts of a model; a keyboard not in the table gets the defaults (no side lights,
    // notch 10 x 30, every key selectable) and an empty family.
    static KeyboardModelFacts of(const QString &model);
    static const QVector<KeyboardModelFacts> &all();
};
