// LoadStringGrid over any bytes: a load fails with FileError or gives a grid within the cell
// cap, and a loaded grid saved over its file loads back cell for cell — or, where a cell has
// no form that reads back, the save fails and the file keeps every byte.
#include "files/atomic_file.h"
#include "files/read_file.h"
#include "form/grid_cells.h"
#include "fuzz_check.h"
#include "store/grid_file.h"

namespace {

bool sameCells(const quorvel::GridCells& a, const quorvel::GridCells& b) {
    if (a.colCount() != b.colCount() || a.rowCount() != b.rowCount()) {
        return false;
    }
    for (int c = 0; c < a.colCount(); ++c) {
        for (int r = 0; r < a.rowCount(); ++r) {
            if (a.cell(c, r) != b.cell(c, r)) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quorvel;
    static const std::string input = fuzz::scratchFile("bd.txt");
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    fuzz::writeBytes(input, bytes);

    TextGrid grid(3, 4);
    grid.setCell(1, 2, "before");
    try {
        LoadStringGrid(grid, input);
    } catch (const FileError&) {
        // Nothing but an applied column count may have changed.
        FUZZ_CHECK(grid.rowCount() == 4, "a failed load changed the rows");
        FUZZ_CHECK(grid.colCount() < 2 || grid.cell(1, 2) == "before", "a failed load read cells");
        return 0;
    }
    FUZZ_CHECK(std::int64_t{grid.colCount()} * grid.rowCount() <= kMaxGridCells,
               "more cells than a grid file may hold");
    try {
        SaveStringGrid(grid, input);
    } catch (const FileError&) {
        FUZZ_CHECK(readFileIfExists(input) == std::string(bytes), "a failed save changed the file");
        return 0;
    }
    TextGrid loaded(1, 1);
    LoadStringGrid(loaded, input);
    FUZZ_CHECK(sameCells(grid, loaded), "the grid changed on its way through the file");
    return 0;
}
