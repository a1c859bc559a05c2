#include "vedic/ashtakavarga.h"

#include <gtest/gtest.h>

#include <numeric>
#include <random>
#include <string>

#include "tests/common/chart_with_report.h"
#include "compute/pipeline.h"
#include "tests/vedic/strength_fixture.h"
#include "compute/calculation_pass.h"
#include "vedic/strength.h"

namespace orvane {
namespace {

using testing_strength::Longitudes;
using testing_strength::MakeChart;

// The start-up default chart: 4 April 1970, 17:30, zone -5:30, 81E12, 16N15.
const BirthData kDefaultBirth = {4, 4, 1970, 17.5000, -5.30, -81.12, 16.15};

// Its signs: ascendant Virgo, Sun Pisces, Moon Aquarius, Mars, Mercury,
// Venus and Saturn Aries, Jupiter Libra, Rahu Aquarius.
const AshtakavargaSigns kDefaultSigns = {5, 11, 10, 0, 0, 6, 0, 0, 10};

constexpr std::array<int, 7> kRowTotal = {48, 49, 39, 54, 56, 52, 39};

TEST(Ashtakavarga, EveryChartKeepsTheRowTotals) {
  std::mt19937 rng(20240404);
  std::uniform_real_distribution<double> longitude(0.0, 360.0);
  std::uniform_int_distribution<int> chart(0, kVargaCount - 1);
  const Settings settings;
  for (int i = 0; i < 3000; ++i) {
    Longitudes L{};
    for (double& x : L) x = longitude(rng);
    ChartState state = MakeChart(settings, L);
    state.options.ashtakavargaChart = chart(rng);
    SCOPED_TRACE(::testing::Message() << "chart " << i << ", choice " << state.options.ashtakavargaChart);
    state.vedic.strength.ashtakavarga = AshtakavargaOf(state, settings);
    const AshtakavargaState& a = state.vedic.strength.ashtakavarga;
    for (int p = 0; p < kAshtakavargaPlanets; ++p) {
      EXPECT_EQ(std::accumulate(a.bindu[p].begin(), a.bindu[p].end(), 0), kRowTotal[p]) << "planet " << p;
      for (int s = 0; s < 12; ++s) {
        EXPECT_GE(a.reduced[p][s], 0);
        EXPECT_LE(a.reduced[p][s], a.bindu[p][s]);
      }
    }
    EXPECT_EQ(std::accumulate(a.bindu[kSarvaRow].begin(), a.bindu[kSarvaRow].end(), 0), 337);
    for (int p = 0; p < kAshtakavargaPlanets; ++p) {
      EXPECT_EQ(a.sodyaPinda[p], a.rasiPinda[p] + a.grahaPinda[p]);
      EXPECT_GE(a.sensitiveSign[p], 0);
      EXPECT_LE(a.sensitiveSign[p], 11);
      EXPECT_GE(a.sensitiveNakshatra[p], 0);
      EXPECT_LE(a.sensitiveNakshatra[p], 26);
    }
  }
}

TEST(Ashtakavarga, TrikonaReduction) {
  struct Case {
    const char* name;
    std::array<int, 3> before;
    std::array<int, 3> after;
  };
  const Case cases[] = {
      {"a single 0 leaves the triplet", {4, 0, 2}, {4, 0, 2}},
      {"two zeros clear it", {4, 0, 0}, {0, 0, 0}},
      {"three equal values clear it", {3, 3, 3}, {0, 0, 0}},
      {"the smallest is taken from each", {5, 2, 3}, {3, 0, 1}},
      {"two equal smallest", {2, 6, 2}, {0, 4, 0}},
  };
  for (const Case& c : cases) {
    for (int first = 0; first < 4; ++first) {
      SCOPED_TRACE(::testing::Message() << c.name << ", triplet from sign " << first);
      SignRow row{};
      row.fill(7);  // the other triplets hold three equal values and become 0
      for (int k = 0; k < 3; ++k) row[first + 4 * k] = c.before[k];
      SignRow want{};
      for (int k = 0; k < 3; ++k) want[first + 4 * k] = c.after[k];
      ReduceTrikona(row);
      EXPECT_EQ(row, want);
    }
  }
}

TEST(Ashtakavarga, EkadhipatyaReduction) {
  enum Occupied { kNeither, kFirst, kSecond, kBoth };
  struct Case {
    const char* name;
    Occupied occupied;
    int a, b;          // first and second sign of the pair
    int wantA, wantB;
  };
  const Case cases[] = {
      {"unoccupied, equal", kNeither, 4, 4, 0, 0},
      {"unoccupied, unequal", kNeither, 5, 3, 3, 3},
      {"first occupied, first smaller", kFirst, 2, 6, 2, 2},
      {"first occupied, first larger", kFirst, 6, 2, 6, 0},
      {"first occupied, equal", kFirst, 3, 3, 3, 0},
      {"second occupied, second smaller", kSecond, 6, 2, 2, 2},
      {"second occupied, second larger", kSecond, 2, 6, 0, 6},
      {"both occupied", kBoth, 5, 3, 5, 3},
      {"a zero stops it", kNeither, 0, 4, 0, 4},
      {"a zero stops it (second)", kFirst, 4, 0, 4, 0},
  };
  // Aries-Scorpio, Taurus-Libra, Gemini-Virgo, Sagittarius-Pisces, Capricorn-Aquarius.
  const std::array<std::array<int, 2>, 5> pairs = {{{0, 7}, {1, 6}, {2, 5}, {8, 11}, {9, 10}}};
  for (const Case& c : cases) {
    for (const auto& pair : pairs) {
      SCOPED_TRACE(::testing::Message() << c.name << ", signs " << pair[0] << " and " << pair[1]);
      SignRow row{};
      row[pair[0]] = c.a;
      row[pair[1]] = c.b;
      std::array<bool, 12> occupied{};
      occupied[pair[0]] = c.occupied == kFirst || c.occupied == kBoth;
      occupied[pair[1]] = c.occupied == kSecond || c.occupied == kBoth;
      ReduceEkadhipatya(row, occupied);
      EXPECT_EQ(row[pair[0]], c.wantA);
      EXPECT_EQ(row[pair[1]], c.wantB);
    }
  }
}

TEST(Ashtakavarga, RahuAndTheAscendantOccupyASignKetuDoesNot) {
  const Settings settings;
  // Everything in Leo except the point under test, alone in Scorpio.
  struct Case {
    const char* name;
    int slot;
    bool occupies;
  };
  const Case cases[] = {{"ascendant", kAscendant, true}, {"Rahu", kRahu, true}, {"Ketu", kKetu, false},
                        {"Saturn", kSaturn, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Longitudes L{};
    L.fill(130.0);
    L[c.slot] = 220.0;
    const ChartState state = MakeChart(settings, L);
    const std::array<bool, 12> occupied = OccupiedSigns(AshtakavargaChartSigns(state, settings));
    EXPECT_EQ(occupied[7], c.occupies);
    EXPECT_TRUE(occupied[4]);
  }
}

// The chosen chart's signs come from the longitudes of this pass, whatever a
// previous pass left in the divisional arrays.
TEST(Ashtakavarga, ChosenChartSignsAreComputedInThePass) {
  Settings settings;
  const Longitudes L = {164.87, 350.87, 328.57, 26.66, 3.12, 189.76, 7.91, 15.10, 316.89, 136.89};
  struct Case {
    const char* name;
    int choice;
    AshtakavargaSigns want;
  };
  const Case cases[] = {
      // floor(L / 30)
      {"rasi", kD1, {5, 11, 10, 0, 0, 6, 0, 0, 10}},
      // floor(0.3 L) mod 12
      {"navamsa", kD9, {1, 9, 2, 7, 0, 8, 2, 4, 11}},
      // (s + floor(d / 2.5)) mod 12
      {"dwadasamsa", kD12, {10, 7, 9, 10, 1, 9, 3, 6, 4}},
      // Cancer-Leo hora: odd signs Leo then Cancer, even signs Cancer then Leo
      {"hora", kD2, {3, 4, 3, 3, 4, 4, 4, 3, 3}},
      // a choice outside the dialog's list reads the rasi
      {"transit", 20, {5, 11, 10, 0, 0, 6, 0, 0, 10}},
      {"negative", -1, {5, 11, 10, 0, 0, 6, 0, 0, 10}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ChartState state = MakeChart(settings, L);
    for (auto& chart : state.vedic.vargaSign) chart.fill(3);  // a stale pass's arrays
    state.options.ashtakavargaChart = c.choice;
    state.vedic.strength.ashtakavarga = AshtakavargaOf(state, settings);
    EXPECT_EQ(state.vedic.strength.ashtakavarga.chartSign, c.want);
  }
}

TEST(Ashtakavarga, SensitivePointOfAMultipleOfTwentySevenAndTwelve) {
  // Venus: sodya pinda 135, 4 bindus in the eleventh sign from it: 540 is a
  // multiple of 27 and of 12, which names Revathi and Pisces.
  const AshtakavargaSigns signs = {6, 8, 1, 9, 3, 0, 11, 3, 6};
  AshtakavargaState a;
  ComputeAshtakavargaFromSigns(a, signs);
  EXPECT_EQ(a.rasiPinda[5], 91);
  EXPECT_EQ(a.grahaPinda[5], 44);
  EXPECT_EQ(a.sodyaPinda[5], 135);
  EXPECT_EQ(a.bindu[5][(11 + 10) % 12], 4);
  EXPECT_EQ(a.sensitiveSign[5], 11);
  EXPECT_EQ(a.sensitiveNakshatra[5], 26);
}

// Sections of the default chart, written from the formats: the sign header,
// "%2d*" where the planet stands (Sun in Pisces, Moon in Aquarius, ...),
// the reduced rows and the pindas.
const char* const kDefaultPindas =
    "Sodya Pindas:\n\n"
    "     RasiP GrahaP SodyaP  Rasi  Nakshatra\n\n"
    "Sun     55     30     85    Cn  Visakha\n"
    "Moon   120     10    130    Cn  Punarvasu\n"
    "Mars    75     15     90    Vi  Jyeshtha\n"
    "Merc    88     40    128    Pi  U.Pha.\n"
    "Jupi    47     15     62    Cp  Hastha\n"
    "Venu   125     20    145    Li  Visakha\n"
    "Satu   136     40    176    Pi  Krittika\n"
    "\n";

const char* const kDefaultTables =
    "\r\nAshtakavarga Tables (before reduction):\n\n"
    "      Ar Ta Ge Cn Le Vi Li Sc Sg Cp Aq Pi \n"
    "Sun    4  2  4  4  3  3  4  5  6  4  5  4*\n"
    "Moon   3  3  5  5  7  4  4  3  4  5  6* 0 \n"
    "Mars   3* 2  2  6  3  4  2  4  3  3  5  2 \n"
    "Merc   5* 5  3  6  4  4  3  5  6  4  6  3 \n"
    "Jupi   4  6  4  4  5  5  5* 3  6  6  4  4 \n"
    "Venu   3* 4  6  5  4  4  3  3  6  5  7  2 \n"
    "Satu   2* 0  4  2  3  7  1  2  4  3  6  5 \n"
    "Total 24 22 28 32 29 31 22 25 35 30 39 20 \n"
    "\nAshtakavarga Tables (after reduction):\n\n"
    "      Ar Ta Ge Cn Le Vi Li Sc Sg Cp Aq Pi \n"
    "Sun    1  0  0  0  0  1  0  0  3  1  1  0 \n"
    "Moon   0  0  0  5  4  1  0  3  1  0  2  0 \n"
    "Mars   0  0  0  4  0  2  0  2  0  0  3  0 \n"
    "Merc   1  1  0  3  0  0  0  1  2  0  3  0 \n"
    "Jupi   0  0  0  1  1  0  1  0  1  1  0  1 \n"
    "Venu   0  0  3  3  1  0  0  1  3  0  4  0 \n"
    "Satu   0  0  0  0  1  7  0  0  0  0  5  3 \n"
    "Total  0  0  0 12  5  9  0  5 11  0 17  0 \n"
    "\n";

// The default chart cast by the engine, with the rasi and divisional signs
// the calculation pass derives before its strength steps.
testing_support::ChartWithReport DefaultChart(const Settings& settings) {
  testing_support::ChartWithReport state;
  EXPECT_TRUE(ComputeChartFromBirth(state, settings, kDefaultBirth));
  Longitudes L{};
  for (int slot = 0; slot < 10; ++slot) L[slot] = state.slotLongitude[slot];
  testing_strength::SetPositions(state, settings, L);
  return state;
}

TEST(AshtakavargaReport, DefaultChartSections) {
  const Settings settings;
  testing_support::ChartWithReport state = DefaultChart(settings);
  ASSERT_EQ(AshtakavargaChartSigns(state, settings), kDefaultSigns);

  struct Case {
    int section;
    std::string want;
  };
  const Case cases[] = {
      {3, std::string(kDefaultTables) + kDefaultPindas},
      {17, kDefaultPindas},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "section " << c.section);
    state.report.Clear();
    state.report.Appendf("left over from an earlier section");
    WriteSectionAlone(state, settings, c.section, state.report);
    EXPECT_EQ(std::string(state.report.Text()), c.want);
  }
}

TEST(AshtakavargaReport, PrastaraTablesListTheContributors) {
  const Settings settings;
  testing_support::ChartWithReport state = DefaultChart(settings);
  WriteSectionAlone(state, settings, 18, state.report);
  const std::string text(state.report.Text());
  // Sun's bindus in Aries: 2nd from the Sun, 3rd from the Moon, 1st from
  // Mars and from Saturn; in Pisces: 1st from the Sun, 12th from Mercury,
  // 6th from Jupiter, 12th from Venus.
  EXPECT_EQ(text.rfind("Prastara Ashtakavarga Tables:\n\nSun   Ar:  Sun , Moon, Mars, Satu\n", 0), 0u) << text;
  EXPECT_NE(text.find("      Pi:  Sun , Merc, Jupi, Venu\n\nMoon  Ar:"), std::string::npos) << text;
  EXPECT_EQ(text.find("Merc  Ar:"), std::string::npos);

  WriteSectionAlone(state, settings, 19, state.report);
  const std::string second(state.report.Text());
  EXPECT_EQ(second.rfind("Merc  Ar:", 0), 0u) << second;
  EXPECT_NE(second.find("\nSatu  Ar:"), std::string::npos);
  EXPECT_EQ(second.substr(second.size() - 2), "\n\n");
}

TEST(AshtakavargaReport, OtherSectionsLeaveTheBufferAlone) {
  const Settings settings;
  testing_support::ChartWithReport state = DefaultChart(settings);
  state.report.Clear();
  state.report.Appendf("kept");
  state.vedic.strength.ashtakavarga = AshtakavargaOf(state, settings);
  EXPECT_EQ(std::string(state.report.Text()), "kept");
}

// One state used for two charts in turn: the second chart's ashtakavarga of
// the navamsa reads the second chart's navamsa, not the first one's left in
// the divisional arrays.
TEST(AshtakavargaReport, ChosenChartOfTheSameChartThroughThePipeline) {
  const Settings settings;
  testing_support::ChartWithReport state;
  ASSERT_TRUE(ComputeChartFromBirth(state, settings, kDefaultBirth));
  AshtakavargaSigns firstNavamsa{};
  for (int slot = 0; slot < 9; ++slot) firstNavamsa[slot] = state.vedic.vargaSign[kD9][slot];
  BirthData later = kDefaultBirth;
  later.time = 5.00;  // twelve and a half hours earlier: another ascendant and Moon
  state.options.ashtakavargaChart = kD9;
  ASSERT_TRUE(ComputeChartFromBirth(state, settings, later, 3, &state.report));
  AshtakavargaSigns navamsa{};
  for (int slot = 0; slot < 9; ++slot) navamsa[slot] = state.vedic.vargaSign[kD9][slot];
  ASSERT_NE(navamsa, firstNavamsa);
  EXPECT_EQ(state.vedic.strength.ashtakavarga.chartSign, navamsa);
  // "*" marks stand where the planets are in that chart: the Sun's own row.
  const std::string text(state.report.Text());
  const std::size_t sunRow = text.find("\nSun   ");
  ASSERT_NE(sunRow, std::string::npos);
  EXPECT_EQ(text[sunRow + 7 + 3 * navamsa[kSun] + 2], '*') << text;
}

// Through the whole pipeline: the calculation pass derives the signs and the
// day count itself and gives the same text.
TEST(AshtakavargaReport, DefaultChartThroughThePipeline) {
  const Settings settings;
  testing_support::ChartWithReport state;
  ASSERT_TRUE(ComputeChartFromBirth(state, settings, kDefaultBirth, 3, &state.report));
  EXPECT_EQ(std::string(state.report.Text()), std::string(kDefaultTables) + kDefaultPindas);
}

}  // namespace
}  // namespace orvane
