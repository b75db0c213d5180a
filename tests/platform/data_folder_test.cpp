#include "platform/data_folder.h"

#include <pwd.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
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
        {"installed under /usr: never there, even for root", "/usr/bin", "data", "data", true},
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
    // Left by a killed run that had this process's id.
    const std::string leftover = ".quorvel-probe-" + std::to_string(::getpid());
    writeBytes(scratch.file(leftover), "");
    EXPECT_TRUE(folderIsWritable(scratch.file("")));
    std::filesystem::remove(scratch.file(leftover));
    EXPECT_FALSE(folderIsWritable(scratch.file("Config.ini")));
    EXPECT_FALSE(folderIsWritable(scratch.file("missing")));
    EXPECT_FALSE(folderIsWritable(""));
    EXPECT_EQ(scratch.entries(), std::vector<std::string>{"Config.ini"});
    EXPECT_EQ(testsupport::readBytes(scratch.file("Config.ini")), "[FrmMainPro]\r\n");
}

// XDG Base Directory 0.8: "If $XDG_DATA_HOME is either not set or empty, a
// default equal to $HOME/.local/share should be used"; "All paths set in these environment
// variables must be absolute. If an implementation encounters a relative path in any of these
// variables it should consider the path invalid and ignore it."
TEST(DataFolder, UserDataFolderFollowsTheXdgRules) {
    struct Case {
        const char* xdg;  // nullptr: not set
        const char* home;
        std::string folder;
    };
    const Case cases[] = {
        {"/srv/data", "/home/op", "/srv/data/Quorvel"},
        {"/srv/data/", "/home/op", "/srv/data/Quorvel"},
        {"data", "/home/op", "/home/op/.local/share/Quorvel"},
        {"", "/home/op", "/home/op/.local/share/Quorvel"},
        {nullptr, "/home/op", "/home/op/.local/share/Quorvel"},
        {"/srv/\xFF\xFE", "/home/op", "/srv/\xFF\xFE/Quorvel"},  // bytes stay bytes
        {nullptr, "home", std::string(::getpwuid(::geteuid())->pw_dir) + "/.local/share/Quorvel"},
    };
    const std::string savedXdg = std::getenv("XDG_DATA_HOME") ? std::getenv("XDG_DATA_HOME") : "";
    const std::string savedHome = std::getenv("HOME") ? std::getenv("HOME") : "";
    for (const Case& c : cases) {
        if (c.xdg)
            ::setenv("XDG_DATA_HOME", c.xdg, 1);
        else
            ::unsetenv("XDG_DATA_HOME");
        ::setenv("HOME", c.home, 1);
        EXPECT_EQ(userDataFolder("Quorvel"), c.folder) << (c.xdg ? c.xdg : "(unset)");
    }
    ::setenv("HOME", savedHome.c_str(), 1);
    if (savedXdg.empty())
        ::unsetenv("XDG_DATA_HOME");
    else
        ::setenv("XDG_DATA_HOME", savedXdg.c_str(), 1);
}

}  // namespace
}  // namespace quorvel
