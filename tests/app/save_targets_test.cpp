// Every save — Config.ini and bd.txt at close, the workbook, the snapshot — onto every kind of
// target in golden/save_targets.json: a regular file (or a link to one) is replaced; anything
// else is refused in a box naming the file and why, and nothing there changes.
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <filesystem>
#include <fstream>
#include <iostream>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "app/memory_window.h"
#include "app/table_job.h"
#include "app/window_operations.h"
#include "support/forms.h"
#include "support/recording_ui.h"
#include "support/temp_folder.h"

namespace quorvel::app {
namespace {

namespace fs = std::filesystem;

// Makes what `what` names at `path`; false when this system does not let the test make it.
bool make(const std::string& path, const std::string& what) {
    if (what.starts_with("link-to:")) {
        const std::string real = path + ".real";
        fs::create_symlink(fs::path(real).filename(), path);
        return make(real, what.substr(8));
    }
    if (what == "fifo")
        return ::mkfifo(path.c_str(), 0644) == 0;
    if (what == "device")  // a null device of its own, never the system's
        return ::mknod(path.c_str(), S_IFCHR | 0666, ::makedev(1, 3)) == 0;
    if (what == "folder")
        return fs::create_directory(path);
    if (what != "missing") {
        testsupport::writeBytes(path, "old");
        if (what.starts_with("mode:"))
            return ::chmod(path.c_str(), std::stoul(what.substr(5), nullptr, 8)) == 0;
    }
    return true;
}

// Everything the folder holds: names, kinds, modes and bytes of regular files.
std::string folderState(const testsupport::TempFolder& folder) {
    std::string state;
    for (const std::string& name : folder.entries()) {
        const std::string path = folder.file(name);
        struct stat st {};
        ::lstat(path.c_str(), &st);
        state += name + " " + std::to_string(st.st_mode) + " " +
                 (S_ISREG(st.st_mode) ? testsupport::readBytes(path) : "") + "\n";
    }
    return state;
}

// Runs one save route onto `path` in `folder`.
void save(const std::string& route, const std::string& path, const std::string& folder,
          testsupport::RecordingUi& ui) {
    MemoryWindow w;
    const ProgramFiles files{folder, ""};
    if (route == "the workbook") {
        MemoryForm form = testsupport::circularForm("2000", "5000");
        form.setText("Edit8", "500");
        std::optional<TableJob> job = TableJob::read(form, ui, Method::Classic, true);
        ASSERT_TRUE(job && job->walk(RowKeeping::Spooled));
        job->saveWorkbook(path, {});
    } else if (route == "the snapshot") {
        ui.saveAnswers.push_back(path);
        WindowOperations(w, ui, files).snapshot(Picture{1, 1, {0xFF336699u}});
    } else {
        shutDown(w, files, ui, UnreadFiles{});
    }
}

TEST(SaveTargets, OnlyARegularFileThatMayBeWrittenIsReplaced) {
    std::ifstream in(std::string(QUORVEL_GOLDEN_DIR) + "/save_targets.json");
    const nlohmann::json table = nlohmann::json::parse(in);
    const std::map<std::string, std::string> names = {{"Config.ini at close", "Config.ini"},
                                                      {"bd.txt at close", "bd.txt"},
                                                      {"the workbook", "~001.xlsx"},
                                                      {"the snapshot", "shot.bmp"}};
    for (const std::string route : table.at("routes")) {
        for (const auto& target : table.at("targets")) {
            const std::string what = target.at("make");
            SCOPED_TRACE(route + " onto " + what);
            testsupport::TempFolder folder;
            const std::string path = folder.file(names.at(route));
            if (!make(path, what)) {
                std::cout << "skipped " << what << ": this system does not let the test make it\n";
                continue;
            }
            const std::string before = folderState(folder);
            testsupport::RecordingUi ui;
            save(route, path, folder.path().string(), ui);
            const std::string real = what.starts_with("link-to:") ? path + ".real" : path;
            if (!target.contains("reason")) {
                EXPECT_TRUE(ui.errors().empty()) << ui.errors().front();
                EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(real)));
                EXPECT_NE(testsupport::readBytes(real), "old");
                EXPECT_EQ(fs::is_symlink(path), what.starts_with("link-to:"));
                continue;
            }
            EXPECT_EQ(ui.errors(),
                      std::vector<std::string>{"文件“" + real + "”无法读写：" +
                                               target.at("reason").get<std::string>()});
            // The close writes the other stored file; nothing else may change.
            fs::remove(folder.file(route == "Config.ini at close" ? "bd.txt" : "Config.ini"));
            EXPECT_EQ(folderState(folder), before);
        }
    }
}

}  // namespace
}  // namespace quorvel::app
