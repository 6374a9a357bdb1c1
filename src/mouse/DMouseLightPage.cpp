// SPDX-License-Identifier: GPL-3.0-or-later
#include "DMouseLightPage.h"

#include "DDataManager.h"
#include "DDpiConfigListItem.h"
#include "LogCategories.h"
#include "MouseDefinitionFile.h"
#include "ThemeColorConfig.h"
#include "ThemeStyleSheets.h"
#include "ui_DMouseLightPage.h"
#include "xmlInterface.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

DMouseLightPage::DMouseLightPage(QString model, QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::DMouseLightPage>())
    , m_model(model)
{
    ui->setupUi(this);
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(700, 280);
    const QString picture = QDir::fromNativeSeparators(QCoreApplication::applicationDirPath())
                            + QStringLiteral("/images/hidImages/Keyboard_") + model + QStringLiteral(".png");
    ui->frame_Mouse->setStyleSheet(QStringLiteral("border-image: url(%1);").arg(picture));
    for (QWidget *hidden : {static_cast<QWidget *>(ui->line_1), static_cast<QWidget *>(ui->line_2),
                            static_cast<QWidget *>(ui->line_Around), static_cast<QWidget *>(ui->line_Scroll),
                            static_cast<QWidget *>(ui->line_Logo), static_cast<QWidget *>(ui->checkBox_ScrollLink),
                            static_cast<QWidget *>(ui->checkBox_LogoLink)})
        hidden->hide();
    setTooltips();
}

DMouseLightPage::~DMouseLightPage() = default;

void DMouseLightPage::setTooltips()
{
    ui->toolButton_AroundType->setToolTip(tr("Light Around"));
    ui->toolButton_ScrollType->setToolTip(tr("Scroll"));
    ui->toolButton_LogoType->setToolTip(tr("Logo"));
}

void DMouseLightPage::loadMouseInfo(QString model)
{
    m_model = model;
    QFile file(MouseDefinitionFile::resourcePath(model));
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(lcUi) << "DMouseLightPage: no mouse definition for" << model << "- no LED buttons";
        m_loaded = false;
        m_ledButtons.clear();
        return;
    }
    parseMouseInfo(file.readAll());
}

bool DMouseLightPage::parseMouseInfo(const QByteArray &text)
{
    // The device page builds a new page for each mouse view, so a page reads its file once; the
    // buttons of an earlier reading stay children of the page.
    m_loaded = false;
    m_ledButtons.clear();
    MouseDefinitionFile definition;
    if (!definition.parse(text)) {
        qCWarning(lcUi) << "DMouseLightPage: the mouse definition of" << m_model << "does not parse - no LED buttons";
        return false;
    }
    // One button per LED slot in file order: button k shows LED k. An empty slot gives a button
    // of size 0 that draws nothing.
    for (const MouseLedSlot &slot : definition.ledSlots()) {
        auto *button = new mouseLightButtonCustom(this);
        const bool placed = slot.width > 0 && slot.height > 0;
        button->setButtonSize(placed ? slot.width : 0, placed ? slot.height : 0);
        button->move(placed ? slot.posX : -1, placed ? slot.posY : -1);
        button->setButtonPos(slot.posX, slot.posY);
        button->setIndexAndStatus(slot.index, slot.validStatus);
        button->show();
        m_ledButtons.append(button);
    }
    m_loaded = true;
    return true;
}

void DMouseLightPage::setProfileXml(const char *profilePath, xmlInterface *xml)
{
    m_profilePath = QByteArray(profilePath ? profilePath : "");
    m_xml = xml;
}

void DMouseLightPage::setProfileIndex(int profileIndex)
{
    m_profileIndex = profileIndex;
}

int DMouseLightPage::readLinkStatus(int zone) const
{
    if (!m_xml || m_profilePath.isEmpty())
        return 0;
    const QByteArray key = QByteArray::number(m_profileIndex);
    return m_xml->getLinkStatus(m_profilePath.constData(), key.constData(), zone) == 1 ? 1 : 0;
}

bool DMouseLightPage::storeLinkStatus(int zone, int status)
{
    if (!m_xml || m_profilePath.isEmpty()) {
        qCWarning(lcUi) << "DMouseLightPage: no profile file to keep the link of zone" << zone;
        return false;
    }
    const QByteArray key = QByteArray::number(m_profileIndex);
    if (!m_xml->setLinkStatus(m_profilePath.constData(), key.constData(), zone, status)) {
        qCWarning(lcUi) << "DMouseLightPage: the link of zone" << zone << "of profile" << m_profileIndex
                        << "could not be stored";
        return false;
    }
    return true;
}

void DMouseLightPage::loadLinkStatus()
{
    m_scrollLinkStatus = readLinkStatus(ScrollZone);
    const bool scroll = m_scrollLinkStatus == 1;
    ui->toolButton_AroundType->setChecked(scroll);
    ui->toolButton_ScrollType->setChecked(scroll);
    ui->pushButton_LinkScroll->setChecked(scroll);
    emit sigScrollLinkStatus(m_scrollLinkStatus);

    m_logoLinkStatus = readLinkStatus(LogoZone);
    const bool logo = m_logoLinkStatus == 1;
    ui->toolButton_AroundType->setChecked(logo);
    ui->toolButton_LogoType->setChecked(logo);
    ui->pushButton_LinkLogo->setChecked(logo);
    emit sigLogoLinkStatus(m_logoLinkStatus);

    ui->toolButton_AroundType->setChecked(true);
}

