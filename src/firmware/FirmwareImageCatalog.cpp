#include "FirmwareImageCatalog.h"

#include "FirmwareImageLayout.h"
#include "FirmwareVersion.h"
#include "HidRecords.h"
#include "IntelHexReader.h"
#include "LogCategories.h"

#include <QFile>
#include <QFileInfo>

namespace {

QString recordText(const char *field, size_t width)
{
    return QString::fromLatin1(field, int(qstrnlen(field, uint(width))));
}

QString imagePath(const QString &folder, const QString &model)
{
    QString path = folder;
    if (!path.isEmpty() && !path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path + model + QStringLiteral(".hex");
}

}  // namespace

FirmwareImageCatalog::FirmwareImageCatalog(const QString &folder, const QString &mouseChipName)
    : imageFolder(folder)
    , mouseChip(mouseChipName)
{
}

bool FirmwareImageCatalog::loadImage(const QString &folder, const QString &model, const FirmwareImageLayout &layout,
                                     QByteArray *image)
{
    // A model name that could leave the folder names no image.
    if (model.isEmpty() || model.contains(QLatin1Char('/')) || model.contains(QLatin1Char('\\'))
        || model.startsWith(QLatin1Char('.')))
        return false;
    const QString path = imagePath(folder, model);
    if (!QFileInfo(path).isFile())
        return false;  // the ordinary case: no image for this model
    if (!layout.isValid())
        return false;  // a chip family without a version block is never offered
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(lcFirmware) << "Open hex file error" << path;
        return false;
    }
    QString error;
    if (!readHexFile(file, layout.imageLength, image, &error)) {
        qCWarning(lcFirmware).noquote() << QStringLiteral("Firmware image %1.hex: %2").arg(model, error);
        return false;
    }
    return true;
}

QString FirmwareImageCatalog::newerVersionFor(const HidDeviceInfo &record)
{
    const QString model = recordText(record.hidName, sizeof(record.hidName));
    const QString chip = recordText(record.chipName, sizeof(record.chipName));
    const QString key = model + QLatin1Char('\n') + chip;
    auto it = entries.find(key);
    if (it == entries.end()) {
        Entry entry;
        const FirmwareImageLayout layout = FirmwareImageLayout::forChipFamily(chip, mouseChip);
        QByteArray image;
        if (QFileInfo(imagePath(imageFolder, model)).isFile() && layout.isValid())
            ++reads;
        if (loadImage(imageFolder, model, layout, &image)) {
            entry.usable = true;
            entry.block = FirmwareVersionBlock::read(image, layout);
        }
        it = entries.insert(key, entry);
    }
    const Entry &entry = it.value();
    if (!entry.usable || !entry.block.namesDevice(record))
        return QString();
    const QString version = entry.block.version();
    if (!FirmwareVersion::isNewer(version, recordText(record.version, sizeof(record.version))))
        return QString();
    return version;
}
