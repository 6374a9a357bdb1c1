#pragma once
// "Shortcuts": the key triggers a desktop shortcut (show desktop, lock the computer, copy ...),
// stored as operateType 9 with the shortcut's code. PC mode only.

#include "DChoiceKeyPage.h"

#include <memory>

namespace Ui {
class DHotKeyPage;
}

class DHotKeyPage : public DChoiceKeyPage
{
    Q_OBJECT

public:
    explicit DHotKeyPage(QWidget *parent = nullptr);
    ~DHotKeyPage() override;

    void applyTheme() override;
    void retranslate() override;

private slots:
    void on_pushButton_OK_clicked();
    void on_pushButton_Cancel_clicked();

private:
    std::unique_ptr<Ui::DHotKeyPage> ui;
};
