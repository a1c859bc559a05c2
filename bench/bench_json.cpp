// Speed of orvane-cli's JSON writer: the vedic, dasa, strength and tajaka
// keys of computed charts written into one JSON object, without the charts'
// computation.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "cli/json.h"
#include "compute/pipeline.h"

namespace orvane {
namespace {

void BM_ChartJson(benchmark::State& bench) {
  const Settings settings;
  const BirthData births[] = {{4, 4, 1970, 17.30, -5.30, -81.12, 16.15},
                              {11, 23, 1931, 3.07, 5.00, 74.00, 40.43},
                              {2, 28, 2004, 23.59, -9.00, -139.45, 35.41},
                              {7, 1, 1850, 12.00, 0.00, 0.10, 51.30}};
  std::vector<std::unique_ptr<ChartState>> charts;
  for (const BirthData& b : births) {
    charts.push_back(std::make_unique<ChartState>());
    if (!ComputeChartFromBirth(*charts.back(), settings, b)) bench.SkipWithError("no chart");
  }
  std::size_t bytes = 0, i = 0;
  for (auto _ : bench) {
    const ChartState& state = *charts[i++ % charts.size()];
    JsonWriter json;
    json.BeginObject();
    WriteVedicJson(json, state, settings);
    WriteDasaJson(json, state, settings);
    WriteStrengthJson(json, state, settings);
    WriteTajakaJson(json, state, settings);
    json.EndObject();
    bytes += json.Text().size();
    benchmark::DoNotOptimize(json.Text().data());
  }
  bench.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}
BENCHMARK(BM_ChartJson)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace orvane

BENCHMARK_MAIN();
