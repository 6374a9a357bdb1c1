#include "FirmwareVersion.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

struct NumberedVersion {
    bool valid = false;
    QChar letter;
    QStringList parts;
};

NumberedVersion numbered(const QString &text)
{
    static const QRegularExpression shape(QStringLiteral("^([A-Za-z]?)([0-9]+(?:\\.[0-9]+)*)$"));
    const QRegularExpressionMatch match = shape.match(text);
    NumberedVersion v;
    if (!match.hasMatch())
        return v;
    v.valid = true;
    const QString letter = match.captured(1);
    v.letter = letter.isEmpty() ? QChar() : letter[0].toUpper();
    v.parts = match.captured(2).split(QLatin1Char('.'));
    return v;
}

int sign(int value)
{
    return (value > 0) - (value < 0);
}

// Two runs of digits by value, however long they are.
int compareNumbers(QString a, QString b)
{
    while (a.size() > 1 && a.startsWith(QLatin1Char('0')))
        a.remove(0, 1);
    while (b.size() > 1 && b.startsWith(QLatin1Char('0')))
        b.remove(0, 1);
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return sign(a.compare(b));
}

}  // namespace

int FirmwareVersion::compare(const QString &a, const QString &b)
{
    const NumberedVersion va = numbered(a);
    const NumberedVersion vb = numbered(b);
    if (va.valid && vb.valid && va.letter == vb.letter) {
        const int parts = qMax(va.parts.size(), vb.parts.size());
        for (int i = 0; i < parts; ++i) {
            const int c =
                compareNumbers(va.parts.value(i, QStringLiteral("0")), vb.parts.value(i, QStringLiteral("0")));
            if (c != 0)
                return c;
        }
        return 0;
    }
    return sign(QString::compare(a, b, Qt::CaseInsensitive));
}
