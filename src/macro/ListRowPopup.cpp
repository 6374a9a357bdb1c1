// SPDX-License-Identifier: GPL-3.0-or-later
#include "ListRowPopup.h"

#include "ArrowWidget.h"

#include <QWidget>

namespace {
constexpr int kArrowX = 93;
}

ArrowWidget *ListRowPopup::open(QWidget *row, QWidget *menu, QWidget *button, QSize size, QPoint pointInButton,
                                QPoint shift)
{
    delete m_popup.data();
    menu->setWindowOpacity(1.0);
    auto *popup = new ArrowWidget(ArrowWidget::ArrowUp, row);
    m_popup = popup;
    popup->setSize(size.width(), size.height());
    popup->setArrowX(kArrowX);
    popup->setContentWidget(menu);
    popup->move(button->mapToGlobal(pointInButton) - shift);
    popup->show();
    popup->activateWindow();
    return popup;
}

void ListRowPopup::hide()
{
    if (m_popup)
        m_popup->hide();
}

ArrowWidget *ListRowPopup::popup() const
{
    return m_popup;
}
