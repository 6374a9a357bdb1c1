// SPDX-License-Identifier: GPL-3.0-or-later
#include "MacroPageLibrary.h"

#include "DMacroPage.h"
#include "ui_DMacroPage.h"

#include "DMacroListItem.h"
#include "ExportFileName.h"
#include "LogCategories.h"
#include "MacroEventWords.h"
#include "MacroImportFile.h"
#include "MacroListRows.h"
#include "RecordText.h"
#include "xmlInterface.h"

#include <QFile>
#include <QFileInfo>

using namespace macrowords;

MacroPageLibrary::MacroPageLibrary(DMacroPage *page)
    : p(page)
{
}

void MacroPageLibrary::addMacro()
{
    const QList<IndexNameInfo> macros = p->macroList();
    int index = 1;
    for (const IndexNameInfo &macro : macros) {
        const int existing = recordText(macro.index).toInt();
        if (existing == index)
            ++index;
        else if (existing > index)
            break;
    }
    const QByteArray indexText = QByteArray::number(index);
    const QByteArray name = QStringLiteral("Macro%1").arg(index).toUtf8();
    if (!p->hasLibrary()
        || !p->m_xml->addMacroNode(p->m_macroXmlPath.constData(), indexText.constData(), name.constData())) {
        qCWarning(lcMacro) << "A macro could not be added to" << p->m_macroXmlPath;
        p->showNotice(DMacroPage::tr("Add macro failed"));
        p->loadMacroList();
        return;
    }
    p->loadMacroList();
    p->showNotice(DMacroPage::tr("Add macro successful"));
}

void MacroPageLibrary::deleteMacro(const QString &strMacroIndex, const QString &strMacroName)
{
    Q_UNUSED(strMacroName)
    if (p->m_recording)
        return;
    if (p->m_macroRows->positionOf(strMacroIndex) < 0)
        return;
    const QByteArray key = strMacroIndex.toUtf8();
    if (!p->hasLibrary() || !p->m_xml->deleteNodeByValue(p->m_macroXmlPath.constData(), key.constData())) {
        qCWarning(lcMacro) << "The macro" << strMacroIndex << "could not be deleted from" << p->m_macroXmlPath;
        p->showNotice(DMacroPage::tr("Delete macro failed"));
        p->loadMacroList();
        return;
    }
    p->m_macroRows->remove(strMacroIndex);
    p->showNotice(DMacroPage::tr("Delete macro successful"));
    if (strMacroIndex != p->m_curMacroIndex)
        return;
    p->m_macroRows->setCurrent(QString());
    if (p->m_macroRows->isEmpty()) {
        // No macro is left to be current: nothing may bring the deleted one back.
        p->m_curMacroIndex.clear();
        p->m_curMacroName.clear();
        p->clearEventRows();
        p->m_CatchKeyAndMouseItemList.clear();
        p->clearRowSelection();
        p->m_totalTime = 0;
        p->m_recordMacroListDownOperateNum = 0;
        p->showTotalTime();
        p->ui->stackedWidget_2->setCurrentWidget(p->ui->page_isEmpty);
        return;
    }
    // The list is in the library's order: its first macro is the lowest index left.
    p->m_selectFirstMacro = true;
    p->onMacroItemMouseClicked(p->m_macroRows->indexAt(0), p->m_macroRows->nameAt(0));
}

void MacroPageLibrary::clearCurrentMacro()
{
    if (p->m_curMacroName.isEmpty() || p->m_curMacroIndex.isEmpty()) {
        p->showNotice(DMacroPage::tr("Please select a macro first"));
        return;
    }
    p->clearEventRows();
    p->m_CatchKeyAndMouseItemList.clear();
    if (!p->rewriteCurrentMacro()) {
        p->showNotice(DMacroPage::tr("Clear record macro failed"));
        p->reloadCurrentMacro();
        return;
    }
    p->clearRowSelection();
    p->m_totalTime = 0;
    p->showTotalTime();
    p->ui->stackedWidget_2->setCurrentWidget(p->ui->page_isEmpty);
    p->showNotice(DMacroPage::tr("Clear record macro successful"));
    p->emitMacroListChanged();
    p->m_recordMacroListDownOperateNum = 0;
}

bool MacroPageLibrary::importFile(const QString &path)
{
    MacroImportFile file;
    if (!p->hasLibrary() || !file.read(*p->m_xml, path, DMacroPage::kMaxImportRows, DMacroPage::kMaxImportBytes)) {
        p->showNotice(DMacroPage::tr("Import macro failed"));
        return false;
    }
    int index = 0;
    if (!MacroImportFile::nextIndex(p->macroList(), &index)) {
        p->showNotice(DMacroPage::tr("Import macro failed"));
        return false;
    }
    const QByteArray indexText = QByteArray::number(index);
    const QByteArray name = MacroImportFile::macroName(QFileInfo(path).fileName(), index).toUtf8();
    const QList<MacroEventInfo> events = MacroImportFile::cleaned(file.events(), &DMacroPage::createEventMark);
    if (events.isEmpty() && !file.events().isEmpty()) {
        qCWarning(lcMacro) << "Import refused: no event of" << path << "is one a macro can hold";
        p->showNotice(DMacroPage::tr("Import macro failed"));
        return false;
    }
    // One save: the macro and its events go in together, and never onto an index in use.
    const bool stored =
        p->m_xml->addMacroWithItems(p->m_macroXmlPath.constData(), indexText.constData(), name.constData(), events);
    p->loadMacroList();
    if (!stored) {
        qCWarning(lcMacro) << "The imported macro could not be stored in" << p->m_macroXmlPath;
        p->showNotice(DMacroPage::tr("Import macro failed"));
        return false;
    }
    p->showNotice(DMacroPage::tr("Import macro successful"));
    return true;
}

bool MacroPageLibrary::exportMacro(const QString &index, const QString &name, const QString &folder)
{
    const QString path =
        ExportFileName::pathIn(folder, ExportFileName::baseName(name, QStringLiteral("Macro") + index), ".xml");
    QList<MacroEventInfo> events;
    const QByteArray key = index.toUtf8();
    if (p->hasLibrary())
        p->m_xml->getMacroItems(p->m_macroXmlPath.constData(), key.constData(), &events);
    // The store writes the whole file under a name of its own and renames it over the target.
    const QByteArray target = QFile::encodeName(path);
    const QByteArray nameText = name.toUtf8();
    const bool written = !path.isEmpty() && p->hasLibrary()
                         && p->m_xml->writeMacroFile(target.constData(), key.constData(), nameText.constData(), events);
    if (!written) {
        qCWarning(lcMacro) << "The macro" << index << "could not be exported into" << folder;
        p->showNotice(DMacroPage::tr("Export macro failed"));
        return false;
    }
    p->showNotice(DMacroPage::tr("Export macro successful"));
    return true;
}
