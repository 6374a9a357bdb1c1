// SPDX-License-Identifier: GPL-3.0-or-later
#include "DeviceNotifier.h"

#include <QRegularExpression>

DeviceNotifier::DeviceNotifier(QObject *parent)
    : QObject(parent)
{
}

DeviceNotifier::~DeviceNotifier() = default;

bool DeviceNotifier::idsFromPath(const QString &devicePath, int *vendorId, int *productId)
{
    // The kernel names a HID device "%04X:%04X:%04X.%04X": bus, vendor, product, sequence.
    static const QRegularExpression folder(
        QStringLiteral("(?:^|/)([0-9A-Fa-f]{4}):([0-9A-Fa-f]{4}):([0-9A-Fa-f]{4})\\.[0-9A-Fa-f]{4,}(?=/|$)"));
    QRegularExpressionMatch last;
    auto it = folder.globalMatch(devicePath);
    while (it.hasNext())
        last = it.next();
    if (!last.hasMatch())
        return false;
    bool vendorOk = false;
    bool productOk = false;
    const int vendor = last.captured(2).toInt(&vendorOk, 16);
    const int product = last.captured(3).toInt(&productOk, 16);
    if (!vendorOk || !productOk)
        return false;
    if (vendorId)
        *vendorId = vendor;
    if (productId)
        *productId = product;
    return true;
}
