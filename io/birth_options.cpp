#include "io/birth_options.h"

#include <array>
#include <optional>
#include <vector>

#include "io/birth_input.h"
#include "io/number_text.h"
#include "io/shown_name.h"

namespace orvane {
namespace {

constexpr std::array<std::string_view, 12> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

template <typename T>
ParsedOption<T> Fail(std::string_view what, std::string_view text, std::string_view reason) {
  ParsedOption<T> result;
  result.error = "invalid " + std::string(what) + " " + ShownInput(text) + ": " + std::string(reason);
  return result;
}

template <typename T>
ParsedOption<T> Ok(T value) {
  ParsedOption<T> result;
  result.ok = true;
  result.value = value;
  return result;
}

// 1..maxDigits decimal digits and nothing else.
std::optional<int> Digits(std::string_view s, std::size_t maxDigits) {
  if (s.empty() || s.size() > maxDigits) return std::nullopt;
  int value = 0;
  for (char c : s) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

// Seconds: digits with an optional decimal fraction, no sign, below 60.
std::optional<double> Seconds(std::string_view s) {
  if (s.empty() || s.front() < '0' || s.front() > '9') return std::nullopt;
  const std::optional<double> value = ParseDecimal(s);
  if (!value || *value >= 60) return std::nullopt;
  return value;
}

std::vector<std::string_view> SplitAt(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  while (true) {
    const std::size_t at = text.find(separator, start);
    if (at == std::string_view::npos) {
      parts.push_back(text.substr(start));
      return parts;
    }
    parts.push_back(text.substr(start, at - start));
    start = at + 1;
  }
}

// A zero written with a sign is still plain zero in a file ("0.00").
double NoNegativeZero(double v) { return v == 0 ? 0.0 : v; }

// Degrees and minutes with optional seconds and a direction letter, as in
// "81:12E" or "51:30:10N". `positive` is the letter that keeps the value
// positive in the chart file, `negative` the one that makes it negative.
ParsedOption<double> ParseAngle(std::string_view what, std::string_view text, char positive, char negative,
                                int limit) {
  const std::string expected = std::string("expected DEGREES:MINUTES[:SECONDS] and ") + positive + " or " +
                               negative + ", such as " + (positive == 'W' ? "81:12E" : "16:15N");
  if (text.size() < 2) return Fail<double>(what, text, expected);
  const char letter = static_cast<char>(text.back() & ~0x20);  // upper case
  if (letter != positive && letter != negative) return Fail<double>(what, text, expected);
  const std::vector<std::string_view> parts = SplitAt(text.substr(0, text.size() - 1), ':');
  if (parts.size() > 3) return Fail<double>(what, text, expected);
  const std::optional<int> degrees = Digits(parts[0], 3);
  const std::optional<int> minutes = parts.size() > 1 ? Digits(parts[1], 2) : std::optional<int>(0);
  const std::optional<double> seconds = parts.size() > 2 ? Seconds(parts[2]) : std::optional<double>(0.0);
  if (!degrees || !minutes || !seconds) return Fail<double>(what, text, expected);
  if (*minutes > 59) return Fail<double>(what, text, "minutes must be 0..59");
  if (*degrees + *minutes / 60.0 + *seconds / 3600.0 > limit) {
    return Fail<double>(what, text, "at most " + std::to_string(limit) + " degrees");
  }
  // Seconds round into the minutes: 30 seconds or more add one minute.
  int whole = *degrees;
  int mins = *minutes + (*seconds >= 30 ? 1 : 0);  // [0, 60]
  if (mins == 60) mins = 0, ++whole;
  double value = whole + mins / 100.0;
  if (letter == negative) value = -value;
  return Ok(NoNegativeZero(value));
}

}  // namespace

std::string ShownInput(std::string_view text) {
  constexpr std::size_t kShown = 32;  // characters
  std::string out = "\"";
  std::size_t shown = 0;
  while (!text.empty() && shown < kShown) {
    char32_t code = 0;
    const std::size_t length = DecodeUtf8Sequence(text, code);
    const bool printable = length > 0 && code >= 0x20 && !(code >= 0x7f && code <= 0x9f) && code != 0x2028 &&
                           code != 0x2029 && !(code >= 0x202a && code <= 0x202e) && !(code >= 0x2066 && code <= 0x2069);
    if (printable) {
      out.append(text.substr(0, length));
    } else {
      out += '?';
    }
    text.remove_prefix(length == 0 ? 1 : length);
    ++shown;
  }
  if (!text.empty()) out += "...";
  return out + "\"";
}

ParsedOption<CalendarDate> ParseDateOption(std::string_view text) {
  constexpr std::string_view kWhat = "date";
  constexpr std::string_view kExpected = "expected YEAR-MONTH-DAY, such as 1970-04-04 or -0500-03-01";
  const std::size_t signLength = (!text.empty() && (text[0] == '-' || text[0] == '+')) ? 1 : 0;
  const std::vector<std::string_view> parts = SplitAt(text.substr(signLength), '-');
  if (parts.size() != 3) return Fail<CalendarDate>(kWhat, text, kExpected);
  const std::optional<int> year = Digits(parts[0], 4);
  const std::optional<int> month = Digits(parts[1], 2);
  const std::optional<int> day = Digits(parts[2], 2);
  if (!year || !month || !day) return Fail<CalendarDate>(kWhat, text, kExpected);
  CalendarDate date{signLength == 1 && text[0] == '-' ? -*year : *year, *month, *day};
  if (date.year < -2999 || date.year > 2999) {
    return Fail<CalendarDate>(kWhat, text, "the year must be between -2999 and 2999");
  }
  if (date.month < 1 || date.month > 12) return Fail<CalendarDate>(kWhat, text, "the month must be 1..12");
  const int length = DaysInMonth(date.year, date.month);
  if (date.day < 1 || date.day > length) {
    return Fail<CalendarDate>(kWhat, text,
                              std::string(kMonthNames[date.month - 1]) + " " + std::to_string(date.year) +
                                  " has " + std::to_string(length) + " days");
  }
  return Ok(date);
}

ParsedOption<double> ParseTimeOption(std::string_view text) {
  constexpr std::string_view kWhat = "time";
  constexpr std::string_view kExpected = "expected HOURS:MINUTES[:SECONDS] on the 24-hour clock, such as 17:50";
  const std::vector<std::string_view> parts = SplitAt(text, ':');
  if (parts.size() < 2 || parts.size() > 3) return Fail<double>(kWhat, text, kExpected);
  const std::optional<int> hours = Digits(parts[0], 2);
  const std::optional<int> minutes = Digits(parts[1], 2);
  const std::optional<double> seconds = parts.size() > 2 ? Seconds(parts[2]) : std::optional<double>(0.0);
  if (!hours || !minutes || !seconds) return Fail<double>(kWhat, text, kExpected);
  if (*hours > 23) return Fail<double>(kWhat, text, "hours must be 0..23");
  if (*minutes > 59) return Fail<double>(kWhat, text, "minutes must be 0..59");
  return Ok(*hours + *minutes / 100.0 + *seconds / 6000.0);
}

ParsedOption<double> ParseUtcOffsetOption(std::string_view text) {
  constexpr std::string_view kWhat = "UTC offset";
  constexpr std::string_view kExpected =
      "expected +HH:MM east of Greenwich or -HH:MM west, such as +05:30, -04:00 or Z";
  if (text == "Z" || text == "z" || text == "0") return Ok(0.0);
  if (text.size() < 2 || (text[0] != '+' && text[0] != '-')) return Fail<double>(kWhat, text, kExpected);
  const bool east = text[0] == '+';
  const std::string_view body = text.substr(1);
  std::optional<int> hours;
  std::optional<int> minutes = 0;
  if (const std::vector<std::string_view> parts = SplitAt(body, ':'); parts.size() == 2) {
    hours = Digits(parts[0], 2);
    minutes = parts[1].size() == 2 ? Digits(parts[1], 2) : std::nullopt;
  } else if (body.size() == 4) {  // +0530
    hours = Digits(body.substr(0, 2), 2);
    minutes = Digits(body.substr(2), 2);
  } else if (parts.size() == 1) {  // +5, +05
    hours = Digits(body, 2);
  }
  if (!hours || !minutes) return Fail<double>(kWhat, text, kExpected);
  if (*minutes > 59) return Fail<double>(kWhat, text, "minutes must be 0..59");
  if (*hours * 60 + *minutes > 24 * 60) return Fail<double>(kWhat, text, "at most 24 hours");
  const double magnitude = *hours + *minutes / 100.0;
  // The chart file counts zones west of Greenwich as positive.
  return Ok(NoNegativeZero(east ? -magnitude : magnitude));
}

ParsedOption<double> ParseLongitudeOption(std::string_view text) {
  return ParseAngle("longitude", text, 'W', 'E', 180);
}

ParsedOption<double> ParseLatitudeOption(std::string_view text) {
  return ParseAngle("latitude", text, 'N', 'S', 90);
}

}  // namespace orvane
