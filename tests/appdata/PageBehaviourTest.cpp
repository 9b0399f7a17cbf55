// What the pages show and store beyond a plain edit: the factors' and the exposure's corrections,
// the sliders, and files that lack keys or hold garbage.
#include "AppDataTest.h"
#include "framework/MenuBar.h"
#include "resources/ResourceIds.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsStore.h"

namespace halvex::test {
namespace {

using namespace AppDataId;
using PageTest = AppDataTest;

QString stored(const char* section, const char* key) {
    return settingsStore().value(QString::fromLatin1(section), QString::fromLatin1(key));
}

struct FactorCase {
    const char* name;
    int edit;
    int slider;
    const char* typed;
    const char* shown;
    int position;
    const char* key;
    const char* stored;
};

std::ostream& operator<<(std::ostream& out, const FactorCase& c) {
    return out << c.name;
}

const FactorCase kFactorCases[] = {
    {"AboveTheLimit", ScaleCorrect, ScaleCorrectSlider, "25", "10", 1000, "ScaleCorrectData",
     "1000.00"},
    {"Zero", ScaleCorrect, ScaleCorrectSlider, "0", "0.1", 10, "ScaleCorrectData", "10.00"},
    {"Cleared", ScaleCorrect, ScaleCorrectSlider, "", "0.1", 10, "ScaleCorrectData", "10.00"},
    {"Fraction", ScaleCorrect, ScaleCorrectSlider, "1.234", "1.234", 123, "ScaleCorrectData",
     "123.40"},
    {"TrailingLetters", ScaleCorrect, ScaleCorrectSlider, "2.5x", "2.5", 250, "ScaleCorrectData",
     "250.00"},
    {"OpticalAboveTheLimit", ScaleOpticalCorrect, ScaleOpticalCorrectSlider, "150", "100", 10000,
     "ScaleOpticalCorrectData", "10000.00"},
    {"OpticalWithinItsLimit", ScaleOpticalCorrect, ScaleOpticalCorrectSlider, "55", "55", 5500,
     "ScaleOpticalCorrectData", "5500.00"},
};

class FactorTest : public AppDataTest, public ::testing::WithParamInterface<FactorCase> {};

TEST_P(FactorTest, LeavingTheBoxCorrectsStoresAndMovesTheSlider) {
    const FactorCase& c = GetParam();
    showPage(ParameterPage);
    typeInto(c.edit, QString::fromLatin1(c.typed));
    // Typing alone marks the change but neither stores nor moves the slider.
    EXPECT_EQ(SettingsChanged, 1);
    EXPECT_EQ(stored("ScaleCorrectData", c.key), QStringLiteral("100"));
    EXPECT_EQ(slider(c.slider)->value(), 100);

    leave(c.edit);
    EXPECT_EQ(edit(c.edit)->text(), QString::fromLatin1(c.shown));
    EXPECT_EQ(slider(c.slider)->value(), c.position);
    EXPECT_EQ(stored("ScaleCorrectData", c.key), QString::fromLatin1(c.stored));
}

INSTANTIATE_TEST_SUITE_P(Cases, FactorTest, ::testing::ValuesIn(kFactorCases),
                         [](const auto& param) { return std::string(param.param.name); });

TEST_F(PageTest, FactorsShowTheStoredValueOverAHundred) {
    settingsStore().setValue(u"ScaleCorrectData", u"ScaleCorrectData", QStringLiteral("150"));
    settingsStore().setValue(u"ScaleCorrectData", u"ScaleOpticalCorrectData",
                             QStringLiteral("2500.00"));
    showPage(ParameterPage);
    EXPECT_EQ(edit(ScaleCorrect)->text(), QStringLiteral("1.5"));
    EXPECT_EQ(slider(ScaleCorrectSlider)->value(), 150);
    EXPECT_EQ(edit(ScaleOpticalCorrect)->text(), QStringLiteral("25"));
    EXPECT_EQ(slider(ScaleOpticalCorrectSlider)->value(), 2500);
    EXPECT_EQ(slider(ScaleCorrectSlider)->minimum(), 1);
    EXPECT_EQ(slider(ScaleCorrectSlider)->maximum(), 1000);
    EXPECT_EQ(slider(ScaleOpticalCorrectSlider)->maximum(), 10000);
}

TEST_F(PageTest, MovingEitherSliderRewritesBothFactorsAsIntegers) {
    showPage(ParameterPage);
    typeInto(ScaleCorrect, QStringLiteral("1.234"));
    leave(ScaleCorrect);
    ASSERT_EQ(stored("ScaleCorrectData", "ScaleCorrectData"), QStringLiteral("123.40"));
    drag(ScaleOpticalCorrectSlider, 4321);
    EXPECT_EQ(SettingsChanged, 1);
    EXPECT_EQ(stored("ScaleCorrectData", "ScaleCorrectData"), QStringLiteral("123"));
    EXPECT_EQ(stored("ScaleCorrectData", "ScaleOpticalCorrectData"), QStringLiteral("4321"));
    EXPECT_EQ(edit(ScaleCorrect)->text(), QStringLiteral("1.23"));
    EXPECT_EQ(edit(ScaleOpticalCorrect)->text(), QStringLiteral("43.21"));

    // At its left end a slider gives the smallest factor.
    pressOnSlider(ScaleOpticalCorrectSlider, Qt::Key_Home);
    EXPECT_EQ(edit(ScaleOpticalCorrect)->text(), QStringLiteral("0.1"));
    EXPECT_EQ(slider(ScaleOpticalCorrectSlider)->value(), 10);
    EXPECT_EQ(stored("ScaleCorrectData", "ScaleOpticalCorrectData"), QStringLiteral("10"));
}

TEST_F(PageTest, ClearingTheVersionBringsThePreviousVersionBack) {
    showPage(ParameterPage);
    typeInto(Version, QString());
    EXPECT_EQ(SettingsChanged, 1);
    leave(Version);
    EXPECT_EQ(edit(Version)->text(), QStringLiteral("2.2.1"));
    EXPECT_EQ(stored("Version", "Version"), QStringLiteral("2.2.1"));
    EXPECT_EQ(edit(Version)->maxLength(), 50);
}

// Manual Exposure: the slider follows the typing in the canonical form of the number; leaving the
// box with a text that is no level from 1 to 255 puts the slider's position back.
struct ExposureCase {
    const char* typed;
    const char* shownWhileTyping;
    int slider;
    const char* stored;
};

TEST_F(PageTest, ManualExposureTypedAndLeft) {
    for (const ExposureCase& c : {ExposureCase{"300", "300", 255, "255"},
                                  ExposureCase{"007", "7", 7, "7"}, ExposureCase{"0", "0", 0, "0"},
                                  ExposureCase{"", "0", 0, "0"}, ExposureCase{"1", "1", 1, "1"}}) {
        showPage(CaptureScreenPage);
        drag(ManualExposureSlider, 128);
        typeInto(ManualExposure, QString::fromLatin1(c.typed));
        EXPECT_EQ(edit(ManualExposure)->text(), c.shownWhileTyping) << c.typed;
        EXPECT_EQ(slider(ManualExposureSlider)->value(), c.slider) << c.typed;
        EXPECT_EQ(stored("CaptureScreenParameter", "ManualExposure"), "128") << c.typed;
        leave(ManualExposure);
        EXPECT_EQ(edit(ManualExposure)->text(), c.stored) << c.typed;
        EXPECT_EQ(stored("CaptureScreenParameter", "ManualExposure"), c.stored) << c.typed;
    }
}

TEST_F(PageTest, LeavingAnUnchangedExposureIsNoEdit) {
    showPage(CaptureScreenPage);
    leave(ManualExposure);
    EXPECT_EQ(SettingsChanged, 0);
}

// A file that lacks most keys and holds garbage in others.
const QByteArray kSparseFile = "[UserFolder]\r\nUserMakeFolder=maybe\r\n"
                               "[DataSizeCheck]\r\nSizeCheck=on\r\n"
                               "[ScaleCorrectData]\r\nScaleCorrectData=junk\r\n"
                               "[CaptureScreenParameter]\r\nImageSizeDefault=7\r\n"
                               "MovieDefaultFormat=x1\r\nManualExposure=abc\r\n"
                               "AutosavePrefix=\"TOOLONG\"\r\n";

TEST_F(PageTest, AFileLackingKeysOrHoldingGarbageShowsEmptyChoicesAndSavesAsItWas) {
    const QString sparse = workPath(QStringLiteral("sparse.ini"));
    writeFile(sparse, kSparseFile);
    window = openWindow();
    dialogs.fileAnswers = {sparse};
    window->menu()->choose(FileLoad);
    ASSERT_TRUE(window->hasEnded());
    const QStringList loaded = storeValues();

    window = openWindow();
    showPage(ParameterPage);
    EXPECT_EQ(edit(Version)->text(), QString());
    for (int id : {UserMakeFolder, DefaultFolderErase, SizeCheck, Autosave}) {
        EXPECT_EQ(list(id)->currentIndex(), -1) << id;
    }
    EXPECT_EQ(edit(ScaleCorrect)->text(), QStringLiteral("0"));
    EXPECT_EQ(slider(ScaleCorrectSlider)->value(), 1);

    showPage(CaptureScreenPage);
    for (int id : {SnapshotDefaultFormat, MovieDefaultFormat, SaveAsSnapshotDefaultFormat,
                   SaveAsMovieDefaultFormat}) {
        EXPECT_EQ(list(id)->currentIndex(), 0) << id;
    }
    EXPECT_EQ(list(ImageSizeDefault)->currentIndex(), -1); // 7 is no entry
    EXPECT_EQ(list(CaptureScale)->currentIndex(), -1);
    EXPECT_EQ(edit(ManualExposure)->text(), QStringLiteral("abc"));
    EXPECT_EQ(slider(ManualExposureSlider)->value(), 0);
    EXPECT_EQ(edit(AutosavePrefix)->text(), QStringLiteral("TOOLO"));
    EXPECT_EQ(edit(AutosaveLocation)->text(), QString());

    showPage(LibraryScreenPage);
    EXPECT_EQ(edit(LoadLocation)->text(), QString());
    showPage(ProcessingScreenPage);
    EXPECT_EQ(list(ProcessingId::Scale)->currentIndex(), -1);
    EXPECT_EQ(list(ProcessingId::Rotate)->currentIndex(), 0);
    EXPECT_EQ(list(ProcessingId::CalendarSelect)->currentIndex(), -1);

    // Showing is no edit: the store keeps every value, garbage included, and Save writes it; only
    // the text colour's name follows its (missing, so black) components.
    EXPECT_EQ(SettingsChanged, 0);
    EXPECT_EQ(settingsStore().value(u"ProcessingScreenParameter", u"TextColor"), "BLACK");
    QStringList expected = loaded;
    expected[45] = QStringLiteral("BLACK"); // TextColor, the 46th key
    EXPECT_EQ(storeValues(), expected);
    const QString saved = workPath(QStringLiteral("saved.ini"));
    saveAs(saved);
    const QByteArray bytes = fileBytes(saved);
    for (const char* line :
         {"Version=\"\"\r\n", "UserMakeFolder=maybe\r\n", "SizeCheck=on\r\n",
          "DefaultFolderErase=\r\n", "ScaleCorrectData=junk\r\n", "ImageSizeDefault=7\r\n",
          "MovieDefaultFormat=x1\r\n", "SnapshotDefaultFormat=\r\n", "ManualExposure=abc\r\n",
          "AutosavePrefix=\"TOOLONG\"\r\n", "LoadLocation=\"\"\r\n", "TextColor=BLACK\r\n"}) {
        EXPECT_TRUE(bytes.contains(line)) << line;
    }
}

} // namespace
} // namespace halvex::test
