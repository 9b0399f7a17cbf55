// Turns the static scene into one frame: exposure, gains, white balance, gamma, colour, noise.
#include "Renderer.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <random>

#if defined(__GNUC__) && defined(__x86_64__)
#include <immintrin.h>
#endif

namespace vx3sim {

namespace {

constexpr std::size_t NoiseSize = std::size_t{1} << 18;
constexpr std::size_t RowValues = static_cast<std::size_t>(Scene::Width) * 3;
constexpr int NoiseLimit = Scene::Headroom - 1;

// Where frame `frame` starts reading the noise table: a scrambled frame number, different for
// each unit.
std::size_t noiseStart(std::uint64_t frame, std::uint32_t seed) {
    std::uint64_t x = (frame ^ (std::uint64_t{seed} << 40)) + 0x9E3779B97F4A7C15ULL;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    return static_cast<std::size_t>(x ^ (x >> 31)) & (NoiseSize - 1);
}

std::uint8_t outputLevel(double linear, const ImageSettings& s) {
    double y = std::clamp(linear, 0.0, 1.0);
    if (s.gammaOn) {
        y = s.gammaLevel * std::pow(y, s.gammaExponent) + (1.0 - s.gammaLevel) * y;
    }
    return static_cast<std::uint8_t>(std::lround(y * 255.0));
}

// Level differences (-255..255) shifted to use the range of a 16-bit value.
std::int16_t scaled(int difference) {
    return static_cast<std::int16_t>(difference * 128);
}

// The high half of a 16-bit product, which vector units compute in one step.
std::int16_t highProduct(std::int16_t a, std::int16_t b) {
    return static_cast<std::int16_t>((a * b) >> 16);
}

// Saturation and contrast in 1/128 units, scaled so that the high half of a 16-bit product
// applies them; the level grey stays at, and the offsets of blue, green and red.
struct Adjustment {
    std::int16_t saturation;
    std::int16_t contrast;
    std::int16_t middle;
    std::array<std::int16_t, 3> offsets;
};

Adjustment adjustmentOf(const ImageSettings& s) {
    return {static_cast<std::int16_t>(s.saturation * 4),
            static_cast<std::int16_t>(s.contrast * 4),
            static_cast<std::int16_t>(128 + s.brightness),
            {static_cast<std::int16_t>(s.blueOffset), 0, static_cast<std::int16_t>(s.redOffset)}};
}

// One row of blue, green and red levels, each channel apart so that vector units take many at a
// time.
using Plane = std::array<std::int16_t, Scene::Width>;
using Planes = std::array<Plane, 3>;

// Luminance moves with contrast around the middle level, colour away from it with saturation;
// the row goes out as BGR pixels.
void adjustRowPortable(const Adjustment& a, const Planes& planes, std::uint8_t* bgr) {
    for (std::size_t x = 0; x < Scene::Width; ++x, bgr += 3) {
        const int luma = (38 * planes[2][x] + 75 * planes[1][x] + 15 * planes[0][x]) >> 7;
        const auto level =
            static_cast<std::int16_t>(a.middle + highProduct(scaled(luma - 128), a.contrast));
        for (std::size_t c = 0; c < 3; ++c) {
            const auto value = static_cast<std::int16_t>(
                level + highProduct(scaled(planes[c][x] - luma), a.saturation) + a.offsets[c]);
            bgr[c] = static_cast<std::uint8_t>(std::clamp<std::int16_t>(value, 0, 255));
        }
    }
}

#if defined(__GNUC__) && defined(__x86_64__)
// Byte shuffles that weave sixteen bytes of each channel into 48 bytes of BGR pixels: for each
// 16-byte part of the output and each channel, which channel byte lands where (-128: none).
using Shuffle = std::array<std::int8_t, 16>;
constexpr auto Weave = [] {
    std::array<std::array<Shuffle, 3>, 3> weave{};
    for (std::size_t part = 0; part < 3; ++part) {
        for (std::size_t c = 0; c < 3; ++c) {
            for (std::size_t i = 0; i < 16; ++i) {
                const std::size_t woven = part * 16 + i;
                weave[part][c][i] = static_cast<std::int8_t>(woven % 3 == c ? woven / 3 : -128);
            }
        }
    }
    return weave;
}();

__m128i loadShuffle(const Shuffle& mask) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(mask.data()));
}

