// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The clickable view of the opened keyboard, laid over its picture: one key button per key of the
// model's layout, the side light LEDs, and a rubber band for marking keys for custom lighting.
// Every cell of the 6 by 22 key matrix holds a button once a layout was asked for, even when the
// file was missing or broken: the lighting engines read every cell.

#include "ArrowWidget.h"

#include <QColor>
#include <QList>
#include <QMap>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QVector>
#include <QWidget>

#include <array>
#include <memory>

class KeyLayoutFile;
class buildUpColorShowArea;
class dragShowArea;
class keyboardButCustom;
class sideLightButtonCustom;
class xmlInterface;

namespace Ui {
class keyboardPage;
}

class keyboardPage : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kRows = 6;
    static constexpr int kColumns = 22;

    explicit keyboardPage(int unused = 0, QWidget *parent = nullptr);
    ~keyboardPage() override;

    void setKeyboardModel(const QString &model);
    // Finds the model's layout file and builds the view from it.
    void loadKeyboardInfo(const QString &model);
    // Builds the view from a layout text; emits sigKeyboardAlreadyLoad() when it is JSON.
    void parseKeyboardInfo(const QByteArray &text);

    void setProfileXml(const QString &profileXmlPath, const QString &macroXmlPath, xmlInterface *xml);
    void setProfileIndex(int index);
    void setKeyNameMap(const QMap<int, QString> &map);

    bool isSideLightHave() const { return m_isSideLightHave; }
    bool isSupportOnboard() const { return m_isSupportOnboard; }
    bool isSpecialEnterKey() const { return m_isSpecialEnterKey; }

    QList<sideLightButtonCustom *> getSideLightButtons() const { return m_listSideLight; }
    QMap<int, keyboardButCustom *> getKeyButtonMap() const { return m_keyButtonMap; }
    QMap<int, QString> getLayoutKeyNameMap() const { return m_layoutKeyNameMap; }
    QList<int> getKeyCodeList() const { return m_listKeyCode; }
    // The key matrix: the button of a cell (null outside the matrix or before a layout was asked
    // for), and all 132 in cell order (row × 22 + column).
    keyboardButCustom *getKeyButton(int row, int column) const;
    QList<keyboardButCustom *> getKeyButtons() const;
    keyboardButCustom *selectedKeyButton() const { return m_selectedKeyButton; }

    void setLightMode(bool on);
    void setCustomLightMode(bool on);
    void setKeyCustomView(bool selectCurrent, bool on);
    // Colour repaint of every key: on while the lighting is previewed on the keys.
    void setKeyColorRepaint(bool on);
    void clearKeySelection();
    // Closes and deletes every hover card.
    void hideKeyToolTips();
    // The open hover card's popup; null when none is open.
    ArrowWidget *keyTipPopup() const { return m_keyTipPopup; }
    void showSideLights(bool on);
    void clearLightSelection();
    QList<keyboardButCustom *> getLightKeySelected() const { return m_listLightKeySelected; }
    void setSelectedKeysColor(int r, int g, int b);
    void setColorBuildUp(const QList<double> &stops, const QList<QColor> &colors);
    void applyTheme();

signals:
    void sigKeyboardAlreadyLoad();
    void sigKeyboardClicked(int keyDec, const QString &keyCharacter);
    void sigUpdateCustomLight();

public slots:
    void onKeyButtonClicked();
    void onCustomButMouseEnter();
    void onCustomButMouseLeave();
    void onDragArea(int startX, int startY, int endX, int endY);
    void onDragAreaMousePress();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void clearKeys();
    void buildFromLayout(const KeyLayoutFile &layout);
    void fillEmptyCells();
    void applyKeyThemeColors();
    void keyClicked(keyboardButCustom *button);
    void closeKeyTip();
    // The keys' lighting colours are painted by the view: changed keys gather into one region,
    // updated once per frame.
    void onKeyLightChanged(keyboardButCustom *key);
    void onSideLightChanged(sideLightButtonCustom *led);
    void queueLightUpdate(const QRect &area);
    void flushLightUpdate();
    static constexpr int kExactLightAreas = 16;
    QVector<QRect> m_lightDirty;

    std::array<keyboardButCustom *, kRows * kColumns> m_keyMatrix{};
    std::unique_ptr<Ui::keyboardPage> ui;
    bool m_isSideLightHave = false;
    bool m_isSupportOnboard = false;
    bool m_isSpecialEnterKey = false;
    QPointer<ArrowWidget> m_keyTipPopup;
    QList<ArrowWidget *> m_listKeyTipPopup;
    keyboardButCustom *m_selectedKeyButton = nullptr;
    QMap<int, QString> m_layoutKeyNameMap;
    QMap<int, keyboardButCustom *> m_keyButtonMap;
    QList<int> m_listKeyCode;
    buildUpColorShowArea *m_colorBuildUpArea = nullptr;
    bool m_isLightMode = false;
    bool m_isCustomLightMode = false;
    dragShowArea *m_dragArea = nullptr;
    QList<keyboardButCustom *> m_listLightKeyTouched;
    QList<keyboardButCustom *> m_listLightKeySelected;
    QList<sideLightButtonCustom *> m_listSideLight;
    int m_keyOffsetX = 10;
    int m_keyOffsetY = 10;
    QString m_model;
    QString m_fontFamily;
    QString m_tipHighlightColor;
    QString m_macroXmlPath;
    QString m_profileXmlPath;
    xmlInterface *m_xml = nullptr;
    int m_profileIndex = 1;
    QMap<int, QString> m_tipKeyNameMap;
};
