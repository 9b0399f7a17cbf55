// halvex-calibrate run as the production line runs it: exit status, report, settings file, trace
// and plot; camera faults injected into the command in-process.
#include "production/CalibrateCommand.h"
#include "AppTestEnvironment.h"
#include "FileBytes.h"

#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

namespace halvex::test {
namespace {

struct Outcome {
    int status = -1;
    QJsonObject report; // with --json
    QString lastError;  // the last line on standard error
};

// The program in a folder of its own (the application directory, with the factory default.ini,
// and the camera's lock), started in virtual time with the given VX3SIM_ variables; arguments and
// variables are blank-separated.
class CalibrateProgramTest : public AppTest {
protected:
    QString ini() const { return workPath(QStringLiteral("default.ini")); }
    QString path(const char* name) const { return workPath(QString::fromLatin1(name)); }

    Outcome run(const QString& arguments, const QString& camera = {}) const {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"VX3SIM_SENSOR", "VX3SIM_UNIT", "VX3SIM_BAD_UNIT"}) {
            environment.remove(QString::fromLatin1(name));
        }
        environment.insert(QStringLiteral("TMPDIR"), workDir());
        environment.insert(QStringLiteral("HALVEX_APPDIR"), workDir());
        for (const QString& variable : camera.split(u' ', Qt::SkipEmptyParts)) {
            environment.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
        }
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(HALVEX_CALIBRATE),
                      QStringList{QStringLiteral("--virtual-time")} +
                          arguments.split(u' ', Qt::SkipEmptyParts));
        EXPECT_TRUE(process.waitForFinished(60'000));
        const QStringList errors =
            QString::fromLocal8Bit(process.readAllStandardError()).split(u'\n', Qt::SkipEmptyParts);
        return {process.exitCode(),
                QJsonDocument::fromJson(process.readAllStandardOutput()).object(),
                errors.isEmpty() ? QString() : errors.last()};
    }
    Outcome runJson(const QString& arguments, const QString& camera = {}) const {
        return run("--json --settings " + ini() + u' ' + arguments, camera);
    }
};

struct UnitCase {
    const char* camera; // VX3SIM_ variables, blank-separated
    const char* procedure;
    const char* panel; // panel options, blank-separated
    int status;
    const char* verdict;
};

// The nominal unit's manual runs on both sensors pass where the settings are written.
TEST_F(CalibrateProgramTest, EachUnitEndsWithItsVerdict) {
    const UnitCase cases[] = {
        {"VX3SIM_SENSOR=OV7610", "auto", "", 0, "pass"},
        {"VX3SIM_SENSOR=OV7620", "auto", "", 0, "pass"},
        {"VX3SIM_UNIT=17", "manual", "", 0, "pass"},
        {"VX3SIM_SENSOR=OV7620 VX3SIM_UNIT=17", "manual", "", 0, "pass"},
        {"VX3SIM_BAD_UNIT=warm-lamp", "auto", "", 1, "out-of-range"},
        {"VX3SIM_BAD_UNIT=unsettled-balance", "auto", "", 1, "timeout"},
        {"VX3SIM_BAD_UNIT=dark-target", "manual", "", 1, "green-out-of-limits"},
        {"VX3SIM_BAD_UNIT=bright-target", "manual", "", 1, "green-out-of-limits"},
        {"VX3SIM_BAD_UNIT=stuck-register", "manual", "", 1, "timeout"},
        // The panel's values reach the procedures: the nominal unit's green of 166 and blue of 140.
        {"VX3SIM_SENSOR=OV7610", "manual", "--green-max 160", 1, "green-out-of-limits"},
        {"VX3SIM_SENSOR=OV7610", "auto", "--blue-max 139", 1, "out-of-range"},
    };
    for (const UnitCase& c : cases) {
        SCOPED_TRACE(std::string(c.camera) + " " + c.procedure + " " + c.panel);
        const Outcome outcome =
            runJson(QStringLiteral("--procedure %1 %2").arg(c.procedure, c.panel),
                    QString::fromLatin1(c.camera));
        EXPECT_EQ(outcome.status, c.status);
        EXPECT_EQ(outcome.report[u"verdict"].toString(), QLatin1String(c.verdict));
        EXPECT_EQ(outcome.report[u"procedure"].toString(), QLatin1String(c.procedure));
    }
}

TEST_F(CalibrateProgramTest, ReportTraceAndPlotHoldEveryPass) {
    const Outcome outcome = runJson("--trace " + path("run.csv") + " --plot " + path("run.png"));
    const QJsonObject& report = outcome.report;
    // The identity lines are the Device Information box's, which the start-up tests check.
    EXPECT_EQ(report[u"camera"].toArray().size(), 8);
    EXPECT_EQ(report[u"version"].toString(), QStringLiteral("2.02.01"));
    EXPECT_EQ(report[u"sensor"].toString(), QStringLiteral("OV7610"));
    EXPECT_EQ(report[u"settings"].toString(), ini());
    EXPECT_EQ(QJsonDocument(report[u"final"].toObject()).toJson(QJsonDocument::Compact),
              R"({"blue":139,"blueHex":"8b","red":49,"redHex":"31"})");
    // The last pass met the tolerance of 2 around green; its gains are those kept.
    EXPECT_EQ(report[u"passes"][10][u"blue"].toInt(), 139);
    const QList<QByteArray> lines = fileBytes(path("run.csv")).trimmed().split('\n');
    EXPECT_EQ(lines.first(), "pass,seconds,r,g,b,blue,red,match,rb,bg,rg");
    EXPECT_EQ(lines.last(), "11,19.033,168,166,167,139,49,98.19,1.0060,1.0060,1.0120");
    EXPECT_EQ(lines.size() - 1, report[u"passes"].toArray().size());
    EXPECT_EQ(QImage(path("run.png"), "PNG").size(), QSize(800, 480));
}

TEST_F(CalibrateProgramTest, RetriesAnswerTheTimeOutBeforeCancel) {
    const Outcome outcome = runJson(QStringLiteral("--procedure auto --retries 1"),
                                    QStringLiteral("VX3SIM_BAD_UNIT=unsettled-balance"));
    EXPECT_EQ(outcome.status, 1);
    // The unit's wandering read-back also outlasts the start-up's white-balance check.
    EXPECT_EQ(QJsonDocument(outcome.report[u"messages"].toArray()).toJson(QJsonDocument::Compact),
              R"([{"answer":"OK","text":" WhiteBalance Initialization error! \n Please push READ )"
              R"(button and check the value."},{"answer":"Retry","text":"Operation timeout!"},)"
              R"({"answer":"Cancel","text":"Operation timeout!"}])");
}

