// Standard output held back on disk: the CSV rows of a table whose workbook is still being
// written go out only once the workbook is saved, as they did when the table was held in
// memory, so a failed save prints no rows. Up to 256 KiB is kept in memory; beyond it an
// unnamed temporary file the system removes.
#pragma once

#include <cstdio>
#include <memory>
#include <ostream>
#include <sstream>
#include <string>

#include "files/temporary_file.h"
#include "tank/capacity_table.h"

namespace quorvel::cli {

class SpooledText {
  public:
    // The row as printRow prints it. Throws FileError when the temporary file cannot be made or
    // the folder is full.
    void appendRow(const TableRow& row);

    // Everything appended, in order, to `out`. Throws FileError when it cannot be read back.
    void copyTo(std::ostream& out);

  private:
    void flush();
    TemporaryFile file_;       // made at the first flush
    std::string held_;         // text not yet written
    std::ostringstream line_;  // one row's text, reused
};

}  // namespace quorvel::cli
