#include "CbNotice.h"

#include <QFontMetrics>
#include <QGraphicsOpacityEffect>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPropertyAnimation>
#include <QScreen>

CbNotice::CbNotice(QWidget *parent)
    : QWidget(parent)
{
    if (parent) {
        m_centre = QPoint(parent->x() + parent->width() / 2, parent->height() * 2 / 3);
    } else {
        if (const QScreen *screen = QGuiApplication::primaryScreen()) {
            const QPoint origin = screen->virtualGeometry().topLeft();
            const QSize size = screen->geometry().size();
            m_centre = origin + QPoint(size.width() / 2, size.height() * 2 / 3);
        }
        setWindowFlags(Qt::FramelessWindowHint | Qt::Tool);
        setAttribute(Qt::WA_TranslucentBackground);
    }

    m_opacityEffect = new QGraphicsOpacityEffect(this);

    QFont font;
    font.setFamily(QStringLiteral("Microsoft YaHei"));
    setFont(font);
    setTextPixelSize(20);

    setGraphicsEffect(m_opacityEffect);
    m_opacityEffect->setOpacity(1.0);

    m_animation = new QPropertyAnimation(m_opacityEffect, "opacity", this);
    m_animation->setEasingCurve(QEasingCurve::Linear);
    connect(m_animation, &QPropertyAnimation::finished, this, &CbNotice::onHideAnimotionFinish);

    hide();
}

CbNotice::~CbNotice()
{
    // The animation goes first: it animates the effect.
    delete m_animation;
    m_animation = nullptr;
}

void CbNotice::setTextPixelSize(int px)
{
    QFont f = font();
    f.setPixelSize(px);
    setFont(f);
    update();
}

void CbNotice::setBackgroundColor(const QColor &color)
{
    m_backgroundColor = color;
    update();
}

void CbNotice::setTextColor(QColor color)
{
    m_textColor = color;
    update();
}

void CbNotice::setTextFont(QFont font)
{
    setFont(font);
}

int CbNotice::textWidth() const
{
    return QFontMetrics(font()).horizontalAdvance(m_text);
}

void CbNotice::showAgain()
{
    hide();
    resize(textWidth() + 36, m_height);
    move(m_centre.x() - width() / 2, m_centre.y() - height() / 2);
    startShowing();
}

void CbNotice::showText(QString text)
{
    showTextAt(text, QPoint());
}

void CbNotice::showTextAt(QString text, QPoint centre)
{
    hide();
    m_text = text;
    setFixedSize(textWidth() + 36, m_height);
    const QPoint c = centre.isNull() ? m_centre : centre;
    move(c.x() - width() / 2, c.y() - height() / 2);
    startShowing();
}

void CbNotice::startShowing()
{
    m_animation->stop();
    show();
    raise();
    activateWindow();
    m_opacityEffect->setOpacity(1.0);
    // The effect clamps the opacity at 1, so the notice stays opaque while the value falls
    // from (fade + hold) / 1000 to 1, then fades out over the fade time.
    m_animation->setStartValue(double(m_fadeTime + m_holdTime) / 1000.0);
    m_animation->setEndValue(0.0);
    m_animation->setDuration(m_fadeTime + m_holdTime);
    m_animation->start(QAbstractAnimation::KeepWhenStopped);
    update();
}

void CbNotice::onActiveHideAnimation()
{
    m_animation->start(QAbstractAnimation::KeepWhenStopped);
}

void CbNotice::onHideAnimotionFinish()
{
    emit sigFinished();
    hide();
}

void CbNotice::mousePressEvent(QMouseEvent *event)
{
    // A press right of the far-left strip travels on to the page below.
    if (event->pos().x() > 5)
        QWidget::mousePressEvent(event);
    hide();
}

void CbNotice::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    int radius = 12;
    if (m_height >= 38)
        radius = 22;
    else if (m_height < 25)
        radius = 3;

    QPainterPath path;
    path.addRoundedRect(QRectF(0, 0, width(), height()), radius, radius);
    painter.fillPath(path, m_backgroundColor);

    QPen pen = painter.pen();
    pen.setBrush(QBrush(m_textColor));
    painter.setPen(pen);
    painter.setFont(font());
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, m_text);
}

QString CbNotice::text() const
{
    return m_text;
}
