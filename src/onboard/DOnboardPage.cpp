// SPDX-License-Identifier: GPL-3.0-or-later
#include "DOnboardPage.h"

#include "ArrowWidget.h"
#include "DDataManager.h"
#include "DeviceModels.h"
#include "KeyLayoutFile.h"
#include "LogCategories.h"
#include "onboardKeyboardKeyTool.h"
#include "SoftKeyboardButCustom.h"
#include "ThemeStyleSheets.h"
#include "ui_DOnboardPage.h"

#include <QFile>
#include <QFontDatabase>

namespace {

const char kIconFontPath[] = ":/images/fontawesome-webfont.ttf";
const char kLayoutFolder[] = ":/images/configDir/onboardDeviceConfig/";
constexpr int kEnterKeyCode = 40;

QString iconFontFamily()
{
    static const QString family = [] {
        const int fontId = QFontDatabase::addApplicationFont(QString::fromLatin1(kIconFontPath));
        const QStringList families = QFontDatabase::applicationFontFamilies(fontId);
        if (families.isEmpty()) {
            qCWarning(lcUi) << "on-board view: the icon font" << kIconFontPath << "could not be loaded";
            return QString();
        }
        return families.first();
    }();
    return family;
}

}  // namespace

DOnboardPage::DOnboardPage(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::DOnboardPage)
{
    ui->setupUi(this);
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(700, 210);
    m_iconFont = QFont(iconFontFamily());
    m_iconFont.setPointSize(12);
    applyTheme();
}

DOnboardPage::~DOnboardPage()
{
    closeHoverPopup();
}

void DOnboardPage::setKeyboardModel(QString model)
{
    m_model = model;
    setFixedSize(models::onboardPageWidth(model), models::onboardPageHeight(model));
    loadKeyboardInfo(model);
}

void DOnboardPage::loadKeyboardInfo(const QString &model)
{
    const QString path = QLatin1String(kLayoutFolder) + KeyLayoutFile::fileName(model);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(lcUi).noquote() << "------------------------ loadKeyboardInfo => fp == NULL -------------------------"
                                  << path;
        return;
    }
    parseKeyboardInfo(file.readAll());
}

void DOnboardPage::parseKeyboardInfo(const QByteArray &jsonText)
{
    m_specialEnter = false;
    m_captionMap.clear();
    m_keyButtonMap.clear();
    KeyLayoutFile layout;
    if (!layout.parse(jsonText)) {
        qCWarning(lcUi) << "on-board view: the key layout of" << m_model << "is not readable";
        return;
    }
    m_specialEnter = layout.specialEnterKey();
    for (const KeyLayoutKey &key : layout.keys()) {
        auto *button = new SoftKeyboardButCustom(1, this);
        if (key.dec == kEnterKeyCode) {
            button->setSpecialEnterKey(m_specialEnter);
            if (m_specialEnter)
                button->setEnterShape(1);
        }
        button->setFont(m_iconFont);
        button->setSize(key.width, key.height);
        if (key.dec == kEnterKeyCode && m_specialEnter)
            button->setEnterShapeSize(9, 23);
        button->setGeometry(key.posX, key.posY, key.width, key.height);
        button->setKeyInfo(qMakePair(key.dec, key.caption));
        m_captionMap.insert(key.dec, key.caption);
        m_keyButtonMap.insert(key.dec, button);
        m_keyButtonList.append(button);
        connect(button, &SoftKeyboardButCustom::clicked, this, &DOnboardPage::onKeyButtonClicked);
        connect(button, &SoftKeyboardButCustom::sigButtonMouseRightKeyClicked, this,
                &DOnboardPage::onButtonMouseRightKeyClicked);
        connect(button, &SoftKeyboardButCustom::sigCustomButMouseEnter, this, &DOnboardPage::onCustomButMouseEnter);
        connect(button, &SoftKeyboardButCustom::sigCustomButMouseLeave, this, &DOnboardPage::onCustomButMouseLeave);
        button->show();
    }
    for (SoftKeyboardButCustom *button : qAsConst(m_keyButtonMap))
        button->setThemeColor(m_keyTextColor, m_accentColor, m_keyFaceColor);
    emit sigOnboardLayoutUIAlreadyLoad();
}

void DOnboardPage::resetKeyText(int mode)
{
    Q_UNUSED(mode)
    for (SoftKeyboardButCustom *button : qAsConst(m_keyButtonMap))
        button->setFunctionText(qMakePair(-1, QString()));
}

void DOnboardPage::clearKeySelection()
{
    if (!m_selected)
        return;
    m_selected->setState(0);
    m_selected = nullptr;
}

