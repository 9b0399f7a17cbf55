// halvex-calibrate: the white-balance calibration of the production line, without a display.
#include "production/CalibrateCommand.h"
#include "production/CalibrateOptions.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QStandardPaths>
#include <clocale>
#include <cstdio>
#include <memory>
#include <unistd.h>

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int index = 0; index < argc; ++index) {
        arguments << QString::fromLocal8Bit(argv[index]);
    }
    const halvex::CalibrateCommandLine commandLine(arguments);
    if (const std::optional<int> status = commandLine.exitStatus()) {
        std::fputs(commandLine.output().toLocal8Bit().constData(), stdout);
        std::fputs(commandLine.errors().toLocal8Bit().constData(), stderr);
        return *status;
    }

    // Only the plot draws text, which needs the fonts of a GUI application; off screen, it needs
    // no display either.
    std::unique_ptr<QCoreApplication> application;
    if (commandLine.options().plot.isEmpty()) {
        application = std::make_unique<QCoreApplication>(argc, argv);
    } else {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        application = std::make_unique<QGuiApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("halvex-calibrate"));
    // Numbers in the settings file use the C notation whatever the user's locale.
    std::setlocale(LC_NUMERIC, "C");

    const QString appDirVariable = qEnvironmentVariable("HALVEX_APPDIR");
    const halvex::CommandEnvironment environment{
        .applicationDirectory =
            !appDirVariable.isEmpty()
                ? QDir(appDirVariable).absolutePath()
                : QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
                      .filePath(QStringLiteral("halvex")),
        .terminal = isatty(STDERR_FILENO) == 1,
    };
    halvex::CalibrateCommand command(commandLine.options(), environment);
    return command.run();
}