// The same arithmetic on sixteen pixels at a time.
__attribute__((target("avx2"))) void adjustRowAvx2(const Adjustment& a, const Planes& planes,
                                                   std::uint8_t* bgr) {
    static_assert(Scene::Width % 16 == 0);
    const __m256i lumaWeights[3] = {_mm256_set1_epi16(15), _mm256_set1_epi16(75),
                                    _mm256_set1_epi16(38)};
    const __m256i grey = _mm256_set1_epi16(128);
    const __m256i saturation = _mm256_set1_epi16(a.saturation);
    const __m256i contrast = _mm256_set1_epi16(a.contrast);
    const __m256i middle = _mm256_set1_epi16(a.middle);
    const __m256i low = _mm256_setzero_si256();
    const __m256i high = _mm256_set1_epi16(255);
    __m256i offsets[3];
    __m128i weave[3][3];
    for (std::size_t c = 0; c < 3; ++c) {
        offsets[c] = _mm256_set1_epi16(a.offsets[c]);
        for (std::size_t part = 0; part < 3; ++part) {
            weave[part][c] = loadShuffle(Weave[part][c]);
        }
    }
    for (std::size_t x = 0; x < Scene::Width; x += 16, bgr += 48) {
        __m256i in[3];
        __m256i weighted = _mm256_setzero_si256();
        for (std::size_t c = 0; c < 3; ++c) {
            in[c] = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(planes[c].data() + x));
            weighted = _mm256_add_epi16(weighted, _mm256_mullo_epi16(in[c], lumaWeights[c]));
        }
        const __m256i luma = _mm256_srli_epi16(weighted, 7);
        const __m256i level = _mm256_add_epi16(
            middle,
            _mm256_mulhi_epi16(_mm256_slli_epi16(_mm256_sub_epi16(luma, grey), 7), contrast));
        __m128i out[3];
        for (std::size_t c = 0; c < 3; ++c) {
            const __m256i colour =
                _mm256_mulhi_epi16(_mm256_slli_epi16(_mm256_sub_epi16(in[c], luma), 7), saturation);
            const __m256i value = _mm256_min_epi16(
                _mm256_max_epi16(_mm256_add_epi16(_mm256_add_epi16(level, colour), offsets[c]),
                                 low),
                high);
            out[c] =
                _mm_packus_epi16(_mm256_castsi256_si128(value), _mm256_extracti128_si256(value, 1));
        }
        for (std::size_t part = 0; part < 3; ++part) {
            const __m128i woven =
                _mm_or_si128(_mm_or_si128(_mm_shuffle_epi8(out[0], weave[part][0]),
                                          _mm_shuffle_epi8(out[1], weave[part][1])),
                             _mm_shuffle_epi8(out[2], weave[part][2]));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(bgr + part * 16), woven);
        }
    }
}

bool hasAvx2() {
    static const bool supported = [] {
        __builtin_cpu_init();
        return __builtin_cpu_supports("avx2") != 0;
    }();
    return supported;
}
#endif

void adjustRow(const Adjustment& a, const Planes& planes, std::uint8_t* bgr) {
#if defined(__GNUC__) && defined(__x86_64__)
    if (hasAvx2()) {
        adjustRowAvx2(a, planes, bgr);
        return;
    }
#endif
    adjustRowPortable(a, planes, bgr);
}

} // namespace

Renderer::Renderer() : m_output(static_cast<std::size_t>(LevelCount) * 3) {}

void Renderer::makeScene() {
    if (!m_unitNoise.empty()) {
        return;
    }
    m_unitNoise.resize(NoiseSize + RowValues);
    m_noise.resize(NoiseSize + RowValues);
    std::mt19937 generator(7620);
    // Box-Muller on the generator's raw output, so the samples are the same on every platform.
    const auto uniform = [&generator] {
        return (static_cast<double>(generator()) + 0.5) / 4294967296.0;
    };
    for (std::size_t i = 0; i < NoiseSize; i += 2) {
        const double radius = std::sqrt(-2.0 * std::log(uniform()));
        const double angle = 2.0 * 3.14159265358979323846 * uniform();
        m_unitNoise[i] = static_cast<float>(radius * std::cos(angle));
        m_unitNoise[i + 1] = static_cast<float>(radius * std::sin(angle));
    }
    // The tail repeats the head so that every row reads one contiguous run.
    std::copy_n(m_unitNoise.begin(), RowValues, m_unitNoise.begin() + NoiseSize);

    const std::uint16_t* light = Scene::instance().light();
    m_light.resize(RowValues * Scene::Height);
    for (std::size_t i = 0; i < m_light.size(); ++i) {
        m_light[i] = static_cast<std::uint16_t>(light[i] + i % 3 * LevelCount);
    }
}

