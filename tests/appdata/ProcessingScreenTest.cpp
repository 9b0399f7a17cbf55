// The Processing Screen page on its own: what it shows from the store, malformed values included,
// and what each control, the font dialog and the colour dialog store.
#include "AppTestEnvironment.h"
#include "appdata/CProcessingScreen.h"
#include "controls/ValueSlider.h"
#include "framework/PropertySheet.h"
#include "resources/ResourceIds.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsStore.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <memory>

namespace halvex {
namespace {

using namespace ProcessingId;

QString storedValue(const char* key) {
    return settingsStore().value(u"ProcessingScreenParameter", QString::fromLatin1(key));
}

void setStored(const char* key, const char* value) {
    ASSERT_TRUE(settingsStore().setValue(u"ProcessingScreenParameter", QString::fromLatin1(key),
                                         QString::fromLatin1(value)));
}

class ProcessingScreenTest : public test::AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        SettingsFile().Load(workPath(QStringLiteral("default.ini")));
    }

    // Constructs the page from the store and shows it alone in a sheet, which initialises it as
    // its tab's first selection does.
    void open() {
        page = std::make_unique<CProcessingScreen>();
        sheet = std::make_unique<PropertySheet>();
        sheet->addPage(page.get());
        sheet->create(&host);
        host.show();
    }

    QString text(int id) const { return page->controls().text(id); }
    int selection(int id) const { return page->controls().as<QComboBox>(id)->currentIndex(); }
    ValueSlider* slider(int id) const { return page->controls().as<ValueSlider>(id); }

    void choose(int id, int index) {
        auto* combo = page->controls().as<QComboBox>(id);
        combo->setCurrentIndex(index);
        Q_EMIT combo->activated(index);
    }
    // Replaces the box's text by typing, as a technician selecting it all and typing over it.
    void type(int id, const char* typed) {
        auto* edit = page->controls().as<QLineEdit>(id);
        edit->selectAll();
        if (*typed == '\0') {
            QTest::keyClick(edit, Qt::Key_Delete);
        } else {
            QTest::keyClicks(edit, QString::fromLatin1(typed));
        }
    }
    void press(int id) {
        QTest::mouseClick(page->controls().as<QAbstractButton>(id), Qt::LeftButton);
    }
    void leave(int id) {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(page->control(id), &out);
    }

    // The colour the preview box shows in its middle.
    QColor previewColour() const {
        auto* box = page->controls().as<QLabel>(InformationColorPreview);
        const QImage shown = box->grab().toImage();
        return shown.pixelColor(shown.width() / 2, shown.height() / 2);
    }

    QWidget host;
    std::unique_ptr<CProcessingScreen> page;
    std::unique_ptr<PropertySheet> sheet; // goes before the page it holds
};

