// Integers as the settings and grid files have always stored them, read the way the earlier
// platform's runtime read them (so files it wrote load unchanged): optional leading blanks,
// an optional sign, then either decimal digits or a hexadecimal number marked "$", "0x" or
// "0X"; nothing may follow. A decimal value must fit 32 bits signed; a hexadecimal one is a
// 32-bit pattern of at most 8 digits ("$FFFFFFFF" is −1).
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace quorvel {

std::optional<std::int32_t> parseIntegerText(std::string_view text);

}  // namespace quorvel
