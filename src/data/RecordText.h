// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text in a fixed-width record field (the enumeration's records, the XML store's records).
// The one reader and the one writer: a field is read up to its first zero byte and never past
// its width, and a text written into a field is cut to the width less one byte, without
// splitting a UTF-8 character, and always ends with a zero byte.

#include <QByteArray>

#include <cstddef>
#include <cstring>

// The field's bytes up to its first zero byte, or its full width when a writer left no zero.
inline QByteArray recordText(const char *field, std::size_t width)
{
    if (!field)
        return QByteArray();
    std::size_t length = 0;
    while (length < width && field[length] != '\0')
        ++length;
    return QByteArray(field, int(length));
}

template <std::size_t N>
QByteArray recordText(const char (&field)[N])
{
    return recordText(field, N);
}

// Writes length bytes of text (UTF-8) into a field of the given width; the bytes after the
// terminator are cleared. A null text writes an empty field.
inline void setRecordText(char *field, std::size_t width, const char *text, std::size_t length)
{
    if (!field || width == 0)
        return;
    if (!text)
        length = 0;
    if (length >= width) {
        length = width - 1;
        // text[length] is the first byte left out; while it continues a character, leave out
        // the start of that character too.
        for (int i = 0; i < 3 && length > 0 && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80; ++i)
            --length;
    }
    if (length > 0)
        std::memcpy(field, text, length);
    std::memset(field + length, 0, width - length);
}

template <std::size_t N>
void setRecordText(char (&field)[N], const char *text)
{
    static_assert(N > 0, "a text field holds at least its terminator");
    setRecordText(field, N, text, text ? std::strlen(text) : 0);
}

template <std::size_t N>
void setRecordText(char (&field)[N], const QByteArray &text)
{
    static_assert(N > 0, "a text field holds at least its terminator");
    setRecordText(field, N, text.constData(), std::size_t(text.size()));
}
