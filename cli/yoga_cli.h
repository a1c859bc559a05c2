// orvane-cli --yogas and --list-yogas: the yogas of a chart, and the library
// of rules they are found by, as text or JSON.
#pragma once

#include <string>

#include <vector>
#include "yoga/yoga.h"

namespace orvane {

// The found yogas as one JSON object (the row's id first when given); the
// text is yoga::YogasText (yoga/text.h).
std::string YogasJson(const std::vector<yoga::FoundYoga>& found, int varga, const std::string* idJson);

// The library: every rule with its key, name, family, source, effect, rule
// in words and the reading chosen.
std::string YogaLibraryText();
std::string YogaLibraryJson();

}  // namespace orvane
