// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProfileFiles.h"

#include "DeviceModels.h"
#include "LogCategories.h"
#include "RecordText.h"
#include "XmlFileReader.h"
#include "xmlInterface.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <cstdio>

namespace {

const char kProfileFileName[] = "brivexProFile.xml";

bool isPlainName(const QString &text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text) {
        const ushort u = c.unicode();
        const bool letter = (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z');
        const bool digit = u >= '0' && u <= '9';
        if (!letter && !digit)
            return false;
    }
    return true;
}

QByteArray keyText(int profileIndex)
{
    return QByteArray::number(profileIndex);
}

}  // namespace

QString ProfileFiles::safeFolderName(const QString &text)
{
    if (isPlainName(text))
        return text;
    const QByteArray digest = QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Sha256).toHex();
    return QStringLiteral("sn-") + QString::fromLatin1(digest.left(32));
}

QString ProfileFiles::deviceFolder(const QString &configDir, const QString &model, const QString &serial)
{
    return configDir + QLatin1Char('/') + safeFolderName(model) + QLatin1Char('/') + safeFolderName(serial);
}

QString ProfileFiles::profilePath(const QString &configDir, const QString &model, const QString &serial)
{
    return deviceFolder(configDir, model, serial) + QLatin1Char('/') + QLatin1String(kProfileFileName);
}

ProfileFiles::Readability ProfileFiles::readability(const QString &path)
{
    // Within the bounds of the XML store, which would refuse the file otherwise.
    QByteArray text;
    FileStamp stamp;
    QString reason;
    switch (XmlFileReader::read(path, &text, &stamp, &reason)) {
    case XmlFileReader::Status::Ok:
        break;
    case XmlFileReader::Status::Denied:
        return Readability::Denied;
    case XmlFileReader::Status::Missing:
    case XmlFileReader::Status::Refused:
        return Readability::Unreadable;
    }
    QXmlStreamReader reader(text);
    bool rootSeen = false;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && !rootSeen) {
            if (reader.name() != QLatin1String("Parameters"))
                return Readability::Unreadable;
            rootSeen = true;
        }
    }
    return rootSeen && !reader.hasError() ? Readability::Readable : Readability::Unreadable;
}

QString ProfileFiles::setAside(const QString &path)
{
    const QString stamp = QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString target = path + QStringLiteral(".unreadable-") + stamp;
    for (int n = 1; QFileInfo::exists(target); ++n)
        target = path + QStringLiteral(".unreadable-") + stamp + QLatin1Char('-') + QString::number(n);
    if (!QFile::rename(path, target)) {
        qCWarning(lcData) << "could not set the unreadable profile file aside:" << path;
        return QString();
    }
    return target;
}

bool ProfileFiles::sideStripStartsWithBreath(const QString &model)
{
    return models::hasSideLights(model);
}

colorInfoData ProfileFiles::defaultLightItem(int zone)
{
    colorInfoData data;
    data.ledKeyboardOrSide = zone;
    data.ledType = 2;
    data.ledBrightness = 3;
    data.ledSpeed = 3;
    data.ledModeR = 255;
    data.ledModeType = 1;
    return data;
}

QList<DpiItemInfo> ProfileFiles::defaultDpiItems()
{
    struct Level {
        int dpi, r, g, b;
    };
    static const Level kLevels[] = {{800, 255, 0, 0},    {1500, 255, 255, 0}, {2200, 0, 255, 0},
                                    {2900, 0, 255, 255}, {3600, 0, 0, 255},   {600, 128, 0, 255}};
    QList<DpiItemInfo> items;
    int index = 1;
    for (const Level &level : kLevels) {
        DpiItemInfo item;
        item.selectStatus = 1;
        item.index = index++;
        item.isXY = 0;
        item.dpiX = level.dpi;
        item.dpiY = level.dpi;
        item.dpiColorR = level.r;
        item.dpiColorG = level.g;
        item.dpiColorB = level.b;
        items.append(item);
    }
    return items;
}

bool ProfileFiles::addDefaultLightItems(xmlInterface *xml, const QByteArray &path, int profileIndex,
                                        const QString &model)
{
    const QByteArray key = keyText(profileIndex);
    const bool breath = sideStripStartsWithBreath(model);
    bool ok = true;
    for (int zone = 0; zone < 3; ++zone) {
        colorInfoData item = defaultLightItem(zone);
        if (zone == 1 && breath)
            item.ledType = 1;
        ok = xml->addLightItem(path.constData(), key.constData(), item) && ok;
    }
    if (breath) {
        colorInfoData side = defaultLightItem(1);
        side.ledType = 1;
        ok = xml->modifyLightItem(path.constData(), key.constData(), 1, 1, side) && ok;
        ok = xml->setLightUsingIndex(path.constData(), key.constData(), 1, 1) && ok;
    }
    return ok;
}

