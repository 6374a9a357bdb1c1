#pragma once
// Comparison of firmware version texts such as "V1.05.07".

#include <QString>

class FirmwareVersion
{
public:
    // Negative, 0 or positive as a is older than, the same as or newer than b. Versions made of
    // an optional letter, digits and any number of '.' and digits compare part by part as
    // numbers (a missing part counts 0, the letter's case does not matter); any other shape,
    // or two different letters, compare as text ignoring letter case.
    static int compare(const QString &a, const QString &b);
    static bool isNewer(const QString &candidate, const QString &current) { return compare(candidate, current) > 0; }
};
