// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One row of the macro page's macro list: the macro's name, its operation popup ("Export",
// "Delete", "Modify Name") and the editing of its name in place, stored in the macro library.

#include "ListRowPopup.h"

#include <QByteArray>
#include <QString>
#include <QWidget>

#include <memory>

namespace Ui {
class DMacroListItem;
}

class ArrowWidget;
class xmlInterface;

class DMacroListItem : public QWidget
{
    Q_OBJECT
public:
    explicit DMacroListItem(QWidget *parent = nullptr);
    ~DMacroListItem() override;

    // The macro library (8-bit path, held whole) and the store (not owned).
    void setMacroXml(const char *macroXmlPath, xmlInterface *xml);
    void setIndexAndName(QString index, QString name);
    void setSelected(bool selected);

    QString index() const;
    QString name() const;
    // Whether the name is being edited.
    bool isEditing() const;
    // The operation popup last opened, null before the first.
    ArrowWidget *operationPopup() const;

    // The longest name the library keeps, in UTF-8 bytes.
    static constexpr int kNameBytes = 63;
    // The name without control and format characters, cut to kNameBytes at a character boundary.
    static QString fittedName(const QString &name);

signals:
    void sigMacroItemMouseClicked(QString index, QString name);
    void sigModifyMacroItemNameIsEmpty();
    void sigModifyMacroItemNameSuccess();
    // The library did not take the new name; the row stays in editing with the old name shown.
    void sigModifyMacroItemNameFailed();
    void sigExportMacroChildList(QString index, QString name);
    void sigDeleteMacro(QString index, QString name);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private slots:
    void onCloseMenuWidow();
    void onMacroExport();
    void onMacroDelete();
    void onMacroModifyNanme();
    void on_pushButton_MacroOperate_clicked();
    void on_pushButton_Save_clicked();
    void on_pushButton_Cancel_clicked();

private:
    void startEditing();

    std::unique_ptr<Ui::DMacroListItem> ui;
    QByteArray m_macroXmlPath;
    xmlInterface *m_xml = nullptr;
    QString m_name;
    QString m_index = QStringLiteral("-1");
    ListRowPopup m_popup;
    QString m_borderColor;
    QString m_selectedColor;
    QString m_hoverColor;
};
