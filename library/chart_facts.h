// The facts of a computed chart (library/facts.h), and the key of the
// settings they depend on.
#pragma once

#include <string>

#include "compute/chart.h"
#include "io/settings.h"
#include "library/facts.h"

namespace orvane::library {

ChartFacts FactsOf(const Chart& chart);

// The settings that change a chart's facts, written as one line: facts kept
// under another key are computed again.
std::string FactsKey(const Settings& settings);

}  // namespace orvane::library
