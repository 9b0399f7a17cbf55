// Fault tables of the menus: File New, Load and Save, and the Window menu's device information
// and sequential screen.
#include "FaultMatrix.h"
#include "app/CameraDataDialog.h"
#include "framework/MenuBar.h"
#include "resources/ResourceIds.h"

#include <QApplication>
#include <QTimer>

namespace halvex::test {
namespace {

HALVEX_FAULT_STAGE(
    FileMenu, "File menu", true, nullptr,
    [](FaultMatrix& m) {
        m.window->menu()->choose(MenuId::FileNew);
        m.dialogs.fileAnswers.push_back(m.iniPath());
        m.window->menu()->choose(MenuId::FileLoad);
        // Saved under another name, so the file in use stays as it was.
        m.dialogs.fileAnswers.push_back(m.workPath(QStringLiteral("saved.ini")));
        m.window->menu()->choose(MenuId::FileSave);
    },
    {
        {"VX3_LV_IsMovieRunning", 1, {text::FileSaved}},
        {"VX3_EST_GetAdrsData", 1, {text::FileSaved}}, // the white balance reset after a load
        {"VX3_EST_SetAdrsData", 1, {text::FileSaved}},
        {Unplugged, 1, {text::FileSaved}, false, false},
    })

HALVEX_FAULT_STAGE(
    WindowMenu, "Window menu", true, nullptr,
    [](FaultMatrix& m) {
        m.window->menu()->choose(MenuId::DeviceInformation);
        QTimer::singleShot(0, [] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                modal->close();
            }
        });
        m.window->menu()->choose(MenuId::SequentialScreen);
    },
    cellsWith({{Unplugged, 1, {}, false, false}},
              {"VX3_GetUsbId", "VX3_EST_GetVersion", "VX3_GC_SetAgc", "VX3_GC_GetAgc",
               "VX3_BB_GetMode", "VX3_EXP_SetMode", "VX3_EXP_GetMode", "VX3_LV_IsMovieRunning"}))

} // namespace
} // namespace halvex::test
