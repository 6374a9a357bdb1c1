// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Select app": the key opens a file, stored as operateType 8 with the file's full path in
// UTF-8; a program is started, any other file opened in its handler. PC mode only.

#include "DKeyAssignPage.h"

#include <functional>
#include <memory>

namespace Ui {
class DKeyWithAppPage;
}

class DKeyWithAppPage : public DKeyAssignPage
{
    Q_OBJECT

public:
    // Asks the user for a file: parent, caption, start folder, filter; empty when cancelled.
    using FileChooser = std::function<QString(QWidget *, const QString &, const QString &, const QString &)>;

    explicit DKeyWithAppPage(QWidget *parent = nullptr);
    ~DKeyWithAppPage() override;

    // Shows the key's stored file and takes it as the choice (none without one).
    void loadCustomKeyInfo() override;
    // Replaces the system file dialog; an empty chooser brings it back.
    void setFileChooser(FileChooser chooser);
    QString chosenPath() const { return m_appPath; }

    void applyTheme() override;
    void retranslate() override;

private slots:
    void on_pushButton_selectAppPath_clicked();
    void on_pushButton_OK_clicked();
    void on_pushButton_Cancel_clicked();

private:
    void showPath(const QString &path);

    std::unique_ptr<Ui::DKeyWithAppPage> ui;
    QString m_appPath;
    FileChooser m_chooser;
};
