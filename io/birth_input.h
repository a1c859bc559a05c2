// The birth-data dialog's round trip as plain functions: birth data in
// chart-file units are split into the fields the dialog shows, the fields
// are checked with the dialog's range messages, and composed back into
// birth data. No toolkit here; the dialog moves these values in and out of
// its controls.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/engine_state.h"

namespace orvane {

// What the dialog shows. Zone, longitude and latitude fields carry no sign:
// the direction flags give it.
struct BirthDialogFields {
  int month = 1;          // 1..12
  int day = 1;            // 1..length of the month
  int year = 2000;        // -2999..2999
  int hours = 12;         // clock hour 1..12 (0 is accepted and read as 12)
  double minutes = 0;     // 0..60
  double seconds = 0;     // 0..60
  bool pm = false;        // "AM" (false) or "PM" (true)
  int zoneHours = 0;      // 0..24
  double zoneMinutes = 0; // 0..60
  bool zoneEast = false;  // "East of GMT" (true) or "West of GMT" (false)
  int longitudeDegrees = 0;     // 0..180
  double longitudeMinutes = 0;  // 0..60
  bool longitudeEast = false;   // "E" (true) or "W" (false)
  int latitudeDegrees = 0;      // 0..90
  double latitudeMinutes = 0;   // 0..60
  bool latitudeSouth = false;   // "S" (true) or "N" (false)
  bool daylightSaving = false;  // "Daylight Saving Time"
  bool localMeanTime = false;   // "Local Mean Time (time zone entered above will be ignored)"
};

// The fields in the order the dialog checks them.
enum class BirthField : std::uint8_t {
  kNone,
  kMonth,
  kDay,
  kYear,
  kHours,
  kMinutes,
  kSeconds,
  kZoneHours,
  kZoneMinutes,
  kLongitudeDegrees,
  kLongitudeMinutes,
  kLatitudeDegrees,
  kLatitudeMinutes,
};

struct DialogCheck {
  BirthField field = BirthField::kNone;  // the first field that failed, kNone when all pass
  std::string message;                   // its range message, empty when all pass
  bool ok() const { return field == BirthField::kNone; }
};

// Days in `month` (1..12) of `year` in the calendar a chart's day number is
// counted in: the Julian leap rule (every fourth year) up to 1582, the
// Gregorian rule from 1583 on. Any other month gives 31.
int DaysInMonth(int year, int month);

// Fills the dialog from birth data (normally the copy kept after the last
// cast). Month, day and year are truncated to integers. The time is split
// on the 24-hour clock: seconds rounded to the nearest whole second, carried
// into minutes and hours (and, for a time that reaches 24:00 or lies below
// 0:00, into the date), and only then shown as 1..12 with AM/PM: a stored
// 11:59:59.7 shows 12:00:00 PM, 0:30 shows 12:30 AM. Zone, longitude and
// latitude show their whole part and minutes, the minutes raised by one when
// the seconds are 30 or more, 60 minutes carried into the whole part;
// directions: zone >= 0 West, longitude >= 0 W, latitude >= 0 N. Daylight
// saving and local mean time start unchecked.
BirthDialogFields SplitForDialog(const BirthData& birth);

// Birth data in chart-file units from the fields (write them with
// FormatChartDataFile, which rounds to the file's decimals):
// time = h + minutes/100 + seconds/6000 with hour 12 read as 0 and 12 added
// for PM; zone = hours + minutes/100, negative East, 1.0 subtracted from the
// signed value with daylight saving; with local mean time the zone is
// replaced by the longitude's: L = degrees + minutes/60 (negative E),
// t = 4L minutes, zone = H + R/100 with H the whole hours of |t| and R the
// rest in minutes, negative when t < 0 (daylight saving then ignored);
// longitude = degrees + minutes/100, negative E; latitude = degrees +
// minutes/100, negative S.
BirthData ComposeFromDialog(const BirthDialogFields& fields);

// The dialog's check on OK: the first field out of range, in BirthField
// order, with the message "Please enter an integer between %1 and %2." (int
// fields) or "Please enter a number between %1 and %2." (real fields).
// Ranges: month 1..12; day 1..the month's length (so 31 April or 29
// February 2001 are refused); year -2999..2999; hours 0..12; minutes and
// seconds 0..60; zone hours 0..24; longitude degrees 0..180; latitude
// degrees 0..90; every minutes field 0..60. The composed zone, longitude
// and latitude must also stay inside what a chart file accepts (|zone| <=
// 24 after daylight saving, |longitude| <= 180, |latitude| <= 90): when the
// whole part is at its limit the minutes field is refused with the range
// "0 and 0", and with daylight saving East of GMT the zone hours are
// limited to 23. The zone fields are not combined under local mean time.
DialogCheck ValidateDialogFields(const BirthDialogFields& fields);

// Choosing city `row` of kCityTable: fills only the zone, longitude and
// latitude fields and their directions, split as SplitForDialog does; the
// date, the time and the two check boxes keep what was typed. Returns false
// (and changes nothing) for a row beyond the table.
bool ApplyCity(BirthDialogFields& fields, std::size_t row);

}  // namespace orvane
