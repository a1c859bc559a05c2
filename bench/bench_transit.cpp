// Speed of the transit report's searches: the lifetime Sade Sati and small
// panoti periods of one chart (a hundred years of Saturn), with either
// engine, and the next ingresses of the slow grahas.
#include <benchmark/benchmark.h>

#include <memory>
#include <optional>

#include "compute/pipeline.h"
#include "transit/transits.h"

namespace orvane {
namespace {

const BirthData kDefaultBirth = {4, 4, 1970, 17.5000, -5.30, -81.12, 16.15};

void BM_LifetimeSaturnPeriods(benchmark::State& bench) {
  Settings settings;
  settings.ephemeris = static_cast<int>(bench.range(0));
  const std::optional<Chart> natal = ComputeChart(kDefaultBirth, ChartOptions{}, settings);
  if (!natal) {
    bench.SkipWithError("no chart");
    return;
  }
  for (auto _ : bench) {
    double start = 0, end = 0;
    const auto periods =
        transit::LifetimeSaturnPeriods(*natal, settings, transit::BirthPlace(*natal), &start, &end);
    benchmark::DoNotOptimize(periods.data());
  }
  // The casts one search makes.
  transit::Caster caster(settings, transit::BirthPlace(*natal));
  const double from = transit::LocalDaysOf(kDefaultBirth);
  transit::SaturnPeriods(caster, 0, from, from + transit::kLifetimeYears * 365.2425);
  bench.counters["casts"] = static_cast<double>(caster.Casts());
}
// 0: the classic engine, 1: the Swiss Ephemeris.
BENCHMARK(BM_LifetimeSaturnPeriods)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_NextIngresses(benchmark::State& bench) {
  Settings settings;
  settings.ephemeris = static_cast<int>(bench.range(0));
  transit::Caster caster(settings, transit::TransitPlace(settings));
  const double from = transit::LocalDaysOf({12, 10, 2026, 12.0, 0, 0, 0});
  for (auto _ : bench) benchmark::DoNotOptimize(transit::NextIngresses(caster, from));
}
BENCHMARK(BM_NextIngresses)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orvane

BENCHMARK_MAIN();
