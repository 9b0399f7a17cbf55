// The Processing Screen page of the application-data window.
#include "appdata/CProcessingScreen.h"

#include "appdata/PageBindings.h"
#include "resources/DialogTemplates.h"
#include "resources/ResourceIds.h"
#include "settings/SettingsStore.h"

#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <array>

namespace halvex {
namespace {

using namespace Qt::Literals::StringLiterals;
using namespace ProcessingId;

constexpr QLatin1StringView kSection = "ProcessingScreenParameter"_L1;

constexpr int PreviewWidth = 120;
constexpr int PreviewHeight = 20;

QString readKey(QLatin1StringView key) {
    return storedValue(kSection, key);
}

void writeKey(QLatin1StringView key, const QString& text) {
    storeValue(kSection, key, text);
}

// The three keys of a colour's red, green and blue parts.
struct ColourKeys {
    QLatin1StringView red;
    QLatin1StringView green;
    QLatin1StringView blue;
};
constexpr ColourKeys kTextColour{"TextColorR"_L1, "TextColorG"_L1, "TextColorB"_L1};
constexpr ColourKeys kInformationColour{"InformationColorR"_L1, "InformationColorG"_L1,
                                        "InformationColorB"_L1};

ColourRef storedColour(const ColourKeys& keys) {
    return colourFromHex(readKey(keys.red), readKey(keys.green), readKey(keys.blue));
}

void storeColour(const ColourKeys& keys, ColourRef colour) {
    writeKey(keys.red, hexComponent(redOf(colour)));
    writeKey(keys.green, hexComponent(greenOf(colour)));
    writeKey(keys.blue, hexComponent(blueOf(colour)));
}

} // namespace

CProcessingScreen::CProcessingScreen()
    : SettingsPage(kProcessingScreenTemplate, processingScreenBindings()) {
    m_strTypeface = readKey("TextTypeface"_L1);
    m_strSize = pointsFromTenths(readKey("TextSize"_L1));
    m_strStyle = styleNameFromCode(readKey("TextStyle"_L1));
    m_strUnderline = readKey("TextUnderline"_L1);
    m_textColour = storedColour(kTextColour);
    m_strColourName = colourName(m_textColour);
    writeKey("TextColor"_L1, m_strColourName);
    m_informationColour = storedColour(kInformationColour);

    static constexpr std::array<MessageEntry<CProcessingScreen>, 2> kMessages{{
        {Notify::Clicked, EditFontProperties, &CProcessingScreen::onEditFontProperties},
        {Notify::Clicked, EditInformationColor, &CProcessingScreen::onEditInformationColour},
    }};
    bindMessages<CProcessingScreen>(this, kMessages);
}

bool CProcessingScreen::onInitDialog() {
    SettingsPage::onInitDialog();
    drawPreview();
    setTimer(PreviewTimerId, PreviewIntervalMs);
    return true;
}

void CProcessingScreen::doDataExchange(DataExchange& dx) {
    SettingsPage::doDataExchange(dx);
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
        writeKey("TextSize"_L1, QString::number(font.pointSizeTenths));
    }
    m_strColourName = colourName(m_textColour);
    writeKey("TextColor"_L1, m_strColourName);
    storeColour(kTextColour, m_textColour);
    m_strStyle = styleNameFromAttributes(font.weight, font.italic);
    writeKey("TextStyle"_L1, styleCodeFromName(m_strStyle));
    m_strTypeface = font.faceName.left(MaxFaceNameLength);
    writeKey("TextTypeface"_L1, m_strTypeface);
    m_strUnderline = font.underline ? u"ON"_s : u"OFF"_s;
    writeKey("TextUnderline"_L1, m_strUnderline);
    SettingsChanged = 1;
    showMembers();
}

void CProcessingScreen::onEditInformationColour() {
    if (const auto chosen = dialogService().colourDialog(toQColor(m_informationColour), this)) {
        m_informationColour = fromQColor(*chosen);
    }
    drawPreview();
    storeColour(kInformationColour, m_informationColour);
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

} // namespace halvex
