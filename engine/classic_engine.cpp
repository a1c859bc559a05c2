#include "engine/classic_engine.h"

#include <array>
#include <cstddef>

#include "engine/ephemeris.h"

namespace orvane {

namespace {

// The classic index of each body (0: not computed by this engine).
constexpr std::array<int, kBodyCount> kClassicIndex = {
    kEphSun, kEphMoon, kEphMars, kEphMercury, kEphJupiter, kEphVenus, kEphSaturn, kEphNode, 0, 0, 0,
};

}  // namespace

void ClassicEngine::Cast(EngineState& state, const EngineSettings& settings, BodySet, CastResult& out) const {
  CastEphemeris(state, settings, 1);
  const EphemerisState& eph = state.ephemeris;
  out.computed = BodySet{}.WithAscendant();
  for (std::size_t b = 0; b < kClassicIndex.size(); ++b) {
    const int index = kClassicIndex[b];
    if (index == 0) continue;
    out.longitude[b] = eph.longitude[static_cast<std::size_t>(index)];
    out.retrograde[b] = eph.retrograde[static_cast<std::size_t>(index)] != 0 ? 1 : 0;
    out.computed = out.computed.With(static_cast<Body>(b));
  }
  out.ascendant = eph.longitude[kEphAscendant];
  out.ramc = eph.ramc;
}

double ClassicEngine::DateAyanamsa(EngineState& state, const EngineSettings& settings, int year, int month,
                                   int day) const {
  return ReportAyanamsa(state, settings, year, month, day);
}

std::string ClassicEngine::Describe(const EngineState&) const { return {}; }

}  // namespace orvane
