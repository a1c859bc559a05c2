// Hand-made charts for the dasa writers: a birth date, the Sun and the Moon,
// the dasa year length and the selected section; nothing else is set.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "chart/chart_state.h"
#include "compute/pipeline.h"
#include "dasa/dasa.h"
#include "report/sections.h"
#include "compute/calculation_pass.h"

namespace orvane::testing_support {

// A hand-made chart with the report buffer its writers append to.
// `section` is the section a pass of the chart would write.
struct TestChart : ChartState {
  ReportBuffer report{};
  int section = kNoSection;
};

inline std::unique_ptr<TestChart> MakeChart(int year, int month, int day, double sun, double moon,
                                             double yearLength, int section) {
  auto state = std::make_unique<TestChart>();
  state->birth = {static_cast<double>(month), static_cast<double>(day), static_cast<double>(year),
                      12.0, -5.30, -81.12, 16.15};
  state->slotLongitude[kSun] = sun;
  state->slotLongitude[kMoon] = moon;
  state->nakshatraBalance = NakshatraOf(moon).unelapsed;
  state->dasa.yearLength = yearLength;
  state->section = section;
  return state;
}

inline std::string Text(const TestChart& state) { return std::string(state.report.Text()); }

// What a calculation pass does for the dasas of a hand-made chart: the
// balance and the Vimsottari periods derived (no section written), then the
// state's section written by its writer from the writers' table, with the
// chart's own dasa year. The mundane sections are written for a mundane
// chart.
inline void DeriveAndWriteSection(TestChart& state) {
  const int section = state.section;
  Settings settings;
  settings.daysInYear = state.dasa.yearLength;
  state.dasa.balance = DasaBalanceOf(state);
  ComputeVimsottari(state, state.dasa);
  if (section == 15 || section == 16) state.options.mundane = 1;
  if (section >= 0 && section < kReportSectionCount) WriteSectionAlone(state, settings, section, state.report);
}

// The lines of a listing that open a main period (they start with a label,
// not with the blanks of a continued line), header and blank lines left out.
inline std::vector<std::string> MainLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t pos = 0;
  bool header = true;
  while (pos <= text.size()) {
    const std::size_t end = text.find('\n', pos);
    const std::string line = text.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
    if (!line.empty() && line[0] != ' ') {
      if (header) {
        header = false;  // the first non-blank line is the header
      } else {
        lines.push_back(line);
      }
    }
    if (end == std::string::npos) break;
    pos = end + 1;
  }
  return lines;
}

inline const std::string kBreak15 = "\n" + std::string(15, ' ');
inline const std::string kBreak13 = "\n" + std::string(13, ' ');

}  // namespace orvane::testing_support
