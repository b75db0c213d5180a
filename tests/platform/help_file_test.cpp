#include "platform/help_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_folder.h"

namespace quorvel {
namespace {

using testsupport::TempFolder;
using testsupport::writeBytes;

TEST(HelpFile, BesideTheProgramFirstThenTheInstalledCopy) {
    struct Case {
        const char* name;
        bool beside;
        bool installed;
        const char* found;  // relative to the prefix
    };
    const Case cases[] = {
        {"portable build", true, false, "bin/help.chm"},
        {"both: the one beside wins", true, true, "bin/help.chm"},
        {"installed", false, true, "share/quorvel/help.chm"},
        {"none: the name beside, for the message", false, false, "bin/help.chm"},
    };
    for (const Case& c : cases) {
        TempFolder prefix;
        const std::filesystem::path root = prefix.file("");
        std::filesystem::create_directories(root / "bin");
        std::filesystem::create_directories(root / "share/quorvel");
        if (c.beside) {
            writeBytes((root / "bin/help.chm").string(), "ITSF");
        }
        if (c.installed) {
            writeBytes((root / "share/quorvel/help.chm").string(), "ITSF");
        }
        const std::string program = (root / "bin").string();
        EXPECT_EQ(helpFilePath(program), (root / c.found).lexically_normal().string()) << c.name;
    }
}

TEST(HelpFile, AFolderNamedLikeTheFileIsNotIt) {
    TempFolder prefix;
    const std::filesystem::path root = prefix.file("");
    std::filesystem::create_directories(root / "bin/help.chm");
    std::filesystem::create_directories(root / "share/quorvel");
    writeBytes((root / "share/quorvel/help.chm").string(), "ITSF");
    EXPECT_EQ(helpFilePath((root / "bin").string()),
              (root / "share/quorvel/help.chm").lexically_normal().string());
    EXPECT_STREQ(QUORVEL_INSTALLED_HELP_DIR, "../share/quorvel");
}

}  // namespace
}  // namespace quorvel
