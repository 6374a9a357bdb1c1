// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Editing the events of the macro page's current macro: deleting an event with its partner,
// inserting a key or click pair, changing the selected event, and moving it one place. Each change
// is written to the library; a write the store refuses is reported and the rows are read again.

#include <QString>

class DCatchKeyAndMouseItem;
class DMacroPage;

class MacroPageEditor
{
public:
    explicit MacroPageEditor(DMacroPage *page);

    // A click on an event row: the row and its partner are highlighted and the property panel
    // shows the event. A click from no row is ignored.
    void selectEvent(DCatchKeyAndMouseItem *row, const QString &delay, const QString &type, const QString &keyCode,
                     const QString &codeName, const QString &operateExplain);
    // The pointer over an event row lights its partner; leaving it puts the light out.
    void onMouseEnter(const QString &selectMark, const QString &selectOperateExplain);
    void onMouseLeave(const QString &selectMark, const QString &selectOperateExplain);
    // The event row whose delete button was pressed (with its partner); a row not on the page is ignored.
    void deleteEvent(DCatchKeyAndMouseItem *row);
    void insertEvent();
    void modifyEvent();
    // Moves the highlighted row one place, on screen by its place and in the file by its mark.
    void moveSelectedRow(bool up);

private:
    DMacroPage *p;
};
