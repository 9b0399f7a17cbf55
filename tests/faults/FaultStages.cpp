// The stages of the fault matrix, in the order the technician meets them: start-up, live view,
// capture, the calibration procedures, the camera settings pages, the menus and shut-down.
#include "FaultStages.h"
#include "TechnicianHands.h"
#include "app/CameraDataDialog.h"
#include "camerasettings/CCameraSetting1.h"
#include "camerasettings/CCameraSetting2.h"
#include "framework/MenuBar.h"
#include "framework/PropertySheet.h"
#include "resources/ResourceIds.h"

#include <QApplication>
#include <QFile>
#include <QTimer>
#include <algorithm>

namespace halvex::test {
namespace {

void clickStart(FaultMatrix& m) {
    m.click(MainId::Start);
}

void startLiveView(FaultMatrix& m) {
    m.window->ShowMaintenanceLayout();
    m.click(MainId::Start);
}

void closeWindow(FaultMatrix& m) {
    m.window->close();
}

// The stage's cells and silent functions from fault-cells.txt.
void readCells(std::vector<FaultStage>& stages) {
    QFile file(QStringLiteral(HALVEX_SOURCE_DIR "/tests/faults/fault-cells.txt"));
    for (const QByteArray& line :
         file.open(QIODevice::ReadOnly) ? file.readAll().split('\n') : QList<QByteArray>()) {
        const QList<QByteArray> f = line.split('\t');
        const auto stage = std::ranges::find(stages, f[0].toStdString(), &FaultStage::name);
        if (line.startsWith('#') || f.size() < 3 || stage == stages.end()) {
            continue;
        }
        if (f[1] == "silent") {
            for (const QByteArray& function : f[2].split(' ')) {
                stage->silent.push_back(function.toStdString());
            }
            continue;
        }
        const QString boxes = QString::fromLatin1(f.value(6)).replace(QLatin1String("\\n"), "\n");
        stage->cells.push_back({f[1].toStdString(), f[2].toInt(),
                                boxes.isEmpty() ? QStringList() : boxes.split(u'|'), f[4] == "ends",
                                f[5] == "unmounts",
                                f[3] == "-" ? std::nullopt : std::optional(f[3].toLongLong())});
    }
}

std::vector<FaultStage> stages() {
    std::vector<FaultStage> stages{
        {"StartUp",
         [](FaultMatrix& m) {
             m.dialogs.fileAnswers.push_back(m.iniPath());
             if (m.window->initialize()) {
                 m.window->show();
             }
         },
         // A window not yet started.
         [](FaultMatrix& m) {
             m.window->close();
             m.window = std::make_unique<CameraDataDialog>();
         }},
        {"Start", clickStart},
        {"LiveView",
         [](FaultMatrix& m) {
             for (int frame = 0; frame < 3 && !m.window->hasEnded(); ++frame) {
                 m.window->fireTimer(CameraDataDialog::LiveViewTimerId);
             }
             if (!m.window->hasEnded()) {
                 m.click(MainId::Stop);
             }
         },
         clickStart},
        {"Capture",
         [](FaultMatrix& m) {
             for (const char* name : {"shot.jpg", "shot.bmp"}) {
                 m.dialogs.fileAnswers.push_back(m.workPath(QString::fromLatin1(name)));
                 m.click(MainId::Capture);
             }
         },
         [](FaultMatrix& m) { m.window->ShowMaintenanceLayout(); }},
        {"AutoAdjustment", [](FaultMatrix& m) { m.click(MainId::GetAutoAdjValues); },
         startLiveView},
        {"ManualAdjustment", [](FaultMatrix& m) { m.click(MainId::GetManualAdjValues); },
         startLiveView},
        // The white balance, a register setting and READ: the window always goes on.
        {"Page1",
         [](FaultMatrix& m) {
             CCameraSetting1& page = *m.window->m_pPage1;
             typeAndLeave(page.controls().as<QLineEdit>(Page1Id::BlueEdit), QStringLiteral("100"));
             drag(page.controls().as<QSlider>(Page1Id::RedSlider), 70);
             typeAndLeave(page.controls().as<QLineEdit>(Page1Id::SaturationEdit),
                          QStringLiteral("100"));
             QTest::mouseClick(page.control(Page1Id::Read), Qt::LeftButton);
         }},
        // A switch, the frame speed and Direct Setup.
        {"Page2",
         [](FaultMatrix& m) {
             CCameraSetting2& page = *m.window->m_pPage2;
             choose(page.controls().as<QComboBox>(Page2Id::SuperGainList), 1);
             typeAndLeave(page.controls().as<QLineEdit>(Page2Id::FrameSpeedEdit),
                          QStringLiteral("12"));
             typeInto(page.controls().as<QLineEdit>(Page2Id::Input), QStringLiteral("14,04,04"));
             QTest::mouseClick(page.control(Page2Id::Set), Qt::LeftButton);
             QTest::mouseClick(page.control(Page2Id::Get), Qt::LeftButton);
         },
         [](FaultMatrix& m) { m.window->m_pSheet->setActivePage(1); }},
        {"FileMenu",
         [](FaultMatrix& m) {
             m.window->menu()->choose(MenuId::FileNew);
             m.dialogs.fileAnswers.push_back(m.iniPath());
             m.window->menu()->choose(MenuId::FileLoad);
             // Saved under another name, so the file in use stays as it was.
             m.dialogs.fileAnswers.push_back(m.workPath(QStringLiteral("saved.ini")));
             m.window->menu()->choose(MenuId::FileSave);
         }},
        // The device information and the sequential screen.
        {"WindowMenu",
         [](FaultMatrix& m) {
             m.window->menu()->choose(MenuId::DeviceInformation);
             QTimer::singleShot(0, [] {
                 if (QWidget* modal = QApplication::activeModalWidget()) {
                     modal->close();
                 }
             });
             m.window->menu()->choose(MenuId::SequentialScreen);
         }},
        {"ShutDown", closeWindow},
        {"ShutDownWhileLive", closeWindow, clickStart},
    };
    readCells(stages);
    return stages;
}

} // namespace

const std::vector<FaultStage>& faultStages() {
    static const std::vector<FaultStage> all = stages();
    return all;
}

} // namespace halvex::test
