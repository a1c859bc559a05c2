// The yoga library. Each row: key, name, family, source (text and chapter;
// Brihat Parashara Hora Shastra by Santhanam's numbering), the effect in a
// sentence, the reading chosen where traditions differ, the condition, and
// its cancellations and weakenings.
#include "yoga/library.h"

#include <array>
#include <string>

namespace orvane::yoga {
namespace {

using namespace rules;

constexpr std::string_view kPhaladeepika6 = "Phaladeepika, ch. 6";
constexpr std::string_view kPhaladeepika7 = "Phaladeepika, ch. 7";
constexpr std::string_view kBrihatJataka6 = "Brihat Jataka, ch. 6";
constexpr std::string_view kBrihatJataka11 = "Brihat Jataka, ch. 11";
constexpr std::string_view kBrihatJataka12 = "Brihat Jataka, ch. 12";
constexpr std::string_view kBrihatJataka13 = "Brihat Jataka, ch. 13";
constexpr std::string_view kBrihatJataka14 = "Brihat Jataka, ch. 14";
constexpr std::string_view kBrihatJataka15 = "Brihat Jataka, ch. 15";
constexpr std::string_view kBphsChandra = "Brihat Parashara Hora Shastra, ch. 37";
constexpr std::string_view kBphsRaja = "Brihat Parashara Hora Shastra, ch. 39";
constexpr std::string_view kBphsDhana = "Brihat Parashara Hora Shastra, ch. 41";
constexpr std::string_view kBphsYogakaraka = "Brihat Parashara Hora Shastra, ch. 34";
constexpr std::string_view kRaman = "B. V. Raman, Three Hundred Important Combinations";
constexpr std::string_view kModern = "modern usage (no classical source)";

const std::initializer_list<int> kKendra = {1, 4, 7, 10};
const std::initializer_list<int> kKendraTrikona = {1, 4, 5, 7, 9, 10};
const std::initializer_list<int> kDusthana = {6, 8, 12};

Who P(Body b) { return Who::Is(b); }
Who Lord(int house) { return Who::Lord(house); }
const From kLagna = From::Lagna();
const From kMoon = From::Of(Body::kMoon);
const From kSun = From::Of(Body::kSun);

// Any planet of the group in any of the houses from the reference.
Cond OccupiedAny(Group group, std::initializer_list<int> houses, From from) {
  std::vector<Cond> any;
  for (const int h : houses) any.push_back(Occupied(group, h, from));
  Cond c = Any(std::move(any));
  c.words = GroupWords(group) + " in " + HouseListWords(houses) + " from " + FromWords(from);
  return c;
}

// Joined with or aspected by the body.
Cond JoinedOrAspected(Who target, Body by) {
  Cond c = Any({SameSign(target, P(by)), AspectedBy(target, P(by))});
  c.words = WhoWords(target) + " joined or aspected by " + std::string(BodyName(by));
  return c;
}

Qualifier Cancels(Cond c) { return {std::move(c), true}; }
Qualifier Weakens(Cond c) { return {std::move(c), false}; }

void AddMahapurusha(std::vector<Rule>& rules) {
  struct Row {
    std::string_view key, name;
    Body planet;
    std::string_view effect;
  };
  static constexpr Row kRows[] = {
      {"ruchaka", "Ruchaka", Body::kMars, "A strong body, courage and command; a leader of men."},
      {"bhadra", "Bhadra", Body::kMercury, "Intelligence, eloquence and learning, and a long life."},
      {"hamsa", "Hamsa", Body::kJupiter, "Righteousness, learning and the respect of the good."},
      {"malavya", "Malavya", Body::kVenus, "Comforts, vehicles, beauty and refined pleasures."},
      {"sasa", "Sasa", Body::kSaturn, "Authority over many, won by perseverance."},
  };
  for (const Row& r : kRows) {
    rules.push_back({r.key, r.name, Family::kMahapurusha, kPhaladeepika6, r.effect,
                     "whole signs from the lagna; some also count kendras from the Moon",
                     All({HasDignity(P(r.planet), Dignity::kOwnOrExalted), InHouses(P(r.planet), kKendra)}),
                     {Weakens(SameSign(P(r.planet), P(Body::kSun))), Weakens(SameSign(P(r.planet), P(Body::kMoon)))}});
  }
}

void AddSolarAndLunar(std::vector<Rule>& rules) {
  rules.push_back({"vesi", "Vesi", Family::kSolar, kPhaladeepika6, "A truthful, balanced and well-off person.",
                   "the nodes and the Moon do not count", Occupied(Group::kFiveStar, 2, kSun), {}});
  rules.push_back({"vasi", "Vasi", Family::kSolar, kPhaladeepika6, "Prosperity, skill and the favour of rulers.",
                   "the nodes and the Moon do not count", Occupied(Group::kFiveStar, 12, kSun), {}});
  rules.push_back({"ubhayachari", "Ubhayachari", Family::kSolar, kPhaladeepika6,
                   "Eloquence, a handsome body and a position equal to a king's.", "the nodes and the Moon do not count",
                   All({Occupied(Group::kFiveStar, 2, kSun), Occupied(Group::kFiveStar, 12, kSun)}), {}});
  rules.push_back({"budha-aditya", "Budha-Aditya", Family::kSolar, kBrihatJataka14,
                   "Intelligence, skill and a good name.", "", SameSign(P(Body::kSun), P(Body::kMercury)), {}});

  rules.push_back({"sunapha", "Sunapha", Family::kLunar, kBrihatJataka13,
                   "Wealth earned by one's own effort, and a good name.", "the Sun and the nodes do not count",
                   Occupied(Group::kFiveStar, 2, kMoon), {}});
  rules.push_back({"anapha", "Anapha", Family::kLunar, kBrihatJataka13,
                   "Good health, pleasant speech and good conduct.", "the Sun and the nodes do not count",
                   Occupied(Group::kFiveStar, 12, kMoon), {}});
  rules.push_back({"durudhara", "Durudhara", Family::kLunar, kBrihatJataka13,
                   "Wealth, vehicles and a generous nature.", "the Sun and the nodes do not count",
                   All({Occupied(Group::kFiveStar, 2, kMoon), Occupied(Group::kFiveStar, 12, kMoon)}), {}});
  rules.push_back(
      {"kemadruma", "Kemadruma", Family::kLunar, kBrihatJataka13,
       "Poverty and hardship, unless the yoga is cancelled.",
       "cancelled by a planet in a kendra from the lagna or the Moon, or by Jupiter's aspect on the Moon",
       All({Empty(Group::kFiveStar, 2, kMoon), Empty(Group::kFiveStar, 12, kMoon)}),
       {Cancels(OccupiedAny(Group::kFiveStar, kKendra, kMoon)), Cancels(OccupiedAny(Group::kFiveStar, kKendra, kLagna)),
        Cancels(AspectedBy(P(Body::kMoon), P(Body::kJupiter)))}});
  rules.push_back({"chandra-mangala", "Chandra-Mangala", Family::kLunar, kBrihatJataka14,
                   "Earnings through trade, and wealth gained by bold means.", "",
                   SameSign(P(Body::kMoon), P(Body::kMars)), {}});
  rules.push_back({"adhi", "Adhi (from the Moon)", Family::kLunar, kBrihatJataka13,
                   "Leadership, comforts and a long life.",
                   "all three of Mercury, Jupiter and Venus there; some read the 6th, 7th and 8th each occupied by a benefic",
                   AllIn(Group::kThreeBenefics, {6, 7, 8}, kMoon), {}});
  rules.push_back(
      {"gaja-kesari", "Gaja-Kesari", Family::kLunar, kPhaladeepika6,
       "Lasting fame, intelligence and a noble bearing.",
       "Jupiter in a kendra from the Moon; its further conditions are listed as weakenings",
       InHouses(P(Body::kJupiter), kKendra, kMoon),
       {Weakens(Not(Any({JoinedOrAspected(P(Body::kJupiter), Body::kVenus),
                         JoinedOrAspected(P(Body::kJupiter), Body::kMercury)}),
                    "no benefic joins or aspects Jupiter"))}});
  rules.push_back({"shakata", "Shakata", Family::kLunar, kPhaladeepika6,
                   "Fortune that rises and falls like a cart's wheel.",
                   "cancelled when the Moon is in a kendra from the lagna",
                   InHouses(P(Body::kMoon), kDusthana, From::Of(Body::kJupiter)),
                   {Cancels(InHouses(P(Body::kMoon), kKendra))}});
  rules.push_back({"vasumati", "Vasumati", Family::kLunar, kPhaladeepika6, "Great and lasting wealth.",
                   "counted from the Moon; some count from the lagna",
                   AllIn(Group::kThreeBenefics, {3, 6, 10, 11}, kMoon), {}});
  rules.push_back({"adhama", "Adhama", Family::kLunar, kBphsChandra,
                   "Wealth, learning and skill in small measure.", "", InHouses(P(Body::kMoon), kKendra, kSun), {}});
  rules.push_back({"sama", "Sama", Family::kLunar, kBphsChandra, "Wealth, learning and skill in middling measure.",
                   "", InHouses(P(Body::kMoon), {2, 5, 8, 11}, kSun), {}});
  rules.push_back({"varishtha", "Varishtha", Family::kLunar, kBphsChandra,
                   "Wealth, learning and skill in full measure.", "", InHouses(P(Body::kMoon), {3, 6, 9, 12}, kSun),
                   {}});
}

void AddRaja(std::vector<Rule>& rules) {
  struct Pair {
    std::string_view key;
    int kendra, trikona;
  };
  static constexpr Pair kPairs[] = {
      {"raja-1-4", 1, 4},  {"raja-1-7", 1, 7},  {"raja-1-10", 1, 10}, {"raja-1-5", 1, 5},  {"raja-1-9", 1, 9},
      {"raja-4-5", 4, 5},  {"raja-4-9", 4, 9},  {"raja-7-5", 7, 5},   {"raja-7-9", 7, 9},  {"raja-10-5", 10, 5},
  };
  static const std::array<std::string, std::size(kPairs)> kNames = [] {
    std::array<std::string, std::size(kPairs)> names;
    for (std::size_t i = 0; i < std::size(kPairs); ++i) {
      names[i] = "Raja yoga of the lords of the " + Ordinal(kPairs[i].kendra) + " and the " + Ordinal(kPairs[i].trikona);
    }
    return names;
  }();
  for (std::size_t i = 0; i < std::size(kPairs); ++i) {
    rules.push_back({kPairs[i].key, kNames[i], Family::kRaja, kBphsRaja,
                     "Rise in status and authority, in the periods of the two lords.",
                     "a connection is one sign, a mutual aspect or an exchange of signs",
                     Connected(Lord(kPairs[i].kendra), Lord(kPairs[i].trikona)), {}});
  }
  rules.push_back({"dharma-karmadhipati", "Dharma-Karmadhipati", Family::kRaja, kBphsRaja,
                   "Righteous work that brings rank and renown.",
                   "a connection is one sign, a mutual aspect or an exchange of signs", Connected(Lord(9), Lord(10)),
                   {}});
  rules.push_back({"yogakaraka", "Yogakaraka", Family::kRaja, kBphsYogakaraka,
                   "One planet owning a kendra and a trikona gives rise and good fortune in its periods.",
                   "the lagna, owned with any house, does not count",
                   LordOfBoth({4, 7, 10}, {5, 9}), {}});
  rules.push_back({"raja-exalted-planets", "Raja yoga of exalted planets", Family::kRaja, kBrihatJataka11,
                   "Three or more exalted planets give a royal position.", "", ExaltedCount(3), {}});

  // Neecha Bhanga: each rule that cancels a planet's debilitation, for each
  // debilitated planet.
  struct Bhanga {
    std::string_view key, name, words;
    Cond (*make)(Body);
  };
  static constexpr Bhanga kBhanga[] = {
      {"neecha-bhanga-dispositor", "Neecha Bhanga: lord of the sign in a kendra",
       "a debilitated planet whose sign's lord is in a kendra from the lagna or the Moon",
       [](Body p) {
         return All({HasDignity(P(p), Dignity::kDebilitated),
                     Any({InHouses(Who::DispositorOf(p), kKendra), InHouses(Who::DispositorOf(p), kKendra, kMoon)})});
       }},
      {"neecha-bhanga-exaltation-lord", "Neecha Bhanga: lord of the exaltation sign in a kendra",
       "a debilitated planet whose exaltation sign's lord is in a kendra from the lagna or the Moon",
       [](Body p) {
         const Who lord = P(Context::LordOfSign(ExaltationSign(p)));
         return All({HasDignity(P(p), Dignity::kDebilitated),
                     Any({InHouses(lord, kKendra), InHouses(lord, kKendra, kMoon)})});
       }},
      {"neecha-bhanga-exalted-there", "Neecha Bhanga: the planet exalted there in a kendra",
       "a debilitated planet, and the planet exalted in its sign in a kendra from the lagna or the Moon",
       [](Body p) {
         const std::optional<Body> there = ExaltedIn(ExaltationSign(p) + 6 > 11 ? ExaltationSign(p) - 6
                                                                                : ExaltationSign(p) + 6);
         if (!there) return Not(All({}), "");  // never: no planet is exalted in the Moon's fall
         return All({HasDignity(P(p), Dignity::kDebilitated),
                     Any({InHouses(P(*there), kKendra), InHouses(P(*there), kKendra, kMoon)})});
       }},
      {"neecha-bhanga-aspected", "Neecha Bhanga: aspected by the lord of its sign",
       "a debilitated planet aspected by the lord of its sign",
       [](Body p) { return All({HasDignity(P(p), Dignity::kDebilitated), AspectedBy(P(p), Who::DispositorOf(p))}); }},
      {"neecha-bhanga-exchange", "Neecha Bhanga: exchange with the lord of its sign",
       "a debilitated planet in exchange of signs with the lord of its sign",
       [](Body p) { return All({HasDignity(P(p), Dignity::kDebilitated), Exchange(P(p), Who::DispositorOf(p))}); }},
      {"neecha-bhanga-navamsa", "Neecha Bhanga: exalted in the navamsa",
       "a debilitated planet in its exaltation sign in the navamsa",
       [](Body p) { return All({HasDignity(P(p), Dignity::kDebilitated), ExaltedInNavamsa(P(p))}); }},
  };
  for (const Bhanga& b : kBhanga) {
    rules.push_back({b.key, b.name, Family::kNeechaBhanga, kPhaladeepika7,
                     "The debilitation is cancelled and turns to a rise after early struggle.", "",
                     ForEach(Group::kSeven, b.make, std::string(b.words)), {}});
  }

  static constexpr std::array<std::pair<std::string_view, std::string_view>, 3> kViparita = {{
      {"harsha", "Harsha"}, {"sarala", "Sarala"}, {"vimala", "Vimala"}}};
  static constexpr std::array<std::string_view, 3> kViparitaEffect = {
      "Health, happiness and victory over enemies.", "Long life, learning and fearlessness.",
      "Thrift, independence and good conduct."};
  for (int i = 0; i < 3; ++i) {
    const int house = i == 0 ? 6 : i == 1 ? 8 : 12;
    rules.push_back({kViparita[static_cast<std::size_t>(i)].first, kViparita[static_cast<std::size_t>(i)].second,
                     Family::kViparita, kPhaladeepika6, kViparitaEffect[static_cast<std::size_t>(i)],
                     "the lord in any of the 6th, 8th and 12th", InHouses(Lord(house), kDusthana), {}});
  }
}

void AddDhana(std::vector<Rule>& rules) {
  static constexpr std::array<std::array<int, 2>, 8> kPairs = {{{1, 2}, {1, 11}, {2, 5}, {2, 9}, {2, 11}, {5, 9}, {5, 11}, {9, 11}}};
  static const std::array<std::string, 8> kKeys = [] {
    std::array<std::string, 8> keys;
    for (std::size_t i = 0; i < 8; ++i) keys[i] = "dhana-" + std::to_string(kPairs[i][0]) + "-" + std::to_string(kPairs[i][1]);
    return keys;
  }();
  static const std::array<std::string, 8> kNames = [] {
    std::array<std::string, 8> names;
    for (std::size_t i = 0; i < 8; ++i) {
      names[i] = "Dhana yoga of the lords of the " + Ordinal(kPairs[i][0]) + " and the " + Ordinal(kPairs[i][1]);
    }
    return names;
  }();
  for (std::size_t i = 0; i < 8; ++i) {
    rules.push_back({kKeys[i], kNames[i], Family::kDhana, kBphsDhana, "Wealth, in the periods of the two lords.",
                     "a connection is one sign, a mutual aspect or an exchange of signs",
                     Connected(Lord(kPairs[i][0]), Lord(kPairs[i][1])), {}});
  }
  rules.push_back({"daridra", "Daridra", Family::kDhana, kRaman, "Debts and want; gains come hard.", "",
                   InHouses(Lord(11), kDusthana), {}});
  rules.push_back({"duryoga", "Duryoga", Family::kDhana, kRaman, "Work that goes unrewarded and a name that suffers.",
                   "", InHouses(Lord(10), kDusthana), {}});
}

void AddParivartana(std::vector<Rule>& rules) {
  auto dusthana = [](int h) { return h == 6 || h == 8 || h == 12; };
  rules.push_back({"maha-parivartana", "Maha Parivartana", Family::kParivartana, kPhaladeepika6,
                   "Wealth, rank and the gifts of fortune.", "",
                   HouseExchange([dusthana](int x, int y) { return !dusthana(x) && !dusthana(y) && x != 3 && y != 3; },
                                 "the lords of two houses other than the 3rd, 6th, 8th and 12th in each other's signs"),
                   {}});
  rules.push_back({"khala-parivartana", "Khala Parivartana", Family::kParivartana, kPhaladeepika6,
                   "A fickle fortune, by turns good and bad.", "",
                   HouseExchange([dusthana](int x, int y) { return (x == 3 || y == 3) && !dusthana(x) && !dusthana(y); },
                                 "the lord of the 3rd and the lord of a house other than the 6th, 8th and 12th in each "
                                 "other's signs"),
                   {}});
  rules.push_back({"dainya-parivartana", "Dainya Parivartana", Family::kParivartana, kPhaladeepika6,
                   "Struggle, enemies and losses.", "",
                   HouseExchange([dusthana](int x, int y) { return dusthana(x) || dusthana(y); },
                                 "the lord of the 6th, 8th or 12th and the lord of another house in each other's signs"),
                   {}});
}

void AddNabhasa(std::vector<Rule>& rules) {
  const Group seven = Group::kSeven;
  auto add = [&](std::string_view key, std::string_view name, std::string_view effect, Cond cond,
                 std::string_view variant = "") {
    rules.push_back({key, name, Family::kNabhasa, kBrihatJataka12, effect, variant, std::move(cond), {}});
  };
  add("rajju", "Rajju", "Fond of travel; a living earned abroad.", AllInSignKind(seven, 0));
  add("musala", "Musala", "Pride, wealth and steady work.", AllInSignKind(seven, 1));
  add("nala", "Nala", "Skill in many things, and an uneven fortune.", AllInSignKind(seven, 2));
  auto threeKendras = [&](Group g) {
    Cond c = Any({EachOccupied(g, {1, 4, 7}), EachOccupied(g, {1, 4, 10}), EachOccupied(g, {1, 7, 10}),
                  EachOccupied(g, {4, 7, 10})});
    c.words = GroupWords(g) + " in three of the four kendras from the lagna";
    return c;
  };
  add("mala", "Mala", "Comforts, vehicles and a happy life.", threeKendras(Group::kBenefics));
  add("sarpa", "Sarpa", "Hardship and dependence on others.", threeKendras(Group::kMaleficPlanets));
  {
    Cond gada = Any({AllIn(seven, {1, 4}), AllIn(seven, {4, 7}), AllIn(seven, {7, 10}), AllIn(seven, {10, 1})});
    gada.words = "all of the seven planets in two neighbouring kendras from the lagna";
    add("gada", "Gada", "Wealth gained with effort, and learning.", std::move(gada));
  }
  add("shakata-nabhasa", "Shakata (Nabhasa)", "A living by carts or vehicles, and an uneven fortune.",
      AllIn(seven, {1, 7}));
  add("vihaga", "Vihaga", "A wanderer and a messenger.", AllIn(seven, {4, 10}));
  add("shringataka", "Shringataka", "Happiness in later life and a fondness for quarrels.", AllIn(seven, {1, 5, 9}));
  {
    Cond hala = Any({AllIn(seven, {2, 6, 10}), AllIn(seven, {3, 7, 11}), AllIn(seven, {4, 8, 12})});
    hala.words = "all of the seven planets in the 2nd, 6th and 10th, or the 3rd, 7th and 11th, or the 4th, 8th and 12th";
    add("hala", "Hala", "A living from the land.", std::move(hala));
  }
  add("vajra", "Vajra", "Happiness at the start and the end of life.",
      All({AllIn(Group::kBenefics, {1, 7}), AllIn(Group::kMaleficPlanets, {4, 10})}));
  add("yava", "Yava", "Happiness in the middle of life.",
      All({AllIn(Group::kMaleficPlanets, {1, 7}), AllIn(Group::kBenefics, {4, 10})}));
  add("kamala", "Kamala", "Fame, virtue and a long life.",
      All({AllIn(seven, {1, 4, 7, 10}), EachOccupied(seven, {1, 4, 7, 10})}));
  {
    Cond vapi = Any({AllIn(seven, {2, 5, 8, 11}), AllIn(seven, {3, 6, 9, 12})});
    vapi.words = "all of the seven planets in the 2nd, 5th, 8th and 11th, or in the 3rd, 6th, 9th and 12th";
    add("vapi", "Vapi", "Wealth hoarded, and little enjoyed.", std::move(vapi));
  }
  add("yupa", "Yupa", "Generosity and a religious life.", AllInRun(seven, 1, 4));
  add("shara", "Shara", "A maker of arrows; a hunter; rough pursuits.", AllInRun(seven, 4, 4));
  add("shakti", "Shakti", "Poverty and sloth, but steadiness in war.", AllInRun(seven, 7, 4));
  add("danda", "Danda", "Separation from one's own; a servant's life.", AllInRun(seven, 10, 4));
  add("nauka", "Nauka", "A living from water and great fame.", AllInRun(seven, 1, 7),
      "all within the seven houses, the first and last occupied; some require each of the seven occupied");
  add("koota", "Koota", "Untruthful, and a gaoler.", AllInRun(seven, 4, 7),
      "all within the seven houses, the first and last occupied; some require each of the seven occupied");
  add("chhatra", "Chhatra", "Kind to his own, and happy in later life.", AllInRun(seven, 7, 7),
      "all within the seven houses, the first and last occupied; some require each of the seven occupied");
  add("chapa", "Chapa", "A brave and a liar; a guardian of forests or prisons.", AllInRun(seven, 10, 7),
      "all within the seven houses, the first and last occupied; some require each of the seven occupied");
  {
    std::vector<Cond> starts;
    for (const int s : {2, 3, 5, 6, 8, 9, 11, 12}) starts.push_back(AllInRun(seven, s, 7));
    Cond c = Any(std::move(starts));
    c.words = "all of the seven planets in seven houses running from a house other than a kendra, the first and last occupied";
    add("ardha-chandra", "Ardha-Chandra", "A handsome commander and a favourite of rulers.", std::move(c));
  }
  add("chakra", "Chakra", "A ruler revered by kings.",
      All({AllIn(seven, {1, 3, 5, 7, 9, 11}), EachOccupied(seven, {1, 3, 5, 7, 9, 11})}));
  add("samudra", "Samudra", "Wealth like the ocean's, and a royal nature.",
      All({AllIn(seven, {2, 4, 6, 8, 10, 12}), EachOccupied(seven, {2, 4, 6, 8, 10, 12})}));
  static constexpr std::array<std::pair<std::string_view, std::string_view>, 7> kSankhya = {{
      {"gola", "Gola"}, {"yuga", "Yuga"}, {"shoola", "Shoola"}, {"kedara", "Kedara"},
      {"pasha", "Pasha"}, {"dama", "Dama"}, {"veena", "Veena"}}};
  static constexpr std::array<std::string_view, 7> kSankhyaEffect = {
      "Poverty and want of learning.", "Poverty, and scorn for the customs.", "Sharp, cruel and quarrelsome.",
      "Useful to many; a living from farming.", "Skilful in gaining, with many servants.",
      "Generous and helpful to others.", "Fond of music, learned and happy."};
  for (int n = 1; n <= 7; ++n) {
    add(kSankhya[static_cast<std::size_t>(n - 1)].first, kSankhya[static_cast<std::size_t>(n - 1)].second,
        kSankhyaEffect[static_cast<std::size_t>(n - 1)], SignsOccupied(seven, n),
        "listed whatever other Nabhasa yoga the chart has; some read it only when none other holds");
  }
}

void AddMalika(std::vector<Rule>& rules) {
  static constexpr std::array<std::pair<std::string_view, std::string_view>, 12> kMalika = {{
      {"lagna-malika", "Lagna Malika"}, {"dhana-malika", "Dhana Malika"}, {"vikrama-malika", "Vikrama Malika"},
      {"sukha-malika", "Sukha Malika"}, {"putra-malika", "Putra Malika"}, {"shatru-malika", "Shatru Malika"},
      {"kalatra-malika", "Kalatra Malika"}, {"randhra-malika", "Randhra Malika"},
      {"bhagya-malika", "Bhagya Malika"}, {"karma-malika", "Karma Malika"}, {"labha-malika", "Labha Malika"},
      {"vraya-malika", "Vraya Malika"}}};
  static constexpr std::array<std::string_view, 12> kEffect = {
      "Rank and authority.", "Wealth, and a sense of duty.", "Courage, and wealth won by it.",
      "Comforts, lands and a generous nature.", "Fame and good works.", "Greed, and trouble from enemies.",
      "Influence through marriage and partners.", "Dependence, and many ups and downs.",
      "Piety, good conduct and fortune.", "Public honour won by work.", "Gains and skill with many ventures.",
      "Expense, honour and good works."};
  for (int start = 1; start <= 12; ++start) {
    const std::size_t i = static_cast<std::size_t>(start - 1);
    rules.push_back({kMalika[i].first, kMalika[i].second, Family::kMalika, kRaman, kEffect[i],
                     "the seven planets one to a house in seven houses in a row",
                     All({AllInRun(Group::kSeven, start, 7), SignsOccupied(Group::kSeven, 7)}), {}});
  }
}

void AddNamed(std::vector<Rule>& rules) {
  auto add = [&](std::string_view key, std::string_view name, std::string_view source, std::string_view effect,
                 Cond cond, std::string_view variant = "", std::vector<Qualifier> qualifiers = {}) {
    rules.push_back({key, name, Family::kNamed, source, effect, variant, std::move(cond), std::move(qualifiers)});
  };
  add("lagnadhi", "Lagnadhi", kPhaladeepika6, "A learned, happy leader, respected by many.",
      AllIn(Group::kThreeBenefics, {6, 7, 8}, kLagna),
      "all three of Mercury, Jupiter and Venus there, with no malefic joining them");
  {
    Cond c = Any({Occupied(Group::kBenefics, 10, kLagna), Occupied(Group::kBenefics, 10, kMoon)});
    c.words = "a benefic in the 10th from the lagna or from the Moon";
    add("amala", "Amala", kPhaladeepika6, "A spotless reputation and lasting fame.", std::move(c));
  }
  {
    Cond benefic = OccupiedAny(Group::kBenefics, kKendra, kLagna);
    add("parvata", "Parvata", kPhaladeepika6, "Wealth, eloquence and a generous, famous life.",
        All({benefic, Empty(Group::kMaleficPlanets, 6, kLagna), Empty(Group::kMaleficPlanets, 8, kLagna)}),
        "a benefic in a kendra, the 6th and 8th free of malefic planets");
  }
  add("kahala", "Kahala", kPhaladeepika6, "Boldness, a stubborn will and command of an army.",
      All({InHouses(Lord(4), kKendra, From::LordOfHouse(9)), Strong(Lord(1))}));
  add("chamara", "Chamara", kPhaladeepika6, "Honour from rulers, learning and eloquence.",
      All({HasDignity(Lord(1), Dignity::kExalted), InHouses(Lord(1), kKendra), AspectedBy(Lord(1), P(Body::kJupiter))}),
      "the lagna lord exalted in a kendra and aspected by Jupiter; some also accept two benefics in the lagna, 7th, "
      "9th or 10th");
  add("shankha", "Shankha", kPhaladeepika6, "Wealth, a good spouse and children, and a long, kind life.",
      All({InHouses(Lord(5), kKendra, From::LordOfHouse(6)), Strong(Lord(1))}));
  add("bheri", "Bheri", kPhaladeepika6, "Wealth, lands, a good family and a long life.",
      All({InHouses(P(Body::kVenus), kKendra), InHouses(P(Body::kJupiter), kKendra), InHouses(Lord(1), kKendra),
           Strong(Lord(9))}),
      "Venus, Jupiter and the lagna lord in kendras from the lagna, the 9th lord strong");
  {
    Cond exalted = ForEach(
        Group::kSeven,
        [](Body p) { return All({HasDignity(P(p), Dignity::kExalted), InHouses(P(p), kKendraTrikona)}); },
        "a planet exalted in a kendra or trikona");
    add("mridanga", "Mridanga", kPhaladeepika6, "A ruler, or one honoured like a ruler.",
        All({Strong(Lord(1)), InHouses(Lord(1), kKendraTrikona), Any({std::move(exalted)})}),
        "the lagna lord strong in a kendra or trikona and another planet exalted in one");
  }
  add("sreenatha", "Sreenatha", kPhaladeepika6, "Wealth, a fine speaker and devotion.",
      All({HasDignity(Lord(7), Dignity::kExalted), InHouses(Lord(7), {10}), SameSign(Lord(10), Lord(9))}));
  add("lakshmi", "Lakshmi", kPhaladeepika6, "Wealth, nobility and a long, learned life.",
      All({InHouses(Lord(9), kKendraTrikona), HasDignity(Lord(9), Dignity::kOwnOrExalted), Strong(Lord(1))}));
  add("saraswati", "Saraswati", kPhaladeepika6, "Learning, poetry and fame as a scholar.",
      All({AllIn(Group::kThreeBenefics, {1, 2, 4, 5, 7, 9, 10}),
           Any({HasDignity(P(Body::kJupiter), Dignity::kOwnOrExalted), HasDignity(P(Body::kJupiter), Dignity::kFriend)})}));
  add("kalanidhi", "Kalanidhi", kPhaladeepika6, "Virtue, wealth and honour from rulers.",
      All({InHouses(P(Body::kJupiter), {2, 5}), JoinedOrAspected(P(Body::kJupiter), Body::kMercury),
           JoinedOrAspected(P(Body::kJupiter), Body::kVenus)}));
  add("khadga", "Khadga", kPhaladeepika6, "Wealth, learning and good fortune.",
      All({Exchange(Lord(2), Lord(9)), InHouses(Lord(1), kKendraTrikona)}));
  add("chatussagara", "Chatussagara", kRaman, "Renown that spreads to the four seas.",
      EachOccupied(Group::kSeven, {1, 4, 7, 10}));
  add("shubha-kartari", "Shubha Kartari (lagna)", kPhaladeepika6, "The lagna protected: health, wealth and success.",
      EachOccupied(Group::kBenefics, {2, 12}, kLagna));
  add("shubha-kartari-moon", "Shubha Kartari (Moon)", kPhaladeepika6, "A calm, protected mind.",
      EachOccupied(Group::kBenefics, {2, 12}, kMoon));
  add("shubha", "Shubha", kPhaladeepika6, "Good health, eloquence and a good name.",
      Occupied(Group::kBenefics, 1, kLagna), "a benefic in the lagna (benefics on both sides is Shubha Kartari)");
  add("ashubha", "Ashubha", kPhaladeepika6, "Illness, sensual habits and loss of wealth.",
      Occupied(Group::kMaleficPlanets, 1, kLagna), "a malefic planet in the lagna (on both sides is Papa Kartari)");
  add("pravrajya", "Pravrajya", kBrihatJataka15, "A turn to renunciation or a religious order.",
      Crowded(Group::kSeven, 4), "four or more planets in one sign; the strongest of them names the order");
  add("mahabhagya-man", "Mahabhagya (for a man)", kPhaladeepika6, "Great good fortune and a long, famous life.",
      All({DayBirth(true), LightsAndLagnaIn(true)}), "read for a man's chart; a woman's is the next row");
  add("mahabhagya-woman", "Mahabhagya (for a woman)", kPhaladeepika6, "Great good fortune and a long, happy life.",
      All({DayBirth(false), LightsAndLagnaIn(false)}), "read for a woman's chart");
  add("vargottama-lagna", "Vargottama lagna", kBrihatJataka11, "A strong lagna: health and steadiness.",
      LagnaVargottama());
  add("vargottama", "Vargottama", kBrihatJataka11, "The planet gives its results in full.",
      ForEach(Group::kSeven, [](Body p) { return Vargottama(P(p)); },
              "a planet in the same sign in the rasi and the navamsa"));
}

void AddTwoPlanets(std::vector<Rule>& rules) {
  // The unions of two planets in one sign; the Sun with Mercury and the Moon
  // with Mars are their own rows (Budha-Aditya, Chandra-Mangala).
  struct Row {
    std::string_view key, name;
    Body a, b;
    std::string_view effect;
  };
  static constexpr Row kRows[] = {
      {"sun-moon", "Sun and Moon", Body::kSun, Body::kMoon, "Skill with machines and in working stone."},
      {"sun-mars", "Sun and Mars", Body::kSun, Body::kMars, "Energy and strength, with a hard temper."},
      {"sun-jupiter", "Sun and Jupiter", Body::kSun, Body::kJupiter, "A stern nature; work done for others."},
      {"sun-venus", "Sun and Venus", Body::kSun, Body::kVenus, "A living from the stage or from arms."},
      {"sun-saturn", "Sun and Saturn", Body::kSun, Body::kSaturn, "Skill in metal work and crafts."},
      {"moon-mercury", "Moon and Mercury", Body::kMoon, Body::kMercury, "A gift for poetry and pleasant speech."},
      {"moon-jupiter", "Moon and Jupiter", Body::kMoon, Body::kJupiter,
       "Steady friendships and a leading place in the family."},
      {"moon-venus", "Moon and Venus", Body::kMoon, Body::kVenus, "A living from cloth, perfumes and fine goods."},
      {"moon-saturn", "Moon and Saturn", Body::kMoon, Body::kSaturn, "A hard start in life; a living from trade."},
      {"mars-mercury", "Mars and Mercury", Body::kMars, Body::kMercury, "A clever fighter; skill with metals and oils."},
      {"mars-jupiter", "Mars and Jupiter", Body::kMars, Body::kJupiter, "Leadership in a town or an office; wealth."},
      {"mars-venus", "Mars and Venus", Body::kMars, Body::kVenus, "Fond of sport, pleasure and games of chance."},
      {"mars-saturn", "Mars and Saturn", Body::kMars, Body::kSaturn, "Skill in crafts of fire and metal; quarrels."},
      {"mercury-jupiter", "Mercury and Jupiter", Body::kMercury, Body::kJupiter, "Skill in dance, music and song."},
      {"mercury-venus", "Mercury and Venus", Body::kMercury, Body::kVenus, "Eloquence, property and skill in the arts."},
      {"mercury-saturn", "Mercury and Saturn", Body::kMercury, Body::kSaturn, "Cunning in dealings; at odds with elders."},
      {"jupiter-venus", "Jupiter and Venus", Body::kJupiter, Body::kVenus, "Learning, and a good spouse."},
      {"jupiter-saturn", "Jupiter and Saturn", Body::kJupiter, Body::kSaturn, "A living from a craft or a service."},
      {"venus-saturn", "Venus and Saturn", Body::kVenus, Body::kSaturn, "Skill in painting, carving or woodwork."},
  };
  for (const Row& r : kRows) {
    rules.push_back({r.key, r.name, Family::kTwoPlanet, kBrihatJataka14, r.effect, "", SameSign(P(r.a), P(r.b)), {}});
  }
}

void AddArishta(std::vector<Rule>& rules) {
  auto add = [&](std::string_view key, std::string_view name, std::string_view source, std::string_view effect,
                 Cond cond, std::string_view variant = "") {
    rules.push_back({key, name, Family::kArishta, source, effect, variant, std::move(cond), {}});
  };
  add("papa-kartari", "Papa Kartari (lagna)", kPhaladeepika6, "The lagna hemmed in: obstacles to health and effort.",
      EachOccupied(Group::kMalefics, {2, 12}, kLagna));
  add("papa-kartari-moon", "Papa Kartari (Moon)", kPhaladeepika6, "A troubled, anxious mind.",
      EachOccupied(Group::kMalefics, {2, 12}, kMoon));
  add("balarishta", "Balarishta", kBrihatJataka6, "Danger to health in childhood.",
      All({InHouses(P(Body::kMoon), kDusthana), Any({AspectedBy(P(Body::kMoon), P(Body::kMars)),
                                                      AspectedBy(P(Body::kMoon), P(Body::kSaturn))})}),
      "the Moon in the 6th, 8th or 12th aspected by Mars or Saturn");
  add("grahana-sun", "Grahana (Sun)", kModern, "Trouble to the father, health and standing.",
      Any({SameSign(P(Body::kSun), P(Body::kRahu)), SameSign(P(Body::kSun), P(Body::kKetu))}));
  add("grahana-moon", "Grahana (Moon)", kModern, "An anxious mind and trouble to the mother.",
      Any({SameSign(P(Body::kMoon), P(Body::kRahu)), SameSign(P(Body::kMoon), P(Body::kKetu))}));
  add("guru-chandala", "Guru-Chandala", kModern, "Wisdom clouded; trouble from teachers or unorthodox beliefs.",
      Any({SameSign(P(Body::kJupiter), P(Body::kRahu)), SameSign(P(Body::kJupiter), P(Body::kKetu))}),
      "Jupiter with Rahu; some count Ketu too (counted here)");
  add("angaraka", "Angaraka", kModern, "A hot temper and accidents.",
      Any({SameSign(P(Body::kMars), P(Body::kRahu)), SameSign(P(Body::kMars), P(Body::kKetu))}));
  add("kala-sarpa", "Kala Sarpa", kModern, "Obstacles and delays until the nodes' periods are past.",
      HemmedByNodes(true), "every planet from Rahu onwards to Ketu; the other way round is Kala Amrita");
  add("kala-amrita", "Kala Amrita", kModern, "Obstacles early in life that turn to gains.", HemmedByNodes(false));
}

std::vector<Rule> Build() {
  std::vector<Rule> rules;
  AddMahapurusha(rules);
  AddSolarAndLunar(rules);
  AddRaja(rules);
  AddDhana(rules);
  AddParivartana(rules);
  AddNabhasa(rules);
  AddMalika(rules);
  AddNamed(rules);
  AddTwoPlanets(rules);
  AddArishta(rules);
  return rules;
}

}  // namespace

const std::vector<Rule>& Library() {
  static const std::vector<Rule> library = Build();
  return library;
}

}  // namespace orvane::yoga
