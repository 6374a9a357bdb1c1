// SPDX-License-Identifier: GPL-3.0-or-later
// The XML store reading a macro library file of any content: the list, every macro's steps,
// and the device lists and default lighting files read through the same store.

#include "FuzzSupport.h"
#include "xmlInterface.h"

#include <QList>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz::application();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static xmlInterface xml;
    const QByteArray path = fuzz::inputFile(data, size, "xml");
    const char *file = path.constData();

    QList<IndexNameInfo> macros;
    xml.getMacroList(file, &macros);
    QList<QByteArray> keys{"1", "0", ""};
    for (int i = 0; i < macros.size() && i < 8; ++i)
        keys << QByteArray(macros.at(i).index, int(qstrnlen(macros.at(i).index, sizeof macros.at(i).index)));
    for (const QByteArray &key : qAsConst(keys)) {
        QList<MacroEventInfo> steps;
        xml.getMacroItems(file, key.constData(), &steps);
        NodeIndexName indexName;
        xml.getNodeIndexName(file, key.constData(), &indexName);
    }
    QList<HidListInfo> devices;
    xml.readHidList(file, &devices);
    QList<SupportHidInfo> supported;
    xml.readHidSupportList(file, &supported);
    QList<CustomLedItemInfo> items;
    xml.getDefaultCustomLedItems(file, "1", &items);
    return 0;
}
