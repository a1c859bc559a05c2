// Speed of the chart engine: one cast, one full natal computation (with the
// lunar-month and sunrise searches and the calculation pass), and the
// command-line program over 1,000 charts.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "compute/pipeline.h"
#include "engine/caster.h"

namespace orvane {
namespace {

const BirthData kDefaultBirth = {4, 4, 1970, 17.5000, -5.30, -81.12, 16.15};

void BM_CastChart(benchmark::State& bench) {
  Caster caster(EngineSettingsOf(Settings{}));
  for (auto _ : bench) benchmark::DoNotOptimize(caster.Cast(kDefaultBirth).ascendant);
}
BENCHMARK(BM_CastChart);

void BM_NatalComputeChart(benchmark::State& bench) {
  const Settings settings;
  ChartState state;
  for (auto _ : bench) {
    state.options.recompute = 1;
    ComputeChartFromBirth(state, settings, kDefaultBirth);
    benchmark::DoNotOptimize(state.slotLongitude[kAscendant]);
  }
}
BENCHMARK(BM_NatalComputeChart)->Unit(benchmark::kMicrosecond);

// orvane-cli --json over 1,000 chart files in one call.
void BM_Cli1000Charts(benchmark::State& bench) {
  const std::string dir = "/tmp/orvane_bench_charts";
  std::string args;
  std::system(("mkdir -p " + dir).c_str());
  for (int i = 0; i < 1000; ++i) {
    const std::string path = dir + "/c" + std::to_string(i) + ".orv";
    std::ofstream f(path, std::ios::binary);
    f << (1 + i % 12) << "\n" << (1 + i % 28) << "\n" << (1900 + i % 200) << "\n"
      << (i % 24) << ".3000\n-5.30\n-81.12\n16.15\n";
    args += " " + path;
  }
  const std::string command = std::string(ORVANE_CLI_PATH) + " --json" + args + " > /dev/null";
  for (auto _ : bench) {
    if (std::system(command.c_str()) != 0) bench.SkipWithError("orvane-cli failed");
  }
}
BENCHMARK(BM_Cli1000Charts)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace orvane

BENCHMARK_MAIN();
