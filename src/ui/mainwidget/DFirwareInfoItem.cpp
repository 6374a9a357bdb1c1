// SPDX-License-Identifier: GPL-3.0-or-later
#include "DFirwareInfoItem.h"
#include "ui_DFirwareInfoItem.h"

#include "DDataManager.h"
#include "ThemeStyleSheets.h"

DFirwareInfoItem::DFirwareInfoItem(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::DFirwareInfoItem>())
{
    ui->setupUi(this);
    // The texts come from the devices: shown as they are, never as markup.
    ui->label_HidInfo->setTextFormat(Qt::PlainText);
    ui->label_DataTimeInfo->setTextFormat(Qt::PlainText);
    const ThemeColorConfig theme = DDataManager::getInstance()->getThemeColor();
    const QString label =
        QStringLiteral("color: %1; font-weight: 75; font-size: 12pt; font-family: \"Microsoft YaHei\";")
            .arg(stylesheets::colour(theme.TextDefaultColor));
    ui->label_HidInfo->setStyleSheet(QStringLiteral("QLabel#label_HidInfo{%1}").arg(label));
    ui->label_DataTimeInfo->setStyleSheet(QStringLiteral("QLabel#label_DataTimeInfo{%1}").arg(label));
    ui->frame->setStyleSheet(QStringLiteral("QFrame#frame{border: none; border-bottom: 1px solid %1;}")
                                 .arg(stylesheets::colour(theme.SettingsBorderColor)));
}

DFirwareInfoItem::~DFirwareInfoItem() = default;

void DFirwareInfoItem::setInfoText(QString idText, QString buildText)
{
    const int dash = idText.indexOf(QLatin1Char('-'));
    ui->label_HidInfo->setText(dash < 0 ? idText : idText.mid(dash + 1));
    ui->label_DataTimeInfo->setText(buildText);
}

QString DFirwareInfoItem::hidInfoText() const
{
    return ui->label_HidInfo->text();
}

QString DFirwareInfoItem::dataTimeInfoText() const
{
    return ui->label_DataTimeInfo->text();
}
