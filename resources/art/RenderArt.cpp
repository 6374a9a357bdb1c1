// SPDX-License-Identifier: GPL-3.0-or-later
// Renders one SVG source of the program's pictures into a PNG or ICO file at build time.
//
//   zelka_art_render <source.svg> <output.png|.ico> <width>x<height> [--fit] [--swap FROM=TO]...
//
// --fit keeps the drawing's proportions and centres it in the picture (transparent around it);
// without it the drawing fills the picture. --swap replaces a text of the source before it is
// drawn, so one drawing gives the coloured variants of a picture.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

#include <cstdio>

namespace {

int fail(const QString &message)
{
    std::fprintf(stderr, "zelka_art_render: %s\n", qPrintable(message));
    return 1;
}

}  // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = app.arguments().mid(1);
    if (args.size() < 3)
        return fail(QStringLiteral("usage: <source.svg> <output> <width>x<height> [--fit] [--swap FROM=TO]..."));

    const QString sourcePath = args.at(0);
    const QString outputPath = args.at(1);
    const QStringList size = args.at(2).split(QLatin1Char('x'));
    bool okWidth = false;
    bool okHeight = false;
    const int width = size.value(0).toInt(&okWidth);
    const int height = size.size() == 2 ? size.value(1).toInt(&okHeight) : 0;
    if (!okWidth || !okHeight || width <= 0 || height <= 0 || width > 4096 || height > 4096)
        return fail(QStringLiteral("bad picture size \"%1\"").arg(args.at(2)));

    bool fit = false;
    QList<QPair<QByteArray, QByteArray>> swaps;
    for (int i = 3; i < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--fit")) {
            fit = true;
        } else if (args.at(i) == QLatin1String("--swap") && i + 1 < args.size()) {
            const QString swap = args.at(++i);
            const int eq = swap.indexOf(QLatin1Char('='));
            if (eq <= 0)
                return fail(QStringLiteral("bad swap \"%1\"").arg(swap));
            swaps.append({swap.left(eq).toUtf8(), swap.mid(eq + 1).toUtf8()});
        } else {
            return fail(QStringLiteral("unknown argument \"%1\"").arg(args.at(i)));
        }
    }

    QFile source(sourcePath);
    if (!source.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot read %1").arg(sourcePath));
    QByteArray svg = source.readAll();
    for (const auto &swap : qAsConst(swaps)) {
        if (!svg.contains(swap.first))
            return fail(QStringLiteral("%1 has no \"%2\" to swap").arg(sourcePath, QString::fromUtf8(swap.first)));
        svg.replace(swap.first, swap.second);
    }

    QSvgRenderer renderer(svg);
    if (!renderer.isValid())
        return fail(QStringLiteral("%1 is not a valid SVG drawing").arg(sourcePath));

    QRectF target(0, 0, width, height);
    if (fit) {
        QSizeF drawing = renderer.viewBoxF().size();
        drawing.scale(width, height, Qt::KeepAspectRatio);
        target = QRectF(QPointF((width - drawing.width()) / 2, (height - drawing.height()) / 2), drawing);
    }

    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        renderer.render(&painter, target);
    }

    QDir().mkpath(QFileInfo(outputPath).absolutePath());
    const QByteArray format = outputPath.endsWith(QLatin1String(".ico"), Qt::CaseInsensitive) ? "ico" : "png";
    QImageWriter writer(outputPath, format);
    if (!writer.write(image.convertToFormat(QImage::Format_ARGB32)))
        return fail(QStringLiteral("cannot write %1: %2").arg(outputPath, writer.errorString()));
    return 0;
}
