// Kalachakra dasa on hand-made charts: the pada class, the running sign and
// its balance, the following class's cycle and the line layout.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "dasa/dasa.h"
#include "tests/dasa/dasa_fixture.h"

namespace orvane {
namespace {

using testing_support::kBreak13;
using testing_support::MainLines;
using testing_support::MakeChart;
using testing_support::Text;

std::string RunKalachakra(double moon, double yearLength) {
  auto state = MakeChart(2000, 1, 1, 0.0, moon, yearLength, 1);
  KalachakraDasa(*state, Settings{}, state->report);
  return Text(*state);
}

// The sign names that open the main-period lines.
std::vector<std::string> MainSigns(const std::string& text) {
  std::vector<std::string> signs;
  for (const std::string& line : MainLines(text)) signs.push_back(line.substr(0, 2));
  return signs;
}

TEST(KalachakraDasa, RunningSignAndFollowingCycle) {
  struct Case {
    const char* name;
    double moon;
    std::vector<std::string> signs;
  };
  const Case cases[] = {
      // Ashwini pada 1 at 0 deg: class 0 with its whole 100 years; the first
      // sign runs whole and twelve periods are listed (nine of class 0,
      // three of class 1).
      {"start of a pada", 0.0, {"Ar", "Ta", "Ge", "Cn", "Le", "Vi", "Li", "Sc", "Sg", "Cp", "Aq", "Pi"}},
      // Bharani pada 4 (class 7) near its start: 0.998 of 86 years left, the
      // walk back from Sagittarius stops at Cancer, the first sign; class 7
      // is followed by class 0.
      {"class 7 from its first sign", 23.34, {"Cn", "Le", "Ge", "Ta", "Ar", "Pi", "Aq", "Cp", "Sg", "Ar", "Ta", "Ge"}},
      // Bharani pada 4 near its end: the ninth sign runs, then all nine of
      // class 0.
      {"class 7 -> 0", 26.66, {"Sg", "Ar", "Ta", "Ge", "Cn", "Le", "Vi", "Li", "Sc", "Sg"}},
      // Mrigasira pada 4 (class 15) near its end: Aries with 5 of its 7 years,
      // then the nine signs of class 8.
      {"class 15 -> 8", 66.5, {"Ar", "Sg", "Cp", "Aq", "Pi", "Ar", "Ta", "Ge", "Le", "Cn"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string text = RunKalachakra(c.moon, 365.2425);
    EXPECT_EQ(text.substr(0, 18), "Kalachakra Dasa:\n\n");
    EXPECT_EQ(MainSigns(text), c.signs) << text;
    EXPECT_EQ(text.back(), '\n');
  }
}

TEST(KalachakraDasa, LinesOfTheFirstPeriods) {
  struct Case {
    const char* name;
    double moon;
    double yearLength;
    std::string expectedStart;
  };
  const Case cases[] = {
      // Aries from birth, 7 years at 360 days: its sub-periods last
      // years(sign) * 25.2 days; the Taurus period follows after 2520 days.
      {"whole first sign", 0.0, 360.0,
       "Kalachakra Dasa:\n\nAr 2000-01-01  Ta 2000-06-25  Ge 2001-08-02  Cn 2002-03-17  Le 2003-08-28" + kBreak13 +
           "  Vi 2004-01-01  Li 2004-08-15  Sc 2005-09-22  Sg 2006-03-18\nTa 2006-11-25"},
      // Aries (the ninth of class 15) with 5 of its 7 years left: its true
      // start lies 2 years before birth; Virgo, the fifth sub-period, is the
      // first after birth, so the line breaks right after it. Sagittarius of
      // class 8 follows 5 * 365.2425 days after birth.
      {"ninth sign with a balance", 66.5, 365.2425,
       "Kalachakra Dasa:\n\nAr 2000-01-01  Vi 2000-10-19" + kBreak13 +
           "  Le 2001-06-06  Cn 2001-10-12  Ge 2003-04-02  Ta 2003-11-18\nSg 2004-12-31  "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string text = RunKalachakra(c.moon, c.yearLength);
    EXPECT_EQ(text.substr(0, c.expectedStart.size()), c.expectedStart) << text;
  }
}

TEST(KalachakraDasa, EveryPadaOfTheZodiac) {
  // Every pada, at its start, its middle and the last double before its end,
  // and on its bounds: a class in 0..15 (signs from the tables), a running
  // sign found within the cycle, and ten to twelve periods.
  for (int pada = 0; pada < 108; ++pada) {
    const double start = pada * (10.0 / 3);
    for (double moon : {start, start + 1.5, std::nextafter(start + 10.0 / 3, 0.0), start + 1e-12}) {
      SCOPED_TRACE(moon);
      const std::string text = RunKalachakra(moon, 365.2425);
      const std::size_t count = MainLines(text).size();
      EXPECT_GE(count, 10u);
      EXPECT_LE(count, 12u);
    }
  }
}

TEST(KalachakraDasa, WritesOnlyItsOwnSection) {
  for (int section : {0, 2, 42, kNoSection}) {
    SCOPED_TRACE(section);
    auto state = MakeChart(2000, 1, 1, 0.0, 100.0, 365.2425, section);
    testing_support::DeriveAndWriteSection(*state);
    EXPECT_EQ(Text(*state).find("Kalachakra"), std::string::npos);
  }
}

}  // namespace
}  // namespace orvane
