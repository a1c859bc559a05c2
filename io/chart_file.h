// The chart data file: seven numbers in plain text (month, day, year, time,
// zone, longitude, latitude in the units of BirthData), kept by a document
// byte for byte as its chart image; and the careful file access that every
// file the program keeps goes through.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/engine_state.h"

namespace orvane {

// A chart image larger than this is not a chart data file.
inline constexpr std::size_t kChartImageLimit = 65536;

// The chart the program writes at start-up when its working chart file is
// missing: 4 April 1970, 17:50, zone 5:30 east, 81° 12' E, 16° 15' N. No
// final line end (a reader must take the last number at end of file).
inline constexpr std::string_view kStartupDefaultChart = "4\n4\n1970\n17.5000\n-5.30\n-81.12\n16.15";

// Closed ranges of the seven fields of a valid chart data file.
inline constexpr double kChartYearMin = -2999, kChartYearMax = 2999;
inline constexpr double kChartMonthMin = 1, kChartMonthMax = 12;
inline constexpr double kChartDayMin = 1, kChartDayMax = 31;
inline constexpr double kChartTimeLimit = 24;        // time in -24..24
inline constexpr double kChartZoneLimit = 24;        // zone in -24..24
inline constexpr double kChartLongitudeLimit = 180;  // longitude in -180..180
// Latitude in -180..180 is what a chart file may hold; the birth-data
// dialog itself only accepts -90..90.
inline constexpr double kChartLatitudeLimit = 180;

// Reads at most `limit` bytes of the regular file at `path` into `bytes`,
// unchanged. `more` tells whether the file holds more than that. Returns
// false, leaves `bytes` empty and, when `error` is given, puts a one-line
// reason naming the file there when the file cannot be opened or read or
// is not a regular file (a named pipe or a device is never read, so this
// cannot block).
bool ReadRegularFile(const std::string& path, std::size_t limit, std::string& bytes, bool& more,
                     std::string* error);

// Whether nothing is at `path` (stat fails with ENOENT or ENOTDIR; a link
// to nothing counts as missing). Nothing is opened.
bool PathIsMissing(const std::string& path);

// Reads the whole file at `path` into `bytes`, unchanged (no line-end or
// encoding conversion). Only a regular file of at most kChartImageLimit
// bytes is read. Returns false, leaves `bytes` empty and, when `error` is
// given, puts a one-line reason naming the file there when the file cannot
// be opened or read, is not a regular file, or is larger than the limit.
bool ReadChartImage(const std::string& path, std::string& bytes, std::string* error);

struct ChartValidation {
  bool ok = false;
  BirthData birth{};    // the seven values read (filled only when ok)
  std::string message;  // one line saying what is wrong (empty when ok)
};

// Checks a chart image and reads its seven numbers. The numbers are
// separated by any blanks (LF or CR LF line ends, no final line end
// needed); anything after the seventh is ignored (the labels of
// ReadChartLabels live there). Each must be a complete
// plain decimal number (optional sign, digits, optional '.' and digits: no
// exponent, "nan", "inf", hexadecimal or run-together text such as
// "17.50.30") inside its closed range: month 1..12, day 1..31, year
// -2999..2999, time -24..24, zone -24..24, longitude -180..180, latitude
// -180..180. Month, day and year are returned as read (not truncated).
ChartValidation ValidateChartImage(std::string_view image);

// The seven lines of a chart data file:
// "%d\n%d\n%d\n%.4f\n%.2f\n%.2f\n%.2f\n" with month, day and year truncated
// toward zero, always with a decimal point whatever the locale. Values are
// written as given: callers write validated birth data (a month, day or
// year that is not finite or beyond the int range is written as 0 so that
// the output stays bounded; such a file fails validation when read).
std::string FormatChartDataFile(const BirthData& birth);

// What a chart file may keep after its seven numbers: the person's name,
// the place's name and the place's time zone, one a line as "Name: ...",
// "Place: ..." and "Zone: ...", and after them the engine the chart is cast
// with ("Ephemeris: ...", see ReadEphemerisLabel). A program that reads only
// the seven numbers ignores them; so does ValidateChartImage.
struct ChartLabels {
  std::string name;   // "Ravi Kumar" (UTF-8)
  std::string place;  // "Chennai, Tamil Nadu, IN"
  std::string zone;   // "Asia/Kolkata"
  bool empty() const { return name.empty() && place.empty() && zone.empty(); }
  bool operator==(const ChartLabels&) const = default;
};

// The values of the "Ephemeris:" label.
inline constexpr std::string_view kEphemerisLabelSwiss = "swiss";
inline constexpr std::string_view kEphemerisLabelClassic = "classic";

// The longest label kept, in bytes (longer ones are cut at a character).
inline constexpr std::size_t kChartLabelLimit = 200;

// The labels after the seventh number of `image` (empty when the image
// has none, or fewer than seven numbers). Lines other than the three
// labels are ignored; a label's value has its blanks at both ends removed,
// control characters turned into blanks and is cut to kChartLabelLimit.
ChartLabels ReadChartLabels(std::string_view image);

// The label lines for `labels`, each ending in a line feed, leaving out
// empty ones (so nothing at all for empty labels). Values are cleaned as
// ReadChartLabels cleans them, so they read back the same.
std::string FormatChartLabels(const ChartLabels& labels);

// The value of the "Ephemeris:" label after the seventh number of `image`
// (kEphemerisLabelSwiss or kEphemerisLabelClassic as written; empty when
// there is none: the chart follows the preference's engine).
std::string ReadEphemerisLabel(std::string_view image);

// `image` with its "Ephemeris:" label set to `value` (removed when empty):
// every other byte of the image stays as it is, the label's line goes last.
// An image without seven numbers comes back unchanged.
std::string WithEphemerisLabel(std::string_view image, std::string_view value);

// `value` as a label keeps it: one line, no control characters, no blanks
// at either end, at most kChartLabelLimit bytes (cut at a character).
std::string CleanChartLabel(std::string_view value);

// What WriteFileAtomic does when `path` is a symbolic link.
enum class LinkAtPath : std::uint8_t {
  kWriteThrough,  // replace the file the link points to (a user's chart saved through a link)
  kReplace,       // replace the link itself: the program's own working files never follow a link
};

// Replaces the file at `path` with `bytes` so that it is never left half
// written: the bytes go to a new temporary file in the same folder, which is
// flushed to disk (fsync) and then renamed over `path`; the folder is synced
// afterwards. Every step is checked. On failure the temporary file is
// removed, the old file at `path` (if any) is left exactly as it was, the
// function returns false and, when `error` is given, puts a one-line reason
// there naming the file and the failing step. A file that already existed
// keeps its permission bits; a new file gets 0666 less the umask.
// The temporary file is named ".NAME.tmp-DIGITS" and held under an
// exclusive lock (flock) while it is written; before writing, the
// temporary files of that pattern left beside `path` by a save that was
// killed (regular files of this user that no running save holds locked)
// are removed.
bool WriteFileAtomic(const std::string& path, std::string_view bytes, std::string* error,
                     LinkAtPath links = LinkAtPath::kWriteThrough);

// Removes the leftovers described above for the file named `fileName` in
// `folder`; returns how many were removed.
int RemoveSaveLeftovers(const std::string& folder, const std::string& fileName);

}  // namespace orvane