TEST_F(ProcessingScreenTest, ShowsTheFactoryValues) {
    open();
    EXPECT_EQ(text(SaveAsLocation), QStringLiteral("C:\\Corvane\\Processed"));
    EXPECT_EQ(text(SaveAsFilename), QStringLiteral("Processed.jpg"));
    EXPECT_EQ(text(Scale), QStringLiteral("ON"));
    EXPECT_EQ(text(ImageInformation), QStringLiteral("ON"));
    EXPECT_EQ(text(Rotate), QStringLiteral("0"));
    EXPECT_EQ(text(Flip), QStringLiteral("0"));
    EXPECT_EQ(text(WhiteBalanceSelect), QStringLiteral("Point"));
    EXPECT_EQ(text(BlackBalanceSelect), QStringLiteral("Point"));
    EXPECT_EQ(text(CalendarSelect), QStringLiteral("YMD"));
    EXPECT_EQ(text(HueText), QStringLiteral("128"));
    EXPECT_EQ(slider(HueSlider)->value(), 128);
    EXPECT_EQ(text(BlackBalanceTargetText), QStringLiteral("16"));
    EXPECT_EQ(slider(BlackBalanceTargetSlider)->value(), 16);
    EXPECT_EQ(text(BlackBalanceLimitText), QStringLiteral("64"));
    EXPECT_EQ(slider(BlackBalanceLimitSlider)->value(), 64);
    EXPECT_EQ(slider(GammaSlider)->minimum(), 0);
    EXPECT_EQ(slider(GammaSlider)->maximum(), 255);

    EXPECT_EQ(text(TextTypeface), QStringLiteral("Arial"));
    EXPECT_EQ(text(TextSize), QStringLiteral("12"));
    EXPECT_EQ(text(TextStyle), QStringLiteral("REGULAR"));
    EXPECT_EQ(text(TextUnderline), QStringLiteral("OFF"));
    EXPECT_EQ(text(TextColor), QStringLiteral("WHITE"));
    for (int id : {TextTypeface, TextSize, TextStyle, TextUnderline, TextColor}) {
        EXPECT_TRUE(page->controls().as<QLineEdit>(id)->isReadOnly()) << id;
    }
    EXPECT_EQ(page->informationColour(), 0x0000FFFFu);
    EXPECT_EQ(previewColour(), QColor(255, 255, 0));
    EXPECT_TRUE(page->isTimerRunning(CProcessingScreen::PreviewTimerId));
    EXPECT_EQ(page->caption(), QStringLiteral("         Processing Screen           "));
    // Showing the page is not an edit.
    EXPECT_EQ(SettingsChanged, 0);
}

TEST_F(ProcessingScreenTest, MalformedValuesAreShownAsTheyReadAndNotRewritten) {
    struct Value {
        const char* key;
        const char* stored;
    };
    const Value malformed[] = {
        {"TextSize", "abc"},       {"TextStyle", "7"},
        {"TextTypeface", ""},      {"TextUnderline", "on"},
        {"TextColorR", "zz"},      {"TextColorG", "100"},
        {"TextColorB", "ff"},      {"Scale", "yes"},
        {"Rotate", "7"},           {"Flip", "abc"},
        {"CalendarSelect", "ymd"}, {"Hue", "abc"},
        {"Gamma", "300"},          {"InformationColorR", "1ff"},
        {"InformationColorG", ""}, {"InformationColorB", "0x80"},
    };
    for (const Value& value : malformed) {
        setStored(value.key, value.stored);
    }
    setStored("TextColor", "WHITE");
    open();

    EXPECT_EQ(text(TextSize), QStringLiteral("0"));
    EXPECT_EQ(text(TextStyle), QString());
    EXPECT_EQ(text(TextTypeface), QString());
    EXPECT_EQ(text(TextUnderline), QStringLiteral("on"));
    EXPECT_EQ(text(TextColor), QStringLiteral("BLUE")); // zz, 100 and ff read as 0, 0, 255
    EXPECT_EQ(selection(Scale), -1);
    EXPECT_EQ(selection(Rotate), -1);
    EXPECT_EQ(selection(Flip), 0); // no number reads as 0
    EXPECT_EQ(selection(CalendarSelect), -1);
    EXPECT_EQ(text(HueText), QStringLiteral("abc"));
    EXPECT_EQ(slider(HueSlider)->value(), 0);
    EXPECT_EQ(slider(GammaSlider)->value(), 255);
    EXPECT_EQ(page->informationColour(), 0x008000FFu);
    EXPECT_EQ(previewColour(), QColor(255, 0, 128));

    // Only the colour name follows its components when the page opens; the rest stays as it was.
    EXPECT_EQ(storedValue("TextColor"), QStringLiteral("BLUE"));
    for (const Value& value : malformed) {
        EXPECT_EQ(storedValue(value.key), QString::fromLatin1(value.stored)) << value.key;
    }
    EXPECT_EQ(SettingsChanged, 0);
}

TEST_F(ProcessingScreenTest, OpeningRewritesTheTextColourNameFromItsComponents) {
    setStored("TextColor", "WHITE");
    setStored("TextColorR", "c");
    setStored("TextColorG", "c8");
    setStored("TextColorB", "ff");
    open();
    EXPECT_EQ(storedValue("TextColor"), QString());
    EXPECT_EQ(text(TextColor), QString());
}

