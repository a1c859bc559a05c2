#include <array>
#include <string_view>

#include "cli/json.h"

namespace orvane {

namespace {

// JSON names of the divisional charts, by Varga.
constexpr std::array<std::string_view, kVargaCount> kVargaKey = {
    "D-1",  "D-2",  "D-3",  "D-4",  "D-5",  "D-6",  "D-7",  "D-8",  "D-9",  "D-10",
    "D-11", "D-12", "D-16", "D-20", "D-24", "D-27", "D-30", "D-40", "D-45", "D-60"};

}  // namespace

void WriteVedicJson(JsonWriter& json, const ChartState& state, const Settings&) {
  const VedicState& v = state.vedic;
  json.Key("panchanga");
  json.BeginObject();
  json.Key("tithi");
  json.Int(v.tithi);
  json.Key("tithi_balance");
  json.Number(v.tithiBalance);
  json.Key("yoga");
  json.Int(v.yoga);
  json.Key("karana");
  json.Int(v.karana);
  json.Key("vara");
  json.Int(v.vara);
  json.Key("nakshatra");
  json.Int(v.moonNakshatra);
  json.Key("pada");
  json.Int(v.moonPada);
  json.Key("lunar_month");
  json.Int(state.lunarMonthSign);
  json.EndObject();

  json.Key("vargas");
  json.BeginObject();
  for (int varga = 0; varga < kVargaCount; ++varga) {
    json.Key(kVargaKey[static_cast<std::size_t>(varga)]);
    json.BeginArray();
    for (const std::int32_t sign : v.vargaSign[static_cast<std::size_t>(varga)]) json.Int(sign);
    json.EndArray();
  }
  json.EndObject();
}

}  // namespace orvane
