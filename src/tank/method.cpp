#include "tank/method.h"

namespace quorvel {

std::optional<Method> methodFromName(std::string_view name) {
    if (name == "classic") {
        return Method::Classic;
    }
    if (name == "exact") {
        return Method::Exact;
    }
    return std::nullopt;
}

}  // namespace quorvel
