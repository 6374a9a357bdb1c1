// SPDX-License-Identifier: GPL-3.0-or-later
// The hidapi C functions, served by the simulated devices.

#include "EmulatorState.h"
#include "HidHandle.h"

#include <hidapi.h>

#include <climits>
#include <cstdlib>

using emu::EmulatorState;

namespace {

EmulatorState &state()
{
    return EmulatorState::instance();
}

int unsupported(hid_device *dev, const wchar_t *what)
{
    if (dev)
        dev->lastError = what;
    else
        EmulatorState::setGlobalError(what);
    return -1;
}

}  // namespace

extern "C" {

int HID_API_EXPORT HID_API_CALL hid_init(void)
{
    return state().init();
}

int HID_API_EXPORT HID_API_CALL hid_exit(void)
{
    return state().exit();
}

struct hid_device_info HID_API_EXPORT *HID_API_CALL hid_enumerate(unsigned short vendor_id, unsigned short product_id)
{
    return state().enumerate(vendor_id, product_id);
}

void HID_API_EXPORT HID_API_CALL hid_free_enumeration(struct hid_device_info *devs)
{
    while (devs) {
        hid_device_info *next = devs->next;
        std::free(devs->path);
        std::free(devs->serial_number);
        std::free(devs->manufacturer_string);
        std::free(devs->product_string);
        std::free(devs);
        devs = next;
    }
}

HID_API_EXPORT hid_device *HID_API_CALL hid_open(unsigned short vendor_id, unsigned short product_id,
                                                 const wchar_t *serial_number)
{
    return state().open(vendor_id, product_id, serial_number);
}

HID_API_EXPORT hid_device *HID_API_CALL hid_open_path(const char *path)
{
    return state().open(path);
}

int HID_API_EXPORT HID_API_CALL hid_write(hid_device *dev, const unsigned char *data, size_t length)
{
    return state().write(dev, data, length);
}

int HID_API_EXPORT HID_API_CALL hid_read_timeout(hid_device *dev, unsigned char *data, size_t length, int milliseconds)
{
    return state().read(dev, data, length, milliseconds < 0 ? -1 : milliseconds);
}

int HID_API_EXPORT HID_API_CALL hid_read(hid_device *dev, unsigned char *data, size_t length)
{
    return state().read(dev, data, length, INT_MIN);
}

int HID_API_EXPORT HID_API_CALL hid_set_nonblocking(hid_device *dev, int nonblock)
{
    return state().setNonBlocking(dev, nonblock != 0);
}

int HID_API_EXPORT HID_API_CALL hid_send_feature_report(hid_device *dev, const unsigned char *, size_t)
{
    return unsupported(dev, L"feature reports are not supported by this device");
}

int HID_API_EXPORT HID_API_CALL hid_get_feature_report(hid_device *dev, unsigned char *, size_t)
{
    return unsupported(dev, L"feature reports are not supported by this device");
}

int HID_API_EXPORT HID_API_CALL hid_get_input_report(hid_device *dev, unsigned char *, size_t)
{
    return unsupported(dev, L"input reports are only delivered through hid_read");
}

void HID_API_EXPORT HID_API_CALL hid_close(hid_device *dev)
{
    state().close(dev);
}

int HID_API_EXPORT_CALL hid_get_manufacturer_string(hid_device *dev, wchar_t *string, size_t maxlen)
{
    return state().deviceString(dev, 0, string, maxlen);
}

int HID_API_EXPORT_CALL hid_get_product_string(hid_device *dev, wchar_t *string, size_t maxlen)
{
    return state().deviceString(dev, 1, string, maxlen);
}

int HID_API_EXPORT_CALL hid_get_serial_number_string(hid_device *dev, wchar_t *string, size_t maxlen)
{
    return state().deviceString(dev, 2, string, maxlen);
}

struct hid_device_info HID_API_EXPORT *HID_API_CALL hid_get_device_info(hid_device *dev)
{
    return state().deviceInfo(dev);
}

int HID_API_EXPORT_CALL hid_get_indexed_string(hid_device *dev, int, wchar_t *, size_t)
{
    return unsupported(dev, L"indexed strings are not supported by this device");
}

HID_API_EXPORT const wchar_t *HID_API_CALL hid_error(hid_device *dev)
{
    if (!dev)
        return EmulatorState::globalError();
    return dev->lastError.empty() ? L"Success" : dev->lastError.c_str();
}

HID_API_EXPORT const struct hid_api_version *HID_API_CALL hid_version(void)
{
    static const hid_api_version version = {HID_API_VERSION_MAJOR, HID_API_VERSION_MINOR, HID_API_VERSION_PATCH};
    return &version;
}

HID_API_EXPORT const char *HID_API_CALL hid_version_str(void)
{
    return HID_API_VERSION_STR;
}

}  // extern "C"
