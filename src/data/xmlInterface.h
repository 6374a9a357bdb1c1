// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The XML store: the one place that reads and writes XML. Profile files (and the on-board files,
// layout templates and exported profiles in the same format), the macro library, the device lists
// and the default custom-lighting files all pass through it.
//
// Every operation names its file by an 8-bit path (local encoding), works on the file as it is on
// disk and writes it back when it changed something. A file that is missing, unreadable or does not
// parse completely gives the readers their defaults and is never written by the changing
// operations. Saves are atomic. Parsed files are kept in a cache that follows every change on
// disk, so results are those of a fresh parse. Safe to call from any thread.
//
// Every changing operation returns whether the file holds the change afterwards (exportProfile and
// importProfile answer 1 or 0 the same way). True when it was written; when the file already held every
// value the operation sets (then nothing is written); when the target of a delete is already absent.
// False when the file is missing or does not parse; when what the operation works inside is missing
// (the profile, its section, or the light item, custom lighting, DPI level, macro or step it edits);
// when the save failed. A false result leaves the file as it was.
//
// A file the store will not read (see XmlFileReader: not a plain file, too large, nested too deep,
// not parsing, no root element) is logged, kept on the list of refused files and left as it is.
//
// Profiles, macros and bound macros are named by their `index` attribute, passed as text. Text
// longer than its record field is cut to fit, at a UTF-8 character boundary.

#include "DeviceListRecords.h"
#include "XmlFoundNode.h"
#include "XmlRecords.h"

#include <QList>
#include <QObject>
#include <QStringList>

#include <functional>
#include <memory>
#include <mutex>

class XmlDocumentCache;

class xmlInterface : public QObject
{
    Q_OBJECT

public:
    xmlInterface();
    ~xmlInterface() override;

    // ---- Files the store would not read ----

    struct RefusedFile {
        QString path;
        QString reason;
        QString asidePath;  // set when the file was renamed to make room for a new one
    };
    // The files refused during the run, in the order they were met, each once; safe from any thread.
    QList<RefusedFile> refusedFiles() const;
    // A file that could not be read and was renamed (set aside) to asidePath.
    void noteSetAside(const QString &path, const QString &asidePath);
    // Where every refusal is written besides the debug output (the daily log); called from the
    // thread that met the file.
    void setLogWriter(std::function<void(const QString &line)> writer);

    // ---- Documents and lookups ----

    // Writes a fresh file: declaration (version 1.0, UTF-8) and an empty root `Parameters` with
    // `profileIndex` "1", replacing any file at the path.
    bool createXmlFile(const char *path);
    // The root child whose `index` equals the key, with its document; null when there is none.
    XmlFoundNode findNodeByValue(const char *path, const char *key);
    // Removes the root child whose `index` equals the key.
    bool deleteNodeByValue(const char *path, const char *key);
    // Sets `name` of the root child whose `index` equals the key.
    bool renameNode(const char *path, const char *key, const char *name);
    // For the root child whose `index` equals the key: its index as a number and the value of the
    // attribute after `index` (a macro's name). Unchanged record when nothing matches.
    void getNodeIndexName(const char *path, const char *key, NodeIndexName *info);

    // ---- Profiles ----

    int getProfileIndex(const char *path);
    bool setProfileIndex(const char *path, int index);
    // deviceType: 0 keyboard, 1 mouse.
    bool addProfileConfig(const char *path, const char *index, const char *name, const char *proFileAppName,
                          const char *proFileAppIco, int deviceType);
    // (index, name) of every root child, ascending by index read as a number; replaces the list.
    void getProfileList(const char *path, QList<IndexNameInfo> *list);
    void getProfileInfo(const char *path, const char *profileKey, ProfileConfigInfo *info);
    bool setProfileInfo(const char *path, const char *profileKey, const char *name, const char *proFileAppName,
                        const char *proFileAppIco);

    // ---- Key assignments ----

