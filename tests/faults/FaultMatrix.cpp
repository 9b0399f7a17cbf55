// The runner of the camera fault matrix.
#include "FaultMatrix.h"

#include "app/CameraDataDialog.h"

#include <QFile>
#include <QTest>
#include <algorithm>
#include <set>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#include <sanitizer/lsan_interface.h>
#define HALVEX_LEAK_CHECK 1
#endif
#endif

namespace halvex::test {
namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void inject(const FaultCell& cell) {
    if (cell.fault == Unplugged) {
        vx3sim::setPlugged(false);
    } else {
        vx3sim::failFunction(cell.fault, cell.nth);
    }
}

} // namespace

void FaultMatrix::click(int id) {
    QTest::mouseClick(window->control(id), Qt::LeftButton);
}

QString FaultMatrix::iniPath() const {
    return workPath(QStringLiteral("default.ini"));
}

void FaultMatrix::openWindow(const FaultStage& stage) {
    window = std::make_unique<CameraDataDialog>();
    if (stage.windowRunning) {
        dialogs.fileAnswers.push_back(iniPath());
        ASSERT_TRUE(window->initialize());
        window->show();
        if (stage.prepare) {
            stage.prepare(*this);
        }
    }
}

void FaultMatrix::runCell(const FaultStage& stage, const FaultCell& cell) {
    const QByteArray settingsBefore = contents(iniPath());
    openWindow(stage);
    if (HasFatalFailure()) {
        return;
    }
    dialogs.messages.clear();
    vx3sim::clearLog();
    inject(cell);
    stage.act(*this);

    EXPECT_EQ(dialogs.messageTexts(), cell.messages);
    EXPECT_EQ(window->hasEnded(), cell.ends);
    if (!window->hasEnded()) {
        // The technician closes the window with the fault gone (the cable stays out).
        vx3sim::clearFaults();
        vx3sim::clearLog();
        dialogs.messages.clear();
        window->close();
        EXPECT_TRUE(window->hasEnded());
        EXPECT_EQ(dialogs.messageTexts(), QStringList());
    }
    const auto names = calls();
    EXPECT_EQ(std::find(names.begin(), names.end(), "VX3_UnmountCamera") != names.end(),
              cell.unmounts);
    EXPECT_FALSE(window->m_pFrameBuffer);
    vx3sim::clearFaults();
    EXPECT_EQ(VX3_LV_IsMovieRunning(), 0);
    window.reset();

    EXPECT_EQ(contents(iniPath()), settingsBefore);
#ifdef HALVEX_LEAK_CHECK
    EXPECT_EQ(__lsan_do_recoverable_leak_check(), 0) << "leaks reported above";
#endif
}

void FaultMatrix::expectTableCoversStage(const FaultStage& stage) {
    openWindow(stage);
    if (HasFatalFailure()) {
        return;
    }
    vx3sim::clearLog();
    stage.act(*this);
    const auto names = calls();
    const std::set<std::string> called(names.begin(), names.end());
    std::set<std::string> tabled;
    for (const FaultCell& cell : stage.cells) {
        if (cell.fault != Unplugged) {
            tabled.insert(cell.fault);
        }
    }
    EXPECT_EQ(called, tabled);
    EXPECT_TRUE(std::any_of(stage.cells.begin(), stage.cells.end(),
                            [](const FaultCell& cell) { return cell.fault == Unplugged; }));
    window->close();
    window.reset();
}

std::vector<FaultCell> cellsWith(std::vector<FaultCell> cells,
                                 std::initializer_list<const char*> silentFunctions) {
    for (const char* function : silentFunctions) {
        cells.push_back({function, 1, {}});
    }
    return cells;
}

std::vector<CellParam> cellsOf(const FaultStage& stage) {
    std::vector<CellParam> params;
    for (std::size_t i = 0; i < stage.cells.size(); ++i) {
        params.push_back({&stage, i});
    }
    return params;
}

void PrintTo(const CellParam& param, std::ostream* out) {
    const FaultCell& cell = param.stage->cells[param.cell];
    *out << param.stage->name << ": " << cell.fault << " from call " << cell.nth;
}

std::string cellName(const ::testing::TestParamInfo<CellParam>& info) {
    const FaultCell& cell = info.param.stage->cells[info.param.cell];
    std::string name = cell.fault.rfind("VX3_", 0) == 0 ? cell.fault.substr(4) : cell.fault;
    if (cell.nth > 1) {
        name += "_from_call_" + std::to_string(cell.nth);
    }
    return name;
}

TEST_P(FaultCellTest, Cell) {
    runCell(*GetParam().stage, GetParam().stage->cells[GetParam().cell]);
}

} // namespace halvex::test
