// SPDX-License-Identifier: GPL-3.0-or-later
#include "onboardProfileMenuToolWidget.h"

#include "DDataManager.h"
#include "ThemeStyleSheets.h"
#include "ui_onboardProfileMenuToolWidget.h"

#include <QEvent>

onboardProfileMenuToolWidget::onboardProfileMenuToolWidget(int kind, QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::onboardProfileMenuToolWidget)
{
    ui->setupUi(this);
    if (kind == 0) {
        ui->label_Delete->hide();
        ui->label_ModifyNanme->hide();
    }
    ui->label_Restore->setVisible(true);
    for (QWidget *label :
         {ui->label_CreateNew, ui->label_Export, ui->label_Import, ui->label_Delete, ui->label_Restore,
          ui->label_ModifyNanme, ui->label_QWERTY, ui->label_Mac, ui->label_Dvorak, ui->label_CleanLayer})
        label->installEventFilter(this);

    const ThemeColorConfig theme = DDataManager::getInstance()->getThemeColor();
    setStyleSheet(QStringLiteral("\t\t\tQLabel{\t\t\t\tcolor: %1;\t\t\t\tfont: 75 12pt \"%5\";\t\t\t\t"
                                 "background-color: %2;\t\t\t}\t\t\t\t\t\tQLabel:hover{\t\t\t\t"
                                 "background-color: %3;\t\t\t}\t\t\t\t\t\tQLabel:pressed{\t\t\t\t"
                                 "background-color: %4;\t\t\t}\t\t")
                      .arg(stylesheets::colour(theme.DeviceLeftAreaItemTextDefaultColor),
                           stylesheets::colour(theme.DeviceCenterBgColor),
                           stylesheets::colour(theme.DeviceLeftAreaItemHoverColor),
                           stylesheets::colour(theme.DeviceLeftAreaItemSelectedColor), theme.TextFont));
}

onboardProfileMenuToolWidget::~onboardProfileMenuToolWidget() = default;

void onboardProfileMenuToolWidget::setMenuType(int type)
{
    const bool layouts = type == 0 || type == 2;
    ui->frame_Normal->setVisible(!layouts);
    ui->frame_Fast->setVisible(layouts);
    if (type == 1)
        ui->label_Restore->hide();
    if (type == 2) {
        ui->label_Mac->hide();
        ui->label_Dvorak->hide();
    }
}

bool onboardProfileMenuToolWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::MouseButtonRelease)
        return QWidget::eventFilter(watched, event);
    using Signal = void (onboardProfileMenuToolWidget::*)();
    const struct {
        QObject *label;
        Signal signal;
    } entries[] = {
        {ui->label_CreateNew, &onboardProfileMenuToolWidget::sigProfileCreateNew},
        {ui->label_Export, &onboardProfileMenuToolWidget::sigProfileExport},
        {ui->label_Import, &onboardProfileMenuToolWidget::sigProfileImport},
        {ui->label_Delete, &onboardProfileMenuToolWidget::sigProfileDelete},
        {ui->label_Restore, &onboardProfileMenuToolWidget::sigProfileRestore},
        {ui->label_ModifyNanme, &onboardProfileMenuToolWidget::sigProfileModifyName},
        {ui->label_QWERTY, &onboardProfileMenuToolWidget::sigConfigQWERTY},
        {ui->label_Mac, &onboardProfileMenuToolWidget::sigConfigMac},
        {ui->label_Dvorak, &onboardProfileMenuToolWidget::sigConfigDvorak},
        {ui->label_CleanLayer, &onboardProfileMenuToolWidget::sigConfigCleanLayer},
    };
    for (const auto &entry : entries) {
        if (entry.label != watched)
            continue;
        emit sigCloseMenuWidow();
        emit(this->*entry.signal)();
        break;
    }
    return QWidget::eventFilter(watched, event);
}
