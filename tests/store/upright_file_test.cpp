// courses.txt: rows written byte for byte as golden/store/courses.txt, read back as written,
// and a damaged file refused naming its line.
#include "store/upright_file.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "support/temp_folder.h"

namespace quorvel {
namespace {

using testsupport::readBytes;
using testsupport::TempFolder;
using testsupport::writeBytes;

const std::string kGolden = std::string(QUORVEL_GOLDEN_DIR) + "/store/courses.txt";

UprightRows goldenRows() {
    return {{{"1500", "10000", "", "12"}, {"1500", "", "31400.5", "10"}, {"", "9980", "", ""}},
            {{"0", "500", "120"}, {"2000", "2100", "-30"}}};
}

TEST(UprightFile, WritesTheRowsByteForByteAndReadsThemBack) {
    TempFolder folder;
    const std::string path = folder.file(kUprightFileName);
    saveUprightRows(goldenRows(), path);
    EXPECT_EQ(readBytes(path), readBytes(kGolden));
    EXPECT_EQ(loadUprightRows(path), goldenRows());
    // LF alone ends a line too.
    writeBytes(path, "Quorvel courses 1\ncourse,1,2,,\n");
    EXPECT_EQ(loadUprightRows(path).courses, (std::vector<CourseRow>{{"1", "2", "", ""}}));
}

TEST(UprightFile, MissingIsEnoentAndADamagedLineIsNamed) {
    TempFolder folder;
    const std::string path = folder.file(kUprightFileName);
    try {
        loadUprightRows(path);
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_EQ(e.code(), ENOENT);
    }
    const struct {
        const char* bytes;
        int line;
        const char* text;
    } cases[] = {
        {"Quorvel courses 2\r\n", 1, "Quorvel courses 2"},
        {"Quorvel courses 1\r\ncourse,1,2,3\r\n", 2, "course,1,2,3"},
        {"Quorvel courses 1\r\ncourse,1,2,,\r\ndeadwood,1,2,3,4\r\n", 3, "deadwood,1,2,3,4"},
        {"Quorvel courses 1\r\nring,1,2,,\r\n", 2, "ring,1,2,,"},
        {"Quorvel courses 1\r\ncourse,1,\xb8\xdf,,\r\n", 2, "course,1,??,,"},
        {"Quorvel courses 1\r\n\r\n", 2, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes);
        writeBytes(path, c.bytes);
        try {
            loadUprightRows(path);
            FAIL() << "read";
        } catch (const UprightFileError& e) {
            EXPECT_EQ(e.line, c.line);
            EXPECT_EQ(e.text, c.text);
        }
    }
    std::string many = "Quorvel courses 1\r\n";
    for (std::size_t i = 0; i <= kMaxUprightRows; ++i) {
        many += "deadwood,0,1,1\r\n";
    }
    writeBytes(path, many);
    EXPECT_THROW(loadUprightRows(path), UprightFileError);
}

TEST(UprightFile, ACellItCannotStoreLeavesTheFileAsItWas) {
    TempFolder folder;
    const std::string path = folder.file(kUprightFileName);
    saveUprightRows(goldenRows(), path);
    UprightRows bad = goldenRows();
    bad.deadwood[1][2] = "1,5";
    EXPECT_THROW(saveUprightRows(bad, path), FileError);
    EXPECT_EQ(readBytes(path), readBytes(kGolden));
}

}  // namespace
}  // namespace quorvel