void DMouseLightPage::setLedDisabled(int off)
{
    ui->frame_4->setEnabled(off != 1);
}

QList<mouseLightButtonCustom *> DMouseLightPage::ledButtons() const
{
    return m_ledButtons;
}

void DMouseLightPage::applyTheme()
{
    const ThemeColorConfig theme = DDataManager::getInstance()->getThemeColor();
    const QString color = stylesheets::colour(theme.DeviceMouseBgColor);
    ui->frame_bg->setStyleSheet(
        QStringLiteral("QFrame#frame_bg{border: 1px solid %1; background-color: %1;}").arg(color));
}

void DMouseLightPage::retranslate()
{
    setTooltips();
    ui->retranslateUi(this);
}

// ---------------------------------------------------------------------------------------------
// Zone buttons: a linked zone lights up together with Around, and choosing any member of a
// linked group shows the whole group as chosen.

void DMouseLightPage::on_toolButton_AroundType_clicked()
{
    ui->toolButton_AroundType->setChecked(true);
    ui->toolButton_ScrollType->setChecked(m_scrollLinkStatus == 1);
    ui->toolButton_LogoType->setChecked(m_logoLinkStatus == 1);
    m_selectedZone = AroundZone;
    emit sigSelectMouseLightType(AroundZone);
}

void DMouseLightPage::on_toolButton_ScrollType_clicked()
{
    ui->toolButton_ScrollType->setChecked(true);
    ui->toolButton_AroundType->setChecked(m_scrollLinkStatus == 1);
    ui->toolButton_LogoType->setChecked(m_scrollLinkStatus == 1 && m_logoLinkStatus == 1);
    m_selectedZone = ScrollZone;
    emit sigSelectMouseLightType(ScrollZone);
}

void DMouseLightPage::on_toolButton_LogoType_clicked()
{
    ui->toolButton_LogoType->setChecked(true);
    ui->toolButton_AroundType->setChecked(m_logoLinkStatus == 1);
    ui->toolButton_ScrollType->setChecked(m_scrollLinkStatus == 1 && m_logoLinkStatus == 1);
    m_selectedZone = LogoZone;
    emit sigSelectMouseLightType(LogoZone);
}

// ---------------------------------------------------------------------------------------------
// Link buttons: the check state after the click is the new link status. It goes into the
// profile file before it is announced; a store that fails leaves the buttons as the file is.

void DMouseLightPage::on_pushButton_LinkScroll_clicked()
{
    const int status = ui->pushButton_LinkScroll->isChecked() ? 1 : 0;
    if (!storeLinkStatus(ScrollZone, status)) {
        ui->pushButton_LinkScroll->setChecked(readLinkStatus(ScrollZone) == 1);
        return;
    }
    m_scrollLinkStatus = status;
    emit sigScrollLinkStatus(status);
    if (status == 1) {
        if (m_selectedZone == LogoZone) {
            on_toolButton_LogoType_clicked();
        } else {
            ui->toolButton_AroundType->setChecked(true);
            ui->toolButton_ScrollType->setChecked(true);
            on_toolButton_AroundType_clicked();
        }
        ui->pushButton_LinkScroll->setChecked(true);
        if (m_logoLinkStatus == 1)
            ui->toolButton_LogoType->setChecked(true);
        return;
    }
    ui->toolButton_ScrollType->setChecked(false);
    ui->pushButton_LinkScroll->setChecked(false);
    if (m_logoLinkStatus != 1) {
        if (!ui->toolButton_LogoType->isChecked()) {
            m_selectedZone = AroundZone;
            ui->toolButton_AroundType->setChecked(true);
        } else {
            m_selectedZone = LogoZone;
        }
    }
}

void DMouseLightPage::on_pushButton_LinkLogo_clicked()
{
    const int status = ui->pushButton_LinkLogo->isChecked() ? 1 : 0;
    if (!storeLinkStatus(LogoZone, status)) {
        ui->pushButton_LinkLogo->setChecked(readLinkStatus(LogoZone) == 1);
        return;
    }
    m_logoLinkStatus = status;
    emit sigLogoLinkStatus(status);
    if (status == 1) {
        if (m_selectedZone == ScrollZone) {
            on_toolButton_ScrollType_clicked();
        } else {
            ui->toolButton_AroundType->setChecked(true);
            ui->toolButton_LogoType->setChecked(true);
            on_toolButton_AroundType_clicked();
        }
        ui->pushButton_LinkLogo->setChecked(true);
        if (m_scrollLinkStatus == 1)
            ui->toolButton_ScrollType->setChecked(true);
        return;
    }
    ui->toolButton_LogoType->setChecked(false);
    ui->pushButton_LinkLogo->setChecked(false);
    if (m_scrollLinkStatus != 1) {
        if (!ui->toolButton_ScrollType->isChecked()) {
            m_selectedZone = AroundZone;
            ui->toolButton_AroundType->setChecked(true);
        } else {
            m_selectedZone = ScrollZone;
        }
    }
}
