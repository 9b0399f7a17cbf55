// Every key of the settings file, in the order Save writes them: changing its control through the
// real widgets and saving changes exactly that key's line of the file, and keys without an editor
// pass a load and a save unchanged.
#include "AppDataTest.h"
#include "app/CameraDataDialog.h"
#include "camerasettings/CCameraSetting1.h"
#include "camerasettings/CCameraSetting2.h"
#include "framework/MenuBar.h"
#include "resources/ResourceIds.h"
#include "settings/SettingsFile.h"

#include <QAbstractButton>
#include <QTest>

namespace halvex::test {
namespace {

enum class Change {
    Type,      // type over the box's text
    TypeLeave, // type, then leave the box
    Choose,    // choose a list entry
    Drag,      // drag a slider to the position in input
    Click,     // click a radio button
    Font,      // the font dialog answers the factory font with one field changed
    Colour,    // the colour dialog answers red,green,blue
    Kept,      // no editor by design: a hand-edited line is loaded and saved again
    None,      // no editor on its sensor: loaded, used by Start when sequence says so, saved again
};

// Where the control is: a page of the application-data window or of the camera settings sheet.
enum Where { Parameter, Capture, Library, Processing, Camera1, Camera2 };

struct KeyCase {
    const char* section;
    const char* key;
    Change change;
    Where page;
    int control;
    // Typed text, chosen entry, slider position, font field ("face:", "tenths:", "weight:",
    // "underline:", "colour:R,G,B"), colour "R,G,B", or the hand-edited line of the file.
    const char* input;
    // The saved lines expected to differ from the factory file, separated by '\n'.
    const char* saved;
    bool sequence = false; // None: the camera start-up sequence applies the hand-edited command
};

std::ostream& operator<<(std::ostream& out, const KeyCase& c) {
    return out << c.section << '/' << c.key;
}

using namespace AppDataId;
using namespace ProcessingId;
using C = Change;
constexpr const char* CSP = "CaptureScreenParameter";
constexpr const char* LSP = "LibraryScreenParameter";
constexpr const char* PSP = "ProcessingScreenParameter";

const KeyCase kKeys[] = {
    {"Version", "Version", C::TypeLeave, Parameter, Version, "2.3.0", "Version=\"2.3.0\""},
    {"UserFolder", "UserMakeFolder", C::Choose, Parameter, UserMakeFolder, "OFF",
     "UserMakeFolder=OFF"},
    {"DefaultFolderDataErase", "DefaultFolderErase", C::Choose, Parameter, DefaultFolderErase, "ON",
     "DefaultFolderErase=ON"},
    {"DataSizeCheck", "SizeCheck", C::Choose, Parameter, SizeCheck, "OFF", "SizeCheck=OFF"},
    {"ScaleCorrectData", "ScaleCorrectData", C::TypeLeave, Parameter, ScaleCorrect, "25",
     "ScaleCorrectData=1000.00"},
    {"ScaleCorrectData", "ScaleOpticalCorrectData", C::Drag, Parameter, ScaleOpticalCorrectSlider,
     "2500", "ScaleOpticalCorrectData=2500"},
    {"ProcessingAutosave", "Autosave", C::Choose, Parameter, Autosave, "ON", "Autosave=ON"},
    {CSP, "Scale", C::Choose, Capture, CaptureScale, "OFF", "Scale=OFF"},
    {CSP, "AutosaveLocation", C::Type, Capture, AutosaveLocation, "D:\\Shots",
     "AutosaveLocation=\"D:\\Shots\""},
    {CSP, "AutosavePrefix", C::Type, Capture, AutosavePrefix, "SHOT123",
     "AutosavePrefix=\"SHOT1\""},
    {CSP, "SnapshotDefaultFormat", C::Choose, Capture, SnapshotDefaultFormat, "BMP",
     "SnapshotDefaultFormat=2"},
    {CSP, "MovieDefaultFormat", C::Choose, Capture, MovieDefaultFormat, "MPEG",
     "MovieDefaultFormat=0"},
    {CSP, "ImageSizeDefault", C::Choose, Capture, ImageSizeDefault, "320x240",
     "ImageSizeDefault=0"},
    {CSP, "AutoExposure", C::Choose, Capture, AutoExposure, "OFF", "AutoExposure=OFF"},
    {CSP, "ManualExposure", C::Drag, Capture, ManualExposureSlider, "200", "ManualExposure=200"},
    {CSP, "LoadFileLocation", C::Type, Capture, LoadFileLocation, "E:\\In",
     "LoadFileLocation=\"E:\\In\""},
    {CSP, "SaveAsLocation", C::Type, Capture, CaptureSaveAsLocation, "F:\\Out",
     "SaveAsLocation=\"F:\\Out\""},
    {CSP, "SaveAsSnapshotDefaultFormat", C::Choose, Capture, SaveAsSnapshotDefaultFormat, "TIFF",
     "SaveAsSnapshotDefaultFormat=1"},
    {CSP, "SaveAsMovieDefaultFormat", C::Choose, Capture, SaveAsMovieDefaultFormat, "MPEG",
     "SaveAsMovieDefaultFormat=0"},
    {LSP, "LoadLocation", C::Type, Library, LoadLocation, "", "LoadLocation=\"\""},
    {LSP, "LoadFilename", C::Type, Library, LoadFilename, "Scan.bmp", "LoadFilename=\"Scan.bmp\""},
    {LSP, "SaveLocation", C::Type, Library, AppDataId::SaveLocation, "  G:\\Lib ",
     "SaveLocation=\"  G:\\Lib \""},
    {LSP, "SaveFilename", C::Type, Library, SaveFilename, "Out.jpg", "SaveFilename=\"Out.jpg\""},
    {PSP, "SaveAsLocation", C::Type, Processing, ProcessingId::SaveAsLocation, "D:\\Processed",
     "SaveAsLocation=\"D:\\Processed\""},
    {PSP, "SaveAsFilename", C::Type, Processing, SaveAsFilename, "Out.bmp",
     "SaveAsFilename=\"Out.bmp\""},
    {PSP, "Scale", C::Choose, Processing, ProcessingId::Scale, "OFF", "Scale=OFF"},
    {PSP, "ImageInformation", C::Choose, Processing, ImageInformation, "OFF",
     "ImageInformation=OFF"},
    {PSP, "Rotate", C::Choose, Processing, Rotate, "3", "Rotate=3"},
    {PSP, "Flip", C::Choose, Processing, Flip, "2", "Flip=2"},
    {PSP, "WhiteBalanceSelect", C::Choose, Processing, WhiteBalanceSelect, "Area",
     "WhiteBalanceSelect=1"},
    {PSP, "BlackBalanceSelect", C::Choose, Processing, BlackBalanceSelect, "Area",
     "BlackBalanceSelect=1"},
    {PSP, "Hue", C::TypeLeave, Processing, HueText, "42", "Hue=42"},
    {PSP, "Saturation", C::TypeLeave, Processing, SaturationText, "200", "Saturation=200"},
    {PSP, "Intensity", C::Drag, Processing, IntensitySlider, "10", "Intensity=10"},
    {PSP, "ColorBalanceCR", C::TypeLeave, Processing, ColorBalanceCrText, "1", "ColorBalanceCR=1"},
    {PSP, "ColorBalanceMG", C::TypeLeave, Processing, ColorBalanceMgText, "255",
     "ColorBalanceMG=255"},
    {PSP, "ColorBalanceYB", C::TypeLeave, Processing, ColorBalanceYbText, "77",
     "ColorBalanceYB=77"},
    {PSP, "Brightness", C::TypeLeave, Processing, BrightnessText, "300", "Brightness=255"},
    {PSP, "Contrast", C::Drag, Processing, ContrastSlider, "0", "Contrast=0"},
    {PSP, "Sharpness", C::TypeLeave, Processing, SharpnessText, "9", "Sharpness=9"},
    {PSP, "Gamma", C::TypeLeave, Processing, GammaText, "250", "Gamma=250"},
    {PSP, "TextTypeface", C::Font, Processing, EditFontProperties, "face:Courier New",
     "TextTypeface=\"Courier New\""},
    {PSP, "TextSize", C::Font, Processing, EditFontProperties, "tenths:100", "TextSize=100"},
    {PSP, "TextStyle", C::Font, Processing, EditFontProperties, "weight:700", "TextStyle=1"},
    {PSP, "TextUnderline", C::Font, Processing, EditFontProperties, "underline:1",
     "TextUnderline=ON"},
    // The colour's name follows its parts, so a colour change also names the new colour.
    {PSP, "TextColor", C::Font, Processing, EditFontProperties, "colour:255,255,0",
     "TextColor=YELLOW\nTextColorB=0"},
    {PSP, "TextColorR", C::Font, Processing, EditFontProperties, "colour:254,255,255",
     "TextColor=\nTextColorR=fe"},
    {PSP, "TextColorG", C::Font, Processing, EditFontProperties, "colour:255,200,255",
     "TextColor=\nTextColorG=c8"},
    {PSP, "TextColorB", C::Font, Processing, EditFontProperties, "colour:255,255,12",
     "TextColor=\nTextColorB=c"},
    {PSP, "InformationColorR", C::Colour, Processing, EditInformationColor, "128,255,0",
     "InformationColorR=80"},
    {PSP, "InformationColorG", C::Colour, Processing, EditInformationColor, "255,0,0",
     "InformationColorG=0"},
    {PSP, "InformationColorB", C::Colour, Processing, EditInformationColor, "255,255,255",
     "InformationColorB=ff"},
    {PSP, "CalendarSelect", C::Choose, Processing, CalendarSelect, "MDY", "CalendarSelect=MDY"},
    {"InitialProcess", "Count", C::Kept, Parameter, 0, "Count=3", "Count=3"},
    {"InitialProcess", "Process1", C::Kept, Parameter, 0, "Process1=Sharpen 2",
     "Process1=Sharpen 2"},
    {"InitialProcess", "Process2", C::Kept, Parameter, 0, "Process2=7", "Process2=7"},
    {"InitialProcess", "Process3", C::Kept, Parameter, 0, "Process3=", "Process3="},
    {"InitialProcess", "Process4", C::Kept, Parameter, 0, "Process4=-1", "Process4=-1"},
    {"InitialProcess", "Process5", C::Kept, Parameter, 0, "Process5=x", "Process5=x"},
    {"InitialProcess", "Process6", C::Kept, Parameter, 0, "Process6=12", "Process6=12"},
    {"InitialProcess", "Process7", C::Kept, Parameter, 0, "Process7=a,b", "Process7=a,b"},
    {"InitialProcess", "Process8", C::Kept, Parameter, 0, "Process8=99", "Process8=99"},
    {"InitialProcess", "Process9", C::Kept, Parameter, 0, "Process9=0x10", "Process9=0x10"},
    {"InitialProcess", "Process10", C::Kept, Parameter, 0, "Process10=OFF", "Process10=OFF"},
    {"Application", "FontName", C::Kept, Parameter, 0, "FontName=Courier New",
     "FontName=\"Courier New\""},
    {"Application", "RivesPos", C::Kept, Parameter, 0, "RivesPos=12", "RivesPos=12"},
    {"Application", "CharSet", C::Kept, Parameter, 0, "CharSet=128", "CharSet=128"},
    {"Application", "Machine", C::Kept, Parameter, 0, "Machine=2", "Machine=2"},
    {"Application", "FolderSize", C::Kept, Parameter, 0, "FolderSize=250", "FolderSize=250"},
    {PSP, "BlackBalanceTarget", C::TypeLeave, Processing, BlackBalanceTargetText, "20",
     "BlackBalanceTarget=20"},
    {PSP, "BlackBalanceLimit", C::Drag, Processing, BlackBalanceLimitSlider, "100",
     "BlackBalanceLimit=100"},
    {"WhiteBalance", "Blue", C::TypeLeave, Camera1, Page1Id::BlueEdit, "100", "Blue=64"},
    {"WhiteBalance", "Red", C::TypeLeave, Camera1, Page1Id::RedEdit, "200", "Red=c8"},
    {"Gamma", "Gamma1", C::Click, Camera1, Page1Id::Level90, "", "Gamma1=71,03,01"},
    {"Gamma", "Gamma2", C::Click, Camera1, Page1Id::Curve05, "", "Gamma2=71,04,00"},
    {"Gamma", "Gamma3", C::TypeLeave, Camera1, Page1Id::GammaEdit, "100", "Gamma3=72,FF,64"},
    {"Saturation", "Saturation", C::TypeLeave, Camera1, Page1Id::SaturationEdit, "200",
     "Saturation=03,FF,c8"},
    {"Contrast", "Contrast", C::TypeLeave, Camera1, Page1Id::ContrastEdit, "16",
     "Contrast=05,FF,10"},
    {"Brightness", "Brightness", C::TypeLeave, Camera1, Page1Id::BrightnessEdit, "255",
     "Brightness=06,FF,ff"},
    {"ColorBias", "Blue", C::TypeLeave, Camera1, Page1Id::BiasBlueEdit, "63", "Blue=0C,3F,3f"},
    {"ColorBias", "Red", C::TypeLeave, Camera1, Page1Id::BiasRedEdit, "5", "Red=0D,3F,05"},
    {"SuperGain", "Gain", C::Choose, Camera2, Page2Id::SuperGainList, "ON", "Gain=0E,80,80"},
    {"AWBSpeed", "AWBSpeed", C::Choose, Camera2, Page2Id::AwbList, "LOW", "AWBSpeed=20,02,00"},
    {"AECSpeed", "AECSpeed", C::Choose, Camera2, Page2Id::AecList, "LOW", "AECSpeed=2D,80,00"},
    {"ALCSpeed", "ALCSpeed", C::Choose, Camera2, Page2Id::AlcList, "LOW", "ALCSpeed=2D,20,00"},
    {"FrameSpeed", "FrameSpeed", C::TypeLeave, Camera2, Page2Id::FrameSpeedEdit, "12",
     "FrameSpeed=12"},
    {"WhiteBalance2", "Blue", C::TypeLeave, Camera1, Page1Id::BlueEdit, "100", "Blue=64"},
    {"WhiteBalance2", "Red", C::TypeLeave, Camera1, Page1Id::RedEdit, "200", "Red=c8"},
    // The OV7620's gamma level and curve have no control on page 1; only Start applies them.
    {"Gamma2", "Gamma1", C::None, Camera1, 0, "Gamma1=64,01,00", "Gamma1=64,01,00", true},
    {"Gamma2", "Gamma2", C::None, Camera1, 0, "Gamma2=14,04,00", "Gamma2=14,04,00", true},
    {"Gamma2", "Gamma3", C::TypeLeave, Camera1, Page1Id::GammaEdit, "100", "Gamma3=62,FE,64"},
    {"Saturation2", "Saturation", C::TypeLeave, Camera1, Page1Id::SaturationEdit, "200",
     "Saturation=03,FF,c8"},
    {"Contrast2", "Contrast", C::TypeLeave, Camera1, Page1Id::ContrastEdit, "16",
     "Contrast=64,FE,10"},
    {"Brightness2", "Brightness", C::TypeLeave, Camera1, Page1Id::BrightnessEdit, "255",
     "Brightness=06,FF,ff"},
    {"ColorBias2", "Blue", C::TypeLeave, Camera1, Page1Id::BiasBlueEdit, "63", "Blue=0C,3F,3f"},
    {"ColorBias2", "Red", C::TypeLeave, Camera1, Page1Id::BiasRedEdit, "5", "Red=0D,3F,05"},
    {"SuperGain2", "Gain", C::Choose, Camera2, Page2Id::SuperGainList, "ON", "Gain=74,60,60"},
    {"AWBSpeed2", "AWBSpeed", C::Choose, Camera2, Page2Id::AwbList, "LOW", "AWBSpeed=20,02,00"},
    {"AECSpeed2", "AECSpeed", C::Choose, Camera2, Page2Id::AecList, "LOW", "AECSpeed=2D,FF,05"},
    // The OV7620's ALC Speed list is disabled, and Start does not send this command.
    {"ALCSpeed2", "ALCSpeed", C::None, Camera2, 0, "ALCSpeed=2D,FF,05", "ALCSpeed=2D,FF,05"},
    {"FrameSpeed2", "FrameSpeed", C::TypeLeave, Camera2, Page2Id::FrameSpeedEdit, "12",
     "FrameSpeed=12"},
};

// file with the lines of the section's keys replaced; a key the section lacks fails the test.
QByteArray withLines(QByteArray file, const char* section, const QByteArray& lines) {
    for (const QByteArray& line : lines.split('\n')) {
        const QByteArray key = line.left(line.indexOf('=') + 1);
        const qsizetype header = file.indexOf("[" + QByteArray(section) + "]\r\n");
        const qsizetype at = file.indexOf("\r\n" + key, header) + 2;
        const qsizetype next = file.indexOf('[', header + 1);
        if (header < 0 || at < 2 || (next >= 0 && at > next)) {
            ADD_FAILURE() << section << " has no " << key.constData();
            continue;
        }
        file.replace(at, file.indexOf("\r\n", at) - at, line);
    }
    return file;
}

QColor colourFrom(const QByteArray& text) {
    const QList<QByteArray> parts = text.split(',');
    return QColor(parts[0].toInt(), parts[1].toInt(), parts[2].toInt());
}

class SettingsKeyTest : public AppDataTest, public ::testing::WithParamInterface<KeyCase> {
protected:
    void TearDown() override {
        main.reset();
        AppDataTest::TearDown();
    }

