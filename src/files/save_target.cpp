#include "files/save_target.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "files/file_error.h"

namespace quorvel {

std::string resolveSaveTarget(const std::string& path) {
    namespace fs = std::filesystem;
    fs::path current(path);
    for (int followed = 0;; ++followed) {
        std::error_code ec;
        const fs::file_status status = fs::symlink_status(current, ec);
        // Missing, unreachable or not a link: the save itself reports what is wrong.
        if (ec || !fs::is_symlink(status))
            return current.string();
        if (followed == kMaxSymbolicLinks) {
            throw FileError("cannot replace " + path + ": " + std::strerror(ELOOP), path, ELOOP);
        }
        const fs::path next = fs::read_symlink(current, ec);
        if (ec) {
            throw FileError("cannot read the link " + current.string() + ": " + ec.message(),
                            current.string(), ec.value());
        }
        // Not normalised: ".." after a linked folder must mean what the kernel means by it.
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
}

}  // namespace quorvel
