// One cast of the chart: the ephemeris of the chosen engine into the body
// slots, the ayanamsa of the date and the Moon's nakshatra balance.
#pragma once

#include "engine/body.h"
#include "engine/engine_settings.h"
#include "engine/engine_state.h"

namespace orvane {

// Casts the chart for the birth fields already in state.birth; only the date
// is taken from the arguments (for the ayanamsa of the date). Fills slots
// 0..9 (and 26..28 when the engine computes Uranus, Neptune and Pluto), the
// ayanamsa value and the nakshatra balance; returns the Moon's nakshatra
// index.
// With `wanted` short of every body, only those slots (and the ascendant
// when it is wanted) are cast; the others keep the values of an earlier
// cast. These are the trial casts of the searches, which read two angles
// at most. Every cast, whole or not, advances the ayanamsa chains exactly
// as a whole cast does, so the casts that give results are the same.
int CastChart(EngineState& state, const EngineSettings& settings, int year, int month, int day,
              BodySet wanted = BodySet::All());
// CastChart with the birth fields as they stand (the searches set them first).
void RecastChart(EngineState& state, const EngineSettings& settings, BodySet wanted = BodySet::All());
// Casts at another date and clock time (file units) in the zone and place of
// the birth copy: the trial casts of the time searches.
void RecastAt(EngineState& state, const EngineSettings& settings, int year, int month, int day, double time,
              BodySet wanted = BodySet::All());

// The largest magnitude a birth field may have to be cast. No input comes
// near it (a chart file holds years up to 2999 and angles up to 180); past
// it the whole-number conversions of dates and the ephemeris's powers of
// time would overflow, so the drivers refuse such data before any cast.
inline constexpr double kBirthFieldLimit = 1e6;

// True when every field is a finite number no larger in magnitude than
// kBirthFieldLimit: the birth data the drivers accept.
bool IsCastable(const BirthData& birth);

// Moon's nakshatra (0..26), pada (0..3) and the unelapsed fraction of its
// nakshatra (0, 1], taken together so that they agree at exact boundaries.
struct NakshatraPosition {
  int nakshatra = 0;
  int pada = 0;
  double unelapsed = 1.0;
};
NakshatraPosition NakshatraOf(double longitude);

}  // namespace orvane
