// orvane-cli --panchanga: the calendar of a month or a year at a place, as
// text or JSON, its clock times in the place's zone.
#pragma once

#include <string>

#include "cli/options.h"
#include "io/settings.h"

namespace orvane {

// Writes the calendar the options ask for to standard output. Returns the
// exit status (2 after one line on standard error for a place or zone that
// cannot be used).
int RunPanchanga(const CliOptions& options, const Settings& settings);

// Writes the eclipses of the year --eclipses names, seen from the place.
// Returns 2 with the classic engine, which has no eclipse theory.
int RunEclipses(const CliOptions& options, const Settings& settings);

// "2025-03-01T06:45:12+05:30": a moment (Julian day of universal time) at
// the offset (seconds east), to the nearest second.
std::string IsoMoment(double jd, int offsetSeconds);

}  // namespace orvane
