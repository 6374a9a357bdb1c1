// SPDX-License-Identifier: GPL-3.0-or-later
#include "DSoftKeyboardPage.h"
#include "ui_DSoftKeyboardPage.h"

#include "DDataManager.h"
#include "KeyLayoutFile.h"
#include "LogCategories.h"
#include "SoftKeyboardButCustom.h"
#include "ThemeStyleSheets.h"

#include <QFile>
#include <QFontDatabase>

namespace {

const char kIconFontPath[] = ":/images/fontawesome-webfont.ttf";

// Names of keys the on-screen keyboard does not show, or shows otherwise.
struct ExtraName {
    int code;
    const char *name;
};
const ExtraName kExtraNames[] = {
    {-10, "Fn"},
    {-20, "FN1"},
    {231, "Win/Command"},
    {215, "Calculator"},
    {251, "FN"},
    {100, "\\|"},
    {50, "~#"},
    {137, "\xef\xbf\xa5|-"},
    {135, "\\-"},
    {139, "\xe7\x84\xa1\xe5\xa4\x89\xe6\x8f\x9b"},
    {138, "\xe5\xa4\x89\xe6\x8f\x9b"},
    {136, "\xe3\x82\xab\xe3\x82\xbf\xe3\x82\xab\xe3\x83\x8a/\xe3\x81\xb2\xe3\x82\x89\xe3\x81\x8b\xe3\x81\xaa"},
};

// The icon font's first family; the font is added to the application once.
QString iconFontFamily()
{
    static const QString family = [] {
        const int fontId = QFontDatabase::addApplicationFont(QString::fromLatin1(kIconFontPath));
        const QStringList families = QFontDatabase::applicationFontFamilies(fontId);
        if (families.isEmpty()) {
            qCWarning(lcUi) << "on-screen keyboard: the icon font" << kIconFontPath << "could not be loaded";
            return QString();
        }
        return families.first();
    }();
    return family;
}

bool isModifier(int code)
{
    return code >= 224 && code <= 231;
}

}  // namespace

DSoftKeyboardPage::DSoftKeyboardPage(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::DSoftKeyboardPage>())
{
    ui->setupUi(this);
    setFixedSize(700, 150);

    const QString family = iconFontFamily();
    if (!family.isEmpty())
        m_iconFont = QFont(family);
    m_iconFont.setPointSize(12);

    applyTheme();
}

DSoftKeyboardPage::~DSoftKeyboardPage() = default;

void DSoftKeyboardPage::loadKeyboardInfo()
{
    QFile file(QStringLiteral(":/images/configDir/") + QLatin1String(kLayoutFileName));
    if (!file.open(QIODevice::ReadOnly)) {
        qCDebug(lcUi) << "------------------------ loadKeyboardInfo => fp == NULL -------------------------";
        return;
    }
    parseKeyboardInfo(file.readAll());
}

bool DSoftKeyboardPage::parseKeyboardInfo(const QByteArray &text)
{
    KeyLayoutFile layout;
    if (!layout.parse(text)) {
        qCWarning(lcUi) << "on-screen keyboard: the key layout is not JSON:" << layout.errorString();
        return false;
    }
    clearKeys();
    buildKeys(layout);
    applyKeyThemeColors();
    emit sigSoftKeyboardAlreadyLoad();
    return true;
}

void DSoftKeyboardPage::clearKeys()
{
    m_listSelectedKeys.clear();
    m_modifierCount = 0;
    m_keyButtonMap.clear();
    qDeleteAll(findChildren<SoftKeyboardButCustom *>(QString(), Qt::FindDirectChildrenOnly));
    m_keyNameMap.clear();
}

void DSoftKeyboardPage::buildKeys(const KeyLayoutFile &layout)
{
    for (const KeyLayoutKey &entry : layout.keys()) {
        if (entry.dec == 0)
            continue;  // a place holder: this keyboard has none, a foreign file may
        if (entry.dec == 36)
            qCDebug(lcUi) << "------------------------------------------ Soft strChar:" << entry.caption;
        auto *key = new SoftKeyboardButCustom(0, this);
        key->setFont(m_iconFont);
        key->setSize(entry.width, entry.height);
        key->setGeometry(entry.posX, entry.posY, entry.width, entry.height);
        key->setKeyInfo(qMakePair(entry.dec, entry.caption));
        // A later entry with the same code replaces the earlier one in the tables.
        if (SoftKeyboardButCustom *previous = m_keyButtonMap.value(entry.dec))
            previous->hide();
        m_keyNameMap.insert(entry.dec, entry.caption);
        m_keyButtonMap.insert(entry.dec, key);
        connect(key, &SoftKeyboardButCustom::clicked, this, &DSoftKeyboardPage::onKeyButtonClicked);
        key->show();
    }
    for (const ExtraName &extra : kExtraNames)
        m_keyNameMap.insert(extra.code, QString::fromUtf8(extra.name));
}

void DSoftKeyboardPage::setOperateMode(int mode)
{
    m_operateMode = mode;
}

void DSoftKeyboardPage::setCombinationKeyFocus(bool focus)
{
    m_combinationFocus = focus;
}

void DSoftKeyboardPage::resetSelectedKeys()
{
    for (SoftKeyboardButCustom *key : qAsConst(m_listSelectedKeys)) {
        key->setLeaveReset(true);
        key->setState(0);
    }
    m_listSelectedKeys.clear();
    m_modifierCount = 0;
}

void DSoftKeyboardPage::resetKeyStatusToDefault(int keyDec)
{
    if (m_operateMode != 1 || !m_combinationFocus)
        return;
    SoftKeyboardButCustom *key = m_keyButtonMap.value(keyDec);
    if (!key || m_listSelectedKeys.contains(key))
        return;
    key->setLeaveReset(true);
    key->setState(0);
}

void DSoftKeyboardPage::applyTheme()
{
    const ThemeColorConfig theme = DDataManager::getInstance()->getThemeColor();
    m_highlightColor = theme.TextCheckedColor;
    m_keyTextColor = theme.DeviceSoftkeyboardButDefaultTextColor;
    m_keyColor = theme.DeviceSoftkeyboardButColor;
    ui->frame_bg->setStyleSheet(
        QStringLiteral("\t\tQFrame#frame_bg{\t\tborder-radius: 8px;\t\tborder:0px solid %1;\t\tbackground-color: "
                       "%2;\t\t}\t\t")
            .arg(stylesheets::colour(theme.DeviceBorderColor), stylesheets::colour(theme.DeviceBottomBgColor)));
    applyKeyThemeColors();
}

void DSoftKeyboardPage::applyKeyThemeColors()
{
    for (SoftKeyboardButCustom *key : qAsConst(m_keyButtonMap))
        key->setThemeColor(m_keyTextColor, m_highlightColor, m_keyColor);
}

void DSoftKeyboardPage::onKeyButtonClicked()
{
    auto *key = qobject_cast<SoftKeyboardButCustom *>(sender());
    if (!key)
        return;
    if (m_operateMode == 1 && m_combinationFocus) {
        if (isModifier(key->getKeyDec())) {
            ++m_modifierCount;
            if (m_modifierCount > 2)
                --m_modifierCount;
            else
                highlight(key);
        } else if (m_modifierCount <= 2) {
            highlight(key);
        }
    }
    emit sigSoftKeyboardClicked(key->getKeyDec(), key->getKeyCharacter());
}

void DSoftKeyboardPage::highlight(SoftKeyboardButCustom *key)
{
    key->setLeaveReset(false);
    key->setState(1);
    if (!m_listSelectedKeys.contains(key))
        m_listSelectedKeys.append(key);
}