bool ProfileFiles::addDefaultMouseItems(xmlInterface *xml, const QByteArray &path, int profileIndex)
{
    const QByteArray key = keyText(profileIndex);
    bool ok = true;
    for (int zone = 0; zone < 3; ++zone)
        ok = xml->addLightItem(path.constData(), key.constData(), defaultLightItem(zone)) && ok;
    for (const DpiItemInfo &item : defaultDpiItems())
        ok = xml->addDpiItem(path.constData(), key.constData(), item) && ok;
    ok = xml->setDpiUsingIndex(path.constData(), key.constData(), 3) && ok;
    ok = xml->setFeature(path.constData(), key.constData(), 0, 2) && ok;
    return ok;
}

QString ProfileFiles::customLightDefaultFile(int keyCount)
{
    switch (keyCount) {
    case 84:
    case 69:
        return QStringLiteral("customLightDefaultConfig_84.xml");
    case 83:
    case 98:
    case 68:
    case 61:
    case 34:
    case 82:
        return QStringLiteral("customLightDefaultConfig_%1.xml").arg(keyCount);
    default:
        return QStringLiteral("customLightDefaultConfig.xml");
    }
}

bool ProfileFiles::addDefaultCustomLights(xmlInterface *xml, const QByteArray &path, int profileIndex, int keyCount)
{
    const QByteArray key = keyText(profileIndex);
    const char *names[] = {"Alphabets", "WASD+Arrows"};
    bool ok = true;
    for (int i = 0; i < 5; ++i) {
        const QByteArray index = QByteArray::number(i);
        if (i < 2) {
            ok = xml->addCustomLed(path.constData(), key.constData(), index.constData(), names[i], "Using", i) && ok;
            QList<CustomLedItemInfo> items;
            if (!readCustomLightDefaults(xml, i, keyCount, &items))
                continue;
            for (const CustomLedItemInfo &item : qAsConst(items))
                ok = xml->addCustomLedItems(path.constData(), key.constData(), index.constData(), item) && ok;
        } else {
            const QByteArray name = QStringLiteral("Custom %1").arg(i + 1).toUtf8();
            ok =
                xml->addCustomLed(path.constData(), key.constData(), index.constData(), name.constData(), "UnUsing", -1)
                && ok;
        }
    }
    return ok;
}

bool ProfileFiles::readCustomLightDefaults(xmlInterface *xml, int customLightIndex, int keyCount,
                                           QList<CustomLedItemInfo> *items)
{
    const QString fileName = customLightDefaultFile(keyCount);
    // The store reads files: the resource is copied into a folder of its own for the read.
    QTemporaryDir folder;
    if (!folder.isValid()) {
        qCWarning(lcData) << "no temporary folder for the custom light defaults:" << folder.errorString();
        return false;
    }
    const QString copy = folder.filePath(fileName);
    if (!QFile::copy(QStringLiteral(":/images/configDir/") + fileName, copy)) {
        qCWarning(lcData) << "the custom light defaults could not be copied:" << fileName;
        return false;
    }
    const QByteArray copyPath = QFile::encodeName(copy);
    const QByteArray ledIndex = QByteArray::number(customLightIndex);
    xml->getDefaultCustomLedItems(copyPath.constData(), ledIndex.constData(), items);
    return true;
}

bool ProfileFiles::loadCustomLightDefaults(xmlInterface *xml, const QByteArray &path, int profileIndex,
                                           int customLightIndex, int keyCount)
{
    QList<CustomLedItemInfo> items;
    if (!readCustomLightDefaults(xml, customLightIndex, keyCount, &items))
        return false;
    const QByteArray ledIndex = QByteArray::number(customLightIndex);
    const QByteArray key = keyText(profileIndex);
    bool ok = true;
    for (const CustomLedItemInfo &item : qAsConst(items))
        ok = xml->addCustomLedItems(path.constData(), key.constData(), ledIndex.constData(), item) && ok;
    return ok;
}

bool ProfileFiles::addProfileDefaults(xmlInterface *xml, const QByteArray &path, int profileIndex, int deviceType,
                                      const QString &model, int keyCount)
{
    if (deviceType == 1)
        return addDefaultMouseItems(xml, path, profileIndex);
    const bool lights = addDefaultLightItems(xml, path, profileIndex, model);
    return addDefaultCustomLights(xml, path, profileIndex, keyCount) && lights;
}

void ProfileFiles::addDefaultProfile(xmlInterface *xml, const QByteArray &path, int deviceType, const QString &model)
{
    xml->addProfileConfig(path.constData(), "1", "Profile1", "", "", deviceType == 1 ? 1 : 0);
    addProfileDefaults(xml, path, 1, deviceType, model, models::keyCount(model));
}

