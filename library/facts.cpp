#include "library/facts.h"

#include <algorithm>
#include <cctype>

#include "vedic/names.h"
#include "yoga/yoga.h"

namespace orvane::library {
namespace {

// The signs and nakshatras as Orvane prints them (yoga::SignName,
// vedic::kNakshatraName), and other spellings people write of the nakshatras.
const std::array<std::string_view, 12> kSigns = [] {
  std::array<std::string_view, 12> signs{};
  for (int i = 0; i < 12; ++i) signs[static_cast<std::size_t>(i)] = yoga::SignName(i);
  return signs;
}();
constexpr const std::array<std::string_view, 27>& kNakshatras = vedic::kNakshatraName;
constexpr std::array<std::string_view, 27> kNakshatraAlternates = {
    "Ashwini",         "Bharani",         "Kritika",     "Rohini",      "Mrigashira",    "Ardra",
    "Punarvasu",       "Pushya",          "Ashlesha",    "Magha",       "Purva Phalguni", "Uttara Phalguni",
    "Hasta",           "Chitra",          "Swati",       "Vishakha",    "Anuradha",      "Jyeshta",
    "Mula",            "Purva Ashadha",   "Uttara Ashadha", "Shravana", "Dhanishta",     "Shatabhisha",
    "Purva Bhadrapada", "Uttara Bhadrapada", "Revati"};

constexpr std::array<std::string_view, 7> kDignities = {"exalted", "moolatrikona", "own",        "friend",
                                                         "neutral", "enemy",        "debilitated"};
constexpr std::array<std::string_view, 9> kPlanets = {"Sun",     "Moon",  "Mars",   "Mercury", "Jupiter",
                                                      "Venus",   "Saturn", "Rahu",  "Ketu"};

// Letters and digits only, lower case: "Poo.Pha." and "poo pha" compare alike.
std::string Key(std::string_view text) {
  std::string k;
  for (const char c : text) {
    if (std::isalnum(static_cast<unsigned char>(c))) k += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return k;
}

template <std::size_t N>
std::optional<int> IndexIn(const std::array<std::string_view, N>& table, std::string_view name) {
  const std::string k = Key(name);
  if (k.empty()) return std::nullopt;
  for (std::size_t i = 0; i < N; ++i) {
    if (Key(table[i]) == k) return static_cast<int>(i);
  }
  return std::nullopt;
}

std::vector<FactInfo> Build() {
  std::vector<FactInfo> facts;
  for (int p = 0; p < kFactPoints; ++p) {
    const std::string point(kPointNames[static_cast<std::size_t>(p)]);
    const bool lagna = p == 0, node = p >= 8;
    auto add = [&](std::string_view field, FactKind kind, std::string help) {
      facts.push_back({point + "." + std::string(field), "f." + point + "_" + std::string(field), kind, std::move(help)});
    };
    add("sign", FactKind::kSign, "the sign, \"Aries\" .. \"Pisces\"");
    if (!lagna) add("house", FactKind::kHouse, "the house from the lagna in whole signs, 1 .. 12");
    add("nakshatra", FactKind::kNakshatra, "the nakshatra, \"Aswini\" .. \"Revathi\" (common spellings too)");
    add("pada", FactKind::kPada, "the pada of the nakshatra, 1 .. 4");
    if (!lagna && !node)
      add("dignity", FactKind::kDignity,
          "\"exalted\", \"moolatrikona\", \"own\", \"friend\", \"neutral\", \"enemy\" or \"debilitated\" (by sign)");
    if (!lagna) add("retrograde", FactKind::kBool, "true when retrograde");
    add("navamsa", FactKind::kSign, "the sign in the navamsa (D-9)");
  }
  facts.push_back({"dasa.lord", "f.dasa_lord", FactKind::kPlanet, "the Vimsottari lord at birth, \"Sun\" .. \"Ketu\""});
  facts.push_back({"name", "c.name", FactKind::kText, "the chart's name"});
  facts.push_back({"gender", "c.gender", FactKind::kText, "\"m\", \"f\" or \"\""});
  facts.push_back({"place", "c.place", FactKind::kText, "the place's name"});
  facts.push_back({"source", "c.source", FactKind::kText, "where the birth data came from"});
  facts.push_back({"rodden", "c.rodden", FactKind::kText, "the Rodden rating: \"AA\", \"A\", \"B\", \"C\", \"DD\", \"X\", \"XX\""});
  facts.push_back({"year", "c.year", FactKind::kNumber, "the birth year"});
  return facts;
}

}  // namespace

const std::vector<FactInfo>& FactCatalogue() {
  static const std::vector<FactInfo> facts = Build();
  return facts;
}

const FactInfo* FindFact(std::string_view name) {
  for (const FactInfo& f : FactCatalogue()) {
    if (f.name == name) return &f;
  }
  return nullptr;
}

std::optional<int> SignNumber(std::string_view name) { return IndexIn(kSigns, name); }

std::optional<int> NakshatraNumber(std::string_view name) {
  if (auto n = IndexIn(kNakshatras, name)) return n;
  return IndexIn(kNakshatraAlternates, name);
}

std::string_view SignText(int sign) { return sign >= 0 && sign < 12 ? kSigns[static_cast<std::size_t>(sign)] : "?"; }

std::string_view NakshatraText(int nakshatra) {
  return nakshatra >= 0 && nakshatra < 27 ? kNakshatras[static_cast<std::size_t>(nakshatra)] : "?";
}

bool IsDignityWord(std::string_view word) {
  return std::find(kDignities.begin(), kDignities.end(), word) != kDignities.end();
}

bool IsPlanetName(std::string_view word) { return std::find(kPlanets.begin(), kPlanets.end(), word) != kPlanets.end(); }

}  // namespace orvane::library
