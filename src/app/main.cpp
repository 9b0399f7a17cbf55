// Halvex: the maintenance and adjustment tool of the Corvane USB microscope camera.
#include "app/HalvexApp.h"

#include <QApplication>
#include <clocale>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Halvex"));
    // Numbers in the settings file and the dialogs use the C notation whatever the user's locale.
    std::setlocale(LC_NUMERIC, "C");
    halvex::HalvexApp app;
    app.InitInstance();
    return 0;
}
