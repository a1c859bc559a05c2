// The AAF exchange format that astrology programs and public birth-data
// collections use: a record is a "#A93:" line (name, first name, sex, date,
// time, place, country) followed by a "#B93:" line (Julian day or *,
// latitude "48n24", longitude "10e00", zone "1hE00", daylight saving 0/1).
#pragma once

#include <functional>
#include <istream>
#include <string>

#include "library/chart_library.h"

namespace orvane::library {

// Reads the records of `in` one at a time: `each` gets a chart (name, sex,
// birth data in file units, place) or, for a record that cannot be read, an
// error naming its line. Lines of other kinds (#U, comments) are skipped.
// Returns the number of records read.
std::size_t ReadAaf(std::istream& in, const std::function<void(const ChartEntry*, const std::string& error, std::size_t line)>& each);

// One record's two lines, for an export in the same format.
std::string FormatAaf(const ChartEntry& entry);

}  // namespace orvane::library
