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
#include "engine/caster.h"
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
    // Both searches start from the same chains, carried by a cast of the
    // chart moment.
    Caster base(settings);
    base.Cast(m);
    for (const Search& s : searches) {
      SCOPED_TRACE(s.name);
      Caster fast = base, stepped = base;
      const SearchResult a = s.backward ? SearchBackward(fast, chart->birth, start, s.a, kSun, s.tau)
                                        : SearchForward(fast, chart->birth, start, s.a, kSun, s.tau);
      const SearchResult b = SearchStepped(stepped, chart->birth, start, s.a, kSun, s.tau, s.backward);
      ASSERT_EQ(a.found, b.found);
      ASSERT_EQ(a.moment.year, b.moment.year);
      ASSERT_EQ(a.moment.month, b.moment.month);
      ASSERT_EQ(a.moment.day, b.moment.day);
      ASSERT_TRUE(SameBits(a.moment.ghatis, b.moment.ghatis)) << a.moment.ghatis << " " << b.moment.ghatis;
      ASSERT_TRUE(SameBits(a.cast.ascendant, b.cast.ascendant));
      for (int body = 0; body < kGrahaCount; ++body)
        ASSERT_TRUE(SameBits(a.cast.longitude[body], b.cast.longitude[body])) << "body " << body;
      ASSERT_TRUE(SameBits(fast.Chains().siderealCorrection, stepped.Chains().siderealCorrection));
      ASSERT_TRUE(SameBits(fast.Chains().reportAyanamsaPrev, stepped.Chains().reportAyanamsaPrev));
      ASSERT_TRUE(SameBits(a.cast.ayanamsa, b.cast.ayanamsa));
      fastCasts += fast.CastCount() - base.CastCount();
      steppedCasts += stepped.CastCount() - base.CastCount();
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
