// The camera fault matrix: each stage of the tool has a table whose cells make one library
// function fail (or pull the camera) while the stage runs, with what the technician must see.
#pragma once

#include "AppTestEnvironment.h"

#include <QStringList>
#include <functional>
#include <optional>
#include <string>
#include <vector>

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
    // When set, only the calls with this first argument (the selector) fail, nth counting those.
    std::optional<std::int64_t> selector = std::nullopt;
};

// The main window, started and shown; the stages drive it.
class FaultMatrix : public MainWindowTest {
public:
    using MainWindowTest::click;
    using MainWindowTest::dialogs;
    using MainWindowTest::window;
    using MainWindowTest::workPath;
    QString iniPath() const { return workPath(QStringLiteral("default.ini")); }
};

struct FaultStage {
    std::string name;
    // What the technician does; the cell's fault is in force meanwhile.
    std::function<void(FaultMatrix&)> act;
    // Brings the running window into the stage's starting state, with the camera fault-free;
    // none: the window as started.
    std::function<void(FaultMatrix&)> prepare = nullptr;
    // The cells that show something or end the program, from fault-cells.txt.
    std::vector<FaultCell> cells = {};
    // The functions whose failure the stage passes over without a word.
    std::vector<std::string> silent = {};
};

const std::vector<FaultStage>& faultStages();

} // namespace halvex::test
