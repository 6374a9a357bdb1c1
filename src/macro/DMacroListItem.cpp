// SPDX-License-Identifier: GPL-3.0-or-later
#include "DMacroListItem.h"
#include "ui_DMacroListItem.h"

#include "DDataManager.h"
#include "ListRowLook.h"
#include "LogCategories.h"
#include "macroMenuToolWidget.h"
#include "NameText.h"
#include "RecordText.h"
#include "ThemeStyleSheets.h"
#include "xmlInterface.h"

#include <QMouseEvent>

DMacroListItem::DMacroListItem(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::DMacroListItem>())
{
    ui->setupUi(this);
    ui->label_BindingStatus->hide();
    ui->stackedWidget->setCurrentWidget(ui->page_Default);

    const ThemeColorConfig theme = DDataManager::getInstance()->getThemeColor();
    m_borderColor = theme.MacroBorderColor;
    m_selectedColor = theme.MacroListItemSelectedColor;
    m_hoverColor = theme.MacroListItemHoverColor;

    ui->label_MacroName->setStyleSheet(
        ListRowLook::nameLabel(QStringLiteral("label_MacroName"), theme.MacroListItemTextColor, theme.TextFont));
    ui->lineEdit_MacroName->setStyleSheet(
        QStringLiteral("QLineEdit#lineEdit_MacroName{color: %1; font: 75 12pt \"%2\"; "
                       "background-color: %3; border: 1px solid %4;}"
                       "QLineEdit#lineEdit_MacroName:hover, QLineEdit#lineEdit_MacroName:focus{"
                       "border: 1px solid %5;}")
            .arg(stylesheets::colour(theme.TextDefaultColor), theme.TextFont,
                 stylesheets::colour(theme.MacroLeftBgColor), stylesheets::colour(theme.MacroBorderColor),
                 stylesheets::colour(theme.TextCheckedColor)));
    setSelected(false);
}

DMacroListItem::~DMacroListItem() = default;

void DMacroListItem::setMacroXml(const char *macroXmlPath, xmlInterface *xml)
{
    m_macroXmlPath = QByteArray(macroXmlPath ? macroXmlPath : "");
    m_xml = xml;
}

void DMacroListItem::setIndexAndName(QString index, QString name)
{
    m_index = std::move(index);
    m_name = std::move(name);
    ui->label_MacroName->setText(m_name);
}

void DMacroListItem::setSelected(bool selected)
{
    const QString frame = QStringLiteral("frame_5");
    ui->frame_5->setStyleSheet(selected ? ListRowLook::selectedFrame(frame, m_borderColor, m_selectedColor)
                                        : ListRowLook::normalFrame(frame, m_borderColor, m_hoverColor));
}

QString DMacroListItem::index() const
{
    return m_index;
}

QString DMacroListItem::name() const
{
    return m_name;
}

bool DMacroListItem::isEditing() const
{
    return ui->stackedWidget->currentWidget() == ui->page_ModifyName;
}

ArrowWidget *DMacroListItem::operationPopup() const
{
    return m_popup.popup();
}

QString DMacroListItem::fittedName(const QString &name)
{
    char field[kNameBytes + 1];
    setRecordText(field, NameText::cleaned(name).toUtf8());
    return QString::fromUtf8(recordText(field));
}

void DMacroListItem::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    emit sigMacroItemMouseClicked(m_index, m_name);
}

void DMacroListItem::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
    startEditing();
}

void DMacroListItem::startEditing()
{
    ui->lineEdit_MacroName->setText(m_name);
    ui->stackedWidget->setCurrentWidget(ui->page_ModifyName);
}

void DMacroListItem::onCloseMenuWidow()
{
    m_popup.hide();
}

void DMacroListItem::onMacroExport()
{
    emit sigExportMacroChildList(m_index, m_name);
}

void DMacroListItem::onMacroDelete()
{
    emit sigDeleteMacro(m_index, m_name);
}

void DMacroListItem::onMacroModifyNanme()
{
    startEditing();
}

void DMacroListItem::on_pushButton_MacroOperate_clicked()
{
    auto *menu = new macroMenuToolWidget(this);
    connect(menu, &macroMenuToolWidget::sigCloseMenuWidow, this, &DMacroListItem::onCloseMenuWidow);
    connect(menu, &macroMenuToolWidget::sigMacroExport, this, &DMacroListItem::onMacroExport);
    connect(menu, &macroMenuToolWidget::sigMacroDelete, this, &DMacroListItem::onMacroDelete);
    connect(menu, &macroMenuToolWidget::sigMacroModifyNanme, this, &DMacroListItem::onMacroModifyNanme);
    QPushButton *button = ui->pushButton_MacroOperate;
    m_popup.open(this, menu, button, QSize(200, 150), QPoint(button->width() / 2, button->height() - 6),
                 QPoint(100, 20));
}

void DMacroListItem::on_pushButton_Save_clicked()
{
    const QString typed = ui->lineEdit_MacroName->text();
    if (typed.isEmpty()) {
        emit sigModifyMacroItemNameIsEmpty();
        return;
    }
    const QString newName = fittedName(typed);
    const bool stored =
        m_xml && !m_macroXmlPath.isEmpty()
        && m_xml->renameNode(m_macroXmlPath.constData(), m_index.toUtf8().constData(), newName.toUtf8().constData());
    if (!stored) {
        qCWarning(lcMacro) << "The macro" << m_index << "could not be renamed in" << m_macroXmlPath;
        emit sigModifyMacroItemNameFailed();
        return;
    }
    m_name = newName;
    ui->label_MacroName->setText(m_name);
    ui->stackedWidget->setCurrentWidget(ui->page_Default);
    emit sigModifyMacroItemNameSuccess();
}

void DMacroListItem::on_pushButton_Cancel_clicked()
{
    ui->stackedWidget->setCurrentWidget(ui->page_Default);
}
