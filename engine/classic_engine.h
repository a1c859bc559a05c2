// The classic engine: the built-in compact theory of engine/ephemeris.h
// behind the ephemeris interface.
#pragma once

#include <string>

#include "engine/ephemeris_engine.h"

namespace orvane {

// The years in which the classic theory's positions stay within a few
// arc-minutes of the Swiss Ephemeris (measured over random dates: at most
// about 4.5' for the Moon and 1' for the others). Outside them Jupiter and
// Saturn drift by degrees (Jupiter about 10' in 2000-2049, 65 degrees at
// 200 CE), and the results, kept as they are, need the precise engine.
inline constexpr int kClassicCloseFromYear = 1900;
inline constexpr int kClassicCloseToYear = 1999;

// Empty for a year inside that range; otherwise one sentence saying that
// the classic engine is far from the sky then and the Swiss Ephemeris is
// the one to use.
std::string ClassicRangeNote(int year);
// The same, short enough for a status bar or a page header: "classic
// engine (use the Swiss Ephemeris outside 1900-1999)".
std::string ClassicRangeShortNote(int year);

class ClassicEngine final : public EphemerisEngine {
 public:
  EphemerisKind Kind() const override { return EphemerisKind::kClassic; }
  // Computes the wanted bodies it knows (the Sun to Saturn and the mean
  // node; never Uranus, Neptune or Pluto), with what the theory computes
  // together: the Moon with the node, a planet with all five.
 protected:
  void CastBodies(const CastMoment& moment, const EngineSettings& settings, BodySet wanted, CastChains& chains,
                  CastResult& out) const override;

 public:
  double DateAyanamsa(const EngineSettings& settings, int year, int month, int day,
                      CastChains& chains) const override;
  std::string Describe(std::uint8_t swissSource) const override;
};

}  // namespace orvane
