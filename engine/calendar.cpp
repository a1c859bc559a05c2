#include "engine/calendar.h"

#include <cmath>
#include <limits>

namespace orvane {

double Abs(double x) { return x >= 0 ? x : -x; }

double Sign(double x) {
  if (x < 0) return -1.0;
  if (x == 0) return 0.0;
  return 1.0;
}

namespace {

// Brings a result that rounding left on a bound back into [0, 360).
double KeepInTurn(double r) {
  if (r < 0) r += 360.0;
  if (r >= 360.0) r -= 360.0;
  if (!(r >= 0.0 && r < 360.0)) r = 0.0;  // -1e-14 + 360 rounds to 360
  return r;
}

}  // namespace

double Mod360(double x) {
  if (!std::isfinite(x)) return 0.0;
  return KeepInTurn(x - std::floor(x / 360.0) * 360.0);
}

double Mod2Pi(double x) {
  if (!std::isfinite(x)) return 0.0;
  double r = x - std::floor(x / kTwoPi) * kTwoPi;
  if (r < 0) r += kTwoPi;
  if (r >= kTwoPi) r -= kTwoPi;
  if (!(r >= 0.0 && r < kTwoPi)) r = 0.0;
  return r;
}

double Normalise360(double x) {
  if (!std::isfinite(x)) return 0.0;
  // In the ordinary range a few whole turns are removed one at a time (the
  // exact values the program has always produced); beyond it, one exact fmod.
  if (x >= 4 * 360.0 || x < -4 * 360.0) x = std::fmod(x, 360.0);
  while (x >= 360.0) x -= 360.0;
  while (x < 0.0) x += 360.0;
  return KeepInTurn(x);
}

int WrapSign(int n) {
  if (n > 12) return n - 12;
  if (n < 1) return n + 12;
  return n;
}

double MinArc(double a, double b) {
  const double d = Abs(a - b);
  return (360.0 - d <= d) ? 360.0 - d : d;
}

double DecToDeg(double x) {
  const double ax = Abs(x);
  const double whole = std::floor(ax);
  return Sign(x) * (whole - (ax - whole) * -1.6666666666666667);
}

DmsParts SplitDms(double x) {
  DmsParts p;
  p.positive = x >= 0 ? 1 : 0;
  x = Abs(x);
  p.whole = std::floor(x);
  const double m = (x - p.whole) * 100.0;
  p.minutes = std::floor(m);
  p.seconds = (m - p.minutes) * 60.0;
  return p;
}

double DayNumber(double m, double d, double y) {
  const double M = m + 12.0 * (y + 4800.0) - 3.0;
  const double A = std::floor(M * 0.08333333333333333);
  const double J = std::floor(M * 0.020833333333333332) +
                   std::floor((365.0 * M + 2.0 * (M - 12.0 * A) + 7.0) * 0.08333333333333333) + d -
                   32083.0;
  if (J <= 2299171.0) return J;
  return J + std::floor(M * 0.00020833333333333335) - std::floor(M * 0.0008333333333333334) + 38.0;
}

int IsLeapYear(int y) { return ((y % 4 == 0 && y % 100 != 0) || y % 400 == 0) ? 1 : 0; }

namespace {

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
  std::int64_t q = a / b;
  if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
  return q;
}

// Days before month m (1..12) in a year, March-based so February comes last.
std::int64_t DaysFromMarch(std::int64_t mp) { return (153 * mp + 2) / 5; }

}  // namespace

std::int64_t GregorianDayCount(std::int64_t year, std::int64_t month, std::int64_t day) {
  // Months outside 1..12 carry into the year first.
  const std::int64_t m0 = month - 1;
  year += FloorDiv(m0, 12);
  month = m0 - 12 * FloorDiv(m0, 12) + 1;  // [1, 12]
  const std::int64_t y = month <= 2 ? year - 1 : year;
  const std::int64_t era = FloorDiv(y, 400);
  const std::int64_t yoe = y - era * 400;                          // [0, 399]
  const std::int64_t mp = month > 2 ? month - 3 : month + 9;       // [0, 11]
  const std::int64_t doy = DaysFromMarch(mp) + day - 1;            // day may run past the month
  const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;  // [0, 146096] for real dates
  return era * 146097 + doe + 60;  // 1 March of year 0 is day 60 of a leap year
}

