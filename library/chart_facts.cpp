#include "library/chart_facts.h"

#include <cstdio>

#include "compute/yoga_chart.h"
#include "engine/body.h"
#include "yoga/yoga.h"

namespace orvane::library {

ChartFacts FactsOf(const Chart& chart) {
  ChartFacts facts;
  const ChartState& state = chart.State();
  PointFacts& lagna = facts.points[0];
  lagna.sign = ToInt(chart.AscendantSign());
  lagna.house = 1;
  lagna.nakshatra = state.vedic.nakshatra[kAscendant];
  lagna.pada = state.vedic.pada[kAscendant] + 1;
  lagna.navamsa = ToInt(chart.VargaAscendant(kD9));
  for (int i = 0; i < kGrahaCount; ++i) {
    const Body body = BodyAt(i);
    PointFacts& f = facts.points[static_cast<std::size_t>(i + 1)];
    f.sign = ToInt(chart.Sign(body));
    f.house = chart.SignHouse(body);
    f.nakshatra = chart.Nakshatra(body);
    f.pada = chart.Pada(body) + 1;
    f.navamsa = ToInt(chart.VargaSign(kD9, body));
    f.retrograde = chart.Retrograde(body);
    f.dignity = std::string(yoga::DignityIn(body, f.sign));
  }
  const int lord = state.dasa.balance.lord;
  if (lord >= 1 && lord <= kGrahaCount) facts.dasaLord = std::string(yoga::BodyName(BodyAt(lord - 1)));
  for (const yoga::FoundYoga& y : yoga::FindYogas(YogaChartOf(chart))) {
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