TEST_F(ProcessingScreenTest, ListsStoreTheirEntryTextOrTheirIndex) {
    open();
    struct Choice {
        int id;
        int index;
        const char* key;
        const char* stored;
    };
    for (const Choice& c :
         {Choice{Scale, 1, "Scale", "OFF"}, Choice{ImageInformation, 1, "ImageInformation", "OFF"},
          Choice{Rotate, 3, "Rotate", "3"}, Choice{Flip, 2, "Flip", "2"},
          Choice{WhiteBalanceSelect, 1, "WhiteBalanceSelect", "1"},
          Choice{BlackBalanceSelect, 1, "BlackBalanceSelect", "1"},
          Choice{CalendarSelect, 1, "CalendarSelect", "MDY"},
          Choice{CalendarSelect, 0, "CalendarSelect", "DMY"}, Choice{Scale, 0, "Scale", "ON"}}) {
        SettingsChanged = 0;
        choose(c.id, c.index);
        EXPECT_EQ(storedValue(c.key), QString::fromLatin1(c.stored)) << c.key;
        EXPECT_EQ(SettingsChanged, 1) << c.key;
    }
    EXPECT_EQ(text(BlackBalanceSelect), QStringLiteral("Area"));
}

TEST_F(ProcessingScreenTest, SaveTextsAreStoredAtEveryChange) {
    open();
    auto* edit = page->controls().as<QLineEdit>(SaveAsFilename);
    edit->end(false);
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(storedValue("SaveAsFilename"), QStringLiteral("Processed.jp"));
    EXPECT_EQ(SettingsChanged, 1);
    type(SaveAsLocation, "D:\\Out ");
    EXPECT_EQ(storedValue("SaveAsLocation"), QStringLiteral("D:\\Out "));
}

TEST_F(ProcessingScreenTest, LevelsFollowTypingAndAreStoredWithinRangeOnLeaving) {
    open();
    struct Case {
        const char* typed;
        int sliderWhileTyping;
        const char* shownAfterLeaving;
    };
    for (const Case& c :
         {Case{"42", 42, "42"}, Case{"999", 255, "255"}, Case{"0", 0, "0"}, Case{"", 0, "0"},
          Case{"007", 7, "7"}, Case{"255", 255, "255"}, Case{"1", 1, "1"}}) {
        setStored("Hue", "128");
        SettingsChanged = 0;
        type(HueText, c.typed);
        EXPECT_EQ(slider(HueSlider)->value(), c.sliderWhileTyping) << c.typed;
        EXPECT_EQ(storedValue("Hue"), QStringLiteral("128")) << "stored only on leaving";
        EXPECT_EQ(SettingsChanged, 1);
        leave(HueText);
        EXPECT_EQ(text(HueText), QString::fromLatin1(c.shownAfterLeaving)) << c.typed;
        EXPECT_EQ(storedValue("Hue"), QString::fromLatin1(c.shownAfterLeaving)) << c.typed;
    }
}

TEST_F(ProcessingScreenTest, AnyMovedSliderStoresAllTwelveLevels) {
    setStored("Gamma", "abc");
    setStored("Sharpness", "300");
    open();
    QTest::keyClick(slider(BlackBalanceLimitSlider), Qt::Key_Right);
    EXPECT_EQ(storedValue("BlackBalanceLimit"), QStringLiteral("65"));
    EXPECT_EQ(text(BlackBalanceLimitText), QStringLiteral("65"));
    EXPECT_EQ(storedValue("Gamma"), QStringLiteral("0"));
    EXPECT_EQ(storedValue("Sharpness"), QStringLiteral("255"));
    EXPECT_EQ(text(SharpnessText), QStringLiteral("255"));
    EXPECT_EQ(storedValue("Hue"), QStringLiteral("128"));
    EXPECT_EQ(storedValue("BlackBalanceTarget"), QStringLiteral("16"));
    EXPECT_EQ(SettingsChanged, 1);

    // Dragged to its left end, a level stores 0.
    ValueSlider* hue = slider(HueSlider);
    hue->setSliderDown(true);
    hue->setSliderPosition(0);
    hue->setSliderDown(false);
    EXPECT_EQ(storedValue("Hue"), QStringLiteral("0"));
    EXPECT_EQ(text(HueText), QStringLiteral("0"));
}

