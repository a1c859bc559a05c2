// Vimsottari: balance at birth, section 0 and section 42 on hand-made charts.
// Expected dates are counted by hand from the birth date (a dasa year of 360
// days keeps every length a whole number of days).
#include <gtest/gtest.h>

#include <string>

#include "dasa/dasa.h"
#include "tests/dasa/dasa_fixture.h"

namespace orvane {
namespace {

using testing_support::kBreak15;
using testing_support::MainLines;
using testing_support::MakeChart;
using testing_support::Text;

void RunVimsottari(testing_support::TestChart& state) { testing_support::DeriveAndWriteSection(state); }

TEST(DasaBalance, LordAndBalanceFromOneReadingOfTheMoon) {
  struct Case {
    const char* name;
    double moon;
    int lord;
    int years, months, days;
  };
  const Case cases[] = {
      // Ashwini at 0 deg: Ketu's whole 7 years.
      {"start of Ashwini", 0.0, kKetu, 7, 0, 0},
      // A hair before the end of Ashwini: Ketu with (almost) nothing left.
      {"end of Ashwini", 13.333333333333, kKetu, 0, 0, 0},
      // Exactly on the Ashwini/Bharani bound: the lord and the balance agree
      // (Venus with its whole 20 years, or Ketu with nothing; never Venus
      // with nothing or Ketu with 7 years).
      {"start of Purva Bhadrapada", 24 * 13.333333333333332 + 1e-9, kJupiter, 15, 11, 29},
      // 3 deg into Ashwini: 0.775 of 7 years = 5 years 5 months 3 days.
      {"3 deg into Ashwini", 3.0, kKetu, 5, 5, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto state = MakeChart(2000, 1, 1, 0.0, c.moon, 365.2425, kNoSection);
    state->dasa.balance = DasaBalanceOf(*state);
    const DasaBalance& b = state->dasa.balance;
    EXPECT_EQ(b.lord, c.lord);
    EXPECT_EQ(b.years, c.years);
    EXPECT_EQ(b.months, c.months);
    EXPECT_GE(b.days, c.days);
    EXPECT_LE(b.days, c.days + 1);
    EXPECT_GE(b.ghatis, 0.0);
    EXPECT_LT(b.ghatis, 60.0);
  }
  // On a bound the lord and the balance come from the same nakshatra: the
  // earlier nakshatra's lord with nothing left, or the later one's with its
  // whole period, never one lord with the other's balance.
  struct Bound {
    double moon;
    int earlier, later;
    double laterYears;
  };
  const Bound bounds[] = {
      {13.333333333333332, kKetu, kVenus, 20},
      {13.333333333333334, kKetu, kVenus, 20},
      {26.666666666666664, kVenus, kSun, 6},
      {359.99999999999994, kMercury, kKetu, 7},
  };
  for (const Bound& c : bounds) {
    SCOPED_TRACE(c.moon);
    auto state = MakeChart(2000, 1, 1, 0.0, c.moon, 365.2425, kNoSection);
    state->dasa.balance = DasaBalanceOf(*state);
    const DasaBalance& b = state->dasa.balance;
    const double years = b.years + (b.months + (b.days + b.ghatis / 60) / 30) / 12;
    if (b.lord == c.earlier) {
      EXPECT_LT(years, 1e-6);
    } else {
      EXPECT_EQ(b.lord, c.later);
      EXPECT_GT(years, c.laterYears - 1e-6);
      EXPECT_LE(years, c.laterYears);
    }
  }
}

TEST(VimsottariDasa, MainPeriodsAndFirstLine) {
  struct Case {
    const char* name;
    int year;
    double moon;
    double yearLength;
    std::string expectedStart;
  };
  const std::string ketuFull360 =
      "Vimsottari Dasa:\n"
      "\nKetu 2000-01-01  Venu 2000-05-27  Sun  2001-07-21  Moon 2001-11-24  Mars 2002-06-22" +
      kBreak15 + "  Rahu 2002-11-16  Jupi 2003-11-29  Satu 2004-10-30  Merc 2005-12-03" +
      "\nVenu 2006-11-25  Sun  2010-03-09";
  const Case cases[] = {
      // f = 1: the first main period starts at birth, every sub-period from
      // the second on is shown.
      {"f = 1, 360-day year", 2000, 0.0, 360.0, ketuFull360},
      // The same with the default year: every length stretched by
      // 365.2425 / 360 (Venus after 2556.7 days, Venus's antardasa of Ketu
      // after 149.1 days).
      {"f = 1, 365.2425-day year", 2000, 0.0, 365.2425, "Vimsottari Dasa:\n\nKetu 2000-01-01  Venu 2000-05-29"},
      // f near 0: the first main period ends at birth, none of its
      // sub-periods is shown, Venus begins on the birth date.
      {"f near 0", 2000, 13.333333333333, 360.0, "Vimsottari Dasa:\n\nKetu 2000-01-01\nVenu 2000-01-01  Sun  "},
      // Years before year 1 print without their sign; year 0 is a leap year.
      {"before year 1", -2, 0.0, 360.0,
       "Vimsottari Dasa:\n\nKetu 0002-01-01  Venu 0002-05-28  Sun  0001-07-22  Moon 0001-11-25  Mars 0000-06-22" +
           kBreak15 + "  Rahu "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto state = MakeChart(c.year, 1, 1, 0.0, c.moon, c.yearLength, 0);
    RunVimsottari(*state);
    const std::string text = Text(*state);
    EXPECT_EQ(text.substr(0, c.expectedStart.size()), c.expectedStart) << text;
    EXPECT_EQ(MainLines(text).size(), 9u);
    EXPECT_EQ(text.back(), '\n');
    EXPECT_NE(text.substr(text.size() - 2), "\n\n");
  }
}

TEST(VimsottariDasa, TableHoldsBirthAsFirstStartAndTrueDatesElsewhere) {
  // 3 deg into Ashwini: Ketu with 0.775 of its period left, so its true
  // start lies 0.225 * 7 years = 575.26 days (at 365.2425) before birth.
  auto state = MakeChart(2000, 1, 1, 0.0, 3.0, 365.2425, kNoSection);
  RunVimsottari(*state);
  const DasaState& d = state->dasa;
  ASSERT_EQ(d.vimsottariValid, 1);
  const VimsottariRecord& first = d.vimsottari[0][0];
  EXPECT_EQ(first.lord, kKetu);
  EXPECT_EQ(first.startYear, 2000);
  EXPECT_EQ(first.startMonth, 1);
  EXPECT_EQ(first.startDay, 1);
  EXPECT_EQ(d.vimsottariStart[0].year, 1998);
  EXPECT_EQ(d.vimsottariStart[0].month, 6);
  EXPECT_EQ(d.vimsottariStart[0].day, 4);
  // The first sub-period holds the true start, before birth.
  EXPECT_EQ(d.vimsottari[0][1].startYear, 1998);
  EXPECT_EQ(d.vimsottari[0][1].startMonth, 6);
  EXPECT_EQ(d.vimsottari[0][1].startDay, 4);
  EXPECT_NEAR(DaysBetween(DasaDate{2000, 1, 1, 0}, d.vimsottariStart[0]), 0.225 * 7 * 365.2425, 1e-6);
  // Lords follow Ketu, Venus, Sun, ...; each main period ends where the next begins.
  const int lords[9] = {kKetu, kVenus, kSun, kMoon, kMars, kRahu, kJupiter, kSaturn, kMercury};
  for (int i = 0; i < 9; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(d.vimsottari[i][0].lord, lords[i]);
    EXPECT_EQ(d.vimsottari[i][1].lord, lords[i]);
    if (i > 0) {
      EXPECT_EQ(d.vimsottariStart[i], d.vimsottariEnd[i - 1]);
    }
  }
  // Nothing is written for another section.
  EXPECT_EQ(state->report.Text(), "");
}

TEST(VimsottariSubPeriods, HeaderNamesEveryPlanetByItsName) {
  const char* expected[] = {"Sun", "Moon", "Mars", "Mercury", "Jupiter", "Venus", "Saturn", "Rahu", "Ketu"};
  for (int lord = kSun; lord <= kKetu; ++lord) {
    SCOPED_TRACE(lord);
    auto state = MakeChart(2000, 1, 1, 0.0, 100.0, 365.2425, 42);
    state->options.selectedMahadasaLord = lord;
    RunVimsottari(*state);
    const std::string header =
        std::string("Antardasas && pratyantardasas in ") + expected[lord - 1] + "'s Vimsottari Dasa:\n\n";
    EXPECT_EQ(Text(*state).substr(0, header.size()), header);
    EXPECT_EQ(MainLines(Text(*state)).size(), 9u);
  }
  // A lord outside 1..9 falls back to the Sun, the dialog's default.
  for (int lord : {0, 10, -3}) {
    SCOPED_TRACE(lord);
    auto state = MakeChart(2000, 1, 1, 0.0, 100.0, 365.2425, 42);
    state->options.selectedMahadasaLord = lord;
    RunVimsottari(*state);
    const std::string header = "Antardasas && pratyantardasas in Sun's Vimsottari Dasa:\n\nSun  ";
    EXPECT_EQ(Text(*state).substr(0, header.size()), header);
  }
}

TEST(VimsottariSubPeriods, AntardasasFromTheTrueStartOfTheMahadasa) {
  struct Case {
    const char* name;
    double moon;
    double yearLength;
    std::string expectedStart;
  };
  const std::string header = "Antardasas && pratyantardasas in Ketu's Vimsottari Dasa:\n";
  const Case cases[] = {
      // Ketu from birth: antardasas of 7 * 21 = 147 days for Ketu, their
      // pratyantardasas years/120 of that (1.225 days a year).
      {"Ketu running from birth", 0.0, 360.0,
       header + "\nKetu 2000-01-01  Venu 2000-01-09  Sun  2000-02-03  Moon 2000-02-10  Mars 2000-02-22" + kBreak15 +
           "  Rahu 2000-03-02  Jupi 2000-03-24  Satu 2000-04-12  Merc 2000-05-06\nVenu 2000-05-27"},
      // Ketu began before birth: its antardasas are listed from that start.
      {"Ketu begun before birth", 3.0, 365.2425, header + "\nKetu 1998-06-04  "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto state = MakeChart(2000, 1, 1, 0.0, c.moon, c.yearLength, 42);
    state->options.selectedMahadasaLord = kKetu;
    RunVimsottari(*state);
    const std::string text = Text(*state);
    EXPECT_EQ(text.substr(0, c.expectedStart.size()), c.expectedStart) << text;
    EXPECT_EQ(MainLines(text).size(), 9u);
    // Every pratyantardasa 2 to 9 is shown: two lines per antardasa.
    EXPECT_EQ(text.find("\n\n", header.size()), std::string::npos);
    EXPECT_EQ(text.back(), '\n');
    // The year length is the caller's after the listing.
    EXPECT_EQ(state->dasa.yearLength, c.yearLength);
  }
}

}  // namespace
}  // namespace orvane
