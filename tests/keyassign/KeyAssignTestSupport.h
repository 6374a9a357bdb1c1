#pragma once
// Shared by the key-assignment page tests: a profile file with two profiles and a macro library
// in a temporary folder, pages prepared the way the device page prepares them, and readers of
// what the profile file holds.

#include "DKeyAssignPage.h"
#include "xmlInterface.h"

#include <QAbstractButton>
#include <QFile>
#include <QSignalSpy>
#include <QStringList>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace keytest {

inline MacroEventInfo step(const char *mark, int keyCode, const char *explain, int delay)
{
    MacroEventInfo s;
    qstrncpy(s.mark, mark, sizeof s.mark);
    qstrncpy(s.delay, QByteArray::number(delay).constData(), sizeof s.delay);
    qstrncpy(s.type, "key", sizeof s.type);
    qstrncpy(s.keyCode, QByteArray::number(keyCode).constData(), sizeof s.keyCode);
    qstrncpy(s.codeName, "K", sizeof s.codeName);
    qstrncpy(s.operateExplain, explain, sizeof s.operateExplain);
    return s;
}

// A profile file with profiles 1 and 2 and a library with macros 1 ("Alpha", A down and up),
// 4 ("Four", B then C) and 5 ("Five", D).
struct Fixture {
    QTemporaryDir dir;
    QByteArray profile;
    QByteArray library;
    xmlInterface xml;

    Fixture()
    {
        profile = QFile::encodeName(dir.filePath("brivexProFile.xml"));
        library = QFile::encodeName(dir.filePath("brivexMacro.xml"));
        if (!xml.createXmlFile(profile) || !xml.addProfileConfig(profile, "1", "One", "", "", 0)
            || !xml.addProfileConfig(profile, "2", "Two", "", "", 0) || !xml.createXmlFile(library))
            qFatal("cannot write the fixture files");
        addMacro("1", "Alpha", {step("1", 4, "down", 0), step("1", 4, "up", 30)});
        addMacro("4", "Four", {step("2", 5, "down", 0), step("2", 5, "up", 10), step("3", 6, "down", 20)});
        addMacro("5", "Five", {step("4", 7, "down", 0)});
    }

    void addMacro(const char *index, const char *name, const QList<MacroEventInfo> &steps)
    {
        if (!xml.addMacroNode(library, index, name) || !xml.addMacroItems(library, steps, index))
            qFatal("cannot write the macro library");
    }

    // Stores an item as another page would: "code:operateType:Value[:mode[:repeatNum]]".
    void store(int profileIndex, const QString &binding)
    {
        const QStringList f = binding.split(QLatin1Char(':'));
        if (!xml.replaceKeyMapItem(profile, QByteArray::number(profileIndex), f.value(0).toUtf8(), "key",
                                   f.value(1).toUtf8(), f.value(4, "1").toUtf8(), f.value(3, "1").toUtf8(),
                                   f.value(2).toUtf8()))
            qFatal("cannot store a key item");
    }

    // The six fields of the key's item; empty when it has none.
    QStringList record(int keyCode, int profileIndex = 1)
    {
        xmlInterface reader;
        CustomKeyInfo info;
        qstrncpy(info.keyCode, "-1", sizeof info.keyCode);
        reader.getKeyMapItems(profile, QByteArray::number(profileIndex), QByteArray::number(keyCode), &info);
        if (qstrcmp(info.keyCode, "-1") == 0)
            return {};
        return {info.keyCode, QString::fromUtf8(info.keyChar), info.operateType, info.repeatNum,
                info.mode,    QString::fromUtf8(info.Value)};
    }

    QStringList keyCodes(int profileIndex = 1)
    {
        xmlInterface reader;
        QStringList codes;
        reader.getKeyMapCodes(profile, QByteArray::number(profileIndex), &codes);
        return codes;
    }

    // The steps of the profile's copy of a macro as "keyCode/operateExplain/delay"; empty
    // without a copy.
    QStringList copy(int macroIndex, int profileIndex = 1)
    {
        xmlInterface reader;
        QList<MacroEventInfo> steps;
        reader.getBindMacroItems(profile, QByteArray::number(profileIndex), QByteArray::number(macroIndex), &steps);
        QStringList list;
        for (const MacroEventInfo &s : steps)
            list << QStringLiteral("%1/%2/%3").arg(s.keyCode, s.operateExplain, s.delay);
        return list;
    }

    // Whether the profile file holds a copy named after the macro.
    bool hasCopy(int macroIndex) { return readAll().contains("name=\"Macro" + QByteArray::number(macroIndex) + '"'); }

    QByteArray readAll()
    {
        QFile file(QFile::decodeName(profile));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Hands the page a key the way the device page does, then loads it.
    void prepare(DKeyAssignPage *page, int keyCode, const QString &keyName = QStringLiteral("A"), int profileIndex = 1)
    {
        page->setInterfaces(nullptr, &xml);
        page->setCurrentKey({keyCode, keyName});
        page->setFilePaths(library, profile);
        page->setProfileIndex(profileIndex);
        page->loadCustomKeyInfo();
    }
};

// The three signals a save ends with.
struct Signals {
    QSignalSpy update;
    QSignalSpy saved;
    QSignalSpy failed;
    explicit Signals(DKeyAssignPage *page)
        : update(page, &DKeyAssignPage::sigShoudUpdateKeyboard)
        , saved(page, &DKeyAssignPage::sigCustomKeyInfoSaveSuccessful)
        , failed(page, &DKeyAssignPage::sigCustomKeyInfoSaveFailed)
    {
    }
    int total() const { return update.count() + saved.count() + failed.count(); }
};

template <class T = QAbstractButton>
T *child(QWidget *page, const char *name)
{
    T *widget = page->findChild<T *>(QLatin1String(name));
    if (!widget)
        qFatal("no widget %s", name);
    return widget;
}

inline void click(QWidget *page, const char *name)
{
    child<QAbstractButton>(page, name)->click();
}

}  // namespace keytest
