// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboardPage.h"
#include "ui_keyboardPage.h"

#include "ArrowWidget.h"
#include "buildUpColorShowArea.h"
#include "DDataManager.h"
#include "DeviceModels.h"
#include "dragShowArea.h"
#include "keyboardButCustom.h"
#include "keyboardKeyTool.h"
#include "KeyLayoutFile.h"
#include "LogCategories.h"
#include "sideLightButtonCustom.h"
#include "ThemeStyleSheets.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPaintEvent>

namespace {

// "r,g,b" of the theme as an opaque colour.
QColor themeColor(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() < 3)
        return QColor(0, 0, 0);
    return QColor(qBound(0, parts.at(0).trimmed().toInt(), 255), qBound(0, parts.at(1).trimmed().toInt(), 255),
                  qBound(0, parts.at(2).trimmed().toInt(), 255));
}

}  // namespace

keyboardPage::keyboardPage(int, QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::keyboardPage>())
{
    ui->setupUi(this);

    m_colorBuildUpArea = new buildUpColorShowArea(ui->frame);
    ui->horizontalLayout->addWidget(m_colorBuildUpArea);
    m_colorBuildUpArea->hide();

    m_dragArea = new dragShowArea(ui->frame);
    ui->horizontalLayout->addWidget(m_dragArea);
    m_dragArea->hide();
    connect(m_dragArea, &dragShowArea::sigDragAreaMousePress, this, &keyboardPage::onDragAreaMousePress);
    connect(m_dragArea, &dragShowArea::sigDragArea, this, &keyboardPage::onDragArea);

    applyTheme();
}

keyboardPage::~keyboardPage()
{
    hideKeyToolTips();
}

void keyboardPage::paintEvent(QPaintEvent *event)
{
    // The keys in their lighting look, over the keyboard's picture, which shows between them.
    const QRegion &region = event->region();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    for (keyboardButCustom *key : m_keyMatrix) {
        if (!key || !key->isLightPaintedByView() || key->isHidden())
            continue;
        const QRect area = key->geometry();
        if (!region.intersects(area))
            continue;
        painter.setTransform(QTransform::fromTranslate(area.x(), area.y()));
        key->paintLight(painter);
    }
    for (sideLightButtonCustom *led : qAsConst(m_listSideLight)) {
        if (!led->isPaintedByView() || led->isHidden())
            continue;
        const QRect area = led->geometry();
        if (!region.intersects(area))
            continue;
        painter.setTransform(QTransform::fromTranslate(area.x(), area.y()));
        led->paintLight(painter);
    }
}

void keyboardPage::onKeyLightChanged(keyboardButCustom *key)
{
    queueLightUpdate(key->geometry());
}

void keyboardPage::onSideLightChanged(sideLightButtonCustom *led)
{
    if (!led->isHidden())
        queueLightUpdate(led->geometry());
}

// The keys and LEDs of one frame gather here; the view asks for its update once, after the frame.
void keyboardPage::queueLightUpdate(const QRect &area)
{
    if (m_lightDirty.isEmpty())
        QMetaObject::invokeMethod(this, &keyboardPage::flushLightUpdate, Qt::QueuedConnection);
    m_lightDirty.append(area);
}

void keyboardPage::flushLightUpdate()
{
    // A few keys: exactly their areas. Many (an effect over the whole keyboard): the one rectangle
    // around them, which is clipped, painted and sent to the screen in one piece.
    if (m_lightDirty.size() > kExactLightAreas) {
        QRect around;
        for (const QRect &area : qAsConst(m_lightDirty))
            around |= area;
        update(around);
    } else {
        QRegion region;
        for (const QRect &area : qAsConst(m_lightDirty))
            region += area;
        update(region);
    }
    m_lightDirty.clear();
}

void keyboardPage::setKeyboardModel(const QString &model)
{
    m_model = model;
    loadKeyboardInfo(model);
}

void keyboardPage::loadKeyboardInfo(const QString &model)
{
    m_model = model;
    const bool userConfig = DDataManager::getInstance()->getUserConfig();
    const QString path = KeyLayoutFile::filePath(model, userConfig, QCoreApplication::applicationDirPath());
    KeyLayoutFile layout;
    clearKeys();
    if (!layout.load(path)) {
        fillEmptyCells();
        return;
    }
    buildFromLayout(layout);
}

void keyboardPage::parseKeyboardInfo(const QByteArray &text)
{
    KeyLayoutFile layout;
    clearKeys();
    if (!layout.parse(text)) {
        qCWarning(lcUi) << "keyboard view: the key layout is not JSON";
        fillEmptyCells();
        return;
    }
    buildFromLayout(layout);
}

