#include "panchanga/sky.h"

#include <cmath>
#include <cstdint>

#include "engine/calendar.h"
#include "engine/ephemeris.h"
#include "engine/time_units.h"

namespace orvane {

namespace {

constexpr double kJ2000 = 2451545.0;

// A decimal value as whole.minutes (13.5 -> 13.30), the chart files' form.
double AsWholeMinutes(double x) {
  const double a = std::fabs(x);
  const double whole = std::floor(a);
  const double v = whole + (a - whole) * 0.6;
  return x < 0 ? -v : v;
}

// Within (-180, 180].
double Signed180(double a) {
  a = std::fmod(a, 360.0);
  if (a > 180) a -= 360;
  if (a <= -180) a += 360;
  return a;
}

// Mean obliquity of the ecliptic (radians) at `jd`.
double MeanObliquity(double jd) {
  const double T = (jd - kJ2000) / 36525.0;
  return (23.439291111 - 0.013004167 * T - 1.64e-7 * T * T + 5.04e-7 * T * T * T) * kRadiansPerDegree;
}

// Greenwich mean sidereal time (degrees) at `jd` of universal time.
double GreenwichSiderealDegrees(double jd) {
  const double T = (jd - kJ2000) / 36525.0;
  return Mod360(280.46061837 + 360.98564736629 * (jd - kJ2000) + 0.000387933 * T * T - T * T * T / 38710000.0);
}

// The Moon's ecliptic latitude (degrees) at `jd`: the main terms of its
// series in the mean arguments. Good to a few hundredths of a degree, a
// few seconds of a moonrise.
double MoonLatitude(double jd) {
  const double T = (jd - kJ2000) / 36525.0;
  const double d = kRadiansPerDegree;
  const double D = (297.8501921 + 445267.1114034 * T) * d;
  const double Mp = (134.9633964 + 477198.8675055 * T) * d;
  const double F = (93.2720950 + 483202.0175233 * T) * d;
  const double M = (357.5291092 + 35999.0502909 * T) * d;
  return 5.128122 * std::sin(F) + 0.280602 * std::sin(Mp + F) + 0.277693 * std::sin(Mp - F) +
         0.173237 * std::sin(2 * D - F) + 0.055413 * std::sin(2 * D - Mp + F) + 0.046271 * std::sin(2 * D - Mp - F) +
         0.032573 * std::sin(2 * D + F) + 0.017198 * std::sin(2 * Mp + F) + 0.009266 * std::sin(2 * D + Mp - F) +
         0.008822 * std::sin(2 * Mp - F) + 0.008216 * std::sin(2 * D - M - F);
}

// The standard altitude (degrees) of a rising or setting: the Sun's upper
// limb with refraction (definition 0), its upper limb without refraction
// (1) or its centre (2); the Moon's upper limb with refraction and its
// mean horizontal parallax.
double StandardAltitude(bool moon, int sunriseDefinition) {
  if (moon) return 0.7275 * 0.9507 - 0.5667;
  switch (sunriseDefinition) {
    case 1:
      return -0.26666666666666666;
    case 2:
      return 0.0;
    default:
      return -0.8333333333333333;
  }
}

}  // namespace

double JulianDayOfDate(int year, int month, int day) {
  const std::int64_t days = GregorianDayCount(year, month, day) - GregorianDayCount(1970, 1, 1);
  return kUnixEpochJulianDay + static_cast<double>(days);
}

Sky::Sky(const EngineSettings& settings, const SkyPlace& place) : caster_(settings), place_(place) {}

namespace {

// The cast moment of `jd` at the place: universal time, zone 0.
BirthData MomentAt(double jd, const SkyPlace& place) {
  const double days = std::floor(jd - kUnixEpochJulianDay);
  int y = 1970, m = 1, d = 1;
  GregorianFromDayCount(GregorianDayCount(1970, 1, 1) + static_cast<std::int64_t>(days), y, m, d);
  double hours = (jd - kUnixEpochJulianDay - days) * 24.0;
  if (hours < 0) hours = 0;
  if (hours >= 24) hours = 23.999999999;
  BirthData b;
  b.year = y;
  b.month = m;
  b.day = d;
  b.time = AsWholeMinutes(hours);
  b.zone = 0;
  b.longitude = AsWholeMinutes(-place.longitude);
  b.latitude = AsWholeMinutes(place.latitude);
  return b;
}

}  // namespace

SunMoon Sky::At(double jd) {
  const CastResult cast = caster_.Cast(MomentAt(jd, place_), BodySet{}.With(Body::kSun).With(Body::kMoon));
  return {cast.Longitude(Body::kSun), cast.Longitude(Body::kMoon)};
}

double Sky::Ascendant(double jd) { return caster_.Cast(MomentAt(jd, place_), BodySet{}.WithAscendant()).ascendant; }

double Sky::FrameOffset(double jd) {
  if (std::fabs(jd - frameOffsetJd_) < 40) return frameOffset_;
  const CastResult cast = caster_.Cast(MomentAt(jd, place_), BodySet{}.WithAscendant());
  const double obliquity = cast.obliquity != 0 ? cast.obliquity : MeanObliquity(jd);
  const double tropical = ComputeAscendant(cast.ramc, obliquity, place_.latitude * kRadiansPerDegree, 0);
  frameOffset_ = Signed180(cast.ascendant - tropical);
  frameOffsetJd_ = jd;
  return frameOffset_;
}

void Sky::HourAngles(bool moon, double jd, double& hourAngle, double& horizonAngle) {
  const Body body = moon ? Body::kMoon : Body::kSun;
  const CastResult cast = caster_.Cast(MomentAt(jd, place_), BodySet{}.With(body));
  const double lambda = (cast.Longitude(body) - FrameOffset(jd)) * kRadiansPerDegree;
  const double beta = moon ? MoonLatitude(jd) * kRadiansPerDegree : 0.0;
  const double eps = MeanObliquity(jd);
  const double sinDec = std::sin(beta) * std::cos(eps) + std::cos(beta) * std::sin(eps) * std::sin(lambda);
  const double dec = std::asin(sinDec);
  const double ra = std::atan2(std::sin(lambda) * std::cos(eps) - std::tan(beta) * std::sin(eps), std::cos(lambda));
  const double lst = GreenwichSiderealDegrees(jd) + place_.longitude;
  hourAngle = Signed180(lst - ra * kDegreesPerRadian);
  const double phi = place_.latitude * kRadiansPerDegree;
  const double h0 = StandardAltitude(moon, caster_.Settings().sunriseDefinition) * kRadiansPerDegree;
  const double c = (std::sin(h0) - std::sin(phi) * sinDec) / (std::cos(phi) * std::cos(dec));
  horizonAngle = std::fabs(c) <= 1 ? std::acos(c) * kDegreesPerRadian : NAN;
}

std::optional<double> Sky::Event(bool moon, bool rising, double from, double until) {
  // Hour angle turns at the rate of sidereal time less the body's own
  // motion in right ascension (degrees a day).
  const double rate = moon ? 347.8 : 360.0;
  double t = from;
  for (int attempt = 0; attempt < 3 && t < until; ++attempt) {
    double H = 0, H0 = 0;
    HourAngles(moon, t, H, H0);
    // Where the body does not cross the horizon now, try again half a day
    // on (its declination changes; the Moon's within days).
    if (std::isnan(H0)) {
      t += 0.5;
      continue;
    }
    const double target = rising ? -H0 : H0;
    // The first crossing ahead, then Newton steps on it.
    double step = Mod360(target - H) / rate;
    double x = t + step;
    bool converged = false;
    for (int i = 0; i < 12; ++i) {
      HourAngles(moon, x, H, H0);
      if (std::isnan(H0)) break;
      const double miss = Signed180((rising ? -H0 : H0) - H);
      x += miss / rate;
      if (std::fabs(miss) < 1e-6) {
        converged = true;
        break;
      }
    }
    if (!converged) {
      t = x + 0.25;
      continue;
    }
    if (x < from - 1e-9) {
      // The crossing ahead of the first guess lay just before the start:
      // the next one is about a day on.
      t = x + 0.5;
      continue;
    }
    if (x >= until) return std::nullopt;
    return x;
  }
  return std::nullopt;
}

}  // namespace orvane
