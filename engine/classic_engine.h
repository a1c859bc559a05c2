// The classic engine: the built-in compact theory of engine/ephemeris.h
// behind the ephemeris interface.
#pragma once

#include "engine/ephemeris_engine.h"

namespace orvane {

class ClassicEngine final : public EphemerisEngine {
 public:
  EphemerisKind Kind() const override { return EphemerisKind::kClassic; }
  // Computes every body it knows whatever is wanted (the Sun to Saturn and
  // the mean node; not Uranus, Neptune or Pluto).
  void Cast(EngineState& state, const EngineSettings& settings, BodySet wanted, CastResult& out) const override;
  double DateAyanamsa(EngineState& state, const EngineSettings& settings, int year, int month,
                      int day) const override;
  std::string Describe(const EngineState& state) const override;
};

}  // namespace orvane
