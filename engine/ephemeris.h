// The classic ephemeris: geocentric sidereal longitudes of the Sun, Moon, five
// planets and the mean node, their retrograde flags, the obliquity, sidereal
// time and ascendant, from a compact analytic theory (Keplerian elements as
// polynomials in T, periodic corrections for Jupiter and Saturn, light time,
// and a trigonometric series for the Moon).
#pragma once

#include <array>

#include "engine/body.h"
#include "engine/engine_settings.h"
#include "engine/ephemeris_engine.h"

namespace orvane {

// The working values and results of one classic cast (radians unless noted).
struct EphemerisState {
  double T = 0;                   // Julian centuries from 1899 Dec 31 noon
  double obliquity = 0;
  double siderealCorrection = 0;  // K, degrees
  double ramc = 0;
  // By body (engine/body.h): the Sun, the Moon, Mercury..Saturn and Rahu.
  std::array<double, kBodyCount> longitude{};
  std::array<double, kBodyCount> retrograde{};
  double ascendant = 0;
};

// Chitrapaksha ayanamsa (degrees) at T for the formula's `prev` value.
double ChitrapakshaRaw(double T, double prev);
// K for this cast; chains through chains.siderealCorrection.
double SiderealCorrection(CastChains& chains, const EngineSettings& settings, double T);
// The negated ayanamsa of a date (0 h universal time), chained through
// chains.reportAyanamsaPrev.
double ReportAyanamsa(CastChains& chains, const EngineSettings& settings, int year, int month, int day);
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

// A cast of a moment: the results of `parts` (by body: the Sun, the Moon,
// Mercury..Saturn and Rahu, the mean node; and the ascendant); the others
// stay 0.
EphemerisState CastEphemeris(const CastMoment& moment, const EngineSettings& settings, CastChains& chains,
                             unsigned parts = kCastWhole);

}  // namespace orvane
