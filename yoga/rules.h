// The combinators the yoga library is written in. A condition (`Cond`) holds
// for a chart zero, one or more times; each time (`Match`) names the grahas
// that formed it and says, with the chart's values, what was met. Conditions
// combine with All, Any and Not; ForEach makes one condition per planet.
// Every condition also carries its rule in words, from which the library's
// listing and docs/yogas.md are made.
#pragma once

#include <array>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/body.h"
#include "yoga/yoga.h"

namespace orvane::yoga::rules {

// Dignities by sign (whole signs): own sign, exaltation, moolatrikona sign,
// debilitation, a natural friend's or enemy's sign.
enum class Dignity : std::uint8_t { kOwn, kExalted, kMoolatrikona, kOwnOrExalted, kDebilitated, kFriend, kEnemy };

// Groups of grahas a condition counts.
enum class Group : std::uint8_t {
  kSeven,         // Sun..Saturn
  kSevenButSun,   // Moon..Saturn
  kFiveStar,      // Mars, Mercury, Jupiter, Venus, Saturn (the "other planets" of the Sun and Moon yogas)
  kBenefics,      // the natural benefics of this chart among Sun..Saturn (see Context::benefic)
  kMalefics,      // the natural malefics of this chart, the nodes included
  kThreeBenefics, // Mercury, Jupiter and Venus
  kMaleficPlanets, // the natural malefics of this chart among Sun..Saturn
};

// The exaltation sign 0..11 of Sun..Saturn; the planet exalted in a sign
// (Sun..Saturn), if any.
int ExaltationSign(Body planet);
std::optional<Body> ExaltedIn(int sign);

// Where houses are counted from.
struct From {
  enum Kind : std::uint8_t { kLagna, kBody, kLordOf } kind = kLagna;
  Body body = Body::kSun;
  int house = 1;
  static From Lagna() { return {}; }
  static From Of(Body b) { return {kBody, b, 1}; }
  static From LordOfHouse(int h) { return {kLordOf, Body::kSun, h}; }
};

// A graha a condition speaks of: a body, the lord of a house from the lagna,
// or the lord of the sign a body stands in (its dispositor).
struct Who {
  enum Kind : std::uint8_t { kBody, kLordOfHouse, kDispositor } kind = kBody;
  Body body = Body::kSun;
  int house = 1;
  static Who Is(Body b) { return {kBody, b, 1}; }
  static Who Lord(int h) { return {kLordOfHouse, Body::kSun, h}; }
  static Who DispositorOf(Body b) { return {kDispositor, b, 1}; }
};

// Facts of one chart that every rule reads.
class Context {
 public:
  Context(const YogaChart& chart, const YogaOptions& options);

  const YogaChart& chart() const { return chart_; }
  const YogaOptions& options() const { return options_; }
  int SignOf(Body b) const { return chart_.sign[IndexOf(b)]; }
  Body Resolve(const Who& who) const;
  int RefSign(const From& from) const;
  // Houses are whole signs: the reference's own sign is the 1st.
  static int HouseFrom(int refSign, int sign);
  int House(Body b) const { return HouseFrom(chart_.lagna, SignOf(b)); }
  static Body LordOfSign(int sign);
  Body LordOfHouse(int house) const;
  bool Benefic(Body b) const { return benefic_[IndexOf(b)]; }
  bool InGroup(Body b, Group group) const;
  // The grahas of a group, in body order (no allocation: the rules ask often).
  struct Bodies {
    std::array<Body, kGrahaCount> items{};
    std::size_t count = 0;
    const Body* begin() const { return items.data(); }
    const Body* end() const { return items.data() + count; }
    bool empty() const { return count == 0; }
    std::size_t size() const { return count; }
  };
  Bodies Members(Group group) const;
  bool HasDignity(Body b, Dignity d) const;
  // Whether `by` casts its full aspect on the sign `target` (graha drishti,
  // whole signs: the 7th for all; Mars also the 4th and 8th, Jupiter the
  // 5th and 9th, Saturn the 3rd and 10th).
  bool Aspects(Body by, int target) const;
  // Within the planet's orb of the Sun (the nodes and the Sun are never combust).
  bool Combust(Body b) const;

