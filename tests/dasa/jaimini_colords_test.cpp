#include "dasa/jaimini_colords.h"

#include <gtest/gtest.h>

#include <string>

namespace orvane {
namespace {

using enum Rasi;

// Signs of the nine planets, Sun..Ketu, and their degrees in the sign.
struct Placement {
  std::array<Rasi, 9> sign;
  std::array<double, 9> degrees = {10, 10, 10, 10, 10, 10, 10, 10, 10};
};

CoLordChart ChartOf(const Placement& placement) {
  CoLordChart chart;
  chart.sign.fill(ToInt(kAries));
  for (int planet = kSun; planet <= kKetu; ++planet) {
    chart.sign[planet] = ToInt(placement.sign[planet - 1]);
    chart.degrees[planet] = placement.degrees[planet - 1];
  }
  return chart;
}

// Each row is built so that the named rule separates the two planets; the
// degrees (the last rule) always favour the other one.
TEST(StrongerCoLord, FirstSeparatingRuleDecides) {
  struct Case {
    const char* rule;
    Placement placement;  // Su Mo Ma Me Ju Ve Sa Ra Ke
    int p, q, expected;
  };
  const Case cases[] = {
      {"1: more occupants beats an exalted planet alone",
       {{kCancer, kCancer, kCancer, kTaurus, kTaurus, kLeo, kLeo, kGemini, kSagittarius},
        {10, 10, 1, 10, 10, 10, 10, 10, 29}},
       kMars, kKetu, kMars},
      {"2: Jupiter influences Aquarius (movable, not next to it), not Taurus",
       {{kPisces, kPisces, kAquarius, kGemini, kAries, kGemini, kCapricorn, kScorpio, kTaurus},
        {10, 10, 1, 10, 10, 10, 10, 10, 29}},
       kMars, kKetu, kMars},
      {"2: a dual sign draws support from Jupiter and Mercury in dual signs",
       {{kAries, kAries, kTaurus, kSagittarius, kPisces, kAries, kVirgo, kCancer, kAries},
        {10, 10, 10, 10, 10, 10, 1, 29, 10}},
       kSaturn, kRahu, kSaturn},
      {"3: exalted Mars in Capricorn beats Ketu in a dual sign",
       {{kAries, kAries, kCapricorn, kAries, kAries, kAries, kAries, kPisces, kVirgo},
        {10, 10, 1, 10, 10, 10, 10, 10, 29}},
       kMars, kKetu, kMars},
      {"3: debilitated Mars in Cancer loses to Ketu in Aries",
       {{kGemini, kGemini, kCancer, kGemini, kGemini, kGemini, kGemini, kGemini, kAries},
        {10, 10, 29, 10, 10, 10, 10, 10, 1}},
       kMars, kKetu, kKetu},
      {"4: Ketu in its moolatrikona Pisces beats Mars in Gemini",
       {{kAries, kAries, kGemini, kAries, kAries, kAries, kAries, kAries, kPisces},
        {10, 10, 29, 10, 10, 10, 10, 10, 1}},
       kMars, kKetu, kKetu},
      {"5: Saturn in its own Capricorn beats Rahu in Aries",
       {{kGemini, kGemini, kLeo, kGemini, kGemini, kGemini, kCapricorn, kAries, kGemini},
        {10, 10, 10, 10, 10, 10, 1, 29, 10}},
       kSaturn, kRahu, kSaturn},
      {"6: dual Gemini beats fixed Leo",
       {{kTaurus, kAries, kGemini, kTaurus, kTaurus, kAries, kAries, kAries, kLeo},
        {10, 10, 1, 10, 10, 10, 10, 10, 29}},
       kMars, kKetu, kMars},
      {"6: fixed Taurus beats movable Cancer",
       {{kGemini, kGemini, kGemini, kGemini, kGemini, kGemini, kTaurus, kCancer, kGemini},
        {10, 10, 10, 10, 10, 10, 1, 29, 10}},
       kSaturn, kRahu, kSaturn},
      {"7: Ketu in Virgo lies further on from Scorpio than Mars in Gemini",
       {{kAries, kAries, kGemini, kAries, kAries, kAries, kAries, kAries, kVirgo},
        {10, 10, 29, 10, 10, 10, 10, 10, 1}},
       kMars, kKetu, kKetu},
      {"7: Saturn in Sagittarius lies further on from Aquarius than Rahu in Pisces",
       {{kAries, kAries, kAries, kAries, kAries, kAries, kSagittarius, kPisces, kAries},
        {10, 10, 10, 10, 10, 10, 1, 29, 10}},
       kSaturn, kRahu, kSaturn},
      {"8: Saturn and Rahu together in Taurus, Rahu further into it",
       {{kAries, kAries, kAries, kAries, kAries, kAries, kTaurus, kTaurus, kAries},
        {10, 10, 10, 10, 10, 10, 12, 12.5, 10}},
       kSaturn, kRahu, kRahu},
      {"8: equal in every rule: the first argument",
       {{kAries, kAries, kAries, kAries, kAries, kAries, kTaurus, kTaurus, kAries}},
       kSaturn, kRahu, kSaturn},
      {"a code outside 1..9 loses", {{kAries, kAries, kAries, kAries, kAries, kAries, kAries, kAries, kAries}},
       0, kMars, kMars},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rule);
    const CoLordChart chart = ChartOf(c.placement);
    EXPECT_EQ(StrongerCoLord(chart, kJaiminiLords, c.p, c.q), c.expected);
    if (c.rule[0] == '8' && c.placement.degrees[kSaturn - 1] == c.placement.degrees[kRahu - 1]) {
      // Equal degrees: whichever planet is named first.
      EXPECT_EQ(StrongerCoLord(chart, kJaiminiLords, c.q, c.p), c.q);
    } else {
      EXPECT_EQ(StrongerCoLord(chart, kJaiminiLords, c.q, c.p), c.expected);
    }
  }
}

TEST(DecideCoLords, OccupantsOfScorpioAndAquariusOverrideStrength) {
  struct Case {
    const char* name;
    Placement placement;  // Su Mo Ma Me Ju Ve Sa Ra Ke
    int scorpio, aquarius;
  };
  const Case cases[] = {
      // Ascendant Virgo, Sun Pisces, Moon Aquarius, Mars, Mercury, Venus and
      // Saturn Aries, Jupiter Libra, Rahu Aquarius, Ketu Leo.
      {"default chart: Rahu in Aquarius, Mars with three others",
       {{kPisces, kAquarius, kAries, kAries, kLibra, kAries, kAries, kAquarius, kLeo}},
       kMars, kSaturn},
      {"Ketu in Scorpio gives Mars even when Ketu is stronger",
       {{kScorpio, kScorpio, kCancer, kTaurus, kTaurus, kTaurus, kAries, kTaurus, kScorpio}},
       kMars, kRahu},
      {"Mars in Scorpio gives Ketu even when Mars is stronger",
       {{kScorpio, kScorpio, kScorpio, kAries, kAries, kAries, kAries, kTaurus, kTaurus}},
       kKetu, kSaturn},
      {"both in Scorpio: Ketu's presence is looked at first",
       {{kAries, kAries, kScorpio, kAries, kAries, kAries, kAries, kTaurus, kScorpio}},
       kMars, kSaturn},
      {"Saturn in Aquarius gives Rahu",
       {{kAries, kAries, kAries, kAries, kAries, kAries, kAquarius, kLeo, kAquarius}},
       kMars, kRahu},
      {"neither in its sign: the stronger one (Rahu with the Sun and Moon)",
       {{kGemini, kGemini, kAries, kAries, kAries, kAries, kLibra, kGemini, kSagittarius}},
       kMars, kRahu},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const JaiminiLordTable lords = DecideCoLords(ChartOf(c.placement));
    EXPECT_EQ(lords[ToInt(kScorpio)], c.scorpio);
    EXPECT_EQ(lords[ToInt(kAquarius)], c.aquarius);
    for (int s = 0; s < 12; ++s) {
      if (s != ToInt(kScorpio) && s != ToInt(kAquarius)) {
        EXPECT_EQ(lords[s], kJaiminiLords[s]) << "sign " << s;
      }
    }
  }
}

TEST(DecideCoLords, SignsOutsideTheZodiacAreTakenWholeTurnsRound) {
  // Ketu at sign 19 is Scorpio, Rahu at -2 is Aquarius.
  CoLordChart chart = ChartOf({{kAries, kAries, kAries, kAries, kAries, kAries, kAries, kAries, kAries}});
  chart.sign[kKetu] = 19;
  chart.sign[kRahu] = -2;
  const JaiminiLordTable lords = DecideCoLords(chart);
  EXPECT_EQ(lords[ToInt(kScorpio)], kMars);
  EXPECT_EQ(lords[ToInt(kAquarius)], kSaturn);
}

TEST(MakeCoLordChart, DegreesAreTakenInTheRasi) {
  std::array<std::int32_t, kSlotCount> signs{};
  std::array<double, kSlotCount> longitudes{};
  longitudes[kMars] = 359.5;
  longitudes[kKetu] = 30.0;
  longitudes[kSun] = 95.25;
  const CoLordChart chart = MakeCoLordChart(signs, longitudes);
  EXPECT_EQ(chart.degrees[kMars], 29.5);
  EXPECT_EQ(chart.degrees[kKetu], 0.0);
  EXPECT_EQ(chart.degrees[kSun], 5.25);
}

}  // namespace
}  // namespace orvane
