// The one translation unit that compiles SimpleIni. Without conversion it treats texts as
// plain bytes, so GBK passes through it untouched; this file converts at its edges.
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

#include "store/ini_file.h"

#include <algorithm>
#include <stdexcept>

#include "files/atomic_file.h"
#include "files/read_file.h"
#include "store/text_encoding.h"

namespace quorvel {
namespace {

bool hasLineBreakOrNul(std::string_view text) {
    return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// Names are converted like values; a name that could not be found again after a save
// (trimmed, cut at '=' or ']', taken for a comment) is refused.
std::string encodeName(std::string_view name, bool isSection) {
    bool bad = hasLineBreakOrNul(name) ||
               (!name.empty() && (isBlank(name.front()) || isBlank(name.back())));
    if (isSection) {
        bad = bad || name.find(']') != std::string_view::npos;
    } else {
        bad = bad || name.empty() || name.find('=') != std::string_view::npos ||
              name.front() == ';' || name.front() == '#' || name.front() == '[';
    }
    if (bad) {
        throw std::invalid_argument("\"" + std::string(name) + "\" cannot be an INI " +
                                    (isSection ? "section" : "key") + " name");
    }
    try {
        return utf8ToGbk(name);
    } catch (const EncodingError& e) {
        throw std::invalid_argument("\"" + std::string(name) +
                                    "\" cannot be an INI name: " + e.what());
    }
}

std::string describeKey(std::string_view section, std::string_view key) {
    // Appended piece by piece: GCC 12 misreads "[" + std::string as an overlapping copy.
    std::string text("[");
    text.append(section).append("] ").append(key);
    return text;
}

bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}

// Damage the library does not survive, mended before it reads the file:
//  - It reads the file as one C string, so a NUL would end the file there. No text of this
//    file can hold one (GBK has none, and writeString refuses it): a NUL is damage, and
//    dropping it reads every line as it was written.
//  - A line that opens a section but lacks its "]" would become part of the name of the
//    section of every later key, hiding them all. It is made a comment, so the keys after it
//    stay in the section they are in and the line's text is kept.
std::string readableByTheLibrary(std::string bytes) {
    bytes.erase(std::remove(bytes.begin(), bytes.end(), '\0'), bytes.end());
    std::string out;
    out.reserve(bytes.size() + 16);
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        std::size_t end = pos;
        while (end < bytes.size() && !isLineEnd(bytes[end]))
            ++end;
        std::size_t first = pos;
        while (first < end && isBlank(bytes[first]))
            ++first;
        if (first < end && bytes[first] == '[' &&
            std::string_view(bytes).substr(first, end - first).find(']') ==
                std::string_view::npos) {
            out += ';';
        }
        while (end < bytes.size() && isLineEnd(bytes[end]))
            ++end;
        out.append(bytes, pos, end - pos);
        pos = end;
    }
    return out;
}

// A value's text that the library would not read back as it is: it trims blanks (spaces and
// tabs) from both ends, and the INI routines of the earlier platform also drop a pair of
// quotes around a value. Such a text is stored between double quotes, which a read removes.
bool needsQuotes(std::string_view text) {
    if (text.empty())
        return false;
    const bool quoted = text.size() >= 2 && text.front() == text.back() &&
                        (text.front() == '"' || text.front() == '\'');
    return quoted || isBlank(text.front()) || isBlank(text.back());
}

// A stored value without the pair of quotes around it, if it has one.
std::string_view unquoted(std::string_view stored) {
    if (stored.size() >= 2 && stored.front() == stored.back() &&
        (stored.front() == '"' || stored.front() == '\'')) {
        return stored.substr(1, stored.size() - 2);
    }
    return stored;
}

// A file an editor saved as UTF-8 (isUtf8File), in the program's own bytes: each line's
// name and value converted as the program stores them, so that every later read and write
// sees one encoding. The first save then writes the whole file in it.
std::string inStoredEncoding(std::string_view utf8) {
    if (utf8.starts_with(kUtf8Mark))
        utf8.remove_prefix(kUtf8Mark.size());
    std::string out;
    out.reserve(utf8.size());
    while (!utf8.empty()) {
        std::size_t end = utf8.find('\n');
        end = end == std::string_view::npos ? utf8.size() : end + 1;
        const std::string_view line = utf8.substr(0, end);
        utf8.remove_prefix(end);
        const std::size_t first = line.find_first_not_of(" \t");
        const std::size_t equals = line.find('=');
        const bool isKey = first != std::string_view::npos && equals != std::string_view::npos &&
                           std::string_view(";#[").find(line[first]) == std::string_view::npos;
        if (isKey) {
            out += storedBytes(line.substr(0, equals));
            out += '=';
            out += storedBytes(line.substr(equals + 1));
        } else {
            out += storedBytes(line);
        }
    }
    return out;
}

}  // namespace

