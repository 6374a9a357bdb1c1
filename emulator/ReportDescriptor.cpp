// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReportDescriptor.h"

namespace emu {

namespace {

QByteArray bytes(std::initializer_list<int> list)
{
    QByteArray out;
    out.reserve(int(list.size()));
    for (int b : list)
        out.append(char(b & 0xFF));
    return out;
}

// The body of a keyboard collection (without the collection items themselves).
QByteArray keyboardBody()
{
    return bytes({
        0x05, 0x07,                                                                          // usage page: keyboard
        0x19, 0xE0, 0x29, 0xE7, 0x15, 0x00, 0x25, 0x01, 0x75, 0x01, 0x95, 0x08, 0x81, 0x02,  // 8 modifier bits
        0x95, 0x01, 0x75, 0x08, 0x81, 0x01,                                                  // reserved byte
        0x05, 0x08, 0x19, 0x01, 0x29, 0x05, 0x95, 0x05, 0x75, 0x01, 0x91, 0x02,              // 5 LEDs
        0x95, 0x01, 0x75, 0x03, 0x91, 0x01,                                                  // LED padding
        0x05, 0x07, 0x19, 0x00, 0x2A, 0xFF, 0x00, 0x15, 0x00, 0x26, 0xFF, 0x00, 0x95, 0x06,
        0x75, 0x08, 0x81, 0x00,  // six key slots
    });
}

QByteArray mouseBody()
{
    return bytes({
        0x09, 0x01, 0xA1, 0x00,  // pointer, physical
        0x05, 0x09, 0x19, 0x01, 0x29, 0x05, 0x15, 0x00, 0x25, 0x01, 0x95, 0x05, 0x75, 0x01, 0x81, 0x02,  // five buttons
        0x95, 0x01, 0x75, 0x03, 0x81, 0x01, 0x05, 0x01, 0x09, 0x30, 0x09, 0x31, 0x09, 0x38, 0x15, 0x81,
        0x25, 0x7F, 0x75, 0x08, 0x95, 0x03, 0x81, 0x06,  // x, y, wheel
        0xC0,
    });
}

QByteArray vendorBody(int reportId, int usage)
{
    return bytes({
        0x06, 0x00, 0xFF, 0x09, usage, 0xA1, 0x01, 0x85, reportId, 0x15, 0x00,
        0x26, 0xFF, 0x00, 0x75, 0x08,  0x95, 0x3F, 0x09, 0x01,     0x81, 0x02,  // 63 bytes in
        0x09, 0x01, 0x91, 0x02,                                                 // 63 bytes out
        0xC0,
    });
}

}  // namespace

QByteArray ReportDescriptor::bootKeyboard()
{
    return bytes({0x05, 0x01, 0x09, 0x06, 0xA1, 0x01}) + keyboardBody() + bytes({0xC0});
}

QByteArray ReportDescriptor::bootMouse()
{
    return bytes({0x05, 0x01, 0x09, 0x02, 0xA1, 0x01}) + mouseBody() + bytes({0xC0});
}

QByteArray ReportDescriptor::media()
{
    return bytes({
        0x05, 0x0C, 0x09, 0x01, 0xA1, 0x01, 0x85, 0x02,  // consumer control
        0x15, 0x00, 0x26, 0xFF, 0x03, 0x19, 0x00, 0x2A, 0xFF, 0x03, 0x75, 0x10, 0x95,
        0x01, 0x81, 0x00, 0xC0, 0x05, 0x01, 0x09, 0x80, 0xA1, 0x01, 0x85, 0x03,  // system control
        0x19, 0x81, 0x29, 0x83, 0x15, 0x00, 0x25, 0x01, 0x75, 0x01, 0x95, 0x03, 0x81,
        0x02, 0x95, 0x05, 0x81, 0x01, 0xC0,
    });
}

QByteArray ReportDescriptor::configuration(int reportId)
{
    return vendorBody(reportId, 0x01);
}

QByteArray ReportDescriptor::multiCollection(int configurationReportId)
{
    QByteArray out;
    out += bytes({0x05, 0x01, 0x09, 0x06, 0xA1, 0x01, 0x85, 0x01}) + keyboardBody() + bytes({0xC0});
    QByteArray mediaPart = media();
    out += mediaPart;
    out += bytes({0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0x85, 0x04}) + mouseBody() + bytes({0xC0});
    out += vendorBody(5, 0x02);
    out += vendorBody(configurationReportId, 0x01);
    return out;
}

QVector<ReportDescriptor::Collection> ReportDescriptor::topLevelCollections(const QByteArray &descriptor)
{
    QVector<Collection> out;
    const auto *d = reinterpret_cast<const uint8_t *>(descriptor.constData());
    const int n = descriptor.size();
    uint32_t usagePage = 0;
    uint32_t usage = 0;
    uint32_t usagePageOfUsage = 0;  // an extended (4-byte) usage names its own page
    bool haveUsage = false;
    bool extendedUsage = false;
    int depth = 0;
    int i = 0;
    while (i < n) {
        const uint8_t prefix = d[i];
        if (prefix == 0xFE) {  // long item: size in the next byte
            if (i + 1 >= n)
                break;
            i += 3 + d[i + 1];
            continue;
        }
        int size = prefix & 0x03;
        if (size == 3)
            size = 4;
        if (i + 1 + size > n)
            break;
        uint32_t value = 0;
        for (int k = 0; k < size; ++k)
            value |= uint32_t(d[i + 1 + k]) << (8 * k);
        const int type = (prefix >> 2) & 0x03;
        const int tag = prefix >> 4;
        if (type == 0) {  // main item
            if (tag == 0x0A) {
                if (depth == 0) {
                    Collection c;
                    c.usagePage = uint16_t(extendedUsage ? usagePageOfUsage : usagePage);
                    c.usage = uint16_t(haveUsage ? (usage & 0xFFFF) : 0);
                    out.append(c);
                }
                ++depth;
            } else if (tag == 0x0C) {
                if (depth > 0)
                    --depth;
            }
            usage = 0;
            haveUsage = false;
            extendedUsage = false;
        } else if (type == 1) {  // global item
            if (tag == 0x00)
                usagePage = value;
            else if (tag == 0x08 && depth > 0 && !out.isEmpty())
                out.last().reportIds.append(int(value));
        } else if (type == 2) {  // local item
            if (tag == 0x00 && !haveUsage) {
                usage = value;
                haveUsage = true;
                extendedUsage = size == 4;
                usagePageOfUsage = value >> 16;
            }
        }
        i += 1 + size;
    }
    return out;
}

}  // namespace emu
