// What the harnesses share: a check that stops the run with its reason (libFuzzer then keeps
// the input), and the input's bytes in a file of its own for the loaders.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#define FUZZ_CHECK(condition, detail)                                   \
    do {                                                                \
        if (!(condition)) {                                             \
            std::fprintf(stderr, "check failed: %s (%s)\n", #condition, \
                         std::string(detail).substr(0, 4000).c_str());  \
            std::abort();                                               \
        }                                                               \
    } while (0)

namespace quorvel::fuzz {

// A scratch file per process, rewritten for every input; in memory where the system has a
// memory file system, since every save is flushed to the disk.
inline std::string scratchFile(const char* name) {
    const char* folder = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    return std::string(folder) + "/quorvel-fuzz-" + std::to_string(::getpid()) + "-" + name;
}

inline void writeBytes(const std::string& path, std::string_view bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    FUZZ_CHECK(f != nullptr, path);
    FUZZ_CHECK(std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size(), path);
    FUZZ_CHECK(std::fclose(f) == 0, path);
}

}  // namespace quorvel::fuzz
