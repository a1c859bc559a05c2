#include "io/birth_input.h"

#include <cmath>
#include <cstdlib>

#include "engine/calendar.h"
#include "io/city_table.h"
#include "io/number_text.h"

namespace orvane {
namespace {

// Values beyond this are never chart data; they are shown as 0 so that the
// conversions to int below stay defined.
constexpr double kLargestShown = 1e6;

// Far below the file's resolution (0.006 seconds), far above the binary
// error of SplitDms on values up to 180.
constexpr double kSecondsTolerance = 1e-6;

double Bounded(double v) { return (std::isfinite(v) && std::abs(v) <= kLargestShown) ? v : 0.0; }

int TruncatedInt(double v) { return static_cast<int>(Bounded(v)); }

struct WholeAndMinutes {
  int whole = 0;
  double minutes = 0;
  bool negative = false;
};

// Whole part and minutes of a zone, longitude or latitude: minutes raised
// by one from 30 seconds on (SplitDms of -5.30 gives 29' 59.99..."), and 60
// minutes or more carried into the whole part.
WholeAndMinutes SplitAngle(double value) {
  const DmsParts p = SplitDms(Bounded(value));
  WholeAndMinutes out;
  out.negative = p.positive == 0;
  int whole = static_cast<int>(p.whole);
  int minutes = static_cast<int>(p.minutes);  // [0, 99]
  // 30 seconds stored as whole.minutes (x.yy5) come out of the binary
  // value a hair below 30; they still round up.
  if (p.seconds >= 30 - kSecondsTolerance) ++minutes;  // [0, 100]
  whole += minutes / 60;
  minutes %= 60;                              // [0, 59]
  out.whole = whole;
  out.minutes = minutes;
  return out;
}

// Moves a date by `days` whole days (usually -1, 0 or +1). A month outside
// 1..12 is left alone: there is no calendar to step in.
void ShiftDate(int& year, int& month, int& day, long long days) {
  if (month < 1 || month > 12) return;
  for (; days > 0; --days) {
    ++day;
    if (day > DaysInMonth(year, month)) {
      day -= DaysInMonth(year, month);
      if (++month > 12) month = 1, ++year;
    }
  }
  for (; days < 0; ++days) {
    --day;
    if (day < 1) {
      if (--month < 1) month = 12, --year;
      day += DaysInMonth(year, month);
    }
  }
}

std::string IntRangeMessage(long long min, long long max) {
  std::string text = "Please enter an integer between ";
  AppendInt(text, min);
  text += " and ";
  AppendInt(text, max);
  text += '.';
  return text;
}

std::string RealRangeMessage(double min, double max) {
  return "Please enter a number between " + ShortestNumber(min) + " and " + ShortestNumber(max) + ".";
}

// Checks accumulate into one result and stop at the first failure.
class Checker {
 public:
  void Int(BirthField field, int value, int min, int max) {
    if (result_.ok() && (value < min || value > max)) {
      result_.field = field;
      result_.message = IntRangeMessage(min, max);
    }
  }
  void Real(BirthField field, double value, double min, double max) {
    if (result_.ok() && !(value >= min && value <= max)) {
      result_.field = field;
      result_.message = RealRangeMessage(min, max);
    }
  }
  // A whole part and minutes whose value whole + minutes/100 must not pass
  // `cap` (a whole number): at the cap the minutes must be 0.
  void Combined(BirthField wholeField, int whole, BirthField minutesField, double minutes, int cap) {
    Int(wholeField, whole, 0, cap);
    if (whole == cap) Real(minutesField, minutes, 0, 0);
  }
  const DialogCheck& result() const { return result_; }

 private:
  DialogCheck result_;
};

void FillLocation(BirthDialogFields& fields, double zone, double longitude, double latitude) {
  const WholeAndMinutes z = SplitAngle(zone);
  fields.zoneHours = z.whole;
  fields.zoneMinutes = z.minutes;
  fields.zoneEast = z.negative;
  const WholeAndMinutes lon = SplitAngle(longitude);
  fields.longitudeDegrees = lon.whole;
  fields.longitudeMinutes = lon.minutes;
  fields.longitudeEast = lon.negative;
  const WholeAndMinutes lat = SplitAngle(latitude);
  fields.latitudeDegrees = lat.whole;
  fields.latitudeMinutes = lat.minutes;
  fields.latitudeSouth = lat.negative;
}

}  // namespace

int DaysInMonth(int year, int month) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 31;
  if (month != 2) return kDays[month - 1];
  const bool leap = year <= 1582 ? year % 4 == 0 : IsLeapYear(year) == 1;
  return leap ? 29 : 28;
}

