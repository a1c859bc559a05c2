// The place table: loading it (from its index, as every start after the
// first does, and from its text), and answering a query as the
// birth-data dialog's completion does on every key.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "places/place_table.h"

namespace {

void BM_PlaceTableLoad(benchmark::State& state) {
  for (auto _ : state) {
    orvane::PlaceTable table;
    std::string error;
    if (!orvane::LoadPlaceTable(table, &error)) {
      state.SkipWithError(error.c_str());
      return;
    }
    benchmark::DoNotOptimize(table.size());
  }
}
BENCHMARK(BM_PlaceTableLoad)->Unit(benchmark::kMillisecond);

// The first start: the table parsed from its text (its index is written
// then, and read by every later start, which is BM_PlaceTableLoad).
void BM_PlaceTableParse(benchmark::State& state) {
  const std::string path = orvane::PlaceTablePaths().back();
  for (auto _ : state) {
    orvane::PlaceTable table;
    std::string error;
    if (!table.Load(path, "", &error)) {
      state.SkipWithError(error.c_str());
      return;
    }
    benchmark::DoNotOptimize(table.size());
  }
}
BENCHMARK(BM_PlaceTableParse)->Unit(benchmark::kMillisecond);

// Queries from one letter (the longest walk) to a name with qualifiers.
constexpr const char* kQueries[] = {"s", "chenn", "sao paulo", "london, us", "new york, ny, us"};

void BM_PlaceSearch(benchmark::State& state) {
  static orvane::PlaceTable table;
  std::string error;
  if (table.empty() && !orvane::LoadPlaceTable(table, &error)) {
    state.SkipWithError(error.c_str());
    return;
  }
  const char* query = kQueries[state.range(0)];
  state.SetLabel(query);
  for (auto _ : state) benchmark::DoNotOptimize(table.Search(query, 20));
}
BENCHMARK(BM_PlaceSearch)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
