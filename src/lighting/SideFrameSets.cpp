#include "SideFrameSets.h"

#include <QStringList>

namespace SideFrameSets {

int ledCount(const QString &modelName)
{
    static const QStringList sideStrip41Models = {QStringLiteral("ZK87S")};
    static const QStringList sideStrip49Models = {QStringLiteral("ZK104S")};
    static const QStringList sideStrip45Models = {QStringLiteral("ZK104A"), QStringLiteral("ZK104B")};
    static const QStringList sideStrip50Models = {QStringLiteral("ZK104C"), QStringLiteral("ZK104R"),
                                                  QStringLiteral("ZK104W")};
    if (sideStrip49Models.contains(modelName))
        return 49;
    if (sideStrip45Models.contains(modelName))
        return 45;
    if (sideStrip41Models.contains(modelName))
        return 41;
    if (sideStrip50Models.contains(modelName))
        return 50;
    return kDefaultLedCount;
}

} // namespace SideFrameSets
