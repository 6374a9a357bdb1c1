// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads a file of the XML store into text the parser can take without harm, or refuses it.
//
// The parser descends one call per nested element and slows down with depth, so what reaches it is
// bounded first: a plain file (a FIFO or device in its place is never read), at most kMaxFileSize
// bytes, elements nested at most kMaxDepth deep (counted by a cheap scan that reads the markup the
// way the parser does). No real file of the program comes near either limit.
//
// The text handed on is UTF-8 with '\n' line ends: a file whose declaration names another encoding
// that Qt knows (such as ISO-8859-1) is converted, and its declaration then names UTF-8, so the
// parser reads the right characters and a later save writes what the declaration says.

#include "FileStamp.h"

#include <QByteArray>
#include <QString>

class XmlFileReader
{
public:
    static constexpr int kMaxDepth = 64;
    static constexpr qint64 kMaxFileSize = 32 * 1024 * 1024;

    enum class Status { Ok, Missing, Refused };

    // Ok: text holds the file's text for the parser, stamp the state of the file read. Missing:
    // nothing at the path (or no path). Refused: reason says why, in a few words.
    static Status read(const QString &path, QByteArray *text, FileStamp *stamp, QString *reason);

    // Checks and prepares bytes already read (a resource's, for one). False, with the reason, when
    // they hold a zero byte or nest too deep.
    static bool prepare(QByteArray *text, QString *reason);

    // How deep the parser would nest elements in the text; the count stops once it passes limit.
    static int nestingDepth(const QByteArray &text, int limit = kMaxDepth);

private:
    static void convertDeclaredEncoding(QByteArray *text);
};
