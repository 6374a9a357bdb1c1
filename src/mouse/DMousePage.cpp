// SPDX-License-Identifier: GPL-3.0-or-later
#include "DMousePage.h"
#include "KeyAssignmentTexts.h"
#include "ThemeStyleSheets.h"

#include "DDataManager.h"
#include "LogCategories.h"
#include "ThemeColorConfig.h"
#include "ui_DMousePage.h"
#include "xmlInterface.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPushButton>
#include <QRadialGradient>
#include <QTextDocument>

namespace {

// Theme colours are "r,g,b" or "r,g,b,a"; a missing field reads as 0.
QColor themeColor(const QString &text, bool withAlpha)
{
    const QStringList fields = text.split(QLatin1Char(','));
    auto field = [&fields](int i) { return i < fields.size() ? fields.at(i).trimmed().toInt() : 0; };
    return QColor(field(0), field(1), field(2), withAlpha ? field(3) : 255);
}

// The record's texts are fixed-size character fields.
template <std::size_t N>
QString fieldText(const char (&field)[N])
{
    return QString::fromUtf8(field, static_cast<int>(qstrnlen(field, N)));
}

// A caption shows user text: "&" must not turn into a mnemonic.
QString captionText(const QString &text)
{
    QString escaped = text;
    return escaped.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

// A tooltip shows user text as it is, even when it looks like markup.
QString plainToolTip(const QString &text)
{
    if (!Qt::mightBeRichText(text))
        return text;
    return QStringLiteral("<qt>%1</qt>").arg(text.toHtmlEscaped());
}

// Offset of each caption's first dot from its line's start.
constexpr int kFirstDot[DMousePage::kButtonCount][2] = {{0, -1},  {-1, -1}, {0, -3}, {0, -4},
                                                        {-5, -1}, {-1, -2}, {0, 0},  {0, 0}};

}  // namespace

DMousePage::DMousePage(QString model, QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::DMousePage>())
    , m_model(model)
{
    ui->setupUi(this);
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(MouseDefinitionFile::kPageWidth, MouseDefinitionFile::kPageHeight);
    m_picturePath = QDir::fromNativeSeparators(QCoreApplication::applicationDirPath())
                    + QStringLiteral("/images/hidImages/Keyboard_") + model + QStringLiteral(".png");
    m_picture.load(m_picturePath);
    translateDefaultNames();

    m_captionFont = QApplication::font();
    m_captionFont.setPointSize(10);
    m_group = new QButtonGroup(this);
    m_group->setExclusive(true);
    for (int i = 0; i < kButtonCount; ++i) {
        auto *button = new QPushButton(m_defaultNames.at(i), this);
        if (i == 0) {
            button->setObjectName(QStringLiteral("Pushbutton_leftMouse"));
            button->setEnabled(false);
        } else {
            button->setObjectName(QStringLiteral("pushButton_Key%1").arg(i));
            button->setCheckable(true);
            button->setEnabled(i < 6);
            button->hide();
            button->setToolTip(plainToolTip(m_defaultNames.at(i)));
        }
        button->setFont(m_captionFont);
        m_group->addButton(button, i);
        m_buttons.append(button);
    }
    connect(m_group, &QButtonGroup::idClicked, this, &DMousePage::onCurMouseIndexChanged);
    m_keyCodes = {1, 32, 16, 8, 2, 4, 6, 7};
    applyTheme();
}

DMousePage::~DMousePage() = default;

void DMousePage::translateDefaultNames()
{
    m_defaultNames = QStringList{tr("Left Click"),  tr("Dpi Loop"),     tr("Forward_L"), tr("Backward_L"),
                                 tr("Right Click"), tr("Center Click"), tr("Forward_R"), tr("Backward_R")};
}

void DMousePage::loadMouseInfo(QString model)
{
    m_model = model;
    QFile file(MouseDefinitionFile::resourcePath(model));
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(lcUi) << "DMousePage: no mouse definition for" << model << "- no captions placed";
        m_loaded = false;
        return;
    }
    parseMouseInfo(file.readAll());
}

