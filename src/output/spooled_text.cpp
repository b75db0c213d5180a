#include "output/spooled_text.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

namespace quorvel {
namespace {

constexpr std::size_t kHeldBytes = 256 * 1024;

}  // namespace

void SpooledText::append(std::string_view text) {
    held_ += text;
    if (held_.size() >= kHeldBytes) {
        flush();
    }
}

void SpooledText::flush() {
    if (!file_) {
        file_ = openTemporaryFile(purpose_);
    }
    errno = 0;
    if (std::fwrite(held_.data(), 1, held_.size(), file_.get()) != held_.size() ||
        std::fflush(file_.get()) != 0) {
        throw temporaryFileError(purpose_, errno);
    }
    written_ += held_.size();
    held_.clear();
}

void SpooledText::read(std::size_t offset, std::size_t count, char* out) const {
    // Bytes still held are read from memory; the rest with positioned reads.
    while (count > 0 && offset < written_) {
        const std::size_t n = std::min(count, written_ - offset);
        errno = 0;
        const ssize_t got = ::pread(::fileno(file_.get()), out, n, static_cast<off_t>(offset));
        if (got <= 0) {
            throw temporaryFileError(purpose_, errno);
        }
        const auto done = static_cast<std::size_t>(got);
        out += done;
        offset += done;
        count -= done;
    }
    if (count > 0) {
        held_.copy(out, count, offset - written_);
    }
}

void SpooledText::copyTo(std::ostream& out) const {
    char buffer[1 << 16];
    for (std::size_t offset = 0; offset < written_;) {
        const std::size_t n = std::min(sizeof buffer, written_ - offset);
        read(offset, n, buffer);
        out.write(buffer, static_cast<std::streamsize>(n));
        offset += n;
    }
    out << held_;
}

}  // namespace quorvel
