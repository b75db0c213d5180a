// The reader of issued capacity tables over any bytes (text, or a zip taken for a workbook):
// it fails only with FileError, and what it reads is finite points, each on a row of the file,
// that the checks then judge without reading past them.
#include <cmath>
#include <string>

#include "files/file_error.h"
#include "fuzz_check.h"
#include "store/level_volume_file.h"
#include "tank/point_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quorvel;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    LevelVolumeFile file;
    try {
        file = readLevelVolumeBytes(bytes, "fuzz");
    } catch (const FileError&) {
        return 0;
    }
    std::vector<double> levels, volumes;
    for (const LevelVolumePoint& p : file.points) {
        FUZZ_CHECK(std::isfinite(p.level) && std::isfinite(p.volume), "a point that is no number");
        FUZZ_CHECK(p.row >= 1 && p.column >= 1, "a point on no row");
        levels.push_back(p.level);
        volumes.push_back(p.volume);
    }
    for (const LevelVolumeFinding& f : file.notNumbers) {
        FUZZ_CHECK(f.row >= 1 && f.column >= 1, "a finding on no row");
    }
    for (const PointFinding& f : checkPoints(levels, volumes)) {
        FUZZ_CHECK(f.index >= 1 && f.index < levels.size(), "a finding on no point");
    }
    return 0;
}
