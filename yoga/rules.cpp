#include "yoga/rules.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "engine/zodiac.h"

namespace orvane::yoga::rules {
namespace {

constexpr int kSeven = kPlanetCount;

// Signs 0..11 by Body Sun..Saturn.
constexpr std::array<int, kSeven> kExaltation = {0, 1, 9, 5, 3, 11, 6};
constexpr std::array<int, kSeven> kMoolatrikona = {4, 1, 0, 5, 8, 6, 10};
// Lord of each sign, Aries..Pisces.
constexpr std::array<Body, 12> kLord = {Body::kMars,    Body::kVenus,  Body::kMercury, Body::kMoon,
                                        Body::kSun,     Body::kMercury, Body::kVenus,  Body::kMars,
                                        Body::kJupiter, Body::kSaturn, Body::kSaturn, Body::kJupiter};
// Natural relationship of a planet (row) to another (column): 1 friend,
// 0 neutral, -1 enemy.
constexpr std::array<std::array<int, kSeven>, kSeven> kNatural = {{
    {0, 1, 1, 0, 1, -1, -1},    // Sun
    {1, 0, 0, 1, 0, 0, 0},      // Moon
    {1, 1, 0, -1, 1, 0, 0},     // Mars
    {1, -1, 0, 0, 0, 1, 0},     // Mercury
    {1, 1, 1, -1, 0, -1, 0},    // Jupiter
    {-1, -1, 0, 1, 0, 0, 1},    // Venus
    {-1, -1, -1, 1, 0, 1, 0},   // Saturn
}};
// Degrees from the Sun within which a planet is combust (Moon..Saturn),
// direct and retrograde.
constexpr std::array<double, kSeven> kCombustOrb = {0, 12, 17, 14, 11, 10, 15};
constexpr std::array<double, kSeven> kCombustOrbRetrograde = {0, 12, 17, 12, 11, 8, 15};

constexpr bool IsPlanet(Body b) { return IndexOf(b) < static_cast<std::size_t>(kSeven); }
constexpr bool IsGraha(Body b) { return IndexOf(b) < static_cast<std::size_t>(kGrahaCount); }

Match One(BodySet bodies, std::string fact) {
  Match m;
  m.bodies = bodies;
  m.facts.push_back(std::move(fact));
  return m;
}

// Adds what `b` met to `a`.
void Merge(Match& a, const Match& b) {
  a.bodies = a.bodies.With(b.bodies);
  for (const std::string& f : b.facts) {
    if (std::find(a.facts.begin(), a.facts.end(), f) == a.facts.end()) a.facts.push_back(f);
  }
}

std::string Placed(const Context& c, Body b) {
  return std::string(BodyName(b)) + " in " + std::string(SignName(c.SignOf(b)));
}

std::string Named(const Context& c, const Who& who) {
  const Body b = c.Resolve(who);
  if (who.kind == Who::kBody) return std::string(BodyName(b));
  return WhoWords(who) + " (" + std::string(BodyName(b)) + ")";
}

std::string_view DignityWords(Dignity d) {
  switch (d) {
    case Dignity::kOwn: return "its own sign";
    case Dignity::kExalted: return "its exaltation sign";
    case Dignity::kMoolatrikona: return "its moolatrikona sign";
    case Dignity::kOwnOrExalted: return "its own or exaltation sign";
    case Dignity::kDebilitated: return "its debilitation sign";
    case Dignity::kFriend: return "a friend's sign";
    case Dignity::kEnemy: return "an enemy's sign";
  }
  return "";
}

std::string JoinOr(const std::vector<std::string>& parts, std::string_view last) {
  std::string out;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (i > 0) out += i + 1 == parts.size() ? std::string(" ") + std::string(last) + " " : ", ";
    out += parts[i];
  }
  return out;
}

template <typename List>
std::string BodyList(const List& bodies) {
  std::vector<std::string> names;
  for (const Body b : bodies) names.emplace_back(BodyName(b));
  return JoinOr(names, "and");
}

}  // namespace

int ExaltationSign(Body planet) { return IsPlanet(planet) ? kExaltation[IndexOf(planet)] : -1; }