bool DMousePage::parseMouseInfo(const QByteArray &text)
{
    m_loaded = false;
    m_rows.clear();
    m_rowMap.clear();
    MouseDefinitionFile definition;
    if (!definition.parse(text)) {
        qCWarning(lcUi) << "DMousePage: the mouse definition of" << m_model << "does not parse - no captions placed";
        update();
        return false;
    }
    m_textWidth = definition.showInfoTextWidth();
    m_textHeight = definition.showInfoTextHeight();
    m_supportEnableXY = definition.supportEnableXY();
    for (const MouseButtonRow &row : definition.buttonRows()) {
        m_rows.append(row);
        m_rowMap.insert(row.index, row);
        if (row.index >= 0 && row.index < kButtonCount)
            m_buttons.at(row.index)->show();
    }
    m_loaded = true;
    placeCaptions();
    update();
    emit sigMouseInfoAlreadyLoad();
    return true;
}

void DMousePage::placeCaptions()
{
    if (!m_loaded)
        return;
    for (const MouseButtonRow &row : qAsConst(m_rows)) {
        const int y = row.posY03 - m_textHeight / 2;
        if (row.index >= 0 && row.index <= 3)
            m_buttons.at(row.index)->setGeometry(row.posX03 - m_textWidth - 4, y, m_textWidth, m_textHeight);
        else if (row.index >= 4 && row.index <= 7)
            m_buttons.at(row.index)->setGeometry(row.posX03 + 6, y, m_textWidth, m_textHeight);
    }
}

void DMousePage::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeCaptions();
}

void DMousePage::setKeyNameMap(QMap<int, QString> keyNameMap)
{
    m_keyNameMap = keyNameMap;
}

void DMousePage::setXmlInterface(xmlInterface *xml)
{
    m_xml = xml;
}

void DMousePage::setProfilePath(const char *profilePath)
{
    m_profilePath = QByteArray(profilePath ? profilePath : "");
}

int DMousePage::buttonOfKeyCode(int keyCode) const
{
    return m_keyCodes.indexOf(keyCode);
}

void DMousePage::resetAllKeyText()
{
    translateDefaultNames();
    for (int i = 0; i < kButtonCount; ++i) {
        m_buttons.at(i)->setText(m_defaultNames.at(i));
        if (i > 0)
            m_buttons.at(i)->setToolTip(plainToolTip(m_defaultNames.at(i)));
    }
}

void DMousePage::resetKeyText(int keyCode)
{
    const int i = buttonOfKeyCode(keyCode);
    if (i < 0)
        return;
    translateDefaultNames();
    m_buttons.at(i)->setText(m_defaultNames.at(i));
    // The tooltip no longer names the function that is gone.
    if (i > 0)
        m_buttons.at(i)->setToolTip(plainToolTip(m_defaultNames.at(i)));
}

void DMousePage::setKeyText(QPair<int, QString> key)
{
    const int i = buttonOfKeyCode(key.first);
    if (i < 0)
        return;
    m_buttons.at(i)->setText(captionText(key.second));
    if (i > 0)
        m_buttons.at(i)->setToolTip(plainToolTip(key.second));
}

