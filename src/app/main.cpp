// Halvex: the maintenance and adjustment tool of the Corvane USB microscope camera.
#include "app/CommandLine.h"
#include "app/HalvexApp.h"
#include "framework/DialogService.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <clocale>
#include <cstdio>

namespace {

void print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}

} // namespace

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int index = 0; index < argc; ++index) {
        arguments << QString::fromLocal8Bit(argv[index]);
    }
    // Help, version and usage errors answer on a terminal without a display.
    const halvex::CommandLine commandLine(arguments);
    if (const std::optional<int> status = commandLine.exitStatus()) {
        print(stdout, commandLine.output());
        print(stderr, commandLine.errors());
        return *status;
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Halvex"));
    // Ties the windows to the menu entry's icon and name.
    QApplication::setDesktopFileName(QStringLiteral("halvex"));
    // Numbers in the settings file and the dialogs use the C notation whatever the user's locale.
    std::setlocale(LC_NUMERIC, "C");

    const halvex::StartupEnvironment environment{
        .appDirVariable = qEnvironmentVariable("HALVEX_APPDIR"),
        .dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
        .factoryIni = QDir(QApplication::applicationDirPath()).filePath(HALVEX_FACTORY_INI),
    };
    QString diagnostics;
    const std::optional<halvex::StartupOptions> options =
        commandLine.startupOptions(environment, diagnostics);
    print(stderr, diagnostics);
    if (!options) {
        // Started from the desktop menu, nobody reads standard error.
        halvex::MessageRequest request;
        request.text = diagnostics.trimmed();
        request.icon = halvex::MessageIcon::Stop;
        halvex::dialogService().messageBox(request, nullptr);
        return 1;
    }
    halvex::HalvexApp app(*options);
    app.InitInstance();
    return 0;
}
