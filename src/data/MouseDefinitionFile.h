// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A mouse model's definition file, "mouseInfo_" + model + ".config" among the resources: JSON that
// tells where the mouse's LEDs sit on the lighting page's picture, where the button captions of the
// button page go and along which leader lines they point, how large those captions are, and
// whether the mouse takes separate X and Y DPI values.

#include <QByteArray>
#include <QString>
#include <QVector>

// One button caption: its leader line (start on the picture, bend, end beside the caption), the
// overview button it belongs to, the button's code in the profile file and its caption text.
struct MouseButtonRow {
    int posX01 = 0;
    int posY01 = 0;
    int posX02 = 0;
    int posY02 = 0;
    int posX03 = 0;
    int posY03 = 0;
    int index = 0;
    int dec = 0;
    int qtDec = 0;
    QByteArray character;  // at most kMaxCharacterBytes bytes of UTF-8
};

// One LED slot of the lighting page; its place in the list is the LED number the engine colours.
struct MouseLedSlot {
    int posX = -1;
    int posY = -1;
    int width = 0;
    int height = 0;
    int index = 0;
    int validStatus = 0;
    int sidePosition = 3;  // 0 Around, 1 Scroll, 2 Logo, 3 none
};

class MouseDefinitionFile
{
public:
    static constexpr int kDefaultTextWidth = 110;
    static constexpr int kDefaultTextHeight = 20;
    static constexpr int kDefaultSupportEnableXY = 1;
    static constexpr int kMaxLedSlots = 18;
    static constexpr int kMaxCharacterBytes = 63;
    static constexpr int kPageWidth = 700;  // the button page the captions are placed on
    static constexpr int kPageHeight = 210;

    // "mouseInfo_" + model + ".config".
    static QString fileName(const QString &model);
    // ":/images/configDir/" + fileName(model): the file always comes from the resources.
    static QString resourcePath(const QString &model);

    // Reads and parses a file; false (and a log line) when it cannot be read or is not JSON.
    bool load(const QString &path);
    bool parse(const QByteArray &text);

    bool isLoaded() const { return m_loaded; }
    int showInfoTextWidth() const { return m_textWidth; }
    int showInfoTextHeight() const { return m_textHeight; }
    int supportEnableXY() const { return m_supportEnableXY; }
    // The button rows in file order; a row lacking a member or holding text for a number is left out.
    const QVector<MouseButtonRow> &buttonRows() const { return m_rows; }
    // The LED slots in file order, at most kMaxLedSlots; a faulty slot is kept as an empty one.
    const QVector<MouseLedSlot> &ledSlots() const { return m_ledSlots; }

private:
    void clear();

    bool m_loaded = false;
    int m_textWidth = kDefaultTextWidth;
    int m_textHeight = kDefaultTextHeight;
    int m_supportEnableXY = kDefaultSupportEnableXY;
    QVector<MouseButtonRow> m_rows;
    QVector<MouseLedSlot> m_ledSlots;
};
