#include "platform/help_file.h"

#include <filesystem>

namespace quorvel {

std::string helpFilePath(const std::string& programFolder, const std::string& installedHelpFolder) {
    namespace fs = std::filesystem;
    const fs::path beside = fs::path(programFolder) / kHelpFileName;
    std::error_code ec;
    if (fs::is_regular_file(beside, ec)) {
        return beside.string();
    }
    const fs::path installed =
        (fs::path(programFolder) / installedHelpFolder / kHelpFileName).lexically_normal();
    if (fs::is_regular_file(installed, ec)) {
        return installed.string();
    }
    return beside.string();
}

}  // namespace quorvel
