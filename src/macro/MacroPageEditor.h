// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Editing the events of the macro page's current macro: deleting an event with its partner,
// inserting a key or click pair, changing the selected event, and moving it one place. Each change
// is written to the library; a write the store refuses is reported and the rows are read again.

class DCatchKeyAndMouseItem;
class DMacroPage;

class MacroPageEditor
{
public:
    explicit MacroPageEditor(DMacroPage *page);

    // The event row whose delete button was pressed (with its partner); a row not on the page is ignored.
    void deleteEvent(DCatchKeyAndMouseItem *row);
    void insertEvent();
    void modifyEvent();
    // Moves the highlighted row one place, on screen by its place and in the file by its mark.
    void moveSelectedRow(bool up);

private:
    DMacroPage *p;
};
