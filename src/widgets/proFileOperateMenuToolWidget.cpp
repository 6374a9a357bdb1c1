// SPDX-License-Identifier: GPL-3.0-or-later
#include "proFileOperateMenuToolWidget.h"
#include "ui_proFileOperateMenuToolWidget.h"

#include "DDataManager.h"
#include "OperationMenuStyle.h"

#include <QEvent>

proFileOperateMenuToolWidget::proFileOperateMenuToolWidget(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::proFileOperateMenuToolWidget>())
{
    ui->setupUi(this);
    // A profile is renamed in the profile panel's name field, not from this menu.
    ui->label_ModifyNanme->hide();

    ui->label_Export->installEventFilter(this);
    ui->label_Delete->installEventFilter(this);
    ui->label_ModifyNanme->installEventFilter(this);

    const ThemeColorConfig theme = DDataManager::getInstance()->getThemeColor();
    setStyleSheet(operationMenuStyleSheet(theme.DeviceLeftAreaItemTextDefaultColor, theme.DeviceCenterBgColor,
                                          theme.DeviceLeftAreaItemHoverColor, theme.DeviceLeftAreaItemSelectedColor,
                                          theme.TextFont));
}

proFileOperateMenuToolWidget::~proFileOperateMenuToolWidget() = default;

bool proFileOperateMenuToolWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == ui->label_Export) {
            emit sigCloseMenuWidow();
            emit sigProfileExport();
        } else if (watched == ui->label_Delete) {
            emit sigCloseMenuWidow();
            emit sigProfileDelete();
        } else if (watched == ui->label_ModifyNanme) {
            emit sigCloseMenuWidow();
            emit sigProfileModifyNanme();
        }
    }
    return QWidget::eventFilter(watched, event);
}
