// The chart pipeline: from a chart data file (or birth data in hand) to the
// computed chart and the selected report section. It drives the engine's
// casts and searches (engine/) and the passes of the layers above.
#pragma once

#include <string>

#include "chart/chart_state.h"
#include "engine/cast.h"
#include "io/settings.h"
#include "report/report_buffer.h"

namespace orvane {

enum class ComputeStatus {
  kOk,
  kFileNotFound,  // the chart data file could not be opened
  kBadFile,       // it did not hold seven finite numbers
  kWriteFailed,   // "now" mode could not write the chart data file
};

// Fills state.birth from the chart data file, or in "now" mode from the clock
// (universal time, converted with the settings' default zone) and writes the
// file. A path that cannot be opened is tried again as "data" + path.
ComputeStatus ReadChartDataFile(ChartState& state, const Settings& settings, const std::string& path);

// The driver: when state.options.recompute is set it reads `path` and casts
// the chart with one fresh Caster (the birth moment, the Tajaka search, the
// lunar-month and sunrise steps, in that order); then the Sun-based
// upagrahas and the calculation pass, which writes report section `section`
// into `report` when one is given (as RunCalculationPass does). A file whose
// data is not castable (IsCastable) gives kBadFile, with nothing cast.
ComputeStatus ComputeChart(ChartState& state, const Settings& settings, const std::string& path,
                           int section = kNoSection, ReportBuffer* report = nullptr);
// The same driver from birth data in hand (no file involved); false, with
// nothing cast, when the data is not castable (IsCastable).
bool ComputeChartFromBirth(ChartState& state, const Settings& settings, const BirthData& birth,
                           int section = kNoSection, ReportBuffer* report = nullptr);

// The present moment at the settings' default place, in file units.
BirthData NowBirthData(const Settings& settings);

// The year whose positions a computed chart shows: the Tajaka year of an
// annual, monthly or hora chart, otherwise the birth year.
inline int ChartYear(const ChartState& state) {
  return state.options.tajakaMode ? state.options.tajakaYear : static_cast<int>(state.birth.year);
}

}  // namespace orvane
