// The chart the yogas are read from, taken from a computed chart: the signs
// of the grahas and the lagna in the rasi or a divisional chart.
#pragma once

#include "compute/chart.h"
#include "yoga/yoga.h"

namespace orvane {

// `varga`: 1 the rasi, 9 the navamsa, 10 the dasamsa.
yoga::YogaChart YogaChartOf(const Chart& chart, int varga = 1);

}  // namespace orvane
