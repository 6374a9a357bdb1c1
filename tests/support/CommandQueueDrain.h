// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Waits until every command report a device link has queued so far has reached its emulated
// device, however slowly the writer thread gets to run. The link writes its command queue in
// order, so a marker queued behind those reports is written last: once the device holds the
// marker, it holds everything queued before it. The marker is a command the devices do not know;
// they record it and answer nothing. Lighting frames have a queue of their own and are not waited
// for. Work a timer sends later (a paced series, a retry) is not covered either.

#include "DDeviceKeyboardLink.h"
#include "Emulator.h"

#include <chrono>
#include <cstdint>

namespace drain {

constexpr uint8_t kMarkerCommand = 0x6F;
// Generous: on a loaded two-core machine the writer thread can wait seconds for its turn.
constexpr std::chrono::milliseconds kDrainTimeout{30000};

inline bool commandsWritten(DDeviceKeyboardLink *link, emu::DeviceId id,
                            std::chrono::milliseconds timeout = kDrainTimeout)
{
    if (!link)
        return false;
    const int markers = emu::writtenCommand(id, kMarkerCommand).size();
    unsigned char report[64] = {};
    report[0] = 0x01;
    report[1] = kMarkerCommand;
    if (link->sendCommand(report) != 0)
        return false;
    return emu::waitForCommand(id, kMarkerCommand, timeout, markers + 1);
}

}  // namespace drain
