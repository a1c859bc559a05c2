#include "compute/calculation_pass.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>

#include "tests/common/chart_with_report.h"
#include "cli/json.h"
#include "compute/pipeline.h"
#include "vedic/text_charts.h"

namespace orvane {
namespace {

// Writers that note, in the report buffer, the dasa year and the year of
// the date they were run from.
void NoteYearLength(const ChartState&, const DasaSpan& span, ReportBuffer& out) {
  out.Appendf("%.17g %d\n", span.yearLength, span.from.year);
}
void Throw(const ChartState&, const DasaSpan&, ReportBuffer&) { throw std::runtime_error("writer failed"); }

std::unique_ptr<testing_support::ChartWithReport> ChartWithBirth() {
  auto state = std::make_unique<testing_support::ChartWithReport>();
  state->birth = {4, 4, 1970, 17.5, -5.30, -81.12, 16.15};
  state->castMoment = {4, 5, 2000, 3.0730, -5.30, -81.12, 16.15};
  state->dasa.yearLength = 365.2425;
  return state;
}

TEST(DasaCompression, YearOfEachDasaSpansThePeriodOfTheChart) {
  struct Case {
    const char* name;
    int tajaka, monthly, hora, mundane;
    double mundaneDays;
    double period;  // 0: no compression
    int year;       // year of the date the dasas run from
  };
  const Case cases[] = {
      {"natal chart", 0, 0, 0, 0, 0, 0, 1970},
      {"annual chart", 1, 0, 0, 0, 0, 365.2425, 2000},
      {"monthly chart", 1, 1, 0, 0, 0, 30.436875, 2000},
      {"hora chart", 1, 1, 1, 0, 0, 2.53640625, 2000},
      {"hora flag without the monthly flag", 1, 0, 1, 0, 0, 365.2425, 2000},
      {"mundane chart of 30 days", 0, 0, 0, 1, 30, 30, 1970},
      {"mundane chart without a span", 0, 0, 0, 1, 0, 0, 1970},
      {"Tajaka flag other than 1", 2, 0, 0, 0, 0, 0, 1970},
  };
  const CompressedDasa dasas[] = {{NoteYearLength, 72}, {NoteYearLength, 116}, {NoteYearLength, 108}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto state = ChartWithBirth();
    state->options.tajakaMode = c.tajaka;
    state->options.tajakaMonthly = c.monthly;
    state->options.tajakaHoraWanted = c.hora;
    state->options.mundane = c.mundane;
    state->options.mundaneDays = c.mundaneDays;
    RunCompressedDasas(*state, dasas, 3, state->report);
    char expected[200];
    if (c.period > 0) {
      std::snprintf(expected, sizeof expected, "%.17g %d\n%.17g %d\n%.17g %d\n", c.period / 72, c.year,
                    c.period / 116, c.year, c.period / 108, c.year);
    } else {
      std::snprintf(expected, sizeof expected, "%.17g %d\n%.17g %d\n%.17g %d\n", 365.2425, c.year, 365.2425,
                    c.year, 365.2425, c.year);
    }
    EXPECT_EQ(std::string(state->report.Text()), expected);
    EXPECT_EQ(state->dasa.yearLength, 365.2425);
    EXPECT_EQ(state->birth.year, 1970);
    EXPECT_EQ(state->birth.day, 4);
    EXPECT_EQ(state->birth.time, 17.5);
  }
}

TEST(DasaCompression, AFailingWriterLeavesTheYearAndTheDate) {
  auto state = ChartWithBirth();
  state->options.tajakaMode = 1;
  const CompressedDasa dasas[] = {{NoteYearLength, 72}, {Throw, 36}};
  EXPECT_THROW(RunCompressedDasas(*state, dasas, 2, state->report), std::runtime_error);
  EXPECT_EQ(state->dasa.yearLength, 365.2425);
  EXPECT_EQ(state->birth.year, 1970);
  EXPECT_EQ(state->birth.month, 4);
  EXPECT_EQ(state->birth.day, 4);
  EXPECT_EQ(state->birth.time, 17.5);
}

// The default chart of a first start, computed through the whole pipeline.
std::unique_ptr<testing_support::ChartWithReport> DefaultChart(int section, const Settings& settings = Settings{}) {
  auto state = std::make_unique<testing_support::ChartWithReport>();
  EXPECT_TRUE(ComputeChartFromBirth(*state, settings, {4, 4, 1970, 17.5, -5.30, -81.12, 16.15}, section, &state->report));
  return state;
}

TEST(CalculationPass, NoSectionLeavesTheBufferAndASectionStartsEmpty) {
  auto state = DefaultChart(kNoSection);
  state->report.Clear();
  state->report.Appendf("heading kept\n");
  state->options.recompute = 0;
  RunCalculationPass(*state, Settings{}, kNoSection, &state->report);
  EXPECT_EQ(state->report.Text(), "heading kept\n");

  RunCalculationPass(*state, Settings{}, 99, &state->report);  // a number no writer owns
  EXPECT_EQ(state->report.Text(), "");
}

TEST(CalculationPass, DasaYearIsThePreferenceAndSurvivesTheTajakaPass) {
  Settings settings;
  settings.daysInYear = 360;
  auto state = DefaultChart(kNoSection, settings);
  EXPECT_EQ(state->dasa.yearLength, 360);
  EXPECT_EQ(state->birth.year, 1970);

  state->options.tajakaMode = 1;
  state->options.recompute = 0;
  RunCalculationPass(*state, settings);
  EXPECT_EQ(state->dasa.yearLength, 360);
  EXPECT_EQ(state->birth.year, 1970);
  EXPECT_EQ(state->birth.time, 17.5);
}

TEST(VedicJson, PanchangaAndEveryDivisionalChart) {
  auto state = DefaultChart(kNoSection);
  JsonWriter json;
  json.BeginObject();
  WriteVedicJson(json, *state, Settings{});
  json.EndObject();
  const std::string& text = json.Text();
  // Krishna Chaturdasi (28), Sukla (23), Vishti (6), Saturday (6), the Moon
  // in Poo.Bhaa. (24) pada 3 (index 2), the month Phalguna (10).
  EXPECT_EQ(text.find("{\"panchanga\":{\"tithi\":28,\"tithi_balance\":"), 0u) << text;
  EXPECT_NE(text.find(",\"yoga\":23,\"karana\":6,\"vara\":6,\"nakshatra\":24,\"pada\":2,\"lunar_month\":10},"),
            std::string::npos)
      << text;
  // The rasi signs of the ascendant, Sun, Moon: Virgo, Pisces, Aquarius.
  EXPECT_NE(text.find("\"vargas\":{\"D-1\":[5,11,10,"), std::string::npos) << text;
  const char* keys[] = {"D-1",  "D-2",  "D-3",  "D-4",  "D-5",  "D-6",  "D-7",  "D-8",  "D-9",  "D-10",
                        "D-11", "D-12", "D-16", "D-20", "D-24", "D-27", "D-30", "D-40", "D-45", "D-60"};
  for (const char* key : keys) {
    SCOPED_TRACE(key);
    const std::size_t at = text.find("\"" + std::string(key) + "\":[");
    ASSERT_NE(at, std::string::npos);
    const std::size_t end = text.find(']', at);
    int commas = 0;
    for (std::size_t i = at; i < end; ++i) commas += text[i] == ',';
    EXPECT_EQ(commas, 39);
  }
}

}  // namespace
}  // namespace orvane