void keyboardPage::clearKeys()
{
    hideKeyToolTips();
    m_selectedKeyButton = nullptr;
    m_listLightKeySelected.clear();
    m_listLightKeyTouched.clear();
    m_layoutKeyNameMap.clear();
    m_keyButtonMap.clear();
    m_listKeyCode.clear();
    for (keyboardButCustom *&cell : m_keyMatrix) {
        delete cell;
        cell = nullptr;
    }
    qDeleteAll(m_listSideLight);
    m_listSideLight.clear();
    m_isSideLightHave = false;
    m_isSupportOnboard = false;
    m_isSpecialEnterKey = false;
}

void keyboardPage::buildFromLayout(const KeyLayoutFile &layout)
{
    m_isSideLightHave = layout.sideLightHave();
    m_isSupportOnboard = layout.supportOnboard();
    m_isSpecialEnterKey = layout.specialEnterKey();

    for (const KeyLayoutSideLed &led : layout.sideLeds()) {
        auto *button = new sideLightButtonCustom(this);
        button->setSize(led.width, led.height);
        button->setPos(led.posX + m_keyOffsetX, led.posY + m_keyOffsetY);
        button->move(led.posX + m_keyOffsetX, led.posY + m_keyOffsetY);
        button->setLedInfo(led.index, led.validStatus);
        button->setDrawRounded(models::hasRoundedSideLeds(m_model) && led.validStatus != 0 && led.drawRounded);
        connect(button, &sideLightButtonCustom::sigColorChanged, this, &keyboardPage::onSideLightChanged);
        button->setPaintedByView(true);
        button->hide();
        m_listSideLight.append(button);
    }

    for (const KeyLayoutKey &key : layout.keys()) {
        auto *button = new keyboardButCustom(this);
        button->setSize(key.width, key.height);
        button->setPos(key.posX + m_keyOffsetX, key.posY + m_keyOffsetY);
        button->move(key.posX + m_keyOffsetX, key.posY + m_keyOffsetY);
        button->setKeyInfo(qMakePair(key.dec, key.caption));
        button->setRowColumn(key.row, key.column);
        button->setSelected(false, false);
        if (key.dec == 40) {
            button->setSpecialEnterKey(m_isSpecialEnterKey);
            if (m_isSpecialEnterKey) {
                button->setShapeType(1);
                button->setEnterShapeSize(models::enterNotchWidth(m_model), models::enterUpperHeight(m_model));
            }
        }
        m_layoutKeyNameMap.insert(key.dec, key.caption);
        m_keyButtonMap.insert(key.dec, button);
        m_listKeyCode.append(key.dec);
        m_keyMatrix[static_cast<size_t>(key.row * kColumns + key.column)] = button;
        connect(button, &keyboardButCustom::clicked, this, &keyboardPage::onKeyButtonClicked);
        connect(button, &keyboardButCustom::sigCustomButMouseEnter, this, &keyboardPage::onCustomButMouseEnter);
        connect(button, &keyboardButCustom::sigCustomButMouseLeave, this, &keyboardPage::onCustomButMouseLeave);
        connect(button, &keyboardButCustom::sigLightColorChanged, this, &keyboardPage::onKeyLightChanged);
        button->setLightPaintedByView(true);
        button->show();
    }
    fillEmptyCells();

    emit sigKeyboardAlreadyLoad();
    applyKeyThemeColors();
}

void keyboardPage::fillEmptyCells()
{
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            keyboardButCustom *&cell = m_keyMatrix[static_cast<size_t>(row * kColumns + column)];
            if (cell)
                continue;
            cell = new keyboardButCustom(this);
            cell->setSize(0, 0);
            cell->setRowColumn(row, column);
            cell->hide();
        }
    }
}

keyboardButCustom *keyboardPage::getKeyButton(int row, int column) const
{
    if (row < 0 || row >= kRows || column < 0 || column >= kColumns)
        return nullptr;
    return m_keyMatrix[static_cast<size_t>(row * kColumns + column)];
}

QList<keyboardButCustom *> keyboardPage::getKeyButtons() const
{
    QList<keyboardButCustom *> buttons;
    buttons.reserve(kRows * kColumns);
    for (keyboardButCustom *cell : m_keyMatrix)
        buttons.append(cell);
    return buttons;
}

