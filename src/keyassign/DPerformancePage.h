// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The keyboard options panel: four switches kept per profile in the profile file (feature1
// disable Alt+Tab, feature2 Alt+F4, feature3 Shift+Tab, feature4 the Windows keys; the device
// link applies them while the keyboard's Win Lock is on), a button that asks for the current
// profile's reset and one that opens the desktop's keyboard settings. Not tied to a key.

#include "DKeyAssignPage.h"

#include <memory>

namespace Ui {
class DPerformancePage;
}
class DesktopSettings;

class DPerformancePage : public DKeyAssignPage
{
    Q_OBJECT

public:
    explicit DPerformancePage(QWidget *parent = nullptr);
    ~DPerformancePage() override;

    // Shows the current profile's switches; missing ones are off.
    void loadFunctionSetting();
    void loadCustomKeyInfo() override { loadFunctionSetting(); }
    // Replaces the desktop (not owned); null brings back the system's.
    void setDesktopSettings(DesktopSettings *settings);

    void applyTheme() override;
    void retranslate() override;

signals:
    void sigResetoreCurrentProfile();

private slots:
    void on_checkBox_disableALT_TAB_clicked();
    void on_checkBox_disableALT_F4_clicked();
    void on_checkBox_disableSHIFT_TAB_clicked();
    void on_checkBox_disableWindowsKey_clicked();
    void on_pushButton_Restore_clicked();
    void on_pushButton_keyboardProperties_clicked();

private:
    void saveFunctionSetting();

    std::unique_ptr<Ui::DPerformancePage> ui;
    DesktopSettings *m_desktop = nullptr;
};
