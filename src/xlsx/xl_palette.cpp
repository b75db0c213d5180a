#include "xlsx/xl_palette.h"

#include <array>

namespace quorvel {
namespace {

// Entries 0 to 7 repeat the first eight colours of entries 8 to 15.
constexpr std::array<std::uint32_t, 56> kPalette = {
    0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0xFF00FF, 0x00FFFF,  //  8-15
    0x800000, 0x008000, 0x000080, 0x808000, 0x800080, 0x008080, 0xC0C0C0, 0x808080,  // 16-23
    0x9999FF, 0x993366, 0xFFFFCC, 0xCCFFFF, 0x660066, 0xFF8080, 0x0066CC, 0xCCCCFF,  // 24-31
    0x000080, 0xFF00FF, 0xFFFF00, 0x00FFFF, 0x800080, 0x800000, 0x008080, 0x0000FF,  // 32-39
    0x00CCFF, 0xCCFFFF, 0xCCFFCC, 0xFFFF99, 0x99CCFF, 0xFF99CC, 0xCC99FF, 0xFFCC99,  // 40-47
    0x3366FF, 0x33CCCC, 0x99CC00, 0xFFCC00, 0xFF9900, 0xFF6600, 0x666699, 0x969696,  // 48-55
    0x003366, 0x339966, 0x003300, 0x333300, 0x993300, 0x993366, 0x333399, 0x333333,  // 56-63
};

}  // namespace

std::optional<std::uint32_t> paletteColor(int index) {
    if (index < 0 || index > 63) {
        return std::nullopt;
    }
    return kPalette[static_cast<std::size_t>(index < 8 ? index : index - 8)];
}

bool isBuiltInNumFormat(int id) {
    return (id >= 0 && id <= 22) || (id >= 37 && id <= 40) || (id >= 45 && id <= 49);
}

}  // namespace quorvel
