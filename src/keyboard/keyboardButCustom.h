// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One key of the keyboard view: a tool button that paints itself over the keyboard's picture in
// one of three looks (key assignment, light editing, light preview), or as the tall two-row Enter.

#include "KeyLightButtonInterface.h"

#include <QColor>
#include <QPair>
#include <QPoint>
#include <QToolButton>

class QPainter;

class keyboardButCustom : public QToolButton, public KeyLightButtonInterface
{
    Q_OBJECT

public:
    explicit keyboardButCustom(QWidget *parent = nullptr);

    void setSize(int width, int height);
    void setPos(int x, int y);
    void setKeyInfo(const QPair<int, QString> &info);
    void setRowColumn(int row, int column);
    void setCustomFlag(int flag);
    void setSelected(bool selected, bool repaint);
    // Call after setSize().
    void setEnterShapeSize(int notchWidth, int upperHeight);
    void setShapeType(int type);
    void setSpecialEnterKey(bool special);
    void setThemeColor(const QColor &first, const QColor &second);
    // The key's lighting colour; repainted at once only while colour repaint is on.
    void setKeyColor(const QColor &color) override;
    // The colour painted on the key in the custom light editor; the preview may show it dimmed.
    void setPaintColor(const QColor &color);
    QColor paintColor() const { return m_paintColor; }
    void setCustomView(bool on);
    void setLightEditView(bool on);
    void setStateValue(int colourRepaint);
    void setDragMark(bool mark);
    // The view offers to paint the lighting look of its keys, all in one paint (paintLight).
    // While the key shows that look it then paints nothing itself and reports a changed
    // colour, or the change of look, with sigLightColorChanged.
    void setLightPaintedByView(bool on);
    bool isLightPaintedByView() const { return m_lightPaintedByView; }
    // The lighting look: the key's shape filled with its colour, in the key's coordinates.
    void paintLight(QPainter &painter);

    int getRow() const override { return m_row; }
    int getColumn() const override { return m_column; }
    int getKeyDec() const { return m_keyDec; }
    QString getKeyCharacter() const { return m_keyCharacter; }
    QColor getKeyColor() const override { return m_ledColor; }
    bool isSelected() const { return m_selected; }
    bool isAssigned() const { return m_assigned; }
    bool hasDragMark() const { return m_dragMark; }
    int getPosX() const { return m_x; }
    int getPosY() const { return m_y; }

signals:
    void sigCustomButMouseEnter();
    void sigCustomButMouseLeave();
    void sigLightColorChanged(keyboardButCustom *key);

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void drawKey(QPainter &painter, const QColor &fill, const QColor &pen);
    void drawPlainKey(QPainter &painter, const QColor &fill, const QColor &pen);
    void drawEnterKey(QPainter &painter, const QColor &fill, const QColor &pen);
    void updateShapeMask();
    void applyLightPainting();

    bool m_hovered = false;
    int m_width = 34;
    int m_height = 38;
    bool m_assigned = false;
    bool m_selected = false;
    int m_x = 0;
    int m_y = 0;
    int m_row = 0;
    int m_column = 0;
    int m_keyDec = 0;
    QString m_keyCharacter;
    QPoint m_position;
    int m_shapeType = 0;
    bool m_specialEnter = false;
    int m_notchWidth = 0;
    int m_upperHeight = 0;
    int m_lowerWidth = 0;
    int m_lowerHeight = 0;
    bool m_customView = true;
    bool m_lightEditView = false;
    bool m_colourRepaint = false;
    QColor m_hoverFill{255, 49, 53, 50};
    QColor m_hoverPen{255, 49, 53};
    QColor m_selectedFill{255, 128, 0, 50};
    QColor m_selectedPen{255, 128, 0};
    QColor m_assignedFill{255, 49, 53, 50};
    QColor m_assignedPen{255, 49, 53};
    QColor m_ledColor{0, 0, 0, 0};
    QColor m_paintColor;
    QColor m_lightOutline{255, 49, 53};
    bool m_dragMark = false;
    bool m_viewPaintsLight = false;
    bool m_lightPaintedByView = false;
};
