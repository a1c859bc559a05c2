#include "engine/ephemeris.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <iterator>
#include <span>

#include "engine/calendar.h"
#include "engine/ephemeris_engine.h"

namespace orvane {

namespace {

// A polynomial in T (centuries from 1899 Dec 31 noon): c0 + c1 T + c2 T^2.
struct Polynomial {
  double c0, c1, c2;
};

// Orbital elements: mean anomaly (degrees), eccentricity, semi-major axis
// (AU), argument of perihelion, node and inclination (degrees).
struct OrbitalElements {
  Polynomial meanAnomaly;
  Polynomial eccentricity;
  double semiMajorAxis;
  Polynomial perihelion;
  Polynomial node;
  Polynomial inclination;
};

// One periodic term of a correction: amplitude (AU), rate (degrees per
// century), phase (degrees).
struct PeriodicTerm {
  double amplitude, rate, phase;
};

// A correction of one coordinate: a base polynomial and its periodic terms.
struct CoordinateCorrection {
  Polynomial base;
  std::span<const PeriodicTerm> terms;
};

// The theory of one body of the planetary table: its elements and the
// corrections of its heliocentric coordinates (Jupiter and Saturn only).
struct PlanetTheory {
  Body body;  // the Earth's row gives the Sun
  OrbitalElements elements;
  const CoordinateCorrection* x = nullptr;
  const CoordinateCorrection* y = nullptr;
  const CoordinateCorrection* z = nullptr;
};

constexpr PeriodicTerm kJupiterYTerms[] = {
    {0.0051, 581.7, -9.7},     {-0.0005, 2510.7, -12.5}, {-0.0026, 1313.7, -61.4}, {0.0013, 2370.79, -24.6},
    {-0.0013, 3599.3, 37.7},   {-0.001, 2574.7, 31.4},   {-0.00096, 6708.2, -114.5}, {-0.0006, 5499.4, -74.97},
    {-0.0013, 1419.0, 54.2},   {0.0006, 6339.3, -109.0}, {0.0007, 4824.5, -50.9},
};
constexpr PeriodicTerm kJupiterXTerms[] = {
    {-0.0023, 676.2, 0.9},     {0.00045, 2361.4, 174.9}, {0.0015, 1427.5, -188.8}, {0.0006, 2110.1, 153.6},
    {0.0014, 3606.8, -57.7},   {-0.0017, 2540.2, 121.7}, {-0.00099, 6704.8, -22.3}, {-0.0006, 5480.2, 24.5},
    {0.00096, 1651.3, -118.3}, {0.0006, 6310.8, -4.8},   {0.0007, 4826.6, 36.2},
};
constexpr PeriodicTerm kSaturnYTerms[] = {
    {0.0134, 1238.9, -16.4}, {-0.00426, 3040.9, -25.2}, {0.0064, 1835.3, 36.1}, {-0.0153, 610.8, -44.2},
    {-0.0015, 2480.5, -69.4},
};
constexpr PeriodicTerm kSaturnXTerms[] = {
    {0.0111, 1242.2, 78.3}, {-0.0045, 3034.96, 62.8}, {-0.0066, 1829.2, -51.5}, {-0.0078, 640.6, 24.2},
    {-0.0016, 2363.4, -141.4},
};
constexpr PeriodicTerm kSaturnZTerms[] = {
    {-0.0005, 1251.1, 43.7}, {0.0005, 622.8, 13.7}, {0.0003, 1824.7, -71.1}, {0.0001, 2997.1, 78.2},
};

constexpr CoordinateCorrection kJupiterY = {{-0.001, -0.0005, 0.0045}, kJupiterYTerms};
constexpr CoordinateCorrection kJupiterX = {{0.002, -0.0134, 0.0127}, kJupiterXTerms};
constexpr CoordinateCorrection kSaturnY = {{-0.0009, 0.0037, 0}, kSaturnYTerms};
constexpr CoordinateCorrection kSaturnX = {{-0.0014, 0.0026, 0}, kSaturnXTerms};
constexpr CoordinateCorrection kSaturnZ = {{0.0006, -0.0002, 0}, kSaturnZTerms};

// The Earth first (the Sun, and every planet needs it), then the planets.
constexpr PlanetTheory kPlanetTheories[] = {
    {Body::kSun,
     {{358.4758, 35999.0498, -0.0002}, {0.01675, -0.00004, 0}, 1.0, {101.2208, 1.7192, 0.00045}, {0, 0, 0},
      {0, 0, 0}}},
    {Body::kMercury,
     {{102.2794, 149472.515, 0}, {0.205614, 0.00002, 0}, 0.3871, {28.7538, 0.3703, 0.0001},
      {47.1459, 1.1852, 0.0002}, {7.009, 0.00186, 0}}},
    {Body::kVenus,
     {{212.6032, 58517.8039, 0.0013}, {0.00682, -0.00005, 0}, 0.7233, {54.3842, 0.5082, -0.0014},
      {75.7796, 0.8999, 0.0004}, {3.3936, 0.001, 0}}},
    {Body::kMars,
     {{319.5294, 19139.8585, 0.0002}, {0.09331, 0.00009, 0}, 1.5237, {285.4318, 1.0698, 0.0001},
      {48.7864, 0.77099, 0}, {1.8503, -0.0007, 0}}},
    {Body::kJupiter,
     {{225.4928, 3033.6879, 0}, {0.04838, -0.00002, 0}, 5.2029, {273.393, 1.3383, 0}, {99.4198, 1.0583, 0},
      {1.3097, -0.0052, 0}},
     &kJupiterX, &kJupiterY, nullptr},
    {Body::kSaturn,
     {{174.2153, 1223.50796, 0}, {0.05423, -0.0002, 0}, 9.5525, {338.9117, -0.3167, 0}, {112.8261, 0.8259, 0},
      {2.4908, -0.0047, 0}},
     &kSaturnX, &kSaturnY, &kSaturnZ},
};

constexpr double kGaussK = 0.01720209;       // radians per day, AU
constexpr double kLightTime = 0.0057756;     // days per AU
constexpr double kGuard = 1.7453e-09;        // replaces a zero angle or y before an angle is taken
constexpr double kArcsecToDegree = 0.0002777777777777778;

// ((c2*T + c1)*T + c0) in radians.
double PolynomialRadians(const Polynomial& p, double T) { return ((p.c2 * T + p.c1) * T + p.c0) * kRadiansPerDegree; }

// base + sum A*cos(R*T + P), in AU.
double CorrectionAt(const CoordinateCorrection& c, double T) {
  double sum = PolynomialRadians(c.base, T);
  for (const PeriodicTerm& term : c.terms)
    sum += term.amplitude * kRadiansPerDegree * std::cos((term.rate * T + term.phase) * kRadiansPerDegree);
  return sum * kDegreesPerRadian;
}

struct Polar {
  double theta;
  double r;
};

Polar ToPolar(double x, double y) {
  if (y == 0) y = kGuard;
  double theta = std::atan(y / x);
  if (theta < 0) theta += M_PI;
  if (y < 0) theta += M_PI;
  return {theta, std::sqrt(x * x + y * y)};
}

void FromPolar(double theta, double r, double& x, double& y) {
  if (theta == 0) theta = kGuard;
  x = r * std::cos(theta);
  y = r * std::sin(theta);
}

struct Vec3 {
  double x, y, z;
};

// A vector of the orbital plane (x toward perihelion) into ecliptic coordinates.
Vec3 OrbitToEcliptic(double x, double y, double omega, double node, double incl) {
  Polar p = ToPolar(x, y);
  p.theta += omega;
  double X, Y;
  FromPolar(p.theta, p.r, X, Y);
  const double keepX = X;
  Polar p2 = ToPolar(Y, 0);
  p2.theta += incl;
  double u, z;
  FromPolar(p2.theta, p2.r, u, z);
  Polar p3 = ToPolar(keepX, u);
  p3.theta += node;
  if (p3.theta < 0) p3.theta += kTwoPi;
  Vec3 out;
  FromPolar(p3.theta, p3.r, out.x, out.y);
  out.z = z;
  return out;
}

// The Sun alone (`count` 1, the Earth's row) or the Sun and the five planets
// (`count` 6): the Earth's row comes first in the table and the planets need it.
void ComputePlanets(EphemerisState& eph, std::size_t count) {
  const double T = eph.T;
  const double K = eph.siderealCorrection;
  Vec3 earthPos{0, 0, 0};
  double earthVX = 0, earthVY = 0;
  for (std::size_t planet = 0; planet < count && planet < std::size(kPlanetTheories); ++planet) {
    const PlanetTheory& theory = kPlanetTheories[planet];
    const OrbitalElements& el = theory.elements;
    const bool isEarth = planet == 0;
    const double M = Mod2Pi(PolynomialRadians(el.meanAnomaly, T));
    const double e = PolynomialRadians(el.eccentricity, T) * kDegreesPerRadian;
    const double a = el.semiMajorAxis;

    double E = M;
    for (int k = 0; k < 5; ++k) E = M + e * std::sin(E);

    const double V = kGaussK * a / ((1 - e * std::cos(E)) * std::pow(a, 1.5));
    const double vx = -V * std::sin(E);
    const double vy = V * std::pow(1 - e * e, 0.5) * std::cos(E);

    const double omega = PolynomialRadians(el.perihelion, T);
    const double node = PolynomialRadians(el.node, T);
    const double incl = PolynomialRadians(el.inclination, T);

    const Vec3 vel = OrbitToEcliptic(vx, vy, omega, node, incl);
    double VX = vel.x, VY = vel.y;
    if (isEarth) {
      earthVX = VX;
      earthVY = VY;
    } else {
      VX -= earthVX;
      VY -= earthVY;
    }

    const double x = a * (std::cos(E) - e);
    const double y = a * std::pow(1 - e * e, 0.5) * std::sin(E);
    Vec3 pos = OrbitToEcliptic(x, y, omega, node, incl);

    if (theory.y) pos.y += CorrectionAt(*theory.y, T);
    if (theory.x) pos.x += CorrectionAt(*theory.x, T);
    if (theory.z) pos.z += CorrectionAt(*theory.z, T);

    if (isEarth) {
      earthPos = pos;
    } else {
      pos.x -= earthPos.x;
      pos.y -= earthPos.y;
      pos.z -= earthPos.z;
    }

    const double rho = (VY * pos.x - VX * pos.y) / (pos.x * pos.x + pos.y * pos.y);
    const double lightShift =
        rho * kDegreesPerRadian * std::sqrt(pos.x * pos.x + pos.y * pos.y + pos.z * pos.z) * kLightTime;
    const Polar p = ToPolar(pos.x, pos.y);
    double L = p.theta * kDegreesPerRadian - lightShift;
    const std::size_t index = IndexOf(theory.body);
    if (isEarth) {
      L = Mod360(L + 180.0);
      eph.retrograde[index] = 0.0;
    } else {
      eph.retrograde[index] = rho < 0 ? 1.0 : 0.0;
    }
    eph.longitude[index] = Mod360(L + K);
  }
}

void ComputeMoonAndNode(EphemerisState& eph) {
  const double T = eph.T;
  const double K = eph.siderealCorrection;
  const double Lp = 973563 + 1732564379 * T - 4 * T * T;
  const double D0 = 1262655 + 1602961611 * T - 5 * T * T;
  const double Om = 933060 - 6962911 * T + 7.5 * T * T;
  const double l = (Lp - (1203586 + 14648523 * T - 37 * T * T)) * kArcsecToDegree;
  const double m = (Lp - D0 - (1012395 + 6189 * T)) * kArcsecToDegree;
  const double D = D0 * kArcsecToDegree;
  const double F = (Lp - Om) * kArcsecToDegree;
  auto s = [](double degrees) { return std::sin(degrees * kRadiansPerDegree); };
  const double sigma = 22639.6 * s(l) - 4586.4 * s(l - 2 * D) + 2369.9 * s(2 * D) + 769.0 * s(2 * l) -
                       669.0 * s(m) - 411.6 * s(2 * F) - 212.0 * s(2 * l - 2 * D) - 206.0 * s(l + m - 2 * D) +
                       192.0 * s(l + 2 * D) - 165.0 * s(m - 2 * D) + 148.0 * s(l - m) - 125.0 * s(D) -
                       110.0 * s(l + m) - 55.0 * s(2 * F - 2 * D) - 45.0 * s(l + 2 * F) + 40.0 * s(l - 2 * F);
  eph.longitude[IndexOf(Body::kMoon)] = Mod360(K + (Lp + sigma) * kArcsecToDegree);
  eph.retrograde[IndexOf(Body::kMoon)] = 0.0;
  eph.longitude[IndexOf(Body::kRahu)] = Mod360(K + Om * kArcsecToDegree);
  eph.retrograde[IndexOf(Body::kRahu)] = 0.0;
}

bool IsTropical(const EngineSettings& settings) {
  const double offset = settings.ayanamsaOffset;
  return !(offset >= -1000 && offset <= 1000);
}

}  // namespace

double ChitrapakshaRaw(double T, double prev) {
  const double omega = Mod360((7.5 * T * T + 933060 - 6962911 * T) * 0.0002777777777777778);
  return (1.27 * std::sin(prev * 0.017453292519943295) + 17.23 * std::sin(omega * 0.017453292519943295) -
          (5025.64 + 1.11 * T) * T - 84038.27) *
             0.0002777777777777778 +
         0.8834166666666666;
}

double SiderealCorrection(CastChains& chains, const EngineSettings& settings, double T) {
  const double L = -ChitrapakshaRaw(T, chains.siderealCorrection);
  double K = -0.0;
  if (!IsTropical(settings)) K = -L - settings.ayanamsaOffset * 0.016666666666666666;
  chains.siderealCorrection = K;
  return K;
}

double ReportAyanamsa(CastChains& chains, const EngineSettings& settings, int year, int month, int day) {
  const double jd = DayNumber(month, day, year);
  const double T0 = (jd - 2415020 - 0.5) * 2.7378507871321012e-5;
  const double raw1 = ChitrapakshaRaw(T0, chains.reportAyanamsaPrev);
  const double raw2 = ChitrapakshaRaw(T0, raw1);
  const double L = -raw2;
  double value = -0.0;
  if (!IsTropical(settings)) value = -(L + settings.ayanamsaOffset / 60);
  chains.reportAyanamsaPrev = value;
  return value;
}

double SunriseTarget(int definition, bool rising) {
  static constexpr std::array<double, 3> kRise = {-0.8333333333333333, -0.26666666666666666, 0.0};
  static constexpr std::array<double, 3> kSet = {180.83333333333334, 180.26666666666668, 180.0};
  const std::size_t i = (definition >= 0 && definition <= 2) ? static_cast<std::size_t>(definition) : 0;
  return rising ? kRise[i] : kSet[i];
}

double ComputeObliquity(double T) { return (23.452294 - 0.0130125 * T) * 0.017453292519943295; }

double ComputeSiderealTime(double ut, double T, double longitudeWest) {
  return Mod360((ut + 6.6460656 + (2400.0513 + 0.0000258 * T) * T) * 15 - longitudeWest) * kRadiansPerDegree;
}

double ComputeAscendant(double ramc, double obliquity, double latitude, double K) {
  const double c = std::cos(ramc);
  double theta =
      std::atan(c / (-(std::cos(obliquity) * std::sin(ramc)) - std::tan(latitude) * std::sin(obliquity)));
  if (theta < 0) theta += M_PI;
  if (c < 0) theta += M_PI;
  return Mod360(theta * kDegreesPerRadian + K);
}

EphemerisState CastEphemeris(const CastMoment& moment, const EngineSettings& settings, CastChains& chains,
                             unsigned parts) {
  EphemerisState eph;
  eph.T = moment.T;
  eph.obliquity = ComputeObliquity(eph.T);
  eph.siderealCorrection = SiderealCorrection(chains, settings, eph.T);
  eph.ramc = ComputeSiderealTime(moment.ut, eph.T, moment.longitudeWest);
  if (parts & kCastAscendant)
    eph.ascendant = ComputeAscendant(eph.ramc, eph.obliquity, moment.latitude, eph.siderealCorrection);
  if (parts & kCastPlanets)
    ComputePlanets(eph, std::size(kPlanetTheories));
  else if (parts & kCastSun)
    ComputePlanets(eph, 1);
  if (parts & kCastMoon) ComputeMoonAndNode(eph);
  return eph;
}

}  // namespace orvane
