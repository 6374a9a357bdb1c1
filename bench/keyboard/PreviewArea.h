// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The keyboard view of the benchmarks as the device page holds it: the ZK104S picture below, the
// view on top in the preview look with colour repaint on, the area the picture's size + 20.

#include "keyboardImagePage.h"
#include "keyboardPage.h"

#include <QStackedLayout>
#include <QWidget>

struct PreviewArea {
    QWidget area;
    keyboardPage *page = nullptr;

    PreviewArea()
    {
        area.setFixedSize(660 + 20, 240 + 20);
        auto *stack = new QStackedLayout(&area);
        stack->setStackingMode(QStackedLayout::StackAll);
        auto *picture = new keyboardImagePage(&area);
        page = new keyboardPage(104, &area);
        stack->addWidget(picture);
        stack->addWidget(page);
        picture->setKeyboardModel(QStringLiteral("ZK104S"));
        page->setKeyboardModel(QStringLiteral("ZK104S"));
        page->raise();
        page->setLightMode(true);
        page->setKeyCustomView(false, false);
        page->showSideLights(true);
        page->setKeyColorRepaint(true);
    }
};
