#include "platform/data_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_folder.h"

namespace quorvel {
namespace {

using testsupport::TempFolder;
using testsupport::writeBytes;

// Tests run as root, so "cannot be written" is a path through a regular file (nothing can
// be created under it) or a folder of a read-only file system (/proc), not permission bits.
TEST(DataFolder, ProgramFolderWhenWritableElseTheUsersDataFolder) {
    struct Case {
        const char* name;
        const char* program;  // relative to the scratch folder, or absolute
        const char* data;
        const char* chosen;
        bool writable;
    };
    const Case cases[] = {
        {"portable: beside the executable", "bin", "home/.local/share/Quorvel", "bin", true},
        {"program folder through a file", "file/bin", "home/.local/share/Quorvel",
         "home/.local/share/Quorvel", true},
        {"read-only file system", "/proc", "data", "data", true},
        {"data folder given with a trailing separator", "file/bin", "data/", "data", true},
        {"existing data folder", "file/bin", "bin", "bin", true},
        {"no data folder known", "file/bin", "", "file/bin", false},
        {"neither can be written", "file/bin", "file/data", "file/bin", false},
    };
    for (const Case& c : cases) {
        TempFolder scratch;
        std::filesystem::create_directories(scratch.file("bin"));
        writeBytes(scratch.file("file"), "x");
        const auto at = [&](const char* p) {
            return *p == '/' || *p == '\0' ? std::string(p) : scratch.file(p);
        };
        const DataFolder chosen = chooseDataFolder(at(c.program), at(c.data));
        EXPECT_EQ(chosen.folder, at(c.chosen)) << c.name;
        EXPECT_EQ(chosen.writable, c.writable) << c.name;
        if (c.writable) {
            EXPECT_TRUE(std::filesystem::is_directory(chosen.folder)) << c.name;
            // The probe leaves nothing behind.
            EXPECT_TRUE(std::filesystem::is_empty(chosen.folder)) << c.name;
        }
    }
}

TEST(DataFolder, ProbeNeverTouchesAnExistingFile) {
    TempFolder scratch;
    writeBytes(scratch.file("Config.ini"), "[FrmMainPro]\r\n");
    EXPECT_TRUE(folderIsWritable(scratch.file("")));
    EXPECT_FALSE(folderIsWritable(scratch.file("Config.ini")));
    EXPECT_FALSE(folderIsWritable(scratch.file("missing")));
    EXPECT_FALSE(folderIsWritable(""));
    EXPECT_EQ(scratch.entries(), std::vector<std::string>{"Config.ini"});
    EXPECT_EQ(testsupport::readBytes(scratch.file("Config.ini")), "[FrmMainPro]\r\n");
}

}  // namespace
}  // namespace quorvel
