// Every key of the settings file, in the order Save writes them: changing its control through the
// real widgets and saving changes exactly that key's line of the file, and keys without an editor
// pass a load and a save unchanged.
#include "AppDataTest.h"
#include "app/CameraDataDialog.h"
#include "camerasettings/CCameraSetting1.h"
#include "camerasettings/CCameraSetting2.h"

#include <QAbstractButton>
#include <QTest>

namespace halvex::test {
namespace {

// How the key's control is changed: typed over (and left), a list entry chosen, a slider dragged to
// the position in input, a radio button clicked, the font dialog answering a font and colour, the
// colour dialog answering red,green,blue. Kept: no editor by design, hand-edited lines are loaded
// and saved again. None: no editor on its sensor, loaded, used by Start when sequence says so and
// saved again.
enum class Change { Type, TypeLeave, Choose, Drag, Click, Font, Colour, Kept, None };

// Where the control is: a page of the application-data window or of the camera settings sheet.
enum Where { Parameter, Capture, Library, Processing, Camera1, Camera2 };

struct KeyCase {
    const char* section;
    Change change;
    Where page;
    int control;
    // Typed text, chosen entry, slider position, the dialog's answer, or the hand-edited lines of
    // the file.
    const char* input;
    // The saved lines expected to differ from the factory file, separated by '\n', the key's own
    // line first; empty: the hand-edited line of input, saved as it was.
    const char* saved;
    bool sequence = false; // None: the camera start-up sequence applies the hand-edited command
};

QByteArray savedLines(const KeyCase& c) {
    return QByteArray(*c.saved != '\0' ? c.saved : c.input);
}

// Section and key of the row, as "Section_Key".
std::string keyName(const KeyCase& c) {
    const QByteArray line = savedLines(c);
    return std::string(c.section) + "_" + line.left(line.indexOf('=')).toStdString();
}

void PrintTo(const KeyCase& c, std::ostream* out) {
    *out << keyName(c);
}

using namespace AppDataId;
using namespace ProcessingId;
using C = Change;
constexpr const char* CSP = "CaptureScreenParameter";
constexpr const char* LSP = "LibraryScreenParameter";
constexpr const char* PSP = "ProcessingScreenParameter";
constexpr const char* IP = "InitialProcess";
constexpr const char* APP = "Application";

const KeyCase kKeys[] = {
    {"Version", C::TypeLeave, Parameter, Version, "2.3.0", "Version=\"2.3.0\""},
    {"UserFolder", C::Choose, Parameter, UserMakeFolder, "OFF", "UserMakeFolder=OFF"},
    {"DefaultFolderDataErase", C::Choose, Parameter, DefaultFolderErase, "ON",
     "DefaultFolderErase=ON"},
    {"DataSizeCheck", C::Choose, Parameter, SizeCheck, "OFF", "SizeCheck=OFF"},
    {"ScaleCorrectData", C::TypeLeave, Parameter, ScaleCorrect, "25", "ScaleCorrectData=1000.00"},
    {"ScaleCorrectData", C::Drag, Parameter, ScaleOpticalCorrectSlider, "2500",
     "ScaleOpticalCorrectData=2500"},
    {"ProcessingAutosave", C::Choose, Parameter, Autosave, "ON", "Autosave=ON"},
    {CSP, C::Choose, Capture, CaptureScale, "OFF", "Scale=OFF"},
    {CSP, C::Type, Capture, AutosaveLocation, "D:\\Shots", "AutosaveLocation=\"D:\\Shots\""},
    {CSP, C::Type, Capture, AutosavePrefix, "SHOT123", "AutosavePrefix=\"SHOT1\""},
    {CSP, C::Choose, Capture, SnapshotDefaultFormat, "BMP", "SnapshotDefaultFormat=2"},
    {CSP, C::Choose, Capture, MovieDefaultFormat, "MPEG", "MovieDefaultFormat=0"},
    {CSP, C::Choose, Capture, ImageSizeDefault, "320x240", "ImageSizeDefault=0"},
    {CSP, C::Choose, Capture, AutoExposure, "OFF", "AutoExposure=OFF"},
    {CSP, C::Drag, Capture, ManualExposureSlider, "200", "ManualExposure=200"},
    {CSP, C::Type, Capture, LoadFileLocation, "E:\\In", "LoadFileLocation=\"E:\\In\""},
    {CSP, C::Type, Capture, CaptureSaveAsLocation, "F:\\Out", "SaveAsLocation=\"F:\\Out\""},
    {CSP, C::Choose, Capture, SaveAsSnapshotDefaultFormat, "TIFF", "SaveAsSnapshotDefaultFormat=1"},
    {CSP, C::Choose, Capture, SaveAsMovieDefaultFormat, "MPEG", "SaveAsMovieDefaultFormat=0"},
    {LSP, C::Type, Library, LoadLocation, "", "LoadLocation=\"\""},
    {LSP, C::Type, Library, LoadFilename, "Scan.bmp", "LoadFilename=\"Scan.bmp\""},
    {LSP, C::Type, Library, AppDataId::SaveLocation, "  G:\\Lib ", "SaveLocation=\"  G:\\Lib \""},
    {LSP, C::Type, Library, SaveFilename, "Out.jpg", "SaveFilename=\"Out.jpg\""},
    {PSP, C::Type, Processing, ProcessingId::SaveAsLocation, "D:\\Processed",
     "SaveAsLocation=\"D:\\Processed\""},
    {PSP, C::Type, Processing, SaveAsFilename, "Out.bmp", "SaveAsFilename=\"Out.bmp\""},
    {PSP, C::Choose, Processing, ProcessingId::Scale, "OFF", "Scale=OFF"},
    {PSP, C::Choose, Processing, ImageInformation, "OFF", "ImageInformation=OFF"},
    {PSP, C::Choose, Processing, Rotate, "3", "Rotate=3"},
    {PSP, C::Choose, Processing, Flip, "2", "Flip=2"},
    {PSP, C::Choose, Processing, WhiteBalanceSelect, "Area", "WhiteBalanceSelect=1"},
    {PSP, C::Choose, Processing, BlackBalanceSelect, "Area", "BlackBalanceSelect=1"},
    {PSP, C::TypeLeave, Processing, HueText, "42", "Hue=42"},
    {PSP, C::TypeLeave, Processing, SaturationText, "200", "Saturation=200"},
    {PSP, C::Drag, Processing, IntensitySlider, "10", "Intensity=10"},
    {PSP, C::TypeLeave, Processing, ColorBalanceCrText, "1", "ColorBalanceCR=1"},
    {PSP, C::TypeLeave, Processing, ColorBalanceMgText, "255", "ColorBalanceMG=255"},
    {PSP, C::TypeLeave, Processing, ColorBalanceYbText, "77", "ColorBalanceYB=77"},
    {PSP, C::TypeLeave, Processing, BrightnessText, "300", "Brightness=255"},
    {PSP, C::Drag, Processing, ContrastSlider, "0", "Contrast=0"},
    {PSP, C::TypeLeave, Processing, SharpnessText, "9", "Sharpness=9"},
    {PSP, C::TypeLeave, Processing, GammaText, "250", "Gamma=250"},
    {PSP, C::Font, Processing, EditFontProperties, "Courier New,120,400,0,255,255,255",
     "TextTypeface=\"Courier New\""},
    {PSP, C::Font, Processing, EditFontProperties, "Arial,100,400,0,255,255,255", "TextSize=100"},
    {PSP, C::Font, Processing, EditFontProperties, "Arial,120,700,0,255,255,255", "TextStyle=1"},
    {PSP, C::Font, Processing, EditFontProperties, "Arial,120,400,1,255,255,255",
     "TextUnderline=ON"},
    // The colour's name follows its parts, so a colour change also names the new colour.
    {PSP, C::Font, Processing, EditFontProperties, "Arial,120,400,0,255,255,0",
     "TextColor=YELLOW\nTextColorB=0"},
    {PSP, C::Font, Processing, EditFontProperties, "Arial,120,400,0,254,255,255",
     "TextColorR=fe\nTextColor="},
    {PSP, C::Font, Processing, EditFontProperties, "Arial,120,400,0,255,200,255",
     "TextColorG=c8\nTextColor="},
    {PSP, C::Font, Processing, EditFontProperties, "Arial,120,400,0,255,255,12",
     "TextColorB=c\nTextColor="},
    {PSP, C::Colour, Processing, EditInformationColor, "128,255,0", "InformationColorR=80"},
    {PSP, C::Colour, Processing, EditInformationColor, "255,0,0", "InformationColorG=0"},
    {PSP, C::Colour, Processing, EditInformationColor, "255,255,255", "InformationColorB=ff"},
    {PSP, C::Choose, Processing, CalendarSelect, "MDY", "CalendarSelect=MDY"},
    {IP, C::Kept, Parameter, 0,
     "Count=3\nProcess1=Sharpen 2\nProcess2=7\nProcess3=\nProcess4=-1\nProcess5=x\nProcess6=12\n"
     "Process7=a,b\nProcess8=99\nProcess9=0x10\nProcess10=OFF",
     ""},
    {APP, C::Kept, Parameter, 0,
     "FontName=Courier New\nRivesPos=12\nCharSet=128\nMachine=2\nFolderSize=250",
     "FontName=\"Courier New\"\nRivesPos=12\nCharSet=128\nMachine=2\nFolderSize=250"},
    {PSP, C::TypeLeave, Processing, BlackBalanceTargetText, "20", "BlackBalanceTarget=20"},
    {PSP, C::Drag, Processing, BlackBalanceLimitSlider, "100", "BlackBalanceLimit=100"},
    {"WhiteBalance", C::TypeLeave, Camera1, Page1Id::BlueEdit, "100", "Blue=64"},
    {"WhiteBalance", C::TypeLeave, Camera1, Page1Id::RedEdit, "200", "Red=c8"},
    {"Gamma", C::Click, Camera1, Page1Id::Level90, "", "Gamma1=71,03,01"},
    {"Gamma", C::Click, Camera1, Page1Id::Curve05, "", "Gamma2=71,04,00"},
    {"Gamma", C::TypeLeave, Camera1, Page1Id::GammaEdit, "100", "Gamma3=72,FF,64"},
    {"Saturation", C::TypeLeave, Camera1, Page1Id::SaturationEdit, "200", "Saturation=03,FF,c8"},
    {"Contrast", C::TypeLeave, Camera1, Page1Id::ContrastEdit, "16", "Contrast=05,FF,10"},
    {"Brightness", C::TypeLeave, Camera1, Page1Id::BrightnessEdit, "255", "Brightness=06,FF,ff"},
    {"ColorBias", C::TypeLeave, Camera1, Page1Id::BiasBlueEdit, "63", "Blue=0C,3F,3f"},
    {"ColorBias", C::TypeLeave, Camera1, Page1Id::BiasRedEdit, "5", "Red=0D,3F,05"},
    {"SuperGain", C::Choose, Camera2, Page2Id::SuperGainList, "ON", "Gain=0E,80,80"},
    {"AWBSpeed", C::Choose, Camera2, Page2Id::AwbList, "LOW", "AWBSpeed=20,02,00"},
    {"AECSpeed", C::Choose, Camera2, Page2Id::AecList, "LOW", "AECSpeed=2D,80,00"},
    {"ALCSpeed", C::Choose, Camera2, Page2Id::AlcList, "LOW", "ALCSpeed=2D,20,00"},
    {"FrameSpeed", C::TypeLeave, Camera2, Page2Id::FrameSpeedEdit, "12", "FrameSpeed=12"},
    {"WhiteBalance2", C::TypeLeave, Camera1, Page1Id::BlueEdit, "100", "Blue=64"},
    {"WhiteBalance2", C::TypeLeave, Camera1, Page1Id::RedEdit, "200", "Red=c8"},
    // The OV7620's gamma level and curve have no control on page 1; only Start applies them.
    {"Gamma2", C::None, Camera1, 0, "Gamma1=64,01,00", "", true},
    {"Gamma2", C::None, Camera1, 0, "Gamma2=14,04,00", "", true},
    {"Gamma2", C::TypeLeave, Camera1, Page1Id::GammaEdit, "100", "Gamma3=62,FE,64"},
    {"Saturation2", C::TypeLeave, Camera1, Page1Id::SaturationEdit, "200", "Saturation=03,FF,c8"},
    {"Contrast2", C::TypeLeave, Camera1, Page1Id::ContrastEdit, "16", "Contrast=64,FE,10"},
    {"Brightness2", C::TypeLeave, Camera1, Page1Id::BrightnessEdit, "255", "Brightness=06,FF,ff"},
    {"ColorBias2", C::TypeLeave, Camera1, Page1Id::BiasBlueEdit, "63", "Blue=0C,3F,3f"},
    {"ColorBias2", C::TypeLeave, Camera1, Page1Id::BiasRedEdit, "5", "Red=0D,3F,05"},
    {"SuperGain2", C::Choose, Camera2, Page2Id::SuperGainList, "ON", "Gain=74,60,60"},
    {"AWBSpeed2", C::Choose, Camera2, Page2Id::AwbList, "LOW", "AWBSpeed=20,02,00"},
    {"AECSpeed2", C::Choose, Camera2, Page2Id::AecList, "LOW", "AECSpeed=2D,FF,05"},
    // The OV7620's ALC Speed list is disabled, and Start does not send this command.
    {"ALCSpeed2", C::None, Camera2, 0, "ALCSpeed=2D,FF,05", ""},
    {"FrameSpeed2", C::TypeLeave, Camera2, Page2Id::FrameSpeedEdit, "12", "FrameSpeed=12"},
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
        if (c.change == C::Type || c.change == C::TypeLeave) {
            typeInto(c.control, input);
            if (c.change == C::TypeLeave) {
                leave(c.control);
            }
        } else if (c.change == C::Choose) {
            choose(c.control, input);
        } else if (c.change == C::Drag) {
            drag(c.control, input.toInt());
        } else if (c.change == C::Click || c.change == C::Font || c.change == C::Colour) {
            answerDialog(c);
            QTest::mouseClick(current->controls().as<QAbstractButton>(c.control), Qt::LeftButton);
        }
    }

