// The sunrise step the pipeline runs after every new cast: the sunrise
// before the chart moment, the day and night lengths, and the time lagnas and
// time upagrahas that depend on them.
#pragma once

#include "chart/chart_state.h"
#include "engine/caster.h"
#include "io/settings.h"

namespace orvane {

// Sunrise before the chart moment, day and night lengths, the time lagnas and
// time upagrahas, with the casts of `caster`; puts the last cast, at the
// chart moment, into the state.
void SunriseStep(ChartState& state, const Settings& settings, Caster& caster);

}  // namespace orvane
