// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

class QLabel;
class QTimer;

// One line of text that keeps moving inside the widget while it is on screen.
class TextMoveWidget : public QWidget
{
    Q_OBJECT
public:
    enum MoveStyle {
        MoveBackAndForth = 0,  // between the left and the right edge
        MoveLeftToRight = 1,   // leaves on the right, comes back from the left
        MoveRightToLeft = 2,   // leaves on the left, comes back from the right
    };
    Q_ENUM(MoveStyle)

    explicit TextMoveWidget(QWidget *parent = nullptr);
    ~TextMoveWidget() override;
    bool isMoving() const;

public slots:
    void setText(QString text);
    void setTextFont(QString textFont, int textFontSize);
    void setStep(int step);
    void setInterval(int interval);
    void setMouseHoverStop(bool mouseHoverStop);
    void setForeground(QColor foreground);
    void setBackground(QColor background);
    void setMoveStyle(TextMoveWidget::MoveStyle moveStyle);

protected:
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private slots:
    void updatePos();

private:
    void fitLabel();
    int textWidth() const;
    void updateMoving();
    QString m_text = QStringLiteral("0123456789");
    int m_step = 2;
    int m_interval = 20;
    bool m_mouseHoverStop = false;
    QColor m_foreground{200, 80, 0, 255};
    QColor m_background{30, 30, 30, 0};
    int m_moveStyle = MoveBackAndForth;
    bool m_hovering = false;
    bool m_onScreen = false;
    bool m_movingRight = true;
    int m_x = 0;
    int m_y = 0;
    QLabel *m_label = nullptr;
    QTimer *m_timer = nullptr;
};
