// SPDX-License-Identifier: GPL-3.0-or-later
#include "CustomButton.h"

#include <QFont>
#include <QPainter>
#include <QPixmap>

CustomButton::CustomButton(QWidget *parent)
    : QToolButton(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

void CustomButton::setIconAndText(QString iconPath, QString text)
{
    m_iconPath = iconPath;
    m_text = text;
    update();
}

void CustomButton::setSelected(bool selected)
{
    m_selected = selected;
    m_hovered = false;
    update();
}

void CustomButton::setThemeColor(QColor selectedBackground, QColor hoverBackground, QColor normalBackground,
                                 QColor textColor, QColor selectedTextColor, QString fontFamily)
{
    m_selectedBackground = selectedBackground;
    m_hoverBackground = hoverBackground;
    m_normalBackground = normalBackground;
    m_textColor = textColor;
    m_selectedTextColor = selectedTextColor;
    m_fontFamily = fontFamily;
}

QString CustomButton::selectedIconPath(const QString &iconPath)
{
    const int dot = iconPath.indexOf(QLatin1Char('.'));
    if (dot < 3)
        return iconPath;
    QString path = iconPath;
    path.replace(dot - 3, 3, QStringLiteral("Sel"));
    return path;
}

void CustomButton::enterEvent(QEvent *event)
{
    if (!m_selected) {
        m_hovered = true;
        update();
    }
    QWidget::enterEvent(event);
}

void CustomButton::leaveEvent(QEvent *event)
{
    if (!m_selected) {
        m_hovered = false;
        update();
    }
    QWidget::leaveEvent(event);
}

void CustomButton::paintEvent(QPaintEvent *)
{
    const QRect r = contentsRect();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    if (m_selected) {
        painter.fillRect(r, m_selectedBackground);
        const QPixmap icon(selectedIconPath(m_iconPath));
        if (!icon.isNull())
            painter.drawPixmap(15, 11, 16, 16, icon);
    } else {
        painter.fillRect(r, m_hovered ? m_hoverBackground : m_normalBackground);
        const QPixmap icon(m_iconPath);
        if (!icon.isNull())
            painter.drawPixmap(15, 11, 15, 15, icon);
    }

    QPen pen = painter.pen();
    pen.setColor(m_selected ? m_selectedTextColor : m_textColor);
    pen.setWidth(1);
    painter.setPen(pen);

    painter.setFont(captionFont());
    painter.drawText(captionRect(), Qt::AlignLeft, m_text);
}

QRect CustomButton::captionRect() const
{
    return QRect(48, 10, 130, 50);
}

QFont CustomButton::captionFont() const
{
    QFont font(m_fontFamily, 9);
    font.setBold(true);
    return font;
}
