// Speed of whole requests: natal charts over random births with the casts
// each one makes, orvane-cli --complete of one chart as a whole process, and
// a batch of 10,000 births on one and two worker threads.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "compute/pipeline.h"

namespace orvane {
namespace {

// Births over 1600..2400 away from the polar circles, in file units.
std::vector<BirthData> RandomBirths(int count) {
  std::mt19937 rng(2026);
  std::uniform_int_distribution<int> year(1600, 2400), month(1, 12), day(1, 28), hour(0, 23), minute(0, 59),
      zone(-12, 12), lonDeg(0, 179), latDeg(-60, 60);
  std::vector<BirthData> births;
  for (int i = 0; i < count; ++i) {
    births.push_back({static_cast<double>(month(rng)), static_cast<double>(day(rng)), static_cast<double>(year(rng)),
                      hour(rng) + minute(rng) / 100.0, static_cast<double>(zone(rng)),
                      lonDeg(rng) + minute(rng) / 100.0, latDeg(rng) + minute(rng) / 100.0});
  }
  return births;
}

// One full natal computation per iteration, cycling through 1,000 random
// births; the counter is the average number of casts a chart makes.
void BM_NatalRandomCharts(benchmark::State& bench) {
  const Settings settings;
  const std::vector<BirthData> births = RandomBirths(1000);
  std::size_t i = 0;
  double casts = 0;
  for (auto _ : bench) {
    auto state = std::make_unique<ChartState>();
    ComputeChartFromBirth(*state, settings, births[i++ % births.size()]);
    casts += state->castCount;
    benchmark::DoNotOptimize(state->slotLongitude[kAscendant]);
  }
  bench.counters["casts_per_chart"] = casts / static_cast<double>(bench.iterations());
}
BENCHMARK(BM_NatalRandomCharts)->Unit(benchmark::kMicrosecond);

double ChildCpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_CHILDREN, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
}

// Runs orvane-cli with `args` (standard output to /dev/null) per iteration
// and reports the CPU time the process used (user and system), which the
// load of a shared machine inflates less than the wall-clock time.
void RunCliTimed(benchmark::State& bench, const std::vector<std::string>& args) {
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(ORVANE_CLI_PATH));
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  for (auto _ : bench) {
    const double before = ChildCpuSeconds();
    pid_t pid = 0;
    int status = 0;
    if (posix_spawn(&pid, ORVANE_CLI_PATH, &actions, nullptr, argv.data(), environ) != 0 ||
        waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      bench.SkipWithError("orvane-cli failed");
      break;
    }
    bench.SetIterationTime(ChildCpuSeconds() - before);
  }
  posix_spawn_file_actions_destroy(&actions);
}

// orvane-cli --complete of the default chart: start-up, one chart, every
// section of the complete copy, exit.
void BM_CliCompleteOneChart(benchmark::State& bench) {
  RunCliTimed(bench, {"--complete", "--date", "1970-04-04", "--time", "17:50", "--utc-offset", "+05:30", "--lon",
                      "81:12E", "--lat", "16:15N"});
}
BENCHMARK(BM_CliCompleteOneChart)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(50);

// orvane-cli --json --input over 10,000 births with 1 and 2 workers, in
// wall-clock time: the throughput the worker threads give.
void BM_CliBatch10000(benchmark::State& bench) {
  const std::string path = "/tmp/orvane_bench_births.csv";
  {
    std::ofstream f(path, std::ios::binary);
    f << "id,date,time,utc_offset,lon,lat\n";
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> year(1600, 2400), month(1, 12), day(1, 28), hour(0, 23), minute(0, 59),
        zone(0, 12), lonDeg(0, 179), latDeg(0, 60);
    for (int i = 0; i < 10000; ++i) {
      char line[128];
      std::snprintf(line, sizeof line, "b%d,%d-%02d-%02d,%02d:%02d,+%02d:00,%d:%02dE,%d:%02dN\n", i, year(rng),
                    month(rng), day(rng), hour(rng), minute(rng), zone(rng), lonDeg(rng), minute(rng), latDeg(rng),
                    minute(rng));
      f << line;
    }
  }
  const std::string command = std::string(ORVANE_CLI_PATH) + " --json --jobs " + std::to_string(bench.range(0)) +
                              " --input " + path + " > /dev/null";
  for (auto _ : bench) {
    if (std::system(command.c_str()) != 0) bench.SkipWithError("orvane-cli failed");
  }
  bench.counters["charts_per_s"] =
      benchmark::Counter(10000.0 * static_cast<double>(bench.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_CliBatch10000)->Arg(1)->Arg(2)->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace orvane

BENCHMARK_MAIN();
