// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The mouse's performance panel: a four-step report-rate slider (125, 250, 500 and 1000 Hz), a
// button that restores the current profile and a button that opens the desktop's mouse settings.
// The view only reports; the device page stores and sends the rate and performs the restore.

#include <QWidget>

#include <memory>

namespace Ui {
class DMousePerformanceView;
}
class DesktopSettings;
class QLabel;
class QPushButton;
class QSlider;
class QTimer;

class DMousePerformanceView : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kRateSteps = 4;
    static constexpr int kDefaultRateStep = 2;  // 500 Hz, a new mouse profile's step

    explicit DMousePerformanceView(QWidget *parent = nullptr);
    ~DMousePerformanceView() override;

    // The rate step of a profile's stored "feature1": 0 to 3, anything else (hand-edited, empty)
    // reads as the default step.
    static int rateStepFromSetting(const char *feature1);

    // Moves the slider like the user would: a change of position is reported, the position
    // already shown is not.
    void setRateIndex(int index);
    void setProfileIndex(int profileIndex);
    // The desktop whose mouse settings the button opens; null restores the system's.
    void setDesktopSettings(DesktopSettings *settings);
    void applyTheme();
    void retranslate();

    QSlider *rateSlider() const;
    QPushButton *restoreButton() const;
    QPushButton *mouseSettingsButton() const;
    // The short notice shown when no mouse settings tool could be started.
    QLabel *noticeLabel() const { return m_notice; }

signals:
    void sigCurIndexChanged_MouseRateNumIndex(int valueNum);
    void sigResetoreMouseCurrentProfile();

private slots:
    void onValueChanged(int valueNum);
    void onSliderPressed();
    void onSliderReleased();
    void on_pushButton_MouseProfileRestore_clicked();
    void on_pushButton_MouseProperties_clicked();

private:
    std::unique_ptr<Ui::DMousePerformanceView> ui;
    DesktopSettings *m_desktop = nullptr;
    QLabel *m_notice = nullptr;
    QTimer *m_noticeTimer = nullptr;
    int m_profileIndex = 1;
};
