// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One row of the device page's PC profile list: the profile's name, the hover and selected looks,
// and an operation button whose popup offers "Export" and "Delete". The row reads and writes no
// file; the device page acts on its signals.

#include "ListRowPopup.h"

#include <QPair>
#include <QString>
#include <QWidget>

#include <memory>

namespace Ui {
class profileListItem;
}

class ArrowWidget;

class profileListItem : public QWidget
{
    Q_OBJECT
public:
    explicit profileListItem(QWidget *parent = nullptr);
    ~profileListItem() override;

    // (profile index, profile name).
    void setProfileInfo(QPair<QString, QString> info);
    void setSelected(bool selected);
    QString profileIndex() const;
    QString profileName() const;
    bool isSelected() const;
    // The operation popup last opened, null before the first.
    ArrowWidget *operationPopup() const;

signals:
    void sigProfileItemMouseClicked(QString strProfileIndex, QString strProfileName);
    void sigExportProfileChildList(QString strProfileIndex, QString strProfileName);
    void sigDeleteProfile(QString strProfileIndex, QString strProfileName);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private slots:
    void onCloseMenuWidow();
    void onProfileExport();
    void onProfileDelete();
    void on_pushButton_ProfileOperate_clicked();

private:
    std::unique_ptr<Ui::profileListItem> ui;
    ListRowPopup m_popup;
    QString m_name;
    QString m_index = QStringLiteral("-1");
    QString m_borderColor;
    QString m_selectedColor;
    QString m_hoverColor;
    bool m_selected = false;
};
