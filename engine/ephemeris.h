// The classic ephemeris: geocentric sidereal longitudes of the Sun, Moon, five
// planets and the mean node, their retrograde flags, the obliquity, sidereal
// time and ascendant, from a compact analytic theory (Keplerian elements as
// polynomials in T, periodic corrections for Jupiter and Saturn, light time,
// and a trigonometric series for the Moon).
#pragma once

#include "engine/engine_settings.h"
#include "engine/engine_state.h"

namespace orvane {

// Chitrapaksha ayanamsa (degrees) at T for the formula's `prev` value.
double ChitrapakshaRaw(double T, double prev);
// K for this cast; chains through state.ephemeris.siderealCorrection.
double SiderealCorrection(EngineState& state, const EngineSettings& settings, double T);
// The negated ayanamsa of a date (0 h universal time), chained through
// state.ephemeris.reportAyanamsaPrev.
double ReportAyanamsa(EngineState& state, const EngineSettings& settings, int year, int month, int day);
// Longitude offset of the ascendant from the Sun at sunrise (rising) or sunset.
double SunriseTarget(int definition, bool rising);

double ComputeObliquity(double T);
double ComputeSiderealTime(double ut, double T, double longitudeWest);
double ComputeAscendant(double ramc, double obliquity, double latitude, double K);

// The parts of a cast. The trial casts of the searches compute only what
// they read; every cast, whole or not, advances the sidereal correction's
// chain exactly as a whole cast does.
enum CastPart : unsigned {
  kCastAscendant = 1,
  kCastSun = 2,
  kCastMoon = 4,     // the Moon and the node
  kCastPlanets = 8,  // Mercury to Saturn (with the Sun)
  kCastWhole = 15,
};

// A cast from the birth fields of the state (converted in place when
// `convert` is 1): fills state.ephemeris with the results of `parts` (by
// body: the Sun, the Moon, Mercury..Saturn and Rahu, the mean node; and the
// ascendant); the others keep the values of an earlier cast.
void CastEphemeris(EngineState& state, const EngineSettings& settings, int convert, unsigned parts = kCastWhole);

}  // namespace orvane
