// Birth-time sensitivity: for each point of a chart that a wrong birth time
// would change (the lagna and its nakshatra pada, the lagna of the navamsa,
// D-10, D-12 and D-60, the Vimsottari lord running at a date, each planet's
// navamsa, the KP sub lords of the Placidus cusps), how far the time may move either way, to the second, before it
// changes. The chart is cast anew at each trial moment, so the windows agree
// with what the chart shows at any moment inside them.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "engine/engine_state.h"
#include "io/settings.h"

namespace orvane {

struct SensitivityWindow {
  std::string point;   // "lagna", "lagna pada", "navamsa lagna", "D-10 lagna", ..., "Moon navamsa", "dasa lord"
  std::string value;   // what it is at the birth time: "Cancer", "Pushyami 2", "Jupiter/Saturn"
  int before = 0;      // seconds the time may go back with the value unchanged (0..limit)
  int after = 0;       // seconds it may go forward
  bool beforeLimited = false;  // unchanged as far back as the search went
  bool afterLimited = false;
};

struct SensitivityOptions {
  int limitSeconds = 24 * 3600;  // how far either way the search goes
  // The date (year, month, day) whose running Vimsottari main and sub period
  // is a point; none leaves it out.
  std::optional<std::array<int, 3>> dasaDate;
  // The KP sub lords of the twelve Placidus cusps as points.
  bool kpCusps = true;
};

// The windows of a chart; empty when the birth data cannot be cast.
std::vector<SensitivityWindow> BirthTimeSensitivity(const BirthData& birth, const Settings& settings,
                                                    const SensitivityOptions& options = {});

// The points' names and values at one moment, in the order of the windows
// (empty when the birth data cannot be cast).
std::vector<std::string> SensitivityPointNames(const SensitivityOptions& options);
std::vector<std::string> SensitivityPointValues(const BirthData& birth, const Settings& settings,
                                                const SensitivityOptions& options);

// The birth data `seconds` later (or earlier) on the local clock, across
// days, months and years (the Julian calendar before 15 October 1582, as the
// chart reads such dates).
BirthData ShiftBirthTime(const BirthData& birth, long long seconds);

// "4 min 12 s", "1 h 0 min 3 s", "24 h", "0 s".
std::string DurationText(int seconds);

}  // namespace orvane
