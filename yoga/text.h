// The yogas of a chart as report text, grouped by family: each with its
// key and source, the planets and houses that form it, the conditions met
// ("- ") and every cancellation or weakening ("! ").
#pragma once

#include <string>
#include <vector>

#include "yoga/yoga.h"

namespace orvane::yoga {

// `varga`: the chart they were read in (1, 9 or 10), named in the heading.
std::string YogasText(const std::vector<FoundYoga>& found, int varga);

}  // namespace orvane::yoga
