#include <array>

#include "cli/json.h"
#include "tajaka/tajaka_rules.h"

namespace orvane {

namespace {

constexpr std::array<const char*, 8> kPlanetName = {"", "Sun", "Moon", "Mars", "Mercury", "Jupiter", "Venus", "Saturn"};

}  // namespace

// The Tajaka chart's results: its moment, the five-source strength of
// Sun..Saturn with its class, the year lord, the 36 sahams and the muntha;
// null for a natal chart.
void WriteTajakaJson(JsonWriter& json, const ChartState& state, const Settings&) {
  json.Key("tajaka");
  if (state.options.tajakaMode == 0) {
    json.Null();
    return;
  }
  const TajakaState& tj = state.tajaka;
  json.BeginObject();
  json.Key("moment");
  json.BeginArray();
  json.Number(tj.moment.year);
  json.Number(tj.moment.month);
  json.Number(tj.moment.day);
  json.Number(tj.moment.time);
  json.EndArray();

  json.Key("pancha_vargeeya");
  json.BeginArray();
  for (int p = 1; p <= 7; ++p) {
    json.BeginObject();
    json.Key("bala");
    json.Number(tj.panchaBala[p]);
    json.Key("class");
    const int c = tj.panchaClass[p];
    if (c >= tajaka::kWeak && c <= tajaka::kExtraordinary) {
      json.String(tajaka::PanchaClassName(c));
    } else {
      json.Null();
    }
    json.EndObject();
  }
  json.EndArray();

  json.Key("year_lord");
  if (tj.yearLord >= 1 && tj.yearLord <= 7) {
    json.String(kPlanetName[tj.yearLord]);
  } else {
    json.Null();
  }

  json.Key("sahams");
  json.BeginArray();
  for (const double s : tj.sahams) json.Number(s);
  json.EndArray();

  json.Key("muntha");
  json.Number(state.vedic.munthaLongitude);
  json.EndObject();
}

}  // namespace orvane
