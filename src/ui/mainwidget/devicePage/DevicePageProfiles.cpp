// SPDX-License-Identifier: GPL-3.0-or-later
#include "DevicePageProfiles.h"

#include "ColorWheelTool.h"
#include "DDataManager.h"
#include "DDeviceKeyboardLink.h"
#include "DDevicePage.h"
#include "DevicePageCustomLights.h"
#include "DevicePageKeys.h"
#include "DevicePagePrompts.h"
#include "DialogStartFolder.h"
#include "DKeyWithTextPage.h"
#include "DMouseLightPage.h"
#include "DResetDefaultPage.h"
#include "ExportFileName.h"
#include "keyboardButCustom.h"
#include "keyboardPage.h"
#include "LogCategories.h"
#include "NameText.h"
#include "ProfileFiles.h"
#include "profileListItem.h"
#include "ui_DDevicePage.h"
#include "xmlInterface.h"

#include <QBoxLayout>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>

namespace {

constexpr int kMaxProfiles = 10;
constexpr int kResetReportSize = 64;

QString indexText(const IndexNameInfo &entry)
{
    return QString::fromLatin1(entry.index);
}

QString nameText(const IndexNameInfo &entry)
{
    return QString::fromUtf8(entry.name);
}

bool isExistingFile(const QString &path)
{
    const QFileInfo info(path);
    return !path.isEmpty() && info.exists() && info.isFile();
}

}  // namespace

DevicePageProfiles::DevicePageProfiles(DDevicePage *page)
    : QObject(page)
    , p(page)
{
}

QList<IndexNameInfo> DevicePageProfiles::profileList(const QByteArray &path) const
{
    QList<IndexNameInfo> list;
    if (p->m_xml && !path.isEmpty())
        p->m_xml->getProfileList(path.constData(), &list);
    return list;
}

void DevicePageProfiles::refreshProfileList(int reason)
{
    p->clearProfileList();
    p->m_listProfileItem.clear();
    p->m_curProfileItem = nullptr;

    const QList<IndexNameInfo> list = profileList(p->m_profileXmlPath);
    if (list.isEmpty())
        return;
    QWidget *contents = p->ui->scrollAreaWidgetContents_2;
    for (const IndexNameInfo &entry : list) {
        auto *row = new profileListItem(contents);
        connect(row, &profileListItem::sigExportProfileChildList, p, &DDevicePage::onExportProfileChildList);
        connect(row, &profileListItem::sigDeleteProfile, p, &DDevicePage::onDeleteProfile);
        connect(row, &profileListItem::sigProfileItemMouseClicked, p, &DDevicePage::onProfileItemMouseClicked);
        row->setProfileInfo(qMakePair(indexText(entry), nameText(entry)));
        p->m_profileListLayout->insertWidget(p->m_profileListLayout->count() - 1, row);
        p->m_listProfileItem.append(row);
        if (indexText(entry).toInt() == p->m_curProfileIndex) {
            row->setSelected(true);
            ProfileConfigInfo info;
            p->m_xml->getProfileInfo(p->m_profileXmlPath.constData(), entry.index, &info);
            p->ui->textEdit_profileName->setPlainText(QString::fromUtf8(info.name));
            p->ui->textEdit_profileLinkProgram->setPlainText(QString::fromUtf8(info.proFileAppName));
        }
    }

    if (p->m_curHidStructInfo.deviceType == 0 && p->m_keyboardPage && reason == 0) {
        const QMap<int, keyboardButCustom *> buttons = p->m_keyboardPage->getKeyButtonMap();
        for (const QString &code : qAsConst(p->m_listCustomKeyCode)) {
            if (keyboardButCustom *button = buttons.value(code.toInt(), nullptr))
                button->setCustomFlag(1);
        }
    }
}

void DevicePageProfiles::addDefaultsTo(int index)
{
    if (p->m_curHidStructInfo.deviceType == 1) {
        p->addDefaultMouseItems(index);
    } else {
        p->addDefaultCustomLights(index);
        p->addDefaultLightItems(index);
    }
}

