// The one numbering of bodies and signs and the sign arithmetic every layer
// reads: the slots come from the bodies, and the readings of a sign and of
// the degrees in it agree wherever a chart's longitudes lie and differ only
// where the tests below say.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>

#include "engine/body.h"
#include "engine/engine_state.h"
#include "engine/zodiac.h"

namespace orvane {
namespace {

TEST(BodyNumbering, GrahaSlotsArePlanetCodesAndRoundTrip) {
  std::set<int> slots;
  for (int i = 0; i < kBodyCount; ++i) {
    const Body body = BodyAt(i);
    SCOPED_TRACE(i);
    slots.insert(SlotOf(body));
    if (i < kGrahaCount) {
      EXPECT_EQ(SlotOf(body), i + 1);  // planet code
      EXPECT_EQ(GrahaIndexOfSlot(SlotOf(body)), i);
    } else {
      EXPECT_EQ(GrahaIndexOfSlot(SlotOf(body)), -1);
    }
    EXPECT_EQ(PlanetIndexOfSlot(SlotOf(body)), i < kPlanetCount ? i : -1);
  }
  EXPECT_EQ(slots.size(), static_cast<std::size_t>(kBodyCount));  // no two bodies share a slot
  // The slots the report lists by name are the bodies' own.
  EXPECT_EQ(kKetu, SlotOf(Body::kKetu));
  EXPECT_EQ(kPluto, SlotOf(Body::kPluto));
  for (long long code : {0LL, 10LL, -1LL, 26LL}) EXPECT_EQ(GrahaIndexOfSlot(code), -1) << code;
}

TEST(BodySet, AllHoldsEveryBodyAndTheAscendant) {
  const BodySet all = BodySet::All();
  for (int i = 0; i < kBodyCount; ++i) EXPECT_TRUE(all.Has(BodyAt(i))) << i;
  EXPECT_TRUE(all.HasAscendant());
  EXPECT_FALSE(BodySet{}.With(Body::kRahu).Has(Body::kKetu));
}

TEST(SignArithmetic, WrapToSignTakesAnyCountWholeTurnsRound) {
  const struct {
    long long count;
    int sign;
  } cases[] = {{0, 0}, {11, 11}, {12, 0}, {13, 1}, {-1, 11}, {-12, 0}, {-13, 11}, {1200000000007LL, 7}};
  for (const auto& c : cases) {
    EXPECT_EQ(WrapToSign(c.count), c.sign) << c.count;
    EXPECT_EQ(ToInt(RasiAt(c.count)), c.sign) << c.count;
  }
}

// SignOf (floor of a thirtieth, whole turns round) and SignOfTurn (reduced
// into one turn first, truncated, held to 0..11) name the same sign on every
// longitude a chart holds; they part at the two edges named below.
TEST(SignArithmetic, TheTwoReadingsOfASignDifferOnlyAtTheirEdges) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const struct {
    double longitude;
    int signOf;
    int signOfTurn;
  } cases[] = {
      {0.0, 0, 0},
      {29.999999999999996, 0, 0},  // the last double below a cusp
      {30.0, 1, 1},
      {std::nextafter(240.0, 0.0), 7, 7},
      {359.99999999999994, 11, 11},
      // A hair below 0: one turn on it rounds to 360, which is Aries; the
      // floor reads Pisces.
      {-1e-300, 11, 0},
      {-1e-14, 11, 0},
      {-0.0, 0, 0},
      {-5.0, 11, 11},
      {365.0, 0, 0},
      {-725.0, 11, 11},
      {1e15 + 45.0, 10, 10},
      {nan, 0, 0},
      {inf, 0, 0},
      {-inf, 0, 0},
      // Beyond about 1e17 degrees the two readings can part.
      {-95303011318754576.0, 6, 5},
      {5.4925976159892541e+18, 4, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.longitude);
    EXPECT_EQ(SignOf(c.longitude), c.signOf);
    EXPECT_EQ(SignOfTurn(c.longitude), c.signOfTurn);
  }
  // Every longitude in one turn, on a fine grid and at each cusp's
  // neighbours: one sign for both readings.
  for (int k = 0; k < 12; ++k) {
    for (double l : {30.0 * k, std::nextafter(30.0 * k, -1.0), std::nextafter(30.0 * k, 400.0)}) {
      if (l < 0) continue;
      EXPECT_EQ(SignOf(l), SignOfTurn(l)) << l;
    }
  }
  for (int i = 0; i < 360000; ++i) {
    const double l = i / 1000.0 + 0.0004;
    ASSERT_EQ(SignOf(l), SignOfTurn(l)) << l;
  }
}

// Three readings of the degrees in a sign: on [0, 360) they are one value
// in [0, 30); outside one turn each keeps the answer its callers have
// always printed.
TEST(SignArithmetic, DegreesInASignAgreeInsideOneTurnAndDifferOutside) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double justBelow30 = std::nextafter(30.0, 0.0);
  const struct {
    double longitude;
    double plain, wrapped, held;
  } cases[] = {
      {0.0, 0.0, 0.0, 0.0},
      {45.5, 15.5, 15.5, 15.5},
      {29.999999999999996, 29.999999999999996, 29.999999999999996, 29.999999999999996},
      {359.99999999999994, 359.99999999999994 - 330.0, 359.99999999999994 - 330.0, 359.99999999999994 - 330.0},
      // Outside one turn: the plain reading gives 0, the wrapped one the
      // place in the sign, the held one stops at the sign's ends.
      {365.0, 0.0, 5.0, justBelow30},
      {-5.0, 0.0, 25.0, 0.0},
      {nan, 0.0, 0.0, 0.0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.longitude);
    EXPECT_EQ(DegreesInSign(c.longitude), c.plain);
    EXPECT_EQ(DegreesInSignWrapped(c.longitude), c.wrapped);
    EXPECT_EQ(DegreesInSignHeld(c.longitude, SignOf(c.longitude)), c.held);
  }
  for (int i = 0; i < 36000; ++i) {
    const double l = i / 100.0 + 0.003;
    const double d = DegreesInSign(l);
    ASSERT_TRUE(d >= 0 && d < 30) << l;
    ASSERT_EQ(DegreesInSignWrapped(l), d) << l;
    ASSERT_EQ(DegreesInSignHeld(l, SignOf(l)), d) << l;
  }
}

TEST(SignArithmetic, TwentySevenNakshatrasFillTheZodiac) {
  EXPECT_NEAR(kNakshatraSpan * kNakshatraCount, 360.0, 1e-12);
  EXPECT_NEAR(kNakshatraSpan * kNakshatraPerDegree, 1.0, 1e-15);
}

}  // namespace
}  // namespace orvane
