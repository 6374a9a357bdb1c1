// SPDX-License-Identifier: GPL-3.0-or-later
#include "MacroPageTheme.h"

#include "DMacroPage.h"
#include "ThemeStyleSheets.h"
#include "ui_DMacroPage.h"

#include "CbNotice.h"
#include "DDataManager.h"
#include "MacroListRows.h"
#include "MacroPageSheets.h"

namespace {

QFont sized(QFont font, int points)
{
    font.setPointSize(points);
    return font;
}

}  // namespace

MacroPageTheme::MacroPageTheme(DMacroPage *page)
    : p(page)
{
}

void MacroPageTheme::applyTheme()
{
    const ThemeColorConfig t = DDataManager::getInstance()->getThemeColor();

    p->m_notice->setBackgroundColor(p->themeColour(t.AllBgColor, 200));
    p->m_notice->setTextColor(p->themeColour(stylesheets::popupAccent(t, t.TextCheckedColor), 255));
    QFont noticeFont(t.TextFont);
    noticeFont.setPixelSize(14);
    p->m_notice->setTextFont(noticeFont);

    using S = MacroPageSheets;
    p->ui->frame_29->setStyleSheet(S::background("QFrame#frame_29", t.MacroLeftBgColor));
    p->ui->scrollArea_2->setStyleSheet(S::clearBackground("QScrollArea#scrollArea_2"));
    p->ui->scrollAreaWidgetContents_2->setStyleSheet(S::clearBackground("QWidget#scrollAreaWidgetContents_2"));
    p->ui->frame_2->setStyleSheet(S::line("QFrame#frame_2", "top", t.MacroBorderColor));
    p->ui->label_MacroGroup->setStyleSheet(S::colour("QLabel#label_MacroGroup", t.TextCheckedColor));
    p->m_scrollSheet = S::scrollBar(t);
    p->ui->frame_26->setStyleSheet(S::line("QFrame#frame_26", "bottom", t.MacroBorderColor));
    p->ui->frame_24->setStyleSheet(S::panel("QFrame#frame_24", true, t));
    p->ui->label->setStyleSheet(S::colour("QLabel#label", t.TextDefaultColor));
    p->ui->frame_Record->setStyleSheet(
        QStringLiteral("QFrame#frame_Record{border-radius: 8px; border: 2px solid %1;}"
                       "QFrame#frame_Record:hover{border: 2px solid %2;}")
            .arg(stylesheets::colour(t.MacroBorderColor), stylesheets::colour(t.TextCheckedColor)));
    p->ui->frame_4->setStyleSheet(S::line("QFrame#frame_4", "top", t.MacroBorderColor));
    p->ui->frame_Center->setStyleSheet(S::background("QFrame#frame_Center", t.MacroCenterBgColor));
    p->ui->scrollArea_3->setStyleSheet(S::clearBackground("QScrollArea#scrollArea_3"));
    p->ui->scrollAreaWidgetContents_3->setStyleSheet(S::clearBackground("QWidget#scrollAreaWidgetContents_3"));
    p->ui->widget_5->setStyleSheet(p->m_scrollSheet);
    p->ui->label_12->setStyleSheet(S::colour("QLabel#label_12", t.TextCheckedColor));
    p->ui->label_14->setStyleSheet(S::colour("QLabel#label_14", t.TextCheckedColor));
    p->ui->label_TotalTime->setStyleSheet(QStringLiteral("QLabel#label_TotalTime{color: %1; font: 75 11pt \"%2\";}")
                                              .arg(stylesheets::colour(t.TextDefaultColor), t.TextFont));
    p->ui->label_InsertMacro->setStyleSheet(S::colour("QLabel#label_InsertMacro", t.TextCheckedColor));
    p->ui->frame_8->setStyleSheet(S::line("QFrame#frame_8", "top", t.MacroBorderColor));
    p->ui->frame_6->setStyleSheet(S::panel("QFrame#frame_6", false, t));
    const QString commandSheet = S::commandButton(t);
    p->ui->pushButton_InsertMacro->setStyleSheet(commandSheet);
    p->ui->pushButton_ModifyMacro->setStyleSheet(commandSheet);
    p->ui->label_Property->setStyleSheet(S::colour("QLabel#label_Property", t.TextCheckedColor));
    p->ui->frame_10->setStyleSheet(S::line("QFrame#frame_10", "top", t.MacroBorderColor));
    p->ui->frame_5->setStyleSheet(S::panel("QFrame#frame_5", false, t));
    const QString keySheet = S::keyField(t);
    p->ui->lineEdit_EnterKey->setStyleSheet(keySheet);
    p->ui->lineEdit_PressKey->setStyleSheet(keySheet);

    // The rows take the theme when they are built; the list itself is not read again. At the
    // start it is read once the window is on screen.
    p->m_macroRows->rebuildRows();
    p->loadMacroListAfterFirstPaint();

    const QFont bold = DDataManager::getInstance()->getFont(0);
    for (QLabel *title :
         {p->ui->label_MacroGroup, p->ui->label_10, p->ui->label_12, p->ui->label_InsertMacro, p->ui->label_Property})
        title->setFont(sized(bold, 12));
    p->m_recordLabelFont = sized(bold, 11);
    p->ui->pushButton_InsertMacro->setFont(p->m_recordLabelFont);
    p->ui->pushButton_ModifyMacro->setFont(p->m_recordLabelFont);
    p->ui->label->setFont(p->m_recordLabelFont);
    p->ui->label_14->setFont(sized(bold, 18));
    const QFont normal = sized(DDataManager::getInstance()->getFont(1), 10);
    for (QLabel *text : {p->ui->label_5, p->ui->label_6, p->ui->label_7, p->ui->label_2, p->ui->label_4, p->ui->label_3,
                         p->ui->label_13})
        text->setFont(normal);

    // Restarted by every call, so the last theme's sheet is the one the macro list keeps.
    p->m_scrollSheetTimer.start();
}
