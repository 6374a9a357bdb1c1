#include "FirmwareImageMaker.h"

#include "FirmwareImageLayout.h"

#include <QSaveFile>

#include <cstdint>

namespace emu {

namespace {

void putText(QByteArray *image, int offset, int width, const QString &text)
{
    const QByteArray bytes = text.toLatin1().left(width - 1);
    for (int i = 0; i < width; ++i)
        (*image)[offset + i] = i < bytes.size() ? bytes[i] : '\0';
}

void appendRecord(QByteArray *out, int address, int type, const QByteArray &data)
{
    QByteArray record;
    record.append(char(data.size()));
    record.append(char((address >> 8) & 0xFF));
    record.append(char(address & 0xFF));
    record.append(char(type));
    record.append(data);
    int sum = 0;
    for (const char c : record)
        sum += uint8_t(c);
    record.append(char((0x100 - (sum & 0xFF)) & 0xFF));
    out->append(':');
    out->append(record.toHex().toUpper());
    out->append("\r\n");
}

}  // namespace

QByteArray firmwareImage(const QString &versionText, const QString &buildDate, const QString &buildTime)
{
    const QString chip = versionText.section(QLatin1Char(','), 0, 0);
    const FirmwareImageLayout layout = FirmwareImageLayout::forChipFamily(chip);
    if (!layout.isValid())
        return QByteArray();
    QByteArray image(layout.imageLength, '\0');
    uint32_t state = 0x2F6B1D35u;
    for (int i = 0; i < image.size(); ++i) {
        state = state * 1103515245u + 12345u;
        image[i] = char((state >> 16) & 0xFF);
    }
    putText(&image, layout.dateOffset, FirmwareImageLayout::dateLength, buildDate);
    putText(&image, layout.timeOffset, FirmwareImageLayout::timeLength, buildTime);
    putText(&image, layout.versionOffset, FirmwareImageLayout::versionLength, versionText);
    return image;
}

QByteArray intelHex(const QByteArray &image)
{
    QByteArray out;
    appendRecord(&out, 0, 4, QByteArray(2, '\0'));
    for (int offset = 0; offset < image.size() && offset < 0x10000; offset += 16)
        appendRecord(&out, offset, 0, image.mid(offset, 16));
    appendRecord(&out, 0, 5, QByteArray(4, '\0'));
    appendRecord(&out, 0, 1, QByteArray());
    return out;
}

QByteArray firmwareHex(const QString &versionText)
{
    const QByteArray image = firmwareImage(versionText);
    return image.isEmpty() ? QByteArray() : intelHex(image);
}

bool writeFirmwareHex(const QString &versionText, const QString &path)
{
    const QByteArray text = firmwareHex(versionText);
    if (text.isEmpty())
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(text);
    return file.commit();
}

}  // namespace emu
