#pragma once
// The mouse's lighting page: the LEDs of the mouse on its picture, the zone selector and the
// check boxes that link the Scroll and Logo zones to the Around zone.
//
// This is the page's outer shape only: it shows no LEDs yet.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QWidget>

class mouseLightButtonCustom;
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