void keyboardPage::setProfileXml(const QString &profileXmlPath, const QString &macroXmlPath, xmlInterface *xml)
{
    m_profileXmlPath = profileXmlPath;
    m_macroXmlPath = macroXmlPath;
    m_xml = xml;
}

void keyboardPage::setProfileIndex(int index)
{
    m_profileIndex = index;
}

void keyboardPage::setKeyNameMap(const QMap<int, QString> &map)
{
    m_tipKeyNameMap = map;
}

void keyboardPage::setLightMode(bool on)
{
    m_isLightMode = on;
    if (on)
        hideKeyToolTips();
}

void keyboardPage::setCustomLightMode(bool on)
{
    m_isCustomLightMode = on;
    m_dragArea->setVisible(on);
    if (!on)
        clearLightSelection();
    for (keyboardButCustom *cell : m_keyMatrix) {
        if (!cell)
            continue;
        cell->setLightEditView(on);
        cell->update();
    }
}

void keyboardPage::setKeyCustomView(bool selectCurrent, bool on)
{
    for (keyboardButCustom *cell : m_keyMatrix) {
        if (!cell)
            continue;
        cell->setCustomView(on);
        cell->update();
    }
    if (m_selectedKeyButton)
        m_selectedKeyButton->setSelected(selectCurrent, true);
}

void keyboardPage::setKeyColorRepaint(bool on)
{
    for (keyboardButCustom *cell : m_keyMatrix) {
        if (cell)
            cell->setStateValue(on ? 1 : 0);
    }
}

void keyboardPage::clearKeySelection()
{
    if (m_selectedKeyButton)
        m_selectedKeyButton->setSelected(false, true);
    m_selectedKeyButton = nullptr;
}

void keyboardPage::hideKeyToolTips()
{
    const QList<ArrowWidget *> popups = m_listKeyTipPopup;
    m_listKeyTipPopup.clear();
    for (ArrowWidget *popup : popups) {
        popup->hide();
        delete popup;
    }
    m_keyTipPopup = nullptr;
}

void keyboardPage::closeKeyTip()
{
    if (!m_keyTipPopup)
        return;
    ArrowWidget *popup = m_keyTipPopup;
    m_keyTipPopup = nullptr;
    popup->hide();
    m_listKeyTipPopup.removeOne(popup);
    delete popup;
}

void keyboardPage::showSideLights(bool on)
{
    if (!m_isSideLightHave)
        return;
    for (sideLightButtonCustom *led : qAsConst(m_listSideLight)) {
        const bool visible = on && led->getValidStatus() == 1;
        if (visible == led->isVisibleTo(this))
            continue;
        led->setVisible(visible);
        // An LED the view paints has no updates of its own: the view repaints its place.
        if (led->isPaintedByView())
            update(led->geometry());
    }
}

void keyboardPage::clearLightSelection()
{
    m_listLightKeySelected.clear();
    for (keyboardButCustom *key : qAsConst(m_listLightKeyTouched)) {
        key->setSelected(false, true);
        key->setDragMark(false);
    }
    m_listLightKeyTouched.clear();
}

void keyboardPage::setSelectedKeysColor(int r, int g, int b)
{
    if (m_listLightKeySelected.isEmpty())
        return;
    const QColor color(qBound(0, r, 255), qBound(0, g, 255), qBound(0, b, 255), 180);
    for (keyboardButCustom *key : qAsConst(m_listLightKeySelected)) {
        key->setPaintColor(color);
        key->update();
    }
    emit sigUpdateCustomLight();
}

void keyboardPage::setColorBuildUp(const QList<double> &stops, const QList<QColor> &colors)
{
    m_colorBuildUpArea->setColorBuildUp(stops, colors);
}

void keyboardPage::applyTheme()
{
    const ThemeColorConfig theme = DDataManager::getInstance()->getThemeColor();
    m_fontFamily = theme.TextFont;
    m_tipHighlightColor = theme.TextCheckedColor;
    const QColor band = themeColor(theme.DeviceKeyHaveCustomColor);
    m_dragArea->setColor(band.red(), band.green(), band.blue());
    applyKeyThemeColors();
}

void keyboardPage::applyKeyThemeColors()
{
    const ThemeColorConfig theme = DDataManager::getInstance()->getThemeColor();
    const QColor first = themeColor(theme.DeviceKeyClickedColor);
    const QColor second = themeColor(theme.DeviceKeyHaveCustomColor);
    for (keyboardButCustom *cell : m_keyMatrix) {
        if (cell)
            cell->setThemeColor(first, second);
    }
}

