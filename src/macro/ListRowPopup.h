// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The operation popup of a list row (a macro of the macro list, a PC profile): an up-arrow
// ArrowWidget, child of the row, with the row's menu as its content, its arrow under the row's
// operation button. Each opening builds a new popup and deletes the one before, so a row holds
// at most one.

#include <QPoint>
#include <QPointer>
#include <QSize>

class ArrowWidget;
class QWidget;

class ListRowPopup
{
public:
    ListRowPopup() = default;
    ListRowPopup(const ListRowPopup &) = delete;
    ListRowPopup &operator=(const ListRowPopup &) = delete;

    // Puts the menu into a new popup of the given size and shows it at the global position of
    // pointInButton inside button, less shift. The popup's arrow is at x 93, so its tip (7 pixels
    // further) is centred under the button when shift.x() is 100.
    ArrowWidget *open(QWidget *row, QWidget *menu, QWidget *button, QSize size, QPoint pointInButton, QPoint shift);
    void hide();
    // The popup last opened, null before the first and after its row is gone.
    ArrowWidget *popup() const;

private:
    QPointer<ArrowWidget> m_popup;
};
