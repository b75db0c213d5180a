// Whether a written workbook is whole, before it replaces the file it is saved over. The
// workbook library writes each part to a temporary file first and reports no failed write
// of those (a full temporary folder): a part then comes out cut short or empty, in a zip that
// opens all the same.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quorvel {

// The rows and cells a worksheet's part is to hold.
struct XlSheetCounts {
    std::uint64_t rows = 0, cells = 0;
};

struct WorkbookDamage {
    // The zip itself does not open or a part does not read back with its checksum: the file
    // written is broken. Else a part is incomplete: its XML is not well-formed, or a
    // worksheet holds fewer rows or cells than it was given.
    bool brokenZip = false;
    std::string detail;  // "xl/worksheets/sheet1.xml: no element found at line 1"
};

// Reads every part of the .xlsx file at `path` through (its XML parts with a streaming
// parser, in bounded memory), worksheet N (xl/worksheets/sheetN.xml) to hold the rows and
// cells of `sheets`[N − 1]; nothing when the workbook is whole.
std::optional<WorkbookDamage> workbookDamage(const std::string& path,
                                             const std::vector<XlSheetCounts>& sheets);

}  // namespace quorvel
