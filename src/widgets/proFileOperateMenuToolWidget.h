// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class proFileOperateMenuToolWidget;
}

// The operation menu of one profile of the profile list: three rows, "Export", "Delete" and "Modify Name".
// A mouse release on a row emits sigCloseMenuWidow and then the row's own signal.
class proFileOperateMenuToolWidget : public QWidget
{
    Q_OBJECT
public:
    explicit proFileOperateMenuToolWidget(QWidget *parent = nullptr);
    ~proFileOperateMenuToolWidget() override;

signals:
    void sigCloseMenuWidow();
    void sigProfileExport();
    void sigProfileDelete();
    void sigProfileModifyNanme();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::unique_ptr<Ui::proFileOperateMenuToolWidget> ui;
};
