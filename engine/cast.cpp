#include "engine/cast.h"

#include <cmath>
#include <cstddef>

#include "engine/body.h"
#include "engine/calendar.h"
#include "engine/ephemeris_engine.h"
#include "engine/zodiac.h"

namespace orvane {

namespace {

// Bodies whose retrograde flag the chart keeps from the engine; the Sun,
// the Moon and the nodes are never shown retrograde.
constexpr Body kFlaggedBodies[] = {Body::kMars,   Body::kMercury, Body::kJupiter, Body::kVenus,
                                   Body::kSaturn, Body::kUranus,  Body::kNeptune, Body::kPluto};

}  // namespace

bool IsCastable(const BirthData& b) {
  for (double v : {b.month, b.day, b.year, b.time, b.zone, b.longitude, b.latitude}) {
    if (!(std::fabs(v) <= kBirthFieldLimit)) return false;  // NaN fails too
  }
  return true;
}

NakshatraPosition NakshatraOf(double longitude) {
  NakshatraPosition p;
  double L = Mod360(longitude);
  int n = static_cast<int>(std::trunc(L * kNakshatraPerDegree));
  if (n < 0) n = 0;
  if (n > 26) n = 26;
  double rest = L - n * kNakshatraSpan;
  // The product and the quotient may disagree by one at an exact boundary:
  // the part travelled decides, so that nakshatra, pada and fraction agree.
  if (rest < 0 && n > 0) {
    --n;
    rest = L - n * kNakshatraSpan;
  } else if (rest >= kNakshatraSpan && n < 26) {
    ++n;
    rest = L - n * kNakshatraSpan;
  }
  if (rest < 0) rest = 0;
  p.nakshatra = n;
  int pada = static_cast<int>(std::floor((3 * L - 40.0 * n) / 10));
  p.pada = pada < 0 ? 0 : (pada > 3 ? 3 : pada);
  double unelapsed = 1 - rest * kNakshatraPerDegree;
  if (!(unelapsed > 0)) unelapsed = 1e-12;  // (0, 1]: a Moon never has run its whole nakshatra
  if (unelapsed > 1) unelapsed = 1;
  p.unelapsed = unelapsed;
  return p;
}

int CastChart(EngineState& state, const EngineSettings& settings, int year, int month, int day,
              BodySet wanted) {
  const EphemerisEngine& engine = EngineFor(settings.ephemeris);
  state.recastFlag = 1;
  ++state.castCount;
  state.castMoment = state.birth;
  state.ayanamsaValue = engine.DateAyanamsa(state, settings, year, month, day);
  CastResult cast;
  engine.Cast(state, settings, wanted, cast);
  for (std::size_t b = 0; b < kBodyCount; ++b) {
    const Body body = static_cast<Body>(b);
    if (cast.computed.Has(body)) state.slotLongitude[SlotOf(body)] = cast.longitude[b];
  }
  for (Body body : kFlaggedBodies) {
    if (cast.computed.Has(body))
      state.slotRetrograde[SlotOf(body)] = cast.retrograde[static_cast<std::size_t>(body)];
  }
  if (cast.computed.HasAscendant()) state.slotLongitude[kAscendant] = cast.ascendant;
  for (int slot : {kAscendant, kSun, kMoon, kRahu, kKetu}) state.slotRetrograde[slot] = 0;
  const NakshatraPosition moon = NakshatraOf(state.slotLongitude[kMoon]);
  state.nakshatraBalance = moon.unelapsed;
  return moon.nakshatra;
}

void RecastChart(EngineState& state, const EngineSettings& settings, BodySet wanted) {
  const BirthData& b = state.birth;
  CastChart(state, settings, static_cast<int>(std::trunc(b.year)), static_cast<int>(std::trunc(b.month)),
            static_cast<int>(std::trunc(b.day)), wanted);
}

void RecastAt(EngineState& state, const EngineSettings& settings, int year, int month, int day, double time,
              BodySet wanted) {
  state.birth.year = year;
  state.birth.month = month;
  state.birth.day = day;
  state.birth.time = time;
  state.birth.zone = state.birthCopy.zone;
  state.birth.longitude = state.birthCopy.longitude;
  state.birth.latitude = state.birthCopy.latitude;
  RecastChart(state, settings, wanted);
}

}  // namespace orvane