// A run that passes writes the sensor's white balance into the settings file after a backup of
// it; a run that fails leaves the file alone and names its verdict.
TEST_F(CalibrateProgramTest, WriteSettingsChangesOnlyTheSensorsWhiteBalanceLines) {
    struct Case {
        const char* camera;
        QByteArray before, after;
        int status;
        const char* lastError;
    };
    const Case cases[] = {
        {"VX3SIM_SENSOR=OV7610", "[WhiteBalance]\r\nBlue=8c\r\nRed=30\r\n",
         "[WhiteBalance]\r\nBlue=8b\r\nRed=31\r\n", 0, "The file was successfully saved. [OK]"},
        {"VX3SIM_SENSOR=OV7620", "[WhiteBalance2]\r\nBlue=8c\r\nRed=30\r\n",
         "[WhiteBalance2]\r\nBlue=97\r\nRed=2e\r\n", 0, "The file was successfully saved. [OK]"},
        {"VX3SIM_BAD_UNIT=dark-target", "", "", 1,
         "halvex-calibrate: calibration failed (green-out-of-limits): The average value of the "
         "green component is out of range."},
    };
    const QByteArray factory = fileBytes(ini());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.camera);
        QFile::remove(path("default.bak"));
        ASSERT_TRUE(QFile::remove(ini()) && QFile::copy(factoryIniPath(), ini()));
        const Outcome outcome = run("--settings " + ini() + " --write-settings " + ini(), c.camera);
        EXPECT_EQ(outcome.status, c.status);
        EXPECT_EQ(outcome.lastError, QLatin1String(c.lastError));
        EXPECT_EQ(fileBytes(ini()), QByteArray(factory).replace(c.before, c.after));
        EXPECT_EQ(fileBytes(path("default.bak")), c.status == 0 ? factory : "<missing>");
    }
}

