// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The panel that explains the app mode and the on-board editor and names the keyboard's key
// layers, shown in a popup beside the device page's question-mark button. It has no controls.

#include <QWidget>

#include <memory>

namespace Ui {
class onboardExplainDia;
}

class onboardExplainDia : public QWidget
{
    Q_OBJECT
public:
    explicit onboardExplainDia(QWidget *parent = nullptr);
    ~onboardExplainDia() override;

private:
    std::unique_ptr<Ui::onboardExplainDia> ui;
};
