// The text of the true-geometry model's one error; the tank layer names the part instead.
#pragma once

namespace quorvel::exact_messages {

inline constexpr const char* kHeadNoSolid = "封头尺寸不成立";

}  // namespace quorvel::exact_messages
