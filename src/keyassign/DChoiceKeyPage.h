#pragma once
// A key-assignment page whose value is one of a column of radio buttons, each standing for a code
// that is stored as the assignment's Value.

#include "DKeyAssignPage.h"

#include <QList>
#include <QPair>

class QAbstractButton;
class QWidget;

class DChoiceKeyPage : public DKeyAssignPage
{
    Q_OBJECT

public:
    explicit DChoiceKeyPage(QWidget *parent = nullptr);
    ~DChoiceKeyPage() override;

    // Checks the button of the stored code; a stored code without a button leaves none checked,
    // so OK saves nothing. A key without an item of this kind shows the default choice.
    void loadCustomKeyInfo() override;
    // The code of the checked button, -1 when none is checked.
    int checkedCode() const;

protected:
    struct Choice {
        int code;
        QAbstractButton *button;
    };
    void setChoices(const QList<Choice> &choices, const char *operateType, int defaultCode, QWidget *buttonFrame);
    // 1 hides OK and Cancel and saves every click on a choice at once.
    void setOnboardFlag(int onboard);
    // Saves the checked choice; nothing when none is checked.
    void saveCheckedChoice();
    // A click on a choice: saved at once in on-board mode.
    void choiceClicked();
    void cancel();

private:
    QList<Choice> m_choices;
    const char *m_operateType = "";
    int m_defaultCode = 0;
    QWidget *m_buttonFrame = nullptr;
    int m_onboard = 0;
};
