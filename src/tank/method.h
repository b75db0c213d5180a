// How a tank's volume is computed: the closed-form routines the tables have always used, or
// the true geometry of the tank below the liquid's plane.
#pragma once

#include <optional>
#include <string_view>

namespace quorvel {

enum class Method { Classic, Exact };

// "classic" or "exact"; nullopt for any other text.
std::optional<Method> methodFromName(std::string_view name);

}  // namespace quorvel
