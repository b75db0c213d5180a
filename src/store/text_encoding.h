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

}  // namespace quorvel
