#pragma once

#include <QColor>
#include <QWidget>

// One pin of the colour build-up editor: a square head in the stop's colour over a triangle
// pointing down at the gradient bar. A left press holds it until the next release.
class ColorBuildUpSlider : public QWidget
{
    Q_OBJECT

public:
    explicit ColorBuildUpSlider(int index, QWidget *parent = nullptr);

    void setColors(const QColor &pinColour, const QColor &stopColour);
    QColor stopColor() const { return m_stopColor; }
    int index() const { return m_index; }
    bool isSelected() const { return m_selected; }

signals:
    void sigSelectSliderStatus(bool selected);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_pinColor;
    QColor m_headColor;
    bool m_selected = false;
    int m_index;
    QColor m_stopColor;
};
