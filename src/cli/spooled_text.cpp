#include "cli/spooled_text.h"

#include <cerrno>
#include <cstring>

#include "cli/table_printing.h"
#include "files/file_error.h"

namespace quorvel::cli {
namespace {

constexpr std::size_t kHeldBytes = 256 * 1024;

// std::tmpfile makes its file in P_tmpdir; a failure names that folder and the system's cause.
FileError textSpoolError(int code) {
    std::string what = "cannot keep the table's printed rows in a temporary file in " P_tmpdir;
    if (code != 0)
        what.append(": ").append(std::strerror(code));
    return FileError(what, P_tmpdir, code);
}

}  // namespace

void SpooledText::appendRow(const TableRow& row) {
    line_.str({});
    printRow(row, line_);
    held_ += line_.view();
    if (held_.size() >= kHeldBytes) {
        flush();
    }
}

void SpooledText::flush() {
    if (!file_) {
        file_.reset(std::tmpfile());
        if (!file_) {
            throw textSpoolError(errno);
        }
    }
    errno = 0;
    if (std::fwrite(held_.data(), 1, held_.size(), file_.get()) != held_.size()) {
        throw textSpoolError(errno);
    }
    held_.clear();
}

void SpooledText::copyTo(std::ostream& out) {
    if (file_) {
        errno = 0;
        if (std::fflush(file_.get()) != 0 || std::fseek(file_.get(), 0, SEEK_SET) != 0) {
            throw textSpoolError(errno);
        }
        char buffer[1 << 16];
        std::size_t n = 0;
        while ((n = std::fread(buffer, 1, sizeof buffer, file_.get())) > 0) {
            out.write(buffer, static_cast<std::streamsize>(n));
        }
        if (std::ferror(file_.get())) {
            throw textSpoolError(errno);
        }
    }
    out << held_;
}

}  // namespace quorvel::cli
