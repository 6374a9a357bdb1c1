// SPDX-License-Identifier: GPL-3.0-or-later
#include "MacroListRows.h"

#include "ArrowWidget.h"
#include "DMacroListItem.h"
#include "RecordText.h"

#include <QEvent>
#include <QScrollArea>
#include <QScrollBar>

#include <algorithm>
#include <cstring>

MacroListRows::MacroListRows(QScrollArea *area, RowMaker maker, QObject *parent)
    : QObject(parent)
    , m_area(area)
    , m_contents(area->widget())
    , m_maker(std::move(maker))
{
    m_contents->installEventFilter(this);
    m_area->viewport()->installEventFilter(this);
    connect(m_area->verticalScrollBar(), &QScrollBar::valueChanged, this, &MacroListRows::updateRows);
}

MacroListRows::~MacroListRows() = default;

void MacroListRows::setMacros(const QList<IndexNameInfo> &macros)
{
    clear();
    m_starts.reserve(macros.size());
    for (const IndexNameInfo &macro : macros) {
        m_starts.append(quint32(m_text.size()));
        m_text.append(recordText(macro.index));
        m_text.append('\0');
        m_text.append(recordText(macro.name));
        m_text.append('\0');
    }
    m_text.squeeze();
    m_contents->setMinimumHeight(count() * kRowHeight);
    updateRows();
}

void MacroListRows::clear()
{
    const QList<int> built = m_rows.keys();
    for (const int position : built) {
        DMacroListItem *row = m_rows.take(position);
        row->hide();
        row->deleteLater();
    }
    m_text = QByteArray();
    m_starts = QVector<quint32>();
    m_contents->setMinimumHeight(0);
}

int MacroListRows::count() const
{
    return m_starts.size();
}

bool MacroListRows::isEmpty() const
{
    return m_starts.isEmpty();
}

const char *MacroListRows::indexBytes(int position) const
{
    return m_text.constData() + m_starts.at(position);
}

const char *MacroListRows::nameBytes(int position) const
{
    const char *index = indexBytes(position);
    return index + std::strlen(index) + 1;
}

int MacroListRows::entryLength(int position) const
{
    const quint32 end = position + 1 < m_starts.size() ? m_starts.at(position + 1) : quint32(m_text.size());
    return int(end - m_starts.at(position));
}

int MacroListRows::positionOf(const QString &index) const
{
    const QByteArray key = index.toUtf8();
    for (int i = 0; i < m_starts.size(); ++i) {
        if (std::strcmp(indexBytes(i), key.constData()) == 0)
            return i;
    }
    return -1;
}

QString MacroListRows::indexAt(int position) const
{
    return position >= 0 && position < count() ? QString::fromUtf8(indexBytes(position)) : QString();
}

QString MacroListRows::nameAt(int position) const
{
    return position >= 0 && position < count() ? QString::fromUtf8(nameBytes(position)) : QString();
}

void MacroListRows::remove(const QString &index)
{
    const int gone = positionOf(index);
    if (gone < 0)
        return;
    const int length = entryLength(gone);
    m_text.remove(int(m_starts.at(gone)), length);
    m_starts.remove(gone);
    for (int i = gone; i < m_starts.size(); ++i)
        m_starts[i] -= quint32(length);
    // The rows below move up one place.
    QMap<int, DMacroListItem *> moved;
    for (auto it = m_rows.cbegin(); it != m_rows.cend(); ++it) {
        if (it.key() == gone) {
            it.value()->hide();
            it.value()->deleteLater();
        } else {
            const int position = it.key() > gone ? it.key() - 1 : it.key();
            moved.insert(position, it.value());
            placeRow(it.value(), position);
        }
    }
    m_rows = moved;
    m_contents->setMinimumHeight(count() * kRowHeight);
    updateRows();
}

void MacroListRows::rename(const QString &index, const QString &name)
{
    const int position = positionOf(index);
    if (position < 0)
        return;
    const QByteArray entry = QByteArray(indexBytes(position)) + '\0' + name.toUtf8() + '\0';
    const int length = entryLength(position);
    m_text.replace(int(m_starts.at(position)), length, entry);
    const qint64 grown = qint64(entry.size()) - length;
    for (int i = position + 1; i < m_starts.size(); ++i)
        m_starts[i] = quint32(qint64(m_starts.at(i)) + grown);
}

void MacroListRows::setCurrent(const QString &index)
{
    m_current = index;
    for (DMacroListItem *row : qAsConst(m_rows))
        row->setSelected(!m_current.isEmpty() && row->index() == m_current);
}

void MacroListRows::rebuildRows()
{
    const QList<int> built = m_rows.keys();
    for (const int position : built)
        dropRow(position);
    updateRows();
}

QString MacroListRows::current() const
{
    return m_current;
}

QList<DMacroListItem *> MacroListRows::builtRows() const
{
    return m_rows.values();
}

void MacroListRows::ensureVisible(const QString &index)
{
    const int position = positionOf(index);
    if (position >= 0)
        m_area->ensureVisible(0, position * kRowHeight + kRowHeight / 2, 0, kRowHeight / 2);
}

bool MacroListRows::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize) {
        if (watched == m_contents) {
            for (auto it = m_rows.cbegin(); it != m_rows.cend(); ++it)
                placeRow(it.value(), it.key());
        } else {
            updateRows();
        }
    }
    return QObject::eventFilter(watched, event);
}

// Builds the rows in and near the view and lets go of the others.
void MacroListRows::updateRows()
{
    const int inView = std::max(kLeastInView, m_area->viewport()->height() / kRowHeight + 2);
    const int top = m_area->verticalScrollBar()->value() / kRowHeight;
    const int first = std::max(0, top - kMargin);
    const int last = std::min(count() - 1, top + inView + kMargin);

    const QList<int> built = m_rows.keys();
    for (const int position : built) {
        if ((position < first || position > last) && !isPinned(m_rows.value(position)))
            dropRow(position);
    }
    for (int position = first; position <= last; ++position) {
        if (m_rows.contains(position))
            continue;
        DMacroListItem *row = m_maker(m_contents);
        const QString index = indexAt(position);
        row->setIndexAndName(index, nameAt(position));
        row->setSelected(!m_current.isEmpty() && index == m_current);
        placeRow(row, position);
        row->show();
        m_rows.insert(position, row);
    }
}

void MacroListRows::dropRow(int position)
{
    DMacroListItem *row = m_rows.take(position);
    if (!row)
        return;
    row->hide();
    row->deleteLater();
}

// A row in the middle of an edit or with its popup open keeps its macro until that is over.
bool MacroListRows::isPinned(const DMacroListItem *row) const
{
    const ArrowWidget *popup = row->operationPopup();
    return row->isEditing() || (popup && popup->isVisible());
}

void MacroListRows::placeRow(DMacroListItem *row, int position) const
{
    row->setGeometry(0, position * kRowHeight, m_contents->width(), kRowHeight);
}
