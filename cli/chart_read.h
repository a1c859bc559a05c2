// Reading a chart data file named on the command line: every command that
// takes chart files (a plain run, --match, --transits) reads them here, so
// each refuses a missing, unreadable, non-regular or invalid file at once,
// with the same message and exit status.
#pragma once

#include <string>

#include "engine/engine_state.h"
#include "io/chart_file.h"

namespace orvane {

struct ChartFileInput {
  int status = 0;       // 0 read; 1 the file is not there; 2 it cannot be used
  std::string message;  // the line for the error stream (with its line end), empty when read
  std::string reason;   // the same reason without the program's name, for JSON
  BirthData birth{};    // the seven numbers (when read)
  ChartLabels labels;   // the labels after them (when read)
};

// Reads and checks the chart data file at `path`. Only a regular file is
// opened for reading (a named pipe or a device never makes this wait).
ChartFileInput ReadChartInput(const std::string& path);

}  // namespace orvane
