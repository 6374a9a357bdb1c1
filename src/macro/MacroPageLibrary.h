// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The macro library's operations on the macro page: adding a macro, deleting one, clearing the
// current one's events, importing a macro file and exporting a macro. Each reports its outcome
// with the page's notice; the list is read back from the library after a change.

#include <QString>

class DMacroPage;

class MacroPageLibrary
{
public:
    explicit MacroPageLibrary(DMacroPage *page);

    void addMacro();
    // The row whose Delete was chosen; a row not on the page is ignored.
    void deleteMacro(const QString &strMacroIndex, const QString &strMacroName);
    void clearCurrentMacro();
    bool importFile(const QString &path);
    bool exportMacro(const QString &index, const QString &name, const QString &folder);

private:
    DMacroPage *p;
};
