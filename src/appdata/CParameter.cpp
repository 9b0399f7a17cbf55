// The Parameter page: the version text, the folder switches, the two scale correction factors and
// the processing autosave switch.
#include "appdata/CParameter.h"

#include "appdata/PageBindings.h"
#include "controls/ValueSlider.h"
#include "framework/TextNumbers.h"
#include "resources/DialogTemplates.h"
#include "resources/ResourceIds.h"
#include "settings/SettingsStore.h"

namespace halvex {
namespace {

using namespace Qt::Literals::StringLiterals;

constexpr QLatin1StringView VersionSection = "Version"_L1;
constexpr QLatin1StringView VersionKey = "Version"_L1;
constexpr int VersionReadLimit = 99;

// A factor is stored times 100; its slider runs from 1 to the limit times 100.
struct ScaleFactor {
    int edit;
    int slider;
    QLatin1StringView key;
    float limit;
};
constexpr QLatin1StringView FactorSection = "ScaleCorrectData"_L1;
constexpr std::array kFactors{
    ScaleFactor{AppDataId::ScaleCorrect, AppDataId::ScaleCorrectSlider, "ScaleCorrectData"_L1,
                10.0f},
    ScaleFactor{AppDataId::ScaleOpticalCorrect, AppDataId::ScaleOpticalCorrectSlider,
                "ScaleOpticalCorrectData"_L1, 100.0f},
};
constexpr double SmallestFactor = 0.1;
constexpr float SmallestFactorValue = 0.1f;
constexpr int SmallestFactorPosition = 10;
constexpr int SliderMin = 1;

// The slider position of a factor, truncated as the page has always done it in float.
int positionOf(float factor) {
    return static_cast<int>(factor * 100);
}

} // namespace

CParameter::CParameter() : SettingsPage(kParameterPageTemplate, parameterBindings()) {
    m_strVersion = storedValue(VersionSection, VersionKey);
    route(Notify::EditChange, AppDataId::Version, [] { SettingsChanged = 1; });
    route(Notify::KillFocus, AppDataId::Version, [this] { commitVersion(); });
    for (std::size_t i = 0; i < kFactors.size(); ++i) {
        const ScaleFactor& factor = kFactors[i];
        m_fFactor[i] =
            static_cast<float>(leadingNumber(storedValue(FactorSection, factor.key)) / 100.0);
        m_nPosition[i] = positionOf(m_fFactor[i]);
        route(Notify::EditChange, factor.edit, [this, i] { typeFactor(i); });
        route(Notify::KillFocus, factor.edit, [this, i] { commitFactor(i); });
    }
}

void CParameter::doDataExchange(DataExchange& dx) {
    dx.text(AppDataId::Version, m_strVersion);
    // The positions come first so that a slider's move is taken even when a factor box holds
    // text that is no number.
    for (std::size_t i = 0; i < kFactors.size(); ++i) {
        dx.sliderPosition(kFactors[i].slider, m_nPosition[i]);
    }
    SettingsPage::doDataExchange(dx);
    for (std::size_t i = 0; i < kFactors.size(); ++i) {
        dx.floatText(kFactors[i].edit, m_fFactor[i]);
    }
}

void CParameter::setSliderRanges() {
    for (const ScaleFactor& factor : kFactors) {
        if (auto* slider = controls().as<ValueSlider>(factor.slider)) {
            slider->SetRange(SliderMin, positionOf(factor.limit));
        }
    }
}

void CParameter::commitVersion() {
    const QString typed = controls().text(AppDataId::Version).left(VersionReadLimit);
    // An emptied box gets the version back instead of storing nothing.
    m_strVersion = typed.isEmpty() ? storedValue(VersionSection, VersionKey) : typed;
    storeValue(VersionSection, VersionKey, m_strVersion);
    showMembers();
}

void CParameter::typeFactor(std::size_t i) {
    m_fFactor[i] = static_cast<float>(leadingNumber(controls().text(kFactors[i].edit)));
    m_nPosition[i] = positionOf(m_fFactor[i]);
    SettingsChanged = 1;
}

void CParameter::commitFactor(std::size_t i) {
    const ScaleFactor& factor = kFactors[i];
    const QString text = controls().text(factor.edit);
    float value = static_cast<float>(leadingNumber(text));
    if (text.isEmpty() || value > factor.limit || static_cast<double>(value) < SmallestFactor) {
        value = value > factor.limit ? factor.limit : SmallestFactorValue;
    }
    m_fFactor[i] = value;
    m_nPosition[i] = positionOf(value);
    storeValue(FactorSection, factor.key,
               QString::asprintf("%1.2f", static_cast<double>(value * 100)));
    showMembers();
}

void CParameter::onSliderCommit() {
    updateData(true);
    for (std::size_t i = 0; i < kFactors.size(); ++i) {
        m_fFactor[i] = static_cast<float>(m_nPosition[i] * 0.01);
        if (static_cast<double>(m_fFactor[i]) < SmallestFactor) {
            m_fFactor[i] = SmallestFactorValue;
            m_nPosition[i] = SmallestFactorPosition;
        }
    }
    // Both factors take their integer form, whichever slider moved.
    for (std::size_t i = 0; i < kFactors.size(); ++i) {
        storeValue(FactorSection, kFactors[i].key, QString::number(m_nPosition[i]));
    }
    showMembers();
    SettingsChanged = 1;
}

} // namespace halvex
