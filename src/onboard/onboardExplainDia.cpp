// SPDX-License-Identifier: GPL-3.0-or-later
#include "onboardExplainDia.h"

#include "DDataManager.h"
#include "ThemeStyleSheets.h"
#include "ui_onboardExplainDia.h"

onboardExplainDia::onboardExplainDia(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::onboardExplainDia)
{
    ui->setupUi(this);
    setFixedSize(430, 470);
    const ThemeColorConfig theme = DDataManager::getInstance()->getThemeColor();
    // The popup draws on the theme's popup background: its accent is made readable there.
    const QString text = stylesheets::colour(stylesheets::popupAccent(theme, theme.TextCheckedColor));
    ui->frame_Bg->setStyleSheet(QStringLiteral("QLabel{ color: %1; font: 75 10pt \"%2\"; }").arg(text, theme.TextFont));
    const QString titles = QStringLiteral("QLabel{ color: %1; font: 75 13pt \"%2\"; }").arg(text, theme.TextFont);
    for (QWidget *title : {ui->label_Title01, ui->label_Title02, ui->label_Title03})
        title->setStyleSheet(titles);
    ui->frame->setStyleSheet(QStringLiteral("QFrame#frame{ border: none; border-bottom: 1px solid %1; }")
                                 .arg(stylesheets::colour(theme.DeviceBorderColor)));
    ui->frame_13->setStyleSheet(QStringLiteral("QFrame#frame_13{ border: none; border-bottom: 1px solid %1; }")
                                    .arg(stylesheets::colour(theme.DeviceBorderColor)));
}

onboardExplainDia::~onboardExplainDia() = default;
