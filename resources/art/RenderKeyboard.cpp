// SPDX-License-Identifier: GPL-3.0-or-later
// Draws a keyboard's picture from its key layout file at build time: the board, each cap where
// its key is with its caption, and the side light strip, transparent around the board.
//
//   zelka_keyboard_render <layout.config> <output.png> <layout width>x<height> <picture width>x<height>
//
// The layout's coordinates span the first size; the drawing is scaled to fit the picture, keeping
// its proportions, and centred. The colours are those of draw-svg.py.

#include "KeyLayoutFile.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>

namespace {

const QColor kBody(0x4b, 0x4e, 0x54);
const QColor kBodyEdge(0x38, 0x3a, 0x3f);
const QColor kKey(0x8e, 0x92, 0x99);
const QColor kKeyModifier(0x74, 0x78, 0x7f);
const QColor kKeyTop(0xa3, 0xa7, 0xad, 115);
const QColor kStrip(0xe9, 0xec, 0xef);
const QColor kCaption(0x1f, 0x21, 0x24);

constexpr qreal kBoardPadding = 8;

int fail(const QString &message)
{
    std::fprintf(stderr, "zelka_keyboard_render: %s\n", qPrintable(message));
    return 1;
}

bool parseSize(const QString &text, QSize *size)
{
    const QStringList parts = text.split(QLatin1Char('x'));
    bool okWidth = false;
    bool okHeight = false;
    const int width = parts.value(0).toInt(&okWidth);
    const int height = parts.size() == 2 ? parts.value(1).toInt(&okHeight) : 0;
    if (!okWidth || !okHeight || width <= 0 || height <= 0 || width > 8192 || height > 8192)
        return false;
    *size = QSize(width, height);
    return true;
}

// Letters and digits get the light caps, everything else the darker ones.
bool isCharacterKey(int dec)
{
    return (dec >= 4 && dec <= 39) || (dec >= 45 && dec <= 56 && dec != 49) || (dec >= 89 && dec <= 99);
}

void drawCaption(QPainter &painter, const QRectF &cap, const QString &caption)
{
    if (caption.isEmpty())
        return;
    QFont font = painter.font();
    qreal size = cap.height() * 0.34;
    const qreal room = cap.width() - cap.height() * 0.2;
    for (; size > 3; size -= 0.5) {
        font.setPixelSize(qRound(size));
        if (QFontMetricsF(font).horizontalAdvance(caption) <= room)
            break;
    }
    painter.setFont(font);
    painter.setPen(kCaption);
    painter.drawText(cap, Qt::AlignCenter, caption);
}

}  // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = app.arguments().mid(1);
    if (args.size() != 4)
        return fail(QStringLiteral("usage: <layout.config> <output.png> <layout W>x<H> <picture W>x<H>"));
    QSize layoutSize;
    QSize pictureSize;
    if (!parseSize(args.at(2), &layoutSize) || !parseSize(args.at(3), &pictureSize))
        return fail(QStringLiteral("bad size \"%1\" or \"%2\"").arg(args.at(2), args.at(3)));

    KeyLayoutFile layout;
    if (!layout.load(args.at(0)))
        return fail(QStringLiteral("cannot read %1: %2").arg(args.at(0), layout.errorString()));

    QRectF board;
    QVector<QPair<QRectF, KeyLayoutKey>> caps;
    for (const KeyLayoutKey &key : layout.keys()) {
        if (key.width <= 0 || key.height <= 0)
            continue;
        const QRectF cap(key.posX, key.posY, key.width, key.height);
        caps.append({cap, key});
        board = board.united(cap);
    }
    QVector<QRectF> leds;
    for (const KeyLayoutSideLed &led : layout.sideLeds()) {
        if (led.validStatus != 1 || led.width <= 0 || led.height <= 0)
            continue;
        leds.append(QRectF(led.posX, led.posY, led.width, led.height));
        board = board.united(leds.last());
    }
    if (board.isEmpty())
        return fail(QStringLiteral("%1 has no keys").arg(args.at(0)));
    board.adjust(-kBoardPadding, -kBoardPadding, kBoardPadding, kBoardPadding);

    const qreal scale =
        qMin(qreal(pictureSize.width()) / layoutSize.width(), qreal(pictureSize.height()) / layoutSize.height());
    const QPointF offset((pictureSize.width() - layoutSize.width() * scale) / 2,
                         (pictureSize.height() - layoutSize.height() * scale) / 2);

    QImage image(pictureSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.translate(offset);
        painter.scale(scale, scale);

        painter.setPen(Qt::NoPen);
        painter.setBrush(kBodyEdge);
        painter.drawRoundedRect(board, 8, 8);
        painter.setBrush(kBody);
        painter.drawRoundedRect(board.adjusted(2.4, 2.4, -2.4, -2.4), 6.5, 6.5);

        for (const QRectF &strip : qAsConst(leds)) {
            painter.setBrush(kStrip);
            painter.drawRoundedRect(strip, strip.height() / 2, strip.height() / 2);
        }

        for (const auto &cap : qAsConst(caps)) {
            const QRectF &rect = cap.first;
            painter.setPen(Qt::NoPen);
            painter.setBrush(isCharacterKey(cap.second.dec) ? kKey : kKeyModifier);
            painter.drawRoundedRect(rect, 3, 3);
            painter.setBrush(kKeyTop);
            painter.drawRoundedRect(rect.adjusted(2.5, 1.5, -2.5, -3.5), 2, 2);
            drawCaption(painter, rect.adjusted(1, 0, -1, -2), cap.second.caption);
        }
    }

    const QString output = args.at(1);
    QDir().mkpath(QFileInfo(output).absolutePath());
    QImageWriter writer(output, "png");
    if (!writer.write(image.convertToFormat(QImage::Format_ARGB32)))
        return fail(QStringLiteral("cannot write %1: %2").arg(output, writer.errorString()));
    return 0;
}
