// Shadbala (six-fold strength) of Sun..Saturn and bhava bala of the twelve
// houses. The section writers themselves are ComputeNatureOfPlanets and
// ComputeShadbala (vedic/strength.h). Strengths are in virupas (sixtieths of
// a rupa) unless noted.
#pragma once

#include <array>
#include <cstdint>

#include "engine/chart_state.h"

namespace orvane {

// Angle between two longitudes in degrees, [0, 180].
double ArcBetween(double a, double b);

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
