// SPDX-License-Identifier: GPL-3.0-or-later
#include "MacroImportFile.h"

#include "LogCategories.h"
#include "NameText.h"
#include "RecordText.h"
#include "xmlInterface.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>

#include <algorithm>
#include <climits>

namespace {

constexpr int kMaxDelay = 65535;
constexpr int kNameBytes = 63;

bool isMark(const QByteArray &mark)
{
    static const QRegularExpression pattern(QStringLiteral("^[0-9a-f]{16}$"));
    return pattern.match(QString::fromLatin1(mark)).hasMatch();
}

// The button or key a step belongs to: a mouse release counts as its button's press.
QByteArray pairKey(const MacroEventInfo &step)
{
    const QByteArray type = recordText(step.type);
    QByteArray code = recordText(step.keyCode);
    if (type == "mouse" && (code == "514" || code == "517" || code == "520"))
        code = QByteArray::number(code.toInt() - 1);
    return type + '/' + code;
}

}  // namespace

bool MacroImportFile::read(xmlInterface &store, const QString &path, int maxEvents, qint64 maxBytes)
{
    m_events.clear();
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > maxBytes) {
        qCWarning(lcMacro) << "Import refused: not a regular file of at most" << maxBytes << "bytes:" << path;
        return false;
    }
    const QByteArray encoded = QFile::encodeName(path);
    if (store.rootElementName(encoded.constData()) != QLatin1String("Parameters")) {
        qCWarning(lcMacro) << "Import refused: no macro file (unreadable, or its root is not Parameters):" << path;
        return false;
    }
    QList<IndexNameInfo> macros;
    store.getMacroList(encoded.constData(), &macros);
    if (macros.isEmpty()) {
        qCWarning(lcMacro) << "Import refused: the file holds no macro:" << path;
        return false;
    }
    QList<MacroEventInfo> events;
    store.getMacroItems(encoded.constData(), macros.last().index, &events);
    if (events.size() > maxEvents) {
        qCWarning(lcMacro) << "Import refused:" << events.size() << "events, more than" << maxEvents << ":" << path;
        return false;
    }
    m_events = events;
    return true;
}

bool MacroImportFile::isKnownEvent(const MacroEventInfo &event)
{
    const QByteArray type = recordText(event.type);
    const QByteArray code = recordText(event.keyCode);
    const QByteArray direction = recordText(event.operateExplain);
    if (direction != "down" && direction != "up")
        return false;
    if (code.isEmpty() || code.size() > 5)
        return false;
    for (const char c : code) {
        if (c < '0' || c > '9')
            return false;
    }
    const int number = code.toInt();
    if (type == "key") {
        if (number < 1 || number > 255)
            return false;
    } else if (type == "mouse") {
        const bool down = number == 513 || number == 516 || number == 519;
        const bool up = number == 514 || number == 517 || number == 520;
        if (!(down && direction == "down") && !(up && direction == "up"))
            return false;
    } else {
        return false;
    }
    const QString name = QString::fromUtf8(recordText(event.codeName));
    return NameText::cleaned(name) == name;
}

QList<MacroEventInfo> MacroImportFile::cleaned(QList<MacroEventInfo> events, const std::function<QString()> &newMark)
{
    const int before = events.size();
    events.erase(
        std::remove_if(events.begin(), events.end(), [](const MacroEventInfo &event) { return !isKnownEvent(event); }),
        events.end());
    if (events.size() != before)
        qCWarning(lcMacro) << "Import: dropped" << before - events.size()
                           << "events of unknown type, code or direction";

    QHash<QByteArray, int> bearers;
    for (const MacroEventInfo &step : events)
        ++bearers[recordText(step.mark)];

    QVector<bool> fresh(events.size());
    for (int i = 0; i < events.size(); ++i) {
        MacroEventInfo &step = events[i];
        bool ok = false;
        const qlonglong delay = recordText(step.delay).trimmed().toLongLong(&ok);
        setRecordText(step.delay, QByteArray::number(ok ? qBound<qlonglong>(0, delay, kMaxDelay) : 0));
        const QByteArray mark = recordText(step.mark);
        fresh[i] = !isMark(mark) || bearers.value(mark) > 2;
    }
    for (int i = 0; i < events.size(); ++i) {
        if (!fresh[i])
            continue;
        fresh[i] = false;
        const QByteArray mark = newMark().toLatin1();
        setRecordText(events[i].mark, mark);
        if (recordText(events[i].operateExplain) != "down")
            continue;
        const QByteArray key = pairKey(events[i]);
        for (int j = i + 1; j < events.size(); ++j) {
            if (fresh[j] && recordText(events[j].operateExplain) == "up" && pairKey(events[j]) == key) {
                fresh[j] = false;
                setRecordText(events[j].mark, mark);
                break;
            }
        }
    }
    return events;
}

QString MacroImportFile::macroName(const QString &fileName, int index)
{
    const QString name = NameText::cleaned(fileName.section(QLatin1Char('.'), 0, 0));
    char field[kNameBytes + 1];
    setRecordText(field, name.toUtf8());
    const QString fitted = QString::fromUtf8(recordText(field));
    if (fitted.isEmpty())
        return QStringLiteral("Macro%1").arg(index);
    return fitted;
}

bool MacroImportFile::nextIndex(const QList<IndexNameInfo> &macros, int *index)
{
    qlonglong highest = 0;
    for (const IndexNameInfo &macro : macros) {
        const QByteArray text = recordText(macro.index).trimmed();
        bool ok = false;
        const qlonglong value = text.toLongLong(&ok);
        if (ok) {
            highest = qMax(highest, value);
        } else if (!text.isEmpty()
                   && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
            // Digits beyond 64 bits are still a number beyond every index.
            highest = LLONG_MAX;
        }
    }
    if (highest >= INT_MAX) {
        qCWarning(lcMacro) << "Import refused: the library's highest macro index" << highest << "cannot grow";
        return false;
    }
    *index = int(highest + 1);
    return true;
}
