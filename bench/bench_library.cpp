// The chart library at 100,000 charts: adding them (each chart computed and
// its facts kept, in one transaction, on one core), a name search and a
// query over the facts.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <random>
#include <string>

#include "compute/chart.h"
#include "library/chart_facts.h"
#include "library/chart_library.h"

namespace orvane {
namespace {

constexpr int kCharts = 100000;

const std::string& LibraryPath() {
  static const std::string path = "/tmp/orvane_bench_library_" + std::to_string(getpid()) + ".sqlite";
  return path;
}

// Adds kCharts random births; the seconds it took.
void Fill(const std::string& path) {
  for (const char* suffix : {"", "-wal", "-shm"}) std::filesystem::remove(path + suffix);
  library::ChartLibrary db;
  std::string error;
  if (!db.Open(path, &error) || !db.Begin(&error)) return;
  const Settings settings;
  const std::string key = library::FactsKey(settings);
  std::mt19937 rng(5);
  std::uniform_int_distribution<int> year(1900, 2020), month(1, 12), day(1, 28), hour(0, 23), minute(0, 59),
      lon(0, 179), lat(0, 60), letter(0, 25);
  for (int i = 0; i < kCharts; ++i) {
    library::ChartEntry e;
    for (int k = 0; k < 7; ++k) e.name += static_cast<char>((k == 0 ? 'A' : 'a') + letter(rng));
    e.birth = {static_cast<double>(month(rng)), static_cast<double>(day(rng)), static_cast<double>(year(rng)),
               hour(rng) + minute(rng) / 100.0, -5.30, -(lon(rng) + minute(rng) / 100.0), lat(rng) + minute(rng) / 100.0};
    if (const std::optional<Chart> chart = ComputeChart(e.birth, ChartOptions{}, settings)) {
      db.Add(e, library::FactsOf(*chart), key, &error);
    }
  }
  db.Commit(&error);
}

void BM_LibraryAdd100000Charts(benchmark::State& bench) {
  for (auto _ : bench) Fill(LibraryPath());
  bench.counters["charts_per_s"] = benchmark::Counter(kCharts, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_LibraryAdd100000Charts)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

library::ChartLibrary& Filled() {
  static library::ChartLibrary db;
  if (!db.IsOpen()) {
    if (!std::filesystem::exists(LibraryPath())) Fill(LibraryPath());
    std::string error;
    db.Open(LibraryPath(), &error);
  }
  return db;
}

void BM_LibraryNameSearch(benchmark::State& bench) {
  library::ChartLibrary& db = Filled();
  const char* prefixes[] = {"Ka", "Mo", "Zq", "Bz"};
  std::size_t i = 0, found = 0;
  for (auto _ : bench) found += db.FindByName(prefixes[i++ % 4], 100).size();
  bench.counters["found"] = static_cast<double>(found) / static_cast<double>(bench.iterations());
}
BENCHMARK(BM_LibraryNameSearch)->Unit(benchmark::kMillisecond);

void BM_LibraryFactsQuery(benchmark::State& bench) {
  library::ChartLibrary& db = Filled();
  library::CompiledQuery q;
  std::string error;
  library::CompileQuery("moon.sign == \"Scorpio\" and jupiter.house in [1, 4, 7, 10] and has_yoga(\"gaja-kesari\")",
                        q, &error);
  std::size_t found = 0;
  for (auto _ : bench) {
    found = 0;
    db.Where(q, [&](const library::ChartEntry&) { ++found; }, &error);
  }
  bench.counters["found"] = static_cast<double>(found);
}
BENCHMARK(BM_LibraryFactsQuery)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orvane

BENCHMARK_MAIN();
