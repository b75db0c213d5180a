// Text held back on disk: what is written while a long table is walked (its rows' texts, the
// printed rows of a comparison) and read back once the table's documents are written. Up to
// 256 KiB is kept in memory; beyond it an unnamed temporary file of the temporary folder
// ($TMPDIR, files/temporary_file.h) that the system removes when it is closed. Memory stays a
// few hundred kilobytes whatever the length.
#pragma once

#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>

#include "files/temporary_file.h"

namespace quorvel {

class SpooledText {
  public:
    // `purpose` names the text in a failure ("the table's rows").
    explicit SpooledText(std::string_view purpose) : purpose_(purpose) {}

    // Throws FileError when the temporary file cannot be made or the folder is full.
    void append(std::string_view text);

    // The bytes appended so far.
    std::size_t size() const { return written_ + held_.size(); }

    // Bytes offset … offset + count − 1 into `out`; requires offset + count ≤ size(). Throws
    // FileError when the file cannot be read back.
    void read(std::size_t offset, std::size_t count, char* out) const;

    // Everything appended, in order, to `out`. Throws FileError when it cannot be read back.
    void copyTo(std::ostream& out) const;

  private:
    void flush();
    std::string_view purpose_;
    TemporaryFile file_;       // made at the first flush
    std::string held_;         // text not yet written
    std::size_t written_ = 0;  // bytes in the file
};

}  // namespace quorvel
