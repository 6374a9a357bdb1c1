// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The mouse's button page: eight buttons around the mouse picture, each showing the function
// assigned to it; a click selects the button for assignment.
//
// This is the page's outer shape: the buttons show their default names; the mouse definition,
// the picture and the assignment captions come with the full page.

#include "MouseDefinitionFile.h"
#include "XmlRecords.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QPair>
#include <QString>
#include <QWidget>

class QPushButton;
class xmlInterface;

class DMousePage : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kButtonCount = 8;

    explicit DMousePage(QString model, QWidget *parent = nullptr);

    void loadMouseInfo(QString model);
    void setKeyNameMap(QMap<int, QString> keyNameMap);
    void setXmlInterface(xmlInterface *xml);
    void setProfilePath(const char *profilePath);
    void resetAllKeyText();
    void resetKeyText(int keyCode);
    void showKeyInfo(int keyCode, CustomKeyInfo record);
    void setKeyText(QPair<int, QString> key);
    void applyTheme();

    QPushButton *button(int index) const;
    int supportEnableXY() const;

signals:
    void sigMouseButtonClicked(int selIndex);
    void sigMouseInfoAlreadyLoad();

private:
    QString defaultName(int index) const;

    QList<QPushButton *> m_buttons;
    QMap<int, QString> m_keyNameMap;
    QByteArray m_profilePath;
    QString m_model;
    xmlInterface *m_xml = nullptr;
    int m_supportEnableXY = MouseDefinitionFile::kDefaultSupportEnableXY;
};
