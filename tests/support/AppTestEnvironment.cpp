// Test fixture of the tool.
#include "AppTestEnvironment.h"

#include "app/CameraDataDialog.h"
#include "framework/DialogService.h"
#include "framework/TimeSource.h"
#include "settings/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <algorithm>

namespace halvex::test {

void AppTest::SetUp() {
    ASSERT_TRUE(m_workDir.isValid());
    m_previousDir = QDir::currentPath();
    QDir::setCurrent(m_workDir.path());
    ASSERT_TRUE(QFile::copy(factoryIniPath(), workPath(QStringLiteral("default.ini"))));

    setDialogService(&dialogs);
    setTimeSource(&time);
    m_cameraClock = std::make_unique<SimulatorClock>(time);
    vx3sim::setClock(m_cameraClock.get());
    vx3sim::setDeviceLockPath("");
    vx3sim::reset();
    vx3sim::setCameraVersion("OV7610");

    settingsStore().clear();
    SensorModel.clear();
    CurrentIniPath.clear();
    ApplicationDirectory.clear();
    SettingsChanged = 0;
}

void AppTest::TearDown() {
    if (VX3_IsConnectUsb() != 0) {
        VX3_UnmountCamera();
    }
    vx3sim::reset();
    vx3sim::setClock(nullptr);
    setTimeSource(nullptr);
    setDialogService(nullptr);
    QDir::setCurrent(m_previousDir);
}

QString AppTest::workPath(const QString& name) const {
    return m_workDir.filePath(name);
}

QString AppTest::factoryIniPath() {
    return QStringLiteral(HALVEX_SOURCE_DIR "/data/default.ini");
}

std::unique_ptr<CameraDataDialog> AppTest::startMainWindow() {
    dialogs.fileAnswers.push_back(workPath(QStringLiteral("default.ini")));
    auto dialog = std::make_unique<CameraDataDialog>();
    EXPECT_TRUE(dialog->initialize());
    dialog->show();
    return dialog;
}

std::vector<std::string> AppTest::calls() {
    std::vector<std::string> names;
    for (const vx3sim::LogEntry& entry : vx3sim::log()) {
        if (entry.kind == vx3sim::LogEntry::Kind::Call) {
            names.push_back(entry.function);
        }
    }
    return names;
}

int AppTest::callCount(const std::string& function) {
    return static_cast<int>(std::ranges::count(calls(), function));
}

std::vector<std::pair<int, int>> AppTest::registerWrites() {
    std::vector<std::pair<int, int>> writes;
    for (const vx3sim::LogEntry& entry : vx3sim::log()) {
        if (entry.kind == vx3sim::LogEntry::Kind::RegisterWrite) {
            writes.emplace_back(entry.address, entry.value);
        }
    }
    return writes;
}

QStringList AppTest::storeValues() {
    QStringList values;
    for (int i = 0; i < SettingsStore::Count; ++i) {
        values << settingsStore().at(i);
    }
    return values;
}

void MainWindowTest::SetUp() {
    AppTest::SetUp();
    window = startMainWindow();
}

void MainWindowTest::TearDown() {
    window.reset();
    AppTest::TearDown();
}

void MainWindowTest::click(int id) {
    QTest::mouseClick(window->control(id), Qt::LeftButton);
}

} // namespace halvex::test
