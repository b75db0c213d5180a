#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "platform/atomic_file.h"

namespace quorvel {
namespace {

namespace fs = std::filesystem;

std::string slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

class AtomicFileTest : public testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("quorvel-atomic-" + std::to_string(::getpid()) + "-" +
                testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    size_t filesInDir() const {
        return static_cast<size_t>(std::distance(fs::directory_iterator(dir_), {}));
    }

    fs::path dir_;
};

TEST_F(AtomicFileTest, WritesNewFileExactlyAndLeavesNoTemporary) {
    const fs::path target = dir_ / "bd.txt";
    const std::string bytes("3\r\n4\r\n\xd0\xf2\xba\xc5\r\n\0tail", 18);
    writeFileAtomically(target.string(), bytes);
    EXPECT_EQ(slurp(target), bytes);
    EXPECT_EQ(filesInDir(), 1u);
    // A new file gets ordinary permissions, not the private ones of a temporary file.
    struct stat st {};
    ASSERT_EQ(::stat(target.c_str(), &st), 0);
    EXPECT_NE(st.st_mode & 0044, 0u);
}

TEST_F(AtomicFileTest, ReplacesAnExistingFileAndKeepsItsPermissions) {
    const fs::path target = dir_ / "Config.ini";
    writeFileAtomically(target.string(), "old content that is longer");
    ::chmod(target.c_str(), 0640);
    writeFileAtomically(target.string(), "new");
    EXPECT_EQ(slurp(target), "new");
    struct stat st {};
    ASSERT_EQ(::stat(target.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(filesInDir(), 1u);
}

TEST_F(AtomicFileTest, AFolderThatCannotHoldTheFileFailsWithItsPath) {
    // A path that runs through a regular file: no user, root included, can create it.
    const fs::path blocker = dir_ / "plain-file";
    writeFileAtomically(blocker.string(), "x");
    const fs::path target = blocker / "~001.xlsx";
    try {
        writeFileAtomically(target.string(), "data");
        FAIL() << "no failure";
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find(target.string()), std::string::npos) << e.what();
    }
    EXPECT_EQ(slurp(blocker), "x");
}

TEST_F(AtomicFileTest, AFailedReplaceLeavesThePreviousFileAndNoTemporary) {
    // Renaming over a non-empty folder fails after the temporary has been written.
    const fs::path target = dir_ / "target";
    fs::create_directories(target / "inside");
    EXPECT_THROW(writeFileAtomically(target.string(), "data"), FileError);
    EXPECT_TRUE(fs::is_directory(target / "inside"));
    EXPECT_EQ(filesInDir(), 1u);
}

}  // namespace
}  // namespace quorvel
