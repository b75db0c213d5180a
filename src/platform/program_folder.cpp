#include "platform/program_folder.h"

#include <filesystem>
#include <system_error>

#include "files/file_error.h"

namespace quorvel {

std::string programFolder() {
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) {
        throw FileError("cannot find the program's folder: " + ec.message());
    }
    return exe.parent_path().string();
}

}  // namespace quorvel
