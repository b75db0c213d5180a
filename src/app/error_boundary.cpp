#include "app/error_boundary.h"

#include <cerrno>
#include <cstring>
#include <new>

#include "app/app_messages.h"
#include "exact/head_profile.h"
#include "files/file_error.h"
#include "files/kept_copy.h"
#include "files/read_file.h"
#include "form/table_identity.h"
#include "geometry/geometry.h"
#include "oil/oil.h"
#include "output/paper_fonts.h"
#include "store/grid_file.h"
#include "store/settings_file.h"
#include "store/text_encoding.h"
#include "store/upright_file.h"
#include "text/number_text.h"
#include "xlsx/xl_wrappers.h"

namespace quorvel {

std::string_view app_messages::systemReason(int code) {
    switch (code) {
        case ENOENT:
            return "文件或文件夹不存在";
        case ENOTDIR:
            return "路径中有一段不是文件夹";
        case EACCES:
        case EPERM:
            return "没有读写权限";
        case EROFS:
            return "文件在只读的磁盘上";
        case ENOSPC:
        case EDQUOT:
            return "磁盘空间不足";
        case EFBIG:
            return "文件太大";
        case EISDIR:
            return "这是一个文件夹";
        case ELOOP:
            return "符号链接过多";
        case ENAMETOOLONG:
            return "文件名太长";
        case EIO:
            return "磁盘读写出错";
        case EEXIST:
            return "文件已存在";
        default:
            return std::strerror(code);
    }
}

namespace app {
namespace {

// A count as the file writes it, fit for a sentence: at most 20 bytes, as text.
std::string shownToken(std::string_view token) {
    constexpr std::size_t kMost = 20;
    std::string shown = readStoredText(token.substr(0, kMost)).text;
    return token.size() > kMost ? shown + "…" : shown;
}

std::string gridCountReason(const GridCountError& e) {
    using Fault = GridCountError::Fault;
    switch (e.fault) {
        case Fault::NotAnInteger:
            return app_messages::gridCountNotInteger(e.isRowCount, e.line, shownToken(e.token));
        case Fault::Negative:
            return app_messages::gridCountNegative(e.isRowCount, e.line, shownToken(e.token));
        case Fault::OverLimit:
            return app_messages::gridCountOverLimit(e.isRowCount, e.line, shownToken(e.token),
                                                    e.limit);
        case Fault::TooManyCells:
            break;
    }
    return app_messages::gridTooManyCells(shownToken(e.token), shownToken(e.rowToken), e.cells,
                                          e.limit);
}

// A stored control as the user knows it: "公称容量（Edit52）" for a field with a caption.
std::string shownControlName(const std::string& key) {
    for (const IdentityField& field : kIdentityFields) {
        if (field.control == key) {
            return std::string(field.caption) + "（" + key + "）";
        }
    }
    return key;
}

}  // namespace

std::optional<std::string> fileFailureReason(const FileError& e) {
    if (const auto* grid = dynamic_cast<const GridCountError*>(&e)) {
        return gridCountReason(*grid);
    }
    if (const auto* upright = dynamic_cast<const UprightFileError*>(&e)) {
        return app_messages::uprightLineDamaged(upright->line, upright->text);
    }
    switch (e.fault()) {
        case FileFault::NotRegular:
            return std::string(app_messages::kNotARegularFile);
        case FileFault::WriteProtected:
            return std::string(app_messages::kWriteProtected);
        case FileFault::TooLarge:
            return app_messages::tooLarge(kMaxStoredFileBytes / (1024 * 1024));
        case FileFault::TemporaryFolder:
            if (e.code() == 0) {
                return std::string(app_messages::kTemporaryIncomplete);
            }
            break;
        case FileFault::System:
        case FileFault::NoFreeCopyName:
            break;
    }
    if (e.code() != 0) {
        return std::string(app_messages::systemReason(e.code()));
    }
    return std::nullopt;
}

void showStop(UiServices& ui, const Stop& stop) {
    if (stop.box == Stop::Box::Error) {
        ui.showError(stop.text);
    } else {
        ui.showMessage(stop.text);
    }
}

void showCurrentException(UiServices& ui) {
    try {
        throw;
    } catch (const ValuesNotStored& e) {
        std::string lines;
        for (const ValuesNotStored::Value& v : e.values()) {
            lines += app_messages::valueNotStored(shownControlName(v.key),
                                                  v.why == UnstorableValue::LineBreak);
        }
        ui.showError(app_messages::valuesNotStored(e.path(), lines));
    } catch (const FileError& e) {
        const std::optional<std::string> reason = fileFailureReason(e);
        if (e.fault() == FileFault::NoFreeCopyName) {
            const std::string& last = e.path();
            ui.showError(app_messages::noFreeCopyName(
                last.substr(0, last.size() - std::to_string(kMaxKeptCopies).size()), last));
        } else if (reason && e.fault() == FileFault::TemporaryFolder) {
            ui.showError(app_messages::temporaryFolderFailed(e.path(), *reason));
        } else if (reason && !e.path().empty()) {
            ui.showError(app_messages::fileFailed(e.path(), *reason));
        } else {
            ui.showError(app_messages::internalError(e.what()));
        }
    } catch (const ExceptionXL& e) {
        ui.showError(app_messages::workbookFailed(e.what()));
    } catch (const std::bad_alloc&) {
        ui.showError(app_messages::kOutOfMemory);
    } catch (const ConversionError& e) {
        ui.showError(e.what());
    } catch (const ArithmeticError& e) {
        ui.showError(e.what());
    } catch (const exact::GeometryError& e) {
        ui.showError(e.what());
    } catch (const paper::FontMissing& e) {
        ui.showError(e.what());
    } catch (const oil::RangeError& e) {
        // An input outside the petroleum measurement tables, named with their range.
        ui.showError(e.what());
    } catch (const std::range_error& e) {
        // The number texts refuse a value that is not finite, in words of their own.
        ui.showError(e.what());
    } catch (const std::exception& e) {
        ui.showError(app_messages::internalError(e.what()));
    } catch (...) {
        ui.showError(app_messages::internalError("?"));
    }
}

}  // namespace app
}  // namespace quorvel
