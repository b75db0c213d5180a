#include "app/tank_batch.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "app/app_messages.h"
#include "app/method_operations.h"
#include "app/table_request.h"
#include "app/tank_register.h"
#include "files/read_file.h"
#include "form/fields.h"
#include "ports/ui_services.h"

namespace quorvel::app {
namespace {

namespace fs = std::filesystem;

// The messages of one tank's table, kept for its refusal; every question answered Yes (the
// workbook's "open it?" too: nothing is opened).
class CollectingUi : public UiServices {
  public:
    void showMessage(std::string_view text) override { add(text); }
    void showError(std::string_view text) override { add(text); }
    MessageAnswer messageBox(std::string_view text, std::string_view, MessageButtons buttons,
                             MessageIcon icon) override {
        if (icon == MessageIcon::Error || icon == MessageIcon::Warning) {
            add(text);
        }
        return buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
    }
    OpenOutcome openDocument(const std::string&) override { return OpenOutcome::Failed; }
    std::optional<std::string> askSaveFileName(const SaveFileRequest&) override {
        return std::nullopt;
    }
    void putPictureOnClipboard(const Picture&) override {}
    const std::string& said() const { return said_; }

  private:
    void add(std::string_view text) { said_.append(said_.empty() ? "" : " ").append(text); }
    std::string said_;
};

}  // namespace

std::vector<std::string> batchTankFiles(const std::string& folderOrList) {
    std::error_code ec;
    if (fs::is_directory(folderOrList, ec)) {
        std::vector<std::string> files;
        for (const fs::directory_entry& entry : fs::directory_iterator(folderOrList, ec)) {
            const std::string name = entry.path().filename().string();
            std::error_code typeError;
            if (name.ends_with(".json") && name.front() != '.' &&
                entry.is_regular_file(typeError)) {
                files.push_back(entry.path().string());
            }
        }
        std::sort(files.begin(), files.end());
        return files;
    }
    std::optional<std::string> list;
    try {
        list = readFileIfExists(folderOrList);
    } catch (const std::exception& e) {
        throw RegisterError(e.what());
    }
    if (!list) {
        throw RegisterError(app_messages::batchSourceMissing(folderOrList));
    }
    const fs::path base = fs::path(folderOrList).parent_path();
    std::vector<std::string> files;
    std::istringstream lines(*list);
    for (std::string line; std::getline(lines, line);) {
        while (!line.empty() &&
               (line.back() == '\r' || line.back() == ' ' || line.back() == '\t')) {
            line.pop_back();
        }
        const std::size_t start = line.find_first_not_of(" \t");
        if (start == std::string::npos) {
            continue;
        }
        const fs::path file(line.substr(start));
        files.push_back((file.is_absolute() ? file : base / file).string());
    }
    return files;
}

BatchResult makeBatchTables(const BatchRequest& request, const BatchProgress& progress) {
    BatchResult result;
    std::error_code ec;
    fs::create_directories(request.outDir, ec);
    std::set<std::string> names;
    const std::size_t total = request.tankFiles.size();
    for (std::size_t i = 0; i < total; ++i) {
        const std::string& file = request.tankFiles[i];
        if (progress && !progress(i, total, file)) {
            result.cancelled = true;
            break;
        }
        MemoryWindow window;
        std::string stem;
        try {
            std::vector<std::string> warnings;
            window.form().setActivePage(loadTank(window, file, warnings));
            if (request.edit) {
                request.edit(window);
            }
            const std::string name = tankFileName(window.text(kTankNumberField));
            stem = name.substr(0, name.size() - 5);
            if (!names.insert(stem).second) {
                throw RegisterError(app_messages::batchNameTwice(stem));
            }
        } catch (const std::exception& e) {
            result.refused.push_back({file, e.what()});
            continue;
        }
        TableRequest table;
        table.method = request.method.value_or(chosenMethod(window));
        table.workbook = request.outDir + "/" + stem + ".xlsx";
        if (request.pdf) {
            table.pdf = request.outDir + "/" + stem + ".pdf";
        }
        CollectingUi ui;
        std::ostringstream unused;
        if (runTableRequest(window, ui, table, unused)) {
            result.made.push_back(*table.workbook);
        } else {
            result.refused.push_back({file, ui.said()});
        }
    }
    return result;
}

}  // namespace quorvel::app
