// SPDX-License-Identifier: GPL-3.0-or-later
#include "XmlFileReader.h"

#include "LogCategories.h"
#include "RegularFile.h"

#include <QRegularExpression>
#include <QTextCodec>

#include <cstring>

namespace {

bool isNameStart(unsigned char c)
{
    // The parser takes every byte from 127 up as a letter.
    return c >= 127 || c == '_' || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isNameChar(unsigned char c)
{
    return isNameStart(c) || (c >= '0' && c <= '9') || c == '-' || c == '.' || c == ':';
}

bool isSpace(unsigned char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// Follows the parser's way through one file's markup. Positions past the end mean "end of text".
class MarkupScan
{
public:
    explicit MarkupScan(const QByteArray &text)
        : m_p(text.constData())
        , m_n(text.size())
    {
    }

    // Counts until the end of the text or until one count passes its limit.
    XmlFileReader::Shape shape(const XmlFileReader::Shape &limits)
    {
        XmlFileReader::Shape seen;
        int depth = 0;
        int i = 0;
        while (i < m_n) {
            const char *next = static_cast<const char *>(std::memchr(m_p + i, '<', size_t(m_n - i)));
            if (!next)
                break;
            i = int(next - m_p);
            if (at(i, "</")) {
                // An end tag closes one element (outside any element it is skipped like other markup).
                if (depth > 0)
                    --depth;
                i = after(i + 2, ">");
            } else if (atIgnoringCase(i, "<?xml")) {
                i = skipDeclaration(i + 5);
            } else if (at(i, "<!--")) {
                i = after(i + 4, "-->");
            } else if (at(i, "<![CDATA[")) {
                i = after(i + 9, "]]>");
            } else if (at(i, "<!") || i + 1 >= m_n || !isNameStart(uchar(m_p[i + 1]))) {
                i = after(i + 1, ">");
            } else {
                bool empty = false;
                int attributes = 0;
                i = skipStartTag(i + 1, &empty, &attributes);
                ++seen.elements;
                seen.attributes += attributes;
                seen.attributesPerElement = qMax(seen.attributesPerElement, attributes);
                if (!empty) {
                    ++depth;
                    seen.depth = qMax(seen.depth, depth);
                }
                if (seen.depth > limits.depth || seen.elements > limits.elements || seen.attributes > limits.attributes
                    || seen.attributesPerElement > limits.attributesPerElement)
                    return seen;
            }
        }
        return seen;
    }

private:
    bool at(int i, const char *s) const
    {
        const int len = int(std::strlen(s));
        return i + len <= m_n && std::memcmp(m_p + i, s, size_t(len)) == 0;
    }

    bool atIgnoringCase(int i, const char *s) const
    {
        const int len = int(std::strlen(s));
        return i + len <= m_n && qstrnicmp(m_p + i, s, uint(len)) == 0;
    }

    // The position just past the next occurrence of s from i on; the end when there is none.
    int after(int i, const char *s) const
    {
        const int len = int(std::strlen(s));
        for (int j = i; j + len <= m_n; ++j) {
            if (m_p[j] == s[0] && std::memcmp(m_p + j, s, size_t(len)) == 0)
                return j + len;
        }
        return m_n;
    }

    int skipSpace(int i) const
    {
        while (i < m_n) {
            if (isSpace(uchar(m_p[i]))) {
                ++i;
            } else if (at(i, "\xEF\xBB\xBF") || at(i, "\xEF\xBF\xBE") || at(i, "\xEF\xBF\xBF")) {
                // The parser passes over byte-order marks and these non-characters as white space.
                i += 3;
            } else {
                break;
            }
        }
        return i;
    }

    int skipName(int i) const
    {
        while (i < m_n && isNameChar(uchar(m_p[i])))
            ++i;
        return i;
    }

    // name = value, quoted or not; -1 where the parser would give up.
    int skipAttribute(int i) const
    {
        if (i >= m_n || !isNameStart(uchar(m_p[i])))
            return -1;
        i = skipSpace(skipName(i));
        if (i >= m_n || m_p[i] != '=')
            return -1;
        i = skipSpace(i + 1);
        if (i >= m_n)
            return -1;
        if (m_p[i] == '"' || m_p[i] == '\'') {
            const char quote[2] = {m_p[i], '\0'};
            return after(i + 1, quote);
        }
        while (i < m_n && !isSpace(uchar(m_p[i])) && m_p[i] != '/' && m_p[i] != '>') {
            if (m_p[i] == '"' || m_p[i] == '\'')
                return -1;
            ++i;
        }
        return i;
    }

    // From the element's name to just past its tag; empty tells "<name/>" from "<name>".
    int skipStartTag(int i, bool *empty, int *attributes) const
    {
        *empty = false;
        *attributes = 0;
        i = skipName(i);
        for (;;) {
            i = skipSpace(i);
            if (i >= m_n)
                return m_n;
            if (m_p[i] == '/') {
                if (i + 1 < m_n && m_p[i + 1] == '>') {
                    *empty = true;
                    return i + 2;
                }
                return i + 1;  // the parser stops here; the element counts as open
            }
            if (m_p[i] == '>')
                return i + 1;
            const int next = skipAttribute(i);
            if (next < 0)
                return i + 1;  // the parser stops here; the element counts as open
            ++*attributes;
            i = next;
        }
    }

    // From behind "<?xml" to just past the declaration, as the parser reads it: only the values of
    // version, encoding and standalone are read as attributes, quotes elsewhere mean nothing.
    int skipDeclaration(int i) const
    {
        while (i < m_n) {
            if (m_p[i] == '>')
                return i + 1;
            i = skipSpace(i);
            if (i >= m_n)
                return m_n;
            if (atIgnoringCase(i, "version") || atIgnoringCase(i, "encoding") || atIgnoringCase(i, "standalone")) {
                const int next = skipAttribute(i);
                if (next < 0)
                    return i + 1;
                i = next;
            } else {
                while (i < m_n && m_p[i] != '>' && !isSpace(uchar(m_p[i])))
                    ++i;
            }
        }
        return m_n;
    }

    const char *m_p;
    int m_n;
};

}  // namespace

XmlFileReader::Shape XmlFileReader::shapeOf(const QByteArray &text, const Shape &limits)
{
    return MarkupScan(text).shape(limits);
}

int XmlFileReader::nestingDepth(const QByteArray &text, int limit)
{
    Shape limits = bounds();
    limits.depth = limit;
    return shapeOf(text, limits).depth;
}

XmlFileReader::Shape XmlFileReader::bounds()
{
    Shape shape;
    shape.depth = kMaxDepth;
    shape.elements = kMaxElements;
    shape.attributes = kMaxAttributes;
    shape.attributesPerElement = kMaxAttributesPerElement;
    return shape;
}

void XmlFileReader::convertDeclaredEncoding(QByteArray *text)
{
    // A byte-order mark says UTF-8 whatever the declaration claims, as it does to the parser.
    if (text->startsWith("\xEF\xBB\xBF"))
        return;
    int start = 0;
    while (start < text->size() && isSpace(uchar(text->at(start))))
        ++start;
    if (qstrnicmp(text->constData() + start, "<?xml", 5) != 0)
        return;
    const int end = text->indexOf('>', start);
    if (end < 0)
        return;
    static const QRegularExpression encodingPattern(QStringLiteral("\\bencoding\\s*=\\s*(\"([^\"]*)\"|'([^']*)')"),
                                                    QRegularExpression::CaseInsensitiveOption);
    const QString declaration = QString::fromLatin1(text->constData() + start, end - start);
    const QRegularExpressionMatch match = encodingPattern.match(declaration);
    if (!match.hasMatch())
        return;
    const int group = match.capturedStart(2) >= 0 ? 2 : 3;
    const QString name = match.captured(group);
    QTextCodec *codec = QTextCodec::codecForName(name.toLatin1());
    if (!codec) {
        qCDebug(lcData) << "XML store: unknown declared encoding" << name << "; the bytes are read as they are";
        return;
    }
    if (codec->mibEnum() == 106)  // UTF-8
        return;
    const QByteArray converted = codec->toUnicode(*text).toUtf8();
    // The declaration is plain ASCII in both encodings, so it keeps its place in the converted text;
    // an encoding that changes it is left alone.
    const int valueStart = start + match.capturedStart(group);
    if (converted.left(valueStart) != text->left(valueStart)) {
        qCDebug(lcData) << "XML store: declared encoding" << name << "not converted";
        return;
    }
    *text = converted.left(valueStart) + "UTF-8" + converted.mid(valueStart + match.capturedLength(group));
}

namespace {

bool withinShape(const QByteArray &text, QString *reason)
{
    const XmlFileReader::Shape shape = XmlFileReader::shapeOf(text, XmlFileReader::bounds());
    if (shape.depth > XmlFileReader::kMaxDepth) {
        *reason = QStringLiteral("its elements nest deeper than %1 levels").arg(XmlFileReader::kMaxDepth);
        return false;
    }
    if (shape.elements > XmlFileReader::kMaxElements) {
        *reason = QStringLiteral("it holds more than %1 elements").arg(XmlFileReader::kMaxElements);
        return false;
    }
    if (shape.attributes > XmlFileReader::kMaxAttributes
        || shape.attributesPerElement > XmlFileReader::kMaxAttributesPerElement) {
        *reason = QStringLiteral("it holds more than %1 attributes, or more than %2 on one element")
                      .arg(XmlFileReader::kMaxAttributes)
                      .arg(XmlFileReader::kMaxAttributesPerElement);
        return false;
    }
    return true;
}

}  // namespace

bool XmlFileReader::withinBounds(const QByteArray &text, QString *reason)
{
    if (text.size() > kMaxFileSize) {
        *reason = QStringLiteral("it is larger than %1 bytes").arg(kMaxFileSize);
        return false;
    }
    return withinShape(text, reason);
}

bool XmlFileReader::prepare(QByteArray *text, QString *reason)
{
    // A zero byte would end the parse early and hide the rest of the file.
    if (text->contains('\0')) {
        *reason = QStringLiteral("it holds a zero byte");
        return false;
    }
    // Line ends as the parser expects them, as when it loads a file itself.
    text->replace("\r\n", "\n");
    text->replace('\r', '\n');
    if (!withinShape(*text, reason))
        return false;
    convertDeclaredEncoding(text);
    return true;
}

XmlFileReader::Status XmlFileReader::read(const QString &path, QByteArray *text, FileStamp *stamp, QString *reason)
{
    text->clear();
    reason->clear();
    QByteArray bytes;
    QString error;
    switch (RegularFile::read(path, kMaxFileSize, &bytes, stamp, &error)) {
    case RegularFile::Status::Ok:
        break;
    case RegularFile::Status::Missing:
        return Status::Missing;
    case RegularFile::Status::NotRegular:
        *reason = QStringLiteral("it is not a plain file");
        return Status::Refused;
    case RegularFile::Status::TooLarge:
        *reason = QStringLiteral("it is larger than %1 bytes").arg(kMaxFileSize);
        return Status::Refused;
    case RegularFile::Status::Denied:
        *reason = QStringLiteral("it cannot be read for lack of permission (%1)").arg(error);
        return Status::Denied;
    case RegularFile::Status::Unreadable:
        *reason = QStringLiteral("it cannot be read (%1)").arg(error);
        return Status::Refused;
    }
    if (!prepare(&bytes, reason))
        return Status::Refused;
    *text = bytes;
    return Status::Ok;
}
