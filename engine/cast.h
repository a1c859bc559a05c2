// What a cast accepts and the Moon's nakshatra of a cast (the casts
// themselves: engine/caster.h).
#pragma once

#include "engine/engine_state.h"

namespace orvane {

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