void Renderer::prepare(const ImageSettings& s) {
    if (m_prepared == s) {
        return;
    }
    makeScene();
    if (!m_prepared || m_prepared->exposure != s.exposure || m_prepared->readNoise != s.readNoise) {
        // Read noise is fixed in sensor units, so it weighs more in scene units at short exposures.
        const double sigma = s.exposure > 0.0 ? s.readNoise * Scene::FullScale / s.exposure : 0.0;
        for (std::size_t i = 0; i < m_noise.size(); ++i) {
            const long value = std::lround(m_unitNoise[i] * sigma);
            m_noise[i] =
                static_cast<std::int16_t>(std::clamp<long>(value, -NoiseLimit, NoiseLimit));
        }
    }
    const double balance[3] = {s.blueGain, 1.0, s.redGain};
    const double response[3] = {s.response.blue, s.response.green, s.response.red};
    for (std::size_t c = 0; c < 3; ++c) {
        for (int level = 0; level < LevelCount; ++level) {
            const double light =
                std::max(0, level - Scene::Headroom) / static_cast<double>(Scene::FullScale);
            const double sensor = std::min(1.0, light * response[c] * s.exposure * s.analogGain);
            m_output[c * LevelCount + static_cast<std::size_t>(level)] =
                outputLevel(sensor * balance[c], s);
        }
    }
    m_plain = s.saturation == 128 && s.contrast == 128 && s.brightness == 0 && s.blueOffset == 0 &&
              s.redOffset == 0;
    m_prepared = s;
}

void Renderer::render(const ImageSettings& settings, std::uint64_t frame, std::uint8_t* bgr) {
    const std::size_t frameBytes = RowValues * Scene::Height;
    if (settings.colourBars) {
        std::memcpy(bgr, Scene::instance().colourBars(), frameBytes);
    } else {
        prepare(settings);
        renderColour(frame, bgr);
    }
    if (settings.mirror) {
        for (std::size_t row = 0; row < frameBytes; row += RowValues) {
            for (std::size_t l = row, r = row + RowValues - 3; l < r; l += 3, r -= 3) {
                std::swap_ranges(bgr + l, bgr + l + 3, bgr + r);
            }
        }
    }
}

void Renderer::renderColour(std::uint64_t frame, std::uint8_t* bgr) const {
    const std::uint8_t* output = m_output.data();
    const std::size_t start = noiseStart(frame, m_prepared->noiseSeed);
    const Adjustment adjustment = adjustmentOf(*m_prepared);
    // Adding the noise runs many values at a time; the table look-ups then read one index each.
    std::array<std::uint16_t, RowValues> levels;
    Planes planes;
    for (int y = 0; y < Scene::Height; ++y) {
        const std::size_t row = static_cast<std::size_t>(y) * RowValues;
        const std::int16_t* noise = m_noise.data() + ((start + row) & (NoiseSize - 1));
        const std::uint16_t* light = m_light.data() + row;
        for (std::size_t i = 0; i < RowValues; ++i) {
            levels[i] = static_cast<std::uint16_t>(light[i] + noise[i]);
        }
        std::uint8_t* out = bgr + row;
        if (m_plain) {
            for (std::size_t i = 0; i < RowValues; ++i) {
                out[i] = output[levels[i]];
            }
        } else {
            for (std::size_t x = 0, i = 0; x < Scene::Width; ++x, i += 3) {
                planes[0][x] = output[levels[i]];
                planes[1][x] = output[levels[i + 1]];
                planes[2][x] = output[levels[i + 2]];
            }
            adjustRow(adjustment, planes, out);
        }
    }
}

} // namespace vx3sim