TEST_F(CalibrateProgramTest, BadInputEndsWithStatus3AndNamesIt) {
    const std::pair<const char*, const char*> cases[] = {
        {"--colour", "Unknown option 'colour'."},
        {"--procedure semi", "--procedure 'semi' is neither manual nor auto"},
        {"--green-max 256", "--green-max '256' is not a whole number from 0 to 255"},
        {"--rb-min 2.5", "--rb-min '2.5' is not a number from 0.0 to 2.0"},
        {"--blue-min 250", "--blue-min lies above --blue-max"},
        {"--retries -1", "--retries '-1' is not a whole number from 0 to 1000"},
        {"--settings /nonexistent/default.ini",
         "cannot read the settings file /nonexistent/default.ini"},
    };
    for (const auto& [arguments, error] : cases) {
        SCOPED_TRACE(arguments);
        const Outcome outcome = run(QString::fromLatin1(arguments));
        EXPECT_EQ(outcome.status, 3);
        EXPECT_EQ(outcome.lastError, QLatin1String("halvex-calibrate: ") + QLatin1String(error));
    }
}

TEST_F(CalibrateProgramTest, HeldCameraIsACameraFailure) {
    const int lock =
        ::open(path("vx3sim-camera.lock").toLocal8Bit().constData(), O_RDONLY | O_CREAT, 0666);
    ASSERT_EQ(::flock(lock, LOCK_EX | LOCK_NB), 0);
    const Outcome outcome = runJson({});
    ::close(lock);
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.report[u"verdict"].toString(), QStringLiteral("camera-not-found"));
    EXPECT_EQ(outcome.lastError,
              QStringLiteral("halvex-calibrate: camera failure (camera-not-found): Camera "
                             "initialization failed. An instance of the application may already "
                             "be running or the device is not connected."));
}

// The command in this process, on the fixture's camera and virtual time, so that a fault can be
// injected into the camera library.
TEST_F(CalibrateProgramTest, CameraFaultsEndWithStatus2) {
    const std::pair<const char*, int> cases[] = {
        // the function that fails, at which call
        {"VX3_GetUsbId", 1},         // identity: vendor byte
        {"VX3_LV_ContinueMovie", 3}, // lost during the run
        {"VX3_LV_StartMovie", 1},
    };
    for (const auto& [function, nth] : cases) {
        SCOPED_TRACE(function);
        vx3sim::reset();
        vx3sim::failFunction(function, nth);
        CalibrateOptions options;
        options.settingsFile = ini();
        options.json = true;
        testing::internal::CaptureStdout();
        EXPECT_EQ(
            CalibrateCommand(options, {.applicationDirectory = workDir(), .terminal = false}).run(),
            2);
        const QJsonDocument report = QJsonDocument::fromJson(
            QByteArray::fromStdString(testing::internal::GetCapturedStdout()));
        // A run the camera cuts short still reports the passes it made.
        EXPECT_EQ(report[u"passes"].toArray().isEmpty(),
                  std::string_view(function) != "VX3_LV_ContinueMovie");
    }
}

} // namespace
} // namespace halvex::test
