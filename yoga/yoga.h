// Yogas: the classical combinations of a chart, found by a library of rules
// kept as data. Each rule is one row (yoga/library.cpp) whose condition is
// built from a few combinators (yoga/rules.h): "the lord of house X in house
// Y", "in its own or exaltation sign", "in a kendra from the Moon", "in one
// sign with", "aspected by", "in each other's signs", "hemmed in". A found
// yoga says why: the planets, houses and signs that form it, each condition
// met in words with the chart's values, and every cancellation or weakening
// as a fact of its own.
//
// Houses are whole signs counted from a reference (the lagna unless a rule
// says the Moon, the Sun or a planet). The functions are pure: the chart's
// signs in, the yogas out.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/body.h"

namespace orvane::yoga {

// The chart a yoga is read from: the signs of the nine grahas and of the
// lagna in the chart chosen (the rasi, or a divisional chart), and the rasi
// longitudes that say how far a planet is from the Sun and the Moon's phase.
struct YogaChart {
  std::array<int, kGrahaCount> sign{};  // 0..11 from Aries, by Body Sun..Ketu
  int lagna = 0;                        // sign of the ascendant, 0..11
  std::array<double, kGrahaCount> longitude{};  // sidereal degrees in the rasi
  std::array<bool, kGrahaCount> retrograde{};
  // Navamsa (D-9) signs of the rasi longitudes, and of the ascendant.
  std::array<int, kGrahaCount> navamsa{};
  int lagnaNavamsa = 0;
};

enum class Family : std::uint8_t {
  kMahapurusha,
  kSolar,
  kLunar,
  kRaja,
  kNeechaBhanga,
  kViparita,
  kDhana,
  kParivartana,
  kNabhasa,
  kMalika,
  kNamed,
  kTwoPlanet,
  kArishta,
};
inline constexpr int kFamilyCount = 13;
std::string_view FamilyName(Family family);  // "Pancha Mahapurusha", "Raja", ...

// One condition of a found yoga, with the chart's values: "Jupiter in Cancer,
// the 4th from the Moon".
struct Fact {
  std::string text;
};

struct FoundYoga {
  std::string_view key;  // stable: "gaja-kesari"
  std::string_view name;
  Family family = Family::kNamed;
  std::string_view source;
  BodySet bodies;            // the grahas that form it
  std::vector<int> houses;   // houses from the lagna (1..12) they stand in, ascending
  std::vector<int> signs;    // their signs 0..11, ascending
  std::vector<Fact> conditions;   // why it holds
  std::vector<Fact> weakenings;   // cancellations and weakenings, each on its own
  bool cancelled = false;         // a cancellation (not a mere weakening) holds
};

// The options where traditions differ.
struct YogaOptions {
  // The nodes aspect the 5th, 7th and 9th from them (as Jupiter does)
  // instead of the 7th only.
  bool nodesAspectLikeJupiter = false;
};

// The yogas of a chart, in the library's order (a rule that holds more than
// once, for different planets, gives one entry each).
std::vector<FoundYoga> FindYogas(const YogaChart& chart, const YogaOptions& options = {});

// One row of the library as it is listed: key, name, family, source, the
// effect in a sentence, the rule in words, and the variant chosen where
// traditions differ (empty when they do not).
struct YogaDescription {
  std::string_view key;
  std::string_view name;
  Family family;
  std::string_view source;
  std::string_view effect;
  std::string rule;
  std::string_view variant;
};
std::vector<YogaDescription> DescribeYogas();

// The dignity of a planet (Sun..Saturn) in a sign, by whole signs:
// "exalted", "moolatrikona", "own", "friend", "neutral", "enemy" or
// "debilitated" (natural friendship); "" for the nodes and outer bodies.
std::string_view DignityIn(Body planet, int sign);

// Sign names as the yoga texts write them ("Aries".."Pisces"), body names
// ("Sun".."Ketu").
std::string_view SignName(int sign);
std::string_view BodyName(Body body);
// "1st", "2nd", "3rd", "4th", ... "12th".
std::string Ordinal(int n);

}  // namespace orvane::yoga
