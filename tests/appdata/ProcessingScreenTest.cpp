// The Processing Screen tab beyond a plain edit: malformed stored values, the twelve levels moving
// together, the font and colour dialogs and the colour preview.
#include "AppDataTest.h"
#include "appdata/CProcessingScreen.h"

#include <QAbstractButton>
#include <QLabel>
#include <array>

namespace halvex::test {
namespace {

using namespace ProcessingId;

QString stored(const QByteArray& key) {
    return settingsStore().value(u"ProcessingScreenParameter", QString::fromLatin1(key));
}

void setStored(const QByteArray& key, const QByteArray& value) {
    settingsStore().setValue(u"ProcessingScreenParameter", QString::fromLatin1(key),
                             QString::fromLatin1(value));
}

class ProcessingScreenTest : public AppDataTest {
protected:
    CProcessingScreen& open() {
        return dynamic_cast<CProcessingScreen&>(showPage(ProcessingScreenPage));
    }
    QString text(int id) const { return current->controls().text(id); }
    void press(int id) {
        QTest::mouseClick(current->controls().as<QAbstractButton>(id), Qt::LeftButton);
    }
    // The colour the preview box shows in its middle.
    QColor previewColour() const {
        const QImage shown =
            current->controls().as<QLabel>(InformationColorPreview)->grab().toImage();
        return shown.pixelColor(shown.width() / 2, shown.height() / 2);
    }
    // Stored values of the text font, TextTypeface to TextColorB, in the order of the file.
    static QStringList fontKeys() { return storeValues().mid(41, 8); }
};

TEST_F(ProcessingScreenTest, MalformedValuesAreShownAsTheyReadAndOnlyTheColourNameIsRewritten) {
    const QList<QByteArray> malformed =
        QByteArray("TextSize=abc TextStyle=7 TextUnderline=on TextColorR=zz TextColorG=100 "
                   "TextColorB=ff Scale=yes Rotate=7 Flip=abc Hue=abc Gamma=300 CalendarSelect=ymd "
                   "InformationColorR=1ff InformationColorG= InformationColorB=0x80")
            .split(' ');
    for (const QByteArray& line : malformed) {
        setStored(line.split('=')[0], line.split('=')[1]);
    }
    open();
    // zz, 100 and ff read as 0, 0, 255: blue.
    EXPECT_EQ((QStringList{text(TextSize), text(TextStyle), text(TextUnderline), text(TextColor),
                           text(HueText)}),
              (QStringList{"0", "", "on", "BLUE", "abc"}));
    // Flip: no number reads as 0.
    EXPECT_EQ((std::array{list(ProcessingId::Scale)->currentIndex(), list(Rotate)->currentIndex(),
                          list(Flip)->currentIndex(), list(CalendarSelect)->currentIndex(),
                          slider(HueSlider)->value(), slider(GammaSlider)->value()}),
              (std::array{-1, -1, 0, -1, 0, 255}));
    EXPECT_EQ(previewColour(), QColor(255, 0, 128));
    EXPECT_TRUE(edit(TextTypeface)->isReadOnly());

    EXPECT_EQ(stored("TextColor"), "BLUE");
    for (const QByteArray& line : malformed) {
        EXPECT_EQ(stored(line.split('=')[0]), QString::fromLatin1(line.split('=')[1]))
            << line.constData();
    }
    EXPECT_EQ(SettingsChanged, 0);
}

TEST_F(ProcessingScreenTest, AnySliderGestureStoresAllTwelveLevels) {
    setStored("Gamma", "abc");
    setStored("Sharpness", "300");
    open();
    QTest::keyClick(slider(BlackBalanceLimitSlider), Qt::Key_Right);
    EXPECT_EQ((QStringList{stored("BlackBalanceLimit"), stored("Gamma"), stored("Sharpness"),
                           stored("Hue"), stored("BlackBalanceTarget")}),
              (QStringList{"65", "0", "255", "128", "16"}));
    EXPECT_EQ(text(SharpnessText), "255");
    EXPECT_EQ(SettingsChanged, 1);
    // A gesture at the slider's end moves nothing and still stores; typing alone stores nothing.
    setStored("Gamma", "abc");
    QTest::keyClick(slider(SharpnessSlider), Qt::Key_End);
    EXPECT_EQ(stored("Gamma"), "0");
    typeInto(SharpnessText, "7");
    EXPECT_EQ(slider(SharpnessSlider)->value(), 7);
    EXPECT_EQ(stored("Sharpness"), "255");
}

TEST_F(ProcessingScreenTest, FontDialogStartsFromTheShownFontAndItsAnswerIsStored) {
    open();
    FontDialogResult answer{true, {}, QColor(255, 0, 0)};
    answer.font = {QStringLiteral("Courier New"), 0, 700, true, true, false, 95};
    dialogs.fontAnswers.push_back(answer);
    press(EditFontProperties);

    ASSERT_EQ(dialogs.fontDialogs.size(), 1u);
    const auto& [initial, initialColour] = dialogs.fontDialogs.front();
    // Arial of 12 points, regular.
    EXPECT_EQ(std::tuple(initial.faceName, initial.height, initial.weight, initial.italic,
                         initial.underline),
              std::tuple(QStringLiteral("Arial"), 16, 400, false, false));
    EXPECT_EQ(initialColour, QColor(255, 255, 255));
    EXPECT_EQ(fontKeys(), (QStringList{"Courier New", "95", "3", "ON", "RED", "ff", "0", "0"}));
    const QStringList shown{text(TextTypeface), text(TextSize), text(TextStyle),
                            text(TextUnderline), text(TextColor)};
    EXPECT_EQ(shown, (QStringList{"Courier New", "9", "BOLDITALIC", "ON", "RED"}));
    EXPECT_EQ(SettingsChanged, 1);

    press(EditFontProperties); // cancelled: the next dialog starts from what the page shows
    const auto& [next, nextColour] = dialogs.fontDialogs.back();
    EXPECT_EQ(next.height, 12); // 9 points
    EXPECT_TRUE(next.italic && next.underline && next.weight == 700);
    EXPECT_EQ(nextColour, QColor(255, 0, 0));
}

// A cancelled dialog rewrites the same values and counts as an edit: no size reported keeps the
// size, the colour comes back in the form the page writes, an unnamed style stays unnamed unless a
// style is chosen.
TEST_F(ProcessingScreenTest, CancelledFontDialogRewritesTheSameValuesAndCountsAsAnEdit) {
    setStored("TextSize", "abc");
    setStored("TextStyle", "5");
    setStored("TextColorR", "FF");
    setStored("TextColorG", "0ff");
    open();
    press(EditFontProperties);
    EXPECT_EQ(fontKeys(), (QStringList{"Arial", "abc", "", "OFF", "WHITE", "ff", "ff", "ff"}));
    EXPECT_EQ(SettingsChanged, 1);

    FontDialogResult answer{true, dialogs.fontDialogs.back().first, QColor(0, 0, 0)};
    answer.font.weight = 400;
    answer.font.faceName = QStringLiteral("A typeface name far longer than thirty-one");
    dialogs.fontAnswers.push_back(answer);
    press(EditFontProperties);
    EXPECT_EQ(stored("TextStyle"), "0");
    EXPECT_EQ(text(TextStyle), "REGULAR");
    EXPECT_EQ(stored("TextTypeface"), "A typeface name far longer than");
}

TEST_F(ProcessingScreenTest, InformationColourIsChosenStoredAndPreviewedOnEveryTick) {
    CProcessingScreen& page = open();
    EXPECT_EQ(previewColour(), QColor(255, 255, 0));
    dialogs.colourAnswers.push_back(QColor(12, 200, 255));
    press(EditInformationColor);
    ASSERT_EQ(dialogs.colourDialogs.size(), 1u);
    EXPECT_EQ(dialogs.colourDialogs.front(), QColor(255, 255, 0));
    EXPECT_EQ(previewColour(), QColor(12, 200, 255));
    press(EditInformationColor); // cancelled: the colour stays
    EXPECT_EQ(stored("InformationColorG"), "c8");

    auto* box = current->controls().as<QLabel>(InformationColorPreview);
    box->setPixmap(QPixmap());
    ASSERT_TRUE(page.isTimerRunning(CProcessingScreen::PreviewTimerId));
    page.fireTimer(CProcessingScreen::PreviewTimerId);
    const QImage preview = box->pixmap().toImage();
    EXPECT_EQ(preview.size(), QSize(120, 20));
    EXPECT_EQ(preview.pixelColor(119, 19), QColor(12, 200, 255));
}

} // namespace
} // namespace halvex::test
