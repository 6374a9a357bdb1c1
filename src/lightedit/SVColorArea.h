// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <memory>

class ScreenPixelReader;

// The colour wheel: a disc of hues fading to white at its centre, inside a metallic ring with a
// handle. A press inside the disc picks the colour shown on screen under the pointer; a press
// on or outside the ring, and a drag from there, turns the handle (0 to 100).
class SVColorArea : public QWidget
{
    Q_OBJECT

public:
    explicit SVColorArea(QWidget *parent = nullptr);
    ~SVColorArea() override;

    void resetRotate();
    void setBgColor(const QColor &colour);
    QColor bgColor() const { return m_handleColor; }
    // Where picked colours are read; null puts the system's screen back.
    void setPixelReader(std::shared_ptr<const ScreenPixelReader> reader);

    double rotation() const { return m_rotation; }
    // The disc's picture at the widget's present device pixel ratio.
    QImage colorImage();

public slots:
    void hueChangedSlot(int hue);
    // Picks the colour under the pointer.
    void print2();

signals:
    void svChangedSignal(int hue, int saturation, int value);
    void sigGetRGB(int R, int G, int B);
    void sigGetHexRGB(QString strHexRGB);
    void sigMoveingStatus(int valueRotate, int degRotate);
    void sigMouseIsPress(bool pressed);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void ensureColorImage();
    void buildColorImage(qreal ratio);
    // Reads the screen at globalPos; where it cannot be read, the own picture at localPos.
    void pickAt(const QPoint &globalPos, const QPoint &localPos);
    void turnHandleTowards(const QPoint &pos);

    int m_hue = 0;
    int m_saturation = 0;
    int m_value = 0;
    int m_wheelDiameter = 120;
    QImage m_colorImage;
    QPixmap m_colorPixmap;
    QColor m_handleColor{255, 49, 53, 255};
    QColor m_handleHighlightColor{250, 250, 250, 255};
    double m_rotation = 0.0;
    double m_rotationMaximum = 100.0;
    double m_rotationMinimum = 0.0;
    int m_startAngleMargin = 0;
    int m_endAngleMargin = 0;
    bool m_pressedInside = false;
    std::shared_ptr<const ScreenPixelReader> m_pixelReader;
};
