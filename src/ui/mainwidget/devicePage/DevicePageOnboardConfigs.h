// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The on-board configuration operations of the device page: create, export, import, delete,
// restore and rename a configuration, clean a layer, the configuration combo box (by index, never
// by name), and what a click, a right click and "Empty" do to a key of the on-board view.

#include <QObject>
#include <QString>

#include <functional>

class DDevicePage;
class DevicePageOnboard;

class DevicePageOnboardConfigs : public QObject
{
    Q_OBJECT
public:
    DevicePageOnboardConfigs(DDevicePage *page, DevicePageOnboard *onboard);

    void createNew();
    void exportConfig();
    void importConfig();
    // Import from a file without asking (the dialog's answer); false when nothing was added.
    bool importFile(const QString &path);
    bool exportTo(const QString &folder);
    void deleteConfig();
    void restoreConfig();
    void modifyName();
    void cleanLayer();
    // The combo box's current item changed: its item data is the configuration index.
    void selectIndex(int index);
    void keyClicked(int keyDec, const QString &keyCharacter);
    void keyRightClicked(int keyDec, const QString &keyCharacter);
    void emptyKey();

    // The file dialogs (a file to import, a folder to export to), replaceable for tests.
    std::function<QString()> openFile;
    std::function<QString()> chooseFolder;

private:
    void addComboItem(const QString &name, int index);

    DDevicePage *p;
    DevicePageOnboard *m_onboard;
};
