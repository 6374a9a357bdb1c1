// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Matches USB ids against the supported-device list ("hidListSupport.xml"), the one place the
// enumeration and the main window ask. The entries' ids are read by models::usbIdFromText.

#include "DeviceListRecords.h"

#include <QList>

// The index of the first entry with these ids; -1 without one. An entry whose ids are not USB
// ids matches nothing.
int supportedEntryIndex(const QList<SupportHidInfo> &list, int vendorId, int productId);

// Whether both ids of the entry read as USB ids.
bool isWellFormedSupportEntry(const SupportHidInfo &entry);
