// The ephemeris behind every cast: the positions of the bodies a chart
// needs, the ascendant and the sidereal time for the moment and place in a
// state's birth fields. Two engines implement it: "classic", the built-in
// compact theory (engine/ephemeris.h), and "swiss", the Swiss Ephemeris.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/body.h"
#include "engine/engine_settings.h"
#include "engine/engine_state.h"

namespace orvane {

// The results of one cast, by body. Only the bodies an engine computed are
// set (computed.Has(body)); the classic engine leaves Uranus, Neptune and
// Pluto out. Ketu is set with Rahu, as its opposite point.
struct CastResult {
  std::array<double, kBodyCount> longitude{};  // sidereal degrees, [0, 360)
  std::array<std::uint8_t, kBodyCount> retrograde{};
  BodySet computed{};
  double ascendant = 0;  // sidereal degrees, [0, 360)
  double ramc = 0;       // local sidereal time as the right ascension of the meridian, radians
};

// The moment and place of a cast in the units the engines compute with,
// converted once from the birth fields in file units.
struct CastMoment {
  double ut = 0;             // universal time, decimal hours of the chart's date
  double longitudeWest = 0;  // degrees, positive west
  double latitude = 0;       // radians, positive north
  double dayNumber = 0;      // day number of the date's noon (DayNumber)
  double T = 0;              // Julian centuries from 1899 Dec 31 noon
};
CastMoment CastMomentOf(const BirthData& birth);
// Leaves the converted time, longitude and latitude in the birth fields,
// where the searches read them after a cast.
void StoreConverted(BirthData& birth, const CastMoment& moment);

class EphemerisEngine {
 public:
  virtual ~EphemerisEngine() = default;

  virtual EphemerisKind Kind() const = 0;

  // Casts the moment and place of state.birth (file units on entry; the
  // time, longitude and latitude are converted in place, as the searches
  // expect) for at least the bodies of `wanted` (and the ascendant when it
  // asks for it). The ayanamsa chain in state.ephemeris advances on every
  // cast, whatever is wanted.
  void Cast(EngineState& state, const EngineSettings& settings, BodySet wanted, CastResult& out) const {
    CastBodies(state, settings, wanted, out);
    AddKetu(out);
  }

  // The negated ayanamsa (the form that is added to a tropical longitude) of
  // a date at 0 h universal time, as the chart shows it.
  virtual double DateAyanamsa(EngineState& state, const EngineSettings& settings, int year, int month,
                              int day) const = 0;

  // One line that names the engine and its source of positions for the
  // moment last cast ("" for the classic engine, whose text stays as it is).
  virtual std::string Describe(const EngineState& state) const = 0;

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
  virtual void CastBodies(EngineState& state, const EngineSettings& settings, BodySet wanted,
                          CastResult& out) const = 0;
};

// The engine of a kind; engines live as long as the program.
const EphemerisEngine& EngineFor(EphemerisKind kind);

}  // namespace orvane
