// The chart pipeline: from a chart data file (or birth data in hand) to the
// computed chart and the selected report section.
#pragma once

#include <string>

#include "engine/chart_state.h"
#include "io/settings.h"

namespace orvane {

enum class ComputeStatus {
  kOk,
  kFileNotFound,  // the chart data file could not be opened
  kBadFile,       // it did not hold seven finite numbers
  kWriteFailed,   // "now" mode could not write the chart data file
};

// Casts the chart for the birth fields already in state.birth; only the date
// is taken from the arguments (for the ayanamsa of the date). Fills slots
// 0..9, the ayanamsa value and the nakshatra balance; returns the Moon's
// nakshatra index.
int CastChart(ChartState& state, const Settings& settings, int year, int month, int day);
// CastChart with the birth fields as they stand (the searches set them first).
void RecastChart(ChartState& state, const Settings& settings);
// Casts at another date and clock time (file units) in the zone and place of
// the birth copy: the trial casts of the time searches.
void RecastAt(ChartState& state, const Settings& settings, int year, int month, int day, double time);

// Fills state.birth from the chart data file, or in "now" mode from the clock
// (universal time, converted with the settings' default zone) and writes the
// file. A path that cannot be opened is tried again as "data" + path.
ComputeStatus ReadChartDataFile(ChartState& state, const Settings& settings, const std::string& path);

// The largest magnitude a birth field may have to be cast. No input comes
// near it (a chart file holds years up to 2999 and angles up to 180); past
// it the whole-number conversions of dates and the ephemeris's powers of
// time would overflow, so the drivers refuse such data before any cast.
inline constexpr double kBirthFieldLimit = 1e6;

// True when every field is a finite number no larger in magnitude than
// kBirthFieldLimit: the birth data the drivers below accept.
bool IsCastable(const BirthData& birth);

// The driver: recasts when state.options.recompute is set (reading `path`),
// runs the Tajaka search, the lunar-month and sunrise steps after a recast,
// the Sun-based upagrahas and the calculation pass. A file whose data is not
// castable (IsCastable) gives kBadFile, with nothing cast.
ComputeStatus ComputeChart(ChartState& state, const Settings& settings, const std::string& path);
// The same driver from birth data in hand (no file involved); false, with
// nothing cast, when the data is not castable (IsCastable).
bool ComputeChartFromBirth(ChartState& state, const Settings& settings, const BirthData& birth);

// The present moment at the settings' default place, in file units.
BirthData NowBirthData(const Settings& settings);

// Moon's nakshatra (0..26), pada (0..3) and the unelapsed fraction of its
// nakshatra (0, 1], taken together so that they agree at exact boundaries.
struct NakshatraPosition {
  int nakshatra = 0;
  int pada = 0;
  double unelapsed = 1.0;
};
NakshatraPosition NakshatraOf(double longitude);

}  // namespace orvane
