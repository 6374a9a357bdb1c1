// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The names and HID usages of the keys the macro page records, by the page's key codes: a key's
// virtual-key code, 999 for Enter and 998 for the number pad's Enter, and codes of their own for
// the Japanese keys that share a virtual-key. Read from the key layout of one full-size model
// (ZK104A, with a number pad), plus six keys the virtual-key codes do not tell apart.

#include <QHash>
#include <QString>

class MacroKeyMap
{
public:
    // The model whose key layout names the keys.
    static QString layoutModel();

    // Reads the layout once; false (the maps stay empty, a later call tries again) when it
    // cannot be read. True at once when the maps are filled.
    bool load();
    bool isLoaded() const { return !m_usages.isEmpty(); }

    // The page's code of a hooked key: Enter and the pad's Enter by the extended bit (bit 0 of
    // the flags word), the Japanese keys by virtual-key and scan code; any other key keeps its
    // virtual-key code.
    static int pageCode(int virtualKey, int scanCode, int hookFlag);

    // The key's name; empty for a key the map does not know.
    QString name(int pageCode) const;
    // The key's HID usage; -1 for a key the map does not know.
    int usage(int pageCode) const;

private:
    QHash<int, QString> m_names;
    QHash<int, int> m_usages;
};
