// Speed of the derivations: one full natal computation with the calculation
// pass writing a report section, and the calculation pass alone on a chart
// already cast (a view re-deriving another screen).
#include <benchmark/benchmark.h>

#include <memory>

#include "compute/pipeline.h"
#include "compute/calculation_pass.h"

namespace orvane {
namespace {

const BirthData kDefaultBirth = {4, 4, 1970, 17.5000, -5.30, -81.12, 16.15};

void BM_NatalPassWithDerivations(benchmark::State& bench) {
  const Settings settings;
  auto state = std::make_unique<ChartState>();
  auto report = std::make_unique<ReportBuffer>();
  for (auto _ : bench) {
    state->options.recompute = 1;
    ComputeChartFromBirth(*state, settings, kDefaultBirth, 5, report.get());
    benchmark::DoNotOptimize(report->CStr());
  }
}
BENCHMARK(BM_NatalPassWithDerivations)->Unit(benchmark::kMicrosecond);

// Section 41 with all twenty text charts: the largest section the pass writes.
void BM_CalculationPassAllTextCharts(benchmark::State& bench) {
  const Settings settings;
  auto state = std::make_unique<ChartState>();
  auto report = std::make_unique<ReportBuffer>();
  ComputeChartFromBirth(*state, settings, kDefaultBirth);
  state->options.recompute = 0;
  state->options.textChartRasiNavamsa = 1;
  state->options.textChartOthers = 1;
  for (auto _ : bench) {
    RunCalculationPass(*state, settings, 41, report.get());
    benchmark::DoNotOptimize(report->CStr());
  }
}
BENCHMARK(BM_CalculationPassAllTextCharts)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace orvane

BENCHMARK_MAIN();
