#include "store/level_volume_file.h"

#include <algorithm>
#include <cerrno>
#include <optional>

#include "files/file_error.h"
#include "files/read_file.h"
#include "store/text_encoding.h"
#include "text/blank.h"
#include "text/number_text.h"

namespace quorvel {
namespace {

enum class Heading { None, Level, Volume, Weight, Increment };

std::string lowerAscii(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
    return lower;
}

bool holdsAny(std::string_view text, std::initializer_list<std::string_view> words) {
    return std::any_of(words.begin(), words.end(),
                       [&](std::string_view w) { return text.find(w) != std::string_view::npos; });
}

std::size_t codePoints(std::string_view utf8) {
    return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

// What a heading names. The increment is tried first ("增量L/mm" also names litres and mm),
// then the weight, the volume and the level.
Heading headingOf(std::string_view text) {
    const std::string t = lowerAscii(trimBlanks(text));
    if (t.empty() || codePoints(t) > 16 || holdsAny(t, {":", "："}))
        return Heading::None;
    if (holdsAny(t, {"增量", "/mm", "/cm", "increment", "每毫米", "每厘米"}))
        return Heading::Increment;
    if (holdsAny(t, {"重量", "质量", "weight", "mass", "kg", "吨"}))
        return Heading::Weight;
    if (holdsAny(t, {"容积", "容量", "体积", "volume", "capacity"}))
        return Heading::Volume;
    if (holdsAny(t, {"高度", "液位", "液高", "level", "height"}))
        return Heading::Level;
    return Heading::None;
}

double levelFactorOf(std::string_view heading) {
    const std::string t = lowerAscii(heading);
    return holdsAny(t, {"cm", "厘米"}) ? 10.0 : 1.0;
}

double volumeFactorOf(std::string_view heading) {
    const std::string t = lowerAscii(heading);
    return holdsAny(t, {"m3", "m³", "m^3", "立方米"}) ? 1000.0 : 1.0;
}

struct Row {
    int number = 0;
    std::vector<const XlReadCell*> cells;  // left to right

    const XlReadCell* at(int column) const {
        for (const XlReadCell* c : cells) {
            if (c->column == column)
                return c;
        }
        return nullptr;
    }
};

struct Block {
    int levelColumn = 0, volumeColumn = 0;
};

struct Band {
    std::size_t first = 0, end = 0;  // rows [first, end) of the sheet
    std::vector<Block> blocks;
    double levelFactor = 1, volumeFactor = 1;
};

std::vector<Row> rowsOf(const std::vector<XlReadCell>& cells) {
    std::vector<const XlReadCell*> sorted;
    sorted.reserve(cells.size());
    for (const XlReadCell& c : cells)
        sorted.push_back(&c);
    std::stable_sort(sorted.begin(), sorted.end(), [](const XlReadCell* a, const XlReadCell* b) {
        return a->row != b->row ? a->row < b->row : a->column < b->column;
    });
    std::vector<Row> rows;
    for (const XlReadCell* c : sorted) {
        if (rows.empty() || rows.back().number != c->row)
            rows.push_back(Row{c->row, {}});
        rows.back().cells.push_back(c);
    }
    return rows;
}

// The column pairs a heading row names; none when it names no level and volume.
std::vector<Block> blocksOf(const Row& row, double& levelFactor, double& volumeFactor) {
    std::vector<Block> blocks;
    int level = 0;
    for (const XlReadCell* c : row.cells) {
        const Heading h = c->kind == XlReadCell::Kind::Text ? headingOf(c->text) : Heading::None;
        if (h == Heading::Level) {
            level = c->column;
            levelFactor = levelFactorOf(c->text);
        } else if (h == Heading::Volume && level != 0) {
            blocks.push_back(Block{level, c->column});
            volumeFactor = volumeFactorOf(c->text);
            level = 0;
        }
    }
    return blocks;
}

std::optional<double> numberOf(const XlReadCell* cell) {
    if (cell == nullptr || cell->kind == XlReadCell::Kind::Other)
        return std::nullopt;
    return parseGeneralNumber(trimBlanks(cell->text));
}

bool isEmpty(const XlReadCell* cell) {
    return cell == nullptr || isBlankText(cell->text);
}

void readBlock(const std::vector<Row>& rows, const Band& band, const Block& block,
               LevelVolumeFile& file) {
    std::optional<std::size_t> firstNumber, lastNumber;
    for (std::size_t i = band.first; i < band.end; ++i) {
        if (numberOf(rows[i].at(block.levelColumn)) || numberOf(rows[i].at(block.volumeColumn))) {
            firstNumber = firstNumber.value_or(i);
            lastNumber = i;
        }
    }
    if (!firstNumber)
        return;
    for (std::size_t i = *firstNumber; i <= *lastNumber; ++i) {
        const XlReadCell* levelCell = rows[i].at(block.levelColumn);
        const XlReadCell* volumeCell = rows[i].at(block.volumeColumn);
        const std::optional<double> level = numberOf(levelCell);
        const std::optional<double> volume = numberOf(volumeCell);
        if (level && volume) {
            file.points.push_back(LevelVolumePoint{*level * band.levelFactor,
                                                   *volume * band.volumeFactor, rows[i].number,
                                                   block.levelColumn});
        } else if (!isEmpty(levelCell) || !isEmpty(volumeCell)) {
            const bool levelWrong = !level;
            const XlReadCell* wrong = levelWrong ? levelCell : volumeCell;
            file.notNumbers.push_back(LevelVolumeFinding{
                rows[i].number, levelWrong ? block.levelColumn : block.volumeColumn,
                wrong != nullptr ? wrong->text : std::string()});
        }
    }
}

// The text of a file as UTF-8: UTF-8 when it is (a byte-order mark is dropped), else GBK.
std::string textOf(std::string_view bytes) {
    if (bytes.starts_with(kUtf8Mark))
        bytes.remove_prefix(kUtf8Mark.size());
    return readStoredText(bytes, isUtf8(bytes)).text;
}

// One line's fields: split at tabs when it holds one, else at commas, else at semicolons,
// else at runs of blanks; each field without its blanks and enclosing double quotes.
std::vector<std::string> fieldsOf(std::string_view line) {
    char separator = ' ';
    for (char c : {'\t', ',', ';'}) {
        if (line.find(c) != std::string_view::npos) {
            separator = c;
            break;
        }
    }
    std::vector<std::string> fields;
    std::size_t at = 0;
    while (at <= line.size()) {
        std::size_t end = line.find(separator, at);
        if (end == std::string_view::npos)
            end = line.size();
        std::string_view field = trimBlanks(line.substr(at, end - at));
        if (field.size() >= 2 && field.front() == '"' && field.back() == '"')
            field = trimBlanks(field.substr(1, field.size() - 2));
        if (separator != ' ' || !field.empty())
            fields.emplace_back(field);
        at = end + 1;
    }
    return fields;
}

// A text file as the cells of a sheet: line N is row N, field K column K.
std::vector<XlReadCell> cellsOfText(std::string_view bytes) {
    const std::string text = textOf(bytes);
    const char lineEnd = text.find('\n') == std::string::npos ? '\r' : '\n';
    std::vector<XlReadCell> cells;
    std::size_t at = 0;
    for (int line = 1; at < text.size(); ++line) {
        std::size_t end = text.find(lineEnd, at);
        if (end == std::string::npos)
            end = text.size();
        std::string_view content(text.data() + at, end - at);
        if (!content.empty() && content.back() == '\r')
            content.remove_suffix(1);
        int column = 0;
        for (std::string& field : fieldsOf(content)) {
            ++column;
            if (field.empty())
                continue;
            const XlReadCell::Kind kind =
                parseGeneralNumber(field) ? XlReadCell::Kind::Number : XlReadCell::Kind::Text;
            cells.push_back(XlReadCell{line, column, kind, std::move(field)});
        }
        at = end + 1;
    }
    return cells;
}

}  // namespace

LevelVolumeFile levelVolumeOfCells(const std::vector<XlReadCell>& cells) {
    LevelVolumeFile file;
    const std::vector<Row> rows = rowsOf(cells);
    std::vector<Band> bands;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        double levelFactor = 1, volumeFactor = 1;
        std::vector<Block> blocks = blocksOf(rows[i], levelFactor, volumeFactor);
        if (blocks.empty())
            continue;
        if (!bands.empty())
            bands.back().end = i;
        bands.push_back(Band{i + 1, rows.size(), std::move(blocks), levelFactor, volumeFactor});
    }
    if (bands.empty())
        bands.push_back(Band{0, rows.size(), {Block{1, 2}}});
    file.levelFactor = bands.front().levelFactor;
    file.volumeFactor = bands.front().volumeFactor;
    for (const Band& band : bands) {
        file.blocks = std::max(file.blocks, static_cast<int>(band.blocks.size()));
        for (const Block& block : band.blocks)
            readBlock(rows, band, block, file);
    }
    return file;
}

LevelVolumeFile readLevelVolumeBytes(const std::string& bytes, const std::string& path) {
    if (bytes.starts_with(std::string_view("PK\x03\x04", 4))) {
        LevelVolumeFile file =
            levelVolumeOfCells(readFirstSheetBytes(bytes, path, kMaxLevelVolumeCells).cells);
        file.workbook = true;
        return file;
    }
    // The compound file of the earlier binary workbooks (.xls) is no text to read by lines.
    if (bytes.starts_with(std::string_view("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8))) {
        throw FileError("cannot read " + path + ": a binary (.xls) workbook, not .xlsx", path);
    }
    return levelVolumeOfCells(cellsOfText(bytes));
}

LevelVolumeFile readLevelVolumeFile(const std::string& path) {
    const std::optional<std::string> bytes = readFileIfExists(path, kMaxWorkbookBytes);
    if (!bytes)
        throw FileError("cannot read " + path + ": no such file", path, ENOENT);
    return readLevelVolumeBytes(*bytes, path);
}

}  // namespace quorvel