    bool onCamera() const { return GetParam().page >= Camera1; }

    void edit() {
        const KeyCase& c = GetParam();
        const QString input = QString::fromLatin1(c.input);
        if (onCamera()) {
            main->m_pSheet->setActivePage(c.page - Camera1);
            current = c.page == Camera1 ? static_cast<PropertyPage*>(main->m_pPage1.get())
                                        : static_cast<PropertyPage*>(main->m_pPage2.get());
        } else {
            showPage(c.page);
        }
        switch (c.change) {
        case C::Type:
        case C::TypeLeave:
            typeInto(c.control, input);
            if (c.change == C::TypeLeave) {
                leave(c.control);
            }
            break;
        case C::Choose:
            choose(c.control, input);
            break;
        case C::Drag:
            drag(c.control, input.toInt());
            break;
        case C::Click:
        case C::Font:
        case C::Colour:
            answerDialog(c);
            QTest::mouseClick(current->controls().as<QAbstractButton>(c.control), Qt::LeftButton);
            break;
        case C::Kept:
        case C::None:
            break;
        }
    }

    // The factory font (12-point Arial, regular, white) with the row's one field changed.
    void answerDialog(const KeyCase& c) {
        const QByteArray input(c.input);
        if (c.change == C::Colour) {
            dialogs.colourAnswers.push_back(colourFrom(input));
            return;
        }
        if (c.change != C::Font) {
            return;
        }
        FontDialogResult answer{true, {}, QColor(255, 255, 255)};
        answer.font.faceName = QStringLiteral("Arial");
        answer.font.pointSizeTenths = 120;
        const QByteArray value = input.mid(input.indexOf(':') + 1);
        if (input.startsWith("face:")) {
            answer.font.faceName = QString::fromLatin1(value);
        } else if (input.startsWith("tenths:")) {
            answer.font.pointSizeTenths = value.toInt();
        } else if (input.startsWith("weight:")) {
            answer.font.weight = value.toInt();
        } else if (input.startsWith("underline:")) {
            answer.font.underline = true;
        } else {
            answer.colour = colourFrom(value);
        }
        dialogs.fontAnswers.push_back(answer);
    }

