// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Disable Key": the key does nothing, stored as operateType 5 with the value "-1". PC mode only.

#include "DKeyAssignPage.h"

#include <memory>

namespace Ui {
class DKeyDisablePage;
}

class DKeyDisablePage : public DKeyAssignPage
{
    Q_OBJECT

public:
    explicit DKeyDisablePage(QWidget *parent = nullptr);
    ~DKeyDisablePage() override;

    // Also shows the key's name, as plain text.
    void setCurrentKey(const QPair<int, QString> &key) override;

    void applyTheme() override;
    void retranslate() override;

private slots:
    void on_pushButton_OK_clicked();
    void on_pushButton_Cancel_clicked();

private:
    std::unique_ptr<Ui::DKeyDisablePage> ui;
};
