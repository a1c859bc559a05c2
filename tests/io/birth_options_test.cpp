#include "io/birth_options.h"

#include <gtest/gtest.h>

#include <cmath>

#include "chart/chart_state.h"
#include "io/chart_file.h"

namespace orvane {
namespace {

TEST(ParseDateOption, DatesThatExist) {
  struct Case {
    const char* text;
    int year, month, day;
  };
  const Case cases[] = {
      {"1970-04-04", 1970, 4, 4}, {"-0500-03-01", -500, 3, 1}, {"2000-02-29", 2000, 2, 29},
      {"1500-02-29", 1500, 2, 29}, {"+2999-12-31", 2999, 12, 31}, {"-2999-1-1", -2999, 1, 1},
      {"0-01-01", 0, 1, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const ParsedOption<CalendarDate> d = ParseDateOption(c.text);
    ASSERT_TRUE(d.ok) << d.error;
    EXPECT_EQ(d.value.year, c.year);
    EXPECT_EQ(d.value.month, c.month);
    EXPECT_EQ(d.value.day, c.day);
    EXPECT_EQ(d.error, "");
  }
}

TEST(ParseDateOption, Refused) {
  struct Case {
    const char* text;
    const char* reason;  // part of the message
  };
  const Case cases[] = {
      {"2001-02-29", "February 2001 has 28 days"},
      {"1900-02-29", "February 1900 has 28 days"},
      {"1970-04-31", "April 1970 has 30 days"},
      {"1970-04-00", "has 30 days"},
      {"1970-13-01", "month"},
      {"1970-00-10", "month"},
      {"3000-01-01", "-2999 and 2999"},
      {"-3000-01-01", "-2999 and 2999"},
      {"1970/04/04", "YEAR-MONTH-DAY"},
      {"1970-04", "YEAR-MONTH-DAY"},
      {"1970--04-04", "YEAR-MONTH-DAY"},
      {"19700-01-01", "YEAR-MONTH-DAY"},
      {"1970-04-04x", "YEAR-MONTH-DAY"},
      {" 1970-04-04", "YEAR-MONTH-DAY"},
      {"", "YEAR-MONTH-DAY"},
      {"--1970-04-04", "YEAR-MONTH-DAY"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const ParsedOption<CalendarDate> d = ParseDateOption(c.text);
    EXPECT_FALSE(d.ok);
    EXPECT_NE(d.error.find(c.reason), std::string::npos) << d.error;
    EXPECT_EQ(d.error.find('\n'), std::string::npos);
  }
}

// Values are checked through the chart file's own lines, as written.
std::string AsTimeLine(double v) {
  std::string s = FormatChartDataFile({1, 1, 2000, v, 0, 0, 0});
  return s.substr(9, s.find('\n', 9) - 9);
}
std::string AsTwoDecimals(double v) {
  std::string s = FormatChartDataFile({1, 1, 2000, 0, v, 0, 0});
  s = s.substr(s.find("0.0000\n") + 7);
  return s.substr(0, s.find('\n'));
}

TEST(ParseTimeOption, ClockTimes) {
  struct Case {
    const char* text;
    const char* line;
  };
  const Case good[] = {{"17:50:00", "17.5000"}, {"17:50", "17.5000"}, {"17:50:30", "17.5050"},
                       {"0:00", "0.0000"},      {"23:59:59", "23.5998"}, {"09:05:06", "9.0510"}};
  for (const Case& c : good) {
    SCOPED_TRACE(c.text);
    const ParsedOption<double> t = ParseTimeOption(c.text);
    ASSERT_TRUE(t.ok) << t.error;
    EXPECT_EQ(AsTimeLine(t.value), c.line);
  }
  EXPECT_DOUBLE_EQ(ParseTimeOption("17:50:30").value, 17.505);
  for (const char* bad : {"24:00", "17:60", "17:50:60", "17", "17:5x", "-1:00", "17:50:00:00", "nan", "", "17.50",
                          "17:50:-1", "inf:00", "17 :50"}) {
    SCOPED_TRACE(bad);
    const ParsedOption<double> t = ParseTimeOption(bad);
    EXPECT_FALSE(t.ok);
    EXPECT_FALSE(t.error.empty());
  }
}

TEST(ParseUtcOffsetOption, EastPositiveBecomesFileZone) {
  struct Case {
    const char* text;
    const char* line;
  };
  const Case good[] = {{"+05:30", "-5.30"}, {"-04:00", "4.00"}, {"Z", "0.00"},     {"0", "0.00"},
                       {"+0530", "-5.30"},  {"+5", "-5.00"},    {"-00:00", "0.00"}, {"+24:00", "-24.00"},
                       {"-09:30", "9.30"}};
  for (const Case& c : good) {
    SCOPED_TRACE(c.text);
    const ParsedOption<double> z = ParseUtcOffsetOption(c.text);
    ASSERT_TRUE(z.ok) << z.error;
    EXPECT_EQ(AsTwoDecimals(z.value), c.line);
  }
  for (const char* bad : {"05:30", "+25:00", "+24:30", "+05:60", "+5:3", "", "+", "+05:30:00", "UTC", "+nan",
                          "+1e1", "++05:30", "+530"}) {
    SCOPED_TRACE(bad);
    const ParsedOption<double> z = ParseUtcOffsetOption(bad);
    EXPECT_FALSE(z.ok);
    EXPECT_FALSE(z.error.empty());
  }
}

TEST(ParseLongitudeAndLatitude, DegreesMinutesAndDirection) {
  struct Case {
    bool longitude;
    const char* text;
    const char* line;
  };
  const Case good[] = {
      {true, "81:12E", "-81.12"},  {true, "71:07W", "71.07"},    {true, "81:12:30E", "-81.13"},
      {true, "81:12:29E", "-81.12"}, {true, "81:59:30e", "-82.00"}, {true, "180:00W", "180.00"},
      {true, "0:10W", "0.10"},     {true, "0:00E", "0.00"},      {true, "81E", "-81.00"},
      {false, "16:15N", "16.15"},  {false, "33:52S", "-33.52"},  {false, "90:00S", "-90.00"},
      {false, "51:30:10n", "51.30"}, {false, "89:59:45N", "90.00"},
  };
  for (const Case& c : good) {
    SCOPED_TRACE(c.text);
    const ParsedOption<double> v = c.longitude ? ParseLongitudeOption(c.text) : ParseLatitudeOption(c.text);
    ASSERT_TRUE(v.ok) << v.error;
    EXPECT_EQ(AsTwoDecimals(v.value), c.line);
  }
  const Case bad[] = {
      {true, "81:12", ""},      {true, "181:00E", ""},   {true, "180:00:01E", ""}, {true, "81:60E", ""},
      {true, "81:12N", ""},     {true, "-81:12E", ""},   {true, "81.2E", ""},      {true, "E", ""},
      {true, "", ""},           {true, "81:12:60E", ""}, {true, "81:12:30:00E", ""}, {true, "nanE", ""},
      {true, "1000:00E", ""},   {false, "90:01N", ""},   {false, "91:00N", ""},    {false, "16:15E", ""},
      {false, "16:15", ""},     {false, "90:00:30S", ""},
  };
  for (const Case& c : bad) {
    SCOPED_TRACE(c.text);
    const ParsedOption<double> v = c.longitude ? ParseLongitudeOption(c.text) : ParseLatitudeOption(c.text);
    EXPECT_FALSE(v.ok);
    EXPECT_FALSE(v.error.empty());
    EXPECT_EQ(v.error.find('\n'), std::string::npos);
  }
}

}  // namespace
}  // namespace orvane
