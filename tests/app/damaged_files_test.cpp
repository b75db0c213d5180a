// Starts and closes over damaged stored files, from the case table
// golden/damaged_files/cases.json: what the start shows and loads, what the close asks, and
// that a file is written over only as the table says — every other byte stays.
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <map>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "app/memory_window.h"
#include "app/window_operations.h"
#include "support/recording_ui.h"
#include "support/temp_folder.h"

namespace quorvel::app {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;
using testsupport::readBytes;

const std::string kCases = std::string(QUORVEL_GOLDEN_DIR) + "/damaged_files/";

// The bytes a file source names: examples:NAME or golden:NAME.
std::string sample(const std::string& source) {
    const std::size_t colon = source.find(':');
    const std::string folder =
        source.substr(0, colon) == "examples" ? std::string(QUORVEL_EXAMPLES_DIR) + "/" : kCases;
    return readBytes(folder + source.substr(colon + 1));
}

void make(const std::string& path, const std::string& source) {
    if (source == "fifo") {
        ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0);
    } else if (source == "folder") {
        fs::create_directory(path);
    } else if (source.starts_with("link:")) {
        fs::create_symlink(source.substr(5), path);
    } else if (source.starts_with("size:")) {
        const std::string head = "[FrmMainPro]\r\nEdit1=";
        testsupport::writeBytes(
            path, head + std::string(std::stoul(source.substr(5)) - head.size(), '1'));
    } else if (source != "missing") {
        testsupport::writeBytes(path, sample(source));
    }
}

// What a name is now: its bytes, or what kind of thing it is.
std::string stateOf(const std::string& path) {
    const fs::file_status s = fs::symlink_status(path);
    switch (s.type()) {
        case fs::file_type::not_found:
            return "(missing)";
        case fs::file_type::symlink:
            return "(link to " + fs::read_symlink(path).string() + ")";
        case fs::file_type::fifo:
            return "(fifo)";
        case fs::file_type::directory:
            return "(folder)";
        default:
            return readBytes(path);
    }
}

std::string withFolder(std::string text, const std::string& dir) {
    for (std::size_t at; (at = text.find("{dir}")) != std::string::npos;) {
        text.replace(at, 5, dir);
    }
    return text;
}

std::vector<std::string> boxTexts(const testsupport::RecordingUi& ui, std::size_t from) {
    std::vector<std::string> texts;
    for (std::size_t i = from; i < ui.shown.size(); ++i) {
        texts.push_back(ui.shown[i].text);
    }
    return texts;
}

std::vector<std::string> expectedTexts(const json& c, const char* key, const std::string& dir) {
    std::vector<std::string> texts;
    for (const auto& t : c.value(key, json::array())) {
        texts.push_back(withFolder(t.get<std::string>(), dir));
    }
    return texts;
}

TEST(DamagedFiles, StartSaysWhatItCouldNotReadAndCloseKeepsEveryByteItWasNotAllowedToWrite) {
    std::ifstream in(kCases + "cases.json");
    const json table = json::parse(in);
    for (const json& c : table.at("cases")) {
        const std::string name = c.at("name");
        SCOPED_TRACE(name);
        testsupport::TempFolder folder;
        const std::string dir = folder.path().string();
        std::map<std::string, std::string> before;
        for (const auto& [file, source] : c.at("files").items()) {
            make(folder.file(file), source.get<std::string>());
            before[file] = stateOf(folder.file(file));
        }

        MemoryWindow w;
        testsupport::RecordingUi ui;
        for (const auto& a : c.value("answers", json::array())) {
            ui.answers.push_back(a == "Yes" ? MessageAnswer::Yes : MessageAnswer::No);
        }
        WindowOperations ops(w, ui, ProgramFiles{dir, ""});
        ops.start();
        EXPECT_EQ(boxTexts(ui, 0), expectedTexts(c, "start", dir));
        const json fields = c.value("fields", json::object());
        const json cells = c.value("cells", json::object());
        for (const auto& [control, value] : fields.items()) {
            const std::string v = value;
            if (control.starts_with("Edit") || control.starts_with("ComboBox")) {
                EXPECT_EQ(w.text(control), v) << control;
            } else {
                EXPECT_EQ(w.checked(control), v == "1") << control;
            }
        }
        if (c.contains("rows")) {
            EXPECT_EQ(w.grid().rowCount(), c.at("rows").get<int>());
        }
        for (const auto& [at, text] : cells.items()) {
            const int col = std::stoi(at), row = std::stoi(at.substr(at.find(',') + 1));
            EXPECT_EQ(w.grid().cell(col, row), text.get<std::string>()) << at;
        }

        const std::size_t shownAtStart = ui.shown.size();
        ops.close();
        EXPECT_EQ(boxTexts(ui, shownAtStart), expectedTexts(c, "close", dir));
        EXPECT_TRUE(ui.answers.empty()) << "a question was not asked";
        for (const auto& [file, source] : c.at("after").items()) {
            const std::string s = source, now = stateOf(folder.file(file));
            if (s == "unchanged") {
                EXPECT_TRUE(now == before.at(file)) << file << " changed";
            } else if (s == "changed") {
                EXPECT_FALSE(now == before.at(file)) << file << " was not written";
            } else if (s == "missing") {
                EXPECT_EQ(now, "(missing)") << file;
            } else {
                const std::string expected =
                    s.starts_with("before:") ? before.at(s.substr(7)) : sample(s);
                EXPECT_TRUE(now == expected) << file << " is not " << s;
            }
        }
    }
}

}  // namespace
}  // namespace quorvel::app
