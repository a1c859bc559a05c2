// orvane-cli's command-line conventions: "--name=value" and "--name value"
// alike for every option, "--" ending the options, suggestions for unknown
// options, sections by name, --version and --list-sections.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "cli/options.h"
#include "report/sections.h"
#include "tests/common/cli_process.h"

namespace orvane {
namespace {

using testing_support::RunCliProcess;

struct Parsed {
  bool ok = false;
  CliOptions options;
  std::string error;
};

Parsed Parse(const std::vector<std::string>& args) {
  const std::vector<std::string_view> views(args.begin(), args.end());
  Parsed p;
  p.ok = ParseCliOptions(views, p.options, &p.error);
  return p;
}

TEST(CliOptionForms, EqualsFormStoresTheSameValue) {
  struct Case {
    std::vector<std::string> args;
    bool (*check)(const CliOptions&);
  };
  const Case cases[] = {
      {{"--section=4", "f.orv"}, [](const CliOptions& o) { return o.section == 4; }},
      {{"--section=vimsottari", "f.orv"}, [](const CliOptions& o) { return o.section == 0; }},
      {{"--tajaka=-500", "--month=3", "--hora=12", "--now"},
       [](const CliOptions& o) { return o.tajakaYear == -500 && o.tajakaMonth == 3 && o.tajakaHora == 12; }},
      {{"--mundane=30.5", "--mahadasa=9", "--now"},
       [](const CliOptions& o) { return o.mundaneDays == 30.5 && o.mahadasa == 9; }},
      {{"--settings=/tmp/a=b.ini", "--now"}, [](const CliOptions& o) { return o.settingsPath == "/tmp/a=b.ini"; }},
      {{"--date=-0500-03-01", "--time=12:00", "--utc-offset=-05:00", "--lon=81:12E", "--lat=16:15N"},
       [](const CliOptions& o) {
         return o.birth && o.birth->year == -500 && o.birth->zone == 5.0 && o.zoneGiven && o.latitudeGiven;
       }},
      // The value of the spaced form may itself begin with a dash.
      {{"--tajaka", "-500", "--now"}, [](const CliOptions& o) { return o.tajakaYear == -500; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args.front());
    const Parsed p = Parse(c.args);
    ASSERT_TRUE(p.ok) << p.error;
    EXPECT_TRUE(c.check(p.options));
  }
}

// Both forms go through one path for every row of the option table: the
// same acceptance and the same message, whatever the value.
TEST(CliOptionForms, BothFormsAgreeForEveryOption) {
  for (const CliOptionSpec& row : CliOptionTable()) {
    if (row.valueName.empty()) continue;
    for (const std::string value : {"1", "x", "", "1970-04-04", "-3"}) {
      SCOPED_TRACE(std::string(row.name) + " '" + value + "'");
      const Parsed spaced = Parse({std::string(row.name), value, "--now"});
      const Parsed joined = Parse({std::string(row.name) + "=" + value, "--now"});
      EXPECT_EQ(spaced.ok, joined.ok);
      EXPECT_EQ(spaced.error, joined.error);
    }
  }
}

TEST(CliOptionForms, RefusedWithAMessage) {
  struct Case {
    std::vector<std::string> args;
    const char* message;
  };
  const Case cases[] = {
      {{"--sectoin", "4", "f.orv"}, "unknown option '--sectoin' (did you mean --section?)"},
      {{"--jsno", "f.orv"}, "unknown option '--jsno' (did you mean --json?)"},
      {{"-json", "f.orv"}, "unknown option '-json' (did you mean --json?)"},
      {{"--list-section"}, "unknown option '--list-section' (did you mean --list-sections?)"},
      {{"--mahadasa9", "--now"}, "unknown option '--mahadasa9' (did you mean --mahadasa?)"},
      {{"--sec=4", "f.orv"}, "unknown option '--sec' (did you mean --section?)"},
      {{"--frobnicate", "f.orv"}, "unknown option '--frobnicate' (see --help)"},
      {{"--json=yes", "f.orv"}, "--json takes no value"},
      {{"--now=1"}, "--now takes no value"},
      {{"--section"}, "--section takes a section name or number 0..43 (see --list-sections)"},
      {{"--section=", "f.orv"}, "--section takes a section name or number 0..43 (see --list-sections)"},
      {{"--section", "Vimsottari", "f.orv"}, "--section takes a section name or number 0..43 (see --list-sections)"},
      {{"--settings=", "--now"}, "--settings takes a file name"},
      {{"--date=2001-02-29", "--time=12:00"}, "--date: "},
      {{"--json", "--fields", "slots,vimshottari", "f.orv"}, "--fields: unknown field 'vimshottari' (fields: birth, "},
      {{"--json", "--fields", "slots,,ayanamsa", "f.orv"}, "--fields: an empty field name (fields: birth, "},
      {{"--json", "--fields=", "f.orv"}, "--fields: an empty field name"},
      {{"--fields", "slots", "f.orv"}, "--fields goes with --json of charts"},
      {{"--json", "--fields", "slots", "--match", "a.orv", "b.orv"}, "--fields goes with --json of charts"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args.front());
    const Parsed p = Parse(c.args);
    EXPECT_FALSE(p.ok);
    EXPECT_EQ(p.error.find(c.message), 0u) << p.error;
  }
}

TEST(CliOptionForms, DoubleDashEndsTheOptions) {
  const Parsed p = Parse({"--json", "--", "--section", "-x.orv", "--"});
  ASSERT_TRUE(p.ok) << p.error;
  EXPECT_TRUE(p.options.json);
  EXPECT_FALSE(p.options.section);
  EXPECT_EQ(p.options.files, (std::vector<std::string>{"--section", "-x.orv", "--"}));
}

TEST(CliOptionForms, InformationOptionsNeedNoChart) {
  for (const std::vector<std::string>& args : {std::vector<std::string>{"--version"}, {"--list-sections"},
                                               {"--list-sections", "--json"}, {"--help"}, {"-h"}}) {
    SCOPED_TRACE(args.front());
    const Parsed p = Parse(args);
    EXPECT_TRUE(p.ok) << p.error;
  }
}

TEST(CliOptionForms, HelpListsEveryOption) {
  const std::string usage = CliUsage();
  for (const CliOptionSpec& row : CliOptionTable())
    EXPECT_NE(usage.find("  " + std::string(row.name) + " "), std::string::npos) << row.name;
}

TEST(CliSections, EveryNameSelectsItsNumber) {
  for (const ReportSectionInfo& s : kReportSections) {
    SCOPED_TRACE(s.name);
    const Parsed p = Parse({"--section", std::string(s.name), "f.orv"});
    ASSERT_TRUE(p.ok) << p.error;
    EXPECT_EQ(p.options.section, s.number);
  }
}

// The whole program: a section by name prints the very bytes of the
// section by number (every name's number is checked above).
TEST(CliSections, NamedSectionPrintsWhatTheNumberPrints) {
  const std::string chart = testing_support::WriteTempFile("named.orv", testing_support::kDefaultChartFile);
  for (const char* name : {"vimsottari", "basic-info", "antardasas"}) {
    SCOPED_TRACE(name);
    const auto byName = RunCliProcess({"--section", name, chart});
    const auto byNumber = RunCliProcess({"--section=" + std::to_string(*FindReportSection(name)), chart});
    EXPECT_EQ(byName.status, 0) << byName.err;
    EXPECT_FALSE(byName.out.empty());
    EXPECT_EQ(byName.out, byNumber.out);
  }
}

TEST(CliSections, ListHasEverySectionOnItsLine) {
  const auto run = RunCliProcess({"--list-sections"});
  ASSERT_EQ(run.status, 0) << run.err;
  std::vector<std::string> lines;
  for (std::size_t start = 0, end; (end = run.out.find('\n', start)) != std::string::npos; start = end + 1)
    lines.push_back(run.out.substr(start, end - start));
  ASSERT_EQ(lines.size(), static_cast<std::size_t>(kReportSectionCount));
  for (const ReportSectionInfo& s : kReportSections) {
    SCOPED_TRACE(s.name);
    char number[8];
    std::snprintf(number, sizeof number, "%2d  ", s.number);
    const std::string& line = lines[s.number];
    EXPECT_EQ(line.find(number), 0u) << line;
    EXPECT_NE(line.find(" " + std::string(s.name) + " "), std::string::npos) << line;
    EXPECT_TRUE(line.ends_with(s.title)) << line;
  }
}

TEST(CliVersion, NamesTheProgramItsVersionAndEngines) {
  const auto run = RunCliProcess({"--version"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out.find("orvane-cli " ORVANE_TEST_VERSION "\n"), 0u) << run.out;
  EXPECT_NE(run.out.find("\nephemeris engines: classic"), std::string::npos) << run.out;
}

// Every kind of output of the program is the same bytes under a German
// locale (decimal comma) as under the "C" locale.
TEST(CliLocale, GermanLocaleChangesNoByte) {
  const std::string chart = testing_support::WriteTempFile("locale.orv", testing_support::kDefaultChartFile);
  const std::vector<std::string> runs[] = {
      {chart},
      {"--json", chart},
      {"--section", "basic-info", chart},
      {"--complete", "--tajaka", "2001", chart},
      {"--section", "mundane-vimsottari", "--mundane", "30.5", chart},
      {"--list-sections"},
  };
  for (const std::vector<std::string>& args : runs) {
    SCOPED_TRACE(args.front());
    const auto plain = RunCliProcess(args, "LC_ALL=C");
    const auto german = RunCliProcess(args, "LC_ALL=de_DE.UTF-8");
    EXPECT_EQ(plain.status, 0) << plain.err;
    EXPECT_FALSE(plain.out.empty());
    EXPECT_EQ(plain.out, german.out);
  }
}

}  // namespace
}  // namespace orvane
