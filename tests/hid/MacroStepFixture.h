// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Builds one macro step for tests, with a fresh mark each time.

#include "XmlRecords.h"

#include <QByteArray>

inline MacroEventInfo macroStep(const char *type, const char *code, const char *explain, int delay = 0)
{
    static int mark = 0x1000;
    MacroEventInfo s;
    qstrncpy(s.mark, QByteArray::number(++mark, 16).constData(), sizeof s.mark);
    qstrncpy(s.delay, QByteArray::number(delay).constData(), sizeof s.delay);
    qstrncpy(s.type, type, sizeof s.type);
    qstrncpy(s.keyCode, code, sizeof s.keyCode);
    qstrncpy(s.codeName, code, sizeof s.codeName);
    qstrncpy(s.operateExplain, explain, sizeof s.operateExplain);
    return s;
}
