// Shadbala (six-fold strength) of Sun..Saturn and bhava bala of the twelve
// houses, computed by ComputeShadbala (vedic/strength.h). Strengths are in
// virupas (sixtieths of a rupa) unless noted.
//
// BeneficFlags reads slotLongitude[1..8]: the benefic grading shadbala
// starts from.
//
// ComputeShadbala reads, from the chart state:
//   slotLongitude[0..8]            sidereal degrees (ascendant, Sun..Rahu)
//   vedic.rasi[0..7]               signs of the ascendant and Sun..Saturn
//   vedic.vargaSign[D-2, D-3, D-7, D-9, D-12][1..7] and vedic.trimsamsaLord[1..7]
//                                  (so it runs after the divisional charts)
//   vedic.dayCount                 abda, masa and vara lords (weekday = (n + 2) mod 7)
//   birth.year, month, day, time, longitude   chesta bala's mean motions
//   sunrise.minutesSinceSunrise, dayLength, nightLength, bornInDaytime
//                                  tribhaga and hora lords
// and fills the StrengthState it is given: beneficFlag, shadbala and bhava.
// WriteShadbalaSection (vedic/strength.h) writes the text of section 13 or
// 22 from them.
#pragma once

#include <array>
#include <cstdint>

#include "chart/chart_state.h"

namespace orvane {

// The rupas each of Sun..Saturn needs to be called strong (index 0 = Sun).
inline constexpr std::array<double, 7> kRequiredShadbalaRupas = {5, 6, 5, 7, 6.5, 5.5, 5};

// Angle between two longitudes in degrees, [0, 180].
double ArcBetween(double a, double b);

// Uchcha (exaltation) bala in virupas, 0..60, of a planet with code 1..7:
// a third of its arc from its deep debilitation point. Any other code, or a
// longitude that is not finite, gives 0.
double UchchaBala(int planet, double longitude);

// Drishti (aspect) value in virupas of the planet with code 1..7 on a point
// d degrees ahead of it, d in [0, 360), with the special aspects of Mars,
// Jupiter and Saturn added.
double DrishtiValue(int planet, double d);

// Declination in degrees for a tropical longitude folded into [0, 90], from
// the table of cumulative minutes by 15 degrees (90 itself gives 24).
double TableDeclination(double folded);

// Benefic flags of Sun..Rahu by planet code (index 0 unused): the fixed
// ones, the Moon by its distance from the Sun and Mercury by its
// association with the others. Reads state.slotLongitude[1..8].
std::array<std::int32_t, 9> BeneficFlags(const ChartState& state);

// The tribhaga part 0..2 of the chart moment: thirds of the day when born
// in daytime, else of the night. A day or night length that is 0, negative
// or not finite gives part 0.
int TribhagaPart(const SunriseValues& sunrise);

// Days from 1 January 1900, 0 h, to the chart moment (negative before 1900),
// with the clock time and the longitude taken as their stored numbers.
double DaysSince1900(const BirthData& birth);

}  // namespace orvane
