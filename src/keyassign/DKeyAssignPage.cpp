// SPDX-License-Identifier: GPL-3.0-or-later
#include "DKeyAssignPage.h"

#include "LogCategories.h"
#include "RecordText.h"
#include "ThemeColorConfig.h"
#include "ThemeStyleSheets.h"
#include "xmlInterface.h"

#include <QAbstractButton>
#include <QFile>

namespace {
// The alpha of the OK and Cancel buttons' hover background over the control colour.
constexpr int kHoverAlpha = 130;
}  // namespace

DKeyAssignPage::DKeyAssignPage(QWidget *parent)
    : QWidget(parent)
{
}

DKeyAssignPage::~DKeyAssignPage() = default;

void DKeyAssignPage::setInterfaces(MainHidInterFace *hidInterface, xmlInterface *xml)
{
    m_hidInterface = hidInterface;
    m_xml = xml;
}

void DKeyAssignPage::setCurrentKey(const QPair<int, QString> &key)
{
    m_keyCode = key.first;
    m_keyName = key.second;
}

void DKeyAssignPage::setFilePaths(const char *macroFilePath, const char *profileFilePath)
{
    m_macroFilePath = QByteArray(macroFilePath ? macroFilePath : "");
    m_profileFilePath = QByteArray(profileFilePath ? profileFilePath : "");
}

void DKeyAssignPage::setProfileIndex(int index)
{
    m_profileIndex = index;
}

void DKeyAssignPage::loadCustomKeyInfo() {}

bool DKeyAssignPage::readKeyRecord(CustomKeyInfo *info) const
{
    *info = CustomKeyInfo();
    qstrncpy(info->keyCode, "-1", sizeof(info->keyCode));
    if (m_xml)
        m_xml->getKeyMapItems(profileFilePath(), profileKey().constData(), keyCodeText().constData(), info);
    return recordText(info->keyCode) != "-1";
}

bool DKeyAssignPage::saveKeyRecord(const char *operateType, const QByteArray &repeatNum, const QByteArray &mode,
                                   const QByteArray &value)
{
    // A page that no key was handed to (or a key that cannot be assigned) writes nothing.
    const bool saved =
        m_xml && m_keyCode >= 0
        && m_xml->replaceKeyMapItem(profileFilePath(), profileKey().constData(), keyCodeText().constData(),
                                    m_keyName.toUtf8().constData(), operateType, repeatNum.constData(),
                                    mode.constData(), value.constData());
    reportSave(saved, "key assignment");
    return saved;
}

void DKeyAssignPage::reportSave(bool saved, const char *what)
{
    if (saved) {
        emit sigShoudUpdateKeyboard(m_keyCode);
        emit sigCustomKeyInfoSaveSuccessful();
        return;
    }
    qCWarning(lcUi) << "Saving the" << what << "of key" << m_keyCode << "in profile" << m_profileIndex << "of"
                    << QFile::decodeName(m_profileFilePath) << "failed";
    emit sigCustomKeyInfoSaveFailed();
}

void DKeyAssignPage::clearChecked(const QList<QAbstractButton *> &buttons)
{
    for (QAbstractButton *button : buttons) {
        if (!button->isChecked())
            continue;
        // An exclusive button cannot be unchecked while it is exclusive.
        const bool exclusive = button->autoExclusive();
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(exclusive);
    }
}

QString DKeyAssignPage::okCancelStyle(const ThemeColorConfig &theme)
{
    return QStringLiteral("QPushButton{border-radius:8px;border:1px solid %1;background-color:%2;"
                          "color:%4;font-family:\"%6\";font-weight:75;font-size:10pt;}"
                          "QPushButton:hover{background-color:%7;border:1px solid %5;}"
                          "QPushButton:pressed{color:%5;border:1px solid %5;background-color:%3;}")
        .arg(stylesheets::colour(theme.DeviceBorderColor), stylesheets::colour(theme.DeviceControlDefaultColor),
             stylesheets::colour(theme.DeviceControlHoverColor), stylesheets::colour(theme.TextDefaultColor),
             stylesheets::colour(theme.TextCheckedColor), theme.TextFont,
             stylesheets::translucent(theme.DeviceControlHoverColor, kHoverAlpha));
}

QString DKeyAssignPage::choiceStyle(const ThemeColorConfig &theme)
{
    return QStringLiteral("QLabel,QRadioButton{color:%1;font-family:\"%3\";font-weight:75;font-size:10pt;}"
                          "QRadioButton:checked{color:%2;}"
                          "QRadioButton::indicator:checked{background-color:%2;border-radius:6px;"
                          "border:2px solid white;}")
        .arg(stylesheets::colour(theme.TextDefaultColor), stylesheets::colour(theme.TextCheckedColor), theme.TextFont);
}

QString DKeyAssignPage::entryStyle(const ThemeColorConfig &theme)
{
    return QStringLiteral("QLabel{color:%1;font-family:\"%4\";font-weight:75;font-size:10pt;}"
                          "QLineEdit,QTextEdit{color:%1;border:1px solid %1;background-color:%2;"
                          "font-family:\"%4\";font-weight:75;font-size:10pt;}"
                          "QLineEdit:hover,QLineEdit:focus,QTextEdit:hover,QTextEdit:focus{border:1px solid %3;}")
        .arg(stylesheets::colour(theme.TextDefaultColor), stylesheets::colour(theme.DeviceRightBgColor),
             stylesheets::colour(theme.TextCheckedColor), theme.TextFont);
}
