// The yogas of one chart: the whole library read against random charts.
#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <vector>

#include "yoga/yoga.h"

namespace {

std::vector<orvane::yoga::YogaChart> RandomCharts(int count) {
  std::mt19937 rng(11);
  std::uniform_real_distribution<double> degrees(0, 360);
  std::vector<orvane::yoga::YogaChart> charts;
  for (int n = 0; n < count; ++n) {
    orvane::yoga::YogaChart c;
    const double ascendant = degrees(rng);
    c.lagna = static_cast<int>(ascendant / 30);
    c.lagnaNavamsa = static_cast<int>(ascendant / (30.0 / 9)) % 12;
    for (int i = 0; i < orvane::kGrahaCount; ++i) {
      double l = degrees(rng);
      if (i == 8) l = std::fmod(c.longitude[7] + 180, 360);  // Ketu opposite Rahu
      c.longitude[static_cast<std::size_t>(i)] = l;
      c.sign[static_cast<std::size_t>(i)] = static_cast<int>(l / 30);
      c.navamsa[static_cast<std::size_t>(i)] = static_cast<int>(l / (30.0 / 9)) % 12;
      c.retrograde[static_cast<std::size_t>(i)] = i >= 2 && rng() % 5 == 0;
    }
    charts.push_back(c);
  }
  return charts;
}

void BM_YogasOfOneChart(benchmark::State& state) {
  const std::vector<orvane::yoga::YogaChart> charts = RandomCharts(256);
  std::size_t i = 0, found = 0;
  for (auto _ : state) {
    const auto yogas = orvane::yoga::FindYogas(charts[i++ % charts.size()]);
    found += yogas.size();
    benchmark::DoNotOptimize(yogas.data());
  }
  state.counters["yogas_per_chart"] = static_cast<double>(found) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_YogasOfOneChart)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
