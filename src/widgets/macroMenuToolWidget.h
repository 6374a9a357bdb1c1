// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class macroMenuToolWidget;
}

// The operation menu of one macro of the macro list: three rows, "Export", "Delete" and "Modify Name".
// A mouse release on a row emits sigCloseMenuWidow and then the row's own signal.
class macroMenuToolWidget : public QWidget
{
    Q_OBJECT
public:
    explicit macroMenuToolWidget(QWidget *parent = nullptr);
    ~macroMenuToolWidget() override;

signals:
    void sigCloseMenuWidow();
    void sigMacroExport();
    void sigMacroDelete();
    void sigMacroModifyNanme();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::unique_ptr<Ui::macroMenuToolWidget> ui;
};
