// Ashtakavarga, nature of the planets, shadbala and bhava bala: section
// writers of the calculation pass (sections 3, 17, 18, 19, 13, 22).
#pragma once

#include "chart/chart_state.h"
#include "io/settings.h"

namespace orvane {

void ComputeAshtakavarga(ChartState& state, const Settings& settings);
void ComputeNatureOfPlanets(ChartState& state, const Settings& settings);
void ComputeShadbala(ChartState& state, const Settings& settings);

}  // namespace orvane
