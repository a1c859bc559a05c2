// Pancha Vargeeya Bala, its classes and the year lord.
#include <gtest/gtest.h>

#include <string>

#include "tajaka/tajaka.h"
#include "tajaka/tajaka_rules.h"
#include "vedic/shadbala.h"
#include "tests/tajaka/tajaka_fixture.h"

namespace orvane {
namespace {

using testing_support::MakeTajakaChart;
using testing_support::Text;

TEST(PanchaVargeeya, ClassBoundariesBelongToTheHigherClass) {
  struct Row {
    double bala;
    int expected;
  };
  const Row rows[] = {
      {0, tajaka::kWeak},          {4.999, tajaka::kWeak},        {5, tajaka::kOrdinary},
      {9.999, tajaka::kOrdinary},  {10, tajaka::kPowerful},       {14.999, tajaka::kPowerful},
      {15, tajaka::kVeryStrong},   {19.999, tajaka::kVeryStrong}, {20, tajaka::kExtraordinary},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(testing::Message() << "bala " << r.bala);
    EXPECT_EQ(tajaka::PanchaClassOf(r.bala), r.expected);
  }
}

TEST(PanchaVargeeya, SourcesByRelationshipAndUchcha) {
  struct Row {
    const char* name;
    int planet, rasiLord, haddaLord, drekkanaLord, navamsaLord;
    double uchcha, expected;
  };
  const Row rows[] = {
      // (30 + 15 + 10 + 5 + 60 / 3) / 4
      {"all own, full uchcha", 1, 1, 1, 1, 1, 60, 20},
      // friends Jupiter, Mars, Mars; enemy Saturn: (15 + 7.5 + 5 + 1.25 + 10) / 4
      {"Sun among friends", 1, 5, 3, 3, 7, 30, 9.6875},
      // enemy Mars, friend Venus, own, friend Mercury: (7.5 + 7.5 + 10 + 2.5 + 0) / 4
      {"Saturn mixed", 7, 3, 6, 7, 4, 0, 6.875},
      // enemies Venus, Mercury, Saturn, Venus: (7.5 + 3.75 + 2.5 + 1.25) / 4
      {"Moon among enemies", 2, 6, 4, 7, 6, 0, 3.75},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_DOUBLE_EQ(
        tajaka::PanchaVargeeyaOf(r.planet, r.rasiLord, r.haddaLord, r.drekkanaLord, r.navamsaLord, r.uchcha),
        r.expected);
  }
  EXPECT_EQ(tajaka::PanchaClassOf(tajaka::PanchaVargeeyaOf(1, 1, 1, 1, 1, 60)), tajaka::kExtraordinary);
}

TEST(PanchaVargeeya, UchchaBalaFromTheDebilitationPoint) {
  struct Row {
    int planet;
    double longitude, expected;
  };
  const Row rows[] = {
      {1, 190, 0}, {1, 10, 60}, {7, 200, 60}, {7, 110, 30}, {2, 183, 10},
      {7, 320, 20},  // 60 deg from 20 back across 0 Aries
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(testing::Message() << "planet " << r.planet << " at " << r.longitude);
    EXPECT_NEAR(UchchaBala(r.planet, r.longitude), r.expected, 1e-12);
  }
}

TEST(PanchaVargeeya, SectionRowsAndClasses) {
  auto state = MakeTajakaChart({0, 10, 213}, 11);
  VedicState& v = state->vedic;
  // Sun: own sign, hadda, drekkana and navamsa, at its exaltation (180 deg
  // from 190): 20, "Extraordinary".
  v.rasi[kSun] = 4;
  v.haddaLord[kSun] = kSun;
  v.vargaSign[kD3][kSun] = 4;
  v.vargaSign[kD9][kSun] = 4;
  // Moon: Libra (Venus, enemy), hadda Venus, drekkana Gemini (Mercury,
  // enemy), navamsa Aries (Mars, friend), at its debilitation:
  // (7.5 + 3.75 + 2.5 + 2.5) / 4 = 4.0625.
  v.rasi[kMoon] = 6;
  v.haddaLord[kMoon] = kVenus;
  v.vargaSign[kD3][kMoon] = 2;
  v.vargaSign[kD9][kMoon] = 0;
  PanchaVargeeyaBala(*state, Settings{}, testing_support::SectionBuffer(*state));
  const std::string expected =
      "    Sun      20.00    Extraordinary\n"
      "    Moon     04.06    Weak\n";
  EXPECT_EQ(Text(*state).substr(0, expected.size()), expected);
  EXPECT_EQ(state->tajaka.panchaClass[kSun], tajaka::kExtraordinary);
  EXPECT_DOUBLE_EQ(state->tajaka.panchaBala[kMoon], 4.0625);
  EXPECT_EQ(state->tajaka.panchaClass[kMoon], tajaka::kWeak);
}

// The five offices of a chart with the ascendant at 10 Aries (varsha lagna
// pati Mars; tri-rashi pati the Sun by day, Jupiter by night), the natal
// ascendant and the muntha in Leo (the Sun twice).
TEST(Varsheswara, PassesAndFallback) {
  struct Row {
    const char* name;
    bool day;
    double sun, moon, mars;
    double sunBala, marsBala, saturnBala;
    int expected;
  };
  const Row rows[] = {
      // Sun: four votes, in the 5th sign at the ascendant's degree, Powerful.
      {"pass 1", true, 130, 10, 10, 12, 0, 0, kSun},
      // A later planet of a higher class replaces the chosen one.
      {"pass 1, higher class later", true, 130, 10, 10, 12, 0, 16, kSaturn},
      // 7th and 10th signs never aspect, however close: no office-bearer
      // qualifies and the lord of the Sun's sign is named.
      {"7th sign", true, 190, 10, 10, 12, 0, 0, kVenus},
      {"10th sign", true, 280, 10, 10, 12, 0, 0, kSaturn},
      // 19 deg from the ascendant's degree, beyond the Sun's 15: pass 2.
      {"pass 2", true, 149, 10, 10, 12, 0, 0, kSun},
      // Pass 3: Sun (9) then Mars (9.5) within 1 of it: no clear winner,
      // the lord of the Sun's sign (Sagittarius) by day...
      {"pass 3 fallback by day", true, 250, 10, 130, 9, 9.5, 0, kJupiter},
      // ... of the Moon's sign (Gemini) by night.
      {"pass 3 fallback by night", false, 149, 70, 250, 9, 9.5, 0, kMercury},
      // Mars more than 1 above the Sun wins.
      {"pass 3 clear winner", true, 250, 10, 130, 9, 11, 0, kMars},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    auto state = MakeTajakaChart({10, r.sun, r.moon, r.mars, 10, 10, 10, 10, 200, 20}, kNoSection);
    state->vedic.dayBirth = r.day ? 1 : 0;
    state->tajaka.natalLongitude[kAscendant] = 130;
    state->vedic.munthaRasi = 4;
    state->tajaka.panchaBala[kSun] = r.sunBala;
    state->tajaka.panchaBala[kMars] = r.marsBala;
    state->tajaka.panchaBala[kSaturn] = r.saturnBala;
    for (int p = kSun; p <= kSaturn; ++p)
      state->tajaka.panchaClass[p] = tajaka::PanchaClassOf(state->tajaka.panchaBala[p]);
    EXPECT_EQ(tajaka::FindVarsheswara(*state), r.expected);
    EXPECT_EQ(state->tajaka.yearLord, r.expected);
  }
}

}  // namespace
}  // namespace orvane
