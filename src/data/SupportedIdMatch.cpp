// SPDX-License-Identifier: GPL-3.0-or-later
#include "SupportedIdMatch.h"

#include "DeviceModels.h"
#include "RecordText.h"

namespace {

int idOf(const char *text, std::size_t width)
{
    return models::usbIdFromText(QString::fromLatin1(recordText(text, width)));
}

}  // namespace

int supportedEntryIndex(const QList<SupportHidInfo> &list, int vendorId, int productId)
{
    for (int i = 0; i < list.size(); ++i) {
        const SupportHidInfo &entry = list.at(i);
        const int vid = idOf(entry.Vid, sizeof entry.Vid);
        const int pid = idOf(entry.Pid, sizeof entry.Pid);
        if (vid >= 0 && pid >= 0 && vid == vendorId && pid == productId)
            return i;
    }
    return -1;
}

bool isWellFormedSupportEntry(const SupportHidInfo &entry)
{
    return idOf(entry.Vid, sizeof entry.Vid) >= 0 && idOf(entry.Pid, sizeof entry.Pid) >= 0;
}