TEST_F(ProcessingScreenTest, FontDialogAnswerIsStoredInItsTextForms) {
    open();
    FontDialogResult answer;
    answer.accepted = true;
    answer.font.faceName = QStringLiteral("Courier New");
    answer.font.weight = 700;
    answer.font.italic = true;
    answer.font.underline = true;
    answer.font.pointSizeTenths = 95;
    answer.colour = QColor(255, 0, 0);
    dialogs.fontAnswers.push_back(answer);
    press(EditFontProperties);

    ASSERT_EQ(dialogs.fontDialogs.size(), 1u);
    const auto& [initial, initialColour] = dialogs.fontDialogs.front();
    EXPECT_EQ(initial.faceName, QStringLiteral("Arial"));
    EXPECT_EQ(initial.height, 16);
    EXPECT_EQ(initial.weight, 400);
    EXPECT_FALSE(initial.italic);
    EXPECT_FALSE(initial.underline);
    EXPECT_EQ(initialColour, QColor(255, 255, 255));

    EXPECT_EQ(storedValue("TextTypeface"), QStringLiteral("Courier New"));
    EXPECT_EQ(storedValue("TextSize"), QStringLiteral("95"));
    EXPECT_EQ(storedValue("TextStyle"), QStringLiteral("3"));
    EXPECT_EQ(storedValue("TextUnderline"), QStringLiteral("ON"));
    EXPECT_EQ(storedValue("TextColor"), QStringLiteral("RED"));
    EXPECT_EQ(storedValue("TextColorR"), QStringLiteral("ff"));
    EXPECT_EQ(storedValue("TextColorG"), QStringLiteral("0"));
    EXPECT_EQ(storedValue("TextColorB"), QStringLiteral("0"));
    EXPECT_EQ(text(TextTypeface), QStringLiteral("Courier New"));
    EXPECT_EQ(text(TextSize), QStringLiteral("9"));
    EXPECT_EQ(text(TextStyle), QStringLiteral("BOLDITALIC"));
    EXPECT_EQ(text(TextUnderline), QStringLiteral("ON"));
    EXPECT_EQ(text(TextColor), QStringLiteral("RED"));
    EXPECT_EQ(SettingsChanged, 1);

    // The next dialog starts from what the page now shows.
    press(EditFontProperties);
    const auto& [next, nextColour] = dialogs.fontDialogs.back();
    EXPECT_EQ(next.height, 12);
    EXPECT_EQ(next.weight, 700);
    EXPECT_TRUE(next.italic);
    EXPECT_TRUE(next.underline);
    EXPECT_EQ(nextColour, QColor(255, 0, 0));
}

TEST_F(ProcessingScreenTest, TwelvePointArialBoldStoresItsForms) {
    open();
    FontDialogResult answer;
    answer.accepted = true;
    answer.font.faceName = QStringLiteral("Arial");
    answer.font.weight = 700;
    answer.font.pointSizeTenths = 120;
    answer.colour = QColor(12, 200, 255);
    dialogs.fontAnswers.push_back(answer);
    press(EditFontProperties);
    EXPECT_EQ(storedValue("TextTypeface"), QStringLiteral("Arial"));
    EXPECT_EQ(storedValue("TextSize"), QStringLiteral("120"));
    EXPECT_EQ(storedValue("TextStyle"), QStringLiteral("1"));
    EXPECT_EQ(storedValue("TextUnderline"), QStringLiteral("OFF"));
    EXPECT_EQ(storedValue("TextColor"), QString()); // not one of the sixteen
    EXPECT_EQ(storedValue("TextColorR"), QStringLiteral("c"));
    EXPECT_EQ(storedValue("TextColorG"), QStringLiteral("c8"));
    EXPECT_EQ(storedValue("TextColorB"), QStringLiteral("ff"));
}

