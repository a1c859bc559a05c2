#include "vedic/panchanga.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tests/common/chart_with_report.h"
#include "compute/pipeline.h"

namespace orvane {
namespace {

TEST(Panchanga, TithiYogaKaranaAndDayBirth) {
  struct Case {
    const char* name;
    double sun, moon, ascendant;
    int tithi;
    double balance;
    int yoga, karana, dayBirth;
  };
  const Case cases[] = {
      {"new moon exactly", 0, 0, 0, 0, 1.0, 0, 10, 1},                       // Kimstughna
      {"moon 12 ahead", 0, 12, 0, 1, 1.0, 0, 1, 1},                          // Sukla Dwitiya, Balava
      {"moon 6 ahead starts Bava", 100, 106, 100, 0, 0.5, 15, 0, 1},
      {"moon 359 ahead", 10, 9, 10, 29, 1.0 / 12, 1, 9, 1},                  // Amavasya, Naga
      {"sun plus moon a whole turn", 200, 160, 200, 26, 1.0 / 3, 0, 3, 1},   // Vishkambha, Taitula
      {"last Vishti", 0, 336, 0, 28, 1.0, 25, 6, 1},
      {"Sakuna", 0, 342, 0, 28, 0.5, 25, 7, 1},
      {"Chatushpada", 0, 348, 0, 29, 1.0, 26, 8, 1},
      {"sun on the descendant is above", 280, 10, 100, 7, 0.5, 21, 0, 1},
      {"sun just below the eastern horizon", 101, 0, 100, 21, 5.0 / 12, 7, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const PanchangaValues p = PanchangaOf(c.sun, c.moon, c.ascendant);
    EXPECT_EQ(p.tithi, c.tithi);
    EXPECT_NEAR(p.tithiBalance, c.balance, 1e-12);
    EXPECT_EQ(p.yoga, c.yoga);
    EXPECT_EQ(p.karana, c.karana);
    EXPECT_EQ(p.dayBirth, c.dayBirth);
  }
}

TEST(Weekday, DayCountAndVaraAcrossTheCalendars) {
  struct Case {
    const char* name;
    int year, month, day;
    std::int64_t dayCount;
    int vara;
  };
  const Case cases[] = {
      {"1 January 1900", 1900, 1, 1, 26543, 1},
      {"default chart date", 1970, 4, 4, 52203, 6},
      {"leap day 2000", 2000, 2, 29, 63126, 2},
      {"after the leap day", 2000, 3, 1, 63127, 3},
      {"the day before 1900", 1899, 12, 31, 26542, 0},
      {"1700 is no leap year", 1700, 3, 1, 29154, 1},
      {"Gregorian before 1900 raised by 75600", 1600, 1, 1, 68170, 6},
      {"first day after the Julian reading", 1582, 10, 16, 61884, 6},
      {"far future", 3000, 6, 15, 428475, 0},
      // Dates the day number reads in the Julian calendar count from it.
      {"last Julian-read date", 1582, 10, 15, 61893, 1},
      {"Julian 4 October 1582", 1582, 10, 4, 61882, 4},
      {"Julian year 1000", 1000, 1, 1, 230, 1},
      {"year 0", 0, 3, 1, 13040, 1},
      {"year -3000", -3000, 1, 1, 51230, 6},
      {"Julian leap day of -1000", -1000, 2, 29, 25789, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(DayCountOf(c.year, c.month, c.day), c.dayCount);
    // At noon with the Sun above the horizon the calendar date stands.
    const Weekday w = WeekdayOf(c.year, c.month, c.day, 12.0, 90.0, 80.0);
    EXPECT_EQ(w.dayCount, c.dayCount);
    EXPECT_EQ(w.vara, c.vara);
  }
}

TEST(Weekday, BirthBeforeSunriseBelongsToThePreviousDay) {
  struct Case {
    const char* name;
    double time, ascendant, sun;
    int vara;
  };
  // 4 April 1970 was a Saturday (6).
  const Case cases[] = {
      {"04:00, Sun below the horizon", 4.0, 0.0, 100.0, 5},
      {"04:00, Sun above the horizon", 4.0, 100.0, 0.0, 6},
      {"23:00, Sun below the horizon", 23.0, 0.0, 100.0, 6},
      {"10:59, Sun below the horizon", 10.59, 0.0, 100.0, 5},
      {"11:00, Sun below the horizon", 11.0, 0.0, 100.0, 6},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(WeekdayOf(1970, 4, 4, c.time, c.ascendant, c.sun).vara, c.vara);
  }
  // Across the start of a count cycle the remainder stays a weekday.
  EXPECT_EQ(WeekdayOf(1582, 10, 16, 4.0, 0.0, 100.0).vara, 5);
}

TEST(PointPass, BhavaAndResidentialStrength) {
  struct Case {
    const char* name;
    double longitude, ascendant;
    int bhava;
    double strength;
  };
  const Case cases[] = {
      {"on the first house's start", 85.0, 100.0, 0, 0.0},
      {"on the ascendant", 100.0, 100.0, 0, 1.0},
      {"on the second house's start", 115.0, 100.0, 1, 0.0},
      {"halfway to the bound", 107.5, 100.0, 0, 0.5},
      {"first house across Aries", 355.0, 10.0, 0, 0.0},
      {"first house across Aries, inside", 2.0, 350.0, 0, 0.2},
      {"second house after a wrap", 5.0, 350.0, 1, 0.0},
      {"twelfth house", 61.0, 100.0, 11, 0.4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const int bhava = BhavaOf(c.longitude, c.ascendant);
    EXPECT_EQ(bhava, c.bhava);
    EXPECT_NEAR(ResidentialStrengthOf(c.longitude, c.ascendant, bhava), c.strength, 1e-12);
  }
}

TEST(PointPass, SubLords) {
  struct Case {
    const char* name;
    double longitude;
    int lord;
  };
  const Case cases[] = {
      {"start of Aswini", 0.0, 9},                 // Ketu
      {"past Ketu's share of Aswini", 0.8, 6},     // Venus
      {"end of Aswini", 13.3, 4},                  // Mercury, the last
      {"exact start of Bharani", 13.333333333333332, 6},
      {"Rohini, just into Rahu's share", 40.0 + 13.333333333333332 * (10 + 7) / 120 + 0.01, 8},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(SubLordOf(c.longitude), c.lord);
  }
}

std::unique_ptr<testing_support::ChartWithReport> StateWithPlanets(const double (&longitudes)[10]) {
  auto state = std::make_unique<testing_support::ChartWithReport>();
  for (int slot = 0; slot < 10; ++slot) state->slotLongitude[slot] = longitudes[slot];
  return state;
}

TEST(CharaKarakas, RankByDegreesWithRahuReversedAndSlotOrderOnTies) {
  // Sun and Moon both at 25 degrees of their signs; Rahu at 2 Aquarius counts
  // as 28 degrees.
  const double longitudes[10] = {0, 25.0, 55.0, 70.0, 95.0, 120.5, 200.0, 3.0, 302.0, 122.0};
  auto state = StateWithPlanets(longitudes);
  ComputePointsAndPanchanga(*state, state->vedic);
  const VedicState& v = state->vedic;
  const int expected[9] = {-1, 1, 2, 4, 5, 7, 3, 6, 0};  // by slot 1..8
  for (int slot = 1; slot <= 8; ++slot) {
    SCOPED_TRACE(slot);
    EXPECT_EQ(v.charaKaraka[slot], expected[slot]);
  }
  EXPECT_EQ(v.atmakarakaSlot, 8);
  EXPECT_EQ(v.karakamsa, 6);  // Rahu's navamsa: Libra
  EXPECT_EQ(state->slotLongitude[8], 302.0);
}

TEST(BasicInformation, BirthDataLines) {
  struct Case {
    const char* name;
    double time, zone, longitude, latitude;
    const char* text;
  };
  const Case cases[] = {
      {"default chart", 17.5, -5.30, -81.12, 16.15,
       "Date of Birth:         April 4, 1970\n"
       "Time of Birth:         5:50:00 pm\n"
       "Time Zone of Birth:    5:30 East of GMT\n"
       "Longitude of Birth:    81 E 12\n"
       "Latitude of Birth:     16 N 15\n"},
      {"midnight and the zero meridian", 0.0, 0.0, 0.0, -33.55,
       "Date of Birth:         April 4, 1970\n"
       "Time of Birth:         12:00:00 am\n"
       "Time Zone of Birth:    0:00 West of GMT\n"
       "Longitude of Birth:    0 W 00\n"
       "Latitude of Birth:     33 S 55\n"},
      {"half past noon", 12.30, 5.0, 71.12, 42.30,
       "Date of Birth:         April 4, 1970\n"
       "Time of Birth:         12:30:00 pm\n"
       "Time Zone of Birth:    5:00 West of GMT\n"
       "Longitude of Birth:    71 W 12\n"
       "Latitude of Birth:     42 N 30\n"},
      {"59.6 seconds carry into the hour", 10.59 + 59.6 / 6000, -10.0, -151.12, -33.52,
       "Date of Birth:         April 4, 1970\n"
       "Time of Birth:         11:00:00 am\n"
       "Time Zone of Birth:    10:00 East of GMT\n"
       "Longitude of Birth:    151 E 12\n"
       "Latitude of Birth:     33 S 52\n"},
      {"carry past midnight", 23.59 + 59.6 / 6000, -5.30, -81.12, 16.15,
       "Date of Birth:         April 4, 1970\n"
       "Time of Birth:         12:00:00 am\n"
       "Time Zone of Birth:    5:30 East of GMT\n"
       "Longitude of Birth:    81 E 12\n"
       "Latitude of Birth:     16 N 15\n"},
      {"seconds of the clock field", 17.5050, -5.30, -81.12, 16.15,
       "Date of Birth:         April 4, 1970\n"
       "Time of Birth:         5:50:30 pm\n"
       "Time Zone of Birth:    5:30 East of GMT\n"
       "Longitude of Birth:    81 E 12\n"
       "Latitude of Birth:     16 N 15\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto state = std::make_unique<testing_support::ChartWithReport>();
    state->birth = {4, 4, 1970, c.time, c.zone, c.longitude, c.latitude};
    auto out = std::make_unique<ReportBuffer>();
    WriteBirthDataHeader(*state, *out);
    EXPECT_EQ(std::string(out->Text()), c.text);
  }
}

TEST(BasicInformation, TajakaChartShowsTheMomentOfTheYear) {
  auto state = std::make_unique<testing_support::ChartWithReport>();
  state->options.tajakaMode = 1;
  state->birth = {4, 4, 1970, 17.5, -5.30, -81.12, 16.15};
  state->castMoment = {4, 5, 2000, 3.0730, -5.30, -81.12, 16.15};
  auto out = std::make_unique<ReportBuffer>();
  WriteBirthDataHeader(*state, *out);
  EXPECT_EQ(std::string(out->Text()),
            "Date of New Year:      April 5, 2000\n"
            "Time of New Year:      3:07:18 am\n"
            "Time Zone of Birth:    5:30 East of GMT\n"
            "Longitude of Birth:    81 E 12\n"
            "Latitude of Birth:     16 N 15\n");
}

TEST(Muntha, AdvancesASignAYearAndByMonthAndHoraPeriod) {
  struct Case {
    const char* name;
    int year, monthly, month, horaWanted, hora;
    double longitude;
    const char* text;
  };
  // Natal ascendant 100 (10 Cancer), born 1970; annual chart ascendant 100.
  const Case cases[] = {
      {"thirteenth year", 1983, 0, 1, 0, 0, 130.0,
       "\nMuntha is at 10 Le 00, in 2nd bhava (residential strength is 100%).\n"},
      {"month 3, hora period 6", 1983, 1, 3, 1, 6, 136.25,
       "\nMuntha is at 16 Le 15, in 2nd bhava (residential strength is  58%).\n"},
      {"hora period without a hora chart", 1983, 1, 3, 0, 6, 135.0,
       "\nMuntha is at 15 Le 00, in 2nd bhava (residential strength is  67%).\n"},
      {"a year before birth", 1969, 0, 1, 0, 0, 70.0,
       "\nMuntha is at 10 Ge 00, in 12th bhava (residential strength is 100%).\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const double longitudes[10] = {100.0, 10.0, 20.0, 30.0, 40.0, 50.0, 60.0, 70.0, 80.0, 260.0};
    auto state = StateWithPlanets(longitudes);
    state->birth.year = 1970;
    state->tajaka.natalLongitude[kAscendant] = 100.0;
    state->options.tajakaMode = 1;
    state->options.tajakaYear = c.year;
    state->options.tajakaMonthly = c.monthly;
    state->options.tajakaMonth = c.month;
    state->options.tajakaHoraWanted = c.horaWanted;
    state->options.tajakaHora = c.hora;
    ComputePointsAndPanchanga(*state, state->vedic);
    EXPECT_DOUBLE_EQ(state->vedic.munthaLongitude, c.longitude);
    WriteBasicInformation(*state, Settings{}, state->report);
    const std::string text(state->report.Text());
    EXPECT_NE(text.find(c.text), std::string::npos) << text;
  }
}

}  // namespace
}  // namespace orvane
