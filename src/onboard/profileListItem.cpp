// SPDX-License-Identifier: GPL-3.0-or-later
#include "profileListItem.h"
#include "ui_profileListItem.h"

#include "DDataManager.h"
#include "ListRowLook.h"
#include "proFileOperateMenuToolWidget.h"
#include "ThemeStyleSheets.h"

#include <QMouseEvent>

profileListItem::profileListItem(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::profileListItem>())
{
    ui->setupUi(this);
    const ThemeColorConfig theme = DDataManager::getInstance()->getThemeColor();
    m_borderColor = theme.MacroBorderColor;
    m_selectedColor = theme.MacroListItemSelectedColor;
    m_hoverColor = theme.MacroListItemHoverColor;

    ui->label_ProfileName->setStyleSheet(
        ListRowLook::nameLabel(QStringLiteral("label_ProfileName"), theme.MacroListItemTextColor, theme.TextFont));
    ui->frame->setStyleSheet(QStringLiteral("QFrame#frame{ border: none; border-bottom: 1px solid %1; }"
                                            "\t\t\t\t\t\t\tQFrame#frame:hover{background-color: %2;}\t\t")
                                 .arg(stylesheets::colour(m_borderColor), stylesheets::colour(m_hoverColor)));
}

profileListItem::~profileListItem() = default;

void profileListItem::setProfileInfo(QPair<QString, QString> info)
{
    m_index = info.first;
    m_name = info.second;
    ui->label_ProfileName->setText(m_name);
}

void profileListItem::setSelected(bool selected)
{
    m_selected = selected;
    const QString frame = QStringLiteral("frame");
    ui->frame->setStyleSheet(selected ? ListRowLook::selectedFrame(frame, m_borderColor, m_selectedColor)
                                      : ListRowLook::normalFrame(frame, m_borderColor, m_hoverColor));
}

QString profileListItem::profileIndex() const
{
    return m_index;
}

QString profileListItem::profileName() const
{
    return m_name;
}

bool profileListItem::isSelected() const
{
    return m_selected;
}

ArrowWidget *profileListItem::operationPopup() const
{
    return m_popup.popup();
}

void profileListItem::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    emit sigProfileItemMouseClicked(m_index, m_name);
}

void profileListItem::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The first press of a double click has selected the profile; the second does nothing.
    event->accept();
}

void profileListItem::onCloseMenuWidow()
{
    m_popup.hide();
}

void profileListItem::onProfileExport()
{
    emit sigExportProfileChildList(m_index, m_name);
}

void profileListItem::onProfileDelete()
{
    emit sigDeleteProfile(m_index, m_name);
}

void profileListItem::on_pushButton_ProfileOperate_clicked()
{
    auto *menu = new proFileOperateMenuToolWidget(this);
    connect(menu, &proFileOperateMenuToolWidget::sigCloseMenuWidow, this, &profileListItem::onCloseMenuWidow);
    connect(menu, &proFileOperateMenuToolWidget::sigProfileExport, this, &profileListItem::onProfileExport);
    connect(menu, &proFileOperateMenuToolWidget::sigProfileDelete, this, &profileListItem::onProfileDelete);
    QPushButton *button = ui->pushButton_ProfileOperate;
    m_popup.open(this, menu, button, QSize(200, 120), QPoint(button->width() / 2, button->height() - 15),
                 QPoint(100, 10));
}
