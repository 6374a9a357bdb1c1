// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One DPI level in the DPI configuration view: a Select box and a set marker (or the "Sniper"
// label for level 6), a square in the level's colour and the level's resolution. The row holds
// the level's record while it is on screen and reports the user's actions; the view stores them.

#include "XmlRecords.h"

#include <QColor>
#include <QString>
#include <QWidget>

namespace Ui {
class DDpiConfigListItem;
}

class DDpiConfigListItem : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kSniperLevel = 6;

    explicit DDpiConfigListItem(int index, QWidget *parent = nullptr);

    ~DDpiConfigListItem() override;

    void setDpiItemInfo(DpiItemInfo info, int usingIndex);
    void setSelected(bool selected);
    void setHasSet(bool hasSet);
    void setConfigType(int isXY);
    void setValueXY(int dpi);
    void setValueX(int dpi);
    void setValueY(int dpi);
    void setDpiColor(const QColor &colour);
    void setColorDragging(bool dragging);
    void retranslate();

    void clickItem();
    void setToMouse();
    void notifyChanged();

    DpiItemInfo getDpiItemInfo() const { return m_info; }
    int getIndex() const { return m_index; }
    int getConfigType() const { return m_configType; }
    int getDpiX() const { return m_info.dpiX; }
    int getDpiY() const { return m_info.dpiY; }
    QColor getDpiColor() const { return m_colour; }

signals:
    void sigDpiConfigItemMouseClicked(int index);
    void sigDpiConfigSetToMouse();
    void sigDpiConfigHaveChanged();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private slots:
    void on_checkBox_Select_clicked();
    void on_radioButton_hasSet_clicked();

private:
    void showColour();

    Ui::DDpiConfigListItem *ui;
    int m_index = 0;
    DpiItemInfo m_info;
    int m_configType = 0;
    QColor m_colour;
    bool m_colorDragging = false;
    QString m_normalBg;
    QString m_hoverBg;
    QString m_selectedBg;
    QString m_textColor;
    QString m_textCheckedColor;
    QString m_font;
};
