// SPDX-License-Identifier: GPL-3.0-or-later
#include "ArrowWidget.h"

#include "DDataManager.h"

#include <QEvent>
#include <QGraphicsDropShadowEffect>
#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>
#include <QStringList>

namespace {

// "r,g,b" or "r,g,b,a" from the theme, always opaque; a part that is not a number gives 0.
QColor opaqueThemeColor(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    auto component = [&parts](int i) { return qBound(0, parts.value(i).trimmed().toInt(), 255); };
    return QColor(component(0), component(1), component(2), 255);
}

}  // namespace

ArrowWidget::ArrowWidget(int arrowKind, QWidget *parent)
    : QDialog(parent)
    , m_arrowKind(arrowKind)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setWindowOpacity(0.9);

    auto *shadow = new QGraphicsDropShadowEffect(this);
    shadow->setOffset(0, 0);
    shadow->setColor(Qt::gray);
    shadow->setBlurRadius(15);
    setGraphicsEffect(shadow);

    installEventFilter(this);

    m_backgroundColor = opaqueThemeColor(DDataManager::getInstance()->getThemeColor().AllBgColor);
}

void ArrowWidget::setSize(int width, int height)
{
    setFixedSize(width, height);
}

void ArrowWidget::setArrowX(int x)
{
    m_arrowX = x;
}

void ArrowWidget::setContentWidget(QWidget *content)
{
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(content);
    layout->setSpacing(0);
    layout->setContentsMargins(15, m_arrowKind == ArrowUp ? 25 : 15, 15, 15);
}

void ArrowWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_backgroundColor);

    const int w = width();
    const int h = height();
    const int x = m_arrowX;

    QPainterPath path;
    QPolygon arrow;
    if (m_arrowKind == ArrowUp) {
        path.addRoundedRect(QRectF(15, 25, w - 30, h - 40), 5, 5);
        arrow << QPoint(x, 25) << QPoint(x + 7, 15) << QPoint(x + 15, 25);
    } else {
        path.addRoundedRect(QRectF(15, 15, w - 30, h - 30), 5, 5);
        if (m_arrowKind == ArrowDown)
            arrow << QPoint(x, h - 15) << QPoint(x + 7, h) << QPoint(x + 15, h - 15);
    }
    if (!arrow.isEmpty())
        path.addPolygon(arrow);
    painter.drawPath(path);
}

bool ArrowWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == this && event->type() == QEvent::WindowDeactivate)
        hide();
    return QDialog::eventFilter(watched, event);
}
