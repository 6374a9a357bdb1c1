// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The on-board editor's popup menu: the configuration group (Create New, Export, Import, Delete,
// Restore, Modify Name) and the layout group (QWERTY, Mac, Dvorak, Clean layer). A mouse release
// on an entry emits sigCloseMenuWidow and then the entry's own signal.

#include <QWidget>

#include <memory>

namespace Ui {
class onboardProfileMenuToolWidget;
}

class onboardProfileMenuToolWidget : public QWidget
{
    Q_OBJECT
public:
    // kind 0 hides Delete and Modify Name; the device page passes 1 (configurations) or 2 (layouts).
    explicit onboardProfileMenuToolWidget(int kind, QWidget *parent = nullptr);
    ~onboardProfileMenuToolWidget() override;

    // 0 the layout group; 1 the configuration group without Restore; 2 the layout group with
    // QWERTY and Clean layer only; any other value the configuration group.
    void setMenuType(int type);

    bool eventFilter(QObject *watched, QEvent *event) override;

signals:
    void sigCloseMenuWidow();
    void sigProfileCreateNew();
    void sigProfileExport();
    void sigProfileImport();
    void sigProfileDelete();
    void sigProfileRestore();
    void sigProfileModifyName();
    void sigConfigQWERTY();
    void sigConfigMac();
    void sigConfigDvorak();
    void sigConfigCleanLayer();

private:
    std::unique_ptr<Ui::onboardProfileMenuToolWidget> ui;
};
