#include <array>

#include "cli/json.h"

namespace orvane {

namespace {

constexpr std::array<const char*, 10> kPlanetName = {
    "", "Sun", "Moon", "Mars", "Mercury", "Jupiter", "Venus", "Saturn", "Rahu", "Ketu"};

void WriteLord(JsonWriter& json, int lord) {
  if (lord >= 1 && lord <= 9) {
    json.String(kPlanetName[lord]);
  } else {
    json.Null();
  }
}

void WriteDate(JsonWriter& json, const DasaDate& d) {
  json.BeginArray();
  json.Int(d.year);
  json.Int(d.month);
  json.Int(d.day);
  json.Number(d.ghatis);
  json.EndArray();
}

}  // namespace

// The Vimsottari balance at birth and the nine main periods with their true
// dates (the first starts before birth); null where the pass computed no
// natal dasa (Tajaka and mundane charts).
void WriteDasaJson(JsonWriter& json, const ChartState& state, const Settings&) {
  const DasaState& dasa = state.dasa;
  json.Key("dasa_balance");
  if (dasa.balance.lord >= 1 && dasa.balance.lord <= 9) {
    json.BeginObject();
    json.Key("lord");
    WriteLord(json, dasa.balance.lord);
    json.Key("years");
    json.Int(dasa.balance.years);
    json.Key("months");
    json.Int(dasa.balance.months);
    json.Key("days");
    json.Int(dasa.balance.days);
    json.Key("ghatis");
    json.Number(dasa.balance.ghatis);
    json.EndObject();
  } else {
    json.Null();
  }

  json.Key("vimsottari");
  if (!dasa.vimsottariValid) {
    json.Null();
    return;
  }
  json.BeginArray();
  for (int i = 0; i < 9; ++i) {
    json.BeginObject();
    json.Key("lord");
    WriteLord(json, dasa.vimsottari[i][0].lord);
    json.Key("start");
    WriteDate(json, dasa.vimsottariStart[i]);
    json.Key("end");
    WriteDate(json, dasa.vimsottariEnd[i]);
    json.EndObject();
  }
  json.EndArray();
}

}  // namespace orvane