TEST_F(ProcessingScreenTest, CancelledFontDialogKeepsTheValuesButCountsAsAnEdit) {
    setStored("TextSize", "abc");
    setStored("TextColorR", "FF");
    setStored("TextColorG", "0ff");
    setStored("TextColorB", "ff");
    open();
    press(EditFontProperties);
    EXPECT_EQ(storedValue("TextTypeface"), QStringLiteral("Arial"));
    EXPECT_EQ(storedValue("TextSize"), QStringLiteral("abc")); // no size reported
    EXPECT_EQ(storedValue("TextStyle"), QStringLiteral("0"));
    EXPECT_EQ(storedValue("TextUnderline"), QStringLiteral("OFF"));
    EXPECT_EQ(storedValue("TextColor"), QStringLiteral("WHITE"));
    // The same colour, now in the form the page writes.
    EXPECT_EQ(storedValue("TextColorR"), QStringLiteral("ff"));
    EXPECT_EQ(storedValue("TextColorG"), QStringLiteral("ff"));
    EXPECT_EQ(storedValue("TextColorB"), QStringLiteral("ff"));
    EXPECT_EQ(text(TextSize), QStringLiteral("0"));
    EXPECT_EQ(SettingsChanged, 1);
}

TEST_F(ProcessingScreenTest, UnnamedStyleStaysUnnamedUnlessAStyleIsChosen) {
    setStored("TextStyle", "5");
    open();
    EXPECT_EQ(text(TextStyle), QString());
    press(EditFontProperties); // cancelled
    EXPECT_EQ(storedValue("TextStyle"), QString());

    FontDialogResult answer;
    answer.accepted = true;
    answer.font = dialogs.fontDialogs.back().first;
    answer.font.weight = 400;
    answer.colour = QColor(0, 0, 0);
    dialogs.fontAnswers.push_back(answer);
    press(EditFontProperties);
    EXPECT_EQ(storedValue("TextStyle"), QStringLiteral("0"));
    EXPECT_EQ(text(TextStyle), QStringLiteral("REGULAR"));
    EXPECT_EQ(storedValue("TextColor"), QStringLiteral("BLACK"));
}

TEST_F(ProcessingScreenTest, InformationColourIsChosenStoredAndPreviewed) {
    open();
    dialogs.colourAnswers.push_back(QColor(12, 200, 255));
    press(EditInformationColor);
    ASSERT_EQ(dialogs.colourDialogs.size(), 1u);
    EXPECT_EQ(dialogs.colourDialogs.front(), QColor(255, 255, 0));
    EXPECT_EQ(storedValue("InformationColorR"), QStringLiteral("c"));
    EXPECT_EQ(storedValue("InformationColorG"), QStringLiteral("c8"));
    EXPECT_EQ(storedValue("InformationColorB"), QStringLiteral("ff"));
    EXPECT_EQ(page->informationColour(), 0x00FFC80Cu);
    EXPECT_EQ(previewColour(), QColor(12, 200, 255));
    EXPECT_EQ(SettingsChanged, 1);

    // Cancelled: the colour stays, and so does the preview.
    SettingsChanged = 0;
    press(EditInformationColor);
    EXPECT_EQ(dialogs.colourDialogs.back(), QColor(12, 200, 255));
    EXPECT_EQ(storedValue("InformationColorG"), QStringLiteral("c8"));
    EXPECT_EQ(previewColour(), QColor(12, 200, 255));
    EXPECT_EQ(SettingsChanged, 1);
}

TEST_F(ProcessingScreenTest, PreviewIsRedrawnOnEveryTimerTick) {
    open();
    auto* box = page->controls().as<QLabel>(InformationColorPreview);
    box->setPixmap(QPixmap());
    page->fireTimer(CProcessingScreen::PreviewTimerId);
    const QImage preview = box->pixmap().toImage();
    EXPECT_EQ(preview.size(), QSize(120, 20));
    EXPECT_EQ(preview.pixelColor(119, 19), QColor(255, 255, 0));
    EXPECT_EQ(previewColour(), QColor(255, 255, 0));
}

} // namespace
} // namespace halvex
