#include "store/text_encoding.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

struct Pair {
    const char* utf8;
    const char* gbk;
};

// GBK codes of the texts the stored files hold.
const Pair kPairs[] = {
    {"", ""},
    {"Edit10=0", "Edit10=0"},
    {"序号", "\xD0\xF2\xBA\xC5"},
    {"高度 mm", "\xB8\xDF\xB6\xC8 mm"},
    {"容积 L", "\xC8\xDD\xBB\xFD L"},
    {"程序版本", "\xB3\xCC\xD0\xF2\xB0\xE6\xB1\xBE"},
    {"计算模块", "\xBC\xC6\xCB\xE3\xC4\xA3\xBF\xE9"},
    {"加上左封头容积", "\xBC\xD3\xC9\xCF\xD7\xF3\xB7\xE2\xCD\xB7\xC8\xDD\xBB\xFD"},
    {"g/cm^3，罐", "g/cm^3\xA3\xAC\xB9\xDE"},
};

TEST(TextEncoding, ConvertsBothWaysExactly) {
    for (const Pair& p : kPairs) {
        EXPECT_EQ(utf8ToGbk(p.utf8), p.gbk) << p.utf8;
        EXPECT_EQ(gbkToUtf8(p.gbk), p.utf8) << p.utf8;
    }
}

struct Fault {
    std::string input;
    bool toGbk;
    std::size_t offset;
    const char* message;
};

TEST(TextEncoding, FailsWhereTheTextCannotBeConverted) {
    const Fault faults[] = {
        {"A😀", true, 1, "the character U+1F600 \"😀\" at byte 1 has no GBK form"},
        {"罐한", true, 3, "the character U+D55C \"한\" at byte 3 has no GBK form"},
        // The converter drops a tag character without a word.
        {"T\U000E0041", true, 1, "the character U+E0041 \"\U000E0041\" at byte 1 has no GBK form"},
        {"ok\xFF", true, 2, "the bytes 0xFF at byte 2 are not UTF-8 text"},
        {"\xE7\xBD", true, 0, "the bytes 0xE7 at byte 0 are not UTF-8 text"},
        {"12\xB9", false, 2, "the bytes 0xB9 at byte 2 are not GBK text"},
        {"\xB9\xDE\x81\x20", false, 2, "the bytes 0x81 0x20 at byte 2 are not GBK text"},
        {"\xFF\xFF", false, 0, "the bytes 0xFF 0xFF at byte 0 are not GBK text"},
    };
    for (const Fault& f : faults) {
        try {
            f.toGbk ? utf8ToGbk(f.input) : gbkToUtf8(f.input);
            ADD_FAILURE() << "no error for " << f.message;
        } catch (const EncodingError& e) {
            EXPECT_STREQ(e.what(), f.message);
            EXPECT_EQ(e.offset(), f.offset) << f.message;
        }
    }
}

TEST(TextEncoding, LongTextsConvertWhole) {
    std::string utf8;
    std::string gbk;
    for (int i = 0; i < 5000; ++i) {
        utf8 += "容积 L";
        gbk += "\xC8\xDD\xBB\xFD L";
    }
    EXPECT_EQ(utf8ToGbk(utf8), gbk);
    EXPECT_EQ(gbkToUtf8(gbk), utf8);
}

}  // namespace
}  // namespace quorvel
