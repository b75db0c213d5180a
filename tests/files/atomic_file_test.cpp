#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <vector>

#include <gtest/gtest.h>

#include "files/atomic_file.h"
#include "files/stale_temporaries.h"

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

struct LinkCase {
    const char* name;
    // Makes, inside the test folder, the name to save through and the file it leads to.
    std::function<void(const fs::path& dir)> make;
    const char* saved;   // the name handed to the save
    const char* target;  // the file that must receive the content
};

TEST_F(AtomicFileTest, SavingThroughALinkReplacesItsFinalTargetAndKeepsTheLink) {
    const LinkCase cases[] = {
        {"absolute link",
         [](const fs::path& d) {
             fs::create_directory(d / "kept");
             std::ofstream(d / "kept/Config.ini") << "old";
             fs::create_symlink(d / "kept/Config.ini", d / "Config.ini");
         },
         "Config.ini", "kept/Config.ini"},
        {"relative link, read from the link's folder",
         [](const fs::path& d) {
             fs::create_directories(d / "app");
             fs::create_directories(d / "shared");
             std::ofstream(d / "shared/bd.txt") << "old";
             fs::create_symlink("../shared/bd.txt", d / "app/bd.txt");
         },
         "app/bd.txt", "shared/bd.txt"},
        {"chain of a relative and an absolute link",
         [](const fs::path& d) {
             fs::create_directories(d / "b");
             std::ofstream(d / "b/real.xlsx") << "old";
             fs::create_symlink(d / "b/real.xlsx", d / "b/second");
             fs::create_symlink("b/second", d / "~001.xlsx");
         },
         "~001.xlsx", "b/real.xlsx"},
        {"dangling link: its target is created",
         [](const fs::path& d) {
             fs::create_directories(d / "elsewhere");
             fs::create_symlink("elsewhere/new.ini", d / "Config.ini");
         },
         "Config.ini", "elsewhere/new.ini"},
    };
    for (const LinkCase& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path dir = dir_ / "case";
        fs::remove_all(dir);
        fs::create_directories(dir);
        c.make(dir);
        const bool existed = fs::exists(dir / c.target);
        if (existed)
            fs::permissions(dir / c.target, fs::perms(0640));
        std::vector<fs::path> links;
        for (fs::path p = dir / c.saved; fs::is_symlink(p);) {
            links.push_back(p);
            fs::path next = fs::read_symlink(p);
            p = next.is_absolute() ? next : p.parent_path() / next;
        }
        std::vector<fs::path> linkTexts;
        for (const fs::path& l : links)
            linkTexts.push_back(fs::read_symlink(l));

        writeFileAtomically((dir / c.saved).string(), "new");

        EXPECT_EQ(slurp(dir / c.target), "new");
        EXPECT_FALSE(fs::is_symlink(dir / c.target));
        for (std::size_t i = 0; i < links.size(); ++i) {
            EXPECT_TRUE(fs::is_symlink(links[i])) << links[i];
            EXPECT_EQ(fs::read_symlink(links[i]), linkTexts[i]) << links[i];
        }
        if (existed) {
            EXPECT_EQ(fs::status(dir / c.target).permissions(), fs::perms(0640));
        }
        for (const auto& e : fs::recursive_directory_iterator(dir)) {
            EXPECT_EQ(e.path().filename().string().find(".tmp-"), std::string::npos) << e.path();
        }
    }
}

TEST_F(AtomicFileTest, ALoopOfLinksFailsAndChangesNothing) {
    fs::create_symlink("b", dir_ / "a");
    fs::create_symlink("a", dir_ / "b");
    const std::string path = (dir_ / "a").string();
    try {
        writeFileAtomically(path, "data");
        FAIL() << "no failure";
    } catch (const FileError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "cannot replace " + path + ": Too many levels of symbolic links");
    }
    EXPECT_EQ(fs::read_symlink(dir_ / "a"), "b");
    EXPECT_EQ(fs::read_symlink(dir_ / "b"), "a");
    EXPECT_EQ(filesInDir(), 2u);
}

