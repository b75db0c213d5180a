#include "store/upright_file.h"

#include <cerrno>
#include <optional>
#include <string_view>
#include <vector>

#include "files/atomic_file.h"
#include "files/read_file.h"

namespace quorvel {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kCourseTag = "course";
constexpr std::string_view kDeadwoodTag = "deadwood";
// A damaged line is named with at most this many bytes of it.
constexpr std::size_t kShownBytes = 60;

bool storable(const std::string& cell) {
    for (const char c : cell) {
        if (c < 0x20 || c > 0x7e || c == ',') {
            return false;
        }
    }
    return true;
}

template <typename Row>
void appendRow(std::string& out, std::string_view tag, const Row& row, std::string_view what,
               std::size_t n, const std::string& path) {
    out += tag;
    for (const std::string& cell : row) {
        if (!storable(cell)) {
            throw FileError(std::string(what) + " " + std::to_string(n) + " holds \"" + cell +
                                "\", which " + kUprightFileName + " cannot store",
                            path);
        }
        out += ',';
        out += cell;
    }
    out += kLineEnd;
}

std::vector<std::string> splitAtCommas(std::string_view line) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = line.find(',', start);
        parts.emplace_back(line.substr(start, comma - start));
        if (comma == std::string_view::npos) {
            return parts;
        }
        start = comma + 1;
    }
}

template <typename Row>
bool readRow(const std::vector<std::string>& parts, std::vector<Row>& rows) {
    if (parts.size() != Row().size() + 1 || rows.size() >= kMaxUprightRows) {
        return false;
    }
    Row row;
    for (std::size_t i = 0; i < row.size(); ++i) {
        if (!storable(parts[i + 1])) {
            return false;
        }
        row[i] = parts[i + 1];
    }
    rows.push_back(std::move(row));
    return true;
}

}  // namespace

UprightFileError::UprightFileError(const std::string& path, int line, std::string text)
    : FileError(path + ": line " + std::to_string(line) + " is no course or deadwood row", path),
      line(line),
      text(std::move(text)) {}

void saveUprightRows(const UprightRows& rows, const std::string& path) {
    std::string out(kUprightFileHeader);
    out += kLineEnd;
    for (std::size_t i = 0; i < rows.courses.size(); ++i) {
        appendRow(out, kCourseTag, rows.courses[i], "course", i + 1, path);
    }
    for (std::size_t i = 0; i < rows.deadwood.size(); ++i) {
        appendRow(out, kDeadwoodTag, rows.deadwood[i], "deadwood row", i + 1, path);
    }
    writeFileAtomically(path, out);
}

UprightRows loadUprightRows(const std::string& path) {
    const std::optional<std::string> bytes = readFileIfExists(path);
    if (!bytes) {
        throw FileError(path + ": no such file", path, ENOENT);
    }
    UprightRows rows;
    std::string_view rest = *bytes;
    for (int number = 1; !rest.empty(); ++number) {
        const std::size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        const std::vector<std::string> parts = splitAtCommas(line);
        const bool read = number == 1                ? line == kUprightFileHeader
                          : parts[0] == kCourseTag   ? readRow(parts, rows.courses)
                          : parts[0] == kDeadwoodTag ? readRow(parts, rows.deadwood)
                                                     : false;
        if (!read) {
            // Shown in a box: any byte that is not printable ASCII stands as "?".
            std::string shown(line.substr(0, kShownBytes));
            for (char& c : shown) {
                c = c < 0x20 || c > 0x7e ? '?' : c;
            }
            throw UprightFileError(path, number, std::move(shown));
        }
    }
    return rows;
}

}  // namespace quorvel
