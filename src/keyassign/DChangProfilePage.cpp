// SPDX-License-Identifier: GPL-3.0-or-later
#include "DChangProfilePage.h"
#include "ui_DChangProfilePage.h"

#include "DDataManager.h"
#include "RecordText.h"
#include "ThemeStyleSheets.h"
#include "xmlInterface.h"

#include <QSignalBlocker>

DChangProfilePage::DChangProfilePage(QWidget *parent)
    : DKeyAssignPage(parent)
    , ui(std::make_unique<Ui::DChangProfilePage>())
{
    ui->setupUi(this);
    applyTheme();
}

DChangProfilePage::~DChangProfilePage() = default;

void DChangProfilePage::loadCustomKeyInfo()
{
    const QSignalBlocker blocker(ui->comboBox_Profile);
    ui->comboBox_Profile->clear();
    m_profileNames.clear();

    QList<IndexNameInfo> profiles;
    if (xml())
        xml()->getProfileList(profileFilePath(), &profiles);
    for (const IndexNameInfo &profile : qAsConst(profiles)) {
        const QString index = QString::fromLatin1(recordText(profile.index));
        const QString name = QString::fromUtf8(recordText(profile.name));
        ui->comboBox_Profile->addItem(name, index);
        m_profileNames.insert(index.toInt(), name);
    }
    ui->comboBox_Profile->setCurrentIndex(ui->comboBox_Profile->count() > 0 ? 0 : -1);

    CustomKeyInfo info;
    if (!readKeyRecord(&info) || recordText(info.operateType) != "7")
        return;
    // By index: two profiles may share a name.
    bool ok = false;
    const int target = recordText(info.Value).toInt(&ok);
    if (!ok || !m_profileNames.contains(target))
        return;
    for (int i = 0; i < ui->comboBox_Profile->count(); ++i) {
        if (ui->comboBox_Profile->itemData(i).toString().toInt() == target) {
            ui->comboBox_Profile->setCurrentIndex(i);
            break;
        }
    }
}

void DChangProfilePage::applyTheme()
{
    const ThemeColorConfig theme = DDataManager::getInstance()->getThemeColor();
    ui->label_2->setStyleSheet(QStringLiteral("QLabel{color:%1;font-family:\"%2\";font-weight:75;font-size:10pt;}")
                                   .arg(stylesheets::colour(theme.TextDefaultColor), theme.TextFont));
    ui->comboBox_Profile->setStyleSheet(
        QStringLiteral("QComboBox{background-color:%1;border:1px solid %2;color:%2;font-family:\"%4\";"
                       "font-weight:75;font-size:10pt;padding-left:5px;}"
                       "QComboBox:hover{border:1px solid %3;}"
                       "QComboBox QAbstractItemView{outline:0px;selection-background-color:rgb(255, 35, 76);}"
                       "QComboBox QAbstractItemView::item{height:40px;padding-left:10px;}"
                       "QComboBox::drop-down{width:20px;padding-right:3px;background:transparent;border:none;}"
                       "QComboBox::down-arrow{image:url(:/images/publicIco/comboxDef.png);width:10px;height:10px;}"
                       "QComboBox::down-arrow:on{image:url(:/images/publicIco/comboxSel.png);}")
            .arg(stylesheets::colour(theme.DeviceControlDefaultColor), stylesheets::colour(theme.TextDefaultColor),
                 stylesheets::colour(theme.TextCheckedColor), theme.TextFont));
    ui->frame->setStyleSheet(okCancelStyle(theme));
}

void DChangProfilePage::retranslate()
{
    ui->retranslateUi(this);
}

void DChangProfilePage::on_pushButton_OK_clicked()
{
    const int index = ui->comboBox_Profile->currentData().toString().toInt();
    saveKeyRecord("7", "1", "1", QByteArray::number(index));
}

void DChangProfilePage::on_pushButton_Cancel_clicked()
{
    emit sigClickedCancel();
}
