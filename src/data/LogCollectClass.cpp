// SPDX-License-Identifier: GPL-3.0-or-later
#include "LogCollectClass.h"

#include <QDate>
#include <QDateTime>
#include <QFile>
#include <QTime>

namespace {

// Hours, minutes and seconds always take two digits.
QByteArray twoDigits(int value)
{
    return QByteArray::number(value).rightJustified(2, '0');
}

}  // namespace

LogCollectClass::LogCollectClass(QObject *parent)
    : QObject(parent)
{
}

LogCollectClass::~LogCollectClass()
{
    // Every line has been flushed already; this only gives the handle back.
    if (m_file)
        std::fclose(m_file);
}

QString LogCollectClass::fileName(const QDate &date)
{
    return QStringLiteral("%1-%2-%3_Log.txt").arg(date.year()).arg(date.month()).arg(date.day());
}

QByteArray LogCollectClass::composeLine(const QDateTime &when, const QByteArray &text)
{
    const QDate date = when.date();
    const QTime time = when.time();
    QByteArray line;
    line.reserve(24 + text.size());
    line += QByteArray::number(date.year()) + '-' + QByteArray::number(date.month()) + '-'
            + QByteArray::number(date.day()) + ' ';
    line += twoDigits(time.hour()) + ':' + twoDigits(time.minute()) + ':' + twoDigits(time.second());
    line += "__";
    line += text;
    line += '\n';
    return line;
}

int LogCollectClass::openLogFile(const QByteArray &folder, bool enable)
{
    if (enable) {
        const QByteArray path = folder + '/' + QFile::encodeName(fileName(QDate::currentDate()));
        // Append, binary, reading allowed; "e" keeps the handle out of launched programs.
        std::FILE *file = std::fopen(path.constData(), "ab+e");
        if (!file) {
            std::fputs("The file can not be opened.\n", stdout);
            std::fflush(stdout);
            return 201;
        }
        if (m_file)
            std::fclose(m_file);
        m_file = file;
    }
    m_enabled = enable;
    return 0;
}

void LogCollectClass::writeLine(const QByteArray &text)
{
    if (!m_enabled || !m_file)
        return;
    const QByteArray line = composeLine(QDateTime::currentDateTime(), text);
    // One write call per line, then straight to the disk's cache.
    std::fwrite(line.constData(), 1, size_t(line.size()), m_file);
    std::fflush(m_file);
}
