// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rows of the macro page's macro list, built only where they can be seen. The list keeps
// each macro's index and name; a row widget (DMacroListItem) exists only for the macros in and
// near the scroll area's view, placed at its macro's height inside the scroll area's contents,
// and is built as it scrolls into view and let go when it is far out of it. A row whose name is
// being edited or whose operation popup is open stays with its macro. So a library of any size
// costs a few dozen widgets, and the list's own memory is the two texts a macro (as UTF-8, one
// block for the whole list, and an offset).

#include "XmlRecords.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QObject>
#include <QString>
#include <QVector>

#include <functional>

class DMacroListItem;
class QScrollArea;
class QWidget;

class MacroListRows : public QObject
{
    Q_OBJECT
public:
    // Builds a row for a macro: the row is made, connected and told its library by the caller.
    using RowMaker = std::function<DMacroListItem *(QWidget *contents)>;

    MacroListRows(QScrollArea *area, RowMaker maker, QObject *parent = nullptr);
    ~MacroListRows() override;

    // The list becomes these macros, in this order; every row is built anew.
    void setMacros(const QList<IndexNameInfo> &macros);
    void clear();
    int count() const;
    bool isEmpty() const;
    // Position of the macro with this index, -1 when it is not listed.
    int positionOf(const QString &index) const;
    QString indexAt(int position) const;
    QString nameAt(int position) const;
    // A macro left the library / took a new name.
    void remove(const QString &index);
    void rename(const QString &index, const QString &name);

    // The macro shown with the selected look (none when empty or not listed).
    void setCurrent(const QString &index);
    QString current() const;

    // Every row is built again (a new theme): the list itself stays.
    void rebuildRows();
    // The rows built now, in list order.
    QList<DMacroListItem *> builtRows() const;
    // Scrolls the list so that this macro's row is in view (and so built).
    void ensureVisible(const QString &index);

    // The height of one row, fixed by its form.
    static constexpr int kRowHeight = 45;
    // Rows built beyond the view on each side, and the least a view counts before it is laid out.
    static constexpr int kMargin = 4;
    static constexpr int kLeastInView = 16;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void updateRows();
    void dropRow(int position);
    bool isPinned(const DMacroListItem *row) const;
    void placeRow(DMacroListItem *row, int position) const;
    const char *indexBytes(int position) const;
    const char *nameBytes(int position) const;
    int entryLength(int position) const;

    QScrollArea *m_area = nullptr;
    QWidget *m_contents = nullptr;
    RowMaker m_maker;
    // Each macro's index and name, each ending in a zero byte, one after the other; m_starts[i]
    // is where macro i begins.
    QByteArray m_text;
    QVector<quint32> m_starts;
    QMap<int, DMacroListItem *> m_rows;  // built rows by list position
    QString m_current;
};
