#pragma once
// "Assign Macro": binds a macro of the user's macro library to the key with a play mode, stored as
// operateType 1 with the macro's index. The profile keeps its own copy of every macro its keys are
// bound to ("Macro<index>" under `bindMacro`); the first key bound to a macro makes that copy, and
// playback and the on-board download read only the copy. PC and on-board mode.

#include "DKeyAssignPage.h"

#include <memory>
#include <QMap>

namespace Ui {
class DMacroCmdPage;
}

class DMacroCmdPage : public DKeyAssignPage
{
    Q_OBJECT

public:
    explicit DMacroCmdPage(QWidget *parent = nullptr);
    ~DMacroCmdPage() override;

    // Reads the library and the key's binding; never saves.
    void loadCustomKeyInfo() override;
    // 1 hides OK and Cancel; every choice then saves at once.
    void setOnboardMode(int onboard);

    void applyTheme() override;
    void retranslate() override;

    // The macro that OK binds; 0 when there is none.
    int macroIndex() const { return m_macroIndex; }

private slots:
    void on_radioButton_playOne_clicked();
    void on_radioButton_playMany_clicked();
    void on_radioButton_playKeyPressRelStop_clicked();
    void on_radioButton_playWhellKeyPress_clicked();
    void on_lineEdit_playMany_textChanged(const QString &text);
    void on_comboBox_Macro_currentIndexChanged(const QString &text);
    void on_pushButton_OK_clicked();
    void on_pushButton_Cancel_clicked();

private:
    void loadMacroList();
    void setToolTips();
    void choose(int mode);
    void saveCustomKeyInfo(int repeatNum, int mode, int macroIndex);
    bool bindMacroToProfile(int macroIndex);

    std::unique_ptr<Ui::DMacroCmdPage> ui;
    QMap<int, QString> m_macroNames;
    int m_macroIndex = 0;
    int m_repeatNum = 1;
    int m_playMode = 1;
    int m_onboard = 0;
};
