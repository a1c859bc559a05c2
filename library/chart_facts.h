// The facts of a computed chart (library/facts.h), and the key of the
// settings they depend on.
#pragma once

#include <string>

#include "chart/chart_state.h"
#include "io/settings.h"
#include "library/facts.h"

namespace orvane::library {

ChartFacts FactsOf(const ChartState& state, const Settings& settings);

// The settings that change a chart's facts, written as one line: facts kept
// under another key are computed again.
std::string FactsKey(const Settings& settings);

}  // namespace orvane::library
