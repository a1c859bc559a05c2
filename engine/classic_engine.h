// The classic engine: the built-in compact theory of engine/ephemeris.h
// behind the ephemeris interface.
#pragma once

#include "engine/ephemeris_engine.h"

namespace orvane {

class ClassicEngine final : public EphemerisEngine {
 public:
  EphemerisKind Kind() const override { return EphemerisKind::kClassic; }
  // Computes the wanted bodies it knows (the Sun to Saturn and the mean
  // node; never Uranus, Neptune or Pluto), with what the theory computes
  // together: the Moon with the node, a planet with all five.
 protected:
  void CastBodies(EngineState& state, const EngineSettings& settings, BodySet wanted, CastResult& out) const override;

 public:
  double DateAyanamsa(EngineState& state, const EngineSettings& settings, int year, int month,
                      int day) const override;
  std::string Describe(const EngineState& state) const override;
};

}  // namespace orvane