void DOnboardPage::applyTheme()
{
    const ThemeColorConfig theme = DDataManager::getInstance()->getThemeColor();
    m_accentColor = theme.TextCheckedColor;
    m_keyTextColor = theme.DeviceOnboardButDefaultTextColor;
    m_keyFaceColor = theme.DeviceOnboardButColor;
    m_fontFamily = theme.TextFont;
    ui->frame_bg->setStyleSheet(
        QStringLiteral("\t\tQFrame#frame_bg{\t\tborder-radius: 8px;\t\tborder:0px solid "
                       "%1;\t\tbackground-color: %2;\t\t}\t\t")
            .arg(stylesheets::colour(theme.DeviceBorderColor), stylesheets::colour(theme.DeviceOnboardBgColor)));
    for (SoftKeyboardButCustom *button : qAsConst(m_keyButtonMap))
        button->setThemeColor(m_keyTextColor, m_accentColor, m_keyFaceColor);
}

QList<SoftKeyboardButCustom *> DOnboardPage::getKeyButtonList() const
{
    return m_keyButtonList;
}

QMap<int, SoftKeyboardButCustom *> DOnboardPage::getKeyButtonMap() const
{
    return m_keyButtonMap;
}

QString DOnboardPage::functionTypeName(int operateType)
{
    switch (operateType) {
    case 0:
        return tr("Remap key");
    case 1:
        return tr("Macro");
    case 2:
        return tr("key combination");
    case 3:
        return tr("Multimedia");
    case 4:
        return tr("Mouse");
    case 5:
        return tr("Disable");
    case 6:
        return tr("Text");
    case 7:
        return tr("Switch profile");
    case 8:
        return tr("Launch application");
    case 9:
        return tr("Shortcuts");
    case 10:
        return tr("Unknow");
    default:
        return tr("Default");
    }
}

bool DOnboardPage::isLockedKey(const QString &model, int keyDec)
{
    return keyDec == KeyLayoutFile::kFnCode || (keyDec == 41 && models::hasFn1KeyPreset(model));
}

void DOnboardPage::onKeyButtonClicked()
{
    auto *button = qobject_cast<SoftKeyboardButCustom *>(sender());
    if (!button || isLockedKey(m_model, button->getKeyDec()))
        return;
    if (m_selected)
        m_selected->setState(0);
    button->setState(1);
    m_selected = button;
    emit sigKeyboardClicked(button->getKeyDec(), button->getCaption());
}

void DOnboardPage::onButtonMouseRightKeyClicked(int keyDec, const QString &keyCharacter)
{
    if (keyDec == KeyLayoutFile::kFnCode)
        return;
    emit sigKeyboardMouseRightKeyClicked(keyDec, keyCharacter);
}

void DOnboardPage::onCustomButMouseEnter()
{
    auto *button = qobject_cast<SoftKeyboardButCustom *>(sender());
    if (!button)
        return;
    closeHoverPopup();
    auto *card = new onboardKeyboardKeyTool;
    QString value = button->getFunctionText();
    value.remove(QLatin1Char('"'));
    // The card's text reads on the popup's background in every theme.
    const ThemeColorConfig theme = DDataManager::getInstance()->getThemeColor();
    const QString accentStyle =
        QStringLiteral("color: %1; font: 75 12pt \"%2\";")
            .arg(stylesheets::colour(stylesheets::popupAccent(theme, m_accentColor)), m_fontFamily);
    card->setTextStyle(QStringLiteral("color: %1; font: 75 12pt \"%2\";")
                           .arg(stylesheets::colour(stylesheets::popupText(theme)), m_fontFamily));
    if (value.isEmpty()) {
        value = tr("Empty");
        card->setTextStyle(accentStyle);
    }
    if (isLockedKey(m_model, button->getKeyDec()))
        card->setTextStyle(accentStyle);
    card->setKeyInfo(m_model, button->getKeyDec(), value, functionTypeName(button->getOperateType()),
                     button->getCaption());
    card->setWindowOpacity(1.0);
    m_hoverPopup = new ArrowWidget(ArrowWidget::ArrowDown);
    m_hoverPopup->setSize(230, 120);
    m_hoverPopup->setArrowX(108);
    m_hoverPopup->setContentWidget(card);
    const QPoint anchor = button->mapToGlobal(QPoint(button->width() / 2, button->height()));
    m_hoverPopup->move(anchor - QPoint(115, button->height() + 120));
    m_hoverPopup->show();
}

void DOnboardPage::onCustomButMouseLeave()
{
    closeHoverPopup();
}

void DOnboardPage::closeHoverPopup()
{
    if (!m_hoverPopup)
        return;
    m_hoverPopup->hide();
    delete m_hoverPopup.data();
}
