// orvane-cli's --match and --transits: output, JSON, and the messages and
// exit status of bad input.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdio>
#include <functional>
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
  // The poruthams: in the JSON always, in the text with --poruthams only.
  EXPECT_EQ(text.out.find("poruthams"), std::string::npos);
  const nlohmann::json p = nlohmann::json::parse(json.out).at("poruthams");
  ASSERT_EQ(p.at("list").size(), 10u);
  EXPECT_EQ(p.at("list")[8].at("porutham"), "Rajju");
  const CliRun south = RunCliProcess({"--match", groom, bride, "--poruthams"});
  EXPECT_EQ(south.status, 0) << south.err;
  EXPECT_EQ(south.out.substr(0, text.out.size()), text.out);
  EXPECT_NE(south.out.find("The ten poruthams (South Indian matching)\n"), std::string::npos) << south.out;
  EXPECT_NE(south.out.find(" of 10 agree ("), std::string::npos);
  const CliRun alone = RunCliProcess({"--poruthams", groom});
  EXPECT_EQ(alone.status, 2);
  EXPECT_NE(alone.err.find("--poruthams goes with --match"), std::string::npos) << alone.err;
}

// A chart file's name in a report line is shown escaped: a terminal escape
// or a line break in it can neither drive the terminal nor forge a line.
TEST(MatchCli, HostileFileNamesAreShownEscapedInTheReports) {
  const std::string groom = WriteTempFile("groom_h.orv", kGroom);
  const std::string hostile = WriteTempFile("x\x1b[31my\nTotal: 36.orv", kBride);
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"--match", groom, hostile}, std::vector<std::string>{"--transits", hostile}}) {
    SCOPED_TRACE(args[0]);
    const CliRun run = RunCliProcess(args);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.find('\x1b'), std::string::npos);
    EXPECT_EQ(run.out.find("\nTotal: 36.orv"), std::string::npos);
    EXPECT_NE(run.out.find("x\\x1b[31my\\x0aTotal: 36.orv"), std::string::npos) << run.out.substr(0, 300);
  }
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
      {"one-digit month and day", {"--transits", "2030-1-2T3:04", natal}, "Transits of 2030-01-02 03:04,"},
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
  EXPECT_NE(json.out.find("\"moment\":\"2026-12-10T12:00+05:30\""), std::string::npos) << json.out;
  EXPECT_NE(json.out.find("\"saturn_periods\":[{\"kind\":"), std::string::npos);
  EXPECT_NE(json.out.find("\"kind\":\"Sade Sati\",\"start\":\"1990-"), std::string::npos);
}

