#include "vedic/shadbala.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "tests/common/chart_with_report.h"
#include "cli/json.h"
#include "compute/pipeline.h"
#include "tests/vedic/strength_fixture.h"
#include "compute/calculation_pass.h"
#include "vedic/strength.h"

namespace orvane {
namespace {

using testing_strength::Longitudes;
using testing_strength::MakeChart;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// Planets Sun..Saturn by record index.
constexpr const char* kPlanetName[7] = {"Sun", "Moon", "Mars", "Mercury", "Jupiter", "Venus", "Saturn"};

TEST(Drishti, ValuesAndSpecialAspects) {
  struct Case {
    int planet;
    double d;
    double want;
  };
  const Case cases[] = {
      {kSun, 0, 0},          {kSun, 29.9, 0},       {kSun, 30, 0},         {kSun, 45, 7.5},
      {kSun, 60, 15},        {kSun, 90, 45},        {kSun, 100, 40},       {kSun, 120, 30},
      {kSun, 150, 0},        {kSun, 165, 30},       {kSun, 180, 60},       {kSun, 240, 30},
      {kSun, 299, 0.5},      {kSun, 300, 0},        {kSun, 359, 0},
      // Mars adds 15 on its 4th and 8th
      {kMars, 90, 60},       {kMars, 119.5, 45.25}, {kMars, 120, 30},      {kMars, 210, 60},
      {kMars, 240, 30},
      // Jupiter adds 30 on its 5th and 9th: 120 degrees behind a planet gives 60
      {kJupiter, 120, 60},   {kJupiter, 150, 0},    {kJupiter, 240, 60},   {kJupiter, 270, 15},
      // Saturn adds 45 on its 3rd and 10th
      {kSaturn, 60, 60},     {kSaturn, 89, 89},     {kSaturn, 90, 45},     {kSaturn, 270, 60},
      {kSaturn, 300, 0},
      // no special aspects for the others
      {kVenus, 120, 30},     {kMercury, 90, 45},    {kMoon, 270, 15},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << kPlanetName[c.planet - 1] << " at " << c.d);
    EXPECT_DOUBLE_EQ(DrishtiValue(c.planet, c.d), c.want);
  }
}

// Ascendant and planets spread so that no two are joined or opposed.
const Longitudes kSpread = {0, 10, 100, 160, 40, 200, 70, 280, 130, 310};

TEST(Shadbala, UchchaBalaAtTheDebilitationPointAndOpposite) {
  const Settings settings;
  const double debilitation[7] = {190, 213, 118, 345, 275, 177, 20};
  for (const double offset : {0.0, 180.0}) {
    Longitudes L = kSpread;
    for (int p = 0; p < 7; ++p) L[p + 1] = std::fmod(debilitation[p] + offset, 360.0);
    ChartState state = MakeChart(settings, L);
    ComputeShadbala(state, settings, state.vedic.strength);
    for (int p = 0; p < 7; ++p) {
      SCOPED_TRACE(::testing::Message() << kPlanetName[p] << " " << offset << " from its debilitation");
      EXPECT_DOUBLE_EQ(state.vedic.strength.shadbala[p][kUchchaBala], offset / 3);
    }
  }
}

// At either end of its moolatrikona range a planet scores 45 for the rasi;
// just outside it the rasi scores by the relationship with its lord (own
// sign 30; the Moon in Taurus is a friend of Venus in Gemini, 15). Only the
// longitude moves: every sign array stays as it was.
TEST(Shadbala, MoolatrikonaRangeIncludesBothEnds) {
  const Settings settings;
  struct Case {
    double from;
    double to;
    double rasiPointsOutside;
  };
  const Case cases[7] = {{120, 140, 30}, {34, 50, 15}, {0, 12, 30},   {166, 170, 30},
                         {240, 250, 30}, {180, 195, 30}, {300, 320, 30}};
  for (int p = 0; p < 7; ++p) {
    for (const bool upper : {false, true}) {
      SCOPED_TRACE(::testing::Message() << kPlanetName[p] << (upper ? " upper end" : " lower end"));
      Longitudes L = kSpread;
      L[kVenus] = 65;  // Gemini, next to the Moon's Taurus
      const double end = upper ? cases[p].to : cases[p].from;
      L[p + 1] = end;
      ChartState state = MakeChart(settings, L);
      ComputeShadbala(state, settings, state.vedic.strength);
      const double inside = state.vedic.strength.shadbala[p][kSaptavargaBala];
      const double outside = upper ? end + 1e-9 : end - 1e-9;
      state.slotLongitude[p + 1] = outside < 0 ? outside + 360 : outside;
      ComputeShadbala(state, settings, state.vedic.strength);
      EXPECT_DOUBLE_EQ(inside - state.vedic.strength.shadbala[p][kSaptavargaBala],
                       45 - cases[p].rasiPointsOutside);
    }
  }
}

// The Moon 90 degrees ahead of the Sun is benefic, 89 malefic: its paksha
// bala and its aspect on Saturn (180 or 181 degrees ahead) change sign.
TEST(Shadbala, MoonNinetyDegreesFromTheSun) {
  const Settings settings;
  struct Case {
    double moon;
    int flag;
    double paksha;
  };
  const Case cases[] = {
      {100, 1, 2 * 30.0},                 // benefic: y = 30, doubled
      {99, -1, 2 * (60 - 89.0 / 3)},     // malefic: 60 - y, doubled
  };
  double saturnDrig[2] = {};
  for (int i = 0; i < 2; ++i) {
    SCOPED_TRACE(::testing::Message() << "Moon at " << cases[i].moon);
    Longitudes L = kSpread;
    L[kMoon] = cases[i].moon;
    ChartState state = MakeChart(settings, L);
    ComputeShadbala(state, settings, state.vedic.strength);
    const StrengthState& st = state.vedic.strength;
    EXPECT_EQ(st.beneficFlag[kMoon], cases[i].flag);
    EXPECT_EQ(st.beneficFlag[kMercury], 1);  // Mercury stays unassociated
    EXPECT_NEAR(st.shadbala[1][kPakshaBala], cases[i].paksha, 1e-12);
    saturnDrig[i] = st.shadbala[6][kDrigBala];
  }
  // +60 / 4 from the benefic Moon, -59.5 / 4 from the malefic one.
  EXPECT_NEAR(saturnDrig[0] - saturnDrig[1], (60 + 59.5) / 4, 1e-12);
}

TEST(Shadbala, MercuryTakesTheNatureOfItsCompany) {
  const Settings settings;
  // Sun 10, Moon 100 (benefic, 90 ahead), Mars 160, Jupiter 200, Venus 30,
  // Saturn 280, Rahu 130.
  const Longitudes base = {0, 10, 100, 160, 0, 200, 30, 280, 130, 310};
  struct Case {
    const char* name;
    double mercury;
    int flag;
  };
  const Case cases[] = {
      {"alone", 50, 1},
      {"joined with Venus (15 degrees)", 45, 1},
      {"joined with Rahu", 120, -1},
      {"joined with Mars", 170, -1},
      {"in Mars's 4th (80 degrees ahead): -0.75", 240, -1},
      {"in Jupiter's 9th (230 degrees ahead): +0.75", 70, 1},
      {"joined with the Moon and opposite Saturn: +1 - 1 = 0, associated", 100, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Longitudes L = base;
    L[kMercury] = c.mercury;
    const ChartState state = MakeChart(settings, L);
    EXPECT_EQ(BeneficFlags(state)[kMercury], c.flag);
  }
}

TEST(Shadbala, AyanaBalaAtTheSolstitialPoints) {
  const Settings settings;
  // x = sidereal + 23: 67 gives x = 90 (declination +24), 247 gives x = 270
  // (declination -24), the last row of the table read to its end.
  struct Case {
    const char* name;
    int slot;
    double longitude;
    double want;
  };
  const Case cases[] = {
      {"Sun at +24, doubled", kSun, 67, (24 + 24) * 1.25 * 2},
      {"Sun at -24, doubled", kSun, 247, 0},
      {"Moon at +24", kMoon, 67, 0},
      {"Moon at -24", kMoon, 247, 60},
      {"Mercury at -24 (absolute)", kMercury, 247, 60},
      {"Jupiter at -24", kJupiter, 247, 0},
      {"Saturn at -24", kSaturn, 247, 60},
      {"Venus at the equinox", kVenus, 337, 30},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Longitudes L = kSpread;
    L[c.slot] = c.longitude;
    ChartState state = MakeChart(settings, L);
    ComputeShadbala(state, settings, state.vedic.strength);
    EXPECT_NEAR(state.vedic.strength.shadbala[c.slot - 1][kAyanaBala], c.want, 1e-12);
  }
  struct Row {
    double y;
    double minutes;
  };
  const Row rows[] = {{0, 0}, {7.5, 181}, {15, 362}, {45, 1002}, {82.5, 1414}, {90, 1440}};
  for (const Row& r : rows) {
    SCOPED_TRACE(::testing::Message() << "declination at " << r.y);
    EXPECT_NEAR(TableDeclination(r.y), r.minutes / 60, 1e-12);
  }
}

// A day or night length of 0 or not finite (the polar fallback can give
// one) takes the first third instead of dividing by it.
TEST(Shadbala, TribhagaPart) {
  struct Case {
    const char* name;
    int daytime;
    double minutes;
    double day;
    double night;
    int part;
  };
  const Case cases[] = {
      {"day, first third", 1, 200, 30, 0, 0},
      {"day, last third", 1, 600, 30, 0, 2},
      {"day, on the bound of the second third", 1, 240, 30, 30, 1},
      {"night, second third", 0, 1000, 30, 30, 1},
      {"night, last third", 0, 1400, 30, 30, 2},
      {"day of length 0", 1, 600, 0, 30, 0},
      {"day of length NaN", 1, 600, kNaN, 30, 0},
      {"day of infinite length", 1, 600, kInf, 30, 0},
      {"night of length 0", 0, 1000, 30, 0, 0},
      {"night of length NaN", 0, 1000, 30, kNaN, 0},
      {"night after a day of length NaN", 0, 1000, kNaN, 30, 0},
      {"minutes NaN", 1, kNaN, 30, 30, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SunriseValues sr;
    sr.bornInDaytime = static_cast<std::uint8_t>(c.daytime);
    sr.minutesSinceSunrise = c.minutes;
    sr.dayLength = c.day;
    sr.nightLength = c.night;
    EXPECT_EQ(TribhagaPart(sr), c.part);
  }
}

TEST(Shadbala, NightBirthWithoutANightLengthStaysFinite) {
  const Settings settings;
  ChartState state = MakeChart(settings, kSpread);
  state.sunrise.bornInDaytime = 0;
  state.sunrise.fallback = 1;
  state.sunrise.minutesSinceSunrise = 1000;
  state.sunrise.dayLength = 30;
  state.sunrise.nightLength = 0;
  ComputeShadbala(state, settings, state.vedic.strength);
  const StrengthState& st = state.vedic.strength;
  EXPECT_EQ(st.shadbala[1][kTribhagaBala], 60);  // the Moon rules the first third of the night
  EXPECT_EQ(st.shadbala[4][kTribhagaBala], 60);  // Jupiter always
  for (int p = 0; p < 7; ++p) {
    for (int item = 0; item < kShadbalaItemCount; ++item) {
      EXPECT_TRUE(std::isfinite(st.shadbala[p][item])) << kPlanetName[p] << " item " << item;
    }
  }
}

// The start-up default chart, cast by the engine, with the signs and the
// day count (52203: 1 January 1900 is 26543, 70 years with 17 leap days,
// 90 days of January to March, 3 more) the pass derives before.
const BirthData kDefaultBirth = {4, 4, 1970, 17.5000, -5.30, -81.12, 16.15};

testing_support::ChartWithReport DefaultChart(const Settings& settings) {
  testing_support::ChartWithReport state;
  EXPECT_TRUE(ComputeChartFromBirth(state, settings, kDefaultBirth));
  Longitudes L{};
  for (int slot = 0; slot < 10; ++slot) L[slot] = state.slotLongitude[slot];
  testing_strength::SetPositions(state, settings, L);
  state.vedic.dayCount = 52203;
  return state;
}

// Written from the formats. A few rows by hand: uchcha of the Sun
// arc(350.87, 190) / 3 = 53.6; natonnata x = arc(164.87 + 90, 350.87) / 3 =
// 32.0 for the Sun, 60 - x for the Moon; a Saturday birth (vara 45 to
// Saturn) in the 12th hour after sunrise (hora: Saturn + 11 places =
// Venus); abda and masa to Jupiter (day count 52203); 29.6 of 30.8 ghatis
// of daytime fall in the last third (Saturn).
const char* const kDefaultSection13 =
    "                             Sun    Moon   Mars   Merc   Jupi   Venu   Satu   \n"
    "Sthana Bala\n"
    "    Uchcha Bala              53.6   38.5   30.4    6.0   28.4   56.4    1.6  \n"
    "    Saptavarga Bala         105.0  135.0  101.2   48.8   78.8   67.5   43.1  \n"
    "    Ojayugma Bala             0.0    0.0   15.0   30.0   30.0    0.0   30.0  \n"
    "    Kendra Bala              60.0   15.0   30.0   30.0   30.0   30.0   30.0  \n"
    "    Drekkana Bala             0.0   15.0    0.0    0.0   15.0    0.0   15.0  \n"
    "\n"
    "Kala Bala\n"
    "    Natonnata Bala           32.0   28.0   28.0   60.0   32.0   32.0   28.0  \n"
    "    Paksha Bala              52.6  105.1   52.6   52.6    7.4    7.4   52.6  \n"
    "    Tribhaga Bala             0.0    0.0    0.0    0.0   60.0    0.0   60.0  \n"
    "    Abda Bala                 0.0    0.0    0.0    0.0   15.0    0.0    0.0  \n"
    "    Masa Bala                 0.0    0.0    0.0    0.0   30.0    0.0    0.0  \n"
    "    Vara Bala                 0.0    0.0    0.0    0.0    0.0    0.0   45.0  \n"
    "    Hora Bala                 0.0    0.0    0.0    0.0    0.0   60.0    0.0  \n"
    "    Ayana Bala               74.0   34.2   52.4   42.8   14.2   45.0   12.0  \n"
    "    Yuddha Bala               0.0    0.0    0.0    0.0    0.0    0.0    0.0  \n"
    "\n"
    "Sthana Bala                 218.6  203.5  176.7  114.8  182.2  153.9  119.8  \n"
    "Digbala                      32.0   35.4   43.9    6.1   51.7   22.3   49.9  \n"
    "Kala Bala                   158.5  167.4  133.0  155.4  158.6  144.5  197.6  \n"
    "Chesta Bala                  34.6    7.4   14.4   37.8   53.2   47.6    9.6  \n"
    "Naisargika Bala              60.0   51.4   17.1   25.7   34.3   42.9    8.6  \n"
    "Drigbala                      5.6   10.3    8.7   11.1  -40.8   12.9   12.3  \n"
    "\n"
    "Shadbala Pinda              474.7  468.1  393.7  350.9  439.2  424.0  397.7  \n"
    "Shadbala Pinda (Rupas)       7.91   7.80   6.56   5.85   7.32   7.07   6.63  \n"
    "Shadbala Strength (%)       158.2  130.0  131.2   83.5  112.6  128.5  132.6  \n"
    "\n"
    "Ishta Phala                  43.1   16.9   20.9   15.1   38.9   51.8    4.0  \n"
    "Kashta Phala                 12.7   33.6   36.7   34.6   14.7    6.7   54.2  \n"
    "\n"
    "\n"
    "\n"
    "          1     2     3     4     5     6     7     8     9    10    11    12  \n"
    "\n"
    "Lord    351   424   394   439   398   398   439   394   424   351   468   475  \n"
    "Dik      60    50    20    30    10    10    30    40    50    30    10    40  \n"
    "Drik     -1    23    14    24    45    42    10    55    38    65    20    -6  \n"
    "\n"
    "Total   410   497   428   494   452   450   479   489   512   446   498   509  \n"
    "Rupas  6.83  8.28  7.13  8.23  7.54  7.50  7.99  8.15  8.54  7.43  8.29  8.48 ";

const char* const kDefaultSection22 =
    "SHADBALAS:\n"
    "                             Sun    Moon   Mars   Merc   Jupi   Venu   Satu   \n"
    "Sthana Bala                 218.6  203.5  176.7  114.8  182.2  153.9  119.8  \n"
    "Digbala                      32.0   35.4   43.9    6.1   51.7   22.3   49.9  \n"
    "Kala Bala                   158.5  167.4  133.0  155.4  158.6  144.5  197.6  \n"
    "Chesta Bala                  34.6    7.4   14.4   37.8   53.2   47.6    9.6  \n"
    "Naisargika Bala              60.0   51.4   17.1   25.7   34.3   42.9    8.6  \n"
    "Drigbala                      5.6   10.3    8.7   11.1  -40.8   12.9   12.3  \n"
    "\n"
    "Shadbala Pinda              474.7  468.1  393.7  350.9  439.2  424.0  397.7  \n"
    "Shadbala Pinda (Rupas)       7.91   7.80   6.56   5.85   7.32   7.07   6.63  \n"
    "Shadbala Strength (%)       158.2  130.0  131.2   83.5  112.6  128.5  132.6  \n"
    "\n"
    "Ishta Phala                  43.1   16.9   20.9   15.1   38.9   51.8    4.0  \n"
    "Kashta Phala                 12.7   33.6   36.7   34.6   14.7    6.7   54.2  \n"
    "\n"
    "BHAVA BALAS:\n"
    "\n"
    "          1     2     3     4     5     6     7     8     9    10    11    12  \n"
    "\n"
    "Total   410   497   428   494   452   450   479   489   512   446   498   509  \n"
    "Rupas  6.83  8.28  7.13  8.23  7.54  7.50  7.99  8.15  8.54  7.43  8.29  8.48 ";

TEST(ShadbalaReport, DefaultChartSections) {
  const Settings settings;
  testing_support::ChartWithReport state = DefaultChart(settings);
  ASSERT_EQ(state.sunrise.bornInDaytime, 1);
  struct Case {
    int section;
    const char* want;
  };
  const Case cases[] = {{13, kDefaultSection13}, {22, kDefaultSection22}};
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "section " << c.section);
    state.report.Clear();
    state.report.Appendf("left over from an earlier section");
    WriteSectionAlone(state, settings, c.section, state.report);
    EXPECT_EQ(std::string(state.report.Text()), c.want);
  }
}

TEST(ShadbalaReport, YuddhaBalaIsPrintedAsZero) {
  const Settings settings;
  testing_support::ChartWithReport state;
  static_cast<ChartState&>(state) = MakeChart(settings, kSpread);
  ComputeShadbala(state, settings, state.vedic.strength);
  WriteSectionAlone(state, settings, 13, state.report);
  EXPECT_NE(std::string(state.report.Text())
                .find("\n    Yuddha Bala               0.0    0.0    0.0    0.0    0.0    0.0    0.0  \n"),
            std::string::npos);
}

TEST(ShadbalaReport, OtherSectionsLeaveTheBufferAlone) {
  const Settings settings;
  testing_support::ChartWithReport state = DefaultChart(settings);
  state.report.Clear();
  state.report.Appendf("kept");
  ComputeShadbala(state, settings, state.vedic.strength);
  EXPECT_EQ(std::string(state.report.Text()), "kept");
}

TEST(ShadbalaReport, DefaultChartThroughThePipeline) {
  const Settings settings;
  testing_support::ChartWithReport state;
  ASSERT_TRUE(ComputeChartFromBirth(state, settings, kDefaultBirth, 13, &state.report));
  EXPECT_EQ(std::string(state.report.Text()), kDefaultSection13);
}

TEST(StrengthJson, DefaultChart) {
  const Settings settings;
  testing_support::ChartWithReport state = DefaultChart(settings);
  state.vedic.strength.ashtakavarga = AshtakavargaOf(state, settings);
  ComputeShadbala(state, settings, state.vedic.strength);
  JsonWriter json;
  json.BeginObject();
  WriteStrengthJson(json, state, settings);
  json.EndObject();
  const std::string& text = json.Text();
  // The first bindu row (Sun) and the first reduced row, as in section 3.
  EXPECT_NE(text.find("{\"ashtakavarga\":{\"bindus\":[[4,2,4,4,3,3,4,5,6,4,5,4],"), std::string::npos) << text;
  EXPECT_NE(text.find("\"reduced\":[[1,0,0,0,0,1,0,0,3,1,1,0],"), std::string::npos);
  EXPECT_NE(text.find("\"pindas\":[{\"rasi\":55,\"graha\":30,\"sodya\":85},"), std::string::npos);
  for (const char* key : {"\"Sun\":{\"uchcha\":", "\"Saturn\":{", "\"yuddha\":0,", "\"kashta\":", "\"pinda\":",
                          "\"rupas\":", "\"percent\":", "\"ishta\":", "\"bhava\":[{\"lord\":", "\"dik\":60,"}) {
    EXPECT_NE(text.find(key), std::string::npos) << key;
  }
  EXPECT_EQ(text.back(), '}');
}

}  // namespace
}  // namespace orvane
