// SPDX-License-Identifier: GPL-3.0-or-later
#include "SoftKeyboardButCustom.h"

#include "KeyLegendFit.h"
#include "LogCategories.h"
#include "ThemeStyleSheets.h"

#include <QEvent>
#include <QMouseEvent>

namespace {

// Glyphs of the icon font: the Windows logo and a menu page.
const QChar kWindowsGlyph(0xF17A);
const QChar kMenuGlyph(0xF15C);

}  // namespace

SoftKeyboardButCustom::SoftKeyboardButCustom(int type, QWidget *parent)
    : QToolButton(parent)
    , m_type(type)
    , m_selectedText(
          QStringLiteral("color:#FF3135; font: 75 8pt; border-bottom: 1px solid #FF3135; border-radius:3px;"))
    , m_selectedTextOnboard(
          QStringLiteral("color:#FF3135; font: 75 8pt; border: 1px solid #FF3135; border-radius:3px;"))
    , m_normalText(QStringLiteral("color:#c3c3c3; font: 75 8pt; border-bottom: 0px solid #7F8386; border-radius:3px;"))
    , m_normalTextOnboard(
          QStringLiteral("color:#f5f5f5; font: 75 8pt; border-bottom: 0px solid #7F8386; border-radius:3px;"))
    , m_background(QStringLiteral("background-color:#4b4b4b;"))
    , m_backgroundOnboard(QStringLiteral("background-color:#1e1e1e;"))
{
    if (m_type == 1)
        installEventFilter(this);
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    applyNormalLook();
}

void SoftKeyboardButCustom::setSize(int width, int height)
{
    m_width = width;
    m_height = height;
    setFixedSize(width, height);
}

void SoftKeyboardButCustom::setKeyInfo(const QPair<int, QString> &info)
{
    m_keyDec = info.first;
    m_keyCharacter = info.second;
    switch (m_keyDec) {
    case 227:
        qCDebug(lcUi) << "--------------------------Dec:" << m_keyDec;
        showLabel(QString(kWindowsGlyph));
        break;
    case 101:
        qCDebug(lcUi) << "--------------------------Dec:" << m_keyDec;
        showLabel(QString(kMenuGlyph));
        break;
    case 145:
        showLabel(tr("Chinese"));
        break;
    case 144:
        showLabel(tr("Korean/English"));
        break;
    case 226:
    case 230:
        showLabel(QStringLiteral("Alt"));
        break;
    case 36:
        // A single "&" would become a mnemonic.
        showLabel(QStringLiteral("7&&"));
        break;
    default:
        showLabel(m_keyCharacter);
        break;
    }
}

void SoftKeyboardButCustom::setState(int state)
{
    if (m_type == 0) {
        switch (state) {
        case 0:
            m_selected = false;
            applyNormalLook();
            break;
        case 1:
            m_selected = true;
            applySelectedLook();
            break;
        case 2:
            applyLook(m_normalText + QStringLiteral("background-color:#2c74c1;"));
            break;
        case 3:
            applyLook(m_normalText + QStringLiteral("background-color:#22ba20;"));
            break;
        case 4:
            applyLook(m_normalText + QStringLiteral("background-color:#E81122;"));
            break;
        default:
            break;
        }
        return;
    }
    if (state == 0) {
        m_selectedOnboard = false;
        applyNormalLook();
    } else if (state == 1) {
        m_selectedOnboard = true;
        applySelectedLook();
    }
}

void SoftKeyboardButCustom::setLeaveReset(bool reset)
{
    m_leaveReset = reset;
}

void SoftKeyboardButCustom::setFunctionText(const QPair<int, QString> &info)
{
    m_operateType = info.first;
    m_functionText = info.second;
    if (m_functionText.isEmpty()) {
        showLabel(QString());
        return;
    }
    if (m_type == 0) {
        if (m_keyDec == 227)
            showLabel(QString(kWindowsGlyph));
        else if (m_keyDec == 101)
            showLabel(QString(kMenuGlyph));
        else
            showLabel(m_functionText);
        return;
    }
    QString shown = m_functionText;
    shown.replace(QStringLiteral("7&"), QStringLiteral("7&&"));
    showLabel(shown);
}

