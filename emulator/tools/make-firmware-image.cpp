// Writes a synthetic firmware image as Intel HEX, for the demo's resources:
//   zelka-make-firmware-image "NUC121,01,KB,ZK,ZK87A,V1.03" ZK87A.hex

#include "FirmwareImageMaker.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: zelka-make-firmware-image <version text> <output.hex>\n");
        return 2;
    }
    if (!emu::writeFirmwareHex(args[1], args[2])) {
        std::fprintf(stderr, "cannot write an image for \"%s\" to %s\n", qPrintable(args[1]), qPrintable(args[2]));
        return 1;
    }
    return 0;
}
