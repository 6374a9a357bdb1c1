// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class DLinkagePage;
}

// The page under the LINKAGE button: a dark panel with one centred caption. It is translated
// once, when it is built, and keeps its colours whatever the theme.
class DLinkagePage : public QWidget
{
    Q_OBJECT
public:
    explicit DLinkagePage(QWidget *parent = nullptr);
    ~DLinkagePage() override;

private:
    std::unique_ptr<Ui::DLinkagePage> ui;
};
