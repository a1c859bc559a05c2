#include "io/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <random>

namespace orvane {
namespace {

// The files' "%.2f", "%.4f" and "%f" must come out exactly as the C
// library prints them in the "C" locale, ties and negative zero included.
TEST(AppendFixed, MatchesPrintfInTheCLocale) {
  std::mt19937_64 random(20240611);
  std::uniform_real_distribution<double> wide(-3000.0, 3000.0);
  std::vector<double> values = {0.0,   -0.0,   0.125, 0.375,  -0.125, 2.5e-5, 0.00005, 17.5,
                                -5.3,  -81.12, 16.15, 1e300,  -1e-300, 365.2425, 0.995, 1000.0};
  for (int i = 0; i < 20000; ++i) {
    const double v = wide(random);
    values.push_back(v);
    values.push_back(std::round(v * 10000.0) / 10000.0 + 0.00005);  // near the 4-decimal ties
    values.push_back(std::round(v * 100.0) / 100.0 + 0.005);        // near the 2-decimal ties
  }
  char expected[400];
  for (double v : values) {
    for (int precision : {2, 4, 6}) {
      std::snprintf(expected, sizeof expected, "%.*f", precision, v);
      std::string got;
      AppendFixed(got, v, precision);
      ASSERT_EQ(got, expected) << "value " << v << " precision " << precision;
    }
  }
}

TEST(ParseDecimal, AcceptsOnlyPlainDecimals) {
  struct Case {
    const char* text;
    bool ok;
    double value;
  };
  const Case cases[] = {
      {"17.50", true, 17.5},  {"-5.30", true, -5.3},  {"+4", true, 4},     {"5.", true, 5},
      {".5", true, 0.5},      {"-.5", true, -0.5},    {"0", true, 0},      {"2999", true, 2999},
      {"", false, 0},         {"-", false, 0},        {".", false, 0},     {"+-1", false, 0},
      {"nan", false, 0},      {"inf", false, 0},      {"-inf", false, 0},  {"0x10", false, 0},
      {"1e3", false, 0},      {"17.50.30", false, 0}, {"1,5", false, 0},   {" 1", false, 0},
      {"1 ", false, 0},       {"12a", false, 0},      {"--1", false, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const std::optional<double> v = ParseDecimal(c.text);
    ASSERT_EQ(v.has_value(), c.ok);
    if (c.ok) {
      EXPECT_EQ(*v, c.value);
    }
  }
  // A number too large for a double is refused, never read as infinity.
  EXPECT_FALSE(ParseDecimal("1" + std::string(400, '0')).has_value());
}

TEST(ParseInteger, WholeTokensInRange) {
  EXPECT_EQ(ParseInteger("4011"), 4011);
  EXPECT_EQ(ParseInteger("-1"), -1);
  EXPECT_EQ(ParseInteger("+7"), 7);
  EXPECT_EQ(ParseInteger("-9223372036854775808"), std::numeric_limits<long long>::min());
  for (const char* bad : {"", "-", "1.0", "4011x", "0x1", "9223372036854775808", " 1"}) {
    SCOPED_TRACE(bad);
    EXPECT_FALSE(ParseInteger(bad).has_value());
  }
}

}  // namespace
}  // namespace orvane
