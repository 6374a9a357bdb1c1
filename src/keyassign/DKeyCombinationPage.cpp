// SPDX-License-Identifier: GPL-3.0-or-later
#include "DKeyCombinationPage.h"
#include "ui_DKeyCombinationPage.h"

#include "DDataManager.h"
#include "KeyCaptureField.h"
#include "LogCategories.h"
#include "RecordText.h"

namespace {

constexpr int kCaptureMode = 3;
constexpr int kFirstModifier = 224;
constexpr int kModifierCount = 8;

// Names by bit: L_CTRL L_SHIFT L_ALT L_WIN R_CTRL R_SHIFT R_ALT R_WIN.
QString modifierName(int bitIndex)
{
    static const char *const names[kModifierCount] = {"L_CTRL", "L_SHIFT", "L_ALT", "L_WIN",
                                                      "R_CTRL", "R_SHIFT", "R_ALT", "R_WIN"};
    return QLatin1String(names[bitIndex]);
}

}  // namespace

DKeyCombinationPage::DKeyCombinationPage(QWidget *parent)
    : DKeyAssignPage(parent)
    , ui(std::make_unique<Ui::DKeyCombinationPage>())
{
    ui->setupUi(this);
    m_capture = new KeyCaptureField(ui->lineEdit_keyCombination, kCaptureMode, this);
    connect(m_capture, &KeyCaptureField::focusChanged, this, &DKeyCombinationPage::sigChangKeyOrCombinationKeyFocusIn);
    applyTheme();
}

DKeyCombinationPage::~DKeyCombinationPage()
{
    // The field loses its focus while the widgets below this page are destroyed; by then this is
    // no longer a DKeyCombinationPage, so its slot must not run.
    m_capture->disconnect(this);
}

int DKeyCombinationPage::modifierBit(int code)
{
    const int index = code - kFirstModifier;
    return index >= 0 && index < kModifierCount ? 1 << index : 0;
}

void DKeyCombinationPage::setInterfaces(MainHidInterFace *hidInterface, xmlInterface *xml)
{
    DKeyAssignPage::setInterfaces(hidInterface, xml);
    ui->lineEdit_keyCombination->setFocus();
}

void DKeyCombinationPage::setKeyNameMap(const QMap<int, QString> &names)
{
    m_keyNames = names;
}

void DKeyCombinationPage::resetEntry()
{
    ui->lineEdit_keyCombination->clear();
    m_names.clear();
    m_bits = 0;
    m_enteredKey = 0;
}

void DKeyCombinationPage::loadCustomKeyInfo()
{
    emit sigSoftKeyboardClickedKeyReset();
    resetEntry();
    m_entering = false;

    CustomKeyInfo info;
    if (!readKeyRecord(&info) || recordText(info.operateType) != "2")
        return;
    const QString value = QString::fromUtf8(recordText(info.Value));
    const QStringList parts = value.split(QLatin1Char(','));
    bool bitsOk = false;
    bool keyOk = false;
    const int bits = parts.value(0).trimmed().toInt(&bitsOk);
    const int keyCode = parts.value(1).trimmed().toInt(&keyOk);
    if (parts.size() != 2 || !bitsOk || !keyOk || bits < 1 || bits > 255) {
        qCWarning(lcUi) << "Key" << currentKeyCode() << "holds a key combination out of its format:" << value;
        return;
    }
    QStringList names;
    for (int bit = 0; bit < kModifierCount; ++bit) {
        if (bits & (1 << bit))
            names << modifierName(bit);
    }
    if (m_keyNames.contains(keyCode))
        names << m_keyNames.value(keyCode);
    ui->lineEdit_keyCombination->setText(names.join(QLatin1Char('+')));
    ui->lineEdit_keyCombination->setFocus();
}

void DKeyCombinationPage::setOnboardMode(int onboard)
{
    m_onboard = onboard;
    ui->frame->setVisible(onboard != 1);
}

void DKeyCombinationPage::inputKeyDec(int code)
{
    if (!m_entering) {
        resetEntry();
        m_entering = true;
    }
    const int bit = modifierBit(code);
    if (bit == 0) {
        if (m_names.isEmpty()) {
            // A combination begins with a modifier.
            emit sigSoftKeyboardClickedKeyReset();
            return;
        }
        if (m_keyNames.contains(code)) {
            m_entering = false;
            m_enteredKey = code;
            appendName(m_keyNames.value(code));
            m_names.clear();
            emit sigSoftKeyboardClickedKeyReset();
            if (m_onboard == 1)
                on_pushButton_OK_clicked();
            return;
        }
        if (m_names.size() < 2) {
            m_entering = false;
            return;
        }
    }
    if (m_names.size() >= 2) {
        // Two modifiers at most; a key without a name ends the entry too.
        if (bit == 0)
            m_entering = false;
        emit sigResetSoftKeyStatusToDefault(code);
        return;
    }
    m_bits |= bit;
    appendName(modifierName(code - kFirstModifier));
}

void DKeyCombinationPage::appendName(const QString &name)
{
    if (m_names.contains(name))
        return;
    m_names << name;
    const QString text = m_names.join(QLatin1Char('+'));
    ui->lineEdit_keyCombination->setMaxLength(qMax(1, text.size()));
    ui->lineEdit_keyCombination->setText(text);
}

void DKeyCombinationPage::clearKeyText()
{
    ui->lineEdit_keyCombination->clear();
}

bool DKeyCombinationPage::isCapturing() const
{
    return m_capture->isCapturing();
}

void DKeyCombinationPage::applyTheme()
{
    const ThemeColorConfig theme = DDataManager::getInstance()->getThemeColor();
    setStyleSheet(entryStyle(theme));
    ui->frame->setStyleSheet(okCancelStyle(theme));
}

void DKeyCombinationPage::retranslate()
{
    ui->retranslateUi(this);
}

void DKeyCombinationPage::on_pushButton_OK_clicked()
{
    if (m_bits == 0 || m_enteredKey == 0)
        return;
    saveKeyRecord("2", "1", "1", QByteArray::number(m_bits) + ',' + QByteArray::number(m_enteredKey));
    m_bits = 0;
    m_enteredKey = 0;
    emit sigSoftKeyboardClickedKeyReset();
}

void DKeyCombinationPage::on_pushButton_Cancel_clicked()
{
    emit sigSoftKeyboardClickedKeyReset();
    resetEntry();
    m_entering = false;
    emit sigClickedCancel();
}
