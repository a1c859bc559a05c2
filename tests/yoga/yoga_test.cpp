// The yoga library read against constructed charts whose yogas are worked
// out by hand.
#include "yoga/yoga.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace orvane::yoga {
namespace {

// A chart from signs (0 Aries .. 11 Pisces) of Sun..Ketu and the lagna; each
// planet at 15 degrees of its sign unless `degrees` says otherwise.
YogaChart Chart(int lagna, std::array<int, 9> signs, std::array<double, 9> degrees = {15, 15, 15, 15, 15, 15, 15, 15, 15}) {
  YogaChart c;
  c.lagna = lagna;
  c.lagnaNavamsa = (lagna + 5) % 12;
  for (std::size_t i = 0; i < 9; ++i) {
    c.sign[i] = signs[i];
    c.longitude[i] = signs[i] * 30.0 + degrees[i];
    c.navamsa[i] = (signs[i] + 7) % 12;
  }
  return c;
}

std::set<std::string> Keys(const std::vector<FoundYoga>& found) {
  std::set<std::string> keys;
  for (const FoundYoga& y : found) keys.insert(std::string(y.key));
  return keys;
}

const FoundYoga* Find(const std::vector<FoundYoga>& found, std::string_view key) {
  for (const FoundYoga& y : found) {
    if (y.key == key) return &y;
  }
  return nullptr;
}

bool AnyText(const std::vector<Fact>& facts, std::string_view part) {
  return std::any_of(facts.begin(), facts.end(), [&](const Fact& f) { return f.text.find(part) != std::string::npos; });
}

// Bodies Sun..Ketu.
constexpr int Su = 0, Mo = 1, Ma = 2, Me = 3, Ju = 4, Ve = 5, Sa = 6, Ra = 7, Ke = 8;
// Signs.
constexpr int Ar = 0, Ta = 1, Ge = 2, Cn = 3, Le = 4, Vi = 5, Li = 6, Sc = 7, Sg = 8, Cp = 9, Aq = 10, Pi = 11;

// The base chart of the single-planet cases: everything else out of the way
// (Rahu and Ketu on the Taurus-Scorpio axis).
YogaChart With(int lagna, std::initializer_list<std::pair<int, int>> placed) {
  std::array<int, 9> signs = {Ge, Ge, Ge, Ge, Ge, Ge, Ge, Ta, Sc};
  for (const auto& [body, sign] : placed) signs[static_cast<std::size_t>(body)] = sign;
  return Chart(lagna, signs);
}

struct Case {
  const char* what;
  YogaChart chart;
  std::vector<const char*> present;
  std::vector<const char*> absent;
};

void Check(const Case& c) {
  SCOPED_TRACE(c.what);
  const std::set<std::string> keys = Keys(FindYogas(c.chart));
  for (const char* k : c.present) EXPECT_TRUE(keys.count(k)) << k << " missing";
  for (const char* k : c.absent) EXPECT_FALSE(keys.count(k)) << k << " found";
}

// The five great persons: the planet in its own or exaltation sign and in a
// kendra from the lagna, whole signs.
TEST(Yogas, PanchaMahapurushaExactlyAsDefined) {
  const Case cases[] = {
      {"Mars own in the 4th", With(Le, {{Ma, Sc}}), {"ruchaka"}, {}},
      {"Mars exalted in the 10th", With(Ar, {{Ma, Cp}}), {"ruchaka"}, {}},
      {"Mars own in the 2nd", With(Pi, {{Ma, Ar}}), {}, {"ruchaka"}},
      {"Mars debilitated in the lagna", With(Cn, {{Ma, Cn}}), {}, {"ruchaka"}},
      {"Mercury own in the 10th", With(Sg, {{Me, Vi}}), {"bhadra"}, {}},
      {"Mercury in the lagna in Gemini", With(Ge, {}), {"bhadra"}, {}},
      {"Jupiter own in the 10th", With(Pi, {{Ju, Sg}}), {"hamsa"}, {}},
      {"Jupiter debilitated in the lagna", With(Cp, {{Ju, Cp}}), {}, {"hamsa"}},
      {"Jupiter exalted in the 5th", With(Sc, {{Ju, Cn}}), {}, {"hamsa"}},
      {"Venus own in the lagna", With(Li, {{Ve, Li}}), {"malavya"}, {}},
      {"Venus exalted in the 10th", With(Ge, {{Ve, Pi}}), {"malavya"}, {}},
      {"Venus debilitated in the lagna", With(Vi, {{Ve, Vi}}), {}, {"malavya"}},
      {"Saturn exalted in the 4th", With(Cn, {{Sa, Li}}), {"sasa"}, {}},
      {"Saturn own in the 11th", With(Ar, {{Sa, Aq}}), {}, {"sasa"}},
  };
  for (const Case& c : cases) Check(c);
}

TEST(Yogas, SimpleTwoPlanetAndMoonYogasExactlyAsDefined) {
  const Case cases[] = {
      {"Jupiter with the Moon", With(Ar, {{Mo, Le}, {Ju, Le}}), {"gaja-kesari"}, {}},
      {"Jupiter 4th from the Moon", With(Ar, {{Mo, Le}, {Ju, Sc}}), {"gaja-kesari"}, {}},
      {"Jupiter 7th from the Moon", With(Ar, {{Mo, Le}, {Ju, Aq}}), {"gaja-kesari"}, {}},
      {"Jupiter 10th from the Moon", With(Ar, {{Mo, Le}, {Ju, Ta}}), {"gaja-kesari"}, {}},
      {"Jupiter 2nd from the Moon", With(Ar, {{Mo, Le}, {Ju, Vi}}), {}, {"gaja-kesari"}},
      {"Jupiter 5th from the Moon", With(Ar, {{Mo, Le}, {Ju, Sg}}), {}, {"gaja-kesari"}},
      {"Sun and Mercury in one sign", With(Ar, {{Su, Le}, {Me, Le}}), {"budha-aditya"}, {"sun-mercury"}},
      {"Sun and Mercury in neighbouring signs", With(Ar, {{Su, Le}, {Me, Vi}}), {}, {"budha-aditya"}},
      {"Moon and Mars in one sign", With(Ar, {{Mo, Cp}, {Ma, Cp}}), {"chandra-mangala"}, {}},
      {"Moon and Mars apart", With(Ar, {{Mo, Cp}, {Ma, Aq}}), {"sunapha"}, {"chandra-mangala"}},
  };
  for (const Case& c : cases) Check(c);
}

// Hand-worked charts, one or more families each.
TEST(Yogas, HandWorkedCharts) {
  const Case cases[] = {
      // Aries lagna; Sun and Mercury in Leo, Moon in Aries, Mars exalted in
      // Capricorn (10th), Jupiter exalted in Cancer (4th), Venus in Gemini,
      // Saturn in Aquarius, Rahu in Taurus. Mars and Jupiter, lords of the 1st
      // and 9th, face each other across Cancer-Capricorn.
      {"Aries lagna with two exalted planets in kendras", Chart(Ar, {Le, Ar, Cp, Le, Cn, Ge, Aq, Ta, Sc}),
       {"ruchaka", "hamsa", "gaja-kesari", "budha-aditya", "raja-1-9", "kemadruma"},
       {"malavya", "sasa", "bhadra", "chandra-mangala", "raja-4-5", "dharma-karmadhipati", "sunapha", "anapha"}},
      // Moon alone in Leo: nothing in the 2nd or 12th from it, no planet in a
      // kendra from it or from the Aries lagna, Jupiter (Pisces) not aspecting it.
      {"an uncancelled Kemadruma", Chart(Ar, {Ge, Le, Sg, Ge, Pi, Ge, Sg, Ta, Sc}),
       {"kemadruma", "budha-aditya", "mars-saturn"}, {"sunapha", "anapha", "durudhara", "hamsa"}},
      // Aries lagna: the lords of the 6th, 8th and 12th (Mercury, Mars,
      // Jupiter) in the 8th, 12th and 6th.
      {"the three Viparita yogas", With(Ar, {{Me, Sc}, {Ma, Pi}, {Ju, Vi}}), {"harsha", "sarala", "vimala"}, {}},
      // Aries lagna: Mars (1st) in Capricorn and Saturn (10th) in Aries.
      {"Maha Parivartana of the 1st and 10th", With(Ar, {{Ma, Cp}, {Sa, Ar}}), {"maha-parivartana", "raja-1-10"},
       {"khala-parivartana", "dainya-parivartana"}},
      {"Khala Parivartana of the 1st and 3rd", With(Ar, {{Ma, Ge}, {Me, Ar}}), {"khala-parivartana"},
       {"maha-parivartana", "dainya-parivartana"}},
      {"Dainya Parivartana of the 6th and 9th", With(Ar, {{Me, Sg}, {Ju, Vi}}), {"dainya-parivartana"},
       {"maha-parivartana"}},
      // Aries lagna: the lords of the 2nd (Venus) and 11th (Saturn) in one sign.
      {"Dhana of the 2nd and 11th lords", With(Ar, {{Ve, Cp}, {Sa, Cp}}), {"dhana-2-11", "venus-saturn"}, {}},
      // All seven in Leo.
      {"all seven planets in one sign", Chart(Ar, {Le, Le, Le, Le, Le, Le, Le, Ta, Sc}), {"gola", "pravrajya"},
       {"yuga", "veena"}},
      // One planet to a house, the 1st to the 7th.
      {"a garland from the lagna", Chart(Ar, {Ar, Ta, Ge, Cn, Le, Vi, Li, Sg, Ge}),
       {"lagna-malika", "nauka", "veena"}, {"dhana-malika", "koota"}},
      // All seven in the four kendras, each occupied.
      {"Kamala", Chart(Ar, {Ar, Cn, Li, Cp, Ar, Cn, Li, Ta, Sc}), {"kamala", "chatussagara"},
       {"vapi", "shakata-nabhasa"}},
      {"all seven in movable signs", Chart(Ta, {Ar, Cn, Li, Cp, Ar, Cn, Cp, Ta, Sc}), {"rajju"}, {"musala", "nala"}},
      // Aries lagna: Jupiter, 9th lord, in its own Sagittarius; Mars, the
      // lagna lord, exalted in Capricorn far from the Sun.
      {"Lakshmi", With(Ar, {{Ju, Sg}, {Ma, Cp}, {Su, Ge}}), {"lakshmi"}, {}},
      // The Moon in Leo between Mars (Virgo) and Venus (Cancer); the Sun in
      // Aries between Mercury (Pisces) and Jupiter (Taurus).
      {"planets on both sides of the Moon and of the Sun", With(Sg, {{Mo, Le}, {Ma, Vi}, {Ve, Cn}, {Su, Ar},
                                                                     {Me, Pi}, {Ju, Ta}, {Sa, Sg}}),
       {"durudhara", "sunapha", "anapha", "ubhayachari", "vesi", "vasi"}, {"kemadruma"}},
      // Mars in Virgo and Saturn in Scorpio on both sides of a Libra lagna.
      {"the lagna hemmed in by malefics", With(Li, {{Ma, Vi}, {Sa, Sc}, {Su, Sg}, {Mo, Cp}}), {"papa-kartari"},
       {"shubha-kartari"}},
      // Rahu in Capricorn, Ketu in Cancer, every planet in Capricorn..Cancer.
      {"Kala Sarpa", Chart(Cn, {Ta, Cp, Aq, Ar, Ge, Pi, Cp, Cp, Cn}), {"kala-sarpa", "grahana-moon"},
       {"kala-amrita"}},
  };
  for (const Case& c : cases) Check(c);
}

// Each way a debilitation is cancelled, on its own: the Sun debilitated in
// Libra, Aries lagna.
TEST(Yogas, NeechaBhangaByEachRule) {
  const Case cases[] = {
      {"Venus, lord of Libra, in a kendra", With(Ar, {{Su, Li}, {Ve, Cn}, {Sa, Ta}, {Ma, Ta}}),
       {"neecha-bhanga-dispositor"}, {"neecha-bhanga-exaltation-lord", "neecha-bhanga-exalted-there"}},
      {"Mars, lord of Aries (the Sun's exaltation), in a kendra", With(Ar, {{Su, Li}, {Ve, Ta}, {Sa, Ta}, {Ma, Cp}}),
       {"neecha-bhanga-exaltation-lord"}, {"neecha-bhanga-dispositor", "neecha-bhanga-exalted-there"}},
      {"Saturn, exalted in Libra, in a kendra", With(Ar, {{Su, Li}, {Ve, Ta}, {Sa, Cp}, {Ma, Ta}}),
       {"neecha-bhanga-exalted-there"}, {"neecha-bhanga-dispositor", "neecha-bhanga-exaltation-lord"}},
      {"Venus aspecting from Aries", With(Ar, {{Su, Li}, {Ve, Ar}, {Sa, Ta}, {Ma, Ta}}),
       {"neecha-bhanga-aspected", "neecha-bhanga-dispositor"}, {}},
      {"no cancellation", With(Ar, {{Su, Li}, {Ve, Ta}, {Sa, Ta}, {Ma, Ta}}), {},
       {"neecha-bhanga-dispositor", "neecha-bhanga-exaltation-lord", "neecha-bhanga-exalted-there",
        "neecha-bhanga-aspected", "neecha-bhanga-exchange"}},
  };
  for (const Case& c : cases) Check(c);
  // The exchange of signs: Mars debilitated in Cancer, the Moon in Aries.
  Check({"Mars and the Moon exchange", With(Li, {{Ma, Cn}, {Mo, Ar}}), {"neecha-bhanga-exchange"}, {}});
}

// A yoga says why it holds, and lists what cancels or weakens it instead of
// dropping it.
TEST(Yogas, ConditionsAndWeakeningsAreListed) {
  // Jupiter debilitated in Capricorn, 4th from the Moon in Libra, with the
  // Sun 5 degrees away (combust) and no benefic near it.
  const YogaChart chart = Chart(Ar, {Cp, Li, Ge, Ge, Cp, Ge, Ge, Ta, Sc}, {12, 15, 15, 15, 15, 15, 15, 15, 15});
  const std::vector<FoundYoga> found = FindYogas(chart);
  const FoundYoga* gk = Find(found, "gaja-kesari");
  ASSERT_NE(gk, nullptr);
  EXPECT_FALSE(gk->cancelled);
  EXPECT_TRUE(AnyText(gk->conditions, "Jupiter in Capricorn, the 4th from the Moon in Libra"));
  EXPECT_TRUE(AnyText(gk->weakenings, "Jupiter debilitated in Capricorn"));
  EXPECT_TRUE(AnyText(gk->weakenings, "Jupiter combust"));
  EXPECT_TRUE(AnyText(gk->weakenings, "no benefic joins or aspects Jupiter"));
  EXPECT_TRUE(gk->bodies.Has(Body::kJupiter));
  EXPECT_EQ(gk->houses, (std::vector<int>{10}));
  EXPECT_EQ(gk->signs, (std::vector<int>{Cp}));

  // Kemadruma of the first hand-worked chart: cancelled by Jupiter in a
  // kendra from the Moon, and said so.
  const std::vector<FoundYoga> k = FindYogas(Chart(Ar, {Le, Ar, Cp, Le, Cn, Ge, Aq, Ta, Sc}));
  const FoundYoga* kemadruma = Find(k, "kemadruma");
  ASSERT_NE(kemadruma, nullptr);
  EXPECT_TRUE(kemadruma->cancelled);
  EXPECT_TRUE(AnyText(kemadruma->weakenings, "cancelled: Jupiter in Cancer, the 4th from the Moon"));
  const std::vector<FoundYoga> alone = FindYogas(Chart(Ar, {Ge, Le, Sg, Ge, Pi, Ge, Sg, Ta, Sc}));
  const FoundYoga* lonely = Find(alone, "kemadruma");
  ASSERT_NE(lonely, nullptr);
  EXPECT_FALSE(lonely->cancelled);
  EXPECT_TRUE(lonely->bodies.Has(Body::kMoon));
  EXPECT_EQ(lonely->houses, (std::vector<int>{5}));
}

TEST(Yogas, NodesAspectLikeJupiterAsAnOption) {
  // The Moon in Leo, Rahu in Aries (the Moon 5th from it): Rahu aspects the
  // Moon only when the nodes take Jupiter's aspects.
  const YogaChart chart = With(Cp, {{Mo, Le}, {Ra, Ar}, {Ke, Li}});
  // The Moon 3rd from the Sun in Gemini: Varishtha, formed by the Moon.
  const std::vector<FoundYoga> plain = FindYogas(chart, {false}), wide = FindYogas(chart, {true});
  const FoundYoga* a = Find(plain, "varishtha");
  const FoundYoga* b = Find(wide, "varishtha");
  ASSERT_NE(a, nullptr);
  ASSERT_NE(b, nullptr);
  EXPECT_FALSE(AnyText(a->weakenings, "Rahu"));
  EXPECT_TRUE(AnyText(b->weakenings, "Moon aspected by the malefics Saturn and Rahu"));
}

TEST(YogaLibrary, EveryRowIsComplete) {
  std::set<std::string> keys;
  for (const YogaDescription& d : DescribeYogas()) {
    SCOPED_TRACE(std::string(d.key));
    EXPECT_TRUE(keys.insert(std::string(d.key)).second) << "key used twice";
    EXPECT_TRUE(std::all_of(d.key.begin(), d.key.end(),
                            [](char c) { return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-'; }));
    EXPECT_FALSE(d.name.empty());
    EXPECT_FALSE(d.source.empty());
    EXPECT_FALSE(d.rule.empty());
    EXPECT_EQ(d.effect.back(), '.');
  }
}

}  // namespace
}  // namespace orvane::yoga
