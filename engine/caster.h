// The Caster: the one way a chart's positions are cast. It owns the values
// one cast carries into the next (CastChains: the classic theory's sidereal
// correction, the chart's ayanamsa, the Swiss engine's source) and turns a
// moment and place, in file units, into a CastResult: the moment is
// converted once here, and no engine sees or changes birth fields.
//
// A chart's digits depend on the order of its casts (the chains), so one
// Caster casts everything a chart computes, in the order the driver
// (compute/) gives; a fresh Caster starts the chains anew, and so a chart
// depends only on its own data.
#pragma once

#include <array>
#include <cstdint>

#include "engine/body.h"
#include "engine/calendar.h"
#include "engine/engine_settings.h"
#include "engine/engine_state.h"
#include "engine/ephemeris_engine.h"
#include "engine/time_units.h"

namespace orvane {

class Caster {
 public:
  explicit Caster(const EngineSettings& settings);

  // Casts the moment and place of `moment` (file units) for at least the
  // bodies of `wanted`. The ayanamsa is that of the moment's date (its whole
  // numbers). Every cast, whole or not, advances the chains exactly as a
  // whole cast does, so the casts that give results are the same.
  CastResult Cast(const BirthData& moment, BodySet wanted = BodySet::All());
  // Casts a date and clock time (file units) in the zone and place of
  // `place`: the trial casts of the searches.
  CastResult CastAtClock(const BirthData& place, int year, int month, int day, FileClock time,
                         BodySet wanted = BodySet::All());
  // Casts a date with ghatis in the zone and place of `place`.
  CastResult CastAt(const BirthData& place, const DasaDate& moment, BodySet wanted = BodySet::All());

  const EngineSettings& Settings() const { return settings_; }
  const CastChains& Chains() const { return chains_; }
  std::uint32_t CastCount() const { return chains_.casts; }

 private:
  EngineSettings settings_;
  const EphemerisEngine* engine_;
  CastChains chains_{};
  // The Swiss engine's last whole casts: a cast is a function of its moment
  // there (no chains carry into it), so a moment cast again whole is given
  // from here. The classic engine always casts: its chains advance with
  // every cast.
  static constexpr int kRemembered = 4;
  std::array<CastResult, kRemembered> remembered_{};
  int rememberedCount_ = 0;
  int rememberedNext_ = 0;
};

// Puts a cast into the chart's slots: the bodies it computed (slots 0..9,
// and 26..28 when the engine computes Uranus, Neptune and Pluto; the others
// keep their values), the moment, the ayanamsa and the Moon's nakshatra
// balance. Returns the Moon's nakshatra index.
int ApplyCast(EngineState& state, const CastResult& cast);

}  // namespace orvane
