#include "compute/houses.h"

#include <cmath>

#include "engine/caster.h"
#include "engine/engine_settings.h"

namespace orvane {
namespace {

double Norm(double d) {
  d = std::fmod(d, 360.0);
  return d < 0 ? d + 360.0 : d;
}

}  // namespace

bool ChartHouseCusps(const Chart& chart, const Settings& settings, HouseSystem system, HouseCusps& out,
                     std::string* error) {
  // The sidereal time and obliquity of the chart's moment and place.
  const EngineSettings engine = EngineSettingsOf(settings);
  Caster caster(engine);
  const CastResult cast = caster.Cast(chart.CastMoment(), BodySet().WithAscendant());
  const double armc = cast.ramc * kDegreesPerRadian;
  const double obliquity = engine.ephemeris == EphemerisKind::kClassic
                               ? cast.obliquity * kDegreesPerRadian
                               : SwissTrueObliquity(cast.converted.dayNumber - 0.5 + cast.converted.ut / 24.0);
  HouseCusps tropical;
  if (!CuspsFromArmc(system, armc, obliquity, cast.converted.latitudeDegrees, tropical, error)) return false;
  // The ayanamsa the chart's ascendant was turned by (the chart shows the
  // positions of its last cast of the moment, whose chained correction can
  // differ from a first cast's by a fraction of an arc-second).
  const double turn = chart.AscendantLongitude() - tropical.ascendant;
  out = tropical;
  for (std::size_t i = 0; i < 12; ++i) {
    out.cusp[i] = Norm(tropical.cusp[i] + turn);
    out.start[i] = Norm(tropical.start[i] + turn);
  }
  out.ascendant = Norm(tropical.ascendant + turn);
  out.mc = Norm(tropical.mc + turn);
  return true;
}

}  // namespace orvane
