#include "IntelHexReader.h"

#include <QIODevice>

namespace {

constexpr qint64 kMaxFileSize = 1024 * 1024;
// ':' and the byte pairs of a record carrying 255 data bytes.
constexpr int kMaxLineLength = 1 + 2 * (4 + 255 + 1);
constexpr int kAddressSpace = 0x10000;

enum RecordType { Data = 0, EndOfFile = 1, ExtendedSegment = 2, StartSegment = 3, ExtendedLinear = 4, StartLinear = 5 };

bool fail(QString *error, int line, const QString &reason)
{
    if (error)
        *error = QStringLiteral("line %1: %2").arg(line).arg(reason);
    return false;
}

// The number of data bytes a record of this type must carry; -1 for data (any count).
int requiredCount(int type)
{
    switch (type) {
    case EndOfFile:
        return 0;
    case ExtendedSegment:
    case ExtendedLinear:
        return 2;
    case StartSegment:
    case StartLinear:
        return 4;
    default:
        return -1;
    }
}

}  // namespace

int hexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

int readHexByte(const QByteArray &text, int pos)
{
    if (pos < 0 || pos + 1 >= text.size())
        return -1;
    const int high = hexDigitValue(text[pos]);
    const int low = hexDigitValue(text[pos + 1]);
    if (high < 0 || low < 0)
        return -1;
    return high * 16 + low;
}

bool readHexFile(QIODevice &file, int imageLength, QByteArray *image, QString *error)
{
    if (imageLength <= 0 || imageLength > kAddressSpace)
        return fail(error, 0, QStringLiteral("no image length for this chip family"));
    if (!file.isReadable())
        return fail(error, 0, QStringLiteral("the file is not open for reading"));

    QByteArray flat(imageLength, '\0');
    qint64 base = 0;
    qint64 total = 0;
    int lineNumber = 0;
    bool ended = false;

    while (!file.atEnd()) {
        ++lineNumber;
        // Room for the longest record, its line end and one more character to notice a longer line.
        QByteArray line = file.readLine(kMaxLineLength + 3);
        if (line.isEmpty() && !file.atEnd())
            return fail(error, lineNumber, QStringLiteral("read error"));
        total += line.size();
        if (total > kMaxFileSize)
            return fail(error, lineNumber, QStringLiteral("the file is larger than 1 MiB"));
        const bool complete = line.endsWith('\n') || file.atEnd();
        if (line.endsWith('\n'))
            line.chop(1);
        if (line.endsWith('\r'))
            line.chop(1);
        if (!complete || line.size() > kMaxLineLength)
            return fail(error, lineNumber, QStringLiteral("line longer than %1 characters").arg(kMaxLineLength));
        if (line.isEmpty())
            continue;
        if (ended)
            return fail(error, lineNumber, QStringLiteral("text after the end record"));
        if (line[0] != ':')
            return fail(error, lineNumber, QStringLiteral("a record must start with ':'"));
        for (int i = 1; i < line.size(); ++i) {
            if (hexDigitValue(line[i]) < 0)
                return fail(error, lineNumber, QStringLiteral("not a hexadecimal digit at column %1").arg(i + 1));
        }
        if (line.size() < 11 || line.size() % 2 == 0)
            return fail(error, lineNumber, QStringLiteral("record cut short"));

        const int count = readHexByte(line, 1);
        if (line.size() != 1 + 2 * (count + 5))
            return fail(error, lineNumber,
                        QStringLiteral("%1 characters where the byte count %2 needs %3")
                            .arg(line.size())
                            .arg(count)
                            .arg(1 + 2 * (count + 5)));
        int sum = 0;
        for (int pos = 1; pos < line.size(); pos += 2)
            sum += readHexByte(line, pos);
        if ((sum & 0xFF) != 0)
            return fail(error, lineNumber, QStringLiteral("wrong checksum"));

        const int offset = readHexByte(line, 3) * 256 + readHexByte(line, 5);
        const int type = readHexByte(line, 7);
        if (type > StartLinear)
            return fail(error, lineNumber, QStringLiteral("unknown record type %1").arg(type, 2, 16, QLatin1Char('0')));
        const int required = requiredCount(type);
        if (required >= 0 && count != required)
            return fail(error, lineNumber, QStringLiteral("record type %1 with %2 data bytes").arg(type).arg(count));

        switch (type) {
        case Data: {
            if (offset + count > kAddressSpace)
                return fail(error, lineNumber, QStringLiteral("data crosses offset 0xFFFF"));
            const qint64 address = base + offset;
            if (address + count > imageLength)
                return fail(error, lineNumber,
                            QStringLiteral("data beyond the image length of %1 bytes").arg(imageLength));
            for (int i = 0; i < count; ++i)
                flat[int(address) + i] = char(readHexByte(line, 9 + 2 * i));
            break;
        }
        case EndOfFile:
            ended = true;
            break;
        case ExtendedSegment:
            base = qint64(readHexByte(line, 9) * 256 + readHexByte(line, 11)) * 16;
            break;
        case ExtendedLinear:
            base = qint64(readHexByte(line, 9) * 256 + readHexByte(line, 11)) << 16;
            break;
        default:  // start addresses mean nothing for a flash picture
            break;
        }
    }
    if (!ended)
        return fail(error, lineNumber + 1, QStringLiteral("no end record"));
    if (image)
        *image = flat;
    return true;
}