std::optional<UnstorableValue> whyUnstorable(std::string_view value) {
    if (hasLineBreakOrNul(value))
        return UnstorableValue::LineBreak;
    if (!isUtf8(value))
        return UnstorableValue::NotText;
    return std::nullopt;
}

// Loaded in multi-key mode, so that every line of a repeated key (or of a repeated section,
// which the library merges into the first) is kept and saved again. Lookups find the first
// of them; writes switch the mode off so that they replace that first one in place.
struct IniFile::Store {
    CSimpleIniA ini{false, true, false};
};

IniFile::IniFile(std::string path, bool readFile)
    : path_(std::move(path)), store_(std::make_unique<Store>()) {
    store_->ini.SetSpaces(false);
    if (std::optional<std::string> bytes =
            readFile ? readFileIfExists(path_) : std::optional<std::string>()) {
        if (isUtf8File(*bytes)) {
            *bytes = inStoredEncoding(*bytes);
        }
        if (store_->ini.LoadData(readableByTheLibrary(std::move(*bytes))) < 0) {
            throw FileError("cannot read " + path_ + ": out of memory");
        }
    }
}

IniFile::~IniFile() = default;

std::optional<StoredText> IniFile::readValue(std::string_view section, std::string_view key) const {
    const char* value = store_->ini.GetValue(encodeName(section, true).c_str(),
                                             encodeName(key, false).c_str(), nullptr);
    if (value == nullptr)
        return std::nullopt;
    return readStoredText(unquoted(value));
}

std::optional<std::string> IniFile::readString(std::string_view section,
                                               std::string_view key) const {
    std::optional<StoredText> value = readValue(section, key);
    if (!value)
        return std::nullopt;
    return std::move(value->text);
}

void IniFile::writeString(std::string_view section, std::string_view key, std::string_view value) {
    std::string gbkSection = encodeName(section, true);
    std::string gbkKey = encodeName(key, false);
    std::string where = "cannot write " + describeKey(section, key) + " to " + path_ + ": ";
    if (whyUnstorable(value) == UnstorableValue::LineBreak) {
        throw FileError(where + "the value holds a line break or a NUL character");
    }
    const char* stored = store_->ini.GetValue(gbkSection.c_str(), gbkKey.c_str(), nullptr);
    std::string gbkValue;
    if (stored != nullptr && readStoredText(unquoted(stored)).text == value) {
        gbkValue = stored;  // as the user left it, quotes and all
    } else {
        try {
            gbkValue = storedBytes(value);
        } catch (const EncodingError& e) {
            throw FileError(where + e.what());
        }
        if (needsQuotes(value)) {
            gbkValue = '"' + gbkValue + '"';
        }
    }
    store_->ini.SetMultiKey(false);
    const SI_Error rc = store_->ini.SetValue(gbkSection.c_str(), gbkKey.c_str(), gbkValue.c_str());
    store_->ini.SetMultiKey(true);
    if (rc < 0) {
        throw FileError(where + "out of memory");
    }
}

std::string IniFile::contents() const {
    std::string lf;
    if (store_->ini.Save(lf) < 0) {
        throw FileError("cannot write " + path_ + ": out of memory");
    }
    // The library ends lines with LF alone and may keep the CR of a loaded comment line.
    std::string crlf;
    crlf.reserve(lf.size() + lf.size() / 8);
    for (char c : lf) {
        if (c == '\r')
            continue;
        if (c == '\n')
            crlf += '\r';
        crlf += c;
    }
    return crlf;
}

void IniFile::save() const {
    writeFileAtomically(path_, contents());
}

std::string readIniString(const std::string& path, std::string_view section, std::string_view key,
                          std::string_view fallback) {
    return IniFile(path).readString(section, key).value_or(std::string(fallback));
}

void writeIniString(const std::string& path, std::string_view section, std::string_view key,
                    std::string_view value) {
    IniFile file(path);
    file.writeString(section, key, value);
    file.save();
}

}  // namespace quorvel
