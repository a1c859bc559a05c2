#include "compute/houses.h"

#include <cmath>
#include <optional>

#include "engine/caster.h"
#include "engine/engine_settings.h"
#include "vedic/kp.h"

namespace orvane {
namespace {

double Norm(double d) {
  d = std::fmod(d, 360.0);
  return d < 0 ? d + 360.0 : d;
}

}  // namespace

namespace {

// The sidereal time, obliquity and latitude of a chart's moment and place,
// and the turn from tropical to the chart's sidereal longitudes.
struct HouseFrame {
  double armc = 0, obliquity = 0, latitude = 0, turn = 0;
};

std::optional<HouseFrame> FrameOf(const Chart& chart, const Settings& settings, std::string* error) {
  const EngineSettings engine = EngineSettingsOf(settings);
  Caster caster(engine);
  const CastResult cast = caster.Cast(chart.CastMoment(), BodySet().WithAscendant());
  HouseFrame f;
  f.armc = cast.ramc * kDegreesPerRadian;
  f.obliquity = engine.ephemeris == EphemerisKind::kClassic
                    ? cast.obliquity * kDegreesPerRadian
                    : SwissTrueObliquity(cast.converted.dayNumber - 0.5 + cast.converted.ut / 24.0);
  f.latitude = cast.converted.latitudeDegrees;
  // The ayanamsa the chart's ascendant was turned by (the chart shows the
  // positions of its last cast of the moment, whose chained correction can
  // differ from a first cast's by a fraction of an arc-second).
  f.turn = chart.AscendantLongitude() - AscendantOf(f.armc, f.obliquity, f.latitude);
  if (!std::isfinite(f.turn)) {
    if (error) *error = "the house cusps cannot be computed for this moment and place";
    return std::nullopt;
  }
  return f;
}

bool SiderealCusps(HouseSystem system, const HouseFrame& f, double armc, HouseCusps& out, std::string* error) {
  HouseCusps tropical;
  if (!CuspsFromArmc(system, armc, f.obliquity, f.latitude, tropical, error)) return false;
  out = tropical;
  for (std::size_t i = 0; i < 12; ++i) {
    out.cusp[i] = Norm(tropical.cusp[i] + f.turn);
    out.start[i] = Norm(tropical.start[i] + f.turn);
  }
  out.ascendant = Norm(tropical.ascendant + f.turn);
  out.mc = Norm(tropical.mc + f.turn);
  if (system == HouseSystem::kWholeSign) {
    // Whole signs are the sidereal signs: the 1st house is the sidereal
    // ascendant's sign, not the tropical one turned.
    for (std::size_t i = 0; i < 12; ++i) {
      out.cusp[i] = out.start[i] = Norm(30.0 * std::floor(out.ascendant / 30.0) + 30.0 * static_cast<double>(i));
    }
  }
  return true;
}

// (a - b) brought into [-180, 180).
double Difference(double a, double b) { return Norm(a - b + 180.0) - 180.0; }

}  // namespace

bool ChartHouseCusps(const Chart& chart, const Settings& settings, HouseSystem system, HouseCusps& out,
                     std::string* error) {
  const std::optional<HouseFrame> f = FrameOf(chart, settings, error);
  return f && SiderealCusps(system, *f, f->armc, out, error);
}

bool KpHoraryCusps(const Chart& chart, const Settings& settings, int number, HouseCusps& out, std::string* error) {
  if (number < 1 || number > kKpSubCount) {
    if (error) *error = "a KP horary number is 1..249";
    return false;
  }
  const std::optional<HouseFrame> f = FrameOf(chart, settings, error);
  if (!f) return false;
  // The ascendant grows with the sidereal time through every degree once a
  // day: find the sidereal time whose ascendant is the number's degree,
  // bracketed in one-degree steps and halved down.
  const double target = KpHorary(number).start;
  auto off = [&](double armc) { return Difference(AscendantOf(armc, f->obliquity, f->latitude) + f->turn, target); };
  double lo = f->armc, previous = off(lo);
  for (int step = 1; step <= 361; ++step) {
    double hi = f->armc + step;
    const double now = off(hi);
    if (previous <= 0 && now > 0 && now - previous < 90) {
      for (int i = 0; i < 60; ++i) {
        const double mid = 0.5 * (lo + hi);
        (off(mid) <= 0 ? lo : hi) = mid;
      }
      return SiderealCusps(HouseSystem::kPlacidus, *f, Norm(0.5 * (lo + hi)), out, error);
    }
    lo = hi;
    previous = now;
  }
  if (error) *error = "no sidereal time at this latitude rises the horary number's degree";
  return false;
}

}  // namespace orvane
