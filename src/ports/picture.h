// A picture of the window, as the snapshot saves it and the clipboard takes it.
#pragma once

#include <cstdint>
#include <vector>

namespace quorvel {

// 32-bit 0xAARRGGBB pixels, rows from the top.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;  // width × height

    bool operator==(const Picture&) const = default;
};

}  // namespace quorvel
