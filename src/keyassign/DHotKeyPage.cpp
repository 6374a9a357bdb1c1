#include "DHotKeyPage.h"
#include "ui_DHotKeyPage.h"

#include "DDataManager.h"

DHotKeyPage::DHotKeyPage(QWidget *parent)
    : DChoiceKeyPage(parent)
    , ui(std::make_unique<Ui::DHotKeyPage>())
{
    ui->setupUi(this);
    // Code 1 (switching windows) has no button; the page never stores it.
    setChoices({{0, ui->radioButton_CloseWindow},
                {2, ui->radioButton_ShowDesktop},
                {3, ui->radioButton_OpenMyComputer},
                {4, ui->radioButton_LockingComputer},
                {5, ui->radioButton_Copy},
                {6, ui->radioButton_Cut},
                {7, ui->radioButton_Paste},
                {8, ui->radioButton_Find},
                {9, ui->radioButton_CreateNew},
                {10, ui->radioButton_Print},
                {11, ui->radioButton_Save}},
               "9", 2, ui->frame);
    applyTheme();
}

DHotKeyPage::~DHotKeyPage() = default;

void DHotKeyPage::applyTheme()
{
    const ThemeColorConfig theme = DDataManager::getInstance()->getThemeColor();
    setStyleSheet(choiceStyle(theme));
    ui->frame->setStyleSheet(okCancelStyle(theme));
}

void DHotKeyPage::retranslate()
{
    ui->retranslateUi(this);
}

void DHotKeyPage::on_pushButton_OK_clicked()
{
    saveCheckedChoice();
}

void DHotKeyPage::on_pushButton_Cancel_clicked()
{
    cancel();
}
