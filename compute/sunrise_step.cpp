#include "compute/sunrise_step.h"

#include "engine/calendar.h"
#include "engine/sunrise.h"
#include "vedic/special_lagnas.h"

namespace orvane {

namespace {

// Local mean time `hours` on the date of `moment`'s day (or the day before
// when that lies after the moment), as a clock moment of the chart's zone.
DasaDate LocalMeanTime(const ChartState& state, const DasaDate& moment, double hours, bool notAfter) {
  const double lonWest = DecToDeg(state.birth.longitude);
  const double zone = DecToDeg(state.birth.zone);
  double clock = hours + lonWest / 15.0 - zone;  // hours of the zone's clock on that date
  DasaDate d{moment.year, moment.month, moment.day, 0};
  d = AddDuration(d, EncodeGhatis(ToGhatis(Hours{clock}).value));
  if (notAfter && DaysBetween(moment, d) < 0) d = SubtractDuration(d, {0, 0, 1, 0});
  return d;
}

}  // namespace

void SunriseStep(ChartState& state, const Settings& settings, Caster& caster) {
  const BirthData& place = state.birth;
  SunriseValues& sr = state.sunrise;
  const BirthData& m = state.castMoment;
  const DasaDate start = MomentOf(m.year, m.month, m.day, FileClock{m.time});
  const double natalAscendant = state.slotLongitude[kAscendant];
  sr.chartMoment = start;
  sr.fallback = 0;

  const SearchResult rise = FindSunEvent(caster, place, 0, 0, start);
  bool ok = rise.found;
  DasaDate sunrise = rise.moment;
  DasaDate sunset{}, nextSunrise{};
  if (ok) {
    sr.sunriseGhatis = sunrise.ghatis;
    sr.minutesSinceSunrise = DaysBetween(start, sunrise) * 1440;
    ComputeTimeLagnas(state, rise.cast.Longitude(Body::kSun), natalAscendant);
    caster.CastAt(place, start);  // the searches' casts chain on from the chart moment
    const SearchResult set = FindSunEvent(caster, place, 1, 1, sunrise);
    ok = set.found;
    sunset = set.moment;
  }
  if (ok) {
    sr.dayLength = DaysBetween(sunset, sunrise) * 60;
    sr.bornInDaytime = sr.minutesSinceSunrise < sr.dayLength * 24 ? 1 : 0;
    if (!sr.bornInDaytime) {
      const SearchResult next = FindSunEvent(caster, place, 0, 1, sunset);
      ok = next.found;
      nextSunrise = next.moment;
      if (ok) sr.nightLength = DaysBetween(nextSunrise, sunset) * 60;
    }
  }
  if (!ok) {
    // Polar day or night: the ascendant never reaches the Sun's target within
    // the bounded search. Sunrise and sunset then stand at 6 h and 18 h local
    // mean time, so every chart still gets defined day and night portions.
    sr.fallback = 1;
    sunrise = LocalMeanTime(state, start, 6.0, true);
    sunset = AddDuration(sunrise, {0, 0, 0, 30});
    nextSunrise = AddDuration(sunrise, {0, 0, 1, 0});
    sr.sunriseGhatis = sunrise.ghatis;
    sr.minutesSinceSunrise = DaysBetween(start, sunrise) * 1440;
    sr.dayLength = 30;
    sr.bornInDaytime = sr.minutesSinceSunrise < sr.dayLength * 24 ? 1 : 0;
    if (!sr.bornInDaytime) sr.nightLength = 30;
    ComputeTimeLagnas(state, caster.CastAt(place, sunrise).Longitude(Body::kSun), natalAscendant);
  }
  sr.sunriseMoment = sunrise;
  sr.sunsetMoment = sunset;
  sr.nextSunriseMoment = nextSunrise;
  const CastResult atChart = caster.CastAt(place, start);
  ComputeTimeUpagrahas(state, settings, caster, atChart);
  ApplyCast(state, caster.CastAt(place, start));
}

}  // namespace orvane
