// The Sun and the Moon as the calendar needs them, for a place and an
// ephemeris: their sidereal longitudes at any universal-time moment, and
// their risings and settings (the altitude of the body reaching the
// standard altitude of the horizon). Moments are Julian days of universal
// time throughout.
#pragma once

#include <optional>

#include "engine/caster.h"
#include "engine/engine_settings.h"

namespace orvane {

// Seconds of the Unix epoch and Julian days of universal time.
inline constexpr double kUnixEpochJulianDay = 2440587.5;
inline double JulianDayOfUnix(double seconds) { return kUnixEpochJulianDay + seconds / 86400.0; }
inline double UnixOfJulianDay(double jd) { return (jd - kUnixEpochJulianDay) * 86400.0; }
// Julian day of 0 h universal time of a proleptic Gregorian date.
double JulianDayOfDate(int year, int month, int day);

// Where the calendar is reckoned: degrees, east and north positive.
struct SkyPlace {
  double longitude = 0;
  double latitude = 0;
};

struct SunMoon {
  double sun = 0;   // sidereal longitude, degrees [0, 360)
  double moon = 0;  // sidereal longitude, degrees [0, 360)
};

class Sky {
 public:
  Sky(const EngineSettings& settings, const SkyPlace& place);

  const EngineSettings& Settings() const { return caster_.Settings(); }
  const SkyPlace& Place() const { return place_; }

  // The sidereal longitudes of the Sun and the Moon at `jd` (one cast).
  SunMoon At(double jd);

  // The sidereal ascendant at `jd` (one cast).
  double Ascendant(double jd);

  // The first rising (or setting) of the Sun or the Moon at or after `from`
  // and before `until`; nothing when the body does not cross the horizon
  // in between (polar day or night, or no moonrise on that day).
  std::optional<double> Sunrise(double from, double until) { return Event(false, true, from, until); }
  std::optional<double> Sunset(double from, double until) { return Event(false, false, from, until); }
  std::optional<double> Moonrise(double from, double until) { return Event(true, true, from, until); }
  std::optional<double> Moonset(double from, double until) { return Event(true, false, from, until); }

  // Casts made so far (bounds the work in tests).
  unsigned Casts() const { return caster_.CastCount(); }

 private:
  std::optional<double> Event(bool moon, bool rising, double from, double until);
  // The hour angle (degrees, (-180, 180]) and the hour angle of the
  // standard altitude (degrees; NaN where the body stays above or below the
  // horizon all day) of the body at `jd`.
  void HourAngles(bool moon, double jd, double& hourAngle, double& horizonAngle);
  // The sidereal minus the tropical longitude of the engine's frame, from
  // one cast of the ascendant (the ayanamsa the engine applies, whatever
  // the choice); kept for a month, over which it changes by a few
  // thousandths of a degree.
  double FrameOffset(double jd);

  Caster caster_;
  SkyPlace place_;
  double frameOffset_ = 0;
  double frameOffsetJd_ = -1e9;
};

}  // namespace orvane
