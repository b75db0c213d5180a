// The standard 64-colour spreadsheet palette and the built-in number formats, by index.
#pragma once

#include <cstdint>
#include <optional>

namespace quorvel {

// The RGB value (0xRRGGBB) of palette entry `index` (0 to 63), or nullopt for any other index.
std::optional<std::uint32_t> paletteColor(int index);

// Whether `id` is one of the number formats every spreadsheet program has built in.
bool isBuiltInNumFormat(int id);

}  // namespace quorvel
