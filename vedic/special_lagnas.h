// Special lagnas and upagrahas that depend on the sunrise: run inside the
// sunrise step after each new cast.
#pragma once

#include "engine/chart_state.h"
#include "io/settings.h"

namespace orvane {

// Bhava, hora and ghati lagna and the varnada lagnas (slots 11..25). Called
// with the chart cast at the sunrise moment and state.sunrise filled as far
// as minutesSinceSunrise; state.birthCopy holds the natal ascendant's chart
// only through the slots passed in `natalAscendant`.
void ComputeTimeLagnas(ChartState& state, const Settings& settings, double natalAscendant);

// The six upagrahas measured in eighths of the day or night (slots 34..39):
// casts the chart at each portion's moment. Called once the day and night
// lengths and the sunrise, sunset and next sunrise moments are known; the
// caller casts the birth chart again afterwards.
void ComputeTimeUpagrahas(ChartState& state, const Settings& settings);

}  // namespace orvane
