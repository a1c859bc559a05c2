// The calculation pass: derives everything from a cast chart in a fixed order
// and writes the text of the selected report section into the state's buffer.
#pragma once

#include "engine/chart_state.h"
#include "io/settings.h"

namespace orvane {

void RunCalculationPass(ChartState& state, const Settings& settings);

}  // namespace orvane
