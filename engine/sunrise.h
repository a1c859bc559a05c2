// The angle-crossing search that finds sunrise, sunset and the new moon.
#pragma once

#include "engine/body.h"
#include "engine/calendar.h"
#include "engine/engine_settings.h"
#include "engine/engine_state.h"
#include "engine/time_units.h"

namespace orvane {

// Casts the chart at a date with ghatis in the birth zone and place; a trial
// cast computes only the `wanted` slots (the others keep their values).
void CastAtMoment(EngineState& state, const EngineSettings& settings, const DasaDate& moment,
                  BodySet wanted = BodySet::All());

// Longitude of slot a minus (slot b + tau), in [0, 360).
double AngleFunction(const EngineState& state, int a, int b, double tau);

// The last moment before the crossing of the target (seen from start),
// searched backward or forward; the state is left cast at it. `found` is
// false when no crossing came within the bound (the result is then the
// start).
DasaDate SearchBackward(EngineState& state, const EngineSettings& settings, const DasaDate& start, int a, int b,
                        double tau, bool* found = nullptr);
DasaDate SearchForward(EngineState& state, const EngineSettings& settings, const DasaDate& start, int a, int b,
                       double tau, bool* found = nullptr);

// The searches above without their fast path (coarse steps and halvings
// from the start), which they keep for where the fast one does not apply.
DasaDate SearchStepped(EngineState& state, const EngineSettings& settings, const DasaDate& start, int a, int b,
                       double tau, bool backward, bool* found = nullptr);

// kind 0 sunrise, 1 sunset; direction 0 the last event before start, 1 the
// next one after it.
DasaDate FindSunEvent(EngineState& state, const EngineSettings& settings, int kind, int direction, const DasaDate& start,
                      bool* found = nullptr);

// The chart moment as a date with ghatis (hours + minutes/60 + seconds/3600,
// times 2.5) from a clock time in file units.
DasaDate MomentOf(double year, double month, double day, FileClock time);

}  // namespace orvane
