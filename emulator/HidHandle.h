// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The emulator's hidapi handle: one open path, with its own queue of input reports.

#include <condition_variable>
#include <deque>
#include <memory>
#include <QByteArray>
#include <string>

struct hid_device_info;

namespace emu {
class SimulatedDevice;
}

struct hid_device_ {
    std::shared_ptr<emu::SimulatedDevice> device;  // kept alive while the handle is open
    int interfaceIndex = 0;
    int endpointIndex = 0;
    // Guarded by the emulator's lock:
    std::deque<QByteArray> queue;
    std::condition_variable arrived;
    bool nonBlocking = false;
    int readCalls = 0;  // hid_read and hid_read_timeout calls made on this handle
    // Touched only by calls made on this handle:
    std::wstring lastError;
    hid_device_info *info = nullptr;  // built by hid_get_device_info, freed by hid_close
};
