#include "app/start_and_close.h"

#include <cerrno>
#include <exception>
#include <filesystem>
#include <functional>
#include <system_error>

#include "app/app_messages.h"
#include "app/error_boundary.h"
#include "app/window_rules.h"
#include "files/kept_copy.h"
#include "files/save_target.h"
#include "form/calibration_grid.h"
#include "form/fields.h"
#include "store/grid_file.h"
#include "store/settings_file.h"
#include "store/upright_file.h"

namespace quorvel::app {
namespace {

// Loads one stored file; false when it is there but could not be read (said in a box).
bool loadOne(UiServices& ui, std::string_view what, const std::string& path,
             const std::function<void()>& load) {
    try {
        load();
        return true;
    } catch (const FileError& e) {
        if (e.code() == ENOENT) {
            return true;  // a first start: nothing to keep
        }
        const std::string reason =
            fileFailureReason(e).value_or(app_messages::internalError(e.what()));
        ui.messageBox(app_messages::storedFileUnread(what, path, reason, isRegularFile(path)),
                      app_messages::kStoredFilesCaption, MessageButtons::Ok, MessageIcon::Warning);
    } catch (...) {
        showCurrentException(ui);
    }
    return false;
}

// Saves one stored file as the close does (shutDown); `stamp`: the file as the start found
// it, when it could not be read.
void saveOne(UiServices& ui, std::string_view what, const std::string& path, bool unread,
             const std::optional<FileStamp>& stamp, const std::function<void(SaveOver)>& save) {
    try {
        const std::string target = resolveSaveTarget(path);
        std::error_code ec;
        if (!unread || !std::filesystem::exists(std::filesystem::symlink_status(target, ec))) {
            save(SaveOver::ReadableFile);
            return;
        }
        if (!isRegularFile(target)) {
            return;  // a folder, FIFO or device: nothing to keep, nothing a save may replace
        }
        const std::string copy = freeCopyName(target);
        const bool changed = fileStamp(target) != stamp;
        if (ui.messageBox(app_messages::keepCopyQuestion(what, path, copy, changed),
                          app_messages::kStoredFilesCaption, MessageButtons::YesNo,
                          MessageIcon::Warning) != MessageAnswer::Yes) {
            return;
        }
        keepCopy(target, copy);
        save(SaveOver::AnyContent);
    } catch (...) {
        showCurrentException(ui);
    }
}

}  // namespace

void saveStoredFiles(const FieldSource& form, const GridCells& points,
                     const std::optional<std::string>& settings,
                     const std::optional<std::string>& grid) {
    if (settings) {
        SaveSettings(form, *settings);
    }
    if (grid) {
        SaveStringGrid(points, *grid);
    }
}

void loadStoredFiles(WindowForm& form, const std::optional<std::string>& settings,
                     const std::optional<std::string>& grid) {
    if (settings) {
        LoadSettings(form, *settings);
    }
    if (grid) {
        LoadStringGrid(form.grid(), *grid);
    }
}

void finishStartUp(WindowForm& form) {
    ShowWeightLabel(form);
    startTableRequest(form);
    form.setItemIndex(kPointCountList, pointCountIndexForRows(form.grid().rowCount()));
    writeGridHeadings(form.grid());
    form.setItemIndex(kLeftHeadVolumeList, 0);
    form.setItemIndex(kRightHeadVolumeList, 0);
}

UnreadFiles startUp(WindowForm& form, const ProgramFiles& files, UiServices& ui) {
    UnreadFiles unread;
    unread.settings = !loadOne(ui, app_messages::kSettingsFile, files.settings(),
                               [&] { LoadSettings(form, files.settings()); });
    if (unread.settings) {
        unread.settingsStamp = fileStamp(files.settings());
    }
    unread.grid = !loadOne(ui, app_messages::kGridFile, files.grid(),
                           [&] { LoadStringGrid(form.grid(), files.grid()); });
    if (unread.grid) {
        unread.gridStamp = fileStamp(files.grid());
    }
    unread.upright = !loadOne(ui, app_messages::kUprightFile, files.upright(),
                              [&] { form.setUprightRows(loadUprightRows(files.upright())); });
    if (unread.upright) {
        unread.uprightStamp = fileStamp(files.upright());
    }
    finishStartUp(form);
    return unread;
}

void shutDown(WindowForm& form, const ProgramFiles& files, UiServices& ui,
              const UnreadFiles& unread) {
    saveOne(ui, app_messages::kSettingsFile, files.settings(), unread.settings,
            unread.settingsStamp,
            [&](SaveOver over) { SaveSettings(form, files.settings(), over); });
    saveOne(ui, app_messages::kGridFile, files.grid(), unread.grid, unread.gridStamp,
            [&](SaveOver over) { SaveStringGrid(form.grid(), files.grid(), over); });
    // The upright tank's rows: written only once the page holds one, or the file is there.
    const UprightRows rows = withoutEmptyRows(form.uprightRows());
    std::error_code ec;
    if (!rows.empty() ||
        std::filesystem::exists(std::filesystem::symlink_status(files.upright(), ec))) {
        saveOne(ui, app_messages::kUprightFile, files.upright(), unread.upright,
                unread.uprightStamp, [&](SaveOver) { saveUprightRows(rows, files.upright()); });
    }
}

}  // namespace quorvel::app
