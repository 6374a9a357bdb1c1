// SPDX-License-Identifier: GPL-3.0-or-later
#include "DLoginWidget.h"

#include "ui_DLoginWidget.h"

#include <QEasingCurve>
#include <QGraphicsOpacityEffect>
#include <QIcon>
#include <QPropertyAnimation>

DLoginWidget::DLoginWidget(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::DLoginWidget>())
{
    ui->setupUi(this);
    setFixedSize(300, 400);
    setWindowIcon(QIcon(QStringLiteral(":/images/brivexLogo.png")));
    setWindowOpacity(0);
}

DLoginWidget::~DLoginWidget() = default;

void DLoginWidget::fadeOut()
{
    auto *effect = new QGraphicsOpacityEffect(this);
    setGraphicsEffect(effect);
    auto *animation = new QPropertyAnimation(effect, "opacity", this);
    animation->setDuration(100);
    animation->setStartValue(1.0);
    animation->setEndValue(0.0);
    animation->setEasingCurve(QEasingCurve::OutBack);
    connect(animation, &QPropertyAnimation::finished, this, &QWidget::hide);
    animation->start(QAbstractAnimation::DeleteWhenStopped);
}

void DLoginWidget::on_pushButton_Login_clicked()
{
    emit sigLoginFinished(true);
}
