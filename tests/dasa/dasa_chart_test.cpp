// The dasa writers together: each writes only its own section, all of them
// finish over the whole date range and for absurd inputs, the default chart
// lists sensibly, and the JSON hook carries the balance and the main periods.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <limits>
#include <string>

#include "cli/json.h"
#include "dasa/dasa.h"
#include "tests/dasa/dasa_fixture.h"

namespace orvane {
namespace {

using testing_support::MainLines;
using testing_support::MakeChart;
using testing_support::Text;

struct Section {
  int section;
  const char* header;
  std::size_t mainPeriods;
};

// The dasa sections and how their listings start.
const Section kSections[] = {
    {15, "\nCompressed Vimsottari Dasas (365 days):\n\n", 10},
    {16, "\nCompressed Yogini Dasas (365 days):\n\n", 9},
    {30, "\nDwisaptati Sama Dasa:\n\n", 12},
    {31, "\nShat-Trimsa Sama Dasa:\n\n", 24},
    {32, "\nDwadasottari Dasa:\n\n", 9},
    {33, "\nChaturasiti Sama Dasa:\n\n", 9},
    {34, "\nSatabdika Dasa:\n\n", 8},
    {35, "\nShodasottari Dasa:\n\n", 8},
    {36, "\nPanchottari Dasa:\n\n", 8},
    {37, "\nAshtottari Dasa:\n\n", 9},
    {38, "\nTithi Ashtottari Dasa:\n\n", 9},
    {40, "Tithi Yogini Dasa:\n\n", 22},
    {1, "Kalachakra Dasa:\n\n", 0},  // 10 to 12
    {2, "Yogini Dasa:\n\n", 22},
    {0, "Vimsottari Dasa:\n\n", 9},
    {42, "Antardasas && pratyantardasas in Sun's Vimsottari Dasa:\n\n", 9},
};

void RunAll(testing_support::TestChart& state) { testing_support::DeriveAndWriteSection(state); }

void ExpectListing(const std::string& text, const Section& s) {
  EXPECT_EQ(text.substr(0, std::string(s.header).size()), s.header) << text;
  const std::size_t count = MainLines(text).size();
  if (s.mainPeriods == 0) {
    EXPECT_GE(count, 10u);
    EXPECT_LE(count, 12u);
  } else {
    EXPECT_EQ(count, s.mainPeriods);
  }
}

TEST(DasaSections, EachWriterWritesOnlyItsOwnSection) {
  for (const Section& s : kSections) {
    SCOPED_TRACE(s.section);
    auto state = MakeChart(1985, 7, 14, 115.0, 212.0, 365.2425, s.section);
    RunAll(*state);
    ExpectListing(Text(*state), s);
  }
  auto state = MakeChart(1985, 7, 14, 115.0, 212.0, 365.2425, kNoSection);
  RunAll(*state);
  EXPECT_EQ(Text(*state), "");
}

TEST(DasaSections, WholeDateRangeAndAbsurdInputsFinish) {
  struct Case {
    const char* name;
    double year, month, day, moon, yearLength;
  };
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const Case ranged[] = {
      {"year -3000", -3000, 1, 1, 123.4, 365.2425}, {"year 3000", 3000, 12, 31, 359.9, 365.2425},
      {"year 0, 29 Feb", 0, 2, 29, 47.0, 365.2425}, {"year -1, 360 days", -1, 3, 1, 300.0, 360.0},
  };
  for (const Case& c : ranged) {
    SCOPED_TRACE(c.name);
    for (const Section& s : kSections) {
      SCOPED_TRACE(s.section);
      auto state = MakeChart(0, 1, 1, 115.0, c.moon, c.yearLength, s.section);
      state->birth.year = c.year;
      state->birth.month = c.month;
      state->birth.day = c.day;
      RunAll(*state);
      ExpectListing(Text(*state), s);
      EXPECT_FALSE(state->report.Truncated());
    }
  }
  // Nonsense in the birth fields, the Moon or the year lengths: every writer
  // still ends with a full list and reads no table out of range.
  const Case absurd[] = {
      {"NaN birth date", nan, nan, nan, 100.0, 365.2425},
      {"huge birth date", 1e300, -1e300, 1e300, 100.0, 365.2425},
      {"Moon not finite", 2000, 1, 1, inf, 365.2425},
      {"Moon far beyond a turn", 2000, 1, 1, -1e12, 365.2425},
      {"NaN year length", 2000, 1, 1, 100.0, nan},
      {"huge year length", 2000, 1, 1, 100.0, 1e300},
      {"negative year length", 2000, 1, 1, 100.0, -365.2425},
      {"zero year length", 2000, 1, 1, 100.0, 0.0},
  };
  for (const Case& c : absurd) {
    SCOPED_TRACE(c.name);
    for (const Section& s : kSections) {
      SCOPED_TRACE(s.section);
      auto state = MakeChart(2000, 1, 1, 115.0, 0.0, c.yearLength, s.section);
      state->slotLongitude[kMoon] = c.moon;
      state->birth.year = c.year;
      state->birth.month = c.month;
      state->birth.day = c.day;
      state->options.mundaneDays = c.yearLength;
      RunAll(*state);
      EXPECT_GT(MainLines(Text(*state)).size(), 0u);
    }
  }
}

TEST(DasaJson, BalanceAndMainPeriodsWithTrueDates) {
  // Ashwini at 0 deg, 360-day years: Ketu's whole 7 years from birth, Venus
  // from 2520 days later.
  auto state = MakeChart(2000, 1, 1, 0.0, 0.0, 360.0, kNoSection);
  state->dasa.balance = DasaBalanceOf(*state);
  ComputeVimsottari(*state, state->dasa);
  JsonWriter json;
  json.BeginObject();
  WriteDasaJson(json, *state, Settings{});
  json.EndObject();
  const std::string expected =
      "{\"dasa_balance\":{\"lord\":\"Ketu\",\"years\":7,\"months\":0,\"days\":0,\"ghatis\":0},"
      "\"vimsottari\":[{\"lord\":\"Ketu\",\"start\":[2000,1,1,0],\"end\":[2006,11,25,0]},"
      "{\"lord\":\"Venus\",\"start\":[2006,11,25,0],\"end\":[2026,8,12,0]},";
  EXPECT_EQ(json.Text().substr(0, expected.size()), expected);

  // A Moon 3 deg into Ashwini: the first main period starts before birth.
  state = MakeChart(2000, 1, 1, 0.0, 3.0, 365.2425, kNoSection);
  state->dasa.balance = DasaBalanceOf(*state);
  ComputeVimsottari(*state, state->dasa);
  JsonWriter json2;
  json2.BeginObject();
  WriteDasaJson(json2, *state, Settings{});
  json2.EndObject();
  EXPECT_NE(json2.Text().find("\"vimsottari\":[{\"lord\":\"Ketu\",\"start\":[1998,6,4,"), std::string::npos)
      << json2.Text();

  // No natal pass: both keys are null.
  ChartState empty;
  JsonWriter json3;
  json3.BeginObject();
  WriteDasaJson(json3, empty, Settings{});
  json3.EndObject();
  EXPECT_EQ(json3.Text(), "{\"dasa_balance\":null,\"vimsottari\":null}");
}

TEST(DasaDefaultChart, SectionsPrintSensibly) {
  // 4 April 1970, 17:50 at 81E12, 16N15: the Moon at 328.57 deg in Purva
  // Bhadrapada, pada 3 (class 2), Jupiter's nakshatra, 0.357 of it left.
  const std::string path = ::testing::TempDir() + "dasa_default_chart.dvk";
  {
    std::ofstream f(path, std::ios::binary);
    f << "4\n4\n1970\n17.5000\n-5.30\n-81.12\n16.15";
  }
  struct Case {
    int section;
    const char* start;
    std::size_t mainPeriods;
  };
  const Case cases[] = {
      // Jupiter with 0.357 * 16 = 5.7 years left; Saturn from late 1975.
      {0, "Vimsottari Dasa:\n\nJupi 1970-04-04  ", 9},
      // Class 2 (Ta Ar Pi Aq Cp Sg Ar Ta Ge): 0.429 of 83 years = 35.6 left;
      // back from Gemini (9), Taurus (16), Aries (7) to Sagittarius.
      {1, "Kalachakra Dasa:\n\nSg 1970-04-04  ", 12},
      // Jupiter's group (Dhanishta to Purva Bhadrapada).
      {37, "\nAshtottari Dasa:\n\nJupi 1970-04-04", 9},
      // The Sun's mahadasa by default: after Jupiter's 5.7 years and Saturn,
      // Mercury, Ketu and Venus (63 years), in late 2038.
      {42, "Antardasas && pratyantardasas in Sun's Vimsottari Dasa:\n\nSun  2038-12-", 9},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.section);
    testing_support::TestChart state;
    const Settings settings;
    ASSERT_EQ(ComputeChart(state, settings, path), ComputeStatus::kOk);
    EXPECT_NEAR(state.slotLongitude[kMoon], 328.569, 5e-4);
    state.report.Clear();
    state.section = c.section;
    state.dasa.yearLength = settings.daysInYear;
    RunAll(state);
    const std::string text = Text(state);
    EXPECT_EQ(text.substr(0, std::string(c.start).size()), c.start) << text;
    EXPECT_EQ(MainLines(text).size(), c.mainPeriods) << text;
  }
  std::remove(path.c_str());
}

}  // namespace
}  // namespace orvane
