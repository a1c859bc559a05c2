// Birth-time sensitivity against brute force: at each window's edge the
// point is still what it was, one second past it, it is not.
#include "compute/sensitivity.h"

#include <gtest/gtest.h>

#include <random>

namespace orvane {
namespace {

TEST(Sensitivity, WindowEdgesAgreeWithRecastsEverySecondAcrossThem) {
  std::mt19937 rng(50);
  std::uniform_int_distribution<int> year(1900, 2050), month(1, 12), day(1, 28), hour(0, 23), minute(0, 59),
      lon(0, 179), lat(0, 60), westward(0, 1);
  const Settings settings;
  SensitivityOptions options;
  options.limitSeconds = 6 * 3600;
  options.dasaDate = std::array<int, 3>{2030, 6, 15};
  const std::vector<std::string> names = SensitivityPointNames(options);
  for (int n = 0; n < 50; ++n) {
    const double sign = westward(rng) ? 1 : -1;
    const BirthData birth = {static_cast<double>(month(rng)), static_cast<double>(day(rng)),
                             static_cast<double>(year(rng)),   hour(rng) + minute(rng) / 100.0,
                             sign * 5.0,                       sign * (lon(rng) + minute(rng) / 100.0),
                             lat(rng) + minute(rng) / 100.0};
    SCOPED_TRACE(n);
    const std::vector<SensitivityWindow> windows = BirthTimeSensitivity(birth, settings, options);
    ASSERT_EQ(windows.size(), names.size());
    const std::vector<std::string> values = SensitivityPointValues(birth, settings, options);
    for (std::size_t i = 0; i < windows.size(); ++i) {
      const SensitivityWindow& w = windows[i];
      SCOPED_TRACE(w.point);
      EXPECT_EQ(w.point, names[i]);
      EXPECT_EQ(w.value, values[i]);
      for (const int direction : {+1, -1}) {
        const int edge = direction > 0 ? w.after : w.before;
        const bool limited = direction > 0 ? w.afterLimited : w.beforeLimited;
        EXPECT_EQ(SensitivityPointValues(ShiftBirthTime(birth, direction * edge), settings, options)[i], w.value);
        if (limited) {
          EXPECT_EQ(edge, options.limitSeconds);
        } else {
          EXPECT_NE(SensitivityPointValues(ShiftBirthTime(birth, direction * (edge + 1)), settings, options)[i], w.value);
        }
      }
    }
  }
}

TEST(Sensitivity, ShiftsCrossDaysMonthsYearsAndTheCalendarReform) {
  struct Case {
    BirthData from;
    long long seconds;
    BirthData to;
  };
  const Case cases[] = {
      // File units: 23:59:59 is 23 + 59/100 + 59/6000.
      {{12, 31, 1999, 23.59 + 59 / 6000.0, 0, 0, 0}, 1, {1, 1, 2000, 0.0, 0, 0, 0}},
      {{1, 1, 2000, 0.0, 0, 0, 0}, -1, {12, 31, 1999, 23.59 + 59 / 6000.0, 0, 0, 0}},
      {{2, 28, 2024, 23.00, 0, 0, 0}, 3600, {2, 29, 2024, 0.0, 0, 0, 0}},
      {{2, 28, 1900, 23.00, 0, 0, 0}, 3600, {3, 1, 1900, 0.0, 0, 0, 0}},
      {{10, 4, 1582, 23.00, 0, 0, 0}, 3600, {10, 15, 1582, 0.0, 0, 0, 0}},
      {{3, 1, 1500, 0.30, 0, 0, 0}, -3600, {2, 29, 1500, 23.30, 0, 0, 0}},  // a Julian leap year
      {{5, 17, 1990, 10.30, 0, 0, 0}, 252, {5, 17, 1990, 10.34 + 12 / 6000.0, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    const BirthData b = ShiftBirthTime(c.from, c.seconds);
    SCOPED_TRACE(c.seconds);
    EXPECT_NEAR(b.time, c.to.time, 1e-9);
    EXPECT_EQ(b.year, c.to.year);
    EXPECT_EQ(b.month, c.to.month);
    EXPECT_EQ(b.day, c.to.day);
  }
  // 10:30:00 plus 4 min 12 s is 10:34:12: 10 + 34/100 + 12/6000.
  EXPECT_NEAR(ShiftBirthTime({5, 17, 1990, 10.30, 0, 0, 0}, 252).time, 10 + 0.34 + 12 / 6000.0, 1e-9);
  EXPECT_EQ(DurationText(252), "4 min 12 s");
  EXPECT_EQ(DurationText(3600 * 24), "24 h");
  EXPECT_EQ(DurationText(3603), "1 h 0 min 3 s");
  EXPECT_EQ(DurationText(0), "0 s");
}

}  // namespace
}  // namespace orvane
