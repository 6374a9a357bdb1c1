// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The mouse's lighting page: the mouse picture with one LED button on each LED of the mouse, and
// below it the zone buttons (Scroll, Around, Logo) with the two buttons that link the Scroll and
// the Logo zone to the Around zone. The mouse lighting engine paints the LED buttons; the page
// reports the chosen zone and the link states to the device page and keeps the link states in
// the profile file. It sends nothing to the mouse itself.

#include "mouseLightButtonCustom.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QWidget>

#include <memory>

class xmlInterface;

namespace Ui {
class DMouseLightPage;
}

class DMouseLightPage : public QWidget
{
    Q_OBJECT
public:
    enum Zone { AroundZone = 0, ScrollZone = 1, LogoZone = 2 };

    explicit DMouseLightPage(QString model, QWidget *parent = nullptr);
    ~DMouseLightPage() override;

    void loadMouseInfo(QString model);
    // Builds the LED buttons from the text of a mouse definition file; false when it does not parse.
    bool parseMouseInfo(const QByteArray &text);
    void setProfileXml(const char *profilePath, xmlInterface *xml);
    void setProfileIndex(int profileIndex);
    void loadLinkStatus();
    void setLedDisabled(int off);
    QList<mouseLightButtonCustom *> ledButtons() const;
    void applyTheme();
    void retranslate();

    bool isLoaded() const { return m_loaded; }
    int selectedZone() const { return m_selectedZone; }
    int scrollLinkStatus() const { return m_scrollLinkStatus; }
    int logoLinkStatus() const { return m_logoLinkStatus; }

signals:
    void sigScrollLinkStatus(int status);
    void sigLogoLinkStatus(int status);
    void sigSelectMouseLightType(int selLightType);

private slots:
    void on_toolButton_AroundType_clicked();
    void on_toolButton_ScrollType_clicked();
    void on_toolButton_LogoType_clicked();
    void on_pushButton_LinkScroll_clicked();
    void on_pushButton_LinkLogo_clicked();

private:
    void setTooltips();
    // Stores a link status of the current profile (light1 Scroll, light2 Logo); false when the
    // file was not changed.
    bool storeLinkStatus(int zone, int status);
    int readLinkStatus(int zone) const;

    std::unique_ptr<Ui::DMouseLightPage> ui;
    bool m_loaded = false;
    QList<mouseLightButtonCustom *> m_ledButtons;
    int m_selectedZone = AroundZone;
    int m_scrollLinkStatus = 0;
    int m_logoLinkStatus = 0;
    QByteArray m_profilePath;
    xmlInterface *m_xml = nullptr;
    int m_profileIndex = 1;
    QString m_model;
};
