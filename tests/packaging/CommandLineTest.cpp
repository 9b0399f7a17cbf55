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

TEST(CommandLineTest, VersionIsTheOneTheDeviceInformationShows) {
    for (const char* option : {"--version", "-v"}) {
        const CommandLine line = parse({QString::fromLatin1(option)});
        EXPECT_EQ(line.exitStatus(), 0) << option;
        EXPECT_EQ(line.output(), QStringLiteral("Halvex Application Ver. 2.02.01\n")) << option;
        EXPECT_TRUE(line.errors().isEmpty()) << option;
    }
}

TEST(CommandLineTest, HelpListsEveryOptionOnStandardOutput) {
    for (const char* option : {"--help", "-h"}) {
        const CommandLine line = parse({QString::fromLatin1(option)});
        EXPECT_EQ(line.exitStatus(), 0) << option;
        for (const char* expected : {"Usage: halvex [options]", "-h, --help", "-v, --version",
                                     "--settings <file>", "--appdir <dir>", "HALVEX_APPDIR"}) {
            EXPECT_TRUE(line.output().contains(QLatin1String(expected))) << option << expected;
        }
        EXPECT_TRUE(line.errors().isEmpty()) << option;
    }
}

TEST(CommandLineTest, WrongArgumentsPrintTheReasonAndTheUsageAndFail) {
    struct Case {
        QStringList arguments;
        const char* reason;
    };
    const Case cases[] = {
        {{QStringLiteral("--bogus")}, "halvex: Unknown option 'bogus'.\n\nUsage: halvex [options]"},
        {{QStringLiteral("-x"), QStringLiteral("--version")},
         "halvex: Unknown option 'x'.\n\nUsage: halvex [options]"},
        {{QStringLiteral("--settings")},
         "halvex: Missing value after '--settings'.\n\nUsage: halvex [options]"},
        {{QStringLiteral("default.ini")},
         "halvex: unexpected argument 'default.ini'.\n\nUsage: halvex [options]"},
    };
    for (const Case& c : cases) {
        const CommandLine line = parse(c.arguments);
        EXPECT_EQ(line.exitStatus(), 1) << c.reason;
        EXPECT_TRUE(line.errors().startsWith(QLatin1String(c.reason)))
            << line.errors().toStdString();
        EXPECT_TRUE(line.errors().contains(QLatin1String("--settings <file>"))) << c.reason;
        EXPECT_TRUE(line.output().isEmpty()) << c.reason;
    }
}

TEST(CommandLineTest, PathsAreTakenRelativeToTheCurrentDirectory) {
    const CommandLine line = parse({QStringLiteral("--settings"), QStringLiteral("shop/a.ini"),
                                    QStringLiteral("--appdir=/srv/halvex/")});
    EXPECT_FALSE(line.exitStatus());
    EXPECT_EQ(line.settingsFile(), QDir::current().filePath(QStringLiteral("shop/a.ini")));
    EXPECT_EQ(line.applicationDirectory(), QStringLiteral("/srv/halvex"));

    const CommandLine plain = parse({});
    EXPECT_FALSE(plain.exitStatus());
    EXPECT_TRUE(plain.settingsFile().isEmpty());
    EXPECT_TRUE(plain.applicationDirectory().isEmpty());
}

} // namespace
} // namespace halvex
