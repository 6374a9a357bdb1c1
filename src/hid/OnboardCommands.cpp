// SPDX-License-Identifier: GPL-3.0-or-later
#include "OnboardCommands.h"

#include "DeviceCodeTables.h"
#include "RecordNumber.h"
#include "RecordText.h"

#include <QString>

#include <algorithm>

namespace onboardcmd {

namespace {

constexpr char kKeyTableCommand = 0x18;
constexpr char kMacroCommand = 0x19;
constexpr char kResetCommand = 0x14;
constexpr int kPayloadOffset = 6;
constexpr int kMacroHeaderSize = 8;
constexpr int kMacroDataSize = 248;

QByteArray emptyReport(char command)
{
    QByteArray report(kReportSize, '\0');
    report[0] = 1;
    report[1] = command;
    return report;
}

QByteArray entry(int b0, int b1 = 0, int b2 = 0, int b3 = 0)
{
    QByteArray bytes(4, '\0');
    bytes[0] = char(b0);
    bytes[1] = char(b1);
    bytes[2] = char(b2);
    bytes[3] = char(b3);
    return bytes;
}

bool fitsByte(int value)
{
    return value >= 0 && value <= 255;
}

// The macro block (header and 248 data bytes) as the five reports carry it.
QList<QByteArray> splitMacro(int number, const QByteArray &block)
{
    QList<QByteArray> reports;
    int offset = 0;
    for (int part = 0; part < kMacroParts; ++part) {
        const int length = part == kMacroParts - 1 ? 24 : 58;
        QByteArray report = emptyReport(kMacroCommand);
        report[2] = char(number);
        report[4] = char(part);
        report[5] = char(length);
        for (int i = 0; i < length; ++i)
            report[kPayloadOffset + i] = block[offset + i];
        offset += length;
        reports.append(report);
    }
    return reports;
}

}  // namespace

QByteArray keyEntry(int keyCode, const CustomKeyInfo *record, int macroNumber)
{
    if (keyCode == 0 || !record || recordNumber(record->keyCode) == -1)
        return entry(0);
    const int value = recordNumber(record->Value);
    const QString valueText = QString::fromUtf8(recordText(record->Value));
    switch (recordNumber(record->operateType)) {
    case 0:
        if (value == kFn1Value)
            return entry(0x14);
        if (value == kFnValue)
            return entry(0x01);
        return fitsByte(value) ? entry(0x00, value) : entry(0);
    case 1:
        return fitsByte(keyCode) && fitsByte(macroNumber) ? entry(0x10, keyCode, macroNumber) : entry(0);
    case 2: {
        const std::array<int, 3> keys = devicecodes::combinationKeyList(valueText);
        if (keys[1] == 0)
            return entry(0x13, keys[0], keys[2]);
        return entry(0x13, keys[0], keys[1], keys[2]);
    }
    case 3:
        return entry(0x07, devicecodes::multimediaDeviceCode(devicecodes::valueFunction(valueText)));
    case 4: {
        const int function = devicecodes::valueFunction(valueText);
        return entry(0x12, devicecodes::mouseKeyWheelFlag(function), devicecodes::mouseKeyDeviceCode(function));
    }
    default:
        return entry(0);
    }
}

QByteArray keyTableReport(int layer, int packet, const QByteArray &entries)
{
    QByteArray report = emptyReport(kKeyTableCommand);
    const int length = std::min(int(entries.size()), kEntriesPerKeyReport * 4);
    report[2] = char(layer);
    report[4] = char(packet);
    report[5] = char(length);
    for (int i = 0; i < length; ++i)
        report[kPayloadOffset + i] = entries[i];
    return report;
}

QList<QByteArray> keyTableReports(int layer, const QByteArray &entries)
{
    QList<QByteArray> reports;
    const int perReport = kEntriesPerKeyReport * 4;
    for (int offset = 0, packet = 0; offset < entries.size(); offset += perReport, ++packet)
        reports.append(keyTableReport(layer, packet, entries.mid(offset, perReport)));
    return reports;
}

QByteArray macroEvent(const MacroEventInfo &event)
{
    const QByteArray type(event.type);
    const int keyCode = recordNumber(event.keyCode);
    int code = -1;
    int kind = 0;
    if (type.contains("key")) {
        code = fitsByte(keyCode) ? keyCode : -1;
    } else if (type.contains("mouse")) {
        kind = 1;
        code = keyCode == 513 || keyCode == 514   ? 1
               : keyCode == 516 || keyCode == 517 ? 2
               : keyCode == 519 || keyCode == 520 ? 4
                                                  : -1;
    }
    if (code < 0)
        return {};
    const bool down = qstrcmp(event.operateExplain, "down") == 0;
    const int delay = std::clamp(int(recordNumber(event.delay)), 0, 65535);
    return entry(code, (down ? 16 : 0) + kind, delay >> 8, delay & 0xFF);
}

bool isValidPlayMode(const CustomKeyInfo &record)
{
    const int mode = recordNumber(record.mode);
    return mode >= 1 && mode <= 4;
}

QList<QByteArray> macroReports(int number, const CustomKeyInfo &record, const QList<MacroEventInfo> &events)
{
    if (!isValidPlayMode(record))
        return {};
    QByteArray data;
    int sent = 0;
    for (const MacroEventInfo &event : events) {
        if (sent == kMaxMacroEvents)
            break;
        const QByteArray bytes = macroEvent(event);
        if (bytes.isEmpty())
            continue;
        data.append(bytes);
        ++sent;
    }
    data.append(QByteArray(kMacroDataSize - data.size(), '\0'));
    QByteArray block(kMacroHeaderSize, '\0');
    block[1] = char(recordNumber(record.mode) - 1);
    block[3] = char(4 * sent);
    block[5] = char(std::clamp(int(recordNumber(record.repeatNum)), 0, 255));
    return splitMacro(number, block + data);
}

QList<QByteArray> emptyMacroReports(int number)
{
    return splitMacro(number, QByteArray(kMacroHeaderSize + kMacroDataSize, '\0'));
}

QByteArray resetReport()
{
    QByteArray report = emptyReport(kResetCommand);
    report[6] = 1;
    return report;
}

}  // namespace onboardcmd
