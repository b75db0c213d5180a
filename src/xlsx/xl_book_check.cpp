#include "xlsx/xl_book_check.h"

#include <expat.h>
#include <zip.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string_view>
#include <vector>

namespace quorvel {
namespace {

struct CloseZip {
    void operator()(zip_t* z) const { zip_discard(z); }
};
struct CloseEntry {
    void operator()(zip_file_t* f) const { zip_fclose(f); }
};
struct FreeParser {
    void operator()(XML_Parser p) const { XML_ParserFree(p); }
};

bool endsWith(std::string_view name, std::string_view suffix) {
    return name.size() >= suffix.size() && name.substr(name.size() - suffix.size()) == suffix;
}

// The sheet number N of "xl/worksheets/sheetN.xml", or 0 for any other part.
std::size_t sheetNumber(const std::string& part) {
    constexpr std::string_view kPrefix = "xl/worksheets/sheet";
    if (!part.starts_with(kPrefix) || !endsWith(part, ".xml"))
        return 0;
    return std::strtoul(part.c_str() + kPrefix.size(), nullptr, 10);
}

// A worksheet read as it streams by, at the speed of a byte search: it must open as XML and
// close its root, and its rows and cells are counted by their start tags ("<row ", "<c "),
// which nothing else in the part looks like (a text's "<" is written "&lt;"). What the
// library's temporary files lose is runs of whole kilobytes — rows and cells — or an end.
class SheetScan {
  public:
    void feed(std::string_view chunk) {
        if (head_.size() < kHead.size())
            head_.append(chunk.substr(0, kHead.size() - head_.size()));
        window_.append(chunk);
        std::size_t at = from_;
        // A tag that may go on in the next chunk waits for it.
        while ((at = window_.find('<', at)) != std::string::npos &&
               window_.size() - at >= kLongestTag) {
            const std::string_view tag(window_.data() + at + 1, kLongestTag - 1);
            counts_.rows += tag == "row " ? 1 : 0;
            counts_.cells += tag.starts_with("c ") ? 1 : 0;
            ++at;
        }
        from_ = at == std::string::npos ? window_.size() : at;
        // Only the end is kept beyond what is still to be read.
        const std::size_t done =
            std::min(from_, window_.size() - std::min(window_.size(), kTail.size()));
        window_.erase(0, done);
        from_ -= done;
    }
    // What is wrong with the part read, given what it is to hold; empty when nothing is.
    std::string problem(const XlSheetCounts& given) {
        std::string_view end(window_);
        while (!end.empty() && std::strchr(" \t\r\n", end.back()) != nullptr)
            end.remove_suffix(1);
        if (head_ != kHead || !end.ends_with(kTail))
            return "not whole XML";
        feed(std::string(kLongestTag, ' '));  // counts a tag at the very end
        if (counts_.rows != given.rows || counts_.cells != given.cells) {
            return std::to_string(counts_.rows) + " rows and " + std::to_string(counts_.cells) +
                   " cells of " + std::to_string(given.rows) + " and " +
                   std::to_string(given.cells);
        }
        return {};
    }

  private:
    static constexpr std::string_view kHead = "<?xml";
    static constexpr std::string_view kTail = "</worksheet>";
    static constexpr std::size_t kLongestTag = 5;  // "<row "
    std::string head_, window_;
    std::size_t from_ = 0;  // where in window_ the search goes on
    XlSheetCounts counts_;
};

// The damage of one part, if any: a worksheet of `sheets` scanned, any other XML part parsed.
std::optional<WorkbookDamage> partDamage(zip_t* zip, zip_uint64_t index,
                                         const std::vector<XlSheetCounts>& sheets) {
    const char* name = zip_get_name(zip, index, ZIP_FL_ENC_RAW);
    const std::string part = name != nullptr ? name : "?";
    std::unique_ptr<zip_file_t, CloseEntry> entry(zip_fopen_index(zip, index, 0));
    if (!entry) {
        return WorkbookDamage{true, part + ": " + zip_strerror(zip)};
    }
    const std::size_t sheet = sheetNumber(part);
    const bool scanned = sheet > 0 && sheet <= sheets.size();
    const bool xml = endsWith(part, ".xml") || endsWith(part, ".rels");
    std::unique_ptr<XML_ParserStruct, FreeParser> parser(xml && !scanned ? XML_ParserCreate(nullptr)
                                                                         : nullptr);
    SheetScan scan;
    std::vector<char> buffer(std::size_t{1} << 16);
    for (;;) {
        const zip_int64_t n = zip_fread(entry.get(), buffer.data(), buffer.size());
        if (n < 0) {  // a checksum that does not match, a stream that does not inflate
            return WorkbookDamage{true, part + ": " + zip_file_strerror(entry.get())};
        }
        if (scanned) {
            scan.feed(std::string_view(buffer.data(), static_cast<std::size_t>(n)));
        } else if (parser && XML_Parse(parser.get(), buffer.data(), static_cast<int>(n), n == 0) ==
                                 XML_STATUS_ERROR) {
            return WorkbookDamage{
                false, part + ": " + XML_ErrorString(XML_GetErrorCode(parser.get())) + " at line " +
                           std::to_string(XML_GetCurrentLineNumber(parser.get()))};
        }
        if (n == 0)
            break;
    }
    if (scanned) {
        if (std::string problem = scan.problem(sheets[sheet - 1]); !problem.empty()) {
            return WorkbookDamage{false, part + ": " + problem};
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<WorkbookDamage> workbookDamage(const std::string& path,
                                             const std::vector<XlSheetCounts>& sheets) {
    int error = 0;
    std::unique_ptr<zip_t, CloseZip> zip(
        zip_open(path.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &error));
    if (!zip) {
        zip_error_t e;
        zip_error_init_with_code(&e, error);
        WorkbookDamage damage{true, zip_error_strerror(&e)};
        zip_error_fini(&e);
        return damage;
    }
    const zip_int64_t parts = zip_get_num_entries(zip.get(), 0);
    if (parts <= 0) {
        return WorkbookDamage{true, "the file holds no part"};
    }
    for (zip_uint64_t i = 0; i < static_cast<zip_uint64_t>(parts); ++i) {
        if (auto damage = partDamage(zip.get(), i, sheets)) {
            return damage;
        }
    }
    return std::nullopt;
}

}  // namespace quorvel
