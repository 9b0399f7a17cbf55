// The camera fault matrix: each stage of the tool is one table whose cells make one library
// function fail (or pull the camera) while the stage runs, with what the technician must see.
#pragma once

#include "AppTestEnvironment.h"

#include <QStringList>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace halvex {
class CameraDataDialog;
}

namespace halvex::test {

// The fault of a cell that pulls the camera's cable instead of failing one function.
inline const std::string Unplugged = "unplugged";

struct FaultCell {
    std::string fault;    // a VX3 function name, or Unplugged
    int nth = 1;          // the function fails from its nth call in the stage on
    QStringList messages; // the boxes shown, in order
    bool ends = false;    // the program ends, after the normal shut-down of a running window
    // The camera is unmounted on the way out (at the end of the cell's own shut-down, or at the
    // close that follows a cell that leaves the window running).
    bool unmounts = true;
};

// A stage's cells: those that show something or end the program, then one cell for each function
// whose failure the stage passes over without a word.
std::vector<FaultCell> cellsWith(std::vector<FaultCell> cells,
                                 std::initializer_list<const char*> silentFunctions);

class FaultMatrix;

struct FaultStage {
    std::string name;
    // The stage begins with the main window started and shown; false for start-up itself.
    bool windowRunning = true;
    // Brings the running window into the stage's starting state, with the camera fault-free.
    std::function<void(FaultMatrix&)> prepare;
    // What the technician does; the cell's fault is in force meanwhile.
    std::function<void(FaultMatrix&)> act;
    std::vector<FaultCell> cells;
};

struct CellParam {
    const FaultStage* stage;
    std::size_t cell;
};

class FaultMatrix : public AppTest {
public:
    // The stage tables drive the window through these.
    using AppTest::dialogs;
    using AppTest::workPath;

    // Runs one cell of a stage and checks its messages, its ending, the shut-down, that the
    // settings file is unchanged and (under LeakSanitizer) that nothing leaked.
    void runCell(const FaultStage& stage, const FaultCell& cell);
    // Runs the stage fault-free: the library functions it calls must be exactly those of its
    // table, so that a stage that starts using another function needs its cells.
    void expectTableCoversStage(const FaultStage& stage);

    // The main window, started, shown and brought to the stage's starting state unless the stage
    // is start-up itself.
    void openWindow(const FaultStage& stage);
    void click(int id);
    QString iniPath() const;

    std::unique_ptr<CameraDataDialog> window;
};

class FaultCellTest : public FaultMatrix, public ::testing::WithParamInterface<CellParam> {};
class FaultStageCoverage : public FaultMatrix {};

void PrintTo(const CellParam& param, std::ostream* out);

// Every cell of a stage as a test parameter, named after the function and the call.
std::vector<CellParam> cellsOf(const FaultStage& stage);
std::string cellName(const ::testing::TestParamInfo<CellParam>& info);

// The literal texts of the boxes the cells expect.
namespace text {
inline const QString DeviceNotDetected = QStringLiteral("Device not detected.");
inline const QString StartMovieFailed =
    QStringLiteral("An error occured in VX3_LV_StartMovie(). Please restart the application.");
inline const QString StopMovieFailed = QStringLiteral("An error occured in VX3_LV_StopMovie(). ");
inline const QString ContinueMovieFailed =
    QStringLiteral("An error occured in VX3_LV_ContinueMovie()");
inline const QString UnmountFailed = QStringLiteral("Unmount camera command failed.");
inline const QString WhiteBalanceWarning =
    QStringLiteral(" WhiteBalance Initialization error! \n Please push READ button and check the "
                   "value.");
inline const QString FileSaved = QStringLiteral("The file was successfully saved.");
} // namespace text

} // namespace halvex::test

// Defines one stage table (the members of its FaultStage), its cells as tests and the check that
// the table covers the stage.
#define HALVEX_FAULT_STAGE(Suite, ...)                                                             \
    const FaultStage& Suite##Stage() {                                                             \
        static const FaultStage stage{__VA_ARGS__};                                                \
        return stage;                                                                              \
    }                                                                                              \
    INSTANTIATE_TEST_SUITE_P(Suite, FaultCellTest, ::testing::ValuesIn(cellsOf(Suite##Stage())),   \
                             cellName);                                                            \
    TEST_F(FaultStageCoverage, Suite) {                                                            \
        expectTableCoversStage(Suite##Stage());                                                    \
    }
