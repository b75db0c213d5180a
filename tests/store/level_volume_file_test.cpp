#include "store/level_volume_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>

#include "files/file_error.h"

namespace quorvel {
namespace {

const std::string kGolden = std::string(QUORVEL_GOLDEN_DIR) + "/store/";

// Every case of golden/store/level_volume_files.json: the points, the findings, the blocks
// and the units of one file, or the reason it cannot be read.
TEST(LevelVolumeFile, ReadsEachFileAsItsCaseSays) {
    std::ifstream in(kGolden + "level_volume_files.json");
    const nlohmann::json table = nlohmann::json::parse(in);
    for (const nlohmann::json& c : table["cases"]) {
        const std::string name = c["file"];
        SCOPED_TRACE(name);
        const std::string path = kGolden + "level_volume/" + name;
        if (c.contains("error")) {
            try {
                readLevelVolumeFile(path);
                ADD_FAILURE() << "read";
            } catch (const FileError& e) {
                EXPECT_NE(std::string(e.what()).find(c["error"].get<std::string>()),
                          std::string::npos)
                    << e.what();
                EXPECT_EQ(e.path(), path);
            }
            continue;
        }
        const LevelVolumeFile file = readLevelVolumeFile(path);
        EXPECT_EQ(file.workbook, name.ends_with(".xlsx"));
        EXPECT_EQ(file.blocks, c["blocks"]);
        EXPECT_EQ(file.levelFactor, c["levelFactor"]);
        EXPECT_EQ(file.volumeFactor, c["volumeFactor"]);
        nlohmann::json points = nlohmann::json::array(), notNumbers = nlohmann::json::array();
        for (const LevelVolumePoint& p : file.points)
            points.push_back({p.level, p.volume, p.row, p.column});
        for (const LevelVolumeFinding& f : file.notNumbers)
            notNumbers.push_back({f.row, f.column, f.text});
        EXPECT_EQ(points, c["points"]);
        EXPECT_EQ(notNumbers, c["notNumbers"]);
    }
}

}  // namespace
}  // namespace quorvel
