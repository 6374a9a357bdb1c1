// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Collects, for as long as it lives, what Qt says about style sheets it cannot read: a sheet that
// does not parse, or a colour it reads only in part (such as an alpha given to rgb()). Qt says so
// while it polishes a widget, so polish (or show) the widgets inside the scope.

#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QtGlobal>

class StyleSheetWarnings
{
public:
    StyleSheetWarnings() { m_previous = qInstallMessageHandler(&StyleSheetWarnings::collect); }
    ~StyleSheetWarnings() { qInstallMessageHandler(m_previous); }
    StyleSheetWarnings(const StyleSheetWarnings &) = delete;
    StyleSheetWarnings &operator=(const StyleSheetWarnings &) = delete;

    QStringList messages() const { return list(); }

    // Whether a sheet writes four numbers into rgb(), which Qt reads only in rgba().
    static bool hasFourPartRgb(const QString &sheet)
    {
        static const QRegularExpression fourParts(QStringLiteral("\\brgb\\(([^),]*,){3}[^)]*\\)"));
        return fourParts.match(sheet).hasMatch();
    }

private:
    static QStringList &list()
    {
        static QStringList messages;
        return messages;
    }
    static void collect(QtMsgType, const QMessageLogContext &, const QString &message)
    {
        if (message.contains(QLatin1String("Could not parse")) || message.contains(QLatin1String("parseColorValue")))
            list() << message;
    }

    QtMessageHandler m_previous = nullptr;
};
