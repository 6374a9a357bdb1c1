#pragma once

#include <QColor>
#include <QList>
#include <QMap>
#include <QPair>
#include <QPointer>
#include <QWidget>

class ColorBuildUpSlider;

// The colour build-up editor: a gradient bar with one draggable pin per stop above it. Each
// stop is a pair of colours, the pin's and the stop's own.
class ColorBuildUpToolArea : public QWidget
{
    Q_OBJECT

public:
    using ColorPair = QPair<QColor, QColor>;

    explicit ColorBuildUpToolArea(QWidget *parent = nullptr);

    // Lays out one pin per pair, evenly from 0 to 1, over the editor's present width. count is
    // the number of pairs, at least 2; anything else is refused (false). A later call replaces
    // the build.
    bool initColorBuildUp(const QList<ColorPair> &pairs, int count);

    QList<double> stops() const { return m_stops; }
    QList<QColor> colors() const { return m_colors; }
    ColorBuildUpSlider *pin(int index) const { return m_pins.value(index); }
    int selectedIndex() const { return m_selectedIndex; }

signals:
    void sigUpdataColorBuildUp(QList<double> stops, QList<QColor> colours);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void onSelectSliderStatus(ColorBuildUpSlider *pin, bool selStatus);

    QList<ColorPair> m_colorPairs;
    int m_segmentCount = 0;
    QPointer<ColorBuildUpSlider> m_selectedPin;
    bool m_selecting = false;
    QMap<int, ColorBuildUpSlider *> m_pins;
    QList<double> m_stops;
    QList<QColor> m_colors;
    int m_selectedIndex = -1;
};
