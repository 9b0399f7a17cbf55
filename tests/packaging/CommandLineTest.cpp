// The command line: help, version, usage errors and the paths it takes.
#include "app/CommandLine.h"

#include <QDir>
#include <gtest/gtest.h>

namespace halvex {
namespace {

CommandLine parse(QStringList arguments) {
    arguments.prepend(QStringLiteral("halvex"));
    return CommandLine(arguments);
}

// Version (the one the device information shows) and help go to standard output and succeed.
TEST(CommandLineTest, VersionAndHelpPrintOnStandardOutput) {
    for (const char* option : {"--version", "-v", "--help", "-h"}) {
        const CommandLine line = parse({QString::fromLatin1(option)});
        EXPECT_EQ(line.exitStatus(), 0) << option;
        EXPECT_TRUE(line.errors().isEmpty()) << option;
        if (QByteArray(option).contains('v')) {
            EXPECT_EQ(line.output(), QStringLiteral("Halvex Application Ver. 2.02.01\n")) << option;
            continue;
        }
        for (const char* expected : {"Usage: halvex [options]", "-h, --help", "-v, --version",
                                     "--settings <file>", "--appdir <dir>", "HALVEX_APPDIR"}) {
            EXPECT_TRUE(line.output().contains(QLatin1String(expected))) << option << expected;
        }
    }
}

TEST(CommandLineTest, WrongArgumentsPrintTheReasonAndTheUsageAndFail) {
    const std::pair<QStringList, const char*> cases[] = {
        {{QStringLiteral("--bogus")}, "Unknown option 'bogus'."},
        {{QStringLiteral("-x"), QStringLiteral("--version")}, "Unknown option 'x'."},
        {{QStringLiteral("--settings")}, "Missing value after '--settings'."},
        {{QStringLiteral("default.ini")}, "unexpected argument 'default.ini'."},
    };
    for (const auto& [arguments, reason] : cases) {
        const CommandLine line = parse(arguments);
        EXPECT_EQ(line.exitStatus(), 1) << reason;
        EXPECT_TRUE(line.errors().startsWith(
            QStringLiteral("halvex: %1\n\nUsage: halvex [options]").arg(QLatin1String(reason))))
            << line.errors().toStdString();
        EXPECT_TRUE(line.errors().contains(QLatin1String("--settings <file>"))) << reason;
        EXPECT_TRUE(line.output().isEmpty()) << reason;
    }
}

TEST(CommandLineTest, PathsAreTakenRelativeToTheCurrentDirectory) {
    const CommandLine line = parse({QStringLiteral("--settings"), QStringLiteral("shop/a.ini"),
                                    QStringLiteral("--appdir=/srv/halvex/")});
    EXPECT_FALSE(line.exitStatus());
    EXPECT_EQ(line.settingsFile(), QDir::current().filePath(QStringLiteral("shop/a.ini")));
    EXPECT_EQ(line.applicationDirectory(), QStringLiteral("/srv/halvex"));
    EXPECT_FALSE(parse({}).exitStatus());
    EXPECT_TRUE(parse({}).settingsFile().isEmpty());
    EXPECT_TRUE(parse({}).applicationDirectory().isEmpty());
}

} // namespace
} // namespace halvex
