// The nakshatra dasa family on hand-made charts: first lords, balances, the
// line layout of seven- and eight-lord cycles, the tithi dasas, Ashtottari's
// groups and the two compressed dasas of mundane charts.
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

using Writer = DasaSectionWriter;

struct Case {
  const char* name;
  Writer writer;
  int section;
  double sun, moon, yearLength;
  std::string expectedStart;
  std::size_t mainPeriods;
};

void Check(const Case& c, double mundaneDays = 365.2425) {
  SCOPED_TRACE(c.name);
  auto state = MakeChart(2000, 1, 1, c.sun, c.moon, c.yearLength, c.section);
  state->options.mundaneDays = mundaneDays;
  c.writer(*state, Settings{}, state->report);
  const std::string text = Text(*state);
  EXPECT_EQ(text.substr(0, c.expectedStart.size()), c.expectedStart) << text;
  EXPECT_EQ(MainLines(text).size(), c.mainPeriods) << text;
  EXPECT_EQ(state->dasa.yearLength, c.yearLength);
}

TEST(NakshatraFamily, FirstLordBalanceAndLayout) {
  const Case cases[] = {
      // Ashwini at 0 deg: Yogini's first lord is Mars (position 4) with its
      // whole 4 years; sub-periods of 40 days a year at a 360-day year.
      {"Yogini from Ashwini", YoginiDasa, 2, 0.0, 0.0, 360.0,
       "Yogini Dasa:\n\nMars 2000-01-01  Merc 2000-06-09  Satu 2000-12-26  Venu 2001-08-23  Rahu 2002-05-30" +
           kBreak15 + "  Moon 2003-04-15  Sun  2003-05-25  Jupi 2003-08-13\nMerc 2003-12-11",
       22},
      // Moola at 0 deg: Dwisaptati's first lord is the Sun (position 1) with
      // its whole 9 years; sub-periods of 9/8 years (410.9 days).
      {"Dwisaptati from Moola", DwisaptatiSamaDasa, 30, 0.0, 240.0, 365.2425,
       "\nDwisaptati Sama Dasa:\n\nSun  2000-01-01  Moon 2001-02-14  Mars 2002-04-01", 12},
      // Seven lords: sub-periods 2 to 5 on the first line, 6 and 7 on the
      // second. Ashwini gives Chaturasiti's position 0, Saturn; each
      // sub-period lasts 12/84 of 12 years (617.14 days).
      {"Chaturasiti, seven lords", ChaturasitiSamaDasa, 33, 0.0, 0.0, 360.0,
       "\nChaturasiti Sama Dasa:\n\nSatu 2000-01-01  Sun  2001-09-09  Moon 2003-05-19  Mars 2005-01-25  Merc 2006-10-04" +
           kBreak15 + "  Jupi 2008-06-12  Venu 2010-02-19\nSun  2011-10-30",
       9},
      // Satabdika: Ashwini gives position ((0 + 1) mod 27 + 1) mod 7 = 2, the Moon.
      {"Satabdika", SatabdikaDasa, 34, 0.0, 0.0, 365.2425, "\nSatabdika Dasa:\n\nMoon 2000-01-01  ", 8},
      // Panchottari: position ((0 + 11) + 1) mod 7 = 5, Venus.
      {"Panchottari", PanchottariDasa, 36, 0.0, 0.0, 365.2425, "\nPanchottari Dasa:\n\nVenu 2000-01-01  ", 8},
      // Shat-Trimsa: position ((0 + 6) + 1) mod 8 = 7, Venus; 24 main periods.
      {"Shat-Trimsa", ShatTrimsaSamaDasa, 31, 0.0, 0.0, 365.2425, "\nShat-Trimsa Sama Dasa:\n\nVenu 2000-01-01  ",
       24},
      // Dwadasottari: position (27 - 0) mod 8 = 3, Ketu.
      {"Dwadasottari", DwadasottariDasa, 32, 0.0, 0.0, 365.2425, "\nDwadasottari Dasa:\n\nKetu 2000-01-01  ", 9},
      // Shodasottari: position ((0 + 20) + 1) mod 8 = 5, Ketu.
      {"Shodasottari", ShodasottariDasa, 35, 0.0, 0.0, 365.2425, "\nShodasottari Dasa:\n\nKetu 2000-01-01  ", 8},
  };
  for (const Case& c : cases) Check(c);
}

