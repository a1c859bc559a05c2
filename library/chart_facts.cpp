#include "library/chart_facts.h"

#include <cstdio>

#include "compute/yoga_chart.h"
#include "engine/body.h"
#include "yoga/yoga.h"

namespace orvane::library {

ChartFacts FactsOf(const ChartState& state, const Settings& settings) {
  ChartFacts facts;
  const int lagna = state.vedic.rasi[kAscendant];
  for (int p = 0; p < kFactPoints; ++p) {
    // Point 0 is the lagna (slot 0); points 1..9 are the grahas, whose slots
    // are their planet codes.
    const auto slot = static_cast<std::size_t>(p);
    PointFacts& f = facts.points[slot];
    f.sign = state.vedic.rasi[slot];
    f.house = (f.sign - lagna + 12) % 12 + 1;
    f.nakshatra = state.vedic.nakshatra[slot];
    f.pada = state.vedic.pada[slot] + 1;
    f.navamsa = state.vedic.navamsa[slot];
    if (p > 0) {
      f.retrograde = state.slotRetrograde[slot] != 0;
      f.dignity = std::string(yoga::DignityIn(BodyAt(p - 1), f.sign));
    }
  }
  const int lord = state.dasa.balance.lord;
  if (lord >= 1 && lord <= kGrahaCount) facts.dasaLord = std::string(yoga::BodyName(BodyAt(lord - 1)));
  for (const yoga::FoundYoga& y : yoga::FindYogas(YogaChartOf(state, settings))) {
    if (facts.yogas.empty() || facts.yogas.back() != y.key) facts.yogas.emplace_back(y.key);
  }
  return facts;
}

std::string FactsKey(const Settings& s) {
  char key[256];
  std::snprintf(key, sizeof key, "v1 ayanamsa=%d/%d/%.6f/%.6f/%.6f hora=%d sunrise=%d ephemeris=%d node=%d year=%.6f",
                s.ayanamsaChoice, s.ayanamsaDirection, s.ayanamsaDegrees, s.ayanamsaMinutes, s.ayanamsaSeconds,
                s.horaMethod, s.sunriseDefinition, s.ephemeris, s.trueNode, s.daysInYear);
  return key;
}

}  // namespace orvane::library
