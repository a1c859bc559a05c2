// orvane-cli's places: --places QUERY lists the place table's best
// matches; --place NAME takes a chart's position and the UTC offset in
// force at its moment from the table and the system's tz database.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "cli/json.h"
#include "chart/chart_state.h"
#include "places/place_table.h"

namespace orvane {

// A place as a chart uses it: where it is and the offset at the chart's moment.
struct PlaceReading {
  std::string name, admin1, country, zone;
  double latitude = 0;   // degrees, north positive
  double longitude = 0;  // degrees, east positive
  int offsetSeconds = 0;  // east positive, in force at the birth moment
  bool dst = false;
  bool ambiguous = false;     // the clock time occurred twice: the first was taken
  bool localMeanTime = false;  // before standard time: the place's own mean time
};

// How many places --places lists.
inline constexpr std::size_t kPlacesListed = 10;

// Writes the best matches of `query` to `out`: one line each (name,
// division, country, latitude, longitude, zone, population, separated by
// tabs) or, with `json`, one JSON array. Returns 0, or 2 after one line on
// `err` when the table is missing or nothing matches.
int ListPlaces(std::string_view query, bool json, std::FILE* out, std::FILE* err);

// The place `query` names ("NAME[, DIVISION][, CC]", the best match) at the
// local moment of `birth` (date and clock time in chart-file units). False
// with a one-line reason when the table is missing, nothing matches, or the
// clock time did not exist there. `note`, when the time occurred twice,
// says which reading was taken.
bool ReadPlace(const PlaceTable& table, std::string_view query, const BirthData& birth, PlaceReading& out,
               std::string* error, std::string* note);

// Sets what the options did not give: zone, longitude and latitude of
// `birth` from the place (chart-file units, rounded to whole minutes).
void ApplyPlace(const PlaceReading& place, bool zoneGiven, bool longitudeGiven, bool latitudeGiven,
                BirthData& birth);

// The "place" value of a chart's JSON object.
void WritePlaceJson(JsonWriter& json, const PlaceReading& place);

}  // namespace orvane