// Every time of the report is in the birth zone, or in the zone asked for,
// and the text and the JSON say which.
TEST(TransitsCli, TimesCarryTheirZone) {
  const std::string natal = WriteTempFile("zoned.orv", kGroom);  // born at UTC+05:30
  struct Row {
    const char* name;
    std::vector<std::string> args;
    std::string zoneLine;  // in the text
    std::string offset;    // ending every JSON time
  };
  const Row rows[] = {
      {"the birth zone", {natal}, "Times in UTC+05:30\n", "+05:30"},
      {"a zone asked for", {natal, "--utc-offset", "-05:00"}, "Times in UTC-05:00\n", "-05:00"},
      {"birth data options", {"--date", "1970-04-04", "--time", "17:30", "--utc-offset", "+01:00"},
       "Times in UTC+01:00\n", "+01:00"},
      {"a birth place", {"--date", "1970-04-04", "--time", "17:30", "--place", "Chennai, IN"},
       "Times in UTC+05:30\n", "+05:30"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    std::vector<std::string> args = {"--transits", "2026-12-10T12:00"};
    args.insert(args.end(), r.args.begin(), r.args.end());
    const CliRun text = RunCliProcess(args);
    ASSERT_EQ(text.status, 0) << text.err;
    const std::size_t heading = text.out.find("Transits of 2026-12-10 12:00, read from the natal Moon sign ");
    ASSERT_NE(heading, std::string::npos) << text.out;
    EXPECT_EQ(text.out.substr(text.out.find('\n', heading) + 1, r.zoneLine.size()), r.zoneLine);
    args.push_back("--json");
    const CliRun json = RunCliProcess(args);
    ASSERT_EQ(json.status, 0) << json.err;
    const nlohmann::json parsed = nlohmann::json::parse(json.out);
    EXPECT_EQ(parsed.at("utc_offset"), r.offset);
    // Every moment, ingress, period and span time ends in the offset.
    std::size_t times = 0;
    std::function<void(const nlohmann::json&)> visit = [&](const nlohmann::json& node) {
      if (node.is_structured()) {
        for (const auto& child : node) visit(child);
      } else if (node.is_string()) {
        const std::string value = node;
        if (value.size() > 16 && value[4] == '-' && value[10] == 'T') {
          EXPECT_EQ(value.substr(16), r.offset) << value;
          ++times;
        }
      }
    };
    visit(parsed);
    EXPECT_GT(times, 10u);
  }
}

// The ingress moment a report gives is the first minute at which a listing
// of that moment shows the graha in its new sign.
TEST(TransitsCli, IngressMinuteAgreesWithTheListingOfThatMinute) {
  const std::string natal = WriteTempFile("ingress.orv", kGroom);
  const CliRun report = RunCliProcess({"--transits", "2025-03-01T00:00", natal});
  ASSERT_EQ(report.status, 0) << report.err;
  const std::size_t at = report.out.find("\nSaturn   Aq -> Pi  ");
  ASSERT_NE(at, std::string::npos) << report.out;
  const std::string date = report.out.substr(at + 20, 10), clock = report.out.substr(at + 31, 5);
  auto saturnLine = [&](const std::string& moment) {
    const CliRun run = RunCliProcess({"--transits", moment, natal});
    const std::size_t line = run.out.find("\nSaturn ");
    return line == std::string::npos ? std::string() : run.out.substr(line + 1, 22);
  };
  EXPECT_NE(saturnLine(date + "T" + clock).find(" Pi "), std::string::npos) << date << " " << clock;
  // The minute before still shows Aquarius.
  const int minute = std::stoi(clock.substr(3)), hour = std::stoi(clock.substr(0, 2));
  const int before = hour * 60 + minute - 1;
  ASSERT_GE(before, 0);
  char previous[16];
  std::snprintf(previous, sizeof previous, "%02d:%02d", before / 60, before % 60);
  EXPECT_NE(saturnLine(date + "T" + previous).find(" Aq "), std::string::npos) << date << " " << previous;
}

// The reading names the grahas that obstruct in full in JSON, and says
// which of Venus's vedha pairings it used.
TEST(TransitsCli, VedhaInJsonAndThePairingOption) {
  const std::string natal = WriteTempFile("vedha.orv", kGroom);
  // Mercury in the 2nd from the Moon, obstructed by Mars in the 5th.
  const CliRun json = RunCliProcess({"--json", "--transits", "2025-03-29T11:07", natal});
  ASSERT_EQ(json.status, 0) << json.err;
  const nlohmann::json parsed = nlohmann::json::parse(json.out);
  EXPECT_EQ(parsed.at("venus_vedha"), "11-6");
  bool mercury = false;
  for (const auto& g : parsed.at("grahas")) {
    for (const auto& by : g.at("obstructed_by")) {
      const std::string name = by;
      EXPECT_TRUE(name == "Sun" || name == "Moon" || name == "Mars" || name == "Mercury" || name == "Jupiter" ||
                  name == "Venus" || name == "Saturn" || name == "Rahu" || name == "Ketu")
          << name;
    }
    if (g.at("graha") == "Mercury") {
      mercury = true;
      EXPECT_EQ(g.at("obstructed_by"), nlohmann::json::array({"Mars"}));
    }
  }
  EXPECT_TRUE(mercury);
  const CliRun other = RunCliProcess({"--transits", "2025-03-29T11:07", natal, "--venus-vedha", "11-3"});
  ASSERT_EQ(other.status, 0) << other.err;
  EXPECT_NE(other.out.find("Venus's vedha: the 11th from the 3rd, the 12th from the 6th\n"), std::string::npos);
  const CliRun otherJson = RunCliProcess({"--json", "--transits", "2025-03-29T11:07", natal, "--venus-vedha=11-3"});
  EXPECT_EQ(nlohmann::json::parse(otherJson.out).at("venus_vedha"), "11-3");
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
      {"unknown vedha pairing", {"--transits", natal, "--venus-vedha", "12-3"}, 2, "orvane-cli: --venus-vedha "},
      {"vedha pairing without transits", {natal, "--venus-vedha", "11-3"}, 2,
       "orvane-cli: --venus-vedha goes with --transits\n"},
      // A moment written wrong is an error, never a chart file name.
      {"moment without its clock", {"--transits", "2020-01-01T", natal}, 2,
       "orvane-cli: --transits: \"2020-01-01T\" is not a moment"},
      {"clock with seconds", {"--transits", "2020-01-01T1:2:3", natal}, 2, "orvane-cli: --transits: "},
      {"batch of births", {"--transits", "--input", natal}, 2,
       "orvane-cli: --transits reads chart files, --now or birth data options, not --input\n"},
      {"unknown place", {"--transits", "--date", "1970-04-04", "--time", "17:50", "--place", "zzzz"}, 2,
       "orvane-cli: unknown place \"zzzz\""},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    const CliRun run = RunCliProcess(r.args);
    EXPECT_TRUE(run.out.empty()) << run.out.substr(0, 200);
    EXPECT_EQ(run.status, r.status);
    EXPECT_EQ(run.err.substr(0, r.err.size()), r.err) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
  }
}

}  // namespace
