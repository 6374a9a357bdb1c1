// SPDX-License-Identifier: GPL-3.0-or-later
#include "DeviceModels.h"

#include <iterator>

namespace models {

namespace {

using K = DeviceKind;

// code, kind, product name, keys, side lights, frames per batch, layout family, side LEDs,
// rounded side LEDs, Enter notch width and upper height, locked keys, side LEDs per colour frame,
// on-board page width and height, FN1 key preset, reduced layout menu
const DeviceModel kDeviceModels[] = {
    {"ZK87A", K::Keyboard, "ZELKA Vega 87", 87, false, 10, "87", 0, false, 10, 30, {}, 33, 587, 210, false, false},
    {"ZK87B", K::Keyboard, "ZELKA Vega 87 Pro", 87, false, 10, "87", 0, false, 10, 30, {}, 33, 587, 210, false, false},
    {"ZK87C", K::Keyboard, "ZELKA Nova 87", 87, false, 10, "87", 0, false, 10, 30, {}, 33, 587, 210, false, false},
    {"ZK87R",
     K::Keyboard,
     "ZELKA Nova 87 RGB",
     87,
     false,
     10,
     "87",
     0,
     false,
     10,
     30,
     {38, 39, 41},
     33,
     587,
     210,
     true,
     true},
    {"ZK87S", K::Keyboard, "ZELKA Vega 87 Side", 87, true, 11, "87S", 41, true, 10, 30, {}, 41, 587, 210, false, false},
    {"ZK87W", K::Keyboard, "ZELKA Orion 87", 87, false, 10, "87", 0, false, 10, 30, {}, 33, 587, 210, false, false},
    {"ZK104A", K::Keyboard, "ZELKA Vega 104", 104, false, 11, "104", 0, false, 10, 30, {}, 45, 700, 210, false, false},
    {"ZK104B",
     K::Keyboard,
     "ZELKA Vega 104 Pro",
     104,
     false,
     11,
     "104",
     0,
     false,
     10,
     30,
     {},
     45,
     700,
     210,
     false,
     false},
    {"ZK104C", K::Keyboard, "ZELKA Nova 104", 104, false, 11, "104", 0, false, 10, 30, {}, 50, 700, 210, false, false},
    {"ZK104R",
     K::Keyboard,
     "ZELKA Nova 104 RGB",
     104,
     false,
     11,
     "104",
     0,
     false,
     10,
     30,
     {},
     50,
     700,
     210,
     false,
     true},
    {"ZK104S",
     K::Keyboard,
     "ZELKA Vega 104 Side",
     104,
     true,
     11,
     "104S",
     49,
     true,
     10,
     30,
     {},
     49,
     700,
     210,
     false,
     false},
    {"ZK104W", K::Keyboard, "ZELKA Orion 104", 104, false, 11, "104", 0, false, 10, 30, {}, 50, 700, 210, false, false},
    {"ZM1", K::Mouse, "ZELKA Pulsar M1", 0, false, 10, "", 0, false, 10, 30, {}, 33, 700, 210, false, false},
};

const SupportedId kSupportedIds[] = {
    {{0x0416, 0xB23C}, K::Keyboard, "NUC121"},  {{0x0416, 0xC345}, K::Keyboard, "M252"},
    {{0x0C45, 0xA21C}, K::Mouse, ""},           {{0x2E88, 0xB30A}, K::Keyboard, "M252 HUADA"},
    {{0x0C45, 0x7043}, K::Keyboard, "M252 SN"}, {{0x0C45, 0xB12B}, K::Keyboard, "M252 SN"},
};

const BootloaderId kBootloaderIds[] = {
    {{0x0416, 0x3F00}, ""},
    {{0x0416, 0x3F02}, ""},
    {{0x0C45, 0x6565}, ""},
    {{0x0C45, 0x4560}, ""},
};

template <typename T, std::size_t N>
TableView<T> view(const T (&table)[N])
{
    return {table, N};
}

template <typename T>
bool containsId(TableView<T> table, int vendorId, int productId)
{
    for (const T &entry : table) {
        if (entry.id.vendorId == vendorId && entry.id.productId == productId)
            return true;
    }
    return false;
}

}  // namespace

TableView<DeviceModel> deviceModels()
{
    return view(kDeviceModels);
}

const DeviceModel *findDeviceModel(const QString &code)
{
    for (const DeviceModel &model : kDeviceModels) {
        if (code == QLatin1String(model.code))
            return &model;
    }
    return nullptr;
}

int framesPerBatch(const QString &code)
{
    const DeviceModel *model = findDeviceModel(code);
    return model ? model->framesPerBatch : kDefaultFramesPerBatch;
}

int keyCount(const QString &code)
{
    const DeviceModel *model = findDeviceModel(code);
    return model ? model->keyCount : 0;
}

bool hasSideLights(const QString &code)
{
    const DeviceModel *model = findDeviceModel(code);
    return model && model->sideLights;
}

QString layoutFamily(const QString &code)
{
    const DeviceModel *model = findDeviceModel(code);
    return model ? QString::fromLatin1(model->layoutFamily) : QString();
}

int sideLedCount(const QString &code)
{
    const DeviceModel *model = findDeviceModel(code);
    return model ? model->sideLedCount : 0;
}

bool hasRoundedSideLeds(const QString &code)
{
    const DeviceModel *model = findDeviceModel(code);
    return model && model->roundedSideLeds;
}

int enterNotchWidth(const QString &code)
{
    const DeviceModel *model = findDeviceModel(code);
    return model ? model->enterNotchWidth : DeviceModel().enterNotchWidth;
}

int enterUpperHeight(const QString &code)
{
    const DeviceModel *model = findDeviceModel(code);
    return model ? model->enterUpperHeight : DeviceModel().enterUpperHeight;
}

bool isLockedKey(const QString &code, int keyCode)
{
    const DeviceModel *model = findDeviceModel(code);
    if (!model || keyCode == 0)
        return false;
    for (const int locked : model->lockedKeys) {
        if (locked == keyCode)
            return true;
    }
    return false;
}

int sideFrameLeds(const QString &code)
{
    const DeviceModel *model = findDeviceModel(code);
    return model ? model->sideFrameLeds : kDefaultSideFrameLeds;
}

int onboardPageWidth(const QString &code)
{
    const DeviceModel *model = findDeviceModel(code);
    return model ? model->onboardPageWidth : DeviceModel().onboardPageWidth;
}

int onboardPageHeight(const QString &code)
{
    const DeviceModel *model = findDeviceModel(code);
    return model ? model->onboardPageHeight : DeviceModel().onboardPageHeight;
}

bool hasFn1KeyPreset(const QString &code)
{
    const DeviceModel *model = findDeviceModel(code);
    return model && model->fn1KeyPreset;
}

bool hasReducedLayoutMenu(const QString &code)
{
    const DeviceModel *model = findDeviceModel(code);
    return model && model->reducedLayoutMenu;
}

TableView<SupportedId> supportedIds()
{
    return view(kSupportedIds);
}

bool isSupportedId(int vendorId, int productId)
{
    return containsId(supportedIds(), vendorId, productId);
}

TableView<BootloaderId> bootloaderIds()
{
    return view(kBootloaderIds);
}

bool isBootloaderId(int vendorId, int productId)
{
    return containsId(bootloaderIds(), vendorId, productId);
}

int usbIdFromText(const QString &text)
{
    const QString digits = text.trimmed();
    if (digits.isEmpty() || digits.size() > 4)
        return -1;
    int id = 0;
    for (const QChar c : digits) {
        const int digit = c.isDigit() && c.unicode() < 0x80                ? c.unicode() - '0'
                          : c >= QLatin1Char('a') && c <= QLatin1Char('f') ? c.unicode() - 'a' + 10
                          : c >= QLatin1Char('A') && c <= QLatin1Char('F') ? c.unicode() - 'A' + 10
                                                                           : -1;
        if (digit < 0)
            return -1;
        id = id * 16 + digit;
    }
    return id;
}

}  // namespace models
