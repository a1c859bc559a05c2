#include <gtest/gtest.h>

#include <cmath>

#include "engine/calendar.h"
#include "compute/pipeline.h"
#include "tajaka/tajaka.h"

namespace orvane {
namespace {

const BirthData kDefaultBirth = {4, 4, 1970, 17.5000, -5.30, -81.12, 16.15};

ChartState TajakaChart(const BirthData& birth, int year, int month = 0, int hora = 0) {
  ChartState state;
  state.options.tajakaMode = 1;
  state.options.tajakaYear = year;
  if (month) {
    state.options.tajakaMonthly = 1;
    state.options.tajakaMonth = month;
  }
  if (hora) {
    state.options.tajakaHoraWanted = 1;
    state.options.tajakaHora = hora - 1;
  }
  const Settings settings;
  EXPECT_TRUE(ComputeChartFromBirth(state, settings, birth));
  return state;
}

// The Sun of the state cast at the found moment, against the target.
double SunError(const ChartState& state) {
  return MinArc(state.slotLongitude[kSun], state.tajaka.target);
}

TEST(TajakaSearch, AnnualChartReturnsTheNatalSun) {
  const ChartState state = TajakaChart(kDefaultBirth, 2026);
  EXPECT_EQ(state.tajaka.found, 1);
  EXPECT_NEAR(state.tajaka.natalLongitude[kSun], 350.874, 5e-4);
  EXPECT_EQ(state.tajaka.target, state.tajaka.natalLongitude[kSun]);
  EXPECT_LT(SunError(state), 0.001);
  // Early April 2026 (the sidereal year is a little longer than the calendar's).
  EXPECT_EQ(state.tajaka.moment.year, 2026);
  EXPECT_EQ(state.tajaka.moment.month, 4);
  EXPECT_NEAR(state.tajaka.moment.day, 4, 2);
  // The natal birth data stay those of the birth.
  EXPECT_EQ(state.birth.year, 1970);
}

TEST(TajakaSearch, MonthOneWithoutHoraIsTheAnnualChart) {
  const ChartState annual = TajakaChart(kDefaultBirth, 2026);
  const ChartState monthly = TajakaChart(kDefaultBirth, 2026, 1);
  EXPECT_EQ(annual.tajaka.moment.year, monthly.tajaka.moment.year);
  EXPECT_EQ(annual.tajaka.moment.month, monthly.tajaka.moment.month);
  EXPECT_EQ(annual.tajaka.moment.day, monthly.tajaka.moment.day);
  EXPECT_EQ(annual.tajaka.moment.time, monthly.tajaka.moment.time);
}

TEST(TajakaSearch, MonthlyAndHoraTargets) {
  struct Row {
    int month, hora;
    double offset;
  };
  const Row rows[] = {{2, 0, 30}, {6, 0, 150}, {12, 12, 357.5}, {3, 5, 70}};
  for (const Row& r : rows) {
    SCOPED_TRACE(testing::Message() << "month " << r.month << " hora " << r.hora);
    const ChartState state = TajakaChart(kDefaultBirth, 2000, r.month, r.hora);
    double expected = state.tajaka.natalLongitude[kSun] + r.offset;
    if (expected >= 360) expected -= 360;
    EXPECT_NEAR(state.tajaka.target, expected, 1e-9);
    EXPECT_EQ(state.tajaka.found, 1);
    EXPECT_LT(SunError(state), 0.001);
  }
}

TEST(TajakaSearch, SunNearTheEndOfPiscesAndDistantYears) {
  // Born with the Sun near 359 deg: the return crosses 0 deg Aries.
  const BirthData lateMarch = {4, 13, 1990, 12.0, -5.30, -77.12, 28.36};
  const BirthData cases[] = {lateMarch, kDefaultBirth, {2, 29, 2000, 6.0, 0, 0, 51.30}};
  {
    const ChartState natal = TajakaChart(lateMarch, 1991);
    EXPECT_GT(natal.tajaka.natalLongitude[kSun], 358.0);
  }
  const int years[] = {1991, 2999, -2999, 1500, 2001};
  for (const BirthData& b : cases) {
    for (int year : years) {
      SCOPED_TRACE(testing::Message() << "born " << b.year << "-" << b.month << "-" << b.day << ", year " << year);
      const ChartState state = TajakaChart(b, year);
      EXPECT_EQ(state.tajaka.found, 1);
      EXPECT_LT(SunError(state), 0.001);
      EXPECT_LE(state.castCount, 2000u);
    }
  }
}

}  // namespace
}  // namespace orvane
