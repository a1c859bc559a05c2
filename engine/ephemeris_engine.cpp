#include "engine/ephemeris_engine.h"

#include "engine/calendar.h"
#include "engine/classic_engine.h"
#include "engine/swiss_engine.h"

namespace orvane {

CastMoment CastMomentOf(const BirthData& b) {
  CastMoment m;
  m.ut = DecToDeg(b.time) + DecToDeg(b.zone);
  m.longitudeWest = DecToDeg(b.longitude);
  m.latitudeDegrees = DecToDeg(b.latitude);
  m.latitude = m.latitudeDegrees * kRadiansPerDegree;
  m.dayNumber = DayNumber(b.month, b.day, b.year);
  m.T = (m.dayNumber - 2415020 + m.ut * 0.041666666666666664 - 0.5) * 2.7378507871321012e-5;
  return m;
}

const EphemerisEngine& EngineFor(EphemerisKind kind) {
  static const ClassicEngine classic;
  static const SwissEngine swiss;
  switch (kind) {
    case EphemerisKind::kClassic:
      break;
    case EphemerisKind::kSwiss:
      return swiss;
  }
  return classic;
}

}  // namespace orvane
