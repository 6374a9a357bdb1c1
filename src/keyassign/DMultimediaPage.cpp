#include "DMultimediaPage.h"
#include "ui_DMultimediaPage.h"

#include "DDataManager.h"

DMultimediaPage::DMultimediaPage(QWidget *parent)
    : DChoiceKeyPage(parent)
    , ui(std::make_unique<Ui::DMultimediaPage>())
{
    ui->setupUi(this);
    // Code 7 has no function.
    setChoices({{0, ui->radioButton_volAdd},
                {1, ui->radioButton_volLower},
                {2, ui->radioButton_mute},
                {3, ui->radioButton_playOrPause},
                {4, ui->radioButton_next},
                {5, ui->radioButton_previous},
                {6, ui->radioButton_videoStop},
                {8, ui->radioButton_Player},
                {9, ui->radioButton_Calculator},
                {10, ui->radioButton_Computer},
                {11, ui->radioButton_Browser},
                {12, ui->radioButton_Email}},
               "3", 3, ui->frame);
    applyTheme();
}

DMultimediaPage::~DMultimediaPage() = default;

void DMultimediaPage::setOnboardMode(int onboard)
{
    setOnboardFlag(onboard);
}

void DMultimediaPage::applyTheme()
{
    const ThemeColorConfig theme = DDataManager::getInstance()->getThemeColor();
    setStyleSheet(choiceStyle(theme));
    ui->frame->setStyleSheet(okCancelStyle(theme));
}

void DMultimediaPage::retranslate()
{
    ui->retranslateUi(this);
}

void DMultimediaPage::on_radioButton_volAdd_clicked()
{
    choiceClicked();
}

void DMultimediaPage::on_radioButton_volLower_clicked()
{
    choiceClicked();
}

void DMultimediaPage::on_radioButton_mute_clicked()
{
    choiceClicked();
}

void DMultimediaPage::on_radioButton_playOrPause_clicked()
{
    choiceClicked();
}

void DMultimediaPage::on_radioButton_next_clicked()
{
    choiceClicked();
}

void DMultimediaPage::on_radioButton_previous_clicked()
{
    choiceClicked();
}

void DMultimediaPage::on_radioButton_videoStop_clicked()
{
    choiceClicked();
}

void DMultimediaPage::on_radioButton_Player_clicked()
{
    choiceClicked();
}

void DMultimediaPage::on_radioButton_Calculator_clicked()
{
    choiceClicked();
}

void DMultimediaPage::on_radioButton_Computer_clicked()
{
    choiceClicked();
}

void DMultimediaPage::on_radioButton_Browser_clicked()
{
    choiceClicked();
}

void DMultimediaPage::on_radioButton_Email_clicked()
{
    choiceClicked();
}

void DMultimediaPage::on_pushButton_OK_clicked()
{
    saveCheckedChoice();
}

void DMultimediaPage::on_pushButton_Cancel_clicked()
{
    cancel();
}
