// The yoga library: one row per yoga.
#pragma once

#include <string_view>
#include <vector>

#include "yoga/rules.h"
#include "yoga/yoga.h"

namespace orvane::yoga {

// A cancellation ends the yoga's promise; a weakening lessens it. Both are
// listed when they hold.
struct Qualifier {
  rules::Cond cond;
  bool cancels = false;
};

struct Rule {
  std::string_view key;
  std::string_view name;
  Family family;
  std::string_view source;
  std::string_view effect;
  std::string_view variant;  // the reading chosen where traditions differ, and the other
  rules::Cond cond;
  std::vector<Qualifier> qualifiers;
};

// Every rule, in the order they are listed and found. Built once.
const std::vector<Rule>& Library();

}  // namespace orvane::yoga
