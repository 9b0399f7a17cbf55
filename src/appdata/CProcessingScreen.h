// The Processing Screen page of the application-data window: where the processing screen saves,
// its switches and list choices, its twelve image levels, and the font and colours of its texts.
#pragma once

#include "appdata/FontColour.h"
#include "appdata/SettingsPage.h"

#include <QString>

namespace halvex {

class CProcessingScreen final : public SettingsPage {
public:
    static constexpr int PreviewTimerId = 114;
    static constexpr int PreviewIntervalMs = 300;

    // Copies the store's ProcessingScreenParameter values into the page; this also rewrites the
    // store's TextColor from the three text colour components.
    CProcessingScreen();

    ColourRef informationColour() const { return m_informationColour; }

protected:
    bool onInitDialog() override;
    void doDataExchange(DataExchange& dx) override;
    void onTimer(int timerId) override;

private:
    void onEditFontProperties();
    void onEditInformationColour();
    void drawPreview();

    QString m_strUnderline;
    QString m_strColourName;
    QString m_strSize; // whole points
    QString m_strStyle;
    QString m_strTypeface;
    ColourRef m_textColour = 0;
    ColourRef m_informationColour = 0;
};

} // namespace halvex
