// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The on-board editor's keyboard view: one key button per key of the connected keyboard, laid out
// from the model's on-board key layout, each showing the function the current on-board layer gives
// it. It stores nothing: clicks and right clicks go out as signals, and the device page writes the
// layer files and sets the texts of the key buttons. Hovering a key shows a card naming the key,
// the kind of its function and the function.

#include "ArrowWidget.h"

#include <QFont>
#include <QList>
#include <QMap>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <memory>

class SoftKeyboardButCustom;

namespace Ui {
class DOnboardPage;
}

class DOnboardPage : public QWidget
{
    Q_OBJECT
public:
    explicit DOnboardPage(QWidget *parent = nullptr);
    ~DOnboardPage() override;

    // Sizes the page for the model and builds its keys from the model's on-board layout.
    void setKeyboardModel(QString model);
    void loadKeyboardInfo(const QString &model);
    void parseKeyboardInfo(const QByteArray &jsonText);
    // Every key shows nothing, kind -1. The argument is always 1.
    void resetKeyText(int mode);
    void clearKeySelection();
    void applyTheme();

    QList<SoftKeyboardButCustom *> getKeyButtonList() const;
    QMap<int, SoftKeyboardButCustom *> getKeyButtonMap() const;
    QString keyboardModel() const { return m_model; }
    SoftKeyboardButCustom *selectedButton() const { return m_selected; }
    // The hover card's popup while one is shown.
    ArrowWidget *hoverPopup() const { return m_hoverPopup; }

    static QString functionTypeName(int operateType);
    // The key can neither be selected nor remapped on this model (Fn; Esc of the FN1-preset model).
    static bool isLockedKey(const QString &model, int keyDec);

signals:
    void sigOnboardLayoutUIAlreadyLoad();
    void sigKeyboardClicked(int keyDec, QString keyCharacter);
    void sigKeyboardMouseRightKeyClicked(int keyDec, QString keyCharacter);

private slots:
    void onKeyButtonClicked();
    void onButtonMouseRightKeyClicked(int keyDec, const QString &keyCharacter);
    void onCustomButMouseEnter();
    void onCustomButMouseLeave();

private:
    void closeHoverPopup();

    std::unique_ptr<Ui::DOnboardPage> ui;
    QFont m_iconFont;
    bool m_specialEnter = false;
    QMap<int, QString> m_captionMap;
    QMap<int, SoftKeyboardButCustom *> m_keyButtonMap;
    QList<SoftKeyboardButCustom *> m_keyButtonList;
    SoftKeyboardButCustom *m_selected = nullptr;
    QPointer<ArrowWidget> m_hoverPopup;
    QString m_model;
    QString m_accentColor = QStringLiteral("255,49,53");
    QString m_keyTextColor = QStringLiteral("30,30,30");
    QString m_keyFaceColor = QStringLiteral("30,30,30");
    QString m_fontFamily;
};
