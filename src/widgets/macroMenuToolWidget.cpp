// SPDX-License-Identifier: GPL-3.0-or-later
#include "macroMenuToolWidget.h"
#include "ui_macroMenuToolWidget.h"

#include "DDataManager.h"
#include "OperationMenuStyle.h"

#include <QEvent>

macroMenuToolWidget::macroMenuToolWidget(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::macroMenuToolWidget>())
{
    ui->setupUi(this);

    ui->label_Export->installEventFilter(this);
    ui->label_Delete->installEventFilter(this);
    ui->label_ModifyNanme->installEventFilter(this);

    const ThemeColorConfig theme = DDataManager::getInstance()->getThemeColor();
    setStyleSheet(operationMenuStyleSheet(theme.MacroListItemTextColor, theme.MacroLeftBgColor,
                                          theme.MacroListItemHoverColor, theme.MacroListItemSelectedColor,
                                          theme.TextFont));
}

macroMenuToolWidget::~macroMenuToolWidget() = default;

bool macroMenuToolWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == ui->label_Export) {
            emit sigCloseMenuWidow();
            emit sigMacroExport();
        } else if (watched == ui->label_Delete) {
            emit sigCloseMenuWidow();
            emit sigMacroDelete();
        } else if (watched == ui->label_ModifyNanme) {
            emit sigCloseMenuWidow();
            emit sigMacroModifyNanme();
        }
    }
    return QWidget::eventFilter(watched, event);
}
