// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <QWidget>

class QSlider;

// A slider with a title above it and a tick mark under every step. Its width follows the number
// of steps.
class SliderToolArea : public QWidget
{
    Q_OBJECT

public:
    explicit SliderToolArea(QWidget *parent = nullptr);
    ~SliderToolArea() override;

    // Steps below 1 leave a single value, 0, and keep the width and the tick spacing.
    void setMaximum(int steps);
    void setValue(int value);
    int value() const;
    int maximum() const { return m_maximum; }
    int tickStep() const { return m_tickStep; }
    void setTexts(const QString &title, const QString &lowText, const QString &highText);
    QString title() const { return m_title; }
    // Where the title is drawn and in which font; a title wider than the room is cut.
    QRect titleRect() const;
    QFont titleFont() const;
    QString lowText() const { return m_lowText; }
    QString highText() const { return m_highText; }
    // addPageColor and subPageColor are "r,g,b" as the theme holds them.
    void setThemeColors(int red, int green, int blue, const QString &addPageColor, const QString &subPageColor,
                        const QString &fontFamily);
    QSlider *slider() const { return m_slider; }

signals:
    void sigValueChanged(int value);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QSlider *m_slider = nullptr;
    int m_maximum = 1;
    QString m_title;
    QString m_lowText;
    QString m_highText;
    int m_textRed = 150;
    int m_textGreen = 150;
    int m_textBlue = 150;
    QString m_fontFamily = QStringLiteral("Microsoft YaHei");
    int m_tickStep = 0;
    int m_totalWidth = 0;
};
