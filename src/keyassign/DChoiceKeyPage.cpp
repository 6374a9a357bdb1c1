#include "DChoiceKeyPage.h"

#include "RecordText.h"

#include <QAbstractButton>

DChoiceKeyPage::DChoiceKeyPage(QWidget *parent)
    : DKeyAssignPage(parent)
{
}

DChoiceKeyPage::~DChoiceKeyPage() = default;

void DChoiceKeyPage::setChoices(const QList<Choice> &choices, const char *operateType, int defaultCode,
                                QWidget *buttonFrame)
{
    m_choices = choices;
    m_operateType = operateType;
    m_defaultCode = defaultCode;
    m_buttonFrame = buttonFrame;
}

void DChoiceKeyPage::loadCustomKeyInfo()
{
    QList<QAbstractButton *> buttons;
    for (const Choice &choice : qAsConst(m_choices))
        buttons << choice.button;
    clearChecked(buttons);

    CustomKeyInfo info;
    const bool ownKind = readKeyRecord(&info) && recordText(info.operateType) == m_operateType;
    // A stored value that is not one of the codes (nor a number at all) leaves no choice.
    bool isNumber = true;
    const int code = ownKind ? recordText(info.Value).toInt(&isNumber) : m_defaultCode;
    if (!isNumber)
        return;
    for (const Choice &choice : qAsConst(m_choices)) {
        if (choice.code == code) {
            choice.button->setChecked(true);
            break;
        }
    }
}

int DChoiceKeyPage::checkedCode() const
{
    for (const Choice &choice : m_choices) {
        if (choice.button->isChecked())
            return choice.code;
    }
    return -1;
}

void DChoiceKeyPage::setOnboardFlag(int onboard)
{
    m_onboard = onboard;
    if (m_buttonFrame)
        m_buttonFrame->setVisible(onboard != 1);
}

void DChoiceKeyPage::saveCheckedChoice()
{
    const int code = checkedCode();
    if (code < 0)
        return;
    saveKeyRecord(m_operateType, "1", "1", QByteArray::number(code));
}

void DChoiceKeyPage::choiceClicked()
{
    if (m_onboard == 1)
        saveCheckedChoice();
}

void DChoiceKeyPage::cancel()
{
    emit sigClickedCancel();
}
