// A tank file: one tank as a JSON document in UTF-8 — the shell it is described on, every
// stored control by its name (the controls of the settings file, in its order, so a setting
// added later is carried with no change here), the calibration grid and a format version.
// It is what the tank register keeps, what quorvel-table --tank reads and --save-tank writes,
// and what other systems (gauge consoles, spreadsheets) read and write.
//
//   {
//     "format": "quorvel-tank",
//     "version": 1,
//     "shell": "horizontal",
//     "controls": { "Edit10": "600", "RadioButton8": true, "ComboBox4": "加上右封头容积", … },
//     "grid": [ ["", "液位(mm)", "容积(L)"], ["1", "0", "0"], … ]
//   }
//
// An edit or a list is a string (a list with fixed entries: one of its entries, or "" for
// none chosen), a check box or radio button true or false; the grid is its rows, each the
// texts of its columns. The file is written with two-space indentation and a final line end,
// so a file read and written again is the same bytes.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "files/file_error.h"
#include "form/field_source.h"
#include "form/grid_cells.h"
#include "form/upright_fields.h"

namespace quorvel {

inline constexpr std::string_view kTankFileFormat = "quorvel-tank";
inline constexpr int kTankFileVersion = 1;
// A tank file is the size of a settings file and a grid; a larger one is no tank file.
inline constexpr std::size_t kMaxTankFileBytes = std::size_t{8} * 1024 * 1024;

// A tank file that cannot be loaded: what() names the file and every fault (a value of the
// wrong kind, a list entry that is not one, a grid of no shape, a newer version); faults()
// gives them one by one. Nothing was changed.
class TankFileError : public FileError {
  public:
    TankFileError(const std::string& path, std::vector<std::string> faults);
    const std::vector<std::string>& faults() const { return faults_; }

  private:
    std::vector<std::string> faults_;
};

// A tank as a file holds it, read and checked, not yet applied to a form.
struct TankFileContent {
    int page = 0;                       // PageControl1's shell page
    std::vector<std::string> warnings;  // names the file holds that are none of ours: ignored
    UprightRows upright;                // an upright tank's courses and deadwood; none otherwise
};

// The shells' words in the order of their pages (quorvel-table --shell's words): the "shell"
// of a tank file is one of them, and its page is its index.
using ShellWords = std::span<const std::string_view>;

// The bytes of the tank the form and grid describe, on shell page `page`. Throws FileError
// naming every control or cell that holds text no tank file can (not UTF-8).
std::string tankFileBytes(const FieldSource& form, const GridCells& grid, int page,
                          ShellWords shells);

// Writes tankFileBytes atomically (files/atomic_file.h) to `path`. Throws FileError.
void SaveTankFile(const FieldSource& form, const GridCells& grid, int page, ShellWords shells,
                  const std::string& path);

// Reads `bytes` (the file `path`, for messages) into the form and grid as the settings and the
// grid file are loaded: a control the file does not name is emptied (a box turned off), a
// list's "" leaves its choice, the grid takes the file's shape. Checks everything first:
// throws TankFileError, changing nothing, for a file that is no JSON object of this format,
// a newer version, a value of the wrong kind, a list text that is no entry, a text with a line
// break, or a grid over the grid file's limits or of ragged rows. Names it does not know are
// warnings of the result.
TankFileContent readTankFile(std::string_view bytes, const std::string& path, FieldSource& form,
                             GridCells& grid, ShellWords shells);

// Reads the file at `path` (at most kMaxTankFileBytes, regular files only) as readTankFile.
// Throws FileError when it cannot be read (ENOENT when it does not exist).
TankFileContent LoadTankFile(const std::string& path, FieldSource& form, GridCells& grid,
                             ShellWords shells);

}  // namespace quorvel
