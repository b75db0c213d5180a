#include "store/text_encoding.h"

#include <iconv.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace quorvel {
namespace {

enum class Direction { ToGbk, FromGbk, FromGbkLossy };

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD in UTF-8

bool isAscii(std::string_view text) {
    for (char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

std::string hexBytes(std::string_view bytes) {
    std::string out;
    char buf[8];
    for (char c : bytes) {
        std::snprintf(buf, sizeof buf, "%s0x%02X", out.empty() ? "" : " ",
                      static_cast<unsigned>(static_cast<unsigned char>(c)));
        out += buf;
    }
    return out;
}

// The code point of the well-formed UTF-8 sequence at the start of `s`, or -1.
long decodeUtf8(std::string_view s) {
    if (s.empty())
        return -1;
    auto b = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    unsigned char lead = b(0);
    std::size_t len = lead < 0x80           ? 1
                      : (lead >> 5) == 0x6  ? 2
                      : (lead >> 4) == 0xE  ? 3
                      : (lead >> 3) == 0x1E ? 4
                                            : 0;
    if (len == 0 || s.size() < len)
        return -1;
    long cp = len == 1 ? lead : lead & (0x7F >> len);
    for (std::size_t i = 1; i < len; ++i) {
        if ((b(i) & 0xC0) != 0x80)
            return -1;
        cp = (cp << 6) | (b(i) & 0x3F);
    }
    static constexpr long kMin[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kMin[len] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return -1;
    return cp;
}

std::size_t utf8Length(std::string_view s) {
    unsigned char lead = static_cast<unsigned char>(s[0]);
    return lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : 4;
}

[[noreturn]] void failToGbk(std::string_view rest, std::size_t offset) {
    long cp = decodeUtf8(rest);
    char buf[96];
    if (cp >= 0) {
        std::snprintf(buf, sizeof buf, "the character U+%04lX \"%.*s\" at byte %zu has no GBK form",
                      cp, static_cast<int>(utf8Length(rest)), rest.data(), offset);
    } else {
        std::snprintf(buf, sizeof buf, "the bytes %s at byte %zu are not UTF-8 text",
                      hexBytes(rest.substr(0, 1)).c_str(), offset);
    }
    throw EncodingError(buf, offset);
}

[[noreturn]] void failFromGbk(std::string_view rest, std::size_t offset) {
    char buf[96];
    std::snprintf(buf, sizeof buf, "the bytes %s at byte %zu are not GBK text",
                  hexBytes(rest.substr(0, 2)).c_str(), offset);
    throw EncodingError(buf, offset);
}

std::string convert(std::string_view input, Direction dir) {
    if (isAscii(input))
        return std::string(input);  // ASCII is the same in both
    iconv_t cd = dir == Direction::ToGbk ? iconv_open("GBK", "UTF-8") : iconv_open("UTF-8", "GBK");
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        throw EncodingError(
            std::string("the GBK converter is not available: ") + std::strerror(errno), 0);
    }
    std::string out(input.size() * 2 + 16, '\0');
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    std::size_t produced = 0;
    while (inLeft > 0) {
        char* dst = out.data() + produced;
        std::size_t outLeft = out.size() - produced;
        std::size_t rc = iconv(cd, &in, &inLeft, &dst, &outLeft);
        produced = out.size() - outLeft;
        if (rc != static_cast<std::size_t>(-1))
            break;
        int err = errno;
        if (err == E2BIG) {
            out.resize(out.size() * 2);
            continue;
        }
        // GBK is stateless: after a byte is skipped, conversion goes on from the next.
        if (dir == Direction::FromGbkLossy && (err == EILSEQ || err == EINVAL)) {
            if (out.size() - produced < kReplacement.size())
                out.resize(out.size() * 2);
            out.replace(produced, kReplacement.size(), kReplacement);
            produced += kReplacement.size();
            ++in;
            --inLeft;
            continue;
        }
        iconv_close(cd);
        std::size_t offset = input.size() - inLeft;
        std::string_view rest = input.substr(offset);
        if (dir == Direction::ToGbk)
            failToGbk(rest, offset);
        failFromGbk(rest, offset);
    }
    iconv_close(cd);
    out.resize(produced);
    return out;
}

}  // namespace

std::string utf8ToGbk(std::string_view utf8) {
    return convert(utf8, Direction::ToGbk);
}

std::string gbkToUtf8(std::string_view gbk) {
    return convert(gbk, Direction::FromGbk);
}

bool isUtf8(std::string_view bytes) {
    while (!bytes.empty()) {
        if (decodeUtf8(bytes) < 0)
            return false;
        bytes.remove_prefix(utf8Length(bytes));
    }
    return true;
}

StoredText readStoredText(std::string_view bytes, bool utf8First) {
    if (utf8First && isUtf8(bytes))
        return {std::string(bytes), true};
    try {
        return {gbkToUtf8(bytes), true};
    } catch (const EncodingError&) {
    }
    if (isUtf8(bytes))
        return {std::string(bytes), true};
    return {convert(bytes, Direction::FromGbkLossy), false};
}

std::string storedBytes(std::string_view text, const std::string_view* previous) {
    if (previous != nullptr && readStoredText(*previous).text == text)
        return std::string(*previous);
    try {
        return utf8ToGbk(text);
    } catch (const EncodingError&) {
        try {
            (void)gbkToUtf8(text);
        } catch (const EncodingError&) {
            if (isUtf8(text))
                return std::string(text);
        }
        throw;
    }
}

}  // namespace quorvel
