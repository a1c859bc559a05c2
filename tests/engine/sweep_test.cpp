// Random charts over the whole valid range: every computation ends within a
// bounded number of casts and leaves only finite values in [0, 360).
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "compute/pipeline.h"

namespace orvane {
namespace {

// Whole.minutes value of a decimal amount (the file units).
double ToFileUnits(double decimal) {
  const double a = std::fabs(decimal);
  double whole = std::floor(a);
  double minutes = std::floor((a - whole) * 60);
  if (minutes >= 60) {
    minutes = 0;
    whole += 1;
  }
  return std::copysign(whole + minutes / 100, decimal);
}

TEST(Sweep, RandomChartsAreBoundedAndFinite) {
  std::mt19937 rng(1970);
  std::uniform_int_distribution<int> year(-2999, 2999), month(1, 12), day(1, 28);
  std::uniform_real_distribution<double> hours(0, 24), lat(-90, 90), lon(-180, 180), zone(-12, 12);
  const int kCharts = 2000;
  int fallbacks = 0;
  for (int i = 0; i < kCharts; ++i) {
    BirthData b{static_cast<double>(month(rng)), static_cast<double>(day(rng)), static_cast<double>(year(rng)),
                ToFileUnits(hours(rng)), ToFileUnits(zone(rng)), ToFileUnits(lon(rng)), ToFileUnits(lat(rng))};
    if (i % 50 == 0) b.latitude = (i % 100 == 0) ? 90.0 : -90.0;  // the poles themselves
    SCOPED_TRACE(testing::Message() << "chart " << i << ": " << b.year << "-" << b.month << "-" << b.day << " "
                                    << b.time << " zone " << b.zone << " lon " << b.longitude << " lat "
                                    << b.latitude);
    ChartState state;
    Settings settings;
    settings.sunriseDefinition = i % 3;
    ASSERT_TRUE(ComputeChartFromBirth(state, settings, b));
    // Two new-moon searches' worth of casts at most, plus the sunrise searches.
    ASSERT_LE(state.castCount, 250u);
    for (int slot = 0; slot < kSlotCount; ++slot) {
      ASSERT_TRUE(std::isfinite(state.slotLongitude[slot])) << slot;
      ASSERT_GE(state.slotLongitude[slot], 0.0) << slot;
      ASSERT_LT(state.slotLongitude[slot], 360.0) << slot;
    }
    const SunriseValues& sr = state.sunrise;
    for (double v : {sr.sunriseGhatis, sr.minutesSinceSunrise, sr.dayLength, sr.nightLength, state.ayanamsaValue,
                     state.nakshatraBalance})
      ASSERT_TRUE(std::isfinite(v));
    ASSERT_GE(state.lunarMonthSign, 0);
    ASSERT_LT(state.lunarMonthSign, 12);
    // Up to 60 degrees of latitude every chart has a real sunrise and sunset.
    if (std::fabs(DecToDeg(b.latitude)) <= 60) {
      ASSERT_EQ(sr.fallback, 0);
    }
    fallbacks += sr.fallback;
  }
  // The poles have no ordinary sunrise.
  EXPECT_GE(fallbacks, kCharts / 50);
}

TEST(Sweep, PolarAndDegenerateInputEnd) {
  const BirthData cases[] = {
      {6, 21, 2000, 12.0, 0, 0, 90.0},      // north pole, midsummer
      {12, 21, 2000, 0.0, 0, 0, -90.0},     // south pole
      {6, 21, 2000, 12.0, 0, 0, 80.0},      // polar day
      {12, 21, 2000, 12.0, 0, 0, 70.0},     // polar night
      {2, 29, 2001, -3.30, -5.30, 0, 0},    // a date that does not exist, a negative clock time
      {4, 31, 2001, 25.0, 0, 0, 0},         // 31 April, a clock time past midnight
      {1, 1, -2999, 0, 12, 180, -89.99},
      {12, 31, 2999, 23.5959, -12, -180, 89.99},
  };
  for (const BirthData& b : cases) {
    SCOPED_TRACE(testing::Message() << b.year << "-" << b.month << "-" << b.day << " lat " << b.latitude);
    ChartState state;
    const Settings settings;
    ASSERT_TRUE(ComputeChartFromBirth(state, settings, b));
    EXPECT_LE(state.castCount, 250u);
    for (double v : state.slotLongitude) EXPECT_TRUE(std::isfinite(v) && v >= 0 && v < 360);
  }
  ChartState state;
  const Settings settings;
  EXPECT_FALSE(ComputeChartFromBirth(state, settings, {1, 1, 2000, NAN, 0, 0, 0}));
  EXPECT_EQ(state.castCount, 0u);
}

}  // namespace
}  // namespace orvane
