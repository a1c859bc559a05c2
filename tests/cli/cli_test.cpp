// orvane-cli as scripts use it: exit codes, error lines, JSON output.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <nlohmann/json.hpp>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/common/cli_process.h"

namespace {

using orvane::testing_support::CliRun;

CliRun RunCli(const std::vector<std::string>& args) { return orvane::testing_support::RunCliProcess(args); }

std::string WriteFile(const std::string& name, const std::string& text) {
  return orvane::testing_support::WriteTempFile(name, text);
}

// The one line of JSON of a run.
nlohmann::json ParseLine(const std::string& out) {
  EXPECT_FALSE(out.empty());
  EXPECT_EQ(out.find('\n'), out.size() - 1);  // one line
  return nlohmann::json::parse(out);
}

const char* kDefaultChart = "4\n4\n1970\n17.5000\n-5.30\n-81.12\n16.15";

TEST(Cli, JsonOfTheDefaultChart) {
  const std::string path = WriteFile("default.orv", kDefaultChart);
  const CliRun run = RunCli({"--json", path});
  ASSERT_EQ(run.status, 0) << run.err;
  const nlohmann::json chart = ParseLine(run.out);
  struct Row {
    int slot;
    const char* label;
    double longitude;
  };
  const Row rows[] = {{0, "Ascdt", 164.874},  {1, "Sun ", 350.874},    {2, "Moon", 328.569},
                      {3, "Mars", 26.665},    {4, "Mercury", 3.118},   {5, "Jupiter", 189.763},
                      {6, "Venus", 7.909},    {7, "Saturn", 15.099},   {8, "Rahu", 316.890},
                      {9, "Ketu", 136.890}};
  const nlohmann::json& slots = chart.at("slots");
  ASSERT_EQ(slots.size(), 40u);
  for (const Row& r : rows) {
    SCOPED_TRACE(r.label);
    EXPECT_EQ(slots[r.slot].at("label"), r.label);
    EXPECT_NEAR(slots[r.slot].at("longitude").get<double>(), r.longitude, 5e-4);
    EXPECT_TRUE(slots[r.slot].at("retrograde").is_boolean());
  }
  EXPECT_NEAR(chart.at("ayanamsa").get<double>(), -23.443, 5e-4);
  const nlohmann::json& birth = chart.at("birth");
  EXPECT_EQ(birth.at("zone").get<double>(), -5.30);
  EXPECT_EQ(birth.at("longitude").get<double>(), -81.12);
  EXPECT_EQ(birth.at("latitude").get<double>(), 16.15);
  EXPECT_EQ(birth.at("year").get<double>(), 1970);
  EXPECT_TRUE(chart.at("nakshatra_balance").is_number());
  EXPECT_TRUE(chart.at("lunar_month_sign").is_number_integer());
  const nlohmann::json& sunrise = chart.at("sunrise");
  for (const char* key : {"ghatis", "minutes_since", "day_length", "night_length"})
    EXPECT_TRUE(sunrise.at(key).is_number()) << key;
  EXPECT_EQ(sunrise.at("born_in_daytime"), true);
  EXPECT_EQ(sunrise.at("fallback"), false);
  // A natal chart has its dasas and no Tajaka results.
  EXPECT_EQ(chart.at("vimsottari").size(), 9u);
  EXPECT_EQ(chart.at("dasa_balance").at("lord"), "Jupiter");
  EXPECT_TRUE(chart.at("tajaka").is_null());
}

TEST(Cli, BirthDataOptionsMatchTheFile) {
  const CliRun file = RunCli({"--json", WriteFile("default2.orv", kDefaultChart)});
  const CliRun opts = RunCli({"--json", "--date", "1970-04-04", "--time", "17:50:00", "--utc-offset", "+05:30", "--lon",
                           "81:12E", "--lat", "16:15N"});
  ASSERT_EQ(opts.status, 0) << opts.err;
  EXPECT_EQ(file.out, opts.out);
}

TEST(Cli, SeveralFilesGiveJsonLinesAndKeepGoing) {
  const std::string a = WriteFile("a.orv", kDefaultChart);
  const std::string bad = WriteFile("bad.orv", "not a chart");
  const std::string b = WriteFile("b.orv", "1\n1\n2000\n12.0000\n0.00\n0.00\n51.30\n");
  const CliRun run = RunCli({"--json", a, bad, b});
  EXPECT_EQ(run.status, 2);
  std::vector<std::string> lines;
  std::size_t start = 0, end;
  while ((end = run.out.find('\n', start)) != std::string::npos) {
    lines.push_back(run.out.substr(start, end - start));
    start = end + 1;
  }
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_TRUE(nlohmann::json::parse(lines[0]).contains("slots"));
  const nlohmann::json error = nlohmann::json::parse(lines[1]);
  EXPECT_EQ(error.at("file"), bad);
  EXPECT_TRUE(error.at("error").is_string());
  EXPECT_EQ(nlohmann::json::parse(lines[2]).at("birth").at("year").get<double>(), 2000);
  EXPECT_NE(run.err.find("bad.orv"), std::string::npos);
  // Each chart is computed on its own: the first line equals a run on its own.
  EXPECT_EQ(lines[0] + "\n", RunCli({"--json", a}).out);
}

TEST(Cli, BadInputGivesOneLineAndStatus) {
  struct Case {
    const char* name;
    std::vector<std::string> args;
    int status;
  };
  const std::string invalid = WriteFile("invalid.orv", "4\n4\n3000\n17.5000\n-5.30\n-81.12\n16.15\n");
  const std::string nan = WriteFile("nan.orv", "4\n4\n1970\nnan\n-5.30\n-81.12\n16.15\n");
  const Case cases[] = {
      {"missing file", {"/nonexistent/chart.orv"}, 1},
      {"year 3000 in a file", {invalid}, 2},
      {"nan in a file", {nan}, 2},
      {"no chart", {"--json"}, 2},
      {"unknown option", {"--frobnicate"}, 2},
      {"date that does not exist", {"--date", "2001-02-29", "--time", "12:00"}, 2},
      {"malformed time", {"--date", "2001-02-28", "--time", "25:00"}, 2},
      {"malformed longitude", {"--date", "2001-02-28", "--time", "12:00", "--lon", "200:00E"}, 2},
      {"latitude past the pole", {"--date", "2001-02-28", "--time", "12:00", "--lat", "91:00N"}, 2},
      {"section out of range", {"--section", "99", invalid}, 2},
      {"missing option value", {"--section"}, 2},
      {"tajaka year out of range", {"--tajaka", "5000", "--now"}, 2},
      {"hora without month", {"--tajaka", "2000", "--hora", "3", "--now"}, 2},
      {"settings file missing", {"--settings", "/nonexistent/orl4011.ini", "--now"}, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const CliRun run = RunCli(c.args);
    EXPECT_EQ(run.status, c.status);
    ASSERT_FALSE(run.err.empty());
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;  // exactly one line
  }
  EXPECT_EQ(RunCli({"/nonexistent/chart.orv"}).err, "File '/nonexistent/chart.orv' not found.\n");
}

TEST(Cli, NowAndSettings) {
  const CliRun run = RunCli({"--now", "--json"});
  ASSERT_EQ(run.status, 0) << run.err;
  // The default place of the settings: zone 5.00 west, 71.12 W, 42.30 N.
  const nlohmann::json birth = ParseLine(run.out).at("birth");
  EXPECT_EQ(birth.at("zone").get<double>(), 5.0);
  EXPECT_EQ(birth.at("longitude").get<double>(), 71.12);
  EXPECT_EQ(birth.at("latitude").get<double>(), 42.30);
}

// --ephemeris chooses the engine of every output; the classic engine's
// texts carry no engine line, its JSON names it; the Swiss engine says
// where its positions came from, also when no data file is found.
TEST(Cli, EphemerisChoiceIsNamedInEveryOutput) {
  const std::string path = WriteFile("engine.orv", kDefaultChart);
  const std::string empty = ::testing::TempDir() + "no_ephemeris_files_" + std::to_string(getpid());
  std::filesystem::create_directories(empty);
  struct Case {
    const char* name;
    std::vector<std::string> args;
    const char* dataFolder;  // SE_EPHE_PATH, or nullptr
    std::vector<std::string> present, absent;
  };
  const Case cases[] = {
      {"classic json", {"--json", path}, nullptr, {"\"ephemeris\":\"classic\"}"}, {"ephemeris_source"}},
      {"classic named", {"--ephemeris", "classic", "--json", path}, nullptr, {"\"ephemeris\":\"classic\"}"}, {}},
      {"classic text", {"--section", "4", path}, nullptr, {"Ayanamsa = "}, {"Ephemeris"}},
      {"classic positions", {path}, nullptr, {"\nAyanamsa "}, {"Ephemeris"}},
      {"swiss positions", {"--ephemeris", "swiss", path}, nullptr, {"\nAyanamsa 23.", "\nEphemeris Swiss Ephemeris 2."}, {}},
      {"swiss json",
       {"--ephemeris", "swiss", "--json", path},
       nullptr,
       {"\"ephemeris\":\"swiss\"", "\"ephemeris_source\":\"Swiss Ephemeris 2.", ", files\""},
       {"analytical"}},
      {"swiss text", {"--ephemeris", "swiss", "--section", "4", path}, nullptr, {"\nEphemeris = Swiss Ephemeris 2."}, {}},
      {"swiss copy", {"--ephemeris", "swiss", "--basic", path}, nullptr, {"\nEphemeris = Swiss Ephemeris 2."}, {}},
      {"no data files",
       {"--ephemeris", "swiss", "--section", "4", path},
       empty.c_str(),
       {"Ephemeris = Swiss Ephemeris 2.", "analytical mode"},
       {", files"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.dataFolder) setenv("SE_EPHE_PATH", c.dataFolder, 1);
    const CliRun run = RunCli(c.args);
    if (c.dataFolder) unsetenv("SE_EPHE_PATH");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    for (const std::string& text : c.present) EXPECT_NE(run.out.find(text), std::string::npos) << text;
    for (const std::string& text : c.absent) EXPECT_EQ(run.out.find(text), std::string::npos) << text;
  }
  std::filesystem::remove_all(empty);
}

TEST(Cli, EphemerisTakesOnlyItsTwoWords) {
  const std::string path = WriteFile("engine2.orv", kDefaultChart);
  const std::vector<std::vector<std::string>> cases = {
      {"--ephemeris", "moshier", path}, {"--ephemeris", "Swiss", path}, {"--ephemeris", "", path}, {path, "--ephemeris"}};
  for (const auto& args : cases) {
    SCOPED_TRACE(args[1]);
    const CliRun run = RunCli(args);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    ASSERT_FALSE(run.err.empty());
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;  // one line
    EXPECT_NE(run.err.find("--ephemeris"), std::string::npos) << run.err;
  }
}

}  // namespace

namespace {

// Swiss Ephemeris data files that are damaged or not files make every
// command fail with the file's name and status 2, at once (a named pipe
// never blocks it), and print no chart with other positions.
TEST(CliSwissData, DamagedDataFilesAreAnErrorForEveryCommand) {
  const std::filesystem::path source = "/usr/share/libswe/ephe";
  if (!std::filesystem::exists(source / "sepl_18.se1")) GTEST_SKIP() << "the Swiss data files are not installed";
  const std::filesystem::path folder = ::testing::TempDir() + "swiss_pipe_" + std::to_string(::getpid());
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  for (const char* file : {"semo_18.se1", "seas_18.se1"}) std::filesystem::copy_file(source / file, folder / file);
  ASSERT_EQ(::mkfifo((folder / "sepl_18.se1").c_str(), 0600), 0);
  const std::string chart = orvane::testing_support::WriteTempFile("swiss_data.orv", "4\n4\n1970\n17.5000\n-5.30\n-81.12\n16.15\n");
  const std::string rows = orvane::testing_support::WriteTempFile("swiss_data.csv", "date,time\n1970-04-04,17:50\n");
  const std::vector<std::vector<std::string>> commands = {
      {"--json", "--date", "1970-04-04", "--time", "17:50"},
      {"--complete", chart},
      {"--json", "--input", rows},
      {"--match", chart, chart},
      {"--transits", chart},
  };
  for (std::vector<std::string> args : commands) {
    SCOPED_TRACE(args[0]);
    args.insert(args.begin(), {"--ephemeris", "swiss"});
    const CliRun run = orvane::testing_support::RunCliProcess(args, "SE_EPHE_PATH=" + folder.string());
    EXPECT_EQ(run.status, 2) << run.err;
    EXPECT_EQ(run.out.find("\"birth\""), std::string::npos) << run.out.substr(0, 200);
    EXPECT_NE(run.err.find("the Swiss Ephemeris cannot be used: the data file "), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("sepl_18.se1 is not a regular file"), std::string::npos) << run.err;
  }
  std::filesystem::remove_all(folder);
}

}  // namespace
