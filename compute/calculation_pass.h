// The calculation pass: derives everything from a cast chart in a fixed order
// and writes the text of the selected report section into the state's buffer.
#pragma once

#include <cstddef>
#include <cstdint>

#include "chart/chart_state.h"
#include "io/settings.h"

namespace orvane {

void RunCalculationPass(ChartState& state, const Settings& settings);

// Writes report section `section` of a chart whose calculation pass has run
// (its derived values in place) with the section's own writer alone, giving
// the text a pass with that section gives. False, with nothing done, for a
// section without a writer of its own (the basic information and the
// sections written while their values are derived): run the pass for those.
bool WriteSectionAlone(ChartState& state, const Settings& settings, int section);

// The charts report section `section` is written for (kNone: a reserved
// number that nothing writes); other charts leave it empty.
enum class SectionCharts : std::uint8_t { kNone, kAll, kNatal, kTajaka, kMundane };
SectionCharts ChartsOfSection(int section);

// A dasa whose whole cycle is compressed into the span of a Tajaka or
// mundane chart: its writer and the total years of its cycle.
using DasaWriter = void (*)(ChartState&, const Settings&);
struct CompressedDasa {
  DasaWriter write;
  double totalYears;
};

// Days of the span a Tajaka or mundane chart compresses its dasas into: an
// annual, monthly or hora chart, or the mundane chart's days; 0 for a natal
// chart (no compression).
double CompressionPeriod(const ChartState& state);

// Runs the dasas in order, each with a dasa year of the period divided by its
// total years (a Tajaka chart's dasas also run from the chart moment instead
// of the birth). The birth date and time copies and the dasa year length are
// restored afterwards, however the writers return.
void RunCompressedDasas(ChartState& state, const Settings& settings, const CompressedDasa* dasas, std::size_t count);

}  // namespace orvane