BirthDialogFields SplitForDialog(const BirthData& birth) {
  BirthDialogFields fields;
  fields.month = TruncatedInt(birth.month);
  fields.day = TruncatedInt(birth.day);
  fields.year = TruncatedInt(birth.year);

  // The time in whole seconds on the 24-hour clock, rounded first so that
  // the carries land in the right hour and the right half of the day.
  const DmsParts t = SplitDms(Bounded(birth.time));
  long long seconds = static_cast<long long>(t.whole) * 3600 + static_cast<long long>(t.minutes) * 60 +
                      static_cast<long long>(t.seconds + 0.5);
  if (t.positive == 0) seconds = -seconds;
  constexpr long long kDay = 86400;
  long long days = seconds / kDay;
  seconds %= kDay;
  if (seconds < 0) seconds += kDay, --days;  // [0, 86399]
  ShiftDate(fields.year, fields.month, fields.day, days);
  const int hour24 = static_cast<int>(seconds / 3600);  // [0, 23]
  fields.minutes = static_cast<double>(seconds / 60 % 60);
  fields.seconds = static_cast<double>(seconds % 60);
  fields.pm = hour24 >= 12;
  fields.hours = hour24 % 12 == 0 ? 12 : hour24 % 12;  // [1, 12]

  FillLocation(fields, birth.zone, birth.longitude, birth.latitude);
  fields.daylightSaving = false;
  fields.localMeanTime = false;
  return fields;
}

BirthData ComposeFromDialog(const BirthDialogFields& fields) {
  BirthData birth;
  birth.month = fields.month;
  birth.day = fields.day;
  birth.year = fields.year;
  const int hour = (fields.hours == 12 ? 0 : fields.hours) + (fields.pm ? 12 : 0);
  birth.time = hour + fields.minutes / 100.0 + fields.seconds / 6000.0;

  birth.longitude = fields.longitudeDegrees + fields.longitudeMinutes / 100.0;
  if (fields.longitudeEast) birth.longitude = -birth.longitude;
  birth.latitude = fields.latitudeDegrees + fields.latitudeMinutes / 100.0;
  if (fields.latitudeSouth) birth.latitude = -birth.latitude;

  if (fields.localMeanTime) {
    // Four minutes of time for each degree of longitude.
    double degrees = fields.longitudeDegrees + fields.longitudeMinutes / 60.0;
    if (fields.longitudeEast) degrees = -degrees;
    const double t = 4.0 * degrees;
    const double hours = std::trunc(std::abs(t) / 60.0);
    const double rest = std::abs(t) - 60.0 * hours;
    birth.zone = hours + rest / 100.0;
    if (t < 0) birth.zone = -birth.zone;
  } else {
    // In minutes west of Greenwich, so that the saving hour may carry the
    // zone across it (0:30 West with daylight saving is 0:30 East).
    double minutesWest = 60.0 * fields.zoneHours + fields.zoneMinutes;
    if (fields.zoneEast) minutesWest = -minutesWest;
    if (fields.daylightSaving) minutesWest -= 60.0;
    const double magnitude = std::abs(minutesWest);
    const double hours = std::trunc(magnitude / 60.0);
    birth.zone = hours + (magnitude - 60.0 * hours) / 100.0;
    if (minutesWest < 0) birth.zone = -birth.zone;
  }
  return birth;
}

DialogCheck ValidateDialogFields(const BirthDialogFields& fields) {
  Checker check;
  check.Int(BirthField::kMonth, fields.month, 1, 12);
  check.Int(BirthField::kDay, fields.day, 1, DaysInMonth(fields.year, fields.month));
  check.Int(BirthField::kYear, fields.year, -2999, 2999);
  check.Int(BirthField::kHours, fields.hours, 0, 12);
  check.Real(BirthField::kMinutes, fields.minutes, 0, 60);
  check.Real(BirthField::kSeconds, fields.seconds, 0, 60);

  check.Int(BirthField::kZoneHours, fields.zoneHours, 0, 24);
  check.Real(BirthField::kZoneMinutes, fields.zoneMinutes, 0, 60);
  if (!fields.localMeanTime) {
    // The zone written must stay within -24..24 once daylight saving has
    // taken its hour: East of GMT that leaves 23 hours; West of GMT the
    // saving hour only brings the value nearer to zero.
    if (!fields.daylightSaving) {
      check.Combined(BirthField::kZoneHours, fields.zoneHours, BirthField::kZoneMinutes, fields.zoneMinutes, 24);
    } else if (fields.zoneEast) {
      check.Combined(BirthField::kZoneHours, fields.zoneHours, BirthField::kZoneMinutes, fields.zoneMinutes, 23);
    }
  }

  check.Int(BirthField::kLongitudeDegrees, fields.longitudeDegrees, 0, 180);
  check.Real(BirthField::kLongitudeMinutes, fields.longitudeMinutes, 0, 60);
  check.Combined(BirthField::kLongitudeDegrees, fields.longitudeDegrees, BirthField::kLongitudeMinutes,
                 fields.longitudeMinutes, 180);
  check.Int(BirthField::kLatitudeDegrees, fields.latitudeDegrees, 0, 90);
  check.Real(BirthField::kLatitudeMinutes, fields.latitudeMinutes, 0, 60);
  check.Combined(BirthField::kLatitudeDegrees, fields.latitudeDegrees, BirthField::kLatitudeMinutes,
                 fields.latitudeMinutes, 90);
  return check.result();
}

bool ApplyCity(BirthDialogFields& fields, std::size_t row) {
  if (row >= kCityTable.size()) return false;
  const CityRow& city = kCityTable[row];
  FillLocation(fields, city.zone, city.longitude, city.latitude);
  return true;
}

}  // namespace orvane
