// Hand-made charts for the Tajaka writers: only what a test sets is there.
#pragma once

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "chart/chart_state.h"
#include "compute/pipeline.h"
#include "vedic/vargas.h"

namespace orvane::testing_support {

// A hand-made chart with the report buffer its writers append to.
// `section` is the section a pass of the chart would write.
struct TestChart : ChartState {
  ReportBuffer report{};
  int section = kNoSection;
};

// A Tajaka annual chart of 2026 for a birth in 1970, with the Tajaka moment
// at 0 h of 5 April 2026 and the given slot longitudes (slots 0..9); every
// per-point sign the writers read follows from the longitudes.
inline std::unique_ptr<TestChart> MakeTajakaChart(const std::vector<double>& longitudes, int section) {
  auto state = std::make_unique<TestChart>();
  state->options.tajakaMode = 1;
  state->options.tajakaYear = 2026;
  state->birth = {4, 4, 1970, 17.5, -5.30, -81.12, 16.15};
  state->tajaka.moment = {2026, 4, 5, 0.0};
  for (std::size_t slot = 0; slot < longitudes.size() && slot < 10; ++slot) {
    state->slotLongitude[slot] = longitudes[slot];
    state->vedic.rasi[slot] = SignOf(longitudes[slot]);
  }
  state->vedic.dayBirth = 1;
  state->vedic.tajakaNakshatraBalance = 1;
  state->section = section;
  return state;
}

inline std::string Text(const TestChart& state) { return std::string(state.report.Text()); }
// The buffer a writer of the chart's section appends to: none when the
// chart names no section (the writer then only derives).
inline ReportBuffer* SectionBuffer(TestChart& state) {
  return state.section == kNoSection ? nullptr : &state.report;
}

// The lines of a text that contain `part`.
inline std::vector<std::string> LinesWith(const std::string& text, const std::string& part) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    if (line.find(part) != std::string::npos) lines.push_back(line);
  }
  return lines;
}

// The lines of a dasa listing that open a main period (they start with a
// label, not with blanks), the header line left out.
inline std::vector<std::string> MainLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  std::string line;
  bool header = true;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == ' ') continue;
    if (header) {
      header = false;
      continue;
    }
    lines.push_back(line);
  }
  return lines;
}

}  // namespace orvane::testing_support
