// SPDX-License-Identifier: GPL-3.0-or-later
#include "MouseCommands.h"

#include "DeviceCodeTables.h"
#include "RecordText.h"

#include <QByteArray>

#include <algorithm>
#include <array>

namespace MouseCommands {

namespace {

constexpr unsigned char kReportId = 0x01;
constexpr unsigned char kButtonCommand = 0x47;
constexpr unsigned char kRateCommand = 0x46;
constexpr unsigned char kResetCommand = 0x14;
constexpr unsigned char kButtonLength = 0x3A;
constexpr int kFunctionByte = 6;
constexpr int kPayloadByte = 6;
constexpr unsigned char kMacroFunction = 5;
constexpr int kMacroHeaderSize = 7;
// Stream bytes each data report takes, and where each chunk sits in the stream.
constexpr int kChunkSizes[] = {56, 48, 48, 58};
constexpr int kChunkOffsets[] = {0, 56, 104, 152};

Report emptyReport(unsigned char command)
{
    Report report{};
    report[0] = kReportId;
    report[1] = command;
    return report;
}

int number(const char *field, std::size_t width, bool *ok)
{
    return recordText(field, width).trimmed().toInt(ok);
}

// The event's first two bytes, or false for an event the mouse cannot play.
bool eventCode(const MacroEventInfo &event, unsigned char *code, unsigned char *flags)
{
    const QByteArray type = recordText(event.type);
    const bool isMouse = type.contains("mouse") && !type.contains("key");
    bool ok = false;
    const int keyCode = number(event.keyCode, sizeof event.keyCode, &ok);
    if (!ok)
        return false;
    if (isMouse) {
        switch (keyCode) {
        case 513:
        case 514:
            *code = 1;
            break;
        case 516:
        case 517:
            *code = 2;
            break;
        case 519:
        case 520:
            *code = 4;
            break;
        default:
            return false;
        }
    } else {
        if (!type.contains("key") || keyCode <= 0 || keyCode > 0xFF)
            return false;
        *code = static_cast<unsigned char>(keyCode);
    }
    *flags = static_cast<unsigned char>((recordText(event.operateExplain) == "down" ? 0x10 : 0) + (isMouse ? 1 : 0));
    return true;
}

}  // namespace

int buttonCode(int buttonIndex)
{
    static constexpr int kCodes[] = {0xFF, 4, 2, 3, 1, 0, 2, 3};
    if (buttonIndex < 0 || buttonIndex >= int(std::size(kCodes)))
        return 0xFF;
    return kCodes[buttonIndex];
}

std::optional<Report> buttonFunction(int buttonIndex, const CustomKeyInfo &info)
{
    bool ok = false;
    const int operateType = number(info.operateType, sizeof info.operateType, &ok);
    if (!ok)
        return std::nullopt;
    Report report = emptyReport(kButtonCommand);
    report[2] = static_cast<unsigned char>(buttonCode(buttonIndex));
    report[5] = kButtonLength;
    switch (operateType) {
    case 0: {  // remap to a key
        const int usage = number(info.Value, sizeof info.Value, &ok);
        if (!ok || usage < 0 || usage > 0xFF)
            return std::nullopt;
        report[6] = 3;
        report[7] = 2;
        report[14] = static_cast<unsigned char>(usage);
        return report;
    }
    case 2: {  // key combination
        const std::array<int, 3> keys =
            devicecodes::combinationKeyList(QString::fromUtf8(recordText(info.Value, sizeof info.Value)));
        report[6] = 4;
        report[14] = static_cast<unsigned char>(keys[0]);
        if (keys[1]) {
            report[7] = 3;
            report[15] = static_cast<unsigned char>(keys[1]);
            report[16] = static_cast<unsigned char>(keys[2]);
        } else {
            report[7] = 2;
            report[15] = static_cast<unsigned char>(keys[2]);
        }
        return report;
    }
    case 3: {  // multimedia
        const int function = devicecodes::valueFunction(QString::fromUtf8(recordText(info.Value, sizeof info.Value)));
        report[6] = 3;
        report[7] = 3;
        report[14] = static_cast<unsigned char>(devicecodes::multimediaDeviceCode(function));
        return report;
    }
    case 4: {  // mouse function
        const int function = devicecodes::valueFunction(QString::fromUtf8(recordText(info.Value, sizeof info.Value)));
        const bool wheel = devicecodes::mouseKeyWheelFlag(function) != 0;
        report[6] = wheel ? 3 : 1;
        report[7] = wheel ? 1 : 0;
        report[14] = static_cast<unsigned char>(devicecodes::mouseKeyDeviceCode(function));
        return report;
    }
    case 5:  // disable
        return report;
    default:
        return std::nullopt;
    }
}

MacroReports macroReports(int buttonIndex, int mode, int repeatNum, const QList<MacroEventInfo> &events)
{
    MacroReports result;
    if (mode < 1 || mode > 4) {
        result.refusal = QStringLiteral("play mode %1 is not one of 1 to 4").arg(mode);
        return result;
    }
    QByteArray eventBytes;
    for (const MacroEventInfo &event : events) {
        unsigned char code = 0;
        unsigned char flags = 0;
        if (!eventCode(event, &code, &flags)) {
            ++result.skippedEvents;
            continue;
        }
        bool ok = false;
        int delay = number(event.delay, sizeof event.delay, &ok);
        if (!ok || delay < 0)
            delay = 0;
        if (delay > kMaxDelayMs) {
            delay = kMaxDelayMs;
            ++result.cutDelays;
        }
        eventBytes.append(char(code));
        eventBytes.append(char(flags));
        eventBytes.append(char(delay >> 8));
        eventBytes.append(char(delay & 0xFF));
    }
    const int eventCount = eventBytes.size() / 4;
    if (eventCount > kMaxMacroEvents) {
        result.refusal = QStringLiteral("%1 events, the mouse keeps at most %2").arg(eventCount).arg(kMaxMacroEvents);
        return result;
    }
    QByteArray stream;
    stream.append(char(kMacroFunction));
    const unsigned char header[kMacroHeaderSize] = {static_cast<unsigned char>(mode - 1),
                                                    0,
                                                    static_cast<unsigned char>(eventBytes.size()),
                                                    0,
                                                    static_cast<unsigned char>(std::clamp(repeatNum, 0, 0xFF)),
                                                    0,
                                                    0};
    stream.append(reinterpret_cast<const char *>(header), kMacroHeaderSize);
    stream.append(eventBytes);

    const unsigned char button = static_cast<unsigned char>(buttonCode(buttonIndex));
    for (int k = 0; k < int(std::size(kChunkSizes)) && kChunkOffsets[k] < stream.size(); ++k) {
        const int length = std::min(kChunkSizes[k], int(stream.size()) - kChunkOffsets[k]);
        Report report = emptyReport(kButtonCommand);
        report[2] = button;
        report[4] = static_cast<unsigned char>(kChunkOffsets[k]);
        report[5] = static_cast<unsigned char>(length);
        std::copy_n(stream.constData() + kChunkOffsets[k], length, report.begin() + kPayloadByte);
        result.reports.append(report);
    }
    Report end = emptyReport(kButtonCommand);
    end[2] = button;
    end[3] = 0xFF;
    end[4] = 0xFF;
    end[5] = kButtonLength;
    end[kFunctionByte] = kMacroFunction;
    result.reports.append(end);
    return result;
}

Report reportRate(int position)
{
    static constexpr unsigned char kIntervals[] = {8, 4, 2, 1};
    Report report = emptyReport(kRateCommand);
    report[5] = 1;
    report[6] = position >= 0 && position < int(std::size(kIntervals)) ? kIntervals[position] : 0;
    return report;
}

Report resetProfile()
{
    Report report = emptyReport(kResetCommand);
    report[6] = 1;
    return report;
}

}  // namespace MouseCommands
