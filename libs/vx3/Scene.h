// The static microscope view: white target, warm lamp, stage micrometer, stained specimen.
#pragma once

#include <cstdint>
#include <vector>

namespace vx3sim {

// Mean light of the metering window (the centre quarter) at exposure 1 and gain 1, as fractions
// of the sensor's full scale.
struct SceneLight {
    double red = 0.0;
    double green = 0.0;
    double blue = 0.0;
};

class Scene {
public:
    static constexpr int Width = 640;
    static constexpr int Height = 480;
    // Light values: FullScale is the sensor's saturation at exposure 1 and gain 1.
    static constexpr int FullScale = 4096;
    // Every stored value carries this offset so that noise can be added without going negative.
    static constexpr int Headroom = 512;
    static constexpr int MeterLeft = 160;
    static constexpr int MeterTop = 120;
    static constexpr int MeterWidth = 320;
    static constexpr int MeterHeight = 240;

    // Built once, on first use (the first frame): the sensor's loops need only meteredLight().
    static const Scene& instance();
    // The metering window lies on the white target, so its light is known without the picture.
    static SceneLight meteredLight();

    // Bottom-up rows, blue-green-red per pixel, each value light + Headroom.
    const std::uint16_t* light() const { return m_light.data(); }
    // The colour bar test pattern as the sensor outputs it: bottom-up BGR bytes.
    const std::uint8_t* colourBars() const { return m_colourBars.data(); }

private:
    Scene();

    std::vector<std::uint16_t> m_light;
    std::vector<std::uint8_t> m_colourBars;
};

} // namespace vx3sim
