// The calibration component without the window: identity, start-up sequence and the manual
// procedure through a front end that renders the frame buffer itself.
#include "AppTestEnvironment.h"
#include "calibration/CameraIdentity.h"
#include "calibration/ColourCalibration.h"
#include "calibration/FrameImage.h"
#include "framework/TimeSource.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsStore.h"

#include <QStringList>
#include <algorithm>

namespace halvex::test {
namespace {

class HeadlessFrontEnd final : public CalibrationFrontEnd {
public:
    explicit HeadlessFrontEnd(RegisterAccess& registers) : calibration(*this, registers) {}

    void setStatusText(const QString& text) override { m_status = text; }
    void setMeasurementText(const QString&) override {}
    int barPosition() const override { return m_bar; }
    void setBarPosition(int position) override { m_bar = std::clamp(position, 1, 100); }
    void refresh() override {
        if (statuses.isEmpty() || statuses.back() != m_status) {
            statuses << m_status;
        }
    }
    CalibrationPanelValues takePanelValues() override { return kCalibrationPanelDefaults; }
    void setManualInitialValues(const QString&, const QString&) override {}
    void setAdjustmentValues(const AdjustmentValues&) override {}
    void setStoredWhiteBalanceTexts(const QString&, const QString&) override {}
    MessageResult messageBox(const MessageRequest& request) override {
        boxes << request.text;
        return MessageResult::Cancel;
    }
    void beep() override {}
    void pause(int milliseconds) override { timeSource().sleep(milliseconds); }
    void setBusy(bool) override {}
    void setTopmost(bool) override {}
    void startLiveView() override {
        calibration.RunCameraStartup();
        VX3_LV_SetImageSize(0);
        VX3_SIA_GetImageInfo(&m_header);
        VX3_LV_StartMovie(m_frame.data());
    }
    void showZone1Overlay() override {}
    void drawFrame() override {
        m_image = FrameImage(m_header, m_frame.data());
        VX3_LV_ContinueMovie(m_frame.data());
    }
    QImage liveImage() const override { return m_image; }
    void passRecorded(const CalibrationPass& pass) override { passes.push_back(pass); }

    ColourCalibration calibration;
    QStringList statuses;
    QStringList boxes;
    std::vector<CalibrationPass> passes;

private:
    QString m_status;
    int m_bar = 1;
    BITMAPINFOHEADER m_header{};
    std::vector<std::uint8_t> m_frame = std::vector<std::uint8_t>(VX3_FRAME_BYTES);
    QImage m_image;
};

using HeadlessCalibrationTest = AppTest;

TEST_F(HeadlessCalibrationTest, TheManualProcedureRunsWithoutTheWindow) {
    SettingsFile().Load(workPath(QStringLiteral("default.ini")));
    const IdentityCheck check = CheckCameraIdentity();
    ASSERT_EQ(check.failedMessage, 0);
    EXPECT_EQ(SensorModel, QStringLiteral("OV7610"));
    RegisterAccess registers;
    SendSensorSetup(registers);
    HeadlessFrontEnd front(registers);

    const CalibrationResult result = front.calibration.GetManualAdjValues();
    EXPECT_EQ(result.verdict, CalibrationVerdict::Pass);
    EXPECT_TRUE(front.boxes.isEmpty());
    EXPECT_EQ(front.statuses.first(), QStringLiteral("Initializing  6%"));
    EXPECT_EQ(front.statuses.back(), QStringLiteral("Live image display"));
    EXPECT_EQ(result.initialGains.blue, 110);
    EXPECT_EQ(result.initialGains.red, 25);
    ASSERT_FALSE(result.passes.empty());
    EXPECT_EQ(front.passes.size(), result.passes.size());
    const CalibrationPass& last = result.passes.back();
    EXPECT_EQ(last.number, static_cast<int>(result.passes.size()));
    EXPECT_LE(std::abs(last.averages.red - last.averages.green), 2);
    EXPECT_LE(std::abs(last.averages.blue - last.averages.green), 2);
    EXPECT_EQ(vx3sim::peekRegister(0x01), result.finalGains.blue);
    EXPECT_EQ(vx3sim::peekRegister(0x02), result.finalGains.red);
}

} // namespace
} // namespace halvex::test
