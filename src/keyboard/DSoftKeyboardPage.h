// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The on-screen keyboard below the key pages: a full US keyboard whose clicks enter the target of
// a remap or the keys of a combination. It also owns the program's table of key names (key code to
// name), which the device page hands on to the hover cards, the custom event list and the key pages.

#include <QFont>
#include <QList>
#include <QMap>
#include <QString>
#include <QWidget>

#include <memory>

class KeyLayoutFile;
class SoftKeyboardButCustom;

namespace Ui {
class DSoftKeyboardPage;
}

class DSoftKeyboardPage : public QWidget
{
    Q_OBJECT

public:
    static constexpr const char *kLayoutFileName = "softKeyInfoNormalUS.config";

    explicit DSoftKeyboardPage(QWidget *parent = nullptr);
    ~DSoftKeyboardPage() override;

    // Reads the layout from the resources and builds the keys.
    void loadKeyboardInfo();
    // Builds the keys from a layout text; false (nothing built, nothing emitted) when it is not JSON.
    bool parseKeyboardInfo(const QByteArray &text);

    // 0 remap, 1 key combination, 2 anything else.
    void setOperateMode(int mode);
    int operateMode() const { return m_operateMode; }
    void setCombinationKeyFocus(bool focus);
    void resetSelectedKeys();
    void resetKeyStatusToDefault(int keyDec);
    void applyTheme();

    QMap<int, QString> getKeyNameMap() const { return m_keyNameMap; }
    QMap<int, SoftKeyboardButCustom *> getKeyButtonMap() const { return m_keyButtonMap; }
    QList<SoftKeyboardButCustom *> getSelectedKeys() const { return m_listSelectedKeys; }
    QFont getIconFont() const { return m_iconFont; }

signals:
    void sigSoftKeyboardClicked(int keyDec, const QString &keyCharacter);
    void sigSoftKeyboardAlreadyLoad();

public slots:
    void onKeyButtonClicked();

private:
    void clearKeys();
    void buildKeys(const KeyLayoutFile &layout);
    void applyKeyThemeColors();
    void highlight(SoftKeyboardButCustom *key);

    std::unique_ptr<Ui::DSoftKeyboardPage> ui;
    QFont m_iconFont;
    int m_operateMode = -1;
    bool m_combinationFocus = false;
    QMap<int, QString> m_keyNameMap;
    QList<SoftKeyboardButCustom *> m_listSelectedKeys;
    int m_modifierCount = 0;
    QMap<int, SoftKeyboardButCustom *> m_keyButtonMap;
    QString m_highlightColor = QStringLiteral("255,49,53");
    QString m_keyTextColor = QStringLiteral("30,30,30");
    QString m_keyColor = QStringLiteral("75,75,75");
};
