#include "display/chart_labels.h"

#include <algorithm>

namespace orvane {
namespace {

using SlotLabels = std::array<std::string_view, kSlotCount>;

// Direct labels on the screen and on paper, by body slot.
constexpr SlotLabels kScreenDirect = {
    "Asc", "Su",  "Mo",  "Ma",  "Me",  "Ju",  "Ve",  "Sa",  "Rh",  "Ke",
    "SL",  "BL",  "HL",  "GL",  "VL",  "V2",  "V3",  "V4",  "V5",  "V6",
    "V7",  "V8",  "V9",  "V10", "V11", "V12", "Ura", "Nep", "Plu", "Dhu",
    "Vya", "Par", "Chp", "Upk", "Kal", "Mri", "APr", "YGh", "Mnd", "Glk",
};

constexpr SlotLabels WithLabels(SlotLabels table, int first, std::initializer_list<std::string_view> labels) {
  for (std::string_view label : labels) table[first++] = label;
  return table;
}

// [form][retrograde][slot]: the bitmap form spells the grahas with three
// letters; retrograde Mars..Saturn and the outer planets carry an "R".
constexpr std::array<std::array<SlotLabels, 2>, 2> kBodyLabels = {{
    {{kScreenDirect,
      WithLabels(WithLabels(kScreenDirect, kMars, {"MaR", "MeR", "JuR", "VeR", "SaR"}), kUranus,
                 {"Ur(r)", "Ne(r)", "Pl(r)"})}},
    {{WithLabels(WithLabels(kScreenDirect, kSun, {"Sun", "Moo", "Mar", "Mer", "Jup", "Ven", "Sat", "Rah", "Ket"}),
                 kUranus, {"Uran"}),
      WithLabels(WithLabels(kScreenDirect, kSun,
                            {"Sun", "Moo", "MarR", "MerR", "JupR", "VenR", "SatR", "Rah", "Ket"}),
                 kUranus, {"UraR", "NepR", "PluR"})}},
}};
static_assert(kBodyLabels[1][0][kUranus] == "Uran" && kBodyLabels[1][1][kPluto] == "PluR");
static_assert(kBodyLabels[0][1][kSaturn] == "SaR" && kBodyLabels[0][1][kRahu] == "Rh");

constexpr std::array<std::string_view, kChartChoiceCount> kChartTitles = {
    "Rasi",     "Hora",       "Drekkana",   "Chaturthamsa", "Panchamsa",      "Shashthamsa",
    "Saptamsa", "Ashtamsa",   "Navamsa",    "Dasamsa",      "Rudramsa",       "Dwadasamsa",
    "Shodasamsa", "Vimsamsa", "Chaturvimsamsa", "Nakshatramsa", "Trimsamsa", "Khavedamsa",
    "Akshavedamsa", "Shashtyamsa", "Rasi",
};
constexpr std::array<std::string_view, kChartChoiceCount> kDivisionLabels = {
    "D-1",  "D-2",  "D-3",  "D-4",  "D-5",  "D-6",  "D-7",  "D-8",  "D-9",  "D-10",    "D-11",
    "D-12", "D-16", "D-20", "D-24", "D-27", "D-30", "D-40", "D-45", "D-60", "Transit",
};

int ChartChoice(int chartIndex) { return chartIndex >= 0 && chartIndex < kChartChoiceCount ? chartIndex : 0; }

bool IsSign(int s) { return s >= 0 && s < 12; }

}  // namespace

std::string_view BodyLabel(LabelForm form, int retrograde, int slot) {
  if (slot < 0 || slot >= kSlotCount) return {};
  return kBodyLabels[form == LabelForm::kBitmap ? 1 : 0][retrograde != 0 ? 1 : 0][slot];
}

std::string_view ChartTitle(int chartIndex) { return kChartTitles[ChartChoice(chartIndex)]; }

std::string_view DivisionLabel(int chartIndex) { return kDivisionLabels[ChartChoice(chartIndex)]; }

bool ShowsDivisionLabel(int chartIndex) {
  const int choice = ChartChoice(chartIndex);
  return choice != 0 && choice != 8;
}

std::vector<ShownBody> ShownBodies(const BodyGroups& groups) {
  std::vector<ShownBody> shown;
  shown.reserve(kSlotCount);
  BgrColour colour = kAscendantColour;
  for (int k = 0; k < kSlotCount; ++k) {
    if (k != kSreeLagna && k != kVarnadaLagna) shown.push_back({k, colour});
    if (k == kAscendant) colour = kBodyColour;

    if (!groups.specialLagnas && k == kKetu) k = groups.varnadaLagnas ? kGhatiLagna : kVarnadaLagna;
    if (!groups.varnadaLagnas && k == kVarnadaLagna) k = kVarnadaLagna + 11;
    if (!groups.outerPlanets && k == kVarnadaLagna + 11) k = kPluto;
    if (!groups.dhoomaGroup && k == kPluto) k = kUpaketu;
    if (!groups.gulikaGroup && k == kUpaketu) {
      colour = kUpagrahaColour;
      k = kYamaGhantaka;
    }

    // The colour of the group that follows the slot reached.
    if (k == kKetu || k == kGhatiLagna) {
      colour = kSpecialLagnaColour;
    } else if (k == kVarnadaLagna) {
      colour = kVarnadaColour;
    } else if (k == kVarnadaLagna + 11) {
      colour = kOuterPlanetColour;
    } else if (k == kPluto || k == kUpaketu) {
      colour = kUpagrahaColour;
    }
  }
  return shown;
}

bool PadaShown(const PadaChoice& choice, int pada) {
  if (pada < 1 || pada > 12) return false;
  if (choice.all) return true;
  if (!choice.some) return false;
  return std::find(choice.chosen.begin(), choice.chosen.end(), pada) != choice.chosen.end();
}

std::array<int, 12> ArudhaPadaSigns(const std::array<std::int32_t, kSlotCount>& signs,
                                    const JaiminiLordTable& lords) {
  std::array<int, 12> padas;
  padas.fill(-1);
  const int ascendant = signs[kAscendant];
  if (!IsSign(ascendant)) return padas;
  for (int p = 1; p <= 12; ++p) {
    const int s = (ascendant + p - 1) % 12;
    const int lord = lords[s];
    if (lord < kSun || lord > kKetu || !IsSign(signs[lord])) continue;
    int a = (2 * signs[lord] + 12 - s) % 12;  // [0, 11]
    if (a == s || a == s - 6 || a == s + 6) a = (a + 9) % 12;
    padas[p - 1] = a;
  }
  return padas;
}

}  // namespace orvane
