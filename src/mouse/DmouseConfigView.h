#pragma once
// The mouse's DPI configuration: the DPI levels of the current profile, which of them the DPI
// key steps through, and the level in use.
//
// This is the view's outer shape: it reads the levels from the profile and steps the level in
// use; the level rows and their editing come with the full view.

#include "XmlRecords.h"

#include <QByteArray>
#include <QList>
#include <QWidget>

class xmlInterface;

class DmouseConfigView : public QWidget
{
    Q_OBJECT
public:
    explicit DmouseConfigView(QWidget *parent = nullptr);

    void setProfileXml(const char *profilePath, xmlInterface *xml);
    void setProfileIndex(int profileIndex);
    void setSupportEnableXY(bool support);
    void loadProfileConfig();
    // The mouse's DPI key: the level in use moves on to the next selected level among 1 to 5.
    void switchToNextDpi();
    void applyTheme();
    void retranslate();

    int usingIndex() const;

signals:
    void sigDpiConfigChanged();

private:
    QByteArray profileKey() const;

    QByteArray m_profilePath;
    xmlInterface *m_xml = nullptr;
    QList<DpiItemInfo> m_items;
    int m_profileIndex = 1;
    int m_usingIndex = 1;
    bool m_supportEnableXY = false;
};
