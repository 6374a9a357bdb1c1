// SPDX-License-Identifier: GPL-3.0-or-later
// The main of a fuzz target built without libFuzzer (gcc builds): runs the target once on each
// file named, or on each file in each folder named, in name order. The tests run the seed corpus
// this way in every build, so the targets build and their corpus passes everywhere.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);
extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv);

int main(int argc, char **argv)
{
    LLVMFuzzerInitialize(&argc, &argv);
    QStringList files;
    for (int i = 1; i < argc; ++i) {
        const QString name = QFile::decodeName(argv[i]);
        if (QFileInfo(name).isDir()) {
            const QDir dir(name);
            for (const QString &entry : dir.entryList(QDir::Files, QDir::Name))
                files << dir.filePath(entry);
        } else {
            files << name;
        }
    }
    for (const QString &name : qAsConst(files)) {
        QFile file(name);
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(name));
            return 1;
        }
        const QByteArray data = file.readAll();
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(data.constData()), size_t(data.size()));
    }
    std::printf("%d inputs run\n", int(files.size()));
    return files.isEmpty() ? 1 : 0;
}
