// Values the dasa systems compute in a pass (balances and period tables).
#pragma once

#include <array>
#include <cstdint>

#include "engine/calendar.h"

namespace orvane {

// The Vimsottari period running at birth and the part of it still to run,
// in the 360-day reckoning (a year of 12 months of 30 days) plus ghatis.
struct DasaBalance {
  std::int32_t lord = 0;  // planet code 1..9; 0 until a natal pass computed it
  std::int32_t years = 0;
  std::int32_t months = 0;
  std::int32_t days = 0;
  double ghatis = 0;  // [0, 60)
};

// One row of the Vimsottari table: a lord with its start and end dates.
struct VimsottariRecord {
  std::int32_t lord = 0;
  std::int32_t startYear = 0;
  std::int32_t startMonth = 0;
  std::int32_t startDay = 0;
  std::int32_t endYear = 0;
  std::int32_t endMonth = 0;
  std::int32_t endDay = 0;
};

// Nine groups, each a main period followed by its nine sub-periods. The main
// record of the first group holds the birth date as its start; every other
// record holds true dates (sub-periods of the first group before birth too).
using VimsottariTable = std::array<std::array<VimsottariRecord, 10>, 9>;

struct DasaState {
  // Days per dasa year: the preferences' dasa year, which the pass sets
  // before the dasas are derived.
  double yearLength = 365.2425;
  DasaBalance balance{};
  VimsottariTable vimsottari{};
  // The nine main periods with ghatis: true starts (the first lies before
  // birth) and ends.
  std::array<DasaDate, 9> vimsottariStart{};
  std::array<DasaDate, 9> vimsottariEnd{};
  std::uint8_t vimsottariValid = 0;  // 1 once a natal pass filled the table
};

}  // namespace orvane
