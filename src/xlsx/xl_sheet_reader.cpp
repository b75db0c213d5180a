#include "xlsx/xl_sheet_reader.h"

#include <expat.h>
#include <zip.h>

#include <cerrno>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string_view>

#include "files/file_error.h"
#include "files/read_file.h"

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

// An element's or attribute's name without its namespace prefix ("x:c" → "c"): writers
// differ in whether they bind SpreadsheetML to the default namespace.
std::string_view localName(const char* name) {
    std::string_view n(name);
    const std::size_t colon = n.rfind(':');
    return colon == std::string_view::npos ? n : n.substr(colon + 1);
}

const char* attribute(const char** atts, std::string_view name) {
    for (; atts[0] != nullptr; atts += 2) {
        if (localName(atts[0]) == name)
            return atts[1];
    }
    return nullptr;
}

// A part's handler: its start and end tags and its character data.
class PartHandler {
  public:
    virtual ~PartHandler() = default;
    virtual void start(std::string_view name, const char** atts) = 0;
    virtual void end(std::string_view name) = 0;
    virtual void text(std::string_view) {}
};

class PartReader {
  public:
    PartReader(zip_t* zip, const std::string& path) : zip_(zip), path_(path) {}

    // Whether the zip holds `part`.
    bool has(const std::string& part) const { return zip_name_locate(zip_, part.c_str(), 0) >= 0; }

    // Streams `part` through `handler`.
    void read(const std::string& part, PartHandler& handler) const {
        std::unique_ptr<zip_file_t, CloseEntry> entry(zip_fopen(zip_, part.c_str(), 0));
        if (!entry)
            fail(part + ": " + zip_strerror(zip_));
        std::unique_ptr<XML_ParserStruct, FreeParser> parser(XML_ParserCreate("UTF-8"));
        XML_SetUserData(parser.get(), &handler);
        XML_SetElementHandler(
            parser.get(),
            [](void* data, const char* name, const char** atts) {
                static_cast<PartHandler*>(data)->start(localName(name), atts);
            },
            [](void* data, const char* name) {
                static_cast<PartHandler*>(data)->end(localName(name));
            });
        XML_SetCharacterDataHandler(parser.get(), [](void* data, const char* s, int len) {
            static_cast<PartHandler*>(data)->text(
                std::string_view(s, static_cast<std::size_t>(len)));
        });
        std::vector<char> buffer(std::size_t{1} << 16);
        std::size_t total = 0;
        for (;;) {
            const zip_int64_t n = zip_fread(entry.get(), buffer.data(), buffer.size());
            if (n < 0)
                fail(part + ": " + zip_file_strerror(entry.get()));
            total += static_cast<std::size_t>(n);
            if (total > kMaxWorkbookPartBytes)
                fail(part + ": inflates beyond " + std::to_string(kMaxWorkbookPartBytes) +
                     " bytes");
            if (XML_Parse(parser.get(), buffer.data(), static_cast<int>(n), n == 0) ==
                XML_STATUS_ERROR) {
                fail(part + ": " + XML_ErrorString(XML_GetErrorCode(parser.get())) + " at line " +
                     std::to_string(XML_GetCurrentLineNumber(parser.get())));
            }
            if (n == 0)
                break;
        }
    }

    [[noreturn]] void fail(const std::string& why) const {
        throw FileError("cannot read the workbook " + path_ + ": " + why, path_);
    }

  private:
    zip_t* zip_;
    const std::string& path_;
};

// xl/workbook.xml: the first sheet's name and relationship id.
class WorkbookPart : public PartHandler {
  public:
    void start(std::string_view name, const char** atts) override {
        if (name != "sheet" || found)
            return;
        found = true;
        if (const char* n = attribute(atts, "name"))
            sheetName = n;
        if (const char* id = attribute(atts, "id"))
            relationId = id;
    }
    void end(std::string_view) override {}
    bool found = false;
    std::string sheetName, relationId;
};