TEST(NakshatraFamily, SubPeriodAtExactlyBirthIsNotShown) {
  // Tithi Ashtottari, Sun 0 and Moon 21: tithi 1 (Sukla Dwitiya), lord the
  // Moon, 0.25 of it to run (3 years 9 months). Its sub-periods last
  // years * 50 days; Venus's, the seventh, begins 81 * 50 days after the
  // true start: exactly at 0 ghatis of the birth date, so it is not shown,
  // and neither is the skipped fifth sub-period's line break.
  const Case exact = {"Venus at birth", TithiAshtottariDasa, 38, 0.0, 21.0, 360.0,
                      "\nTithi Ashtottari Dasa:\n\nMoon 2000-01-01  Sun  2002-11-16\nMars 2003-09-12", 9};
  // The Moon 0.101 deg further back: Venus begins 45.5 days after birth.
  const Case after = {"Venus after birth", TithiAshtottariDasa, 38, 0.0, 20.899, 360.0,
                      "\nTithi Ashtottari Dasa:\n\nMoon 2000-01-01  Venu 2000-02-15  Sun  2002-12-31\nMars 2003-10-27",
                      9};
  Check(exact);
  Check(after);
}

TEST(NakshatraFamily, TithiDasas) {
  const Case cases[] = {
      // Moon 359 deg ahead of the Sun: Amavasya, lord Rahu, 1/12 of it left:
      // none of its sub-periods starts after birth.
      {"Tithi Yogini at Amavasya", TithiYoginiDasa, 40, 10.0, 9.0, 365.2425,
       "Tithi Yogini Dasa:\n\nRahu 2000-01-01\nMoon ", 22},
      // Moon 12 deg ahead: Sukla Dwitiya with all of it to run, lord the Moon
      // (1 Yogini year); its sub-periods last years/36 of a year (10.15 days).
      {"Tithi Yogini at Sukla Dwitiya", TithiYoginiDasa, 40, 100.0, 112.0, 365.2425,
       "Tithi Yogini Dasa:\n\nMoon 2000-01-01  Sun  2000-01-11  Jupi 2000-01-31", 22},
      // Pournimasya (Moon 175 deg ahead): Saturn.
      {"Tithi Ashtottari at the full moon", TithiAshtottariDasa, 38, 0.0, 175.0, 365.2425,
       "\nTithi Ashtottari Dasa:\n\nSatu 2000-01-01  ", 9},
  };
  for (const Case& c : cases) Check(c);
  // Tithi Yogini ends with one line end, the others with two.
  auto state = MakeChart(2000, 1, 1, 100.0, 112.0, 365.2425, 40);
  TithiYoginiDasa(*state, Settings{}, state->report);
  EXPECT_NE(Text(*state).substr(Text(*state).size() - 2), "\n\n");
  state = MakeChart(2000, 1, 1, 0.0, 175.0, 365.2425, 38);
  TithiAshtottariDasa(*state, Settings{}, state->report);
  EXPECT_EQ(Text(*state).substr(Text(*state).size() - 2), "\n\n");
}

