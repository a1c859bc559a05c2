// The Jaimini co-lord decision: Scorpio has two lords (Mars and Ketu) and
// Aquarius two (Saturn and Rahu); before the arudha padas of a chart are
// placed, one lord of each is chosen for that chart by a fixed comparison of
// the two planets' strength.
//
// Pure functions: they read one chart's signs and degrees and return the
// sign-lord table with the two entries decided. Nothing is kept between calls,
// so "setting the lords back to Mars and Saturn" after the padas is simply
// dropping the returned table.
#pragma once

#include <array>
#include <cstdint>

#include "chart/chart_state.h"
#include "engine/zodiac.h"

namespace orvane {

// What the decision reads of one chart.
struct CoLordChart {
  // Sign 0..11 of every body slot in the chart being decided on (for the
  // chart diagrams: the divisional chart being drawn). Only the planets,
  // slots 1..9, are read; a value outside 0..11 is taken whole turns round.
  std::array<std::int32_t, kSlotCount> sign{};
  // Degrees each planet has travelled in its rasi, [0, 30).
  std::array<double, kSlotCount> degrees{};
};

// Sign lords by sign index (planet codes, the same numbers as body slots).
using JaiminiLordTable = std::array<int, 12>;
inline constexpr JaiminiLordTable kJaiminiLords = {
    kMars, kVenus, kMercury, kMoon,   kSun,    kMercury,
    kVenus, kMars, kJupiter, kSaturn, kSaturn, kJupiter,
};

// The chart to decide on from a sign table and the sidereal longitudes
// (degrees in [0, 360)) of the same chart; degrees in the rasi are
// longitude - 30 * trunc(longitude / 30).
CoLordChart MakeCoLordChart(const std::array<std::int32_t, kSlotCount>& signs,
                            const std::array<double, kSlotCount>& longitudes);

// The stronger of planets p and q (codes 1..9) in the chart; the first rule
// that separates them decides:
//   1. more planets (Sun..Ketu) in the planet's sign;
//   2. more support of the planet's sign (Jupiter's and Mercury's influence
//      on it, plus one when its lord in `lords` influences it);
//   3. exalted beats not exalted, then not debilitated beats debilitated;
//   4. in its moolatrikona sign beats not;
//   5. in its own sign (by `lords`) beats not;
//   6. dual sign beats fixed, fixed beats movable;
//   7. Saturn against Rahu: the sign further on from Aquarius wins; Mars
//      against Ketu: the sign further on from Scorpio wins;
//   8. more degrees in the sign; equal degrees give p.
// A code outside 1..9 loses to a valid one; two invalid codes give p.
int StrongerCoLord(const CoLordChart& chart, const JaiminiLordTable& lords, int p, int q);

// The lords of Scorpio and Aquarius for the chart, written into `lords`
// (normally kJaiminiLords) and returned. Scorpio: Mars when Ketu is in
// Scorpio, else Ketu when Mars is in Scorpio, else the stronger of Mars and
// Ketu. Aquarius: the same with Saturn and Rahu. Scorpio is decided first,
// and the Aquarius comparison reads the table with Scorpio's lord written.
JaiminiLordTable DecideCoLords(const CoLordChart& chart, JaiminiLordTable lords = kJaiminiLords);

}  // namespace orvane
