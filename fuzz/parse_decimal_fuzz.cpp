// The decimal-text parsers against the C library's correctly rounded strtod: a text of the
// accepted shape gives strtod's double bit for bit (or nothing when it is beyond a double);
// any other text gives nothing.
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

#include "fuzz_check.h"
#include "text/number_text.h"

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// -?(digits with at most one point, at least one digit), then, where allowed,
// [eE][+-]?digits.
bool hasShape(const std::string& s, bool exponent) {
    std::size_t i = !s.empty() && s[0] == '-' ? 1 : 0;
    int digits = 0, points = 0;
    for (; i < s.size() && (isDigit(s[i]) || s[i] == '.'); ++i) {
        digits += isDigit(s[i]) ? 1 : 0;
        points += s[i] == '.' ? 1 : 0;
    }
    if (digits == 0 || points > 1) {
        return false;
    }
    if (i == s.size()) {
        return true;
    }
    if (!exponent || (s[i] != 'e' && s[i] != 'E')) {
        return false;
    }
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        ++i;
    }
    const std::size_t start = i;
    while (i < s.size() && isDigit(s[i])) {
        ++i;
    }
    return i > start && i == s.size();
}

void check(const std::string& text, bool exponent) {
    const std::optional<double> parsed =
        exponent ? quorvel::parseGeneralNumber(text) : quorvel::parseDecimal(text);
    if (!hasShape(text, exponent)) {
        FUZZ_CHECK(!parsed, text);
        return;
    }
    errno = 0;
    const double expected = std::strtod(text.c_str(), nullptr);
    const bool underflow = errno == ERANGE && std::isfinite(expected);
    if (!std::isfinite(expected)) {
        FUZZ_CHECK(!parsed, text);
        return;
    }
    if (underflow && exponent) {
        return;  // a general-form text below a double's range may be refused
    }
    FUZZ_CHECK(parsed.has_value(), text);
    FUZZ_CHECK(std::memcmp(&*parsed, &expected, sizeof expected) == 0, text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    if (text.find('\0') != std::string::npos) {
        return 0;  // strtod would stop there
    }
    check(text, false);
    check(text, true);
    return 0;
}
