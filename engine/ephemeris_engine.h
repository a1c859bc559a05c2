// The ephemeris behind every cast: the positions of the bodies a chart
// needs, the ascendant and the sidereal time for a moment and place. Two engines implement it: "classic", the built-in
// compact theory (engine/ephemeris.h), and "swiss", the Swiss Ephemeris.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/body.h"
#include "engine/engine_settings.h"
#include "engine/engine_state.h"

namespace orvane {

// The values one cast carries into the next. The classic theory starts its
// sidereal correction from the one the cast before left, and the ayanamsa
// a chart shows from the one the date before left; the Swiss engine keeps
// the least precise source of its positions so far. The printed digits of
// a chart depend on these chains, so casts run in a fixed order through one
// Caster (engine/caster.h), which owns them.
struct CastChains {
  double siderealCorrection = 0;  // K, degrees
  double reportAyanamsaPrev = 0;  // what the last date's ayanamsa left
  std::uint8_t swissSource = 0;   // SwissSource (engine/swiss_engine.h)
  // Casts made with these chains (bounds the searches' work).
  std::uint32_t casts = 0;
};

// The moment and place of a cast in the units the engines compute with,
// converted once from the birth fields in file units.
struct CastMoment {
  double ut = 0;             // universal time, decimal hours of the chart's date
  double longitudeWest = 0;  // degrees, positive west
  double latitude = 0;       // radians, positive north
  double latitudeDegrees = 0;
  double dayNumber = 0;      // day number of the date's noon (DayNumber)
  double T = 0;              // Julian centuries from 1899 Dec 31 noon
};
CastMoment CastMomentOf(const BirthData& birth);

// The results of one cast, by body. Only the bodies an engine computed are
// set (computed.Has(body)); the classic engine leaves Uranus, Neptune and
// Pluto out. Ketu is set with Rahu, as its opposite point.
struct CastResult {
  std::array<double, kBodyCount> longitude{};  // sidereal degrees, [0, 360)
  std::array<std::uint8_t, kBodyCount> retrograde{};
  BodySet computed{};
  double ascendant = 0;  // sidereal degrees, [0, 360)
  double ramc = 0;       // local sidereal time as the right ascension of the meridian, radians
  // The classic theory's obliquity (radians) and sidereal correction K
  // (degrees) of this cast; 0 from the Swiss engine.
  double obliquity = 0;
  double siderealCorrection = 0;

  // Set by the Caster: the moment and place cast (file units) with its
  // conversion, and the negated ayanamsa of its date (the added form).
  BirthData moment{};
  CastMoment converted{};
  double ayanamsa = 0;

  double Longitude(Body body) const { return longitude[IndexOf(body)]; }
};

class EphemerisEngine {
 public:
  virtual ~EphemerisEngine() = default;

  virtual EphemerisKind Kind() const = 0;

  // Casts a moment and place for at least the bodies of `wanted` (and the
  // ascendant when it asks for it). The chains advance on every cast,
  // whatever is wanted.
  CastResult Cast(const CastMoment& moment, const EngineSettings& settings, BodySet wanted,
                  CastChains& chains) const {
    CastResult out;
    CastBodies(moment, settings, wanted, chains, out);
    AddKetu(out);
    return out;
  }

  // The negated ayanamsa (the form that is added to a tropical longitude) of
  // a date at 0 h universal time, as the chart shows it.
  virtual double DateAyanamsa(const EngineSettings& settings, int year, int month, int day,
                              CastChains& chains) const = 0;

  // One line that names the engine and its source of positions (the chains'
  // swissSource of the chart's casts; "" for the classic engine, whose text
  // stays as it is).
  virtual std::string Describe(std::uint8_t swissSource) const = 0;

  // Ketu from Rahu, when the cast gave Rahu.
  static void AddKetu(CastResult& out) {
    const std::size_t rahu = IndexOf(Body::kRahu), ketu = IndexOf(Body::kKetu);
    if (!out.computed.Has(Body::kRahu)) return;
    const double node = out.longitude[rahu];
    out.longitude[ketu] = node >= 180 ? node - 180 : node + 180;
    out.retrograde[ketu] = 0;
    out.computed = out.computed.With(Body::kKetu);
  }

 protected:
  // The engine's own cast: the bodies of `wanted` it computes (Ketu is
  // derived by Cast).
  virtual void CastBodies(const CastMoment& moment, const EngineSettings& settings, BodySet wanted,
                          CastChains& chains, CastResult& out) const = 0;
};

// The engine of a kind; engines live as long as the program.
const EphemerisEngine& EngineFor(EphemerisKind kind);

}  // namespace orvane
