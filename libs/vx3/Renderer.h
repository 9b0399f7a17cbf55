// Turns the static scene into one frame: exposure, gains, white balance, gamma, colour, noise.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "Scene.h"
#include "SensorModel.h"

namespace vx3sim {

// Per-frame work is table look-ups and integer arithmetic; the tables are rebuilt only when the
// settings they depend on change.
class Renderer {
public:
    Renderer();

    // Writes one 640 x 480 bottom-up BGR frame. The same frame number always gives the same noise.
    void render(const ImageSettings& settings, std::uint64_t frame, std::uint8_t* bgr);
    // The scene and the noise samples, made once on first use rather than when the library loads.
    void makeScene();

private:
    static constexpr int LevelCount = Scene::FullScale + 2 * Scene::Headroom;

    void prepare(const ImageSettings& settings);
    void renderColour(std::uint64_t frame, std::uint8_t* bgr) const;

    std::vector<float> m_unitNoise;    // standard normal samples
    std::vector<std::int16_t> m_noise; // the samples in scene light units at this exposure
    // The scene's light, each value offset to its channel's part of m_output.
    std::vector<std::uint16_t> m_light;
    // Light + noise -> output level: blue, green and red tables one after the other.
    std::vector<std::uint8_t> m_output;
    // Saturation, contrast, brightness and colour bias leave the channels as they are.
    bool m_plain = true;
    std::optional<ImageSettings> m_prepared;
};

} // namespace vx3sim
