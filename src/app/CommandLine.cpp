// Parsing of the tool's command line and the start-up it asks for.
#include "app/CommandLine.h"

#include "app/ApplicationFolder.h"
#include "resources/ApplicationVersion.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace halvex {
namespace {

QString absolute(const QString& path) {
    return path.isEmpty() ? path : QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

} // namespace

CommandLine::CommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Maintenance and adjustment tool of the Corvane USB microscope camera."));
    // Qt's own help option would also offer Qt's options, which are not read: the command line is
    // parsed before the windowing system is reached.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays this help."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Displays version information."));
    const QCommandLineOption settings(
        QStringLiteral("settings"),
        QStringLiteral("Loads the settings file <file> at start-up instead of asking for one."),
        QStringLiteral("file"));
    const QCommandLineOption appDir(
        QStringLiteral("appdir"),
        QStringLiteral("Uses <dir> as the application directory, where default.ini is searched "
                       "and the settings file dialogs open. Default: $HALVEX_APPDIR, else "
                       "$XDG_DATA_HOME/halvex (~/.local/share/halvex), created on first start "
                       "with the factory default.ini."),
        QStringLiteral("dir"));
    parser.addOptions({help, version, settings, appDir});

    // Qt names the program after argv[0] only when an application object exists; the tool's
    // usage always names it as the desktop entry and the package do.
    QString usage = parser.helpText();
    usage.replace(0, usage.indexOf(u'\n'), QStringLiteral("Usage: halvex [options]"));
    const auto refuse = [&](const QString& reason) {
        m_exitStatus = 1;
        m_errors = QStringLiteral("halvex: %1\n\n%2").arg(reason, usage);
    };
    if (!parser.parse(arguments)) {
        refuse(parser.errorText());
    } else if (!parser.positionalArguments().isEmpty()) {
        refuse(
            QStringLiteral("unexpected argument '%1'.").arg(parser.positionalArguments().first()));
    } else if (parser.isSet(help)) {
        m_exitStatus = 0;
        m_output = usage;
    } else if (parser.isSet(version)) {
        m_exitStatus = 0;
        m_output = QStringLiteral("Halvex Application Ver. %1\n").arg(ApplicationVersion());
    } else {
        m_applicationDirectory = absolute(parser.value(appDir));
        m_settingsFile = absolute(parser.value(settings));
    }
}

std::optional<StartupOptions> CommandLine::startupOptions(const StartupEnvironment& environment,
                                                          QString& diagnostics) const {
    StartupOptions options;
    const QString chosen = !m_applicationDirectory.isEmpty() ? m_applicationDirectory
                                                             : absolute(environment.appDirVariable);
    if (!chosen.isEmpty()) {
        if (!QFileInfo(chosen).isDir()) {
            diagnostics +=
                QStringLiteral("halvex: the application directory %1 does not exist\n").arg(chosen);
            return std::nullopt;
        }
        options.applicationDirectory = chosen;
    } else {
        std::optional<QString> folder =
            PrepareUserFolder(environment.dataHome, environment.factoryIni, diagnostics);
        if (!folder) {
            return std::nullopt;
        }
        options.applicationDirectory = *folder;
    }

    if (!m_settingsFile.isEmpty()) {
        QFile file(m_settingsFile);
        if (QFileInfo(m_settingsFile).isFile() && file.open(QIODevice::ReadOnly)) {
            options.settingsFile = m_settingsFile;
        } else {
            diagnostics += QStringLiteral("halvex: cannot read the settings file %1; choose one "
                                          "in the \"Load Ini File\" dialog\n")
                               .arg(m_settingsFile);
        }
    }
    return options;
}

} // namespace halvex
