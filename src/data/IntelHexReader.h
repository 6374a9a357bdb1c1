#pragma once
// Firmware images are Intel HEX text: records of a ':' and hexadecimal byte pairs (count,
// address high and low, type, data, checksum). The reader turns one into the flat picture of
// the device's flash and refuses anything it cannot read with certainty: one bad record
// refuses the whole image.

#include <QByteArray>
#include <QString>

class QIODevice;

// 0 to 15 for '0'-'9', 'A'-'F' and 'a'-'f'; -1 for any other character.
int hexDigitValue(char c);

// The byte written by the two characters at text[pos] and text[pos + 1]; -1 when either is
// missing or not a hexadecimal digit.
int readHexByte(const QByteArray &text, int pos);

// Reads the records of an open file into a flat image of imageLength bytes (uncovered bytes 0;
// a later record for an address wins). False, with error "line N: <reason>" and image
// untouched, for a malformed or unreadable file.
bool readHexFile(QIODevice &file, int imageLength, QByteArray *image, QString *error);