    bool addKeyMapItem(const char *path, const char *profileKey, const char *keyCode, const char *keyChar,
                       const char *operateType, const char *repeatNum, const char *mode, const char *Value);
    bool deleteKeyMapItem(const char *path, const char *profileKey, const char *keyCode);
    // Removes the key's item, if any, and appends the new one, in one save.
    bool replaceKeyMapItem(const char *path, const char *profileKey, const char *keyCode, const char *keyChar,
                           const char *operateType, const char *repeatNum, const char *mode, const char *Value);
    // Leaves the record as the caller preset it when the key has no assignment.
    void getKeyMapItems(const char *path, const char *profileKey, const char *keyCode, CustomKeyInfo *info);
    void getKeyMapCodes(const char *path, const char *profileKey, QStringList *codes);
    bool hasKeyMapItem(const char *path, const char *profileKey, const char *keyCode);
    // Keys bound to the macro; 0 without a `macro` section, -1 without root or profile.
    int getKeyMapValue(const char *path, const char *profileKey, const char *macroIndex);

    // ---- Bound macros ----

    bool addBindMacro(const char *path, const char *profileKey, const QList<MacroEventInfo> &steps,
                      const char *macroIndex, const char *name);
    bool deleteBindMacro(const char *path, const char *profileKey, const char *macroKey);
    void getBindMacroItems(const char *path, const char *profileKey, const char *macroKey,
                           QList<MacroEventInfo> *steps);

    // ---- Copies between files (the source file is never written) ----

    // Returns 1 when copied, 0 otherwise (no such profile, target without root, write failed).
    int exportProfile(const char *sourcePath, const char *targetPath, const char *profileKey, bool nextIndex);
    // A profile to export: the file it is in, its index, and whether its copy takes the index + 1.
    struct ExportedProfile {
        QByteArray sourcePath;
        QByteArray profileKey;
        bool nextIndex = false;
    };
    // Copies every profile into the target in one save: appended to what the file holds or, with
    // fresh set or no file at the path, into a new profile file (see createXmlFile). 1 when written;
    // 0 when a profile is missing, a file at the target is not read, or the save failed (then
    // nothing was written, no empty file either).
    int exportProfilesTo(const char *targetPath, const QList<ExportedProfile> &profiles, bool fresh);
    // A profile of a file made elsewhere, appended to the target under the target's highest index + 1.
    // Only what a profile holds is taken: a `config` element (anything else, a macro of a macro
    // library for one, is refused) with the elements and attributes the program reads and writes;
    // the rest is dropped, and its name loses control and format characters. 0 when refused, when
    // the index cannot grow, or when the result would not fit the store's bounds.
    int importProfile(const char *targetPath, const char *sourcePath, const char *profileKey);
    // The same for the on-board import, the copy taking the given index.
    bool importProfileWithIndex(const char *targetPath, int index, const char *sourcePath, const char *profileKey);
    bool copyProfileWithIndex(const char *targetPath, int index, const char *sourcePath, const char *profileKey);
    // The target's profile of this index becomes a copy of the source's profile of the same index,
    // moved to the end of the file, in one save. False when either file lacks the profile.
    bool replaceProfile(const char *targetPath, const char *sourcePath, const char *profileKey);

    // ---- Lighting; zone 0 to 2 selects `light0` to `light2` ----

    bool addLightItem(const char *path, const char *profileKey, colorInfoData data);
    bool getLightItem(const char *path, const char *profileKey, int zone, int ledType, colorInfoData *data);
    bool modifyLightItem(const char *path, const char *profileKey, int zone, int ledType, colorInfoData data);
    bool hasLightItem(const char *path, const char *profileKey, int zone, int ledType);
    bool setLightItemSwitch(const char *path, const char *profileKey, int zone, int ledType, int onOff);
    int getLightSwitch(const char *path, const char *profileKey);
    bool setLightSwitch(const char *path, const char *profileKey, int value);
    int getSynchronizeStatus(const char *path, const char *profileKey);
    bool setSynchronizeStatus(const char *path, const char *profileKey, int value);
    int getLightUsingIndex(const char *path, const char *profileKey, int zone);
    bool setLightUsingIndex(const char *path, const char *profileKey, int zone, int value);
    int getLinkStatus(const char *path, const char *profileKey, int zone);
    bool setLinkStatus(const char *path, const char *profileKey, int zone, int value);

    // ---- Colour swatches ----

    bool addCustomColor(const char *path, const char *profileKey, CustomColorInfo color);
    void getCustomColors(const char *path, const char *profileKey, QList<CustomColorInfo> *colors);
    bool deleteCustomColor(const char *path, const char *profileKey, const char *index);

    // ---- Custom per-key lightings ----

