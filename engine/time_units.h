// The encodings of time, one type each, so that turning one into another
// says what it does: a clock time as a chart file stores it (H.MM), decimal
// hours, ghatis (60 to a day) and days. A bare double in these places does
// not convert by itself; `time * 2.5` has to say whether `time` is a clock
// time read properly (ToHours) or its digits taken as hours (DigitsAsHours).
#pragma once

#include "engine/calendar.h"

namespace orvane {

// A clock time as a chart file stores it: hours + minutes/100 +
// seconds/6000 (17:50 is 17.50), the sign belonging to the whole value.
struct FileClock {
  double value = 0;
};

// Hours as a decimal number (17:50 is 17.8333...).
struct Hours {
  double value = 0;
};

// Ghatis: 60 to a day, 2.5 to an hour.
struct Ghatis {
  double value = 0;
};

// Days as a decimal number.
struct Days {
  double value = 0;
};

inline constexpr double kGhatisPerHour = 2.5;
inline constexpr double kGhatisPerDay = 60.0;

// The clock time a file value stands for (17.50 -> 17.8333 h).
inline Hours ToHours(FileClock t) { return {DecToDeg(t.value)}; }

// The file value's digits taken as decimal hours, without reading the
// minutes as minutes: 17.50 (17:50) gives 17.5 h (17:30). Every clock time
// but a whole hour comes out earlier than it is, by up to 0.4 h (at xx:59).
// The lunar month's new-moon search starts from this moment (see
// chart/pipeline.cpp); the clock moment itself is ToHours.
constexpr Hours DigitsAsHours(FileClock t) { return {t.value}; }

constexpr Ghatis ToGhatis(Hours h) { return {h.value * kGhatisPerHour}; }
constexpr Hours ToHours(Ghatis g) { return {g.value * (1 / kGhatisPerHour)}; }
constexpr Days ToDays(Ghatis g) { return {g.value / kGhatisPerDay}; }

}  // namespace orvane
