// SPDX-License-Identifier: GPL-3.0-or-later
#include "profileListItem.h"

#include "ArrowWidget.h"
#include "DDataManager.h"
#include "proFileOperateMenuToolWidget.h"
#include "ThemeStyleSheets.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

profileListItem::profileListItem(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("profileListItem"));
    setAttribute(Qt::WA_StyledBackground, true);
    setMinimumHeight(35);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(15, 0, 10, 0);
    m_label = new QLabel(this);
    m_label->setObjectName(QStringLiteral("label_ProfileName"));
    m_operate = new QPushButton(this);
    m_operate->setObjectName(QStringLiteral("pushButton_Operate"));
    m_operate->setFixedSize(22, 20);
    m_operate->setFocusPolicy(Qt::NoFocus);
    m_operate->setStyleSheet(QStringLiteral("QPushButton{background: transparent; "
                                            "border-image:url(:/images/publicIco/dianDef.png);}"
                                            "QPushButton:hover{border-image:url(:/images/publicIco/dianSel.png);}"));
    m_label->setTextFormat(Qt::PlainText);  // a name is shown as typed, never as markup
    layout->addWidget(m_label, 1);
    layout->addWidget(m_operate);
    connect(m_operate, &QPushButton::clicked, this, &profileListItem::openOperationMenu);
    applyLook();
}

profileListItem::~profileListItem()
{
    closeOperationMenu();
}

void profileListItem::setProfileInfo(QPair<QString, QString> info)
{
    m_index = info.first;
    m_name = info.second;
    m_label->setText(m_name);
}

void profileListItem::setSelected(bool selected)
{
    m_selected = selected;
    applyLook();
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

QWidget *profileListItem::operationMenu() const
{
    return m_menu;
}

void profileListItem::mousePressEvent(QMouseEvent *event)
{
    QWidget::mousePressEvent(event);
    emit sigProfileItemMouseClicked(m_index, m_name);
}

void profileListItem::applyLook()
{
    const ThemeColorConfig theme = DDataManager::getInstance()->getThemeColor();
    // Theme colours carry an alpha while a background image is in use: the shared builder writes rgba() then.
    const QString text =
        QStringLiteral("QLabel{color: %1; background: transparent;}").arg(stylesheets::colour(theme.TextDefaultColor));
    if (m_selected) {
        setStyleSheet(QStringLiteral("QWidget#profileListItem{background-color: %1;}")
                          .arg(stylesheets::colour(theme.DeviceLeftAreaItemSelectedColor))
                      + text);
    } else {
        setStyleSheet(QStringLiteral("QWidget#profileListItem{background: transparent;}"
                                     "QWidget#profileListItem:hover{background-color: %1;}")
                          .arg(stylesheets::colour(theme.DeviceLeftAreaItemHoverColor))
                      + text);
    }
}

void profileListItem::openOperationMenu()
{
    // One menu at a time: a second click replaces the first.
    closeOperationMenu();
    auto *menu = new proFileOperateMenuToolWidget;
    m_menu = menu;
    m_menuPopup = new ArrowWidget(0);
    m_menuPopup->setSize(150, 150);
    m_menuPopup->setContentWidget(menu);
    connect(menu, &proFileOperateMenuToolWidget::sigCloseMenuWidow, this, [this] {
        if (m_menuPopup)
            m_menuPopup->hide();
    });
    connect(menu, &proFileOperateMenuToolWidget::sigProfileExport, this,
            [this] { emit sigExportProfileChildList(m_index, m_name); });
    connect(menu, &proFileOperateMenuToolWidget::sigProfileDelete, this,
            [this] { emit sigDeleteProfile(m_index, m_name); });
    // Renaming is done in the profile editor beside the list, not from this menu.
    const QPoint below = m_operate->mapToGlobal(QPoint(m_operate->width() / 2, m_operate->height()));
    m_menuPopup->move(below - QPoint(50, 0));
    m_menuPopup->show();
}

void profileListItem::closeOperationMenu()
{
    if (m_menuPopup)
        delete m_menuPopup.data();
}