void DevicePageProfiles::addProfile()
{
    if (!p->m_xml || p->m_profileXmlPath.isEmpty()) {
        qCWarning(lcUi) << "no profile file to add a profile to";
        return;
    }
    const int deviceType = p->m_curHidStructInfo.deviceType == 1 ? 1 : 0;
    const bool synchronize = DDataManager::getInstance()->getLightSynchronize();
    const QString path = QString::fromLocal8Bit(p->m_profileXmlPath);
    if (!QFileInfo::exists(path)) {
        // The file went away: it comes back as a first connection makes it.
        const ProfileFiles::Outcome outcome = ProfileFiles::prepare(
            p->m_xml, path, deviceType, QString::fromLatin1(p->m_curHidStructInfo.hidName), synchronize);
        if (outcome == ProfileFiles::Outcome::Failed) {
            qCWarning(lcUi) << "could not make the profile file" << path;
            return;
        }
        refreshProfileList(2);
        p->showNotice(DDevicePage::tr("Add profile successful"));
        return;
    }

    const QList<IndexNameInfo> list = profileList(p->m_profileXmlPath);
    if (list.size() >= kMaxProfiles) {
        p->showNotice(DDevicePage::tr("The number of profile has reached the maximum"));
        return;
    }
    QString last = QStringLiteral("1");
    if (!list.isEmpty()) {
        last = indexText(list.last());
        qCDebug(lcUi) << " key:" << last << " Value:" << nameText(list.last());
    }
    const int index = last.toInt() + 1;
    const QByteArray key = QByteArray::number(index);
    const QByteArray name = QStringLiteral("Profile%1").arg(index).toUtf8();
    if (!p->m_xml->addProfileConfig(p->m_profileXmlPath.constData(), key.constData(), name.constData(), "", "",
                                    deviceType)) {
        qCWarning(lcUi) << "could not add profile" << index << "to" << path;
        return;
    }
    addDefaultsTo(index);
    refreshProfileList(2);
    if (synchronize)
        p->m_xml->setSynchronizeStatus(p->m_profileXmlPath.constData(), key.constData(), 1);
    p->showNotice(DDevicePage::tr("Add profile successful"));
}

void DevicePageProfiles::importProfile()
{
    const QString chosen = p->m_prompts->openFile(p, DDevicePage::tr("Open profile file"), p->m_strDesktopPath,
                                                  DDevicePage::tr("Profile files(*.xml)"));
    if (chosen.isEmpty()) {
        p->showNotice(DDevicePage::tr("Please select import file first"));
        return;
    }
    if (profileList(p->m_profileXmlPath).size() >= kMaxProfiles) {
        p->showNotice(DDevicePage::tr("The number of profile has reached the maximum"));
        return;
    }
    const QByteArray source = chosen.toLocal8Bit();
    const QList<IndexNameInfo> list = profileList(source);
    for (const IndexNameInfo &entry : list)
        qCDebug(lcUi) << " key:" << indexText(entry) << " Value:" << nameText(entry);
    if (list.isEmpty()) {
        qCWarning(lcUi) << "the chosen file holds no profile:" << chosen;
        p->showNotice(DDevicePage::tr("Import profile failed"));
        return;
    }
    const IndexNameInfo &last = list.last();
    // Only a mouse profile has DPI levels: a profile of the other kind of device is refused.
    QList<DpiItemInfo> dpi;
    p->m_xml->getDpiItems(source.constData(), last.index, &dpi);
    if ((p->m_curHidStructInfo.deviceType == 1) != !dpi.isEmpty()) {
        qCWarning(lcUi) << "the chosen profile belongs to another kind of device:" << chosen;
        p->showNotice(DDevicePage::tr("Import profile failed"));
        return;
    }
    const int result = p->m_xml->importProfile(p->m_profileXmlPath.constData(), source.constData(), last.index);
    refreshProfileList(1);
    if (result == 1) {
        p->showNotice(DDevicePage::tr("Import profile successful"));
    } else {
        qCWarning(lcUi) << "could not import a profile from" << chosen;
        p->showNotice(DDevicePage::tr("Import profile failed"));
    }
}

