#pragma once
// The mouse's report rate: a slider of four steps (125, 250, 500 and 1000 Hz) and a button that
// restores the mouse's current profile.

#include <QWidget>

class QLabel;
class QPushButton;
class QSlider;

class DMousePerformanceView : public QWidget
{
    Q_OBJECT
public:
    explicit DMousePerformanceView(QWidget *parent = nullptr);

    void setRateIndex(int index);
    void setProfileIndex(int profileIndex);
    void applyTheme();
    void retranslate();

    QSlider *rateSlider() const;
    QPushButton *restoreButton() const;

signals:
    void sigCurIndexChanged_MouseRateNumIndex(int valueNum);
    void sigResetoreMouseCurrentProfile();

private:
    QLabel *m_title = nullptr;
    QSlider *m_slider = nullptr;
    QPushButton *m_restore = nullptr;
    int m_profileIndex = 1;
};
