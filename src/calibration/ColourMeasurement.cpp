// Measurement of the white target in the live area and the manual adjustment's arithmetic.
#include "calibration/ColourMeasurement.h"

#include <QImage>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define HALVEX_SUM_SSE2 1
#endif

namespace halvex {
namespace {

struct ChannelSums {
    std::uint32_t red = 0;
    std::uint32_t green = 0;
    std::uint32_t blue = 0;
};

void addPixelsPortable(const std::uint32_t* pixels, int count, ChannelSums& sums) {
    for (int x = 0; x < count; ++x) {
        const std::uint32_t p = pixels[x];
        sums.blue += p & 0xFFu;
        sums.green += (p >> 8) & 0xFFu;
        sums.red += (p >> 16) & 0xFFu;
    }
}

#if defined(HALVEX_SUM_SSE2)
// Four pixels at a time: each channel's bytes masked out and added by the byte-sum instruction.
void addPixels(const std::uint32_t* pixels, int count, ChannelSums& sums) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i lowByte = _mm_set1_epi32(0xFF);
    __m128i blue = zero;
    __m128i green = zero;
    __m128i red = zero;
    int x = 0;
    for (; x + 4 <= count; x += 4) {
        const __m128i p = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pixels + x));
        blue = _mm_add_epi64(blue, _mm_sad_epu8(_mm_and_si128(p, lowByte), zero));
        green =
            _mm_add_epi64(green, _mm_sad_epu8(_mm_and_si128(_mm_srli_epi32(p, 8), lowByte), zero));
        red = _mm_add_epi64(red, _mm_sad_epu8(_mm_and_si128(_mm_srli_epi32(p, 16), lowByte), zero));
    }
    const auto total = [](__m128i lanes) {
        return static_cast<std::uint32_t>(_mm_cvtsi128_si32(lanes) +
                                          _mm_cvtsi128_si32(_mm_srli_si128(lanes, 8)));
    };
    sums.blue += total(blue);
    sums.green += total(green);
    sums.red += total(red);
    addPixelsPortable(pixels + x, count - x, sums);
}
#else
void addPixels(const std::uint32_t* pixels, int count, ChannelSums& sums) {
    addPixelsPortable(pixels, count, sums);
}
#endif

bool within(float value, float low, float high) {
    return low <= value && value <= high; // false for a value that is not a number
}

bool strictlyWithin(float value, float low, float high) {
    return low < value && value < high;
}

} // namespace

std::uint8_t ClampTo255(std::uint32_t value) {
    return static_cast<std::uint8_t>(std::min<std::uint32_t>(value, 255));
}

ZoneAverages MeasureZone(const QImage& liveArea) {
    const QImage image =
        liveArea.format() == QImage::Format_RGB32 || liveArea.format() == QImage::Format_ARGB32
            ? liveArea
            : liveArea.convertToFormat(QImage::Format_RGB32);
    ChannelSums sums;
    const int right = std::min(SamplingBlock::Left + SamplingBlock::Width, image.width());
    const int bottom = std::min(SamplingBlock::Top + SamplingBlock::Height, image.height());
    for (int y = SamplingBlock::Top; y < bottom; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
        addPixels(row + SamplingBlock::Left, right - SamplingBlock::Left, sums);
    }
    return {ClampTo255(sums.red / SamplingBlock::Divisor),
            ClampTo255(sums.green / SamplingBlock::Divisor),
            ClampTo255(sums.blue / SamplingBlock::Divisor)};
}

int AdjustStep(std::uint8_t a, std::uint8_t b) {
    const int difference = std::abs(a - b);
    const int step = static_cast<int>(2.0 * difference * 0.2);
    return step < 3 ? 2 : step;
}

void UpdateRatios(const ZoneAverages& averages, ColourRatios& ratios) {
    const auto r = static_cast<float>(averages.red);
    const auto g = static_cast<float>(averages.green);
    const auto b = static_cast<float>(averages.blue);
    if (averages.blue > 0) {
        ratios.rb = r / b;
    }
    if (averages.green > 0) {
        ratios.bg = b / g;
        ratios.rg = r / g;
    }
}

int RatiosInLimits(const ColourRatios& ratios, const RatioLimits& limits) {
    return within(ratios.rb, limits.rbMin, limits.rbMax) &&
                   within(ratios.bg, limits.bgMin, limits.bgMax) &&
                   within(ratios.rg, limits.rgMin, limits.rgMax)
               ? 1
               : 0;
}

bool RatiosStrictlyInside(const ColourRatios& ratios, const RatioLimits& limits) {
    return strictlyWithin(ratios.rb, limits.rbMin, limits.rbMax) &&
           strictlyWithin(ratios.bg, limits.bgMin, limits.bgMax) &&
           strictlyWithin(ratios.rg, limits.rgMin, limits.rgMax);
}

QString ColourMessage(const ZoneAverages& averages, const ColourRatios& ratios) {
    return QString::asprintf(
        " Blue = %d    Red = %d    Green = %d    R/B = %1.2f    B/G = %1.2f    R/G = %1.2f",
        averages.blue, averages.red, averages.green, static_cast<double>(ratios.rb),
        static_cast<double>(ratios.bg), static_cast<double>(ratios.rg));
}

float MatchPercentage(const ZoneAverages& averages) {
    if (averages.green == 0) {
        return 0.0f;
    }
    const float g = averages.green;
    const float offRed = std::abs(static_cast<float>(averages.green) - averages.red);
    const float offBlue = std::abs(static_cast<float>(averages.green) - averages.blue);
    return (g - offRed - offBlue) / g * 100.0f;
}

} // namespace halvex
