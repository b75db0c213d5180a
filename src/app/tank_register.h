// A depot's tanks: the tank file of one tank loaded into the window or written from it, and
// the register (罐库) — a folder `tanks/` in the data folder holding one tank file per tank,
// named by its tank number (罐号), with a `tanks/.deleted/` folder that deleted tanks go to
// and come back from. Every operation either does all it says or, refused, changes nothing
// and says why (RegisterError).
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "app/window_form.h"
#include "form/field_source.h"
#include "form/grid_cells.h"

namespace quorvel::app {

// ---- One tank file ----

// Loads the tank file at `path` into the form and grid as a start loads Config.ini and bd.txt,
// then the start-up steps (finishStartUp), but for the head volume lists, which keep what the
// file says (a head subtracted stays subtracted). The shell page the file names is returned for the
// caller to show; warnings (names the file holds that are none of ours) are appended to
// `warnings`. Throws FileError (store/tank_file.h: TankFileError for a file that is no tank
// file or holds a bad value), changing nothing.
int loadTank(WindowForm& form, const std::string& path, std::vector<std::string>& warnings);

// Writes the tank the form describes on `page` to `path` atomically. Throws FileError.
void saveTank(const FieldSource& form, const GridCells& grid, int page, const std::string& path);

// The bytes saveTank would write: what tells whether the window's tank changed since it was
// opened or saved.
std::string tankBytes(const FieldSource& form, const GridCells& grid, int page);

// ---- The register ----

// A register operation refused: what() says why, in the window's words.
class RegisterError : public std::runtime_error {
  public:
    explicit RegisterError(const std::string& what) : std::runtime_error(what) {}
};

// The file name of a tank number: the number trimmed, each character a file name cannot hold
// on any system the register may be copied to (/ \ : * ? " < > | and control characters) made
// "_", a leading "." made "_" (no hidden file, no "." or ".."), cut to 200 bytes at a
// character's end, then ".json". Throws RegisterError for a number that is empty.
std::string tankFileName(std::string_view tankNumber);

// What the register lists of a tank.
struct RegisterEntry {
    std::string file;  // its file name in tanks/
    std::string tankNumber, owner, shape, totalCapacity, method, modified;
    std::string fault;  // why the file could not be read; the other columns then empty
};

class TankRegister {
  public:
    // The register of the data folder `dataFolder` (its tanks/ is made when first saved to).
    explicit TankRegister(std::string dataFolder);

    const std::string& folder() const { return folder_; }  // .../tanks
    std::string pathOf(std::string_view file) const { return folder_ + "/" + std::string(file); }

    // Every tank file of the register (*.json, not hidden), sorted by file name; a file that
    // cannot be read is listed with its fault.
    std::vector<RegisterEntry> list() const;

    // Saves the form's tank under the name of its tank number (Edit49). `opened`: the file
    // the window's tank was opened from or last saved to, which it may replace; any other file
    // of that name is another tank whose name collides: refused, never overwritten. Gives the
    // file name.
    std::string save(const FieldSource& form, const GridCells& grid, int page,
                     const std::optional<std::string>& opened) const;

    // A copy of the tank `file` under the tank number `newNumber`; refused when that name is
    // taken. Gives the new file name.
    std::string duplicate(std::string_view file, std::string_view newNumber) const;

    // Moves `file` to tanks/.deleted/ (as "NAME (2).json" … when a deleted tank has that name
    // already). Gives its name there.
    std::string remove(std::string_view file) const;
    // The deleted tanks, sorted.
    std::vector<std::string> deleted() const;
    // Moves a deleted tank back; refused when a tank of that name is in the register.
    std::string restore(std::string_view deletedFile) const;

  private:
    std::string folder_;
};

// The entries whose tank number, owner, shape or file name holds `text` (ASCII letters
// compared without case); all of them for an empty text.
std::vector<RegisterEntry> searchRegister(const std::vector<RegisterEntry>& entries,
                                          std::string_view text);

}  // namespace quorvel::app