QString DMousePage::keyInfoText(const CustomKeyInfo &record) const
{
    const int type = fieldText(record.operateType).toInt();
    const QString value = fieldText(record.Value);
    const QString unknown = tr("Unknow");
    switch (type) {
    case 0:
        return m_keyNameMap.value(value.toInt(), unknown);
    case 1: {
        QString name;
        if (m_xml) {
            NodeIndexName macro;
            const QByteArray library =
                QFile::encodeName(DDataManager::getInstance()->getUserConfigDir() + QStringLiteral("/brivexMacro.xml"));
            m_xml->getNodeIndexName(library.constData(), value.toUtf8().constData(), &macro);
            name = QString::fromUtf8(macro.name, static_cast<int>(qstrnlen(macro.name, sizeof macro.name)));
        }
        return name + QLatin1Char(':') + KeyAssignmentTexts::playModeText(fieldText(record.mode).toInt());
    }
    case 2: {
        // "modifier bits,usage"; a missing part reads as 0 and only bits 0 to 7 name a modifier.
        static const char *const kModifiers[8] = {"L_CTRL", "L_SHIFT", "L_ALT", "L_WIN",
                                                  "R_CTRL", "R_SHIFT", "R_ALT", "R_WIN"};
        const QStringList parts = value.split(QLatin1Char(','));
        const int bits = parts.value(0).trimmed().toInt() & 0xFF;
        const int usage = parts.value(1).trimmed().toInt();
        QStringList names;
        for (int bit = 0; bit < 8; ++bit) {
            if (bits & (1 << bit))
                names.append(QLatin1String(kModifiers[bit]));
        }
        if (m_keyNameMap.contains(usage))
            names.append(m_keyNameMap.value(usage));
        return names.join(QLatin1Char('+'));
    }
    case 3: {
        const QString text = KeyAssignmentTexts::multimediaText(value.toInt());
        return text.isEmpty() ? unknown : text;
    }
    case 4:
        switch (value.toInt()) {
        case 0:
            return tr("Mouse Left");
        case 1:
            return tr("Mouse Center");
        case 2:
            return tr("Mouse Right");
        case 3:
            return tr("Scroll Up");
        case 4:
            return tr("Scroll Down");
        case 5:
            return tr("Forward");
        case 6:
            return tr("Backward");
        case 7:
            return tr("Sniper Key");
        default:
            return unknown;
        }
    case 5:
        return tr("Disable");
    case 6:
        return value;
    case 7: {
        if (!m_xml || m_profilePath.isEmpty())
            return QString();
        ProfileConfigInfo profile;
        m_xml->getProfileInfo(m_profilePath.constData(), value.toUtf8().constData(), &profile);
        return QString::fromUtf8(profile.name, static_cast<int>(qstrnlen(profile.name, sizeof profile.name)));
    }
    case 8:
        return value.mid(value.lastIndexOf(QLatin1Char('/')) + 1);
    case 9: {
        // Shortcut 1 is no longer offered and shows empty.
        const QString text = KeyAssignmentTexts::shortcutText(value.toInt());
        return text.isEmpty() && value.toInt() != 1 ? unknown : text;
    }
    default:
        return unknown;
    }
}

void DMousePage::showKeyInfo(int keyCode, CustomKeyInfo record)
{
    m_currentRecord = record;
    const QString text = keyInfoText(record);
    const QString shortText = DDataManager::getInstance()->getElidedText(m_captionFont, text, kCaptionMaxWidth);
    const int i = buttonOfKeyCode(keyCode);
    if (i < 0)
        return;
    if (i > 0)
        m_buttons.at(i)->setToolTip(plainToolTip(text));
    m_buttons.at(i)->setText(captionText(shortText));
}

void DMousePage::onCurMouseIndexChanged(int selIndex)
{
    if (selIndex >= 1 && selIndex < kButtonCount)
        m_buttons.at(selIndex)->setChecked(true);
    emit sigMouseButtonClicked(selIndex);
    if (m_rowMap.contains(selIndex)) {
        m_selectedRow = m_rowMap.value(selIndex);
        m_selected = true;
        update();
    }
}

void DMousePage::drawDots(QPainter &painter, const MouseButtonRow &row)
{
    const int i = row.index;
    const int secondX = i <= 3 ? row.posX03 - 3 : row.posX03 + 1;
    painter.drawEllipse(row.posX01 + kFirstDot[i][0], row.posY01 + kFirstDot[i][1], 4, 4);
    painter.drawEllipse(secondX, row.posY03 - 2, 4, 4);
}

