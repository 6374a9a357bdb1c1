// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The mouse's lighting page: the LEDs of the mouse on its picture, the zone selector and the
// check boxes that link the Scroll and Logo zones to the Around zone.
//
// This is the page's least shape: it places the LED buttons from the mouse definition file and
// keeps what it is given; the picture, the zone and link buttons come with the page's form.

#include "mouseLightButtonCustom.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QWidget>

class xmlInterface;

class DMouseLightPage : public QWidget
{
    Q_OBJECT
public:
    explicit DMouseLightPage(QString model, QWidget *parent = nullptr);

    void loadMouseInfo(QString model);
    void setProfileXml(const char *profilePath, xmlInterface *xml);
    void setProfileIndex(int profileIndex);
    void loadLinkStatus();
    void setLedDisabled(int off);
    QList<mouseLightButtonCustom *> ledButtons() const;
    void applyTheme();
    void retranslate();

signals:
    void sigScrollLinkStatus(int status);
    void sigLogoLinkStatus(int status);
    void sigSelectMouseLightType(int selLightType);

private:
    QList<mouseLightButtonCustom *> m_ledButtons;
    QByteArray m_profilePath;
    QString m_model;
    xmlInterface *m_xml = nullptr;
    int m_profileIndex = 1;
};
