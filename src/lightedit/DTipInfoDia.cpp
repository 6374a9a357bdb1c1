// SPDX-License-Identifier: GPL-3.0-or-later
#include "DTipInfoDia.h"
#include "ui_DTipInfoDia.h"

#include "DDataManager.h"
#include "ThemeStyleSheets.h"

#include <QStringList>

DTipInfoDia::DTipInfoDia(QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::DTipInfoDia>())
{
    ui->setupUi(this);
    setWindowFlags(Qt::FramelessWindowHint | Qt::Tool);
    setFixedSize(450, 180);
}

DTipInfoDia::~DTipInfoDia() = default;

void DTipInfoDia::applyTheme()
{
    ui->retranslateUi(this);
    const ThemeColorConfig theme = DDataManager::getInstance()->getThemeColor();
    setStyleSheet(
        QStringLiteral("QDialog#DTipInfoDia{background-color: %1;}").arg(stylesheets::colour(theme.MainWidgetBgColor)));
    ui->frame_Title->setStyleSheet(
        QStringLiteral("QFrame#frame_Title{background-color: %1; border: none; border-bottom: 3px solid %2;}"
                       "QLabel#label_Title{color: %3; font: 75 13pt \"%4\";}")
            .arg(stylesheets::colour(theme.MainWidgetBgColor), stylesheets::colour(theme.DeviceBorderColor),
                 stylesheets::colour(theme.TextCheckedColor), theme.TextFont));
    ui->frame_Bottom->setStyleSheet(
        QStringLiteral("QFrame#frame_Bottom{background-color: %1;}").arg(stylesheets::colour(theme.MainWidgetBgColor)));
    ui->label_TipMessage->setStyleSheet(QStringLiteral("QLabel#label_TipMessage{color: %1; font: 75 10pt \"%2\";}")
                                            .arg(stylesheets::colour(theme.TextCheckedColor), theme.TextFont));
    ui->frame_3->setStyleSheet(
        QStringLiteral("QPushButton{border-radius:8px; border: 1px solid %1; background-color: %2; color: %4;"
                       " font: 75 10pt \"%6\";}"
                       "QPushButton:hover{background-color: %3; border: 1px solid %5;}"
                       "QPushButton:pressed{color: %5; background-color: %7; border: 1px solid %5;}")
            .arg(stylesheets::colour(theme.DeviceBorderColor), stylesheets::colour(theme.DeviceControlDefaultColor),
                 stylesheets::translucent(theme.DeviceControlHoverColor, 130),
                 stylesheets::colour(theme.TextDefaultColor), stylesheets::colour(theme.TextCheckedColor),
                 theme.TextFont, stylesheets::colour(theme.DeviceControlHoverColor)));
}

void DTipInfoDia::resetTipResult()
{
    m_tipResult = 0;
}

void DTipInfoDia::showEvent(QShowEvent *event)
{
    // A showing never carries the choice of an earlier one.
    m_tipResult = 0;
    m_buttonResult = 0;
    QDialog::showEvent(event);
}

void DTipInfoDia::done(int r)
{
    // Escape and a close by the window manager end here too: they count as the close button.
    const bool shown = isVisible();
    m_tipResult = m_buttonResult;
    m_buttonResult = 0;
    if (shown)
        emit sigTipInfoDiaClose();
    QDialog::done(r);
}

void DTipInfoDia::closeWith(int result)
{
    m_buttonResult = result;
    done(result == 1 ? Accepted : Rejected);
}

void DTipInfoDia::on_pushButton_Close_clicked()
{
    closeWith(0);
}

void DTipInfoDia::on_pushButton_SaveChanged_clicked()
{
    closeWith(1);
}

void DTipInfoDia::on_pushButton_Discard_clicked()
{
    closeWith(2);
}
