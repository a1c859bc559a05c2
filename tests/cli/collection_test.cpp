// The collected texts of the copy and mail commands and orvane-cli's
// --basic and --complete: the notice, the order of the sections, the
// Tajaka and mail sequences, and texts longer than the report buffer.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "compute/pipeline.h"
#include "compute/collection.h"

namespace orvane {
namespace {

// The default chart: 4 April 1970, 17:50, zone 5:30 east, 81 E 12, 16 N 15.
constexpr char kDefaultChartFile[] = "4\n4\n1970\n17.5000\n-5.30\n-81.12\n16.15";
const BirthData kDefaultBirth{4, 4, 1970, 17.5, -5.30, -81.12, 16.15};

std::unique_ptr<ChartState> Cast(const Settings& settings, int tajakaYear = 0) {
  auto state = std::make_unique<ChartState>();
  if (tajakaYear != 0) {
    state->options.tajakaMode = 1;
    state->options.tajakaYear = tajakaYear;
  }
  EXPECT_TRUE(ComputeChartFromBirth(*state, settings, kDefaultBirth));
  return state;
}

// The text of one section from a chart of its own.
std::string Section(int section, int tajakaYear = 0, TextChartVariant charts = TextChartVariant::kNone) {
  const Settings settings;
  auto state = std::make_unique<ChartState>();
  if (tajakaYear != 0) {
    state->options.tajakaMode = 1;
    state->options.tajakaYear = tajakaYear;
  }
  state->options.textChartRasiNavamsa = charts == TextChartVariant::kRasiNavamsa;
  state->options.textChartOthers = charts == TextChartVariant::kOtherCharts;
  auto report = std::make_unique<ReportBuffer>();
  EXPECT_TRUE(ComputeChartFromBirth(*state, settings, kDefaultBirth, section, report.get()));
  return std::string(report->Text());
}

// Positions of `needles` in `text`; each must follow the one before.
void ExpectInOrder(const std::string& text, const std::vector<std::string>& needles) {
  std::size_t at = 0;
  for (const std::string& needle : needles) {
    SCOPED_TRACE(needle);
    const std::size_t found = text.find(needle, at);
    ASSERT_NE(found, std::string::npos);
    at = found + needle.size();
  }
}

TEST(Collection, HeaderIsTwoRulesOfSixtyEightHyphensAroundTheNotice) {
  const std::string header(CollectionHeader());
  const std::string rule = std::string(68, '-') + "\n";
  ASSERT_EQ(header.substr(0, rule.size()), rule);
  ASSERT_GE(header.size(), 2 * rule.size() + 1);
  EXPECT_EQ(header.substr(header.size() - rule.size() - 1), rule + "\n");
  const std::string notice = header.substr(rule.size(), header.size() - 2 * rule.size() - 1);
  EXPECT_NE(notice.find("\"Orvane Lite\""), std::string::npos);
  EXPECT_EQ(notice.find("--"), std::string::npos);
}

TEST(Collection, StepsOfEachSet) {
  struct Row {
    const char* name;
    CollectionSet set;
    bool tajaka;
    std::vector<int> sections;
    std::vector<int> natalChartSections;  // written from the natal chart
  };
  const Row rows[] = {
      {"basic natal", CollectionSet::kBasic, false, {4, 21, 41, 0}, {}},
      {"basic Tajaka", CollectionSet::kBasic, true, {4, 21, 41, 6, 7}, {}},
      {"complete natal", CollectionSet::kComplete, false, {4, 21, 41, 0, 37, 1, 3, 41}, {}},
      {"complete Tajaka", CollectionSet::kComplete, true, {4, 21, 41, 6, 7, 3, 41}, {}},
      {"mail natal", CollectionSet::kMail, false, {4, 21, 41, 0, 37, 1, 3, 41}, {}},
      {"mail Tajaka", CollectionSet::kMail, true, {4, 21, 41, 0, 37, 1, 3, 41}, {0, 37, 1}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const std::vector<CollectionStep> steps = CollectionSteps(row.set, row.tajaka);
    std::vector<int> sections, natal;
    int rasiNavamsa = 0, others = 0;
    for (const CollectionStep& step : steps) {
      sections.push_back(step.section);
      if (step.natalChart) natal.push_back(step.section);
      if (step.textCharts == TextChartVariant::kRasiNavamsa) ++rasiNavamsa;
      if (step.textCharts == TextChartVariant::kOtherCharts) ++others;
      // The ashtakavarga of a collection is always the rasi's.
      EXPECT_EQ(step.rasiSelected, step.section == 3);
    }
    EXPECT_EQ(sections, row.sections);
    EXPECT_EQ(natal, row.natalChartSections);
    EXPECT_EQ(rasiNavamsa, 1);
    EXPECT_EQ(others, row.set == CollectionSet::kBasic ? 0 : 1);
  }
}

TEST(Collection, CompleteNatalTextIsTheHeaderAndEverySectionAtFullLength) {
  const Settings settings;
  auto chart = Cast(settings);
  // The view's own choices do not leak into the collection.
  chart->options.ashtakavargaChart = 8;
  const CollectionText complete = BuildCollectionText(*chart, settings, CollectionSet::kComplete);
  EXPECT_FALSE(complete.truncated);

  const std::string expected = std::string(CollectionHeader()) + Section(4) + Section(21) +
                               Section(41, 0, TextChartVariant::kRasiNavamsa) + Section(0) + Section(37) +
                               Section(1) + Section(3) + Section(41, 0, TextChartVariant::kOtherCharts);
  EXPECT_EQ(complete.text, expected);
  // Longer than one report buffer: nothing may be cut on the way.
  EXPECT_GT(complete.text.size(), ReportBuffer::kCapacity);
  EXPECT_EQ(complete.text.find('\0'), std::string::npos);

  ExpectInOrder(complete.text, {"Date of Birth:", "Planet      Position", "R A S I", "N A V A M S A",
                                "Vimsottari Dasa:", "Ashtottari Dasa:", "Kalachakra Dasa:",
                                "Ashtakavarga Tables (before reduction):", "Sodya Pindas:", "H O R A", "D - 3",
                                "D - 4", "D - 5", "D - 6", "D - 7", "D - 8", "D - 1 0", "D - 1 1", "D - 1 2",
                                "D - 1 6", "D - 2 0", "D - 2 4", "D - 2 7", "D - 3 0", "D - 4 0", "D - 4 5",
                                "D - 6 0"});
  // Twenty diagrams in all, each with its top and bottom border.
  std::size_t borders = 0;
  const std::string border = "+" + std::string(55, '-') + "+\n";
  for (std::size_t at = complete.text.find(border); at != std::string::npos; at = complete.text.find(border, at + 1))
    ++borders;
  EXPECT_EQ(borders, 40u);
  // The chart the caller passed is unchanged.
  EXPECT_EQ(chart->options.ashtakavargaChart, 8);
}

TEST(Collection, TajakaCopiesCarryTajakaDasasAndTheMailTheNatalDasas) {
  const Settings settings;
  auto chart = Cast(settings, 2026);
  const std::string basic = BuildCollectionText(*chart, settings, CollectionSet::kBasic).text;
  ExpectInOrder(basic, {"Date of New Year:", "R A S I", "Patyayini Dasa", "Mudda Dasa:"});
  EXPECT_EQ(basic.find("Vimsottari Dasa:"), std::string::npos);

  const std::string complete = BuildCollectionText(*chart, settings, CollectionSet::kComplete).text;
  EXPECT_EQ(complete.find("Kalachakra Dasa:"), std::string::npos);
  EXPECT_NE(complete.find("D - 6 0"), std::string::npos);

  const std::string mail = BuildCollectionText(*chart, settings, CollectionSet::kMail).text;
  // The natal dasas run from the birth in 1970, not from the annual chart.
  ExpectInOrder(mail, {"Date of New Year:", "R A S I", "Vimsottari Dasa:\n\nJupi 1970-04-04",
                       "Ashtottari Dasa:\n\nJupi 1970-04-04", "Kalachakra Dasa:\n\nSg 1970-04-04",
                       "Ashtakavarga Tables", "D - 6 0"});
  EXPECT_EQ(mail.find("Patyayini"), std::string::npos);
  EXPECT_EQ(mail.find("Mudda Dasa:"), std::string::npos);
  // The first sections are the Tajaka chart's own.
  EXPECT_EQ(mail.substr(CollectionHeader().size(), 200), Section(4, 2026).substr(0, 200));
  EXPECT_EQ(chart->options.tajakaMode, 1);
}

// --- orvane-cli --basic and --complete --------------------------------

struct CliRun {
  int status = -1;
  std::string out;
};

CliRun RunCli(const std::string& args) {
  const std::string command = std::string(ORVANE_CLI_PATH) + " " + args + " 2>/dev/null";
  CliRun run;
  std::FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return run;
  std::array<char, 4096> buf;
  std::size_t n;
  while ((n = std::fread(buf.data(), 1, buf.size(), pipe)) > 0) run.out.append(buf.data(), n);
  const int raw = pclose(pipe);
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return run;
}

TEST(CollectionCli, BasicAndCompletePrintTheCollectedTexts) {
  const std::string path = ::testing::TempDir() + std::to_string(getpid()) + "_collection.orv";
  {
    std::ofstream f(path, std::ios::binary);
    f << kDefaultChartFile;
  }
  const Settings settings;
  struct Row {
    const char* args;
    CollectionSet set;
    int tajakaYear;
  };
  const Row rows[] = {
      {"--complete", CollectionSet::kComplete, 0},
      {"--basic", CollectionSet::kBasic, 0},
      {"--basic --tajaka 2026", CollectionSet::kBasic, 2026},
      {"--complete --tajaka 2026", CollectionSet::kComplete, 2026},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.args);
    const CliRun run = RunCli(std::string(row.args) + " " + path);
    EXPECT_EQ(run.status, 0);
    auto chart = Cast(settings, row.tajakaYear);
    EXPECT_EQ(run.out, BuildCollectionText(*chart, settings, row.set).text);
  }
  std::remove(path.c_str());
}

TEST(CollectionCli, TextOptionsExcludeEachOther) {
  for (const char* args : {"--basic --complete --now", "--complete --section 4 --now", "--basic --json --now"}) {
    SCOPED_TRACE(args);
    const CliRun run = RunCli(args);
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.out.empty());
  }
}

}  // namespace
}  // namespace orvane
