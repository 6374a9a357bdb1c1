// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// hidapi is initialised once per process and shut down after its last user: hid_exit
// would invalidate the handles that other transports still hold.

class HidLibrary
{
public:
    // Initialises hidapi for the first user; false when that fails (nothing is held then).
    static bool acquire();
    // Gives back one acquire(); the last one shuts hidapi down.
    static void release();
    static int users();
};
