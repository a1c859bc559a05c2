#include "io/number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <system_error>

namespace orvane {

void AppendFixed(std::string& out, double value, int precision) {
  if (precision < 0) precision = 0;
  if (precision > 17) precision = 17;
  // The largest double has 309 digits before the point.
  std::array<char, 360> buffer;
  const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                       std::chars_format::fixed, precision);
  if (ec != std::errc()) return;  // cannot happen with this buffer size
  out.append(buffer.data(), end);
}

void AppendInt(std::string& out, long long value) {
  std::array<char, 24> buffer;
  const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  if (ec != std::errc()) return;
  out.append(buffer.data(), end);
}

std::string ShortestNumber(double value) {
  std::array<char, 32> buffer;
  const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  if (ec != std::errc()) return {};
  return std::string(buffer.data(), end);
}

std::optional<double> ParseDecimal(std::string_view token) {
  std::size_t i = 0;
  bool negative = false;
  if (i < token.size() && (token[i] == '+' || token[i] == '-')) {
    negative = token[i] == '-';
    ++i;
  }
  const std::size_t numberStart = i;
  std::size_t digits = 0;
  while (i < token.size() && token[i] >= '0' && token[i] <= '9') ++i, ++digits;
  if (i < token.size() && token[i] == '.') {
    ++i;
    while (i < token.size() && token[i] >= '0' && token[i] <= '9') ++i, ++digits;
  }
  if (digits == 0 || i != token.size()) return std::nullopt;
  // from_chars wants at least one digit before a '.', and no sign.
  std::string_view number = token.substr(numberStart);
  std::string withZero;
  if (number.front() == '.') {
    withZero = "0";
    withZero += number;
    number = withZero;
  }
  double value = 0;
  const auto [end, ec] =
      std::from_chars(number.data(), number.data() + number.size(), value, std::chars_format::fixed);
  if (ec != std::errc() || end != number.data() + number.size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return negative ? -value : value;
}

std::optional<long long> ParseInteger(std::string_view token) {
  std::size_t i = 0;
  bool negative = false;
  if (i < token.size() && (token[i] == '+' || token[i] == '-')) {
    negative = token[i] == '-';
    ++i;
  }
  const std::string_view digits = token.substr(i);
  if (digits.empty()) return std::nullopt;
  for (char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
  }
  // Read the magnitude as unsigned so that the most negative value fits.
  unsigned long long magnitude = 0;
  const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), magnitude);
  if (ec != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  constexpr unsigned long long kMaxPositive = 9223372036854775807ULL;
  if (negative) {
    if (magnitude > kMaxPositive + 1) return std::nullopt;
    if (magnitude == kMaxPositive + 1) return static_cast<long long>(-static_cast<long long>(kMaxPositive) - 1);
    return -static_cast<long long>(magnitude);
  }
  if (magnitude > kMaxPositive) return std::nullopt;
  return static_cast<long long>(magnitude);
}

}  // namespace orvane
