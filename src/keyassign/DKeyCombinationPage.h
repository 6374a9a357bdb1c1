// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "key combination": the key sends one or two modifiers with one other key, stored as
// operateType 2 with "bits,keyCode" (bit 0 L_CTRL ... bit 7 R_WIN). The combination is entered
// key by key, modifiers first, while the entry field has the focus (through the global key
// capture) or on the on-screen keyboard. PC and on-board mode.

#include "DKeyAssignPage.h"

#include <QMap>
#include <QStringList>

#include <memory>

namespace Ui {
class DKeyCombinationPage;
}
class KeyCaptureField;

class DKeyCombinationPage : public DKeyAssignPage
{
    Q_OBJECT

public:
    explicit DKeyCombinationPage(QWidget *parent = nullptr);
    ~DKeyCombinationPage() override;

    // Also gives the entry field the focus.
    void setInterfaces(MainHidInterFace *hidInterface, xmlInterface *xml) override;
    // Names of the keys that can end a combination, by key code.
    void setKeyNameMap(const QMap<int, QString> &names);
    void loadCustomKeyInfo() override;
    // 1 hides OK and Cancel; every completed combination then saves at once.
    void setOnboardMode(int onboard);
    // One entered key.
    void inputKeyDec(int code);
    // Clears the entry field only.
    void clearKeyText();

    bool isCapturing() const;
    int modifierBits() const { return m_bits; }
    int enteredKeyCode() const { return m_enteredKey; }

    void applyTheme() override;
    void retranslate() override;

    // The modifier's bit value (1 L_CTRL ... 128 R_WIN) for codes 224 to 231, else 0.
    static int modifierBit(int code);

signals:
    void sigChangKeyOrCombinationKeyFocusIn(bool isFocus);
    void sigSoftKeyboardClickedKeyReset();
    void sigResetSoftKeyStatusToDefault(int charDec);

private slots:
    void on_pushButton_OK_clicked();
    void on_pushButton_Cancel_clicked();

private:
    void resetEntry();
    void appendName(const QString &name);

    std::unique_ptr<Ui::DKeyCombinationPage> ui;
    KeyCaptureField *m_capture = nullptr;
    QMap<int, QString> m_keyNames;
    bool m_entering = false;
    QStringList m_names;
    int m_bits = 0;
    int m_enteredKey = 0;
    int m_onboard = 0;
};
