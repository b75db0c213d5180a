#include "platform/data_folder.h"

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <system_error>

namespace quorvel {

bool folderIsWritable(const std::string& folder) {
    if (folder.empty()) {
        return false;
    }
    // A name of our own with the process id, created exclusively: never an existing file.
    const std::string probe = folder + "/.quorvel-probe-" + std::to_string(::getpid());
    const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
        return false;
    }
    ::close(fd);
    return ::unlink(probe.c_str()) == 0;
}

DataFolder chooseDataFolder(const std::string& programFolder, const std::string& userDataFolder) {
    if (folderIsWritable(programFolder)) {
        return {programFolder, true};
    }
    if (!userDataFolder.empty()) {
        std::string folder = userDataFolder;
        while (folder.size() > 1 && folder.back() == '/') {
            folder.pop_back();
        }
        std::error_code ec;
        std::filesystem::create_directories(folder, ec);
        if (folderIsWritable(folder)) {
            return {folder, true};
        }
    }
    return {programFolder, false};
}

}  // namespace quorvel