void DevicePageProfiles::exportProfile(const QString &index, const QString &name)
{
    const QString folder = p->m_prompts->directory(p, DDevicePage::tr("Save directory"), p->m_strDesktopPath);
    if (folder.isEmpty()) {
        p->showNotice(DDevicePage::tr("Please select save directory first"));
        return;
    }
    // The name as typed may hold separators or ".."; the file stays in the chosen folder.
    const QString target = ExportFileName::pathIn(
        folder, ExportFileName::baseName(name, QStringLiteral("Profile") + index), QStringLiteral(".xml"));
    const QByteArray targetPath = target.toLocal8Bit();
    const QByteArray key = index.toLatin1();
    // One save adds the profile to the file, or makes the file: a failure leaves nothing behind.
    xmlInterface::ExportedProfile profile;
    profile.sourcePath = p->m_profileXmlPath;
    profile.profileKey = key;
    const bool exported = !target.isEmpty() && targetPath.size() <= 255 && p->m_xml
                          && p->m_xml->exportProfilesTo(targetPath.constData(), {profile}, false) == 1;
    if (exported) {
        p->showNotice(DDevicePage::tr("Export profile successful"));
    } else {
        qCWarning(lcUi) << "could not export profile" << index << "to" << target;
        p->showNotice(DDevicePage::tr("Export profile failed"));
    }
}

void DevicePageProfiles::deleteProfile(profileListItem *row, const QString &index)
{
    if (!row || !p->m_xml)
        return;
    if (profileList(p->m_profileXmlPath).size() < 2) {
        p->showNotice(DDevicePage::tr("Need keep at least one profile"));
        return;
    }
    const QByteArray key = index.toLatin1();
    if (!p->m_xml->deleteNodeByValue(p->m_profileXmlPath.constData(), key.constData())) {
        qCWarning(lcUi) << "could not delete profile" << index;
        return;
    }
    p->m_profileListLayout->removeWidget(row);
    row->hide();
    row->deleteLater();
    p->m_listProfileItem.removeAll(row);
    if (p->m_curProfileItem == row)
        p->m_curProfileItem = nullptr;
    p->showNotice(DDevicePage::tr("Delete profile successful"));

    if (index == p->m_strCurProfileIndex) {
        p->m_curProfileItem = nullptr;
        const QList<IndexNameInfo> list = profileList(p->m_profileXmlPath);
        if (!list.isEmpty()) {
            p->m_isProfileDeleted = true;
            selectProfile(nullptr);
        }
    }
}

void DevicePageProfiles::selectAppPath()
{
    const QString desktop = dialogStartFolder();
    const QString chosen = p->m_prompts->openFile(p, DDevicePage::tr("Select exe"), desktop, DDevicePage::tr("App(*)"));
    if (!isExistingFile(chosen))
        return;
    p->ui->textEdit_profileLinkProgram->clear();
    p->ui->textEdit_profileLinkProgram->setPlainText(chosen);
}

void DevicePageProfiles::storeNameAndProgram()
{
    // A format character (a right-to-left override, say) would show the name as another one.
    const QString name = NameText::cleaned(p->ui->textEdit_profileName->toPlainText());
    if (name.isEmpty()) {
        p->showNotice(DDevicePage::tr("Profile name can't empty"));
        return;
    }
    const QByteArray key = p->m_strCurProfileIndex.toLatin1();
    const QByteArray program = p->ui->textEdit_profileLinkProgram->toPlainText().toUtf8();
    if (!p->m_xml
        || !p->m_xml->setProfileInfo(p->m_profileXmlPath.constData(), key.constData(), name.toUtf8().constData(),
                                     program.constData(), "")) {
        qCWarning(lcUi) << "could not store the name and program of profile" << p->m_strCurProfileIndex;
        return;
    }
    refreshProfileList(3);
    p->showNotice(DDevicePage::tr("Modify profile info successful"));
    p->m_strCurProfileName = name;
    p->ui->label_currentProfileName->setText(name);
}

