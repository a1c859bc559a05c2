// Speed of the Swiss engine: one cast of the chart (every body and the
// ascendant from the Swiss Ephemeris data files), and one full natal chart
// with it (the searches, the derivations and a report section).
#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <vector>

#include "compute/pipeline.h"
#include "engine/caster.h"

namespace orvane {
namespace {

const BirthData kDefaultBirth = {4, 4, 1970, 17.5000, -5.30, -81.12, 16.15};

Settings SwissSettings() {
  Settings settings;
  settings.ephemeris = 1;
  return settings;
}

// Every cast a minute after the one before: the library keeps the results
// of the last moment it computed, and a chart's casts are at new moments.
void BM_SwissCastChart(benchmark::State& bench) {
  Caster caster(EngineSettingsOf(SwissSettings()));
  int minutes = 0;
  for (auto _ : bench) {
    BirthData moment = kDefaultBirth;
    moment.time = 0.01 * (minutes % 60) + (minutes / 60) % 24;  // h.mm, file units
    ++minutes;
    benchmark::DoNotOptimize(caster.Cast(moment).ascendant);
  }
}
BENCHMARK(BM_SwissCastChart)->Unit(benchmark::kMicrosecond);

void BM_SwissNatalComputeChart(benchmark::State& bench) {
  const Settings settings = SwissSettings();
  auto state = std::make_unique<ChartState>();
  auto report = std::make_unique<ReportBuffer>();
  double casts = 0;
  for (auto _ : bench) {
    *state = ChartState{};
    ComputeChartFromBirth(*state, settings, kDefaultBirth, 5, report.get());
    casts += state->castCount;
    benchmark::DoNotOptimize(report->CStr());
  }
  bench.counters["casts_per_chart"] = casts / static_cast<double>(bench.iterations());
}
BENCHMARK(BM_SwissNatalComputeChart)->Unit(benchmark::kMicrosecond);

// Random births (1900..2050, |latitude| up to 60): the searches' work
// varies with the moment and the place, as in a real batch.
void BM_SwissNatalRandomBirths(benchmark::State& bench) {
  const Settings settings = SwissSettings();
  std::mt19937 rng(1);
  std::uniform_int_distribution<int> year(1900, 2050), month(1, 12), day(1, 28), hour(0, 23), minute(0, 59),
      lon(0, 179), lat(0, 59), side(0, 1);
  std::vector<BirthData> births;
  for (int i = 0; i < 256; ++i) {
    const double west = side(rng) ? 1 : -1;
    births.push_back({static_cast<double>(month(rng)), static_cast<double>(day(rng)), static_cast<double>(year(rng)),
                      hour(rng) + minute(rng) / 100.0, west * 5.0, west * (lon(rng) + minute(rng) / 100.0),
                      (side(rng) ? 1 : -1) * (lat(rng) + minute(rng) / 100.0)});
  }
  auto state = std::make_unique<ChartState>();
  auto report = std::make_unique<ReportBuffer>();
  std::size_t i = 0;
  double casts = 0;
  for (auto _ : bench) {
    *state = ChartState{};
    ComputeChartFromBirth(*state, settings, births[i++ % births.size()], 5, report.get());
    casts += state->castCount;
    benchmark::DoNotOptimize(report->CStr());
  }
  bench.counters["casts_per_chart"] = casts / static_cast<double>(bench.iterations());
}
BENCHMARK(BM_SwissNatalRandomBirths)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace orvane

BENCHMARK_MAIN();
