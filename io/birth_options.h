// Birth data as people write it on a command line, read into chart-file
// units. Every parser takes the whole option value and either returns the
// value or a one-line message saying what is wrong with it; nothing
// malformed, out of range or non-finite is accepted.
#pragma once

#include <string>
#include <string_view>

namespace orvane {

// The user's text as the messages quote it: in double quotes, cut short
// after 32 characters ("..."), valid printable UTF-8 kept and every control
// character, layout-changing character or invalid byte shown as '?'.
std::string ShownInput(std::string_view text);

template <typename T>
struct ParsedOption {
  bool ok = false;
  T value{};
  std::string error;  // one line, empty when ok
};

struct CalendarDate {
  int year = 0;  // astronomical numbering: 0 is 1 BC, -500 is 501 BC
  int month = 1;
  int day = 1;
};

// "1970-04-04": YEAR-MONTH-DAY, the year with an optional sign and 1..4
// digits (-2999..2999, so "-0500-03-01" is 501 BC), month and day with one
// or two digits. The date must exist in the calendar of its time (Julian
// leap years up to 1582, Gregorian from 1583): "2001-02-29" and
// "1970-04-31" are refused.
ParsedOption<CalendarDate> ParseDateOption(std::string_view text);

// "17:50" or "17:50:00": a 24-hour local clock time, hours 0..23, minutes
// 0..59, seconds 0..59 (a decimal fraction of a second is allowed). The
// value is in file units, hours + minutes/100 + seconds/6000 ("17:50" is
// 17.50, "17:50:30" is 17.505).
ParsedOption<double> ParseTimeOption(std::string_view text);

// "+05:30" (east of Greenwich positive, as people write it), "-04:00",
// "+0530", "+5", "Z" or "0"; hours at most 24 in all, minutes 0..59. The
// value is the chart file's zone, which counts west as positive: "+05:30"
// gives -5.30, "-04:00" gives 4.00.
ParsedOption<double> ParseUtcOffsetOption(std::string_view text);

// "81:12E", "71:07W", "81:12:30E": degrees 0..180, minutes 0..59, optional
// seconds 0..59 (rounded into the minutes: 30 seconds or more add one),
// and a direction letter E or W (either case). The value is the chart
// file's longitude, west positive: "81:12E" gives -81.12. At most 180°.
ParsedOption<double> ParseLongitudeOption(std::string_view text);

// "16:15N", "33:52S", "51:30:10N": as the longitude, with N or S and at most
// 90°. The value is the chart file's latitude, north positive: "16:15N"
// gives 16.15, "33:52S" gives -33.52.
ParsedOption<double> ParseLatitudeOption(std::string_view text);

}  // namespace orvane
