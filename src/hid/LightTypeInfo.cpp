// SPDX-License-Identifier: GPL-3.0-or-later
#include "LightTypeInfo.h"

#include <QByteArray>

namespace {

constexpr int kLastByte = 63;

bool isEndMark(unsigned char byte)
{
    return byte == 0xA5 || byte == 0x5A;
}

unsigned char byteAt(const QByteArray &report, int position)
{
    return position >= 0 && position < report.size() ? static_cast<unsigned char>(report.at(position)) : 0;
}

}  // namespace

int LightTypeInfo::readFromReport(const QByteArray &report, int start, LightTypeInfo *info)
{
    LightTypeInfo list;
    int position = start < 0 ? 0 : start;
    while (position <= kLastByte && !isEndMark(byteAt(report, position)))
        list.lightTypeList.append(byteAt(report, position++));
    if (position <= kLastByte) {
        while (position <= kLastByte && isEndMark(byteAt(report, position)))
            ++position;
        if (position <= kLastByte)
            list.speedMax = byteAt(report, position);
        ++position;
        if (position <= kLastByte)
            list.brightnessMax = byteAt(report, position);
        ++position;
    }
    if (info)
        *info = list;
    return position;
}
