#include "io/birth_input.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <sstream>

#include "io/chart_file.h"
#include "io/city_table.h"

namespace orvane {
namespace {

// Line `index` (0 month .. 6 latitude) of the chart file written for `b`.
std::string FileLine(const BirthData& b, int index) {
  std::istringstream lines(FormatChartDataFile(b));
  std::string line;
  for (int i = 0; i <= index; ++i) std::getline(lines, line);
  return line;
}

BirthDialogFields Typed() {
  BirthDialogFields f;
  f.month = 4;
  f.day = 4;
  f.year = 1970;
  f.hours = 5;
  f.minutes = 50;
  f.seconds = 0;
  f.pm = true;
  f.zoneHours = 5;
  f.zoneMinutes = 30;
  f.zoneEast = true;
  f.longitudeDegrees = 81;
  f.longitudeMinutes = 12;
  f.longitudeEast = true;
  f.latitudeDegrees = 16;
  f.latitudeMinutes = 15;
  return f;
}

TEST(ComposeFromDialog, WritesTheFileValues) {
  struct Case {
    const char* name;
    void (*edit)(BirthDialogFields&);
    int line;
    const char* expected;
  };
  const Case cases[] = {
      {"12:30 AM", [](BirthDialogFields& f) { f.hours = 12, f.minutes = 30, f.pm = false; }, 3, "0.3000"},
      {"12:30 PM", [](BirthDialogFields& f) { f.hours = 12, f.minutes = 30, f.pm = true; }, 3, "12.3000"},
      {"1:05:30 PM", [](BirthDialogFields& f) { f.hours = 1, f.minutes = 5, f.seconds = 30, f.pm = true; }, 3,
       "13.0550"},
      {"0 AM is midnight", [](BirthDialogFields& f) { f.hours = 0, f.minutes = 0, f.pm = false; }, 3, "0.0000"},
      {"5:30 East with daylight saving",
       [](BirthDialogFields& f) { f.zoneHours = 5, f.zoneMinutes = 30, f.zoneEast = true, f.daylightSaving = true; },
       4, "-6.30"},
      {"5 West with daylight saving",
       [](BirthDialogFields& f) { f.zoneHours = 5, f.zoneMinutes = 0, f.zoneEast = false, f.daylightSaving = true; },
       4, "4.00"},
      // The saving hour carries a west zone under an hour across Greenwich.
      {"0:30 West with daylight saving",
       [](BirthDialogFields& f) { f.zoneHours = 0, f.zoneMinutes = 30, f.zoneEast = false, f.daylightSaving = true; },
       4, "-0.30"},
      {"0:45 West with daylight saving",
       [](BirthDialogFields& f) { f.zoneHours = 0, f.zoneMinutes = 45, f.zoneEast = false, f.daylightSaving = true; },
       4, "-0.15"},
      {"3:30 West with daylight saving",
       [](BirthDialogFields& f) { f.zoneHours = 3, f.zoneMinutes = 30, f.zoneEast = false, f.daylightSaving = true; },
       4, "2.30"},
      {"1 West with daylight saving is Greenwich",
       [](BirthDialogFields& f) { f.zoneHours = 1, f.zoneMinutes = 0, f.zoneEast = false, f.daylightSaving = true; },
       4, "0.00"},
      {"0 with daylight saving",
       [](BirthDialogFields& f) { f.zoneHours = 0, f.zoneMinutes = 0, f.zoneEast = true, f.daylightSaving = true; },
       4, "-1.00"},
      {"local mean time at 81 12 E ignores the zone typed",
       [](BirthDialogFields& f) {
         f.zoneHours = 9, f.zoneMinutes = 0, f.zoneEast = false, f.localMeanTime = true, f.daylightSaving = true;
       },
       4, "-5.25"},
      {"local mean time west",
       [](BirthDialogFields& f) {
         f.longitudeDegrees = 71, f.longitudeMinutes = 7, f.longitudeEast = false, f.localMeanTime = true;
       },
       4, "4.44"},  // 4 * 71.1166... = 284.47 minutes = 4 h 44.47 min
      {"longitude east is negative", [](BirthDialogFields&) {}, 5, "-81.12"},
      {"longitude west is positive", [](BirthDialogFields& f) { f.longitudeEast = false; }, 5, "81.12"},
      {"latitude south is negative", [](BirthDialogFields& f) { f.latitudeSouth = true; }, 6, "-16.15"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    BirthDialogFields f = Typed();
    c.edit(f);
    EXPECT_EQ(FileLine(ComposeFromDialog(f), c.line), c.expected);
  }
  EXPECT_EQ(FormatChartDataFile(ComposeFromDialog(Typed())), "4\n4\n1970\n17.5000\n-5.30\n-81.12\n16.15\n");
}

struct SplitCase {
  const char* name;
  BirthData birth;
  int month, day, year, hours, minutes, seconds;
  bool pm;
};

TEST(SplitForDialog, TimeOnTheTwelveHourClock) {
  const SplitCase cases[] = {
      {"0:30 is 12:30 AM", {4, 4, 1970, 0.30, 0, 0, 0}, 4, 4, 1970, 12, 30, 0, false},
      {"12:30 is 12:30 PM", {4, 4, 1970, 12.30, 0, 0, 0}, 4, 4, 1970, 12, 30, 0, true},
      {"midnight", {4, 4, 1970, 0, 0, 0, 0}, 4, 4, 1970, 12, 0, 0, false},
      {"17:50", {4, 4, 1970, 17.5, 0, 0, 0}, 4, 4, 1970, 5, 50, 0, true},
      {"17:50:30 (4 decimals)", {4, 4, 1970, 17.5050, 0, 0, 0}, 4, 4, 1970, 5, 50, 30, true},
      {"11:59:59.7 carries into noon", {4, 4, 1970, 11.59995, 0, 0, 0}, 4, 4, 1970, 12, 0, 0, true},
      {"11:59:59.4 stays in the morning", {4, 4, 1970, 11.5999, 0, 0, 0}, 4, 4, 1970, 11, 59, 59, false},
      {"12:59:59.7 is 1 PM, never hour 13", {4, 4, 1970, 12.59995, 0, 0, 0}, 4, 4, 1970, 1, 0, 0, true},
      {"75 stored minutes are 1 h 15 min", {4, 4, 1970, 17.75, 0, 0, 0}, 4, 4, 1970, 6, 15, 0, true},
      {"23:59:59.7 is midnight of the next day", {12, 31, 1999, 23.59995, 0, 0, 0}, 1, 1, 2000, 12, 0, 0, false},
      {"24:00 is midnight of the next day", {2, 28, 2001, 24, 0, 0, 0}, 3, 1, 2001, 12, 0, 0, false},
      {"24:00 on 28 February of a leap year", {2, 28, 2000, 24, 0, 0, 0}, 2, 29, 2000, 12, 0, 0, false},
      {"-1:30 is 22:30 of the day before", {3, 1, 2000, -1.30, 0, 0, 0}, 2, 29, 2000, 10, 30, 0, true},
      {"-24:00 is midnight of the day before", {1, 1, 1970, -24, 0, 0, 0}, 12, 31, 1969, 12, 0, 0, false},
      {"date truncated", {4.9, 4.9, 1970.9, 17.5, 0, 0, 0}, 4, 4, 1970, 5, 50, 0, true},
  };
  for (const SplitCase& c : cases) {
    SCOPED_TRACE(c.name);
    const BirthDialogFields f = SplitForDialog(c.birth);
    EXPECT_EQ(f.month, c.month);
    EXPECT_EQ(f.day, c.day);
    EXPECT_EQ(f.year, c.year);
    EXPECT_EQ(f.hours, c.hours);
    EXPECT_EQ(f.minutes, c.minutes);
    EXPECT_EQ(f.seconds, c.seconds);
    EXPECT_EQ(f.pm, c.pm);
    EXPECT_FALSE(f.daylightSaving);
    EXPECT_FALSE(f.localMeanTime);
  }
}

TEST(SplitForDialog, ZoneLongitudeLatitude) {
  struct Case {
    const char* name;
    double zone, longitude, latitude;
    int zh;
    double zm;
    bool east;
    int lond;
    double lonm;
    bool lonEast;
    int latd;
    double latm;
    bool south;
  };
  const Case cases[] = {
      {"start-up chart", -5.30, -81.12, 16.15, 5, 30, true, 81, 12, true, 16, 15, false},
      {"71 7 40 W shows 71 8", 5.0, 71.0 + 0.07 + 40.0 / 6000, 42.30, 5, 0, false, 71, 8, false, 42, 30, false},
      {"59 30 carries into the whole part", -5.595, 10.595, -33.595, 6, 0, true, 11, 0, false, 34, 0, true},
      {"29 seconds do not round up", 0, 10.0 + 0.59 + 29.0 / 6000, 0, 0, 0, false, 10, 59, false, 0, 0, false},
      {"stored minutes past 59", 5.75, 0, 0, 6, 15, false, 0, 0, false, 0, 0, false},
      {"zero is west and north", 0, 0, 0, 0, 0, false, 0, 0, false, 0, 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const BirthDialogFields f = SplitForDialog({1, 1, 2000, 0, c.zone, c.longitude, c.latitude});
    EXPECT_EQ(f.zoneHours, c.zh);
    EXPECT_EQ(f.zoneMinutes, c.zm);
    EXPECT_EQ(f.zoneEast, c.east);
    EXPECT_EQ(f.longitudeDegrees, c.lond);
    EXPECT_EQ(f.longitudeMinutes, c.lonm);
    EXPECT_EQ(f.longitudeEast, c.lonEast);
    EXPECT_EQ(f.latitudeDegrees, c.latd);
    EXPECT_EQ(f.latitudeMinutes, c.latm);
    EXPECT_EQ(f.latitudeSouth, c.south);
  }
}

// Every second of a day typed into the dialog survives the file (four
// decimals) and comes back as typed, on the right side of noon.
TEST(BirthDialogRoundTrip, EverySecondOfTheDay) {
  for (int t = 0; t < 86400; ++t) {
    BirthDialogFields typed = Typed();
    const int hour24 = t / 3600;
    typed.hours = hour24 % 12 == 0 ? 12 : hour24 % 12;
    typed.pm = hour24 >= 12;
    typed.minutes = t / 60 % 60;
    typed.seconds = t % 60;
    const ChartValidation read = ValidateChartImage(FormatChartDataFile(ComposeFromDialog(typed)));
    ASSERT_TRUE(read.ok) << read.message;
    const BirthDialogFields shown = SplitForDialog(read.birth);
    ASSERT_EQ(shown.hours, typed.hours) << t;
    ASSERT_EQ(shown.minutes, typed.minutes) << t;
    ASSERT_EQ(shown.seconds, typed.seconds) << t;
    ASSERT_EQ(shown.pm, typed.pm) << t;
    ASSERT_EQ(shown.day, typed.day) << t;
  }
}

TEST(ApplyCity, FillsOnlyThePlace) {
  const std::optional<std::size_t> london = FindCity("London, England");
  ASSERT_TRUE(london.has_value());
  EXPECT_EQ(*london, 30u);
  BirthDialogFields f = Typed();
  f.daylightSaving = true;
  f.localMeanTime = true;
  ASSERT_TRUE(ApplyCity(f, *london));
  EXPECT_EQ(f.zoneHours, 0);
  EXPECT_EQ(f.zoneMinutes, 0);
  EXPECT_FALSE(f.zoneEast);
  EXPECT_EQ(f.longitudeDegrees, 0);
  EXPECT_EQ(f.longitudeMinutes, 10);
  EXPECT_FALSE(f.longitudeEast);
  EXPECT_EQ(f.latitudeDegrees, 51);
  EXPECT_EQ(f.latitudeMinutes, 30);
  EXPECT_FALSE(f.latitudeSouth);
  // What was typed stays.
  const BirthDialogFields typed = Typed();
  EXPECT_EQ(f.month, typed.month);
  EXPECT_EQ(f.day, typed.day);
  EXPECT_EQ(f.year, typed.year);
  EXPECT_EQ(f.hours, typed.hours);
  EXPECT_EQ(f.minutes, typed.minutes);
  EXPECT_TRUE(f.pm);
  EXPECT_TRUE(f.daylightSaving);
  EXPECT_TRUE(f.localMeanTime);

  BirthDialogFields unchanged = Typed();
  EXPECT_FALSE(ApplyCity(unchanged, kCityTable.size()));
  EXPECT_EQ(unchanged.zoneHours, 5);
}

// Each city put into the dialog and written out gives its own row back.
TEST(ApplyCity, EveryCityWritesItsRow) {
  for (std::size_t row = 0; row < kCityTable.size(); ++row) {
    const CityRow& city = kCityTable[row];
    SCOPED_TRACE(city.name);
    BirthDialogFields f = Typed();
    ASSERT_TRUE(ApplyCity(f, row));
    EXPECT_TRUE(ValidateDialogFields(f).ok());
    const BirthData b = ComposeFromDialog(f);
    const BirthData expected{4, 4, 1970, 17.5, city.zone, city.longitude, city.latitude};
    for (int line : {4, 5, 6}) EXPECT_EQ(FileLine(b, line), FileLine(expected, line)) << "line " << line;
  }
}

TEST(ValidateDialogFields, FirstFailingFieldAndItsMessage) {
  struct Case {
    const char* name;
    void (*edit)(BirthDialogFields&);
    BirthField field;
    const char* message;
  };
  const Case cases[] = {
      {"as typed", [](BirthDialogFields&) {}, BirthField::kNone, ""},
      {"month 13", [](BirthDialogFields& f) { f.month = 13; }, BirthField::kMonth,
       "Please enter an integer between 1 and 12."},
      {"month first of several", [](BirthDialogFields& f) { f.month = 0, f.year = 5000, f.hours = 13; },
       BirthField::kMonth, "Please enter an integer between 1 and 12."},
      {"31 April", [](BirthDialogFields& f) { f.day = 31; }, BirthField::kDay,
       "Please enter an integer between 1 and 30."},
      {"29 February 2001", [](BirthDialogFields& f) { f.month = 2, f.day = 29, f.year = 2001; }, BirthField::kDay,
       "Please enter an integer between 1 and 28."},
      {"29 February 1900", [](BirthDialogFields& f) { f.month = 2, f.day = 29, f.year = 1900; }, BirthField::kDay,
       "Please enter an integer between 1 and 28."},
      {"29 February 2000", [](BirthDialogFields& f) { f.month = 2, f.day = 29, f.year = 2000; }, BirthField::kNone,
       ""},
      {"29 February 1500 (Julian)", [](BirthDialogFields& f) { f.month = 2, f.day = 29, f.year = 1500; },
       BirthField::kNone, ""},
      {"day 0", [](BirthDialogFields& f) { f.day = 0; }, BirthField::kDay, "Please enter an integer between 1 and 30."},
      {"year 3000", [](BirthDialogFields& f) { f.year = 3000; }, BirthField::kYear,
       "Please enter an integer between -2999 and 2999."},
      {"year -2999", [](BirthDialogFields& f) { f.year = -2999; }, BirthField::kNone, ""},
      {"hour 13", [](BirthDialogFields& f) { f.hours = 13; }, BirthField::kHours,
       "Please enter an integer between 0 and 12."},
      {"minutes 60.5", [](BirthDialogFields& f) { f.minutes = 60.5; }, BirthField::kMinutes,
       "Please enter a number between 0 and 60."},
      {"minutes not a number", [](BirthDialogFields& f) { f.minutes = std::nan(""); }, BirthField::kMinutes,
       "Please enter a number between 0 and 60."},
      {"seconds -1", [](BirthDialogFields& f) { f.seconds = -1; }, BirthField::kSeconds,
       "Please enter a number between 0 and 60."},
      {"zone hours 25", [](BirthDialogFields& f) { f.zoneHours = 25; }, BirthField::kZoneHours,
       "Please enter an integer between 0 and 24."},
      {"zone 24:30", [](BirthDialogFields& f) { f.zoneHours = 24, f.zoneMinutes = 30; }, BirthField::kZoneMinutes,
       "Please enter a number between 0 and 0."},
      {"zone 24:00", [](BirthDialogFields& f) { f.zoneHours = 24, f.zoneMinutes = 0; }, BirthField::kNone, ""},
      {"zone 24 East with daylight saving",
       [](BirthDialogFields& f) { f.zoneHours = 24, f.zoneMinutes = 0, f.daylightSaving = true; },
       BirthField::kZoneHours, "Please enter an integer between 0 and 23."},
      {"zone 24:30 West with daylight saving",
       [](BirthDialogFields& f) { f.zoneHours = 24, f.zoneMinutes = 30, f.zoneEast = false, f.daylightSaving = true; },
       BirthField::kNone, ""},
      {"zone ignored under local mean time",
       [](BirthDialogFields& f) { f.zoneHours = 24, f.zoneMinutes = 59, f.localMeanTime = true; }, BirthField::kNone,
       ""},
      {"zone minutes 61", [](BirthDialogFields& f) { f.zoneMinutes = 61; }, BirthField::kZoneMinutes,
       "Please enter a number between 0 and 60."},
      {"longitude 181", [](BirthDialogFields& f) { f.longitudeDegrees = 181; }, BirthField::kLongitudeDegrees,
       "Please enter an integer between 0 and 180."},
      {"longitude 180 1", [](BirthDialogFields& f) { f.longitudeDegrees = 180, f.longitudeMinutes = 1; },
       BirthField::kLongitudeMinutes, "Please enter a number between 0 and 0."},
      {"latitude 91", [](BirthDialogFields& f) { f.latitudeDegrees = 91; }, BirthField::kLatitudeDegrees,
       "Please enter an integer between 0 and 90."},
      {"latitude 90 30", [](BirthDialogFields& f) { f.latitudeDegrees = 90, f.latitudeMinutes = 30; },
       BirthField::kLatitudeMinutes, "Please enter a number between 0 and 0."},
      {"latitude minutes 60.01", [](BirthDialogFields& f) { f.latitudeMinutes = 60.01; },
       BirthField::kLatitudeMinutes, "Please enter a number between 0 and 60."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    BirthDialogFields f = Typed();
    c.edit(f);
    const DialogCheck check = ValidateDialogFields(f);
    EXPECT_EQ(check.field, c.field);
    EXPECT_EQ(check.message, c.message);
    EXPECT_EQ(check.ok(), c.field == BirthField::kNone);
  }
}

// Whatever the dialog accepts, the chart file it writes opens again.
TEST(ValidateDialogFields, AcceptsOnlyWhatTheFileAccepts) {
  std::mt19937 random(131);
  auto pick = [&](int lo, int hi) { return lo + static_cast<int>(random() % static_cast<unsigned>(hi - lo + 1)); };
  int accepted = 0;
  for (int i = 0; i < 200000; ++i) {
    BirthDialogFields f;
    f.month = pick(0, 13);
    f.day = pick(0, 32);
    f.year = pick(-3001, 3001);
    f.hours = pick(0, 13);
    f.minutes = pick(0, 61);
    f.seconds = pick(0, 61);
    f.pm = pick(0, 1) == 1;
    f.zoneHours = pick(22, 25);
    f.zoneMinutes = pick(0, 61);
    f.zoneEast = pick(0, 1) == 1;
    f.longitudeDegrees = pick(178, 181);
    f.longitudeMinutes = pick(0, 61);
    f.longitudeEast = pick(0, 1) == 1;
    f.latitudeDegrees = pick(88, 91);
    f.latitudeMinutes = pick(0, 61);
    f.latitudeSouth = pick(0, 1) == 1;
    f.daylightSaving = pick(0, 1) == 1;
    f.localMeanTime = pick(0, 3) == 0;
    if (!ValidateDialogFields(f).ok()) continue;
    ++accepted;
    const std::string file = FormatChartDataFile(ComposeFromDialog(f));
    const ChartValidation v = ValidateChartImage(file);
    ASSERT_TRUE(v.ok) << file << v.message;
    ASSERT_LE(std::abs(v.birth.latitude), 90) << file;
  }
  EXPECT_GT(accepted, 100);
}

TEST(DaysInMonth, CalendarOfTheTime) {
  EXPECT_EQ(DaysInMonth(2001, 2), 28);
  EXPECT_EQ(DaysInMonth(2000, 2), 29);
  EXPECT_EQ(DaysInMonth(1900, 2), 28);
  EXPECT_EQ(DaysInMonth(1500, 2), 29);
  EXPECT_EQ(DaysInMonth(-500, 2), 29);
  EXPECT_EQ(DaysInMonth(-501, 2), 28);
  EXPECT_EQ(DaysInMonth(1970, 4), 30);
  EXPECT_EQ(DaysInMonth(1970, 12), 31);
}

}  // namespace
}  // namespace orvane
