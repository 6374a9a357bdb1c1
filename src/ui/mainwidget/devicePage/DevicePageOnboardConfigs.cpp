// SPDX-License-Identifier: GPL-3.0-or-later
#include "DevicePageOnboardConfigs.h"

#include "DChangeKeyPage.h"
#include "DDevicePage.h"
#include "DeviceModels.h"
#include "DevicePageOnboard.h"
#include "DKeyCombinationPage.h"
#include "DMacroCmdPage.h"
#include "DMouseKeyPage.h"
#include "DMultimediaPage.h"
#include "DOnboardPage.h"
#include "DResetDefaultPage.h"
#include "ExportFileName.h"
#include "LogCategories.h"
#include "RecordNumber.h"
#include "SoftKeyboardButCustom.h"
#include "ui_DDevicePage.h"
#include "xmlInterface.h"

#include <QAction>
#include <QCursor>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QStringList>

DevicePageOnboardConfigs::DevicePageOnboardConfigs(DDevicePage *page, DevicePageOnboard *onboard)
    : QObject(page)
    , p(page)
    , m_onboard(onboard)
{
    openFile = [this] {
        return QFileDialog::getOpenFileName(p, DDevicePage::tr("Open profile file"), p->m_strDesktopPath,
                                            DDevicePage::tr("Profile files(*.xml)"));
    };
    chooseFolder = [this] {
        return QFileDialog::getExistingDirectory(p, DDevicePage::tr("Save directory"), p->m_strDesktopPath,
                                                 QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    };
}

void DevicePageOnboardConfigs::addComboItem(const QString &name, int index)
{
    p->ui->comboBox_OnboardProfile->addItem(name, index);
}

void DevicePageOnboardConfigs::createNew()
{
    qCDebug(lcUi) << "------------ *** On-board [CreateNew] *** -------------";
    QList<IndexNameInfo> configs;
    p->m_xml->getMacroList(p->m_onboardXmlPath.constData(), &configs);
    int index = 1;
    for (const IndexNameInfo &config : qAsConst(configs)) {
        const int value = recordNumber(config.index);
        if (value > index)
            break;
        if (value == index)
            ++index;
    }
    const QString name = QStringLiteral("NewConfig%1").arg(index);
    const QByteArray key = QByteArray::number(index);
    if (!p->m_xml->addMacroNode(p->m_onboardXmlPath.constData(), key.constData(), name.toUtf8().constData())
        || !p->createOnboardConfig(index)) {
        p->showNotice(DDevicePage::tr("Create new config failed"));
        return;
    }
    addComboItem(name, index);
    p->ui->comboBox_OnboardProfile->setCurrentIndex(p->ui->comboBox_OnboardProfile->count() - 1);
    if (p->m_onboardFlag)
        p->showNotice(DDevicePage::tr("Create new config successful"));
}

bool DevicePageOnboardConfigs::exportTo(const QString &folder)
{
    const int index = p->m_curOnboardConfigIndex;
    const QString path = ExportFileName::pathIn(
        folder, ExportFileName::baseName(p->m_strCurOnboardConfigName, QStringLiteral("NewConfig%1").arg(index)),
        QStringLiteral(".xml"));
    if (path.isEmpty()) {
        qCWarning(lcUi) << "on-board export: no file name in" << folder << "for" << p->m_strCurOnboardConfigName;
        return false;
    }
    return m_onboard->files().exportConfig(index, QFile::encodeName(path));
}

void DevicePageOnboardConfigs::exportConfig()
{
    qCDebug(lcUi) << "------------ *** On-board [Export] *** -------------";
    const QString folder = chooseFolder ? chooseFolder() : QString();
    if (folder.isEmpty()) {
        p->showNotice(DDevicePage::tr("Please select save directory first"));
        return;
    }
    p->showNotice(exportTo(folder) ? DDevicePage::tr("Export profile successful")
                                   : DDevicePage::tr("Export profile failed"));
}

bool DevicePageOnboardConfigs::importFile(const QString &path)
{
    const int index = m_onboard->files().importConfig(QFile::encodeName(path), QStringLiteral("NewConfig%1"));
    if (index < 0)
        return false;
    addComboItem(QStringLiteral("NewConfig%1").arg(index), index);
    return true;
}

void DevicePageOnboardConfigs::importConfig()
{
    const QString path = openFile ? openFile() : QString();
    if (path.isEmpty()) {
        p->showNotice(DDevicePage::tr("Please select import file first"));
        return;
    }
    if (!importFile(path)) {
        p->showNotice(DDevicePage::tr("Import profile failed"));
        return;
    }
    p->showNotice(DDevicePage::tr("Import profile successful"));
}

void DevicePageOnboardConfigs::deleteConfig()
{
    QComboBox *combo = p->ui->comboBox_OnboardProfile;
    if (combo->count() <= 1) {
        p->showNotice(DDevicePage::tr("Need keep at least one config"));
        return;
    }
    qCDebug(lcUi) << "------------ *** On-board [Delete] *** -------------";
    const int index = p->m_curOnboardConfigIndex;
    p->m_xml->deleteNodeByValue(p->m_onboardXmlPath.constData(), QByteArray::number(index).constData());
    p->deleteOnboardConfig(index);
    int next = -1;
    {
        const QSignalBlocker blocker(combo);
        const int row = combo->findData(index);
        if (row >= 0)
            combo->removeItem(row);
        // The first name in text order becomes current.
        int first = 0;
        for (int i = 1; i < combo->count(); ++i) {
            if (combo->itemText(i) < combo->itemText(first))
                first = i;
        }
        combo->setCurrentIndex(first);
        next = combo->itemData(first).toInt();
    }
    selectIndex(next);
    p->showNotice(DDevicePage::tr("Delete config successful"));
}

void DevicePageOnboardConfigs::restoreConfig()
{
    qCDebug(lcUi) << "------------ *** On-board [Restore] *** -------------";
    const int index = p->m_curOnboardConfigIndex;
    p->deleteOnboardConfig(index);
    p->createOnboardConfig(index);
    p->updateOnboardKeyboard();
    p->showNotice(DDevicePage::tr("Restore config successful"));
}

void DevicePageOnboardConfigs::modifyName()
{
    qCDebug(lcUi) << "------------ *** On-board [ModifyName] *** -------------";
    p->ui->stackedWidget_Onboard->setCurrentWidget(p->ui->page_OnboardModifyName);
    p->ui->lineEdit_OnboardModifyProfileName->setText(p->ui->comboBox_OnboardProfile->currentText());
}

void DevicePageOnboardConfigs::cleanLayer()
{
    qCDebug(lcUi) << "------------ *** On-board [CleanLayer] *** -------------";
    OnboardConfigFiles &f = m_onboard->files();
    const QByteArray path = f.layerPath(p->m_onboardLayer);
    if (path.isEmpty())
        return;
    const bool fn1Preset = models::hasFn1KeyPreset(f.model());
    const bool keep = p->m_onboardFlag
                      && m_onboard->ask(fn1Preset ? DDevicePage::tr("Do you want to keep the FN key setting?")
                                                  : DDevicePage::tr("Do you want to keep the FN1 key setting?"));
    const int index = p->m_curOnboardConfigIndex;
    const QByteArray key = QByteArray::number(index);
    const QByteArray name = "Profile" + key;
    // The empty configuration goes in before the old one goes, as for a template.
    const bool hadOld = !p->m_xml->findNodeByValue(path.constData(), key.constData()).isNull();
    if (!p->m_xml->addProfileConfig(path.constData(), key.constData(), name.constData(), "", "", 0)) {
        p->showNotice(DDevicePage::tr("Clean layer failed"));
        return;
    }
    if (hadOld)
        p->m_xml->deleteNodeByValue(path.constData(), key.constData());
    if (fn1Preset) {
        for (const QByteArray &layerFile : {f.layerPath(0), f.layerPath(1)}) {
            if (keep)
                p->m_xml->replaceKeyMapItem(layerFile.constData(), key.constData(), "251", "FN1", "0", "1", "1", "-20");
            p->m_xml->replaceKeyMapItem(layerFile.constData(), key.constData(), "41", "Esc", "0", "1", "1", "41");
        }
    } else {
        p->m_xml->replaceKeyMapItem(path.constData(), key.constData(), "-10", "Fn", "0", "1", "1", "-10");
    }
    const QByteArray other = f.layerPath(p->m_onboardLayer == 0 ? 1 : 0);
    for (const CustomKeyInfo &record : f.layerRecords(p->m_onboardLayer == 0 ? 1 : 0, index)) {
        if (recordNumber(record.operateType) != 0 || recordNumber(record.Value) != OnboardConfigFiles::kFn1Value)
            continue;
        if (keep)
            p->m_xml->replaceKeyMapItem(path.constData(), key.constData(), record.keyCode, record.keyChar, "0", "1",
                                        "1", "-20");
        else if (!(fn1Preset && recordNumber(record.keyCode) == OnboardConfigFiles::kFnCode))
            p->m_xml->deleteKeyMapItem(other.constData(), key.constData(), record.keyCode);
    }
    p->updateOnboardKeyboard();
    if (p->m_onboardFlag)
        p->showNotice(DDevicePage::tr("Clean layer successful"));
}

void DevicePageOnboardConfigs::selectIndex(int index)
{
    const int row = p->ui->comboBox_OnboardProfile->findData(index);
    if (row < 0)
        return;
    qCDebug(lcUi).noquote() << "------------ *** On-board [ComboxCurrentIndexChanged] *** -------------strCurrentText:"
                            << p->ui->comboBox_OnboardProfile->itemText(row)
                            << "  currentOnboardProfileIndex:" << index;
    p->m_curOnboardConfigIndex = index;
    p->m_strCurOnboardConfigName = p->ui->comboBox_OnboardProfile->itemText(row);
    if (p->m_xml && !p->m_onboardXmlPath.isEmpty())
        p->m_xml->setProfileIndex(p->m_onboardXmlPath.constData(), index);
    p->m_curOnboardKeyDec = -1;
    p->m_curOnboardKeyCharacter.clear();
    for (DKeyAssignPage *page : m_onboard->keyPages())
        page->setProfileIndex(index);
    p->updateOnboardKeyboard();
}

void DevicePageOnboardConfigs::keyClicked(int keyDec, const QString &keyCharacter)
{
    qCDebug(lcUi).noquote() << "------------------------------------------------------Mouse button press (Left) keyDec:"
                            << keyDec << " keyCharacter:" << keyCharacter;
    QString caption = keyCharacter;
    caption.remove(QLatin1Char('"'));
    if (keyDec == 52)
        caption = QStringLiteral("' \"");
    p->m_curOnboardKeyDec = keyDec;
    p->m_curOnboardKeyCharacter = caption;
    const QByteArray layerPath = m_onboard->files().layerPath(p->m_onboardLayer);
    DKeyAssignPage *page = nullptr;
    switch (p->m_curKeyPageType) {
    case 10:
        page = p->m_resetDefaultPage;
        caption = DDevicePage::tr("Empty");
        break;
    case 0:
        page = p->m_macroCmdPage;
        break;
    case 1:
        page = p->m_changeKeyPage;
        if (p->m_changeKeyPage)
            p->m_changeKeyPage->setKeyNameMap(p->m_keyNameMap);
        break;
    case 2:
        page = p->m_keyCombinationPage;
        if (p->m_keyCombinationPage) {
            p->m_keyCombinationPage->setKeyNameMap(p->m_keyNameMap);
            p->m_keyCombinationPage->clearKeyText();
        }
        break;
    case 3:
        page = p->m_multimediaPage;
        break;
    case 4:
        page = p->m_mouseKeyPage;
        break;
    default:
        return;
    }
    if (!page)
        return;
    page->setInterfaces(p->m_curHidInterface, p->m_xml);
    page->setCurrentKey(qMakePair(keyDec, caption));
    page->setFilePaths(p->m_macroXmlPath.constData(), layerPath.constData());
}

void DevicePageOnboardConfigs::keyRightClicked(int keyDec, const QString &keyCharacter)
{
    p->m_curOnboardKeyDec = keyDec;
    p->m_curOnboardKeyCharacter = keyCharacter;
    delete p->m_keyMenu;
    p->m_keyMenu = new QMenu;
    p->m_keyMenuAction = new QAction(DDevicePage::tr("Empty"), p);
    p->m_keyMenu->addAction(p->m_keyMenuAction);
    connect(p->m_keyMenuAction, &QAction::triggered, p, &DDevicePage::onEmptyForKey);
    p->m_keyMenu->exec(QCursor::pos());
    delete p->m_keyMenuAction;
    delete p->m_keyMenu;
    p->m_keyMenuAction = nullptr;
    p->m_keyMenu = nullptr;
}

void DevicePageOnboardConfigs::emptyKey()
{
    qCDebug(lcUi) << "--------------------------- Menu [Empty key operate] ---------------------------";
    OnboardConfigFiles &f = m_onboard->files();
    const QByteArray path = f.layerPath(p->m_onboardLayer);
    const QByteArray key = QByteArray::number(p->m_curOnboardConfigIndex);
    const QByteArray code = QByteArray::number(p->m_curOnboardKeyDec);
    CustomKeyInfo record{};
    qstrncpy(record.keyCode, "-1", sizeof record.keyCode);
    p->m_xml->getKeyMapItems(path.constData(), key.constData(), code.constData(), &record);
    if (path.isEmpty() || recordNumber(record.keyCode) == -1)
        return;
    const bool fn1 =
        recordNumber(record.operateType) == 0 && recordNumber(record.Value) == OnboardConfigFiles::kFn1Value;
    for (const QByteArray &file : fn1 ? QList<QByteArray>{f.layerPath(0), f.layerPath(1)} : QList<QByteArray>{path})
        p->m_xml->deleteKeyMapItem(file.constData(), key.constData(), code.constData());
    if (p->m_onboardPage) {
        if (SoftKeyboardButCustom *button = p->m_onboardPage->getKeyButtonMap().value(p->m_curOnboardKeyDec))
            button->setFunctionText(qMakePair(-1, QString()));
    }
    p->showNotice(DDevicePage::tr("Empty the key successful"));
}
