// JPEG compression of a bottom-up BGR frame with libjpeg.
#pragma once

#include <cstdint>
#include <vector>

namespace vx3sim {

class JpegEncoder {
public:
    static constexpr int Quality = 90;

    // Empty on failure.
    static std::vector<std::uint8_t> encode(const std::uint8_t* bgrBottomUp, int width, int height);
};

} // namespace vx3sim
