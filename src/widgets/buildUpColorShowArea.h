#pragma once
// A strip painted with a gradient through colour stops (the lighting editor's colour build-up).

#include <QColor>
#include <QList>
#include <QWidget>

class buildUpColorShowArea : public QWidget
{
    Q_OBJECT

public:
    explicit buildUpColorShowArea(QWidget *parent = nullptr);

    // Keeps both lists (stops from 0 to 1, one colour per stop) and repaints.
    void setColorBuildUp(const QList<double> &stops, const QList<QColor> &colors);
    QList<double> colorStops() const { return m_stops; }
    QList<QColor> colors() const { return m_colors; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<double> m_stops;
    QList<QColor> m_colors;
};
