// Config.ini: every stored input of the window, in one section, so that they survive a
// restart. SaveSettings writes it when the window closes, LoadSettings reads it back when it
// opens; the headless front end reads and writes the same file.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "files/file_error.h"
#include "form/field_source.h"
#include "store/ini_file.h"
#include "store/save_over.h"

namespace quorvel {

// The settings file's name in the folder of the stored files.
inline constexpr const char* kSettingsFileName = "Config.ini";

inline constexpr std::string_view kSettingsSection = "FrmMainPro";
inline constexpr std::string_view kVersionKey = "程序版本";
inline constexpr std::string_view kVersionValue = "2017";
inline constexpr std::string_view kModuleKey = "计算模块";
inline constexpr std::string_view kWindowCaption = "Quorvel";

// The values a save could not store (whyUnstorable), in file order; every other value was
// saved, and these keys kept what the file held.
class ValuesNotStored : public FileError {
  public:
    struct Value {
        std::string key;
        UnstorableValue why;
    };
    ValuesNotStored(const std::string& path, std::vector<Value> values);
    const std::vector<Value>& values() const { return values_; }

  private:
    std::vector<Value> values_;
};

// Writes the version, the window caption and the stored controls, in that order, into the
// section of `path` (created when missing): an existing key keeps its place, a new one is
// appended; a control added after the first 73 is written only once it holds something or
// its key exists (ControlInfo::storedWhenSet). A value that reads as the control shows it keeps its
// stored bytes — a box whose stored value is not text (neither GBK nor UTF-8) too, while it reads
// as the box is set. Every text is stored (store/ini_file.h) but one with a line break or NUL,
// or bytes that are not UTF-8: such a value never stops the others — the file is saved
// without it and ValuesNotStored names it. The file is replaced atomically, so on a failure it
// keeps its previous content. Throws FileError when the file cannot be read (`over`) or
// written.
void SaveSettings(const FieldSource& form, const std::string& path,
                  SaveOver over = SaveOver::ReadableFile);

// Sets every stored control from its key, each value read as store/text_encoding.h says (GBK,
// else UTF-8, else with U+FFFD for what is neither). A missing key reads as empty (an edit
// becomes empty, a box or radio button is turned off); a missing file reads as all keys
// missing. Throws FileError, and changes nothing, when the file exists but cannot be read
// (files/read_file.h).
void LoadSettings(FieldSource& form, const std::string& path);

}  // namespace quorvel
