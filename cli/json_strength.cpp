#include <array>
#include <string_view>

#include "cli/json.h"
#include "chart/strength_state.h"

namespace orvane {

namespace {

// Keys of the shadbala record, by ShadbalaItem.
constexpr std::array<std::string_view, kShadbalaItemCount> kShadbalaKey = {
    "uchcha",    "saptavarga", "ojayugma", "kendra",     "drekkana", "sthana", "dig",    "natonnata", "paksha",
    "tribhaga",  "abda",       "masa",     "vara",       "hora",     "ayana",  "yuddha", "kala",      "chesta",
    "naisargika", "drig",      "pinda",    "rupas",      "percent",  "ishta",  "kashta"};

// Keys of the bhava bala record, by BhavaItem.
constexpr std::array<std::string_view, kBhavaItemCount> kBhavaKey = {"lord", "dik", "drik", "total", "rupas"};

constexpr std::array<std::string_view, 7> kPlanetKey = {"Sun", "Moon", "Mars", "Mercury", "Jupiter", "Venus",
                                                        "Saturn"};

void SignRows(JsonWriter& json, const std::array<SignRow, kAshtakavargaRows>& rows) {
  json.BeginArray();
  for (const SignRow& row : rows) {
    json.BeginArray();
    for (const std::int32_t value : row) json.Int(value);
    json.EndArray();
  }
  json.EndArray();
}

}  // namespace

void WriteStrengthJson(JsonWriter& json, const ChartState& state, const Settings&) {
  const StrengthState& st = state.vedic.strength;
  const AshtakavargaState& a = st.ashtakavarga;

  json.Key("ashtakavarga");
  json.BeginObject();
  json.Key("bindus");
  SignRows(json, a.bindu);
  json.Key("reduced");
  SignRows(json, a.reduced);
  json.Key("pindas");
  json.BeginArray();
  for (int p = 0; p < kAshtakavargaPlanets; ++p) {
    json.BeginObject();
    json.Key("rasi");
    json.Int(a.rasiPinda[p]);
    json.Key("graha");
    json.Int(a.grahaPinda[p]);
    json.Key("sodya");
    json.Int(a.sodyaPinda[p]);
    json.EndObject();
  }
  json.EndArray();
  json.EndObject();

  json.Key("shadbala");
  json.BeginObject();
  for (std::size_t p = 0; p < kPlanetKey.size(); ++p) {
    json.Key(kPlanetKey[p]);
    json.BeginObject();
    for (std::size_t item = 0; item < kShadbalaKey.size(); ++item) {
      json.Key(kShadbalaKey[item]);
      json.Number(st.shadbala[p][item]);
    }
    json.EndObject();
  }
  json.Key("bhava");
  json.BeginArray();
  for (const BhavaRecord& house : st.bhava) {
    json.BeginObject();
    for (std::size_t item = 0; item < kBhavaKey.size(); ++item) {
      json.Key(kBhavaKey[item]);
      json.Number(house[item]);
    }
    json.EndObject();
  }
  json.EndArray();
  json.EndObject();
}

}  // namespace orvane