// xl/_rels/workbook.xml.rels: the target of one relationship.
class RelationsPart : public PartHandler {
  public:
    explicit RelationsPart(std::string id) : id_(std::move(id)) {}
    void start(std::string_view name, const char** atts) override {
        const char* id = attribute(atts, "Id");
        const char* target = attribute(atts, "Target");
        if (name == "Relationship" && id != nullptr && target != nullptr && id_ == id)
            this->target = target;
    }
    void end(std::string_view) override {}
    std::string target;

  private:
    std::string id_;
};

// xl/sharedStrings.xml: each string item's text, its runs joined, phonetic runs left out.
class SharedStringsPart : public PartHandler {
  public:
    explicit SharedStringsPart(std::size_t maxStrings) : max_(maxStrings) {}
    void start(std::string_view name, const char**) override {
        if (name == "si") {
            strings.emplace_back();
            if (strings.size() > max_)
                tooMany = true;
        } else if (name == "rPh") {
            ++phonetic_;
        } else if (name == "t" && phonetic_ == 0 && !strings.empty()) {
            inText_ = true;
        }
    }
    void end(std::string_view name) override {
        if (name == "rPh")
            --phonetic_;
        else if (name == "t")
            inText_ = false;
    }
    void text(std::string_view s) override {
        if (inText_ && !tooMany)
            strings.back().append(s);
    }
    std::vector<std::string> strings;
    bool tooMany = false;

  private:
    std::size_t max_;
    int phonetic_ = 0;
    bool inText_ = false;
};

// "B12" → column 2, row 12; nothing for a reference that is not one.
std::optional<std::pair<int, int>> cellReference(std::string_view ref) {
    int column = 0, row = 0;
    std::size_t i = 0;
    for (; i < ref.size() && ref[i] >= 'A' && ref[i] <= 'Z'; ++i) {
        column = column * 26 + (ref[i] - 'A' + 1);
        if (column > 16384)
            return std::nullopt;
    }
    const std::size_t letters = i;
    for (; i < ref.size() && ref[i] >= '0' && ref[i] <= '9'; ++i) {
        row = row * 10 + (ref[i] - '0');
        if (row > 1048576)
            return std::nullopt;
    }
    if (letters == 0 || i == letters || i != ref.size() || row == 0)
        return std::nullopt;
    return std::pair{column, row};
}

// The worksheet: every cell with a value. A cell without a reference follows the one before
// it in its row; a row without a number follows the row before it.
class SheetPart : public PartHandler {
  public:
    SheetPart(const std::vector<std::string>& strings, std::size_t maxCells,
              std::vector<XlReadCell>& cells)
        : strings_(strings), max_(maxCells), cells_(cells) {}

    void start(std::string_view name, const char** atts) override {
        if (name == "row") {
            const char* r = attribute(atts, "r");
            row_ = r != nullptr ? std::atoi(r) : row_ + 1;
            column_ = 0;
        } else if (name == "c") {
            inCell_ = true;
            value_.clear();
            inline_.clear();
            const char* r = attribute(atts, "r");
            const auto ref = r != nullptr ? cellReference(r) : std::nullopt;
            if (ref) {
                column_ = ref->first;
                row_ = ref->second;
            } else {
                ++column_;
            }
            const char* t = attribute(atts, "t");
            type_ = t != nullptr ? t : "n";
        } else if (inCell_ && name == "v") {
            target_ = &value_;
        } else if (inCell_ && name == "t" && phonetic_ == 0) {
            target_ = &inline_;  // an inline string's text (t="inlineStr")
        } else if (name == "rPh") {
            ++phonetic_;
        }
    }
    void end(std::string_view name) override {
        if (name == "v" || name == "t") {
            target_ = nullptr;
        } else if (name == "rPh") {
            --phonetic_;
        } else if (name == "c") {
            inCell_ = false;
            addCell();
        }
    }
    void text(std::string_view s) override {
        if (target_ != nullptr)
            target_->append(s);
    }
    bool tooMany = false;
    bool badString = false;

