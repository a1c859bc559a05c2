// What the program's inputs refuse, and what reaches the engine: malformed
// or out-of-range command-line values are refused with one printable line
// naming the option, and the drivers cast only finite birth data of a sane
// magnitude, refusing the rest before any cast.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "cli/options.h"
#include "compute/pipeline.h"

namespace orvane {
namespace {

bool IsPrintableLine(std::string_view text) {
  for (char c : text) {
    const unsigned char u = static_cast<unsigned char>(c);
    if (u < 0x20 || u == 0x7f) return false;
  }
  return !text.empty();
}

TEST(CliOptionRanges, RefusedWithOnePrintableLine) {
  struct Case {
    const char* name;
    std::vector<std::string> args;
    const char* messagePart;
  };
  const Case cases[] = {
      {"unknown option with a control character", {"--ate\x11\x1b[2J", "--now"}, "unknown option '--ate??[2J'"},
      {"unknown option with a line end", {"--json\n--now"}, "unknown option '--json?--now'"},
      {"a very long unknown option is cut", {"--" + std::string(200, 'x')}, "...'"},
      {"two signs", {"--tajaka", "+-5", "--now"}, "--tajaka"},
      {"a lone sign", {"--tajaka", "+", "--now"}, "--tajaka"},
      {"Tajaka year past 3000", {"--tajaka", "3001", "--now"}, "--tajaka"},
      {"month 0", {"--tajaka", "2000", "--month", "0", "--now"}, "--month"},
      {"month 13", {"--tajaka", "2000", "--month", "13", "--now"}, "--month"},
      {"hora period 0", {"--tajaka", "2000", "--month", "1", "--hora", "0", "--now"}, "--hora"},
      {"mundane span not a number", {"--mundane", "nan", "--now"}, "--mundane"},
      {"mundane span infinite", {"--mundane", "inf", "--now"}, "--mundane"},
      {"mundane span zero", {"--mundane", "0", "--now"}, "--mundane"},
      {"mundane span past a million days", {"--mundane", "1000001", "--now"}, "--mundane"},
      {"mahadasa lord 10", {"--mahadasa", "10", "--now"}, "--mahadasa"},
      {"section -1", {"--section", "-1", "--now"}, "--section"},
      {"section 44", {"--section", "44", "--now"}, "--section"},
      {"section as a decimal", {"--section", "4.0", "--now"}, "--section"},
      {"a year with an exponent", {"--date", "1e3-01-01", "--time", "12:00"}, "--date"},
      {"latitude with an unprintable letter", {"--date", "2000-01-01", "--time", "12:00", "--lat", "16:15\x01"},
       "--lat"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::vector<std::string_view> args(c.args.begin(), c.args.end());
    CliOptions options;
    std::string error;
    EXPECT_FALSE(ParseCliOptions(args, options, &error));
    EXPECT_TRUE(IsPrintableLine(error)) << error;
    EXPECT_NE(error.find(c.messagePart), std::string::npos) << error;
  }
}

TEST(CliOptionRanges, BoundsThemselvesAreAccepted) {
  const std::vector<std::string> cases[] = {
      {"--tajaka", "+3000", "--month", "12", "--hora", "12", "--now"},
      {"--tajaka", "-3000", "--now"},
      {"--mundane", "1000000", "--mahadasa", "9", "--section", "42", "--now"},
      {"--date", "-2999-01-01", "--time", "23:59:59.9", "--utc-offset", "+24:00", "--lon", "180:00E", "--lat",
       "90:00S"},
  };
  for (const std::vector<std::string>& c : cases) {
    const std::vector<std::string_view> args(c.begin(), c.end());
    CliOptions options;
    std::string error;
    EXPECT_TRUE(ParseCliOptions(args, options, &error)) << c.front() << ": " << error;
  }
}

// Birth data straight into the driver, as the desktop program and the
// searches hand it over: only what can be cast is cast.
TEST(EngineInput, OnlyCastableBirthDataIsCast) {
  constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
  constexpr double kInf = std::numeric_limits<double>::infinity();
  const BirthData ordinary{4, 4, 1970, 17.50, -5.30, -81.12, 16.15};
  struct Case {
    const char* name;
    int field;  // 0 month .. 6 latitude
    double value;
    bool cast;
  };
  const Case cases[] = {
      {"year not a number", 2, kNaN, false},
      {"time infinite", 3, kInf, false},
      {"zone minus infinity", 4, -kInf, false},
      {"year 1e300", 2, 1e300, false},
      {"month -1e300", 0, -1e300, false},
      {"day the largest double", 1, std::numeric_limits<double>::max(), false},
      {"latitude just past the limit", 6, kBirthFieldLimit * (1 + 1e-15), false},
      {"longitude at the limit", 5, -kBirthFieldLimit, true},
      {"year at the limit", 2, kBirthFieldLimit, true},
      {"clock time past midnight", 3, 25.0, true},
      {"the north pole", 6, 90.0, true},
      {"the smallest subnormal", 4, std::numeric_limits<double>::denorm_min(), true},
  };
  const Settings settings;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    BirthData birth = ordinary;
    double* fields[] = {&birth.month, &birth.day,  &birth.year,    &birth.time,
                        &birth.zone,  &birth.longitude, &birth.latitude};
    *fields[c.field] = c.value;
    EXPECT_EQ(IsCastable(birth), c.cast);
    static ChartState state;
    state = ChartState{};
    EXPECT_EQ(ComputeChartFromBirth(state, settings, birth), c.cast);
    if (!c.cast) {
      EXPECT_EQ(state.castCount, 0u);
      continue;
    }
    for (double v : state.slotLongitude) EXPECT_TRUE(std::isfinite(v) && v >= 0 && v < 360);
  }
}

}  // namespace
}  // namespace orvane
