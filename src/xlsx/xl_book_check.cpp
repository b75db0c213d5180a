#include "xlsx/xl_book_check.h"

#include <expat.h>
#include <zip.h>

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

// The last row of a range ("A1:K24" gives 24); 0 for one cell, which an empty sheet names.
long lastRowOf(const char* ref) {
    const char* colon = std::strrchr(ref, ':');
    if (colon == nullptr)
        return 0;
    const char* cell = colon + 1;
    while (*cell != '\0' && (*cell < '0' || *cell > '9'))
        ++cell;
    return std::strtol(cell, nullptr, 10);
}

// What a worksheet's XML says of its rows: the last row its dimension names, the last one
// it holds.
struct SheetRows {
    long dimensionLast = 0;
    long lastSeen = 0;
};

void XMLCALL startElement(void* data, const XML_Char* name, const XML_Char** attributes) {
    auto* rows = static_cast<SheetRows*>(data);
    const bool dimension = std::strcmp(name, "dimension") == 0;
    if (!dimension && std::strcmp(name, "row") != 0)
        return;
    for (const XML_Char** a = attributes; *a != nullptr; a += 2) {
        if (dimension && std::strcmp(a[0], "ref") == 0) {
            rows->dimensionLast = lastRowOf(a[1]);
        } else if (!dimension && std::strcmp(a[0], "r") == 0) {
            rows->lastSeen = std::strtol(a[1], nullptr, 10);
        }
    }
}

// The damage of one part, if any.
std::optional<WorkbookDamage> partDamage(zip_t* zip, zip_uint64_t index) {
    const char* name = zip_get_name(zip, index, ZIP_FL_ENC_RAW);
    const std::string part = name != nullptr ? name : "?";
    std::unique_ptr<zip_file_t, CloseEntry> entry(zip_fopen_index(zip, index, 0));
    if (!entry) {
        return WorkbookDamage{true, part + ": " + zip_strerror(zip)};
    }
    const bool xml = endsWith(part, ".xml") || endsWith(part, ".rels");
    const bool sheet = part.starts_with("xl/worksheets/") && endsWith(part, ".xml");
    std::unique_ptr<XML_ParserStruct, FreeParser> parser(xml ? XML_ParserCreate(nullptr) : nullptr);
    SheetRows rows;
    if (sheet) {
        XML_SetUserData(parser.get(), &rows);
        XML_SetStartElementHandler(parser.get(), startElement);
    }
    std::vector<char> buffer(std::size_t{1} << 16);
    for (;;) {
        const zip_int64_t n = zip_fread(entry.get(), buffer.data(), buffer.size());
        if (n < 0) {  // a checksum that does not match, a stream that does not inflate
            return WorkbookDamage{true, part + ": " + zip_file_strerror(entry.get())};
        }
        if (parser && XML_Parse(parser.get(), buffer.data(), static_cast<int>(n), n == 0) ==
                          XML_STATUS_ERROR) {
            return WorkbookDamage{
                false, part + ": " + XML_ErrorString(XML_GetErrorCode(parser.get())) + " at line " +
                           std::to_string(XML_GetCurrentLineNumber(parser.get()))};
        }
        if (n == 0)
            break;
    }
    if (sheet && rows.lastSeen < rows.dimensionLast) {
        return WorkbookDamage{false, part + ": the rows end at " + std::to_string(rows.lastSeen) +
                                         " of " + std::to_string(rows.dimensionLast)};
    }
    return std::nullopt;
}

}  // namespace

std::optional<WorkbookDamage> workbookDamage(const std::string& path) {
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
        if (auto damage = partDamage(zip.get(), i)) {
            return damage;
        }
    }
    return std::nullopt;
}

}  // namespace quorvel
