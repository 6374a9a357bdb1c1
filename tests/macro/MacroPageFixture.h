// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A macro page on a library in a temporary folder, with the stand-in input hook: macros are
// written into the library as a test needs them, recorded keys and clicks typed into the hook,
// and the library read back as "mark|delay|type|keyCode|codeName|operateExplain" lines.

#include "DCatchKeyAndMouseItem.h"
#include "DMacroPage.h"
#include "FakeInputHook.h"
#include "InputHookFactory.h"
#include "RecordText.h"
#include "xmlInterface.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace macrotest {

inline MacroEventInfo step(const char *mark, int delay, const char *type, int code, const char *name,
                           const char *explain)
{
    MacroEventInfo s;
    setRecordText(s.mark, mark);
    setRecordText(s.delay, QByteArray::number(delay));
    setRecordText(s.type, type);
    setRecordText(s.keyCode, QByteArray::number(code));
    setRecordText(s.codeName, name);
    setRecordText(s.operateExplain, explain);
    return s;
}

inline QString line(const MacroEventInfo &s)
{
    return QStringList{QString::fromLatin1(recordText(s.mark)),   QString::fromLatin1(recordText(s.delay)),
                       QString::fromLatin1(recordText(s.type)),   QString::fromLatin1(recordText(s.keyCode)),
                       QString::fromUtf8(recordText(s.codeName)), QString::fromLatin1(recordText(s.operateExplain))}
        .join(QLatin1Char('|'));
}

struct Fixture {
    QTemporaryDir dir;
    QByteArray library;
    xmlInterface xml;
    FakeInputHook *hook = nullptr;
    std::unique_ptr<DMacroPage> page;

    explicit Fixture(bool withMacro = true)
    {
        InputHookFactory::setMaker([this] { return hook = new FakeInputHook; });
        library = QFile::encodeName(dir.filePath(QStringLiteral("brivexMacro.xml")));
        if (!xml.createXmlFile(library))
            qFatal("cannot write the macro library");
        if (withMacro)
            addMacro("1", "Jump", {});
        page = std::make_unique<DMacroPage>();
        page->setMacroXml(library.constData(), &xml);
        page->setDefaultFolder(dir.path());
        page->setPageCurrent(true);
        page->loadMacroList();
    }
    ~Fixture()
    {
        page.reset();
        InputHookFactory::setMaker({});
    }

    void addMacro(const char *index, const char *name, const QList<MacroEventInfo> &steps)
    {
        if (!xml.addMacroNode(library, index, name) || !xml.addMacroItems(library, steps, index))
            qFatal("cannot write the macro library");
    }

    // The macro's items as lines.
    QStringList stored(const char *index = "1")
    {
        QList<MacroEventInfo> steps;
        xml.getMacroItems(library, index, &steps);
        QStringList lines;
        for (const MacroEventInfo &s : steps)
            lines << line(s);
        return lines;
    }

    // The rows on screen as lines.
    QStringList shown() const
    {
        QStringList lines;
        for (DCatchKeyAndMouseItem *row : page->eventRows())
            lines << QStringList{row->getMark(),    row->getDelay(),    row->getType(),
                                 row->getKeyCode(), row->getCodeName(), row->getOperateExplain()}
                         .join(QLatin1Char('|'));
        return lines;
    }

    // Starts a recording and checks the hook runs.
    bool record()
    {
        page->toggleRecording();
        return page->isRecording() && hook && hook->running;
    }
};

// A column of lines: the field at place n (0 mark, 1 delay, 2 type, 3 code, 4 name, 5 explain).
inline QStringList column(const QStringList &lines, int n)
{
    QStringList values;
    for (const QString &l : lines)
        values << l.section(QLatin1Char('|'), n, n);
    return values;
}

}  // namespace macrotest
