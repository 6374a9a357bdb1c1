// SPDX-License-Identifier: GPL-3.0-or-later
#include "SliderToolArea.h"

#include "DDataManager.h"
#include "LogCategories.h"
#include "ThemeStyleSheets.h"

#include <QPainter>
#include <QResizeEvent>
#include <QSlider>
#include <QStringList>

namespace {

constexpr int kEdge = 18;  // nine pixels before the first and after the last tick mark
constexpr int kHeight = 55;

const char *const kSliderStyle = "QSlider::add-page:Horizontal{"
                                 "background-color: %1;"
                                 "height:8px;"
                                 "border-radius:4px;"
                                 "}"
                                 "QSlider::sub-page:Horizontal{"
                                 "background-color: %2;"
                                 "height:8px;"
                                 "border-radius:4px;"
                                 "}"
                                 "QSlider::groove:Horizontal{"
                                 "background:transparent;"
                                 "height:8px;"
                                 "border-radius:4px;"
                                 "}"
                                 "QSlider::handle:Horizontal{"
                                 "height: 16px;"
                                 "width:  20px;"
                                 "border-image: url(:/images/deviceLed/sliderDef.png);"
                                 "margin: -8 0px;"
                                 "}";

int component(const QStringList &parts, int i)
{
    return qBound(0, parts.value(i).trimmed().toInt(), 255);
}

}  // namespace

SliderToolArea::SliderToolArea(QWidget *parent)
    : QWidget(parent)
    , m_slider(new QSlider(Qt::Horizontal, this))
{
    m_slider->setMinimum(0);
    m_slider->setMaximum(m_maximum);
    m_slider->setPageStep(1);
    connect(m_slider, &QSlider::valueChanged, this, &SliderToolArea::sigValueChanged);

    const ThemeColorConfig theme = DDataManager::getInstance()->getThemeColor();
    const QStringList text = theme.DeviceColorToolSliderTextColor.split(QLatin1Char(','));
    setThemeColors(component(text, 0), component(text, 1), component(text, 2), theme.DeviceColorToolSliderTopColor,
                   theme.DeviceColorToolSliderBottomColor, theme.TextFont);
}

SliderToolArea::~SliderToolArea() = default;

void SliderToolArea::setMaximum(int steps)
{
    if (steps < 1) {
        // Nothing to choose from: one value. The width and the spacing stay, so that the next
        // real number of steps is laid out from them.
        qCDebug(lcUi) << "SliderToolArea: no steps (" << steps << "), a single value";
        m_maximum = 0;
        m_slider->setMaximum(0);
        update();
        return;
    }
    m_maximum = steps;
    const float raw = float(width() - kEdge) / float(steps);
    int step = int(raw);
    if (int(raw * 10) % 10 >= 4)
        ++step;
    // A spacing of 0 would keep the slider at its edges for good.
    m_tickStep = qMax(1, step);
    m_totalWidth = steps * m_tickStep + kEdge;
    setFixedSize(m_totalWidth, kHeight);
    m_slider->setMaximum(steps);
    update();
}

void SliderToolArea::setValue(int value)
{
    m_slider->setValue(value);
}

int SliderToolArea::value() const
{
    return m_slider->value();
}

void SliderToolArea::setTexts(const QString &title, const QString &lowText, const QString &highText)
{
    m_title = title;
    m_lowText = lowText;
    m_highText = highText;
}

void SliderToolArea::setThemeColors(int red, int green, int blue, const QString &addPageColor,
                                    const QString &subPageColor, const QString &fontFamily)
{
    m_slider->setStyleSheet(
        QString::fromLatin1(kSliderStyle).arg(stylesheets::colour(addPageColor), stylesheets::colour(subPageColor)));
    m_textRed = qBound(0, red, 255);
    m_textGreen = qBound(0, green, 255);
    m_textBlue = qBound(0, blue, 255);
    m_fontFamily = fontFamily;
    update();
}

void SliderToolArea::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_slider->setGeometry(0, 20, contentsRect().width(), 30);
}

void SliderToolArea::paintEvent(QPaintEvent *)
{
    const QColor textColour(m_textRed, m_textGreen, m_textBlue, 255);
    QPainter painter(this);
    painter.setPen(textColour);
    for (int i = 0; i <= m_maximum; ++i) {
        const int x = 9 + i * m_tickStep;
        painter.drawLine(x, 50, x, 55);
    }

    painter.setFont(titleFont());
    painter.drawText(titleRect(), Qt::AlignLeft | Qt::AlignVCenter, m_title);
}

QRect SliderToolArea::titleRect() const
{
    return QRect(0, 0, 80, 25);
}

QFont SliderToolArea::titleFont() const
{
    QFont font(m_fontFamily);
    font.setPointSize(11);
    font.setWeight(QFont::Normal);
    return font;
}
