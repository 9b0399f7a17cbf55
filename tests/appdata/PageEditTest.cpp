// Every control of the Parameter, Capture Screen and Library Screen pages, changed through its
// widget and saved onto the file in use: exactly the line of its key changes, nothing else.
#include "AppDataTest.h"
#include "resources/ResourceIds.h"
#include "settings/SettingsStore.h"

namespace halvex::test {
namespace {

enum class Gesture { Type, TypeAndLeave, Choose, Drag, SliderKey };

struct PageEdit {
    const char* name;
    int page;
    Gesture gesture;
    int control;
    const char* text = ""; // typed text or chosen entry
    int value = 0;         // slider position or key
    const char* line = ""; // the one changed line of the saved file
};

std::ostream& operator<<(std::ostream& out, const PageEdit& edit) {
    return out << edit.name;
}

using namespace AppDataId;
using G = Gesture;

const PageEdit kEdits[] = {
    {"Version", ParameterPage, G::TypeAndLeave, Version, "2.3.0", 0, "[Version] Version=\"2.3.0\""},
    {"UserMakeFolder", ParameterPage, G::Choose, UserMakeFolder, "OFF", 0,
     "[UserFolder] UserMakeFolder=OFF"},
    {"DefaultFolderErase", ParameterPage, G::Choose, DefaultFolderErase, "ON", 0,
     "[DefaultFolderDataErase] DefaultFolderErase=ON"},
    {"SizeCheck", ParameterPage, G::Choose, SizeCheck, "OFF", 0, "[DataSizeCheck] SizeCheck=OFF"},
    {"ScaleCorrectTyped", ParameterPage, G::TypeAndLeave, ScaleCorrect, "25", 0,
     "[ScaleCorrectData] ScaleCorrectData=1000.00"},
    {"ScaleOpticalCorrectTyped", ParameterPage, G::TypeAndLeave, ScaleOpticalCorrect, "1.5", 0,
     "[ScaleCorrectData] ScaleOpticalCorrectData=150.00"},
    {"ScaleCorrectSlider", ParameterPage, G::SliderKey, ScaleCorrectSlider, "", Qt::Key_Home,
     "[ScaleCorrectData] ScaleCorrectData=10"},
    {"ScaleOpticalCorrectSlider", ParameterPage, G::Drag, ScaleOpticalCorrectSlider, "", 2500,
     "[ScaleCorrectData] ScaleOpticalCorrectData=2500"},
    {"Autosave", ParameterPage, G::Choose, Autosave, "ON", 0, "[ProcessingAutosave] Autosave=ON"},

    {"CaptureScale", CaptureScreenPage, G::Choose, CaptureScale, "OFF", 0,
     "[CaptureScreenParameter] Scale=OFF"},
    {"AutosaveLocation", CaptureScreenPage, G::Type, AutosaveLocation, "D:\\Shots", 0,
     "[CaptureScreenParameter] AutosaveLocation=\"D:\\Shots\""},
    {"AutosavePrefix", CaptureScreenPage, G::Type, AutosavePrefix, "SHOT123", 0,
     "[CaptureScreenParameter] AutosavePrefix=\"SHOT1\""},
    {"SnapshotDefaultFormat", CaptureScreenPage, G::Choose, SnapshotDefaultFormat, "BMP", 0,
     "[CaptureScreenParameter] SnapshotDefaultFormat=2"},
    {"MovieDefaultFormat", CaptureScreenPage, G::Choose, MovieDefaultFormat, "MPEG", 0,
     "[CaptureScreenParameter] MovieDefaultFormat=0"},
    {"ImageSizeDefault", CaptureScreenPage, G::Choose, ImageSizeDefault, "320x240", 0,
     "[CaptureScreenParameter] ImageSizeDefault=0"},
    {"AutoExposure", CaptureScreenPage, G::Choose, AutoExposure, "OFF", 0,
     "[CaptureScreenParameter] AutoExposure=OFF"},
    {"ManualExposureTyped", CaptureScreenPage, G::TypeAndLeave, ManualExposure, "200", 0,
     "[CaptureScreenParameter] ManualExposure=200"},
    {"ManualExposureSlider", CaptureScreenPage, G::SliderKey, ManualExposureSlider, "", Qt::Key_End,
     "[CaptureScreenParameter] ManualExposure=255"},
    {"LoadFileLocation", CaptureScreenPage, G::Type, LoadFileLocation, "E:\\In", 0,
     "[CaptureScreenParameter] LoadFileLocation=\"E:\\In\""},
    {"SaveAsLocation", CaptureScreenPage, G::Type, CaptureSaveAsLocation, "F:\\Out", 0,
     "[CaptureScreenParameter] SaveAsLocation=\"F:\\Out\""},
    {"SaveAsSnapshotDefaultFormat", CaptureScreenPage, G::Choose, SaveAsSnapshotDefaultFormat,
     "TIFF", 0, "[CaptureScreenParameter] SaveAsSnapshotDefaultFormat=1"},
    {"SaveAsMovieDefaultFormat", CaptureScreenPage, G::Choose, SaveAsMovieDefaultFormat, "MPEG", 0,
     "[CaptureScreenParameter] SaveAsMovieDefaultFormat=0"},

    {"LoadLocationCleared", LibraryScreenPage, G::Type, LoadLocation, "", 0,
     "[LibraryScreenParameter] LoadLocation=\"\""},
    {"LoadFilename", LibraryScreenPage, G::Type, LoadFilename, "Scan.bmp", 0,
     "[LibraryScreenParameter] LoadFilename=\"Scan.bmp\""},
    {"SaveLocationWithBlanks", LibraryScreenPage, G::Type, SaveLocation, "  G:\\Lib ", 0,
     "[LibraryScreenParameter] SaveLocation=\"  G:\\Lib \""},
    {"SaveFilename", LibraryScreenPage, G::Type, SaveFilename, "Out.jpg", 0,
     "[LibraryScreenParameter] SaveFilename=\"Out.jpg\""},
};

class PageEditTest : public AppDataTest, public ::testing::WithParamInterface<PageEdit> {
protected:
    void perform(const PageEdit& edit) {
        showPage(edit.page);
        switch (edit.gesture) {
        case Gesture::Type:
            typeInto(edit.control, QString::fromLatin1(edit.text));
            break;
        case Gesture::TypeAndLeave:
            typeInto(edit.control, QString::fromLatin1(edit.text));
            leave(edit.control);
            break;
        case Gesture::Choose:
            choose(edit.control, QString::fromLatin1(edit.text));
            break;
        case Gesture::Drag:
            drag(edit.control, edit.value);
            break;
        case Gesture::SliderKey:
            pressOnSlider(edit.control, static_cast<Qt::Key>(edit.value));
            break;
        }
    }
};

TEST_P(PageEditTest, SavesExactlyThatKey) {
    const PageEdit& edit = GetParam();
    const QByteArray before = fileBytes(iniPath());
    window = openWindow();
    perform(edit);
    EXPECT_EQ(SettingsChanged, 1);

    saveAs(iniPath());
    EXPECT_EQ(changedLines(before, fileBytes(iniPath())),
              QStringList{QString::fromLatin1(edit.line)});
    EXPECT_EQ(SettingsChanged, 0);
}

INSTANTIATE_TEST_SUITE_P(AllControls, PageEditTest, ::testing::ValuesIn(kEdits),
                         [](const auto& param) { return std::string(param.param.name); });

TEST_F(AppDataTest, SavingWithoutEditsWritesTheFileBackUnchanged) {
    const QByteArray before = fileBytes(iniPath());
    window = openWindow();
    for (int page : {ParameterPage, CaptureScreenPage, LibraryScreenPage}) {
        showPage(page);
    }
    EXPECT_EQ(SettingsChanged, 0);
    saveAs(iniPath());
    EXPECT_EQ(fileBytes(iniPath()), before);
}

} // namespace
} // namespace halvex::test
