// Texts are UTF-8 inside the program; Config.ini and bd.txt hold them in GBK (code page 936),
// the 8-bit code page the earlier platform's program wrote. Conversions are exact: a text
// that has no GBK form, or bytes that are not GBK, fail with the byte offset of the fault
// instead of being dropped or replaced.
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
// "the character U+1F600 at byte 3 has no GBK form".
std::string utf8ToGbk(std::string_view utf8);

// Throws EncodingError, e.g. "the bytes 0xFF at byte 7 are not GBK text".
std::string gbkToUtf8(std::string_view gbk);

// Whether `bytes` are well-formed UTF-8 (RFC 3629: shortest forms, no surrogates).
bool isUtf8(std::string_view bytes);

// How a stored text (a Config.ini value, a bd.txt cell) reads. The files are GBK; a text an
// editor saved as UTF-8 is not GBK as a rule, and is read as UTF-8 when its bytes are not
// GBK but are UTF-8 (`utf8First`: a file marked UTF-8 by a byte-order mark, read the other
// way round). Bytes that are neither still read: as GBK, each byte that fits nowhere shown
// as U+FFFD, and `exact` is false.
struct StoredText {
    std::string text;  // UTF-8
    bool exact = true;
};
StoredText readStoredText(std::string_view bytes, bool utf8First = false);

// The bytes that store `text` where `previous` (when given) is stored now: `previous` itself
// when it reads as `text` — a value the user did not change keeps every byte, even bytes
// that are neither GBK nor UTF-8 —, else the GBK form of `text`, else, for a text without
// one whose UTF-8 bytes are not GBK (so that they read back as this text), its UTF-8
// bytes. Throws EncodingError (utf8ToGbk's) when none of these fits.
std::string storedBytes(std::string_view text, const std::string_view* previous = nullptr);

}  // namespace quorvel
