#include "vedic/special_lagnas.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "engine/body.h"
#include "engine/calendar.h"
#include "engine/cast.h"
#include "vedic/names.h"
#include "vedic/panchanga.h"
#include "vedic/vargas.h"

namespace orvane {

namespace {


// Kaala, Mrityu, Artha prahara, Yama ghantaka, Mandi, Gulika: their slots
// and the planets whose portion they take.
constexpr std::array<int, 6> kTimeUpagrahaSlot = {kKaala, kMrityu, kArthaPrahara, kYamaGhantaka, kMandi, kGulika};
// The planets by their weekday numbers 0..6, which are their body indices.
constexpr std::array<int, 6> kTimeUpagrahaPlanet = {
    static_cast<int>(Body::kSun),     static_cast<int>(Body::kMars),   static_cast<int>(Body::kMercury),
    static_cast<int>(Body::kJupiter), static_cast<int>(Body::kSaturn), static_cast<int>(Body::kSaturn)};
// The point of its portion an upagraha rises at: beginning, middle, end.
constexpr std::array<double, 3> kPortionPoint = {0.0, 0.5, 1.0};

int WholeOf(double x) {
  if (!std::isfinite(x)) return 0;
  return static_cast<int>(std::clamp(x, -1e9, 1e9));
}

}  // namespace

void ComputeSreeLagna(ChartState& state) {
  const double passed = 1 - NakshatraOf(state.slotLongitude[kMoon]).unelapsed;  // [0, 1)
  state.slotLongitude[kSreeLagna] = Normalise360(state.slotLongitude[kAscendant] + 360.0 * passed);
  state.slotRetrograde[kSreeLagna] = 0;
}

double VarnadaLagna(double ascendant, double horaLagna, int house) {
  // The parities come from the ascendant and the hora lagna themselves and
  // hold for every house: an even sign (odd index) counts backward.
  const bool ascendantEven = SignOf(ascendant) % 2 == 1;
  const bool horaEven = SignOf(horaLagna) % 2 == 1;
  double a = Normalise360(ascendant + 30.0 * house);
  double h = Normalise360(horaLagna + 30.0 * house);
  if (ascendantEven) a = 360 - a;
  if (horaEven) h = 360 - h;
  double v = ascendantEven == horaEven ? a + h : std::fabs(a - h);
  v = Normalise360(v);
  if (ascendantEven) v = Normalise360(360 - v);
  return v;
}

void ComputeTimeLagnas(ChartState& state, double sunAtSunrise, double natalAscendant) {
  const double sun = sunAtSunrise;
  const double minutes = state.sunrise.minutesSinceSunrise;
  state.slotLongitude[kBhavaLagna] = Normalise360(sun + 0.25 * minutes);  // a sign every two hours
  state.slotLongitude[kHoraLagna] = Normalise360(sun + 0.5 * minutes);    // a sign every hour
  state.slotLongitude[kGhatiLagna] = Normalise360(sun + 1.25 * minutes);  // a sign every ghati
  const double hora = state.slotLongitude[kHoraLagna];
  for (int house = 0; house < 12; ++house) {
    state.slotLongitude[kVarnadaLagna + house] = VarnadaLagna(natalAscendant, hora, house);
  }
  for (int slot = kBhavaLagna; slot <= kVarnadaLagna + 11; ++slot) state.slotRetrograde[slot] = 0;
}

int UpagrahaPortion(int planet, int w) { return static_cast<int>(vedic::FloorMod(planet - w + 8, 8)); }

void ComputeTimeUpagrahas(ChartState& state, const Settings& settings, Caster& caster, const CastResult& atChart) {
  const SunriseValues sr = state.sunrise;
  // The weekday of the chart moment (in a Tajaka chart the found moment of
  // the year).
  const BirthData& m = atChart.moment;
  int weekday = WeekdayOf(WholeOf(m.year), WholeOf(m.month), WholeOf(m.day), m.time, atChart.ascendant,
                          atChart.Longitude(Body::kSun))
                    .vara;
  DasaDate start = sr.sunriseMoment;
  double length = sr.dayLength;
  if (!sr.bornInDaytime) {
    // The night's portions start from the lord of the fifth weekday on.
    start = sr.sunsetMoment;
    length = sr.nightLength;
    weekday = (weekday + 4) % 7;
  }
  if (!std::isfinite(length) || length < 0) length = 0;
  for (std::size_t i = 0; i < kTimeUpagrahaSlot.size(); ++i) {
    const int portion = UpagrahaPortion(kTimeUpagrahaPlanet[i], weekday);
    const int choice = std::clamp(settings.upagrahaRising[i], 0, 2);
    const double ghatis = (portion + kPortionPoint[static_cast<std::size_t>(choice)]) * length / 8;
    // Only the ascendant is read.
    const CastResult cast = caster.CastAt(state.birth, AddDuration(start, EncodeGhatis(ghatis)), BodySet{}.WithAscendant());
    state.slotLongitude[kTimeUpagrahaSlot[i]] = cast.ascendant;
    state.slotRetrograde[kTimeUpagrahaSlot[i]] = 0;
  }
}

}  // namespace orvane
