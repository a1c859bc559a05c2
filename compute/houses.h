// House cusps of a computed chart, sidereal: the cusps of a house system for
// the chart's moment and place, turned by the same ayanamsa as its bodies
// (so that the 1st cusp of the quadrant systems is the chart's ascendant).
#pragma once

#include <string>

#include "compute/chart.h"
#include "engine/houses.h"
#include "io/settings.h"

namespace orvane {

// False, with a one-line reason, where the system is not defined at the
// chart's latitude (Placidus and Koch inside the polar circles).
bool ChartHouseCusps(const Chart& chart, const Settings& settings, HouseSystem system, HouseCusps& out,
                     std::string* error);

// KP horary: the Placidus cusps (sidereal) whose ascendant is the start of
// horary number `number`'s sub (1..249), at the chart's place and date: the
// sidereal time of that day at which the degree rises. The grahas stay at
// the chart's moment.
bool KpHoraryCusps(const Chart& chart, const Settings& settings, int number, HouseCusps& out, std::string* error);

}  // namespace orvane
