#include "output/bitmap_file.h"

#include <cstdint>
#include <limits>
#include <stdexcept>

namespace quorvel {
namespace {

void put16(std::string& out, std::uint32_t v) {
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>((v >> 8) & 0xFF));
}

void put32(std::string& out, std::uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

constexpr std::uint32_t kHeaderSize = 14 + 40;
constexpr std::uint32_t kPixelsPerMetre = 3780;  // 96 pixels per inch

}  // namespace

std::string encodeBitmap(const Picture& picture) {
    if (picture.width < 0 || picture.height < 0 ||
        picture.pixels.size() !=
            static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height)) {
        throw std::invalid_argument("picture size does not match its pixels");
    }
    const std::uint64_t stride = (static_cast<std::uint64_t>(picture.width) * 3 + 3) / 4 * 4;
    const std::uint64_t imageSize = stride * static_cast<std::uint64_t>(picture.height);
    if (imageSize + kHeaderSize > std::numeric_limits<std::uint32_t>::max()) {
        throw std::invalid_argument("picture too large for a bitmap file");
    }
    const auto fileSize = static_cast<std::uint32_t>(imageSize + kHeaderSize);

    std::string out;
    out.reserve(fileSize);
    out += "BM";
    put32(out, fileSize);
    put32(out, 0);  // reserved
    put32(out, kHeaderSize);
    put32(out, 40);
    put32(out, static_cast<std::uint32_t>(picture.width));
    put32(out, static_cast<std::uint32_t>(picture.height));  // positive: rows bottom up
    put16(out, 1);                                           // planes
    put16(out, 24);                                          // bits per pixel
    put32(out, 0);                                           // BI_RGB, uncompressed
    put32(out, static_cast<std::uint32_t>(imageSize));
    put32(out, kPixelsPerMetre);
    put32(out, kPixelsPerMetre);
    put32(out, 0);  // colours used
    put32(out, 0);  // important colours

    const std::size_t padding = stride - static_cast<std::uint64_t>(picture.width) * 3;
    for (int y = picture.height - 1; y >= 0; --y) {
        const std::uint32_t* row =
            picture.pixels.data() +
            static_cast<std::size_t>(y) * static_cast<std::size_t>(picture.width);
        for (int x = 0; x < picture.width; ++x) {
            const std::uint32_t p = row[x];
            out.push_back(static_cast<char>(p & 0xFF));          // blue
            out.push_back(static_cast<char>((p >> 8) & 0xFF));   // green
            out.push_back(static_cast<char>((p >> 16) & 0xFF));  // red
        }
        out.append(padding, '\0');
    }
    return out;
}

}  // namespace quorvel
