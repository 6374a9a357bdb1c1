// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The daily log: one plain-text file per calendar day ("2024-4-2_Log.txt"), one line per entry
// ("2024-4-2 09:05:07__text"). Every line is flushed at once, so a crash keeps what led to it.

#include <QByteArray>
#include <QObject>
#include <QString>

#include <cstdio>

class QDate;
class QDateTime;

class LogCollectClass : public QObject
{
    Q_OBJECT

public:
    explicit LogCollectClass(QObject *parent = nullptr);
    ~LogCollectClass() override;

    // When enable is true, opens today's file in folder (which must exist) for appending.
    // Returns 0, or 201 when the file cannot be opened (the writer then stays as it was).
    int openLogFile(const QByteArray &folder, bool enable);
    // Appends one line stamped with the current local date and time; nothing while disabled.
    void writeLine(const QByteArray &text);

    static QString fileName(const QDate &date);
    static QByteArray composeLine(const QDateTime &when, const QByteArray &text);

private:
    bool m_enabled = false;
    std::FILE *m_file = nullptr;
};