    void save() {
        if (onCamera()) {
            dialogs.fileAnswers.push_back(iniPath());
            main->menu()->choose(MenuId::FileSave);
        } else {
            saveAs(iniPath());
        }
    }

    std::unique_ptr<CameraDataDialog> main;
};

TEST_P(SettingsKeyTest, ChangesExactlyItsLineOfTheSavedFile) {
    const KeyCase& c = GetParam();
    QByteArray original = fileBytes(iniPath());
    if (c.change == C::Kept || c.change == C::None) {
        // A hand-edited file: the line as the technician left it.
        original = withLines(original, c.section, c.input);
        writeFile(iniPath(), original);
        SettingsFile().Load(iniPath());
    }
    if (onCamera()) {
        vx3sim::setCameraVersion(QByteArray(c.section).endsWith('2') ? "OV7620" : "OV7610");
        main = startMainWindow();
    } else {
        window = openWindow();
    }

    edit();
    if (c.sequence) {
        const QList<QByteArray> command = QByteArray(c.input).split('=')[1].split(',');
        main->StartLiveView();
        const int address = command[0].toInt(nullptr, 16);
        const int mask = command[1].toInt(nullptr, 16);
        EXPECT_EQ(vx3sim::peekRegister(static_cast<std::uint8_t>(address)) & mask,
                  command[2].toInt(nullptr, 16));
        main->StopLiveView();
    }
    save();
    EXPECT_EQ(fileBytes(iniPath()).toStdString(),
              withLines(original, c.section, c.saved).toStdString());
}

INSTANTIATE_TEST_SUITE_P(AllKeys, SettingsKeyTest, ::testing::ValuesIn(kKeys),
                         [](const auto& param) {
                             return std::string(param.param.section) + "_" + param.param.key;
                         });

TEST(SettingsKeyTable, CoversAllKeysOfTheFile) {
    EXPECT_EQ(std::size(kKeys), 101u);
}

} // namespace
} // namespace halvex::test
