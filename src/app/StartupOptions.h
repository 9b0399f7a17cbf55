// What the main window's start-up takes from outside: the application directory and, optionally,
// the settings file to load without asking.
#pragma once

#include <QDir>
#include <QString>

namespace halvex {

struct StartupOptions {
    // Where default.ini is searched and the settings file dialogs open. Unless the command line
    // chose a folder, the current directory, as the build-folder runs and the tests have it.
    QString applicationDirectory = QDir::currentPath();
    // Loaded at start-up as if chosen in the "Load Ini File" dialog; empty: the dialog asks.
    QString settingsFile;
};

} // namespace halvex
