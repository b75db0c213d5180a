// INI files as the settings file uses them: sections of key=value lines, texts UTF-8 in the
// program and GBK on disk (GB18030 for a text GBK cannot hold; values read as
// store/text_encoding.h says), CR LF line ends. A value with a blank (space or tab) at either
// end, or with a pair of quotes around it, is stored between double quotes, and a pair of
// quotes around a stored value is removed when it is read, as the earlier platform's INI
// routines do: every text reads back as it was written. A file an editor saved as UTF-8
// (isUtf8File) is read as UTF-8, and the next save writes it in the program's encoding. Keys keep
// their file order: writing a key that exists replaces its value in place, a new key is appended to
// its section (a new section to the file). What the program does not touch — other sections, keys
// and comments — keeps its bytes, even bytes that are not GBK; only the layout is redone:
// "key=value" without spaces, blank lines only between sections and before comments. Names compare
// without regard to ASCII case. Of a key that appears more than once in its section, the first line
// is the one read and replaced; the later ones are kept, moved up beside it. A repeated section is
// merged into the first one. Damage hides nothing after it: NUL bytes are dropped when the
// file is read, and a line that opens a section without closing it is kept as a comment.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "store/text_encoding.h"

namespace quorvel {

// Why a value cannot be stored in an INI file: no line of it may hold a line break or a NUL,
// and it must be text (UTF-8). Every other text can.
enum class UnstorableValue { LineBreak, NotText };
std::optional<UnstorableValue> whyUnstorable(std::string_view value);

class IniFile {
  public:
    // Reads `path`; a file that does not exist gives an empty one. Throws FileError when the
    // file exists but cannot be read (files/read_file.h: not a regular file, over 16 MiB,
    // the system's error). With `readFile` false the file is not read: it starts empty,
    // and a save writes over whatever is there.
    explicit IniFile(std::string path, bool readFile = true);
    ~IniFile();
    IniFile(const IniFile&) = delete;
    IniFile& operator=(const IniFile&) = delete;

    const std::string& path() const { return path_; }

    // The value of the key (readStoredText), or nothing when the section or key is missing.
    std::optional<StoredText> readValue(std::string_view section, std::string_view key) const;
    std::optional<std::string> readString(std::string_view section, std::string_view key) const;

    // Sets the key in memory; a value that reads as the stored one keeps the stored bytes
    // (storedBytes). Throws FileError, naming the key, when the value cannot be stored: a
    // line break or NUL in it, or bytes that are not UTF-8. Throws std::invalid_argument for
    // a section or key name an INI file cannot hold.
    void writeString(std::string_view section, std::string_view key, std::string_view value);

    // The file as it would be saved: GBK bytes, every line ending in CR LF.
    std::string contents() const;

    // Writes contents() over the file, atomically. Throws FileError.
    void save() const;

  private:
    struct Store;
    std::string path_;
    std::unique_ptr<Store> store_;
};

// One-key routines on a named file, each a complete read (and write) of the file.
// readIniString gives `fallback` when the file, section or key is missing.
std::string readIniString(const std::string& path, std::string_view section, std::string_view key,
                          std::string_view fallback);
void writeIniString(const std::string& path, std::string_view section, std::string_view key,
                    std::string_view value);

}  // namespace quorvel
