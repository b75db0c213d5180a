// What counts as blank, in the few senses the program needs; every test for blank characters
// goes through here.
#pragma once

#include <algorithm>
#include <string_view>

namespace quorvel {

// A space or any control character: what an edit holding "nothing" holds, and what is cut
// from both ends of a density before it is checked.
inline bool isBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

// Whether every character of `text` is blank (the empty text too).
inline bool isBlankText(std::string_view text) {
    return std::all_of(text.begin(), text.end(), isBlank);
}

// `text` without its leading and trailing blanks.
inline std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// A space or a tab: what may precede a stored integer.
inline bool isSpaceOrTab(char c) {
    return c == ' ' || c == '\t';
}

// A space, a tab or a line end: what separates the two counts at the top of a grid file.
inline bool isSpaceTabOrLineEnd(char c) {
    return isSpaceOrTab(c) || c == '\r' || c == '\n';
}

}  // namespace quorvel
