// The chart the yogas are read from, taken from a computed chart: the signs
// of the grahas and the lagna in the rasi or a divisional chart.
#pragma once

#include "chart/chart_state.h"
#include "io/settings.h"
#include "yoga/yoga.h"

namespace orvane {

// `varga`: 1 the rasi, 9 the navamsa, 10 the dasamsa.
yoga::YogaChart YogaChartOf(const ChartState& state, const Settings& settings, int varga = 1);

}  // namespace orvane
