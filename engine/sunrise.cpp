#include "engine/sunrise.h"

#include <cmath>

#include "engine/cast.h"
#include "engine/ephemeris.h"

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

// One search, backward or forward: coarse steps until the angle function
// wraps, then halving of the bracket down to ten seconds of time.
DasaDate Search(EngineState& state, const EngineSettings& settings, const DasaDate& start, int a, int b, double tau,
                bool backward, bool* found) {
  const bool ghatiSteps = a == kAscendant;
  // Crossing test: going backward the function jumps up by nearly a turn,
  // going forward it jumps down.
  auto crossed = [backward](double before, double after) {
    return backward ? after - before > 180 : before - after > 180;
  };

  CastAtMoment(state, settings, start);
  double prev = AngleFunction(state, a, b, tau);
  int days = 0;
  double ghatis = 0;
  bool hit = false;
  const int limit = ghatiSteps ? kMaxGhatiSteps : kMaxDaySteps;
  for (int step = 1; step <= limit; ++step) {
    if (ghatiSteps)
      ghatis += 2;
    else
      days += 1;
    CastAtMoment(state, settings, Offset(start, backward, days, ghatis));
    const double cur = AngleFunction(state, a, b, tau);
    if (crossed(prev, cur)) {
      hit = true;
      break;
    }
    prev = cur;
  }
  if (found) *found = hit;
  if (!hit) {
    CastAtMoment(state, settings, start);
    return start;
  }

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
  CastAtMoment(state, settings, Offset(start, backward, days, near));
  prev = AngleFunction(state, a, b, tau);
  while (std::fabs(near - far) >= kTenSecondsInGhatis) {
    const double mid = (near + far) / 2;
    CastAtMoment(state, settings, Offset(start, backward, days, mid));
    const double f = AngleFunction(state, a, b, tau);
    if (!crossed(prev, f)) {
      prev = f;
      near = mid;
    } else {
      far = mid;
    }
  }
  const DasaDate result = Offset(start, backward, days, near);
  CastAtMoment(state, settings, result);
  return result;
}

}  // namespace

DasaDate MomentOf(double year, double month, double day, double time) {
  const DmsParts p = SplitDms(time);
  double ghatis = (p.whole + p.minutes / 60 + p.seconds / 3600) * 2.5;
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

void CastAtMoment(EngineState& state, const EngineSettings& settings, const DasaDate& moment) {
  const double h = moment.ghatis * 0.4;
  const double fl = std::floor(h);
  RecastAt(state, settings, moment.year, moment.month, moment.day, fl + (h - fl) * 0.6000000000000001);
}

double AngleFunction(const EngineState& state, int a, int b, double tau) {
  return Normalise360(state.slotLongitude[a] - (state.slotLongitude[b] + tau));
}

DasaDate SearchBackward(EngineState& state, const EngineSettings& settings, const DasaDate& start, int a, int b,
                        double tau, bool* found) {
  return Search(state, settings, start, a, b, tau, true, found);
}

DasaDate SearchForward(EngineState& state, const EngineSettings& settings, const DasaDate& start, int a, int b,
                       double tau, bool* found) {
  return Search(state, settings, start, a, b, tau, false, found);
}

DasaDate FindSunEvent(EngineState& state, const EngineSettings& settings, int kind, int direction, const DasaDate& start,
                      bool* found) {
  const double tau = SunriseTarget(settings.sunriseDefinition, kind == 0);
  return direction == 0 ? SearchBackward(state, settings, start, kAscendant, kSun, tau, found)
                        : SearchForward(state, settings, start, kAscendant, kSun, tau, found);
}

}  // namespace orvane
