#include "app/tank_register.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <ctime>
#include <filesystem>

#include "app/app_messages.h"
#include "app/memory_window.h"
#include "app/method_operations.h"
#include "app/start_and_close.h"
#include "app/window_rules.h"
#include "files/file_error.h"
#include "form/fields.h"
#include "form/method_controls.h"
#include "store/tank_file.h"
#include "tank/shell_kinds.h"
#include "tank/tank_reader.h"
#include "tank/volume.h"
#include "text/blank.h"
#include "text/unit_number.h"

namespace quorvel::app {
namespace {

namespace fs = std::filesystem;
namespace msg = app_messages;

constexpr std::string_view kTankExtension = ".json";
constexpr const char* kDeletedFolder = ".deleted";
constexpr std::size_t kMaxNameBytes = 200;

bool isTankFileName(const std::string& name) {
    return name.size() > kTankExtension.size() && name.ends_with(kTankExtension) &&
           name.front() != '.';
}

std::vector<std::string> tankFilesIn(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, ec)) {
        const std::string name = entry.path().filename().string();
        std::error_code typeError;
        if (isTankFileName(name) && entry.is_regular_file(typeError)) {
            names.push_back(name);
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

bool exists(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

void makeFolder(const std::string& folder) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec) {
        throw RegisterError(msg::registerFolderFailed(folder, ec.message()));
    }
}

// Renames without replacing: a file already at `to` is never overwritten.
void moveNew(const std::string& from, const std::string& to) {
    if (exists(to)) {
        throw RegisterError(msg::registerNameTaken(fs::path(to).filename().string()));
    }
    std::error_code ec;
    fs::rename(from, to, ec);
    if (ec) {
        throw RegisterError(msg::registerMoveFailed(from, ec.message()));
    }
}

std::string modifiedText(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        return {};
    }
    std::tm local{};
    localtime_r(&st.st_mtime, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local);
    return text;
}

// The total capacity as the table's summary gives it, in the tank's volume unit; empty when
// the tank describes no table.
std::string totalCapacityText(const FieldSource& form) {
    try {
        const Outcome<TankConfig> config = buildTankConfig(form);
        if (!config) {
            return {};
        }
        VolumeState state;
        const double total = volumeAtLevel(*config, config->height(), 0, state, chosenMethod(form));
        const units::Unit& unit = *config->units.volume;
        return formatAmountIn(units::litres(total), unit) + " " + std::string(unit.symbol);
    } catch (const std::exception&) {
        return {};
    }
}

std::string trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const std::size_t last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

}  // namespace

int loadTank(WindowForm& form, const std::string& path, std::vector<std::string>& warnings) {
    const std::vector<std::string_view> shells = shellWords();
    TankFileContent content = LoadTankFile(path, form, form.grid(), shells);
    // The tank's own courses and deadwood (none for a tank of another shell), not the last ones.
    form.setUprightRows(content.upright);
    // A start puts both head volume lists on "加上…" (their entries did not exist while
    // Config.ini was read); a tank file keeps a head subtracted as it was saved.
    const int left = form.itemIndex(kLeftHeadVolumeList);
    const int right = form.itemIndex(kRightHeadVolumeList);
    finishStartUp(form);
    form.setItemIndex(kLeftHeadVolumeList, left < 0 ? 0 : left);
    form.setItemIndex(kRightHeadVolumeList, right < 0 ? 0 : right);
    warnings.insert(warnings.end(), content.warnings.begin(), content.warnings.end());
    return content.page;
}

void saveTank(const FieldSource& form, const GridCells& grid, int page, const std::string& path) {
    SaveTankFile(form, grid, page, shellWords(), path);
}

std::string tankBytes(const FieldSource& form, const GridCells& grid, int page) {
    return tankFileBytes(form, grid, page, shellWords());
}

