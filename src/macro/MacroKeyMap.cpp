// SPDX-License-Identifier: GPL-3.0-or-later
#include "MacroKeyMap.h"

#include "KeyLayoutFile.h"
#include "LogCategories.h"

namespace {

constexpr int kEnter = 13;
constexpr int kEnterCode = 999;
constexpr int kPadEnterCode = 998;
constexpr int kExtendedFlag = 0x01;

struct FixedKey {
    int code;
    const char *name;  // UTF-8
    int usage;
};

// Keys that the virtual-key codes do not tell apart, under codes of the page's own.
const FixedKey kFixedKeys[] = {
    {226, "\\|", 100},
    {981, "\xEF\xBF\xA5|-", 137},
    {984, "\\-", 135},
    {986, "\xE7\x84\xA1\xE5\xA4\x89\xE6\x8F\x9B", 139},
    {987, "\xE5\xA4\x89\xE6\x8F\x9B", 138},
    {988, "\xE3\x82\xAB\xE3\x82\xBF\xE3\x82\xAB\xE3\x83\x8A/\xE3\x81\xB2\xE3\x82\x89\xE3\x81\x8B\xE3\x81\xAA", 136},
};

}  // namespace

QString MacroKeyMap::layoutModel()
{
    return QStringLiteral("ZK104A");
}

bool MacroKeyMap::load()
{
    if (isLoaded())
        return true;
    KeyLayoutFile layout;
    if (!layout.load(KeyLayoutFile::filePath(layoutModel(), false, QString()))) {
        qCWarning(lcMacro) << "------------------------ loadKeyboardInfo => fp == NULL -------------------------";
        return false;
    }
    for (const KeyLayoutKey &key : layout.keys()) {
        // Fillers (0) and the Fn key (-10) are no keys a recording sees.
        if (key.dec <= 0)
            continue;
        m_names.insert(key.qtDec, key.caption);
        m_usages.insert(key.qtDec, key.dec);
    }
    qCDebug(lcMacro) << "----------------------- *** Load Over *** ------------------------";
    for (const FixedKey &key : kFixedKeys) {
        m_names.insert(key.code, QString::fromUtf8(key.name));
        m_usages.insert(key.code, key.usage);
    }
    return true;
}

int MacroKeyMap::pageCode(int virtualKey, int scanCode, int hookFlag)
{
    switch (virtualKey) {
    case kEnter:
        return (hookFlag & kExtendedFlag) ? kPadEnterCode : kEnterCode;
    case 255:
        switch (scanCode) {
        case 125:
            return 981;
        case 121:
            return 987;
        case 112:
            return 988;
        default:
            return 255;
        }
    case 193:
        return 984;
    case 235:
        return 986;
    default:
        return virtualKey;
    }
}

QString MacroKeyMap::name(int pageCode) const
{
    return m_names.value(pageCode);
}

int MacroKeyMap::usage(int pageCode) const
{
    return m_usages.value(pageCode, -1);
}
