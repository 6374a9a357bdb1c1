// SPDX-License-Identifier: GPL-3.0-or-later
#include "DKeyDisablePage.h"
#include "ui_DKeyDisablePage.h"

#include "DDataManager.h"
#include "ThemeStyleSheets.h"

DKeyDisablePage::DKeyDisablePage(QWidget *parent)
    : DKeyAssignPage(parent)
    , ui(std::make_unique<Ui::DKeyDisablePage>())
{
    ui->setupUi(this);
    applyTheme();
}

DKeyDisablePage::~DKeyDisablePage() = default;

void DKeyDisablePage::setCurrentKey(const QPair<int, QString> &key)
{
    DKeyAssignPage::setCurrentKey(key);
    ui->label_KeyChar->setText(key.second);
}

void DKeyDisablePage::applyTheme()
{
    const ThemeColorConfig theme = DDataManager::getInstance()->getThemeColor();
    ui->label_3->setStyleSheet(QStringLiteral("QLabel{color:%1;font-family:\"%2\";font-weight:75;font-size:11pt;}")
                                   .arg(stylesheets::colour(theme.TextDefaultColor), theme.TextFont));
    ui->label_KeyChar->setStyleSheet(QStringLiteral("QLabel{color:%1;border:1px solid %1;font-family:\"%2\";"
                                                    "font-weight:75;font-size:11pt;}")
                                         .arg(stylesheets::colour(theme.TextCheckedColor), theme.TextFont));
    ui->frame->setStyleSheet(okCancelStyle(theme));
}

void DKeyDisablePage::retranslate()
{
    ui->retranslateUi(this);
}

void DKeyDisablePage::on_pushButton_OK_clicked()
{
    saveKeyRecord("5", "1", "1", "-1");
}

void DKeyDisablePage::on_pushButton_Cancel_clicked()
{
    emit sigClickedCancel();
}
