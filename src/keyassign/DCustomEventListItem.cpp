// SPDX-License-Identifier: GPL-3.0-or-later
#include "DCustomEventListItem.h"
#include "ui_DCustomEventListItem.h"

#include "DDataManager.h"
#include "KeyAssignmentTexts.h"
#include "ThemeStyleSheets.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QTextDocument>

namespace {

// Shortens the text with an ellipsis to the width when it reaches it; true when shortened.
bool elide(QLabel *label, const QString &text, int width)
{
    label->ensurePolished();  // measure in the font of the style sheet
    const QFontMetrics metrics(label->font());
    if (metrics.horizontalAdvance(text) < width) {
        label->setText(text);
        label->setToolTip(QString());
        return false;
    }
    label->setText(metrics.elidedText(text, Qt::ElideRight, width));
    label->setToolTip(DCustomEventListItem::plainToolTip(text));
    return true;
}

}  // namespace

DCustomEventListItem::DCustomEventListItem(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::DCustomEventListItem>())
{
    ui->setupUi(this);
    const ThemeColorConfig theme = DDataManager::getInstance()->getThemeColor();
    ui->frame_Left->setStyleSheet(QStringLiteral("\t\tQFrame#frame_Left\t{\t\t\tborder: 1px solid %1;\t\t}\t\t")
                                      .arg(stylesheets::colour(theme.TextCheckedColor)));
    ui->label_Key->setStyleSheet(
        QStringLiteral("\t\tQLabel#label_Key\t\t{\t\t\tcolor: %1;\t\t\tfont: 75 10pt \"%2\";\t\t}\t\t")
            .arg(stylesheets::colour(theme.TextCheckedColor), theme.TextFont));
    ui->label_CustomEvent->setStyleSheet(
        QStringLiteral("\t\tQLabel#label_CustomEvent\t\t{\t\t\tcolor: %1;\t\t\tfont: 75 10pt \"%2\";\t\t}\t\t")
            .arg(stylesheets::colour(theme.TextDefaultColor), theme.TextFont));
    ui->frame_Right->setStyleSheet(
        QStringLiteral("QFrame#frame_Right\n{\n\t border: none;\n \t border-top: 1px solid %1;\n\t border-bottom: 1px "
                       "solid %1;\n\t border-right: 1px solid %1;\n}\n\nQFrame#frame_Right:hover\n{\n\t border: "
                       "none;\n \t border-top: 1px solid %2;\n\t border-bottom: 1px solid %2;\n\t border-right: "
                       "1px solid %2;\n}\n")
            .arg(stylesheets::colour(theme.TextDefaultColor), stylesheets::colour(theme.TextCheckedColor)));
}

DCustomEventListItem::~DCustomEventListItem() = default;

QString DCustomEventListItem::plainToolTip(const QString &text)
{
    if (!Qt::mightBeRichText(text))
        return text;
    return QStringLiteral("<p style='white-space:pre'>%1</p>").arg(text.toHtmlEscaped());
}

void DCustomEventListItem::setProfileName(const QString &name)
{
    m_profileName = name;
}

void DCustomEventListItem::setEventInfo(const CustomKeyInfo &info, const QMap<int, QString> &keyNameMap)
{
    m_keyDec = QByteArray(info.keyCode).trimmed().toInt();
    m_keyName = QString::fromUtf8(info.keyChar);
    m_keyInfo = info;
    m_keyNameMap = keyNameMap;
    m_elided = elide(ui->label_Key, m_keyName, kKeyWidth);
    m_elided = elide(ui->label_CustomEvent, functionText(), kEventWidth);
}

QString DCustomEventListItem::functionText() const
{
    const QString value = QString::fromUtf8(m_keyInfo.Value);
    const int number = value.trimmed().toInt();
    switch (QByteArray(m_keyInfo.operateType).trimmed().toInt()) {
    case 0:
        return m_keyNameMap.value(number);
    case 1:
        return tr("Macro:") + KeyAssignmentTexts::playModeText(QByteArray(m_keyInfo.mode).trimmed().toInt());
    case 2:
        return KeyAssignmentTexts::combinationText(value, m_keyNameMap);
    case 3:
        return KeyAssignmentTexts::multimediaText(number);
    case 4:
        return KeyAssignmentTexts::mouseText(number);
    case 5:
        return tr("Disable");
    case 6:
    case 8:
        return value;
    case 7:
        return tr("Profile:") + m_profileName;
    case 9:
        return KeyAssignmentTexts::shortcutText(number);
    default:
        return tr("Unknow");
    }
}

QString DCustomEventListItem::keyText() const
{
    return ui->label_Key->text();
}

QString DCustomEventListItem::eventText() const
{
    return ui->label_CustomEvent->text();
}

QString DCustomEventListItem::keyToolTip() const
{
    return ui->label_Key->toolTip();
}

QString DCustomEventListItem::eventToolTip() const
{
    return ui->label_CustomEvent->toolTip();
}

void DCustomEventListItem::mousePressEvent(QMouseEvent *event)
{
    emit sigCustomEventItemMouseClicked(m_keyDec, m_keyName);
    QWidget::mousePressEvent(event);
}
