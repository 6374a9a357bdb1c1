// SPDX-License-Identifier: GPL-3.0-or-later
#include "DevicePageOnboard.h"

#include "ArrowWidget.h"
#include "CbNotice.h"
#include "DChangeKeyPage.h"
#include "DChangProfilePage.h"
#include "DDeviceKeyboardLink.h"
#include "DDevicePage.h"
#include "DeviceModels.h"
#include "DHotKeyPage.h"
#include "DKeyCombinationPage.h"
#include "DKeyDisablePage.h"
#include "DKeyWithAppPage.h"
#include "DKeyWithTextPage.h"
#include "DMacroCmdPage.h"
#include "DMouseKeyPage.h"
#include "DMultimediaPage.h"
#include "DOnboardPage.h"
#include "DResetDefaultPage.h"
#include "LogCategories.h"
#include "MainHidInterFace.h"
#include "OnboardCommands.h"
#include "OnboardDownload.h"
#include "onboardProfileMenuToolWidget.h"
#include "RecordNumber.h"
#include "SoftKeyboardButCustom.h"
#include "ui_DDevicePage.h"
#include "xmlInterface.h"

#include <QMessageBox>
#include <QPushButton>

#include <algorithm>

DevicePageOnboard::DevicePageOnboard(DDevicePage *page)
    : QObject(page)
    , p(page)
    , m_download(new OnboardDownload(this))
{
    connect(m_download, &OnboardDownload::finished, this, &DevicePageOnboard::onDownloadFinished);
    connect(m_download, &OnboardDownload::macroFailed, this,
            [this] { p->ui->label_LogMsg->setText(DDevicePage::tr("Onboard Download [Failed]")); });
}

