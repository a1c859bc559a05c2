// What a chart shows: labels, names, the body groups under the display
// switches, and the arudha padas.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chart_fixture.h"
#include "display/chart_draw.h"
#include "display/chart_labels.h"

namespace orvane {
namespace {

TEST(BodyLabel, ScreenAndBitmapFormsDirectAndRetrograde) {
  struct Case {
    LabelForm form;
    int retrograde;
    int slot;
    std::string_view expected;
  };
  const Case cases[] = {
      {LabelForm::kScreen, 0, kAscendant, "Asc"}, {LabelForm::kBitmap, 0, kAscendant, "Asc"},
      {LabelForm::kScreen, 0, kSun, "Su"},        {LabelForm::kBitmap, 0, kMoon, "Moo"},
      {LabelForm::kScreen, 1, kMars, "MaR"},      {LabelForm::kBitmap, 1, kSaturn, "SatR"},
      {LabelForm::kScreen, 1, kRahu, "Rh"},       {LabelForm::kBitmap, 1, kKetu, "Ket"},
      {LabelForm::kScreen, 0, kSreeLagna, "SL"},  {LabelForm::kScreen, 0, 25, "V12"},
      {LabelForm::kScreen, 1, kUranus, "Ur(r)"},  {LabelForm::kBitmap, 0, kUranus, "Uran"},
      {LabelForm::kBitmap, 0, kNeptune, "Nep"},   {LabelForm::kBitmap, 1, kPluto, "PluR"},
      {LabelForm::kScreen, 0, kIndrachapa, "Chp"}, {LabelForm::kBitmap, 1, kArthaPrahara, "APr"},
      {LabelForm::kScreen, 0, kGulika, "Glk"},
      // Any non-zero flag is retrograde; visible outside the table have no label.
      {LabelForm::kScreen, -7, kJupiter, "JuR"},  {LabelForm::kScreen, 0, 40, ""},
      {LabelForm::kBitmap, 1, -1, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "slot " << c.slot << " retrograde " << c.retrograde);
    EXPECT_EQ(BodyLabel(c.form, c.retrograde, c.slot), c.expected);
  }
}

TEST(ChartTitle, NamesAndDivisionLabels) {
  struct Case {
    int index;
    std::string_view title, division;
    bool showsDivision;
  };
  const Case cases[] = {
      {0, "Rasi", "D-1", false},           {8, "Navamsa", "D-9", false},
      {2, "Drekkana", "D-3", true},         {12, "Shodasamsa", "D-16", true},
      {16, "Trimsamsa", "D-30", true},      {19, "Shashtyamsa", "D-60", true},
      {20, "Rasi", "Transit", true},        {21, "Rasi", "D-1", false},
      {-1, "Rasi", "D-1", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.index);
    EXPECT_EQ(ChartTitle(c.index), c.title);
    EXPECT_EQ(DivisionLabel(c.index), c.division);
    EXPECT_EQ(ShowsDivisionLabel(c.index), c.showsDivision);
  }
}

std::vector<int> Range(int first, int last) {
  std::vector<int> v;
  for (int k = first; k <= last; ++k) v.push_back(k);
  return v;
}

std::vector<int> Join(std::initializer_list<std::vector<int>> parts) {
  std::vector<int> v;
  for (const std::vector<int>& p : parts) v.insert(v.end(), p.begin(), p.end());
  return v;
}

TEST(ShownBodies, GroupsSwitchedOffAreSkippedAndColoursFollowTheGroups) {
  struct Case {
    const char* name;
    BodyGroups groups;  // special, varnada, outer, dhooma, gulika
    std::vector<int> visible;
  };
  const Case cases[] = {
      {"all off: ascendant, nine grahas, Mandi, Gulika", {false, false, false, false, false},
       Join({Range(0, 9), {38, 39}})},
      {"default switches", {true, false, false, false, false}, Join({Range(0, 9), Range(11, 13), {38, 39}})},
      {"Dhooma group only", {false, false, false, true, false}, Join({Range(0, 9), Range(29, 33), {38, 39}})},
      {"Gulika group only", {false, false, false, false, true}, Join({Range(0, 9), Range(34, 39)})},
      {"varnada without special lagnas", {false, true, false, false, false},
       Join({Range(0, 9), Range(15, 25), {38, 39}})},
      {"everything on", {true, true, true, true, true}, Join({Range(0, 9), Range(11, 13), Range(15, 39)})},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::vector<ShownBody> shown = ShownBodies(c.groups);
    std::vector<int> visible;
    for (const ShownBody& b : shown) visible.push_back(b.slot);
    EXPECT_EQ(visible, c.visible);
    for (const ShownBody& b : shown) {
      BgrColour expected = kUpagrahaColour;
      if (b.slot == kAscendant) {
        expected = kAscendantColour;
      } else if (b.slot <= kKetu) {
        expected = kBodyColour;
      } else if (b.slot <= kGhatiLagna) {
        expected = kSpecialLagnaColour;
      } else if (b.slot <= 25) {
        expected = kVarnadaColour;
      } else if (b.slot <= kPluto) {
        expected = kOuterPlanetColour;
      }
      EXPECT_EQ(b.colour, expected) << "slot " << b.slot;
    }
  }
}

TEST(PadaShown, AllSomeOrNone) {
  struct Case {
    const char* name;
    PadaChoice choice;
    std::vector<int> shown;
  };
  const Case cases[] = {
      {"all", {true, false, {0, 0, 0, 0, 0, 0}}, Range(1, 12)},
      {"all wins over some", {true, true, {1, 0, 0, 0, 0, 0}}, Range(1, 12)},
      {"some: 1, 12, 7", {false, true, {1, 12, 7, 0, 0, 0}}, {1, 7, 12}},
      {"some with values out of range", {false, true, {13, -1, 0, 4, 4, 99}}, {4}},
      {"none", {false, false, {1, 12, 7, 0, 0, 0}}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<int> shown;
    for (int p = -1; p <= 14; ++p) {
      if (PadaShown(c.choice, p)) shown.push_back(p);
    }
    EXPECT_EQ(shown, c.shown);
  }
}

TEST(ArudhaPadaSigns, CountedFromTheLordAndMovedOffTheSignAndItsSeventh) {
  using enum Rasi;
  const ChartDrawInput fixture = testing_support::DefaultChart();
  struct Case {
    const char* name;
    std::array<std::int32_t, kSlotCount> signs;
    JaiminiLordTable lords;
    std::array<int, 12> padas;
  };
  std::array<std::int32_t, kSlotCount> ariesRising = fixture.sign;
  ariesRising[kAscendant] = ToInt(kAries);
  ariesRising[kMars] = ToInt(kCancer);   // lord of Aries fourth from it: pada in the seventh
  ariesRising[kVenus] = ToInt(kGemini);  // lord of Taurus second from it
  std::array<std::int32_t, kSlotCount> scorpioRising = fixture.sign;
  scorpioRising[kAscendant] = ToInt(kScorpio);
  scorpioRising[kKetu] = ToInt(kSagittarius);
  JaiminiLordTable ketuLord = kJaiminiLords;
  ketuLord[ToInt(kScorpio)] = kKetu;
  std::array<std::int32_t, kSlotCount> noAscendant = fixture.sign;
  noAscendant[kAscendant] = 12;
  std::array<std::int32_t, kSlotCount> lostMoon = fixture.sign;
  lostMoon[kMoon] = -3;

  const Case cases[] = {
      // Virgo rising: Mercury in Aries puts AL in Scorpio; Venus (lord of
      // Libra) in Aries gives Libra itself, moved to Cancer; Mars in Aries
      // gives Aries for the eighth, moved to Capricorn.
      {"default chart", fixture.sign, kJaiminiLords, {7, 3, 5, 4, 0, 2, 1, 9, 11, 10, 5, 6}},
      {"Aries rising, Mars in Cancer: the seventh moves to the tenth from it", ariesRising, kJaiminiLords,
       {ToInt(kCancer), ToInt(kCancer), 10, 5, 6, 7, 10, 11, 4, 0, 2, 1}},
      {"Scorpio rising with Mars as its lord", scorpioRising, kJaiminiLords,
       {5, 4, 0, 2, 1, 9, 11, 10, 5, 6, 7, 3}},
      {"Scorpio rising with Ketu as its lord", scorpioRising, ketuLord, {9, 4, 0, 2, 1, 9, 11, 10, 5, 6, 7, 3}},
      {"no ascendant sign", noAscendant, kJaiminiLords, {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1}},
      {"the Moon has no sign", lostMoon, kJaiminiLords, {7, 3, 5, 4, 0, 2, 1, 9, 11, 10, -1, 6}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ArudhaPadaSigns(c.signs, c.lords), c.padas);
  }
}

TEST(ChartDrawOptionsFromSettings, StyleVariantsSwitchesAndPadas) {
  Settings settings;
  settings.chartStyle = kSouthMirrored;
  settings.showSpecialLagnas = 0;
  settings.showGulikaGroup = 1;
  settings.showAllPadas = 0;
  settings.showSomePadas = 1;
  settings.chosenPadas = {2, 3, 0, 0, 0, 0};
  settings.blackAndWhite = 1;
  ChartDrawOptions options = ChartDrawOptionsFromSettings(settings);
  EXPECT_EQ(options.chartStyle, kSouthMirrored);
  EXPECT_TRUE(options.southMirrored);
  EXPECT_FALSE(options.eastFramed);
  EXPECT_FALSE(options.groups.specialLagnas);
  EXPECT_FALSE(options.groups.dhoomaGroup);
  EXPECT_TRUE(options.groups.gulikaGroup);
  EXPECT_FALSE(options.groups.varnadaLagnas);
  EXPECT_FALSE(options.groups.outerPlanets);
  EXPECT_FALSE(options.padas.all);
  EXPECT_TRUE(options.padas.some);
  EXPECT_EQ(options.padas.chosen, settings.chosenPadas);
  EXPECT_TRUE(options.blackAndWhite);
  EXPECT_FALSE(options.printing);

  settings.chartStyle = kEastFramed;
  options = ChartDrawOptionsFromSettings(settings);
  EXPECT_FALSE(options.southMirrored);
  EXPECT_TRUE(options.eastFramed);
}

TEST(ChartDrawInputFromState, ChartChoiceSelectsTheSignTable) {
  auto state = std::make_unique<ChartState>();
  for (int varga = 0; varga < kVargaCount; ++varga) state->vedic.vargaSign[varga].fill(varga % 12);
  state->vedic.vargaSign[kD1][kSun] = 11;
  state->slotLongitude[kSun] = 345.5;
  state->slotRetrograde[kJupiter] = 1;
  struct Case {
    int chartIndex;
    int expectedAscendantSign;  // -1: empty chart
  };
  const Case cases[] = {{0, kD1 % 12}, {8, kD9 % 12}, {19, kD60 % 12}, {20, -1}, {21, kD1 % 12}, {-4, kD1 % 12}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.chartIndex);
    const ChartDrawInput input = ChartDrawInputFromState(*state, c.chartIndex);
    EXPECT_EQ(input.chartIndex, c.chartIndex);
    EXPECT_EQ(input.sign[kAscendant], c.expectedAscendantSign);
    EXPECT_EQ(input.longitude[kSun], 345.5);
    EXPECT_EQ(input.retrograde[kJupiter], 1);
  }
  EXPECT_EQ(ChartDrawInputFromState(*state, 0).sign[kSun], 11);
}

}  // namespace
}  // namespace orvane
