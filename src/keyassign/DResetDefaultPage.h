#pragma once
// "Default": gives the key its own function back by removing its assignment; a macro's copy in the
// profile goes with the last key bound to it. PC and on-board mode.

#include "DKeyAssignPage.h"

#include <memory>

namespace Ui {
class DResetDefaultPage;
}

class DResetDefaultPage : public DKeyAssignPage
{
    Q_OBJECT

public:
    explicit DResetDefaultPage(QWidget *parent = nullptr);
    ~DResetDefaultPage() override;

    // Also shows the key's name.
    void setCurrentKey(const QPair<int, QString> &key) override;
    // Stored only: the page looks the same in both modes.
    void setOnboardMode(int onboard);

    void applyTheme() override;
    void retranslate() override;

private slots:
    void on_pushButton_OK_clicked();
    void on_pushButton_Cancel_clicked();

private:
    void showKeyName();

    std::unique_ptr<Ui::DResetDefaultPage> ui;
    int m_onboard = 0;
};
