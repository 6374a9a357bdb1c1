#include "ColorBuildUpToolArea.h"

#include "ColorBuildUpSlider.h"
#include "LogCategories.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace {

constexpr int kPinY = 12;
constexpr int kPinWidth = 10;
constexpr int kPinHeight = 20;
constexpr int kBarMargin = 6;  // the bar leaves this much room on either side

}  // namespace

ColorBuildUpToolArea::ColorBuildUpToolArea(QWidget *parent)
    : QWidget(parent)
{
    qCDebug(lcUi) << "--------------------- ColorBuildUpToolArea init OVER -----------------------";
}

bool ColorBuildUpToolArea::initColorBuildUp(const QList<ColorPair> &pairs, int count)
{
    if (count < 2 || count != pairs.size()) {
        qCWarning(lcUi) << "ColorBuildUpToolArea: a build-up of" << count << "stops from" << pairs.size()
                        << "colour pairs refused";
        return false;
    }

    qDeleteAll(m_pins);
    m_pins.clear();
    m_selectedPin = nullptr;
    m_selecting = false;
    m_selectedIndex = -1;
    m_stops.clear();
    m_colors.clear();

    m_colorPairs = pairs;
    m_segmentCount = count - 1;
    for (int i = 0; i < count - 1; ++i)
        m_stops.append(i * (1.0 / (count - 1)));
    m_stops.append(1.0);

    const int spacing = (width() - 2 * kBarMargin) / (count - 1);
    for (int j = 0; j < pairs.size(); ++j) {
        auto *pin = new ColorBuildUpSlider(j, this);
        pin->setColors(pairs.at(j).first, pairs.at(j).second);
        connect(pin, &ColorBuildUpSlider::sigSelectSliderStatus, this,
                [this, pin](bool selected) { onSelectSliderStatus(pin, selected); });
        m_pins.insert(j, pin);
        pin->setGeometry(spacing * j, kPinY, kPinWidth, kPinHeight);
        pin->show();
        m_colors.append(pairs.at(j).second);
    }

    emit sigUpdataColorBuildUp(m_stops, m_colors);
    update();
    return true;
}

void ColorBuildUpToolArea::onSelectSliderStatus(ColorBuildUpSlider *pin, bool selStatus)
{
    if (selStatus) {
        m_selectedPin = pin;
        m_selecting = true;
    } else {
        m_selecting = false;
        m_selectedIndex = -1;
    }
}

void ColorBuildUpToolArea::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_selecting || !m_selectedPin)
        return;
    const int x = event->pos().x();
    if (x < 0 || x > width())
        return;
    const double position = double(x) / double(width() - 2 * kBarMargin);
    if (!(position > 0.0 && position < 1.0))
        return;
    const int index = m_selectedPin->index();
    if (index < 0 || index >= m_stops.size())
        return;

    m_selectedPin->setGeometry(x, kPinY, kPinWidth, kPinHeight);
    m_selectedIndex = index;
    m_stops[index] = position;
    emit sigUpdataColorBuildUp(m_stops, m_colors);
    update();
}

void ColorBuildUpToolArea::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton)
        qCDebug(lcUi) << "---------- RightButton ---------";
    else if (event->button() == Qt::LeftButton)
        update();
}

void ColorBuildUpToolArea::mouseReleaseEvent(QMouseEvent *)
{
    update();
}

void ColorBuildUpToolArea::wheelEvent(QWheelEvent *event)
{
    const int degrees = event->angleDelta().y();
    if (degrees != 0)
        qCDebug(lcUi) << "--------------------wheelEvent degrees:" << degrees;
}

void ColorBuildUpToolArea::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(0, 10, width(), 10);
    const int stops = qMin(m_stops.size(), m_colorPairs.size());
    for (int k = 0; k < stops; ++k)
        gradient.setColorAt(qBound(0.0, m_stops.at(k), 1.0), m_colorPairs.at(k).second);
    gradient.setSpread(QGradient::RepeatSpread);
    painter.setBrush(gradient);
    painter.drawRect(kBarMargin, 35, width() - 2 * kBarMargin, 35);
}
