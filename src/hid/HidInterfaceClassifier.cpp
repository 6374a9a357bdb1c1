// SPDX-License-Identifier: GPL-3.0-or-later
#include "HidInterfaceClassifier.h"

#include "ReportDescriptorReader.h"

namespace {

constexpr int kConfigurationInterfaceNumber = 2;
constexpr int kMultiCollectionIndex = 5;  // the sixth top-level collection
constexpr int kMultiCollectionReportId = 6;

// Item prefixes: bSize in bits 0-1 (3 means 4 bytes), bType in bits 2-3, bTag in bits 4-7.
constexpr int kTypeMain = 0;
constexpr int kTypeGlobal = 1;
constexpr int kTagCollection = 0xA;
constexpr int kTagEndCollection = 0xC;
constexpr int kTagReportId = 0x8;
constexpr uint8_t kLongItem = 0xFE;

}  // namespace

QVector<QVector<int>> HidInterfaceClassifier::topLevelReportIds(const QByteArray &descriptor)
{
    QVector<QVector<int>> collections;
    const auto *d = reinterpret_cast<const uint8_t *>(descriptor.constData());
    const int n = descriptor.size();
    int depth = 0;
    QVector<int> pending;  // report ids declared before the collection they belong to
    int i = 0;
    while (i < n) {
        const uint8_t prefix = d[i];
        if (prefix == kLongItem) {
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

        if (type == kTypeMain && tag == kTagCollection) {
            if (depth == 0) {
                collections.append(pending);
                pending.clear();
            }
            ++depth;
        } else if (type == kTypeMain && tag == kTagEndCollection) {
            if (depth > 0)
                --depth;
        } else if (type == kTypeGlobal && tag == kTagReportId) {
            if (depth > 0 && !collections.isEmpty())
                collections.last().append(int(value));
            else
                pending.append(int(value));
        }
        i += 1 + size;
    }
    return collections;
}

HidInterfaceClassifier::Result HidInterfaceClassifier::classify(const QString &path, int interfaceNumber,
                                                                const ReportDescriptorReader &reader)
{
    Result result;
    if (path.contains(QLatin1String("col06"))) {
        result.configuration = true;
        result.reportId = 6;
        return result;
    }
    if (path.contains(QLatin1String("mi_02"))) {
        result.configuration = true;
        return result;
    }
    // Only hidraw paths lack the interface in their name; any other path has said all it can.
    if (!path.startsWith(QLatin1String("/dev/")))
        return result;

    const QVector<QVector<int>> collections = topLevelReportIds(reader.reportDescriptor(path));
    if (collections.size() > kMultiCollectionIndex
        && collections.at(kMultiCollectionIndex).contains(kMultiCollectionReportId)) {
        result.configuration = true;
        result.reportId = kMultiCollectionReportId;
        return result;
    }
    result.configuration = interfaceNumber == kConfigurationInterfaceNumber;
    return result;
}
