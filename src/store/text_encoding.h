// Texts are UTF-8 inside the program; Config.ini and bd.txt hold them in GBK (code page 936),
// the 8-bit code page the earlier platform's program wrote, and a text GBK cannot hold in
// GB18030, the national standard that extends GBK with a form for every other character.
// Conversions are exact: a text that has no form, or bytes that are not text, fail with the
// byte offset of the fault instead of being dropped or replaced.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace quorvel {

class EncodingError : public std::runtime_error {
  public:
    EncodingError(const std::string& what, std::size_t offset)
        : std::runtime_error(what), offset_(offset) {}
    // Offset, in bytes of the input, of the first character that could not be converted.
    std::size_t offset() const { return offset_; }

  private:
    std::size_t offset_;
};

// Throws EncodingError naming the offending character, e.g.
// "the character U+1F600 at byte 3 has no GBK form" (a character the converter would drop
// without a word, such as a Unicode tag character, counts as one without a form).
std::string utf8ToGbk(std::string_view utf8);

// Throws EncodingError, e.g. "the bytes 0xFF at byte 7 are not GBK text".
std::string gbkToUtf8(std::string_view gbk);

// Whether `bytes` are well-formed UTF-8 (RFC 3629: shortest forms, no surrogates).
bool isUtf8(std::string_view bytes);

// The UTF-8 byte-order mark.
inline constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

// Whether a whole stored file is one an editor saved as UTF-8: it begins with the byte-order
// mark, or it is well-formed UTF-8 throughout and holds a character beyond ASCII. A file the
// program writes never is: its Chinese keys and headings ("程序版本", "序号") are GBK, and
// GBK Chinese is not well-formed UTF-8.
bool isUtf8File(std::string_view bytes);

// How a stored text (a Config.ini value, a bd.txt cell) reads. In order: UTF-8 first in a
// file an editor saved as UTF-8 (`utf8First`, isUtf8File); UTF-8 after a byte-order mark
// (how the program stores the few texts neither GBK nor GB18030 carry exactly); GBK; UTF-8
// (a value an editor saved as UTF-8 whose bytes are not GBK); GB18030. Bytes that are none
// of these still read: as GBK, each byte that fits nowhere shown as U+FFFD, and `exact` is
// false.
struct StoredText {
    std::string text;  // UTF-8
    bool exact = true;
};
StoredText readStoredText(std::string_view bytes, bool utf8First = false);

// The bytes that store `text` where `previous` (when given) is stored now: `previous` itself
// when it reads as `text` — a value the user did not change keeps every byte, even bytes
// that are neither GBK nor UTF-8 —, else the first of these that reads back as `text`
// (readStoredText): its GBK form, so a GBK text stays byte for byte; its GB18030 form; the
// byte-order mark and its UTF-8 bytes (24 private-use characters GB18030 maps nowhere, and
// mixtures whose GB18030 bytes happen to be UTF-8). Every well-formed UTF-8 text is stored;
// throws EncodingError for `text` that is not UTF-8.
std::string storedBytes(std::string_view text, const std::string_view* previous = nullptr);

}  // namespace quorvel
