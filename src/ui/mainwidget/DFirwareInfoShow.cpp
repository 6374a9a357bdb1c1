// SPDX-License-Identifier: GPL-3.0-or-later
#include "DFirwareInfoShow.h"
#include "ui_DFirwareInfoShow.h"

#include "DDataManager.h"
#include "DFirwareInfoItem.h"
#include "ThemeStyleSheets.h"

DFirwareInfoShow::DFirwareInfoShow(QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::DFirwareInfoShow>())
{
    ui->setupUi(this);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    setWindowTitle(tr("Firmware Info"));
    setFixedSize(350, 370);

    const ThemeColorConfig theme = DDataManager::getInstance()->getThemeColor();
    ui->frame_26->setStyleSheet(
        QStringLiteral(
            "QFrame#frame_26{background-color: %1; border: none; border-bottom: 2px solid %2;}"
            "QLabel#label_10{color: %3; font-weight: 75; font-size: 12pt; font-family: \"Microsoft YaHei\";}")
            .arg(stylesheets::colour(theme.SettingsBgColor), stylesheets::colour(theme.SettingsBorderColor),
                 stylesheets::colour(theme.TextDefaultColor)));
    ui->frame_2->setStyleSheet(QStringLiteral("QFrame#frame_2{border: none; border-top: 2px solid %1;}")
                                   .arg(stylesheets::colour(theme.SettingsBorderColor)));
    ui->scrollAreaWidgetContents_2->setStyleSheet(
        QStringLiteral("QWidget#scrollAreaWidgetContents_2{background-color: %1;}")
            .arg(stylesheets::colour(theme.SettingsBgColor)));
}

DFirwareInfoShow::~DFirwareInfoShow() = default;

void DFirwareInfoShow::setFirmwareInfoMap(QMap<QString, QString> firmwareInfoMap)
{
    m_firmwareInfoMap = firmwareInfoMap;
    clearRows();
    QVBoxLayout *layout = ui->verticalLayout_17;
    for (auto it = m_firmwareInfoMap.cbegin(); it != m_firmwareInfoMap.cend(); ++it) {
        auto *row = new DFirwareInfoItem(ui->scrollAreaWidgetContents_2);
        row->setInfoText(it.key(), it.value());
        layout->insertWidget(layout->count() - 1, row);
    }
}

void DFirwareInfoShow::clearRows()
{
    QVBoxLayout *layout = ui->verticalLayout_17;
    // Every item but the trailing spacer.
    const int rowCount = layout->count() - 1;
    for (int i = 0; i < rowCount; ++i) {
        QLayoutItem *item = layout->takeAt(0);
        if (!item)
            break;
        if (QWidget *widget = item->widget()) {
            widget->hide();
            widget->deleteLater();
        }
        delete item;
    }
}

QList<DFirwareInfoItem *> DFirwareInfoShow::rows() const
{
    QList<DFirwareInfoItem *> result;
    QVBoxLayout *layout = ui->verticalLayout_17;
    for (int i = 0; i < layout->count(); ++i) {
        if (auto *row = qobject_cast<DFirwareInfoItem *>(layout->itemAt(i)->widget()))
            result.append(row);
    }
    return result;
}
