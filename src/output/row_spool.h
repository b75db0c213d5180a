// A capacity table's rows kept on disk while they are computed, for the workbook of a table
// too long to hold (a million rows): each row as the three numbers the sheet shows, 24 bytes
// in an unnamed temporary file of the temporary folder ($TMPDIR, files/temporary_file.h) that
// the system removes when it is closed. Memory stays a few
// kilobytes whatever the length; the workbook reads the rows back in runs (TableRowNumbers).
#pragma once

#include <cstdio>
#include <memory>
#include <string_view>
#include <vector>

#include "files/temporary_file.h"
#include "output/table_rows.h"
#include "tank/capacity_table.h"

namespace quorvel {

class RowSpool final : public TableRowNumbers {
  public:
    // The temporary file (in the temporary folder) is made only when
    // the rows outgrow the few thousand kept in memory, so a short table never touches disk.
    RowSpool();

    // Adds a row of the walk: its text "level,litres" and, with weights, its weight text,
    // parsed as the held table's rows are (ConversionError for one that is not a number).
    // Throws FileError when the temporary file cannot be made or the folder is full.
    void append(const TableRow& row);

    std::size_t size() const override { return size_; }
    // Throws FileError when the file cannot be read back.
    void read(std::size_t first, std::size_t count, RowNumbers* out) const override;

  private:
    void flush();
    TemporaryFile file_;               // made at the first flush
    std::vector<RowNumbers> pending_;  // rows not yet written, at most kPendingRows
    std::size_t size_ = 0;
};

}  // namespace quorvel
