#include "engine/houses.h"

#include <swephexp.h>

#include <array>
#include <cmath>

namespace orvane {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kRad = kPi / 180.0;

double Norm(double degrees) {
  double d = std::fmod(degrees, 360.0);
  if (d < 0) d += 360.0;
  return d >= 360.0 ? 0.0 : d;
}

// The ecliptic longitude of the point of right ascension `ra` (degrees).
double LongitudeOfRa(double ra, double obliquity) {
  return Norm(std::atan2(std::sin(ra * kRad), std::cos(ra * kRad) * std::cos(obliquity * kRad)) / kRad);
}

// The ecliptic point on the great circle through the north and south points
// of the horizon that meets the equator at right ascension `ra`, the circle
// tilted by `pole` (degrees): the cusp formula of Regiomontanus and Campanus.
double CuspOnCircle(double ra, double pole, double obliquity) {
  const double r = ra * kRad, e = obliquity * kRad;
  return Norm(std::atan2(std::sin(r), std::cos(r) * std::cos(e) - std::tan(pole * kRad) * std::sin(e)) / kRad);
}

// Placidus: the point that has gone `fraction` of its own semi-arc, by the
// iteration of its declination. `offset` is the right ascension from the
// meridian of the semi-arc's start (0: above the horizon, from the MC;
// 180: below, from the IC) and `diurnal` whether it divides the day arc.
bool PlacidusCusp(double armc, double obliquity, double latitude, double fraction, bool diurnal, double& out) {
  const double e = obliquity * kRad, phi = latitude * kRad;
  double ra = armc + (diurnal ? 90.0 * fraction : 180.0 - 90.0 * fraction);
  for (int i = 0; i < 100; ++i) {
    const double lambda = LongitudeOfRa(ra, obliquity);
    const double delta = std::asin(std::sin(e) * std::sin(lambda * kRad));
    const double x = std::tan(phi) * std::tan(delta);
    if (std::fabs(x) > 1.0) return false;
    const double ad = std::asin(x) / kRad;  // ascensional difference
    const double next = diurnal ? armc + fraction * (90.0 + ad) : armc + 180.0 - fraction * (90.0 - ad);
    const double step = std::fabs(std::remainder(next - ra, 360.0));
    ra = next;
    if (step < 1e-11) break;
  }
  out = LongitudeOfRa(ra, obliquity);
  return true;
}

}  // namespace

std::string_view HouseSystemName(HouseSystem system) {
  switch (system) {
    case HouseSystem::kPlacidus: return "placidus";
    case HouseSystem::kKoch: return "koch";
    case HouseSystem::kPorphyry: return "porphyry";
    case HouseSystem::kRegiomontanus: return "regiomontanus";
    case HouseSystem::kCampanus: return "campanus";
    case HouseSystem::kEqual: return "equal";
    case HouseSystem::kWholeSign: return "whole-sign";
    case HouseSystem::kSripati: return "sripati";
  }
  return "";
}

std::optional<HouseSystem> HouseSystemNamed(std::string_view name) {
  for (int i = 0; i < kHouseSystemCount; ++i) {
    const auto s = static_cast<HouseSystem>(i);
    if (HouseSystemName(s) == name) return s;
  }
  return std::nullopt;
}

char SwissHouseLetter(HouseSystem system) {
  switch (system) {
    case HouseSystem::kPlacidus: return 'P';
    case HouseSystem::kKoch: return 'K';
    case HouseSystem::kPorphyry:
    case HouseSystem::kSripati: return 'O';
    case HouseSystem::kRegiomontanus: return 'R';
    case HouseSystem::kCampanus: return 'C';
    case HouseSystem::kEqual: return 'A';
    case HouseSystem::kWholeSign: return 'W';
  }
  return 'P';
}

double AscendantOf(double armc, double obliquity, double latitude) {
  const double r = armc * kRad, e = obliquity * kRad, phi = latitude * kRad;
  return Norm(std::atan2(std::cos(r), -(std::sin(r) * std::cos(e) + std::tan(phi) * std::sin(e))) / kRad);
}

double MidheavenOf(double armc, double obliquity) { return LongitudeOfRa(armc, obliquity); }

double SwissTrueObliquity(double jdUt) {
  std::array<double, 6> x{};
  std::array<char, 256> error{};
  if (swe_calc_ut(jdUt, SE_ECL_NUT, 0, x.data(), error.data()) < 0) return 23.4392911;  // J2000 mean
  return x[0];
}

std::array<double, 12> SandhisOf(const std::array<double, 12>& middles) {
  std::array<double, 12> starts{};
  for (int i = 0; i < 12; ++i) {
    const double previous = middles[static_cast<std::size_t>((i + 11) % 12)];
    const double here = middles[static_cast<std::size_t>(i)];
    starts[static_cast<std::size_t>(i)] = Norm(previous + Norm(here - previous) / 2);
  }
  return starts;
}

