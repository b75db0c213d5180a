#include "text/integer_text.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

TEST(IntegerText, ReadsWhatTheOldRuntimeRead) {
    struct Case {
        const char* text;
        std::optional<std::int32_t> value;
    } cases[] = {
        {"0", 0},
        {"1", 1},
        {"-0", 0},
        {"+7", 7},
        {"  12", 12},
        {"000000000001", 1},
        {"2147483647", 2147483647},
        {"-2147483648", INT32_MIN},
        {"$10", 16},
        {"0x1f", 31},
        {"0XFF", 255},
        {"$FFFFFFFF", -1},
        {"-$1", -1},
        {"$000000000A", 10},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"99999999999", std::nullopt},
        {"$100000000", std::nullopt},
        {"", std::nullopt},
        {" ", std::nullopt},
        {"+", std::nullopt},
        {"-", std::nullopt},
        {"$", std::nullopt},
        {"0x", std::nullopt},
        {"12 ", std::nullopt},
        {"1.0", std::nullopt},
        {"1e3", std::nullopt},
        {"3abc", std::nullopt},
        {"$G", std::nullopt},
        {"true", std::nullopt},
        {"--1", std::nullopt},
        {"１", std::nullopt},  // a full-width digit is not a digit
    };
    for (const Case& c : cases) {
        EXPECT_EQ(parseIntegerText(c.text), c.value) << '"' << c.text << '"';
    }
}

}  // namespace
}  // namespace quorvel
