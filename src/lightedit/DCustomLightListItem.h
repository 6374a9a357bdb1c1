#pragma once
// One saved custom lighting in the device page's list: its name and a check box that says
// whether the keyboard uses it.
//
// This is the row's outer shape only: renaming and the theme come with the custom lighting list.

#include "CustomLightItemInfo.h"

#include <QByteArray>
#include <QWidget>

class QCheckBox;
class QLabel;
class xmlInterface;

class DCustomLightListItem : public QWidget
{
    Q_OBJECT
public:
    explicit DCustomLightListItem(QWidget *parent = nullptr);

    void setProfileXml(const char *profilePath, xmlInterface *xml);
    void setCustomLightInfo(CustomLightItemInfo info);
    void setSelected(bool selected);
    void setUsingStatus(bool isUsing);
    void setUsingFlagIndex(int usingFlagIndex);
    void setUsingText(QString usingText);
    QString getIndex() const;
    QString getCustomLightIndex() const;
    QString getName() const;
    QString getUsingText() const;
    int getUsingFlagIndex() const;
    bool getIsUsing() const;
    void setIsUsing(bool isUsing);
    bool isSelected() const;
    void applyTheme();

signals:
    void sigCustomLightItemMouseClicked(QString index, QString name);
    void sigCustomLightUsingStatus(bool isUsing);
    void sigModifyCustomLightItemNameIsEmpty();
    void sigModifyCustomLightItemNameSuccess();

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    QByteArray m_profilePath;
    xmlInterface *m_xml = nullptr;
    CustomLightItemInfo m_info;
    QCheckBox *m_checkBox = nullptr;
    QLabel *m_label = nullptr;
    bool m_selected = false;
};
