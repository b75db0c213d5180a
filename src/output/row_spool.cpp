#include "output/row_spool.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <string_view>
#include <type_traits>

#include "files/temporary_file.h"

namespace quorvel {
namespace {

static_assert(std::is_trivially_copyable_v<RowNumbers> && sizeof(RowNumbers) == 24);

constexpr std::size_t kPendingRows = 4096;  // 96 KiB written at a time
constexpr std::string_view kPurpose = "the table's rows";

}  // namespace

RowSpool::RowSpool() {
    pending_.reserve(kPendingRows);
}

void RowSpool::append(const TableRow& row) {
    const LevelAndVolume cells = parseTableRow(row.text);
    pending_.push_back(
        {cells.level, cells.volume, row.weight.empty() ? 0.0 : parseRowNumber(row.weight)});
    ++size_;
    if (pending_.size() == kPendingRows) {
        flush();
    }
}

void RowSpool::flush() {
    if (pending_.empty()) {
        return;
    }
    if (!file_) {
        file_ = openTemporaryFile(kPurpose);
    }
    errno = 0;
    if (std::fwrite(pending_.data(), sizeof(RowNumbers), pending_.size(), file_.get()) !=
            pending_.size() ||
        std::fflush(file_.get()) != 0) {
        throw temporaryFileError(kPurpose, errno);
    }
    pending_.clear();
}

void RowSpool::read(std::size_t first, std::size_t count, RowNumbers* out) const {
    // Rows still pending are read from memory; the rest with one positioned read.
    const std::size_t written = size_ - pending_.size();
    std::size_t k = 0;
    if (first < written) {
        const std::size_t fromFile = std::min(count, written - first);
        const auto bytes = static_cast<ssize_t>(fromFile * sizeof(RowNumbers));
        const auto offset = static_cast<off_t>(first * sizeof(RowNumbers));
        if (::pread(::fileno(file_.get()), out, static_cast<std::size_t>(bytes), offset) != bytes) {
            throw temporaryFileError(kPurpose, errno);
        }
        k = fromFile;
    }
    for (; k < count; ++k) {
        out[k] = pending_[first + k - written];
    }
}

}  // namespace quorvel
