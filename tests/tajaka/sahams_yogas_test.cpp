// Sahams: the night exchange, the 30-degree rule, the special inputs and
// the section with its important dates; Tajaka yogas.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tajaka/tajaka.h"
#include "tajaka/tajaka_rules.h"
#include "tests/tajaka/tajaka_fixture.h"

namespace orvane {
namespace {

using testing_support::LinesWith;
using testing_support::MakeTajakaChart;
using testing_support::Text;

tajaka::SahamChart ChartOf(const std::vector<double>& longitudes, bool night) {
  tajaka::SahamChart c;
  for (std::size_t i = 0; i < longitudes.size() && i < 10; ++i) c.longitude[i] = longitudes[i];
  c.night = night;
  return c;
}

TEST(Sahams, NightExchange) {
  // Ascendant 100, Sun 10, Moon 50, Jupiter 200, Saturn 150.
  const std::vector<double> points = {100, 10, 50, 0, 0, 200, 0, 150, 0, 0};
  struct Row {
    const char* name;
    int saham;
    bool night;
    double expected;
  };
  const Row rows[] = {
      // Moon - Sun + Asc, the ascendant beyond the Moon: + 30.
      {"Punya by day", tajaka::kPunya, false, 170},
      // Sun - Moon + Asc, the ascendant on the arc from the Moon to the Sun.
      {"Punya by night", tajaka::kPunya, true, 60},
      // Jupiter - Saturn + Asc either way, the ascendant before Saturn: + 30.
      {"Bhratru by day", tajaka::kBhratru, false, 180},
      {"Bhratru by night", tajaka::kBhratru, true, 180},
      // Fixed 105 - Saturn + Asc, the ascendant between Saturn and 105
      // going forward.
      {"Jalapatana", tajaka::kJalapatana, false, 55},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_DOUBLE_EQ(tajaka::ComputeSahamTable(ChartOf(points, r.night))[r.saham], r.expected);
  }
}

TEST(Sahams, ThirtyDegreeRuleUsesTheAscendant) {
  struct Row {
    const char* name;
    double ascendant, x, y, z, expected;
  };
  const Row rows[] = {
      {"ascendant between Y and X", 30, 50, 10, 0, 40},
      {"ascendant beyond X", 60, 50, 10, 0, 70},
      {"ascendant before Y", 5, 50, 10, 0, 70},
      {"ascendant at X", 50, 50, 10, 0, 40},
      {"ascendant at Y", 10, 50, 10, 0, 40},
      {"arc across 0 deg, ascendant after Y", 350, 20, 300, 0, 80},
      {"arc across 0 deg, ascendant before X", 10, 20, 300, 0, 80},
      {"arc across 0 deg, ascendant off the arc", 100, 20, 300, 0, 110},
      {"X equal to Y", 40, 40, 40, 123, 123},
      {"X equal to Y, ascendant elsewhere", 200, 40, 40, 123, 123},
      {"result reduced below 360", 30, 50, 10, 350, 30},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    const tajaka::SahamChart chart = ChartOf({r.ascendant}, false);
    EXPECT_DOUBLE_EQ(tajaka::ComputeSaham(chart, tajaka::kPitru, r.x, r.y, r.z), r.expected);
  }
}

TEST(Sahams, SamarthaAndKaryasiddhiInputs) {
  struct Row {
    const char* name;
    std::vector<double> points;
    bool night;
    int saham;
    double expected;
  };
  const Row rows[] = {
      // Ascendant in Aries (its lord Mars): Jupiter - Mars + Asc.
      {"Samartha, Mars lord of the ascendant", {15, 0, 0, 100, 0, 160}, false, tajaka::kSamartha, 105},
      // ... exchanged by night: Mars - Jupiter + Asc, no 30.
      {"Samartha by night", {15, 0, 0, 100, 0, 160}, true, tajaka::kSamartha, 315},
      // Ascendant in Taurus: Mars - Venus + Asc.
      {"Samartha, Venus lord of the ascendant", {45, 0, 0, 100, 0, 160, 80}, false, tajaka::kSamartha, 95},
      // By day Saturn - Sun + the lord of the Sun's sign (Mars at 200).
      {"Karyasiddhi by day", {100, 10, 50, 200, 0, 0, 70, 150}, false, tajaka::kKaryasiddhi, 340},
      // By night Saturn - Moon + the lord of the Moon's sign (Venus at 70),
      // X and Y not exchanged.
      {"Karyasiddhi by night", {100, 10, 50, 200, 0, 0, 70, 150}, true, tajaka::kKaryasiddhi, 170},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_DOUBLE_EQ(tajaka::ComputeSahamTable(ChartOf(r.points, r.night))[r.saham], r.expected);
  }
}

TEST(Sahams, SectionWithoutAndWithDates) {
  // Punya by day: 50 - 10 + 100 + 30 = 170, 20 deg 00 min of Virgo.
  const std::vector<double> points = {100, 10, 50, 0, 180, 200, 0, 150, 0, 0};
  {
    SCOPED_TRACE("natal chart");
    auto state = MakeTajakaChart(points, 10);
    state->options.tajakaMode = 0;
    ComputeSahams(*state, Settings{}, testing_support::SectionBuffer(*state));
    const std::string expected =
        "\nTajaka Sahams:\n\n  Name           Position  \n\n"
        "  Punya          20 Vi 00   \n";
    EXPECT_EQ(Text(*state).substr(0, expected.size()), expected);
    EXPECT_EQ(LinesWith(Text(*state), "-20").size(), 0u);
  }
  {
    SCOPED_TRACE("Tajaka chart of 5 April 2026");
    auto state = MakeTajakaChart(points, 10);
    ComputeSahams(*state, Settings{}, testing_support::SectionBuffer(*state));
    // Virgo's lord Mercury at 180 and the eleventh sign's (Cancer) lord, the
    // Moon at 50: 10, 350, 240, 120, 230 and 130 days on.
    const std::string expected =
        "\nTajaka Sahams:\n\n  Name           Position                                Important Dates\n\n"
        "  Punya          20 Vi 00     15-04-2026  21-03-2027  01-12-2026  03-08-2026  21-11-2026  13-08-2026\n";
    EXPECT_EQ(Text(*state).substr(0, expected.size()), expected);
    EXPECT_EQ(LinesWith(Text(*state), "  Labha          ").size(), 1u);
    EXPECT_DOUBLE_EQ(state->tajaka.sahams[tajaka::kPunya], 170);
  }
}

// Sun and Moon at 10 Taurus, Rahu and Ketu at 10 Virgo (trine to both),
// the other planets where they aspect nothing within the orbs.
const std::vector<double> kYogaChart = {0, 40, 40, 29.5, 81.5, 236.5, 250.5, 240.5, 160, 160};

TEST(TajakaYogas, EqualDegreesAndTheNodes) {
  auto state = MakeTajakaChart(kYogaChart, 12);
  TajakaYogas(*state, Settings{}, state->report);
  // The Moon, faster, at the Sun's degree: applying. Rahu and Ketu, equally
  // slow: separating. Rahu trine the Sun and the Moon forms nothing.
  EXPECT_EQ(Text(*state),
            "Tajaka Yogas:\n\n"
            "Poorna Ithasala:   Sun  and Moon   by   0.00 deg   (Conjunction)\n"
            "Poorna Easarpha:   Rahu and Ketu   by   0.00 deg   (Conjunction)\n"
            "\n");
}

TEST(TajakaYogas, KindsApplyingAndSeparating) {
  struct Row {
    double moon;
    const char* expected;  // the Sun-Moon line, or "" for none
  };
  const Row rows[] = {
      {35, "Ithasala:          Sun  and Moon   by   5.00 deg   (Conjunction)"},
      {45, "Easarpha:          Sun  and Moon   by   5.00 deg   (Conjunction)"},
      {39.5, "Poorna Ithasala:   Sun  and Moon   by   0.50 deg   (Conjunction)"},
      {40.75, "Poorna Easarpha:   Sun  and Moon   by   0.75 deg   (Conjunction)"},
      {53.5, "Easarpha:          Sun  and Moon   by   13.50 deg   (Conjunction)"},  // the mean orb itself
      {53.75, ""},                                                                   // beyond it
      {100, "Poorna Ithasala:   Sun  and Moon   by   0.00 deg   (Sextile)"},
      {130, "Poorna Ithasala:   Sun  and Moon   by   0.00 deg   (Square)"},
      {220, "Poorna Ithasala:   Sun  and Moon   by   0.00 deg   (Opposition)"},
      {10, "Poorna Ithasala:   Sun  and Moon   by   0.00 deg   (Semi-sextile)"},
      {190, ""},  // the 6th sign: no aspect
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(testing::Message() << "Moon at " << r.moon);
    std::vector<double> points = kYogaChart;
    points[kMoon] = r.moon;
    auto state = MakeTajakaChart(points, 12);
    TajakaYogas(*state, Settings{}, state->report);
    const std::vector<std::string> lines = LinesWith(Text(*state), "Sun  and Moon");
    if (*r.expected == '\0') {
      EXPECT_TRUE(lines.empty());
    } else {
      ASSERT_EQ(lines.size(), 1u);
      EXPECT_EQ(lines[0], r.expected);
    }
  }
}

TEST(TajakaYogas, NodesOnlyByConjunction) {
  struct Row {
    const char* name;
    double rahu, ketu;
    std::size_t rahuLines;
  };
  const Row rows[] = {
      {"Rahu trine the Sun at its degree", 160, 340, 0},
      {"Rahu square the Sun at its degree", 130, 310, 0},
      {"Rahu conjunct the Sun at its degree", 40, 220, 2},  // with the Sun and with the Moon
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    std::vector<double> points = kYogaChart;
    points[kRahu] = r.rahu;
    points[kKetu] = r.ketu;
    auto state = MakeTajakaChart(points, 12);
    TajakaYogas(*state, Settings{}, state->report);
    EXPECT_EQ(LinesWith(Text(*state), "Rahu").size(), r.rahuLines);
  }
}

}  // namespace
}  // namespace orvane
