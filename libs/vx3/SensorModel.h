// Register map of the two sensor models: power-on values, read-only bits and register effects.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace vx3sim {

using RegisterFile = std::array<std::uint8_t, 256>;

enum class SensorKind { OV7610, OV7620 };

namespace reg {
inline constexpr std::uint8_t AgcGain = 0x00;
inline constexpr std::uint8_t BlueGain = 0x01;
inline constexpr std::uint8_t RedGain = 0x02;
inline constexpr std::uint8_t Saturation = 0x03;
inline constexpr std::uint8_t Contrast7610 = 0x05;
inline constexpr std::uint8_t Brightness = 0x06;
inline constexpr std::uint8_t BlueBias = 0x0C;
inline constexpr std::uint8_t RedBias = 0x0D;
inline constexpr std::uint8_t SuperGain7610 = 0x0E;
inline constexpr std::uint8_t Exposure = 0x10;
inline constexpr std::uint8_t ClockPrescaler = 0x11;
inline constexpr std::uint8_t ComA = 0x12;
inline constexpr std::uint8_t ComB = 0x13;
inline constexpr std::uint8_t ComC = 0x14;
inline constexpr std::uint8_t ManufacturerHigh = 0x1C;
inline constexpr std::uint8_t ManufacturerLow = 0x1D;
inline constexpr std::uint8_t ComE = 0x20;
inline constexpr std::uint8_t ExposureWhite = 0x24;
inline constexpr std::uint8_t ExposureBlack = 0x25;
inline constexpr std::uint8_t ComH = 0x28;
inline constexpr std::uint8_t ComI = 0x29;
inline constexpr std::uint8_t FrameAdjustHigh = 0x2A;
inline constexpr std::uint8_t FrameAdjustLow = 0x2B;
inline constexpr std::uint8_t ComJ = 0x2D;
inline constexpr std::uint8_t ComK7610 = 0x38;
inline constexpr std::uint8_t RgbGamma7620 = 0x62;
inline constexpr std::uint8_t YGamma7620 = 0x64;
inline constexpr std::uint8_t ComK7620 = 0x70;
inline constexpr std::uint8_t GammaLevel7610 = 0x71;
inline constexpr std::uint8_t GammaValue7610 = 0x72;
inline constexpr std::uint8_t ComM7620 = 0x74;
} // namespace reg

namespace bit {
inline constexpr std::uint8_t SoftReset = 0x80;     // COMA
inline constexpr std::uint8_t Mirror = 0x40;        // COMA
inline constexpr std::uint8_t AgcEnable = 0x20;     // COMA
inline constexpr std::uint8_t AwbEnable = 0x04;     // COMA
inline constexpr std::uint8_t ColourBars = 0x02;    // COMA
inline constexpr std::uint8_t AutoAdjust = 0x01;    // COMB: master switch of the loops
inline constexpr std::uint8_t RgbGamma = 0x04;      // COMC
inline constexpr std::uint8_t AwbFast = 0x02;       // COME
inline constexpr std::uint8_t FreezeAec = 0x10;     // COMH
inline constexpr std::uint8_t ExtraGain = 0x02;     // COMH
inline constexpr std::uint8_t AecOff = 0x80;        // COMI
inline constexpr std::uint8_t AecFast = 0x80;       // COMJ
inline constexpr std::uint8_t AlcFast = 0x20;       // COMJ
inline constexpr std::uint8_t AwbLongPeriod = 0x02; // COMK
} // namespace bit

// Light of each channel relative to a reference, for the same scene.
struct ChannelResponse {
    double red = 1.0;
    double green = 1.0;
    double blue = 1.0;

    bool operator==(const ChannelResponse&) const = default;
};

// What the registers ask of the picture, in physical terms, and what the unit adds to it.
struct ImageSettings {
    double exposure = 1.0;   // relative exposure time
    double analogGain = 1.0; // AGC gain x super gain x extra gain
    double blueGain = 1.0;   // white balance, 1.0 = unity
    double redGain = 1.0;
    bool gammaOn = true;
    double gammaExponent = 0.45;
    double gammaLevel = 0.95; // share of the gamma curve blended with the linear response
    int saturation = 128;     // 128 = unchanged colour
    int contrast = 128;       // 128 = unchanged luminance slope
    int brightness = 0;       // luminance offset in output levels
    int blueOffset = 0;       // colour bias as an output offset (manual white balance only)
    int redOffset = 0;
    bool mirror = false;
    bool colourBars = false;
    ChannelResponse response; // the unit's lamp and sensor against the nominal unit
    double readNoise = 0.008; // share of the sensor's full scale, before the analog gain
    std::uint32_t noiseSeed = 0;

    bool operator==(const ImageSettings&) const = default;
};

// How the automatic loops are configured.
struct LoopSettings {
    bool awbOn = false;
    bool awbFast = false;
    int awbSlowPeriod = 16;  // frames between slow white-balance updates
    double blueTarget = 1.0; // blue/green ratio the white balance aims at (colour bias)
    double redTarget = 1.0;
    bool agcOn = false;
    bool aecOn = false;
    bool aecFast = false;
    bool alcFast = false;
    int exposureWhite = 110; // metered level above which exposure falls
    int exposureBlack = 98;  // metered level below which exposure rises
};

class SensorModel {
public:
    // "OV7620" selects that model; every other version text the OV7610.
    static const SensorModel& forVersion(std::string_view version);

    SensorKind kind() const { return m_kind; }
    const RegisterFile& powerOn() const { return m_powerOn; }
    // Bits of the register that host writes cannot change.
    std::uint8_t readOnlyBits(std::uint8_t address) const;
    // The model's colour filters against the OV7610's, and its read noise.
    ChannelResponse spectralResponse() const;
    double readNoise() const;

    ImageSettings imageSettings(const RegisterFile& registers) const;
    LoopSettings loopSettings(const RegisterFile& registers) const;

    // Gain of the AGC register's bits 5:0: (bits 3:0 / 16 + 1) x (bit 4 + 1) x (bit 5 + 1).
    static double agcGain(std::uint8_t value);

private:
    explicit SensorModel(SensorKind kind);

    SensorKind m_kind;
    RegisterFile m_powerOn{};
};

} // namespace vx3sim
