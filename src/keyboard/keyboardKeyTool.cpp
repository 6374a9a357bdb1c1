// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboardKeyTool.h"

#include "DDataManager.h"
#include "DeviceModels.h"
#include "KeyAssignmentTexts.h"
#include "KeyLayoutFile.h"
#include "ThemeColorConfig.h"
#include "ThemeStyleSheets.h"
#include "xmlInterface.h"

#include <QFontMetrics>
#include <QLabel>
#include <QVBoxLayout>

#include <cstring>

namespace {

void preset(CustomKeyInfo *info)
{
    *info = CustomKeyInfo();
    std::strcpy(info->keyCode, "-1");
    std::strcpy(info->keyChar, "-1");
    std::strcpy(info->operateType, "-1");
    std::strcpy(info->repeatNum, "-1");
    std::strcpy(info->mode, "-1");
    std::strcpy(info->Value, "-1");
}

QLabel *makeLabel(QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setFixedSize(200, 34);
    label->setAlignment(Qt::AlignCenter);
    // Captions and assignments come from files: never read them as rich text.
    label->setTextFormat(Qt::PlainText);
    label->setStyleSheet(
        QStringLiteral("color: %1; font-weight: bold;")
            .arg(stylesheets::colour(stylesheets::popupText(DDataManager::getInstance()->getThemeColor()))));
    return label;
}

}  // namespace

keyboardKeyTool::keyboardKeyTool(QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 12);
    m_captionLabel = makeLabel(this);
    m_captionLabel->setObjectName(QStringLiteral("label_Caption"));
    m_kindLabel = makeLabel(this);
    m_kindLabel->setObjectName(QStringLiteral("label_Kind"));
    m_detailLabel = makeLabel(this);
    m_detailLabel->setObjectName(QStringLiteral("label_Detail"));
    QFont kindFont = m_kindLabel->font();
    kindFont.setPointSize(12);
    kindFont.setBold(true);
    m_kindLabel->setFont(kindFont);
    m_kindLabel->setText(tr("Default"));
    layout->addWidget(m_captionLabel);
    layout->addWidget(m_kindLabel);
    layout->addWidget(m_detailLabel);
    preset(&m_keyInfo);
}

void keyboardKeyTool::setData(const char *profileXmlPath, const char *macroXmlPath, xmlInterface *xml, int profileIndex,
                              const QMap<int, QString> &keyNameMap)
{
    m_profileXmlPath = QByteArray(profileXmlPath ? profileXmlPath : "");
    m_macroXmlPath = QByteArray(macroXmlPath ? macroXmlPath : "");
    m_xml = xml;
    m_profileIndex = profileIndex;
    m_keyNameMap = keyNameMap;
}

void keyboardKeyTool::setTextStyle(const QString &styleSheet)
{
    m_captionLabel->setStyleSheet(styleSheet);
    m_detailLabel->setStyleSheet(styleSheet);
}

bool keyboardKeyTool::isUnassignable(const QString &model, int keyDec)
{
    return keyDec == KeyLayoutFile::kFnCode || models::isLockedKey(model, keyDec);
}

void keyboardKeyTool::setKeyInfo(const QString &model, int keyDec, const QString &caption)
{
    m_captionLabel->setText(caption);

    preset(&m_keyInfo);
    if (m_xml && !m_profileXmlPath.isEmpty()) {
        const QByteArray profileKey = QByteArray::number(m_profileIndex);
        const QByteArray code = QByteArray::number(keyDec);
        m_xml->getKeyMapItems(m_profileXmlPath.constData(), profileKey.constData(), code.constData(), &m_keyInfo);
    }

    QString detail = detailFor(caption);
    if (isUnassignable(model, keyDec))
        detail = tr("Cannot be remapped");

    m_elided = false;
    m_detailLabel->ensurePolished();  // measure in the font of the style sheet
    const QFontMetrics metrics(m_detailLabel->font());
    if (metrics.horizontalAdvance(detail) >= kDetailWidth) {
        detail = metrics.elidedText(detail, Qt::ElideRight, kDetailWidth);
        m_elided = true;
    }
    m_detailLabel->setText(detail);
}

QString keyboardKeyTool::detailFor(const QString &caption)
{
    const int operateType = QByteArray(m_keyInfo.operateType).trimmed().toInt();
    const QString value = QString::fromUtf8(m_keyInfo.Value);
    const int number = value.trimmed().toInt();
    QString kind;
    QString detail;
    switch (operateType) {
    case 0:
        kind = tr("Remap key");
        detail = m_keyNameMap.value(number);
        break;
    case 1:
        kind = tr("Macro");
        detail = KeyAssignmentTexts::playModeText(QByteArray(m_keyInfo.mode).trimmed().toInt());
        break;
    case 2:
        kind = tr("key combination");
        detail = KeyAssignmentTexts::combinationText(value, m_keyNameMap);
        break;
    case 3:
        kind = tr("Multimedia");
        detail = KeyAssignmentTexts::multimediaText(number);
        break;
    case 4:
        kind = tr("Mouse");
        detail = KeyAssignmentTexts::mouseText(number);
        break;
    case 5:
        kind = tr("Disable");
        detail = tr("Disable");
        break;
    case 6:
        kind = tr("Text");
        detail = value;
        break;
    case 7: {
        kind = tr("Switch profile");
        ProfileConfigInfo profile;
        if (m_xml) {
            const QByteArray target = QByteArray(m_keyInfo.Value).trimmed();
            m_xml->getProfileInfo(m_profileXmlPath.constData(), target.constData(), &profile);
        }
        detail = tr("Profile:") + QString::fromUtf8(profile.name);
        break;
    }
    case 8:
        kind = tr("Launch application");
        detail = value;
        break;
    case 9:
        kind = tr("Shortcuts");
        detail = KeyAssignmentTexts::shortcutText(number);
        break;
    case 10:
        kind = tr("Unknow");
        detail = caption;
        break;
    default:
        kind = tr("Default");
        detail = caption;
        break;
    }
    m_kindLabel->setText(kind);
    return detail;
}

QString keyboardKeyTool::captionText() const
{
    return m_captionLabel->text();
}

QString keyboardKeyTool::kindText() const
{
    return m_kindLabel->text();
}

QString keyboardKeyTool::detailText() const
{
    return m_detailLabel->text();
}
