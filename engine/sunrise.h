// The angle-crossing search that finds sunrise, sunset and the new moon.
#pragma once

#include "engine/body.h"
#include "engine/calendar.h"
#include "engine/engine_state.h"
#include "engine/ephemeris_engine.h"
#include "engine/time_units.h"

namespace orvane {

class Caster;

// A search's result: the moment found (the start when nothing was found)
// and the whole cast at it.
struct SearchResult {
  DasaDate moment{};
  CastResult cast{};
  bool found = false;  // false when no crossing came within the bound
};

// Longitude of slot `slot` in a cast: the ascendant (slot 0) or a graha.
double SlotLongitude(const CastResult& cast, int slot);

// Longitude of slot a minus (slot b + tau), in [0, 360).
double AngleFunction(const CastResult& cast, int a, int b, double tau);

// The last moment before the crossing of the target (seen from start),
// searched backward or forward, with the trial casts in the zone and place
// of `place` (file units).
SearchResult SearchBackward(Caster& caster, const BirthData& place, const DasaDate& start, int a, int b,
                            double tau);
SearchResult SearchForward(Caster& caster, const BirthData& place, const DasaDate& start, int a, int b,
                           double tau);

// The searches above without their fast path (coarse steps and halvings
// from the start), which they keep for where the fast one does not apply.
SearchResult SearchStepped(Caster& caster, const BirthData& place, const DasaDate& start, int a, int b,
                           double tau, bool backward);

// kind 0 sunrise, 1 sunset; direction 0 the last event before start, 1 the
// next one after it.
SearchResult FindSunEvent(Caster& caster, const BirthData& place, int kind, int direction,
                          const DasaDate& start);

// The chart moment as a date with ghatis (hours + minutes/60 + seconds/3600,
// times 2.5) from a clock time in file units.
DasaDate MomentOf(double year, double month, double day, FileClock time);

}  // namespace orvane
