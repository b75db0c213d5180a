// formatLevel over every double: the text is the 15-digit general form the C printer gives,
// and read back exactly it lies within half a unit of its 15th significant digit.
#include <cmath>
#include <cstdio>
#include <cstring>
#include <stdexcept>

#include "exact_value.h"
#include "fuzz_check.h"
#include "text/number_format.h"

namespace {

// The significant digits of a general-form text (no leading zeros, exponent left out).
int significantDigits(const std::string& t) {
    int count = 0;
    bool leading = true;
    for (char c : t) {
        if (c == 'e') {
            break;
        }
        if (c >= '1' && c <= '9') {
            leading = false;
        }
        if (c >= '0' && c <= '9' && !leading) {
            ++count;
        }
    }
    return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quorvel::fuzz;
    if (size < 8) {
        return 0;
    }
    double level = 0;
    std::memcpy(&level, data, 8);
    if (!std::isfinite(level)) {
        bool thrown = false;
        try {
            (void)quorvel::formatLevel(level);
        } catch (const std::range_error&) {
            thrown = true;
        }
        FUZZ_CHECK(thrown, "a level that is not finite was written");
        return 0;
    }
    const std::string text = quorvel::formatLevel(level);

    char printed[64];
    std::snprintf(printed, sizeof printed, "%.15g", level);
    FUZZ_CHECK(text == (std::strcmp(printed, "-0") == 0 ? "0" : printed), text + " / " + printed);

    const std::optional<cpp_rational> read = exactDecimal(text);
    FUZZ_CHECK(read.has_value(), text);
    if (level == 0) {
        FUZZ_CHECK(text == "0", text);
        return 0;
    }
    FUZZ_CHECK(significantDigits(text) <= 15, text);
    const cpp_rational exact = exactValue(level);
    // The decade of the level: 10^e ≤ |level| < 10^(e+1), found exactly.
    int e = static_cast<int>(std::floor(std::log10(std::fabs(level))));
    while (powerOf(10, e) > magnitude(exact)) {
        --e;
    }
    while (powerOf(10, e + 1) <= magnitude(exact)) {
        ++e;
    }
    FUZZ_CHECK(magnitude(*read - exact) <= powerOf(10, e - 14) / 2, text);
    return 0;
}
