// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Assign proFile": the key switches the device to another profile of the same profile file,
// stored as operateType 7 with the target profile's index. PC mode only.

#include "DKeyAssignPage.h"

#include <QMap>

#include <memory>

namespace Ui {
class DChangProfilePage;
}

class DChangProfilePage : public DKeyAssignPage
{
    Q_OBJECT

public:
    explicit DChangProfilePage(QWidget *parent = nullptr);
    ~DChangProfilePage() override;

    // Lists the file's profiles and selects the key's target, else the first profile.
    void loadCustomKeyInfo() override;

    void applyTheme() override;
    void retranslate() override;

private slots:
    void on_pushButton_OK_clicked();
    void on_pushButton_Cancel_clicked();

private:
    std::unique_ptr<Ui::DChangProfilePage> ui;
    QMap<int, QString> m_profileNames;
};