  private:
    void addCell() {
        XlReadCell cell{row_, column_, XlReadCell::Kind::Other, {}};
        if (type_ == "n" && !value_.empty()) {
            cell.kind = XlReadCell::Kind::Number;
            cell.text = value_;
        } else if (type_ == "s" && !value_.empty()) {
            const long index = std::strtol(value_.c_str(), nullptr, 10);
            if (index < 0 || static_cast<std::size_t>(index) >= strings_.size()) {
                badString = true;
                return;
            }
            cell.kind = XlReadCell::Kind::Text;
            cell.text = strings_[static_cast<std::size_t>(index)];
        } else if (type_ == "inlineStr" || type_ == "str") {
            cell.kind = XlReadCell::Kind::Text;
            cell.text = type_ == "str" ? value_ : inline_;
        } else if (!value_.empty()) {
            cell.text = value_;  // a truth value, an error, a date in ISO form
        } else {
            return;  // an empty cell, kept only for its format
        }
        if (cells_.size() >= max_) {
            tooMany = true;
            return;
        }
        cells_.push_back(std::move(cell));
    }

    const std::vector<std::string>& strings_;
    std::size_t max_;
    std::vector<XlReadCell>& cells_;
    int row_ = 0, column_ = 0, phonetic_ = 0;
    bool inCell_ = false;
    std::string type_, value_, inline_;
    std::string* target_ = nullptr;
};

// The part a relationship's target names, relative to xl/ unless it starts with "/".
std::string partOfTarget(const std::string& target) {
    if (target.starts_with('/'))
        return target.substr(1);
    return "xl/" + target;
}

}  // namespace

XlFirstSheet readFirstSheetBytes(const std::string& bytes, const std::string& path,
                                 std::size_t maxCells) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
    std::unique_ptr<zip_t, CloseZip> zip(
        source != nullptr ? zip_open_from_source(source, ZIP_RDONLY, &error) : nullptr);
    if (!zip) {
        if (source != nullptr)
            zip_source_free(source);
        const std::string why = zip_error_strerror(&error);
        zip_error_fini(&error);
        throw FileError("cannot read the workbook " + path + ": not a zip file (" + why + ")",
                        path);
    }
    zip_error_fini(&error);
    const PartReader reader(zip.get(), path);

    XlFirstSheet sheet;
    std::string sheetPart = "xl/worksheets/sheet1.xml";
    if (reader.has("xl/workbook.xml")) {
        WorkbookPart workbook;
        reader.read("xl/workbook.xml", workbook);
        sheet.name = workbook.sheetName;
        if (!workbook.relationId.empty() && reader.has("xl/_rels/workbook.xml.rels")) {
            RelationsPart relations(workbook.relationId);
            reader.read("xl/_rels/workbook.xml.rels", relations);
            if (!relations.target.empty())
                sheetPart = partOfTarget(relations.target);
        }
    }
    if (!reader.has(sheetPart))
        reader.fail("no worksheet (" + sheetPart + ")");

    SharedStringsPart strings(maxCells);
    if (reader.has("xl/sharedStrings.xml"))
        reader.read("xl/sharedStrings.xml", strings);
    if (strings.tooMany)
        reader.fail("more than " + std::to_string(maxCells) + " strings");

    SheetPart cells(strings.strings, maxCells, sheet.cells);
    reader.read(sheetPart, cells);
    if (cells.tooMany)
        reader.fail("more than " + std::to_string(maxCells) + " cells");
    if (cells.badString)
        reader.fail("a cell names a shared string that does not exist");
    return sheet;
}

XlFirstSheet readFirstSheet(const std::string& path, std::size_t maxCells) {
    const std::optional<std::string> bytes = readFileIfExists(path, kMaxWorkbookBytes);
    if (!bytes)
        throw FileError("cannot read " + path + ": no such file", path, ENOENT);
    return readFirstSheetBytes(*bytes, path, maxCells);
}

}  // namespace quorvel
