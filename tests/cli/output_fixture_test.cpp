// Holds every printed result of orvane-cli to a recorded fixture: for 2,000
// random charts over the whole range (years -2999..2999, poles included,
// several preference sets), the hashes of the --json line, every report
// section 0..42, the basic and complete copies, a mundane chart and the
// Tajaka annual, monthly and hora charts. Any change to the engine, the
// searches, the derivations or the report writers that moves one digit of
// any of them fails here, naming the chart and the output.
//
// The outputs are produced in-process by RunCli with the standard output
// redirected into a memory file, so the whole command-line path (options,
// settings file, chart file, computation, writers) is what is held.
//
// The same for 400 charts computed by the Swiss Ephemeris
// (tests/data/output_fixture_swiss.txt). Each shard also holds the batch of
// its charts through two workers.
//
// To record the fixtures anew (only when a change of output is intended and
// said so): ORVANE_WRITE_FIXTURE=DIR build/test_cli --gtest_filter='*OutputFixture*'
// writes DIR/<engine>-shard-<n>.txt; concatenate them into
// tests/data/output_fixture.txt and tests/data/output_fixture_swiss.txt (the
// lines are found by their first word, in any order).
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "io/chart_file.h"
#include "io/settings.h"
#include "tests/common/random_charts.h"

namespace orvane {
namespace {

// A fixture: which engine, how many charts from which seed, and its file.
// Each shard also holds a batch of its charts through two workers.
struct FixtureKind {
  const char* engine;  // "classic" or "swiss"
  int charts;
  int shards;
  unsigned seed;
  const char* file;  // under tests/data/
};
constexpr FixtureKind kClassic = {"classic", 2000, 8, 20261210, "output_fixture.txt"};
constexpr FixtureKind kSwiss = {"swiss", 400, 4, 20261211, "output_fixture_swiss.txt"};

std::uint64_t Fnv1a(std::string_view bytes, std::uint64_t h = 1469598103934665603ull) {
  for (unsigned char c : bytes) {
    h ^= c;
    h *= 1099511628211ull;
  }
  return h;
}

std::string Hex(std::uint64_t h) {
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(h));
  return text;
}

// Runs the command-line program in this process and returns its exit
// status and standard output.
struct Captured {
  int status = 0;
  std::string out;
};

class StdoutCapture {
 public:
  StdoutCapture() : fd_(memfd_create("orvane-fixture", 0)) {}
  ~StdoutCapture() {
    if (fd_ >= 0) close(fd_);
  }
  Captured Run(const std::vector<std::string>& args) {
    std::vector<std::string> storage;
    storage.push_back("orvane-cli");
    storage.insert(storage.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& s : storage) argv.push_back(s.data());
    argv.push_back(nullptr);

    std::fflush(stdout);
    const int saved = dup(1);
    ftruncate(fd_, 0);
    lseek(fd_, 0, SEEK_SET);
    dup2(fd_, 1);
    Captured c;
    c.status = RunCli(static_cast<int>(storage.size()), argv.data());
    std::fflush(stdout);
    dup2(saved, 1);
    close(saved);

    const off_t size = lseek(fd_, 0, SEEK_END);
    c.out.resize(static_cast<std::size_t>(size));
    if (size > 0) pread(fd_, c.out.data(), c.out.size(), 0);
    return c;
  }