std::string tankFileName(std::string_view tankNumber) {
    const std::string number = trimmed(tankNumber);
    if (isBlankText(number)) {
        throw RegisterError(std::string(msg::kRegisterNoTankNumber));
    }
    std::string name;
    for (char c : number) {
        const auto byte = static_cast<unsigned char>(c);
        const bool forbidden = byte < 0x20 || byte == 0x7F ||
                               std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos;
        name += forbidden ? '_' : c;
    }
    if (name.front() == '.') {
        name.front() = '_';
    }
    if (name.size() > kMaxNameBytes) {
        std::size_t cut = kMaxNameBytes;
        // Back to the start of a character: no UTF-8 continuation byte begins the rest.
        while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) {
            --cut;
        }
        name.resize(cut);
    }
    return name + std::string(kTankExtension);
}

TankRegister::TankRegister(std::string dataFolder) : folder_(std::move(dataFolder) + "/tanks") {}

std::vector<RegisterEntry> TankRegister::list() const {
    std::vector<RegisterEntry> entries;
    for (const std::string& name : tankFilesIn(folder_)) {
        RegisterEntry entry;
        entry.file = name;
        entry.modified = modifiedText(pathOf(name));
        MemoryWindow window;
        std::vector<std::string> warnings;
        try {
            const int page = loadTank(window, pathOf(name), warnings);
            window.form().setActivePage(page);
            entry.tankNumber = trimmed(window.text(kTankNumberField));
            entry.owner = trimmed(window.text(kOwnerField));
            entry.shape = msg::shellCaption(shellKindInfo(shellOfPage(page)).word);
            entry.method = window.text(kMethodList);
            entry.totalCapacity = totalCapacityText(window);
        } catch (const std::exception& e) {
            entry.fault = e.what();
        }
        entries.push_back(std::move(entry));
    }
    return entries;
}

std::string TankRegister::save(const FieldSource& form, const GridCells& grid, int page,
                               const std::optional<std::string>& opened) const {
    const std::string name = tankFileName(form.text(kTankNumberField));
    const std::string path = pathOf(name);
    if ((!opened || *opened != name) && exists(path)) {
        throw RegisterError(msg::registerNameTaken(name));
    }
    makeFolder(folder_);
    saveTank(form, grid, page, path);
    return name;
}

std::string TankRegister::duplicate(std::string_view file, std::string_view newNumber) const {
    MemoryWindow window;
    std::vector<std::string> warnings;
    const int page = loadTank(window, pathOf(file), warnings);
    window.setText(kTankNumberField, newNumber);
    return save(window, window.form().grid(), page, std::nullopt);
}

std::string TankRegister::remove(std::string_view file) const {
    const std::string deletedFolder = folder_ + "/" + kDeletedFolder;
    makeFolder(deletedFolder);
    const std::string stem(file.substr(0, file.size() - kTankExtension.size()));
    std::string name(file);
    for (int n = 2; exists(deletedFolder + "/" + name); ++n) {
        name = stem + " (" + std::to_string(n) + ")" + std::string(kTankExtension);
    }
    moveNew(pathOf(file), deletedFolder + "/" + name);
    return name;
}

std::vector<std::string> TankRegister::deleted() const {
    return tankFilesIn(folder_ + "/" + kDeletedFolder);
}

std::string TankRegister::restore(std::string_view deletedFile) const {
    // The tank's own name, without the " (2)" a second deletion of that name added.
    MemoryWindow window;
    std::vector<std::string> warnings;
    const std::string from = folder_ + "/" + kDeletedFolder + "/" + std::string(deletedFile);
    loadTank(window, from, warnings);
    const std::string name = tankFileName(window.text(kTankNumberField));
    moveNew(from, pathOf(name));
    return name;
}

std::vector<RegisterEntry> searchRegister(const std::vector<RegisterEntry>& entries,
                                          std::string_view text) {
    auto lower = [](std::string s) {
        std::transform(s.begin(), s.end(), s.begin(), [](char c) {
            return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        });
        return s;
    };
    const std::string wanted = lower(trimmed(text));
    std::vector<RegisterEntry> found;
    for (const RegisterEntry& entry : entries) {
        for (const std::string* column :
             {&entry.tankNumber, &entry.owner, &entry.shape, &entry.file}) {
            if (lower(*column).find(wanted) != std::string::npos) {
                found.push_back(entry);
                break;
            }
        }
    }
    return found;
}

}  // namespace quorvel::app
