// A save of Config.ini's size in a folder that holds many other files, and some young
// temporaries of the same file (each is opened and its lock tried): what clearing away the
// leftovers of killed saves adds to every save. Run in the program folder's file system;
// the flush to disk dominates on a real disk.
#include <benchmark/benchmark.h>

#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "files/atomic_file.h"

namespace quorvel {
namespace {

namespace fs = std::filesystem;

class Folder {
  public:
    Folder(int others, int temporaries) {
        std::string pattern = (fs::temp_directory_path() / "quorvel-bench-XXXXXX").string();
        std::vector<char> name(pattern.begin(), pattern.end());
        name.push_back('\0');
        path_ = ::mkdtemp(name.data());
        for (int i = 0; i < others; ++i)
            std::ofstream(path_ / ("other-" + std::to_string(i) + ".txt")) << "x";
        for (int i = 0; i < temporaries; ++i) {
            char random[16];  // six characters for i below 100000
            std::snprintf(random, sizeof random, "t%05d", i);
            std::ofstream(path_ / (std::string(".Config.ini.tmp-") + random)) << "x";
        }
    }
    ~Folder() { fs::remove_all(path_); }
    std::string file(const char* name) const { return (path_ / name).string(); }

  private:
    fs::path path_;
};

void BM_WriteFileAtomically(benchmark::State& state) {
    const Folder folder(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    const std::string path = folder.file("Config.ini");
    const std::string bytes(2400, 'k');  // the size of a full settings file
    for (auto _ : state) {
        writeFileAtomically(path, bytes);
    }
}
BENCHMARK(BM_WriteFileAtomically)
    ->Args({0, 0})
    ->Args({1000, 0})
    ->Args({10000, 0})
    ->Args({0, 100})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quorvel

BENCHMARK_MAIN();
