// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QDialog>

// The floating frame in which a page shows a small panel beside the control that opened it:
// a rounded body in the theme's background colour, an optional arrow pointing at the control and
// a soft shadow. It hides itself when it stops being the active window; it never deletes itself.
class ArrowWidget : public QDialog
{
    Q_OBJECT
public:
    enum ArrowKind {
        ArrowUp = 0,    // arrow on the top edge
        ArrowDown = 1,  // arrow on the bottom edge
        // any other value: no arrow
    };

    explicit ArrowWidget(int arrowKind, QWidget *parent = nullptr);

    void setSize(int width, int height);
    // The x of the arrow's left base corner; the tip lies 7 pixels to its right.
    void setArrowX(int x);
    // Lays the one content widget into the body; the popup takes ownership of it.
    void setContentWidget(QWidget *content);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int m_arrowKind;
    int m_arrowX = 50;
    QColor m_backgroundColor;
};
