// KP lords of a longitude and the 249 subs.
#include "vedic/kp.h"

#include <gtest/gtest.h>

#include <cmath>

namespace orvane {
namespace {

TEST(Kp, LordsAtFourLevels) {
  struct Case {
    double longitude;
    Body sign, star, sub, subSub;
  };
  const Case cases[] = {
      // 0 Aries: Aswini (Ketu), its first sub and sub-sub are Ketu's own.
      {0.0, Body::kMars, Body::kKetu, Body::kKetu, Body::kKetu},
      // Ketu's sub of Aswini is 7/120 of 13 deg 20 min = 46' 40"; just past
      // it Venus's sub begins (and its first sub-sub is Venus's).
      {0.7778, Body::kMars, Body::kKetu, Body::kVenus, Body::kVenus},
      // 15 deg Taurus: Rohini (Moon) began at 10 deg; 5 deg in: Moon 10/120 =
      // 1 deg 6' 40", Mars 0 deg 46' 40", Rahu 2 deg, Jupiter 1 deg 46' 40":
      // 5 deg falls in Jupiter's sub (3.8889 .. 5.6667), its sub-sub from
      // Jupiter: 1.1111 in, Jupiter 0.2370, Saturn 0.2815, Mercury 0.2519,
      // Ketu 0.1037, Venus 0.2963: in Venus's.
      {45.0, Body::kVenus, Body::kMoon, Body::kJupiter, Body::kVenus},
      // The last degree: Revati (Mercury), its last sub Saturn's, whose
      // sub-subs run from Saturn round to Jupiter, the last.
      {359.99, Body::kJupiter, Body::kMercury, Body::kSaturn, Body::kJupiter},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.longitude);
    const KpLords l = KpLordsOf(c.longitude);
    EXPECT_EQ(l.sign, c.sign);
    EXPECT_EQ(l.star, c.star);
    EXPECT_EQ(l.sub, c.sub);
    EXPECT_EQ(l.subSub, c.subSub);
  }
}

TEST(Kp, TheSubTableCoversTheZodiacIn249Subs) {
  const auto& table = KpSubTable();
  EXPECT_EQ(table.front().start, 0.0);
  EXPECT_NEAR(table.back().end, 360.0, 1e-9);
  for (int i = 0; i < kKpSubCount; ++i) {
    const KpSub& s = table[static_cast<std::size_t>(i)];
    SCOPED_TRACE(s.number);
    EXPECT_EQ(s.number, i + 1);
    EXPECT_LT(s.start, s.end);
    if (i > 0) {
      EXPECT_NEAR(s.start, table[static_cast<std::size_t>(i - 1)].end, 1e-9);
    }
    // No sub straddles a sign, and each agrees with the lords of its middle.
    EXPECT_EQ(std::floor(s.start / 30 + 1e-9), std::floor((s.end - 1e-9) / 30));
    const KpLords mid = KpLordsOf((s.start + s.end) / 2);
    EXPECT_EQ(mid.sign, s.sign);
    EXPECT_EQ(mid.star, s.star);
    EXPECT_EQ(mid.sub, s.sub);
  }
  // Horary number 1 is 0 Aries; 249 the last sub of Pisces.
  EXPECT_EQ(KpHorary(1).start, 0.0);
  EXPECT_EQ(KpHorary(249).sub, Body::kSaturn);
}

}  // namespace
}  // namespace orvane

namespace orvane {
namespace {

TEST(Kp, FourLevelSignificators) {
  // Equal cusps from 0 Aries: house h is sign h. The Sun at 15 Aries (in
  // Bharani, Venus' star), the Moon at 5 Taurus (Krittika, the Sun's star),
  // Venus at 20 Capricorn (Shravana, the Moon's star), the rest parked in
  // Virgo (Hasta, the Moon's star) and Rahu at 10 Gemini (Ardra, its own).
  std::array<double, 12> cusps{};
  for (std::size_t h = 0; h < 12; ++h) cusps[h] = 30.0 * static_cast<double>(h);
  std::array<double, 9> at = {15, 35, 165, 165, 165, 290, 165, 70, 250};
  const KpSignificators s = KpSignificatorsOf(cusps, at);
  EXPECT_EQ(s.occupies[IndexOf(Body::kSun)], 1);
  EXPECT_EQ(s.occupies[IndexOf(Body::kVenus)], 10);
  // House 1 (Aries, Mars'): its occupant the Sun; the Moon is in the Sun's
  // star; no graha is in Mars' star; Mars is its lord.
  EXPECT_EQ(s.house[0][0], std::vector<Body>{Body::kMoon});
  EXPECT_EQ(s.house[0][1], std::vector<Body>{Body::kSun});
  EXPECT_TRUE(s.house[0][2].empty());
  EXPECT_EQ(s.house[0][3], std::vector<Body>{Body::kMars});
  // The Sun: its star lord Venus is in house 10 and owns 2 and 7; the Sun
  // is in house 1 and owns 5.
  const auto& sun = s.planet[IndexOf(Body::kSun)];
  EXPECT_EQ(sun[0], std::vector<int>{10});
  EXPECT_EQ(sun[1], std::vector<int>{1});
  EXPECT_EQ(sun[2], (std::vector<int>{2, 7}));
  EXPECT_EQ(sun[3], std::vector<int>{5});
  // Rahu in Gemini stands for Mercury: Mercury's houses are its level 4.
  EXPECT_EQ(s.planet[IndexOf(Body::kRahu)][3], (std::vector<int>{3, 6}));
  // A cusp list that wraps through Aries: a graha at 2 degrees is in the
  // house whose cusp is at 350.
  for (std::size_t h = 0; h < 12; ++h) cusps[h] = std::fmod(350.0 + 30.0 * static_cast<double>(h), 360.0);
  at[0] = 2;
  EXPECT_EQ(KpSignificatorsOf(cusps, at).occupies[0], 1);
}

}  // namespace
}  // namespace orvane
