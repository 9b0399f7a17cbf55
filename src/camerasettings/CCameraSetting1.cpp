// Page 1 of the camera settings sheet: white balance through the camera library, the other
// settings through the register commands stored in the settings store.
#include "camerasettings/CCameraSetting1.h"

#include "camera/RegisterCommand.h"
#include "camerasettings/DecimalText.h"
#include "controls/ValueSlider.h"
#include "framework/DialogService.h"
#include "framework/TextNumbers.h"
#include "resources/DialogTemplates.h"
#include "resources/ResourceIds.h"

#include <QLineEdit>
#include <array>
#include <vector>

namespace halvex {
namespace {

using Page = CCameraSetting1;

// The settings that are one stored register command each, edited through a box and a slider.
struct RegisterRow {
    CameraSetting setting;
    int edit;
    int slider;
    int defaultButton; // 0: the row has none (Gamma3 is restored by the gamma "Default")
    int maximum;
    int textLimit; // characters the box keeps when members are written, 0: no limit
    QString Page::*text;
    int Page::*value;
    ValueSlider* Page::*sliderMember;
};

const std::array kRegisterRows{
    RegisterRow{CameraSetting::Gamma3, Page1Id::GammaEdit, Page1Id::GammaSlider, 0, 255, 3,
                &Page::m_strGamma, &Page::m_nGamma, &Page::m_sliderGamma},
    RegisterRow{CameraSetting::Saturation, Page1Id::SaturationEdit, Page1Id::SaturationSlider,
                Page1Id::SaturationDefault, 255, 0, &Page::m_strSaturation, &Page::m_nSaturation,
                &Page::m_sliderSaturation},
    RegisterRow{CameraSetting::Contrast, Page1Id::ContrastEdit, Page1Id::ContrastSlider,
                Page1Id::ContrastDefault, 255, 0, &Page::m_strContrast, &Page::m_nContrast,
                &Page::m_sliderContrast},
    RegisterRow{CameraSetting::Brightness, Page1Id::BrightnessEdit, Page1Id::BrightnessSlider,
                Page1Id::BrightnessDefault, 255, 0, &Page::m_strBrightness, &Page::m_nBrightness,
                &Page::m_sliderBrightness},
    RegisterRow{CameraSetting::ColorBiasBlue, Page1Id::BiasBlueEdit, Page1Id::BiasBlueSlider,
                Page1Id::BiasBlueDefault, 63, 0, &Page::m_strBiasBlue, &Page::m_nBiasBlue,
                &Page::m_sliderBiasBlue},
    RegisterRow{CameraSetting::ColorBiasRed, Page1Id::BiasRedEdit, Page1Id::BiasRedSlider,
                Page1Id::BiasRedDefault, 63, 0, &Page::m_strBiasRed, &Page::m_nBiasRed,
                &Page::m_sliderBiasRed},
};

// READ takes the registers back in this order (rows of kRegisterRows): Gamma3, brightness, the
// colour biases, contrast, saturation.
constexpr std::array kReadOrder{0, 3, 4, 5, 2, 1};

// The manual white balance gains, blue then red.
struct WhiteBalanceRow {
    CameraSetting setting;
    int edit;
    int slider;
    QString Page::*text;
    int Page::*value;
    ValueSlider* Page::*sliderMember;
    std::uint16_t WhiteBalanceValue::*gain;
    int setFailureMessage; // of a slider release
};

const std::array kWhiteBalanceRows{
    WhiteBalanceRow{CameraSetting::WhiteBalanceBlue, Page1Id::BlueEdit, Page1Id::BlueSlider,
                    &Page::m_strBlue, &Page::m_nBlue, &Page::m_sliderBlue, &WhiteBalanceValue::blue,
                    15},
    WhiteBalanceRow{CameraSetting::WhiteBalanceRed, Page1Id::RedEdit, Page1Id::RedSlider,
                    &Page::m_strRed, &Page::m_nRed, &Page::m_sliderRed, &WhiteBalanceValue::red,
                    19},
};

// Gamma level radios 95 %, 90 %, 85 %, 80 %: the position is the data field of the Gamma1 entry.
constexpr std::array kGammaLevelRadios{Page1Id::Level95, Page1Id::Level90, Page1Id::Level85,
                                       Page1Id::Level80};

// Gamma curve radios and the data field of the Gamma2 entry each stands for.
struct GammaCurveRadio {
    int id;
    int code;
};
constexpr std::array kGammaCurveRadios{GammaCurveRadio{Page1Id::Curve045, 0x04},
                                       GammaCurveRadio{Page1Id::Curve05, 0x00}};

// The controls an OV7620 does not have on this page.
constexpr std::array kGammaLevelAndCurve{
    Page1Id::Gamma1Group, Page1Id::Gamma2Group, Page1Id::Level95,  Page1Id::Level90,
    Page1Id::Level85,     Page1Id::Level80,     Page1Id::Curve045, Page1Id::Curve05};

const QString kManualCommand = QStringLiteral("12,04,00");

void showCameraFailure(int message, QWidget* owner) {
    showMessage(message, MessageButtons::Ok, MessageIcon::Exclamation, Modality::System, owner);
}

} // namespace

std::span<const MessageEntry<Page>> CCameraSetting1::messageMap() {
    static constexpr std::array kMap{
        MessageEntry<Page>{Notify::Clicked, Page1Id::Manual, &Page::onManual},
        MessageEntry<Page>{Notify::Clicked, Page1Id::Auto, &Page::onAuto},
        MessageEntry<Page>{Notify::Clicked, Page1Id::WhiteBalanceDefault,
                           &Page::onWhiteBalanceDefault},
        MessageEntry<Page>{Notify::Clicked, Page1Id::GammaDefault, &Page::onGammaDefault},
        MessageEntry<Page>{Notify::Clicked, Page1Id::Read, &Page::onRead},
    };
    return kMap;
}

// The notifications of the control families, one handler per notification, from their tables.
std::span<const IndexedMessageEntry<Page>> CCameraSetting1::familyMessageMap() {
    static const std::vector<IndexedMessageEntry<Page>> kMap = [] {
        std::vector<IndexedMessageEntry<Page>> map;
        for (int i = 0; i < static_cast<int>(kRegisterRows.size()); ++i) {
            const RegisterRow& row = kRegisterRows[static_cast<std::size_t>(i)];
            map.push_back({Notify::EditUpdate, row.edit, &Page::onRegisterTyping, i});
            map.push_back({Notify::EditChange, row.edit, &Page::onRegisterChanged, i});
            map.push_back({Notify::KillFocus, row.edit, &Page::onRegisterApply, i});
            map.push_back({Notify::SliderReleased, row.slider, &Page::onRegisterSliderReleased, i});
            if (row.defaultButton != 0) {
                map.push_back({Notify::Clicked, row.defaultButton, &Page::onRegisterDefault, i});
            }
        }
        for (int i = 0; i < static_cast<int>(kWhiteBalanceRows.size()); ++i) {
            const WhiteBalanceRow& row = kWhiteBalanceRows[static_cast<std::size_t>(i)];
            map.push_back({Notify::EditUpdate, row.edit, &Page::onWhiteBalanceTyping, i});
            map.push_back({Notify::EditChange, row.edit, &Page::onWhiteBalanceChanged, i});
            map.push_back({Notify::KillFocus, row.edit, &Page::onWhiteBalanceApply, i});
            map.push_back(
                {Notify::SliderReleased, row.slider, &Page::onWhiteBalanceSliderReleased, i});
        }
        for (int i = 0; i < static_cast<int>(kGammaLevelRadios.size()); ++i) {
            map.push_back({Notify::Clicked, kGammaLevelRadios[static_cast<std::size_t>(i)],
                           &Page::onGammaLevel, i});
        }
        for (int i = 0; i < static_cast<int>(kGammaCurveRadios.size()); ++i) {
            map.push_back({Notify::Clicked, kGammaCurveRadios[static_cast<std::size_t>(i)].id,
                           &Page::onGammaCurve, i});
        }
        return map;
    }();
    return kMap;
}

CCameraSetting1::CCameraSetting1() : CameraSettingsPage(kCameraSetting1Template) {
    m_editRed = controls().as<QLineEdit>(Page1Id::RedEdit);
    m_editBlue = controls().as<QLineEdit>(Page1Id::BlueEdit);
    for (const RegisterRow& row : kRegisterRows) {
        this->*row.sliderMember = controls().as<ValueSlider>(row.slider);
    }
    for (const WhiteBalanceRow& row : kWhiteBalanceRows) {
        this->*row.sliderMember = controls().as<ValueSlider>(row.slider);
    }
    bindMessages(this, messageMap());
    bindMessages(this, familyMessageMap());
}

void CCameraSetting1::doDataExchange(DataExchange& dx) {
    for (const WhiteBalanceRow& row : kWhiteBalanceRows) {
        dx.sliderPosition(row.slider, this->*row.value);
        dx.text(row.edit, this->*row.text);
    }
    for (const RegisterRow& row : kRegisterRows) {
        dx.text(row.edit, this->*row.text, row.textLimit);
        dx.sliderPosition(row.slider, this->*row.value);
    }
}

bool CCameraSetting1::onInitDialog() {
    RefreshControls();
    SetBusy(true);
    const Sensor sensor = currentSensor();
    if (sensor != Sensor::Other) {
        for (std::size_t i = 0; i < kWhiteBalanceRows.size(); ++i) {
            const WhiteBalanceRow& row = kWhiteBalanceRows[i];
            m_wb.*row.gain = static_cast<std::uint16_t>(parseHex(readCameraEntry(row.setting)));
            setWhiteBalanceValue(static_cast<int>(i), m_wb.*row.gain);
        }
        for (std::size_t i = 0; i < kRegisterRows.size(); ++i) {
            const RegisterRow& row = kRegisterRows[i];
            showRegisterValue(static_cast<int>(i), dataField(readCameraEntry(row.setting)));
            addRegisterTooltip(row.edit, row.setting);
            addRegisterTooltip(row.slider, row.setting);
        }
    }
    if (sensor == Sensor::OV7610) {
        m_strGammaLevel = readCameraEntry(CameraSetting::Gamma1).right(2);
        SelectGammaLevel(leadingInteger(m_strGammaLevel));
        m_strGammaCurve = readCameraEntry(CameraSetting::Gamma2).right(2);
        if (m_strGammaCurve == QLatin1String("00")) {
            controls().setChecked(Page1Id::Curve05, true);
        } else if (m_strGammaCurve == QLatin1String("04")) {
            controls().setChecked(Page1Id::Curve045, true);
        }
        for (int id : kGammaLevelRadios) {
            addRegisterTooltip(id, CameraSetting::Gamma1);
        }
        for (const GammaCurveRadio& radio : kGammaCurveRadios) {
            addRegisterTooltip(radio.id, CameraSetting::Gamma2);
        }
    } else if (sensor == Sensor::OV7620) {
        // The OV7620 has no gamma level or curve here.
        for (int id : kGammaLevelAndCurve) {
            controls().enable(id, false);
        }
    }
    for (const WhiteBalanceRow& row : kWhiteBalanceRows) {
        (this->*row.sliderMember)->SetRange(0, 255);
    }
    for (const RegisterRow& row : kRegisterRows) {
        (this->*row.sliderMember)->SetRange(0, row.maximum);
    }
    controls().checkRadioButton(Page1Id::Auto, Page1Id::Manual, Page1Id::Manual);
    placeOnSheet();
    RefreshControls();
    SetBusy(false);
    return false;
}

QString CCameraSetting1::ReadCameraDefault(QString section, QString key, QString fallback) {
    if (const std::optional<QString> value = readFactoryValue(section, key)) {
        return ToTwoDigits(*value);
    }
    reportMissingFactoryValue(Modality::Task, true);
    return fallback;
}

void CCameraSetting1::SetBusy(bool busy) {
    m_bBusy = busy ? 1 : 0;
    setWaitCursor(busy);
}

void CCameraSetting1::SelectGammaLevel(int level) {
    if (level >= 0 && level < static_cast<int>(kGammaLevelRadios.size())) {
        controls().checkRadioButton(kGammaLevelRadios.front(), kGammaLevelRadios.back(),
                                    kGammaLevelRadios[static_cast<std::size_t>(level)]);
    }
}

void CCameraSetting1::onManual() {
    SetBusy(true);
    if (currentSensor() != Sensor::Other) {
        m_registerAccess.SetRegister(kManualCommand);
    }
    enableManualWhiteBalance(true);
    showWhiteBalanceMode();
    VX3_WB_GetWbVal(&m_wb);
    for (int i = 0; i < static_cast<int>(kWhiteBalanceRows.size()); ++i) {
        setWhiteBalanceValue(i, m_wb.*kWhiteBalanceRows[static_cast<std::size_t>(i)].gain);
    }
    RefreshControls();
    storeWhiteBalance();
    SetBusy(false);
}

void CCameraSetting1::onAuto() {
    SetBusy(true);
    const Sensor sensor = currentSensor();
    if (sensor == Sensor::OV7610) {
        m_registerAccess.SetRegister(QStringLiteral("12,04,04"));
    } else if (sensor == Sensor::OV7620) {
        m_registerAccess.SetRegister(QStringLiteral("12,DF,04"));
    }
    enableManualWhiteBalance(false);
    VX3_WB_GetWbVal(&m_wb);
    // The boxes show the gains the camera runs with; the sliders keep the manual values.
    for (const WhiteBalanceRow& row : kWhiteBalanceRows) {
        this->*row.text = QString::number(m_wb.*row.gain);
    }
    RefreshControls();
    showWhiteBalanceMode();
    storeWhiteBalance();
    SetBusy(false);
}

void CCameraSetting1::onWhiteBalanceTyping(int index) {
    const WhiteBalanceRow& row = kWhiteBalanceRows[static_cast<std::size_t>(index)];
    this->*row.text = ClampDecimalText(controls().text(row.edit).left(3), 255, 0);
    this->*row.value = leadingInteger(this->*row.text);
    writeCameraEntry(row.setting, QString::number(this->*row.value, 16));
    RefreshControls();
}

void CCameraSetting1::onWhiteBalanceChanged(int index) {
    const WhiteBalanceRow& row = kWhiteBalanceRows[static_cast<std::size_t>(index)];
    QString typed = controls().text(row.edit);
    this->*row.value = (this->*row.sliderMember)->SetPosFromText(typed, this->*row.text);
}

void CCameraSetting1::onWhiteBalanceApply(int index) {
    const WhiteBalanceRow& row = kWhiteBalanceRows[static_cast<std::size_t>(index)];
    SetBusy(true);
    if (cameraEntry(row.setting)) {
        this->*row.value = parseHex(readCameraEntry(row.setting));
    }
    m_wb.*row.gain = static_cast<std::uint16_t>(this->*row.value);
    exchangeWhiteBalance(15);
    setWhiteBalanceValue(index, m_wb.*row.gain);
    writeCameraEntry(row.setting, QString::number(this->*row.value, 16));
    RefreshControls();
    SetBusy(false);
}

void CCameraSetting1::onWhiteBalanceSliderReleased(int index) {
    const WhiteBalanceRow& row = kWhiteBalanceRows[static_cast<std::size_t>(index)];
    SetBusy(true);
    this->*row.value = (this->*row.sliderMember)->value();
    std::int32_t mode = 0;
    VX3_WB_GetMode(&mode);
    // In automatic mode the camera owns its gains: neither they nor the entries change.
    if (mode == 0) {
        m_wb.*row.gain = static_cast<std::uint16_t>(this->*row.value);
        exchangeWhiteBalance(row.setFailureMessage);
        setWhiteBalanceValue(index, m_wb.*row.gain);
        writeCameraEntry(row.setting, QString::number(this->*row.value, 16));
        RefreshControls();
    }
    SetBusy(false);
}

void CCameraSetting1::onWhiteBalanceDefault() {
    SetBusy(true);
    for (const WhiteBalanceRow& row : kWhiteBalanceRows) {
        restoreFactoryEntry(row.setting);
    }
    // Without entries for the sensor the camera is given the gains the page last had.
    for (const WhiteBalanceRow& row : kWhiteBalanceRows) {
        if (cameraEntry(row.setting)) {
            m_wb.*row.gain = static_cast<std::uint16_t>(parseHex(readCameraEntry(row.setting)));
        }
    }
    std::int32_t mode = 0;
    VX3_WB_GetMode(&mode);
    if (mode == 0) {
        exchangeWhiteBalance(15);
        for (int i = 0; i < static_cast<int>(kWhiteBalanceRows.size()); ++i) {
            setWhiteBalanceValue(i, m_wb.*kWhiteBalanceRows[static_cast<std::size_t>(i)].gain);
        }
        storeWhiteBalance();
        RefreshControls();
    }
    SetBusy(false);
}

void CCameraSetting1::onRegisterTyping(int index) {
    const RegisterRow& row = kRegisterRows[static_cast<std::size_t>(index)];
    this->*row.text = ClampDecimalText(controls().text(row.edit).left(3), row.maximum, 0);
    writeCameraEntry(row.setting,
                     withDataField(readCameraEntry(row.setting), leadingInteger(this->*row.text)));
    RefreshControls();
}

void CCameraSetting1::onRegisterChanged(int index) {
    const RegisterRow& row = kRegisterRows[static_cast<std::size_t>(index)];
    QString typed = controls().text(row.edit);
    this->*row.value = (this->*row.sliderMember)->SetPosFromText(typed, this->*row.text);
}

void CCameraSetting1::onRegisterApply(int index) {
    const RegisterRow& row = kRegisterRows[static_cast<std::size_t>(index)];
    SetBusy(true);
    // A sensor without stored commands has nothing to send: the box keeps the typed value.
    if (cameraEntry(row.setting)) {
        const QString entry = readCameraEntry(row.setting);
        this->*row.value = dataField(entry);
        writeCameraEntry(row.setting, withDataField(entry, this->*row.value));
    }
    // The entry keeps the value written even when the sensor reads back other bits.
    showRegisterValue(index, applyEntry(row.setting).value_or(this->*row.value));
    RefreshControls();
    SetBusy(false);
}

void CCameraSetting1::onRegisterSliderReleased(int index) {
    const RegisterRow& row = kRegisterRows[static_cast<std::size_t>(index)];
    SetBusy(true);
    this->*row.value = (this->*row.sliderMember)->value();
    writeCameraEntry(row.setting, withDataField(readCameraEntry(row.setting), this->*row.value));
    showRegisterValue(index, applyEntry(row.setting).value_or(this->*row.value));
    RefreshControls();
    SetBusy(false);
}

void CCameraSetting1::onRegisterDefault(int index) {
    const RegisterRow& row = kRegisterRows[static_cast<std::size_t>(index)];
    restoreFactoryEntry(row.setting);
    showRegisterValue(index, applyEntry(row.setting).value_or(this->*row.value));
    RefreshControls();
}

// The level and the curve are registers of the OV7610 only; the OV7620's radios are disabled, and
// on another sensor a click changes no register.
void CCameraSetting1::onGammaLevel(int index) {
    if (currentSensor() == Sensor::OV7620) {
        return;
    }
    SetBusy(true);
    m_strGammaLevel = toHexTwoDigits(index);
    if (currentSensor() == Sensor::OV7610) {
        writeCameraEntry(CameraSetting::Gamma1,
                         withDataField(readCameraEntry(CameraSetting::Gamma1), index));
        SelectGammaLevel(*applyEntry(CameraSetting::Gamma1));
        refreshTooltips();
    }
    SetBusy(false);
}

void CCameraSetting1::onGammaCurve(int index) {
    if (currentSensor() == Sensor::OV7620) {
        return;
    }
    const int code = kGammaCurveRadios[static_cast<std::size_t>(index)].code;
    m_strGammaCurve = toHexTwoDigits(code);
    if (currentSensor() == Sensor::OV7610) {
        writeCameraEntry(CameraSetting::Gamma2,
                         withDataField(readCameraEntry(CameraSetting::Gamma2), code));
        showGammaCurve(*applyEntry(CameraSetting::Gamma2));
        refreshTooltips();
    }
}

void CCameraSetting1::onGammaDefault() {
    SetBusy(true);
    if (currentSensor() == Sensor::OV7610) {
        restoreFactoryEntry(CameraSetting::Gamma1);
        SelectGammaLevel(*applyEntry(CameraSetting::Gamma1));
        restoreFactoryEntry(CameraSetting::Gamma2);
        showGammaCurve(*applyEntry(CameraSetting::Gamma2));
    }
    restoreFactoryEntry(CameraSetting::Gamma3);
    showRegisterValue(0, applyEntry(CameraSetting::Gamma3).value_or(m_nGamma));
    RefreshControls();
    SetBusy(false);
}

void CCameraSetting1::onRead() {
    SetBusy(true);
    VX3_WB_GetWbVal(&m_wb);
    for (int i = 0; i < static_cast<int>(kWhiteBalanceRows.size()); ++i) {
        setWhiteBalanceValue(i, m_wb.*kWhiteBalanceRows[static_cast<std::size_t>(i)].gain);
    }
    storeWhiteBalance();

    const Sensor sensor = currentSensor();
    if (sensor != Sensor::Other) {
        const int automatic = m_registerAccess.GetRegister(
            sensor == Sensor::OV7610 ? QStringLiteral("12,04,00") : QStringLiteral("12,DF,00"));
        controls().checkRadioButton(Page1Id::Auto, Page1Id::Manual,
                                    automatic == 0 ? Page1Id::Manual : Page1Id::Auto);
    }
    const auto readBack = [this](CameraSetting setting) {
        const QString entry = readCameraEntry(setting);
        const int value = m_registerAccess.GetRegister(entry);
        writeCameraEntry(setting, withDataField(entry, value));
        return value;
    };
    if (sensor == Sensor::OV7610) {
        const int level = readBack(CameraSetting::Gamma1);
        m_strGammaLevel = QString::number(level);
        SelectGammaLevel(level);
        const int curve = readBack(CameraSetting::Gamma2);
        m_strGammaCurve = QString::number(curve);
        showGammaCurve(curve);
    }
    if (sensor != Sensor::Other) {
        for (int index : kReadOrder) {
            showRegisterValue(index,
                              readBack(kRegisterRows[static_cast<std::size_t>(index)].setting));
        }
    }

    std::uint16_t rate = 0;
    VX3_LV_GetFrameRate(&rate);
    writeCameraEntry(CameraSetting::FrameSpeed, QString::number(rate));
    RefreshControls();
    SetBusy(false);
}

void CCameraSetting1::showWhiteBalanceMode() {
    std::int32_t mode = 0;
    VX3_WB_GetMode(&mode);
    controls().checkRadioButton(Page1Id::Auto, Page1Id::Manual,
                                mode == 0 ? Page1Id::Manual : Page1Id::Auto);
}

void CCameraSetting1::enableManualWhiteBalance(bool manual) {
    controls().enable(Page1Id::BlueSlider, manual);
    controls().enable(Page1Id::RedSlider, manual);
    controls().enable(Page1Id::WhiteBalanceDefault, manual);
    if (!manual) {
        controls().enable(Page1Id::Calibration, false);
    }
    m_editBlue->setReadOnly(!manual);
    m_editRed->setReadOnly(!manual);
}

void CCameraSetting1::setWhiteBalanceValue(int index, int value) {
    const WhiteBalanceRow& row = kWhiteBalanceRows[static_cast<std::size_t>(index)];
    this->*row.value = value;
    this->*row.text = QString::number(value);
}

void CCameraSetting1::storeWhiteBalance() {
    for (const WhiteBalanceRow& row : kWhiteBalanceRows) {
        writeCameraEntry(row.setting, QString::number(this->*row.value, 16));
    }
}

void CCameraSetting1::exchangeWhiteBalance(int setFailureMessage) {
    if (VX3_WB_SetWbVal(&m_wb) == 0) {
        showCameraFailure(setFailureMessage, this);
    }
    if (VX3_WB_GetWbVal(&m_wb) == 0) {
        showCameraFailure(16, this);
    }
}

void CCameraSetting1::showRegisterValue(int index, int value) {
    const RegisterRow& row = kRegisterRows[static_cast<std::size_t>(index)];
    this->*row.value = value;
    this->*row.text = QString::number(value);
}

void CCameraSetting1::showGammaCurve(int value) {
    controls().checkRadioButton(Page1Id::Curve045, Page1Id::Curve05,
                                value != 0 ? Page1Id::Curve045 : Page1Id::Curve05);
}

} // namespace halvex