void DMousePage::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
    if (!m_loaded)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_bgColor);
    painter.drawRect(-3, -3, width() + 6, height() + 6);
    const QRect content = contentsRect();
    if (!m_picture.isNull())
        painter.drawPixmap(QRect(content.width() / 2 - 50, content.height() / 2 - 90, 100, 180), m_picture);

    for (const MouseButtonRow &listed : qAsConst(m_rows)) {
        if (!m_rowMap.contains(listed.index))
            continue;
        const MouseButtonRow row = m_rowMap.value(listed.index);
        const bool isSelected = m_selected && row.index == m_selectedRow.index && row.index != 0;
        const QColor line = row.index == 0 ? m_leftLineColor : (isSelected ? m_highlightColor : m_lineColor);
        const QColor dot = row.index == 0 ? m_leftDotColor : (isSelected ? m_highlightColor : m_dotColor);
        painter.setPen(QPen(line, 1, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
        painter.drawLine(row.posX01, row.posY01, row.posX02, row.posY02);
        painter.drawLine(row.posX02, row.posY02, row.posX03, row.posY03);
        painter.setBrush(dot);
        if (row.index >= 0 && row.index < kButtonCount)
            drawDots(painter, row);
        if (isSelected && row.index >= 1 && row.index < kButtonCount) {
            const QPoint centre(row.posX01 + kFirstDot[row.index][0] + 2, row.posY01 + kFirstDot[row.index][1] + 2);
            QRadialGradient glow(centre, 6, centre);
            glow.setColorAt(0, dot);
            QColor clear = dot;
            clear.setAlpha(0);
            glow.setColorAt(1, clear);
            painter.setPen(Qt::NoPen);
            painter.setBrush(glow);
            painter.drawEllipse(centre, 6, 6);
        }
    }
}

void DMousePage::applyTheme()
{
    const ThemeColorConfig theme = DDataManager::getInstance()->getThemeColor();
    setStyleSheet(QStringLiteral("QPushButton { color: %1; font: 75 10pt \"%4\"; background-color: transparent; }"
                                 "QPushButton:hover { border-radius: 4px; border: 1px solid %2; "
                                 "background-color: %3; }"
                                 "QPushButton:pressed { color: %2; }"
                                 "QPushButton:!checked { color: %1; }"
                                 "QPushButton:checked { color: %2; }")
                      .arg(stylesheets::colour(theme.TextDefaultColor), stylesheets::colour(theme.TextCheckedColor),
                           stylesheets::colour(theme.DeviceControlHoverColor), theme.TextFont));
    if (!m_buttons.isEmpty())
        m_buttons.at(0)->setStyleSheet(
            QStringLiteral("QPushButton#Pushbutton_leftMouse { color: %1; font: 75 10pt \"%2\"; "
                           "background-color: transparent; }")
                .arg(stylesheets::colour(theme.DeviceMouseLeftKeyTextColor), theme.TextFont));
    ui->frame_MouseBg->setStyleSheet(QStringLiteral("QFrame#frame_MouseBg { border: 0px solid %1; }")
                                         .arg(stylesheets::colour(theme.DeviceMouseBgColor)));
    m_bgColor = themeColor(theme.DeviceMouseBgColor, true);
    m_lineColor = themeColor(theme.DeviceMouseDrawLineColor, false);
    m_dotColor = themeColor(theme.DeviceMouseDrawEllipseColor, false);
    m_leftLineColor = themeColor(theme.DeviceMouseDrawLineLeftKeyColor, false);
    m_leftDotColor = themeColor(theme.DeviceMouseDrawEllipseLeftKeyColor, false);
    m_highlightColor = themeColor(theme.TextCheckedColor, false);
    update();
}

QPushButton *DMousePage::button(int index) const
{
    return m_buttons.value(index, nullptr);
}

int DMousePage::supportEnableXY() const
{
    return m_supportEnableXY;
}
