// The runner of the camera fault matrix: every cell of every stage, and each stage's table
// against the library functions the stage really calls.
#include "FaultStages.h"
#include "FileBytes.h"
#include "app/CameraDataDialog.h"

#include <set>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#include <sanitizer/lsan_interface.h>
#define HALVEX_LEAK_CHECK 1
#endif
#endif

namespace halvex::test {
namespace {

struct CellParam {
    const FaultStage* stage;
    FaultCell cell;
};

void PrintTo(const CellParam& param, std::ostream* out) {
    *out << param.stage->name << ": " << param.cell.fault << " from call " << param.cell.nth;
}

std::vector<CellParam> allCells() {
    std::vector<CellParam> params;
    for (const FaultStage& stage : faultStages()) {
        for (const FaultCell& cell : stage.cells) {
            params.push_back({&stage, cell});
        }
        for (const std::string& function : stage.silent) {
            params.push_back({&stage, {function, 1, {}}});
        }
    }
    return params;
}

class FaultCellTest : public FaultMatrix, public ::testing::WithParamInterface<CellParam> {};

// The cell's messages and ending, the normal shut-down, the settings file unchanged and (under
// LeakSanitizer) nothing leaked.
TEST_P(FaultCellTest, Cell) {
    const auto& [stage, cell] = GetParam();
    const QByteArray settingsBefore = fileBytes(iniPath());
    if (stage->prepare) {
        stage->prepare(*this);
    }
    dialogs.messages.clear();
    vx3sim::clearLog();
    if (cell.fault == Unplugged) {
        vx3sim::setPlugged(false);
    } else if (cell.selector) {
        vx3sim::failFunctionFor(cell.fault, *cell.selector, cell.nth);
    } else {
        vx3sim::failFunction(cell.fault, cell.nth);
    }
    stage->act(*this);

    EXPECT_EQ(dialogs.messageTexts(), cell.messages);
    EXPECT_EQ(window->hasEnded(), cell.ends);
    if (cell.ends && !stage->name.starts_with("ShutDown")) {
        // A failure that ends the program says so in system-modal stop boxes; the window is gone.
        EXPECT_FALSE(window->isVisible());
        for (const MessageRequest& box : dialogs.messages) {
            EXPECT_EQ(box.icon, MessageIcon::Stop);
            EXPECT_EQ(box.modality, Modality::System);
        }
    }
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
    EXPECT_EQ(std::ranges::count(names, "VX3_UnmountCamera") > 0, cell.unmounts);
    EXPECT_FALSE(window->m_pFrameBuffer);
    vx3sim::clearFaults();
    EXPECT_EQ(VX3_LV_IsMovieRunning(), 0);
    window.reset();

    EXPECT_EQ(fileBytes(iniPath()), settingsBefore);
#ifdef HALVEX_LEAK_CHECK
    EXPECT_EQ(__lsan_do_recoverable_leak_check(), 0) << "leaks reported above";
#endif
}

INSTANTIATE_TEST_SUITE_P(Stages, FaultCellTest, ::testing::ValuesIn(allCells()),
                         [](const ::testing::TestParamInfo<CellParam>& cellInfo) {
                             const FaultCell& cell = cellInfo.param.cell;
                             std::string name =
                                 cellInfo.param.stage->name + "_" +
                                 (cell.fault.starts_with("VX3_") ? cell.fault.substr(4)
                                                                 : cell.fault);
                             if (cell.selector) {
                                 name += "_selector_" + std::to_string(*cell.selector);
                             }
                             return cell.nth > 1 ? name + "_from_call_" + std::to_string(cell.nth)
                                                 : name;
                         });

class FaultStageCoverage : public FaultMatrix, public ::testing::WithParamInterface<std::size_t> {};

// Run fault-free, a stage calls exactly the library functions of its table, so that a stage that
// starts using another function needs its cells.
TEST_P(FaultStageCoverage, TableNamesEveryFunctionTheStageCalls) {
    const FaultStage& stage = faultStages()[GetParam()];
    if (stage.prepare) {
        stage.prepare(*this);
    }
    vx3sim::clearLog();
    stage.act(*this);
    const auto names = calls();
    std::set<std::string> tabled(stage.silent.begin(), stage.silent.end());
    for (const FaultCell& cell : stage.cells) {
        tabled.insert(cell.fault);
    }
    EXPECT_EQ(tabled.erase(Unplugged), 1u);
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()), tabled);
}

INSTANTIATE_TEST_SUITE_P(Stages, FaultStageCoverage,
                         ::testing::Range<std::size_t>(0, faultStages().size()),
                         [](const auto& stageInfo) { return faultStages()[stageInfo.param].name; });

} // namespace
} // namespace halvex::test