// Makes the file `path` with a last change `age` ago.
void makeAged(const fs::path& path, std::chrono::minutes age) {
    std::ofstream(path) << "left by a killed save";
    fs::last_write_time(path, fs::file_time_type::clock::now() - age);
}

TEST_F(AtomicFileTest, ASaveRemovesOnlyStaleTemporariesOfItsOwnFile) {
    using std::chrono::minutes;
    struct Entry {
        const char* name;
        minutes age;
        bool removed;
    } entries[] = {
        {".bd.txt.tmp-aZ09xY", minutes(61), true},
        {".bd.txt.tmp-QQQQQQ", minutes(60 * 24 * 30), true},
        {".bd.txt.tmp-young1", minutes(0), true},      // its save is gone: no lock held
        {".bd.txt.tmp-abcde", minutes(120), false},    // five random characters
        {".bd.txt.tmp-abcdefg", minutes(120), false},  // seven
        {".bd.txt.tmp-abc-ef", minutes(120), false},   // not a letter or digit
        {"bd.txt.tmp-abcdef", minutes(120), false},    // not hidden
        {".bd.txt.tmp-abcdef.bak", minutes(120), false},
        {".Config.ini.tmp-abcdef", minutes(120), false},  // another file's
        {"..bd.txt.tmp-abcdef", minutes(120), false},
        {".bd.txt~", minutes(120), false},
    };
    for (const Entry& e : entries)
        makeAged(dir_ / e.name, e.age);
    // A folder and a link of the right name, and a temporary a running save holds locked.
    fs::create_directory(dir_ / ".bd.txt.tmp-folder");
    fs::last_write_time(dir_ / ".bd.txt.tmp-folder",
                        fs::file_time_type::clock::now() - minutes(120));
    makeAged(dir_ / "linked", minutes(120));
    fs::create_symlink("linked", dir_ / ".bd.txt.tmp-link00");
    makeAged(dir_ / ".bd.txt.tmp-locked", minutes(120));
    const int held = ::open((dir_ / ".bd.txt.tmp-locked").c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(held, 0);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);

    writeFileAtomically((dir_ / "bd.txt").string(), "new");
    ::close(held);

    for (const Entry& e : entries)
        EXPECT_EQ(fs::exists(fs::symlink_status(dir_ / e.name)), !e.removed) << e.name;
    EXPECT_TRUE(fs::is_directory(dir_ / ".bd.txt.tmp-folder"));
    EXPECT_TRUE(fs::is_symlink(dir_ / ".bd.txt.tmp-link00"));
    EXPECT_TRUE(fs::exists(dir_ / "linked"));
    EXPECT_TRUE(fs::exists(dir_ / ".bd.txt.tmp-locked"));
    EXPECT_EQ(slurp(dir_ / "bd.txt"), "new");
}

TEST_F(AtomicFileTest, ARunningSaveHoldsItsTemporaryAgainstCleanUp) {
    const fs::path target = dir_ / "~001.xlsx";
    replaceFileAtomically(target.string(), [&](const std::string& temp) {
        EXPECT_TRUE(isTemporaryNameOf(fs::path(temp).filename().string(), "~001.xlsx")) << temp;
        EXPECT_EQ(fs::path(temp).parent_path(), dir_);
        // Even when it is old, as after building a huge table.
        fs::last_write_time(temp, fs::file_time_type::clock::now() - std::chrono::hours(5));
        EXPECT_EQ(removeStaleTemporaries(target.string()), 0u);
        EXPECT_TRUE(fs::exists(temp));
        std::ofstream(temp) << "book";
    });
    EXPECT_EQ(slurp(target), "book");
    EXPECT_EQ(filesInDir(), 1u);
}

}  // namespace
}  // namespace quorvel
