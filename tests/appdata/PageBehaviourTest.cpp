// What the pages show and store beyond a plain edit: the factors' and the exposure's corrections,
// the sliders, and files that lack keys or hold garbage.
#include "AppDataTest.h"

namespace halvex::test {
namespace {

using namespace AppDataId;
using PageTest = AppDataTest;

QString stored(const char* section, const char* key) {
    return settingsStore().value(QString::fromLatin1(section), QString::fromLatin1(key));
}

// Leaving a factor's box corrects the text, stores a hundred times the factor and moves the
// slider; typing alone marks the change but neither stores nor moves the slider.
TEST_F(PageTest, LeavingAFactorsBoxCorrectsStoresAndMovesTheSlider) {
    // Box, slider, typed, shown, the slider's position, the key and its stored value.
    const std::tuple<int, int, const char*, const char*, int, const char*, const char*> cases[] = {
        {ScaleCorrect, ScaleCorrectSlider, "25", "10", 1000, "ScaleCorrectData", "1000.00"},
        {ScaleCorrect, ScaleCorrectSlider, "0", "0.1", 10, "ScaleCorrectData", "10.00"},
        {ScaleCorrect, ScaleCorrectSlider, "", "0.1", 10, "ScaleCorrectData", "10.00"},
        {ScaleCorrect, ScaleCorrectSlider, "1.234", "1.234", 123, "ScaleCorrectData", "123.40"},
        {ScaleCorrect, ScaleCorrectSlider, "2.5x", "2.5", 250, "ScaleCorrectData", "250.00"},
        {ScaleOpticalCorrect, ScaleOpticalCorrectSlider, "150", "100", 10000,
         "ScaleOpticalCorrectData", "10000.00"},
    };
    showPage(ParameterPage);
    for (const auto& [box, thumb, typed, shown, position, key, value] : cases) {
        SCOPED_TRACE(typed);
        SettingsChanged = 0;
        const QString before = stored("ScaleCorrectData", key);
        const int positionBefore = slider(thumb)->value();
        typeInto(box, QLatin1String(typed));
        EXPECT_EQ(SettingsChanged, 1);
        EXPECT_EQ(stored("ScaleCorrectData", key), before);
        EXPECT_EQ(slider(thumb)->value(), positionBefore);
        leave(box);
        EXPECT_EQ(edit(box)->text(), QLatin1String(shown));
        EXPECT_EQ(slider(thumb)->value(), position);
        EXPECT_EQ(stored("ScaleCorrectData", key), QLatin1String(value));
    }
}

// The factors show a hundredth of the stored value; moving either slider rewrites both factors
// as integers, and at its left end a slider gives the smallest factor.
TEST_F(PageTest, FactorsShowHundredthsAndEitherSliderRewritesBoth) {
    settingsStore().setValue(u"ScaleCorrectData", u"ScaleCorrectData", QStringLiteral("150"));
    settingsStore().setValue(u"ScaleCorrectData", u"ScaleOpticalCorrectData",
                             QStringLiteral("2500.00"));
    showPage(ParameterPage);
    EXPECT_EQ(edit(ScaleCorrect)->text(), "1.5");
    EXPECT_EQ(slider(ScaleCorrectSlider)->value(), 150);
    EXPECT_EQ(edit(ScaleOpticalCorrect)->text(), "25");
    EXPECT_EQ(slider(ScaleOpticalCorrectSlider)->value(), 2500);

    typeInto(ScaleCorrect, QStringLiteral("1.234"));
    leave(ScaleCorrect);
    drag(ScaleOpticalCorrectSlider, 4321);
    EXPECT_EQ(stored("ScaleCorrectData", "ScaleCorrectData"), "123");
    EXPECT_EQ(stored("ScaleCorrectData", "ScaleOpticalCorrectData"), "4321");
    EXPECT_EQ(edit(ScaleCorrect)->text(), "1.23");
    EXPECT_EQ(edit(ScaleOpticalCorrect)->text(), "43.21");

    QTest::keyClick(slider(ScaleOpticalCorrectSlider), Qt::Key_Home);
    EXPECT_EQ(edit(ScaleOpticalCorrect)->text(), "0.1");
    EXPECT_EQ(slider(ScaleOpticalCorrectSlider)->value(), 10);
    EXPECT_EQ(stored("ScaleCorrectData", "ScaleOpticalCorrectData"), "10");
}

TEST_F(PageTest, ClearingTheVersionBringsThePreviousVersionBack) {
    showPage(ParameterPage);
    typeInto(Version, QString());
    EXPECT_EQ(SettingsChanged, 1);
    leave(Version);
    EXPECT_EQ(edit(Version)->text(), "2.2.1");
    EXPECT_EQ(stored("Version", "Version"), "2.2.1");
    EXPECT_EQ(edit(Version)->maxLength(), 50);
}

// Manual Exposure: the slider follows the typing in the canonical form of the number; leaving the
// box with a text that is no level from 1 to 255 puts the slider's position back.
TEST_F(PageTest, ManualExposureTypedAndLeft) {
    using Case = std::tuple<const char*, const char*, int, const char*>;
    showPage(CaptureScreenPage);
    leave(ManualExposure);
    EXPECT_EQ(SettingsChanged, 0); // leaving an unchanged box is no edit
    for (const auto& [typed, shownWhileTyping, position, value] :
         {Case{"300", "300", 255, "255"}, Case{"007", "7", 7, "7"}, Case{"0", "0", 0, "0"},
          Case{"", "0", 0, "0"}, Case{"1", "1", 1, "1"}}) {
        SCOPED_TRACE(typed);
        drag(ManualExposureSlider, 128);
        typeInto(ManualExposure, QLatin1String(typed));
        EXPECT_EQ(edit(ManualExposure)->text(), shownWhileTyping);
        EXPECT_EQ(slider(ManualExposureSlider)->value(), position);
        EXPECT_EQ(stored("CaptureScreenParameter", "ManualExposure"), "128");
        leave(ManualExposure);
        EXPECT_EQ(edit(ManualExposure)->text(), value);
        EXPECT_EQ(stored("CaptureScreenParameter", "ManualExposure"), value);
    }
}

// A file that lacks most keys and holds garbage in others.
const QByteArray kSparseFile = "[UserFolder]\r\nUserMakeFolder=maybe\r\n"
                               "[DataSizeCheck]\r\nSizeCheck=on\r\n"
                               "[ScaleCorrectData]\r\nScaleCorrectData=junk\r\n"
                               "[CaptureScreenParameter]\r\nImageSizeDefault=7\r\n"
                               "MovieDefaultFormat=x1\r\nManualExposure=abc\r\n"
                               "AutosavePrefix=\"TOOLONG\"\r\n";

TEST_F(PageTest, AFileLackingKeysOrHoldingGarbageShowsEmptyChoicesAndIsSavedAsItWas) {
    const QString sparse = workPath(QStringLiteral("sparse.ini"));
    writeFile(sparse, kSparseFile);
    SettingsFile().Load(sparse);
    const QStringList loaded = storeValues();
    showPage(ParameterPage);
    EXPECT_EQ(edit(Version)->text(), QString());
    for (int id : {UserMakeFolder, DefaultFolderErase, SizeCheck, Autosave}) {
        EXPECT_EQ(list(id)->currentIndex(), -1) << id;
    }
    EXPECT_EQ(edit(ScaleCorrect)->text(), "0");
    EXPECT_EQ(slider(ScaleCorrectSlider)->value(), 1);

    showPage(CaptureScreenPage);
    for (int id : {SnapshotDefaultFormat, MovieDefaultFormat, SaveAsSnapshotDefaultFormat,
                   SaveAsMovieDefaultFormat}) {
        EXPECT_EQ(list(id)->currentIndex(), 0) << id;
    }
    EXPECT_EQ(list(ImageSizeDefault)->currentIndex(), -1); // 7 is no entry
    EXPECT_EQ(list(CaptureScale)->currentIndex(), -1);
    EXPECT_EQ(edit(ManualExposure)->text(), "abc");
    EXPECT_EQ(slider(ManualExposureSlider)->value(), 0);
    EXPECT_EQ(edit(AutosavePrefix)->text(), "TOOLONG");
    EXPECT_EQ(edit(AutosaveLocation)->text(), QString());


    // Showing is no edit: the store keeps every value, garbage included, through a save too; only
    // the text colour's name follows its (missing, so black) components.
    EXPECT_EQ(SettingsChanged, 0);
    saveAs(workPath(QStringLiteral("saved.ini")));
    QStringList expected = loaded;
    expected[45] = QStringLiteral("BLACK"); // TextColor, the 46th key
    EXPECT_EQ(storeValues(), expected);

    // The prefix's limit of 5 refuses the keys that would lengthen the text, not those that
    // shorten it; each change is stored.
    showPage(CaptureScreenPage);
    QLineEdit* prefix = edit(AutosavePrefix);
    const std::pair<Qt::Key, const char*> keys[] = {
        {Qt::Key_X, "TOOLONG"},       {Qt::Key_Backspace, "TOOLON"}, {Qt::Key_X, "TOOLON"},
        {Qt::Key_Backspace, "TOOLO"}, {Qt::Key_X, "TOOLO"},          {Qt::Key_Backspace, "TOOL"},
        {Qt::Key_X, "TOOLx"},         {Qt::Key_X, "TOOLx"}};
    for (const auto& [key, text] : keys) {
        QTest::keyClick(prefix, key);
        EXPECT_EQ(stored("CaptureScreenParameter", "AutosavePrefix"), text);
    }
    EXPECT_EQ(prefix->text(), "TOOLx");
}

} // namespace
} // namespace halvex::test
