// SPDX-License-Identifier: GPL-3.0-or-later
// The XML store reading a profile file of any content: every reader the program calls on a
// profile file, for the profiles the file lists and for names it does not.

#include "FuzzSupport.h"
#include "xmlInterface.h"

#include <QList>
#include <QStringList>

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

    xml.getProfileIndex(file);
    QList<IndexNameInfo> profiles;
    xml.getProfileList(file, &profiles);
    QList<QByteArray> keys{"1", "0", "-1", ""};
    for (int i = 0; i < profiles.size() && i < 4; ++i)
        keys << QByteArray(profiles.at(i).index, int(qstrnlen(profiles.at(i).index, sizeof profiles.at(i).index)));

    for (const QByteArray &key : qAsConst(keys)) {
        const char *profile = key.constData();
        ProfileConfigInfo info;
        xml.getProfileInfo(file, profile, &info);
        NodeIndexName indexName;
        xml.getNodeIndexName(file, profile, &indexName);
        xml.findNodeByValue(file, profile);

        QStringList codes;
        xml.getKeyMapCodes(file, profile, &codes);
        for (int i = 0; i < codes.size() && i < 8; ++i) {
            const QByteArray code = codes.at(i).toUtf8();
            CustomKeyInfo keyInfo;
            xml.getKeyMapItems(file, profile, code.constData(), &keyInfo);
            xml.hasKeyMapItem(file, profile, code.constData());
            xml.getKeyMapValue(file, profile, code.constData());
            QList<MacroEventInfo> steps;
            xml.getBindMacroItems(file, profile, code.constData(), &steps);
        }
        QList<MacroEventInfo> steps;
        xml.getBindMacroItems(file, profile, "1", &steps);

        for (int zone = 0; zone < 3; ++zone) {
            colorInfoData light;
            xml.getLightItem(file, profile, zone, 1, &light);
            xml.hasLightItem(file, profile, zone, 6);
            xml.getLightUsingIndex(file, profile, zone);
            xml.getLinkStatus(file, profile, zone);
        }
        xml.getLightSwitch(file, profile);
        xml.getSynchronizeStatus(file, profile);

        QList<CustomColorInfo> colors;
        xml.getCustomColors(file, profile, &colors);
        QList<CustomLedInfo> leds;
        xml.getCustomLeds(file, profile, &leds);
        for (int i = 0; i < leds.size() && i < 4; ++i) {
            QList<CustomLedItemInfo> items;
            xml.getCustomLedItems(file, profile, leds.at(i).index, &items);
        }
        xml.findCustomLedByFlag(file, profile);

        xml.getDpiUsingIndex(file, profile);
        QList<DpiItemInfo> dpis;
        xml.getDpiItems(file, profile, &dpis);

        FunctionSetting setting;
        xml.getFunctionSetting(file, profile, &setting);
        for (int n = 0; n < 5; ++n)
            xml.getFeature(file, profile, n);
    }
    return 0;
}
