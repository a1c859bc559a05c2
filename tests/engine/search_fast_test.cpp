// The fast crossing searches (root finding, then the stepped search's last
// halvings) against the stepped search: the same moment, the same chart cast
// at it and the same ayanamsa chains carried on, bit for bit, for random
// charts over the whole range and every search the pipeline runs.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "chart/chart_state.h"
#include "compute/pipeline.h"
#include "engine/ephemeris.h"
#include "io/settings.h"
#include "engine/sunrise.h"
#include "tests/common/random_charts.h"

namespace orvane {
namespace {

bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// The engine and how many random charts it is tried on (the Swiss
// Ephemeris' casts cost more; it has no chains to carry, but the moment
// found must be the same).
struct EngineCase {
  int ephemeris;
  int charts;
  double castShare;  // at most this share of the stepped search's casts
};

class FastSearch : public testing::TestWithParam<EngineCase> {};

TEST_P(FastSearch, LandsWhereTheSteppedSearchLands) {
  testing_support::RandomCharts charts(4242);
  Settings chartSettings;
  chartSettings.ephemeris = GetParam().ephemeris;
  const EngineSettings settings = EngineSettingsOf(chartSettings);
  const int chartCount = GetParam().charts;
  struct Search {
    const char* name;
    int a;
    double tau;
    bool backward;
  };
  const double rise = SunriseTarget(settings.sunriseDefinition, true);
  const double set = SunriseTarget(settings.sunriseDefinition, false);
  const Search searches[] = {
      {"new moon before", kMoon, 0.0, true},   {"new moon after", kMoon, 0.0, false},
      {"sunrise before", kAscendant, rise, true}, {"sunset after", kAscendant, set, false},
      {"sunrise after", kAscendant, rise, false}, {"sunset before", kAscendant, set, true},
  };
  auto fast = std::make_unique<EngineState>();
  auto stepped = std::make_unique<EngineState>();
  int compared = 0;
  std::uint64_t fastCasts = 0, steppedCasts = 0;
  for (int i = 0; i < chartCount; ++i) {
    BirthData birth = charts.Next(i);
    if (i % 2) birth.latitude = std::fmod(birth.latitude, 61.0);  // most within the fast search's latitudes
    SCOPED_TRACE(testing::Message() << "chart " << i << ": " << birth.year << "-" << birth.month << "-" << birth.day
                                    << " " << birth.time << " lat " << birth.latitude);
    auto chart = std::make_unique<ChartState>();
    ASSERT_TRUE(ComputeChartFromBirth(*chart, chartSettings, birth));
    const BirthData& m = chart->castMoment;
    const DasaDate start = MomentOf(m.year, m.month, m.day, FileClock{m.time});
    for (const Search& s : searches) {
      SCOPED_TRACE(s.name);
      *fast = static_cast<const EngineState&>(*chart);
      *stepped = static_cast<const EngineState&>(*chart);
      bool foundFast = false, foundStepped = false;
      const DasaDate a = s.backward ? SearchBackward(*fast, settings, start, s.a, kSun, s.tau, &foundFast)
                                    : SearchForward(*fast, settings, start, s.a, kSun, s.tau, &foundFast);
      const DasaDate b = SearchStepped(*stepped, settings, start, s.a, kSun, s.tau, s.backward, &foundStepped);
      ASSERT_EQ(foundFast, foundStepped);
      ASSERT_EQ(a.year, b.year);
      ASSERT_EQ(a.month, b.month);
      ASSERT_EQ(a.day, b.day);
      ASSERT_TRUE(SameBits(a.ghatis, b.ghatis)) << a.ghatis << " " << b.ghatis;
      for (int slot = 0; slot <= kKetu; ++slot)
        ASSERT_TRUE(SameBits(fast->slotLongitude[slot], stepped->slotLongitude[slot])) << "slot " << slot;
      ASSERT_TRUE(SameBits(fast->ephemeris.siderealCorrection, stepped->ephemeris.siderealCorrection));
      ASSERT_TRUE(SameBits(fast->ephemeris.reportAyanamsaPrev, stepped->ephemeris.reportAyanamsaPrev));
      ASSERT_TRUE(SameBits(fast->ayanamsaValue, stepped->ayanamsaValue));
      fastCasts += fast->castCount - chart->castCount;
      steppedCasts += stepped->castCount - chart->castCount;
      ++compared;
    }
  }
  EXPECT_EQ(compared, chartCount * 6);
  // The point of the fast search: fewer casts (a third of these charts lie
  // past its latitudes, and other engines than the classic one step to
  // sunrise and sunset).
  EXPECT_LT(static_cast<double>(fastCasts), GetParam().castShare * static_cast<double>(steppedCasts))
      << fastCasts << " casts against " << steppedCasts;
}

INSTANTIATE_TEST_SUITE_P(Engines, FastSearch, testing::Values(EngineCase{0, 400, 2.0 / 3}, EngineCase{1, 60, 0.85}),
                         [](const testing::TestParamInfo<EngineCase>& info) {
                           return info.param.ephemeris == 0 ? std::string("Classic") : std::string("Swiss");
                         });

}  // namespace
}  // namespace orvane