void DevicePageProfiles::selectProfile(profileListItem *row)
{
    const bool afterDeletion = p->m_isProfileDeleted;
    if (afterDeletion) {
        p->m_isProfileDeleted = false;
        row = p->m_listProfileItem.value(0, nullptr);
    }
    if (!row || row == p->m_curProfileItem)
        return;
    // A click on a profile (after a rebuild of the list, the highlighted one too) reloads the lighting
    // shown; after a deletion there is none to keep.
    if (!afterDeletion && !p->mayLeaveLighting())
        return;
    makeCurrent(row, row->profileIndex());
}

void DevicePageProfiles::makeCurrent(profileListItem *row, const QString &index)
{
    Ui::DDevicePage *ui = p->ui.get();
    // A switch-profile key can change the profile while the lighting panel shows.
    const bool lightingShown = p->m_mainPageIndex == DDevicePage::kLightingPage;
    const QByteArray key = index.toLatin1();
    const int number = index.toInt();
    ProfileConfigInfo info;
    if (p->m_xml)
        p->m_xml->getProfileInfo(p->m_profileXmlPath.constData(), key.constData(), &info);
    const QString profileName = QString::fromUtf8(info.name);
    ui->textEdit_profileName->setPlainText(profileName);
    ui->label_currentProfileName->setText(profileName);
    ui->textEdit_profileLinkProgram->setPlainText(QString::fromUtf8(info.proFileAppName));
    if (p->m_keyWithTextPage)
        p->m_keyWithTextPage->clearText();

    // The key panel was opened for a key of the profile before.
    p->m_keys->resetKeyPanel();
    const bool mouse = p->m_curHidStructInfo.deviceType == 1;
    if (!mouse) {
        if (p->m_keyboardPage)
            p->m_keyboardPage->setProfileIndex(number);
        p->applyKeyboardProfile(number);
        ui->pushButton_Performance->setChecked(true);
        ui->stackedWidget_Tool->setCurrentWidget(ui->page_Performance);
        if (p->m_keyboardPage)
            p->m_keyboardPage->clearKeySelection();
        if (p->m_resetDefaultPage)
            p->m_resetDefaultPage->setCurrentKey(qMakePair(-1, QStringLiteral("Default")));
        p->m_curKeyDec = -1;
        p->m_curKeyCharacter.clear();
        p->resetKeyOperationButtons();
        p->m_curKeyPageType = 10;
        ui->stackedWidget_Customize->setCurrentWidget(ui->page_Default);
        ui->toolButton_Default->setSelected(true);
    } else {
        p->applyMouseProfile(number);
        ui->pushButton_MouseDpiConfig->setChecked(true);
        ui->stackedWidget_Tool->setCurrentWidget(ui->page_MouseDpiConfig);
    }

    for (profileListItem *item : qAsConst(p->m_listProfileItem))
        item->setSelected(item == row);
    p->m_strCurProfileIndex = index;
    p->m_strCurProfileName = profileName;
    p->m_curProfileItem = row;
    p->m_curProfileIndex = number;

    if (p->m_xml)
        p->m_xml->setProfileIndex(p->m_profileXmlPath.constData(), number);
    if (p->m_curDeviceLink)
        p->m_curDeviceLink->setProfileIndex(number);

    if (!mouse) {
        colorInfoData light;
        if (p->m_xml
            && p->m_xml->getLightItem(p->m_profileXmlPath.constData(), key.constData(), 0, p->m_keyboardLedType,
                                      &light))
            p->m_colorWheelTool->setColorInfoData(light);
        colorInfoData side;
        if (p->m_xml
            && p->m_xml->getLightItem(p->m_profileXmlPath.constData(), key.constData(), 1, p->m_sideLedType, &side)) {
            p->m_colorWheelTool->setColorInfoData(side);
            p->onSendSetSideColorData();
        }
    } else if (p->m_mouseLightPage) {
        p->m_mouseLightPage->setProfileIndex(number);
        p->m_mouseLightPage->loadLinkStatus();
    }
    p->m_colorWheelTool->clearCustomColors();
    // The panel is opened again on the new profile: the editor stays bound to the profile it was
    // opened for, and the next effect chosen would be stored into the old one.
    if (lightingShown)
        p->onCurIndexChangedMainPage(DDevicePage::kLightingPage);
}

