#pragma once
// "Multimedia": the key sends a media or application function (volume, playback, player,
// calculator, computer, e-mail, browser), stored as operateType 3 with the function's code.
// PC and on-board mode.

#include "DChoiceKeyPage.h"

#include <memory>

namespace Ui {
class DMultimediaPage;
}

class DMultimediaPage : public DChoiceKeyPage
{
    Q_OBJECT

public:
    explicit DMultimediaPage(QWidget *parent = nullptr);
    ~DMultimediaPage() override;

    // 1 hides OK and Cancel; every click on a function then saves at once.
    void setOnboardMode(int onboard);

    void applyTheme() override;
    void retranslate() override;

private slots:
    void on_radioButton_volAdd_clicked();
    void on_radioButton_volLower_clicked();
    void on_radioButton_mute_clicked();
    void on_radioButton_playOrPause_clicked();
    void on_radioButton_next_clicked();
    void on_radioButton_previous_clicked();
    void on_radioButton_videoStop_clicked();
    void on_radioButton_Player_clicked();
    void on_radioButton_Calculator_clicked();
    void on_radioButton_Computer_clicked();
    void on_radioButton_Browser_clicked();
    void on_radioButton_Email_clicked();
    void on_pushButton_OK_clicked();
    void on_pushButton_Cancel_clicked();

private:
    std::unique_ptr<Ui::DMultimediaPage> ui;
};
