#include "engine/ephemeris_engine.h"

#include "engine/calendar.h"
#include "engine/classic_engine.h"
#include "engine/swiss_engine.h"

namespace orvane {

CastMoment CastMomentOf(const BirthData& b) {
  CastMoment m;
  m.ut = DecToDeg(b.time) + DecToDeg(b.zone);
  m.longitudeWest = DecToDeg(b.longitude);
  m.latitude = DecToDeg(b.latitude) * kRadiansPerDegree;
  m.dayNumber = DayNumber(b.month, b.day, b.year);
  m.T = (m.dayNumber - 2415020 + m.ut * 0.041666666666666664 - 0.5) * 2.7378507871321012e-5;
  return m;
}

void StoreConverted(BirthData& b, const CastMoment& m) {
  b.time = m.ut;
  b.longitude = m.longitudeWest;
  b.latitude = m.latitude;
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
