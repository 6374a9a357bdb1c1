#pragma once
// "Mouse Key": the key acts as a mouse button, a wheel step, a side button or (on a mouse) the
// sniper key, stored as operateType 4 with the function's code. PC and on-board mode.

#include "DChoiceKeyPage.h"

#include <memory>

namespace Ui {
class DMouseKeyPage;
}

class DMouseKeyPage : public DChoiceKeyPage
{
    Q_OBJECT

public:
    explicit DMouseKeyPage(QWidget *parent = nullptr);
    ~DMouseKeyPage() override;

    // 1 hides OK and Cancel; every click on a function then saves at once.
    void setOnboardMode(int onboard);
    // 1 (a mouse) offers the sniper key, any other type hides it.
    void setDeviceType(int type);

    void applyTheme() override;
    void retranslate() override;

private slots:
    void on_radioButton_mouseLeft_clicked();
    void on_radioButton_mouseCenter_clicked();
    void on_radioButton_mouseRight_clicked();
    void on_radioButton_mouseWheelUp_clicked();
    void on_radioButton_mouseWheelDown_clicked();
    void on_radioButton_Going_clicked();
    void on_radioButton_Return_clicked();
    void on_pushButton_OK_clicked();
    void on_pushButton_Cancel_clicked();

private:
    std::unique_ptr<Ui::DMouseKeyPage> ui;
};
