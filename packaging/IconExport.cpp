// Writes the tool's icon as ROOT/NxN/apps/halvex.png for each size N given after ROOT.
#include "resources/Bitmaps.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() < 3) {
        std::fputs("usage: halvex_icon_export ROOT SIZE...\n", stderr);
        return 2;
    }
    const QDir root(arguments[1]);
    for (const QString& text : arguments.mid(2)) {
        const int size = text.toInt();
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
