// SPDX-License-Identifier: GPL-3.0-or-later
#include "MouseDefinitionFile.h"

#include "JsonMembers.h"
#include "LogCategories.h"

#include <QFile>

#include <cJSON.h>

namespace {

using JsonMembers::readInt;

// Cuts UTF-8 text to at most max bytes without splitting a character.
QByteArray cutUtf8(const QByteArray &text, int max)
{
    if (text.size() <= max)
        return text;
    int end = max;
    // Step back over continuation bytes (10xxxxxx) to the start of the character that was cut.
    while (end > 0 && (static_cast<unsigned char>(text.at(end)) & 0xC0) == 0x80)
        --end;
    return text.left(end);
}

bool readButtonRow(const cJSON *entry, MouseButtonRow *row)
{
    const struct {
        const char *name;
        int MouseButtonRow::*field;
    } fields[] = {
        {"PosX01", &MouseButtonRow::posX01}, {"PosY01", &MouseButtonRow::posY01}, {"PosX02", &MouseButtonRow::posX02},
        {"PosY02", &MouseButtonRow::posY02}, {"PosX03", &MouseButtonRow::posX03}, {"PosY03", &MouseButtonRow::posY03},
        {"Index", &MouseButtonRow::index},   {"Dec", &MouseButtonRow::dec},       {"qtDec", &MouseButtonRow::qtDec},
    };
    for (const auto &field : fields) {
        if (!readInt(entry, field.name, &(row->*field.field)))
            return false;
    }
    QByteArray character;
    if (!JsonMembers::readString(entry, "Character", &character))
        return false;
    if (character.size() > MouseDefinitionFile::kMaxCharacterBytes) {
        qCWarning(lcData) << "mouse definition: caption of button" << row->index << "cut to"
                          << MouseDefinitionFile::kMaxCharacterBytes << "bytes";
        character = cutUtf8(character, MouseDefinitionFile::kMaxCharacterBytes);
    }
    row->character = character;
    return true;
}

bool readLedSlot(const cJSON *entry, MouseLedSlot *slot)
{
    MouseLedSlot read;
    const bool ok = readInt(entry, "PosX", &read.posX) && readInt(entry, "PosY", &read.posY)
                    && readInt(entry, "Width", &read.width) && readInt(entry, "Height", &read.height)
                    && readInt(entry, "Index", &read.index) && readInt(entry, "validStatus", &read.validStatus)
                    && readInt(entry, "SidePosition", &read.sidePosition) && read.width >= 0 && read.height >= 0;
    if (ok)
        *slot = read;
    return ok;
}

}  // namespace

QString MouseDefinitionFile::fileName(const QString &model)
{
    return QStringLiteral("mouseInfo_%1.config").arg(model);
}

QString MouseDefinitionFile::resourcePath(const QString &model)
{
    return QStringLiteral(":/images/configDir/%1").arg(fileName(model));
}

void MouseDefinitionFile::clear()
{
    *this = MouseDefinitionFile();
}

bool MouseDefinitionFile::load(const QString &path)
{
    clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(lcData).noquote() << "mouse definition" << path << "cannot be opened:" << file.errorString();
        return false;
    }
    if (!parse(file.readAll())) {
        qCWarning(lcData).noquote() << "mouse definition" << path << "is not a JSON object";
        return false;
    }
    return true;
}

bool MouseDefinitionFile::parse(const QByteArray &text)
{
    clear();
    const JsonMembers::Ptr root = JsonMembers::parse(text);
    if (!root || !cJSON_IsObject(root.get()))
        return false;

    const cJSON *mouse = cJSON_GetObjectItem(root.get(), "Mouse");
    if (cJSON_IsObject(mouse)) {
        int width = 0;
        int height = 0;
        if (readInt(mouse, "showInfoTextWidth", &width) && width > 0 && width <= kPageWidth)
            m_textWidth = width;
        else
            qCWarning(lcData) << "mouse definition: caption width not usable; using" << kDefaultTextWidth;
        if (readInt(mouse, "showInfoTextHeight", &height) && height > 0 && height <= kPageHeight)
            m_textHeight = height;
        else
            qCWarning(lcData) << "mouse definition: caption height not usable; using" << kDefaultTextHeight;
        if (!readInt(mouse, "supportEnableXY", &m_supportEnableXY)) {
            m_supportEnableXY = kDefaultSupportEnableXY;
            qCWarning(lcData) << "mouse definition: \"supportEnableXY\" missing; X/Y taken as supported";
        }
    }

    const cJSON *rows = cJSON_GetObjectItem(root.get(), "EveryKeyInfo_Row00");
    if (cJSON_IsArray(rows)) {
        int position = 0;
        for (const cJSON *entry = rows->child; entry; entry = entry->next, ++position) {
            MouseButtonRow row;
            if (readButtonRow(entry, &row))
                m_rows.append(row);
            else
                qCWarning(lcData) << "mouse definition: button row" << position << "lacks a member; skipped";
        }
    }

    const cJSON *leds = cJSON_GetObjectItem(root.get(), "EveryKeyInfo_MouseLight0");
    if (cJSON_IsArray(leds)) {
        int position = 0;
        for (const cJSON *entry = leds->child; entry; entry = entry->next, ++position) {
            if (position >= kMaxLedSlots) {
                qCWarning(lcData) << "mouse definition: more than" << kMaxLedSlots << "LED slots; the rest ignored";
                break;
            }
            MouseLedSlot slot;
            if (!readLedSlot(entry, &slot)) {
                slot = MouseLedSlot();
                slot.index = position + 1;
                qCWarning(lcData) << "mouse definition: LED slot" << position << "lacks a member; left empty";
            }
            m_ledSlots.append(slot);
        }
    }
    m_loaded = true;
    return true;
}
