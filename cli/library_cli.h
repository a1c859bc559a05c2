// orvane-cli's chart-library commands (--db FILE with --add, --import,
// --list, --find, --where, --count-by, --export, --tag, --untag, --remove,
// --facts, --backup, --check).
#pragma once

#include "cli/options.h"
#include "io/settings.h"

namespace orvane {

// Runs the library command of the options; the program's exit status.
int RunLibrary(const CliOptions& options, const Settings& settings);

// Chi-square test of observed counts against expected ones: the statistic,
// its degrees of freedom (categories with an expected count, less one) and
// the probability of a statistic at least as large by chance.
struct ChiSquare {
  double statistic = 0;
  int degrees = 0;
  double p = 1;
};
ChiSquare ChiSquareTest(const std::vector<double>& observed, const std::vector<double>& expected);

}  // namespace orvane
