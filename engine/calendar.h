// Calendar and time arithmetic shared by the whole program.
//
// Units: stored times and angles are "whole.minutes" values (hours or degrees
// + minutes/100, seconds continuing as hundredths of a minute); the sign
// belongs to the whole value. Dasa dates carry ghatis (60 to a day). A
// duration always stands for 360*years + 30*months + days days plus ghatis.
#pragma once

#include <cstdint>

namespace orvane {

inline constexpr double kRadiansPerDegree = 0.017453292519943295;
inline constexpr double kDegreesPerRadian = 57.29577951308232;
inline constexpr double kTwoPi = 6.283185307179586;

double Abs(double x);
// -1.0 below zero, 0.0 at zero, 1.0 otherwise.
double Sign(double x);
// x - floor(x/360)*360, always in [0, 360); non-finite input gives 0.
double Mod360(double x);
// x reduced into [0, 2pi) by whole turns (radians); non-finite input gives 0.
double Mod2Pi(double x);
// Whole turns removed until 0 <= x < 360; same values as Mod360 in the
// ordinary range, bounded for any input, non-finite input gives 0.
double Normalise360(double x);
// Signs and houses numbered 1..12: brought back into 1..12 by one turn.
int WrapSign(int n);
// Shorter arc between two longitudes, in [0, 180].
double MinArc(double a, double b);
// whole.minutes -> decimal (-81.12 -> -81.2).
double DecToDeg(double x);

struct DmsParts {
  int positive = 1;     // 1 when x >= 0
  double whole = 0;     // floor(|x|)
  double minutes = 0;   // floor of the fraction * 100
  double seconds = 0;   // the rest * 60
};
DmsParts SplitDms(double x);

// Day number of the noon of a calendar date; dates up to 15 October 1582
// (J <= 2299171) are read as Julian-calendar dates.
double DayNumber(double month, double day, double year);
int IsLeapYear(int year);

// Proleptic Gregorian day count (0 = 1 January of year 0); every year follows
// IsLeapYear, as the date stepping does. Days past a month's end run on into
// the following months (31 April is 1 May).
std::int64_t GregorianDayCount(std::int64_t year, std::int64_t month, std::int64_t day);
void GregorianFromDayCount(std::int64_t count, int& year, int& month, int& day);

struct DasaDate {
  int year = 0;
  int month = 1;
  int day = 1;
  double ghatis = 0;  // 60 to a day
};

struct DasaDuration {
  int years = 0;
  int months = 0;
  int days = 0;
  double ghatis = 0;
};

bool operator==(const DasaDate& a, const DasaDate& b);

// table[i] years at `scale` ghatis per year unit over `divisor`.
DasaDuration EncodeDuration(int i, double scale, const int* table, double divisor);
// The same from a ready count of ghatis.
DasaDuration EncodeGhatis(double ghatis);
// The date `duration` later; a date that does not exist (29 February of a
// common year) is first read as the real date its day count names.
DasaDate AddDuration(const DasaDate& date, const DasaDuration& duration);
// The date `duration` earlier (same normalisation as AddDuration).
DasaDate SubtractDuration(const DasaDate& date, const DasaDuration& duration);
// Days from `earlier` to `later` (negative when reversed).
double DaysBetween(const DasaDate& later, const DasaDate& earlier);

}  // namespace orvane
