// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One saved custom lighting in the device page's list: its name and a check box that says
// whether the keyboard uses it. A double click turns the name into an editor; Save writes the new
// name into the profile. Selection and use are decided by the device page.

#include "CustomLightItemInfo.h"

#include <QByteArray>
#include <QString>
#include <QWidget>

#include <memory>

class xmlInterface;

namespace Ui {
class DCustomLightListItem;
}

class DCustomLightListItem : public QWidget
{
    Q_OBJECT

public:
    // The store reads a name back in at most this many bytes of UTF-8.
    static constexpr int MaxNameBytes = 63;

    explicit DCustomLightListItem(QWidget *parent = nullptr);
    ~DCustomLightListItem() override;

    void setProfileXml(const char *profilePath, xmlInterface *xml);
    void setCustomLightInfo(CustomLightItemInfo info);
    void setSelected(bool selected);
    bool isSelected() const { return m_selected; }
    void setUsingStatus(bool isUsing);
    void applyTheme();

    QString getCustomLightIndex() const { return m_info.index; }
    QString getName() const { return m_info.name; }
    QString getIsUsing() const { return m_info.isUsing; }
    void setIsUsing(QString isUsing);
    int getUsingFlagIndex() const { return m_info.usingFlagIndex; }
    void setUsingFlagIndex(int usingFlagIndex);

signals:
    void sigCustomLightItemMouseClicked(QString index, QString name);
    void sigModifyCustomLightItemNameIsEmpty();
    void sigModifyCustomLightItemNameSuccess();
    // The new name is not in the profile; the editor stays up with the typed text.
    void sigModifyCustomLightItemNameFailed();
    void sigCustomLightUsingStatus(bool isUsing);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private slots:
    void on_checkBox_clicked();
    void on_pushButton_Save_clicked();
    void on_pushButton_Cancel_clicked();

private:
    void readTheme();
    void applyLook();

    std::unique_ptr<Ui::DCustomLightListItem> ui;
    QByteArray m_profilePath;
    xmlInterface *m_xml = nullptr;
    CustomLightItemInfo m_info;
    bool m_selected = false;
    QString m_borderColor;
    QString m_bgColor;
    QString m_hoverColor;
    QString m_textColor;
    QString m_selectedTextColor;
    QString m_fontFamily;
    QString m_editTextColor;
    QString m_editBgColor;
    QString m_editHoverColor;
};
