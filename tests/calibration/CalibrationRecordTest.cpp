// The record of calibration runs in calibration-history.csv.
#include "CalibrationFixture.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace halvex::test {
namespace {

class CalibrationRecordTest : public CalibrationTest {
protected:
    QString historyPath() const { return workPath(QStringLiteral("calibration-history.csv")); }
    QStringList historyLines() const {
        QFile file(historyPath());
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return QString::fromUtf8(file.readAll()).split(u'\n');
    }
};

TEST_F(CalibrationRecordTest, EachRunAppendsOneLine) {
    click(MainId::Start);
    click(MainId::GetManualAdjValues);
    const auto [blue, red] = shownGains();
    type(1192, QStringLiteral("100")); // Blue Max below what the lamp needs: Cancel of box 21
    click(MainId::GetAutoAdjValues);
    click(MainId::GetRgb); // a measurement is no run

    const QStringList lines = historyLines();
    ASSERT_EQ(lines.size(), 4); // header, two runs, the last line break
    EXPECT_EQ(lines[0],
              QStringLiteral("DateTime,Sensor,Procedure,InitialBlue,InitialRed,"
                             "FinalBlue,FinalRed,RatioRB,RatioBG,RatioRG,Verdict,Passes"));
    const QRegularExpression manual(
        QStringLiteral(R"(^\d{4}-\d\d-\d\d \d\d:\d\d:\d\d,OV7610,manual,110,25,%1,%2,)"
                       R"(\d\.\d\d,\d\.\d\d,\d\.\d\d,pass,[1-9]\d*$)")
            .arg(blue)
            .arg(red));
    EXPECT_TRUE(manual.match(lines[1]).hasMatch()) << qPrintable(lines[1]);
    const QStringList automatic = lines[2].split(u',');
    ASSERT_EQ(automatic.size(), 12);
    EXPECT_EQ(automatic.mid(1, 4), (QStringList{"OV7610", "auto", "110", "25"}));
    EXPECT_EQ(automatic[5], shown(1195));
    EXPECT_EQ(automatic[10], QStringLiteral("out-of-range"));
    EXPECT_GE(automatic[11].toInt(), 3); // three equal readings at least
    EXPECT_TRUE(lines[3].isEmpty());
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
