// Speed of a Tajaka annual computation: the natal cast, the solar-return
// search, the lunar-month and sunrise steps at the found moment and the
// calculation pass with the Tajaka strengths, sahams and dasas.
#include <benchmark/benchmark.h>

#include <memory>

#include "compute/pipeline.h"

namespace orvane {
namespace {

const BirthData kDefaultBirth = {4, 4, 1970, 17.5000, -5.30, -81.12, 16.15};

void BM_TajakaAnnualPass(benchmark::State& bench) {
  const Settings settings;
  auto state = std::make_unique<ChartState>();
  auto report = std::make_unique<ReportBuffer>();
  for (auto _ : bench) {
    state->options = ChartOptions{};
    state->options.tajakaMode = 1;
    state->options.tajakaYear = 2026;
    // Section 10: the sahams with their dates.
    ComputeChartFromBirth(*state, settings, kDefaultBirth, 10, report.get());
    benchmark::DoNotOptimize(report->CStr());
  }
}
BENCHMARK(BM_TajakaAnnualPass)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orvane

BENCHMARK_MAIN();
