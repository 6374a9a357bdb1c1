// SPDX-License-Identifier: GPL-3.0-or-later
#include "FlowLayout.h"

#include <QApplication>
#include <QWidget>

FlowLayout::FlowLayout(QWidget *parent, int margin, int hSpacing, int vSpacing)
    : QLayout(parent)
    , m_hSpace(hSpacing)
    , m_vSpace(vSpacing)
{
    setContentsMargins(margin, margin, margin, margin);
}

FlowLayout::~FlowLayout()
{
    while (QLayoutItem *item = takeAt(0))
        delete item;
}

void FlowLayout::addItem(QLayoutItem *item)
{
    m_items.append(item);
}

QLayoutItem *FlowLayout::itemAt(int index) const
{
    return m_items.value(index, nullptr);
}

QLayoutItem *FlowLayout::takeAt(int index)
{
    if (index < 0 || index >= m_items.size())
        return nullptr;
    return m_items.takeAt(index);
}

int FlowLayout::count() const
{
    return m_items.size();
}

QSize FlowLayout::sizeHint() const
{
    return minimumSize();
}

QSize FlowLayout::minimumSize() const
{
    QSize size;
    for (const QLayoutItem *item : m_items)
        size = size.expandedTo(item->minimumSize());

    // The uniform margin, or -1 when the four margins differ.
    int left = 0, top = 0, right = 0, bottom = 0;
    getContentsMargins(&left, &top, &right, &bottom);
    const int margin = (left == top && top == right && right == bottom) ? left : -1;
    size += QSize(2 * margin, 2 * margin);
    return size;
}

Qt::Orientations FlowLayout::expandingDirections() const
{
    return {};
}

void FlowLayout::setGeometry(const QRect &rect)
{
    QLayout::setGeometry(rect);
    placeItems(rect, false);
}

bool FlowLayout::hasHeightForWidth() const
{
    return true;
}

int FlowLayout::heightForWidth(int width) const
{
    return placeItems(QRect(0, 0, width, 0), true);
}

int FlowLayout::horizontalSpacing() const
{
    if (m_hSpace >= 0)
        return m_hSpace;
    return smartSpacing(QStyle::PM_LayoutHorizontalSpacing);
}

int FlowLayout::verticalSpacing() const
{
    if (m_vSpace >= 0)
        return m_vSpace;
    return smartSpacing(QStyle::PM_LayoutVerticalSpacing);
}

int FlowLayout::smartSpacing(QStyle::PixelMetric pm) const
{
    QObject *owner = parent();
    if (!owner)
        return -1;
    if (owner->isWidgetType()) {
        auto *widget = static_cast<QWidget *>(owner);
        return widget->style()->pixelMetric(pm, nullptr, widget);
    }
    return static_cast<QLayout *>(owner)->spacing();
}

int FlowLayout::itemSpacing(QLayoutItem *item, Qt::Orientation orientation)
{
    // Only widgets are expected here; an item without one (a spacer) asks the application's style.
    const QWidget *widget = item->widget();
    QStyle *style = widget ? widget->style() : QApplication::style();
    if (!style)
        return 0;
    return style->layoutSpacing(QSizePolicy::PushButton, QSizePolicy::PushButton, orientation);
}

int FlowLayout::placeItems(const QRect &rect, bool measureOnly) const
{
    int left = 0, top = 0, right = 0, bottom = 0;
    getContentsMargins(&left, &top, &right, &bottom);
    const QRect effective = rect.adjusted(left, top, -right, -bottom);

    int x = effective.x();
    int y = effective.y();
    int lineHeight = 0;

    const int hGap = horizontalSpacing();
    const int vGap = verticalSpacing();

    for (QLayoutItem *item : m_items) {
        const int sx = hGap == -1 ? itemSpacing(item, Qt::Horizontal) : hGap;
        const int sy = vGap == -1 ? itemSpacing(item, Qt::Vertical) : vGap;
        const QSize hint = item->sizeHint();

        int nextX = x + hint.width() + sx;
        if (nextX - sx > effective.right() && lineHeight > 0) {
            x = effective.x();
            y = y + lineHeight + sy;
            nextX = x + hint.width() + sx;
            lineHeight = 0;
        }

        if (!measureOnly)
            item->setGeometry(QRect(QPoint(x, y), hint));

        x = nextX;
        lineHeight = qMax(lineHeight, hint.height());
    }
    return y + lineHeight - rect.y() + bottom;
}
