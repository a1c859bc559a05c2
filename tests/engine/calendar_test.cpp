#include "engine/calendar.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace orvane {
namespace {

TEST(DayNumber, KnownDates) {
  struct Case {
    double month, day, year, expected;
  };
  const Case cases[] = {
      {4, 4, 1970, 2440681}, {1, 1, 2000, 2451545},   {10, 4, 1582, 2299160},
      {10, 15, 1582, 2299171}, {10, 16, 1582, 2299162}, {1, 1, -4712, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << "-" << c.day);
    EXPECT_EQ(DayNumber(c.month, c.day, c.year), c.expected);
  }
}

TEST(Conversions, DecToDegAndSplitDms) {
  EXPECT_EQ(DecToDeg(-81.12), -81.2);
  EXPECT_NEAR(DecToDeg(17.5050), 17.841666666666665, 1e-12);
  const DmsParts p = SplitDms(-5.30);
  EXPECT_EQ(p.positive, 0);
  EXPECT_EQ(p.whole, 5);
  EXPECT_EQ(p.minutes, 29);
  EXPECT_NEAR(p.seconds, 60.0, 1e-9);
  EXPECT_LT(p.seconds, 60.0);
}

TEST(Conversions, LeapYearsAndArcs) {
  EXPECT_EQ(IsLeapYear(1900), 0);
  EXPECT_EQ(IsLeapYear(2000), 1);
  EXPECT_EQ(IsLeapYear(2004), 1);
  EXPECT_EQ(IsLeapYear(-4), 1);
  EXPECT_EQ(MinArc(350, 10), 20);
  EXPECT_EQ(MinArc(0, 180), 180);
  EXPECT_EQ(WrapSign(13), 1);
  EXPECT_EQ(WrapSign(0), 12);
}

TEST(Normalisation, AlwaysInsideOneTurn) {
  const double inputs[] = {-1e-14, -360.0, 360.0, 720.0,  -720.5, 1e300, -1e300, 359.99999999999994,
                           1e-320, 0.0,    -0.0,  1e17,   -1e17,  std::numeric_limits<double>::infinity(),
                           std::numeric_limits<double>::quiet_NaN()};
  for (double x : inputs) {
    SCOPED_TRACE(x);
    for (double r : {Mod360(x), Normalise360(x)}) {
      EXPECT_GE(r, 0.0);
      EXPECT_LT(r, 360.0);
    }
    const double r = Mod2Pi(x);
    EXPECT_GE(r, 0.0);
    EXPECT_LT(r, kTwoPi);
  }
  EXPECT_EQ(Mod360(-1e-14), 0.0);
  EXPECT_EQ(Normalise360(-30.0), 330.0);
  EXPECT_EQ(Normalise360(725.0), 5.0);
}

TEST(Durations, EncodeAndStep) {
  const int table[] = {60};
  const DasaDuration d = EncodeDuration(0, 360.0, table, 1.0);  // 21600 ghatis
  EXPECT_EQ(d.years, 1);
  EXPECT_EQ(d.months, 0);
  EXPECT_EQ(d.days, 0);
  EXPECT_EQ(d.ghatis, 0.0);

  EXPECT_EQ(AddDuration({1999, 12, 31, 50}, {0, 0, 1, 20}), (DasaDate{2000, 1, 2, 10}));
  EXPECT_EQ(AddDuration({2000, 1, 1, 0}, {0, 2, 0, 0}), (DasaDate{2000, 3, 1, 0}));
  EXPECT_EQ(SubtractDuration({2000, 3, 1, 0}, {0, 2, 0, 0}), (DasaDate{2000, 1, 1, 0}));
  // A date that does not exist is read as the real date its day count names.
  EXPECT_EQ(AddDuration({2001, 2, 29, 0}, {0, 0, 0, 0}), (DasaDate{2001, 3, 1, 0}));
  EXPECT_EQ(SubtractDuration({2001, 4, 31, 0}, {0, 0, 1, 0}), (DasaDate{2001, 4, 30, 0}));
  // Ghatis borrow a day.
  EXPECT_EQ(SubtractDuration({2000, 1, 1, 10}, {0, 0, 0, 20}), (DasaDate{1999, 12, 31, 50}));
}

TEST(Durations, DaysBetween) {
  EXPECT_EQ(DaysBetween({2000, 3, 1, 30}, {2000, 1, 1, 0}), 60.5);
  EXPECT_EQ(DaysBetween({2000, 1, 1, 0}, {2000, 3, 1, 30}), -60.5);  // reversed: no search, a sign
}

// Every day from -3000 to 3000, stepped by random durations and back, against
// a plain proleptic Gregorian count.
TEST(Durations, ExhaustiveRoundTrip) {
  std::mt19937 rng(20261210);
  std::uniform_int_distribution<int> years(0, 130), months(0, 11), days(0, 29);
  std::uniform_real_distribution<double> ghatis(0.0, 59.999);
  int y = -3000, m = 1, d = 1;
  std::int64_t count = GregorianDayCount(y, m, d);
  const int month_length[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  while (y <= 3000) {
    const DasaDuration dur{years(rng), months(rng), days(rng), ghatis(rng)};
    const DasaDate start{y, m, d, ghatis(rng)};
    const DasaDate fwd = AddDuration(start, dur);
    const std::int64_t expect_days =
        count + dur.days + 30 * (dur.months + 12 * std::int64_t{dur.years}) + (start.ghatis + dur.ghatis >= 60 ? 1 : 0);
    ASSERT_EQ(GregorianDayCount(fwd.year, fwd.month, fwd.day), expect_days) << y << "-" << m << "-" << d;
    const DasaDate back = SubtractDuration(fwd, dur);
    ASSERT_EQ(back.year, y);
    ASSERT_EQ(back.month, m);
    ASSERT_EQ(back.day, d);
    ASSERT_NEAR(back.ghatis, start.ghatis, 1e-9);
    // Step the reference calendar one day.
    ++count;
    const int len = (m == 2 && IsLeapYear(y)) ? 29 : month_length[m - 1];
    if (++d > len) {
      d = 1;
      if (++m > 12) {
        m = 1;
        ++y;
      }
    }
    ASSERT_EQ(GregorianDayCount(y, m, d), count);
  }
}

}  // namespace
}  // namespace orvane