void DevicePageProfiles::switchByKey(DDeviceKeyboardLink *link, int index)
{
    if (!link || !p->m_xml)
        return;
    const QByteArray path = link->profileXmlPath();
    const QList<IndexNameInfo> list = profileList(path);
    const auto known = std::find_if(list.cbegin(), list.cend(),
                                    [&](const IndexNameInfo &entry) { return indexText(entry).toInt() == index; });
    if (known == list.cend()) {
        qCWarning(lcUi) << "a switch key asks for profile" << index << "which" << path << "does not hold";
        return;
    }
    if (link != p->m_curDeviceLink || path != p->m_profileXmlPath) {
        // Another device than the one shown: its file and its link follow, the page stays.
        p->m_xml->setProfileIndex(path.constData(), index);
        link->setProfileIndex(index);
        return;
    }
    // The device shown: the same as a click on the profile's row, rows or no rows.
    profileListItem *row = nullptr;
    for (profileListItem *item : qAsConst(p->m_listProfileItem)) {
        if (item->profileIndex().toInt() == index)
            row = item;
    }
    if (row && row == p->m_curProfileItem)
        return;
    if (!row && p->m_strCurProfileIndex.toInt() == index && p->m_curProfileIndex == index)
        return;
    makeCurrent(row, indexText(*known));
}

void DevicePageProfiles::resetCurrentProfile()
{
    if (!p->hasOpenDevice()) {
        p->showNotice(DDevicePage::tr("Please open hid first!"));
        return;
    }
    if (!p->m_prompts->question(p, DDevicePage::tr("Tip"), DDevicePage::tr("Whether to reset the current profile?"),
                                DDevicePage::tr("Yes"), DDevicePage::tr("No")))
        return;
    qCDebug(lcUi) << "--------------------------- Reset Profile ----------------------------";

    const int index = p->m_curProfileIndex;
    // The profile is replaced whole or not at all: a failed write keeps the user's profile, and
    // the device is then left as it is too.
    if (!p->m_xml
        || !ProfileFiles::resetProfile(p->m_xml, p->m_profileXmlPath, index, 0,
                                       QString::fromLatin1(p->m_curHidStructInfo.hidName),
                                       p->m_customLights->currentKeyCount())) {
        qCWarning(lcUi) << "the current profile could not be reset:" << index;
        p->showNotice(DDevicePage::tr("Operate failed"));
        return;
    }
    p->m_keyboardLedType = 2;
    p->m_sideLedType = 2;

    p->applyKeyboardProfile(index);
    p->onCurIndexChanged_Key(0);
    p->ui->stackedWidget_Tool->setCurrentWidget(p->ui->page_Performance);

    QByteArray report(kResetReportSize, '\0');
    report[0] = 0x01;
    report[1] = 0x14;
    report[5] = 0x01;
    report[6] = 0x01;
    if (p->sendToCurrentDevice(report, false))
        qCDebug(lcUi) << "---------- *** [Reset] Successful *** ---------- ";
    else
        qCDebug(lcUi) << "---------- *** [Reset] Failed *** ----------";
    p->showNotice(DDevicePage::tr("Reset the current profile successful"));
}