    bool addCustomLed(const char *path, const char *profileKey, const char *index, const char *name,
                      const char *isUsing, int usingFlagIndex);
    bool addCustomLedItems(const char *path, const char *profileKey, const char *ledIndex, CustomLedItemInfo item);
    void getCustomLeds(const char *path, const char *profileKey, QList<CustomLedInfo> *leds);
    void getCustomLedItems(const char *path, const char *profileKey, const char *ledIndex,
                           QList<CustomLedItemInfo> *items);
    bool renameCustomLed(const char *path, const char *profileKey, const char *ledIndex, const char *name);
    bool setCustomLedUsing(const char *path, const char *profileKey, const char *ledIndex, const char *isUsing,
                           int usingFlagIndex);
    // Index of the first custom lighting in use (flag 0 or 1); -1 when there is none.
    int findCustomLedByFlag(const char *path, const char *profileKey);
    // Removes the keys of the custom lighting; the lighting itself stays.
    bool deleteCustomLed(const char *path, const char *profileKey, const char *ledIndex);

    // ---- DPI levels ----

    // The writers return whether the file now holds the change.
    bool setDpiUsingIndex(const char *path, const char *profileKey, int level);
    bool updateDpiUsingIndex(const char *path, const char *profileKey, int level);
    int getDpiUsingIndex(const char *path, const char *profileKey);
    bool addDpiItem(const char *path, const char *profileKey, DpiItemInfo item);
    void getDpiItems(const char *path, const char *profileKey, QList<DpiItemInfo> *items);
    // Rewrites the first item of level index.
    bool modifyDpiItem(const char *path, const char *profileKey, int index, DpiItemInfo item);

    // ---- Function switches; n 0 to 3 names feature1 to feature4 ----

    bool setFunctionSetting(const char *path, const char *profileKey, const char *feature1, const char *feature2,
                            const char *feature3, const char *feature4);
    void getFunctionSetting(const char *path, const char *profileKey, FunctionSetting *setting);
    int getFeature(const char *path, const char *profileKey, int n);
    bool setFeature(const char *path, const char *profileKey, int n, int value);

    // ---- Macro library; a step bears a mark when any of its attributes equals it ----

    bool addMacroNode(const char *path, const char *index, const char *name);
    // A new macro with its steps, in one save; false (nothing written) when the index is taken.
    bool addMacroWithItems(const char *path, const char *index, const char *name, const QList<MacroEventInfo> &steps);
    // A new macro file (see createXmlFile) holding this one macro, written in place of any file
    // at the path in one step.
    bool writeMacroFile(const char *path, const char *index, const char *name, const QList<MacroEventInfo> &steps);
    bool addMacroItems(const char *path, const QList<MacroEventInfo> &steps, const char *macroKey);
    void getMacroList(const char *path, QList<IndexNameInfo> *list);
    void getMacroItems(const char *path, const char *macroKey, QList<MacroEventInfo> *steps);
    bool deleteMacroItemsContaining(const char *path, const char *macroKey, const char *pattern);
    // skipFirst 1 changes the second step bearing the mark.
    bool modifyMacroItem(const char *path, const char *macroKey, const char *mark, int skipFirst, MacroEventInfo step);
    // up: 1 up, 0 down; second 1 moves the second step bearing the mark.
    bool moveMacroItem(const char *path, const char *macroKey, const char *mark, int up, int second);
    // Removes the steps whose `mark` is exactly the mark (an empty mark removes nothing).
    bool deleteMacroItemsWithMark(const char *path, const char *macroKey, const char *mark);
    // The macro's steps become these, in order, in one save; the macro keeps its place and name.
    bool replaceMacroItems(const char *path, const char *macroKey, const QList<MacroEventInfo> &steps);
    // The name of the file's root element; empty when the file is missing or does not parse.
    QString rootElementName(const char *path);

    // ---- Device lists and default custom lightings (read only) ----

    void readHidList(const char *path, QList<HidListInfo> *list);
    void readHidSupportList(const char *path, QList<SupportHidInfo> *list);
    void getDefaultCustomLedItems(const char *path, const char *ledIndex, QList<CustomLedItemInfo> *items);

signals:
    // A file joined the list of refused files; emitted from the thread that met it, possibly while
    // an edit of the store waits: connect queued when the receiver uses the store.
    void sigFileRefused(QString path);

private:
    void addRefused(const RefusedFile &file);

    std::unique_ptr<XmlDocumentCache> m_cache;
    mutable std::mutex m_refusedMutex;  // guards m_refused and m_logWriter
    QList<RefusedFile> m_refused;
    std::function<void(const QString &line)> m_logWriter;
};
