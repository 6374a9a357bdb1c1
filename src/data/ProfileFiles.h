// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The files of one device under the user configuration folder: its folder (model, then serial
// number), the profile file "brivexProFile.xml" with the content a new file gets, and what
// happens to a profile file that cannot be read (it is set aside, never deleted, and replaced).

#include "XmlRecords.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class xmlInterface;

class ProfileFiles
{
public:
    enum class Outcome {
        Existing,  // the file was there and is read as it stands
        Created,   // there was no file: a default one was written
        Replaced,  // the file did not parse: it was set aside and a default one written
        Denied,    // the file is there but may not be read: it is left in place, untouched
        Failed     // no usable file could be made
    };

    // A folder name for a text the device reports: ASCII letters and digits stand as they are,
    // anything else (empty, "..", '/', non-ASCII) becomes "sn-" and a digest of the text, so two
    // different serial numbers never share a folder.
    static QString safeFolderName(const QString &text);
    static QString deviceFolder(const QString &configDir, const QString &model, const QString &serial);
    static QString profilePath(const QString &configDir, const QString &model, const QString &serial);

    enum class Readability { Readable, Denied, Unreadable };
    // Readable: the file exists and parses as a profile file (root element `Parameters`). Denied:
    // it is there but the user may not read it, which says nothing of its content.
    static Readability readability(const QString &path);
    static bool isReadable(const QString &path) { return readability(path) == Readability::Readable; }
    // Renames the file beside itself ("<name>.unreadable-<time>"); the new path, empty on failure.
    static QString setAside(const QString &path);

    // Models whose side strip starts with Breath rather than Wave.
    static bool sideStripStartsWithBreath(const QString &model);
    static colorInfoData defaultLightItem(int zone);
    static QList<DpiItemInfo> defaultDpiItems();

    // The default lighting of a profile (three zones) and, for a mouse, its DPI levels and report
    // rate. Each answers whether the file took every write.
    static bool addDefaultLightItems(xmlInterface *xml, const QByteArray &path, int profileIndex, const QString &model);
    static bool addDefaultMouseItems(xmlInterface *xml, const QByteArray &path, int profileIndex);
    // The custom per-key lightings of a new keyboard profile: "Alphabets" and "WASD+Arrows" in
    // use in slots 0 and 1 with the keys of the default file for the model's key count, and
    // three empty ones. False when the file did not take a write; defaults that cannot be read
    // are only logged.
    static QString customLightDefaultFile(int keyCount);
    static bool addDefaultCustomLights(xmlInterface *xml, const QByteArray &path, int profileIndex, int keyCount);
    // Appends the keys of custom lighting customLightIndex of the default file to the profile's
    // custom lighting of the same index. False (and a log line) when the default file cannot be
    // read, and false when the profile's file did not take a key.
    static bool loadCustomLightDefaults(xmlInterface *xml, const QByteArray &path, int profileIndex,
                                        int customLightIndex, int keyCount);

    // Returns the profile to the defaults of a new one of the device type (0 keyboard, 1 mouse),
    // keeping its index and name and clearing its linked program; it moves to the end of the file.
    // The new profile is built in a file of its own and swapped in by one save, so on any failure
    // (false) the file is as it was.
    static bool resetProfile(xmlInterface *xml, const QByteArray &path, int profileIndex, int deviceType,
                             const QString &model, int keyCount);

    // Makes sure the device's profile file exists and parses; a new file holds "Profile1" with the
    // defaults of the device type. The file is built beside its place and moved in whole.
    static Outcome prepare(xmlInterface *xml, const QString &path, int deviceType, const QString &model,
                           bool synchronize, QString *asidePath = nullptr);

    // The profile the file names as current; a file without profiles gets "Profile1" with the
    // defaults, and an index that names no profile falls back to the lowest one.
    static int currentProfileIndex(xmlInterface *xml, const QString &path, int deviceType, const QString &model);

private:
    // The keys of custom lighting customLightIndex in the default file; false (and a log line)
    // when it cannot be read.
    static bool readCustomLightDefaults(xmlInterface *xml, int customLightIndex, int keyCount,
                                        QList<CustomLedItemInfo> *items);
    static bool addProfileDefaults(xmlInterface *xml, const QByteArray &path, int profileIndex, int deviceType,
                                   const QString &model, int keyCount);
    static bool writeDefaultFile(xmlInterface *xml, const QByteArray &path, int deviceType, const QString &model,
                                 bool synchronize);
    static void addDefaultProfile(xmlInterface *xml, const QByteArray &path, int deviceType, const QString &model);
};
