// The settings and grid files against what a user's machine does to them over months: a
// damaged byte, a settings folder kept elsewhere behind a link, saves killed half-way.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "form/memory_form.h"
#include "store/grid_file.h"
#include "store/settings_file.h"
#include "support/temp_folder.h"

namespace quorvel {
namespace {

namespace fs = std::filesystem;
using testsupport::TempFolder;

const std::string kExamples = std::string(QUORVEL_EXAMPLES_DIR) + "/";

// The example with one 0x00 byte put in before `marker`.
std::string withNulBefore(const std::string& marker) {
    std::string bytes = testsupport::readBytes(kExamples + "Config.ini");
    const std::size_t at = bytes.find(marker);
    EXPECT_NE(at, std::string::npos) << marker;
    return bytes.insert(at, 1, '\0');
}

TEST(StoredFiles, ANulByteInTheSettingsLosesNoSetting) {
    const std::string example = testsupport::readBytes(kExamples + "Config.ini");
    // Where a disk hiccup put it: before a line, inside a key, inside a value, at the start.
    for (const char* marker : {"Edit6=0", "dit1=2600", "00\r\nEdit2=", "[FrmMainPro]", "Edit42="}) {
        SCOPED_TRACE(marker);
        TempFolder folder;
        const std::string path = folder.file("Config.ini");
        testsupport::writeBytes(path, withNulBefore(marker));
        MemoryForm form = MemoryForm::designed();
        LoadSettings(form, path);
        EXPECT_EQ(form.text("Edit1"), "2600");
        EXPECT_EQ(form.text("Edit2"), "8000");
        SaveSettings(form, path);
        EXPECT_EQ(testsupport::readBytes(path), example);
    }
}

// Writes the example's content of one stored file to `path`.
struct StoredFile {
    const char* name;
    std::function<void(const std::string& path)> save;
};

MemoryForm exampleForm() {
    MemoryForm form = MemoryForm::designed();
    LoadSettings(form, kExamples + "Config.ini");
    LoadStringGrid(form.grid(), kExamples + "bd.txt");
    return form;
}

TEST(StoredFiles, ASaveThroughALinkUpdatesItsTargetAndClearsStaleTemporaries) {
    const MemoryForm form = exampleForm();
    const StoredFile files[] = {
        {"Config.ini", [&](const std::string& path) { SaveSettings(form, path); }},
        {"bd.txt", [&](const std::string& path) { SaveStringGrid(form.grid(), path); }},
    };
    for (const StoredFile& file : files) {
        SCOPED_TRACE(file.name);
        TempFolder folder;
        // The program folder links to a settings folder kept elsewhere.
        const fs::path program = folder.file("program");
        const fs::path kept = folder.file("kept");
        fs::create_directories(program);
        fs::create_directories(kept);
        const fs::path target = kept / file.name;
        testsupport::writeBytes(target.string(), "old");
        const fs::path linkText = fs::path("../kept") / file.name;
        fs::create_symlink(linkText, program / file.name);
        // Temporaries of two killed saves, hours ago, and one of a save still running.
        const std::string prefix = std::string(".") + file.name + ".tmp-";
        const auto now = fs::file_time_type::clock::now();
        for (const char* random : {"k1lled", "Q7xYz0"}) {
            testsupport::writeBytes((kept / (prefix + random)).string(), std::string(4096, 'x'));
            fs::last_write_time(kept / (prefix + random), now - std::chrono::hours(3));
        }
        testsupport::writeBytes((kept / (prefix + "runnin")).string(), "x");
        const int held = ::open((kept / (prefix + "runnin")).c_str(), O_RDONLY | O_CLOEXEC);
        ASSERT_EQ(::flock(held, LOCK_EX), 0);

        file.save((program / file.name).string());
        ::close(held);

        EXPECT_TRUE(fs::is_symlink(program / file.name));
        EXPECT_EQ(fs::read_symlink(program / file.name), linkText);
        EXPECT_EQ(testsupport::readBytes(target.string()),
                  testsupport::readBytes(kExamples + file.name));
        std::vector<std::string> left;
        for (const auto& e : fs::directory_iterator(kept))
            left.push_back(e.path().filename().string());
        std::sort(left.begin(), left.end());
        EXPECT_EQ(left, (std::vector<std::string>{prefix + "runnin", file.name}));
        EXPECT_EQ(std::distance(fs::directory_iterator(program), {}), 1);
    }
}

}  // namespace
}  // namespace quorvel