    // The font dialog answers "face,tenths,weight,underline,R,G,B"; the colour dialog "R,G,B".
    void answerDialog(const KeyCase& c) {
        const QList<QByteArray> parts = QByteArray(c.input).split(',');
        const auto colour = [&parts](qsizetype at) {
            return QColor(parts[at].toInt(), parts[at + 1].toInt(), parts[at + 2].toInt());
        };
        if (c.change == C::Colour) {
            dialogs.colourAnswers.push_back(colour(0));
        } else if (c.change == C::Font) {
            FontDialogResult answer{true, {}, colour(4)};
            answer.font.faceName = QString::fromLatin1(parts[0]);
            answer.font.pointSizeTenths = parts[1].toInt();
            answer.font.weight = parts[2].toInt();
            answer.font.underline = parts[3] == "1";
            dialogs.fontAnswers.push_back(answer);
        }
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
              withLines(original, c.section, savedLines(c)).toStdString());
}

INSTANTIATE_TEST_SUITE_P(AllKeys, SettingsKeyTest, ::testing::ValuesIn(kKeys),
                         [](const auto& param) { return keyName(param.param); });

TEST(SettingsKeyTable, CoversAllKeysOfTheFile) {
    std::size_t keys = 0;
    for (const KeyCase& c : kKeys) {
        keys += c.change == C::Kept ? QByteArray(c.input).count('\n') + 1 : 1;
    }
    EXPECT_EQ(keys, 101u);
}

} // namespace
} // namespace halvex::test
