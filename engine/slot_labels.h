// The program's own short labels of the body slots, as used by the text
// screens. Each is an 8-byte field: the blank in "Sun " is data.
#pragma once

#include <array>
#include <string_view>

namespace orvane {

inline constexpr std::array<std::string_view, 41> kSlotLabel = {
    "Ascdt",   "Sun ",    "Moon",    "Mars",    "Mercury", "Jupiter", "Venus",   "Saturn", "Rahu",
    "Ketu",    "SreeLg",  "BhavaLg", "HoraLg",  "GhatiLg", "VarndLg", "V2",      "V3",     "V4",
    "V5",      "V6",      "V7",      "V8",      "V9",      "V10",     "V11",     "V12",    "Uran",
    "Nept",    "Plu",     "Dhooma",  "Vyati",   "Pari",    "I.Chapa", "Upaketu", "Kaala",  "Mrityu",
    "ArthaPr", "YamaGha", "Mandi",   "Gulika",  "Dummy",
};
static_assert([] {
  for (std::string_view label : kSlotLabel)
    if (label.size() >= 8) return false;  // fits its 8-byte field with the terminating zero
  return true;
}());

}  // namespace orvane
