// Page 1 of the camera settings sheet (dialog 107): white balance, gamma, saturation, contrast,
// brightness and colour bias, adjusted live on the camera and kept in the settings store.
#pragma once

#include "camerasettings/CameraSettingsPage.h"

#include <VX3lib.h>

#include <span>

class QLineEdit;

namespace halvex {

class ValueSlider;

class CCameraSetting1 final : public CameraSettingsPage {
public:
    CCameraSetting1();

    // Page 1's variant: a factory value comes back in two-digit form ("8" -> "08").
    QString ReadCameraDefault(QString section, QString key, QString fallback) override;

    void SetBusy(bool busy);
    // Checks the gamma level radio of code 0 to 3 (95 % to 80 %); other codes change nothing.
    void SelectGammaLevel(int level);

    // Members bound to the controls. The camera start-up sequence writes m_strBlue and
    // m_strRed and then shows them with RefreshControls().
    ValueSlider* m_sliderGamma = nullptr;
    QLineEdit* m_editRed = nullptr;
    QLineEdit* m_editBlue = nullptr;
    ValueSlider* m_sliderBlue = nullptr;
    ValueSlider* m_sliderRed = nullptr;
    int m_nBlue = 0;
    int m_nRed = 0;
    QString m_strBlue;
    QString m_strRed;
    ValueSlider* m_sliderSaturation = nullptr;
    QString m_strSaturation;
    int m_nSaturation = 0;
    ValueSlider* m_sliderContrast = nullptr;
    QString m_strContrast;
    int m_nContrast = 0;
    ValueSlider* m_sliderBrightness = nullptr;
    QString m_strBrightness;
    int m_nBrightness = 0;
    ValueSlider* m_sliderBiasBlue = nullptr;
    ValueSlider* m_sliderBiasRed = nullptr;
    int m_nBiasBlue = 0;
    int m_nBiasRed = 0;
    QString m_strBiasBlue;
    QString m_strBiasRed;
    QString m_strGamma;
    int m_nGamma = 0;
    int m_bBusy = 0;
    WhiteBalanceValue m_wb{};
    QString m_strGammaCurve;
    QString m_strGammaLevel;

protected:
    bool onInitDialog() override;
    void doDataExchange(DataExchange& dx) override;

private:
    static std::span<const MessageEntry<CCameraSetting1>> messageMap();
    static std::span<const IndexedMessageEntry<CCameraSetting1>> familyMessageMap();

    // White balance through the camera library.
    void onManual();
    void onAuto();
    void onWhiteBalanceTyping(int index);
    void onWhiteBalanceChanged(int index);
    void onWhiteBalanceApply(int index);
    void onWhiteBalanceSliderReleased(int index);
    void onWhiteBalanceDefault();
    // Gamma3, saturation, contrast, brightness and the colour biases: stored register commands.
    void onRegisterTyping(int index);
    void onRegisterChanged(int index);
    void onRegisterApply(int index);
    void onRegisterSliderReleased(int index);
    void onRegisterDefault(int index);
    // Gamma level and curve (OV7610 only).
    void onGammaLevel(int index);
    void onGammaCurve(int index);
    void onGammaDefault();
    void onRead();

    void showWhiteBalanceMode();
    void enableManualWhiteBalance(bool manual);
    void setWhiteBalanceValue(int index, int value);
    void storeWhiteBalance();
    void exchangeWhiteBalance(int setFailureMessage);
    void showRegisterValue(int index, int value);
    void showGammaCurve(int value);
};

} // namespace halvex
