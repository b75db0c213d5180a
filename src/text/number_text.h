// Field texts become numbers only where they are used, always by the same whole-text
// conversion: a plain decimal number with "." as the point, whatever the process locale.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace quorvel {

// A field text that is not a number. what() names the text, e.g. “1.2.3”不是有效的数字.
class ConversionError : public std::runtime_error {
  public:
    explicit ConversionError(std::string_view text);
};

// The number of a plain decimal text: an optional leading "-", digits with an optional
// point and fraction (".5" and "5." count). Anything else — spaces, "+", exponents, hex,
// inf/nan, a lone "." — is not a number; nor is a value too large for a double.
std::optional<double> parseDecimal(std::string_view text);

// A number in general form, as the level texts of a table may be written: a plain decimal,
// optionally followed by an exponent ("1e-05", "1E+15"). Nothing else, and no value beyond a
// double's range.
std::optional<double> parseGeneralNumber(std::string_view text);

// parseDecimal, throwing ConversionError when the text is not a number (the empty text
// included: callers test for a missing field before converting).
double textToNumber(std::string_view text);

// A whole number: an optional "-" and decimal digits, nothing else, within int.
std::optional<int> parseWholeNumber(std::string_view text);

// parseWholeNumber, throwing ConversionError when the text is not a whole number.
int textToInteger(std::string_view text);

// Whether `text`, without its leading and trailing blanks (text/blank.h), is a number as
// parseDecimal reads it.
bool isNumberText(std::string_view text);

}  // namespace quorvel
