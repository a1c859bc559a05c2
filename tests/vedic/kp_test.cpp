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
