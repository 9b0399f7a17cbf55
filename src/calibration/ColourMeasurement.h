// Measurement of the white target in the live area: block averages, colour ratios and the
// arithmetic of the manual adjustment.
#pragma once

#include <QString>
#include <cstdint>

class QImage;

namespace halvex {

// The block of the live area that is measured, inside the Zone 1 frame (160, 120)-(480, 360).
// Of the two readings left open, this one reads the 316 x 236 block x = 162 to 477,
// y = 122 to 357 and divides by its own 74,576 pixels, so each average is exact.
struct SamplingBlock {
    static constexpr int Left = 162;
    static constexpr int Top = 122;
    static constexpr int Width = 316;
    static constexpr int Height = 236;
    static constexpr std::uint32_t Divisor = 74'576;
};

struct ZoneAverages {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
};

struct ColourRatios {
    float rb = 0.0f; // R/B
    float bg = 0.0f; // B/G
    float rg = 0.0f; // R/G
};

struct RatioLimits {
    float rbMin, rbMax, bgMin, bgMax, rgMin, rgMax;
};

// Values up to 255 stay; larger values give 255.
std::uint8_t ClampTo255(std::uint32_t value);

// Average red, green and blue of the sampling block of what the live area shows. Pixels the
// image does not have count as black.
ZoneAverages MeasureZone(const QImage& liveArea);

// The gain step of one pass: the integer part of 2 x |a - b| x 0.2, at least 2.
int AdjustStep(std::uint8_t a, std::uint8_t b);

// Ratios of the averages in single precision. A ratio whose divisor is 0 keeps its previous
// value, so a black area leaves every ratio as it was and never divides by zero.
void UpdateRatios(const ZoneAverages& averages, ColourRatios& ratios);

// 1 when every ratio lies within its limits, bounds included (a ratio that is not a number
// fails), else 0.
int RatiosInLimits(const ColourRatios& ratios, const RatioLimits& limits);
// Whether every ratio lies strictly between its limits.
bool RatiosStrictlyInside(const ColourRatios& ratios, const RatioLimits& limits);

// The right-hand status line of a measurement.
QString ColourMessage(const ZoneAverages& averages, const ColourRatios& ratios);

// How close red and blue are to green, in percent of green (100 = equal); 0 for a black green.
float MatchPercentage(const ZoneAverages& averages);

} // namespace halvex
