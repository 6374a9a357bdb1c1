// SPDX-License-Identifier: GPL-3.0-or-later
#include "DResetDefaultPage.h"
#include "ui_DResetDefaultPage.h"

#include "DDataManager.h"
#include "LogCategories.h"
#include "RecordNumber.h"
#include "RecordText.h"
#include "ThemeStyleSheets.h"
#include "xmlInterface.h"

DResetDefaultPage::DResetDefaultPage(QWidget *parent)
    : DKeyAssignPage(parent)
    , ui(std::make_unique<Ui::DResetDefaultPage>())
{
    ui->setupUi(this);
    applyTheme();
}

DResetDefaultPage::~DResetDefaultPage() = default;

void DResetDefaultPage::setCurrentKey(const QPair<int, QString> &key)
{
    DKeyAssignPage::setCurrentKey(key);
    showKeyName();
}

void DResetDefaultPage::showKeyName()
{
    if (currentKeyCode() != -1)
        ui->label_KeyChar->setText(currentKeyName());
}

void DResetDefaultPage::setOnboardMode(int onboard)
{
    m_onboard = onboard;
}

void DResetDefaultPage::applyTheme()
{
    const ThemeColorConfig theme = DDataManager::getInstance()->getThemeColor();
    ui->label_3->setStyleSheet(QStringLiteral("color:%1;font-family:\"%2\";font-weight:75;font-size:11pt;")
                                   .arg(stylesheets::colour(theme.TextDefaultColor), theme.TextFont));
    ui->label_KeyChar->setStyleSheet(
        QStringLiteral("color:%1;border:1px solid %1;font-family:\"%2\";font-weight:75;font-size:11pt;")
            .arg(stylesheets::colour(theme.TextCheckedColor), theme.TextFont));
    ui->frame->setStyleSheet(okCancelStyle(theme));
}

void DResetDefaultPage::retranslate()
{
    ui->retranslateUi(this);
    showKeyName();
}

void DResetDefaultPage::on_pushButton_OK_clicked()
{
    qCDebug(lcUi) << "--------------- keyDefault -----------------";
    if (currentKeyCode() == -1)
        return;

    CustomKeyInfo info;
    const bool hasItem = readKeyRecord(&info);
    // The key's item goes first: should the copy's removal fail, an unused copy stays behind,
    // never a bound key without its copy.
    if (!xml() || !xml()->deleteKeyMapItem(profileFilePath(), profileKey().constData(), keyCodeText().constData())) {
        reportSave(false, "reset");
        return;
    }
    if (hasItem && recordText(info.operateType) == "1") {
        const QByteArray index = QByteArray::number(recordNumber(info.Value));
        // Counted after the key's own item is gone: no other key uses the macro.
        const int others =
            xml()->getKeyMapValue(profileFilePath(), profileKey().constData(), recordText(info.Value).constData());
        if (others == 0 && !xml()->deleteBindMacro(profileFilePath(), profileKey().constData(), index.constData()))
            qCWarning(lcUi) << "The unused copy of macro" << index << "stays in profile" << profileIndex();
    }
    reportSave(true, "reset");
}

void DResetDefaultPage::on_pushButton_Cancel_clicked()
{
    emit sigClickedCancel();
}
