// The record of calibration runs in calibration-history.csv.
#include "CalibrationFixture.h"
#include "FileBytes.h"

#include <QDir>
#include <QRegularExpression>

namespace halvex::test {
namespace {

class CalibrationRecordTest : public CalibrationTest {
protected:
    QString historyPath() const { return workPath(QStringLiteral("calibration-history.csv")); }
};

TEST_F(CalibrationRecordTest, EachRunAppendsOneLine) {
    click(MainId::Start);
    click(MainId::GetManualAdjValues);
    type(1192, QStringLiteral("100")); // Blue Max below what the lamp needs: Cancel of box 21
    click(MainId::GetAutoAdjValues);
    click(MainId::GetRgb); // a measurement is no run

    QStringList lines = QString::fromUtf8(fileBytes(historyPath())).split(u'\n');
    EXPECT_EQ(lines.takeFirst(),
              QStringLiteral("DateTime,Sensor,Procedure,InitialBlue,InitialRed,"
                             "FinalBlue,FinalRed,RatioRB,RatioBG,RatioRG,Verdict,Passes"));
    lines.replaceInStrings(
        QRegularExpression(QStringLiteral(R"(^\d{4}-\d\d-\d\d \d\d:\d\d:\d\d,)")),
        QStringLiteral("<time>,"));
    EXPECT_EQ(lines,
              (QStringList{"<time>,OV7610,manual,110,25,139,49,1.01,1.01,1.01,pass,11",
                           "<time>,OV7610,auto,110,25,139,49,1.01,1.01,1.01,out-of-range,3", ""}));
}

TEST_F(CalibrationRecordTest, AFailedWriteIsReportedAndTheRunGoesOn) {
    ASSERT_TRUE(QDir(workDir()).mkdir(QStringLiteral("calibration-history.csv")));
    click(MainId::Start);
    testing::internal::CaptureStderr();
    click(MainId::GetManualAdjValues);
    const std::string reported = testing::internal::GetCapturedStderr();
    EXPECT_EQ(reported.rfind("halvex: cannot append to " + historyPath().toStdString() + ": ", 0),
              0u)
        << reported;
    EXPECT_EQ(std::ranges::count(reported, '\n'), 1);
    expectIdle();
    EXPECT_TRUE(dialogs.messages.empty());
    shownGains();
}

} // namespace
} // namespace halvex::test
