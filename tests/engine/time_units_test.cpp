// The encodings of time and the conversions between them.
#include "engine/time_units.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(TimeUnits, FileClockReadAsAClockAndAsDigits) {
  const struct {
    double file;         // H.MM as stored
    double hours;        // the clock time it stands for
    double digitsHours;  // its digits taken as hours
  } cases[] = {
      {0.0, 0.0, 0.0},       {17.0, 17.0, 17.0},       {17.30, 17.5, 17.3},   {17.50, 17.0 + 50 / 60.0, 17.5},
      {23.59, 23.0 + 59 / 60.0, 23.59}, {12.3030, 12.0 + 30.30 / 60.0, 12.303}, {-5.30, -5.5, -5.3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    EXPECT_NEAR(ToHours(FileClock{c.file}).value, c.hours, 1e-12);
    EXPECT_EQ(DigitsAsHours(FileClock{c.file}).value, c.digitsHours);
    // The digits never run ahead of the clock; they lag by 0.4 h at most.
    const double lag = ToHours(FileClock{c.file}).value - DigitsAsHours(FileClock{c.file}).value;
    if (c.file >= 0) {
      EXPECT_GE(lag, -1e-12);
      EXPECT_LT(lag, 0.4);
    }
  }
}

TEST(TimeUnits, GhatisHoursAndDays) {
  EXPECT_EQ(ToGhatis(Hours{24}).value, 60.0);
  EXPECT_EQ(ToGhatis(Hours{17.5}).value, 43.75);
  EXPECT_EQ(ToHours(Ghatis{43.75}).value, 17.5);
  EXPECT_EQ(ToDays(Ghatis{90}).value, 1.5);
  // The same product as the bare arithmetic it replaces.
  for (double g : {0.1, 1.0 / 3, 44.583333333333336, 59.999}) EXPECT_EQ(ToHours(Ghatis{g}).value, g * 0.4) << g;
}

}  // namespace
}  // namespace orvane
