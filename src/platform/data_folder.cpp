#include "platform/data_folder.h"

#include <fcntl.h>
#include <pwd.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

namespace quorvel {
namespace {

// The value of an environment variable when it is an absolute path, else empty.
std::string absoluteFromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && value[0] == '/' ? std::string(value) : std::string();
}

}  // namespace

bool folderIsWritable(const std::string& folder) {
    if (folder.empty()) {
        return false;
    }
    const std::string pattern = folder + "/.quorvel-probe-XXXXXX";
    std::vector<char> probe(pattern.begin(), pattern.end());
    probe.push_back('\0');
    const int fd = ::mkostemp(probe.data(), O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    ::close(fd);
    return ::unlink(probe.data()) == 0;
}

std::string userDataFolder(const std::string& program) {
    std::string base = absoluteFromEnvironment("XDG_DATA_HOME");
    if (base.empty()) {
        std::string home = absoluteFromEnvironment("HOME");
        if (home.empty()) {
            const struct passwd* account = ::getpwuid(::geteuid());
            if (account != nullptr && account->pw_dir != nullptr && account->pw_dir[0] == '/') {
                home = account->pw_dir;
            }
        }
        if (home.empty()) {
            return {};
        }
        base = home + "/.local/share";
    }
    while (!base.empty() && base.back() == '/') {
        base.pop_back();
    }
    return base + "/" + program;
}

DataFolder chooseDataFolder(const std::string& programFolder, const std::string& userDataFolder) {
    const bool system = programFolder == "/usr" || programFolder.starts_with("/usr/");
    if (!system && folderIsWritable(programFolder)) {
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
