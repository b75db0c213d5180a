// A capacity table's rows kept on disk while they are computed, for the documents of a table
// too long to hold (a million rows): each row as the three numbers the sheet shows, 24 bytes,
// (32 bytes with the expanded uncertainty's place), and as its printed texts, one line
// "level,litres[,kg][,U]" each, in unnamed temporary files of
// the temporary folder ($TMPDIR, files/temporary_file.h) that the system removes when they are
// closed. Memory stays a few hundred kilobytes whatever the length; the workbook reads the
// numbers back in runs, the PDF and the printed rows the texts in order.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "files/temporary_file.h"
#include "output/spooled_text.h"
#include "output/table_rows.h"
#include "tank/capacity_table.h"

namespace quorvel {

class RowSpool final : public TableRows {
  public:
    // The temporary files are made only when the rows outgrow what is kept in memory, so a
    // short table never touches disk.
    RowSpool();

    // Adds a row of the walk: its text "level,litres" and, with weights, its weight text,
    // parsed as the held table's rows are (ConversionError for one that is not a number).
    // Throws FileError when a temporary file cannot be made or the folder is full.
    void append(const TableRow& row);

    std::size_t size() const override { return size_; }
    // Throws FileError when the file cannot be read back.
    void read(std::size_t first, std::size_t count, RowNumbers* out) const override;
    RowTexts texts(std::size_t i) const override;
    std::size_t weightCount() const override { return weights_ ? size_ : 0; }
    std::size_t uncertaintyCount() const override { return uncertainties_ ? size_ : 0; }

  private:
    void flush();
    // Moves the text cursor to the start of row i's line and reads the line into line_.
    void readLine(std::size_t i) const;

    TemporaryFile file_;               // the numbers, made at the first flush
    std::vector<RowNumbers> pending_;  // rows not yet written, at most kPendingRows
    std::size_t size_ = 0;
    SpooledText lines_;
    // The texts read back in order: the row and byte offset the cursor stands at, a window of
    // the file and the last line read.
    mutable std::size_t nextRow_ = 0;
    mutable std::size_t nextByte_ = 0;
    mutable std::string window_;
    mutable std::size_t windowStart_ = 0;
    mutable std::string line_;
    bool weights_ = false;
    bool uncertainties_ = false;
};

}  // namespace quorvel