bool DevicePageOnboard::ask(const QString &text) const
{
    if (m_ask)
        return m_ask(text);
    QMessageBox box(QMessageBox::Question, DDevicePage::tr("Tip"), text, QMessageBox::NoButton, p);
    QPushButton *yes = box.addButton(DDevicePage::tr("Yes"), QMessageBox::YesRole);
    box.addButton(DDevicePage::tr("No"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.exec();
    return box.clickedButton() == yes;
}

QList<DKeyAssignPage *> DevicePageOnboard::keyPages() const
{
    QList<DKeyAssignPage *> pages{p->m_macroCmdPage,     p->m_resetDefaultPage,   p->m_changeKeyPage,
                                  p->m_mouseKeyPage,     p->m_keyWithTextPage,    p->m_keyDisablePage,
                                  p->m_multimediaPage,   p->m_keyCombinationPage, p->m_hotKeyPage,
                                  p->m_changProfilePage, p->m_keyWithAppPage};
    pages.removeAll(nullptr);
    return pages;
}

OnboardConfigFiles &DevicePageOnboard::files()
{
    m_files.setStore(p->m_xml);
    m_files.setModel(QString::fromLatin1(p->m_curHidStructInfo.hidName));
    m_files.setPaths(p->m_onboardXmlPath, p->m_onboardDefaultXmlPath, p->m_onboardFn1XmlPath);
    return m_files;
}

bool DevicePageOnboard::createOnboardConfig(int index)
{
    return files().createConfig(index);
}

bool DevicePageOnboard::deleteOnboardConfig(int index)
{
    return files().deleteConfig(index);
}

void DevicePageOnboard::applyOnboardLayoutTemplate(int layout)
{
    const bool ok = files().applyTemplate(p->m_onboardLayer, p->m_curOnboardConfigIndex, layout);
    p->updateOnboardKeyboard();
    if (!p->m_onboardFlag)
        return;
    p->showNotice(ok ? DDevicePage::tr("Fast config successful") : DDevicePage::tr("Fast config failed"));
}

void DevicePageOnboard::updateOnboardKeyboard()
{
    DOnboardPage *view = p->m_onboardPage;
    if (!view)
        return;
    view->clearKeySelection();
    view->resetKeyText(1);
    const QMap<int, SoftKeyboardButCustom *> buttons = view->getKeyButtonMap();
    const QList<CustomKeyInfo> records = files().layerRecords(p->m_onboardLayer, p->m_curOnboardConfigIndex);
    for (const CustomKeyInfo &record : records) {
        SoftKeyboardButCustom *button = buttons.value(recordNumber(record.keyCode));
        if (!button)
            continue;
        p->m_curOnboardKeyInfo = record;
        button->setFunctionText(qMakePair(int(recordNumber(record.operateType)),
                                          OnboardConfigFiles::functionText(record, p->m_keyNameMap)));
    }
}

void DevicePageOnboard::onCurIndexChangedOn_board(int selIndex)
{
    p->m_curOnboardKeyDec = -1;
    p->m_curOnboardKeyCharacter.clear();
    if (selIndex == 0) {
        p->m_onboardLayer = 0;
        p->reloadOnboardPage();
    } else if (selIndex == 1) {
        p->m_onboardLayer = 1;
        p->reloadOnboardPage2();
    } else if (selIndex == 2 || selIndex == 3) {
        p->m_onboardLayer = selIndex;
    }
}

// ---- Download

bool DevicePageOnboard::isDownloading() const
{
    return m_download->isRunning();
}

void DevicePageOnboard::setControlsEnabled(bool enabled)
{
    Ui::DDevicePage *ui = p->ui.get();
    for (QWidget *w :
         {static_cast<QWidget *>(ui->toolButton_OnboardDownload),
          static_cast<QWidget *>(ui->toolButton_RestoreFactorySettings),
          static_cast<QWidget *>(ui->pushButton_OnboardMoreOperate),
          static_cast<QWidget *>(ui->pushButton_OnboardConfigMoreOperate),
          static_cast<QWidget *>(ui->pushButton_Default), static_cast<QWidget *>(ui->pushButton_FN1),
          static_cast<QWidget *>(ui->pushButton_OnboardSave), static_cast<QWidget *>(ui->pushButton_Fn1Key),
          static_cast<QWidget *>(ui->comboBox_OnboardProfile), static_cast<QWidget *>(ui->pushButton_AppMode),
          static_cast<QWidget *>(ui->pushButton_OnboardMode)})
        w->setEnabled(enabled);
    if (p->m_onboardPage)
        p->m_onboardPage->setEnabled(enabled);
}

void DevicePageOnboard::startDownload()
{
    if (m_download->isRunning()) {
        qCInfo(lcUi) << "an on-board download is already running";
        return;
    }
    QPointer<DDeviceKeyboardLink> link = p->m_curDeviceLink;
    if (!p->m_onboardPage || !link || !link->isDeviceOpen()) {
        p->showNotice(DDevicePage::tr("Please open hid first!"));
        return;
    }
    // Everything the download needs is taken now; nothing refers to the view afterwards.
    OnboardConfigFiles &f = files();
    const QByteArray key = QByteArray::number(p->m_curOnboardConfigIndex);
    OnboardDownload::Snapshot snapshot;
    for (SoftKeyboardButCustom *button : p->m_onboardPage->getKeyButtonList())
        snapshot.keyCodes.append(button->getKeyDec());
    for (int layer = 0; layer < 2; ++layer) {
        for (const CustomKeyInfo &record : f.layerRecords(layer, p->m_curOnboardConfigIndex)) {
            const int code = recordNumber(record.keyCode);
            if (snapshot.records[layer].contains(code))
                continue;
            snapshot.records[layer].insert(code, record);
            if (recordNumber(record.operateType) != 1 || snapshot.macros[layer].contains(record.Value))
                continue;
            QList<MacroEventInfo> events;
            p->m_xml->getBindMacroItems(f.layerPath(layer).constData(), key.constData(), record.Value, &events);
            snapshot.macros[layer].insert(QByteArray(record.Value), events);
        }
    }
    if (!m_download->plan(snapshot)) {
        p->showNotice(m_download->planError() == OnboardDownload::PlanError::TooManyMacros
                          ? DDevicePage::tr("The keyboard holds at most 10 macros")
                          : DDevicePage::tr("Download config failed, Please try again"));
        return;
    }
    p->ui->label_LogMsg->setText(DDevicePage::tr("Write Start"));
    p->ui->label_LogMsg->show();
    setControlsEnabled(false);
    m_answerConnection = connect(link.data(), &DDeviceKeyboardLink::sigRuningOnboard0x19Cmd, m_download,
                                 &OnboardDownload::onMacroAnswer);
    // Only the device the download started on: a switch to another device ends it.
    m_download->start([this, link](const QByteArray &report) {
        if (!link || link != p->m_curDeviceLink || !link->isDeviceOpen())
            return false;
        unsigned char buffer[MainHidInterFace::kReportSize] = {};
        std::copy(report.cbegin(), report.cbegin() + std::min<int>(report.size(), sizeof buffer), buffer);
        return link->sendCommand(buffer) == 0;
    });
}

void DevicePageOnboard::abortDownload()
{
    m_download->abort();
}

void DevicePageOnboard::onDownloadFinished(bool ok)
{
    disconnect(m_answerConnection);
    setControlsEnabled(true);
    if (ok) {
        p->ui->label_LogMsg->setText(DDevicePage::tr("Write Over"));
        p->showNotice(DDevicePage::tr("Download config successful"));
    } else {
        p->ui->label_LogMsg->setText(DDevicePage::tr("Onboard Download [Failed]"));
        p->showNotice(DDevicePage::tr("Download config failed, Please try again"));
    }
}

// ---- Restore, rename, FN1 key, menus

void DevicePageOnboard::restoreFactorySettings()
{
    if (m_download->isRunning() || !ask(DDevicePage::tr("Whether to restore the factory settings?")))
        return;
    // The Default layer gets the QWERTY template; a template that cannot be used stops the restore
    // before the layers or the keyboard change.
    p->m_onboardLayer = 0;
    if (!files().applyTemplate(0, p->m_curOnboardConfigIndex, 1)) {
        p->updateOnboardKeyboard();
        p->showNotice(DDevicePage::tr("Restore the factory settings failed"));
        return;
    }
    p->m_onboardFlag = false;
    p->m_onboardLayer = 1;
    p->onConfigCleanLayer();
    p->m_onboardFlag = true;
    OnboardConfigFiles &f = files();
    if (models::hasFn1KeyPreset(f.model())) {
        const QByteArray key = QByteArray::number(p->m_curOnboardConfigIndex);
        for (const QByteArray &path : {f.layerPath(0), f.layerPath(1)}) {
            p->m_xml->replaceKeyMapItem(path.constData(), key.constData(), "251", "FN1", "0", "1", "1", "-20");
            p->m_xml->replaceKeyMapItem(path.constData(), key.constData(), "41", "Esc", "0", "1", "1", "41");
        }
    }
    p->onCurIndexChangedOn_board(0);
    p->ui->pushButton_Default->setChecked(true);
    for (DKeyAssignPage *page : keyPages())
        page->setProfileIndex(p->m_curOnboardConfigIndex);
    if (!p->sendToCurrentDevice(onboardcmd::resetReport(), false)) {
        qCDebug(lcUi) << "---------- *** [Reset] Failed *** ----------";
        p->showNotice(DDevicePage::tr("Restore the factory settings failed"));
        return;
    }
    qCDebug(lcUi) << "---------- *** [Reset] Successful *** ---------- ";
    p->showNotice(DDevicePage::tr("Restore the factory settings successful"));
}

void DevicePageOnboard::saveName()
{
    Ui::DDevicePage *ui = p->ui.get();
    const QString name = ui->lineEdit_OnboardModifyProfileName->text();
    if (name.isEmpty()) {
        p->showNotice(DDevicePage::tr("Config name can't be empty"));
        return;
    }
    const int index = p->m_curOnboardConfigIndex;
    p->m_xml->renameNode(p->m_onboardXmlPath.constData(), QByteArray::number(index).constData(),
                         name.toUtf8().constData());
    p->m_strCurOnboardConfigName = name;
    const int row = ui->comboBox_OnboardProfile->findData(index);
    if (row >= 0) {
        const QSignalBlocker blocker(ui->comboBox_OnboardProfile);
        ui->comboBox_OnboardProfile->setItemText(row, name);
    }
    ui->stackedWidget_Onboard->setCurrentWidget(ui->page_OnboardOperate);
    p->showNotice(DDevicePage::tr("Modify config name successful"));
}

void DevicePageOnboard::cancelName()
{
    p->ui->stackedWidget_Onboard->setCurrentWidget(p->ui->page_OnboardOperate);
}

void DevicePageOnboard::setFn1Key()
{
    if (p->m_curOnboardKeyDec == -1) {
        p->showNotice(DDevicePage::tr("Please select one Key first!"));
        return;
    }
    OnboardConfigFiles &f = files();
    const QByteArray key = QByteArray::number(p->m_curOnboardConfigIndex);
    const QByteArray code = QByteArray::number(p->m_curOnboardKeyDec);
    const QByteArray caption = p->m_curOnboardKeyCharacter.toUtf8();
    for (const QByteArray &path : {f.layerPath(0), f.layerPath(1)})
        p->m_xml->replaceKeyMapItem(path.constData(), key.constData(), code.constData(), caption.constData(), "0", "1",
                                    "1", "-20");
    if (p->m_onboardPage) {
        if (SoftKeyboardButCustom *button = p->m_onboardPage->getKeyButtonMap().value(p->m_curOnboardKeyDec))
            button->setFunctionText(qMakePair(0, QStringLiteral("FN1")));
    }
    p->showNotice(models::hasFn1KeyPreset(f.model()) ? DDevicePage::tr("Set FN key successful")
                                                     : DDevicePage::tr("Set FN1 key successful"));
}

void DevicePageOnboard::openMenu(bool layoutMenu)
{
    delete p->m_menuPopup.data();
    const bool reduced = layoutMenu && models::hasReducedLayoutMenu(files().model());
    auto *menu = new onboardProfileMenuToolWidget(layoutMenu ? 2 : 1, p);
    menu->setMenuType(layoutMenu ? (reduced ? 2 : 0) : 1);
    menu->setWindowOpacity(1.0);
    connect(menu, &onboardProfileMenuToolWidget::sigCloseMenuWidow, p, &DDevicePage::onCloseMenuWidow);
    if (layoutMenu) {
        connect(menu, &onboardProfileMenuToolWidget::sigConfigQWERTY, p, &DDevicePage::onConfigQWERTY);
        connect(menu, &onboardProfileMenuToolWidget::sigConfigMac, p, &DDevicePage::onConfigMac);
        connect(menu, &onboardProfileMenuToolWidget::sigConfigDvorak, p, &DDevicePage::onConfigDvorak);
        connect(menu, &onboardProfileMenuToolWidget::sigConfigCleanLayer, p, &DDevicePage::onConfigCleanLayer);
    } else {
        connect(menu, &onboardProfileMenuToolWidget::sigProfileCreateNew, p, &DDevicePage::onProfileCreateNew);
        connect(menu, &onboardProfileMenuToolWidget::sigProfileExport, p, &DDevicePage::onProfileExport);
        connect(menu, &onboardProfileMenuToolWidget::sigProfileImport, p, &DDevicePage::onProfileImport);
        connect(menu, &onboardProfileMenuToolWidget::sigProfileDelete, p, &DDevicePage::onProfileDelete);
        connect(menu, &onboardProfileMenuToolWidget::sigProfileRestore, p, &DDevicePage::onProfileRestore);
        connect(menu, &onboardProfileMenuToolWidget::sigProfileModifyName, p, &DDevicePage::onProfileModifyName);
    }
    p->m_menuPopup = new ArrowWidget(ArrowWidget::ArrowUp);
    p->m_menuPopup->setSize(200, layoutMenu ? (reduced ? 110 : 180) : 210);
    p->m_menuPopup->setArrowX(93);
    p->m_menuPopup->setContentWidget(menu);
    const QWidget *button = layoutMenu ? static_cast<QWidget *>(p->ui->pushButton_OnboardConfigMoreOperate)
                                       : static_cast<QWidget *>(p->ui->pushButton_OnboardMoreOperate);
    const QPoint anchor = button->mapToGlobal(QPoint(button->width() / 2, button->height() - 6));
    p->m_menuPopup->move(anchor - QPoint(100, 13));
    p->m_menuPopup->show();
    p->m_menuPopup->activateWindow();
}
