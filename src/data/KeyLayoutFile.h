// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A keyboard model's key layout file, "KeyInfo_" + model + ".config": lenient JSON (numbers with
// leading zeros, tabs and CR LF, captions in any 8-bit bytes) read with cJSON. It tells where each
// key sits in the model's picture, its code and caption, where the side light LEDs sit, and a few
// switches of the model. Rows 1 to 6 fill the 6 by 22 key matrix; row 0 holds the side LEDs and is
// read only when the model has side lights; row 7 is never read.

#include <QByteArray>
#include <QString>
#include <QVector>

struct KeyLayoutKey {
    int posX = 0;
    int posY = 0;
    int width = 0;
    int height = 0;
    int dec = 0;    // the key's code (USB HID usage); -10 Fn; 0 a dummy entry
    int qtDec = 0;  // the key's virtual-key code
    QString caption;
    int row = 0;     // 0 to 5: the file's rows 1 to 6
    int column = 0;  // 0 to 21: the entry's place in its row
};

struct KeyLayoutSideLed {
    int posX = 0;
    int posY = 0;
    int width = 0;
    int height = 0;
    int index = 0;
    int validStatus = 0;
    bool drawRounded = false;  // "isDrawRounded" is non-zero
};

class KeyLayoutFile
{
public:
    static constexpr int kRows = 6;
    static constexpr int kColumns = 22;
    static constexpr int kMaxSideLeds = 60;  // as many side colours as the lighting engine keeps
    static constexpr int kFnCode = -10;

    // "KeyInfo_" + model + ".config".
    static QString fileName(const QString &model);
    // Where the program reads a model's layout: the "configDir" folder beside the program when the
    // user-configuration flag is on, else the resources.
    static QString filePath(const QString &model, bool userConfig, const QString &programDir);

    // Reads and parses a file; false (and a log line) when it cannot be read or is not JSON.
    bool load(const QString &path);
    bool parse(const QByteArray &text);

    bool isLoaded() const { return m_loaded; }
    QString errorString() const { return m_error; }

    bool sideLightHave() const { return m_sideLightHave; }
    bool supportOnboard() const { return m_supportOnboard; }
    bool specialEnterKey() const { return m_specialEnterKey; }
    bool showOnboardSelect() const { return m_showOnboardSelect; }
    int specialEnterKeyShape() const { return m_specialEnterKeyShape; }

    // The key entries of rows 1 to 6 in file order, dummies included; entries beyond the 22nd of a
    // row are dropped (with a log line).
    const QVector<KeyLayoutKey> &keys() const { return m_keys; }
    // The side LEDs in file order (at most kMaxSideLeds); empty unless "sideLightHave" is 1.
    const QVector<KeyLayoutSideLed> &sideLeds() const { return m_sideLeds; }

    // The caption rule: the string as the JSON printer writes it (quoted and escaped), decoded
    // as UTF-8, without its double quotes; some codes have fixed captions.
    static QString captionFor(int dec, const QByteArray &printed);

private:
    void clear();

    bool m_loaded = false;
    QString m_error;
    bool m_sideLightHave = false;
    bool m_supportOnboard = false;
    bool m_specialEnterKey = false;
    bool m_showOnboardSelect = false;
    int m_specialEnterKeyShape = 0;
    QVector<KeyLayoutKey> m_keys;
    QVector<KeyLayoutSideLed> m_sideLeds;
};
