// Test fixture of the tool: scripted dialogs, virtual time shared with the simulated camera,
// a fresh camera, an empty settings store and a working folder holding the factory default.ini.
#pragma once

#include "app/CameraDataDialog.h"
#include "camera/SimulatorClock.h"
#include "framework/ScriptedDialogService.h"
#include "framework/VirtualTimeSource.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <VX3Sim.h>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace halvex::test {

class AppTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The working folder of the run (the application directory), with default.ini in it.
    QString workDir() const { return m_workDir.path(); }
    QString workPath(const QString& name) const;
    // The factory settings file shipped with the tool.
    static QString factoryIniPath();

    // Builds the main window and runs its start-up with the load dialog answered by default.ini
    // of the working folder. The window is shown (offscreen).
    std::unique_ptr<CameraDataDialog> startMainWindow();

    // The library calls the camera saw, in order, by name.
    static std::vector<std::string> calls();
    // How many times the camera saw the library function called.
    static int callCount(const std::string& function);
    // The register writes the camera saw, as (address, value).
    static std::vector<std::pair<int, int>> registerWrites();
    // All values of the settings store, in table order.
    static QStringList storeValues();

    ScriptedDialogService dialogs;
    VirtualTimeSource time;

private:
    std::unique_ptr<SimulatorClock> m_cameraClock;
    QTemporaryDir m_workDir;
    QString m_previousDir;
};

// The tests that begin at the main window after its start-up.
class MainWindowTest : public AppTest {
protected:
    void SetUp() override;
    void TearDown() override;
    void click(int id);

    std::unique_ptr<CameraDataDialog> window;
};

} // namespace halvex::test
