// The Processing Screen page of the application-data window: where the processing screen saves,
// its switches and list choices, its twelve image levels, and the font and colours of its texts.
#pragma once

#include "appdata/FontColour.h"
#include "framework/PropertyPage.h"

#include <QString>
#include <array>

namespace halvex {

class CProcessingScreen : public PropertyPage {
public:
    static constexpr int PreviewTimerId = 114;
    static constexpr int PreviewIntervalMs = 300;
    static constexpr int LevelCount = 12;
    static constexpr int ListCount = 7;
    static constexpr int SaveTextCount = 2;

    // Copies the store's ProcessingScreenParameter values into the page; this also rewrites the
    // store's TextColor from the three text colour components.
    CProcessingScreen();

    ColourRef informationColour() const { return m_informationColour; }

protected:
    bool onInitDialog() override;
    void doDataExchange(DataExchange& dx) override;
    void onTimer(int timerId) override;

private:
    void onSaveTextChanged(int row);
    void onListChanged(int row);
    void onLevelTyping(int level);
    void onLevelCommit(int level);
    void onSliderScroll();
    void onEditFontProperties();
    void onEditInformationColour();

    void drawPreview();
    // Writes every member into its control without the controls' change handlers reacting.
    void showMembers();

    std::array<int, ListCount> m_nList{};
    std::array<QString, LevelCount> m_strLevel;
    std::array<QString, SaveTextCount> m_strSave;
    std::array<int, LevelCount> m_nLevelPosition{};
    QString m_strUnderline;
    QString m_strColourName;
    QString m_strSize; // whole points
    QString m_strStyle;
    QString m_strTypeface;
    ColourRef m_textColour = 0;
    ColourRef m_informationColour = 0;
    bool m_showing = false;
};

} // namespace halvex
