// Register map of the two sensor models: power-on values, read-only bits and register effects.
#include "SensorModel.h"

#include <cmath>

namespace vx3sim {

/*
 Registers with an effect in this model (all others are plain storage, 256 addresses per sensor).
 "Both" means the same on the two sensors; "storage" means no effect on that sensor.

 0x00  both: AGC gain bits 5:0, owned by the gain loop while it runs
 0x01  both: blue gain, value/64 (0x40 unity), owned by the white balance loop while it runs
 0x02  both: red gain, value/64, owned by the white balance loop while it runs
 0x03  both: saturation, value/128
 0x05  OV7610: contrast, value/128 around level 128; OV7620: storage
 0x06  both: brightness, (value-128)/2 output levels
 0x0C  both: blue bias bits 5:0, 0x20 neutral (see below)
 0x0D  both: red bias bits 5:0, 0x20 neutral
 0x0E  OV7610: bit 7 super gain 2x; OV7620: storage
 0x10  both: exposure, value/128, owned by the exposure loop while it runs
 0x11  both: clock prescaler bits 5:0; the frame lasts (prescaler+1) x (525 + adjust) lines of
       1/15750 s
 0x12  both: COMA bit 7 soft reset, 6 mirror, 5 AGC on, 2 AWB on, 1 colour bar test pattern
 0x13  both: COMB bit 0 master switch of the loops
 0x14  both: COMC bit 2 RGB gamma on
 0x1C  both: 0x7F, read-only
 0x1D  both: 0xA2, read-only
 0x20  both: COME bit 1 AWB fast (every frame)
 0x24  both: AEW, metered level (0..255, before gamma) above which the exposure falls
 0x25  both: AEB, metered level below which the exposure rises
 0x28  both: COMH bit 4 AEC and AGC frozen, bit 1 extra gain 1.5x
 0x29  both: COMI bit 7 AEC off; bits 1:0 chip id, read-only: 3 on the OV7610, 0 on the OV7620
 0x2A  both: bit 7 frame adjust on, bits 1:0 high bits of the adjust count
 0x2B  both: adjust count low byte (extra lines per frame)
 0x2D  both: COMJ bit 7 AEC fast, bit 5 ALC (gain loop) fast; on the OV7620 the tool writes the
       whole byte: 0x05 slow, 0xFF fast
 0x38  OV7610: COMK bit 1 slow AWB every 64 frames instead of 16; OV7620: storage
 0x62  OV7620: RGB gamma curve n = bits 7:1, exponent 0.45 - (n-64)*0.004; OV7610: storage
 0x64  OV7620: bit 0 Y gamma on (curve level 95 %, else 80 %), bits 7:1 contrast n/64;
       OV7610: storage
 0x70  OV7620: COMK as the OV7610's 0x38; OV7610: storage
 0x71  OV7610: gamma level bits 1:0 (95, 90, 85, 80 % of the curve blended with the linear
       response), bit 2 gamma curve 0.45 (set) or 0.5; OV7620: storage
 0x72  OV7610: gamma value, exponent x (1 - (value-128)/256); OV7620: storage
 0x74  OV7620: COMM bits 6:5 super gain, 0x60 2x, 0x40 1.5x, else 1x; OV7610: storage

 A higher gamma value or curve number gives brighter mid-tones.

 The tool's settings address them as follows (register, mask, data as the settings file holds them):

 | Setting            | OV7610     | OV7620     |
 |--------------------|------------|------------|
 | Gamma1 (level)     | 71,03,00   | 64,01,01   |
 | Gamma2 (curve)     | 71,04,04   | 14,04,04   |
 | Gamma3 (value)     | 72,FF,80   | 62,FE,80   |
 | Saturation         | 03,FF,80   | 03,FF,80   |
 | Contrast           | 05,FF,80   | 64,FE,80   |
 | Brightness         | 06,FF,80   | 06,FF,80   |
 | ColorBias Blue     | 0C,3F,20   | 0C,3F,20   |
 | ColorBias Red      | 0D,3F,20   | 0D,3F,20   |
 | SuperGain          | 0E,80,00   | 74,60,20   |
 | AWBSpeed           | 20,02,02   | 20,02,02   |
 | AECSpeed           | 2D,80,80   | 2D,FF,FF   |
 | ALCSpeed           | 2D,20,20   | 2D,FF,FF   |

 The colour bias acts as an output offset of (bias-32)/2 levels while the white balance is manual;
 while the automatic white balance runs it moves the balance's target instead: blue/green (and
 red/green) = 1 + (bias-32)/128.
*/

namespace {

struct PowerOnValue {
    std::uint8_t address;
    std::uint8_t ov7610;
    std::uint8_t ov7620;
};

// Registers not listed power on as 0x00.
constexpr PowerOnValue PowerOnTable[] = {
    {reg::BlueGain, 0x80, 0x80},
    {reg::RedGain, 0x80, 0x80},
    {reg::Saturation, 0x80, 0x80},
    {reg::Contrast7610, 0x80, 0x80},
    {reg::Brightness, 0x80, 0x80},
    {reg::BlueBias, 0x20, 0x20},
    {reg::RedBias, 0x20, 0x20},
    {reg::Exposure, 0x5C, 0x5C},
    {reg::ComA, 0x24, 0x24},
    {reg::ComB, 0x01, 0x01},
    {reg::ComC, 0x04, 0x04},
    {reg::ManufacturerHigh, 0x7F, 0x7F},
    {reg::ManufacturerLow, 0xA2, 0xA2},
    {reg::ExposureWhite, 0x6E, 0x6E},
    {reg::ExposureBlack, 0x62, 0x62},
    {reg::ComI, 0x03, 0x00},
    {reg::ComJ, 0x90, 0x91},
    {reg::RgbGamma7620, 0x00, 0x80},
    {reg::YGamma7620, 0x00, 0x81},
    {reg::GammaLevel7610, 0x04, 0x00},
    {reg::GammaValue7610, 0x80, 0x00},
    {reg::ComM7620, 0x00, 0x20},
};

constexpr double GammaLevels7610[] = {0.95, 0.90, 0.85, 0.80};

// The OV7620's colour filters pass more red and less blue than the OV7610's, and its smaller
// pixels are noisier: under the same lamp it needs more blue gain and less red gain.
constexpr ChannelResponse Spectral7620 = {1.05, 1.0, 0.93};
constexpr double ReadNoise7610 = 0.008;
constexpr double ReadNoise7620 = 0.011;

int biasOf(std::uint8_t value) {
    return (value & 0x3F) - 32;
}

} // namespace

SensorModel::SensorModel(SensorKind kind) : m_kind(kind) {
    for (const auto& entry : PowerOnTable) {
        m_powerOn[entry.address] = kind == SensorKind::OV7610 ? entry.ov7610 : entry.ov7620;
    }
}

const SensorModel& SensorModel::forVersion(std::string_view version) {
    static const SensorModel ov7610(SensorKind::OV7610);
    static const SensorModel ov7620(SensorKind::OV7620);
    return version == "OV7620" ? ov7620 : ov7610;
}

std::uint8_t SensorModel::readOnlyBits(std::uint8_t address) const {
    switch (address) {
    case reg::ManufacturerHigh:
    case reg::ManufacturerLow:
        return 0xFF;
    case reg::ComI:
        return 0x03;
    default:
        return 0x00;
    }
}

ChannelResponse SensorModel::spectralResponse() const {
    return m_kind == SensorKind::OV7620 ? Spectral7620 : ChannelResponse{};
}

double SensorModel::readNoise() const {
    return m_kind == SensorKind::OV7620 ? ReadNoise7620 : ReadNoise7610;
}

double SensorModel::agcGain(std::uint8_t value) {
    return ((value & 0x0F) / 16.0 + 1.0) * ((value & 0x10) ? 2.0 : 1.0) *
           ((value & 0x20) ? 2.0 : 1.0);
}

ImageSettings SensorModel::imageSettings(const RegisterFile& r) const {
    ImageSettings s;
    const bool ov7610 = m_kind == SensorKind::OV7610;
    double superGain = 1.0;
    if (ov7610) {
        superGain = (r[reg::SuperGain7610] & 0x80) ? 2.0 : 1.0;
    } else {
        constexpr double Stages[] = {1.0, 1.0, 1.5, 2.0};
        superGain = Stages[(r[reg::ComM7620] >> 5) & 0x03];
    }
    s.exposure = r[reg::Exposure] / 128.0;
    s.analogGain =
        agcGain(r[reg::AgcGain]) * superGain * ((r[reg::ComH] & bit::ExtraGain) ? 1.5 : 1.0);
    s.blueGain = r[reg::BlueGain] / 64.0;
    s.redGain = r[reg::RedGain] / 64.0;
    s.gammaOn = (r[reg::ComC] & bit::RgbGamma) != 0;
    if (ov7610) {
        const std::uint8_t level = r[reg::GammaLevel7610];
        s.gammaExponent =
            ((level & 0x04) ? 0.45 : 0.5) * (1.0 - (r[reg::GammaValue7610] - 128) / 256.0);
        s.gammaLevel = GammaLevels7610[level & 0x03];
        s.contrast = r[reg::Contrast7610];
    } else {
        const std::uint8_t yGamma = r[reg::YGamma7620];
        s.gammaExponent = 0.45 - ((r[reg::RgbGamma7620] >> 1) - 64) * 0.004;
        s.gammaLevel = (yGamma & 0x01) ? 0.95 : 0.80;
        s.contrast = (yGamma >> 1) * 2;
    }
    s.saturation = r[reg::Saturation];
    s.brightness = (r[reg::Brightness] - 128) / 2;
    if (!loopSettings(r).awbOn) {
        s.blueOffset = biasOf(r[reg::BlueBias]) / 2;
        s.redOffset = biasOf(r[reg::RedBias]) / 2;
    }
    s.mirror = (r[reg::ComA] & bit::Mirror) != 0;
    s.colourBars = (r[reg::ComA] & bit::ColourBars) != 0;
    s.readNoise = readNoise();
    return s;
}

LoopSettings SensorModel::loopSettings(const RegisterFile& r) const {
    LoopSettings l;
    const bool master = (r[reg::ComB] & bit::AutoAdjust) != 0;
    const std::uint8_t comA = r[reg::ComA];
    const std::uint8_t comK = m_kind == SensorKind::OV7610 ? r[reg::ComK7610] : r[reg::ComK7620];
    l.awbOn = master && (comA & bit::AwbEnable);
    l.awbFast = (r[reg::ComE] & bit::AwbFast) != 0;
    l.awbSlowPeriod = (comK & bit::AwbLongPeriod) ? 64 : 16;
    l.blueTarget = 1.0 + biasOf(r[reg::BlueBias]) / 128.0;
    l.redTarget = 1.0 + biasOf(r[reg::RedBias]) / 128.0;
    const bool frozen = (r[reg::ComH] & bit::FreezeAec) != 0;
    l.agcOn = master && (comA & bit::AgcEnable) && !frozen;
    l.aecOn = master && !frozen && !(r[reg::ComI] & bit::AecOff);
    l.aecFast = (r[reg::ComJ] & bit::AecFast) != 0;
    l.alcFast = (r[reg::ComJ] & bit::AlcFast) != 0;
    l.exposureWhite = r[reg::ExposureWhite];
    l.exposureBlack = r[reg::ExposureBlack];
    return l;
}

} // namespace vx3sim
