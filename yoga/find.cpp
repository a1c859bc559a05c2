#include <algorithm>
#include <array>

#include "engine/zodiac.h"
#include "yoga/library.h"
#include "yoga/yoga.h"

namespace orvane::yoga {
namespace {

constexpr std::array<std::string_view, kFamilyCount> kFamilyNames = {
    "Pancha Mahapurusha", "Solar",     "Lunar",  "Raja",   "Neecha Bhanga",         "Viparita Raja", "Dhana",
    "Parivartana",        "Nabhasa",   "Malika", "Named",  "Two planets in one sign", "Arishta"};

constexpr std::array<std::string_view, 12> kSignNames = {"Aries", "Taurus",  "Gemini",      "Cancer",
                                                         "Leo",   "Virgo",   "Libra",       "Scorpio",
                                                         "Sagittarius", "Capricorn", "Aquarius", "Pisces"};

constexpr std::array<std::string_view, kBodyCount> kBodyNames = {
    "Sun", "Moon", "Mars", "Mercury", "Jupiter", "Venus", "Saturn", "Rahu", "Ketu", "Uranus", "Neptune", "Pluto"};

// What lessens any yoga through the planets that form it: each is listed
// for each such planet.
void AddPlanetWeakenings(const rules::Context& c, const FoundYoga& found, std::vector<Fact>& out) {
  for (int i = 0; i < kPlanetCount; ++i) {
    const Body b = BodyAt(i);
    if (!found.bodies.Has(b)) continue;
    const std::string name(BodyName(b));
    if (found.family != Family::kNeechaBhanga && c.HasDignity(b, rules::Dignity::kDebilitated)) {
      out.push_back({name + " debilitated in " + std::string(SignName(c.SignOf(b)))});
    }
    if (c.Combust(b)) out.push_back({name + " combust (within its orb of the Sun)"});
    if (c.HasDignity(b, rules::Dignity::kEnemy)) {
      out.push_back({name + " in an enemy's sign (" + std::string(SignName(c.SignOf(b))) + ", owned by " +
                     std::string(BodyName(rules::Context::LordOfSign(c.SignOf(b)))) + ")"});
    }
    std::vector<std::string> by;
    for (int j = 0; j < kGrahaCount; ++j) {
      const Body m = BodyAt(j);
      if (m == b || c.Benefic(m) || found.bodies.Has(m)) continue;
      if (c.Aspects(m, c.SignOf(b))) by.emplace_back(BodyName(m));
    }
    if (!by.empty()) {
      std::string list;
      for (std::size_t k = 0; k < by.size(); ++k) list += (k == 0 ? "" : k + 1 == by.size() ? " and " : ", ") + by[k];
      out.push_back({name + " aspected by the malefic" + (by.size() > 1 ? "s " : " ") + list});
    }
  }
}

}  // namespace

std::string_view FamilyName(Family family) { return kFamilyNames[static_cast<std::size_t>(family)]; }

std::string_view SignName(int sign) { return kSignNames[static_cast<std::size_t>(WrapToSign(sign))]; }

std::string_view BodyName(Body body) { return kBodyNames[IndexOf(body)]; }

std::string Ordinal(int n) {
  const int tens = n % 100;
  const char* suffix = (tens >= 11 && tens <= 13) ? "th" : n % 10 == 1 ? "st" : n % 10 == 2 ? "nd" : n % 10 == 3 ? "rd" : "th";
  return std::to_string(n) + suffix;
}

std::vector<FoundYoga> FindYogas(const YogaChart& chart, const YogaOptions& options) {
  const rules::Context context(chart, options);
  std::vector<FoundYoga> found;
  for (const Rule& rule : Library()) {
    for (rules::Match& m : rule.cond.eval(context)) {
      FoundYoga y;
      y.key = rule.key;
      y.name = rule.name;
      y.family = rule.family;
      y.source = rule.source;
      y.bodies = m.bodies;
      for (int i = 0; i < kGrahaCount; ++i) {
        const Body b = BodyAt(i);
        if (!m.bodies.Has(b)) continue;
        y.houses.push_back(context.House(b));
        y.signs.push_back(context.SignOf(b));
      }
      for (std::vector<int>* list : {&y.houses, &y.signs}) {
        std::sort(list->begin(), list->end());
        list->erase(std::unique(list->begin(), list->end()), list->end());
      }
      for (std::string& f : m.facts) y.conditions.push_back({std::move(f)});
      for (const Qualifier& q : rule.qualifiers) {
        for (rules::Match& w : q.cond.eval(context)) {
          std::string text;
          for (std::size_t k = 0; k < w.facts.size(); ++k) text += (k == 0 ? "" : "; ") + w.facts[k];
          y.weakenings.push_back({(q.cancels ? "cancelled: " : "") + text});
          y.cancelled = y.cancelled || q.cancels;
        }
      }
      AddPlanetWeakenings(context, y, y.weakenings);
      found.push_back(std::move(y));
    }
  }
  return found;
}

std::vector<YogaDescription> DescribeYogas() {
  std::vector<YogaDescription> out;
  for (const Rule& rule : Library()) {
    out.push_back({rule.key, rule.name, rule.family, rule.source, rule.effect, rule.cond.words, rule.variant});
  }
  return out;
}

}  // namespace orvane::yoga
