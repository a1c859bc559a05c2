#include "engine/sunrise.h"

#include <cmath>

#include "engine/body.h"
#include "engine/caster.h"
#include "engine/ephemeris.h"
#include "engine/swiss_engine.h"

namespace orvane {

namespace {

constexpr double kTenSecondsInGhatis = 0.006944444444444444;
// Bounds of the coarse stepping: a sunrise or sunset lies within a day of
// its start (36 steps of 2 ghatis, 1.2 days); a new moon within a synodic
// month (32 day steps). Past them the search reports that it found nothing.
constexpr int kMaxGhatiSteps = 36;
constexpr int kMaxDaySteps = 32;

// The date `offset` (days and ghatis) before or after start.
DasaDate Offset(const DasaDate& start, bool backward, int days, double ghatis) {
  const DasaDuration d{0, 0, days, ghatis};
  return backward ? SubtractDuration(start, d) : AddDuration(start, d);
}

// What a trial cast of a search reading slot `slot` computes.
BodySet WantedFor(int slot) {
  switch (slot) {
    case kAscendant:
      return BodySet{}.WithAscendant();
    case kSun:
      return BodySet{}.With(Body::kSun);
    case kMoon:
      return BodySet{}.With(Body::kMoon);
    default:
      return BodySet::All();
  }
}

// The fast search: the crossing found by root finding, then the stepped
// search's step and halvings worked out from it, with its last halvings and
// the result cast as it casts them. Two crossings have it:
// - the new moon: the Moon's elongation from the Sun (plus tau) wraps; it
//   grows between these rates (degrees a ghati, with room to spare over the
//   whole range of years), the mean giving the first guess;
// - sunrise and sunset: the ascendant reaches the Sun (plus tau). Searched
//   as the sidereal time reaching the sidereal time at which the Sun's
//   point rises, which moves at the rate of sidereal time within a few per
//   cent, so that the first guess is close and a root a turn later is told
//   apart. Away from the polar circles only: there the ascendant grows with
//   the sidereal time and the side of 180 degrees decides a halving.
// The classic engine's ayanamsa chains carry from cast to cast; the stepped
// search's last casts, repeated here, leave them as it leaves them.
constexpr double kElongationRateMin = 9.0 / 60;
constexpr double kElongationRateMean = 12.19 / 60;
constexpr double kElongationRateMax = 16.5 / 60;
constexpr double kRisingRateMin = 5.5;
constexpr double kRisingRateMean = 6.0;
constexpr double kRisingRateMax = 6.2;
constexpr double kFastSearchLatitude = 60 * kRadiansPerDegree;
// A crossing this close to a step or a halving point is left to the stepped
// search (the root is far more accurate than this).
constexpr double kTieGhatis = 1e-6;
// An angle this small left to go is a crossing found: under a twentieth of
// the tie margin at the slowest rate searched (the Moon's elongation), and
// for the rising, at the slowest rate of the sidereal time (the Swiss
// engine's ascendant, from its houses, settles only to some 1e-7 degrees).
constexpr double kConvergedDegrees = 1e-8;
constexpr double kConvergedRisingDegrees = 1e-6 * 5.5 / 20;
// Halvings at the end cast as the stepped search casts them (the classic
// engine): the decisions are made on real values there, and the last trial
// casts before the result, and so the ayanamsa chains carried into it, are
// the stepped search's own.
constexpr int kCastHalvings = 4;

// The sidereal time (radians) at which the ecliptic point of tropical
// longitude `lambda` (degrees) rises at `latitude` (radians); NaN where it
// never rises or sets.
double RisingSiderealTime(double lambda, double obliquity, double latitude) {
  const double l = lambda * kRadiansPerDegree;
  // cos l cos R + cos e sin l sin R = -tan(latitude) sin e sin l
  const double p = std::cos(l), q = std::cos(obliquity) * std::sin(l);
  const double c = -std::tan(latitude) * std::sin(obliquity) * std::sin(l);
  const double x = c / std::hypot(p, q);
  if (!(std::fabs(x) <= 1)) return NAN;
  const double base = std::atan2(q, p), spread = std::acos(x);
  for (double r : {base + spread, base - spread}) {
    r = std::fmod(r, kTwoPi);
    if (r < 0) r += kTwoPi;
    // One root rises the point, the other sets it (the ascendant there is
    // the opposite point).
    const double asc = ComputeAscendant(r, obliquity, latitude, 0);
    if (std::fabs(Normalise360(asc - lambda + 180) - 180) < 1e-6) return r;
  }
  return NAN;
}

// The obliquity (radians) the Swiss engine's rising is worked out with. Any
// value near the true one serves: the ascendant formula is only the map
// between sidereal time and the rising point, and its difference from the
// engine's own ascendant is measured at every cast (see AngleToGo).
constexpr double kSwissRisingObliquity = 23.4392911 * kRadiansPerDegree;

// The angle (degrees) still to go to the crossing from a cast, in [0, 360).
// For the rising, with the classic engine: the sidereal time at which the
// Sun's point rises, from its obliquity and sidereal correction. With the
// Swiss engine, whose ascendant comes from its own houses: the tropical
// point C(ramc) - ascendant + target rises at the sidereal time R, C the
// ascendant of a sidereal time and R its inverse; where R equals the cast's
// sidereal time, C(ramc) = target + C(ramc) - ascendant, so the cast's
// ascendant is the target exactly, whatever obliquity C is taken with.
double AngleToGo(const CastResult& cast, int a, int b, double tau, bool backward, bool swiss) {
  if (a == kMoon) {
    const double f = AngleFunction(cast, a, b, tau);
    return backward ? f : Normalise360(360 - f);
  }
  const double obliquity = swiss ? kSwissRisingObliquity : cast.obliquity;
  const double toTropical =
      swiss ? ComputeAscendant(cast.ramc, obliquity, cast.converted.latitude, 0) - cast.ascendant
            : -cast.siderealCorrection;
  const double target = cast.Longitude(Body::kSun) + tau + toTropical;  // tropical
  const double rises = RisingSiderealTime(target, obliquity, cast.converted.latitude);
  const double d = (cast.ramc - rises) * kDegreesPerRadian;
  return Normalise360(backward ? d : -d);
}

// Within (-180, 180]: negative once past the crossing.
double Signed(double angle) { return angle > 180 ? angle - 360 : angle; }

// The crossed() test of the stepped search between a bracket's near end and
// a point in it, for brackets across which the angle function moves less
// than 90 degrees: the side of 180 degrees decides.
bool PastCrossing(double f, bool backward) { return backward ? f > 180 : f < 180; }

bool SearchFast(Caster& caster, const BirthData& place, const DasaDate& start, int a, int b, double tau,
                bool backward, SearchResult& result) {
  const EngineSettings& settings = caster.Settings();
  const bool moon = a == kMoon && b == kSun;
  const bool rising = a == kAscendant && b == kSun;
  if (!moon && !rising) return false;
  // The rising of the Sun's point is worked out for the classic and the
  // Swiss engine (AngleToGo); any other steps to it.
  const bool swiss = settings.ephemeris == EphemerisKind::kSwiss;
  if (rising && settings.ephemeris != EphemerisKind::kClassic && !swiss) return false;
  if (rising && !(std::fabs(DecToDeg(place.latitude) * kRadiansPerDegree) <= kFastSearchLatitude))
    return false;
  const double rateMin = moon ? kElongationRateMin : kRisingRateMin;
  const double rateMean = moon ? kElongationRateMean : kRisingRateMean;
  const double rateMax = moon ? kElongationRateMax : kRisingRateMax;
  const double step = moon ? 60 : 2;  // ghatis a coarse step of the stepped search
  const int steps = moon ? kMaxDaySteps : kMaxGhatiSteps;
  const BodySet trial = WantedFor(a).With(WantedFor(b));

  const double togo = AngleToGo(caster.CastAt(place, start, trial), a, b, tau, backward, swiss);
  if (!(togo > 0 && togo < 360)) return false;

  // Secant steps on the unwrapped angle still to go, in ghatis from the start.
  auto togoAt = [&](double ghatis) {
    return Signed(
        AngleToGo(caster.CastAt(place, Offset(start, backward, 0, ghatis), trial), a, b, tau, backward, swiss));
  };
  double s0 = 0, h0 = togo;
  double s1 = togo / rateMean;
  double h1 = togoAt(s1);
  double root = NAN;
  for (int i = 0; i < 12 && std::isfinite(h1); ++i) {
    if (h1 == h0) {
      // The moments are as close as the time scale resolves: a root when
      // the angle is (far within the tie margin) at the crossing.
      if (std::fabs(h1) < (moon ? kConvergedDegrees : kConvergedRisingDegrees)) root = s1;
      break;
    }
    const double s2 = s1 - h1 * (s1 - s0) / (h1 - h0);
    if (!std::isfinite(s2)) return false;
    if (std::fabs(s2 - s1) < 1e-9) {
      root = s2;
      break;
    }
    s0 = s1;
    h0 = h1;
    s1 = s2;
    h1 = togoAt(s1);
  }
  // The first crossing lies within togo / max rate .. togo / min rate; the
  // next one a whole turn further, past (togo + 360) / max rate.
  if (!(root > togo / rateMax - step) || !(root < (togo + 360) / rateMax) || !(root <= togo / rateMin + step) ||
      root >= steps * step)
    return false;

  // The stepped search's bracket: the crossing lies between its steps
  // k and k + 1.
  const int k = static_cast<int>(std::floor(root / step));
  const double within = root - step * k;
  if (within < kTieGhatis || within > step - kTieGhatis) return false;
  const int days = moon ? k : 0;
  double nearEnd = moon ? 0 : step * k, farEnd = moon ? 60 : step * (k + 1);
  const double crossing = moon ? within : root;

  int halvings = 0;
  for (double width = farEnd - nearEnd; width >= kTenSecondsInGhatis; width /= 2) ++halvings;
  // The Swiss engine carries no chains from cast to cast: every halving is
  // decided from the root (the tie margin left to casts), unless the classic
  // engine has stood in for a cast beyond the library's range.
  const bool chainless =
      swiss && caster.Chains().swissSource < static_cast<std::uint8_t>(SwissSource::kOutOfRange);
  const int castHalvings = chainless ? 0 : kCastHalvings;
  for (int done = 0; done < halvings - castHalvings; ++done) {
    const double mid = (nearEnd + farEnd) / 2;
    if (std::fabs(mid - crossing) < kTieGhatis) break;  // too close to call: cast from here on
    if (mid > crossing)
      farEnd = mid;
    else
      nearEnd = mid;
  }
  while (std::fabs(nearEnd - farEnd) >= kTenSecondsInGhatis) {
    const double mid = (nearEnd + farEnd) / 2;
    const CastResult cast = caster.CastAt(place, Offset(start, backward, days, mid), trial);
    if (PastCrossing(AngleFunction(cast, a, b, tau), backward))
      farEnd = mid;
    else
      nearEnd = mid;
  }
  result.moment = Offset(start, backward, days, nearEnd);
  result.cast = caster.CastAt(place, result.moment);
  result.found = true;
  return true;
}

// One search, backward or forward: coarse steps until the angle function
// wraps, then halving of the bracket down to ten seconds of time. The trial
// casts compute the two slots the angle function reads; the cast at the
// result is whole. The fast search above stands in where it applies.
SearchResult Search(Caster& caster, const BirthData& place, const DasaDate& start, int a, int b, double tau,
                    bool backward, bool fast = true) {
  if (fast) {
    SearchResult result;
    if (SearchFast(caster, place, start, a, b, tau, backward, result)) return result;
  }
  const bool ghatiSteps = a == kAscendant;
  const BodySet trial = WantedFor(a).With(WantedFor(b));
  // Crossing test: going backward the function jumps up by nearly a turn,
  // going forward it jumps down.
  auto crossed = [backward](double before, double after) {
    return backward ? after - before > 180 : before - after > 180;
  };

  double prev = AngleFunction(caster.CastAt(place, start, trial), a, b, tau);
  int days = 0;
  double ghatis = 0;
  bool hit = false;
  const int limit = ghatiSteps ? kMaxGhatiSteps : kMaxDaySteps;
  for (int step = 1; step <= limit; ++step) {
    if (ghatiSteps)
      ghatis += 2;
    else
      days += 1;
    const double cur = AngleFunction(caster.CastAt(place, Offset(start, backward, days, ghatis), trial), a, b, tau);
    if (crossed(prev, cur)) {
      hit = true;
      break;
    }
    prev = cur;
  }
  if (!hit) return SearchResult{start, caster.CastAt(place, start), false};

  // Bracket in ghatis beyond the whole days: near bound toward the start.
  double near, far;
  if (ghatiSteps) {
    near = ghatis - 2;
    far = ghatis;
  } else {
    days -= 1;
    near = 0;
    far = 60;
  }
  prev = AngleFunction(caster.CastAt(place, Offset(start, backward, days, near), trial), a, b, tau);
  while (std::fabs(near - far) >= kTenSecondsInGhatis) {
    const double mid = (near + far) / 2;
    const double f = AngleFunction(caster.CastAt(place, Offset(start, backward, days, mid), trial), a, b, tau);
    if (!crossed(prev, f)) {
      prev = f;
      near = mid;
    } else {
      far = mid;
    }
  }
  const DasaDate result = Offset(start, backward, days, near);
  return SearchResult{result, caster.CastAt(place, result), true};
}

}  // namespace

DasaDate MomentOf(double year, double month, double day, FileClock time) {
  const DmsParts p = SplitDms(time.value);
  double ghatis = ToGhatis(Hours{p.whole + p.minutes / 60 + p.seconds / 3600}).value;
  if (!p.positive) ghatis = -ghatis;
  if (!std::isfinite(ghatis)) ghatis = 0;
  auto whole = [](double v) {
    if (!std::isfinite(v)) return 0;
    if (v > 1e6) v = 1e6;
    if (v < -1e6) v = -1e6;
    return static_cast<int>(std::trunc(v));
  };
  DasaDate d{whole(year), whole(month), whole(day), 0};
  // A negative or overlong clock time carries into the date.
  return AddDuration(d, EncodeGhatis(ghatis));
}

double SlotLongitude(const CastResult& cast, int slot) {
  if (slot == kAscendant) return cast.ascendant;
  const int body = GrahaIndexOfSlot(slot);
  return body >= 0 ? cast.longitude[static_cast<std::size_t>(body)] : 0.0;
}

double AngleFunction(const CastResult& cast, int a, int b, double tau) {
  return Normalise360(SlotLongitude(cast, a) - (SlotLongitude(cast, b) + tau));
}

SearchResult SearchBackward(Caster& caster, const BirthData& place, const DasaDate& start, int a, int b,
                            double tau) {
  return Search(caster, place, start, a, b, tau, true);
}

SearchResult SearchForward(Caster& caster, const BirthData& place, const DasaDate& start, int a, int b,
                           double tau) {
  return Search(caster, place, start, a, b, tau, false);
}

SearchResult SearchStepped(Caster& caster, const BirthData& place, const DasaDate& start, int a, int b,
                           double tau, bool backward) {
  return Search(caster, place, start, a, b, tau, backward, false);
}

SearchResult FindSunEvent(Caster& caster, const BirthData& place, int kind, int direction,
                          const DasaDate& start) {
  const double tau = SunriseTarget(caster.Settings().sunriseDefinition, kind == 0);
  return direction == 0 ? SearchBackward(caster, place, start, kAscendant, kSun, tau)
                        : SearchForward(caster, place, start, kAscendant, kSun, tau);
}

}  // namespace orvane
