// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads a file of the XML store into text the parser can take without harm, or refuses it.
//
// The parser descends one call per nested element and slows down with depth, checks every new
// attribute against all earlier ones of its element, and spends memory on every node, so what
// reaches it is bounded first: a plain file (a FIFO or device in its place is never read), at most
// kMaxFileSize bytes, elements nested at most kMaxDepth deep, at most kMaxElements elements and
// kMaxAttributes attributes, kMaxAttributesPerElement on one element (counted by a cheap scan that
// reads the markup the way the parser does). No real file of the program comes near any limit: a
// full profile file holds some ten thousand elements of at most fourteen attributes.
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
    static constexpr int kMaxElements = 250000;
    static constexpr int kMaxAttributes = 1000000;
    static constexpr int kMaxAttributesPerElement = 64;

    // What the scan counts: the deepest nesting, elements, attributes, the most on one element.
    struct Shape {
        int depth = 0;
        int elements = 0;
        int attributes = 0;
        int attributesPerElement = 0;
    };

    enum class Status { Ok, Missing, Refused, Denied };

    // Ok: text holds the file's text for the parser, stamp the state of the file read. Missing:
    // nothing at the path (or no path). Refused: reason says why, in a few words. Denied: the
    // file is there but the user may not read it (reason says so); it is not broken.
    static Status read(const QString &path, QByteArray *text, FileStamp *stamp, QString *reason);

    // Checks and prepares bytes already read (a resource's, for one). False, with the reason, when
    // they hold a zero byte or nest too deep.
    static bool prepare(QByteArray *text, QString *reason);
    // Whether text (as the store writes it) lies within every bound the reader sets: size, depth,
    // elements and attributes. A file that does not is never written, since it would not be read.
    static bool withinBounds(const QByteArray &text, QString *reason);

    // How deep the parser would nest elements in the text; the count stops once it passes limit.
    static int nestingDepth(const QByteArray &text, int limit = kMaxDepth);
    // The counts as the parser would meet them; counting stops once one passes its limit.
    static Shape shapeOf(const QByteArray &text, const Shape &limits);
    // The program's limits.
    static Shape bounds();

private:
    static void convertDeclaredEncoding(QByteArray *text);
};
