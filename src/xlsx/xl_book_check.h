// Whether a written workbook is whole, before it replaces the file it is saved over. The
// workbook library writes each part to a temporary file first and reports no failed write
// of those (a full temporary folder): a part then comes out cut short or empty, in a zip that
// opens all the same.
#pragma once

#include <optional>
#include <string>

namespace quorvel {

struct WorkbookDamage {
    // The zip itself does not open or a part does not read back with its checksum: the file
    // written is broken. Else a part is incomplete: its XML is not well-formed, or a
    // worksheet's rows end before its dimension says.
    bool brokenZip = false;
    std::string detail;  // "xl/worksheets/sheet1.xml: no element found at line 1"
};

// Reads every part of the .xlsx file at `path` through (its XML parts with a streaming
// parser, in bounded memory); nothing when the workbook is whole.
std::optional<WorkbookDamage> workbookDamage(const std::string& path);

}  // namespace quorvel
