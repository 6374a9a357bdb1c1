// SPDX-License-Identifier: GPL-3.0-or-later
#include "FirmwareUpdateJob.h"

#include "FirmwareImageCatalog.h"
#include "FirmwareImageLayout.h"
#include "FirmwareVersionBlock.h"
#include "UserSettings.h"

#include <QStringList>

#include <cstring>

namespace {

QString key(const char *name)
{
    return QStringLiteral("%1/%2").arg(QLatin1String(UserSettingsKey::FirmwareJobGroup), QLatin1String(name));
}

QVariant read(const UserSettings &settings, const char *name)
{
    return settings.value(key(name).toLatin1().constData());
}

void write(UserSettings &settings, const char *name, const QVariant &value)
{
    settings.setValue(key(name).toLatin1().constData(), value);
}

void copyField(char *field, size_t width, const QString &text)
{
    const QByteArray bytes = text.toLatin1();
    std::memset(field, 0, width);
    std::strncpy(field, bytes.constData(), width - 1);
}

QString idText(const models::UsbId &id)
{
    return QStringLiteral("%1:%2").arg(id.vendorId, 4, 16, QLatin1Char('0')).arg(id.productId, 4, 16, QLatin1Char('0'));
}

// A safe model name: it names a file in the image folder and nothing else.
bool isPlainName(const QString &text)
{
    return !text.isEmpty() && text.size() < 128 && !text.contains(QLatin1Char('/')) && !text.contains(QLatin1Char('\\'))
           && !text.startsWith(QLatin1Char('.'));
}

}  // namespace

bool FirmwareUpdateJob::isValid() const
{
    return isPlainName(model) && !serial.isEmpty() && imageLength > 0 && !bootloaderIds.isEmpty();
}

QVector<models::UsbId> FirmwareUpdateJob::bootloaderIdsForVendor(int vendorId)
{
    QVector<models::UsbId> ids;
    QVector<models::UsbId> all;
    for (const models::BootloaderId &entry : models::bootloaderIds()) {
        all.append(entry.id);
        if (entry.id.vendorId == vendorId)
            ids.append(entry.id);
    }
    return ids.isEmpty() ? all : ids;
}

bool FirmwareUpdateJob::loadImage(const QString &folder, const HidDeviceInfo &record, const QString &mouseChipName,
                                  QString *reason)
{
    image.clear();
    const FirmwareImageLayout layout = FirmwareImageLayout::forChipFamily(chipFamily, mouseChipName);
    if (!layout.isValid() || layout.imageLength != imageLength) {
        *reason = QStringLiteral("no image layout for the chip family \"%1\"").arg(chipFamily);
        return false;
    }
    QByteArray loaded;
    if (!FirmwareImageCatalog::loadImage(folder, model, layout, &loaded)) {
        *reason = QStringLiteral("the image %1 cannot be read").arg(imageName);
        return false;
    }
    if (loaded.size() != imageLength) {
        *reason =
            QStringLiteral("the image %1 has %2 bytes, not %3").arg(imageName).arg(loaded.size()).arg(imageLength);
        return false;
    }
    const FirmwareVersionBlock block = FirmwareVersionBlock::read(loaded, layout);
    // A unit known only from a kept job names its chip family and model; a device at hand
    // names every identity field of its information text.
    const bool fullRecord = record.chipNum[0] != '\0';
    const bool names = fullRecord ? block.namesDevice(record)
                                  : (block.fields.value(0).compare(chipFamily, Qt::CaseInsensitive) == 0
                                     && block.fields.value(4).compare(model, Qt::CaseInsensitive) == 0);
    if (!names) {
        *reason = QStringLiteral("the image %1 is not firmware for this device").arg(imageName);
        return false;
    }
    if (!newVersion.isEmpty() && block.version().compare(newVersion, Qt::CaseInsensitive) != 0) {
        *reason = QStringLiteral("the image %1 holds %2, not %3").arg(imageName, block.version(), newVersion);
        return false;
    }
    newVersion = block.version();
    image = loaded;
    return true;
}

void FirmwareUpdateJob::store(UserSettings &settings) const
{
    QStringList ids;
    for (const models::UsbId &id : bootloaderIds)
        ids.append(idText(id));
    write(settings, "model", model);
    write(settings, "serial", serial);
    write(settings, "chipFamily", chipFamily);
    write(settings, "imageLength", imageLength);
    write(settings, "imageName", imageName);
    write(settings, "oldVersion", oldVersion);
    write(settings, "newVersion", newVersion);
    write(settings, "bootloaderIds", ids.join(QLatin1Char(' ')));
}

FirmwareUpdateJob FirmwareUpdateJob::stored(const UserSettings &settings)
{
    FirmwareUpdateJob job;
    job.model = read(settings, "model").toString();
    job.serial = read(settings, "serial").toString().left(64);
    job.chipFamily = read(settings, "chipFamily").toString().left(63);
    bool ok = false;
    job.imageLength = read(settings, "imageLength").toInt(&ok);
    if (!ok || job.imageLength <= 0 || job.imageLength > FirmwareImageLayout::maxImageLength)
        job.imageLength = 0;
    job.oldVersion = read(settings, "oldVersion").toString().left(63);
    job.newVersion = read(settings, "newVersion").toString().left(63);
    const QStringList ids = read(settings, "bootloaderIds").toString().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString &text : ids) {
        const int vendorId = models::usbIdFromText(text.section(QLatin1Char(':'), 0, 0));
        const int productId = models::usbIdFromText(text.section(QLatin1Char(':'), 1, 1));
        // Only a bootloader the model table knows is ever looked for.
        if (vendorId >= 0 && productId >= 0 && models::isBootloaderId(vendorId, productId))
            job.bootloaderIds.append(models::UsbId{uint16_t(vendorId), uint16_t(productId)});
    }
    if (!isPlainName(job.model)) {
        job.model.clear();
        return job;
    }
    job.imageName = job.model + QStringLiteral(".hex");
    return job;
}

void FirmwareUpdateJob::forget(UserSettings &settings)
{
    settings.remove(UserSettingsKey::FirmwareJobGroup);
}

HidDeviceInfo FirmwareUpdateJob::deviceInfo() const
{
    HidDeviceInfo record;
    copyField(record.chipName, sizeof(record.chipName), chipFamily);
    copyField(record.hidName, sizeof(record.hidName), model);
    copyField(record.version, sizeof(record.version), oldVersion);
    copyField(record.newVersion, sizeof(record.newVersion), newVersion);
    copyField(record.hidPath, sizeof(record.hidPath), hidPath);
    return record;
}

BootloaderWriter::Job FirmwareUpdateJob::writerJob() const
{
    BootloaderWriter::Job job;
    job.model = model;
    job.serial = serial;
    job.image = image;
    job.bootloaderIds = bootloaderIds;
    return job;
}
