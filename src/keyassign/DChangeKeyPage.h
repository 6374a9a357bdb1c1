// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Remap Key": the key sends another key, stored as operateType 0 with the target's key code.
// The target is entered by pressing it while the entry field has the focus (the global key
// capture relays it through the device page) or by clicking it on the on-screen keyboard.
// PC and on-board mode.

#include "DKeyAssignPage.h"

#include <QMap>

#include <memory>

namespace Ui {
class DChangeKeyPage;
}
class KeyCaptureField;

class DChangeKeyPage : public DKeyAssignPage
{
    Q_OBJECT

public:
    explicit DChangeKeyPage(QWidget *parent = nullptr);
    ~DChangeKeyPage() override;

    // Also gives the entry field the focus.
    void setInterfaces(MainHidInterFace *hidInterface, xmlInterface *xml) override;
    // Names of the keys that can be entered, by key code.
    void setKeyNameMap(const QMap<int, QString> &names);
    void loadCustomKeyInfo() override;
    // 1 hides OK and Cancel; every accepted key then saves at once.
    void setOnboardMode(int onboard);
    // One entered key; codes without a name are ignored.
    void inputKeyDec(int code);

    bool isCapturing() const;

    void applyTheme() override;
    void retranslate() override;

signals:
    void sigChangKeyOrCombinationKeyFocusIn(bool isFocus);

private slots:
    void on_pushButton_OK_clicked();
    void on_pushButton_Cancel_clicked();

private:
    std::unique_ptr<Ui::DChangeKeyPage> ui;
    KeyCaptureField *m_capture = nullptr;
    int m_inputCode = -1;
    QMap<int, QString> m_keyNames;
    int m_onboard = 0;
};
