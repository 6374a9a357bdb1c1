#include "DMouseKeyPage.h"
#include "ui_DMouseKeyPage.h"

#include "DDataManager.h"

DMouseKeyPage::DMouseKeyPage(QWidget *parent)
    : DChoiceKeyPage(parent)
    , ui(std::make_unique<Ui::DMouseKeyPage>())
{
    ui->setupUi(this);
    setChoices({{0, ui->radioButton_mouseLeft},
                {1, ui->radioButton_mouseCenter},
                {2, ui->radioButton_mouseRight},
                {3, ui->radioButton_mouseWheelUp},
                {4, ui->radioButton_mouseWheelDown},
                {5, ui->radioButton_Going},
                {6, ui->radioButton_Return},
                {7, ui->radioButton_SniperKey}},
               "4", 0, ui->frame);
    ui->radioButton_SniperKey->hide();
    applyTheme();
}

DMouseKeyPage::~DMouseKeyPage() = default;

void DMouseKeyPage::setOnboardMode(int onboard)
{
    setOnboardFlag(onboard);
}

void DMouseKeyPage::setDeviceType(int type)
{
    ui->radioButton_SniperKey->setVisible(type == 1);
}

void DMouseKeyPage::applyTheme()
{
    const ThemeColorConfig theme = DDataManager::getInstance()->getThemeColor();
    setStyleSheet(choiceStyle(theme));
    ui->frame->setStyleSheet(okCancelStyle(theme));
}

void DMouseKeyPage::retranslate()
{
    ui->retranslateUi(this);
}

void DMouseKeyPage::on_radioButton_mouseLeft_clicked()
{
    choiceClicked();
}

void DMouseKeyPage::on_radioButton_mouseCenter_clicked()
{
    choiceClicked();
}

void DMouseKeyPage::on_radioButton_mouseRight_clicked()
{
    choiceClicked();
}

void DMouseKeyPage::on_radioButton_mouseWheelUp_clicked()
{
    choiceClicked();
}

void DMouseKeyPage::on_radioButton_mouseWheelDown_clicked()
{
    choiceClicked();
}

void DMouseKeyPage::on_radioButton_Going_clicked()
{
    choiceClicked();
}

void DMouseKeyPage::on_radioButton_Return_clicked()
{
    choiceClicked();
}

void DMouseKeyPage::on_pushButton_OK_clicked()
{
    saveCheckedChoice();
}

void DMouseKeyPage::on_pushButton_Cancel_clicked()
{
    cancel();
}
