#pragma once

#include <QColor>
#include <QList>
#include <QWidget>

// A strip that shows a colour build-up (stops from 0 to 1 and their colours) as a horizontal
// gradient. Blank until it is given one.
class buildUpColorShowArea : public QWidget
{
    Q_OBJECT

public:
    explicit buildUpColorShowArea(QWidget *parent = nullptr);

    // Where the lists differ in length, the shorter one counts.
    void setColorBuildUp(const QList<double> &stops, const QList<QColor> &colours);
    bool hasColorBuildUp() const { return m_hasBuildUp; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<double> m_stops;
    QList<QColor> m_colors;
    bool m_hasBuildUp = false;
};