 private:
  int fd_;
};

// The preference sets the charts cycle through: the defaults, and sets that
// switch the choices which change results (ayanamsa and its deviation, the
// tropical zodiac, hora method, upagraha rules, dasa year length, the extra
// point groups).
std::vector<Settings> PreferenceSets() {
  std::vector<Settings> sets(6);
  sets[1].ayanamsaChoice = 1;
  sets[1].horaMethod = 1;
  sets[1].dhumaRelation = 1;
  sets[1].showDhoomaGroup = 1;
  sets[1].showGulikaGroup = 1;
  sets[2].ayanamsaChoice = 7;
  sets[2].ayanamsaDirection = -1;
  sets[2].ayanamsaDegrees = 1;
  sets[2].ayanamsaMinutes = 27;
  sets[2].ayanamsaSeconds = 30;
  sets[2].horaMethod = 2;
  sets[2].upagrahaRising = {1, 2, 0, 1, 2, 2};
  sets[3].ayanamsaDegrees = 1000;  // tropical
  sets[3].horaMethod = 3;
  sets[3].daysInYear = 360;
  sets[4].ayanamsaChoice = 3;
  sets[4].horaMethod = 4;
  sets[4].showSomePadas = 1;
  sets[4].showAllPadas = 0;
  sets[4].daysInYear = 365.25;
  sets[5].ayanamsaChoice = 5;
  sets[5].upagrahaRising = {2, 1, 2, 0, 0, 1};
  return sets;
}

// The outputs of one chart, hashed by group: what each group holds is the
// exit status and the text of each run, each prefixed by its arguments.
struct ChartHashes {
  std::string json, sections, copies, mundane, tajaka;
  std::string Line(int index) const {
    return std::to_string(index) + " " + json + " " + sections + " " + copies + " " + mundane + " " + tajaka;
  }
};

std::string FixtureFolder() {
  static const std::string folder = [] {
    std::string f = (std::filesystem::temp_directory_path() / ("orvane-fixture-" + std::to_string(getpid()))).string();
    std::filesystem::create_directories(f);
    return f;
  }();
  return folder;
}

// The hash of a group of runs. Each run's arguments are part of it, with
// the temporary files' paths (which differ from run to run) left out.
std::string Hash(StdoutCapture& capture, const std::string& folder, const std::vector<std::vector<std::string>>& runs) {
  std::uint64_t h = Fnv1a("");
  for (const auto& args : runs) {
    const Captured c = capture.Run(args);
    std::string key;
    for (const std::string& a : args) key += (a.rfind(folder, 0) == 0 ? std::string("<file>") : a) + '\x1f';
    key += std::to_string(c.status) + '\x1e';
    h = Fnv1a(key, h);
    h = Fnv1a(c.out, h);
  }
  return Hex(h);
}

void CheckShard(const FixtureKind& kind, int shard) {
  const std::vector<Settings> sets = PreferenceSets();
  const std::string folder = FixtureFolder();
  std::vector<std::string> settingsPaths;
  for (std::size_t s = 0; s < sets.size(); ++s) {
    const std::string path =
        folder + "/settings" + std::to_string(s) + "-" + kind.engine + std::to_string(shard) + ".ini";
    ASSERT_TRUE(SaveSettings(path, sets[s], nullptr));
    settingsPaths.push_back(path);
  }
  const std::string chartPrefix = folder + "/chart-" + kind.engine + std::to_string(shard) + "-";

  std::map<std::string, std::string> expected;  // by the line's first word
  const char* writeDir = std::getenv("ORVANE_WRITE_FIXTURE");
  if (!writeDir) {
    std::ifstream in(std::string(ORVANE_SOURCE_DIR) + "/tests/data/" + kind.file);
    ASSERT_TRUE(in) << "tests/data/" << kind.file << " is missing";
    std::string line;
    while (std::getline(in, line)) {
      if (line.empty() || line[0] == '#') continue;
      expected[line.substr(0, line.find(' '))] = line;
    }
    ASSERT_EQ(expected.size(), static_cast<std::size_t>(kind.charts + kind.shards));
  }

  testing_support::RandomCharts random(kind.seed);
  StdoutCapture capture;
  std::ostringstream written;
  int failures = 0;
  std::vector<std::string> batchFiles;
  auto check = [&](const std::string& key, const std::string& line, const std::string& what) {
    if (writeDir) {
      written << line << '\n';
    } else if (expected[key] != line) {
      ++failures;
      ADD_FAILURE() << what << " changed:\n  expected " << expected[key] << "\n  actual   " << line;
    }
  };
  for (int i = 0; i < kind.charts; ++i) {
    const BirthData birth = random.Next(i);
    if (i % kind.shards != shard) continue;
    const std::string chartPath = chartPrefix + std::to_string(i) + ".orv";
    batchFiles.push_back(chartPath);
    std::string error;
    ASSERT_TRUE(WriteFileAtomic(chartPath, FormatChartDataFile(birth), &error)) << error;
    const std::string settings = settingsPaths[i % settingsPaths.size()];
    std::vector<std::string> base = {"--settings", settings};
    if (std::string(kind.engine) != "classic") base.insert(base.end(), {"--ephemeris", kind.engine});
    auto with = [&](std::vector<std::string> extra) {
      std::vector<std::string> args = base;
      args.insert(args.end(), extra.begin(), extra.end());
      args.push_back(chartPath);
      return args;
    };
    const int year = static_cast<int>(birth.year);
    const std::string annual = std::to_string(std::clamp(year + (i % 61) - 30, -3000, 3000));
    const std::string monthlyYear = std::to_string(std::clamp(year + 1 + (i % 7), -3000, 3000));
    const std::string month = std::to_string(1 + i % 12);
    const std::string hora = std::to_string(1 + (i * 7) % 12);

    ChartHashes h;
    h.json = Hash(capture, folder, {with({"--json"}), with({}),
                            with({"--json", "--mahadasa", std::to_string(1 + i % 9)})});
    std::vector<std::vector<std::string>> sections;
    for (int s = 0; s <= 42; ++s) sections.push_back(with({"--section", std::to_string(s)}));
    sections.push_back(with({"--section", "42", "--mahadasa", std::to_string(1 + (i / 9) % 9)}));
    h.sections = Hash(capture, folder, sections);
    h.copies = Hash(capture, folder, {with({"--basic"}), with({"--complete"})});
    h.mundane = Hash(capture, folder, {with({"--mundane", std::to_string(1 + i % 400), "--json"}),
                               with({"--mundane", std::to_string(1 + i % 400), "--section", "0"}),
                               with({"--mundane", std::to_string(1 + i % 400), "--section", "16"})});
    h.tajaka = Hash(capture, folder, {with({"--tajaka", annual, "--json"}), with({"--tajaka", annual, "--complete"}),
                              with({"--tajaka", monthlyYear, "--month", month, "--json"}),
                              with({"--tajaka", monthlyYear, "--month", month, "--complete"}),
                              with({"--tajaka", monthlyYear, "--month", month, "--hora", hora, "--json"}),
                              with({"--tajaka", monthlyYear, "--month", month, "--hora", hora, "--complete"})});
    check(std::to_string(i), h.Line(i),
          "chart " + std::to_string(i) + " (" + FormatChartDataFile(birth) + ", settings set " +
              std::to_string(i % settingsPaths.size()) + ", groups json, sections, copies, mundane, tajaka)");
    if (failures >= 5) break;
  }
  // The shard's charts as one batch through two workers, in the JSON and
  // the complete copies, under the first two preference sets.
  std::vector<std::vector<std::string>> batches;
  for (std::size_t s = 0; s < 2; ++s)
    for (const char* form : {"--json", "--complete"}) {
      std::vector<std::string> args = {"--settings", settingsPaths[s], "--ephemeris", kind.engine, "--jobs", "2", form};
      args.insert(args.end(), batchFiles.begin(), batchFiles.end());
      batches.push_back(args);
    }
  const std::string batchKey = "batch-" + std::to_string(shard);
  check(batchKey, batchKey + " " + Hash(capture, folder, batches), "the batch of shard " + std::to_string(shard));
  for (const std::string& path : batchFiles) std::filesystem::remove(path);
  for (const std::string& path : settingsPaths) std::filesystem::remove(path);
  if (writeDir) {
    std::ofstream out(std::string(writeDir) + "/" + kind.engine + "-shard-" + std::to_string(shard) + ".txt");
    out << written.str();
    ASSERT_TRUE(out.good());
  }
}

class OutputFixture : public ::testing::TestWithParam<int> {};
TEST_P(OutputFixture, EveryOutputOfTheRandomChartsIsUnchanged) { CheckShard(kClassic, GetParam()); }
INSTANTIATE_TEST_SUITE_P(Shards, OutputFixture, ::testing::Range(0, kClassic.shards));

class SwissOutputFixture : public ::testing::TestWithParam<int> {};
TEST_P(SwissOutputFixture, EveryOutputOfTheRandomChartsIsUnchanged) { CheckShard(kSwiss, GetParam()); }
INSTANTIATE_TEST_SUITE_P(Shards, SwissOutputFixture, ::testing::Range(0, kSwiss.shards));

}  // namespace
}  // namespace orvane
