// Numbers in files and messages, independent of the C library's locale:
// every file the program writes uses a decimal point, whatever LC_NUMERIC
// says, so these helpers go through std::to_chars / std::from_chars only.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvane {

// Appends `value` as printf "%.<precision>f" would print it in the "C"
// locale (correctly rounded, "-" for negative values including -0.0,
// "inf"/"nan" for non-finite values). precision 0..17.
void AppendFixed(std::string& out, double value, int precision);

// Appends `value` as printf "%d" would.
void AppendInt(std::string& out, long long value);

// The shortest text that reads back as `value` ("60", "-2999", "0.5"), as
// used in range messages.
std::string ShortestNumber(double value);

// Reads a whole token as a plain decimal number: an optional sign, digits,
// an optional '.' followed by optional digits, at least one digit in all
// ("17.50", "-5.30", "+4", "5.", ".5"). Nothing else is accepted: no
// exponent, no "nan"/"inf", no hexadecimal, no blanks, no trailing text.
// A value too large for a double gives nullopt; the result is always finite.
std::optional<double> ParseDecimal(std::string_view token);

// Reads a whole token as an integer: optional sign and digits only.
// Values outside the range of long long give nullopt.
std::optional<long long> ParseInteger(std::string_view token);

// True for the blanks that separate numbers in the program's text files:
// space, tab, line feed, carriage return, vertical tab and form feed.
constexpr bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// Splits `text` into blank-separated tokens and hands them to `next` one
// at a time: `next(token)` returns false to stop early.
template <typename Next>
void ForEachToken(std::string_view text, Next&& next) {
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && IsBlank(text[i])) ++i;
    if (i == text.size()) break;
    const std::size_t start = i;
    while (i < text.size() && !IsBlank(text[i])) ++i;
    if (!next(text.substr(start, i - start))) break;
  }
}

}  // namespace orvane