bool CuspsFromArmc(HouseSystem system, double armc, double obliquity, double latitude, HouseCusps& out,
                   std::string* error) {
  out = HouseCusps();
  armc = Norm(armc);
  const double asc = AscendantOf(armc, obliquity, latitude);
  const double mc = MidheavenOf(armc, obliquity);
  out.ascendant = asc;
  out.mc = mc;
  auto& c = out.cusp;
  const bool polar = std::fabs(latitude) >= 90.0 - obliquity;
  auto refuse = [&](std::string_view name) {
    if (error) {
      *error = std::string(name) + " houses are not defined inside the polar circles (latitude " +
               std::to_string(static_cast<int>(std::lround(latitude))) + "): some degrees of the ecliptic never rise there";
    }
    return false;
  };
  switch (system) {
    case HouseSystem::kPlacidus: {
      if (polar) return refuse("Placidus");
      c[0] = asc;
      c[9] = mc;
      const bool ok = PlacidusCusp(armc, obliquity, latitude, 1.0 / 3, true, c[10]) &&
                      PlacidusCusp(armc, obliquity, latitude, 2.0 / 3, true, c[11]) &&
                      PlacidusCusp(armc, obliquity, latitude, 2.0 / 3, false, c[1]) &&
                      PlacidusCusp(armc, obliquity, latitude, 1.0 / 3, false, c[2]);
      if (!ok) return refuse("Placidus");
      break;
    }
    case HouseSystem::kKoch: {
      if (polar) return refuse("Koch");
      // The ascendants of the sidereal times that step the MC degree's
      // diurnal semi-arc in thirds, before the moment (the 11th and 12th) and
      // after it (the 2nd and 3rd).
      const double delta = std::asin(std::sin(obliquity * kRad) * std::sin(mc * kRad));
      const double x = std::tan(latitude * kRad) * std::tan(delta);
      if (std::fabs(x) > 1.0) return refuse("Koch");
      const double third = (90.0 + std::asin(x) / kRad) / 3;
      c[0] = asc;
      c[9] = mc;
      c[10] = AscendantOf(armc - 2 * third, obliquity, latitude);
      c[11] = AscendantOf(armc - third, obliquity, latitude);
      c[1] = AscendantOf(armc + third, obliquity, latitude);
      c[2] = AscendantOf(armc + 2 * third, obliquity, latitude);
      break;
    }
    case HouseSystem::kPorphyry:
    case HouseSystem::kSripati: {
      const double east = Norm(asc - mc);  // the quadrant from the MC to the ascendant
      const double below = 180.0 - east;
      c[0] = asc;
      c[9] = mc;
      c[10] = Norm(mc + east / 3);
      c[11] = Norm(mc + 2 * east / 3);
      c[1] = Norm(asc + below / 3);
      c[2] = Norm(asc + 2 * below / 3);
      break;
    }
    case HouseSystem::kRegiomontanus: {
      c[0] = asc;
      c[9] = mc;
      const double houses[4][2] = {{30, 10}, {60, 11}, {120, 1}, {150, 2}};
      for (const auto& [h, index] : houses) {
        const double pole = std::atan(std::tan(latitude * kRad) * std::sin(h * kRad)) / kRad;
        c[static_cast<std::size_t>(index)] = CuspOnCircle(armc + h, pole, obliquity);
      }
      break;
    }
    case HouseSystem::kCampanus: {
      c[0] = asc;
      c[9] = mc;
      const double houses[4][2] = {{30, 10}, {60, 11}, {120, 1}, {150, 2}};
      for (const auto& [h, index] : houses) {
        // The prime vertical's division h seen on the equator, and the
        // house circle's tilt.
        const double ra = std::atan2(std::sin(h * kRad) * std::cos(latitude * kRad), std::cos(h * kRad)) / kRad;
        const double pole = std::asin(std::sin(latitude * kRad) * std::sin(h * kRad)) / kRad;
        c[static_cast<std::size_t>(index)] = CuspOnCircle(armc + ra, pole, obliquity);
      }
      break;
    }
    case HouseSystem::kEqual:
      for (int i = 0; i < 12; ++i) c[static_cast<std::size_t>(i)] = Norm(asc + 30.0 * i);
      break;
    case HouseSystem::kWholeSign:
      for (int i = 0; i < 12; ++i) c[static_cast<std::size_t>(i)] = Norm(30.0 * std::floor(asc / 30.0) + 30.0 * i);
      break;
  }
  // Opposite houses: 4..9 face 10..3.
  if (system != HouseSystem::kEqual && system != HouseSystem::kWholeSign) {
    for (int i = 3; i <= 8; ++i) c[static_cast<std::size_t>(i)] = Norm(c[static_cast<std::size_t>((i + 6) % 12)] + 180.0);
  }
  out.start = system == HouseSystem::kSripati ? SandhisOf(c) : c;
  return true;
}

}  // namespace orvane
