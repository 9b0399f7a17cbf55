// The tool's command line: help, version, the application directory and a settings file to load
// at start-up.
#pragma once

#include "app/StartupOptions.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace halvex {

// Where the start-up looks when the command line names no application directory.
struct StartupEnvironment {
    QString appDirVariable; // HALVEX_APPDIR
    QString dataHome;       // the XDG data home, parent of the per-user folder
    QString factoryIni;     // the read-only default.ini installed with the program
};

class CommandLine {
public:
    // Parses arguments (program name first); never prints and never ends the process, so that it
    // can run before the windowing system is reached.
    explicit CommandLine(const QStringList& arguments);

    // Set when the tool ends at once: 0 after --help or --version, 1 after a usage error.
    std::optional<int> exitStatus() const { return m_exitStatus; }
    // For standard output: the help or version text.
    const QString& output() const { return m_output; }
    // For standard error: what was wrong with the arguments, then the usage.
    const QString& errors() const { return m_errors; }

    // --appdir, absolute; empty when not given.
    const QString& applicationDirectory() const { return m_applicationDirectory; }
    // --settings, absolute; empty when not given.
    const QString& settingsFile() const { return m_settingsFile; }

    // The start-up these arguments ask for: the application directory is --appdir, else
    // HALVEX_APPDIR, else the per-user folder (created and seeded on first start); a settings
    // file that cannot be read is dropped so that the load dialog asks, as it would for a file
    // it refuses. Nothing when the folder cannot be used. Reasons and warnings go to diagnostics.
    std::optional<StartupOptions> startupOptions(const StartupEnvironment& environment,
                                                 QString& diagnostics) const;

private:
    std::optional<int> m_exitStatus;
    QString m_output;
    QString m_errors;
    QString m_applicationDirectory;
    QString m_settingsFile;
};

} // namespace halvex
