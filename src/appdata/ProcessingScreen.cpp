// The Processing Screen page of the application-data window.
#include "appdata/ProcessingScreen.h"

#include "controls/ValueSlider.h"
#include "resources/DialogTemplates.h"
#include "resources/ResourceIds.h"
#include "settings/SettingsStore.h"

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QScopedValueRollback>

namespace halvex {
namespace {

using namespace Qt::Literals::StringLiterals;
using namespace ProcessingId;

constexpr QLatin1StringView kSection = "ProcessingScreenParameter"_L1;

struct SaveTextBinding {
    int id;
    QLatin1StringView key;
};

constexpr std::array<SaveTextBinding, CProcessingScreen::SaveTextCount> kSaveTexts{{
    {SaveAsLocation, "SaveAsLocation"_L1},
    {SaveAsFilename, "SaveAsFilename"_L1},
}};

// A list stores either the text of its chosen entry or the entry's index in decimal.
enum class ListForm { EntryText, Index };

struct ListBinding {
    int id;
    QLatin1StringView key;
    ListForm form;
};

constexpr std::array<ListBinding, CProcessingScreen::ListCount> kLists{{
    {Scale, "Scale"_L1, ListForm::EntryText},
    {ImageInformation, "ImageInformation"_L1, ListForm::EntryText},
    {Rotate, "Rotate"_L1, ListForm::Index},
    {Flip, "Flip"_L1, ListForm::Index},
    {WhiteBalanceSelect, "WhiteBalanceSelect"_L1, ListForm::Index},
    {BlackBalanceSelect, "BlackBalanceSelect"_L1, ListForm::Index},
    {CalendarSelect, "CalendarSelect"_L1, ListForm::EntryText},
}};

struct LevelBinding {
    int text;
    int slider;
    QLatin1StringView key;
};

constexpr std::array<LevelBinding, CProcessingScreen::LevelCount> kLevels{{
    {HueText, HueSlider, "Hue"_L1},
    {SaturationText, SaturationSlider, "Saturation"_L1},
    {IntensityText, IntensitySlider, "Intensity"_L1},
    {ColorBalanceCrText, ColorBalanceCrSlider, "ColorBalanceCR"_L1},
    {ColorBalanceMgText, ColorBalanceMgSlider, "ColorBalanceMG"_L1},
    {ColorBalanceYbText, ColorBalanceYbSlider, "ColorBalanceYB"_L1},
    {BrightnessText, BrightnessSlider, "Brightness"_L1},
    {ContrastText, ContrastSlider, "Contrast"_L1},
    {SharpnessText, SharpnessSlider, "Sharpness"_L1},
    {GammaText, GammaSlider, "Gamma"_L1},
    {BlackBalanceTargetText, BlackBalanceTargetSlider, "BlackBalanceTarget"_L1},
    {BlackBalanceLimitText, BlackBalanceLimitSlider, "BlackBalanceLimit"_L1},
}};

constexpr int LevelMinimum = 0;
constexpr int LevelMaximum = 255;
// Typing reads a level box through a four-character buffer: three characters and the terminator.
constexpr int LevelCharactersRead = 3;

constexpr int PreviewWidth = 120;
constexpr int PreviewHeight = 20;

QString stored(QLatin1StringView key) {
    return settingsStore().value(QString(kSection), QString(key));
}

void store(QLatin1StringView key, const QString& text) {
    settingsStore().setValue(QString(kSection), QString(key), text);
}

void storeColour(QLatin1StringView red, QLatin1StringView green, QLatin1StringView blue,
                 ColourRef colour) {
    store(red, hexComponent(redOf(colour)));
    store(green, hexComponent(greenOf(colour)));
    store(blue, hexComponent(blueOf(colour)));
}

} // namespace

CProcessingScreen::CProcessingScreen()
    : PropertyPage(dialogTemplate(ResourceId::ProcessingScreenPage)) {
    for (int row = 0; row < SaveTextCount; ++row) {
        m_strSave[row] = stored(kSaveTexts[row].key);
    }
    for (int row = 0; row < ListCount; ++row) {
        const ListBinding& list = kLists[row];
        const QString value = stored(list.key);
        m_nList[row] = list.form == ListForm::Index
                           ? decimalValue(value)
                           : controls().as<QComboBox>(list.id)->findText(
                                 value, Qt::MatchExactly | Qt::MatchCaseSensitive);
    }
    for (int level = 0; level < LevelCount; ++level) {
        m_strLevel[level] = stored(kLevels[level].key);
        m_nLevelPosition[level] = decimalValue(m_strLevel[level]);
    }

    m_strTypeface = stored("TextTypeface"_L1);
    m_strSize = pointsFromTenths(stored("TextSize"_L1));
    m_strStyle = styleNameFromCode(stored("TextStyle"_L1));
    m_strUnderline = stored("TextUnderline"_L1);
    m_textColour =
        colourFromHex(stored("TextColorR"_L1), stored("TextColorG"_L1), stored("TextColorB"_L1));
    m_strColourName = colourName(m_textColour);
    store("TextColor"_L1, m_strColourName);
    m_informationColour =
        colourFromHex(stored("InformationColorR"_L1), stored("InformationColorG"_L1),
                      stored("InformationColorB"_L1));

    for (int row = 0; row < SaveTextCount; ++row) {
        routeNotification(Notify::EditChange, kSaveTexts[row].id,
                          [this, row] { onSaveTextChanged(row); });
    }
    for (int row = 0; row < ListCount; ++row) {
        routeNotification(Notify::SelChange, kLists[row].id, [this, row] { onListChanged(row); });
    }
    for (int level = 0; level < LevelCount; ++level) {
        routeNotification(Notify::EditChange, kLevels[level].text,
                          [this, level] { onLevelTyping(level); });
        routeNotification(Notify::KillFocus, kLevels[level].text,
                          [this, level] { onLevelCommit(level); });
        routeNotification(Notify::Scroll, kLevels[level].slider, [this] { onSliderScroll(); });
    }
    static constexpr std::array<MessageEntry<CProcessingScreen>, 2> kMessages{{
        {Notify::Clicked, EditFontProperties, &CProcessingScreen::onEditFontProperties},
        {Notify::Clicked, EditInformationColor, &CProcessingScreen::onEditInformationColour},
    }};
    bindMessages<CProcessingScreen>(this, kMessages);
}

bool CProcessingScreen::onInitDialog() {
    {
        const QScopedValueRollback guard(m_showing, true);
        PropertyPage::onInitDialog();
    }
    for (const LevelBinding& level : kLevels) {
        controls().as<ValueSlider>(level.slider)->SetRange(LevelMinimum, LevelMaximum);
    }
    drawPreview();
    setTimer(PreviewTimerId, PreviewIntervalMs);
    showMembers();
    return true;
}

void CProcessingScreen::doDataExchange(DataExchange& dx) {
    for (int row = 0; row < ListCount; ++row) {
        dx.listIndex(kLists[row].id, m_nList[row]);
    }
    for (int level = 0; level < LevelCount; ++level) {
        dx.text(kLevels[level].text, m_strLevel[level]);
        dx.sliderPosition(kLevels[level].slider, m_nLevelPosition[level]);
    }
    for (int row = 0; row < SaveTextCount; ++row) {
        dx.text(kSaveTexts[row].id, m_strSave[row]);
    }
    dx.text(TextUnderline, m_strUnderline);
    dx.text(TextColor, m_strColourName);
    dx.text(TextSize, m_strSize);
    dx.text(TextStyle, m_strStyle);
    dx.text(TextTypeface, m_strTypeface);
}

void CProcessingScreen::onTimer(int timerId) {
    if (timerId == PreviewTimerId) {
        drawPreview();
    }
}

void CProcessingScreen::onSaveTextChanged(int row) {
    if (m_showing) {
        return;
    }
    m_strSave[row] = controls().text(kSaveTexts[row].id);
    store(kSaveTexts[row].key, m_strSave[row]);
    SettingsChanged = 1;
    showMembers();
}

void CProcessingScreen::onListChanged(int row) {
    const ListBinding& list = kLists[row];
    const auto* combo = controls().as<QComboBox>(list.id);
    m_nList[row] = combo->currentIndex();
    store(list.key,
          list.form == ListForm::Index ? QString::number(m_nList[row]) : combo->currentText());
    SettingsChanged = 1;
    showMembers();
}

void CProcessingScreen::onLevelTyping(int level) {
    if (m_showing) {
        return;
    }
    m_strLevel[level] = controls().text(kLevels[level].text).left(LevelCharactersRead);
    m_nLevelPosition[level] = decimalValue(m_strLevel[level]);
    SettingsChanged = 1;
    showMembers(); // the slider follows the typing
}

void CProcessingScreen::onLevelCommit(int level) {
    const LevelBinding& binding = kLevels[level];
    QString text = controls().text(binding.text);
    const int value = decimalValue(text);
    if (text.isEmpty() || value < 1 || value > LevelMaximum) {
        text = QString::number(controls().as<ValueSlider>(binding.slider)->value());
    }
    m_strLevel[level] = text;
    store(binding.key, text);
    showMembers();
}

void CProcessingScreen::onSliderScroll() {
    updateData(true);
    for (int level = 0; level < LevelCount; ++level) {
        m_strLevel[level] = QString::number(m_nLevelPosition[level]);
        store(kLevels[level].key, m_strLevel[level]);
    }
    showMembers();
    SettingsChanged = 1;
}

void CProcessingScreen::onEditFontProperties() {
    const FontDescription initial =
        fontDescriptionFromShown(m_strTypeface, m_strSize, m_strStyle, m_strUnderline);
    const FontDialogResult result =
        dialogService().fontDialog(initial, toQColor(m_textColour), this);
    // A cancelled dialog leaves the description and the colour as they were, and the page goes on
    // storing them: the stored forms come out as they went in.
    const FontDescription& font = result.accepted ? result.font : initial;
    if (result.accepted) {
        m_textColour = fromQColor(result.colour);
    }

    if (font.pointSizeTenths > 0) {
        m_strSize = QString::number(font.pointSizeTenths / 10);
        store("TextSize"_L1, QString::number(font.pointSizeTenths));
    }
    m_strColourName = colourName(m_textColour);
    store("TextColor"_L1, m_strColourName);
    storeColour("TextColorR"_L1, "TextColorG"_L1, "TextColorB"_L1, m_textColour);
    m_strStyle = styleNameFromAttributes(font.weight, font.italic);
    store("TextStyle"_L1, styleCodeFromName(m_strStyle));
    m_strTypeface = font.faceName;
    store("TextTypeface"_L1, m_strTypeface);
    m_strUnderline = font.underline ? u"ON"_s : u"OFF"_s;
    store("TextUnderline"_L1, m_strUnderline);
    SettingsChanged = 1;
    showMembers();
}

void CProcessingScreen::onEditInformationColour() {
    if (const auto chosen = dialogService().colourDialog(toQColor(m_informationColour), this)) {
        m_informationColour = fromQColor(*chosen);
    }
    drawPreview();
    storeColour("InformationColorR"_L1, "InformationColorG"_L1, "InformationColorB"_L1,
                m_informationColour);
    SettingsChanged = 1;
    showMembers();
}

void CProcessingScreen::drawPreview() {
    // Three bytes a pixel, blue first in memory: 7,200 bytes stretched over the whole box.
    QImage image(PreviewWidth, PreviewHeight, QImage::Format_BGR888);
    image.fill(toQColor(m_informationColour));
    auto* box = controls().as<QLabel>(InformationColorPreview);
    box->setScaledContents(true);
    box->setPixmap(QPixmap::fromImage(image));
}

void CProcessingScreen::showMembers() {
    const QScopedValueRollback guard(m_showing, true);
    updateData(false);
}

} // namespace halvex
