#include "engine/ephemeris_engine.h"

#include "engine/classic_engine.h"
#include "engine/swiss_engine.h"

namespace orvane {

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