bool ProfileFiles::resetProfile(xmlInterface *xml, const QByteArray &path, int profileIndex, int deviceType,
                                const QString &model, int keyCount)
{
    const QByteArray key = keyText(profileIndex);
    if (!xml)
        return false;
    ProfileConfigInfo profile;
    xml->getProfileInfo(path.constData(), key.constData(), &profile);
    const QByteArray name = recordText(profile.name);

    QTemporaryDir folder;
    if (!folder.isValid()) {
        qCWarning(lcData) << "no temporary folder to build the reset profile in:" << folder.errorString();
        return false;
    }
    const QByteArray build = QFile::encodeName(folder.filePath(QStringLiteral("reset.xml")));
    const bool built =
        xml->createXmlFile(build.constData())
        && xml->addProfileConfig(build.constData(), key.constData(), name.constData(), "", "", deviceType == 1 ? 1 : 0)
        && addProfileDefaults(xml, build, profileIndex, deviceType, model, keyCount);
    if (!built) {
        qCWarning(lcData) << "the reset profile could not be built; the profile is kept as it was";
        return false;
    }
    return xml->replaceProfile(path.constData(), build.constData(), key.constData());
}

bool ProfileFiles::writeDefaultFile(xmlInterface *xml, const QByteArray &path, int deviceType, const QString &model,
                                    bool synchronize)
{
    // Built in a folder of its own made beside its place (so nothing planted there is written
    // through) and moved in whole, so no half-made profile file is ever read.
    const QString finalPath = QString::fromLocal8Bit(path);
    QTemporaryDir folder(QFileInfo(finalPath).absolutePath() + QStringLiteral("/.new-profile-XXXXXX"));
    if (!folder.isValid()) {
        qCWarning(lcData) << "no folder to build the profile file in:" << folder.errorString();
        return false;
    }
    const QString buildPath = folder.filePath(QLatin1String(kProfileFileName));
    const QByteArray build = buildPath.toLocal8Bit();
    xml->createXmlFile(build.constData());
    addDefaultProfile(xml, build, deviceType, model);
    if (synchronize)
        xml->setSynchronizeStatus(build.constData(), "1", 1);
    if (!isReadable(buildPath))
        return false;
    return std::rename(QFile::encodeName(buildPath).constData(), QFile::encodeName(finalPath).constData()) == 0;
}

ProfileFiles::Outcome ProfileFiles::prepare(xmlInterface *xml, const QString &path, int deviceType,
                                            const QString &model, bool synchronize, QString *asidePath)
{
    if (!xml)
        return Outcome::Failed;
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath())) {
        qCWarning(lcData) << "could not create the device folder" << info.absolutePath();
        return Outcome::Failed;
    }
    Outcome outcome = Outcome::Created;
    if (info.exists()) {
        switch (readability(path)) {
        case Readability::Readable:
            return Outcome::Existing;
        case Readability::Denied:
            // Nothing is wrong with the file that a permission would not mend: it stays.
            qCWarning(lcData) << "the profile file cannot be read for lack of permission and is left as it is:" << path;
            return Outcome::Denied;
        case Readability::Unreadable:
            break;
        }
        const QString aside = setAside(path);
        if (aside.isEmpty())
            return Outcome::Failed;
        qCWarning(lcData) << "the profile file did not parse and was set aside as" << aside;
        xml->noteSetAside(path, aside);
        if (asidePath)
            *asidePath = aside;
        outcome = Outcome::Replaced;
    }
    if (!writeDefaultFile(xml, path.toLocal8Bit(), deviceType, model, synchronize)) {
        qCWarning(lcData) << "could not write the profile file" << path;
        return Outcome::Failed;
    }
    return outcome;
}

int ProfileFiles::currentProfileIndex(xmlInterface *xml, const QString &path, int deviceType, const QString &model)
{
    const QByteArray file = path.toLocal8Bit();
    QList<IndexNameInfo> profiles;
    xml->getProfileList(file.constData(), &profiles);
    if (profiles.isEmpty()) {
        if (!isReadable(path))
            return 1;
        qCWarning(lcData) << "the profile file holds no profile; Profile1 is added:" << path;
        addDefaultProfile(xml, file, deviceType, model);
        xml->setProfileIndex(file.constData(), 1);
        return 1;
    }
    const int stored = xml->getProfileIndex(file.constData());
    int lowest = -1;
    for (const IndexNameInfo &profile : qAsConst(profiles)) {
        bool ok = false;
        const int index = QByteArray(profile.index).toInt(&ok);
        if (!ok)
            continue;
        if (index == stored)
            return stored;
        if (lowest < 0 || index < lowest)
            lowest = index;
    }
    return lowest < 0 ? 1 : lowest;
}
