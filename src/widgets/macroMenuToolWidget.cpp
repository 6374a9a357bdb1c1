#include "macroMenuToolWidget.h"
#include "ui_macroMenuToolWidget.h"

#include "DDataManager.h"

#include <QEvent>

macroMenuToolWidget::macroMenuToolWidget(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::macroMenuToolWidget>())
{
    ui->setupUi(this);

    ui->label_Export->installEventFilter(this);
    ui->label_Delete->installEventFilter(this);
    ui->label_ModifyNanme->installEventFilter(this);

    // Theme colours go into rgb() as they stand, with or without an alpha component.
    const ThemeColorConfig theme = DDataManager::getInstance()->getThemeColor();
    setStyleSheet(QStringLiteral("QLabel{\n\tcolor: rgb(%1);\n\tfont: 75 12pt \"%5\";\n"
                                 "\tbackground-color: rgb(%2);\n}\n"
                                 "QLabel:hover{\n\tbackground-color: rgb(%3);\n}\n"
                                 "QLabel:pressed{\n\tbackground-color: rgb(%4);\n}")
                      .arg(theme.MacroListItemTextColor, theme.MacroLeftBgColor, theme.MacroListItemHoverColor,
                           theme.MacroListItemSelectedColor, theme.TextFont));
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