void keyboardPage::onKeyButtonClicked()
{
    keyClicked(qobject_cast<keyboardButCustom *>(sender()));
}

void keyboardPage::keyClicked(keyboardButCustom *button)
{
    if (!button)
        return;
    if (m_isLightMode) {
        if (!m_isCustomLightMode)
            return;
        if (button->isSelected()) {
            m_listLightKeySelected.removeAll(button);
            button->setSelected(false, true);
        } else {
            button->setSelected(true, true);
            m_listLightKeySelected.append(button);
            if (!m_listLightKeyTouched.contains(button))
                m_listLightKeyTouched.append(button);
        }
        return;
    }

    if (button == m_selectedKeyButton)
        return;
    QString caption = button->getKeyCharacter();
    caption.remove(QLatin1Char('"'));
    if (caption == QLatin1String("Fn") || button->getKeyDec() == KeyLayoutFile::kFnCode)
        return;
    if (models::isLockedKey(m_model, button->getKeyDec()))
        return;
    if (m_selectedKeyButton)
        m_selectedKeyButton->setSelected(false, true);
    button->setSelected(true, true);
    m_selectedKeyButton = button;
    emit sigKeyboardClicked(button->getKeyDec(), button->getKeyCharacter());
}

void keyboardPage::onCustomButMouseEnter()
{
    if (m_isLightMode)
        return;
    auto *key = qobject_cast<keyboardButCustom *>(sender());
    if (!key)
        return;
    // One card at a time: one left open (say, hidden on deactivation) goes now.
    closeKeyTip();

    auto *card = new keyboardKeyTool(nullptr);
    card->setData(m_profileXmlPath.toLocal8Bit().constData(), m_macroXmlPath.toLocal8Bit().constData(), m_xml,
                  m_profileIndex, m_tipKeyNameMap);

    QString caption = key->getKeyCharacter();
    caption.remove(QLatin1Char('"'));
    if (key->getKeyDec() == 52)
        caption = QStringLiteral("' \"");

    // The card's text reads on the popup's background in every theme.
    const ThemeColorConfig theme = DDataManager::getInstance()->getThemeColor();
    if (keyboardKeyTool::isUnassignable(m_model, key->getKeyDec()))
        card->setTextStyle(
            QStringLiteral("color: %2; font: 75 12pt \"%1\";")
                .arg(m_fontFamily, stylesheets::colour(stylesheets::popupAccent(theme, m_tipHighlightColor))));
    else
        card->setTextStyle(QStringLiteral("color: %2; font: 75 12pt \"%1\";")
                               .arg(m_fontFamily, stylesheets::colour(stylesheets::popupText(theme))));
    card->setKeyInfo(m_model, key->getKeyDec(), caption);

    auto *popup = new ArrowWidget(ArrowWidget::ArrowDown, this);
    popup->setSize(230, 120);
    popup->setArrowX(108);
    popup->setContentWidget(card);
    const QPoint anchor = key->mapToGlobal(QPoint(key->width() / 2, key->height()));
    popup->move(anchor - QPoint(115, key->height() + 120));
    popup->show();
    m_keyTipPopup = popup;
    m_listKeyTipPopup.append(popup);
}

void keyboardPage::onCustomButMouseLeave()
{
    if (m_isLightMode || !m_keyTipPopup)
        return;
    closeKeyTip();
}

void keyboardPage::onDragArea(int startX, int startY, int endX, int endY)
{
    for (keyboardButCustom *key : qAsConst(m_listLightKeyTouched)) {
        key->setSelected(false, true);
        key->setDragMark(false);
    }
    qCDebug(lcUi).nospace() << "-------------------------------- startX:" << startX << " startY:" << startY
                            << " endX:" << endX << " endY:" << endY;
    m_listLightKeySelected.clear();

    const int left = qMin(startX, endX);
    const int right = qMax(startX, endX);
    const int top = qMin(startY, endY);
    const int bottom = qMax(startY, endY);
    for (keyboardButCustom *key : qAsConst(m_keyButtonMap)) {
        const int x = key->getPosX() + m_keyOffsetX;
        const int y = key->getPosY() + m_keyOffsetY;
        if (x < left || x > right || y < top || y > bottom)
            continue;
        key->setSelected(true, true);
        key->setDragMark(true);
        m_listLightKeySelected.append(key);
        if (!m_listLightKeyTouched.contains(key))
            m_listLightKeyTouched.append(key);
    }
}

void keyboardPage::onDragAreaMousePress() {}
