// One fixture for both sensors: the main window started on the simulated camera, with the pages
// and their controls at hand.
#pragma once

#include "AppTestEnvironment.h"
#include "FileBytes.h"
#include "TechnicianHands.h"
#include "camerasettings/CCameraSetting1.h"
#include "camerasettings/CCameraSetting2.h"
#include "framework/PropertySheet.h"
#include "resources/ResourceIds.h"
#include "settings/SettingsStore.h"

namespace halvex::test {

// What differs between the sensors, as a technician reads it off the settings file and the
// camera.
struct SensorCase {
    const char* model;
    const char* suffix; // of the camera sections: "" or "2"
};

inline std::string sensorName(const ::testing::TestParamInfo<SensorCase>& info) {
    return info.param.model;
}

class CameraSettingsTest : public MainWindowTest, public ::testing::WithParamInterface<SensorCase> {
protected:
    // The window started on this sensor.
    void SetUp() override {
        AppTest::SetUp();
        vx3sim::setCameraVersion(GetParam().model);
        window = startMainWindow();
        vx3sim::clearLog();
    }

    bool ov7610() const { return QLatin1String(GetParam().model) == QLatin1String("OV7610"); }
    // A camera section of this sensor: "Saturation" -> "Saturation" or "Saturation2".
    QString section(const char* base) const {
        return QLatin1String(base) + QLatin1String(GetParam().suffix);
    }
    QString entry(const char* base, const char* key) const {
        return settingsStore().value(section(base), QString::fromLatin1(key));
    }

    CCameraSetting1& page1() const { return *window->m_pPage1; }
    CCameraSetting2& page2() const {
        window->m_pSheet->setActivePage(1);
        return *window->m_pPage2;
    }
    static QLineEdit* edit(Dialog& page, int id) { return page.controls().as<QLineEdit>(id); }
    static QSlider* slider(Dialog& page, int id) { return page.controls().as<QSlider>(id); }
    static QComboBox* list(Dialog& page, int id) { return page.controls().as<QComboBox>(id); }

    static void click(Dialog& page, int id) { QTest::mouseClick(page.control(id), Qt::LeftButton); }

    static void setRegister(std::uint8_t address, std::uint8_t value) {
        VX3_EST_SetAdrsData(address, 1, &value);
        vx3sim::clearLog();
    }

    // A settings file in the working folder: the factory file with some lines replaced.
    QString writeVariant(const QString& name,
                         const std::vector<std::pair<QByteArray, QByteArray>>& replacements) {
        QByteArray bytes = fileBytes(factoryIniPath());
        for (const auto& [from, to] : replacements) {
            EXPECT_TRUE(bytes.contains(from)) << from.constData();
            bytes.replace(from, to);
        }
        writeFile(workPath(name), bytes);
        return workPath(name);
    }
};

inline const auto kBothSensors =
    ::testing::Values(SensorCase{"OV7610", ""}, SensorCase{"OV7620", "2"});

} // namespace halvex::test
