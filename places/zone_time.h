// The UTC offset in force at a local clock time in an IANA time zone, read
// from the system's tz database (/usr/share/zoneinfo) through the date/tz
// library. Never uses the network.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orvane {

// One reading of a local clock time.
struct ZoneOffset {
  int offsetSeconds = 0;     // east of Greenwich positive, seconds included
  bool dst = false;          // the database marks the time as daylight saving
  bool localMeanTime = false;  // the database has the zone's own local mean time ("LMT")
  std::string abbreviation;  // as the database names the time: "IST", "+0630", "LMT"
};

enum class LocalTimeKind : std::uint8_t {
  kUnique,       // the clock time occurs once
  kNonexistent,  // skipped when the clocks moved forward
  kAmbiguous,    // occurs twice when the clocks moved back
  kError,        // unknown zone, unreadable database, date out of range
};

struct LocalTimeResolution {
  LocalTimeKind kind = LocalTimeKind::kError;
  // The reading in force: for an ambiguous time the first (daylight)
  // reading, or the second when it was asked for. Not set for a time that
  // does not exist or an error.
  ZoneOffset offset;
  // The other reading of an ambiguous time (the second when the first was
  // taken, and the other way round).
  ZoneOffset other;
  // Why the time was refused or what was chosen (empty for a unique time):
  // one sentence naming the time, the zone and the clock change.
  std::string message;
};

// The reading of the local time year-month-day hour:minute:second (the
// proleptic Gregorian calendar, second in [0, 60)) in `zone`. `second`
// reading: for an ambiguous time take the later, standard reading instead
// of the first.
LocalTimeResolution ResolveLocalTime(std::string_view zone, int year, int month, int day, int hour, int minute,
                                     double second, bool secondReading = false);

// The reading in force at an instant (seconds of the Unix epoch) in `zone`.
// False with a one-line reason for an unknown zone or an unreadable database.
bool OffsetAtInstant(std::string_view zone, std::int64_t unixSeconds, ZoneOffset& out, std::string* error);

// The offset of a place's own local mean time: four minutes of time per
// degree of longitude (east positive), rounded to the second.
int LocalMeanTimeOffset(double longitudeEast);

// "+5:30", "-4:00", "+5:53:28" (seconds shown only when not zero).
std::string FormatOffset(int offsetSeconds);

// How the time is named: "standard time", "daylight saving time" or "local
// mean time", with the database's abbreviation when it is a name rather
// than a number: "Asia/Kolkata, +5:30 IST, standard time".
std::string DescribeOffset(std::string_view zone, const ZoneOffset& offset);

}  // namespace orvane
