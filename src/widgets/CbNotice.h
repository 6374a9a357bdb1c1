#pragma once

#include "CbNoticeInterface.h"

#include <QColor>
#include <QFont>
#include <QWidget>

class QGraphicsOpacityEffect;
class QPropertyAnimation;

// A toast: a rounded, half-transparent pill with one message that stays fully visible
// for a moment, then fades out and hides itself.
class CbNotice : public QWidget, public CbNoticeInterface
{
    Q_OBJECT
public:
    explicit CbNotice(QWidget *parent);
    ~CbNotice() override;

    void setTextPixelSize(int px);
    void setBackgroundColor(const QColor &color);
    void setTextColor(QColor color);
    void setTextFont(QFont font);

    void showAgain() override;
    void showText(QString text) override;
    void showTextAt(QString text, QPoint centre) override;
    // The text shown last.
    QString text() const;

signals:
    void sigFinished();

public slots:
    void onActiveHideAnimation();
    void onHideAnimotionFinish();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    int textWidth() const;
    void startShowing();

    int m_height = 40;
    int m_holdTime = 1300;
    int m_fadeTime = 1000;
    QColor m_textColor{255, 49, 53, 255};
    QColor m_backgroundColor{25, 25, 25, 200};
    QPoint m_centre;
    QString m_text;
    QPropertyAnimation *m_animation = nullptr;
    QGraphicsOpacityEffect *m_opacityEffect = nullptr;
};
