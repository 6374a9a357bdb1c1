#pragma once

#include <QColor>
#include <QLabel>

// One 12 by 12 colour swatch: a preset (slot -1) or a user colour in slot 0 to 8. It shows a
// white frame while the pointer is over it.
class BasicColorItem : public QLabel
{
    Q_OBJECT

public:
    explicit BasicColorItem(const QColor &colour, QWidget *parent = nullptr);

    void setColor(const QColor &colour);
    QColor color() const { return m_color; }
    int index() const { return m_index; }
    void setIndex(int index);
    bool isHovered() const { return m_hover; }

signals:
    void itemClickedSignal(QColor colour);
    void sigBasicColorItemMouseRightButtonPress();
    void sigBasicColorItemMouseEnter();
    void sigBasicColorItemMouseLeave();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_hover = false;
    QColor m_color;
    int m_index = -1;
};
