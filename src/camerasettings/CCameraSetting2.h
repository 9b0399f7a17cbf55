// Page 2 of the camera settings sheet (dialog 108): super gain and the speeds of the sensor's
// automatic loops as two-state lists, the live frame speed, and Direct Setup of any register.
#pragma once

#include "camerasettings/CameraSettingsPage.h"

#include <optional>
#include <span>

namespace halvex {

class ValueSlider;

class CCameraSetting2 final : public CameraSettingsPage {
public:
    // Takes the list selections and the frame speed from the settings store.
    CCameraSetting2();

    // Page 2's variant: a factory value comes back as default.ini holds it.
    QString ReadCameraDefault(QString section, QString key, QString fallback) override;

    // Members bound to the controls.
    ValueSlider* m_sliderFrameSpeed = nullptr;
    QString m_strFrameSpeed;
    int m_nFrameSpeed = 0;
    int m_nAecSpeed = 0;
    int m_nAlcSpeed = 0;
    int m_nAwbSpeed = 0;
    int m_nSuperGain = 0;
    QString m_strOutput;
    QString m_strInput;

protected:
    bool onInitDialog() override;
    void doDataExchange(DataExchange& dx) override;

private:
    static std::span<const MessageEntry<CCameraSetting2>> messageMap();
    static std::span<const IndexedMessageEntry<CCameraSetting2>> switchMessageMap();

    void onSwitchChanged(int index);
    void onSwitchDefault(int index);
    void onFrameSpeedChanged();
    void onFrameSpeedApply();
    void onFrameSpeedSliderReleased();
    void onFrameSpeedDefault();
    void onInputUpdate();
    void onDirectSet();
    void onDirectGet();

    void readFrameSpeedEntry();
    // Sets the camera's frame rate (none: leaves it) and shows and stores the rate it then
    // reports.
    void applyFrameSpeed(std::optional<int> rate);
    // Sends the switch's stored command and selects the state the sensor reads back.
    void applySwitch(int index);
};

} // namespace halvex
