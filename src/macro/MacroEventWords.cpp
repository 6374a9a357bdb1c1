// SPDX-License-Identifier: GPL-3.0-or-later
#include "MacroEventWords.h"

#include "RecordText.h"

namespace macrowords {

MacroEventInfo eventOf(const QString &mark, int delay, const QString &type, int code, const QString &name,
                       const QString &operateExplain)
{
    MacroEventInfo event;
    setRecordText(event.mark, mark.toLatin1());
    setRecordText(event.delay, QByteArray::number(delay));
    setRecordText(event.type, type.toLatin1());
    setRecordText(event.keyCode, QByteArray::number(code));
    setRecordText(event.codeName, name.toUtf8());
    setRecordText(event.operateExplain, operateExplain.toLatin1());
    return event;
}

QString mouseCaption(int message)
{
    switch (message) {
    case kLeftDown:
        return QStringLiteral("Left Click Down");
    case kLeftUp:
        return QStringLiteral("Left Click Up");
    case kRightDown:
        return QStringLiteral("Right Click Down");
    case kRightUp:
        return QStringLiteral("Right Click Up");
    case kMiddleDown:
        return QStringLiteral("Center Click Down");
    case kMiddleUp:
        return QStringLiteral("Center Click Up");
    default:
        return QString();
    }
}

}  // namespace macrowords
