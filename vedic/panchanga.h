// Panchanga and the per-point quantities of a cast chart (rasi, nakshatra,
// pada, navamsa, bhava, residential strength, tara, sub lord, chara
// karakas), the weekday with its day count, the muntha of a Tajaka chart,
// and the report sections built from them: basic information (section 4)
// and the planet tables (sections 5 and 21).
#pragma once

#include <cstdint>
#include <string_view>

#include "chart/chart_state.h"
#include "io/settings.h"
#include "report/report_buffer.h"

namespace orvane {

// Navamsa sign 0..11: the nakshatra pada counted from Aries, so that it
// always agrees with the nakshatra and pada of the same longitude.
int NavamsaOf(double longitude);

// Day count of a calendar date: 26543 for 1 January 1900, one more per day.
// Dates the day number reads as Julian-calendar dates count from the day
// number; a count below zero is raised by whole multiples of 75600 days (a
// multiple of the week).
std::int64_t DayCountOf(int year, int month, int day);

struct Weekday {
  std::int64_t dayCount = 0;
  int vara = 0;  // 0 = Sunday
};
// The weekday of a birth: a birth before 11 h clock time with the Sun below
// the horizon belongs to the previous day. `clockTime` in hours (either
// decimal or whole.minutes: only the comparison with 11 is made).
Weekday WeekdayOf(int year, int month, int day, double clockTime, double ascendant, double sun);

struct PanchangaValues {
  int tithi = 0;            // 0..29
  double tithiBalance = 1;  // unelapsed part of the tithi
  int yoga = 0;             // 0..26
  int karana = 0;           // 0..10
  int dayBirth = 0;         // the Sun on the arc from the descendant forward to the ascendant
};
PanchangaValues PanchangaOf(double sun, double moon, double ascendant);
// The karana (0 Bava .. 10 Kimstughna) of a half-tithi 0..59 of the lunar month.
int KaranaOfHalfTithi(int halfTithi);

// Names as the report prints them; "?" outside the tables.
std::string_view TithiName(int tithi);      // 0 Sukla Pratipat .. 29 Amavasya
std::string_view YogaName(int yoga);        // 0..26
std::string_view KaranaName(int karana);    // 0..10
std::string_view WeekdayName(int vara);     // 0 Sunday
// The lunar month begun by a new moon with the Sun in `sign` (0 Aries: Vaisakha).
std::string_view LunarMonthNameBySunSign(int sign);

// House 0..11 of a longitude: houses are 30 degrees wide and centred on the
// ascendant + 30 degrees times the house.
int BhavaOf(double longitude, double ascendant);
// 1 at the middle of the house, 0 at its bounds.
double ResidentialStrengthOf(double longitude, double ascendant, int bhava);
// Vimsottari sub lord (planet code) of a longitude's nakshatra.
int SubLordOf(double longitude);

// The date and clock time (file units) that the derivations read: the birth
// data of a natal chart, the moment the Tajaka search found for a Tajaka
// chart (the engine's last cast moment).
BirthData ChartMomentOf(const ChartState& state);

// Section 4, the basic information of a derived chart: the birth data, the
// panchanga and the ayanamsa (closed by a blank line in a natal chart).
void WriteBasicInformation(const ChartState& state, const Settings& settings, ReportBuffer& out);
// Its birth data, from the start of the buffer.
void WriteBirthDataHeader(const ChartState& state, ReportBuffer& out);
// The weekday and day count of the chart moment.
Weekday ChartWeekday(const ChartState& chart);
// Per-point pass over the 40 slots, own taras and sub lords, panchanga,
// muntha (Tajaka charts) and the chara karakas.
void ComputePointsAndPanchanga(const ChartState& chart, VedicState& vedic);
// Jaimini chara karakas of Sun..Rahu and the karakamsa.
void ComputeCharaKarakas(const ChartState& chart, VedicState& vedic);
// The planet table: in full (section 5) or short (section 21).
void WritePlanetTable(const ChartState& state, bool full, ReportBuffer& out);

}  // namespace orvane
