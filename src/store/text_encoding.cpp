#include "store/text_encoding.h"

#include <iconv.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>

namespace quorvel {
namespace {

// The stored encodings: GBK, and GB18030 for what GBK cannot hold.
enum class Charset { Gbk, Gb18030 };
enum class Direction { To, From, FromLossy };

const char* charsetName(Charset charset) {
    return charset == Charset::Gbk ? "GBK" : "GB18030";
}

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

// How many bytes at the start of `s` are well-formed UTF-8.
std::size_t utf8ValidLength(std::string_view s) {
    std::size_t at = 0;
    while (at < s.size() && decodeUtf8(s.substr(at)) >= 0)
        at += utf8Length(s.substr(at));
    return at;
}

[[noreturn]] void failTo(Charset charset, std::string_view rest, std::size_t offset) {
    long cp = decodeUtf8(rest);
    char buf[96];
    if (cp >= 0) {
        std::snprintf(buf, sizeof buf, "the character U+%04lX \"%.*s\" at byte %zu has no %s form",
                      cp, static_cast<int>(utf8Length(rest)), rest.data(), offset,
                      charsetName(charset));
    } else {
        std::snprintf(buf, sizeof buf, "the bytes %s at byte %zu are not UTF-8 text",
                      hexBytes(rest.substr(0, 1)).c_str(), offset);
    }
    throw EncodingError(buf, offset);
}

[[noreturn]] void failFrom(Charset charset, std::string_view rest, std::size_t offset) {
    char buf[96];
    std::snprintf(buf, sizeof buf, "the bytes %s at byte %zu are not %s text",
                  hexBytes(rest.substr(0, 2)).c_str(), offset, charsetName(charset));
    throw EncodingError(buf, offset);
}

std::string convert(std::string_view input, Charset charset, Direction dir) {
    if (isAscii(input))
        return std::string(input);  // ASCII is the same in all
    const char* name = charsetName(charset);
    iconv_t cd = dir == Direction::To ? iconv_open(name, "UTF-8") : iconv_open("UTF-8", name);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        throw EncodingError(
            std::string("the ") + name + " converter is not available: " + std::strerror(errno), 0);
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
        if (dir == Direction::FromLossy && (err == EILSEQ || err == EINVAL)) {
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
        if (dir == Direction::To)
            failTo(charset, rest, offset);
        failFrom(charset, rest, offset);
    }
    iconv_close(cd);
    out.resize(produced);
    return out;
}

// The converter drops some characters without an error (glibc's GBK drops the Unicode tag
// characters U+E0000 … U+E007F): a conversion counts only when it reads back as it was. The
// first character that does not is named as one without a form.
std::string exactly(std::string_view utf8, Charset charset) {
    std::string out = convert(utf8, charset, Direction::To);
    if (convert(out, charset, Direction::From) == utf8)
        return out;
    for (std::size_t at = 0; at < utf8.size(); at += utf8Length(utf8.substr(at))) {
        const std::string_view one = utf8.substr(at, utf8Length(utf8.substr(at)));
        if (convert(convert(one, charset, Direction::To), charset, Direction::From) != one)
            failTo(charset, utf8.substr(at), at);
    }
    // Each character alone reads back, the whole does not: not expected of a stateless code.
    throw EncodingError(std::string("the text does not read back from ") + charsetName(charset), 0);
}

// `bytes` read as `charset`, or nothing when they are not that text.
std::optional<std::string> readAs(std::string_view bytes, Charset charset) {
    try {
        return convert(bytes, charset, Direction::From);
    } catch (const EncodingError&) {
        return std::nullopt;
    }
}

}  // namespace

std::string utf8ToGbk(std::string_view utf8) {
    return exactly(utf8, Charset::Gbk);
}

std::string gbkToUtf8(std::string_view gbk) {
    return convert(gbk, Charset::Gbk, Direction::From);
}

bool isUtf8(std::string_view bytes) {
    while (!bytes.empty()) {
        if (decodeUtf8(bytes) < 0)
            return false;
        bytes.remove_prefix(utf8Length(bytes));
    }
    return true;
}

bool isUtf8File(std::string_view bytes) {
    return bytes.starts_with(kUtf8Mark) || (!isAscii(bytes) && isUtf8(bytes));
}

StoredText readStoredText(std::string_view bytes, bool utf8First) {
    if (bytes.starts_with(kUtf8Mark) && isUtf8(bytes))
        return {std::string(bytes.substr(kUtf8Mark.size())), true};
    if (utf8First && isUtf8(bytes))
        return {std::string(bytes), true};
    if (auto text = readAs(bytes, Charset::Gbk))
        return {std::move(*text), true};
    if (isUtf8(bytes))
        return {std::string(bytes), true};
    if (auto text = readAs(bytes, Charset::Gb18030))
        return {std::move(*text), true};
    return {convert(bytes, Charset::Gbk, Direction::FromLossy), false};
}

std::string storedBytes(std::string_view text, const std::string_view* previous) {
    if (previous != nullptr && readStoredText(*previous).text == text)
        return std::string(*previous);
    if (!isUtf8(text))
        failTo(Charset::Gbk, text.substr(utf8ValidLength(text)), utf8ValidLength(text));
    const auto readsBack = [&](const std::string& bytes) {
        const StoredText back = readStoredText(bytes);
        return back.exact && back.text == text;
    };
    for (Charset charset : {Charset::Gbk, Charset::Gb18030}) {
        try {
            std::string bytes = exactly(text, charset);
            if (readsBack(bytes))
                return bytes;
        } catch (const EncodingError&) {
        }
    }
    // Marked, the UTF-8 bytes read back whatever they are.
    return std::string(kUtf8Mark).append(text);
}

}  // namespace quorvel