 private:
  const YogaChart& chart_;
  const YogaOptions& options_;
  std::array<bool, kGrahaCount> benefic_{};
};

// One time a condition holds.
struct Match {
  BodySet bodies;
  std::vector<std::string> facts;
};

struct Cond {
  std::function<std::vector<Match>(const Context&)> eval;
  std::string words;  // the rule in words: "Jupiter in the 1st, 4th, 7th or 10th from the Moon"
};

// The names conditions write.
std::string WhoWords(const Who& who);
std::string FromWords(const From& from);
std::string HouseListWords(std::initializer_list<int> houses);  // "the 1st, 4th, 7th or 10th"
std::string GroupWords(Group group);

// --- Leaves ---
Cond InHouses(Who who, std::initializer_list<int> houses, From from = From::Lagna());
Cond HasDignity(Who who, Dignity dignity);
Cond SameSign(Who a, Who b);
Cond AspectedBy(Who target, Who by);
Cond Exchange(Who a, Who b);
// In one sign, aspecting each other, or in each other's signs.
Cond Connected(Who a, Who b);
// Some planet of the group (other than the reference itself) in the house.
Cond Occupied(Group group, int house, From from);
// No planet of the group (other than the reference itself) in the house.
Cond Empty(Group group, int house, From from);
// Every planet of the group in the houses.
Cond AllIn(Group group, std::initializer_list<int> houses, From from = From::Lagna());
// Each of the houses holds some planet of the group.
Cond EachOccupied(Group group, std::initializer_list<int> houses, From from = From::Lagna());
// The group's planets occupy exactly `count` signs.
Cond SignsOccupied(Group group, int count);
// Every planet of the group in a movable (0), fixed (1) or dual (2) sign.
Cond AllInSignKind(Group group, int kind);
// Every planet of the group in `span` consecutive houses starting at `start`
// (counted from the reference), the first and the last of them occupied.
Cond AllInRun(Group group, int start, int span, From from = From::Lagna());
// At least `count` planets of the group in one sign.
Cond Crowded(Group group, int count);
Cond Combust(Who who);
// In its own, exaltation, moolatrikona or a friend's sign, not debilitated
// and not combust.
Cond Strong(Who who);
// The Moon waxing (less than 180 degrees past the Sun).
Cond MoonWaxing();
// Three or more of Sun..Saturn in their exaltation signs.
Cond ExaltedCount(int atLeast);

// A planet lord of a house of each list (the two houses differ): the lord
// of a kendra that also rules a trikona, say.
Cond LordOfBoth(std::initializer_list<int> first, std::initializer_list<int> second);
// Each pair of houses whose lords stand in each other's signs and that
// `kind` accepts: one instance each.
Cond HouseExchange(const std::function<bool(int, int)>& kind, std::string words);
// The same sign in the rasi and the navamsa.
Cond Vargottama(Who who);
Cond LagnaVargottama();
// In its exaltation sign in the navamsa.
Cond ExaltedInNavamsa(Who who);
// The Sun in the 7th..12th house (a day birth) or in the 1st..6th (night).
Cond DayBirth(bool day);
// The lagna, the Sun and the Moon all in odd (or all in even) signs.
Cond LightsAndLagnaIn(bool oddSigns);
// Sun..Saturn all on one side of the nodal axis: in the signs from Rahu to
// Ketu (`fromRahu`) or from Ketu to Rahu, the nodes' own signs included.
Cond HemmedByNodes(bool fromRahu);

// --- Combinations ---
Cond All(std::vector<Cond> conds);
// Holds when any holds, once: what every alternative that holds met.
Cond Any(std::vector<Cond> conds);
Cond Not(Cond cond, std::string words);
// One instance for each planet of the group for which `make(planet)` holds.
Cond ForEach(Group group, const std::function<Cond(Body)>& make, std::string words);

}  // namespace orvane::yoga::rules
