// A chart state for the strength tests: the longitudes of the ascendant and
// the nine planets, with the per-point signs and divisional charts the
// calculation pass derives before the strength steps.
#pragma once

#include <array>
#include <cmath>

#include "chart/chart_state.h"
#include "io/settings.h"
#include "vedic/vargas.h"

namespace orvane::testing_strength {

// Slots 0..9: ascendant, Sun, Moon, Mars, Mercury, Jupiter, Venus, Saturn, Rahu, Ketu.
using Longitudes = std::array<double, 10>;

// Fills slots 0..9 and the derived sign arrays; the other slots stay at 0.
inline void SetPositions(ChartState& state, const Settings& settings, const Longitudes& longitudes) {
  for (int slot = 0; slot < 10; ++slot) state.slotLongitude[slot] = longitudes[slot];
  for (int slot = 0; slot < kSlotCount; ++slot) {
    const double L = state.slotLongitude[slot];
    state.vedic.rasi[slot] = static_cast<int>(std::floor(L / 30)) % 12;
    state.vedic.navamsa[slot] = static_cast<int>(std::floor(0.3 * L)) % 12;
  }
  ComputeVargas(state, settings, state.vedic);
}

inline ChartState MakeChart(const Settings& settings, const Longitudes& longitudes) {
  ChartState state;
  SetPositions(state, settings, longitudes);
  return state;
}

}  // namespace orvane::testing_strength