std::optional<Body> ExaltedIn(int sign) {
  for (int i = 0; i < kSeven; ++i) {
    if (kExaltation[static_cast<std::size_t>(i)] == sign) return BodyAt(i);
  }
  return std::nullopt;
}

}  // namespace orvane::yoga::rules

namespace orvane::yoga {

std::string_view DignityIn(Body planet, int sign) {
  if (!rules::IsPlanet(planet)) return "";
  const std::size_t p = IndexOf(planet);
  sign = WrapToSign(sign);
  if (sign == rules::kExaltation[p]) return "exalted";
  if (sign == WrapToSign(rules::kExaltation[p] + 6)) return "debilitated";
  if (sign == rules::kMoolatrikona[p]) return "moolatrikona";
  const Body lord = rules::Context::LordOfSign(sign);
  if (lord == planet) return "own";
  const int relation = rules::kNatural[p][IndexOf(lord)];
  return relation > 0 ? "friend" : relation < 0 ? "enemy" : "neutral";
}

}  // namespace orvane::yoga

namespace orvane::yoga::rules {

// --- Context ---

Context::Context(const YogaChart& chart, const YogaOptions& options) : chart_(chart), options_(options) {
  const double elongation = Mod360(chart.longitude[IndexOf(Body::kMoon)] - chart.longitude[IndexOf(Body::kSun)]);
  benefic_[IndexOf(Body::kJupiter)] = true;
  benefic_[IndexOf(Body::kVenus)] = true;
  benefic_[IndexOf(Body::kMoon)] = elongation < 180.0;
  bool mercuryAfflicted = false;
  for (const Body m : {Body::kSun, Body::kMars, Body::kSaturn, Body::kRahu, Body::kKetu}) {
    mercuryAfflicted = mercuryAfflicted || SignOf(m) == SignOf(Body::kMercury);
  }
  benefic_[IndexOf(Body::kMercury)] = !mercuryAfflicted;
}

int Context::HouseFrom(int refSign, int sign) { return WrapToSign(sign - refSign) + 1; }

Body Context::LordOfSign(int sign) { return kLord[static_cast<std::size_t>(WrapToSign(sign))]; }

Body Context::LordOfHouse(int house) const { return LordOfSign(chart_.lagna + house - 1); }

Body Context::Resolve(const Who& who) const {
  switch (who.kind) {
    case Who::kBody: return who.body;
    case Who::kLordOfHouse: return LordOfHouse(who.house);
    case Who::kDispositor: return LordOfSign(SignOf(who.body));
  }
  return who.body;
}

int Context::RefSign(const From& from) const {
  switch (from.kind) {
    case From::kLagna: return chart_.lagna;
    case From::kBody: return SignOf(from.body);
    case From::kLordOf: return SignOf(LordOfHouse(from.house));
  }
  return chart_.lagna;
}

bool Context::InGroup(Body b, Group group) const {
  switch (group) {
    case Group::kSeven: return IsPlanet(b);
    case Group::kSevenButSun: return IsPlanet(b) && b != Body::kSun;
    case Group::kFiveStar: return IsPlanet(b) && b != Body::kSun && b != Body::kMoon;
    case Group::kBenefics: return IsPlanet(b) && Benefic(b);
    case Group::kMalefics: return IsGraha(b) && !Benefic(b);
    case Group::kThreeBenefics: return b == Body::kMercury || b == Body::kJupiter || b == Body::kVenus;
    case Group::kMaleficPlanets: return IsPlanet(b) && !Benefic(b);
  }
  return false;
}

Context::Bodies Context::Members(Group group) const {
  Bodies out;
  for (int i = 0; i < kGrahaCount; ++i) {
    if (InGroup(BodyAt(i), group)) out.items[out.count++] = BodyAt(i);
  }
  return out;
}

bool Context::HasDignity(Body b, Dignity d) const {
  if (!IsPlanet(b)) return false;  // the nodes: no dignity by sign here
  const std::size_t p = IndexOf(b);
  const int sign = SignOf(b);
  const Body lord = LordOfSign(sign);
  switch (d) {
    case Dignity::kOwn: return lord == b;
    case Dignity::kExalted: return sign == kExaltation[p];
    case Dignity::kMoolatrikona: return sign == kMoolatrikona[p];
    case Dignity::kOwnOrExalted: return lord == b || sign == kExaltation[p];
    case Dignity::kDebilitated: return sign == WrapToSign(kExaltation[p] + 6);
    case Dignity::kFriend: return lord != b && kNatural[p][IndexOf(lord)] > 0;
    case Dignity::kEnemy: return lord != b && kNatural[p][IndexOf(lord)] < 0;
  }
  return false;
}

bool Context::Aspects(Body by, int target) const {
  const int h = HouseFrom(SignOf(by), target);
  if (h == 7) return true;
  switch (by) {
    case Body::kMars: return h == 4 || h == 8;
    case Body::kJupiter: return h == 5 || h == 9;
    case Body::kSaturn: return h == 3 || h == 10;
    case Body::kRahu:
    case Body::kKetu: return options_.nodesAspectLikeJupiter && (h == 5 || h == 9);
    default: return false;
  }
}

bool Context::Combust(Body b) const {
  if (!IsPlanet(b) || b == Body::kSun) return false;
  const std::size_t p = IndexOf(b);
  const double d = std::fabs(Mod360(chart_.longitude[p] - chart_.longitude[0] + 180.0) - 180.0);
  return d <= (chart_.retrograde[p] ? kCombustOrbRetrograde[p] : kCombustOrb[p]);
}

// --- Words ---

std::string WhoWords(const Who& who) {
  switch (who.kind) {
    case Who::kBody: return std::string(BodyName(who.body));
    case Who::kLordOfHouse: return "the lord of the " + Ordinal(who.house);
    case Who::kDispositor: return "the lord of " + std::string(BodyName(who.body)) + "'s sign";
  }
  return "";
}

std::string FromWords(const From& from) {
  switch (from.kind) {
    case From::kLagna: return "the lagna";
    case From::kBody: {
      const bool light = from.body == Body::kSun || from.body == Body::kMoon;
      return (light ? "the " : "") + std::string(BodyName(from.body));
    }
    case From::kLordOf: return "the lord of the " + Ordinal(from.house);
  }
  return "";
}

std::string HouseListWords(std::initializer_list<int> houses) {
  std::vector<std::string> parts;
  for (const int h : houses) parts.push_back(Ordinal(h));
  return "the " + JoinOr(parts, "or");
}

std::string GroupWords(Group group) {
  switch (group) {
    case Group::kSeven: return "the seven planets";
    case Group::kSevenButSun: return "a planet other than the Sun";
    case Group::kFiveStar: return "Mars, Mercury, Jupiter, Venus or Saturn";
    case Group::kBenefics: return "the benefics";
    case Group::kMalefics: return "the malefics";
    case Group::kThreeBenefics: return "Mercury, Jupiter and Venus";
    case Group::kMaleficPlanets: return "the malefic planets";
  }
  return "";
}

namespace {
// The body counted from, which forms the yoga with what it finds there.
BodySet RefBodies(const From& from) {
  return from.kind == From::kBody ? BodySet().With(from.body) : BodySet();
}

// The reference and its sign: "the Moon in Aries".
std::string FromFact(const Context& c, const From& from) {
  return FromWords(from) + " in " + std::string(SignName(c.RefSign(from)));
}
}  // namespace

// --- Leaves ---

Cond InHouses(Who who, std::initializer_list<int> houses, From from) {
  std::vector<int> list(houses);
  std::string words = WhoWords(who) + " in " + HouseListWords(houses) + " from " + FromWords(from);
  return {[who, list, from](const Context& c) -> std::vector<Match> {
            const Body b = c.Resolve(who);
            const int h = Context::HouseFrom(c.RefSign(from), c.SignOf(b));
            if (std::find(list.begin(), list.end(), h) == list.end()) return {};
            std::string fact = Named(c, who) + " in " + std::string(SignName(c.SignOf(b))) + ", the " + Ordinal(h) +
                               " from " + (from.kind == From::kLagna ? FromWords(from) : FromFact(c, from));
            return {One(BodySet().With(b), std::move(fact))};
          },
          std::move(words)};
}

Cond HasDignity(Who who, Dignity dignity) {
  std::string words = WhoWords(who) + " in " + std::string(DignityWords(dignity));
  return {[who, dignity](const Context& c) -> std::vector<Match> {
            const Body b = c.Resolve(who);
            if (!c.HasDignity(b, dignity)) return {};
            return {One(BodySet().With(b), Named(c, who) + " in " + std::string(SignName(c.SignOf(b))) + ", " +
                                               std::string(DignityWords(dignity)))};
          },
          std::move(words)};
}

Cond SameSign(Who a, Who b) {
  std::string words = WhoWords(a) + " and " + WhoWords(b) + " in one sign";
  return {[a, b](const Context& c) -> std::vector<Match> {
            const Body x = c.Resolve(a), y = c.Resolve(b);
            if (x == y || c.SignOf(x) != c.SignOf(y)) return {};
            return {One(BodySet().With(x).With(y),
                        Named(c, a) + " and " + Named(c, b) + " together in " + std::string(SignName(c.SignOf(x))))};
          },
          std::move(words)};
}

Cond AspectedBy(Who target, Who by) {
  std::string words = WhoWords(target) + " aspected by " + WhoWords(by);
  return {[target, by](const Context& c) -> std::vector<Match> {
            const Body t = c.Resolve(target), b = c.Resolve(by);
            if (t == b || !c.Aspects(b, c.SignOf(t))) return {};
            return {One(BodySet().With(t).With(b), Placed(c, t) + " aspected by " + Placed(c, b))};
          },
          std::move(words)};
}

Cond Exchange(Who a, Who b) {
  std::string words = WhoWords(a) + " and " + WhoWords(b) + " in each other's signs";
  return {[a, b](const Context& c) -> std::vector<Match> {
            const Body x = c.Resolve(a), y = c.Resolve(b);
            if (x == y || !IsPlanet(x) || !IsPlanet(y)) return {};
            if (Context::LordOfSign(c.SignOf(x)) != y || Context::LordOfSign(c.SignOf(y)) != x) return {};
            return {One(BodySet().With(x).With(y),
                        Named(c, a) + " in " + std::string(SignName(c.SignOf(x))) + " and " + Named(c, b) + " in " +
                            std::string(SignName(c.SignOf(y))) + ", each in the other's sign")};
          },
          std::move(words)};
}

Cond Connected(Who a, Who b) {
  std::string words = WhoWords(a) + " and " + WhoWords(b) + " in one sign, aspecting each other or in each other's signs";
  Cond together = SameSign(a, b), exchange = Exchange(a, b);
  return {[a, b, together, exchange](const Context& c) -> std::vector<Match> {
            const Body x = c.Resolve(a), y = c.Resolve(b);
            if (x == y) return {};
            if (auto m = together.eval(c); !m.empty()) return m;
            if (c.Aspects(x, c.SignOf(y)) && c.Aspects(y, c.SignOf(x))) {
              return {One(BodySet().With(x).With(y),
                          Named(c, a) + " in " + std::string(SignName(c.SignOf(x))) + " and " + Named(c, b) + " in " +
                              std::string(SignName(c.SignOf(y))) + " aspect each other")};
            }
            return exchange.eval(c);
          },
          std::move(words)};
}

Cond Occupied(Group group, int house, From from) {
  std::string words = GroupWords(group) + " in the " + Ordinal(house) + " from " + FromWords(from);
  return {[group, house, from](const Context& c) -> std::vector<Match> {
            const int ref = c.RefSign(from);
            std::vector<Body> in;
            for (const Body b : c.Members(group)) {
              if (from.kind == From::kBody && b == from.body) continue;
              if (Context::HouseFrom(ref, c.SignOf(b)) == house) in.push_back(b);
            }
            if (in.empty()) return {};
            BodySet set = RefBodies(from);
            for (const Body b : in) set = set.With(b);
            return {One(set, BodyList(in) + " in " + std::string(SignName(WrapToSign(ref + house - 1))) + ", the " +
                                 Ordinal(house) + " from " + FromWords(from))};
          },
          std::move(words)};
}

Cond Empty(Group group, int house, From from) {
  std::string words = "no planet of " + GroupWords(group) + " in the " + Ordinal(house) + " from " + FromWords(from);
  return {[group, house, from](const Context& c) -> std::vector<Match> {
            const int ref = c.RefSign(from);
            for (const Body b : c.Members(group)) {
              if (from.kind == From::kBody && b == from.body) continue;
              if (Context::HouseFrom(ref, c.SignOf(b)) == house) return {};
            }
            return {One(RefBodies(from), "the " + Ordinal(house) + " from " + FromWords(from) + " (" +
                                       std::string(SignName(WrapToSign(ref + house - 1))) + ") holds none of " +
                                       GroupWords(group))};
          },
          std::move(words)};
}

Cond AllIn(Group group, std::initializer_list<int> houses, From from) {
  std::vector<int> list(houses);
  std::string words = "all of " + GroupWords(group) + " in " + HouseListWords(houses) + " from " + FromWords(from);
  return {[group, list, from](const Context& c) -> std::vector<Match> {
            const int ref = c.RefSign(from);
            const Context::Bodies members = c.Members(group);
            if (members.empty()) return {};
            BodySet set;
            for (const Body b : members) {
              if (std::find(list.begin(), list.end(), Context::HouseFrom(ref, c.SignOf(b))) == list.end()) return {};
              set = set.With(b);
            }
            std::vector<std::string> parts;
            for (const int h : list) parts.push_back(Ordinal(h));
            return {One(set, BodyList(members) + " all in the " + JoinOr(parts, "and") + " from " + FromWords(from))};
          },
          std::move(words)};
}

Cond EachOccupied(Group group, std::initializer_list<int> houses, From from) {
  std::vector<int> list(houses);
  std::vector<std::string> parts;
  for (const int h : houses) parts.push_back(Ordinal(h));
  std::string words = GroupWords(group) + " in each of the " + JoinOr(parts, "and") + " from " + FromWords(from);
  return {[group, list, from](const Context& c) -> std::vector<Match> {
            const int ref = c.RefSign(from);
            Match m;
            m.bodies = RefBodies(from);
            for (const int h : list) {
              std::vector<Body> in;
              for (const Body b : c.Members(group)) {
                if (Context::HouseFrom(ref, c.SignOf(b)) == h) in.push_back(b);
              }
              if (in.empty()) return {};
              for (const Body b : in) m.bodies = m.bodies.With(b);
              m.facts.push_back(BodyList(in) + " in the " + Ordinal(h) + " from " + FromWords(from) + " (" +
                                std::string(SignName(WrapToSign(ref + h - 1))) + ")");
            }
            return {m};
          },
          std::move(words)};
}

Cond SignsOccupied(Group group, int count) {
  std::string words = GroupWords(group) + " in exactly " + std::to_string(count) + (count == 1 ? " sign" : " signs");
  return {[group, count](const Context& c) -> std::vector<Match> {
            std::array<bool, 12> used{};
            BodySet set;
            for (const Body b : c.Members(group)) {
              used[static_cast<std::size_t>(c.SignOf(b))] = true;
              set = set.With(b);
            }
            const int n = static_cast<int>(std::count(used.begin(), used.end(), true));
            if (n != count) return {};
            std::vector<std::string> signs;
            for (int s = 0; s < 12; ++s) {
              if (used[static_cast<std::size_t>(s)]) signs.emplace_back(SignName(s));
            }
            return {One(set, GroupWords(group) + " in " + std::to_string(n) + (n == 1 ? " sign: " : " signs: ") +
                                 JoinOr(signs, "and"))};
          },
          std::move(words)};
}

Cond AllInSignKind(Group group, int kind) {
  static constexpr std::string_view kKinds[] = {"movable", "fixed", "dual"};
  std::string words = "all of " + GroupWords(group) + " in " + std::string(kKinds[kind]) + " signs";
  return {[group, kind](const Context& c) -> std::vector<Match> {
            BodySet set;
            for (const Body b : c.Members(group)) {
              if (c.SignOf(b) % 3 != kind) return {};
              set = set.With(b);
            }
            return {One(set, GroupWords(group) + " all in " + std::string(kKinds[kind]) + " signs")};
          },
          std::move(words)};
}

Cond AllInRun(Group group, int start, int span, From from) {
  const int last = (start + span - 2) % 12 + 1;
  std::string words = "all of " + GroupWords(group) + " in the " + std::to_string(span) + " houses from the " +
                      Ordinal(start) + " to the " + Ordinal(last) + " from " + FromWords(from) +
                      ", the first and the last occupied";
  return {[group, start, span, last, from](const Context& c) -> std::vector<Match> {
            const int ref = c.RefSign(from);
            BodySet set;
            bool first = false, end = false;
            for (const Body b : c.Members(group)) {
              const int offset = WrapToSign(Context::HouseFrom(ref, c.SignOf(b)) - start);
              if (offset >= span) return {};
              first = first || offset == 0;
              end = end || offset == span - 1;
              set = set.With(b);
            }
            if (!first || !end) return {};
            return {One(set, GroupWords(group) + " all in the " + Ordinal(start) + " to the " + Ordinal(last) +
                                 " from " + FromWords(from) + ", both ends occupied")};
          },
          std::move(words)};
}

Cond Crowded(Group group, int count) {
  std::string words = std::to_string(count) + " or more of " + GroupWords(group) + " in one sign";
  return {[group, count](const Context& c) -> std::vector<Match> {
            std::vector<Match> out;
            for (int s = 0; s < 12; ++s) {
              std::vector<Body> in;
              for (const Body b : c.Members(group)) {
                if (c.SignOf(b) == s) in.push_back(b);
              }
              if (static_cast<int>(in.size()) < count) continue;
              BodySet set;
              for (const Body b : in) set = set.With(b);
              out.push_back(One(set, BodyList(in) + " together in " + std::string(SignName(s))));
            }
            return out;
          },
          std::move(words)};
}

Cond Combust(Who who) {
  std::string words = WhoWords(who) + " combust";
  return {[who](const Context& c) -> std::vector<Match> {
            const Body b = c.Resolve(who);
            if (!c.Combust(b)) return {};
            return {One(BodySet().With(b), Named(c, who) + " combust (within its orb of the Sun)")};
          },
          std::move(words)};
}

Cond Strong(Who who) {
  std::string words = WhoWords(who) + " strong (in its own, exaltation, moolatrikona or a friend's sign, not combust)";
  return {[who](const Context& c) -> std::vector<Match> {
            const Body b = c.Resolve(who);
            if (!IsPlanet(b) || c.Combust(b) || c.HasDignity(b, Dignity::kDebilitated)) return {};
            Dignity held = Dignity::kFriend;
            if (c.HasDignity(b, Dignity::kExalted)) {
              held = Dignity::kExalted;
            } else if (c.HasDignity(b, Dignity::kOwn)) {
              held = Dignity::kOwn;
            } else if (c.HasDignity(b, Dignity::kMoolatrikona)) {
              held = Dignity::kMoolatrikona;
            } else if (!c.HasDignity(b, Dignity::kFriend)) {
              return {};
            }
            return {One(BodySet().With(b), Named(c, who) + " strong: in " + std::string(SignName(c.SignOf(b))) +
                                               ", " + std::string(DignityWords(held)))};
          },
          std::move(words)};
}

Cond MoonWaxing() {
  return {[](const Context& c) -> std::vector<Match> {
            if (!c.Benefic(Body::kMoon)) return {};
            return {One(BodySet().With(Body::kMoon), "the Moon waxing")};
          },
          "the Moon waxing"};
}

Cond ExaltedCount(int atLeast) {
  std::string words = std::to_string(atLeast) + " or more of the seven planets in their exaltation signs";
  return {[atLeast](const Context& c) -> std::vector<Match> {
            std::vector<Body> in;
            for (int i = 0; i < kSeven; ++i) {
              if (c.HasDignity(BodyAt(i), Dignity::kExalted)) in.push_back(BodyAt(i));
            }
            if (static_cast<int>(in.size()) < atLeast) return {};
            BodySet set;
            for (const Body b : in) set = set.With(b);
            return {One(set, BodyList(in) + " exalted")};
          },
          std::move(words)};
}

Cond LordOfBoth(std::initializer_list<int> first, std::initializer_list<int> second) {
  std::vector<int> a(first), b(second);
  std::string words = "one planet lord of " + HouseListWords(first) + " and of " + HouseListWords(second);
  return {[a, b](const Context& c) -> std::vector<Match> {
            std::vector<Match> out;
            for (const int x : a) {
              for (const int y : b) {
                if (x == y || c.LordOfHouse(x) != c.LordOfHouse(y)) continue;
                const Body lord = c.LordOfHouse(x);
                out.push_back(One(BodySet().With(lord), std::string(BodyName(lord)) + " lord of the " + Ordinal(x) +
                                                            " and the " + Ordinal(y)));
              }
            }
            return out;
          },
          std::move(words)};
}

Cond HouseExchange(const std::function<bool(int, int)>& kind, std::string words) {
  return {[kind](const Context& c) -> std::vector<Match> {
            std::vector<Match> out;
            for (int x = 1; x <= 12; ++x) {
              for (int y = x + 1; y <= 12; ++y) {
                const Body lx = c.LordOfHouse(x), ly = c.LordOfHouse(y);
                if (lx == ly || c.House(lx) != y || c.House(ly) != x || !kind(x, y)) continue;
                out.push_back(One(BodySet().With(lx).With(ly),
                                  "the lord of the " + Ordinal(x) + " (" + std::string(BodyName(lx)) + ") in the " +
                                      Ordinal(y) + " and the lord of the " + Ordinal(y) + " (" +
                                      std::string(BodyName(ly)) + ") in the " + Ordinal(x)));
              }
            }
            return out;
          },
          std::move(words)};
}

Cond Vargottama(Who who) {
  std::string words = WhoWords(who) + " in the same sign in the rasi and the navamsa";
  return {[who](const Context& c) -> std::vector<Match> {
            const Body b = c.Resolve(who);
            if (c.chart().navamsa[IndexOf(b)] != c.SignOf(b)) return {};
            return {One(BodySet().With(b), Named(c, who) + " in " + std::string(SignName(c.SignOf(b))) +
                                               " in the rasi and the navamsa")};
          },
          std::move(words)};
}

Cond LagnaVargottama() {
  return {[](const Context& c) -> std::vector<Match> {
            if (c.chart().lagnaNavamsa != c.chart().lagna) return {};
            return {One(BodySet(), "the lagna in " + std::string(SignName(c.chart().lagna)) +
                                       " in the rasi and the navamsa")};
          },
          "the lagna in the same sign in the rasi and the navamsa"};
}

Cond ExaltedInNavamsa(Who who) {
  std::string words = WhoWords(who) + " in its exaltation sign in the navamsa";
  return {[who](const Context& c) -> std::vector<Match> {
            const Body b = c.Resolve(who);
            if (!IsPlanet(b) || c.chart().navamsa[IndexOf(b)] != kExaltation[IndexOf(b)]) return {};
            return {One(BodySet().With(b), Named(c, who) + " exalted in the navamsa (" +
                                               std::string(SignName(c.chart().navamsa[IndexOf(b)])) + ")")};
          },
          std::move(words)};
}

Cond DayBirth(bool day) {
  std::string words = day ? "born by day (the Sun in the 7th to the 12th)" : "born by night (the Sun in the 1st to the 6th)";
  return {[day](const Context& c) -> std::vector<Match> {
            const int h = c.House(Body::kSun);
            if ((h >= 7) != day) return {};
            return {One(BodySet(), std::string(day ? "born by day" : "born by night") + ": the Sun in the " +
                                       Ordinal(h))};
          },
          std::move(words)};
}

Cond LightsAndLagnaIn(bool oddSigns) {
  std::string words = std::string("the lagna, the Sun and the Moon in ") + (oddSigns ? "odd" : "even") + " signs";
  return {[oddSigns](const Context& c) -> std::vector<Match> {
            // Aries (0) is the first, odd sign.
            for (const int s : {c.chart().lagna, c.SignOf(Body::kSun), c.SignOf(Body::kMoon)}) {
              if ((s % 2 == 0) != oddSigns) return {};
            }
            return {One(BodySet().With(Body::kSun).With(Body::kMoon),
                        "the lagna in " + std::string(SignName(c.chart().lagna)) + ", the Sun in " +
                            std::string(SignName(c.SignOf(Body::kSun))) + " and the Moon in " +
                            std::string(SignName(c.SignOf(Body::kMoon))) + (oddSigns ? ", odd signs" : ", even signs"))};
          },
          std::move(words)};
}

Cond HemmedByNodes(bool fromRahu) {
  std::string words = std::string("the seven planets all in the signs from ") + (fromRahu ? "Rahu to Ketu" : "Ketu to Rahu") +
                      " (counted through the zodiac's order)";
  return {[fromRahu](const Context& c) -> std::vector<Match> {
            const int start = c.SignOf(fromRahu ? Body::kRahu : Body::kKetu);
            BodySet set = BodySet().With(Body::kRahu).With(Body::kKetu);
            for (int i = 0; i < kSeven; ++i) {
              if (WrapToSign(c.SignOf(BodyAt(i)) - start) > 6) return {};
              set = set.With(BodyAt(i));
            }
            return {One(set, std::string("the seven planets all from ") + (fromRahu ? "Rahu" : "Ketu") + " in " +
                                 std::string(SignName(start)) + " to " + (fromRahu ? "Ketu" : "Rahu") + " in " +
                                 std::string(SignName(start + 6)))};
          },
          std::move(words)};
}

// --- Combinations ---

Cond All(std::vector<Cond> conds) {
  std::string words;
  for (std::size_t i = 0; i < conds.size(); ++i) words += (i == 0 ? "" : "; and ") + conds[i].words;
  return {[conds = std::move(conds)](const Context& c) -> std::vector<Match> {
            if (conds.empty()) return {Match{}};
            std::vector<Match> acc = conds.front().eval(c);
            for (std::size_t i = 1; i < conds.size() && !acc.empty(); ++i) {
              const std::vector<Match> next = conds[i].eval(c);
              if (next.empty()) return {};
              std::vector<Match> joined;
              joined.reserve(acc.size() * next.size());
              for (const Match& a : acc) {
                for (const Match& b : next) {
                  Match m = a;
                  Merge(m, b);
                  joined.push_back(std::move(m));
                }
              }
              acc = std::move(joined);
            }
            return acc;
          },
          std::move(words)};
}

Cond Any(std::vector<Cond> conds) {
  std::string words;
  for (std::size_t i = 0; i < conds.size(); ++i) words += (i == 0 ? "" : "; or ") + conds[i].words;
  if (conds.size() > 1) words = "either " + words;
  return {[conds = std::move(conds)](const Context& c) -> std::vector<Match> {
            Match all;
            bool any = false;
            for (const Cond& cond : conds) {
              for (const Match& m : cond.eval(c)) {
                Merge(all, m);
                any = true;
              }
            }
            if (!any) return {};
            return {all};
          },
          std::move(words)};
}

Cond Not(Cond cond, std::string words) {
  return {[cond = std::move(cond), words](const Context& c) -> std::vector<Match> {
            if (!cond.eval(c).empty()) return {};
            return {One(BodySet(), words)};
          },
          words};
}

Cond ForEach(Group group, const std::function<Cond(Body)>& make, std::string words) {
  std::vector<std::pair<Body, Cond>> each;
  for (int i = 0; i < kGrahaCount; ++i) {
    const Body b = BodyAt(i);
    // Membership of the fixed groups only: a chart-dependent group is
    // checked again when the chart is read.
    each.emplace_back(b, make(b));
  }
  return {[group, each = std::move(each)](const Context& c) -> std::vector<Match> {
            std::vector<Match> out;
            for (const auto& [b, cond] : each) {
              if (!c.InGroup(b, group)) continue;
              for (Match& m : cond.eval(c)) out.push_back(std::move(m));
            }
            return out;
          },
          std::move(words)};
}

}  // namespace orvane::yoga::rules
