// The calculation pass: derives everything from a cast chart in a fixed order
// and writes the text of the selected report section into the caller's
// buffer.
#pragma once

#include <cstddef>
#include <cstdint>

#include "chart/chart_state.h"
#include "dasa/dasa.h"
#include "report/report_buffer.h"
#include "io/settings.h"

namespace orvane {

// Derives the chart's values; then, given a buffer, writes report section
// `section` into it (emptied first; a number without a section empties it,
// kNoSection leaves it as it is).
void RunCalculationPass(ChartState& state, const Settings& settings, int section = kNoSection,
                        ReportBuffer* report = nullptr);

// Writes report section `section` of a chart whose calculation pass has run
// (its derived values in place) with the section's own writer alone, giving
// the text a pass with that section gives. False, with nothing done, for a
// number outside the section table.
bool WriteSectionAlone(const ChartState& state, const Settings& settings, int section, ReportBuffer& out);

// The charts report section `section` is written for (kNone: a reserved
// number that nothing writes); other charts leave it empty.
enum class SectionCharts : std::uint8_t { kNone, kAll, kNatal, kTajaka, kMundane };
SectionCharts ChartsOfSection(int section);

// A dasa whose whole cycle is compressed into the span of a Tajaka or
// mundane chart: its writer (over a span) and the total years of its cycle.
using DasaWriter = void (*)(const ChartState&, const DasaSpan&, ReportBuffer&);
struct CompressedDasa {
  DasaWriter write;
  double totalYears;
};

// Days of the span a Tajaka or mundane chart compresses its dasas into: an
// annual, monthly or hora chart, or the mundane chart's days; 0 for a natal
// chart (no compression).
double CompressionPeriod(const ChartState& state);

// Runs the dasas in order, each over its span: a dasa year of the period
// divided by its total years, from the chart moment in a Tajaka chart and
// from the birth otherwise; without compression the chart's own span. The
// chart's date and dasa year are not changed.
void RunCompressedDasas(const ChartState& state, const CompressedDasa* dasas, std::size_t count, ReportBuffer& out);

}  // namespace orvane
