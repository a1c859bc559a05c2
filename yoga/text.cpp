#include "yoga/text.h"

namespace orvane::yoga {
namespace {

std::string_view VargaWords(int varga) {
  return varga == 9 ? "navamsa (D-9)" : varga == 10 ? "dasamsa (D-10)" : "rasi (D-1)";
}

}  // namespace

std::string YogasText(const std::vector<FoundYoga>& found, int varga) {
  std::string out = "Yogas of the " + std::string(VargaWords(varga)) + ", houses in whole signs from the lagna: " +
                    std::to_string(found.size()) + " found\n";
  for (int f = 0; f < kFamilyCount; ++f) {
    const auto family = static_cast<Family>(f);
    bool header = false;
    for (const FoundYoga& y : found) {
      if (y.family != family) continue;
      if (!header) {
        out += "\n" + std::string(FamilyName(family)) + "\n";
        header = true;
      }
      out += "  " + std::string(y.name) + " (" + std::string(y.key) + ")" + (y.cancelled ? ", cancelled" : "") +
             "  [" + std::string(y.source) + "]\n";
      std::string planets, houses;
      for (int i = 0; i < kGrahaCount; ++i) {
        if (y.bodies.Has(BodyAt(i))) planets += (planets.empty() ? "" : ", ") + std::string(BodyName(BodyAt(i)));
      }
      for (const int h : y.houses) houses += (houses.empty() ? "" : ", ") + std::to_string(h);
      if (!planets.empty()) out += "      planets: " + planets + "; houses: " + houses + "\n";
      for (const Fact& c : y.conditions) out += "      - " + c.text + "\n";
      for (const Fact& w : y.weakenings) out += "      ! " + w.text + "\n";
    }
  }
  return out;
}

}  // namespace orvane::yoga
