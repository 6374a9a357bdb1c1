// SPDX-License-Identifier: GPL-3.0-or-later
#include "DChangeKeyPage.h"
#include "ui_DChangeKeyPage.h"

#include "DDataManager.h"
#include "KeyCaptureField.h"
#include "RecordText.h"

namespace {
constexpr int kCaptureMode = 2;
}

DChangeKeyPage::DChangeKeyPage(QWidget *parent)
    : DKeyAssignPage(parent)
    , ui(std::make_unique<Ui::DChangeKeyPage>())
{
    ui->setupUi(this);
    m_capture = new KeyCaptureField(ui->lineEdit_changForKey, kCaptureMode, this);
    connect(m_capture, &KeyCaptureField::focusChanged, this, &DChangeKeyPage::sigChangKeyOrCombinationKeyFocusIn);
    applyTheme();
}

DChangeKeyPage::~DChangeKeyPage()
{
    // The field loses its focus while the widgets below this page are destroyed; by then this is
    // no longer a DChangeKeyPage, so its slot must not run.
    m_capture->disconnect(this);
}

void DChangeKeyPage::setInterfaces(MainHidInterFace *hidInterface, xmlInterface *xml)
{
    DKeyAssignPage::setInterfaces(hidInterface, xml);
    ui->lineEdit_changForKey->setFocus();
}

void DChangeKeyPage::setKeyNameMap(const QMap<int, QString> &names)
{
    m_keyNames = names;
}

void DChangeKeyPage::loadCustomKeyInfo()
{
    m_inputCode = -1;
    ui->lineEdit_changForKey->clear();

    CustomKeyInfo info;
    if (!readKeyRecord(&info) || recordText(info.operateType) != "0")
        return;
    bool ok = false;
    const int target = recordText(info.Value).toInt(&ok);
    if (ok && m_keyNames.contains(target))
        ui->lineEdit_changForKey->setText(m_keyNames.value(target));
    ui->lineEdit_changForKey->setFocus();
}

void DChangeKeyPage::setOnboardMode(int onboard)
{
    m_onboard = onboard;
    ui->frame->setVisible(onboard != 1);
}

void DChangeKeyPage::inputKeyDec(int code)
{
    if (code == m_inputCode || !m_keyNames.contains(code))
        return;
    const QString name = m_keyNames.value(code);
    ui->lineEdit_changForKey->clear();
    ui->lineEdit_changForKey->setMaxLength(qMax(1, name.size()));
    ui->lineEdit_changForKey->setText(name);
    m_inputCode = code;
    if (m_onboard == 1)
        on_pushButton_OK_clicked();
}

bool DChangeKeyPage::isCapturing() const
{
    return m_capture->isCapturing();
}

void DChangeKeyPage::applyTheme()
{
    const ThemeColorConfig theme = DDataManager::getInstance()->getThemeColor();
    setStyleSheet(entryStyle(theme));
    ui->frame->setStyleSheet(okCancelStyle(theme));
}

void DChangeKeyPage::retranslate()
{
    ui->retranslateUi(this);
}

void DChangeKeyPage::on_pushButton_OK_clicked()
{
    if (m_inputCode == -1)
        return;
    saveKeyRecord("0", "1", "1", QByteArray::number(m_inputCode));
    m_inputCode = -1;
}

void DChangeKeyPage::on_pushButton_Cancel_clicked()
{
    emit sigClickedCancel();
}
