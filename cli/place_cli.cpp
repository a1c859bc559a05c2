#include "cli/place_cli.h"

#include <cmath>
#include <cstdint>
#include <vector>

#include "io/birth_options.h"
#include "io/shown_name.h"
#include "places/zone_time.h"

namespace orvane {
namespace {

// Degrees or hours as the chart file keeps them: whole part + minutes/100,
// rounded to the whole minute.
double FileUnits(double value) {
  const long long minutes = std::llround(std::abs(value) * 60);
  const double units = static_cast<double>(minutes / 60) + static_cast<double>(minutes % 60) / 100.0;
  return value < 0 ? -units : units;
}

// The clock time h + m/100 + s/6000 of the chart file as hours, minutes
// and seconds.
void SplitClock(double time, int& hour, int& minute, double& second) {
  const long long total = std::llround(std::abs(time) * 1e6);  // avoids 17.50 reading as 17:49:59.99
  hour = static_cast<int>(total / 1000000);
  const double rest = static_cast<double>(total % 1000000) / 1e4;  // [0, 100) minutes.seconds
  minute = static_cast<int>(rest);
  second = (rest - minute) * 60;
  if (second >= 60) second = 59.999;
}

}  // namespace

int ListPlaces(std::string_view query, bool json, std::FILE* out, std::FILE* err) {
  PlaceTable table;
  std::string error;
  if (!LoadPlaceTable(table, &error)) {
    std::fprintf(err, "orvane-cli: %s\n", error.c_str());
    return 2;
  }
  const std::vector<std::size_t> found = table.Search(query, kPlacesListed);
  if (found.empty()) {
    std::fprintf(err, "orvane-cli: no place matches %s\n", ShownInput(query).c_str());
    return 2;
  }
  if (json) {
    JsonWriter writer;
    writer.BeginArray();
    for (const std::size_t i : found) {
      const Place p = table.at(i);
      writer.BeginObject();
      writer.Key("name");
      writer.String(p.name);
      writer.Key("admin1");
      writer.String(p.admin1);
      writer.Key("country");
      writer.String(p.country);
      writer.Key("latitude");
      writer.Number(p.latitude);
      writer.Key("longitude");
      writer.Number(p.longitude);
      writer.Key("zone_id");
      writer.String(p.zone);
      writer.Key("population");
      writer.Int(p.population);
      writer.EndObject();
    }
    writer.EndArray();
    std::fprintf(out, "%s\n", writer.Text().c_str());
    return 0;
  }
  for (const std::size_t i : found) {
    // The table is a file like any other: its texts are shown escaped.
    const Place p = table.at(i);
    std::fprintf(out, "%s\t%s\t%s\t%.3f\t%.3f\t%s\t%u\n", ShownName(p.name).c_str(), ShownName(p.admin1).c_str(),
                 ShownName(p.country).c_str(), p.latitude, p.longitude, ShownName(p.zone).c_str(),
                 static_cast<unsigned>(p.population));
  }
  return 0;
}

// How much larger than the next place of the same name a place must be to
// be taken by its name alone.
constexpr unsigned kClearlyLargest = 10;

bool ReadPlace(const PlaceTable& table, std::string_view query, const BirthData& birth, PlaceReading& out,
               std::string* error, std::string* note) {
  // The query must name the place: its name (or another spelling of it) in
  // whole words, and where several places have such a name, qualifiers that
  // leave one, or one that is at least ten times as large as the next.
  const std::vector<std::size_t> named = table.Search(query, 2, true);
  const bool taken = named.size() == 1 ||
                     (named.size() == 2 && table.at(named[0]).population >=
                                               std::uint64_t{kClearlyLargest} * table.at(named[1]).population);
  if (!taken) {
    const std::vector<std::size_t> candidates = table.Search(query, 3);
    if (error) {
      if (candidates.empty()) {
        *error = "unknown place " + ShownInput(query) + " (--places lists the matches of a name)";
      } else {
        // "--place "a" names no place in full: "Alexandria, Alexandria, EG",
        // "Ahmedabad, Gujarat, IN" or "Abidjan, ..., CI"?"
        *error = "--place " + ShownInput(query) +
                 (named.empty() ? " names no place in full: " : " names more than one place: ");
        for (std::size_t i = 0; i < candidates.size(); ++i) {
          if (i > 0) *error += i + 1 == candidates.size() ? " or " : ", ";
          *error += "\"" + ShownName(PlaceLabel(table.at(candidates[i]))) + "\"";
        }
        *error += "?";
      }
    }
    return false;
  }
  const Place p = table.at(named.front());
  out = PlaceReading{};
  out.name = p.name;
  out.admin1 = p.admin1;
  out.country = p.country;
  out.zone = p.zone;
  out.latitude = p.latitude;
  out.longitude = p.longitude;
  int hour = 0, minute = 0;
  double second = 0;
  SplitClock(birth.time, hour, minute, second);
  const LocalTimeResolution r =
      ResolveLocalTime(p.zone, static_cast<int>(birth.year), static_cast<int>(birth.month),
                       static_cast<int>(birth.day), hour, minute, second);
  switch (r.kind) {
    case LocalTimeKind::kError:
    case LocalTimeKind::kNonexistent:
      if (error) *error = "--place " + ShownName(PlaceLabel(p)) + ": " + ShownName(r.message);
      return false;
    case LocalTimeKind::kAmbiguous:
      out.ambiguous = true;
      if (note) *note = r.message;
      [[fallthrough]];
    case LocalTimeKind::kUnique:
      out.dst = r.offset.dst;
      out.localMeanTime = r.offset.localMeanTime;
      // Before standard time the database keeps its zone city's own mean
      // time; the place's own, from its longitude, is the one in force there.
      out.offsetSeconds = r.offset.localMeanTime ? LocalMeanTimeOffset(p.longitude) : r.offset.offsetSeconds;
      break;
  }
  return true;
}

void ApplyPlace(const PlaceReading& place, bool zoneGiven, bool longitudeGiven, bool latitudeGiven,
                BirthData& birth) {
  // The chart file counts zone and longitude positive west.
  if (!zoneGiven) birth.zone = -FileUnits(place.offsetSeconds / 3600.0);
  if (!longitudeGiven) birth.longitude = -FileUnits(place.longitude);
  if (!latitudeGiven) birth.latitude = FileUnits(place.latitude);
}

void WritePlaceJson(JsonWriter& json, const PlaceReading& place) {
  json.BeginObject();
  json.Key("name");
  json.String(place.name);
  json.Key("admin1");
  json.String(place.admin1);
  json.Key("country");
  json.String(place.country);
  json.Key("latitude");
  json.Number(place.latitude);
  json.Key("longitude");
  json.Number(place.longitude);
  json.Key("zone_id");
  json.String(place.zone);
  json.Key("offset_seconds");
  json.Int(place.offsetSeconds);
  json.Key("dst");
  json.Bool(place.dst);
  json.Key("ambiguous");
  json.Bool(place.ambiguous);
  json.EndObject();
}

}  // namespace orvane