void GregorianFromDayCount(std::int64_t count, int& year, int& month, int& day) {
  const std::int64_t z = count - 60;
  const std::int64_t era = FloorDiv(z, 146097);
  const std::int64_t doe = z - era * 146097;                                   // [0, 146096]
  const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;  // [0, 399]
  const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);             // [0, 365]
  const std::int64_t mp = (5 * doy + 2) / 153;                                 // [0, 11]
  day = static_cast<int>(doy - DaysFromMarch(mp) + 1);                          // [1, 31]
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);                          // [1, 12]
  year = static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0));
}

bool operator==(const DasaDate& a, const DasaDate& b) {
  return a.year == b.year && a.month == b.month && a.day == b.day && a.ghatis == b.ghatis;
}

namespace {

constexpr std::int64_t kMaxDays = std::int64_t{1} << 40;

// Whole days held in a count of ghatis beyond [0, 60), bounded for any input.
std::int64_t CarryGhatis(double& g) {
  if (!std::isfinite(g)) {
    g = 0;
    return 0;
  }
  if (g >= 0 && g < 60) return 0;
  double days = std::floor(g / 60.0);
  if (days > static_cast<double>(kMaxDays)) days = static_cast<double>(kMaxDays);
  if (days < -static_cast<double>(kMaxDays)) days = -static_cast<double>(kMaxDays);
  g -= 60.0 * days;  // exact: the result is smaller than g
  // One more step where rounding left g on a bound.
  if (g >= 60) {
    g -= 60;
    days += 1;
  }
  if (g < 0) {
    g += 60;
    days -= 1;
  }
  return static_cast<std::int64_t>(days);
}

std::int64_t DurationDays(const DasaDuration& d) {
  return std::int64_t{d.days} + 30 * (std::int64_t{d.months} + 12 * std::int64_t{d.years});
}

DasaDate FromCount(std::int64_t count, double ghatis) {
  DasaDate r;
  GregorianFromDayCount(count, r.year, r.month, r.day);
  r.ghatis = ghatis;
  return r;
}

}  // namespace

DasaDuration EncodeGhatis(double G) {
  DasaDuration out;
  if (!std::isfinite(G)) return out;
  const double limit = 60.0 * 360.0 * 5.0e6;  // five million years of ghatis
  if (G > limit) G = limit;
  if (G < -limit) G = -limit;
  std::int64_t n = static_cast<std::int64_t>(std::trunc(std::floor(G / 60.0)));
  double g = G - 60.0 * static_cast<double>(n);
  n += CarryGhatis(g);
  out.years = static_cast<int>(n / 360);
  out.months = static_cast<int>((n % 360) / 30);
  out.days = static_cast<int>((n % 360) % 30);
  out.ghatis = g;
  return out;
}

DasaDuration EncodeDuration(int i, double scale, const int* table, double divisor) {
  return EncodeGhatis(table[i] * scale / divisor);
}

DasaDate AddDuration(const DasaDate& date, const DasaDuration& duration) {
  double g = date.ghatis + duration.ghatis;
  std::int64_t n = DurationDays(duration) + CarryGhatis(g);
  return FromCount(GregorianDayCount(date.year, date.month, date.day) + n, g);
}

DasaDate SubtractDuration(const DasaDate& date, const DasaDuration& duration) {
  double G = duration.ghatis;
  std::int64_t n = DurationDays(duration);
  // Whole days in the subtracted ghatis, then a borrow for a negative rest.
  n += CarryGhatis(G);
  double g = date.ghatis - G;
  n -= CarryGhatis(g);
  return FromCount(GregorianDayCount(date.year, date.month, date.day) - n, g);
}

double DaysBetween(const DasaDate& later, const DasaDate& earlier) {
  const std::int64_t n = GregorianDayCount(later.year, later.month, later.day) -
                         GregorianDayCount(earlier.year, earlier.month, earlier.day);
  return static_cast<double>(n) + (later.ghatis - earlier.ghatis) / 60.0;
}

}  // namespace orvane
