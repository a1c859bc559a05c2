// orvane-cli's --match and --transits: output, JSON, and the messages and
// exit status of bad input.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/common/cli_process.h"

namespace {

using orvane::testing_support::CliRun;
using orvane::testing_support::RunCliProcess;
using orvane::testing_support::WriteTempFile;

const std::string kGroom = "4\n4\n1970\n17.5000\n-5.30\n-81.12\n16.15\n";
const std::string kBride = "8\n15\n1975\n6.1000\n-5.30\n-72.50\n18.58\n";

TEST(MatchCli, TextAndJson) {
  const std::string groom = WriteTempFile("groom.orv", kGroom), bride = WriteTempFile("bride.orv", kBride);
  const CliRun text = RunCliProcess({"--match", groom, bride});
  EXPECT_EQ(text.status, 0) << text.err;
  EXPECT_NE(text.out.find("Ashtakoota matching\n"), std::string::npos);
  EXPECT_NE(text.out.find(": Moon in Aquarius, Poo.Bhaa. pada 3\n"), std::string::npos) << text.out;
  EXPECT_NE(text.out.find("Total with exceptions"), std::string::npos);
  const CliRun json = RunCliProcess({"--match", groom, bride, "--json"});
  EXPECT_EQ(json.status, 0) << json.err;
  EXPECT_EQ(json.out.find("{\"tables\":\"North Indian Guna Milan\",\"groom\":{\"file\":"), 0u) << json.out;
  EXPECT_NE(json.out.find("\"koota\":\"Nadi\""), std::string::npos);
  EXPECT_NE(json.out.find("\"total_with_exceptions\":"), std::string::npos);
  EXPECT_EQ(json.out.back(), '\n');
  EXPECT_EQ(json.out.find('\n'), json.out.size() - 1);  // one line
}

TEST(MatchCli, BadInputGivesTheUsualMessagesAndStatus) {
  const std::string groom = WriteTempFile("groom2.orv", kGroom);
  const std::string bad = WriteTempFile("bad.orv", "4\n4\n1970\n");
  const std::string missing = ::testing::TempDir() + "no_such_chart.orv";
  struct Row {
    const char* name;
    std::vector<std::string> args;
    int status;
    std::string err;  // start of the error stream
  };
  const Row rows[] = {
      {"missing second chart", {"--match", groom, missing}, 1, "File '" + missing + "' not found.\n"},
      {"missing first chart", {"--match", missing, groom}, 1, "File '" + missing + "' not found.\n"},
      {"invalid second chart", {"--match", groom, bad}, 2, "orvane-cli: " + bad + ": not a valid chart data file: "},
      {"one chart only", {"--match", groom}, 2, "orvane-cli: --match takes two chart files: GROOM BRIDE\n"},
      {"three charts", {"--match", groom, groom, groom}, 2, "orvane-cli: --match takes two chart files: GROOM BRIDE\n"},
      {"with --now", {"--match", "--now", groom}, 2, "orvane-cli: --match takes two chart files: GROOM BRIDE\n"},
      {"with a section", {"--match", groom, groom, "--section", "4"}, 2,
       "orvane-cli: --match excludes --section, --basic, --complete, --tajaka and --mundane\n"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    const CliRun run = RunCliProcess(r.args);
    EXPECT_EQ(run.status, r.status);
    EXPECT_EQ(run.err.substr(0, r.err.size()), r.err);
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_TRUE(run.out.empty()) << run.out;
  }
}

TEST(TransitsCli, MomentForms) {
  const std::string natal = WriteTempFile("natal.orv", kGroom);
  struct Row {
    const char* name;
    std::vector<std::string> args;
    std::string heading;
  };
  const Row rows[] = {
      {"date and time", {"--transits", "2026-12-10T15:30", natal}, "Transits of 2026-12-10 15:30,"},
      {"date alone is midnight", {natal, "--transits", "2026-12-10"}, "Transits of 2026-12-10 00:00,"},
      {"birth data options", {"--transits", "2030-01-02T03:04", "--date", "1970-04-04", "--time", "17:30"},
       "Transits of 2030-01-02 03:04,"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    const CliRun run = RunCliProcess(r.args);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find(r.heading), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Sade Sati and small panoti, birth to 100 years\n"), std::string::npos);
  }
  const CliRun now = RunCliProcess({"--transits", natal});
  EXPECT_EQ(now.status, 0) << now.err;
  EXPECT_NE(now.out.find("Transits of "), std::string::npos);

  const CliRun json = RunCliProcess({"--json", "--transits", "2026-12-10T12:00", natal});
  EXPECT_EQ(json.status, 0) << json.err;
  EXPECT_NE(json.out.find("\"moment\":\"2026-12-10T12:00\""), std::string::npos) << json.out;
  EXPECT_NE(json.out.find("\"saturn_periods\":[{\"kind\":"), std::string::npos);
  EXPECT_NE(json.out.find("\"kind\":\"Sade Sati\",\"start\":\"1990-"), std::string::npos);
}

TEST(TransitsCli, BadInput) {
  const std::string natal = WriteTempFile("natal2.orv", kGroom);
  const std::string missing = ::testing::TempDir() + "no_such_natal.orv";
  struct Row {
    const char* name;
    std::vector<std::string> args;
    int status;
    std::string err;
  };
  const Row rows[] = {
      {"impossible date", {"--transits", "2026-02-30", natal}, 2, "orvane-cli: --transits: "},
      {"impossible time", {"--transits", "2026-02-03T25:00", natal}, 2, "orvane-cli: --transits: "},
      {"missing chart", {"--transits", missing}, 1, "File '" + missing + "' not found.\n"},
      {"with Tajaka", {"--transits", natal, "--tajaka", "2026"}, 2,
       "orvane-cli: --transits excludes --section, --basic, --complete, --tajaka and --mundane\n"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    const CliRun run = RunCliProcess(r.args);
    EXPECT_EQ(run.status, r.status);
    EXPECT_EQ(run.err.substr(0, r.err.size()), r.err) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
  }
}

}  // namespace
