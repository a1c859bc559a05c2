// Speed of the panchanga calendar: the days of one month at Delhi (its
// sunrises and moonrises, every limb's end, the lunar months and the day's
// periods), with either engine.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "panchanga/days.h"

namespace orvane {
namespace {

void BM_PanchangaMonth(benchmark::State& bench) {
  PanchangaRequest request;
  request.engine.ephemeris = bench.range(0) == 0 ? EphemerisKind::kClassic : EphemerisKind::kSwiss;
  request.place = {77.231, 28.652};
  request.zone = FixedOffset(19800);
  request.firstYear = request.lastYear = 2025;
  request.firstMonth = request.lastMonth = 3;
  request.firstDay = 1;
  request.lastDay = 31;
  std::vector<PanchangaDay> days;
  std::string error;
  for (auto _ : bench) {
    if (!ComputePanchanga(request, days, &error)) {
      bench.SkipWithError(error.c_str());
      return;
    }
    benchmark::DoNotOptimize(days.data());
  }
  bench.counters["days"] = static_cast<double>(days.size());
}
// 0: the classic engine, 1: the Swiss Ephemeris.
BENCHMARK(BM_PanchangaMonth)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orvane

BENCHMARK_MAIN();
