#include "KeyboardModelFacts.h"

namespace {

constexpr int kNotchWidth = 10;
constexpr int kUpperHeight = 30;

} // namespace

const QVector<KeyboardModelFacts> &KeyboardModelFacts::all()
{
    static const QVector<KeyboardModelFacts> table = {
        {"ZK87A", "87", 0, false, kNotchWidth, kUpperHeight, {}},
        {"ZK87B", "87", 0, false, kNotchWidth, kUpperHeight, {}},
        {"ZK87C", "87", 0, false, kNotchWidth, kUpperHeight, {}},
        {"ZK87R", "87", 0, false, kNotchWidth, kUpperHeight, {38, 39, 41}},
        {"ZK87S", "87S", 41, true, kNotchWidth, kUpperHeight, {}},
        {"ZK87W", "87", 0, false, kNotchWidth, kUpperHeight, {}},
        {"ZK104A", "104", 0, false, kNotchWidth, kUpperHeight, {}},
        {"ZK104B", "104", 0, false, kNotchWidth, kUpperHeight, {}},
        {"ZK104C", "104", 0, false, kNotchWidth, kUpperHeight, {}},
        {"ZK104R", "104", 0, false, kNotchWidth, kUpperHeight, {}},
        {"ZK104S", "104S", 49, true, kNotchWidth, kUpperHeight, {}},
        {"ZK104W", "104", 0, false, kNotchWidth, kUpperHeight, {}},
    };
    return table;
}

KeyboardModelFacts KeyboardModelFacts::of(const QString &model)
{
    for (const KeyboardModelFacts &facts : all()) {
        if (model == QLatin1String(facts.model))
            return facts;
    }
    return {"", "", 0, false, kNotchWidth, kUpperHeight, {}};
}
