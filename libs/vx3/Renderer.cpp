// Turns the static scene into one frame: exposure, gains, white balance, gamma, colour, noise.
#include "Renderer.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <random>

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

} // namespace

Renderer::Renderer() {
    for (auto& table : m_channel) {
        table.resize(LevelCount);
    }
}

void Renderer::makeNoise() {
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
}

void Renderer::prepare(const ImageSettings& s) {
    if (m_prepared == s) {
        return;
    }
    if (m_unitNoise.empty()) {
        makeNoise();
    }
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
            m_channel[c][static_cast<std::size_t>(level)] = outputLevel(sensor * balance[c], s);
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
        if (m_plain) {
            renderColour<true>(frame, bgr);
        } else {
            renderColour<false>(frame, bgr);
        }
    }
    if (settings.mirror) {
        for (std::size_t row = 0; row < frameBytes; row += RowValues) {
            for (std::size_t l = row, r = row + RowValues - 3; l < r; l += 3, r -= 3) {
                std::swap_ranges(bgr + l, bgr + l + 3, bgr + r);
            }
        }
    }
}

template <bool Plain> void Renderer::renderColour(std::uint64_t frame, std::uint8_t* bgr) const {
    const std::uint16_t* light = Scene::instance().light();
    const std::uint8_t* blueOut = m_channel[0].data();
    const std::uint8_t* greenOut = m_channel[1].data();
    const std::uint8_t* redOut = m_channel[2].data();
    const std::size_t start = noiseStart(frame, m_prepared->noiseSeed);
    // Colour work runs on one row of separate channels, which the compiler can vectorise.
    std::array<Plane, 3> planes;
    auto& [blue, green, red] = planes;
    for (int y = 0; y < Scene::Height; ++y) {
        const std::size_t row = static_cast<std::size_t>(y) * RowValues;
        const std::int16_t* noise = m_noise.data() + ((start + row) & (NoiseSize - 1));
        const std::uint16_t* in = light + row;
        std::uint8_t* out = bgr + row;
        if constexpr (Plain) {
            for (std::size_t i = 0; i < RowValues; i += 3) {
                out[i] = blueOut[in[i] + noise[i]];
                out[i + 1] = greenOut[in[i + 1] + noise[i + 1]];
                out[i + 2] = redOut[in[i + 2] + noise[i + 2]];
            }
        } else {
            for (std::size_t x = 0, i = 0; x < Scene::Width; ++x, i += 3) {
                blue[x] = blueOut[in[i] + noise[i]];
                green[x] = greenOut[in[i + 1] + noise[i + 1]];
                red[x] = redOut[in[i + 2] + noise[i + 2]];
            }
            adjustColour(planes);
            for (std::size_t x = 0, i = 0; x < Scene::Width; ++x, i += 3) {
                out[i] = static_cast<std::uint8_t>(blue[x]);
                out[i + 1] = static_cast<std::uint8_t>(green[x]);
                out[i + 2] = static_cast<std::uint8_t>(red[x]);
            }
        }
    }
}

void Renderer::adjustColour(std::array<Plane, 3>& planes) const {
    const ImageSettings& s = *m_prepared;
    // Factors in 1/128 units, scaled so that the high half of a 16-bit product applies them.
    const auto saturation = static_cast<std::int16_t>(s.saturation * 4);
    const auto contrast = static_cast<std::int16_t>(s.contrast * 4);
    const auto middle = static_cast<std::int16_t>(128 + s.brightness);
    const int offsets[3] = {s.blueOffset, 0, s.redOffset};
    auto& [blue, green, red] = planes;
    Plane luma;
    Plane level;
    for (std::size_t x = 0; x < Scene::Width; ++x) {
        luma[x] = static_cast<std::int16_t>((38 * red[x] + 75 * green[x] + 15 * blue[x]) >> 7);
        level[x] = static_cast<std::int16_t>(middle + highProduct(scaled(luma[x] - 128), contrast));
    }
    for (std::size_t c = 0; c < 3; ++c) {
        Plane& plane = planes[c];
        const int offset = offsets[c];
        for (std::size_t x = 0; x < Scene::Width; ++x) {
            const auto value = static_cast<std::int16_t>(
                level[x] + highProduct(scaled(plane[x] - luma[x]), saturation) + offset);
            plane[x] = std::clamp<std::int16_t>(value, 0, 255);
        }
    }
}

} // namespace vx3sim
