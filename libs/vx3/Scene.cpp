// The static microscope view: white target, warm lamp, stage micrometer, stained specimen.
#include "Scene.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>

namespace vx3sim {

namespace {

using Colour = std::array<float, 3>; // red, green, blue reflectance (1 = white)

// Halogen lamp at about 3200 K as the sensor sees it: strong red, weak blue. A neutral picture of
// the white target needs white-balance gains of 64/48 red and 64/140 blue, i.e. registers
// 0x02 = 0x30 and 0x01 = 0x8C.
constexpr Colour Lamp = {64.0f / 48.0f, 1.0f, 64.0f / 140.0f};
// Light of a perfect white at the centre, in sensor values at exposure 1 and gain 1.
constexpr float Illumination = 2474.0f;
constexpr float Vignetting = 0.40f; // light lost in the corners
constexpr float CornerRadius = 400.0f;

constexpr float SlideReflectance = 0.80f;
constexpr float TargetReflectance = 0.97f;
constexpr float TargetShadow = 0.35f;
constexpr int TargetLeft = 132, TargetTop = 92, TargetRight = 508, TargetBottom = 388;
constexpr int TargetBorder = 3;
static_assert(TargetLeft <= Scene::MeterLeft && TargetTop <= Scene::MeterTop &&
                  TargetRight >= Scene::MeterLeft + Scene::MeterWidth &&
                  TargetBottom >= Scene::MeterTop + Scene::MeterHeight,
              "the metering window must lie on the white target");

constexpr float ScaleInk = 0.10f;
constexpr int ScaleLeft = 70, ScaleTicks = 100, ScalePitch = 5;
constexpr int ScaleRuleTop = 432, ScaleRuleHeight = 3;
constexpr int ScaleBandTop = 392;

struct Stain {
    Colour body;
    Colour nucleus;
    float nucleusSize; // relative to the cell, 0 = no nucleus
};

// Eosin and haematoxylin, a blue counterstain, a yellow fibre stain and red blood cells.
constexpr Stain Stains[] = {
    {{0.92f, 0.52f, 0.70f}, {0.38f, 0.22f, 0.55f}, 0.45f},
    {{0.50f, 0.62f, 0.90f}, {0.20f, 0.25f, 0.55f}, 0.40f},
    {{0.82f, 0.85f, 0.40f}, {0.45f, 0.40f, 0.15f}, 0.35f},
    {{0.90f, 0.35f, 0.35f}, {0.90f, 0.35f, 0.35f}, 0.0f},
};
constexpr int CellCount = 90;

constexpr std::array<std::array<std::uint8_t, 3>, 8> BarColours = {{
    {255, 255, 255},
    {0, 255, 255},
    {255, 255, 0},
    {0, 255, 0}, // BGR: white, yellow, cyan, green
    {255, 0, 255},
    {0, 0, 255},
    {255, 0, 0},
    {0, 0, 0}, // magenta, red, blue, black
}};

class Canvas {
public:
    Canvas() : m_pixels(static_cast<std::size_t>(Scene::Width) * Scene::Height, Colour{}) {}
    Colour& at(int x, int y) { return m_pixels[static_cast<std::size_t>(y) * Scene::Width + x]; }
    bool inside(int x, int y) const {
        return x >= 0 && y >= 0 && x < Scene::Width && y < Scene::Height;
    }

private:
    std::vector<Colour> m_pixels;
};

float real(int value) {
    return static_cast<float>(value);
}

// Lamp light reaching the view at (x, y), less towards the corners.
float illumination(int x, int y) {
    const float dx = real(x) - Scene::Width / 2.0f + 0.5f,
                dy = real(y) - Scene::Height / 2.0f + 0.5f;
    const float r2 = (dx * dx + dy * dy) / (CornerRadius * CornerRadius);
    return Illumination * (1.0f - Vignetting * r2);
}

// What the sensor collects of channel k (red, green, blue) from a point of the given reflectance.
std::uint16_t collected(float reflectance, std::size_t k, float light) {
    return static_cast<std::uint16_t>(std::lround(reflectance * Lamp[k] * light));
}

// Deterministic pseudo-random numbers so the view is the same on every run and platform.
class Lcg {
public:
    float next() {
        m_state = m_state * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<float>(m_state >> 40) / static_cast<float>(1ULL << 24);
    }
    float between(float low, float high) { return low + (high - low) * next(); }

private:
    std::uint64_t m_state = 0x7610'7620ULL;
};

void paintSlide(Canvas& c) {
    for (int y = 0; y < Scene::Height; ++y) {
        for (int x = 0; x < Scene::Width; ++x) {
            // Faint unevenness of the mounting medium.
            const float fx = real(x), fy = real(y);
            const float wave =
                0.02f * std::sin(fx * 0.031f + fy * 0.017f) * std::cos(fy * 0.043f - fx * 0.011f);
            const float v = SlideReflectance + wave;
            c.at(x, y) = {v, v, v};
        }
    }
}

bool nearTargetOrScale(float x, float y, float margin) {
    const bool nearTarget = x > TargetLeft - margin && x < TargetRight + margin &&
                            y > TargetTop - margin && y < TargetBottom + margin;
    return nearTarget || y > ScaleBandTop - margin;
}

// Stained cells act like filters: they multiply the light that passes them.
void paintCell(Canvas& c, float cx, float cy, float rx, float ry, float angle, const Stain& stain) {
    const float cosA = std::cos(angle), sinA = std::sin(angle);
    const int reach = static_cast<int>(std::max(rx, ry)) + 2;
    for (int y = static_cast<int>(cy) - reach; y <= static_cast<int>(cy) + reach; ++y) {
        for (int x = static_cast<int>(cx) - reach; x <= static_cast<int>(cx) + reach; ++x) {
            if (!c.inside(x, y)) {
                continue;
            }
            const float dx = real(x) - cx, dy = real(y) - cy;
            const float u = (dx * cosA + dy * sinA) / rx, v = (-dx * sinA + dy * cosA) / ry;
            const float d = std::sqrt(u * u + v * v);
            const float body = std::clamp((1.0f - d) * rx / 1.5f, 0.0f, 1.0f);
            if (body <= 0.0f) {
                continue;
            }
            const float du = u + 0.15f, dv = v - 0.1f; // nucleus slightly off centre
            const float dn = std::sqrt(du * du + dv * dv);
            const float nucleus = stain.nucleusSize > 0.0f
                                      ? std::clamp((stain.nucleusSize - dn) * rx / 1.2f, 0.0f, 1.0f)
                                      : 0.0f;
            Colour& p = c.at(x, y);
            for (std::size_t k = 0; k < 3; ++k) {
                const float filter = (1.0f - nucleus) * stain.body[k] + nucleus * stain.nucleus[k];
                p[k] *= 1.0f - body + body * filter;
            }
        }
    }
}

void paintSpecimen(Canvas& c) {
    Lcg random;
    int placed = 0;
    while (placed < CellCount) {
        const float cx = random.between(0.0f, real(Scene::Width));
        const float cy = random.between(0.0f, real(Scene::Height));
        const float rx = random.between(9.0f, 20.0f);
        const float ry = rx * random.between(0.6f, 1.0f);
        const float angle = random.between(0.0f, 3.1416f);
        const auto stain = static_cast<std::size_t>(random.next() * std::size(Stains));
        if (nearTargetOrScale(cx, cy, rx)) {
            continue;
        }
        paintCell(c, cx, cy, rx, ry, angle, Stains[stain]);
        ++placed;
    }
}

void paintTarget(Canvas& c) {
    for (int y = TargetTop - TargetBorder; y < TargetBottom + TargetBorder; ++y) {
        for (int x = TargetLeft - TargetBorder; x < TargetRight + TargetBorder; ++x) {
            const bool inner =
                x >= TargetLeft && x < TargetRight && y >= TargetTop && y < TargetBottom;
            const float v = inner ? TargetReflectance : TargetShadow;
            c.at(x, y) = {v, v, v};
        }
    }
}

// Stage micrometer: a rule with a tick every 0.01 mm, longer ticks every 0.05 and 0.1 mm.
void paintScale(Canvas& c) {
    const auto ink = [&c](int x, int y) { c.at(x, y) = {ScaleInk, ScaleInk, ScaleInk}; };
    const int right = ScaleLeft + ScaleTicks * ScalePitch;
    for (int y = ScaleRuleTop; y < ScaleRuleTop + ScaleRuleHeight; ++y) {
        for (int x = ScaleLeft; x <= right; ++x) {
            ink(x, y);
        }
    }
    for (int k = 0; k <= ScaleTicks; ++k) {
        const int length = k % 10 == 0 ? 22 : (k % 5 == 0 ? 14 : 8);
        const int x = ScaleLeft + k * ScalePitch;
        for (int y = ScaleRuleTop - length; y < ScaleRuleTop; ++y) {
            ink(x, y);
        }
    }
}

} // namespace

const Scene& Scene::instance() {
    static const Scene scene;
    return scene;
}

SceneLight Scene::meteredLight() {
    static const SceneLight metered = [] {
        double sums[3] = {0.0, 0.0, 0.0};
        for (int y = MeterTop; y < MeterTop + MeterHeight; ++y) {
            for (int x = MeterLeft; x < MeterLeft + MeterWidth; ++x) {
                const float light = illumination(x, y);
                for (std::size_t k = 0; k < 3; ++k) {
                    sums[k] += collected(TargetReflectance, k, light);
                }
            }
        }
        const double count = static_cast<double>(MeterWidth) * MeterHeight * FullScale;
        return SceneLight{sums[0] / count, sums[1] / count, sums[2] / count};
    }();
    return metered;
}

Scene::Scene()
    : m_light(static_cast<std::size_t>(Width) * Height * 3),
      m_colourBars(static_cast<std::size_t>(Width) * Height * 3) {
    Canvas canvas;
    paintSlide(canvas);
    paintSpecimen(canvas);
    paintTarget(canvas);
    paintScale(canvas);

    for (int y = 0; y < Height; ++y) {
        const std::size_t row = static_cast<std::size_t>(Height - 1 - y) * Width * 3;
        for (int x = 0; x < Width; ++x) {
            const float light = illumination(x, y);
            const Colour& p = canvas.at(x, y);
            for (std::size_t k = 0; k < 3; ++k) { // k: red, green, blue
                m_light[row + x * 3 + (2 - k)] =
                    static_cast<std::uint16_t>(collected(p[k], k, light) + Headroom);
            }
            const auto& bar = BarColours[static_cast<std::size_t>(x * 8 / Width)];
            std::copy(bar.begin(), bar.end(),
                      m_colourBars.begin() + static_cast<std::ptrdiff_t>(row + x * 3));
        }
    }
}

} // namespace vx3sim
