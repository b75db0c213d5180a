#include "cli/spooled_text.h"

#include <cerrno>

#include "cli/table_printing.h"
#include "files/temporary_file.h"

namespace quorvel::cli {
namespace {

constexpr std::size_t kHeldBytes = 256 * 1024;
constexpr std::string_view kPurpose = "the table's printed rows";

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
        file_ = openTemporaryFile(kPurpose);
    }
    errno = 0;
    if (std::fwrite(held_.data(), 1, held_.size(), file_.get()) != held_.size()) {
        throw temporaryFileError(kPurpose, errno);
    }
    held_.clear();
}

void SpooledText::copyTo(std::ostream& out) {
    if (file_) {
        errno = 0;
        if (std::fflush(file_.get()) != 0 || std::fseek(file_.get(), 0, SEEK_SET) != 0) {
            throw temporaryFileError(kPurpose, errno);
        }
        char buffer[1 << 16];
        std::size_t n = 0;
        while ((n = std::fread(buffer, 1, sizeof buffer, file_.get())) > 0) {
            out.write(buffer, static_cast<std::streamsize>(n));
        }
        if (std::ferror(file_.get())) {
            throw temporaryFileError(kPurpose, errno);
        }
    }
    out << held_;
}

}  // namespace quorvel::cli
