// Writes the tool's icon as ROOT/NxN/apps/halvex.png for each size N given after ROOT.
#include "resources/Bitmaps.h"

#include <QDir>
#include <cstdio>

// Painting shapes into an image needs no windowing system, so the build runs this anywhere.
int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fputs("usage: halvex_icon_export ROOT SIZE...\n", stderr);
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    for (int index = 2; index < argc; ++index) {
        const int size = QByteArray(argv[index]).toInt();
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        const QString file = root.filePath(folder + QStringLiteral("/halvex.png"));
        if (size <= 0 || !root.mkpath(folder) ||
            !halvex::applicationIconImage(size).save(file, "PNG")) {
            std::fprintf(stderr, "halvex_icon_export: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
