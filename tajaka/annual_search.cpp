// The solar-return search: the moment the sidereal Sun comes back to its
// natal longitude (annual chart), or to it plus whole months of 30 deg and
// hora periods of 2.5 deg (monthly and hora charts).
#include <cmath>
#include <cstdint>

#include "engine/body.h"
#include "engine/calendar.h"
#include "engine/caster.h"
#include "tajaka/tajaka.h"

namespace orvane {

namespace {

constexpr double kLastHour = 23.99999999;
constexpr double kHourPrecision = 0.0001;
// More days than any return can lie from its starting day over the whole
// range of years (the calendar drifts from the sidereal year by about 40
// days in 3000 years).
constexpr int kMaxDaySteps = 800;

struct Day {
  std::int64_t count;  // proleptic Gregorian day count
};

CastResult CastAtTrialMoment(Caster& caster, const BirthData& place, Day day, double hours,
                             BodySet wanted = BodySet::All()) {
  int y, m, d;
  GregorianFromDayCount(day.count, y, m, d);
  const double fl = std::floor(hours);
  return caster.CastAtClock(place, y, m, d, FileClock{fl + 0.6 * (hours - fl)}, wanted);
}

// The Sun's longitude brought within 300 deg of the target, so that the
// comparison stays continuous across 0 deg Aries.
double Unwrapped(double sun, double target) {
  if (sun - target <= 300 && target - sun <= 300) return sun;
  const double below = sun - 360;
  if (below - target <= 300 && target - below <= 300) return below;
  return sun + 360;
}

double SunAt(Caster& caster, const BirthData& place, Day day, double hours, double target) {
  const CastResult trial = CastAtTrialMoment(caster, place, day, hours, BodySet{}.With(Body::kSun));  // the Sun alone
  return Unwrapped(trial.Longitude(Body::kSun), target);
}

}  // namespace

CastResult FindTajakaChart(ChartState& state, const Settings&, Caster& caster) {
  const BirthData& place = state.birth;
  TajakaState& tj = state.tajaka;
  for (int slot = 0; slot < 10; ++slot) {
    tj.natalLongitude[slot] = state.slotLongitude[slot];
    tj.natalRetrograde[slot] = state.slotRetrograde[slot];
  }
  const ChartOptions& o = state.options;
  const int month = (o.tajakaMonth >= 1 && o.tajakaMonth <= 12) ? o.tajakaMonth : 1;
  const int hora = (o.tajakaHoraWanted && o.tajakaHora >= 0 && o.tajakaHora <= 11) ? o.tajakaHora : 0;

  double target = tj.natalLongitude[kSun];
  if (o.tajakaMonthly) {
    target = target + 30 * (month - 1) + 2.5 * hora;
    if (target >= 360) target -= 360;
  }
  tj.target = target;

  // The birthday in the chosen year (a 29 February of a common year is read
  // as 1 March), then the month's advance, then ten days more.
  int year = o.tajakaYear;
  if (year < -3000) year = -3000;
  if (year > 3000) year = 3000;
  Day day{GregorianDayCount(year, static_cast<int>(state.birth.month), static_cast<int>(state.birth.day))};
  if (o.tajakaMonthly) day.count += static_cast<std::int64_t>(std::trunc(((month - 1) + hora / 12.0) * 30.436875));
  day.count += 10;

  // Day search: back while the Sun at midnight is beyond the target; forward
  // while the Sun at the end of the day is still short of it.
  bool found = false;
  for (int step = 0; step < kMaxDaySteps; ++step) {
    const double atStart = SunAt(caster, place, day, 0.0, target);
    if (atStart > target) {
      --day.count;
      continue;
    }
    const double atEnd = SunAt(caster, place, Day{day.count + 1}, 0.0, target);
    if (atEnd < target) {
      ++day.count;
      continue;
    }
    found = true;
    break;
  }
  tj.found = found ? 1 : 0;

  // Bisection within the day, from the Sun at 0 h.
  double lo = 0.0, hi = kLastHour, mid = 0.0;
  double sun = SunAt(caster, place, day, mid, target);
  for (int iteration = 0; iteration < 100; ++iteration) {
    if (sun >= target)
      hi = mid;
    else
      lo = mid;
    mid = (lo + hi) / 2;
    if (mid - lo >= 0 && mid - lo < kHourPrecision && hi - mid >= 0 && hi - mid < kHourPrecision) break;
    sun = SunAt(caster, place, day, mid, target);
  }
  const CastResult cast = CastAtTrialMoment(caster, place, day, mid);
  int y, m, d;
  GregorianFromDayCount(day.count, y, m, d);
  const double fl = std::floor(mid);
  tj.moment = {static_cast<double>(y), static_cast<double>(m), static_cast<double>(d), fl + 0.6 * (mid - fl)};
  return cast;
}

}  // namespace orvane
