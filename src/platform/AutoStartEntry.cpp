// SPDX-License-Identifier: GPL-3.0-or-later
#include "AutoStartEntry.h"

#include "LogCategories.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

QString autostartFolder()
{
    // GenericConfigLocation is $XDG_CONFIG_HOME, or ~/.config when it is unset.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/autostart");
}

// A desktop-entry string value: backslash, newline, tab and carriage return escaped.
QString escapeValue(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '\\':
            out += QStringLiteral("\\\\");
            break;
        case '\n':
            out += QStringLiteral("\\n");
            break;
        case '\t':
            out += QStringLiteral("\\t");
            break;
        case '\r':
            out += QStringLiteral("\\r");
            break;
        default:
            out += c;
        }
    }
    return out;
}

}  // namespace

QString AutoStartEntry::entryPath(const QString &programName)
{
    return autostartFolder() + QLatin1Char('/') + programName + QStringLiteral(".desktop");
}

QString AutoStartEntry::execLine(const QString &programPath)
{
    // Inside double quotes, '"', '`', '$' and '\' take a backslash; '%' is doubled, as it
    // introduces field codes anywhere in the line.
    QString quoted = QStringLiteral("\"");
    for (const QChar c : programPath) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        if (c == QLatin1Char('%'))
            quoted += QLatin1Char('%');
        quoted += c;
    }
    quoted += QStringLiteral("\" --AutoUp");
    return quoted;
}

bool AutoStartEntry::enable(const QString &programName, const QString &programPath)
{
    if (programName.isEmpty() || programName.contains(QLatin1Char('/')) || programPath.isEmpty()) {
        qCDebug(lcPlatform)
            << "------------------ *** Auto start not written: no program name or path *** ------------------";
        return false;
    }
    const QString folder = autostartFolder();
    if (!QDir().mkpath(folder)) {
        qCDebug(lcPlatform) << "------------------ *** Auto start not written: cannot create" << folder
                            << "*** ------------------";
        return false;
    }
    const QString absolute = QFileInfo(programPath).absoluteFilePath();
    QString text;
    text += QStringLiteral("[Desktop Entry]\n");
    text += QStringLiteral("Type=Application\n");
    text += QStringLiteral("Name=") + escapeValue(programName) + QLatin1Char('\n');
    text += QStringLiteral("Exec=") + escapeValue(execLine(absolute)) + QLatin1Char('\n');
    text += QStringLiteral("Terminal=false\n");
    text += QStringLiteral("X-GNOME-Autostart-enabled=true\n");

    QSaveFile file(entryPath(programName));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        qCDebug(lcPlatform) << "------------------ *** Auto start not written:" << file.errorString()
                            << "*** ------------------";
        return false;
    }
    const QByteArray bytes = text.toUtf8();
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        qCDebug(lcPlatform) << "------------------ *** Auto start not written:" << file.errorString()
                            << "*** ------------------";
        file.cancelWriting();
        return false;
    }
    return true;
}

bool AutoStartEntry::disable(const QString &programName)
{
    const QString path = entryPath(programName);
    if (!QFile::exists(path))
        return true;
    if (!QFile::remove(path)) {
        qCDebug(lcPlatform) << "------------------ *** Auto start entry not removed:" << path
                            << "*** ------------------";
        return false;
    }
    return true;
}

bool AutoStartEntry::isEnabled(const QString &programName)
{
    return QFileInfo(entryPath(programName)).isFile();
}

bool AutoStartEntry::isDisabledByUser(const QString &programName)
{
    QFile file(entryPath(programName));
    // An entry is a small text file; anything else in its place is no entry of the user's to honour.
    if (!QFileInfo(file.fileName()).isFile() || !file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    static const QRegularExpression desktopSwitch(QStringLiteral("^X-[A-Za-z0-9_]+-Autostart-enabled$"),
                                                  QRegularExpression::CaseInsensitiveOption);
    bool inMainGroup = false;
    const QList<QByteArray> lines = file.read(64 * 1024).split('\n');
    for (const QByteArray &raw : lines) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inMainGroup = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        const int equals = line.indexOf(QLatin1Char('='));
        if (!inMainGroup || equals <= 0)
            continue;
        const QString key = line.left(equals).trimmed();
        const QString value = line.mid(equals + 1).trimmed();
        if (key == QLatin1String("Hidden") && value == QLatin1String("true"))
            return true;
        if (desktopSwitch.match(key).hasMatch() && value.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}
