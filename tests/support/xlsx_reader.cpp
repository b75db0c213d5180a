#include "support/xlsx_reader.h"

#include <sys/wait.h>

#include <charconv>
#include <cstdio>
#include <sstream>
#include <stdexcept>

namespace quorvel::testsupport {
namespace {

std::string unescapeField(const std::string& field) {
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] != '\\' || i + 1 == field.size()) {
            out += field[i];
            continue;
        }
        const char c = field[++i];
        out += c == 't' ? '\t' : c == 'r' ? '\r' : c == 'n' ? '\n' : c;
    }
    return out;
}

std::vector<std::string> splitTabs(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab - start));
        if (tab == std::string::npos)
            break;
        start = tab + 1;
    }
    return fields;
}

double toNumber(const std::string& text) {
    double value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        throw std::runtime_error("reader printed a bad number: " + text);
    }
    return value;
}

std::string shellQuote(const std::string& text) {
    std::string out = "'";
    for (char c : text) {
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return out + "'";
}

}  // namespace

const ReadCell& ReadSheet::at(int row, int col) const {
    auto it = cells.find({row, col});
    if (it == cells.end()) {
        throw std::runtime_error("no cell at row " + std::to_string(row) + ", column " +
                                 std::to_string(col));
    }
    return it->second;
}

ReadBook readXlsx(const std::string& path) {
    const std::string command = "/usr/bin/python3 " + shellQuote(QUORVEL_XLSX_DUMP_SCRIPT) + " " +
                                shellQuote(path) + " 2>&1";
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) {
        throw std::runtime_error("cannot run " + command);
    }
    std::string output;
    char buffer[65536];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        output.append(buffer, n);
    }
    const int status = ::pclose(pipe);
    if (status == -1 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        throw std::runtime_error("the reader failed on " + path + ":\n" + output);
    }

    ReadBook book;
    std::istringstream lines(output);
    std::string line;
    while (std::getline(lines, line)) {
        const std::vector<std::string> f = splitTabs(line);
        if (f[0] == "sheet") {
            book.sheets.push_back({});
            book.sheets.back().name = unescapeField(f.at(1));
            continue;
        }
        if (book.sheets.empty()) {
            throw std::runtime_error("reader output without a sheet: " + line);
        }
        ReadSheet& sheet = book.sheets.back();
        if (f[0] == "cell" && f.size() == 14) {
            ReadCell cell;
            cell.isText = f[3] == "s";
            if (cell.isText) {
                cell.text = unescapeField(f[4]);
            } else {
                cell.number = toNumber(f[4]);
            }
            cell.font = unescapeField(f[5]);
            cell.bold = f[6] == "1";
            cell.size = toNumber(f[7]);
            cell.alignH = f[8];
            cell.alignV = f[9];
            cell.shrink = f[10] == "1";
            cell.fillPattern = f[11];
            cell.fillRgb = f[12];
            cell.numberFormat = unescapeField(f[13]);
            sheet.cells[{std::stoi(f[1]), std::stoi(f[2])}] = cell;
        } else if (f[0] == "row" && f.size() == 4) {
            const int row = std::stoi(f[1]);
            if (f[2] != "-")
                sheet.rowHeights[row] = toNumber(f[2]);
            if (f[3] != "-")
                sheet.rowFonts[row] = unescapeField(f[3]);
        } else if (f[0] == "col" && f.size() == 3) {
            sheet.colWidths[std::stoi(f[1])] = toNumber(f[2]);
        } else if (f[0] == "merge" && f.size() == 5) {
            sheet.merges.push_back(
                {std::stoi(f[1]), std::stoi(f[2]), std::stoi(f[3]), std::stoi(f[4])});
        } else {
            throw std::runtime_error("unexpected reader output: " + line);
        }
    }
    return book;
}

}  // namespace quorvel::testsupport
