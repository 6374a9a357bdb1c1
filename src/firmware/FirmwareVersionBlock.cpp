#include "FirmwareVersionBlock.h"

#include "FirmwareImageLayout.h"
#include "HidRecords.h"

#include <QByteArray>

namespace {

// The zero-terminated text of a fixed-width field.
QString fieldText(const QByteArray &image, int offset, int width)
{
    if (offset < 0 || offset + width > image.size())
        return QString();
    const QByteArray bytes = image.mid(offset, width);
    const int zero = bytes.indexOf('\0');
    return QString::fromLatin1(zero < 0 ? bytes : bytes.left(zero));
}

QString recordText(const char *field, size_t width)
{
    return QString::fromLatin1(field, int(qstrnlen(field, uint(width))));
}

}  // namespace

FirmwareVersionBlock FirmwareVersionBlock::read(const QByteArray &image, const FirmwareImageLayout &layout)
{
    FirmwareVersionBlock block;
    if (layout.isValid()) {
        block.buildDate = fieldText(image, layout.dateOffset, FirmwareImageLayout::dateLength);
        block.buildTime = fieldText(image, layout.timeOffset, FirmwareImageLayout::timeLength);
        block.versionText = fieldText(image, layout.versionOffset, FirmwareImageLayout::versionLength);
    }
    const QStringList parts = block.versionText.split(QLatin1Char(','));
    for (int i = 0; i < 6; ++i)
        block.fields.append(parts.value(i));
    return block;
}

bool FirmwareVersionBlock::namesDevice(const HidDeviceInfo &record) const
{
    const QString identity[] = {
        recordText(record.chipName, sizeof(record.chipName)),     recordText(record.chipNum, sizeof(record.chipNum)),
        recordText(record.deviceKind, sizeof(record.deviceKind)), recordText(record.makerTag, sizeof(record.makerTag)),
        recordText(record.hidName, sizeof(record.hidName)),
    };
    for (int i = 0; i < 5; ++i) {
        if (QString::compare(fields.value(i), identity[i], Qt::CaseInsensitive) != 0)
            return false;
    }
    return true;
}
