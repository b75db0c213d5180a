// A batch of tables: every tank of a register (or of a list of tank files) made into its
// capacity table workbook, and its PDF when asked, named by its tank number, one tank at a
// time through the one table job, so memory stays that of one tank however many there are.
// quorvel-table --batch and the register's "生成容积表" for the selected tanks run it.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/memory_window.h"
#include "tank/method.h"

namespace quorvel::app {

// The tank files of a batch: the tank files of the folder `folderOrList` (a register's tanks/,
// sorted by name), or each line of the list file `folderOrList` that is not blank, relative to
// the list's folder. Throws RegisterError (app/tank_register.h) when it names neither.
std::vector<std::string> batchTankFiles(const std::string& folderOrList);

struct BatchRequest {
    std::vector<std::string> tankFiles;
    std::string outDir;  // made when missing
    bool pdf = false;
    std::optional<Method> method;  // without it, each tank's own (ComboBox5)
    // Applied to each tank once it is loaded (the command line's --set, its units).
    std::function<void(MemoryWindow&)> edit = {};
};

struct BatchRefusal {
    std::string tankFile;
    std::string why;  // the messages the table gave, or why the file could not be read
};

struct BatchResult {
    std::vector<std::string> made;  // the workbooks written
    std::vector<BatchRefusal> refused;
    bool cancelled = false;
};

// Told before each tank (index from 0, of total); false cancels the batch there.
using BatchProgress =
    std::function<bool(std::size_t index, std::size_t total, const std::string& tankFile)>;

// Makes the tables. A tank whose file cannot be read, whose request stops, or whose tank
// number names the same file as an earlier tank of the batch (never overwritten) is refused
// with why, and the batch goes on.
BatchResult makeBatchTables(const BatchRequest& request, const BatchProgress& progress = {});

}  // namespace quorvel::app