TEST(NakshatraFamily, AshtottariGroups) {
  const Case cases[] = {
      // Bharani lies in Rahu's group, which began in Uttara Bhadrapada
      // (333.33 deg): from there to 20.5 deg is 47.17 deg across 0 Aries, so
      // 0.115625 of the group and of Rahu's 12 years (499.5 days) is left.
      // None of Rahu's sub-periods starts after birth.
      {"Bharani, across 0 Aries", AshtottariDasa, 37, 0.0, 20.5, 360.0,
       "\nAshtottari Dasa:\n\nRahu 2000-01-01\nVenu 2001-05-14", 9},
      // 0 deg Aries: half of Rahu's group run, 6 years left.
      {"0 Aries", AshtottariDasa, 37, 0.0, 0.0, 365.2425, "\nAshtottari Dasa:\n\nRahu 2000-01-01", 9},
      // Krittika at 30 deg: Venus's group from 26.67 deg, 3.33 of 40 deg run.
      {"Krittika", AshtottariDasa, 37, 0.0, 30.0, 365.2425, "\nAshtottari Dasa:\n\nVenu 2000-01-01", 9},
      // The last double of Bharani, the end of Rahu's group: the distance
      // across 0 Aries rounds to the whole group, yet Rahu keeps a sliver and
      // Venus begins on the birth date.
      {"end of Rahu's group", AshtottariDasa, 37, 0.0, 26.66666666666666, 365.2425,
       "\nAshtottari Dasa:\n\nRahu 2000-01-01\nVenu 2000-01-01  Sun  ", 9},
      // The first double of Krittika: Venus's whole period.
      {"start of Venus's group", AshtottariDasa, 37, 0.0, 26.666666666666664, 365.2425,
       "\nAshtottari Dasa:\n\nVenu 2000-01-01  Sun  ", 9},
  };
  for (const Case& c : cases) Check(c);
  // Rahu's 12 years from 0 Aries: half run, Venus follows 6 years
  // (2191.46 days) later.
  auto state = MakeChart(2000, 1, 1, 0.0, 0.0, 365.2425, 37);
  AshtottariDasa(*state, Settings{}, state->report);
  EXPECT_NE(Text(*state).find("\nVenu 2005-12-31"), std::string::npos) << Text(*state);
}

TEST(NakshatraFamily, CompressedDasasOfMundaneCharts) {
  // Compressed Vimsottari over 120 days: a Vimsottari year is one day, and
  // the first main period (Ketu, Ashwini) runs whole from the chart date.
  // Ketu's sub-periods last years * 7/120 days; Venus's begins 0.41 days in,
  // still on the chart date but after its 0 ghatis.
  Check({"Compressed Vimsottari", CompressedVimsottariDasa, 15, 0.0, 0.0, 365.2425,
         "\nCompressed Vimsottari Dasas (120 days):\n\nKetu 2000-01-01  Venu 2000-01-01  Sun  2000-01-02  Moon "
         "2000-01-02  Mars 2000-01-03" +
             kBreak15 + "  Rahu 2000-01-03  Jupi 2000-01-04  Satu 2000-01-05  Merc 2000-01-07\nVenu 2000-01-08",
         10},
        120.0);
  // Ten main periods: the tenth is Ketu again, 120 days after the first.
  auto state = MakeChart(2000, 1, 1, 0.0, 0.0, 365.2425, 15);
  state->options.mundaneDays = 120.0;
  CompressedVimsottariDasa(*state, Settings{}, state->report);
  EXPECT_NE(Text(*state).find("\nKetu 2000-04-30"), std::string::npos);

  // Compressed Yogini begins with the balance: Moon at 10 deg, a quarter of
  // Ashwini left, so Mars has 1 of its 4 years (of 10.1456 days) left. Its
  // sub-periods of the Moon, the Sun and Jupiter begin 3.33, 3.44 and 3.67
  // years into it, after birth.
  Check({"Compressed Yogini", CompressedYoginiDasa, 16, 0.0, 10.0, 365.2425,
         "\nCompressed Yogini Dasas (365 days):\n\nMars 2000-01-01  Moon 2000-01-04  Sun  2000-01-05  Jupi "
         "2000-01-07\nMerc 2000-01-11",
         9},
        365.2425);
}

TEST(NakshatraFamily, ShashtihayaniIsANotice) {
  auto state = MakeChart(2000, 1, 1, 0.0, 0.0, 365.2425, 39);
  ShashtihayaniDasa(*state, Settings{}, state->report);
  EXPECT_EQ(Text(*state),
            "\n\n\n        Shashtihayani Dasa is not yet programmed.\n\n        It may be available in the next release.\n");
}

}  // namespace
}  // namespace orvane
