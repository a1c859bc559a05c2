#include "engine/ephemeris_engine.h"

#include "engine/classic_engine.h"

namespace orvane {

const EphemerisEngine& EngineFor(EphemerisKind kind) {
  static const ClassicEngine classic;
  switch (kind) {
    case EphemerisKind::kClassic:
      break;
    case EphemerisKind::kSwiss:
      break;
  }
  return classic;
}

}  // namespace orvane
