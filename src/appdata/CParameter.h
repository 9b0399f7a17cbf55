// The Parameter page: the version text, the folder switches, the two scale correction factors and
// the processing autosave switch.
#pragma once

#include "appdata/SettingsPage.h"

#include <array>

namespace halvex {

class CParameter final : public SettingsPage {
public:
    CParameter();

protected:
    void doDataExchange(DataExchange& dx) override;
    void setSliderRanges() override;
    void onSliderCommit() override;

private:
    void commitVersion();
    void typeFactor(std::size_t i);
    void commitFactor(std::size_t i);

    QString m_strVersion;
    // Scale Correct Data, then Scale Correct Optical Data: the factor shown in the edit box and
    // the slider position, the factor times 100.
    std::array<float, 2> m_fFactor{};
    std::array<int, 2> m_nPosition{};
};

} // namespace halvex
