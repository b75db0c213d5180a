#include "form/input_filter.h"

namespace quorvel {

bool filterAccepts(FilterKind kind, char32_t c) {
    if (kind == FilterKind::OneLine) {
        return c != U'\r' && c != U'\n' && c != 0;
    }
    return (c >= U'0' && c <= U'9') || (kind != FilterKind::Digits && c == U'.') ||
           (kind == FilterKind::SignedDecimal && c == U'-');
}

std::string filtered(FilterKind kind, std::string_view text) {
    // Every byte of a multi-byte UTF-8 character is 0x80 or above: the number filters take
    // none, a text field all.
    std::string kept;
    for (char c : text) {
        if (filterAccepts(kind, static_cast<unsigned char>(c))) {
            kept += c;
        }
    }
    return kept;
}

}  // namespace quorvel
