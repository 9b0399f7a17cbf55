// Page 2 of the camera settings sheet: two-state sensor switches, frame speed and Direct Setup.
#include "camerasettings/CCameraSetting2.h"

#include "camera/RegisterCommand.h"
#include "camerasettings/DecimalText.h"
#include "controls/ValueSlider.h"
#include "framework/DialogService.h"
#include "framework/TextNumbers.h"
#include "resources/DialogTemplates.h"
#include "resources/ResourceIds.h"

#include <QComboBox>
#include <VX3lib.h>
#include <array>
#include <vector>

namespace halvex {
namespace {

using Page = CCameraSetting2;

// When a register value (or a stored data field) means the second list entry ("ON", "HIGH").
struct StateRule {
    enum Test { NonZero, Equals, NotEquals };
    Test test;
    int value;

    int selection(int v) const {
        switch (test) {
        case Equals:
            return v == value ? 1 : 0;
        case NotEquals:
            return v != value ? 1 : 0;
        case NonZero:
            break;
        }
        return v != 0 ? 1 : 0;
    }
};

constexpr StateRule kNonZero{StateRule::NonZero, 0};

struct SensorSwitch {
    std::array<const char*, 2> commands; // for the first and the second list entry
    StateRule readBack;
    StateRule stored; // applied to the data field of the entry when the page is built
    bool storeTells;  // false: the store does not say, the list starts without a selection
};

struct SwitchRow {
    CameraSetting setting;
    int list;
    int defaultButton;
    int Page::*selection;
    SensorSwitch ov7610;
    SensorSwitch ov7620;
};

// On an OV7620 the ALC speed has no register of its own (its controls are disabled), so its list
// shows no state rather than one the sensor never reported.
const std::array kSwitchRows{
    SwitchRow{
        CameraSetting::SuperGain,
        Page2Id::SuperGainList,
        Page2Id::SuperGainDefault,
        &Page::m_nSuperGain,
        {{"0E,80,00", "0E,80,80"}, kNonZero, kNonZero, true},
        {{"74,60,20", "74,60,60"}, {StateRule::Equals, 0x60}, {StateRule::Equals, 0x60}, true}},
    SwitchRow{CameraSetting::AwbSpeed,
              Page2Id::AwbList,
              Page2Id::AwbDefault,
              &Page::m_nAwbSpeed,
              {{"20,02,00", "20,02,02"}, kNonZero, kNonZero, true},
              {{"20,02,00", "20,02,02"}, kNonZero, {StateRule::Equals, 0x02}, true}},
    SwitchRow{CameraSetting::AecSpeed,
              Page2Id::AecList,
              Page2Id::AecDefault,
              &Page::m_nAecSpeed,
              {{"2D,80,00", "2D,80,80"}, kNonZero, kNonZero, true},
              {{"2D,FF,05", "2D,FF,FF"},
               {StateRule::NotEquals, 0x05},
               {StateRule::NotEquals, 0x05},
               true}},
    SwitchRow{CameraSetting::AlcSpeed,
              Page2Id::AlcList,
              Page2Id::AlcDefault,
              &Page::m_nAlcSpeed,
              {{"2D,20,00", "2D,20,20"}, kNonZero, kNonZero, true},
              {{"2D,FF,05", "2D,FF,FF"}, kNonZero, kNonZero, false}},
};

const SensorSwitch* sensorSwitch(const SwitchRow& row) {
    switch (currentSensor()) {
    case Sensor::OV7610:
        return &row.ov7610;
    case Sensor::OV7620:
        return &row.ov7620;
    case Sensor::Other:
        break;
    }
    return nullptr;
}

constexpr int kSlowestFrameSpeed = 1;
constexpr int kFastestFrameSpeed = 30;

QString hexValue(int value) {
    return QString::number(value, 16);
}

void showFrameRateFailure(int message, QWidget* owner) {
    showMessage(message, MessageButtons::Ok, MessageIcon::Exclamation, Modality::Application,
                owner);
}

} // namespace

std::span<const MessageEntry<Page>> CCameraSetting2::messageMap() {
    static constexpr std::array kMap{
        MessageEntry<Page>{Notify::EditChange, Page2Id::FrameSpeedEdit, &Page::onFrameSpeedChanged},
        MessageEntry<Page>{Notify::KillFocus, Page2Id::FrameSpeedEdit, &Page::onFrameSpeedApply},
        MessageEntry<Page>{Notify::SliderReleased, Page2Id::FrameSpeedSlider,
                           &Page::onFrameSpeedSliderReleased},
        MessageEntry<Page>{Notify::Clicked, Page2Id::FrameSpeedDefault, &Page::onFrameSpeedDefault},
        MessageEntry<Page>{Notify::EditUpdate, Page2Id::Input, &Page::onInputUpdate},
        MessageEntry<Page>{Notify::Clicked, Page2Id::Set, &Page::onDirectSet},
        MessageEntry<Page>{Notify::Clicked, Page2Id::Get, &Page::onDirectGet},
    };
    return kMap;
}

std::span<const IndexedMessageEntry<Page>> CCameraSetting2::switchMessageMap() {
    static const std::vector<IndexedMessageEntry<Page>> kMap = [] {
        std::vector<IndexedMessageEntry<Page>> map;
        for (int i = 0; i < static_cast<int>(kSwitchRows.size()); ++i) {
            const SwitchRow& row = kSwitchRows[static_cast<std::size_t>(i)];
            map.push_back({Notify::SelChange, row.list, &Page::onSwitchChanged, i});
            map.push_back({Notify::Clicked, row.defaultButton, &Page::onSwitchDefault, i});
        }
        return map;
    }();
    return kMap;
}

CCameraSetting2::CCameraSetting2() : CameraSettingsPage(kCameraSetting2Template) {
    m_sliderFrameSpeed = controls().as<ValueSlider>(Page2Id::FrameSpeedSlider);
    for (const SwitchRow& row : kSwitchRows) {
        const SensorSwitch* sensor = sensorSwitch(row);
        this->*row.selection =
            sensor != nullptr && sensor->storeTells
                ? sensor->stored.selection(dataField(readCameraEntry(row.setting)))
                : -1;
    }
    readFrameSpeedEntry();
    bindMessages(this, messageMap());
    bindMessages(this, switchMessageMap());
}

void CCameraSetting2::doDataExchange(DataExchange& dx) {
    dx.listIndex(Page2Id::SuperGainList, m_nSuperGain);
    dx.listIndex(Page2Id::AwbList, m_nAwbSpeed);
    dx.listIndex(Page2Id::AlcList, m_nAlcSpeed);
    dx.listIndex(Page2Id::AecList, m_nAecSpeed);
    dx.sliderPosition(Page2Id::FrameSpeedSlider, m_nFrameSpeed);
    dx.text(Page2Id::FrameSpeedEdit, m_strFrameSpeed, 2);
    dx.text(Page2Id::Output, m_strOutput, 8);
    dx.text(Page2Id::Input, m_strInput, 8);
}

bool CCameraSetting2::onInitDialog() {
    RefreshControls();
    m_sliderFrameSpeed->SetRange(kSlowestFrameSpeed, kFastestFrameSpeed);
    readFrameSpeedEntry();
    const Sensor sensor = currentSensor();
    if (sensor == Sensor::OV7620) {
        for (int id : {Page2Id::AlcGroup, Page2Id::AlcDefault, Page2Id::AlcList}) {
            controls().enable(id, false);
        }
    }
    for (const SwitchRow& row : kSwitchRows) {
        addRegisterTooltip(row.list, row.setting);
    }
    placeOnSheet();
    RefreshControls();
    return false;
}

QString CCameraSetting2::ReadCameraDefault(QString section, QString key, QString fallback) {
    if (std::optional<QString> value = readFactoryValue(section, key)) {
        return *value;
    }
    reportMissingFactoryValue(Modality::System, false);
    return fallback;
}

void CCameraSetting2::onSwitchChanged(int index) {
    const SwitchRow& row = kSwitchRows[static_cast<std::size_t>(index)];
    const SensorSwitch* sensor = sensorSwitch(row);
    this->*row.selection = controls().as<QComboBox>(row.list)->currentIndex();
    if (sensor != nullptr) {
        writeCameraEntry(row.setting,
                         QString::fromLatin1(sensor->commands[this->*row.selection == 1 ? 1 : 0]));
        applySwitch(index);
    }
    RefreshControls();
}

void CCameraSetting2::onSwitchDefault(int index) {
    restoreFactoryEntry(kSwitchRows[static_cast<std::size_t>(index)].setting);
    applySwitch(index);
    RefreshControls();
}

void CCameraSetting2::applySwitch(int index) {
    const SwitchRow& row = kSwitchRows[static_cast<std::size_t>(index)];
    const SensorSwitch* sensor = sensorSwitch(row);
    if (const std::optional<int> readBack = applyEntry(row.setting); sensor && readBack) {
        this->*row.selection = sensor->readBack.selection(*readBack);
    }
}

void CCameraSetting2::onFrameSpeedChanged() {
    QString typed = controls().text(Page2Id::FrameSpeedEdit).left(3);
    m_nFrameSpeed = m_sliderFrameSpeed->SetPosFromText(typed, m_strFrameSpeed);
}

void CCameraSetting2::onFrameSpeedApply() {
    const QString typed = controls().text(Page2Id::FrameSpeedEdit).left(4);
    const int value = leadingInteger(typed);
    if (typed.isEmpty() || value > kFastestFrameSpeed || value < kSlowestFrameSpeed) {
        // The box takes the slider's position, and its change handler the value with it.
        m_strFrameSpeed = QString::number(m_sliderFrameSpeed->value());
        controls().setText(Page2Id::FrameSpeedEdit, m_strFrameSpeed);
    }
    applyFrameSpeed(m_nFrameSpeed);
}

void CCameraSetting2::onFrameSpeedSliderReleased() {
    applyFrameSpeed(m_sliderFrameSpeed->value());
}

void CCameraSetting2::onFrameSpeedDefault() {
    restoreFactoryEntry(CameraSetting::FrameSpeed);
    // A sensor without a frame speed entry has no factory rate to set; the camera's own rate is
    // shown.
    applyFrameSpeed(cameraEntry(CameraSetting::FrameSpeed)
                        ? std::optional(leadingInteger(readCameraEntry(CameraSetting::FrameSpeed)))
                        : std::nullopt);
}

void CCameraSetting2::applyFrameSpeed(std::optional<int> rate) {
    if (rate) {
        m_nFrameSpeed = *rate;
        if (VX3_LV_SetFrameRate(static_cast<std::uint16_t>(*rate)) == 0) {
            showFrameRateFailure(5, this);
        }
    }
    auto reported = static_cast<std::uint16_t>(m_nFrameSpeed);
    if (VX3_LV_GetFrameRate(&reported) == 0) {
        showFrameRateFailure(6, this);
    }
    m_nFrameSpeed = reported;
    m_strFrameSpeed = QString::number(reported);
    writeCameraEntry(CameraSetting::FrameSpeed, m_strFrameSpeed);
    RefreshControls();
}

void CCameraSetting2::onInputUpdate() {
    updateData(true);
}

void CCameraSetting2::onDirectSet() {
    m_strInput = controls().text(Page2Id::Input).left(9);
    if (m_strInput.isEmpty()) {
        return;
    }
    m_registerAccess.SetRegister(m_strInput);
    // The mask of the command selects the bits shown.
    m_strOutput = hexValue(m_registerAccess.GetRegister(m_strInput));
    RefreshControls();
}

void CCameraSetting2::onDirectGet() {
    m_strInput = controls().text(Page2Id::Input).left(9);
    QString command = m_strInput;
    // Register and mask typed without the comma that ends the mask.
    if (command.size() == 5) {
        command += QLatin1String(",00");
    }
    m_strOutput = hexValue(m_registerAccess.GetRegister(command));
    controls().setText(Page2Id::Output, m_strOutput);
}

void CCameraSetting2::readFrameSpeedEntry() {
    if (cameraEntry(CameraSetting::FrameSpeed)) {
        m_strFrameSpeed = readCameraEntry(CameraSetting::FrameSpeed);
        m_nFrameSpeed = leadingInteger(m_strFrameSpeed);
    }
}

} // namespace halvex
