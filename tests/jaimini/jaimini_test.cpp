// Jaimini's sign aspects, argala, karakamsa and the rasi dasas on charts
// built by hand, with the dasas worked by hand from the rules as their
// sources give them: the Chara dasa from K. N. Rao, "Predicting through
// Jaimini's Chara Dasha" (counting to the lord by the sign's footedness,
// the direction from the ninth house); the Narayana dasa from Sanjay Rath,
// "Narayana Dasa" (the start from the stronger of the lagna and the
// seventh, the order by the sign's nature, Saturn's and Ketu's exceptions).
#include <gtest/gtest.h>

#include <numeric>

#include "jaimini/jaimini.h"

namespace orvane::jaimini {
namespace {

using R = Rasi;

struct Place {
  Rasi sign;
  double degrees;
};

JaiminiChart MakeChart(Rasi lagna, const std::array<Place, kGrahaCount>& at) {
  JaiminiChart c;
  c.lagna = lagna;
  for (std::size_t i = 0; i < at.size(); ++i) {
    c.sign[i] = at[i].sign;
    c.degrees[i] = at[i].degrees;
    c.navamsa[i] = at[i].sign;
  }
  c.birthDays = 700000;
  c.yearDays = 365.25;
  return c;
}

// Cancer lagna. Sun Sc 10, Moon Cn 18, Mars Vi 10, Mercury Vi 17 (exalted),
// Jupiter Sg 15, Venus Li 7, Saturn Le 11, Rahu Le 13, Ketu Aq 13.
JaiminiChart ChartA() {
  return MakeChart(R::kCancer, {{{R::kScorpio, 10}, {R::kCancer, 18}, {R::kVirgo, 10}, {R::kVirgo, 17},
                                 {R::kSagittarius, 15}, {R::kLibra, 7}, {R::kLeo, 11}, {R::kLeo, 13},
                                 {R::kAquarius, 13}}});
}

std::vector<Rasi> Signs(const RasiDasaResult& r, std::size_t n = 12) {
  std::vector<Rasi> s;
  for (std::size_t i = 0; i < n && i < r.periods.size(); ++i) s.push_back(r.periods[i].sign);
  return s;
}
std::vector<double> YearsOf(const RasiDasaResult& r, std::size_t n = 12) {
  std::vector<double> y;
  for (std::size_t i = 0; i < n && i < r.periods.size(); ++i) y.push_back(r.periods[i].years);
  return y;
}

TEST(Jaimini, RasiDrishtiSignsAndSymmetry) {
  EXPECT_EQ(AspectedSigns(R::kAries), (std::array<Rasi, 3>{R::kLeo, R::kScorpio, R::kAquarius}));
  EXPECT_EQ(AspectedSigns(R::kTaurus), (std::array<Rasi, 3>{R::kCancer, R::kLibra, R::kCapricorn}));
  EXPECT_EQ(AspectedSigns(R::kGemini), (std::array<Rasi, 3>{R::kVirgo, R::kSagittarius, R::kPisces}));
  EXPECT_EQ(AspectedSigns(R::kCapricorn), (std::array<Rasi, 3>{R::kTaurus, R::kLeo, R::kScorpio}));
  // Sign aspects are mutual, never on the sign beside, never within one nature.
  for (int a = 0; a < 12; ++a) {
    for (int b = 0; b < 12; ++b) {
      EXPECT_EQ(Aspects(RasiAt(a), RasiAt(b)), Aspects(RasiAt(b), RasiAt(a))) << a << " " << b;
      if (Aspects(RasiAt(a), RasiAt(b))) {
        EXPECT_NE(WrapToSign(b - a), 1);
        EXPECT_NE(WrapToSign(a - b), 1);
        EXPECT_TRUE(ModalityOf(RasiAt(a)) == Modality::kDual || ModalityOf(RasiAt(a)) != ModalityOf(RasiAt(b)));
      }
    }
  }
}

TEST(Jaimini, CharaDasaOfChartAByHand) {
  const JaiminiChart c = ChartA();
  const RasiDasaResult r = ComputeRasiDasa(c, RasiDasa::kChara);
  // The ninth from Cancer is Pisces, even-footed: the dasas run backward.
  EXPECT_FALSE(r.forward);
  EXPECT_EQ(Signs(r), (std::vector<Rasi>{R::kCancer, R::kGemini, R::kTaurus, R::kAries, R::kPisces, R::kAquarius,
                                          R::kCapricorn, R::kSagittarius, R::kScorpio, R::kLibra, R::kVirgo, R::kLeo}));
  // Cancer: Moon at home, 12. Gemini (odd-footed): forward to Mercury in
  // Virgo, 4 - 1, exalted + 1 = 4. Taurus: to Venus in Libra, 5. Aries: to
  // Mars in Virgo, 5. Pisces (even-footed): backward to Jupiter in
  // Sagittarius, 3. Aquarius: both lords in Leo, backward 7 - 1 = 6.
  // Capricorn: backward to Saturn in Leo, 5. Sagittarius: 12. Scorpio: Mars
  // (with Mercury in Virgo, stronger than Ketu alone) forward 11 - 1 = 10.
  // Libra: 12. Virgo: Mercury at home, 12 (no year added for exaltation
  // there). Leo (even-footed): backward to the Sun in Scorpio, 10 - 1 = 9.
  EXPECT_EQ(YearsOf(r), (std::vector<double>{12, 4, 5, 5, 3, 6, 5, 12, 10, 12, 12, 9}));
  // The second cycle gives each sign 12 less its first years.
  ASSERT_EQ(r.periods.size(), 24u);
  EXPECT_EQ(r.periods[13].sign, R::kGemini);
  EXPECT_DOUBLE_EQ(r.periods[13].years, 8);
  EXPECT_DOUBLE_EQ(r.periods[12].years, 0);
  EXPECT_TRUE(r.periods[12].subPeriods.empty());
  // Antardasas of Cancer (even-footed): backward from Gemini, Cancer last,
  // one year each, filling the main period.
  const RasiPeriod& first = r.periods[0];
  ASSERT_EQ(first.subPeriods.size(), 12u);
  EXPECT_EQ(first.subPeriods[0].sign, R::kGemini);
  EXPECT_EQ(first.subPeriods[1].sign, R::kTaurus);
  EXPECT_EQ(first.subPeriods[11].sign, R::kCancer);
  EXPECT_DOUBLE_EQ(first.subPeriods[0].startDays, c.birthDays);
  EXPECT_NEAR(first.subPeriods[1].startDays - first.subPeriods[0].startDays, 365.25, 1e-9);
  EXPECT_DOUBLE_EQ(first.subPeriods[11].endDays, first.endDays);
  // Gemini (odd-footed): forward from Cancer, Gemini last.
  EXPECT_EQ(r.periods[1].subPeriods[0].sign, R::kCancer);
  EXPECT_EQ(r.periods[1].subPeriods[11].sign, R::kGemini);
  // Periods follow one another without gaps from birth.
  EXPECT_DOUBLE_EQ(r.periods[0].startDays, c.birthDays);
  for (std::size_t i = 1; i < r.periods.size(); ++i) {
    EXPECT_DOUBLE_EQ(r.periods[i].startDays, r.periods[i - 1].endDays);
  }
}

TEST(Jaimini, SignYearsDignityAndCoLords) {
  struct Case {
    const char* what;
    Rasi sign;
    Rasi marsAt;
    int years;
  };
  const Case cases[] = {
      {"Aries to Mars debilitated in Cancer: 4 - 1 - 1", R::kAries, R::kCancer, 2},
      {"Aries to Mars exalted in Capricorn: 10 - 1 + 1", R::kAries, R::kCapricorn, 10},
      {"Aries with Mars at home", R::kAries, R::kAries, 12},
      // Scorpio with Mars at home and Ketu away: counted to Ketu in Aquarius.
      {"Scorpio, one lord at home: to the other", R::kScorpio, R::kScorpio, 3},
  };
  for (const Case& k : cases) {
    JaiminiChart c = ChartA();
    c.sign[IndexOf(Body::kMars)] = k.marsAt;
    EXPECT_EQ(SignYears(c, k.sign), k.years) << k.what;
  }
}

TEST(Jaimini, CharaDirectionRules) {
  // Gemini lagna: an odd sign, but the ninth (Aquarius) is even-footed.
  JaiminiChart c = ChartA();
  c.lagna = R::kGemini;
  EXPECT_FALSE(ComputeRasiDasa(c, RasiDasa::kChara).forward);
  RasiDasaOptions lagnaRule;
  lagnaRule.charaDirection = CharaDirection::kLagnaOddEven;
  const RasiDasaResult r = ComputeRasiDasa(c, RasiDasa::kChara, lagnaRule);
  EXPECT_TRUE(r.forward);
  EXPECT_EQ(r.periods[1].sign, R::kCancer);
  RasiDasaOptions oneCycle;
  oneCycle.secondCycle = false;
  EXPECT_EQ(ComputeRasiDasa(c, RasiDasa::kChara, oneCycle).periods.size(), 12u);
}

TEST(Jaimini, NarayanaStartOrderAndExceptions) {
  // Chart A: Cancer (the Moon) outweighs an empty Capricorn; Cancer is even
  // and movable: backward, one sign at a time; antardasas from the sign of
  // the main sign's lord.
  {
    const RasiDasaResult r = ComputeRasiDasa(ChartA(), RasiDasa::kNarayana);
    EXPECT_EQ(r.start, R::kCancer);
    EXPECT_FALSE(r.forward);
    EXPECT_EQ(Signs(r, 3), (std::vector<Rasi>{R::kCancer, R::kGemini, R::kTaurus}));
    EXPECT_EQ(YearsOf(r, 3), (std::vector<double>{12, 4, 5}));
    EXPECT_EQ(r.periods[1].subPeriods[0].sign, R::kVirgo);  // Gemini's lord Mercury is in Virgo
  }
  struct Case {
    const char* what;
    Rasi saturn, ketu;
    std::vector<Rasi> first;
  };
  // Leo lagna holding the Sun and Moon (stronger than an empty Aquarius):
  // fixed, so every sixth sign.
  const Case cases[] = {
      {"Leo, odd: forward by sixes", R::kTaurus, R::kAquarius, {R::kLeo, R::kCapricorn, R::kGemini, R::kScorpio}},
      {"Ketu in Leo: reversed", R::kTaurus, R::kLeo, {R::kLeo, R::kPisces, R::kLibra, R::kTaurus}},
      {"Saturn and Ketu in Leo: Saturn's forward, reversed", R::kLeo, R::kLeo, {R::kLeo, R::kPisces, R::kLibra, R::kTaurus}},
  };
  for (const Case& k : cases) {
    JaiminiChart c = ChartA();
    c.lagna = R::kLeo;
    c.sign[IndexOf(Body::kSun)] = R::kLeo;
    c.sign[IndexOf(Body::kMoon)] = R::kLeo;
    c.sign[IndexOf(Body::kSaturn)] = k.saturn;
    c.sign[IndexOf(Body::kKetu)] = k.ketu;
    c.sign[IndexOf(Body::kRahu)] = RasiAt(ToInt(k.ketu) + 6);
    EXPECT_EQ(Signs(ComputeRasiDasa(c, RasiDasa::kNarayana), 4), k.first) << k.what;
  }
  // A dual start (Virgo, holding Mars and Mercury): the kendras, then the
  // panapharas, then the apoklimas; Virgo is even, so backward, and forward
  // with Saturn in it.
  JaiminiChart c = ChartA();
  c.lagna = R::kVirgo;
  EXPECT_EQ(Signs(ComputeRasiDasa(c, RasiDasa::kNarayana)),
            (std::vector<Rasi>{R::kVirgo, R::kGemini, R::kPisces, R::kSagittarius, R::kLeo, R::kTaurus,
                               R::kAquarius, R::kScorpio, R::kCancer, R::kAries, R::kCapricorn, R::kLibra}));
  c.sign[IndexOf(Body::kSaturn)] = R::kVirgo;
  EXPECT_EQ(Signs(ComputeRasiDasa(c, RasiDasa::kNarayana)),
            (std::vector<Rasi>{R::kVirgo, R::kSagittarius, R::kPisces, R::kGemini, R::kLibra, R::kCapricorn,
                               R::kAries, R::kCancer, R::kScorpio, R::kAquarius, R::kTaurus, R::kLeo}));
}

TEST(Jaimini, FixedYearDasasAndDrigOrder) {
  JaiminiChart c = ChartA();
  c.lagna = R::kAries;
  auto total = [](const RasiDasaResult& r) {
    return std::accumulate(r.periods.begin(), r.periods.end(), 0.0,
                           [](double s, const RasiPeriod& p) { return s + p.years; });
  };
  EXPECT_DOUBLE_EQ(total(ComputeRasiDasa(c, RasiDasa::kShoola)), 108);
  EXPECT_DOUBLE_EQ(total(ComputeRasiDasa(c, RasiDasa::kNavamsa)), 108);
  const RasiDasaResult sthira = ComputeRasiDasa(c, RasiDasa::kSthira);
  EXPECT_DOUBLE_EQ(total(sthira), 96);
  for (const RasiPeriod& p : sthira.periods) EXPECT_EQ(p.years, 7 + static_cast<int>(ModalityOf(p.sign)));
  const RasiDasaResult niryana = ComputeRasiDasa(c, RasiDasa::kNiryanaShoola);
  EXPECT_DOUBLE_EQ(total(niryana), 96);
  // Taurus (2nd) and Scorpio (8th, the Sun): Scorpio is stronger; even, so backward.
  EXPECT_EQ(niryana.start, R::kScorpio);
  EXPECT_EQ(niryana.periods[1].sign, R::kLibra);
  // Drig from an Aries lagna: Sagittarius with Pi Ge Vi (odd: forward),
  // Capricorn with Sc Le Ta (even: backward), Aquarius with Ar Cn Li.
  EXPECT_EQ(Signs(ComputeRasiDasa(c, RasiDasa::kDrig)),
            (std::vector<Rasi>{R::kSagittarius, R::kPisces, R::kGemini, R::kVirgo, R::kCapricorn, R::kScorpio, R::kLeo,
                               R::kTaurus, R::kAquarius, R::kAries, R::kCancer, R::kLibra}));
}

TEST(Jaimini, BrahmaGraha) {
  // Chart A with an Aries lagna: Aries (no graha) against Libra (Venus):
  // Libra. Its 6th Pisces (Jupiter), 8th Taurus (Venus), 12th Virgo
  // (Mercury). In odd signs in houses 7..12 from Aries: Jupiter in
  // Sagittarius (9th) and Venus in Libra (7th), each alone in its sign and
  // neither exalted: Jupiter, further into its sign.
  JaiminiChart c = ChartA();
  c.lagna = R::kAries;
  EXPECT_EQ(BrahmaGraha(c), Body::kJupiter);
  EXPECT_EQ(ComputeRasiDasa(c, RasiDasa::kSthira).start, R::kSagittarius);
}

TEST(Jaimini, ArgalaAndObstruction) {
  // Chart A, argala on Leo: the 2nd (Virgo: Mars, Mercury) against the 12th
  // (Cancer: the Moon) stands; the 4th (Scorpio: the Sun) against the 10th
  // (Taurus: none) stands; the 5th (Sagittarius: Jupiter) against the 9th
  // (Aries: none) stands; the 3rd (Libra: Venus) is no malefics' argala.
  const std::vector<Argala> a = ArgalasOn(ChartA(), R::kLeo);
  ASSERT_EQ(a.size(), 3u);
  EXPECT_EQ(a[0].house, 2);
  EXPECT_TRUE(a[0].stands);
  EXPECT_EQ(a[0].obstructedBy, std::vector<Body>{Body::kMoon});
  EXPECT_EQ(a[1].house, 4);
  EXPECT_EQ(a[2].house, 5);
  // On Cancer: the 2nd (Leo: Saturn, Rahu) against the 12th (Gemini: none)
  // stands; the 3rd (Virgo: Mars and Mercury, one malefic) gives none.
  const std::vector<Argala> onCancer = ArgalasOn(ChartA(), R::kCancer);
  ASSERT_FALSE(onCancer.empty());
  EXPECT_EQ(onCancer[0].house, 2);
  EXPECT_TRUE(onCancer[0].stands);
  // On Cancer the 11th is Taurus (empty): no argala there.
  for (const Argala& g : onCancer) EXPECT_NE(g.house, 11);
  // Two malefics in the 3rd: the malefics' argala, from Leo onto Gemini.
  const std::vector<Argala> onGemini = ArgalasOn(ChartA(), R::kGemini);
  ASSERT_FALSE(onGemini.empty());
  EXPECT_EQ(onGemini.back().house, 3);
  EXPECT_EQ(onGemini.back().by, (std::vector<Body>{Body::kSaturn, Body::kRahu}));
  EXPECT_TRUE(onGemini.back().stands);
}

TEST(Jaimini, Karakamsa) {
  JaiminiChart c = ChartA();
  c.atmakaraka = Body::kSaturn;
  c.navamsa[IndexOf(Body::kSaturn)] = R::kSagittarius;
  c.navamsa[IndexOf(Body::kMoon)] = R::kPisces;
  c.navamsaLagna = R::kAries;
  const Karakamsa k = KarakamsaOf(c);
  EXPECT_EQ(k.sign, R::kSagittarius);
  EXPECT_EQ(k.rasiHouse[IndexOf(Body::kJupiter)], 1);
  EXPECT_EQ(k.rasiHouse[IndexOf(Body::kMoon)], 8);
  EXPECT_EQ(k.navamsaHouse[IndexOf(Body::kMoon)], 4);
  EXPECT_EQ(k.lagnaRasiHouse, 8);
  EXPECT_EQ(k.navamsaLagnaHouse, 5);
}

}  // namespace
}  // namespace orvane::jaimini
