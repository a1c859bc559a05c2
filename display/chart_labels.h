// What a chart diagram shows, apart from how it is drawn: the label tables,
// chart names, which body slots are shown under the display switches (and in
// which colour), and the arudha padas.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "display/colours.h"
#include "dasa/jaimini_colords.h"
#include "chart/chart_state.h"

namespace orvane {

// Label forms: the screen and printer form ("Su", "MaR") and the longer form
// of exported bitmaps ("Sun", "MarR").
enum class LabelForm : int { kScreen = 0, kBitmap = 1 };

// Label of a slot in a form; any non-zero retrograde flag gives the
// retrograde form; a slot outside 0..39 gives "".
std::string_view BodyLabel(LabelForm form, int retrograde, int slot);

inline constexpr int kChartChoiceCount = 21;  // chart indices 0..20
// Chart name and division label by chart index ("Rasi", "D-1"); an index
// outside 0..20 names the Rasi.
std::string_view ChartTitle(int chartIndex);
std::string_view DivisionLabel(int chartIndex);
// Rasi and Navamsa show their name alone; the others add the division label.
bool ShowsDivisionLabel(int chartIndex);

// Pada labels by pada number - 1: "AL", "A2" .. "A11", "UL".
inline constexpr std::array<std::string_view, 12> kPadaLabels = {
    "AL", "A2", "A3", "A4", "A5", "A6", "A7", "A8", "A9", "A10", "A11", "UL"};

// The display switches that decide which slots a chart shows.
struct BodyGroups {
  bool specialLagnas = true;   // BL, HL, GL (slots 11..13)
  bool varnadaLagnas = false;  // V2..V12 (slots 15..25)
  bool outerPlanets = false;   // Uranus, Neptune, Pluto (slots 26..28)
  bool dhoomaGroup = false;    // Dhooma .. Upaketu (slots 29..33)
  bool gulikaGroup = false;    // Kaala .. Yama Ghantaka (slots 34..37)
};

struct ShownBody {
  int slot = 0;
  BgrColour colour = 0;
};

// The slots drawn, in drawing order, with their label colours. Slots are
// visited 0..39; after each, switched-off groups are skipped, checked in this
// order on the slot just visited: special lagnas off at 9 jump to 13 (varnada
// on) or 14; varnada off at 14 jump to 25; outer planets off at 25 jump to
// 28; Dhooma group off at 28 jump to 33; Gulika group off at 33 jump to 37.
// The colour changes before the group that follows the slot reached. Slots
// 10 (Sree lagna) and 14 (Varnada lagna) are never drawn; Mandi and Gulika
// always are.
std::vector<ShownBody> ShownBodies(const BodyGroups& groups);

// Which arudha padas a chart shows.
struct PadaChoice {
  bool all = true;                             // all twelve
  bool some = false;                           // only the chosen numbers
  std::array<int, 6> chosen = {1, 12, 7, 0, 0, 0};  // 1..12, 0 none
};
bool PadaShown(const PadaChoice& choice, int pada);

// Sign of arudha pada p (1..12) of the sign (ascendant + p - 1) mod 12, for
// each p, with `lords` the chart's sign lords (co-lords decided). The pada
// lies as far from the lord as the lord from the sign; a pada falling in the
// sign itself or in its seventh moves on to the tenth from there. -1 where
// the ascendant's or the lord's sign is not a sign (outside 0..11).
std::array<int, 12> ArudhaPadaSigns(const std::array<std::int32_t, kSlotCount>& signs,
                                    const JaiminiLordTable& lords);

}  // namespace orvane
