// Parsing of halvex-calibrate's command line.
#include "production/CalibrateOptions.h"

#include "resources/ApplicationVersion.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <array>
#include <string_view>

namespace halvex {
namespace {

using PanelText = QString CalibrationPanelValues::*;

// A whole-number value of the panel; gains and averages are bytes on the camera, so a value
// beyond 255 cannot be meant.
struct IntegerOption {
    const char* name;
    const char* help;
    PanelText member;
    PanelText sameValue; // the other procedure's box of the same meaning, if any
};
constexpr int IntegerMaximum = 255;

const std::array kIntegerOptions{
    IntegerOption{"initial-blue", "Blue gain written before the procedure starts",
                  &CalibrationPanelValues::initialBlue, &CalibrationPanelValues::rangeInitialBlue},
    IntegerOption{"initial-red", "Red gain written before the procedure starts",
                  &CalibrationPanelValues::initialRed, &CalibrationPanelValues::rangeInitialRed},
    IntegerOption{"green-min", "Lowest accepted average green, manual procedure",
                  &CalibrationPanelValues::greenMin, nullptr},
    IntegerOption{"green-max", "Highest accepted average green, manual procedure",
                  &CalibrationPanelValues::greenMax, nullptr},
    IntegerOption{"tolerance", "Red and blue within +/- <n> of green end the manual procedure",
                  &CalibrationPanelValues::tolerance, nullptr},
    IntegerOption{"blue-min", "Lowest accepted blue result, automatic procedure",
                  &CalibrationPanelValues::blueMin, nullptr},
    IntegerOption{"blue-max", "Highest accepted blue result, automatic procedure",
                  &CalibrationPanelValues::blueMax, nullptr},
    IntegerOption{"red-min", "Lowest accepted red result, automatic procedure",
                  &CalibrationPanelValues::redMin, nullptr},
    IntegerOption{"red-max", "Highest accepted red result, automatic procedure",
                  &CalibrationPanelValues::redMax, nullptr},
};

struct RatioOption {
    const char* name;
    const char* help;
    float RatioLimits::*member;
};

const std::array kRatioOptions{
    RatioOption{"rb-min", "Lowest accepted R/B ratio", &RatioLimits::rbMin},
    RatioOption{"rb-max", "Highest accepted R/B ratio", &RatioLimits::rbMax},
    RatioOption{"bg-min", "Lowest accepted B/G ratio", &RatioLimits::bgMin},
    RatioOption{"bg-max", "Highest accepted B/G ratio", &RatioLimits::bgMax},
    RatioOption{"rg-min", "Lowest accepted R/G ratio", &RatioLimits::rgMin},
    RatioOption{"rg-max", "Highest accepted R/G ratio", &RatioLimits::rgMax},
};
constexpr double RatioLimitMaximum = 2.0;
constexpr int RetriesMaximum = 1000;

// Limits given as a pair: the lower one must not lie above the upper one.
struct LimitPair {
    const char* lower;
    const char* upper;
};
const std::array kLimitPairs{
    LimitPair{"green-min", "green-max"}, LimitPair{"blue-min", "blue-max"},
    LimitPair{"red-min", "red-max"},     LimitPair{"rb-min", "rb-max"},
    LimitPair{"bg-min", "bg-max"},       LimitPair{"rg-min", "rg-max"},
};

double limitValue(const CalibrationPanelValues& panel, std::string_view name) {
    for (const IntegerOption& option : kIntegerOptions) {
        if (name == option.name) {
            return (panel.*option.member).toDouble();
        }
    }
    for (const RatioOption& option : kRatioOptions) {
        if (name == option.name) {
            return panel.ratioLimits.*option.member;
        }
    }
    return 0.0;
}

// The option's help with the fresh panel's value.
QString withDefault(const char* help, const QString& value) {
    return QStringLiteral("%1 (%2).").arg(QLatin1String(help), value);
}

QString absolute(const QString& path) {
    return path.isEmpty() ? path : QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

QCommandLineOption valueOption(const char* name, const QString& help, const char* valueName) {
    return QCommandLineOption(QString::fromLatin1(name), help, QString::fromLatin1(valueName));
}

QCommandLineOption valueOption(const char* name, const char* help, const char* valueName) {
    return valueOption(name, QString::fromLatin1(help), valueName);
}

const char* const Description =
    "Calibrates the white balance of the Corvane USB microscope camera on a white target without "
    "a display: opens the camera, checks its identity, runs the camera start-up sequence from the "
    "settings file and then the manual or the automatic adjustment procedure.\n"
    "Progress goes to standard error, the result to standard output.\n"
    "Exit status: 0 passed; 1 calibration failed; 2 camera failure; 3 bad input.";

} // namespace

CalibrateCommandLine::CalibrateCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromLatin1(Description));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays this help."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Displays version information."));
    const QCommandLineOption settings = valueOption(
        "settings",
        "Settings file whose stored adjustments the start-up applies (default: default.ini of the "
        "application directory, $HALVEX_APPDIR or $XDG_DATA_HOME/halvex).",
        "file");
    const QCommandLineOption procedure =
        valueOption("procedure", "manual (the default) or auto.", "procedure");
    const QCommandLineOption autoRatio(
        QStringLiteral("auto-ratio-check"),
        QStringLiteral("After a time-out, the manual procedure continues by the ratio limits."));
    const QCommandLineOption retries = valueOption(
        "retries", "Answers Retry to the first <n> Retry/Cancel questions, then Cancel (0).", "n");
    const QCommandLineOption json(QStringLiteral("json"),
                                  QStringLiteral("Prints the report as JSON."));
    const QCommandLineOption writeSettings = valueOption(
        "write-settings",
        "On a passing run, stores the new white balance in <file> (a backup is made first).",
        "file");
    const QCommandLineOption trace =
        valueOption("trace", "Writes every pass to <file> as CSV.", "file.csv");
    const QCommandLineOption plot =
        valueOption("plot", "Draws the passes into <file> as a PNG image.", "file.png");
    QCommandLineOption virtualTime(QStringLiteral("virtual-time"));
    virtualTime.setFlags(QCommandLineOption::HiddenFromHelp);

    parser.addOptions({help, version, settings, procedure});
    const CalibrationPanelValues& fresh = kCalibrationPanelDefaults;
    for (const IntegerOption& option : kIntegerOptions) {
        parser.addOption(
            valueOption(option.name, withDefault(option.help, fresh.*option.member), "n"));
    }
    parser.addOption(autoRatio);
    for (const RatioOption& option : kRatioOptions) {
        parser.addOption(valueOption(
            option.name,
            withDefault(option.help, QString::number(fresh.ratioLimits.*option.member)), "x"));
    }
    parser.addOptions({retries, json, writeSettings, trace, plot, virtualTime});

    QString usage = parser.helpText();
    usage.replace(0, usage.indexOf(u'\n'), QStringLiteral("Usage: halvex-calibrate [options]"));
    const auto refuse = [&](const QString& reason) {
        m_exitStatus = 3;
        m_errors = QStringLiteral("halvex-calibrate: %1\n").arg(reason);
    };
    const auto integer = [&](const QString& name, int minimum, int maximum, int& target) {
        bool ok = false;
        const int value = parser.value(name).toInt(&ok, 10);
        if (!ok || value < minimum || value > maximum) {
            refuse(QStringLiteral("--%1 '%2' is not a whole number from %3 to %4")
                       .arg(name, parser.value(name))
                       .arg(minimum)
                       .arg(maximum));
            return false;
        }
        target = value;
        return true;
    };

    if (!parser.parse(arguments)) {
        refuse(parser.errorText());
        return;
    }
    if (!parser.positionalArguments().isEmpty()) {
        refuse(
            QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().first()));
        return;
    }
    if (parser.isSet(help)) {
        m_exitStatus = 0;
        m_output = usage;
        return;
    }
    if (parser.isSet(version)) {
        m_exitStatus = 0;
        m_output = QStringLiteral("Halvex Application Ver. %1\n").arg(ApplicationVersion());
        return;
    }

    CalibrateOptions& options = m_options;
    if (parser.isSet(procedure)) {
        const QString name = parser.value(procedure);
        if (name == QLatin1String("manual") || name == QLatin1String("auto")) {
            options.procedure = name == QLatin1String("auto") ? CalibrationProcedure::Automatic
                                                              : CalibrationProcedure::Manual;
        } else {
            refuse(QStringLiteral("--procedure '%1' is neither manual nor auto").arg(name));
            return;
        }
    }
    for (const IntegerOption& option : kIntegerOptions) {
        const QString name = QString::fromLatin1(option.name);
        int value = 0;
        if (!parser.isSet(name)) {
            continue;
        }
        if (!integer(name, 0, IntegerMaximum, value)) {
            return;
        }
        options.panel.*option.member = QString::number(value);
        if (option.sameValue != nullptr) {
            options.panel.*option.sameValue = QString::number(value);
        }
    }
    for (const RatioOption& option : kRatioOptions) {
        const QString name = QString::fromLatin1(option.name);
        if (!parser.isSet(name)) {
            continue;
        }
        bool ok = false;
        const double value = parser.value(name).toDouble(&ok);
        if (!ok || !(value >= 0.0 && value <= RatioLimitMaximum)) {
            refuse(QStringLiteral("--%1 '%2' is not a number from 0.0 to 2.0")
                       .arg(name, parser.value(name)));
            return;
        }
        options.panel.ratioLimits.*option.member = static_cast<float>(value);
    }
    for (const LimitPair& pair : kLimitPairs) {
        if (limitValue(options.panel, pair.lower) > limitValue(options.panel, pair.upper)) {
            refuse(QStringLiteral("--%1 lies above --%2")
                       .arg(QLatin1String(pair.lower), QLatin1String(pair.upper)));
            return;
        }
    }
    if (parser.isSet(retries) &&
        !integer(QStringLiteral("retries"), 0, RetriesMaximum, options.retries)) {
        return;
    }
    options.panel.autoRatioCheck = parser.isSet(autoRatio);
    options.settingsFile = absolute(parser.value(settings));
    options.json = parser.isSet(json);
    options.writeSettings = absolute(parser.value(writeSettings));
    options.trace = absolute(parser.value(trace));
    options.plot = absolute(parser.value(plot));
    options.virtualTime = parser.isSet(virtualTime);
}

} // namespace halvex
