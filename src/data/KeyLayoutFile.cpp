// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeyLayoutFile.h"

#include "JsonMembers.h"
#include "LogCategories.h"

#include <QCoreApplication>
#include <QFile>

#include <cJSON.h>

#include <memory>

namespace {

using JsonMembers::intOr0;
using JsonPtr = JsonMembers::Ptr;

int intMember(const cJSON *object, const char *name)
{
    return intOr0(object, name);
}

// A switch is on only when its value is the number 1.
bool switchMember(const cJSON *object, const char *name)
{
    const cJSON *item = cJSON_GetObjectItem(object, name);
    return cJSON_IsNumber(item) && item->valuedouble == 1.0;
}

int sizeMember(const cJSON *object, const char *name)
{
    return qMax(0, intMember(object, name));
}

QByteArray printedCharacter(const cJSON *object)
{
    const cJSON *item = cJSON_GetObjectItem(object, "Character");
    if (!cJSON_IsString(item))
        return QByteArray();
    char *printed = cJSON_PrintUnformatted(item);
    if (!printed)
        return QByteArray();
    const QByteArray text(printed);
    cJSON_free(printed);
    return text;
}

}  // namespace

QString KeyLayoutFile::fileName(const QString &model)
{
    return QStringLiteral("KeyInfo_%1.config").arg(model);
}

QString KeyLayoutFile::filePath(const QString &model, bool userConfig, const QString &programDir)
{
    if (userConfig)
        return QStringLiteral("%1/configDir/%2").arg(programDir, fileName(model));
    return QStringLiteral(":/images/configDir/%1").arg(fileName(model));
}

QString KeyLayoutFile::captionFor(int dec, const QByteArray &printed)
{
    switch (dec) {
    case 52:
    case 504:
        return QStringLiteral("' \"");
    case 145:
        return QCoreApplication::translate("KeyLayoutFile", "한자");
    case 144:
        return QCoreApplication::translate("KeyLayoutFile", "한영");
    case 135:
        return QStringLiteral("\\-");
    case 136:
        return QStringLiteral("カタカナ/ひらかな");
    case 137:
        return QStringLiteral("￥|-");
    case 138:
        return QStringLiteral("変換 ");
    case 139:
        return QStringLiteral("無変換");
    default:
        break;
    }
    QString caption = QString::fromUtf8(printed);
    caption.remove(QLatin1Char('"'));
    return caption;
}

void KeyLayoutFile::clear()
{
    *this = KeyLayoutFile();
}

bool KeyLayoutFile::load(const QString &path)
{
    clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_error = QStringLiteral("cannot open %1: %2").arg(path, file.errorString());
        qCWarning(lcData).noquote()
            << "------------------------ loadKeyboardInfo => fp == NULL -------------------------" << m_error;
        return false;
    }
    const QByteArray text = file.readAll();
    if (!parse(text)) {
        qCWarning(lcData).noquote() << "key layout" << path << "not read:" << m_error;
        return false;
    }
    return true;
}

bool KeyLayoutFile::parse(const QByteArray &text)
{
    clear();
    const JsonPtr root = JsonMembers::parse(text);
    if (!root || !cJSON_IsObject(root.get())) {
        m_error = QStringLiteral("not a JSON object");
        return false;
    }

    const cJSON *keyboard = cJSON_GetObjectItem(root.get(), "Keyboard");
    if (cJSON_IsObject(keyboard)) {
        m_sideLightHave = switchMember(keyboard, "sideLightHave");
        m_supportOnboard = switchMember(keyboard, "supportOnboard");
        m_specialEnterKey = switchMember(keyboard, "specialEnterKey");
        m_showOnboardSelect = switchMember(keyboard, "showOnboardSelect");
        if (m_specialEnterKey)
            m_specialEnterKeyShape = intMember(keyboard, "specialEnterKeyShape");
    }

    for (int row = m_sideLightHave ? 0 : 1; row <= kRows; ++row) {
        const QByteArray name = QByteArrayLiteral("EveryKeyInfo_Row0") + QByteArray::number(row);
        const cJSON *entries = cJSON_GetObjectItem(root.get(), name.constData());
        if (!cJSON_IsArray(entries))
            continue;
        const int count = cJSON_GetArraySize(entries);
        const int limit = row == 0 ? kMaxSideLeds : kColumns;
        if (count > limit) {
            qCWarning(lcData).noquote() << "key layout:" << name << "has" << count << "entries; only the first" << limit
                                        << "are used";
        }
        int column = 0;
        for (const cJSON *entry = entries->child; entry && column < limit; entry = entry->next, ++column) {
            if (row == 0) {
                KeyLayoutSideLed led;
                led.posX = intMember(entry, "PosX");
                led.posY = intMember(entry, "PosY");
                led.width = sizeMember(entry, "Width");
                led.height = sizeMember(entry, "Height");
                led.index = intMember(entry, "Index");
                led.validStatus = intMember(entry, "validStatus");
                led.drawRounded = intMember(entry, "isDrawRounded") != 0;
                m_sideLeds.append(led);
                continue;
            }
            KeyLayoutKey key;
            key.posX = intMember(entry, "PosX");
            key.posY = intMember(entry, "PosY");
            key.width = sizeMember(entry, "Width");
            key.height = sizeMember(entry, "Height");
            key.dec = intMember(entry, "Dec");
            key.qtDec = intMember(entry, "qtDec");
            key.caption = captionFor(key.dec, printedCharacter(entry));
            key.row = row - 1;
            key.column = column;
            m_keys.append(key);
        }
    }
    m_loaded = true;
    return true;
}
