#include "compute/chart.h"

#include <cstddef>
#include <utility>

#include "compute/calculation_pass.h"
#include "compute/pipeline.h"
#include "report/sections.h"

namespace orvane {

Chart::Chart(const ChartState& state) : state_(std::make_shared<const ChartState>(state)) {}

Chart::Chart(std::unique_ptr<ChartState> state) : state_(std::move(state)) {}

int Chart::House(Body body) const { return state_->vedic.bhava[static_cast<std::size_t>(SlotOf(body))] + 1; }

Rasi Chart::VargaSign(Varga varga, Body body) const {
  return RasiAt(state_->vedic.vargaSign[static_cast<std::size_t>(varga)][static_cast<std::size_t>(SlotOf(body))]);
}

Rasi Chart::VargaAscendant(Varga varga) const {
  return RasiAt(state_->vedic.vargaSign[static_cast<std::size_t>(varga)][kAscendant]);
}

int Chart::Nakshatra(Body body) const { return state_->vedic.nakshatra[static_cast<std::size_t>(SlotOf(body))]; }

int Chart::Pada(Body body) const { return state_->vedic.pada[static_cast<std::size_t>(SlotOf(body))]; }

std::optional<Chart> ComputeChart(const BirthData& birth, const ChartOptions& options, const Settings& settings) {
  // ChartState is large: the working copy lives on the heap.
  auto state = std::make_unique<ChartState>();
  state->options = options;
  state->options.recompute = 1;
  state->options.nowMode = 0;
  if (!ComputeChartFromBirth(*state, settings, birth)) return std::nullopt;
  return Chart(*state);
}

bool WriteChartSection(const Chart& chart, const Settings& settings, int section, ReportBuffer& out) {
  out.Clear();
  if (section < 0 || section >= kReportSectionCount) return false;
  // Some writers derive their values again as they write: they work on a
  // copy, and the chart stays as it was computed.
  auto scratch = std::make_unique<ChartState>(chart.State());
  scratch->options.recompute = 0;
  scratch->options.nowMode = 0;
  return WriteSectionAlone(*scratch, settings, section, out);
}

}  // namespace orvane
