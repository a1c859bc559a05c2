// Patyayini shares and listings, Mudda and Varsha Yogini dasas.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dasa/periods.h"
#include "tajaka/tajaka.h"
#include "tajaka/tajaka_rules.h"
#include "tests/tajaka/tajaka_fixture.h"

namespace orvane {
namespace {

using testing_support::LinesWith;
using testing_support::MainLines;
using testing_support::MakeTajakaChart;
using testing_support::Text;

// Slot s at s + 1 degrees of sign s: the Patyayini order is the slot order
// and every share is one degree, an eighth of the span.
const std::vector<double> kEighths = {1, 32, 63, 94, 125, 156, 187, 218, 0, 0};

SlotArray<double> Slots(const std::vector<double>& longitudes) {
  SlotArray<double> s{};
  for (std::size_t i = 0; i < longitudes.size(); ++i) s[i] = longitudes[i];
  return s;
}

TEST(Patyayini, ShareToDuration) {
  struct Row {
    double fraction, span;
    int days;
    double ghatis;
  };
  const Row rows[] = {
      {0.5, 365.2425, 182, 37.275},
      {1, 2.53640625, 2, 32.184375},
      {0.25, 43200, 10800, 0},
      {0, 365.2425, 0, 0},
      {0.125, 2.53640625, 0, 19.023046875},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(testing::Message() << r.fraction << " of " << r.span);
    const DasaDuration d = tajaka::ShareToDuration(r.fraction, r.span);
    EXPECT_EQ(d.years, 0);
    EXPECT_EQ(d.months, 0);
    EXPECT_EQ(d.days, r.days);
    EXPECT_NEAR(d.ghatis, r.ghatis, 1e-9);
  }
}

TEST(Patyayini, OrderAndShares) {
  struct Row {
    const char* name;
    std::vector<double> longitudes;
    std::vector<int> order;
    std::vector<double> share;
  };
  const Row rows[] = {
      // Degrees 0.5, 5, 10, 2, 3, 20, 20, 29.
      {"ascendant smallest opens", {0.5, 35, 70, 92, 123, 170, 200, 239},
       {0, 3, 4, 1, 2, 5, 6, 7}, {0.5, 1.5, 1, 2, 5, 10, 0, 9}},
      // Degrees 5, 10, 20, 12, 20, 10, 12, 5: of each equal pair the later
      // slot follows with a share of 0.
      {"points at the same degree", {5, 40, 80, 102, 140, 160, 192, 215},
       {0, 7, 1, 5, 3, 6, 2, 4}, {5, 0, 5, 0, 2, 0, 8, 0}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    const tajaka::PatyayiniShares s = tajaka::ComputePatyayiniShares(Slots(r.longitudes));
    double total = 0;
    for (int k = 0; k < kPatyayiniPoints; ++k) {
      EXPECT_EQ(s.order[k], r.order[k]) << "place " << k;
      EXPECT_NEAR(s.share[k], r.share[k], 1e-9) << "place " << k;
      total += r.share[k];
    }
    EXPECT_NEAR(s.total, total, 1e-9);
    EXPECT_NEAR(s.fraction[0], r.share[0] / total, 1e-12);
  }
}

TEST(Patyayini, EqualDegreesGiveAZeroLengthPeriod) {
  // Mars (slot 3) and Venus (slot 6) both at 12 degrees.
  auto state = MakeTajakaChart({5, 40, 80, 102, 140, 160, 192, 215}, 6);
  PatyayiniDasa(*state, Settings{}, testing_support::SectionBuffer(*state));
  const TajakaState& tj = state->tajaka;
  ASSERT_EQ(tj.patyayiniOrder[4], kMars);
  ASSERT_EQ(tj.patyayiniOrder[5], kVenus);
  EXPECT_EQ(tj.patyayiniFraction[5], 0);
  EXPECT_EQ(tj.patyayiniStart[5], tj.patyayiniEnd[5]);
  EXPECT_GT(DaysBetween(tj.patyayiniEnd[4], tj.patyayiniStart[4]), 0);
  // The whole span is shared out: 365.2425 days from the Tajaka moment.
  EXPECT_NEAR(DaysBetween(tj.patyayiniEnd[7], tj.patyayiniStart[0]), 365.2425, 0.02);
}

TEST(Patyayini, AllPointsAtZeroDegrees) {
  auto state = MakeTajakaChart({0, 30, 60, 90, 120, 150, 180, 210}, 6);
  PatyayiniDasa(*state, Settings{}, testing_support::SectionBuffer(*state));
  const TajakaState& tj = state->tajaka;
  EXPECT_EQ(tj.patyayiniTotal, 0);
  EXPECT_EQ(tj.patyayiniFraction[0], 1);
  // The first point takes the whole year; the others have nothing.
  EXPECT_NEAR(DaysBetween(tj.patyayiniEnd[0], tj.patyayiniStart[0]), 365.2425, 0.02);
  for (int k = 1; k < kPatyayiniPoints; ++k) EXPECT_EQ(tj.patyayiniStart[k], tj.patyayiniEnd[k]) << k;
  const std::string text = Text(*state);
  EXPECT_EQ(text.find("nan"), std::string::npos);
  EXPECT_NE(text.find("\n    TOTAL    0.000000\n"), std::string::npos);
}

TEST(Patyayini, AnnualListingWithSubPeriods) {
  auto state = MakeTajakaChart(kEighths, 6);
  PatyayiniDasa(*state, Settings{}, testing_support::SectionBuffer(*state));
  // Main periods of 45.6553125 days (45 d 39.31875 gh), sub-periods of an
  // eighth of that (5 d 42.41484375 gh) from 0 h of 5 April 2026.
  const std::string expected =
      "\nPatyayini Dasa Fractions:\n\n"
      "    Ascd      1.000000     1.000000\n"
      "    Sun       1.000000     2.000000\n"
      "    Moon      1.000000     3.000000\n"
      "    Mars      1.000000     4.000000\n"
      "    Merc      1.000000     5.000000\n"
      "    Jupi      1.000000     6.000000\n"
      "    Venu      1.000000     7.000000\n"
      "    Satu      1.000000     8.000000\n"
      "\n    TOTAL    8.000000\n"
      "\nPatyayini Dasa:\n"
      "\nAscd 2026-04-05  Sun  2026-04-10  Moon 2026-04-16  Mars 2026-04-22  Merc 2026-04-27\n"
      "                 Jupi 2026-05-03  Venu 2026-05-09  Satu 2026-05-14"
      "\nSun  2026-05-20  Moon 2026-05-26";
  EXPECT_EQ(Text(*state).substr(0, expected.size()), expected);
  EXPECT_EQ(Text(*state).substr(Text(*state).size() - 2), "\n\n");
  EXPECT_EQ(LinesWith(Text(*state), "\r").size(), 0u);
}

TEST(Patyayini, HoraChartListsClockTimesWithoutSubPeriods) {
  auto state = MakeTajakaChart(kEighths, 6);
  state->options.tajakaMonthly = 1;
  state->options.tajakaHoraWanted = 1;
  state->tajaka.moment.time = 6.00;  // 15 ghatis
  PatyayiniDasa(*state, Settings{}, testing_support::SectionBuffer(*state));
  // An eighth of 2.53640625 days is 19.023046875 ghatis.
  const std::string expected =
      "\nPatyayini Dasa:\n\n"
      "Ascd:    2026-04-05   (06:00)\r\n"
      "Sun :    2026-04-05   (13:36)\r\n"
      "Moon:    2026-04-05   (21:13)\r\n"
      "Mars:    2026-04-06   (04:49)\r\n"
      "Merc:    2026-04-06   (12:26)\r\n"
      "Jupi:    2026-04-06   (20:02)\r\n"
      "Venu:    2026-04-07   (03:39)\r\n"
      "Satu:    2026-04-07   (11:15)\r\n"
      "\n\n";
  const std::string text = Text(*state);
  ASSERT_GE(text.size(), expected.size());
  EXPECT_EQ(text.substr(text.size() - expected.size()), expected);
}

TEST(Patyayini, NatalSpanFromTheBirthDate) {
  auto state = MakeTajakaChart(kEighths, 9);
  state->options.tajakaMode = 0;
  NatalPatyayiniDasa(*state, Settings{}, testing_support::SectionBuffer(*state));
  const TajakaState& tj = state->tajaka;
  // 0 ghatis of the birth date, whatever the clock time of birth; 43200 / 8
  // days each.
  EXPECT_EQ(tj.patyayiniStart[0], (DasaDate{1970, 4, 4, 0}));
  EXPECT_NEAR(DaysBetween(tj.patyayiniStart[1], tj.patyayiniStart[0]), 5400, 1e-9);
  // Sub-periods of 675 days.
  const std::string expected = "\n\nPatyayini Dasa:\n\nAscd 1970-04-04  Sun  1972-02-08  Moon 1973-12-14";
  EXPECT_EQ(Text(*state).substr(0, expected.size()), expected);
}

// A natal Moon at the start of Aswini and a Tajaka Moon at the start of its
// nakshatra (the whole first period still to run).
std::unique_ptr<testing_support::TestChart> DasaChart(int tajakaYear, int section) {
  auto state = MakeTajakaChart(kEighths, section);
  state->options.tajakaYear = tajakaYear;
  state->tajaka.natalLongitude[kMoon] = 0;
  return state;
}

TEST(MuddaAndVarshaYogini, FirstLordsByAge) {
  struct Row {
    int tajakaYear;
    int mudda, varshaYogini;
  };
  const Row rows[] = {
      {1970, kKetu, kMars},      // age 0: Aswini's own lord; Yogini position 4
      {1971, kVenus, kMercury},  // Bharani; position 5
      {1997, kKetu, kVenus},     // 27 years: Aswini again; position 31 mod 8 = 7
      {1969, kMercury, kJupiter},  // a year before birth: Revati; position 3
      {1965, kMars, kVenus},     // five years before: nakshatra 22; position 7
      {1942, kMercury, kRahu},   // 28 years before: nakshatra 26; position 0
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(testing::Message() << "Tajaka year " << r.tajakaYear);
    auto state = DasaChart(r.tajakaYear, kNoSection);
    MuddaDasa(*state, Settings{}, testing_support::SectionBuffer(*state));
    VarshaYoginiDasas(*state, Settings{}, testing_support::SectionBuffer(*state));
    EXPECT_EQ(state->tajaka.muddaFirstLord, r.mudda);
    EXPECT_EQ(state->tajaka.varshaYoginiFirstLord, r.varshaYogini);
  }
}

TEST(MuddaAndVarshaYogini, MuddaAtAgeZero) {
  auto state = DasaChart(1970, 7);
  MuddaDasa(*state, Settings{}, testing_support::SectionBuffer(*state));
  // Ketu's 7 years of 182.62125 ghatis from 0 h of 5 April 2026: 21.31
  // days; its sub-periods start 1.24, 4.79, 5.86, 7.63, 8.88, 12.07, 14.91
  // and 18.29 days on.
  const std::string expected =
      "\nMudda Dasa:\n"
      "\nKetu 2026-04-05  Venu 2026-04-06  Sun  2026-04-09  Moon 2026-04-10  Mars 2026-04-12\n"
      "                 Rahu 2026-04-13  Jupi 2026-04-17  Satu 2026-04-19  Merc 2026-04-23"
      "\nVenu 2026-04-26";
  EXPECT_EQ(Text(*state).substr(0, expected.size()), expected);
}

TEST(MuddaAndVarshaYogini, CyclesFillTheSpan) {
  struct Row {
    const char* name;
    int monthly, hora;
    const char* muddaTenth;       // the tenth Mudda period: Ketu again after the whole cycle
    const char* yoginiNinth;      // the ninth Varsha Yogini period: Mars again
  };
  const Row rows[] = {
      {"annual", 0, 0, "Ketu 2027-04-05", "Mars 2027-04-05"},  // + 365.2425 days
      {"monthly", 1, 0, "Ketu 2026-05-05", "Mars 2026-05-05"},  // + 30.436875 days
      {"hora", 1, 1, "Ketu 2026-04-07", "Mars 2026-04-07"},     // + 2.53640625 days
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    for (int section : {7, 8}) {
      auto state = DasaChart(1970, section);
      state->options.tajakaMonthly = r.monthly;
      state->options.tajakaHoraWanted = r.hora;
      (section == 7 ? MuddaDasa : VarshaYoginiDasas)(*state, Settings{}, testing_support::SectionBuffer(*state));
      const std::string text = Text(*state);
      const std::vector<std::string> mains = MainLines(text);
      ASSERT_EQ(mains.size(), section == 7 ? 10u : 9u);
      EXPECT_EQ(mains.back().substr(0, 15), section == 7 ? r.muddaTenth : r.yoginiNinth);
      EXPECT_EQ(text.substr(text.size() - 2), "\n\n");
    }
  }
}

}  // namespace
}  // namespace orvane
