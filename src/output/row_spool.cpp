#include "output/row_spool.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <string_view>
#include <type_traits>

#include "files/temporary_file.h"

namespace quorvel {
namespace {

static_assert(std::is_trivially_copyable_v<RowNumbers> && sizeof(RowNumbers) == 32);

constexpr std::size_t kPendingRows = 4096;  // 128 KiB written at a time
constexpr std::size_t kWindowBytes = 64 * 1024;
constexpr std::string_view kPurpose = "the table's rows";

}  // namespace

RowSpool::RowSpool() : lines_(kPurpose) {
    pending_.reserve(kPendingRows);
}

void RowSpool::append(const TableRow& row) {
    const LevelAndVolume cells = parseTableRow(row.text);
    pending_.push_back({cells.level, cells.volume,
                        row.weight.empty() ? 0.0 : parseRowNumber(row.weight),
                        row.uncertainty.empty() ? 0.0 : parseRowNumber(row.uncertainty)});
    ++size_;
    weights_ = !row.weight.empty();
    uncertainties_ = !row.uncertainty.empty();
    lines_.append(row.text);
    if (weights_) {
        lines_.append(",");
        lines_.append(row.weight);
    }
    if (uncertainties_) {
        lines_.append(",");
        lines_.append(row.uncertainty);
    }
    lines_.append("\n");
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

void RowSpool::readLine(std::size_t i) const {
    if (i < nextRow_) {
        nextRow_ = 0;  // back to the first row
        nextByte_ = 0;
    }
    const std::size_t total = lines_.size();
    for (;;) {
        // The window holds [windowStart_, windowStart_ + size); refill it from nextByte_.
        if (nextByte_ < windowStart_ || nextByte_ >= windowStart_ + window_.size()) {
            window_.resize(std::min(kWindowBytes, total - nextByte_));
            lines_.read(nextByte_, window_.size(), window_.data());
            windowStart_ = nextByte_;
        }
        const std::size_t from = nextByte_ - windowStart_;
        const std::size_t end = window_.find('\n', from);
        if (end == std::string::npos) {
            // A line across the window's end: the window moves to its start, twice as wide
            // as the part it had of it when that is longer than a window.
            const std::size_t need = std::max(kWindowBytes, 2 * (window_.size() - from));
            windowStart_ = nextByte_;
            window_.resize(std::min(need, total - nextByte_));
            lines_.read(nextByte_, window_.size(), window_.data());
            continue;
        }
        const std::size_t row = nextRow_++;
        nextByte_ = windowStart_ + end + 1;
        if (row == i) {
            line_.assign(window_, from, end - from);
            return;
        }
    }
}

RowTexts RowSpool::texts(std::size_t i) const {
    readLine(i);
    std::string_view line = line_;
    std::string_view uncertainty;
    if (uncertainties_) {
        const auto comma = line.rfind(',');
        uncertainty = line.substr(comma + 1);
        line = line.substr(0, comma);
    }
    if (!weights_) {
        return splitRowText(line, {}, uncertainty);
    }
    const auto weightComma = line.rfind(',');
    return splitRowText(line.substr(0, weightComma), line.substr(weightComma + 1), uncertainty);
}

}  // namespace quorvel
