// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLayout>
#include <QList>
#include <QRect>
#include <QStyle>

// Lays its items out like words in a paragraph: left to right at their size hints,
// wrapping to a new line when the next item would pass the right edge.
class FlowLayout : public QLayout
{
public:
    // A margin or spacing of -1 leaves the value to the style.
    FlowLayout(QWidget *parent, int margin = -1, int hSpacing = -1, int vSpacing = -1);
    ~FlowLayout() override;

    void addItem(QLayoutItem *item) override;
    QLayoutItem *itemAt(int index) const override;
    QLayoutItem *takeAt(int index) override;
    int count() const override;

    QSize sizeHint() const override;
    QSize minimumSize() const override;
    Qt::Orientations expandingDirections() const override;
    void setGeometry(const QRect &rect) override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;

    int horizontalSpacing() const;
    int verticalSpacing() const;

private:
    // Places (or, with measureOnly, only measures) the items in rect; returns the height used.
    int placeItems(const QRect &rect, bool measureOnly) const;
    int smartSpacing(QStyle::PixelMetric pm) const;
    static int itemSpacing(QLayoutItem *item, Qt::Orientation orientation);

    QList<QLayoutItem *> m_items;
    int m_hSpace;
    int m_vSpace;
};