void SoftKeyboardButCustom::setSpecialEnterKey(bool special)
{
    m_specialEnterKey = special;
}

void SoftKeyboardButCustom::setEnterShape(int kind)
{
    m_enterShape = kind;
}

void SoftKeyboardButCustom::setEnterShapeSize(int notchWidth, int upperHeight)
{
    m_notchWidth = notchWidth;
    m_upperHeight = upperHeight;
    m_lowerWidth = m_width - notchWidth;
    m_lowerHeight = m_height - upperHeight;
}

void SoftKeyboardButCustom::setThemeColor(const QString &textColor, const QString &highlightColor,
                                          const QString &backgroundColor)
{
    m_selectedText = QStringLiteral("color:%1; font: 75 8pt; border-bottom: 1px solid %1; border-radius:3px;")
                         .arg(stylesheets::colour(highlightColor));
    m_selectedTextOnboard = QStringLiteral("color:%1; font: 75 8pt; border: 1px solid %1; border-radius:3px;")
                                .arg(stylesheets::colour(highlightColor));
    m_normalText = QStringLiteral("color:%1; font: 75 8pt; border-bottom: 0px solid #7F8386; border-radius:3px;")
                       .arg(stylesheets::colour(textColor));
    m_normalTextOnboard = m_normalText;
    m_background = QStringLiteral("background-color:%1;").arg(stylesheets::colour(backgroundColor));
    m_backgroundOnboard = m_background;
    if (isSelected())
        applySelectedLook();
    else
        applyNormalLook();
    m_textColor = textColor;
    m_highlightColor = highlightColor;
    m_backgroundColor = backgroundColor;
}

bool SoftKeyboardButCustom::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == this && event->type() == QEvent::MouseButtonPress) {
        const auto *press = static_cast<QMouseEvent *>(event);
        if (press->button() == Qt::RightButton)
            emit sigButtonMouseRightKeyClicked(m_keyDec, m_keyCharacter);
    }
    return QToolButton::eventFilter(watched, event);
}

void SoftKeyboardButCustom::enterEvent(QEvent *event)
{
    m_hovered = true;
    applySelectedLook();
    if (m_type == 1)
        emit sigCustomButMouseEnter();
    QToolButton::enterEvent(event);
}

void SoftKeyboardButCustom::leaveEvent(QEvent *event)
{
    m_hovered = false;
    if (m_type == 0) {
        if (m_leaveReset)
            applyNormalLook();
    } else {
        if (m_leaveReset && !m_selectedOnboard)
            applyNormalLook();
        emit sigCustomButMouseLeave();
    }
    QToolButton::leaveEvent(event);
}

void SoftKeyboardButCustom::applyNormalLook()
{
    applyLook(normalText() + background());
}

void SoftKeyboardButCustom::applySelectedLook()
{
    applyLook(selectedText() + background());
}

void SoftKeyboardButCustom::applyLook(const QString &look)
{
    m_look = look;
    setStyleSheet(m_look + m_fitStyle);
}

void SoftKeyboardButCustom::showLabel(const QString &text)
{
    // Measure in the look's own font, without an earlier fitting.
    if (!m_fitStyle.isEmpty()) {
        m_fitStyle.clear();
        setStyleSheet(m_look);
    }
    ensurePolished();
    QString shown = text;
    shown.replace(QStringLiteral("&&"), QStringLiteral("&"));
    const KeyLegend legend = KeyLegendFit::fit(shown, font(), legendArea());
    if (legend.font.pixelSize() > 0 && legend.font.pixelSize() != font().pixelSize()) {
        m_fitStyle = QStringLiteral("font-size:%1px;").arg(legend.font.pixelSize());
        setStyleSheet(m_look + m_fitStyle);
    }
    QString legendText = legend.text;
    legendText.replace(QLatin1Char('&'), QStringLiteral("&&"));
    QToolButton::setText(legendText);
}

QRect SoftKeyboardButCustom::legendArea() const
{
    // Inside the one-pixel border.
    return QRect(0, 0, m_width, m_height).adjusted(kLegendMargin, 1, -kLegendMargin, -1);
}
