// SPDX-License-Identifier: GPL-3.0-or-later
#include "HidLibrary.h"

#include <hidapi.h>

#include <mutex>

namespace {
std::mutex g_mutex;
int g_users = 0;
}  // namespace

bool HidLibrary::acquire()
{
    std::lock_guard<std::mutex> lock(g_mutex);
    if (g_users == 0 && hid_init() != 0)
        return false;
    ++g_users;
    return true;
}

void HidLibrary::release()
{
    std::lock_guard<std::mutex> lock(g_mutex);
    if (g_users <= 0)
        return;
    if (--g_users == 0)
        hid_exit();
}

int HidLibrary::users()
{
    std::lock_guard<std::mutex> lock(g_mutex);
    return g_users;
}
